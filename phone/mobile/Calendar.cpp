// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/Calendar.h"

#include "phone/vobject/VCalendar.h"

namespace orrin::phone {
namespace {

const QByteArray kEventType = "vcs";
// Larger than any calendar these phones hold.
constexpr int kMaxEntries = 1000;

} // namespace

int CCalendar::Slots(CAtEngine &engine, CObjectChannel &channel)
{
    const std::optional<ObjectRange> range = channel.Range(engine, kEventType);
    return range ? std::min(range->last - range->first + 1, kMaxEntries) : -1;
}

std::optional<int> CCalendar::SlotOf(CAtEngine &engine, CObjectChannel &channel, int entry)
{
    const std::optional<ObjectRange> range = channel.Range(engine, kEventType);
    if (!range || entry < 1 || entry > Slots(engine, channel))
        return std::nullopt;
    return range->first + entry - 1;
}

std::optional<std::optional<QByteArray>> CCalendar::Held(CAtEngine &engine, CObjectChannel &channel, int entry)
{
    const std::optional<int> slot = SlotOf(engine, channel, entry);
    if (!slot)
        return std::nullopt;
    const ObjectRead read = channel.Read(engine, kEventType, *slot, CObjectChannel::kMaxTextObjectBytes);
    if (read.status == ObjectStatus::Failed)
        return std::nullopt;
    const std::optional<QByteArray> held =
        read.status == ObjectStatus::Found ? std::optional(read.data) : std::nullopt;
    m_known[entry] = held;
    return held;
}

std::optional<QByteArray> CCalendar::Event(CAtEngine &engine, CObjectChannel &channel, int entry)
{
    const std::optional<std::optional<QByteArray>> held = Held(engine, channel, entry);
    if (!held || !*held || !CVCalendar::Parse(**held))
        return std::nullopt;
    return *held;
}

std::optional<int> CCalendar::FirstFree(CAtEngine &engine, CObjectChannel &channel)
{
    const int entries = Slots(engine, channel);
    for (int entry = 1; entry <= entries; ++entry) {
        const auto known = m_known.find(entry);
        const std::optional<std::optional<QByteArray>> held =
            known != m_known.end() ? std::optional(known->second) : Held(engine, channel, entry);
        if (!held)
            return std::nullopt;
        if (!*held)
            return entry;
    }
    return std::nullopt;
}

bool CCalendar::Write(CAtEngine &engine, CObjectChannel &channel, int entry, const EventMaker &make)
{
    const std::optional<int> target = entry == 0 ? FirstFree(engine, channel) : entry;
    const auto known = target ? m_known.find(*target) : m_known.end();
    const std::optional<std::optional<QByteArray>> base =
        !target ? std::nullopt : known != m_known.end() ? std::optional(known->second) : Held(engine, channel, *target);
    // An entry that holds something else than an event is never overwritten.
    if (!base || (*base && !CVCalendar::Parse(**base)))
        return false;
    const std::optional<int> slot = SlotOf(engine, channel, *target);
    const std::optional<QByteArray> event = make(*base);
    if (!slot || !event || !channel.Write(engine, kEventType, *slot, *event))
        return false;
    m_known[*target] = *event;
    return true;
}

bool CCalendar::Clear(CAtEngine &engine, CObjectChannel &channel, int entry)
{
    const std::optional<int> slot = SlotOf(engine, channel, entry);
    if (!slot || !channel.Delete(engine, kEventType, *slot))
        return false;
    m_known[entry] = std::nullopt;
    return true;
}

} // namespace orrin::phone
