// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/addrbook/AddrbookViewBase.h"

#include "link/Messages.h"
#include "ui/HeaderBar.h"
#include "ui/MenuResource.h"
#include "ui/TaskPane.h"
#include "views/common/ViewFrame.h"

namespace orrin {
namespace {

const char *const kInitialTitle = QT_TRANSLATE_NOOP("orrin::CAddrbookViewBase", "Addressbook");
const QString kOperationGroup = QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Operation"));

QList<MenuItem> OperationItems(const CardCommands &ids, bool onCard)
{
    QList<MenuItem> items{{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "New addressbook")), ids.newEntry}};
    if (onCard)
        items << MenuItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Modify")), ids.modify}
              << MenuItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Delete")), ids.remove};
    items << MenuItem{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Sync to local")), ids.sync};
    return items;
}

// The menu comes with the first view of its family.
void RegisterAddrbookMenu(const AddrbookViewSetup &setup)
{
    if (FindMenu(setup.menuId))
        return;
    const CardCommands &ids = setup.commands;
    RegisterMenu({setup.menuId,
                  {{setup.groupTitle,
                    {{QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from phone")), ids.readPhone},
                     {QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Read from local")), ids.readLocal}}},
                   {kOperationGroup, OperationItems(ids, false)}}});
}

} // namespace

CAddrbookViewBase::CAddrbookViewBase(const AddrbookViewSetup &setup, CMobileLink &store, QWidget *parent)
    : CDataView(parent),
      m_setup(setup),
      m_store(store),
      m_pTaskPane(new CTaskPane(this)),
      m_pHeader(new CHeaderBar(tr(kInitialTitle), this)),
      m_pContent(new CCardContent(QStringLiteral("Addressbook Content"), setup.gridStyle, setup.commands,
                                  [this] { return ShownCards(); }, this)),
      m_strTitle(tr(kInitialTitle))
{
    RegisterAddrbookMenu(setup);
    m_pTaskPane->LoadMenu(setup.menuId);
    AddViewKeys(*m_pTaskPane, {setup.commands.readPhone, setup.commands.newEntry, setup.commands.remove});
    m_pHeader->setWindowTitle(setup.headerName);
    connect(m_pContent, &CCardContent::Clicked, this, &CAddrbookViewBase::RebuildOperationGroup);
}

void CAddrbookViewBase::resizeEvent(QResizeEvent *event)
{
    CDataView::resizeEvent(event);
    LayOutViewFrame(*this, *m_pTaskPane, *m_pHeader, *m_pContent);
}

bool CAddrbookViewBase::OnCommand(int id)
{
    const CardCommands &ids = m_setup.commands;
    if (id == ids.readPhone)
        OnReadPhone();
    else if (id == ids.readLocal)
        OnReadLocal();
    else if (id == ids.newEntry)
        OnNewEntry();
    else if (id == ids.modify)
        OnModifyEntry();
    else if (id == ids.remove)
        OnDeleteEntry();
    else if (id == ids.sync)
        OnSyncToLocal();
    else
        return false;
    return true;
}

void CAddrbookViewBase::OnMessage(int message, int)
{
    if (message == m_setup.doneMessage)
        OnStoreDone();
    else if (message == WM_OPERATION_FAILED)
        OnOperationFailed();
}

int CAddrbookViewBase::SelectedPosition() const
{
    return m_pContent->SelectedIndex();
}

void CAddrbookViewBase::OnReadPhone()
{
    BeginCommand({.code = kAddrbookRead, .waitText = tr("Reading address book")},
                 [] { g_nMemory.store(kPhoneMemory); });
}

// The local file needs no phone and reads quickly: no wait window, no
// progress. It still waits for a running operation, whose memory it would
// otherwise change under the store's feet.
void CAddrbookViewBase::OnReadLocal()
{
    BeginCommand({.code = kAddrbookRead, .waitText = {}, .needsPhone = false, .showProgress = false},
                 [] { g_nMemory.store(kLocalFile); });
}

// No question first: the entry goes at once. A local entry needs no phone.
void CAddrbookViewBase::OnDeleteEntry()
{
    const int position = SelectedPosition();
    if (position < 0)
        return;
    BeginCommand({.code = kAddrbookDelete,
                  .waitText = tr("Deleting address book"),
                  .needsPhone = m_nMemory != kLocalFile,
                  .showProgress = false},
                 [this, position] {
                     m_store.m_selection = {position};
                     g_nMemory.store(m_nMemory);
                 });
}

void CAddrbookViewBase::OnSyncToLocal()
{
    BeginCommand({.code = kAddrbookSync, .waitText = tr("Syncronizing address book")});
}

void CAddrbookViewBase::OnStoreDone()
{
    m_nMemory = g_nMemory.load();
    if (QDialog *dialog = OpenEditDialog()) {
        StopWaiting();
        SendMessageTo(dialog, m_setup.doneMessage);
        return;
    }
    m_pContent->Rebuild();
    ShowTitle();
    EndCommand();
}

void CAddrbookViewBase::OnOperationFailed()
{
    if (QDialog *dialog = OpenEditDialog())
        SendMessageTo(dialog, WM_OPERATION_FAILED);
}

void CAddrbookViewBase::ShowTitle()
{
    if (m_nMemory == kPhoneMemory)
        m_strTitle = tr("Phone address book");
    else if (m_nMemory == kLocalFile)
        m_strTitle = tr("Local address book");
    else
        return;
    m_strTitle += QString::asprintf("  ( %d )", ListSize(m_nMemory));
    m_pHeader->SetTitle(m_strTitle);
}

void CAddrbookViewBase::RebuildOperationGroup(bool onCard)
{
    m_pTaskPane->RemoveGroup(1);
    const int group = m_pTaskPane->AddGroup(kOperationGroup);
    for (const MenuItem &item : OperationItems(m_setup.commands, onCard))
        m_pTaskPane->AddLink(group, item.text, item.commandId);
}

} // namespace orrin
