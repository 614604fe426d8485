// SPDX-License-Identifier: GPL-2.0-or-later
// orrin-export against local files written by the stores' own file code:
// each format read back by a parser that is not ours.

#include "stores/addrbook/AddrbookRecord.h"
#include "stores/common/LocalFileFormats.h"
#include "stores/common/TextField.h"
#include "stores/sms/SmsRecord.h"
#include "stores/telebook/TelebookRecord.h"
#include "tools/export/ContactCards.h"
#include "tools/export/ContactImport.h"
#include "tools/export/ExportFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <libical/ical.h>

using namespace orrin;
using namespace orrin::exporter;

namespace {

// Reads cards with python3-vobject and prints each one's fields as JSON.
const char kReadCards[] = R"(
import json, sys
try:
    import vobject
except ImportError:
    sys.exit(77)
cards = []
for card in vobject.readComponents(open(sys.argv[1], encoding='utf-8', newline='').read()):
    c = card.contents
    fields = {'fn': card.fn.value, 'n': card.n.value.family}
    fields['tel'] = [[t.params.get('TYPE', [''])[0], t.value] for t in c.get('tel', [])]
    fields['email'] = [e.value for e in c.get('email', [])]
    if 'adr' in c:
        a = card.adr.value
        fields['adr'] = [a.street, a.city, a.code, a.country]
    for key in ('org', 'url', 'bday', 'categories'):
        if key in c:
            fields[key] = c[key][0].value
    cards.append(fields)
print(json.dumps(cards))
)";

template <typename Record>
QList<Record> ReadLocal(const QString &folder, const LocalFileKind &kind)
{
    QList<Record> records;
    TLocalRecordFile<Record>(QDir(folder).filePath(QLatin1String(kind.fileName)), kind.format).Load(records);
    return records;
}

template <typename Record>
void WriteLocal(const QString &folder, const LocalFileKind &kind, const QList<Record> &records)
{
    const TLocalRecordFile<Record> file(QDir(folder).filePath(QLatin1String(kind.fileName)), kind.format);
    ASSERT_EQ(file.Append(std::span(records.constData(), size_t(records.size()))), LocalFileResult::Ok);
}

TelebookRecord Telebook(const char *name, const char *number, int vip)
{
    TelebookRecord record{};
    SetTextFieldString(record.name, QString::fromUtf8(name));
    SetTextFieldString(record.number, QString::fromLatin1(number));
    record.vip = vip;
    return record;
}

template <typename Record>
void FillAddress(Record &record)
{
    SetTextFieldString(record.name, QStringLiteral("Jürgen Größ, Jr."));
    SetTextFieldString(record.street, QStringLiteral("Hauptstraße 1; Hof"));
    SetTextFieldString(record.city, QStringLiteral("München"));
    SetTextFieldString(record.postCode, QStringLiteral("80331"));
    SetTextFieldString(record.country, QStringLiteral("Deutschland"));
    SetTextFieldString(record.company, QStringLiteral("Grün & Söhne"));
    SetTextFieldString(record.home, QStringLiteral("+4989111"));
    SetTextFieldString(record.office, QStringLiteral("+4989222"));
    SetTextFieldString(record.mobile, QStringLiteral("+49170333"));
    SetTextFieldString(record.fax, QStringLiteral("+4989444"));
    SetTextFieldString(record.email, QStringLiteral("j@example.de"));
    SetTextFieldString(record.url, QStringLiteral("http://example.de/ü"));
}

SmsRecord Sms(int status, const char *number, const char *time, const QString &content)
{
    SmsRecord record{};
    record.status = status;
    SetSmsNumber(record, QString::fromLatin1(number));
    SetTextFieldString(record.time, QString::fromLatin1(time));
    SetSmsContent(record, content);
    record.validity = 3;
    record.report = 1;
    return record;
}

CalendarRecord Calendar(const char *heading, const char *summary, const char *details)
{
    CalendarRecord record{};
    SetTextFieldString(record.heading, QString::fromUtf8(heading));
    SetTextFieldString(record.summary, QString::fromUtf8(summary));
    SetTextFieldString(record.details, QString::fromUtf8(details));
    return record;
}

// RFC 4180: quoted fields may hold commas, doubled quotes and line breaks.
QList<QStringList> ReadCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

