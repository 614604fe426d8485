// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One open serial device, used blocking on the caller's thread, 8N1 without
// flow control; each platform brings its own. On POSIX systems it is termios
// and poll, so that a host without a Qt event loop (a C program, a plain
// std::thread) can use the line without Qt's notifiers.

#include "phone/line/SerialIo.h"

#include <QString>

#include <memory>

namespace orrin::phone {

class CSerialDevice {
public:
    virtual ~CSerialDevice() = default;
    virtual bool SetBaudRate(int baudRate) = 0;
    virtual bool Write(const QByteArray &bytes, const QDeadlineTimer &deadline) = 0;
    virtual ReadResult Read(const QDeadlineTimer &deadline) = 0;
    virtual void DiscardInput() = 0;
};

// Opens the device; nothing, with why set, when it cannot be opened.
std::unique_ptr<CSerialDevice> OpenSerialDevice(const QString &device, QString *why);

} // namespace orrin::phone
