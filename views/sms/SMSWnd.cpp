// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/sms/SMSWnd.h"

#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/sms/SMSData.h"
#include "ui/CommandMessage.h"
#include "ui/ControlId.h"
#include "ui/HeaderBar.h"
#include "ui/Mnemonics.h"
#include "ui/ReportList.h"
#include "ui/SystemMetrics.h"
#include "ui/TaskPane.h"
#include "views/common/ViewFrame.h"

#include <QFileDialog>
#include <QPlainTextEdit>
#include <QSaveFile>

#include <algorithm>

namespace orrin {
namespace {

const char *const kInitialTitle = QT_TRANSLATE_NOOP("orrin::CSMSWnd", "Message");
const QString kOperationGroup = QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Operation"));

const MenuItem kNewItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "New SMS")), ID_SMS_NEW};
const MenuItem kDeleteItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Delete")), ID_SMS_DELETE};
const MenuItem kSyncItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Sync to local")), ID_SMS_SYNC};
const MenuItem kExportItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Export")), ID_SMS_EXPORT};
const QList<MenuItem> kNoRowOperations{kNewItem, kSyncItem};

// The fixed columns and the task pane; the content column takes the rest.
constexpr int kFixedWidths = 550;

void RegisterSmsMenu()
{
    static const bool registered =
        RegisterMenu({kSmsMenu,
                      {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Message")),
                        {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from phone")), ID_SMS_READ_PHONE},
                         {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from SIM card")), ID_SMS_READ_SIM},
                         {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from local")), ID_SMS_READ_LOCAL}}},
                       {kOperationGroup, kNoRowOperations}}});
    Q_UNUSED(registered);
}

void PaintWhite(CHeaderBar *header)
{
    header->SetTextColour(Qt::white);
    header->setAutoFillBackground(true);
    QPalette white = header->palette();
    white.setColor(QPalette::Window, Qt::white);
    header->setPalette(white);
}

QString ChooseExportFileByDialog(QWidget *owner)
{
    return QFileDialog::getSaveFileName(owner, QString(), QString(),
                                        CSMSWnd::tr("Text Files (*.txt);;All Files (*.*)"));
}

} // namespace

CSMSWnd::CSMSWnd(QWidget *parent)
    : CDataView(parent),
      m_store(TheSMSData()),
      m_pTaskPane(new CTaskPane(this)),
      m_pHeader(new CHeaderBar(tr(kInitialTitle), this)),
      m_pList(new CReportList({{QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Status")), 50},
                               {QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Phone number")), 80},
                               {QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Time")), 90},
                               {QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Content")), 0},
                               {QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Valid time")), 60},
                               {QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Report")), 30},
                               {QStringLiteral(QT_TRANSLATE_NOOP("CReportList", "Handfree")), 30}},
                              this)),
      m_pDetailsHeader(new CHeaderBar(tr("SMS Details"), this)),
      m_pDetails(new QPlainTextEdit(this)),
      m_composeDlg(
          m_store, [this](const CommandRequest &request, const std::function<void()> &fill) {
              return BeginCommand(request, fill);
          },
          this),
      m_chooseExportFile(ChooseExportFileByDialog),
      m_strTitle(tr(kInitialTitle))
{
    RegisterStore(m_store);
    RegisterSmsMenu();
    m_pTaskPane->LoadMenu(kSmsMenu);
    AddViewKeys(*m_pTaskPane, {ID_SMS_READ_PHONE, ID_SMS_NEW, ID_SMS_DELETE});
    m_pHeader->setWindowTitle(QStringLiteral("SMS Header"));
    PaintWhite(m_pHeader);
    m_pDetailsHeader->setWindowTitle(QStringLiteral("Detail Header"));
    PaintWhite(m_pDetailsHeader);
    m_pDetails->setWindowTitle(QStringLiteral("Detail SMS"));
    m_pDetails->setReadOnly(true);

    SetControlId(m_pList, kListId);
    connect(m_pList, &CReportList::Clicked, this, &CSMSWnd::OnListClicked);
    connect(m_pList, &CReportList::DoubleClicked, this, &CSMSWnd::OnListDoubleClicked);
    connect(m_pList, &CReportList::RightClicked, this, &CSMSWnd::OnListRightClicked);
}

void CSMSWnd::resizeEvent(QResizeEvent *event)
{
    CDataView::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int detailsTop = 3 * h / 4;
    m_pTaskPane->setGeometry(0, 0, CTaskPane::kWidth, h);
    m_pHeader->setGeometry(CTaskPane::kWidth, 0, w - CTaskPane::kWidth + 1, kHeaderHeight);
    m_pList->setGeometry(CTaskPane::kWidth, kListTop, w - CTaskPane::kWidth, detailsTop - kListTop);
    m_pList->setColumnWidth(kSmsContentColumn, std::max(0, w - CurrentSystemMetrics().scrollBarWidth - kFixedWidths));
    m_pDetailsHeader->setGeometry(CTaskPane::kWidth - 1, detailsTop, w - CTaskPane::kWidth + 2, kDetailsHeight);
    m_pDetails->setGeometry(CTaskPane::kWidth - 1, detailsTop + 20, w - CTaskPane::kWidth + 2, h / 4 - 18);
}

bool CSMSWnd::OnCommand(int id)
{
    switch (id) {
    case ID_SMS_READ_PHONE: OnReadMemory(kPhoneMemory); return true;
    case ID_SMS_READ_SIM: OnReadMemory(kSimCard); return true;
    case ID_SMS_READ_LOCAL: OnReadLocal(); return true;
    case ID_SMS_NEW: OnNewSms(); return true;
    case ID_SMS_OPEN: OnOpenSms(); return true;
    case ID_SMS_DELETE: OnDeleteSms(); return true;
    case ID_SMS_SYNC: OnSyncToLocal(); return true;
    case ID_SMS_EXPORT: OnExport(); return true;
    default: return false;
    }
}

void CSMSWnd::OnMessage(int message, int wParam)
{
    if (message == WM_SMS_DONE)
        OnSmsDone();
    else if (message == WM_SMS_SENT)
        OnSmsSent(wParam);
    else if (message == WM_OPERATION_FAILED)
        OnOperationFailed();
}

void CSMSWnd::OnReadMemory(int memory)
{
    BeginCommand({.code = kSmsRead, .waitText = tr("Reading SMS")}, [memory] { g_nMemory.store(memory); });
}

// The local file needs no phone and is read at once: no wait window, no
// progress. It still waits for a running operation, whose memory it would
// otherwise change under the store's feet.
void CSMSWnd::OnReadLocal()
{
    BeginCommand({.code = kSmsRead, .waitText = {}, .needsPhone = false, .showProgress = false}, [] { g_nMemory.store(kLocalFile); });
}

void CSMSWnd::OnNewSms()
{
    if (g_bBusy.load())
        return;
    m_store.m_phoneRecord = {};
    m_store.m_localRecord = {};
    RunComposeDialog(CSMSComposeDlg::kNewMessage);
}

void CSMSWnd::OnOpenSms()
{
    const QList<int> rows = m_pList->SelectedRows();
    if (g_bBusy.load() || rows.isEmpty() || rows.first() >= ShownList().size())
        return;
    const int row = rows.first();
    m_store.m_selection = {row};
    m_store.m_phoneRecord = {};
    m_store.m_localRecord = {};
    (m_nShownMemory == kLocalFile ? m_store.m_localRecord : m_store.m_phoneRecord) = ShownList()[row];
    g_nMemory.store(m_nShownMemory);
    RunComposeDialog(CSMSComposeDlg::kOpenedMessage);
}

// A save the store has taken closes the dialog with OK: the list then shows
// the memory the message went to.
void CSMSWnd::RunComposeDialog(int mode)
{
    m_composeDlg.m_nMode = mode;
    if (m_composeDlg.Run() != QDialog::Accepted)
        return;
    ShowMemory();
    EndCommand();
}

void CSMSWnd::OnDeleteSms()
{
    const QList<int> rows = m_pList->SelectedRows();
    BeginCommand({.code = kSmsDelete,
                  .waitText = tr("Deleting SMS"),
                  .needsPhone = m_nShownMemory != kLocalFile,
                  .showProgress = false},
                 [this, &rows] {
                     m_store.m_selection.assign(rows.cbegin(), rows.cend());
                     g_nMemory.store(m_nShownMemory);
                 });
}

void CSMSWnd::OnSyncToLocal()
{
    BeginCommand({.code = kSmsSync, .waitText = tr("Syncronizing SMS")});
}

QString CSMSWnd::CellText(int row, int column) const
{
    const QTableWidgetItem *cell = m_pList->item(row, column);
    return cell ? cell->text() : QString();
}

QByteArray CSMSWnd::BuildExportText() const
{
    QList<QStringList> rows;
    for (const int row : m_pList->SelectedRows()) {
        QStringList texts;
        for (int column = 0; column < m_pList->columnCount(); ++column)
            texts << CellText(row, column);
        rows << texts;
    }
    return orrin::BuildExportText(rows);
}

void CSMSWnd::OnExport()
{
    if (!g_bConnected.load()) {
        PostMessageTo(g_hMainWnd.Get(), WM_LINK_RESULT, kLinkNotConnected);
        return;
    }
    const QString path = m_chooseExportFile(this);
    const QByteArray text = BuildExportText();
    if (!path.isEmpty()) {
        QSaveFile file(path);
        const bool written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
        if (!written)
            MessageBox(this, tr("Unable to write the file %1.").arg(path));
        else if (!text.isEmpty())
            MessageBox(this, tr("Export SMS successfully"));
    }
    g_bBusy.store(0);
}

void CSMSWnd::OnSmsDone()
{
    m_nShownMemory = g_nMemory.load();
    if (m_composeDlg.isVisible()) {
        StopWaiting();
        SendMessageTo(&m_composeDlg, WM_SMS_DONE);
        return;
    }
    ShowMemory();
    EndCommand();
}

void CSMSWnd::OnSmsSent(int wParam)
{
    StopWaiting();
    if (m_composeDlg.isVisible())
        SendMessageTo(&m_composeDlg, WM_SMS_SENT, wParam);
    else
        g_bBusy.store(0);
}

void CSMSWnd::OnOperationFailed()
{
    if (m_composeDlg.isVisible())
        SendMessageTo(&m_composeDlg, WM_OPERATION_FAILED);
}

SmsList &CSMSWnd::ShownList()
{
    return m_nShownMemory == kLocalFile ? m_store.m_localList : m_store.m_workList;
}

void CSMSWnd::ShowMemory()
{
    switch (m_nShownMemory) {
    case kPhoneMemory:
    case kSimCard:
        m_strTitle = (m_nShownMemory == kPhoneMemory ? tr("Phone Message") : tr("SIM card Message"))
                   + QString::asprintf("  ( %d / %d )", int(m_store.m_workList.size()), m_store.m_capacity);
        break;
    case kLocalFile:
        m_strTitle = tr("Local Message") + QString::asprintf("  ( %d )", int(m_store.m_localList.size()));
        break;
    default:
        return;
    }
    FillList(ShownList());
    m_pHeader->SetTitle(m_strTitle);
}

void CSMSWnd::FillList(const SmsList &list)
{
    QList<QStringList> rows;
    rows.reserve(list.size());
    for (const SmsRecord &record : list)
        rows << SmsColumnTexts(record);
    m_pList->SetRows(rows);
    update();
}

// "Forward" a received message, "Resend" a sent one, "Send" one not sent.
MenuItem CSMSWnd::OpenItem(int row) const
{
    const QString status = CellText(row, kSmsStatusColumn);
    if (status == QLatin1String("Unread") || status == QLatin1String("Read"))
        return {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Forward")), ID_SMS_OPEN};
    if (status == QLatin1String("Sent"))
        return {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Resend")), ID_SMS_OPEN};
    return {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Send")), ID_SMS_OPEN};
}

QList<MenuItem> CSMSWnd::RowOperations(int row) const
{
    QList<MenuItem> items{kNewItem, kDeleteItem};
    if (m_pList->SelectedRows().size() == 1)
        items << OpenItem(row);
    items << kSyncItem << kExportItem;
    return items;
}

void CSMSWnd::RebuildOperationGroup(const QList<MenuItem> &items)
{
    m_pTaskPane->RemoveGroup(1);
    const int group = m_pTaskPane->AddGroup(kOperationGroup);
    for (const MenuItem &item : items)
        m_pTaskPane->AddLink(group, item.text, item.commandId);
}

// A left click names the message "Send" whatever it is; the right click
// names it by its status.
void CSMSWnd::OnListClicked(int row)
{
    if (row < 0) {
        RebuildOperationGroup(kNoRowOperations);
    } else {
        QList<MenuItem> items = RowOperations(row);
        for (MenuItem &item : items) {
            if (item.commandId == ID_SMS_OPEN)
                item.text = QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Send"));
        }
        RebuildOperationGroup(items);
    }
    m_pDetails->setPlainText(row < 0 ? QString() : CellText(row, kSmsContentColumn));
    m_pDetails->update();
}

// The dialog opens from the frame's queue, once the click is over.
void CSMSWnd::OnListDoubleClicked(int row)
{
    RebuildOperationGroup(kNoRowOperations);
    PostCommand(row < 0 ? ID_SMS_NEW : ID_SMS_OPEN);
}

void CSMSWnd::OnListRightClicked(int row, const QPoint &globalPos)
{
    if (row < 0) {
        RebuildOperationGroup(kNoRowOperations);
        return;
    }
    RebuildOperationGroup(RowOperations(row));
    QList<MenuItem> items;
    if (m_pList->SelectedRows().size() == 1)
        items << OpenItem(row);
    items << kDeleteItem;
    if (const int chosen = RunItemMenu(this, items, globalPos))
        PostCommand(chosen);
}

} // namespace orrin
