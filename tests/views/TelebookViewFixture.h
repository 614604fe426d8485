// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone-book view inside a real main frame whose worker runs the
// phone-book store over the module doubles; a work folder of its own, the
// phone connected, message boxes recorded.

#include "tests/stores/TelebookScript.h"

#include "ui/ControlId.h"
#include "ui/HeaderBar.h"
#include "app/MainFrame.h"
#include "ui/ProgressBar.h"
#include "ui/ReportList.h"
#include "resources/Resources.h"
#include "ui/TaskPane.h"
#include "stores/telebook/TelebookData.h"
#include "tests/views/TelebookDialogDriver.h"
#include "views/telebook/TelebookEditDlg.h"
#include "views/telebook/TelebookWnd.h"
#include "tests/support/FrameParts.h"
#include "tests/views/FrameFixture.h"
#include "tests/support/TestSupport.h"
#include "ui/WaitWnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace orrin::test {

class TelebookViewTest : public FrameFixture {
protected:
    void SetUp() override
    {
        ForgetCalls();
        ResetTelebookStore();
        ASSERT_NO_FATAL_FAILURE(StartFrame(QStringLiteral("ME45(Europe)")));
        ShowPhonebook();
    }
    void TearDown() override
    {
        FrameFixture::TearDown();
        ResetTelebookStore();
    }

    // Another phone type, as the settings dialog would set it; the phone
    // book is shown again for it.
    void UsePhoneType(const QString &type)
    {
        ASSERT_TRUE(QDir().mkpath(WorkPath(type)));
        g_strPhoneType.Set(type);
        ShowPhonebook();
    }
    void ShowPhonebook() { frame->RouteCommand(ID_VIEW_PHONEBOOK); }

    CTelebookWnd &View() const { return *FrameView<CTelebookWnd>(*frame); }
    CReportList &List() const { return *View().findChild<CReportList *>(); }
    CTelebookData &Store() const { return TheTelebookData(); }

    // Runs a view command and waits until the store has answered.
    void Run(int command)
    {
        frame->RouteCommand(command);
        ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0; }));
    }
    void ReadMemory(int command, const QList<Entry> &entries, int capacity)
    {
        QueueRead(entries, capacity);
        Run(command);
        ForgetCalls();
    }
    void WriteLocalFile(const QList<Entry> &entries) const
    {
        QFile file(CTelebookData::LocalFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(FileBytes("telebook", qint32(entries.size()), entries));
    }

    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < List().rowCount(); ++row)
            texts << List().item(row, column)->text();
        return texts;
    }
    QPoint RowCentre(int row) const { return List().visualRect(List().model()->index(row, 0)).center(); }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::mouseClick(List().viewport(), Qt::LeftButton, modifiers, RowCentre(row));
    }
    void Select(const QList<int> &rows) const
    {
        List().clearSelection();
        for (const int row : rows)
            ClickRow(row, Qt::ControlModifier);
    }

    QStringList Links(int group) const { return TaskLinks(View(), group); }
};

} // namespace orrin::test
