// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/PhoneBook.h"

#include <QRegularExpression>

#include <algorithm>

namespace orrin::phone {
namespace {

constexpr int kInternationalType = 145;
constexpr int kNationalType = 129;
constexpr int kCmeNotFound = 22;
// Answer bytes per location of a range read, for its timeout: a line with a
// number and a name of 20 UCS2 characters.
constexpr int kRangeBytesPerLocation = 130;
// More locations than any phone has; a larger capacity does not stretch the wait.
constexpr int kMaxLocations = 10000;
const QChar kVipMark = QLatin1Char('!');

// Lines of the answer that carry the prefix, without it.
QList<QByteArray> Values(const AtReply &reply, const QByteArray &prefix)
{
    QList<QByteArray> values;
    for (const QByteArray &line : reply.lines) {
        if (line.startsWith(prefix + ':'))
            values.append(line.mid(prefix.size() + 1).trimmed());
    }
    return values;
}

} // namespace

QString StoredName(const BookEntry &entry)
{
    return entry.vip ? entry.name + kVipMark : entry.name;
}

BookEntry EntryFromStored(const QString &number, int type, const QString &storedName)
{
    BookEntry entry{number, storedName, storedName.endsWith(kVipMark)};
    if (entry.vip)
        entry.name.chop(1);
    if (type == kInternationalType && !number.isEmpty() && !number.startsWith(QLatin1Char('+')))
        entry.number.prepend(QLatin1Char('+'));
    return entry;
}

std::optional<BookUsage> ParseBookUsage(const QByteArray &value)
{
    const QList<QByteArray> fields = AtFields(value);
    const std::optional<int> used = AtNumber(fields.value(1));
    if (!used || *used < 0)
        return std::nullopt;
    const std::optional<int> total = AtNumber(fields.value(2));
    return BookUsage{*used, total && *total >= 0 ? *total : -1};
}

std::optional<int> ParseBookCapacity(const QByteArray &value)
{
    static const QRegularExpression kRange(QStringLiteral("^\\(\\s*(\\d+)\\s*-\\s*(\\d+)\\s*\\)"));
    const QRegularExpressionMatch match = kRange.match(QString::fromLatin1(value.trimmed()));
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int last = match.captured(2).toInt(&ok);
    return ok ? std::optional(last) : std::nullopt;
}

std::optional<std::pair<int, BookEntry>> ParseBookLine(const QByteArray &value, Charset charset)
{
    const QList<QByteArray> fields = AtFields(value);
    const std::optional<int> location = AtNumber(fields.value(0));
    const std::optional<int> type = AtNumber(fields.value(2));
    if (fields.size() < 4 || !location || *location < 1 || !type)
        return std::nullopt;
    const QByteArray &name = fields.at(3);
    const QString storedName = DecodeAtText(name, charset).value_or(QString::fromLatin1(name));
    return std::pair(*location, EntryFromStored(QString::fromLatin1(fields.at(1)), *type, storedName));
}

int CPhoneBook::Select(CAtEngine &engine, const QByteArray &memory)
{
    Forget();
    m_capacity.reset();
    m_selected = false;
    if (!IsMemoryName(memory) || !engine.Run("AT+CPBS=\"" + memory + '"').IsOk())
        return -1;
    const AtReply reply = engine.Run("AT+CPBS?");
    const std::optional<BookUsage> usage = reply.IsOk() ? ParseBookUsage(reply.Value("+CPBS")) : std::nullopt;
    if (!usage)
        return -1;
    if (usage->total >= 0)
        m_capacity = usage->total;
    m_selected = true;
    return usage->used;
}

int CPhoneBook::Capacity(CAtEngine &engine)
{
    if (!m_selected)
        return -1;
    if (m_capacity)
        return *m_capacity;
    const AtReply status = engine.Run("AT+CPBS?");
    const std::optional<BookUsage> usage = status.IsOk() ? ParseBookUsage(status.Value("+CPBS")) : std::nullopt;
    if (usage && usage->total >= 0) {
        m_capacity = usage->total;
    } else if (!status.LineFailed()) {
        const AtReply range = engine.Run("AT+CPBR=?");
        m_capacity = range.IsOk() ? ParseBookCapacity(range.Value("+CPBR")) : std::nullopt;
    }
    return m_capacity.value_or(-1);
}

bool CPhoneBook::Load(CAtEngine &engine, Charset charset)
{
    if (m_loaded)
        return true;
    const int capacity = Capacity(engine);
    if (capacity < 0)
        return false;
    if (capacity > 0) {
        const AtReply reply = engine.Run("AT+CPBR=1," + QByteArray::number(capacity),
                                         std::min(capacity, kMaxLocations) * kRangeBytesPerLocation);
        const bool empty = reply.outcome == AtOutcome::CmeError && reply.errorCode == kCmeNotFound;
        if (!reply.IsOk() && !empty)
            return false;
        for (const QByteArray &value : Values(reply, "+CPBR")) {
            const std::optional<std::pair<int, BookEntry>> line = ParseBookLine(value, charset);
            if (line && line->first <= capacity)
                m_entries.emplace(*line);
        }
    }
    m_loaded = true;
    return true;
}

std::optional<BookEntry> CPhoneBook::Find(int location) const
{
    const auto found = m_entries.find(location);
    return found != m_entries.end() ? std::optional(found->second) : std::nullopt;
}

bool CPhoneBook::Write(CAtEngine &engine, Charset charset, int location, const BookEntry &entry)
{
    Forget();
    const std::optional<QByteArray> name = EncodeAtText(StoredName(entry), charset);
    if (!m_selected || location < 0 || !name || !IsDialString(entry.number))
        return false;
    const bool international = entry.number.startsWith(QLatin1Char('+'));
    const QByteArray command = "AT+CPBW=" + (location > 0 ? QByteArray::number(location) : QByteArray()) + ",\"" +
                               entry.number.toLatin1() + "\"," +
                               QByteArray::number(international ? kInternationalType : kNationalType) + ",\"" +
                               *name + '"';
    return engine.Run(command).IsOk();
}

bool CPhoneBook::Delete(CAtEngine &engine, int location)
{
    Forget();
    return m_selected && location >= 1 && engine.Run("AT+CPBW=" + QByteArray::number(location)).IsOk();
}

void CPhoneBook::Forget()
{
    m_loaded = false;
    m_entries.clear();
}

} // namespace orrin::phone
