// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/calendar/CalendarWnd.h"

#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/common/TextField.h"
#include "ui/HeaderBar.h"
#include "ui/MenuResource.h"
#include "ui/TaskPane.h"
#include "views/common/ViewFrame.h"

namespace orrin {
namespace {

const CardCommands kCommands{ID_CALENDAR_READ_PHONE, ID_CALENDAR_READ_LOCAL, ID_CALENDAR_NEW,
                             ID_CALENDAR_MODIFY,     ID_CALENDAR_DELETE,     ID_CALENDAR_SYNC};
const QString kOperationGroup = QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Operation"));

QList<MenuItem> OperationItems(bool onCard)
{
    QList<MenuItem> items{{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "New")), ID_CALENDAR_NEW}};
    if (onCard)
        items << MenuItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Modify")), ID_CALENDAR_MODIFY}
              << MenuItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Delete")), ID_CALENDAR_DELETE};
    items << MenuItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Sync")), ID_CALENDAR_SYNC};
    return items;
}

void RegisterCalendarMenu()
{
    if (FindMenu(kCalendarMenu))
        return;
    RegisterMenu({kCalendarMenu,
                  {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Calendar")),
                    {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from phone")), ID_CALENDAR_READ_PHONE},
                     {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from local")), ID_CALENDAR_READ_LOCAL}}},
                   {kOperationGroup, OperationItems(false)}}});
}

} // namespace

CCalendarWnd::CCalendarWnd(QWidget *parent)
    : CDataView(parent),
      m_store(TheCalendarData()),
      m_pTaskPane(new CTaskPane(this)),
      m_pHeader(new CHeaderBar(tr("Calendar"), this)),
      m_pContent(new CCardContent(QStringLiteral("Calendar Content"), kCalendarGridStyle, kCommands,
                                  [this] { return ShownCards(); }, this)),
      m_editDlg(m_store, CommandRunner(), this)
{
    RegisterStore(m_store);
    RegisterCalendarMenu();
    m_pTaskPane->LoadMenu(kCalendarMenu);
    AddViewKeys(*m_pTaskPane, {ID_CALENDAR_READ_PHONE, ID_CALENDAR_NEW, ID_CALENDAR_DELETE});
    m_pHeader->setWindowTitle(QStringLiteral("Calendar Header"));
    connect(m_pContent, &CCardContent::Clicked, this, &CCalendarWnd::RebuildOperationGroup);
}

void CCalendarWnd::resizeEvent(QResizeEvent *event)
{
    CDataView::resizeEvent(event);
    LayOutViewFrame(*this, *m_pTaskPane, *m_pHeader, *m_pContent);
}

CalendarList &CCalendarWnd::ShownList() const
{
    return m_nMemory == kLocalFile ? m_store.m_localList : m_store.m_phoneList;
}

// The heading as the card's title, the summary on one line, then the
// details broken only at their own line breaks.
QList<CardText> CCalendarWnd::ShownCards() const
{
    QList<CardText> cards;
    if (m_nMemory != kPhoneMemory && m_nMemory != kLocalFile)
        return cards;
    for (const CalendarRecord &record : ShownList()) {
        QStringList lines{TextFieldString(record.summary)};
        lines += TextFieldString(record.details).split(QLatin1Char('\n'));
        cards << CardText{TextFieldString(record.heading), lines};
    }
    return cards;
}

// The calendar's commands only hold the busy flag: no wait window, no
// progress. A phone command still asks for a connection first, as every
// other view does, instead of failing without a reason.
bool CCalendarWnd::Begin(int code, bool needsPhone, const std::function<void()> &fillStore)
{
    return BeginCommand({.code = code, .waitText = {}, .needsPhone = needsPhone, .showProgress = false}, fillStore);
}

bool CCalendarWnd::OnCommand(int id)
{
    switch (id) {
    case ID_CALENDAR_READ_PHONE:
        Begin(kCalendarRead, true, [] { g_nMemory.store(kPhoneMemory); });
        return true;
    case ID_CALENDAR_READ_LOCAL:
        Begin(kCalendarRead, false, [] { g_nMemory.store(kLocalFile); });
        return true;
    case ID_CALENDAR_NEW: OnNewEntry(); return true;
    case ID_CALENDAR_MODIFY: OnModifyEntry(); return true;
    case ID_CALENDAR_DELETE: OnDeleteEntry(); return true;
    case ID_CALENDAR_SYNC: Begin(kCalendarSync, true); return true;
    default: return false;
    }
}

// The store puts what it wrote into its lists itself: after Save the view
// only shows them again. A new entry goes where the cards come from; before
// anything is shown, into the local file, which needs no phone (the store
// would take no memory at all and report success).
void CCalendarWnd::OnNewEntry()
{
    if (g_bBusy.load())
        return;
    g_bBusy.store(1);
    m_store.m_phoneRecord = {};
    m_store.m_localRecord = {};
    g_nMemory.store(m_nMemory == kPhoneMemory ? kPhoneMemory : kLocalFile);
    if (m_editDlg.Run(CCalendarEditDlg::kNewEntry) == QDialog::Accepted)
        SendMessageTo(this, WM_CALENDAR_DONE);
}

void CCalendarWnd::OnModifyEntry()
{
    const int position = m_pContent->SelectedIndex();
    if (g_bBusy.load() || position < 0 || position >= ShownList().size())
        return;
    g_bBusy.store(1);
    m_store.m_selection = {position};
    (m_nMemory == kLocalFile ? m_store.m_localRecord : m_store.m_phoneRecord) = ShownList()[position];
    g_nMemory.store(m_nMemory);
    if (m_editDlg.Run(CCalendarEditDlg::kModifyEntry) == QDialog::Accepted)
        SendMessageTo(this, WM_CALENDAR_DONE);
}

// No question first, as the design has it: the entry goes at once.
void CCalendarWnd::OnDeleteEntry()
{
    const int position = m_pContent->SelectedIndex();
    if (position < 0)
        return;
    Begin(kCalendarDelete, m_nMemory != kLocalFile, [this, position] {
        m_store.m_selection = {position};
        g_nMemory.store(m_nMemory);
    });
}

void CCalendarWnd::OnMessage(int message, int)
{
    if (message == WM_OPERATION_FAILED) {
        if (m_editDlg.isVisible())
            SendMessageTo(&m_editDlg, WM_OPERATION_FAILED);
        return;
    }
    if (message != WM_CALENDAR_DONE)
        return;
    m_nMemory = g_nMemory.load();
    if (m_editDlg.isVisible())
        SendMessageTo(&m_editDlg, WM_CALENDAR_DONE);
    else
        m_pContent->Rebuild();
}

void CCalendarWnd::RebuildOperationGroup(bool onCard)
{
    m_pTaskPane->RemoveGroup(1);
    const int group = m_pTaskPane->AddGroup(kOperationGroup);
    for (const MenuItem &item : OperationItems(onCard))
        m_pTaskPane->AddLink(group, item.text, item.commandId);
}

} // namespace orrin
