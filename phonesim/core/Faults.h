// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Faults the simulated phone can be told to show, for testing how the host
// copes. Counting is over every command received since the start.
//  silent-after=N   after N commands the phone answers nothing, not even its
//                   echo, as if stuck in an unfinished data entry, until it
//                   receives ESC or the host closes the line;
//  garbage-after=N  likewise, but every command gets a burst of noise;
//  hangup-after=N   command N+1 drops the line: the pseudo-terminal closes
//                   and a new one takes its place (a cable pulled and put back);
//  error=CMD:CODE   every CMD (AT+CCLK, +CCLK) is answered with that error:
//                   a number gives +CME ERROR (+CMS ERROR for short-message
//                   commands), "ERROR" a plain ERROR, "BUSY" the text
//                   +CME ERROR: PHONE BUSY of a phone in a call.
// The first three strike once each.

#include "phonesim/core/at/SimAnswer.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace phonesim {

struct FaultPlan {
    int silentAfter = -1;
    int garbageAfter = -1;
    int hangupAfter = -1;
    QHash<QByteArray, SimAnswer> errors;  // by command name, "+CCLK"
};

// Adds one fault given as above; false with the reason for a bad one.
bool AddFault(FaultPlan &plan, const QString &fault, QString *error);

} // namespace phonesim
