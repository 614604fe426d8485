#include "SerialPortIo.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QSerialPort>
#include <QThread>

#include <algorithm>
#include <climits>

namespace orrin::phone {
namespace {

// A port's notifiers need an event dispatcher on their thread or Qt warns on
// every open; a plain worker thread gets one here. Nothing ever runs it: the
// port is only used blocking.
void EnsureEventDispatcher()
{
    if (QCoreApplication::instance() && !QAbstractEventDispatcher::instance())
        QEventLoop makesDispatcher;
}

int RemainingMs(const QDeadlineTimer &deadline)
{
    const qint64 remaining = deadline.remainingTime();
    return remaining < 0 ? -1 : int(std::min<qint64>(remaining, INT_MAX));
}

} // namespace

CSerialPortIo::CSerialPortIo() = default;

CSerialPortIo::~CSerialPortIo()
{
    Close();
}

bool CSerialPortIo::Open(const QString &device, int baudRate, QString *why)
{
    Close();
    EnsureEventDispatcher();
    m_port = std::make_unique<QSerialPort>();
    m_port->setPortName(device);
    if (!m_port->open(QIODevice::ReadWrite)) {
        *why = m_port->error() == QSerialPort::PermissionError ? QStringLiteral("busy or not permitted")
                                                               : m_port->errorString();
        m_port.reset();
        return false;
    }
    // 8N1 without flow control; a pseudo-terminal may refuse some of these
    // settings, which does no harm.
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!SetBaudRate(baudRate)) {
        *why = QStringLiteral("baud rate %1 refused").arg(baudRate);
        m_port.reset();
        return false;
    }
    m_port->clearError();
    return true;
}

bool CSerialPortIo::SetBaudRate(int baudRate)
{
    if (!m_port || baudRate <= 0 || !m_port->setBaudRate(baudRate))
        return false;
    m_baudRate = baudRate;
    return true;
}

void CSerialPortIo::Close()
{
    if (m_port)
        m_port->close();
    m_port.reset();
    m_baudRate = 0;
}

bool CSerialPortIo::IsOpen() const
{
    return m_port && m_port->isOpen();
}

QThread *CSerialPortIo::OwnerThread() const
{
    return m_port ? m_port->thread() : nullptr;
}

bool CSerialPortIo::Write(const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    if (!IsOpen() || m_port->write(bytes) != bytes.size())
        return false;
    while (m_port->bytesToWrite() > 0) {
        if (deadline.hasExpired() || !m_port->waitForBytesWritten(RemainingMs(deadline)))
            return false;
    }
    return true;
}

ReadResult CSerialPortIo::Read(const QDeadlineTimer &deadline)
{
    if (!IsOpen())
        return {ReadStatus::Lost, {}};
    if (m_port->bytesAvailable() > 0)
        return {ReadStatus::Data, m_port->readAll()};
    if (deadline.hasExpired())
        return {ReadStatus::Timeout, {}};
    if (m_port->waitForReadyRead(RemainingMs(deadline)))
        return {ReadStatus::Data, m_port->readAll()};
    // waitForReadyRead ends early only on an error of the line itself.
    if (m_port->error() == QSerialPort::TimeoutError || m_port->error() == QSerialPort::NoError) {
        m_port->clearError();
        return {ReadStatus::Timeout, {}};
    }
    return {ReadStatus::Lost, {}};
}

void CSerialPortIo::DiscardInput()
{
    if (!IsOpen())
        return;
    m_port->clear(QSerialPort::Input);
    m_port->readAll();
}

int CSerialPortIo::BaudRate() const
{
    return m_baudRate;
}

} // namespace orrin::phone
