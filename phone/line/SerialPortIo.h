// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The serial port as a byte channel, used blocking on the thread that opened
// it, 8N1, no flow control: termios on POSIX systems, Qt Serial Port on
// Windows. Modem-control lines are never touched (a pseudo-terminal has none).

#include "phone/line/LineExport.h"
#include "phone/line/SerialIo.h"

#include <QString>

#include <memory>

class QObject;
class QThread;

namespace orrin::phone {

class CSerialDevice;

class PHONELINE_API CSerialPortIo : public ISerialIo {
public:
    CSerialPortIo();
    ~CSerialPortIo() override;
    CSerialPortIo(const CSerialPortIo &) = delete;
    CSerialPortIo &operator=(const CSerialPortIo &) = delete;

    // Opens the device; on failure why says what went wrong.
    bool Open(const QString &device, int baudRate, QString *why);
    bool SetBaudRate(int baudRate);
    void Close();
    bool IsOpen() const;
    // The thread the port belongs to; every call must come from it.
    QThread *OwnerThread() const;

    bool Write(const QByteArray &bytes, const QDeadlineTimer &deadline) override;
    ReadResult Read(const QDeadlineTimer &deadline) override;
    void DiscardInput() override;
    int BaudRate() const override;

private:
    std::unique_ptr<CSerialDevice> m_device;
    std::unique_ptr<QObject> m_ownerMark;
    int m_baudRate = 0;
};

} // namespace orrin::phone
