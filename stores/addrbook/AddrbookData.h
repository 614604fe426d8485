// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The address-book store of the older family (S45i, ME45, SL45i, ...): the
// cards of the phone, addressed by their slot, and the local file
// Addrbook.aml. Completion message: WM_ADDRBOOK_DONE.

#include "stores/addrbook/AddrbookRecord.h"
#include "stores/addrbook/AddrbookStore.h"

#include <QCoreApplication>

namespace orrin {

class CAddrbookData : public TAddrbookStore<AddrbookRecord> {
    Q_DECLARE_TR_FUNCTIONS(CAddrbookData)

public:
    CAddrbookData();

    // Writes m_phoneRecord as a new entry (the module puts it in the first
    // free slot), then reads the phone again to learn where it went.
    int WritePhoneNew() override;
    // The module has no change of an entry: the slot is cleared and written
    // again. When the write fails after the clear, the old entry goes back to
    // its slot before the failure is reported, so a failed modify never loses it.
    int ModifyPhone() override;
};

// The global address-book store of the older family.
CAddrbookData &TheAddrbookData();

} // namespace orrin
