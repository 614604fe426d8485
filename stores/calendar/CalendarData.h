// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The calendar store: the entries of the phone's calendar and of the local
// file Calendar.cml. The view fills m_phoneRecord or m_localRecord,
// m_selection and g_nMemory, then writes a command code; it reads the lists
// only after WM_CALENDAR_DONE. The store keeps both lists in step with what
// it wrote, so the view only shows them.

#include "link/MobileLink.h"
#include "phone/PhoneApi.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>

namespace orrin {

using CalendarList = QList<CalendarRecord>;

enum CalendarCommand : int {
    kCalendarRead = 1,
    kCalendarNew = 2,    // m_phoneRecord (phone) or m_localRecord (local)
    kCalendarModify = 3, // phone: the entry m_phoneRecord.index; local: m_selection's first position
    kCalendarDelete = 4, // the entries at m_selection's positions
    kCalendarSync = 5,   // read the phone and the local file; g_nMemory becomes 3
};

class CCalendarData : public CMobileLink {
    Q_DECLARE_TR_FUNCTIONS(CCalendarData)

public:
    CCalendarData();

    // Codes 1 to 4 act on g_nMemory (1 phone, 3 local file; any other memory
    // does nothing and succeeds). Then the slot is cleared and
    // WM_CALENDAR_DONE goes to the view, or WM_OPERATION_FAILED to the main
    // frame with the reason in g_strLastError. Other codes return at once.
    void RunOperation(QObject *view, int code) override;

    // 1 success, 0 failure (reason in g_strLastError; none when not connected).
    int ReadPhone();
    // Writes m_phoneRecord at a number from 1 to n that no listed entry has,
    // then appends the entry as the phone holds it.
    int NewPhone();
    int ModifyPhone();
    // Entries the phone deleted leave the list, also when it refused one midway.
    int DeletePhone();

    // Calendar.cml of the current phone type. Each reads the file first, so
    // m_localList is always what the file holds, and a modify or delete acts
    // only on the records the view listed. A file that cannot be opened, is
    // not this kind of file or cannot take the change shows its box and gives 0.
    int ReadLocal();
    int AppendLocal();
    int ModifyLocal();
    int DeleteLocal();

    static QString LocalFilePath();

    CalendarRecord m_phoneRecord{};
    CalendarRecord m_localRecord{};
    // Forgotten when the line opens or closes or the phone type changes.
    CalendarList m_phoneList;
    CalendarList m_localList;

private:
    // m_phoneList is the phone's: read on this line, not forgotten since.
    bool m_bPhoneRead = false;
    int RunOnMemory(int code);
    int LoadLocal(const QString &wrongTagText);
    bool ListsPhoneEntry(int index) const;
    void ForgetListOfAnotherPhone();

    decltype(::GetAdrCaleSpace) *m_pGetAdrCaleSpace = nullptr;
    decltype(::GetVCS) *m_pGetVCS = nullptr;
    decltype(::ClearVCS) *m_pClearVCS = nullptr;
    decltype(::SetVCS) *m_pSetVCS = nullptr;
};

// Makes every text of the record zero-terminated, whatever filled it.
void TerminateCalendarTexts(CalendarRecord &record);

CCalendarData &TheCalendarData();

} // namespace orrin
