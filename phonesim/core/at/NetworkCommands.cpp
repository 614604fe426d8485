// SPDX-License-Identifier: GPL-2.0-or-later
// What a general-purpose 27.007 client asks while it starts: power level,
// SIM lock, network registration and operator, hang-up, the message
// indications and service, the capabilities and caller id. The
// phone is always on, unlocked and registered on its home network.
#include "phonesim/core/at/CommandTable.h"
#include "phonesim/core/SimPhone.h"
#include "phonesim/core/SimText.h"

namespace phonesim {
namespace {

constexpr int kCmeNotSupported = 4;

// A set form that takes one number from the given choices and remembers nothing.
Handler Accepts(const QList<int> &choices)
{
    return [choices](CSimPhone &, const QByteArray &args) {
        const std::optional<int> value = WholeNumber(SplitArguments(args).value(0));
        return value && choices.contains(*value) ? SimAnswer::Ok() : SimAnswer::CmeError(kCmeNotSupported);
    };
}

Handler Answer(const QByteArray &line)
{
    return [line](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({line}); };
}

SimAnswer Done(CSimPhone &, const QByteArray &)
{
    return SimAnswer::Ok();
}

SimAnswer Operator(CSimPhone &phone, const QByteArray &)
{
    return SimAnswer::Ok({"+COPS: 0,0," + Quoted(phone.State().operatorName.toLatin1())});
}

SimAnswer Operators(CSimPhone &phone, const QByteArray &)
{
    const SimState &state = phone.State();
    return SimAnswer::Ok({"+COPS: (2," + Quoted(state.operatorName.toLatin1()) + ',' +
                          Quoted(state.operatorName.left(8).toLatin1()) + ',' +
                          Quoted(state.operatorCode.toLatin1()) + "),,(0-4),(0-2)"});
}

} // namespace

void AddNetworkCommands(CCommandTable &table)
{
    table.Add("+CFUN", {{}, Answer("+CFUN: 1"), Answer("+CFUN: (1),(0)"), Accepts({1})});
    table.Add("+CPIN", {{}, Answer("+CPIN: READY"), Done, {}});
    table.Add("+CHUP", {Done, {}, Done, {}});
    table.Add("+CREG", {{}, Answer("+CREG: 0,1"), Answer("+CREG: (0-2)"), Accepts({0, 1, 2})});
    table.Add("+COPS", {{}, Operator, Operators, Accepts({0})});
    table.Add("+CNMI", {{}, Answer("+CNMI: 1,1,0,0,1"), Answer("+CNMI: (0-3),(0-3),(0,2,3),(0-2),(1)"), Done});
    table.Add("+CSMS", {{}, Answer("+CSMS: 0,1,1,1"), Answer("+CSMS: (0)"), Accepts({0})});
    table.Add("+CLIP", {{}, Answer("+CLIP: 0,1"), Answer("+CLIP: (0,1)"), Accepts({0, 1})});
    table.Add("+CRC", {{}, Answer("+CRC: 0"), Answer("+CRC: (0,1)"), Accepts({0, 1})});
    table.Add("+GCAP", {Answer("+GCAP: +CGSM,+FCLASS"), {}, Done, {}});
}

} // namespace phonesim
