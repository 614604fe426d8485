// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Calendar entries in vCalendar 1.0: one VEVENT with its category, summary,
// description, start, end and alarm (DALARM's run time). Times stay in the
// object's own form ("20240115T093000", maybe with "Z"). As with cards, an
// entry is changed in place: properties the values do not cover are kept.

#include "phone/vobject/ContentObject.h"

#include <array>
#include <bitset>

namespace orrin::phone {

enum class EventField { Category, Summary, Description, Start, End, Alarm, Count };
constexpr size_t kEventFieldCount = size_t(EventField::Count);

struct EventValues {
    std::array<QString, kEventFieldCount> texts;

    QString &operator[](EventField field) { return texts[size_t(field)]; }
    const QString &operator[](EventField field) const { return texts[size_t(field)]; }
};
using EventChanges = std::bitset<kEventFieldCount>;

class CVCalendar {
public:
    // Nothing for bytes that are no vCalendar with an event.
    static std::optional<CVCalendar> Parse(const QByteArray &bytes);
    static CVCalendar New();

    EventValues Values() const;
    void Apply(const EventValues &values, const EventChanges &changed);
    QByteArray Serialise() const { return m_object.Serialise(); }

private:
    explicit CVCalendar(CContentObject object) : m_object(std::move(object)) {}

    CContentObject m_object;
};

} // namespace orrin::phone
