// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The address-book store of the newer family (S55, S56, S57): the phone's
// entries addressed by their position in the name-sorted list, and the local
// file S57Addrbook.aml. Completion message: WM_S57ADDRBOOK_DONE.

#include "stores/addrbook/AddrbookRecord.h"
#include "stores/addrbook/AddrbookStore.h"

#include <QCoreApplication>

namespace orrin {

class CS57AddrbookData : public TAddrbookStore<S57AddrbookRecord> {
    Q_DECLARE_TR_FUNCTIONS(CS57AddrbookData)

public:
    CS57AddrbookData();

    // Reads, then puts the list in name order.
    int ReadPhone() override;
    // Reads the phone first when it was not read on this line, writes the
    // new entry at the number of entries and adds it to the list.
    int WritePhoneNew() override;
    // Overwrites the entry at its position in place; the list entry is replaced.
    int ModifyPhone() override;
    // Clears the selected positions as one delete; the rest are renumbered.
    int DeletePhone() override;
    // Also replaces the list entry with the record written.
    int ModifyLocal() override;

    // Exchange sort on the name (bytes, case counts), then index = position:
    // the order in which the module addresses the entries.
    void SortPhoneList();

    // Set by every read of the phone on this line.
    bool m_bPhoneRead = false;

protected:
    void ForgetPhoneList() override;
};

// The global address-book store of the newer family.
CS57AddrbookData &TheS57AddrbookData();

} // namespace orrin
