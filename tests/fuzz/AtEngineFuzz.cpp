// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as the phone's answers to a plain command, a data entry and the
// resynchronisation after a broken exchange: the engine ends every exchange
// and hands over only whole lines of printable text within the line limit.
#include "phone/line/AtEngine.h"
#include "tests/fuzz/FuzzedSerial.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool IsPlainLine(const QByteArray &line)
{
    return !line.isEmpty() && line.size() <= orrin::phone::CAnswerLines::kDefaultMaxLength &&
           std::none_of(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; });
}

void Check(const orrin::phone::AtReply &reply)
{
    if (!std::all_of(reply.lines.begin(), reply.lines.end(), IsPlainLine))
        std::abort();
    (void)reply.Value("+CPBR");
    if (!reply.lines.isEmpty())
        (void)orrin::phone::AtFields(reply.lines.front());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    orrin::phone::fuzz::CFuzzedSerial serial(input);
    if (input.ConsumeBool())
        serial.LoseLineAtEnd();
    orrin::phone::CAtEngine engine(serial, QStringLiteral("fuzz"), {.commandMs = 50, .quietMs = 1});
    Check(engine.Run("AT+CPBR=1,250", 4000));
    Check(engine.RunWithData("AT+CMGW=23,2", "0011000B916407281553F80000AA0AE8329BFD4697D9EC37"));
    Check(engine.Run("AT+CGSN"));
    return 0;
}
