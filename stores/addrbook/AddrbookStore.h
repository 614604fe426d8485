// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the address-book stores of both families share: the command codes,
// the phone scan, delete, merge and synchronisation, and the local file. Each
// family's store (CAddrbookData, CS57AddrbookData) adds its own new write and
// modify on the phone, and the S57 store its name order.
//
// The view fills m_phoneRecord or m_localRecord, m_selection and g_nMemory,
// then writes a command code; it reads the lists only after the store's
// completion message has arrived.

#include "link/MobileLink.h"
#include "stores/common/LocalRecordFile.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace orrin {

// Command codes of both address-book stores.
enum AddrbookCommand : int {
    kAddrbookRead = 1,   // read the memory of g_nMemory (1 phone, 3 local file)
    kAddrbookWrite = 2,  // a new entry: m_phoneRecord (phone) or m_localRecord (local)
    kAddrbookModify = 3, // the entry at m_selection's first position
    kAddrbookDelete = 4, // the entries at m_selection's positions
    kAddrbookSync = 5,   // read the phone and copy its entries missing from the local file into it
};

// No model numbers more card slots than the module reads (1000): the scan
// never goes further, whatever count the phone claims.
constexpr int kMaxAddrbookSlots = 1000;

template <typename Record>
class TAddrbookStore : public CMobileLink {
    Q_DECLARE_TR_FUNCTIONS(TAddrbookStore)

public:
    using List = QList<Record>;
    using SameEntry = bool (*)(const Record &, const Record &);

    // Codes 1 to 4 act on g_nMemory (1 phone, 3 local file; any other memory
    // does nothing and succeeds); code 5 sets g_nMemory to 1, reads the phone
    // and the file and synchronises. Then the slot is cleared and the store's
    // completion message goes to the view, or WM_OPERATION_FAILED to the main
    // frame with the reason in g_strLastError. Other codes return at once.
    void RunOperation(QObject *view, int code) override;

    // 1 success, 0 failure (reason in g_strLastError; none when not
    // connected). A count the phone did not give (-1) fails and keeps the
    // list read before; an empty address book succeeds with
    // "No Addrbook found!" as the last-error text.
    virtual int ReadPhone();
    virtual int WritePhoneNew() = 0;
    virtual int ModifyPhone() = 0;
    // Clears the selected entries; the list loses them only when every clear succeeded.
    virtual int DeletePhone();

    // The local file of the current phone type. Each reads the file first, so
    // m_localList is always what the file holds (a missing file holds
    // nothing), and a modify or delete acts only on records the file still
    // holds where the view listed them. A file that cannot be opened, is not
    // this store's file or cannot take the change shows its box at once and
    // gives 0; the file is left as it was.
    int ReadLocal();
    int AppendLocal();
    virtual int ModifyLocal();
    int DeleteLocal();

    // Adds every phone and local record not yet in m_mergedList, which only grows.
    void MergeLists();
    // Appends the phone entries missing from the local file to it, in one write.
    void SyncToLocal();

    QString LocalFilePath() const;

    Record m_phoneRecord{};
    Record m_localRecord{};
    List m_phoneList;
    List m_localList;
    List m_mergedList;

protected:
    struct Binding {
        const char *getEntry;
        const char *setEntry;
        const char *clearEntry;
        const char *fileName;
        LocalFileFormat format;
        SameEntry same;
        int doneMessage;
    };
    explicit TAddrbookStore(const Binding &binding);

    // Every phone operation starts here: false when not connected. Forgets
    // the phone list first when the line or the phone type changed since.
    bool ReadyForPhone();
    virtual void ForgetPhoneList();
    // Scans the phone into m_phoneList; nothing merged yet.
    int ReadPhoneList();
    // The phone list's record at m_selection's first position when it is the
    // one the work record was taken from (same index), else null.
    const Record *ListedPhoneRecord() const;
    // The number of entries, or nothing (and the reason) when the phone did not say.
    std::optional<int> EntryCount(const QString &failureText);
    bool AcceptedByLocalFile(LocalFileResult result) const;

    decltype(::GetAddressBookNum) *m_pGetAddressBookNum = nullptr;
    PhoneFlag (*m_pGetEntry)(Record *, int32_t) = nullptr;
    PhoneFlag (*m_pSetEntry)(const Record *, int32_t) = nullptr;
    PhoneFlag (*m_pClearEntry)(int32_t) = nullptr;

private:
    std::optional<List> ScanSlots(int count);
    int RunOnMemory(int code);
    int Synchronise();
    TLocalRecordFile<Record> LocalFile() const;

    QString m_fileName;
    LocalFileFormat m_format;
    SameEntry m_same;
    int m_doneMessage;
};

// Source texts of TAddrbookStore, shown translated.
inline const QString kAddrbookWriteFailedText =
    QStringLiteral(QT_TRANSLATE_NOOP("TAddrbookStore", "Unable to write addrbook!"));
inline const QString kAddrbookListForgottenText = QStringLiteral(QT_TRANSLATE_NOOP(
    "TAddrbookStore", "The address book shown is no longer the phone's.\nPlease read the address book again."));

} // namespace orrin
