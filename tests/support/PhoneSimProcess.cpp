// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/PhoneSimProcess.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

namespace orrin::test {
namespace {

constexpr int kPollMs = 10;

} // namespace

QString CPhoneSimProcess::ProgramPath()
{
    return QStringLiteral(ORRIN_PHONESIM_PATH);
}

bool CPhoneSimProcess::Start(const QStringList &arguments, int timeoutMs)
{
    m_readOffset = 0;
    return m_process.Start(ProgramPath(), arguments) && ReadDeviceLine(timeoutMs);
}

bool CPhoneSimProcess::WaitForNewDevice(int timeoutMs)
{
    return ReadDeviceLine(timeoutMs);
}

bool CPhoneSimProcess::ReadDeviceLine(int timeoutMs)
{
    static const QByteArray kDevice = "device: ";
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const QByteArray output = m_process.Output();
        for (qsizetype end; (end = output.indexOf('\n', m_readOffset)) >= 0;) {
            const QByteArray line = output.mid(m_readOffset, end - m_readOffset);
            m_readOffset = end + 1;
            if (line.startsWith(kDevice)) {
                m_device = QString::fromLocal8Bit(line.mid(kDevice.size()).trimmed());
                return true;
            }
        }
        if (deadline.hasExpired() || !m_process.Running())
            return false;
        QThread::msleep(kPollMs);
    }
}

bool CPhoneSimProcess::Stop(int timeoutMs)
{
    if (!m_process.Running())
        return false;
    m_process.Terminate();
    const bool finished = m_process.WaitForExit(timeoutMs);
    ReadCounts();
    return finished && m_process.ExitCode() == 0;
}

namespace {

// The JSON object of the stderr line that starts with the label.
QJsonObject LabelledObject(const QString &output, const QString &label)
{
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(label))
            return QJsonDocument::fromJson(line.mid(label.size()).toUtf8()).object();
    }
    return {};
}

} // namespace

void CPhoneSimProcess::ReadCounts()
{
    m_errorOutput = QString::fromLocal8Bit(m_process.ErrorOutput());
    m_counts.clear();
    m_bytes.clear();
    const QJsonObject counts = LabelledObject(m_errorOutput, QStringLiteral("commands: "));
    for (auto it = counts.begin(); it != counts.end(); ++it)
        m_counts.insert(it.key(), it.value().toInt());
    const QJsonObject bytes = LabelledObject(m_errorOutput, QStringLiteral("bytes: "));
    for (auto it = bytes.begin(); it != bytes.end(); ++it)
        m_bytes.insert(it.key(), qint64(it.value().toDouble()));
}

int CPhoneSimProcess::TotalCount() const
{
    int total = 0;
    for (const int count : m_counts)
        total += count;
    return total;
}

} // namespace orrin::test
