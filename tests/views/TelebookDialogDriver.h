// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Driving modal dialogs (the phone-book view's entry dialog among them) from
// a test, the entry dialogs' buttons, and starting the global phone-book
// store afresh.

#include "stores/telebook/TelebookData.h"
#include "ui/ControlId.h"
#include "views/telebook/TelebookEditDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace orrin::test {

// Acts on a modal dialog of that class as soon as it runs. A dialog that is
// still open long after (a save that never came back) fails the test and is
// closed, so no test is left hanging in a modal loop.
template <typename Dialog>
void WhenDialogShows(std::function<void(Dialog &)> act)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        auto open = std::make_shared<bool>(true);
        QObject::connect(dialog, &QDialog::finished, dialog, [open] { *open = false; }, Qt::SingleShotConnection);
        QTimer::singleShot(10000, dialog, [dialog, open] {
            if (!*open)
                return;
            ADD_FAILURE() << "the dialog stayed open";
            static_cast<QDialog *>(dialog)->done(QDialog::Rejected); // some dialogs hide done()
        });
        act(*dialog);
    });
    poll->start();
}

inline void WhenEditShows(std::function<void(CTelebookEditDlg &)> act)
{
    WhenDialogShows<CTelebookEditDlg>(std::move(act));
}

// An entry dialog's Save (the calendar's OK) and Cancel buttons.
inline QPushButton *SaveButton(const CEntryDialog &dialog)
{
    return FindControl<QPushButton>(dialog, CEntryDialog::kSaveButtonId);
}
inline QPushButton *CancelButton(const CEntryDialog &dialog)
{
    return FindControl<QPushButton>(dialog, CEntryDialog::kCancelButtonId);
}

// The memories' lists live in the global store for the whole test program.
inline void ResetTelebookStore()
{
    CTelebookData &store = TheTelebookData();
    for (TelebookList *list :
         {&store.m_phoneList, &store.m_simList, &store.m_workList, &store.m_localList, &store.m_allList})
        list->clear();
    store.m_bPhoneLoaded = false;
    store.m_bSimLoaded = false;
    store.m_nCapacity = 0;
    store.m_editRecord = {};
    store.m_localEditRecord = {};
    store.m_selection.clear();
}

} // namespace orrin::test
