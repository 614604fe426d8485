// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/addrbook/AddrbookData.h"

#include "link/Messages.h"
#include "link/Translated.h"
#include "link/WaitText.h"
#include "stores/common/LocalFileFormats.h"
#include "stores/common/StoreFailure.h"

namespace orrin {
namespace {

const char *const kNotReadAgainText = QT_TRANSLATE_NOOP("CAddrbookData",
                                                        "The entry was saved, but the address book could not be read "
                                                        "again.\nPlease read the address book again.");

} // namespace

CAddrbookData::CAddrbookData()
    : TAddrbookStore({"GetVCF", "SetVCF", "ClearVCF", kAddrbookFile.fileName, kAddrbookFile.format,
                      &SameAddrbookEntry, WM_ADDRBOOK_DONE})
{
}

int CAddrbookData::WritePhoneNew()
{
    if (!ReadyForPhone())
        return 0;
    const std::optional<int> count = EntryCount(Translated("TAddrbookStore", kAddrbookWriteFailedText));
    if (!count)
        return 0;
    TerminateAddrbookTexts(m_phoneRecord);
    if (!CallEntry(m_pSetEntry, &m_phoneRecord, int32_t(*count)))
        return Fail(Translated("TAddrbookStore", kAddrbookWriteFailedText));
    SetWaitText(tr("Reading address book"));
    return ReadPhone() ? 1 : Fail(tr(kNotReadAgainText));
}

int CAddrbookData::ModifyPhone()
{
    if (!ReadyForPhone())
        return 0;
    const AddrbookRecord *listed = ListedPhoneRecord();
    if (!listed)
        return Fail(Translated("TAddrbookStore", kAddrbookListForgottenText));
    const AddrbookRecord old = *listed;
    TerminateAddrbookTexts(m_phoneRecord);
    if (!CallEntry(m_pClearEntry, int32_t(old.index)))
        return Fail(tr("Failed to delete address book!"));
    if (!CallEntry(m_pSetEntry, &m_phoneRecord, int32_t(old.index))) {
        if (CallEntry(m_pSetEntry, &old, int32_t(old.index)))
            return Fail(Translated("TAddrbookStore", kAddrbookWriteFailedText));
        return Fail(Translated("TAddrbookStore", kAddrbookWriteFailedText)
                    + tr("\nThe old entry could not be written back either; please save it to the phone again."));
    }
    SetWaitText(tr("Reading address book"));
    return ReadPhone() ? 1 : Fail(tr(kNotReadAgainText));
}

CAddrbookData &TheAddrbookData()
{
    static CAddrbookData store;
    return store;
}

} // namespace orrin
