// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The writes the crash-kill writer makes to a local file, step by step, and
// the records the file must hold after each: both sides compute them alike,
// so the test knows the file's contents after any completed step.
#include "tests/support/LocalFileLayouts.h"

#include <QByteArray>

namespace orrin::test {

enum class CrashStep { Append, Overwrite, Rewrite };

inline CrashStep StepKind(int step)
{
    const CrashStep kinds[] = {CrashStep::Append, CrashStep::Append, CrashStep::Overwrite, CrashStep::Rewrite};
    return kinds[step % 4];
}

// A record of the layout's size whose every byte depends on the step.
inline QByteArray StepRecord(int step, qsizetype size)
{
    QByteArray record(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        record[i] = char((step * 131 + i * 7) & 0xff);
    return record;
}

// The records, concatenated, after step (1, 2, ...) was applied to them; a
// change acts on the record at step modulo their count, a rewrite drops it.
inline void ApplyStep(int step, qsizetype size, QByteArray &records)
{
    const qsizetype count = records.size() / size;
    switch (StepKind(step)) {
    case CrashStep::Append:
        records.append(StepRecord(step, size));
        break;
    case CrashStep::Overwrite:
        records.replace((step % count) * size, size, StepRecord(step, size));
        break;
    case CrashStep::Rewrite:
        records.remove((step % count) * size, size);
        break;
    }
}

inline QByteArray RecordsAfter(int steps, qsizetype size)
{
    QByteArray records;
    for (int step = 1; step <= steps; ++step)
        ApplyStep(step, size, records);
    return records;
}

} // namespace orrin::test
