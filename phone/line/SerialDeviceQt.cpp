// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/SerialDevice.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QSerialPort>

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

// Qt Serial Port, where the system has no termios (Windows).
class CQtSerialDevice : public CSerialDevice {
public:
    bool Open(const QString &device, QString *why)
    {
        m_port.setPortName(device);
        if (!m_port.open(QIODevice::ReadWrite)) {
            *why = m_port.error() == QSerialPort::PermissionError ? QStringLiteral("busy or not permitted")
                                                                  : m_port.errorString();
            return false;
        }
        m_port.setDataBits(QSerialPort::Data8);
        m_port.setParity(QSerialPort::NoParity);
        m_port.setStopBits(QSerialPort::OneStop);
        m_port.setFlowControl(QSerialPort::NoFlowControl);
        m_port.clearError();
        return true;
    }

    bool SetBaudRate(int baudRate) override { return m_port.setBaudRate(baudRate); }

    bool Write(const QByteArray &bytes, const QDeadlineTimer &deadline) override
    {
        if (m_port.write(bytes) != bytes.size())
            return false;
        while (m_port.bytesToWrite() > 0) {
            if (deadline.hasExpired() || !m_port.waitForBytesWritten(RemainingMs(deadline)))
                return false;
        }
        return true;
    }

    ReadResult Read(const QDeadlineTimer &deadline) override
    {
        if (m_port.bytesAvailable() > 0)
            return {ReadStatus::Data, m_port.readAll()};
        if (deadline.hasExpired())
            return {ReadStatus::Timeout, {}};
        if (m_port.waitForReadyRead(RemainingMs(deadline)))
            return {ReadStatus::Data, m_port.readAll()};
        // waitForReadyRead ends early only on an error of the line itself.
        if (m_port.error() == QSerialPort::TimeoutError || m_port.error() == QSerialPort::NoError) {
            m_port.clearError();
            return {ReadStatus::Timeout, {}};
        }
        return {ReadStatus::Lost, {}};
    }

    void DiscardInput() override
    {
        m_port.clear(QSerialPort::Input);
        m_port.readAll();
    }

private:
    QSerialPort m_port;
};

} // namespace

std::unique_ptr<CSerialDevice> OpenSerialDevice(const QString &device, QString *why)
{
    EnsureEventDispatcher();
    auto port = std::make_unique<CQtSerialDevice>();
    if (!port->Open(device, why))
        return nullptr;
    return port;
}

} // namespace orrin::phone
