// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The compose dialog's and the number picker's controls, found by their ids.

#include "tests/support/FindControl.h"
#include "views/sms/NumberPickerDlg.h"
#include "views/sms/SMSComposeDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace orrin::test {

inline QLineEdit *SendToEdit(const CSMSComposeDlg &d) { return Control<QLineEdit>(d, CSMSComposeDlg::kSendToId); }
inline QComboBox *ValidityList(const CSMSComposeDlg &d) { return Control<QComboBox>(d, CSMSComposeDlg::kValidityId); }
inline QLabel *CounterLabel(const CSMSComposeDlg &d) { return Control<QLabel>(d, CSMSComposeDlg::kCounterId); }
inline QPlainTextEdit *MessageEdit(const CSMSComposeDlg &d)
{
    return Control<QPlainTextEdit>(d, CSMSComposeDlg::kMessageId);
}
inline QPushButton *SendButton(const CSMSComposeDlg &d)
{
    return Control<QPushButton>(d, CSMSComposeDlg::kSendButtonId);
}
inline QPushButton *SaveButton(const CSMSComposeDlg &d)
{
    return Control<QPushButton>(d, CSMSComposeDlg::kSaveButtonId);
}
inline QPushButton *PickButton(const CSMSComposeDlg &d)
{
    return Control<QPushButton>(d, CSMSComposeDlg::kPickButtonId);
}

inline QTreeWidget *Tree(const CNumberPickerDlg &d) { return Control<QTreeWidget>(d, CNumberPickerDlg::kTreeId); }
inline QListWidget *ChosenList(const CNumberPickerDlg &d)
{
    return Control<QListWidget>(d, CNumberPickerDlg::kChosenListId);
}
inline QPushButton *AddButton(const CNumberPickerDlg &d)
{
    return Control<QPushButton>(d, CNumberPickerDlg::kAddButtonId);
}
inline QPushButton *RemoveButton(const CNumberPickerDlg &d)
{
    return Control<QPushButton>(d, CNumberPickerDlg::kRemoveButtonId);
}
inline QPushButton *OkButton(const CNumberPickerDlg &d)
{
    return Control<QPushButton>(d, CNumberPickerDlg::kOkButtonId);
}

} // namespace orrin::test
