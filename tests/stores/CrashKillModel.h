// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The writes the crash-kill writer makes to Telebook.tml, step by step, and
// the records the file must hold after each: both sides compute them alike,
// so the test knows the file's contents after any completed step.
#include "phone/PhoneApi.h"
#include "stores/common/LocalRecordFile.h"

#include <QList>

#include <cstring>

namespace orrin::test {

inline const LocalFileFormat kTelebookFileFormat{QByteArrayLiteral("telebook"), 8};

enum class CrashStep { Append, Overwrite, Rewrite };

inline CrashStep StepKind(int step)
{
    const CrashStep kinds[] = {CrashStep::Append, CrashStep::Append, CrashStep::Overwrite, CrashStep::Rewrite};
    return kinds[step % 4];
}

inline TelebookRecord StepRecord(int step)
{
    TelebookRecord record{};
    record.location = step;
    const QByteArray number = "+4917" + QByteArray::number(step * 7919);
    const QByteArray name = "Name " + QByteArray::number(step);
    std::memcpy(record.number, number.constData(), size_t(number.size()));
    std::memcpy(record.name, name.constData(), size_t(name.size()));
    record.vip = step % 5 == 0;
    return record;
}

// Applies step (1, 2, ...) to the records; a rewrite drops one record.
inline void ApplyStep(int step, QList<TelebookRecord> &records)
{
    switch (StepKind(step)) {
    case CrashStep::Append:
        records.append(StepRecord(step));
        break;
    case CrashStep::Overwrite:
        records[step % records.size()] = StepRecord(step);
        break;
    case CrashStep::Rewrite:
        records.removeAt(step % records.size());
        break;
    }
}

inline QList<TelebookRecord> RecordsAfter(int steps)
{
    QList<TelebookRecord> records;
    for (int step = 1; step <= steps; ++step)
        ApplyStep(step, records);
    return records;
}

} // namespace orrin::test
