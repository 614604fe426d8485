// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A byte channel to the phone. The AT engine talks through it, so tests can
// put scripted answers where the serial port would be.

#include <QByteArray>
#include <QDeadlineTimer>

namespace orrin::phone {

enum class ReadStatus { Data, Timeout, Lost };

struct ReadResult {
    ReadStatus status = ReadStatus::Timeout;
    QByteArray bytes;
};

class ISerialIo {
public:
    virtual ~ISerialIo() = default;
    // Sends every byte before the deadline; false when the line refused them.
    virtual bool Write(const QByteArray &bytes, const QDeadlineTimer &deadline) = 0;
    // Waits for bytes until the deadline. Lost: the line went away.
    virtual ReadResult Read(const QDeadlineTimer &deadline) = 0;
    // Drops whatever has arrived and not been read.
    virtual void DiscardInput() = 0;
    virtual int BaudRate() const = 0;
};

} // namespace orrin::phone
