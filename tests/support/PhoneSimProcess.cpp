// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/PhoneSimProcess.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>

namespace orrin::test {

CPhoneSimProcess::~CPhoneSimProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
}

QString CPhoneSimProcess::ProgramPath()
{
    return QStringLiteral(ORRIN_PHONESIM_PATH);
}

bool CPhoneSimProcess::Start(const QStringList &arguments, int timeoutMs)
{
    m_process.setProgram(ProgramPath());
    m_process.setArguments(arguments);
    m_process.start();
    return m_process.waitForStarted(timeoutMs) && ReadDeviceLine(timeoutMs);
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
        while (m_process.canReadLine()) {
            const QByteArray line = m_process.readLine().trimmed();
            if (line.startsWith(kDevice)) {
                m_device = QString::fromLocal8Bit(line.mid(kDevice.size()));
                return true;
            }
        }
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning ||
            !m_process.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
}

bool CPhoneSimProcess::Stop(int timeoutMs)
{
    if (m_process.state() == QProcess::NotRunning)
        return false;
    m_process.terminate();
    const bool finished = m_process.waitForFinished(timeoutMs);
    ReadCounts();
    return finished && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
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
    m_errorOutput = QString::fromLocal8Bit(m_process.readAllStandardError());
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
