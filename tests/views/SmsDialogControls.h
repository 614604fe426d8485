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

inline QLineEdit *SendToEdit(const CSMSComposeDlg &d) { return FindControl<QLineEdit>(d, CSMSComposeDlg::kSendToId); }
inline QComboBox *ValidityList(const CSMSComposeDlg &d)
{
    return FindControl<QComboBox>(d, CSMSComposeDlg::kValidityId);
}
inline QLabel *CounterLabel(const CSMSComposeDlg &d) { return FindControl<QLabel>(d, CSMSComposeDlg::kCounterId); }
inline QPlainTextEdit *MessageEdit(const CSMSComposeDlg &d)
{
    return FindControl<QPlainTextEdit>(d, CSMSComposeDlg::kMessageId);
}
inline QPushButton *SendButton(const CSMSComposeDlg &d)
{
    return FindControl<QPushButton>(d, CSMSComposeDlg::kSendButtonId);
}
inline QPushButton *SaveButton(const CSMSComposeDlg &d)
{
    return FindControl<QPushButton>(d, CSMSComposeDlg::kSaveButtonId);
}
inline QPushButton *PickButton(const CSMSComposeDlg &d)
{
    return FindControl<QPushButton>(d, CSMSComposeDlg::kPickButtonId);
}

inline QTreeWidget *Tree(const CNumberPickerDlg &d) { return FindControl<QTreeWidget>(d, CNumberPickerDlg::kTreeId); }
inline QListWidget *ChosenList(const CNumberPickerDlg &d)
{
    return FindControl<QListWidget>(d, CNumberPickerDlg::kChosenListId);
}
inline QPushButton *AddButton(const CNumberPickerDlg &d)
{
    return FindControl<QPushButton>(d, CNumberPickerDlg::kAddButtonId);
}
inline QPushButton *RemoveButton(const CNumberPickerDlg &d)
{
    return FindControl<QPushButton>(d, CNumberPickerDlg::kRemoveButtonId);
}
inline QPushButton *OkButton(const CNumberPickerDlg &d)
{
    return FindControl<QPushButton>(d, CNumberPickerDlg::kOkButtonId);
}

} // namespace orrin::test
