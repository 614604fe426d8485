// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone-book view: the entries of one memory (phone, SIM card or the
// local file) in a list, the commands that read, add, modify, delete and
// synchronise them, and the entry dialog. Every operation is handed to the
// phone-book store; the list is filled from the store's lists when it answers.

#include "views/common/DataView.h"
#include "ui/MenuResource.h"
#include "views/telebook/TelebookEditDlg.h"
#include "stores/telebook/TelebookRecord.h"

namespace orrin {

class CHeaderBar;
class CReportList;
class CTaskPane;
class CTelebookData;

// Local menus of the phone-book view, by phone family.
constexpr int kTelebookMenuOlder = 141;
constexpr int kTelebookMenuNewer = 189;

// Commands of the phone-book view.
enum TelebookViewCommand : int {
    ID_TELEBOOK_READ_PHONE = 32789,
    ID_TELEBOOK_READ_SIM = 32790,
    ID_TELEBOOK_READ_LOCAL = 32791,
    ID_TELEBOOK_NEW = 32792,
    ID_TELEBOOK_MODIFY = 32793,
    ID_TELEBOOK_DELETE = 32794,
    ID_TELEBOOK_SYNC = 32795,
};

class CTelebookWnd : public CDataView {
    Q_OBJECT
public:
    static constexpr int kListId = 2002;

    explicit CTelebookWnd(QWidget *parent = nullptr);

    // The task-pane menu for the phone family: 141 (code 1) or 189 (code 2).
    void SetLocalMenu(int menuId);

    bool OnCommand(int id) override;

protected:
    void OnMessage(int message, int wParam) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void OnReadMemory(int memory);
    void OnReadLocal();
    void OnNewEntry();
    void OnModifyEntry();
    void OnDeleteEntries();
    void OnSyncToLocal();
    void OnTelebookDone();
    void OnOperationFailed();

    TelebookList &ShownList();
    void ShowMemory();
    void FillList(const TelebookList &list);

    void OnListClicked(int row);
    void OnListDoubleClicked(int row);
    void OnListRightClicked(int row, const QPoint &globalPos);
    QList<MenuItem> RowOperations() const;
    void RebuildOperationGroup(const QList<MenuItem> &items);

    CTelebookData &m_store;
    CTaskPane *m_pTaskPane;
    CHeaderBar *m_pHeader;
    CReportList *m_pList;
    CTelebookEditDlg m_editDlg;
    QString m_strTitle;
    int m_nMemory = 0; // the memory the list shows: 0 before anything was read, then 1 phone, 2 SIM or 3 local
    int m_nLocalMenu = kTelebookMenuOlder;
};

} // namespace orrin
