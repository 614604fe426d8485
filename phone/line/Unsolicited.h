// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Telling the answer to a command from the lines a phone sends on its own
// (new message, battery level, ring) that can arrive in between.

#include "phone/line/LineExport.h"

#include <QByteArray>

namespace orrin::phone {

// The prefix an answer line of the command carries: "AT+CBC" -> "+CBC",
// "AT+CSCA?" -> "+CSCA", "AT^SCID" -> "^SCID"; empty for basic commands.
PHONELINE_API QByteArray AnswerPrefixOf(const QByteArray &command);

// A line that is not part of the answer to a command with this prefix.
PHONELINE_API bool IsUnsolicited(const QByteArray &line, const QByteArray &expectedPrefix);

// Unsolicited lines followed by a line of data that belongs to them.
PHONELINE_API bool UnsolicitedHasDataLine(const QByteArray &line);

} // namespace orrin::phone