class ExportTest : public ::testing::Test {
protected:
    QString Folder() const { return m_dir.path(); }
    QString Output() const { return m_dir.filePath(QStringLiteral("out")); }
    QByteArray Export(ExportFormat format)
    {
        const ExportResult result = ExportFolder(Folder(), format);
        EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
        return result.bytes;
    }

    // A phone-type folder named as the window names it.
    QString TypeFolder(const char *type) const
    {
        QDir(Folder()).mkdir(QLatin1String(type));
        return QDir(Folder()).filePath(QLatin1String(type));
    }
    QString CardFile(const QByteArray &cards) const
    {
        const QString path = m_dir.filePath(QStringLiteral("contacts.vcf"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(cards) == cards.size());
        return path;
    }

    QTemporaryDir m_dir;
};

// Whether list holds an entry with every field of the record's card and its VIP mark.
template <typename Record>
bool HoldsWhole(const QList<Record> &list, const Record &record)
{
    return std::any_of(list.begin(), list.end(), [&](const Record &held) {
        return CardValuesOf(held).texts == CardValuesOf(record).texts;
    });
}

TEST_F(ExportTest, ContactsParseAsVCardWithEveryField)
{
    WriteLocal<TelebookRecord>(Folder(), kTelebookFile, {Telebook("Zoë", "+49301", 1), Telebook("A,B;C\\", "112", 0)});
    AddrbookRecord older{};
    FillAddress(older);
    older.vip = 1;
    WriteLocal<AddrbookRecord>(Folder(), kAddrbookFile, {older});
    S57AddrbookRecord newer{};
    FillAddress(newer);
    SetTextFieldString(newer.group, QStringLiteral("Familie"));
    SetTextFieldString(newer.fax2, QStringLiteral("+4989555"));
    SetTextFieldString(newer.email2, QStringLiteral("größ@example.de"));
    SetTextFieldString(newer.birthday, QStringLiteral("19700131"));
    WriteLocal<S57AddrbookRecord>(Folder(), kS57AddrbookFile, {newer});

    const QByteArray cards = Export(ExportFormat::VCard);
    for (const QByteArray &line : cards.split('\n'))
        EXPECT_LE(line.size(), 76) << line.toStdString();  // 75 octets and the CR
    QFile out(Output());
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(cards) == cards.size());
    out.close();
    QProcess python;
    // The system's own python, where Debian's python3-vobject lives, ahead of any other on the path.
    const QString system = QStringLiteral("/usr/bin/python3");
    python.start(QFile::exists(system) ? system : QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(kReadCards), Output()});
    ASSERT_TRUE(python.waitForFinished(30000));
    if (python.exitCode() == 77)
        GTEST_SKIP() << "python3-vobject is not installed";
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonArray parsed = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    ASSERT_EQ(parsed.size(), 4);

    const QJsonObject zoe = parsed[0].toObject();
    EXPECT_EQ(zoe["fn"].toString(), QStringLiteral("Zoë"));
    EXPECT_EQ(zoe["tel"].toArray()[0].toArray()[1].toString(), QStringLiteral("+49301"));
    EXPECT_EQ(zoe["categories"].toArray(), QJsonArray({"VIP"}));
    EXPECT_EQ(parsed[1].toObject()["fn"].toString(), QStringLiteral("A,B;C\\"));
    EXPECT_EQ(parsed[1].toObject()["n"].toString(), QStringLiteral("A,B;C\\"));
    EXPECT_FALSE(parsed[1].toObject().contains("categories"));

    const QJsonArray kAddress{"Hauptstraße 1; Hof", "München", "80331", "Deutschland"};
    const QJsonObject old = parsed[2].toObject();
    EXPECT_EQ(old["fn"].toString(), QStringLiteral("Jürgen Größ, Jr."));
    EXPECT_EQ(old["adr"].toArray(), kAddress);
    EXPECT_EQ(old["org"].toArray(), QJsonArray({"Grün & Söhne"}));
    EXPECT_EQ(old["tel"].toArray(), QJsonArray({QJsonArray{"HOME", "+4989111"}, QJsonArray{"WORK", "+4989222"},
                                                QJsonArray{"CELL", "+49170333"}, QJsonArray{"FAX", "+4989444"}}));
    EXPECT_EQ(old["email"].toArray(), QJsonArray({"j@example.de"}));
    EXPECT_EQ(old["url"].toString(), QStringLiteral("http://example.de/ü"));
    EXPECT_EQ(old["categories"].toArray(), QJsonArray({"VIP"}));

    const QJsonObject s57 = parsed[3].toObject();
    EXPECT_EQ(s57["adr"].toArray(), kAddress);
    EXPECT_EQ(s57["tel"].toArray().last().toArray(), QJsonArray({"FAX", "+4989555"}));
    EXPECT_EQ(s57["email"].toArray(), QJsonArray({"j@example.de", "größ@example.de"}));
    EXPECT_EQ(s57["bday"].toString(), QStringLiteral("1970-01-31"));
    EXPECT_EQ(s57["categories"].toArray(), QJsonArray({"Familie"}));
}

