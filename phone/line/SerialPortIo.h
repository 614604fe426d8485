#pragma once
// The serial port as a byte channel: Qt Serial Port used blocking on the
// thread that opened it, 8N1, no flow control. Modem-control lines are never
// touched (a pseudo-terminal has none).

#include "LineExport.h"
#include "SerialIo.h"

#include <QString>

#include <memory>

class QSerialPort;
class QThread;

namespace orrin::phone {

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
    std::unique_ptr<QSerialPort> m_port;
    int m_baudRate = 0;
};

} // namespace orrin::phone
