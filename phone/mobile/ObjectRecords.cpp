// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/ObjectRecords.h"

#include "phone/line/TextFit.h"
#include "phone/vobject/VCalendar.h"
#include "phone/vobject/VCard.h"

#include <QDateTime>

#include <cstring>
#include <span>

namespace orrin::phone {
namespace {

struct TextField {
    CardField field;
    size_t offset;
    size_t size;
};

#define ORRIN_CARD_TEXT(Record, member, field) \
    TextField { CardField::field, offsetof(Record, member), sizeof(Record::member) }

const TextField kAddrbookTexts[] = {
    ORRIN_CARD_TEXT(AddrbookRecord, name, Name),         ORRIN_CARD_TEXT(AddrbookRecord, street, Street),
    ORRIN_CARD_TEXT(AddrbookRecord, city, City),         ORRIN_CARD_TEXT(AddrbookRecord, postCode, PostCode),
    ORRIN_CARD_TEXT(AddrbookRecord, country, Country),   ORRIN_CARD_TEXT(AddrbookRecord, company, Company),
    ORRIN_CARD_TEXT(AddrbookRecord, home, Home),         ORRIN_CARD_TEXT(AddrbookRecord, office, Office),
    ORRIN_CARD_TEXT(AddrbookRecord, mobile, Mobile),     ORRIN_CARD_TEXT(AddrbookRecord, fax, Fax),
    ORRIN_CARD_TEXT(AddrbookRecord, email, Email),       ORRIN_CARD_TEXT(AddrbookRecord, url, Url),
};

const TextField kS57Texts[] = {
    ORRIN_CARD_TEXT(S57AddrbookRecord, group, Group),       ORRIN_CARD_TEXT(S57AddrbookRecord, name, Name),
    ORRIN_CARD_TEXT(S57AddrbookRecord, street, Street),     ORRIN_CARD_TEXT(S57AddrbookRecord, city, City),
    ORRIN_CARD_TEXT(S57AddrbookRecord, postCode, PostCode), ORRIN_CARD_TEXT(S57AddrbookRecord, country, Country),
    ORRIN_CARD_TEXT(S57AddrbookRecord, company, Company),   ORRIN_CARD_TEXT(S57AddrbookRecord, home, Home),
    ORRIN_CARD_TEXT(S57AddrbookRecord, office, Office),     ORRIN_CARD_TEXT(S57AddrbookRecord, mobile, Mobile),
    ORRIN_CARD_TEXT(S57AddrbookRecord, fax, Fax),           ORRIN_CARD_TEXT(S57AddrbookRecord, fax2, Fax2),
    ORRIN_CARD_TEXT(S57AddrbookRecord, email, Email),       ORRIN_CARD_TEXT(S57AddrbookRecord, email2, Email2),
    ORRIN_CARD_TEXT(S57AddrbookRecord, url, Url),           ORRIN_CARD_TEXT(S57AddrbookRecord, birthday, Birthday),
};

#undef ORRIN_CARD_TEXT

std::span<const TextField> TextsOf(const AddrbookRecord &) { return kAddrbookTexts; }
std::span<const TextField> TextsOf(const S57AddrbookRecord &) { return kS57Texts; }
const int32_t *VipOf(const AddrbookRecord &record) { return &record.vip; }
const int32_t *VipOf(const S57AddrbookRecord &) { return nullptr; }
int32_t *VipOf(AddrbookRecord &record) { return &record.vip; }
int32_t *VipOf(S57AddrbookRecord &) { return nullptr; }

// A text field's bytes up to its terminator; nothing when it has none.
std::optional<QByteArray> FieldBytes(const char *field, size_t size)
{
    const void *end = std::memchr(field, '\0', size);
    if (!end)
        return std::nullopt;
    return QByteArray(field, static_cast<const char *>(end) - field);
}

// The new text of a field when it differs from what the base gave, cut as the field cuts.
std::optional<QString> Changed(const QByteArray &given, const QString &old, size_t size)
{
    if (given == CutToFit(old, size - 1))
        return std::nullopt;
    return QString::fromLocal8Bit(given);
}

template <typename Record>
bool FillCard(const QByteArray &card, Record &record)
{
    std::memset(&record, 0, sizeof record);
    const std::optional<CVCard> parsed = CVCard::Parse(card);
    if (!parsed)
        return false;
    const CardValues values = parsed->Values();
    auto *bytes = reinterpret_cast<char *>(&record);
    for (const TextField &text : TextsOf(record))
        FitText(values[text.field], bytes + text.offset, text.size);
    if (int32_t *vip = VipOf(record))
        *vip = values[CardField::Vip].isEmpty() ? 0 : 1;
    return true;
}

template <typename Record>
std::optional<QByteArray> CardFromRecord(const Record &record, const std::optional<QByteArray> &base)
{
    std::optional<CVCard> card = base ? CVCard::Parse(*base) : std::nullopt;
    if (!card)
        card = CVCard::New();
    const CardValues old = card->Values();
    CardValues values = old;
    CardChanges changed;
    const auto *bytes = reinterpret_cast<const char *>(&record);
    for (const TextField &text : TextsOf(record)) {
        const std::optional<QByteArray> given = FieldBytes(bytes + text.offset, text.size);
        if (!given)
            return std::nullopt;
        if (const std::optional<QString> now = Changed(*given, old[text.field], text.size)) {
            values[text.field] = *now;
            changed.set(size_t(text.field));
        }
    }
    if (const int32_t *vip = VipOf(record)) {
        const QString mark = *vip ? QStringLiteral("1") : QString();
        if (mark != old[CardField::Vip]) {
            values[CardField::Vip] = mark;
            changed.set(size_t(CardField::Vip));
        }
    }
    card->Apply(values, changed);
    return card->Serialise();
}

// ---- calendar ----

struct TimeLine {
    EventField field;
    QLatin1StringView label;
};

const TimeLine kTimeLines[] = {
    {EventField::Start, QLatin1StringView("Start ")},
    {EventField::End, QLatin1StringView("End ")},
    {EventField::Alarm, QLatin1StringView("Alarm ")},
};

const QString kObjectTime = QStringLiteral("yyyyMMdd'T'HHmmss");
const QString kShownTime = QStringLiteral("yyyy-MM-dd HH:mm");

QString ShownTime(const QString &objectTime)
{
    QString text = objectTime;
    const bool utc = text.endsWith(QLatin1Char('Z'));
    if (utc)
        text.chop(1);
    const QDateTime time = QDateTime::fromString(text, kObjectTime);
    return time.isValid() ? time.toString(kShownTime) + (utc ? QStringLiteral("Z") : QString()) : objectTime;
}

QString ObjectTime(const QString &shownTime)
{
    QString text = shownTime;
    const bool utc = text.endsWith(QLatin1Char('Z'));
    if (utc)
        text.chop(1);
    const QDateTime time = QDateTime::fromString(text, kShownTime);
    return time.isValid() ? time.toString(kObjectTime) + (utc ? QStringLiteral("Z") : QString()) : shownTime;
}

// The details text: the time lines, then the description.
QString DetailsOf(const EventValues &values)
{
    QStringList lines;
    for (const TimeLine &line : kTimeLines) {
        if (!values[line.field].isEmpty())
            lines.append(line.label + ShownTime(values[line.field]));
    }
    if (!values[EventField::Description].isEmpty())
        lines.append(values[EventField::Description]);
    return lines.join(QLatin1Char('\n'));
}

// The times (in the details' form) and the description a details text holds.
EventValues ReadDetails(const QString &details)
{
    EventValues values;
    QStringList description;
    for (const QString &text : details.split(QLatin1Char('\n'))) {
        const auto line = std::find_if(std::begin(kTimeLines), std::end(kTimeLines),
                                       [&](const TimeLine &time) { return text.startsWith(time.label); });
        if (line != std::end(kTimeLines) && description.isEmpty())
            values[line->field] = text.mid(line->label.size());
        else
            description.append(text);
    }
    values[EventField::Description] = description.join(QLatin1Char('\n'));
    return values;
}

} // namespace

bool FillRecord(const QByteArray &card, AddrbookRecord &record)
{
    return FillCard(card, record);
}

bool FillRecord(const QByteArray &card, S57AddrbookRecord &record)
{
    return FillCard(card, record);
}

std::optional<QByteArray> ObjectFromRecord(const AddrbookRecord &record, const std::optional<QByteArray> &base)
{
    return CardFromRecord(record, base);
}

std::optional<QByteArray> ObjectFromRecord(const S57AddrbookRecord &record, const std::optional<QByteArray> &base)
{
    return CardFromRecord(record, base);
}

std::optional<QByteArray> NameField(const S57AddrbookRecord &record)
{
    return FieldBytes(record.name, sizeof record.name);
}

bool FillRecord(const QByteArray &event, CalendarRecord &record)
{
    std::memset(&record, 0, sizeof record);
    const std::optional<CVCalendar> parsed = CVCalendar::Parse(event);
    if (!parsed)
        return false;
    const EventValues values = parsed->Values();
    FitText(values[EventField::Category], record.heading, sizeof record.heading);
    FitText(values[EventField::Summary], record.summary, sizeof record.summary);
    FitText(DetailsOf(values), record.details, sizeof record.details);
    return true;
}

std::optional<QByteArray> ObjectFromRecord(const CalendarRecord &record, const std::optional<QByteArray> &base)
{
    std::optional<CVCalendar> event = base ? CVCalendar::Parse(*base) : std::nullopt;
    if (!event)
        event = CVCalendar::New();
    const EventValues old = event->Values();
    const std::optional<QByteArray> heading = FieldBytes(record.heading, sizeof record.heading);
    const std::optional<QByteArray> summary = FieldBytes(record.summary, sizeof record.summary);
    const std::optional<QByteArray> details = FieldBytes(record.details, sizeof record.details);
    if (!heading || !summary || !details)
        return std::nullopt;
    EventValues values = old;
    EventChanges changed;
    auto take = [&](EventField field, const std::optional<QString> &now, const QString &objectForm) {
        if (now) {
            values[field] = objectForm;
            changed.set(size_t(field));
        }
    };
    take(EventField::Category, Changed(*heading, old[EventField::Category], sizeof record.heading),
         QString::fromLocal8Bit(*heading));
    take(EventField::Summary, Changed(*summary, old[EventField::Summary], sizeof record.summary),
         QString::fromLocal8Bit(*summary));
    // The details as the base would show them, cut as the field cuts: what
    // the caller left as it was stays as the phone had it.
    const QByteArray detailsBefore = CutToFit(DetailsOf(old), sizeof record.details - 1);
    const EventValues shownBefore = ReadDetails(QString::fromLocal8Bit(detailsBefore));
    const EventValues shownNow = ReadDetails(QString::fromLocal8Bit(*details));
    for (const EventField field : {EventField::Start, EventField::End, EventField::Alarm, EventField::Description}) {
        if (shownNow[field] == shownBefore[field])
            continue;
        const bool time = field != EventField::Description;
        take(field, shownNow[field], time ? ObjectTime(shownNow[field]) : shownNow[field]);
    }
    event->Apply(values, changed);
    return event->Serialise();
}

} // namespace orrin::phone
