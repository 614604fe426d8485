// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/export/CalendarIcs.h"

#include "stores/calendar/CalendarEntry.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QStringList>

#include <libical/ical.h>

namespace orrin::exporter {
namespace {

// The details' times carry no zone: they are the phone's wall-clock time.
icaltimetype FloatingTime(const QDateTime &time)
{
    icaltimetype ical = icaltime_null_time();
    const QDate date = time.date();
    ical.year = date.year();
    ical.month = date.month();
    ical.day = date.day();
    ical.hour = time.time().hour();
    ical.minute = time.time().minute();
    return ical;
}

icaltimetype UtcTime(const QDateTime &time)
{
    return icaltime_from_timet_with_zone(time.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

// Stable across runs, so that a calendar program sees a second export as the same events.
QByteArray EventUid(const CalendarRecord &record, int position)
{
    const QByteArray bytes(reinterpret_cast<const char *>(&record), sizeof record);
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(20) + '-'
           + QByteArray::number(position) + "@orrin";
}

void AddAlarm(icalcomponent *event, const QDateTime &time, const QString &summary)
{
    icalcomponent *alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger = icaltriggertype_from_int(0);
    trigger.time = UtcTime(time);
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    icalcomponent_add_property(alarm, icalproperty_new_description(summary.toUtf8().constData()));
    icalcomponent_add_component(event, alarm);
}

icalcomponent *EventOf(const CalendarRecord &record, int position, const icaltimetype &stamp)
{
    const CalendarEntry entry = ReadCalendarEntry(record);
    icalcomponent *event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(EventUid(record, position).constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    if (!entry.category.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_categories(entry.category.toUtf8().constData()));
    if (!entry.summary.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_summary(entry.summary.toUtf8().constData()));
    QStringList description;
    const auto start = CalendarTime(entry.start);
    if (start)
        icalcomponent_add_property(event, icalproperty_new_dtstart(FloatingTime(*start)));
    else if (!entry.start.isEmpty())
        description << QStringLiteral("Start ") + entry.start;
    const auto end = CalendarTime(entry.end);
    if (end)
        icalcomponent_add_property(event, icalproperty_new_dtend(FloatingTime(*end)));
    else if (!entry.end.isEmpty())
        description << QStringLiteral("End ") + entry.end;
    const auto alarm = CalendarTime(entry.alarm);
    if (alarm)
        AddAlarm(event, *alarm, entry.summary);
    else if (!entry.alarm.isEmpty())
        description << QStringLiteral("Alarm ") + entry.alarm;
    if (!entry.note.isEmpty())
        description << entry.note;
    if (!description.isEmpty())
        icalcomponent_add_property(
            event, icalproperty_new_description(description.join(u'\n').toUtf8().constData()));
    return event;
}

} // namespace

QByteArray CalendarIcs(const QList<CalendarRecord> &entries)
{
    icalcomponent *calendar = icalcomponent_new_vcalendar();
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Orrin//orrin-export//EN"));
    const icaltimetype stamp = UtcTime(QDateTime::currentDateTimeUtc());
    for (int position = 0; position < entries.size(); ++position)
        icalcomponent_add_component(calendar, EventOf(entries[position], position, stamp));
    char *text = icalcomponent_as_ical_string_r(calendar);
    const QByteArray ics(text);
    icalmemory_free_buffer(text);
    icalcomponent_free(calendar);
    return ics;
}

} // namespace orrin::exporter
