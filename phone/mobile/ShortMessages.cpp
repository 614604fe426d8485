// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/ShortMessages.h"

#include "phone/mobile/AtText.h"

#include <algorithm>

namespace orrin::phone {
namespace {

constexpr int kCmsMemoryFull = 322;
// Answer bytes of one listed message: its header and a PDU of 176 octets.
constexpr int kBytesPerMessage = 400;
constexpr int kMaxMessages = 1000;

// The PDU of a message when it reads and its TPDU has the length the header gives.
std::optional<SmsPdu> CheckedPdu(const QByteArray &hex, std::optional<int> length)
{
    std::optional<SmsPdu> pdu = DecodePduHex(hex);
    if (!pdu || !length || TpduLength(QByteArray::fromHex(hex)) != *length)
        return std::nullopt;
    return pdu;
}

bool IsKnownStatus(std::optional<int> status)
{
    return status && *status >= kReceivedUnread && *status <= kStoredSent;
}

bool IsHeader(const QByteArray &line, const QByteArray &prefix)
{
    return line.startsWith(prefix + ':');
}

// "+CMGW: 5" -> 5.
std::optional<int> AnsweredIndex(const AtReply &reply, const QByteArray &prefix)
{
    const std::optional<int> index = AtNumber(reply.Value(prefix));
    return index && *index >= 1 ? index : std::nullopt;
}

} // namespace

QList<StoredMessage> ParseMessageList(const QList<QByteArray> &lines)
{
    QList<StoredMessage> messages;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!IsHeader(lines.at(i), "+CMGL"))
            continue;
        const QList<QByteArray> fields = AtFields(lines.at(i).mid(6));
        const bool hasPdu = i + 1 < lines.size() && !IsHeader(lines.at(i + 1), "+CMGL");
        const QByteArray pduLine = hasPdu ? lines.at(++i).trimmed() : QByteArray();
        const std::optional<int> location = AtNumber(fields.value(0));
        const std::optional<int> status = AtNumber(fields.value(1));
        if (!location || *location < 1 || !IsKnownStatus(status))
            continue;
        messages.append({*location, *status, CheckedPdu(pduLine, AtNumber(fields.last()))});
    }
    return messages;
}

std::optional<StoredMessage> ParseMessageRead(const QList<QByteArray> &lines, int location)
{
    if (lines.size() < 2 || !IsHeader(lines.at(0), "+CMGR"))
        return std::nullopt;
    const QList<QByteArray> fields = AtFields(lines.at(0).mid(6));
    const std::optional<int> status = AtNumber(fields.value(0));
    if (!IsKnownStatus(status))
        return std::nullopt;
    return StoredMessage{location, *status, CheckedPdu(lines.at(1).trimmed(), AtNumber(fields.last()))};
}

std::optional<MemoryUsage> ParseMemoryUsage(const QByteArray &value)
{
    const QList<QByteArray> fields = AtFields(value);
    // The read form names each memory first: "SM",3,10,...
    const qsizetype first = AtNumber(fields.value(0)) ? 0 : 1;
    const std::optional<int> used = AtNumber(fields.value(first));
    const std::optional<int> total = AtNumber(fields.value(first + 1));
    if (!used || !total || *used < 0 || *total < 0)
        return std::nullopt;
    return MemoryUsage{*used, *total};
}

bool CShortMessages::EnsurePduMode(CAtEngine &engine)
{
    if (!m_pduMode)
        m_pduMode = engine.Run("AT+CMGF=0").IsOk();
    return m_pduMode;
}

std::optional<MemoryUsage> CShortMessages::Select(CAtEngine &engine, const QByteArray &memory)
{
    if (!IsMemoryName(memory) || !EnsurePduMode(engine))
        return std::nullopt;
    const QByteArray quoted = '"' + memory + '"';
    const AtReply reply = engine.Run("AT+CPMS=" + quoted + ',' + quoted + ',' + quoted);
    return reply.IsOk() ? ParseMemoryUsage(reply.Value("+CPMS")) : std::nullopt;
}

std::optional<QList<StoredMessage>> CShortMessages::List(CAtEngine &engine, int expected)
{
    if (!EnsurePduMode(engine))
        return std::nullopt;
    const int answerBytes = (std::clamp(expected, 0, kMaxMessages) + 1) * kBytesPerMessage;
    const AtReply reply = engine.Run("AT+CMGL=4", answerBytes);
    if (!reply.IsOk())
        return std::nullopt;
    return ParseMessageList(reply.lines);
}

std::optional<StoredMessage> CShortMessages::Read(CAtEngine &engine, int location)
{
    if (location < 1 || !EnsurePduMode(engine))
        return std::nullopt;
    const AtReply reply = engine.Run("AT+CMGR=" + QByteArray::number(location), kBytesPerMessage);
    return reply.IsOk() ? ParseMessageRead(reply.lines, location) : std::nullopt;
}

int CShortMessages::Store(CAtEngine &engine, const SmsPdu &pdu, int status)
{
    const std::optional<QByteArray> bytes = EncodePdu(pdu);
    if (!bytes || !IsKnownStatus(status) || !EnsurePduMode(engine))
        return -1;
    const QByteArray command =
        "AT+CMGW=" + QByteArray::number(TpduLength(*bytes)) + ',' + QByteArray::number(status);
    const AtReply reply = engine.RunWithData(command, bytes->toHex().toUpper());
    if (reply.outcome == AtOutcome::CmsError && reply.errorCode == kCmsMemoryFull)
        return 0;
    return reply.IsOk() ? AnsweredIndex(reply, "+CMGW").value_or(-1) : -1;
}

bool CShortMessages::Send(CAtEngine &engine, const SmsPdu &pdu)
{
    const std::optional<QByteArray> bytes = EncodePdu(pdu);
    if (!bytes || !EnsurePduMode(engine))
        return false;
    const QByteArray command = "AT+CMGS=" + QByteArray::number(TpduLength(*bytes));
    return engine.RunWithData(command, bytes->toHex().toUpper(), kNetworkWaitMs).IsOk();
}

bool CShortMessages::SendStored(CAtEngine &engine, int location)
{
    return location >= 1 && EnsurePduMode(engine) &&
           engine.Run("AT+CMSS=" + QByteArray::number(location), CAtEngine::kShortAnswer, kNetworkWaitMs).IsOk();
}

bool CShortMessages::Delete(CAtEngine &engine, int location)
{
    return location >= 1 && engine.Run("AT+CMGD=" + QByteArray::number(location)).IsOk();
}

} // namespace orrin::phone
