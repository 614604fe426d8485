// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The calendar view: the entries of one memory (phone or local file) as
// cards, and the commands that read, add, change, delete and synchronise
// them through the calendar store. The main frame shows no calendar view; the
// view is complete in itself for the day it is placed.

#include "stores/calendar/CalendarData.h"
#include "views/calendar/CalendarEditDlg.h"
#include "views/common/CardContent.h"
#include "views/common/DataView.h"

namespace orrin {

class CHeaderBar;
class CTaskPane;

constexpr int kCalendarMenu = 146;

// Commands of the calendar view.
enum CalendarViewCommand : int {
    ID_CALENDAR_READ_PHONE = 32811,
    ID_CALENDAR_READ_LOCAL = 32812,
    ID_CALENDAR_NEW = 32813,
    ID_CALENDAR_MODIFY = 32814,
    ID_CALENDAR_DELETE = 32815,
    ID_CALENDAR_SYNC = 32816,
};

class CCalendarWnd : public CDataView {
    Q_OBJECT
public:
    explicit CCalendarWnd(QWidget *parent = nullptr);

    bool OnCommand(int id) override;

protected:
    // WM_CALENDAR_DONE goes to the entry dialog while it runs, else it
    // rebuilds the cards; WM_OPERATION_FAILED closes the dialog.
    void OnMessage(int message, int wParam) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<CardText> ShownCards() const;
    CalendarList &ShownList() const;
    bool Begin(int code, bool needsPhone, const std::function<void()> &fillStore = {});
    void OnNewEntry();
    void OnModifyEntry();
    void OnDeleteEntry();
    void RebuildOperationGroup(bool onCard);

    CCalendarData &m_store;
    CTaskPane *m_pTaskPane;
    CHeaderBar *m_pHeader;
    CCardContent *m_pContent;
    CCalendarEditDlg m_editDlg;
    int m_nMemory = 0; // the memory the cards show: 0 before anything was read, then 1 or 3
};

} // namespace orrin
