// SPDX-License-Identifier: GPL-2.0-or-later
// The phone's identity and state, the SIM card and the clock.
#include "phonesim/core/at/CommandTable.h"
#include "phonesim/core/SimPhone.h"
#include "phonesim/core/SimText.h"

namespace phonesim {
namespace {

// Type of address: 145 international ("+..."), 129 otherwise.
QByteArray NumberType(const QString &number)
{
    return number.startsWith(QLatin1Char('+')) ? "145" : "129";
}

// A command that answers one text of the state on its own line.
CommandForms PlainText(QString SimState::*field)
{
    return {[field](CSimPhone &phone, const QByteArray &) {
                return SimAnswer::Ok({(phone.State().*field).toLatin1()});
            },
            {}, [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok(); }, {}};
}

SimAnswer Battery(CSimPhone &phone, const QByteArray &)
{
    const SimState &state = phone.State();
    return SimAnswer::Ok({"+CBC: " + QByteArray::number(state.batteryStatus) + ',' +
                          QByteArray::number(state.batteryPercent)});
}

SimAnswer Signal(CSimPhone &phone, const QByteArray &)
{
    const SimState &state = phone.State();
    return SimAnswer::Ok({"+CSQ: " + QByteArray::number(state.rssi) + ',' + QByteArray::number(state.bitErrorRate)});
}

SimAnswer OwnNumber(CSimPhone &phone, const QByteArray &)
{
    const SimState &state = phone.State();
    if (state.ownNumber.isEmpty())
        return SimAnswer::Ok();
    // The name follows the character set, the number does not.
    return SimAnswer::Ok({"+CNUM: " + Quoted(TextInCharset(state.ownAlpha, phone.charset)) + ',' +
                          Quoted(state.ownNumber.toLatin1()) + ',' + NumberType(state.ownNumber)});
}

SimAnswer CardNumber(CSimPhone &phone, const QByteArray &)
{
    return SimAnswer::Ok({"^SCID: " + phone.State().cardNumber.toLatin1()});
}

SimAnswer ServiceCentre(CSimPhone &phone, const QByteArray &)
{
    // The centre's number follows the character set.
    const QString &centre = phone.State().serviceCentre;
    return SimAnswer::Ok({"+CSCA: " + Quoted(TextInCharset(centre, phone.charset)) + ',' + NumberType(centre)});
}

SimAnswer Clock(CSimPhone &phone, const QByteArray &)
{
    return SimAnswer::Ok({"+CCLK: " + Quoted(phone.ClockText().toLatin1())});
}

SimAnswer SetClock(CSimPhone &phone, const QByteArray &args)
{
    const QByteArray text = args.trimmed();
    const bool quoted = text.size() >= 2 && text.startsWith('"') && text.endsWith('"');
    if (!quoted || !phone.SetClock(QString::fromLatin1(text.mid(1, text.size() - 2))))
        return SimAnswer::CmeError(kCmeNotAllowed);
    return SimAnswer::Ok();
}

SimAnswer Empty(CSimPhone &, const QByteArray &)
{
    return SimAnswer::Ok();
}

} // namespace

void AddIdentityCommands(CCommandTable &table)
{
    table.Add("+CGMI", PlainText(&SimState::manufacturer));
    table.Add("+CGMM", PlainText(&SimState::model));
    table.Add("+CGMR", PlainText(&SimState::revision));
    table.Add("+CGSN", PlainText(&SimState::imei));
    table.Add("+CIMI", PlainText(&SimState::imsi));
    table.Add("+CBC", {Battery, {}, Empty, {}});
    table.Add("+CSQ", {Signal, {}, Empty, {}});
    table.Add("+CNUM", {OwnNumber, {}, Empty, {}});
    table.Add("^SCID", {CardNumber, {}, Empty, {}});
    table.Add("+CSCA", {{}, ServiceCentre, Empty, {}});
    table.Add("+CCLK", {{}, Clock, Empty, SetClock});
}

} // namespace phonesim
