// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A calendar record's three texts as the entry dialog edits them. The phone
// module shows an event as heading = its category, summary = its summary,
// and details = one line for each time it has, "Start yyyy-MM-dd HH:mm",
// "End ...", "Alarm ...", then its note; it reads the same form back. A time
// in another form travels as it came.

#include "phone/PhoneApi.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace orrin {

struct CalendarEntry {
    QString category;
    QString summary;
    QString start; // each time as its details line holds it; empty: none
    QString end;
    QString alarm;
    QString note;

    bool operator==(const CalendarEntry &) const = default;
};

CalendarEntry ReadCalendarEntry(const CalendarRecord &record);
// Writes the texts into the record, its index untouched. False, and the
// record unchanged, when a text does not fit its field.
bool WriteCalendarEntry(const CalendarEntry &entry, CalendarRecord &record);

// A time in the details' form, and back; nothing for another form.
std::optional<QDateTime> CalendarTime(const QString &text);
QString CalendarTimeText(const QDateTime &time);

} // namespace orrin
