// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The calendar as iCalendar (RFC 5545) built with libical: one VEVENT per
// entry, its heading as CATEGORIES, its summary as SUMMARY, the details'
// start, end and alarm times as DTSTART, DTEND and a VALARM, its note as
// DESCRIPTION. A time in another form than the details' own is kept in the
// description, so no text of the entry is lost.

#include "phone/PhoneApi.h"

#include <QByteArray>
#include <QList>

namespace orrin::exporter {

QByteArray CalendarIcs(const QList<CalendarRecord> &entries);

} // namespace orrin::exporter
