// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/ObjectChannel.h"

#include "phone/mobile/AtText.h"

#include <QRegularExpression>

namespace orrin::phone {
namespace {

constexpr int kCmeUnknown = 100;
// A bound on the slots of one type, whatever the phone claims.
constexpr int kMaxSlots = 10000;
// Bytes of one part's header line with its line ends, for the timeout.
constexpr int kPartOverhead = 40;

QByteArray Target(const QByteArray &type, int index)
{
    return '"' + type + "\"," + QByteArray::number(index);
}

bool IsHex(const QByteArray &text)
{
    return text.size() % 2 == 0 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
           });
}

struct PartHeader {
    int part = 0;
    int parts = 0;
};

// "^SBNR: "vcf",0,1,2" of the object asked for -> part 1 of 2.
std::optional<PartHeader> ParseHeader(const QByteArray &line, const QByteArray &type, int index)
{
    static const QByteArray kPrefix = "^SBNR:";
    if (!line.startsWith(kPrefix))
        return std::nullopt;
    const QList<QByteArray> fields = AtFields(line.mid(kPrefix.size()));
    const std::optional<int> at = AtNumber(fields.value(1));
    const std::optional<int> part = AtNumber(fields.value(2));
    const std::optional<int> parts = AtNumber(fields.value(3));
    if (fields.size() != 4 || fields.at(0).compare(type, Qt::CaseInsensitive) != 0 || at != index || !part ||
        !parts)
        return std::nullopt;
    return PartHeader{*part, *parts};
}

} // namespace

std::optional<ObjectRanges> ParseObjectRanges(const QByteArray &value)
{
    static const QRegularExpression kType(
        QStringLiteral("\\(\\s*\"([A-Za-z0-9]+)\"\\s*,\\s*\\(\\s*(\\d{1,6})\\s*-\\s*(\\d{1,6})\\s*\\)\\s*\\)"));
    ObjectRanges ranges;
    for (const QRegularExpressionMatch &match : kType.globalMatch(QString::fromLatin1(value))) {
        const int first = match.captured(2).toInt();
        const int last = match.captured(3).toInt();
        if (first <= last)
            ranges.insert(match.captured(1).toLatin1().toLower(), {first, std::min(last, first + kMaxSlots - 1)});
    }
    return ranges.isEmpty() ? std::nullopt : std::optional(ranges);
}

ObjectRead AssembleObject(const QList<QByteArray> &lines, const QByteArray &type, int index, int maxBytes)
{
    if (lines.isEmpty())
        return {ObjectStatus::Empty, {}};
    const ObjectRead failed;
    if (lines.size() % 2 != 0)
        return failed;
    QByteArray data;
    int parts = 0;
    for (qsizetype at = 0; at < lines.size(); at += 2) {
        const std::optional<PartHeader> header = ParseHeader(lines.at(at), type, index);
        const QByteArray hex = lines.at(at + 1).trimmed();
        const int expected = int(at / 2) + 1;
        if (!header || header->part != expected || header->parts < 1 || (parts && header->parts != parts) ||
            !IsHex(hex) || data.size() + hex.size() / 2 > maxBytes)
            return failed;
        parts = header->parts;
        data += QByteArray::fromHex(hex);
    }
    if (lines.size() / 2 != parts || data.isEmpty())
        return failed;
    return {ObjectStatus::Found, data};
}

std::optional<ObjectRange> CObjectChannel::Range(CAtEngine &engine, const QByteArray &type)
{
    if (!m_ranges) {
        const AtReply reply = engine.Run("AT^SBNR=?");
        if (reply.IsOk())
            m_ranges = ParseObjectRanges(reply.lines.join(','));
    }
    if (!m_ranges || !m_ranges->contains(type))
        return std::nullopt;
    return m_ranges->value(type);
}

ObjectRead CObjectChannel::Read(CAtEngine &engine, const QByteArray &type, int index, int maxBytes)
{
    const int bound = std::clamp(maxBytes, 0, kMaxObjectBytes);
    const int partsAtMost = bound / kPacketBytes + 1;
    const AtReply reply = engine.Run("AT^SBNR=" + Target(type, index), bound * 2 + partsAtMost * kPartOverhead);
    if (reply.outcome == AtOutcome::CmeError && reply.errorCode == kCmeUnknown && reply.lines.isEmpty())
        return {ObjectStatus::Empty, {}};
    // A phone that stopped answering is asked for its ranges again, so that
    // the caller learns it is gone instead of reading on past empty slots.
    if (reply.LineFailed())
        m_ranges.reset();
    if (!reply.IsOk())
        return {};
    return AssembleObject(reply.lines, type, index, bound);
}

bool CObjectChannel::Write(CAtEngine &engine, const QByteArray &type, int index, const QByteArray &data)
{
    if (data.isEmpty() || data.size() > kMaxObjectBytes)
        return false;
    const int parts = int((data.size() + kPacketBytes - 1) / kPacketBytes);
    for (int part = 1; part <= parts; ++part) {
        const QByteArray command =
            "AT^SBNW=" + Target(type, index) + ',' + QByteArray::number(part) + ',' + QByteArray::number(parts);
        const QByteArray packet = data.mid(qsizetype(part - 1) * kPacketBytes, kPacketBytes);
        if (!engine.RunWithData(command, packet.toHex().toUpper()).IsOk())
            return false;
    }
    return true;
}

bool CObjectChannel::Delete(CAtEngine &engine, const QByteArray &type, int index)
{
    return engine.Run("AT^SBNW=" + Target(type, index) + ",0").IsOk();
}

} // namespace orrin::phone
