// SPDX-License-Identifier: GPL-2.0-or-later
// Mobile: short messages of the phone memory and the SIM card, in PDU mode.
#include "phone/mobile/MobileSession.h"
#include "phone/PhoneApi.h"
#include "phone/mobile/SmsRecords.h"
#include "phone/line/TextFit.h"

#include <QDateTime>

using namespace orrin::phone;

namespace {

// Longest text taken from the caller: more than any one message can hold.
constexpr size_t kMaxCallerText = 1024;

std::optional<OutgoingMessage> CallerMessage(const char *content, const char *number, PhoneFlag report,
                                             int32_t validity, PhoneFlag handfree)
{
    const std::optional<QString> text = CallerText(content, kMaxCallerText);
    const std::optional<QString> to = CallerText(number, kMaxCallerText);
    if (!text || !to)
        return std::nullopt;
    return OutgoingMessage{*text, *to, report != 0, validity, handfree != 0};
}

std::optional<MemoryUsage> SelectMemory(const char *memory)
{
    const std::optional<QString> name = CallerText(memory, kMaxCallerText);
    if (!name)
        return std::nullopt;
    std::optional<MemoryUsage> usage;
    WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        usage = session.messages.Select(engine, name->toLatin1());
        return usage.has_value();
    });
    return usage;
}

} // namespace

extern "C" {

PHONE_EXPORT int32_t SetSMSMemoGetSMSNum(const char *memory)
{
    const std::optional<MemoryUsage> usage = SelectMemory(memory);
    return usage ? usage->used : -1;
}

PHONE_EXPORT int32_t GetSMSSpace(const char *memory)
{
    const std::optional<MemoryUsage> usage = SelectMemory(memory);
    return usage ? usage->total : -1;
}

PHONE_EXPORT PhoneFlag ListShortMessage(SmsRecord *records, int32_t count)
{
    if (!records || count < 0)
        return 0;
    if (count == 0)
        return 1;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        const std::optional<QList<StoredMessage>> messages = session.messages.List(engine, count);
        // Fewer messages than the caller counted cannot fill its records.
        if (!messages || messages->size() < count)
            return 0;
        for (int32_t i = 0; i < count; ++i)
            FillSmsRecord(messages->at(i), records[i]);
        return 1;
    });
}

PHONE_EXPORT PhoneFlag GetShortMessage(int32_t location, SmsRecord *record)
{
    if (!record)
        return 0;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        const std::optional<StoredMessage> message = session.messages.Read(engine, location);
        if (message)
            FillSmsRecord(*message, *record);
        return message.has_value();
    });
}

PHONE_EXPORT int32_t SaveShortMessage(const char *content, const char *number, PhoneFlag report, int32_t validity,
                                      PhoneFlag handfree, int32_t status)
{
    const std::optional<OutgoingMessage> message = CallerMessage(content, number, report, validity, handfree);
    const std::optional<SmsPdu> pdu =
        message ? StoredPdu(*message, status, QDateTime::currentDateTime()) : std::nullopt;
    if (!pdu)
        return -1;
    return WithSession<int32_t>(-1, [&](CAtEngine &engine, CMobileSession &session) {
        return session.messages.Store(engine, *pdu, status);
    });
}

PHONE_EXPORT PhoneFlag SendShortMessage(const char *content, const char *number, PhoneFlag report, int32_t validity,
                                        PhoneFlag handfree)
{
    const std::optional<OutgoingMessage> message = CallerMessage(content, number, report, validity, handfree);
    const std::optional<SmsPdu> pdu = message ? SubmitPdu(*message) : std::nullopt;
    if (!pdu || pdu->party.text.isEmpty())
        return 0;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.messages.Send(engine, *pdu);
    });
}

PHONE_EXPORT PhoneFlag SendUnSent(int32_t location)
{
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.messages.SendStored(engine, location);
    });
}

PHONE_EXPORT PhoneFlag DeleteShortMessage(int32_t location)
{
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.messages.Delete(engine, location);
    });
}

} // extern "C"
