// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/export/ContactCards.h"

#include "stores/common/TextField.h"

namespace orrin::exporter {
namespace {

using phone::CardField;
using phone::CardValues;

constexpr qsizetype kFoldWidth = 75;

QString Escaped(QString text)
{
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u',', QLatin1String("\\,"));
    text.replace(u';', QLatin1String("\\;"));
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    text.replace(u'\n', QLatin1String("\\n"));
    text.replace(u'\r', QLatin1String("\\n"));
    return text;
}

// Breaks a line after 75 octets, never inside a UTF-8 sequence; each
// continuation starts with one space.
QByteArray Folded(const QByteArray &line)
{
    QByteArray out;
    qsizetype width = 0;
    for (const char byte : line) {
        const bool continuation = (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
        if (width >= kFoldWidth && !continuation) {
            out += "\r\n ";
            width = 1;
        }
        out += byte;
        ++width;
    }
    return out + "\r\n";
}

class CCardWriter {
public:
    CCardWriter() { m_card = "BEGIN:VCARD\r\nVERSION:3.0\r\n"; }

    // A property of components, each escaped; nothing when all are empty.
    void Add(const QByteArray &head, const QStringList &components)
    {
        if (std::all_of(components.begin(), components.end(), [](const QString &c) { return c.isEmpty(); }))
            return;
        QStringList escaped;
        for (const QString &component : components)
            escaped << Escaped(component);
        m_card += Folded(head + ':' + escaped.join(u';').toUtf8());
    }
    void AddCategories(const QStringList &categories)
    {
        QStringList escaped;
        for (const QString &category : categories) {
            if (!category.isEmpty())
                escaped << Escaped(category);
        }
        if (!escaped.isEmpty())
            m_card += Folded("CATEGORIES:" + escaped.join(u',').toUtf8());
    }
    void AddName(const QString &name)
    {
        // vCard 3.0 requires both; the phones keep one name text.
        m_card += Folded("N:" + Escaped(name).toUtf8() + ";;;;");
        m_card += Folded("FN:" + Escaped(name).toUtf8());
    }
    QByteArray Finish() { return m_card + "END:VCARD\r\n"; }

private:
    QByteArray m_card;
};

// yyyymmdd as the date form vCard 3.0 asks for; any other text as it is.
QString BirthdayValue(const QString &text)
{
    const bool digits = text.size() == 8 && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    return digits ? text.left(4) + u'-' + text.mid(4, 2) + u'-' + text.mid(6, 2) : text;
}

QByteArray CardOf(const CardValues &values)
{
    CCardWriter card;
    card.AddName(values[CardField::Name]);
    card.Add("ORG", {values[CardField::Company]});
    card.Add("ADR", {QString(), QString(), values[CardField::Street], values[CardField::City], QString(),
                     values[CardField::PostCode], values[CardField::Country]});
    card.Add("TEL;TYPE=HOME", {values[CardField::Home]});
    card.Add("TEL;TYPE=WORK", {values[CardField::Office]});
    card.Add("TEL;TYPE=CELL", {values[CardField::Mobile]});
    card.Add("TEL;TYPE=FAX", {values[CardField::Fax]});
    card.Add("TEL;TYPE=FAX", {values[CardField::Fax2]});
    card.Add("EMAIL;TYPE=INTERNET", {values[CardField::Email]});
    card.Add("EMAIL;TYPE=INTERNET", {values[CardField::Email2]});
    card.Add("URL", {values[CardField::Url]});
    card.Add("BDAY", {BirthdayValue(values[CardField::Birthday])});
    card.AddCategories({values[CardField::Group], values[CardField::Vip].isEmpty() ? QString() : QStringLiteral("VIP")});
    return card.Finish();
}

template <typename Record>
CardValues TextValuesOf(const Record &record)
{
    CardValues values;
    ForEachCardText(record, [&](CardField field, std::span<const char> text) {
        values[field] = QString::fromLocal8Bit(TextFieldView(text.data(), text.size()));
    });
    return values;
}

} // namespace

CardValues CardValuesOf(const AddrbookRecord &record)
{
    CardValues values = TextValuesOf(record);
    values[CardField::Vip] = record.vip == 1 ? QStringLiteral("1") : QString();
    return values;
}

CardValues CardValuesOf(const S57AddrbookRecord &record)
{
    return TextValuesOf(record);
}

QByteArray VCardOf(const TelebookRecord &record)
{
    CCardWriter card;
    card.AddName(TextFieldString(record.name));
    card.Add("TEL;TYPE=VOICE", {TextFieldString(record.number)});
    card.AddCategories({record.vip == 1 ? QStringLiteral("VIP") : QString()});
    return card.Finish();
}

QByteArray VCardOf(const AddrbookRecord &record)
{
    return CardOf(CardValuesOf(record));
}

QByteArray VCardOf(const S57AddrbookRecord &record)
{
    return CardOf(CardValuesOf(record));
}

} // namespace orrin::exporter
