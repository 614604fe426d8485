// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One command line as the phone reads it: "AT+CCLK?" is the read form of
// +CCLK, "AT+CMEE=1" its set form with the argument 1, "ATE0" the basic
// command E with the argument 0.

#include <QByteArray>

#include <optional>

namespace phonesim {

enum class AtForm { Exec, Read, Test, Set };

struct AtRequest {
    QByteArray name;  // "+CCLK", "^SCID", "E"; empty for AT alone
    AtForm form = AtForm::Exec;
    QByteArray args;

    // The name the command counts under: "AT+CCLK", "ATE", "AT".
    QByteArray CountName() const { return "AT" + name; }
};

// Nothing for a line that is no AT command. A malformed command comes back
// under a name no handler knows.
std::optional<AtRequest> ParseAtLine(const QByteArray &line);

// "AT+CCLK", "+cclk" and "+CCLK" all name +CCLK.
QByteArray CommandName(const QByteArray &text);

} // namespace phonesim
