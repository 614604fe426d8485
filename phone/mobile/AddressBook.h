// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's address book: the vCards of the "vcf" range, scanned once per
// line and kept, so that counting and reading every entry costs one read per
// slot however often the program asks. The copy follows the module's own
// writes and deletes.
//
// Two ways of addressing an entry:
// - by slot (older family): a new entry goes to the slot named when that is
//   empty, else to the first free slot; an occupied slot is never
//   overwritten by a new entry. A write into the slot cleared just before
//   (the store's modify is a delete and a write) is a change of that entry.
// - by position in the name-sorted list (newer family): the module keeps
//   the list the store keeps, in exactly its order: scan order, new and
//   changed entries appended, then the exchange sort on the name fields by
//   byte comparison. Deleted entries keep their positions until the store's
//   delete is over (the store deletes several positions of one list before
//   it renumbers).

#include "phone/mobile/ObjectChannel.h"

#include <QElapsedTimer>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace orrin::phone {

class CAddressBook {
public:
    // The card's bytes made from the caller's record and the card read
    // before from that slot (nothing: a new card); nothing when the record
    // cannot be taken.
    using CardMaker = std::function<std::optional<QByteArray>(const std::optional<QByteArray> &base)>;

    // Larger than any address book these phones hold.
    static constexpr int kMaxSlots = 1000;

    // The number of entries; -1 when the phone could not be read.
    int Count(CAtEngine &engine, CObjectChannel &channel);
    // The card of the slot; nothing for an empty slot, one outside the
    // phone's range, an object that is no vCard (it stays on the phone, but
    // is no entry), or a failed scan. forList: a read of the store that keeps
    // the name-sorted list, which then starts again from scan order.
    std::optional<QByteArray> Card(CAtEngine &engine, CObjectChannel &channel, int slot, bool forList);

    bool WriteSlot(CAtEngine &engine, CObjectChannel &channel, int slot, const CardMaker &make);
    bool ClearSlot(CAtEngine &engine, CObjectChannel &channel, int slot);

    // name: the record's name field, as the store sorts it.
    bool WritePosition(CAtEngine &engine, CObjectChannel &channel, int position, const QByteArray &name,
                       const CardMaker &make);
    bool ClearPosition(CAtEngine &engine, CObjectChannel &channel, int position);

private:
    struct Listed {
        int slot;
        QByteArray name;
        bool gone = false;
    };

    bool Scanned(CAtEngine &engine, CObjectChannel &channel);
    std::optional<int> FirstFree() const;
    // Writes the card made on the base into the slot and keeps it.
    bool Store(CAtEngine &engine, CObjectChannel &channel, int slot, const std::optional<QByteArray> &base,
               const CardMaker &make);
    void RebuildList();
    void SettleList();
    void SortList();

    std::optional<ObjectRange> m_range;
    std::map<int, QByteArray> m_cards;  // every occupied slot
    std::optional<std::pair<int, QByteArray>> m_justCleared;
    std::vector<Listed> m_list;
    bool m_listReadPending = false;
    bool m_keepGone = false;
    int m_lastClearedPosition = -1;
    QElapsedTimer m_sinceClear;
};

} // namespace orrin::phone
