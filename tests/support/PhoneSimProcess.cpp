#include "PhoneSimProcess.h"

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

void CPhoneSimProcess::ReadCounts()
{
    static const QByteArray kCommands = "commands: ";
    m_errorOutput = QString::fromLocal8Bit(m_process.readAllStandardError());
    m_counts.clear();
    for (const QString &line : m_errorOutput.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String(kCommands)))
            continue;
        const QJsonObject counts = QJsonDocument::fromJson(line.mid(kCommands.size()).toUtf8()).object();
        for (auto it = counts.begin(); it != counts.end(); ++it)
            m_counts.insert(it.key(), it.value().toInt());
    }
}

int CPhoneSimProcess::TotalCount() const
{
    int total = 0;
    for (const int count : m_counts)
        total += count;
    return total;
}

} // namespace orrin::test
