// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/vobject/VCalendar.h"

namespace orrin::phone {
namespace {

struct EventProperty {
    EventField field;
    QByteArray name;
};

const EventProperty kProperties[] = {
    {EventField::Category, "CATEGORIES"}, {EventField::Summary, "SUMMARY"},
    {EventField::Description, "DESCRIPTION"}, {EventField::Start, "DTSTART"},
    {EventField::End, "DTEND"}, {EventField::Alarm, "DALARM"},
};

// DALARM carries run time; snooze time; repeat count; display text. Only
// the run time is a value; the rest stays as written.
bool IsAlarm(const EventProperty &property)
{
    return property.field == EventField::Alarm;
}

} // namespace

std::optional<CVCalendar> CVCalendar::Parse(const QByteArray &bytes)
{
    std::optional<CContentObject> object = CContentObject::Parse(bytes, "VCALENDAR", "VEVENT");
    if (!object)
        return std::nullopt;
    return CVCalendar(std::move(*object));
}

CVCalendar CVCalendar::New()
{
    return CVCalendar(CContentObject::Empty("VCALENDAR", "1.0", "VEVENT"));
}

EventValues CVCalendar::Values() const
{
    EventValues values;
    for (const EventProperty &property : kProperties) {
        const int index = m_object.Find(Named(property.name));
        if (index >= 0) {
            values[property.field] = IsAlarm(property) ? m_object.Components(index).value(0).trimmed()
                                                       : m_object.Text(index).trimmed();
        }
    }
    return values;
}

void CVCalendar::Apply(const EventValues &values, const EventChanges &changed)
{
    for (const EventProperty &property : kProperties) {
        if (!changed[size_t(property.field)])
            continue;
        const int index = m_object.Find(Named(property.name));
        const QString &value = values[property.field];
        if (value.isEmpty()) {
            if (index >= 0)
                m_object.Remove(index);
            continue;
        }
        QStringList parts = index >= 0 && IsAlarm(property) ? m_object.Components(index) : QStringList{QString()};
        parts[0] = value;
        m_object.Set(index, property.name, parts);
    }
}

} // namespace orrin::phone
