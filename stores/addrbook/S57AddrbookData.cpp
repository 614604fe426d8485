// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/addrbook/S57AddrbookData.h"

#include "link/Messages.h"
#include "link/Translated.h"
#include "link/WaitText.h"
#include "stores/common/LocalFileFormats.h"
#include "stores/common/StoreFailure.h"
#include "stores/common/TextField.h"

#include <cstring>
#include <utility>

namespace orrin {

CS57AddrbookData::CS57AddrbookData()
    : TAddrbookStore({"GetVCF_S57", "SetVCF_S57", "ClearVCF_S57", kS57AddrbookFile.fileName,
                      kS57AddrbookFile.format,
                      &SameS57Entry, WM_S57ADDRBOOK_DONE})
{
}

// A list read from another phone (or before the line closed) is no guide to
// this one's positions, so the next new entry reads the phone first.
void CS57AddrbookData::ForgetPhoneList()
{
    TAddrbookStore::ForgetPhoneList();
    m_bPhoneRead = false;
}

int CS57AddrbookData::ReadPhone()
{
    if (!ReadPhoneList())
        return 0;
    m_bPhoneRead = true;
    SortPhoneList();
    MergeLists();
    return 1;
}

void CS57AddrbookData::SortPhoneList()
{
    for (qsizetype i = 0; i < m_phoneList.size(); ++i) {
        for (qsizetype j = i; j < m_phoneList.size(); ++j) {
            if (TextFieldBytes(m_phoneList[j].name) < TextFieldBytes(m_phoneList[i].name))
                std::swap(m_phoneList[i], m_phoneList[j]);
        }
    }
    for (qsizetype position = 0; position < m_phoneList.size(); ++position)
        m_phoneList[position].index = int32_t(position);
}

int CS57AddrbookData::WritePhoneNew()
{
    if (!ReadyForPhone())
        return 0;
    SetWaitText(tr("Reading address book"));
    if (!m_bPhoneRead && !ReadPhone())
        return 0;
    SetWaitText(tr("Saving address book"));
    const std::optional<int> count = EntryCount(Translated("TAddrbookStore", kAddrbookWriteFailedText));
    if (!count)
        return 0;
    // The count names the next position only when the list holds every entry.
    if (*count != m_phoneList.size())
        return Fail(Translated("TAddrbookStore", kAddrbookListForgottenText));
    TerminateAddrbookTexts(m_phoneRecord);
    if (!CallEntry(m_pSetEntry, &m_phoneRecord, int32_t(*count)))
        return Fail(Translated("TAddrbookStore", kAddrbookWriteFailedText));
    m_phoneList.append(m_phoneRecord);
    SortPhoneList();
    return 1;
}

int CS57AddrbookData::ModifyPhone()
{
    if (!ReadyForPhone())
        return 0;
    if (!ListedPhoneRecord())
        return Fail(Translated("TAddrbookStore", kAddrbookListForgottenText));
    if (!EntryCount(Translated("TAddrbookStore", kAddrbookWriteFailedText)))
        return 0;
    TerminateAddrbookTexts(m_phoneRecord);
    if (!CallEntry(m_pSetEntry, &m_phoneRecord, int32_t(m_phoneRecord.index)))
        return Fail(Translated("TAddrbookStore", kAddrbookWriteFailedText));
    m_phoneList.removeAt(m_selection.front());
    m_phoneList.append(m_phoneRecord);
    SortPhoneList();
    return 1;
}

// The module takes clears at rising positions close together as one delete;
// the count before them ends any delete that came before.
int CS57AddrbookData::DeletePhone()
{
    if (!ReadyForPhone())
        return 0;
    if (!EntryCount(tr("Unable to delete address book!")))
        return 0;
    if (!TAddrbookStore::DeletePhone())
        return 0;
    SortPhoneList();
    return 1;
}

int CS57AddrbookData::ModifyLocal()
{
    if (!TAddrbookStore::ModifyLocal())
        return 0;
    m_localList[m_selection.front()] = m_localRecord;
    return 1;
}

CS57AddrbookData &TheS57AddrbookData()
{
    static CS57AddrbookData store;
    return store;
}

} // namespace orrin
