// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's calendar: vCalendar objects of the "vcs" range, entry numbers
// from 1 (entry n is the range's n-th slot). Entry 0 written means a new
// entry in the first free slot. What was read is remembered per entry, so a
// changed entry keeps the properties the record has no field for.

#include "phone/mobile/ObjectChannel.h"

#include <functional>
#include <map>
#include <optional>

namespace orrin::phone {

class CCalendar {
public:
    // The entry's bytes made on the entry read before (nothing: a new one).
    using EventMaker = std::function<std::optional<QByteArray>(const std::optional<QByteArray> &base)>;

    // The number of entries the phone has room for; -1 when it does not say.
    int Slots(CAtEngine &engine, CObjectChannel &channel);
    // The entry's object; nothing for an empty entry, one outside the range or a failed read.
    std::optional<QByteArray> Event(CAtEngine &engine, CObjectChannel &channel, int entry);
    bool Write(CAtEngine &engine, CObjectChannel &channel, int entry, const EventMaker &make);
    bool Clear(CAtEngine &engine, CObjectChannel &channel, int entry);

private:
    std::optional<int> SlotOf(CAtEngine &engine, CObjectChannel &channel, int entry);
    // What the entry holds (nothing inside: empty); nothing when it could not be read.
    std::optional<std::optional<QByteArray>> Held(CAtEngine &engine, CObjectChannel &channel, int entry);
    std::optional<int> FirstFree(CAtEngine &engine, CObjectChannel &channel);

    std::map<int, std::optional<QByteArray>> m_known;  // by entry; nothing inside: empty
};

} // namespace orrin::phone
