// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/calendar/CalendarEntry.h"

#include "stores/common/TextField.h"

#include <QStringList>

#include <array>

namespace orrin {
namespace {

const QString kTimeForm = QStringLiteral("yyyy-MM-dd HH:mm");

// The time lines in the order the module writes them.
struct TimeLine {
    QLatin1StringView label;
    QString CalendarEntry::*text;
};
const std::array<TimeLine, 3> kTimeLines{{
    {QLatin1StringView("Start "), &CalendarEntry::start},
    {QLatin1StringView("End "), &CalendarEntry::end},
    {QLatin1StringView("Alarm "), &CalendarEntry::alarm},
}};

QString DetailsText(const CalendarEntry &entry)
{
    QStringList lines;
    for (const TimeLine &line : kTimeLines) {
        if (!(entry.*line.text).isEmpty())
            lines.append(line.label + entry.*line.text);
    }
    if (!entry.note.isEmpty())
        lines.append(entry.note);
    return lines.join(QLatin1Char('\n'));
}

template <std::size_t N>
bool Fits(const char (&)[N], const QByteArray &text)
{
    return std::size_t(text.size()) < N;
}

} // namespace

CalendarEntry ReadCalendarEntry(const CalendarRecord &record)
{
    CalendarEntry entry;
    entry.category = TextFieldString(record.heading);
    entry.summary = TextFieldString(record.summary);
    // Time lines are read until the note begins: a note line that starts
    // like one stays part of the note.
    QStringList note;
    for (const QString &text : TextFieldString(record.details).split(QLatin1Char('\n'))) {
        const auto line = std::find_if(kTimeLines.cbegin(), kTimeLines.cend(),
                                       [&](const TimeLine &time) { return text.startsWith(time.label); });
        if (line != kTimeLines.cend() && note.isEmpty())
            entry.*line->text = text.mid(line->label.size());
        else
            note.append(text);
    }
    entry.note = note.join(QLatin1Char('\n'));
    return entry;
}

bool WriteCalendarEntry(const CalendarEntry &entry, CalendarRecord &record)
{
    const QByteArray heading = entry.category.toLocal8Bit();
    const QByteArray summary = entry.summary.toLocal8Bit();
    const QByteArray details = DetailsText(entry).toLocal8Bit();
    if (!Fits(record.heading, heading) || !Fits(record.summary, summary) || !Fits(record.details, details))
        return false;
    SetTextFieldBytes(record.heading, heading);
    SetTextFieldBytes(record.summary, summary);
    SetTextFieldBytes(record.details, details);
    return true;
}

std::optional<QDateTime> CalendarTime(const QString &text)
{
    const QDateTime time = QDateTime::fromString(text, kTimeForm);
    return time.isValid() ? std::optional(time) : std::nullopt;
}

QString CalendarTimeText(const QDateTime &time)
{
    return time.toString(kTimeForm);
}

} // namespace orrin
