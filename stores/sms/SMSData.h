// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The message store: the short messages of the phone memory, of the SIM card
// and of the local file SMS.sml. It runs the message command codes on the
// worker thread through the Mobile module and keeps SMS.sml in step.
//
// The compose dialog fills m_phoneRecord, m_localRecord or m_sendRecord and
// m_recipients, the view m_selection; both set g_nMemory and then write a
// command code. They read the lists only after WM_SMS_DONE or WM_SMS_SENT.

#include "link/MobileLink.h"
#include "stores/common/RecordList.h"
#include "stores/sms/SmsRecord.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace orrin {

// Command codes of the message store.
enum SmsCommand : int {
    kSmsRead = 1,    // read the memory of g_nMemory
    kSmsSave = 2,    // m_phoneRecord (phone, SIM) or m_localRecord (local), once per recipient
    kSmsNothing = 3, // no view writes it
    kSmsDelete = 4,  // the messages at m_selection's positions
    kSmsSend = 5,    // m_sendRecord to every recipient; answered by WM_SMS_SENT
    kSmsSync = 6,    // copy phone and SIM messages missing from SMS.sml into it
};

// The wParam of WM_SMS_SENT.
enum SmsSentResult : int { kSmsSentOk = 0, kSmsSentFailed = 5 };

class CSMSData : public CMobileLink {
    Q_DECLARE_TR_FUNCTIONS(CSMSData)

public:
    CSMSData();

    // Codes 1 to 4 act on g_nMemory (1 phone, 2 SIM card, 3 local file; any
    // other memory does nothing and succeeds), 5 sends and 6 synchronises.
    // Then the slot is cleared and WM_SMS_DONE (code 5: WM_SMS_SENT with
    // 0 or 5) goes to the view, or WM_OPERATION_FAILED to the main frame with
    // the reason in g_strLastError. Other codes return at once.
    void RunOperation(QObject *view, int code) override;

    // Phone memory or SIM card, by g_nMemory. 1 success, 0 failure (reason in
    // g_strLastError; none when not connected). A memory the phone would not
    // select or count (-1) is a failure that leaves every list as it was.
    int ReadPhone();
    // Saves m_phoneRecord once per recipient; only the copies the phone took
    // join the list, at the location the phone gave them.
    int SavePhone();
    // Deletes the selected messages; those the phone deleted leave the list,
    // also when it refused one midway.
    int DeletePhone();
    int SendMessages();

    // SMS.sml of the current phone type. Each reads the file first, so
    // m_localList is always what the file holds (a missing file holds
    // nothing). A file that cannot be opened or is not a message file shows
    // its box and gives 0, and the file is left as it was.
    int ReadLocal();
    int AppendLocal();
    int DeleteLocal();

    // Reads the phone memory and the SIM card and appends their messages
    // missing from SMS.sml to it; leaves g_nMemory at 3. The result is that
    // of the SIM read; a phone-memory read that failed fails it at once.
    int SyncToLocal();

    // Save: the memory's list takes a copy of m_workList; Load: the reverse.
    void CopyMemoryList(ListExchange direction);

    static QString LocalFilePath();

    SmsRecord m_phoneRecord{};
    SmsRecord m_localRecord{};
    SmsRecord m_sendRecord{};
    // Numbers as the compose dialog built them: international digits without
    // "+" for the phone, "+" and the code for the local file.
    QStringList m_recipients;

    // The flags, the capacity and the phone, SIM and work lists describe one
    // phone: the first phone operation after the line opened or closed or the
    // phone type changed clears them all.
    SmsList m_workList;
    SmsList m_phoneList;
    SmsList m_simList;
    SmsList m_localList;
    bool m_phoneRead = false;
    bool m_simRead = false;
    int m_capacity = 0;

private:
    struct MemorySize {
        int count;
        int capacity;
    };
    std::optional<MemorySize> SelectMemory();
    void ForgetListsOfAnotherPhone();
    void MarkMemoryRead();
    int RunOnMemory(int code);
    int SyncMemory(int memory);
    void MergeIntoLocal();
    bool RecipientsFitTheRecord();

    decltype(::SendShortMessage) *m_pSendShortMessage = nullptr;
    decltype(::SetSMSMemoGetSMSNum) *m_pSetSMSMemoGetSMSNum = nullptr;
    decltype(::ListShortMessage) *m_pListShortMessage = nullptr;
    decltype(::SaveShortMessage) *m_pSaveShortMessage = nullptr;
    decltype(::GetSMSSpace) *m_pGetSMSSpace = nullptr;
    decltype(::DeleteShortMessage) *m_pDeleteShortMessage = nullptr;
};

// The global message store.
CSMSData &TheSMSData();

} // namespace orrin