TEST_F(ExportTest, CalendarParsesWithLibical)
{
    WriteLocal<CalendarRecord>(Folder(), kCalendarFile,
                               {Calendar("Meeting", "Café mit Jörg",
                                         "Start 2026-03-01 09:30\nEnd 2026-03-01 10:15\nAlarm 2026-03-01 09:00\n"
                                         "Raum 5, süß"),
                                Calendar("Memo", "Zahnarzt", "Start morgen früh")});
    const QByteArray ics = Export(ExportFormat::ICal);
    icalcomponent *calendar = icalparser_parse_string(ics.constData());
    ASSERT_NE(calendar, nullptr);
    icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
    ASSERT_NE(event, nullptr);
    EXPECT_STREQ(icalproperty_get_categories(icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY)),
                 "Meeting");
    EXPECT_STREQ(icalcomponent_get_summary(event), "Café mit Jörg");
    EXPECT_STREQ(icalcomponent_get_description(event), "Raum 5, süß");
    EXPECT_STREQ(icaltime_as_ical_string(icalcomponent_get_dtstart(event)), "20260301T093000");
    EXPECT_STREQ(icaltime_as_ical_string(icalcomponent_get_dtend(event)), "20260301T101500");
    icalcomponent *alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
    ASSERT_NE(alarm, nullptr);
    const icaltriggertype trigger =
        icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY));
    EXPECT_EQ(QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(trigger.time, icaltimezone_get_utc_timezone())),
              QDateTime(QDate(2026, 3, 1), QTime(9, 0)));

    // A time the phone wrote in another form is kept as text, not dropped.
    icalcomponent *memo = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT);
    ASSERT_NE(memo, nullptr);
    EXPECT_STREQ(icalcomponent_get_description(memo), "Start morgen früh");
    EXPECT_EQ(icalcomponent_get_first_property(memo, ICAL_DTSTART_PROPERTY), nullptr);
    icalcomponent_free(calendar);
}

TEST_F(ExportTest, MessagesRoundTripThroughCsvAndReadAsExportText)
{
    const QString tricky = QStringLiteral("Hallo \"Jörg\", wie geht's?\r\nZeile 2, € 5");
    WriteLocal<SmsRecord>(Folder(), kSmsFile,
                          {Sms(kSmsStatusRead, "+49170", "260102101112", tricky),
                           Sms(kSmsStatusUnsent, "+49171", "", QStringLiteral("ok"))});
    const QList<QStringList> rows = ReadCsv(QString::fromUtf8(Export(ExportFormat::Csv)));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QStringList({"status", "number", "time", "validity", "report", "handfree", "text"}));
    EXPECT_EQ(rows[1], QStringList({"Read", "+49170", "2026-01-02T10:11:12", "", "", "", tricky}));
    EXPECT_EQ(rows[2], QStringList({"Unsent", "+49171", "", "24 hours", "Yes", "No", "ok"}));

    const QString text = QString::fromUtf8(Export(ExportFormat::Text));
    EXPECT_TRUE(text.startsWith(QStringLiteral("26/01/02 10:11:12  From:+49170  [Read]\r\n") + tricky + "\r\n\r\n"))
        << text.toStdString();
}

