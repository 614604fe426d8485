// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/SerialPortIo.h"

#include "phone/line/SerialDevice.h"

#include <QObject>

namespace orrin::phone {

CSerialPortIo::CSerialPortIo() = default;

CSerialPortIo::~CSerialPortIo()
{
    Close();
}

bool CSerialPortIo::Open(const QString &device, int baudRate, QString *why)
{
    Close();
    m_device = OpenSerialDevice(device, why);
    if (!m_device)
        return false;
    if (!SetBaudRate(baudRate)) {
        *why = QStringLiteral("baud rate %1 refused").arg(baudRate);
        m_device.reset();
        return false;
    }
    // Created on the opening thread, it names that thread for as long as the
    // line is open, even after the thread has ended.
    m_ownerMark = std::make_unique<QObject>();
    return true;
}

bool CSerialPortIo::SetBaudRate(int baudRate)
{
    if (!m_device || baudRate <= 0 || !m_device->SetBaudRate(baudRate))
        return false;
    m_baudRate = baudRate;
    return true;
}

void CSerialPortIo::Close()
{
    m_device.reset();
    m_ownerMark.reset();
    m_baudRate = 0;
}

bool CSerialPortIo::IsOpen() const
{
    return m_device != nullptr;
}

QThread *CSerialPortIo::OwnerThread() const
{
    return m_ownerMark ? m_ownerMark->thread() : nullptr;
}

bool CSerialPortIo::Write(const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    return m_device && m_device->Write(bytes, deadline);
}

ReadResult CSerialPortIo::Read(const QDeadlineTimer &deadline)
{
    return m_device ? m_device->Read(deadline) : ReadResult{ReadStatus::Lost, {}};
}

void CSerialPortIo::DiscardInput()
{
    if (m_device)
        m_device->DiscardInput();
}

int CSerialPortIo::BaudRate() const
{
    return m_baudRate;
}

} // namespace orrin::phone
