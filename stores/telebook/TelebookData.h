// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone-book store: the entries of the phone memory, of the SIM card and
// of the local file Telebook.tml. It runs the phone-book command codes on the
// worker thread through the Mobile module and keeps Telebook.tml in step.
//
// The view fills m_editRecord or m_localEditRecord, m_selection and
// g_nMemory, then writes a command code; it reads the lists only after
// WM_TELEBOOK_DONE has arrived.

#include "link/MobileLink.h"
#include "stores/common/RecordList.h"
#include "stores/telebook/TelebookRecord.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <optional>

namespace orrin {

// Command codes of the phone-book store.
enum TelebookCommand : int {
    kTelebookRead = 1,   // read the memory of g_nMemory
    kTelebookWrite = 2,  // a new entry: m_editRecord (phone, SIM) or m_localEditRecord (local)
    kTelebookModify = 3, // the entry at m_selection's first position
    kTelebookDelete = 4, // the entries at m_selection's positions
    kTelebookSync = 5,   // copy phone and SIM entries missing from Telebook.tml into it
};

class CTelebookData : public CMobileLink {
    Q_DECLARE_TR_FUNCTIONS(CTelebookData)

public:
    CTelebookData();

    // Codes 1 to 4 act on g_nMemory (1 phone, 2 SIM card, 3 local file; any
    // other memory does nothing and succeeds), code 5 synchronises. Then the
    // slot is cleared and WM_TELEBOOK_DONE goes to the view, or
    // WM_OPERATION_FAILED to the main frame with the reason in
    // g_strLastError. Other codes return at once and leave the slot alone.
    void RunOperation(QObject *view, int code) override;

    // Phone memory or SIM card, by g_nMemory. 1 success, 0 failure (reason in
    // g_strLastError; none when not connected). A selection, capacity or
    // range read the phone refused or did not answer (-1) is a failure that
    // leaves every list as it was. ReadTeleBook is taken as 1 (or more) an
    // entry, 0 an empty location, negative a
    // failed read of the memory. Write reads the memory again, for the phone
    // chooses the new entry's location; modify and delete first check that
    // each location still holds the entry listed.
    int ReadFromPhone();
    int WriteToPhone();
    int ModifyOnPhone();
    int DeleteFromPhone();

    // Save: the memory's list takes a copy of m_workList; Load: the reverse.
    void ExchangeWorkingList(ListExchange direction);

    // Adds every entry of m_workList and m_localList not yet in m_allList.
    void CollectAllEntries();

    // Telebook.tml of the current phone type. Each reads the file first, so
    // m_localList is always what the file holds (a missing file holds
    // nothing), and a modify or delete acts only on records the file still
    // holds where the view listed them. A file that cannot be opened, is not
    // a phone-book file or cannot take the change shows its box at once and
    // gives 0; an operation on the local file still reports success to the
    // view, which shows m_localList.
    int LoadLocalFile();
    int AppendToLocalFile();
    int ModifyInLocalFile();
    int DeleteFromLocalFile();
    void MergeIntoLocal();

    // Reads the phone memory (older phone family only) and the SIM card and
    // appends their entries missing from Telebook.tml to it; leaves g_nMemory
    // at 3. The result is that of the SIM read; a phone-memory read that
    // failed fails it at once.
    int SyncToLocal();

    static QString LocalFilePath();

    // The two flags, the capacity and the phone, SIM and work lists describe
    // one phone: the first phone operation after the line opened or closed or
    // the phone type changed clears them all.
    bool m_bPhoneLoaded = false;
    bool m_bSimLoaded = false;
    int m_nCapacity = 0;
    TelebookRecord m_editRecord{};
    TelebookRecord m_localEditRecord{};
    TelebookList m_phoneList;
    TelebookList m_simList;
    TelebookList m_workList;
    TelebookList m_localList;
    TelebookList m_allList;

private:
    std::optional<int> SelectPhoneBook();
    std::optional<int> ReadCapacity();
    void ForgetListsOfAnotherPhone();
    std::optional<TelebookList> ScanLocations(int used, int capacity);
    int ReadLocation(int location, TelebookRecord &record);
    const TelebookRecord *ListedRecord(int position) const;
    int HeldByPhone(const TelebookRecord &listed);
    void MarkMemoryLoaded();
    int RunOnMemory(int code);
    int SyncMemory(int memory);

    decltype(::SetMobileEncodeFormat) *m_pSetMobileEncodeFormat = nullptr;
    decltype(::SetTeleBookMemo) *m_pSetTeleBookMemo = nullptr;
    decltype(::GetTeleBookNum) *m_pGetTeleBookNum = nullptr;
    decltype(::ReadTeleBook) *m_pReadTeleBook = nullptr;
    decltype(::WriteTeleBook) *m_pWriteTeleBook = nullptr;
    decltype(::DeleteTeleBook) *m_pDeleteTeleBook = nullptr;
    decltype(::ModifyTeleBook) *m_pModifyTeleBook = nullptr;
};

// The global phone-book store.
CTelebookData &TheTelebookData();

} // namespace orrin