TEST_F(ExportTest, ForeignOrDamagedFileIsNamedAndNothingIsWritten)
{
    WriteLocal<SmsRecord>(Folder(), kSmsFile, {Sms(kSmsStatusRead, "+49170", "260102101112", QStringLiteral("x"))});
    QFile::copy(QDir(Folder()).filePath(QLatin1String(kSmsFile.fileName)),
                QDir(Folder()).filePath(QLatin1String(kTelebookFile.fileName)));
    QFile calendar(QDir(Folder()).filePath(QLatin1String(kCalendarFile.fileName)));
    ASSERT_TRUE(calendar.open(QIODevice::WriteOnly));
    calendar.write(QByteArray("addrbook\xff\xff\xff\xff", 12));  // a negative count
    calendar.close();

    for (const char *format : {"vcard", "ical"}) {
        QProcess tool;
        tool.start(QStringLiteral(ORRIN_EXPORT_PATH),
                   {QStringLiteral("--format"), QLatin1String(format), QStringLiteral("-o"), Output(), Folder()});
        ASSERT_TRUE(tool.waitForFinished(30000));
        EXPECT_EQ(tool.exitCode(), 1) << format;
        const QString error = QString::fromLocal8Bit(tool.readAllStandardError());
        EXPECT_TRUE(error.contains(QLatin1String(std::string_view(format) == "vcard" ? "Telebook.tml" : "Calendar.cml")))
            << error.toStdString();
        EXPECT_FALSE(QFile::exists(Output())) << format;
    }
}

TEST_F(ExportTest, ImportOfTheExportReproducesItsEntriesAndAddsNothingTwice)
{
    const TelebookList telebook = {Telebook("Zoë", "+49301", 1), Telebook("A,B;C\\", "112", 0)};
    WriteLocal<TelebookRecord>(Folder(), kTelebookFile, telebook);
    AddrbookRecord older{};
    FillAddress(older);
    older.vip = 1;
    WriteLocal<AddrbookRecord>(Folder(), kAddrbookFile, {older});
    S57AddrbookRecord newer{};
    FillAddress(newer);
    SetTextFieldString(newer.group, QStringLiteral("Familie"));
    SetTextFieldString(newer.fax2, QStringLiteral("+4989555"));
    SetTextFieldString(newer.email2, QStringLiteral("größ@example.de"));
    SetTextFieldString(newer.birthday, QStringLiteral("19700131"));
    WriteLocal<S57AddrbookRecord>(Folder(), kS57AddrbookFile, {newer});
    const QString cards = CardFile(Export(ExportFormat::VCard));

    const QString olderFolder = TypeFolder("S45i(Europe)");
    const QString newerFolder = TypeFolder("S55(Europe,Latin America)");
    for (const QString &folder : {olderFolder, newerFolder}) {
        const ImportResult first = ImportContacts(cards, folder);
        ASSERT_TRUE(first.error.isEmpty()) << first.error.toStdString();
        // Both address cards give the same name (cut to the phone book's field) and mobile number.
        EXPECT_EQ(first.telebookAdded, 3);
        const TelebookList entries = ReadLocal<TelebookRecord>(folder, kTelebookFile);
        for (const TelebookRecord &entry : telebook)
            EXPECT_TRUE(ContainsSame(entries, entry, SameTelebookEntry)) << TelebookName(entry).toStdString();
        const ImportResult again = ImportContacts(cards, folder);
        EXPECT_TRUE(again.error.isEmpty() && again.telebookAdded == 0 && again.addrbookAdded == 0);
        EXPECT_EQ(ReadLocal<TelebookRecord>(folder, kTelebookFile).size(), entries.size());
    }
    const auto olderEntries = ReadLocal<AddrbookRecord>(olderFolder, kAddrbookFile);
    EXPECT_TRUE(HoldsWhole(olderEntries, older));
    EXPECT_TRUE(std::any_of(olderEntries.begin(), olderEntries.end(), [](const AddrbookRecord &r) { return r.vip; }));
    EXPECT_TRUE(HoldsWhole(ReadLocal<S57AddrbookRecord>(newerFolder, kS57AddrbookFile), newer));
    EXPECT_FALSE(QFile::exists(QDir(newerFolder).filePath(QLatin1String(kAddrbookFile.fileName))));
}

