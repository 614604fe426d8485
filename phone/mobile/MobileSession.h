// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the Mobile module knows about the phone on the open line: the
// character set its texts travel in, the phone-book memory with its read
// entries, the message memory in PDU mode, and the object channel with the
// address book and calendar read through it. Forgotten whenever a line is
// opened or closed.

#include "phone/mobile/AddressBook.h"
#include "phone/line/AtEngine.h"
#include "phone/mobile/AtText.h"
#include "phone/mobile/Calendar.h"
#include "phone/mobile/ObjectChannel.h"
#include "phone/mobile/PhoneBook.h"
#include "phone/mobile/ShortMessages.h"

#include <functional>

namespace orrin::phone {

struct CMobileSession {
    Charset charset = Charset::Unknown;
    CPhoneBook book;
    CShortMessages messages;
    CObjectChannel objects;
    CAddressBook addressBook;
    CCalendar calendar;

    // AT+CSCS; the character set stays as it was when the phone refuses.
    bool ChooseCharset(CAtEngine &engine, Charset chosen);
    // The character set for names; UCS2 is chosen when none has been yet.
    std::optional<Charset> TextCharset(CAtEngine &engine);
};

// Runs work with the session on the open line, one call at a time; failure
// when no line is open or anything was thrown. The session has a lock of its
// own, taken inside the line's, so that it can be forgotten without a line.
template <typename Result>
Result WithSession(Result failure, const std::function<Result(CAtEngine &, CMobileSession &)> &work);

// Forgets what the session knew (a line was opened or closed).
void ForgetSession();

} // namespace orrin::phone
