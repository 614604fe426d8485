// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Control of the phone-module test doubles. The doubles record every call
// with its arguments ("OpenComms(COM3,115200)") and answer from replies that
// a test scripts per entry point: queued one-shot replies first, then the
// entry point's default reply, then success with empty outputs.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#if defined(ORRIN_BUILDING_DOUBLE_CONTROL)
#  define DOUBLE_CONTROL_API __attribute__((visibility("default")))
#else
#  define DOUBLE_CONTROL_API
#endif

namespace doubles {

struct Reply {
    long result = 1;                // the entry point's return value
    std::vector<QByteArray> texts;  // copied into the text buffers, in argument order
    std::vector<int> numbers;       // written to the integer out-arguments, in order
    QByteArray bytes;               // copied into a record or data out-argument
    std::function<void()> onAnswer; // runs as the call is answered: a look at the caller's state then
};

DOUBLE_CONTROL_API void Reset();
DOUBLE_CONTROL_API void SetDefault(const QString &entry, const Reply &reply);
DOUBLE_CONTROL_API void Queue(const QString &entry, const Reply &reply);
DOUBLE_CONTROL_API QStringList Calls();
// Calls whose text starts with the entry point's name.
DOUBLE_CONTROL_API QStringList CallsOf(const QString &entry);
// The record bytes passed with the n-th recorded call (empty when none).
DOUBLE_CONTROL_API QByteArray CallBytes(int n);

// Used by the doubles themselves: record a call and take its reply.
DOUBLE_CONTROL_API Reply Answer(const QString &entry, const QStringList &arguments,
                                const QByteArray &bytes = {});

inline Reply Result(long value) { Reply reply; reply.result = value; return reply; }

} // namespace doubles
