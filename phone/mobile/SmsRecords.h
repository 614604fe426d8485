// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Between the program's SmsRecord and the messages the phone keeps.

#include "phone/PhoneApi.h"
#include "phone/mobile/ShortMessages.h"
#include "phone/sms/SmsPdu.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace orrin::phone {

// Validity code of a message that gives none (received messages): "Max".
constexpr int kNoValidityCode = kMaxValidityCode;

// Fills a zeroed record: location, status, number ("+" for international
// numbers), time yyMMddhhmmss of a received message, content, validity code,
// report flag and handfree (class 0). A message whose PDU could not be read
// keeps its location and status and has no text.
void FillSmsRecord(const StoredMessage &message, SmsRecord &record);

// What the program hands over with a message.
struct OutgoingMessage {
    QString content;
    QString number;  // international, with or without "+"; empty: no recipient yet
    bool report = false;
    int validity = kMaxValidityCode;
    bool handfree = false;
};

// The SMS-SUBMIT that sends the message; nothing when its text needs more
// than one message or its number is no number.
std::optional<SmsPdu> SubmitPdu(const OutgoingMessage &message);
// The PDU a message of this status is stored as: a received one (0, 1) as an
// SMS-DELIVER from the number, stamped now; an unsent or sent one (2, 3) as
// its SMS-SUBMIT.
std::optional<SmsPdu> StoredPdu(const OutgoingMessage &message, int status, const QDateTime &now);

} // namespace orrin::phone
