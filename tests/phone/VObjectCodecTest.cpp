// SPDX-License-Identifier: GPL-2.0-or-later
// The vCard and vCalendar codec and the records they fill: round trips of
// both address-book layouts and the calendar, what real phones write, texts
// longer than their fields, properties the records have no field for, and
// malformed objects.
#include "phone/mobile/ObjectRecords.h"
#include "phone/vobject/VCalendar.h"
#include "phone/vobject/VCard.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace orrin::phone;

namespace {

template <size_t N>
void Put(char (&field)[N], const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    ASSERT_LT(size_t(bytes.size()), N);
    std::memcpy(field, bytes.constData(), size_t(bytes.size()) + 1);
}

template <typename Record>
Record RoundTrip(const Record &record, const std::optional<QByteArray> &base = std::nullopt)
{
    const std::optional<QByteArray> object = ObjectFromRecord(record, base);
    Record back{};
    EXPECT_TRUE(object && FillRecord(*object, back)) << (object ? object->toStdString() : "no object");
    return back;
}

QByteArray Card(const QByteArray &body)
{
    return "BEGIN:VCARD\r\nVERSION:2.1\r\n" + body + "END:VCARD\r\n";
}

CardValues ValuesOf(const QByteArray &card)
{
    const std::optional<CVCard> parsed = CVCard::Parse(card);
    EXPECT_TRUE(parsed) << card.toStdString();
    return parsed ? parsed->Values() : CardValues{};
}

TEST(CardCodecTest, BothLayoutsRoundTripThroughTheirRecords)
{
    AddrbookRecord older{};
    older.vip = 1;
    Put(older.name, QStringLiteral("Zoë Müller"));
    Put(older.street, QStringLiteral("Hauptstraße 5; Hinterhaus"));
    Put(older.city, QStringLiteral("München"));
    Put(older.postCode, "80331");
    Put(older.country, "Deutschland");
    Put(older.company, QStringLiteral("Müller & Söhne"));
    Put(older.home, "+49891234567");
    Put(older.office, "+49897654321");
    Put(older.mobile, "+491701234567");
    Put(older.fax, "+49891234568");
    Put(older.email, "zoe@example.de");
    Put(older.url, "http://example.de/zoe");
    const AddrbookRecord olderBack = RoundTrip(older);
    EXPECT_EQ(std::memcmp(&olderBack, &older, sizeof older), 0);
    const QByteArray card = *ObjectFromRecord(older, std::nullopt);
    EXPECT_TRUE(card.contains("X-SIEMENS-VIP:1\r\n"));
    EXPECT_TRUE(card.contains("CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Zo=C3=AB"));
    EXPECT_FALSE(card.contains("\xc3")) << "non-ASCII text goes as quoted-printable";

    S57AddrbookRecord newer{};
    Put(newer.group, "Family");
    Put(newer.name, QStringLiteral("Иван Петров"));
    Put(newer.fax, "+4930111");
    Put(newer.fax2, "+4930222");
    Put(newer.email, "a@example.ru");
    Put(newer.email2, "b@example.ru");
    Put(newer.birthday, "19800115");
    Put(newer.mobile, "+79161234567");
    const S57AddrbookRecord newerBack = RoundTrip(newer);
    EXPECT_EQ(std::memcmp(&newerBack, &newer, sizeof newer), 0);
    const QByteArray newerCard = *ObjectFromRecord(newer, std::nullopt);
    EXPECT_TRUE(newerCard.contains("CATEGORIES:Family\r\n"));
    EXPECT_TRUE(newerCard.contains("BDAY:19800115\r\n"));
    EXPECT_FALSE(newerCard.contains("X-SIEMENS-VIP"));
}

TEST(CardCodecTest, ReadsFoldedQuotedPrintableAnd8BitTextAsPhonesWriteIt)
{
    const CardValues values = ValuesOf(
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=98=D0=B2=D0=B0=D0=BD=D0=BE=D0=B2;=D0=98=D0=B2=\r\n"
        "=D0=B0=D0=BD\r\n"
        "ADR;HOME:;;Long Street 1;Sp\xe4tdorf;;12345;Austria\r\n"  // 8-bit Latin-1, no charset
        "ORG;CHARSET=UTF-8:Caf\xc3\xa9 Ol\xc3\xa9;Kitchen\r\n"
        "TEL;TYPE=CELL,VOICE:+4917\r\n"
        "TEL;WORK;FAX:+4930\r\n"
        "EMAIL;INTERNET:first@example.com\r\n"
        "URL:http://example.com/a-very-long-\r\n path\r\n"
        "BDAY:1975-06-30\r\n"
        "END:VCARD\r\n");
    EXPECT_EQ(values[CardField::Name], QStringLiteral("Иван Иванов"));
    EXPECT_EQ(values[CardField::City], QStringLiteral("Spätdorf"));
    EXPECT_EQ(values[CardField::Street], "Long Street 1");
    EXPECT_EQ(values[CardField::PostCode], "12345");
    EXPECT_EQ(values[CardField::Country], "Austria");
    EXPECT_EQ(values[CardField::Company], QStringLiteral("Café Olé"));
    EXPECT_EQ(values[CardField::Mobile], "+4917");
    EXPECT_EQ(values[CardField::Fax], "+4930");
    EXPECT_EQ(values[CardField::Office], "");
    EXPECT_EQ(values[CardField::Url], "http://example.com/a-very-long-path");
    EXPECT_EQ(values[CardField::Birthday], "19750630");
    // The four-part address some phones write.
    EXPECT_EQ(ValuesOf(Card("ADR:Street 2;Town;999;Land\r\n"))[CardField::PostCode], "999");
    // A character set other than UTF-8 and Latin-1, as address books write them.
    EXPECT_EQ(ValuesOf(Card("FN;CHARSET=ISO-8859-2:\xa3\xf3" "d\xbc\r\n"))[CardField::Name], QStringLiteral("Łódź"));
}

TEST(CardCodecTest, OnlyVersion3And4CardsUnescapeTheirValues)
{
    const QByteArray body = "FN:Smith\\, John\\\\Jr\\;\r\nADR:;;Line 1\\nLine 2;Town\\;X;;;\r\n"
                            "TEL;TYPE=\"cell,voice\":+49\r\n";
    for (const QByteArray version : {"3.0", "4.0"}) {
        const QByteArray card = "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + body + "END:VCARD\r\n";
        const CardValues values = ValuesOf(card);
        EXPECT_EQ(values[CardField::Name], "Smith, John\\Jr;") << version.constData();
        EXPECT_EQ(values[CardField::Street], "Line 1\nLine 2");
        EXPECT_EQ(values[CardField::City], "Town;X");
        EXPECT_EQ(values[CardField::Mobile], "+49");
        // A change is written back with the same escapes, in UTF-8 as it is.
        std::optional<CVCard> changed = CVCard::Parse(card);
        CardValues now = values;
        now[CardField::City] = QStringLiteral("Köln, Süd;2\\");
        changed->Apply(now, CardChanges().set(size_t(CardField::City)));
        EXPECT_EQ(ValuesOf(changed->Serialise())[CardField::City], now[CardField::City]);
        EXPECT_FALSE(changed->Serialise().contains("QUOTED-PRINTABLE"));
    }
    EXPECT_EQ(ValuesOf(Card(body))[CardField::Name], "Smith\\, John\\\\Jr;");
}

TEST(CardCodecTest, LongTextIsCutAtACharacterBoundaryAndKeptWholeOnThePhone)
{
    const QString longName = QString(30, QChar(0x0416));  // 30 Cyrillic letters, 60 bytes
    const QByteArray card = Card("FN;CHARSET=UTF-8:" + longName.toUtf8() + "\r\nTEL;CELL:+4917\r\n");
    AddrbookRecord record{};
    ASSERT_TRUE(FillRecord(card, record));
    EXPECT_EQ(QString::fromUtf8(record.name), QString(24, QChar(0x0416)));
    // Written back unchanged, the phone keeps the whole name; a changed number is written.
    Put(record.mobile, "+4918");
    const QByteArray written = *ObjectFromRecord(record, card);
    EXPECT_EQ(ValuesOf(written)[CardField::Name], longName);
    EXPECT_EQ(ValuesOf(written)[CardField::Mobile], "+4918");
}

TEST(CardCodecTest, PropertiesTheRecordHasNoFieldForSurviveAChange)
{
    const QByteArray card = Card("N:Weber;Anna\r\nTEL;HOME:+4930111\r\nTEL;HOME:+4930222\r\nTEL;CELL:+4917\r\n"
                                 "NOTE:Met at the fair\r\nX-IRMC-LUID:0002\r\n");
    S57AddrbookRecord record{};
    ASSERT_TRUE(FillRecord(card, record));
    EXPECT_STREQ(record.name, "Anna Weber");
    Put(record.home, "+4930999");
    record.mobile[0] = '\0';
    Put(record.email, "anna@example.de");
    const QByteArray written = *ObjectFromRecord(record, card);
    EXPECT_TRUE(written.contains("N:Weber;Anna\r\n")) << "an unchanged name stays as written";
    EXPECT_TRUE(written.contains("TEL;HOME:+4930999\r\nTEL;HOME:+4930222\r\n"));
    EXPECT_TRUE(written.contains("NOTE:Met at the fair\r\nX-IRMC-LUID:0002\r\n"));
    EXPECT_FALSE(written.contains("TEL;CELL"));
    EXPECT_TRUE(written.contains("EMAIL;INTERNET:anna@example.de\r\nEND:VCARD\r\n"));
    // A line break in a field cannot start a property of its own.
    Put(record.company, "Evil\r\nX-INJECTED:1");
    EXPECT_FALSE(ObjectFromRecord(record, card)->contains("\r\nX-INJECTED"));
    // A field without its terminator is refused.
    std::memset(record.url, 'x', sizeof record.url);
    EXPECT_FALSE(ObjectFromRecord(record, card));
}

TEST(CardCodecTest, MalformedObjectsAreRefused)
{
    const QByteArray good = Card("N:A\r\n");
    ASSERT_TRUE(CVCard::Parse(good));
    const QList<QByteArray> broken = {
        "",
        "N:A\r\n",
        good.left(good.size() - 12),                              // no END
        "BEGIN:VCARD\r\nN:A\r\nEND:VCALENDAR\r\n",                // wrong END
        "BEGIN:VCARD\r\nno colon here\r\nEND:VCARD\r\n",
        "BEGIN:VCARD\r\n;X:1\r\nEND:VCARD\r\n",                   // no name
        good + "N:after the end\r\n",
        "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n",
        Card("NOTE:" + QByteArray(CContentObject::kMaxBytes, 'x') + "\r\n"),
        QByteArray("BEGIN:VCARD\r\nN:\x01\x02\xff=\r\n", 22),       // cut after a soft break
    };
    for (const QByteArray &bytes : broken)
        EXPECT_FALSE(CVCard::Parse(bytes)) << bytes.left(60).toStdString();
    AddrbookRecord record{};
    EXPECT_FALSE(FillRecord("BEGIN:VCARD\r\n", record));
}

TEST(EventCodecTest, CalendarRecordRoundTripsAndKeepsWhatItCannotShow)
{
    const QByteArray event = "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\nCATEGORIES:MEETING\r\n"
                             "SUMMARY:Project review\r\nDESCRIPTION:Room 4, bring the printed slides and the "
                             "budget plan\r\nDTSTART:20250310T093000\r\nDTEND:20250310T103000\r\n"
                             "DALARM:20250310T091500;PT5M;2;Wake up\r\nX-SIEMENS-REPEAT:WEEKLY\r\n"
                             "END:VEVENT\r\nEND:VCALENDAR\r\n";
    CalendarRecord record{};
    ASSERT_TRUE(FillRecord(event, record));
    EXPECT_STREQ(record.heading, "MEETING");
    EXPECT_STREQ(record.summary, "Project review");
    const QString details = QString::fromUtf8(record.details);
    EXPECT_TRUE(details.startsWith("Start 2025-03-10 09:30\nEnd 2025-03-10 10:30\nAlarm 2025-03-10 09:15\nRoom 4"))
        << details.toStdString();
    EXPECT_EQ(std::strlen(record.details), sizeof record.details - 1);

    // The end moves; the description, cut in the record, stays whole.
    QString changed = details;
    changed.replace("End 2025-03-10 10:30", "End 2025-03-10 11:00");
    Put(record.details, changed);
    const QByteArray written = *ObjectFromRecord(record, event);
    EXPECT_TRUE(written.contains("DTEND:20250310T110000\r\n"));
    EXPECT_TRUE(written.contains("DTSTART:20250310T093000\r\n"));
    EXPECT_TRUE(written.contains("budget plan\r\n"));
    EXPECT_TRUE(written.contains("DALARM:20250310T091500;PT5M;2;Wake up\r\nX-SIEMENS-REPEAT:WEEKLY\r\n"));

    // A new entry from the form the entry dialog writes.
    CalendarRecord fresh{};
    Put(fresh.heading, "CALL");
    Put(fresh.summary, QStringLiteral("Jürgen anrufen"));
    Put(fresh.details, "Start 2025-04-01 08:00\nAlarm 2025-04-01 07:45\nWegen Urlaub");
    const CalendarRecord back = RoundTrip(fresh);
    EXPECT_EQ(std::memcmp(&back, &fresh, sizeof fresh), 0);
    const std::optional<CVCalendar> parsed = CVCalendar::Parse(*ObjectFromRecord(fresh, std::nullopt));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Values()[EventField::Start], "20250401T080000");
    EXPECT_EQ(parsed->Values()[EventField::End], "");
    EXPECT_FALSE(CVCalendar::Parse("BEGIN:VCALENDAR\r\nVERSION:1.0\r\nEND:VCALENDAR\r\n")) << "no event";
}

} // namespace
