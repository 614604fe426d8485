// SPDX-License-Identifier: GPL-2.0-or-later
// AT alone, echo, reset and the error reporting mode.
#include "phonesim/core/at/CommandTable.h"
#include "phonesim/core/SimPhone.h"

namespace phonesim {
namespace {

// A 0/1 switch argument; basic commands take an empty one as 0.
std::optional<bool> Switch(const QByteArray &args)
{
    if (args.isEmpty() || args == "0")
        return false;
    if (args == "1")
        return true;
    return std::nullopt;
}

SimAnswer SetEcho(CSimPhone &phone, const QByteArray &args)
{
    const std::optional<bool> on = Switch(args);
    if (!on)
        return SimAnswer::Error();
    phone.echo = *on;
    return SimAnswer::Ok();
}

SimAnswer SetErrorMode(CSimPhone &phone, const QByteArray &args)
{
    const std::optional<bool> numeric = Switch(args);
    if (!numeric || args.isEmpty())
        return SimAnswer::Error();
    phone.numericErrors = *numeric;
    return SimAnswer::Ok();
}

} // namespace

void AddBasicCommands(CCommandTable &table)
{
    table.Add("", {[](CSimPhone &, const QByteArray &) { return SimAnswer::Ok(); }, {}, {}, {}});
    table.Add("E", {SetEcho, {}, {}, SetEcho});
    table.Add("Z", {[](CSimPhone &phone, const QByteArray &) {
                        phone.echo = true;
                        phone.numericErrors = false;
                        phone.charset = "GSM";
                        return SimAnswer::Ok();
                    },
                    {}, {}, {}});
    table.Add("+CMEE", {{},
                        [](CSimPhone &phone, const QByteArray &) {
                            return SimAnswer::Ok({"+CMEE: " + QByteArray::number(phone.numericErrors ? 1 : 0)});
                        },
                        [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"+CMEE: (0,1)"}); },
                        SetErrorMode});
}

} // namespace phonesim
