// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Phone-book entries for the tests and the scripts that make the Mobile
// module double hold them: what a read of a memory finds.

#include "tests/doubles/DoubleControl.h"
#include "stores/telebook/TelebookRecord.h"
#include "stores/common/TextField.h"

#include <QtEndian>

namespace orrin::test {

struct Entry {
    int location;
    QByteArray number;
    QByteArray name;
    int vip = 0;
};

inline TelebookRecord MakeRecord(const Entry &entry)
{
    TelebookRecord record{};
    record.location = entry.location;
    SetTextFieldBytes(record.number, entry.number);
    SetTextFieldBytes(record.name, entry.name);
    record.vip = entry.vip;
    return record;
}

inline QByteArray RecordBytes(const TelebookRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

// The bytes of a phone-book file: a tag, a count and the records.
inline QByteArray FileBytes(const QByteArray &tag, qint32 count, const QList<Entry> &entries)
{
    QByteArray bytes = tag;
    bytes.append(4, '\0');
    qToLittleEndian<qint32>(count, bytes.data() + 8);
    for (const Entry &entry : entries)
        bytes += RecordBytes(MakeRecord(entry));
    return bytes;
}

inline QStringList Names(const TelebookList &list)
{
    QStringList names;
    for (const TelebookRecord &record : list)
        names << TelebookName(record);
    return names;
}

inline QList<int> Locations(const TelebookList &list)
{
    QList<int> locations;
    for (const TelebookRecord &record : list)
        locations << record.location;
    return locations;
}

// Clears the recorded calls; memories answer "no entries" until scripted.
inline void ForgetCalls()
{
    doubles::Reset();
    doubles::SetDefault(QStringLiteral("SetTeleBookMemo"), doubles::Result(0));
    doubles::SetDefault(QStringLiteral("GetTeleBookNum"), doubles::Result(0));
    doubles::SetDefault(QStringLiteral("ReadTeleBook"), doubles::Result(0));
}

// Scripts a memory: its used count, its capacity, the locations up to its
// last entry (empty ones between).
inline void QueueUsed(int used) { doubles::Queue(QStringLiteral("SetTeleBookMemo"), doubles::Result(used)); }
inline void QueueCapacity(int capacity)
{
    doubles::Queue(QStringLiteral("GetTeleBookNum"), doubles::Result(capacity));
}
inline doubles::Reply Held(const Entry &entry)
{
    doubles::Reply hit;
    hit.texts = {entry.number, entry.name};
    hit.numbers = {entry.vip};
    return hit;
}
inline void QueueLocations(const QList<Entry> &entries)
{
    int location = 1;
    for (const Entry &entry : entries) {
        for (; location < entry.location; ++location)
            doubles::Queue(QStringLiteral("ReadTeleBook"), doubles::Result(0));
        doubles::Queue(QStringLiteral("ReadTeleBook"), Held(entry));
        ++location;
    }
}
// What the single reads that check entries before a change find, in order.
inline void QueueHeld(const QList<Entry> &entries)
{
    for (const Entry &entry : entries)
        doubles::Queue(QStringLiteral("ReadTeleBook"), Held(entry));
}

// What one read of a memory finds.
inline void QueueRead(const QList<Entry> &entries, int capacity)
{
    QueueUsed(int(entries.size()));
    QueueCapacity(capacity);
    QueueLocations(entries);
}

} // namespace orrin::test
