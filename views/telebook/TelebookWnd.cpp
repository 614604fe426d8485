// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/telebook/TelebookWnd.h"

#include "ui/CommandMessage.h"
#include "ui/ControlId.h"
#include "ui/HeaderBar.h"
#include "ui/Mnemonics.h"
#include "link/Messages.h"
#include "ui/ReportList.h"
#include "link/SharedState.h"
#include "ui/SystemMetrics.h"
#include "ui/TaskPane.h"
#include "stores/telebook/TelebookData.h"
#include "views/common/ViewFrame.h"


#include <algorithm>

namespace orrin {
namespace {

const char *const kInitialTitle = QT_TRANSLATE_NOOP("orrin::CTelebookWnd", "Phonebook");
const QString kOperationGroup = QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Operation"));

const MenuItem kNewItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "New phonebook")), ID_TELEBOOK_NEW};
const MenuItem kModifyItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Modify")), ID_TELEBOOK_MODIFY};
const MenuItem kDeleteItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Delete")), ID_TELEBOOK_DELETE};
const MenuItem kSyncItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Sync to local")), ID_TELEBOOK_SYNC};
const QList<MenuItem> kNoRowOperations{kNewItem, kSyncItem};

constexpr int kNameWidth = 100;
constexpr int kLocationWidth = 100;
constexpr int kVipWidth = 50;
// The task pane and the fixed columns; the number column takes the rest.
constexpr int kFixedWidths = CTaskPane::kWidth + kNameWidth + kLocationWidth + kVipWidth;
constexpr int kNumberColumn = 1;

