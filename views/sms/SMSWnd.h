// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The message view: the messages of one memory (phone, SIM card or the local
// file) in a list with the text of the clicked one below it, the commands
// that read, compose, open, delete, synchronise and export them, and the
// compose dialog. Every operation is handed to the message store; the list is
// filled from the store's lists when it answers.

#include "stores/sms/SmsExportText.h"
#include "stores/sms/SmsRecord.h"
#include "ui/MenuResource.h"
#include "views/common/DataView.h"
#include "views/sms/SMSComposeDlg.h"

#include <functional>

class QPlainTextEdit;

namespace orrin {

class CHeaderBar;
class CReportList;
class CSMSData;
class CTaskPane;

constexpr int kSmsMenu = 140;

// Commands of the message view.
enum SmsViewCommand : int {
    ID_SMS_READ_PHONE = 32781,
    ID_SMS_READ_SIM = 32782,
    ID_SMS_READ_LOCAL = 32783,
    ID_SMS_NEW = 32784,
    ID_SMS_OPEN = 32785,
    ID_SMS_DELETE = 32786,
    ID_SMS_SYNC = 32787,
    ID_SMS_EXPORT = 32788,
};

class CSMSWnd : public CDataView {
    Q_OBJECT
public:
    static constexpr int kListId = 2001;
    static constexpr int kHeaderHeight = 21;
    static constexpr int kListTop = 20;
    static constexpr int kDetailsHeight = 22;

    // Asks for the name of the export file; empty when cancelled.
    using ExportFileChooser = std::function<QString(QWidget *owner)>;

    explicit CSMSWnd(QWidget *parent = nullptr);

    bool OnCommand(int id) override;

    void SetExportFileChooser(ExportFileChooser chooser) { m_chooseExportFile = std::move(chooser); }
    // The export text of the selected rows, in ascending order.
    QByteArray BuildExportText() const;


protected:
    void OnMessage(int message, int wParam) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void OnReadMemory(int memory);
    void OnReadLocal();
    void OnNewSms();
    void OnOpenSms();
    void OnDeleteSms();
    void OnSyncToLocal();
    void OnExport();
    void OnSmsDone();
    void OnSmsSent(int wParam);
    void OnOperationFailed();
    void RunComposeDialog(int mode);

    SmsList &ShownList();
    void ShowMemory();
    void FillList(const SmsList &list);
    QString CellText(int row, int column) const;

    void OnListClicked(int row);
    void OnListDoubleClicked(int row);
    void OnListRightClicked(int row, const QPoint &globalPos);
    MenuItem OpenItem(int row) const;
    QList<MenuItem> RowOperations(int row) const;
    void RebuildOperationGroup(const QList<MenuItem> &items);

    CSMSData &m_store;
    CTaskPane *m_pTaskPane;
    CHeaderBar *m_pHeader;
    CReportList *m_pList;
    CHeaderBar *m_pDetailsHeader;
    QPlainTextEdit *m_pDetails;
    CSMSComposeDlg m_composeDlg;
    ExportFileChooser m_chooseExportFile;
    QString m_strTitle;
    int m_nShownMemory = 0;
};

} // namespace orrin
