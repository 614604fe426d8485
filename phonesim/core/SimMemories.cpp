// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/SimMemories.h"

#include <QJsonArray>

#include <algorithm>
#include <cctype>

namespace phonesim {
namespace {

template <typename Entry>
int FirstFreeOf(const QMap<int, Entry> &entries, int capacity)
{
    for (int location = 1; location <= capacity; ++location) {
        if (!entries.contains(location))
            return location;
    }
    return 0;
}

bool IsWhole(const QJsonValue &value, int minimum)
{
    const double number = value.toDouble();
    return value.isDouble() && number == double(int(number)) && number >= minimum;
}

// Reads the common frame of a memory: its capacity and the location of each
// entry, which must be in range and unique.
struct EntryReader {
    QString name;
    QString *error;

    bool Fail(const QString &what) const
    {
        *error = QStringLiteral("%1: %2").arg(name, what);
        return false;
    }

    template <typename Read>
    bool Entries(const QJsonObject &memory, int capacity, Read read) const
    {
        const QJsonValue entries = memory.value(QLatin1String("entries"));
        if (!entries.isUndefined() && !entries.isArray())
            return Fail(QStringLiteral("entries is not a list"));
        QList<int> seen;
        for (const QJsonValue &value : entries.toArray()) {
            const QJsonObject entry = value.toObject();
            const QJsonValue location = entry.value(QLatin1String("location"));
            if (!value.isObject() || !IsWhole(location, 1) || location.toInt() > capacity ||
                seen.contains(location.toInt()))
                return Fail(QStringLiteral("an entry has no free location within the capacity"));
            seen.append(location.toInt());
            if (!read(location.toInt(), entry))
                return false;
        }
        return true;
    }
};

bool ReadBook(const QString &name, const QJsonValue &value, SimPhoneBook &book, QString *error)
{
    const EntryReader reader{name, error};
    const QJsonObject object = value.toObject();
    book = {};
    for (const auto &[key, field] : {std::pair{"capacity", &book.capacity},
                                     std::pair{"numberLength", &book.numberLength},
                                     std::pair{"textLength", &book.textLength}}) {
        const QJsonValue number = object.value(QLatin1String(key));
        if (!value.isObject() || (!number.isUndefined() && !IsWhole(number, 0)))
            return reader.Fail(QStringLiteral("%1 is not a whole number").arg(QLatin1String(key)));
        *field = number.toInt(*field);
    }
    return reader.Entries(object, book.capacity, [&](int location, const QJsonObject &entry) {
        const QJsonValue number = entry.value(QLatin1String("number"));
        const QJsonValue text = entry.value(QLatin1String("name"));
        if (!number.isString() || !(text.isString() || text.isUndefined()))
            return reader.Fail(QStringLiteral("an entry needs a number text and a name text"));
        book.entries.insert(location, {number.toString(), text.toString()});
        return true;
    });
}

bool IsHexPdu(const QString &text)
{
    const auto isHexDigit = [](QChar c) { return c.unicode() < 0x80 && std::isxdigit(c.toLatin1()); };
    return !text.isEmpty() && text.size() % 2 == 0 && std::all_of(text.begin(), text.end(), isHexDigit);
}

bool ReadMessageMemory(const QString &name, const QJsonValue &value, SimMessageMemory &memory, QString *error)
{
    const EntryReader reader{name, error};
    const QJsonValue capacity = value.toObject().value(QLatin1String("capacity"));
    if (!value.isObject() || !IsWhole(capacity, 0))
        return reader.Fail(QStringLiteral("capacity is not a whole number"));
    memory = {capacity.toInt(), {}};
    return reader.Entries(value.toObject(), memory.capacity, [&](int location, const QJsonObject &entry) {
        const QJsonValue status = entry.value(QLatin1String("status"));
        const QString pdu = entry.value(QLatin1String("pdu")).toString();
        if (!IsWhole(status, 0) || status.toInt() > 3 || !IsHexPdu(pdu))
            return reader.Fail(QStringLiteral("a message needs a status 0..3 and a PDU in hex"));
        memory.entries.insert(location, {status.toInt(), pdu.toLatin1().toUpper()});
        return true;
    });
}

template <typename Memory, typename ReadOne>
bool ReadSection(const QJsonValue &section, const char *sectionName, QMap<QByteArray, Memory> &memories,
                 QString *error, ReadOne readOne)
{
    if (!section.isObject()) {
        *error = QStringLiteral("%1 is not an object").arg(QLatin1String(sectionName));
        return false;
    }
    const QJsonObject object = section.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == QLatin1String("sent"))
            continue;
        Memory memory;
        const QString name = QStringLiteral("%1.%2").arg(QLatin1String(sectionName), it.key());
        if (!readOne(name, it.value(), memory, error))
            return false;
        memories.insert(it.key().toLatin1(), memory);
    }
    return true;
}

} // namespace