void RegisterTelebookMenus()
{
    static const bool registered = [] {
        RegisterMenu({kTelebookMenuOlder,
                      {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Phonebook")),
                        {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from phone")), ID_TELEBOOK_READ_PHONE},
                         {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from SIM card")), ID_TELEBOOK_READ_SIM},
                         {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from local")), ID_TELEBOOK_READ_LOCAL}}},
                       {kOperationGroup, kNoRowOperations}}});
        RegisterMenu({kTelebookMenuNewer,
                      {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Phone")),
                        {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from SIM card")), ID_TELEBOOK_READ_SIM},
                         {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from local")), ID_TELEBOOK_READ_LOCAL}}},
                       {kOperationGroup, kNoRowOperations}}});
        return true;
    }();
    Q_UNUSED(registered);
}

QString MemoryText(int memory)
{
    switch (memory) {
    case kPhoneMemory: return CTelebookWnd::tr("Phone");
    case kSimCard: return CTelebookWnd::tr("SIM card");
    case kLocalFile: return CTelebookWnd::tr("Local");
    default: return {};
    }
}

} // namespace

CTelebookWnd::CTelebookWnd(QWidget *parent)
    : CDataView(parent),
      m_store(TheTelebookData()),
      m_pTaskPane(new CTaskPane(this)),
      m_pHeader(new CHeaderBar(tr(kInitialTitle), this)),
      m_pList(new CReportList({{QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Name")), kNameWidth},
                               {QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Phone number")), 0},
                               {QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Location")), kLocationWidth},
                               {QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "VIP")), kVipWidth}},
                              this)),
      m_editDlg(
          m_store, [this](const CommandRequest &request, const std::function<void()> &fill) {
              return BeginCommand(request, fill);
          },
          this),
      m_strTitle(tr(kInitialTitle))
{
    RegisterStore(m_store);
    RegisterTelebookMenus();
    m_pTaskPane->LoadMenu(m_nLocalMenu);
    AddViewKeys(*m_pTaskPane, {ID_TELEBOOK_READ_PHONE, ID_TELEBOOK_NEW, ID_TELEBOOK_DELETE});

    m_pHeader->setWindowTitle(QStringLiteral("Telebook Header"));
    m_pHeader->SetTextColour(Qt::white);
    m_pHeader->setAutoFillBackground(true);
    QPalette white = m_pHeader->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_pHeader->setPalette(white);

    SetControlId(m_pList, kListId);
    connect(m_pList, &CReportList::Clicked, this, &CTelebookWnd::OnListClicked);
    connect(m_pList, &CReportList::DoubleClicked, this, &CTelebookWnd::OnListDoubleClicked);
    connect(m_pList, &CReportList::RightClicked, this, &CTelebookWnd::OnListRightClicked);
}

void CTelebookWnd::SetLocalMenu(int menuId)
{
    m_nLocalMenu = menuId;
    m_pTaskPane->LoadMenu(menuId);
}

void CTelebookWnd::resizeEvent(QResizeEvent *event)
{
    CDataView::resizeEvent(event);
    LayOutViewFrame(*this, *m_pTaskPane, *m_pHeader, *m_pList, 1);
    m_pList->setColumnWidth(kNumberColumn,
                            std::max(0, width() - CurrentSystemMetrics().scrollBarWidth - kFixedWidths));
}

bool CTelebookWnd::OnCommand(int id)
{
    switch (id) {
    case ID_TELEBOOK_READ_PHONE: OnReadMemory(kPhoneMemory); return true;
    case ID_TELEBOOK_READ_SIM: OnReadMemory(kSimCard); return true;
    case ID_TELEBOOK_READ_LOCAL: OnReadLocal(); return true;
    case ID_TELEBOOK_NEW: OnNewEntry(); return true;
    case ID_TELEBOOK_MODIFY: OnModifyEntry(); return true;
    case ID_TELEBOOK_DELETE: OnDeleteEntries(); return true;
    case ID_TELEBOOK_SYNC: OnSyncToLocal(); return true;
    default: return false;
    }
}

void CTelebookWnd::OnMessage(int message, int)
{
    if (message == WM_TELEBOOK_DONE)
        OnTelebookDone();
    else if (message == WM_OPERATION_FAILED)
        OnOperationFailed();
}

void CTelebookWnd::OnReadMemory(int memory)
{
    BeginCommand({.code = kTelebookRead, .waitText = tr("Reading phone book")},
                 [memory] { g_nMemory.store(memory); });
}

// The local file needs no phone, and a read of it is quick: no wait window,
// no progress. It still waits for a running operation, whose memory it would
// otherwise change under the store's feet.
void CTelebookWnd::OnReadLocal()
{
    BeginCommand({.code = kTelebookRead, .waitText = {}, .needsPhone = false, .showProgress = false},
                 [] { g_nMemory.store(kLocalFile); });
}

void CTelebookWnd::OnNewEntry()
{
    if (g_bBusy.load())
        return;
    g_bBusy.store(1);
    m_store.m_editRecord = {};
    m_store.m_localEditRecord = {};
    // When the store has taken the entry, the view memory already follows
    // the memory it went to: the list shows that memory with the new entry.
    if (m_editDlg.Run(CTelebookEditDlg::kNewEntry, m_nMemory) == QDialog::Accepted)
        SendMessageTo(this, WM_TELEBOOK_DONE);
}

void CTelebookWnd::OnModifyEntry()
{
    if (g_bBusy.load())
        return;
    const QList<int> rows = m_pList->SelectedRows();
    if (rows.isEmpty() || rows.first() >= ShownList().size())
        return;
    g_bBusy.store(1);
    const int row = rows.first();
    m_store.m_selection = {row};
    TelebookRecord &edited = m_nMemory == kLocalFile ? m_store.m_localEditRecord : m_store.m_editRecord;
    edited = ShownList()[row];
    g_nMemory.store(m_nMemory);
    if (m_editDlg.Run(CTelebookEditDlg::kModifyEntry, m_nMemory) != QDialog::Accepted)
        return;
    // The store's local list is what the file holds after the modify, written
    // or not. The phone lists it leaves alone: the list shows the change at
    // once, and so does the memory's own copy, which a later new entry
    // brings back into view.
    if (m_nMemory != kLocalFile) {
        ShownList()[row] = edited;
        m_store.ExchangeWorkingList(ListExchange::Save);
    }
    SendMessageTo(this, WM_TELEBOOK_DONE);
}

void CTelebookWnd::OnDeleteEntries()
{
    const QList<int> rows = m_pList->SelectedRows();
    BeginCommand({.code = kTelebookDelete,
                  .waitText = tr("Deleting phone book"),
                  .needsPhone = m_nMemory != kLocalFile,
                  .showProgress = false},
                 [this, &rows] {
                     m_store.m_selection.assign(rows.cbegin(), rows.cend());
                     g_nMemory.store(m_nMemory);
                 });
}

void CTelebookWnd::OnSyncToLocal()
{
    BeginCommand({.code = kTelebookSync, .waitText = tr("Syncronizing phone book")});
}

void CTelebookWnd::OnTelebookDone()
{
    m_nMemory = g_nMemory.load();
    if (m_editDlg.isVisible()) {
        StopWaiting();
        SendMessageTo(&m_editDlg, WM_TELEBOOK_DONE);
        return;
    }
    ShowMemory();
    EndCommand();
}

void CTelebookWnd::OnOperationFailed()
{
    if (m_editDlg.isVisible())
        SendMessageTo(&m_editDlg, WM_OPERATION_FAILED);
}

TelebookList &CTelebookWnd::ShownList()
{
    return m_nMemory == kLocalFile ? m_store.m_localList : m_store.m_workList;
}

void CTelebookWnd::ShowMemory()
{
    switch (m_nMemory) {
    case kPhoneMemory:
    case kSimCard:
        m_strTitle = (m_nMemory == kPhoneMemory ? tr("Phone Telebook") : tr("SIM card Telebook"))
                   + QString::asprintf("  ( %d / %d )", int(m_store.m_workList.size()), m_store.m_nCapacity);
        break;
    case kLocalFile:
        m_strTitle = tr("Local Telebook") + QString::asprintf("  ( %d )", int(m_store.m_localList.size()));
        break;
    default:
        return;
    }
    FillList(ShownList());
    m_pHeader->SetTitle(m_strTitle);
}

void CTelebookWnd::FillList(const TelebookList &list)
{
    const QString location = MemoryText(m_nMemory);
    QList<QStringList> rows;
    rows.reserve(list.size());
    for (const TelebookRecord &record : list) {
        rows << QStringList{TelebookName(record), TelebookNumber(record), location,
                            record.vip ? tr("Yes") : tr("No")};
    }
    m_pList->SetRows(rows);
    update();
}

QList<MenuItem> CTelebookWnd::RowOperations() const
{
    QList<MenuItem> items{kNewItem};
    if (m_pList->SelectedRows().size() == 1)
        items << kModifyItem;
    items << kDeleteItem << kSyncItem;
    return items;
}

void CTelebookWnd::RebuildOperationGroup(const QList<MenuItem> &items)
{
    m_pTaskPane->RemoveGroup(1);
    const int group = m_pTaskPane->AddGroup(kOperationGroup);
    for (const MenuItem &item : items)
        m_pTaskPane->AddLink(group, item.text, item.commandId);
}

void CTelebookWnd::OnListClicked(int row)
{
    RebuildOperationGroup(row < 0 ? kNoRowOperations : RowOperations());
}

// The dialog opens from the frame's queue, once the click is over.
void CTelebookWnd::OnListDoubleClicked(int row)
{
    RebuildOperationGroup(kNoRowOperations);
    PostCommand(row < 0 ? ID_TELEBOOK_NEW : ID_TELEBOOK_MODIFY);
}

void CTelebookWnd::OnListRightClicked(int row, const QPoint &globalPos)
{
    OnListClicked(row);
    if (row < 0)
        return;
    QList<MenuItem> items;
    if (m_pList->SelectedRows().size() == 1)
        items << kModifyItem;
    items << kDeleteItem;
    if (const int chosen = RunItemMenu(this, items, globalPos))
        PostCommand(chosen);
}

} // namespace orrin
