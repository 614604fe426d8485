// SPDX-License-Identifier: GPL-2.0-or-later
// The character set and the phone books: AT+CSCS, AT+CPBS, AT+CPBR, AT+CPBW.
#include "phonesim/core/at/CommandTable.h"
#include "phonesim/core/SimPhone.h"
#include "phonesim/core/SimText.h"

#include <QRegularExpression>

#include <variant>

namespace phonesim {
namespace {

// +CME error numbers of the phone book.
constexpr int kCmeNotSupported = 4;
constexpr int kCmeMemoryFull = 20;
constexpr int kCmeInvalidIndex = 21;
constexpr int kCmeTextTooLong = 24;
constexpr int kCmeInvalidText = 25;
constexpr int kCmeDialStringTooLong = 26;
constexpr int kCmeInvalidDialString = 27;

constexpr int kInternational = 145;
constexpr int kNational = 129;

const QByteArrayList kCharsets = {"GSM", "UCS2"};

SimPhoneBook *SelectedBook(CSimPhone &phone)
{
    const auto book = phone.State().memories.phoneBooks.find(phone.bookMemory);
    return book != phone.State().memories.phoneBooks.end() ? &*book : nullptr;
}

QByteArray EntryLine(CSimPhone &phone, int location, const SimBookEntry &entry)
{
    const int type = entry.number.startsWith(QLatin1Char('+')) ? kInternational : kNational;
    return "+CPBR: " + QByteArray::number(location) + ',' + Quoted(entry.number.toLatin1()) + ',' +
           QByteArray::number(type) + ',' + Quoted(TextInCharset(entry.name, phone.charset));
}

SimAnswer SetCharset(CSimPhone &phone, const QByteArray &args)
{
    const QByteArray name = SplitArguments(args).value(0).toUpper();
    if (!kCharsets.contains(name))
        return SimAnswer::CmeError(kCmeNotSupported);
    phone.charset = name;
    return SimAnswer::Ok();
}

SimAnswer SelectBook(CSimPhone &phone, const QByteArray &args)
{
    const QByteArray name = SplitArguments(args).value(0).toUpper();
    if (!phone.State().memories.phoneBooks.contains(name))
        return SimAnswer::CmeError(kCmeNotAllowed);
    phone.bookMemory = name;
    return SimAnswer::Ok();
}

SimAnswer BookStatus(CSimPhone &phone, const QByteArray &)
{
    const SimPhoneBook *book = SelectedBook(phone);
    if (!book)
        return SimAnswer::CmeError(kCmeNotAllowed);
    return SimAnswer::Ok({"+CPBS: " + Quoted(phone.bookMemory) + ',' + QByteArray::number(book->entries.size()) + ',' +
                          QByteArray::number(book->capacity)});
}

SimAnswer BookNames(CSimPhone &phone, const QByteArray &)
{
    QByteArrayList names;
    for (const QByteArray &name : phone.State().memories.phoneBooks.keys())
        names.append(Quoted(name));
    return SimAnswer::Ok({"+CPBS: (" + names.join(',') + ')'});
}

SimAnswer BookRange(CSimPhone &phone, const QByteArray &)
{
    const SimPhoneBook *book = SelectedBook(phone);
    if (!book)
        return SimAnswer::CmeError(kCmeNotAllowed);
    return SimAnswer::Ok({"+CPBR: (1-" + QByteArray::number(book->capacity) + ")," +
                          QByteArray::number(book->numberLength) + ',' + QByteArray::number(book->textLength)});
}

// AT+CPBR=<first>[,<last>]: one line per used location; nothing used is OK alone.
SimAnswer ReadBook(CSimPhone &phone, const QByteArray &args)
{
    const SimPhoneBook *book = SelectedBook(phone);
    const QList<QByteArray> fields = SplitArguments(args);
    const std::optional<int> first = WholeNumber(fields.value(0));
    const std::optional<int> last = fields.size() > 1 ? WholeNumber(fields.at(1)) : first;
    if (!book)
        return SimAnswer::CmeError(kCmeNotAllowed);
    if (fields.size() > 2 || !first || !last || *first < 1 || *last < *first || *last > book->capacity)
        return SimAnswer::CmeError(kCmeInvalidIndex);
    QList<QByteArray> lines;
    for (auto entry = book->entries.lowerBound(*first); entry != book->entries.end() && entry.key() <= *last; ++entry)
        lines.append(EntryLine(phone, entry.key(), *entry));
    return SimAnswer::Ok(lines);
}

// The entry of AT+CPBW's number, type and text, or the error that refuses it.
std::variant<SimBookEntry, int> EntryToWrite(const CSimPhone &phone, const SimPhoneBook &book,
                                              const QList<QByteArray> &fields)
{
    static const QRegularExpression kDialString(QStringLiteral("^\\+?[0-9*#pPwW]*$"));
    QString number = QString::fromLatin1(fields.at(1));
    const bool typed = fields.size() > 2 && !fields.at(2).isEmpty();
    const std::optional<int> type = typed ? WholeNumber(fields.at(2)) : kNational;
    const std::optional<QString> text = TextFromCharset(fields.value(3), phone.charset);
    if (!kDialString.match(number).hasMatch() || !type)
        return kCmeInvalidDialString;
    if (!text)
        return kCmeInvalidText;
    if (*type == kInternational && !number.startsWith(QLatin1Char('+')))
        number.prepend(QLatin1Char('+'));
    if (number.size() > book.numberLength)
        return kCmeDialStringTooLong;
    if (text->size() > book.textLength)
        return kCmeTextTooLong;
    return SimBookEntry{number, *text};
}

// AT+CPBW=<location>,"<number>",<type>,"<text>"; an empty location writes the
// first free one, a location alone deletes.
SimAnswer WriteBook(CSimPhone &phone, const QByteArray &args)
{
    SimPhoneBook *book = SelectedBook(phone);
    if (!book)
        return SimAnswer::CmeError(kCmeNotAllowed);
    const QList<QByteArray> fields = SplitArguments(args);
    const bool firstFree = fields.at(0).trimmed().isEmpty();
    const std::optional<int> given = WholeNumber(fields.at(0));
    if (fields.size() > 4 || (!firstFree && (!given || *given < 1 || *given > book->capacity)))
        return SimAnswer::CmeError(kCmeInvalidIndex);
    if (fields.size() == 1) {
        if (firstFree)
            return SimAnswer::CmeError(kCmeInvalidIndex);
        book->entries.remove(*given);
        return SimAnswer::Ok();
    }
    const std::variant<SimBookEntry, int> entry = EntryToWrite(phone, *book, fields);
    if (const int *error = std::get_if<int>(&entry))
        return SimAnswer::CmeError(*error);
    const int location = firstFree ? book->FirstFree() : *given;
    if (location == 0)
        return SimAnswer::CmeError(kCmeMemoryFull);
    book->entries.insert(location, std::get<SimBookEntry>(entry));
    return SimAnswer::Ok();
}

} // namespace

void AddPhoneBookCommands(CCommandTable &table)
{
    table.Add("+CSCS", {{},
                        [](CSimPhone &phone, const QByteArray &) {
                            return SimAnswer::Ok({"+CSCS: " + Quoted(phone.charset)});
                        },
                        [](CSimPhone &, const QByteArray &) {
                            return SimAnswer::Ok({"+CSCS: (\"GSM\",\"UCS2\")"});
                        },
                        SetCharset});
    table.Add("+CPBS", {{}, BookStatus, BookNames, SelectBook});
    table.Add("+CPBR", {{}, {}, BookRange, ReadBook});
    table.Add("+CPBW", {{}, {}, {}, WriteBook});
}

} // namespace phonesim
