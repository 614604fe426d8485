// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Shared by the two doubles: turning arguments into call text and replies
// into out-arguments.

#include "tests/doubles/DoubleControl.h"
#include "phone/PhoneApi.h"

#include <cstring>

namespace doubles {

inline QString Arg(const char *text) { return text ? QString::fromLocal8Bit(text) : QStringLiteral("null"); }
inline QString Arg(int value) { return QString::number(value); }
inline QString Arg(unsigned char value) { return QString::number(value); }

template <typename Record>
QByteArray RecordBytes(const Record *record)
{
    return record ? QByteArray(reinterpret_cast<const char *>(record), sizeof(Record)) : QByteArray();
}

// Copies reply text n into a caller buffer of the given size, terminated.
inline void FillText(const Reply &reply, size_t n, char *buffer, size_t size)
{
    if (!buffer || n >= reply.texts.size() || size == 0)
        return;
    const QByteArray &text = reply.texts[n];
    const size_t length = std::min(size - 1, size_t(text.size()));
    std::memcpy(buffer, text.constData(), length);
    buffer[length] = '\0';
}

inline void FillNumber(const Reply &reply, size_t n, int32_t *target)
{
    if (target && n < reply.numbers.size())
        *target = reply.numbers[n];
}

inline void FillBytes(const Reply &reply, void *target, size_t size)
{
    if (target)
        std::memcpy(target, reply.bytes.constData(), std::min(size, size_t(reply.bytes.size())));
}

inline PhoneFlag Flag(const Reply &reply) { return reply.result ? 1 : 0; }
inline int32_t Count(const Reply &reply) { return int32_t(reply.result); }

} // namespace doubles