int SimPhoneBook::FirstFree() const
{
    return FirstFreeOf(entries, capacity);
}

int SimMessageMemory::FirstFree() const
{
    return FirstFreeOf(entries, capacity);
}

bool ReadPhoneBooks(const QJsonValue &section, QMap<QByteArray, SimPhoneBook> &books, QString *error)
{
    return ReadSection(section, "phoneBooks", books, error, ReadBook);
}

bool ReadMessages(const QJsonValue &section, SimMemories &memories, QString *error)
{
    if (!ReadSection(section, "messages", memories.messages, error, ReadMessageMemory))
        return false;
    const QJsonValue sent = section.toObject().value(QLatin1String("sent"));
    if (sent.isUndefined())
        return true;
    if (!sent.isArray()) {
        *error = QStringLiteral("messages.sent is not a list");
        return false;
    }
    memories.sent.clear();
    for (const QJsonValue &pdu : sent.toArray()) {
        if (!IsHexPdu(pdu.toString())) {
            *error = QStringLiteral("messages.sent holds something that is no PDU");
            return false;
        }
        memories.sent.append(pdu.toString().toLatin1());
    }
    return true;
}

QJsonObject PhoneBooksJson(const QMap<QByteArray, SimPhoneBook> &books)
{
    QJsonObject section;
    for (auto book = books.begin(); book != books.end(); ++book) {
        QJsonArray entries;
        for (auto entry = book->entries.begin(); entry != book->entries.end(); ++entry)
            entries.append(QJsonObject{{"location", entry.key()}, {"number", entry->number}, {"name", entry->name}});
        section.insert(QString::fromLatin1(book.key()),
                       QJsonObject{{"capacity", book->capacity}, {"numberLength", book->numberLength},
                                   {"textLength", book->textLength}, {"entries", entries}});
    }
    return section;
}

QJsonObject MessagesJson(const SimMemories &memories)
{
    QJsonObject section;
    for (auto memory = memories.messages.begin(); memory != memories.messages.end(); ++memory) {
        QJsonArray entries;
        for (auto entry = memory->entries.begin(); entry != memory->entries.end(); ++entry) {
            entries.append(QJsonObject{{"location", entry.key()}, {"status", entry->status},
                                       {"pdu", QString::fromLatin1(entry->pdu)}});
        }
        section.insert(QString::fromLatin1(memory.key()),
                       QJsonObject{{"capacity", memory->capacity}, {"entries", entries}});
    }
    QJsonArray sent;
    for (const QByteArray &pdu : memories.sent)
        sent.append(QString::fromLatin1(pdu));
    section.insert(QStringLiteral("sent"), sent);
    return section;
}

SimPhoneBook GeneratedPhoneBook(int count)
{
    static const QStringList kNames = {QStringLiteral("Müller"), QStringLiteral("Иван"), QStringLiteral("王伟"),
                                       QStringLiteral("Dupré"), QStringLiteral("Smith")};
    SimPhoneBook book;
    book.capacity = count;
    for (int location = 1; location <= count; ++location) {
        const QString name = kNames.at(location % kNames.size()) + QStringLiteral(" %1").arg(location);
        const QString number = QStringLiteral("+4917%1").arg(location, 8, 10, QLatin1Char('0'));
        book.entries.insert(location, {number, location % 5 == 0 ? name + QLatin1Char('!') : name});
    }
    return book;
}

int TpduOctets(const QByteArray &hex)
{
    if (!IsHexPdu(QString::fromLatin1(hex)))
        return -1;
    const int octets = int(hex.size() / 2);
    const int centre = hex.left(2).toInt(nullptr, 16);
    return centre + 1 < octets ? octets - 1 - centre : -1;
}

int MessageTypeOf(const QByteArray &hex)
{
    if (TpduOctets(hex) < 1)
        return -1;
    const int centre = hex.left(2).toInt(nullptr, 16);
    return hex.mid(2 + 2 * centre, 2).toInt(nullptr, 16) & 0x03;
}

} // namespace phonesim
