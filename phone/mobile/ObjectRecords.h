// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's fixed records and the phone's objects: address-book records
// of both layouts and vCards, calendar records and vCalendar events.
//
// A record is written into the object read before from the same place:
// only the fields whose text differs from what that object gave are
// rewritten, so the properties a record has no field for, and texts longer
// than their field, stay as the phone had them.
//
// The calendar record's three texts: heading = the category, summary = the
// summary, details = one line each for start, end and alarm, then the
// description:
//
//   Start 2024-01-15 09:30
//   End 2024-01-15 10:30
//   Alarm 2024-01-15 09:15
//   Bring the slides
//
// A time line that is missing means no such time; a time the phone wrote in
// another form is shown, and given back, as it came.

#include "phone/PhoneApi.h"

#include <QByteArray>

#include <optional>

namespace orrin::phone {

// Zeroes the record and fills it from the card; false for bytes that are no vCard.
bool FillRecord(const QByteArray &card, AddrbookRecord &record);
bool FillRecord(const QByteArray &card, S57AddrbookRecord &record);
bool FillRecord(const QByteArray &event, CalendarRecord &record);

// The object the record makes, on the base read before (nothing: a new
// object); nothing for a record whose texts lack their terminator.
std::optional<QByteArray> ObjectFromRecord(const AddrbookRecord &record, const std::optional<QByteArray> &base);
std::optional<QByteArray> ObjectFromRecord(const S57AddrbookRecord &record, const std::optional<QByteArray> &base);
std::optional<QByteArray> ObjectFromRecord(const CalendarRecord &record, const std::optional<QByteArray> &base);

// The record's name field as the store sorts it; nothing without a terminator.
std::optional<QByteArray> NameField(const S57AddrbookRecord &record);

} // namespace orrin::phone
