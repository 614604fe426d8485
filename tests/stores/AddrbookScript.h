// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Scripts of the address-book entry points of the Mobile double, and the
// bytes of the address-book local files.

#include "stores/common/TextField.h"
#include "tests/doubles/DoubleControl.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <map>

namespace orrin::test {

template <typename Record>
Record Card(const char *name, const char *mobile = "")
{
    Record record{};
    SetTextFieldBytes(record.name, name);
    SetTextFieldBytes(record.mobile, mobile);
    return record;
}

template <typename Record>
QByteArray RecordBytes(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

// Empty filled and no entries until scripted.
inline void ForgetAddrbookCalls()
{
    doubles::Reset();
    for (const char *entry : {"GetAddressBookNum", "GetVCF", "GetVCF_S57"})
        doubles::SetDefault(QString::fromLatin1(entry), doubles::Result(0));
}

// What one read of the phone finds: its count, then the filled up to the last entry.
template <typename Record>
void QueuePhoneRead(const char *getEntry, const std::map<int, Record> &filled, std::function<void()> onSlot = {})
{
    doubles::Queue(QStringLiteral("GetAddressBookNum"), doubles::Result(long(filled.size())));
    const int last = filled.empty() ? -1 : filled.rbegin()->first;
    for (int slot = 0; slot <= last; ++slot) {
        doubles::Reply reply = doubles::Result(filled.contains(slot) ? 1 : 0);
        if (filled.contains(slot))
            reply.bytes = RecordBytes(filled.at(slot));
        reply.onAnswer = onSlot;
        doubles::Queue(QString::fromLatin1(getEntry), reply);
    }
}

template <typename Record>
QByteArray LocalFileBytes(const QByteArray &tag, const QList<Record> &records)
{
    QByteArray bytes = tag;
    bytes.append(4, '\0');
    qToLittleEndian<qint32>(qint32(records.size()), bytes.data() + 8);
    for (const Record &record : records)
        bytes += RecordBytes(record);
    return bytes;
}

template <typename Record>
QList<QByteArray> Names(const QList<Record> &list)
{
    QList<QByteArray> names;
    for (const Record &record : list)
        names << TextFieldBytes(record.name).toByteArray();
    return names;
}

} // namespace orrin::test
