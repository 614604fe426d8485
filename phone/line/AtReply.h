// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the phone answered to one command.

#include "phone/line/LineExport.h"

#include <QByteArray>
#include <QList>

namespace orrin::phone {

enum class AtOutcome {
    Ok,        // final OK
    Error,     // final ERROR
    CmeError,  // final +CME ERROR: <n>
    CmsError,  // final +CMS ERROR: <n>
    Prompt,    // the "> " data prompt
    Timeout,   // no final answer before the deadline
    LineLost,  // the line went away (device gone, hung up)
    Garbled,   // a final answer came, but information lines were lost to noise
};

struct PHONELINE_API AtReply {
    AtOutcome outcome = AtOutcome::Timeout;
    int errorCode = -1;         // +CME / +CMS error number; -1 when the phone gave text
    QList<QByteArray> lines;    // information lines; echo and unsolicited lines removed

    bool IsOk() const { return outcome == AtOutcome::Ok; }
    // The exchange itself broke; later commands need the line resynchronised.
    bool LineFailed() const;
    // The first information line, without a leading "<prefix>:" when it has one.
    QByteArray Value(const QByteArray &prefix = {}) const;
};

// Splits an answer value into its comma-separated fields, quotes and blanks
// outside quotes removed:
// "\"Own\",\"+4917\",145" gives Own, +4917, 145. Commas inside quotes stay.
PHONELINE_API QList<QByteArray> AtFields(const QByteArray &value);

} // namespace orrin::phone
