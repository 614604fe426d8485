// SPDX-License-Identifier: GPL-2.0-or-later
// Mobile: the address books of both families and the calendar, as vCards and
// vCalendar events in the phone's object memory.
#include "phone/mobile/MobileSession.h"
#include "phone/mobile/ObjectRecords.h"
#include "phone/PhoneApi.h"

#include <cstring>

using namespace orrin::phone;

namespace {

template <typename Record>
CAddressBook::CardMaker CardMakerFor(const Record &record)
{
    return [record](const std::optional<QByteArray> &base) { return ObjectFromRecord(record, base); };
}

template <typename Record>
PhoneFlag ReadCard(Record *record, int32_t slot, bool forList)
{
    if (!record)
        return 0;
    std::memset(record, 0, sizeof *record);
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        const std::optional<QByteArray> card = session.addressBook.Card(engine, session.objects, slot, forList);
        if (!card || !FillRecord(*card, *record))
            return 0;
        record->index = slot;
        return 1;
    });
}

} // namespace

extern "C" {

PHONE_EXPORT int32_t GetAddressBookNum(void)
{
    return WithSession<int32_t>(-1, [](CAtEngine &engine, CMobileSession &session) {
        return session.addressBook.Count(engine, session.objects);
    });
}

PHONE_EXPORT PhoneFlag GetVCF(AddrbookRecord *record, int32_t slot)
{
    return ReadCard(record, slot, false);
}

PHONE_EXPORT PhoneFlag GetVCF_S57(S57AddrbookRecord *record, int32_t slot)
{
    return ReadCard(record, slot, true);
}

PHONE_EXPORT PhoneFlag SetVCF(const AddrbookRecord *record, int32_t slot)
{
    if (!record)
        return 0;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.addressBook.WriteSlot(engine, session.objects, slot, CardMakerFor(*record));
    });
}

PHONE_EXPORT PhoneFlag ClearVCF(int32_t slot)
{
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.addressBook.ClearSlot(engine, session.objects, slot);
    });
}

PHONE_EXPORT PhoneFlag SetVCF_S57(const S57AddrbookRecord *record, int32_t position)
{
    const std::optional<QByteArray> name = record ? NameField(*record) : std::nullopt;
    if (!name)
        return 0;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.addressBook.WritePosition(engine, session.objects, position, *name, CardMakerFor(*record));
    });
}

PHONE_EXPORT PhoneFlag ClearVCF_S57(int32_t position)
{
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.addressBook.ClearPosition(engine, session.objects, position);
    });
}

PHONE_EXPORT int32_t GetAdrCaleSpace(int32_t selector)
{
    if (selector != 0 && selector != 1)
        return -1;
    // Entries are numbered from 1, so the highest entry number is the number of slots.
    return WithSession<int32_t>(-1, [](CAtEngine &engine, CMobileSession &session) {
        return session.calendar.Slots(engine, session.objects);
    });
}

PHONE_EXPORT PhoneFlag GetVCS(CalendarRecord *record, int32_t entry)
{
    if (!record)
        return 0;
    std::memset(record, 0, sizeof *record);
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        const std::optional<QByteArray> event = session.calendar.Event(engine, session.objects, entry);
        if (!event || !FillRecord(*event, *record))
            return 0;
        record->index = entry;
        return 1;
    });
}

PHONE_EXPORT PhoneFlag SetVCS(const CalendarRecord *record, int32_t entry)
{
    if (!record)
        return 0;
    const CalendarRecord copy = *record;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.calendar.Write(engine, session.objects, entry, [&](const std::optional<QByteArray> &base) {
            return ObjectFromRecord(copy, base);
        });
    });
}

PHONE_EXPORT PhoneFlag ClearVCS(int32_t entry)
{
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.calendar.Clear(engine, session.objects, entry);
    });
}

} // extern "C"
