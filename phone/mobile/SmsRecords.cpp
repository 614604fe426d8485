// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/SmsRecords.h"

#include "phone/line/TextFit.h"

#include <cstring>

namespace orrin::phone {
namespace {

// The program's numbers are international, "+" or not; the codec checks the digits.
SmsAddress PartyAddress(const QString &number)
{
    QString digits = number.trimmed();
    if (digits.isEmpty())
        return SmsAddress{};
    if (digits.startsWith(QLatin1Char('+')))
        digits.remove(0, 1);
    return SmsAddress{digits, kInternationalNumberType};
}

QString RecordNumber(const SmsAddress &party)
{
    const bool addPlus = party.IsInternational() && !party.text.isEmpty();
    return addPlus ? QLatin1Char('+') + party.text : party.text;
}

} // namespace

void FillSmsRecord(const StoredMessage &message, SmsRecord &record)
{
    std::memset(&record, 0, sizeof record);
    record.location = message.location;
    record.status = message.status;
    record.validity = kNoValidityCode;
    if (!message.pdu)
        return;
    const SmsPdu &pdu = *message.pdu;
    FitText(RecordNumber(pdu.party), record.number, sizeof record.number);
    if (pdu.kind == SmsKind::Deliver)
        FitText(pdu.timeStamp, record.time, sizeof record.time);
    FitText(pdu.text, record.content, sizeof record.content);
    record.report = pdu.statusReport ? 1 : 0;
    if (pdu.validity)
        record.validity = ValidityCode(*pdu.validity);
    record.handfree = pdu.flash ? 1 : 0;
}

std::optional<SmsPdu> SubmitPdu(const OutgoingMessage &message)
{
    SmsPdu pdu;
    pdu.kind = SmsKind::Submit;
    pdu.party = PartyAddress(message.number);
    pdu.statusReport = message.report;
    pdu.validity = ValidityOctet(message.validity);
    pdu.flash = message.handfree;
    pdu.text = message.content;
    pdu.alphabet = AlphabetFor(message.content);
    if (!EncodePdu(pdu))
        return std::nullopt;
    return pdu;
}

std::optional<SmsPdu> StoredPdu(const OutgoingMessage &message, int status, const QDateTime &now)
{
    std::optional<SmsPdu> pdu = SubmitPdu(message);
    if (!pdu || status == kStoredUnsent || status == kStoredSent)
        return pdu;
    if (status != kReceivedUnread && status != kReceivedRead)
        return std::nullopt;
    pdu->kind = SmsKind::Deliver;
    pdu->validity.reset();
    pdu->timeStamp = now.toString(QStringLiteral("yyMMddHHmmss"));
    pdu->timeZoneQuarters = now.offsetFromUtc() / (15 * 60);
    if (!EncodePdu(*pdu))
        return std::nullopt;
    return pdu;
}

} // namespace orrin::phone
