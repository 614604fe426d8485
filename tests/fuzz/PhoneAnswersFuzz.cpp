// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as the phone's answers to the phone-book, message and
// information commands, through the engine and straight into the parsers:
// read or refused, never out of the bounds the answer gave.
#include "phone/mobile/InfoReader.h"
#include "phone/mobile/PhoneBook.h"
#include "phone/mobile/ShortMessages.h"
#include "phone/mobile/SmsRecords.h"
#include "tests/fuzz/FuzzedSerial.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace orrin::phone;

void CheckMessages(const QList<StoredMessage> &messages)
{
    for (const StoredMessage &message : messages) {
        SmsRecord record{};
        FillSmsRecord(message, record);
    }
}

void ParseDirectly(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    CheckMessages(ParseMessageList(lines));
    if (const std::optional<StoredMessage> message = ParseMessageRead(lines, 3))
        CheckMessages({*message});
    (void)ParseMemoryUsage(bytes);
    (void)ParseBookUsage(bytes);
    (void)ParseBookCapacity(bytes);
    for (Charset charset : {Charset::Gsm, Charset::Ucs2}) {
        if (const auto entry = ParseBookLine(bytes, charset); entry && entry->first <= 0)
            std::abort();
        (void)ServiceCentreDigits(bytes, charset);
    }
    (void)BatteryPercent(bytes);
    (void)SignalDbm(bytes);
    (void)OwnNumber(bytes);
    (void)IsClockText(ClockText(bytes));
}

void TalkToPhone(FuzzedDataProvider &input)
{
    fuzz::CFuzzedSerial serial(input);
    CAtEngine engine(serial, QStringLiteral("fuzz"), {.commandMs = 50, .quietMs = 1});
    CPhoneBook book;
    if (book.Select(engine, "SM") >= 0 && book.Load(engine, Charset::Ucs2)) {
        for (int location = 0; location <= 3; ++location)
            (void)book.Find(location);
    }
    CShortMessages messages;
    if (messages.Select(engine, "ME")) {
        if (const auto list = messages.List(engine, 5))
            CheckMessages(*list);
        if (const auto message = messages.Read(engine, 1))
            CheckMessages({*message});
    }
    (void)ReadMobileInfo(engine);
    (void)ReadSimInfo(engine, Charset::Gsm);
    (void)ReadClock(engine);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ParseDirectly(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    FuzzedDataProvider input(data, size);
    TalkToPhone(input);
    return 0;
}
