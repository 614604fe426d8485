// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the address-book views of both families share: the task pane, the
// header bar and the cards of one memory (phone or local file), the commands
// that read, add, modify, delete and synchronise, and their hand-over to the
// family's store. A family's view names its menu, ids, header, store and
// entry dialog (TAddrbookWnd below) and nothing else.

#include "link/SharedState.h"
#include "stores/addrbook/AddrbookStore.h"
#include "stores/common/TextField.h"
#include "views/common/CardContent.h"
#include "views/common/DataView.h"

#include <QDialog>

namespace orrin {

class CHeaderBar;
class CTaskPane;

struct AddrbookViewSetup {
    int menuId;
    QString groupTitle; // the first group of the menu (a task pane source text)
    CardCommands commands;
    int doneMessage;    // the store's completion message
    QString headerName; // the header bar's window text
    const TileGridStyle &gridStyle;
    // Whether the view puts a modified record into its list itself: the
    // older family's store leaves the list as it was.
    bool copiesBackModified;
};

class CAddrbookViewBase : public CDataView {
    Q_OBJECT
public:
    bool OnCommand(int id) override;

protected:
    CAddrbookViewBase(const AddrbookViewSetup &setup, CMobileLink &store, QWidget *parent);

    // The cards of the list the view memory names.
    virtual QList<CardText> ShownCards() const = 0;
    virtual int ListSize(int memory) const = 0;
    virtual void OnNewEntry() = 0;
    virtual void OnModifyEntry() = 0;
    // The entry dialog while it runs, else null.
    virtual QDialog *OpenEditDialog() = 0;

    // The position of the selected card in the shown list, or -1.
    int SelectedPosition() const;
    void OnMessage(int message, int wParam) override;
    void resizeEvent(QResizeEvent *event) override;

    const AddrbookViewSetup &m_setup;
    int m_nMemory = 0; // the memory the cards show: 0 before anything was read, then 1 phone or 3 local file

private:
    void OnReadPhone();
    void OnReadLocal();
    void OnDeleteEntry();
    void OnSyncToLocal();
    void OnStoreDone();
    void OnOperationFailed();
    void ShowTitle();
    void RebuildOperationGroup(bool onCard);

    CMobileLink &m_store;
    CTaskPane *m_pTaskPane;
    CHeaderBar *m_pHeader;
    CCardContent *m_pContent;
    QString m_strTitle;
};

// The record-level half of an address-book view over a store of one family
// and its entry dialog.
template <class Store, class EditDialog>
class TAddrbookWnd : public CAddrbookViewBase {
public:
    using Record = typename Store::List::value_type;

protected:
    TAddrbookWnd(const AddrbookViewSetup &setup, Store &store, QWidget *parent)
        : CAddrbookViewBase(setup, store, parent), m_store(store), m_editDlg(store, CommandRunner(), this)
    {
    }

    QDialog *OpenEditDialog() override { return m_editDlg.isVisible() ? &m_editDlg : nullptr; }

    QList<CardText> ShownCards() const override
    {
        QList<CardText> cards;
        for (const Record &record : ShownList())
            cards << CardText{TextFieldString(record.name),
                                  {TextFieldString(record.street),
                                   CAddrbookViewBase::tr("Postalcode:  ") + TextFieldString(record.postCode),
                                   CAddrbookViewBase::tr("BizPhone:     ") + TextFieldString(record.office),
                                   CAddrbookViewBase::tr("Email:   ") + TextFieldString(record.email)}};
        return cards;
    }

    int ListSize(int memory) const override
    {
        return int((memory == kLocalFile ? m_store.m_localList : m_store.m_phoneList).size());
    }

    // When the store has taken the entry, the view memory already follows
    // the memory it went to: the cards show that memory with the new entry.
    void OnNewEntry() override
    {
        if (g_bBusy.load())
            return;
        g_bBusy.store(1);
        ClearWorkRecords();
        if (m_editDlg.Run(EditDialog::kNewEntry, m_nMemory) == QDialog::Accepted)
            SendMessageTo(this, m_setup.doneMessage);
    }

    void OnModifyEntry() override
    {
        if (g_bBusy.load())
            return;
        const int position = SelectedPosition();
        if (position < 0 || position >= ShownList().size())
            return;
        g_bBusy.store(1);
        ClearWorkRecords();
        m_store.m_selection = {position};
        Record &work = m_nMemory == kLocalFile ? m_store.m_localRecord : m_store.m_phoneRecord;
        work = ShownList()[position];
        g_nMemory.store(m_nMemory);
        if (m_editDlg.Run(EditDialog::kModifyEntry, m_nMemory) != QDialog::Accepted)
            return;
        if (m_setup.copiesBackModified && position < ShownList().size())
            ShownList()[position] = work;
        SendMessageTo(this, m_setup.doneMessage);
    }

    Store &m_store;
    EditDialog m_editDlg;

private:
    typename Store::List &ShownList() const
    {
        return m_nMemory == kLocalFile ? m_store.m_localList : m_store.m_phoneList;
    }
    void ClearWorkRecords()
    {
        m_store.m_phoneRecord = {};
        m_store.m_localRecord = {};
    }
};

} // namespace orrin