TEST_F(ExportTest, CardsOfEachVersionImport)
{
    const QString cards = CardFile(
        "From: someone\n\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FC=\r\nrgen\r\n"
        "TEL;HOME:030 123\r\nTEL;CELL:0170-1\r\nX-SIEMENS-VIP:1\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\nVERSION:3.0\nFN:Ana\\, Bo\nN:Bo;Ana;;;\nADR;TYPE=home:;;Rua 1\\n2;Porto;;4000;\n PT\n"
        "TEL;TYPE=home:+351 22\nTEL;TYPE=work,pref:+351 (21) 9\nEND:VCARD\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ché\r\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+1-555-0100;ext=7\r\n"
        "BDAY:--0131\r\nCATEGORIES:Friends,VIP\r\nEND:VCARD\r\n");
    const QString folder = TypeFolder("S57(Asia)");
    const ImportResult result = ImportContacts(cards, folder);
    ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    const TelebookList entries = ReadLocal<TelebookRecord>(folder, kTelebookFile);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(TelebookName(entries[0]), QStringLiteral("Jürgen Müller"));
    EXPECT_EQ(TelebookNumber(entries[0]), "01701");  // the mobile number
    EXPECT_EQ(entries[0].vip, 1);
    EXPECT_EQ(TelebookName(entries[1]), "Ana, Bo");
    EXPECT_EQ(TelebookNumber(entries[1]), "+351219");  // the preferred one
    EXPECT_EQ(TelebookNumber(entries[2]), "+15550100");
    const auto addresses = ReadLocal<S57AddrbookRecord>(folder, kS57AddrbookFile);
    ASSERT_EQ(addresses.size(), 3);
    EXPECT_EQ(TextFieldString(addresses[1].street), "Rua 1\n2");
    EXPECT_EQ(TextFieldString(addresses[1].country), "PT");
    EXPECT_EQ(TextFieldString(addresses[1].home), "+35122");
    EXPECT_EQ(TextFieldString(addresses[1].office), "+351219");
    EXPECT_EQ(TextFieldString(addresses[2].group), "Friends");
    EXPECT_EQ(TextFieldString(addresses[2].mobile), "+15550100");
    EXPECT_EQ(TextFieldString(addresses[2].birthday), "");  // no year: not a date the record keeps
}

TEST_F(ExportTest, BrokenCardOrTooLongNumberIsNamedWithItsLineAndNothingIsWritten)
{
    const QString folder = TypeFolder("S45i(Europe)");
    const QByteArray good = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ok\r\nTEL:1\r\nEND:VCARD\r\n";
    const QByteArray longName =
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + QByteArray(40, 'x') + "\r\nTEL:2\r\nEND:VCARD\r\n";
    const struct {
        QByteArray cards;
        const char *where;
    } broken[] = {
        {good + "BEGIN:VCARD\r\nVERSION:3.0\r\nno colon here\r\nEND:VCARD\r\n", "contacts.vcf:6:"},
        {good + good + "BEGIN:VCARD\r\nFN:open\r\n", "contacts.vcf:11:"},
        {good + "END:VCARD\r\n", "contacts.vcf:6:"},
        {longName + "BEGIN:VCARD\r\nVERSION:3.0\r\nTEL:+49 " + QByteArray(20, '1') + "\r\nEND:VCARD\r\n",
         "contacts.vcf:6: the number"},
    };
    for (const auto &file : broken) {
        const ImportResult result = ImportContacts(CardFile(file.cards), folder);
        EXPECT_TRUE(result.error.contains(QLatin1String(file.where))) << result.error.toStdString();
        EXPECT_TRUE(QDir(folder).isEmpty()) << file.where;
    }
    // A name too long for its field is cut as the window cuts it.
    ASSERT_TRUE(ImportContacts(CardFile(longName), folder).error.isEmpty());
    EXPECT_EQ(TelebookName(ReadLocal<TelebookRecord>(folder, kTelebookFile).value(0)), QString(15, u'x'));
}

TEST_F(ExportTest, ToolImportsIntoTheFolderThatSettingIniNames)
{
    const QString folder = TypeFolder("S55(Europe,Latin America)");
    CardFile("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ok\r\nTEL;TYPE=cell:1\r\nEND:VCARD\r\n");
    QProcess tool;
    tool.setWorkingDirectory(Folder());
    tool.start(QStringLiteral(ORRIN_EXPORT_PATH), {QStringLiteral("--import"), QStringLiteral("contacts.vcf")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 1);  // no setting.ini yet
    EXPECT_TRUE(tool.readAllStandardError().contains("setting.ini"));

    QFile ini(m_dir.filePath(QStringLiteral("setting.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Germany\r\n");
    ini.close();
    tool.start(QStringLiteral(ORRIN_EXPORT_PATH), {QStringLiteral("--import"), QStringLiteral("contacts.vcf")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    EXPECT_EQ(tool.readAllStandardOutput(),
              "Telebook.tml: 1 added\nS57Addrbook.aml: 1 added\n");
    EXPECT_EQ(ReadLocal<S57AddrbookRecord>(folder, kS57AddrbookFile).size(), 1);
}

} // namespace
