// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/export/ContactImport.h"

#include "app/settings/Settings.h"
#include "link/FileKind.h"
#include "link/MobileLink.h"
#include "stores/addrbook/AddrbookRecord.h"
#include "stores/common/RecordList.h"
#include "stores/common/TextField.h"
#include "stores/telebook/TelebookRecord.h"
#include "tools/export/CardFile.h"
#include "tools/export/ContactCards.h"
#include "tools/export/FolderFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace orrin::exporter {
namespace {

using phone::CardField;
using phone::CardValues;
using phone::CContentObject;
using phone::ContentLine;

using LineTest = std::function<bool(const ContentLine &)>;

bool IsNumberField(CardField field)
{
    return field == CardField::Home || field == CardField::Office || field == CardField::Mobile ||
           field == CardField::Fax || field == CardField::Fax2;
}

// A number as the phone dials it: a tel: URI's number, without the blanks,
// dashes, dots, slashes and brackets people write numbers with.
QString DialString(const QString &number)
{
    QString dial = number.trimmed();
    if (dial.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        dial = dial.mid(4).section(u';', 0, 0);
    dial.removeIf([](QChar c) { return c.isSpace() || QStringView(u"-.()/[]").contains(c); });
    return dial;
}

bool IsPreferred(const ContentLine &line)
{
    // PREF in 2.1, TYPE=pref in 3.0, PREF=n in 4.0.
    return line.HasParam("PREF") ||
           std::any_of(line.params.begin(), line.params.end(), [](const QByteArray &p) {
               return p.toUpper().startsWith("PREF=");
           });
}

// A number the address book has no field of its own for (VOICE, or no kind).
bool IsUntyped(const ContentLine &line)
{
    return !line.HasParam("HOME") && !line.HasParam("WORK") && !line.HasParam("CELL") && !line.HasParam("FAX");
}

QString NumberWhere(const CContentObject &object, const LineTest &test)
{
    const int index = object.Find([&](const ContentLine &line) {
        return line.name == "TEL" && !line.value.trimmed().isEmpty() && test(line);
    });
    return index >= 0 ? object.Text(index).trimmed() : QString();
}

// The phone book keeps one number: the one the card prefers, else its first
// mobile number, else its first number.
QString PhoneBookNumber(const CContentObject &object)
{
    for (const LineTest &test : {LineTest(IsPreferred), LineTest([](const ContentLine &line) {
                                     return line.HasParam("CELL");
                                 }),
                                 LineTest([](const ContentLine &) { return true; })}) {
        const QString number = NumberWhere(object, test);
        if (!number.isEmpty())
            return number;
    }
    return {};
}

QStringList CategoriesOf(const CContentObject &object)
{
    const int index = object.Find(phone::Named("CATEGORIES"));
    if (index < 0)
        return {};
    QStringList categories;
    for (const QString &category : object.Text(index).split(QRegularExpression(QStringLiteral("[,;]")))) {
        if (!category.trimmed().isEmpty())
            categories << category.trimmed();
    }
    return categories;
}

bool IsRecordDate(const QString &text)
{
    return text.size() == 8 && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

QString TooLong(const QString &number, size_t field)
{
    return QStringLiteral("the number \"%1\" is longer than the %2 characters the phone keeps")
        .arg(number)
        .arg(field - 1);
}

// Texts longer than their field are cut as the stores cut them; a number is
// refused instead, as a cut one would dial someone else.
template <typename Record>
bool FillRecord(const CardValues &values, Record &record, QString &error)
{
    bool fits = true;
    ForEachCardText(record, [&](CardField field, std::span<char> text) {
        const QByteArray bytes = values[field].toLocal8Bit();
        if (IsNumberField(field) && bytes.size() >= qsizetype(text.size())) {
            error = TooLong(values[field], text.size());
            fits = false;
        }
        CopyTextField(text.data(), text.size(), bytes);
    });
    return fits;
}

// The card's fields as the address books keep them: its categories give the
// S57 group (the first one) and the VIP mark, a number of no kind the address
// book knows stands in for a missing home number, a birthday that is no
// yyyymmdd date is left out.
CardValues AddressValues(const CContentObject &object, CardValues values, bool vip)
{
    values[CardField::Group] = CategoriesOf(object).value(0);
    values[CardField::Vip] = vip ? QStringLiteral("1") : QString();
    if (values[CardField::Home].isEmpty())
        values[CardField::Home] = NumberWhere(object, IsUntyped);
    if (!IsRecordDate(values[CardField::Birthday]))
        values[CardField::Birthday].clear();
    for (QString &text : values.texts)
        text = text.trimmed();
    for (size_t field = 0; field < phone::kCardFieldCount; ++field) {
        if (IsNumberField(CardField(field)))
            values.texts[field] = DialString(values.texts[field]);
    }
    return values;
}

std::optional<PhoneFamily> FamilyOf(const QDir &folder, QString &error)
{
    const QString name = QFileInfo(QDir::cleanPath(folder.absolutePath())).fileName();
    if (kPhoneTypes.contains(name))
        return PhoneFamilyOf(name);
    const bool older = QFileInfo::exists(LocalFilePath(folder, kAddrbookFile));
    const bool newer = QFileInfo::exists(LocalFilePath(folder, kS57AddrbookFile));
    if (older != newer)
        return older ? PhoneFamily::Older : PhoneFamily::Newer;
    error = QStringLiteral("%1: the folder is not named after a phone type and holds %2 address book, so which one "
                           "to merge into is unknown")
                .arg(QDir::toNativeSeparators(folder.path()), older ? QStringLiteral("more than one")
                                                                    : QStringLiteral("no"));
    return std::nullopt;
}

std::optional<QList<ContactRecords>> ReadContacts(const QString &path, QString &error)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (KindOfFile(path) != FileKind::Regular || !file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot be read").arg(shown);
        return std::nullopt;
    }
    const CardSplit split = SplitCards(file.read(kMaxCardFileBytes + 1));
    if (!split.error.isEmpty()) {
        error = QStringLiteral("%1:%2: %3").arg(shown).arg(split.errorLine).arg(split.error);
        return std::nullopt;
    }
    QList<ContactRecords> contacts;
    for (const CardText &card : split.cards) {
        QString problem;
        const std::optional<ContactRecords> contact = ContactOf(card.bytes, problem);
        if (!contact) {
            error = QStringLiteral("%1:%2: %3").arg(shown).arg(card.line).arg(problem);
            return std::nullopt;
        }
        contacts << *contact;
    }
    return contacts;
}

// The records of imported that the file does not hold yet, each once.
template <typename Record, typename Terminate, typename Same>
std::optional<QList<Record>> NewRecords(const QDir &folder, const LocalFileKind &kind, Terminate terminate,
                                        const QList<Record> &imported, Same same, QString &error)
{
    const std::optional<QList<Record>> held = Load<Record>(folder, kind, terminate, error);
    if (!held)
        return std::nullopt;
    return MissingRecords(imported, *held, same);
}

template <typename Record>
bool AppendTo(const QDir &folder, const LocalFileKind &kind, const QList<Record> &records, QString &error)
{
    const TLocalRecordFile<Record> file(LocalFilePath(folder, kind), kind.format);
    if (records.isEmpty() || file.Append(std::span(records.constData(), size_t(records.size()))) == LocalFileResult::Ok)
        return true;
    error = QStringLiteral("%1: cannot be written").arg(QDir::toNativeSeparators(LocalFilePath(folder, kind)));
    return false;
}

// Both files are read and checked before either is written.
template <typename Record, typename Same>
ImportResult Merge(const QDir &folder, const QList<ContactRecords> &contacts, const LocalFileKind &kind,
                   Record ContactRecords::*address, Same same)
{
    ImportResult result;
    result.addrbookFile = QLatin1String(kind.fileName);
    TelebookList entries;
    QList<Record> addresses;
    for (const ContactRecords &contact : contacts) {
        if (contact.telebook)
            entries << *contact.telebook;
        if (contact.hasAddress)
            addresses << contact.*address;
    }
    const auto newEntries =
        NewRecords(folder, kTelebookFile, TerminateTelebookTexts, entries, SameTelebookEntry, result.error);
    if (!newEntries)
        return result;
    const auto newAddresses = NewRecords(
        folder, kind, [](Record &record) { TerminateAddrbookTexts(record); }, addresses, same, result.error);
    if (!newAddresses || !AppendTo(folder, kTelebookFile, *newEntries, result.error))
        return result;
    result.telebookAdded = int(newEntries->size());
    if (AppendTo(folder, kind, *newAddresses, result.error))
        result.addrbookAdded = int(newAddresses->size());
    else if (result.telebookAdded > 0)
        result.error += QStringLiteral(" (Telebook.tml took its %1 new entries)").arg(result.telebookAdded);
    return result;
}

} // namespace

std::optional<ContactRecords> ContactOf(const QByteArray &card, QString &error)
{
    const std::optional<CContentObject> object = CContentObject::Parse(card, "VCARD");
    const std::optional<phone::CVCard> vcard = phone::CVCard::Parse(card);
    if (!object || !vcard) {
        error = QStringLiteral("the card is not a readable vCard");
        return std::nullopt;
    }
    const CardValues read = vcard->Values();
    const bool vip = !read[CardField::Vip].isEmpty() || CategoriesOf(*object).contains(QLatin1String("VIP"),
                                                                                      Qt::CaseInsensitive);
    const CardValues values = AddressValues(*object, read, vip);
    ContactRecords records;
    if (!FillRecord(values, records.older, error) || !FillRecord(values, records.newer, error))
        return std::nullopt;
    records.older.vip = vip ? 1 : 0;
    records.hasAddress = std::any_of(values.texts.begin(), values.texts.end(), [](const QString &t) {
        return !t.isEmpty();
    });
    const QString number = DialString(PhoneBookNumber(*object));
    if (number.isEmpty())
        return records;
    TelebookRecord entry{};
    if (number.toLocal8Bit().size() >= qsizetype(sizeof entry.number)) {
        error = TooLong(number, sizeof entry.number);
        return std::nullopt;
    }
    SetTelebookNumber(entry, number);
    SetTelebookName(entry, values[CardField::Name]);
    entry.vip = vip ? 1 : 0;
    records.telebook = entry;
    return records;
}

ImportResult ImportContacts(const QString &cardFile, const QString &folder)
{
    ImportResult result;
    if (!QFileInfo(folder).isDir()) {
        result.error = QStringLiteral("%1: no such folder").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    const QDir dir(folder);
    const std::optional<PhoneFamily> family = FamilyOf(dir, result.error);
    if (!family)
        return result;
    const std::optional<QList<ContactRecords>> contacts = ReadContacts(cardFile, result.error);
    if (!contacts)
        return result;
    if (*family == PhoneFamily::Newer)
        return Merge(dir, *contacts, kS57AddrbookFile, &ContactRecords::newer, SameS57Entry);
    return Merge(dir, *contacts, kAddrbookFile, &ContactRecords::older, SameAddrbookEntry);
}

} // namespace orrin::exporter
