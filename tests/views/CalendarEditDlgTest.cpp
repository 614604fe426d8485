// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar's entry dialog: what it shows of an entry, what it writes into
// the work record and hands on, and the entries it refuses.
#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/calendar/CalendarData.h"
#include "stores/common/TextField.h"
#include "tests/support/KeyboardWalk.h"
#include "tests/support/TestSupport.h"
#include "tests/views/TelebookDialogDriver.h"
#include "views/calendar/CalendarEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace orrin;
using namespace orrin::test;

namespace {

using Dlg = CCalendarEditDlg;

CalendarRecord Record(const char *heading, const char *summary, const char *details)
{
    CalendarRecord record{};
    record.index = 4;
    SetTextFieldBytes(record.heading, heading);
    SetTextFieldBytes(record.summary, summary);
    SetTextFieldBytes(record.details, details);
    return record;
}

QByteArray Bytes(const CalendarRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

QDateTime Time(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm"));
}

class CalendarEditDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        g_nMemory.store(kPhoneMemory);
        g_bBusy.store(1); // the view's New and Modify hold the link
    }

    // Runs the dialog; whileOpen acts on it once it shows.
    int Run(Dlg::Mode mode, const std::function<void()> &whileOpen)
    {
        QTimer::singleShot(0, &dialog, whileOpen);
        return dialog.Run(mode);
    }

    // The dialog's control of that id.
    template <class Widget>
    Widget *Part(int id) const
    {
        return FindControl<Widget>(dialog, id);
    }
    // The start line's check box has no id of its own: found by its label.
    QCheckBox *StartCheck() const
    {
        for (QCheckBox *check : dialog.findChildren<QCheckBox *>()) {
            if (check->text() == "Start time")
                return check;
        }
        return nullptr;
    }

    CCalendarData store;
    QList<CommandRequest> requests;
    Dlg dialog{store, [this](const CommandRequest &request, const std::function<void()> &fillStore) {
                   requests.append(request);
                   fillStore();
                   return true;
               }};
};

TEST_F(CalendarEditDlgTest, AnEntryLeftAsItWasGoesBackByteForByteAfterTheStoreAnswers)
{
    // An alarm in another form than the dialog's editors show travels as it came.
    store.m_phoneRecord = Record("MEETING", "Project review",
                                 "Start 2025-03-10 09:30\nEnd 2025-03-10 10:30\nAlarm 20250310T091500Z\nRoom 4");
    const QByteArray before = Bytes(store.m_phoneRecord);
    const int result = Run(Dlg::kModifyEntry, [&] {
        EXPECT_EQ(dialog.windowTitle(), "Dialog");
        EXPECT_EQ(Part<QDateTimeEdit>(Dlg::kStartEditId)->dateTime(), Time("2025-03-10 09:30"));
        EXPECT_TRUE(Part<QCheckBox>(Dlg::kEndCheckId)->isChecked());
        EXPECT_EQ(Part<QDateTimeEdit>(Dlg::kEndEditId)->dateTime(), Time("2025-03-10 10:30"));
        EXPECT_TRUE(Part<QCheckBox>(Dlg::kRemindCheckId)->isChecked());
        EXPECT_EQ(Part<QComboBox>(Dlg::kCategoryListId)->currentText(), "MEETING");
        EXPECT_EQ(Part<QLineEdit>(Dlg::kSummaryEditId)->text(), "Project review");
        EXPECT_EQ(Part<QPlainTextEdit>(Dlg::kNoteEditId)->toPlainText(), "Room 4");
        SaveButton(dialog)->click();
        ASSERT_EQ(requests.size(), 1);
        EXPECT_EQ(requests[0].code, kCalendarModify);
        EXPECT_TRUE(requests[0].needsPhone);
        EXPECT_FALSE(requests[0].showProgress);
        EXPECT_TRUE(requests[0].waitText.isEmpty());
        // The store's answer must find the dialog open.
        dialog.reject();
        EXPECT_TRUE(dialog.isVisible());
        PostMessageTo(&dialog, WM_CALENDAR_DONE);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Bytes(store.m_phoneRecord), before);
}

TEST_F(CalendarEditDlgTest, NewLocalEntryWritesOnlyTheTimesChosenAndAFailureClosesIt)
{
    g_nMemory.store(kLocalFile);
    store.m_localRecord = {};
    const int result = Run(Dlg::kNewEntry, [&] {
        EXPECT_FALSE(Part<QCheckBox>(Dlg::kEndCheckId)->isChecked());
        EXPECT_FALSE(Part<QCheckBox>(Dlg::kRemindCheckId)->isChecked());
        Part<QDateTimeEdit>(Dlg::kStartEditId)->setDateTime(Time("2026-12-24 10:00"));
        Part<QComboBox>(Dlg::kCategoryListId)->setCurrentText("BIRTHDAY");
        Part<QLineEdit>(Dlg::kSummaryEditId)->setText("Zahnarzt");
        Part<QPlainTextEdit>(Dlg::kNoteEditId)->setPlainText("Karte\nmitbringen");
        SaveButton(dialog)->click();
        ASSERT_EQ(requests.size(), 1);
        EXPECT_EQ(requests[0].code, kCalendarNew);
        PostMessageTo(&dialog, WM_OPERATION_FAILED);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(TextFieldString(store.m_localRecord.heading), "BIRTHDAY");
    EXPECT_EQ(TextFieldString(store.m_localRecord.summary), "Zahnarzt");
    EXPECT_EQ(TextFieldString(store.m_localRecord.details), "Start 2026-12-24 10:00\nKarte\nmitbringen");
    EXPECT_EQ(TextFieldString(store.m_phoneRecord.details), "");
}

TEST_F(CalendarEditDlgTest, DetailsTooLongForTheRecordAreRefusedBeforeAnythingIsWritten)
{
    CBoxRecorder boxes;
    store.m_phoneRecord = Record("TRAVEL", "Trip", "Start 2026-01-05 08:00");
    const QByteArray before = Bytes(store.m_phoneRecord);
    const int result = Run(Dlg::kModifyEntry, [&] {
        Part<QCheckBox>(Dlg::kEndCheckId)->setChecked(true);
        Part<QCheckBox>(Dlg::kRemindCheckId)->setChecked(true);
        Part<QPlainTextEdit>(Dlg::kNoteEditId)->setPlainText(QString(20, QLatin1Char('x')));
        SaveButton(dialog)->click();
        EXPECT_TRUE(requests.isEmpty());
        EXPECT_TRUE(dialog.isVisible());
        CancelButton(dialog)->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_TRUE(boxes.Texts()[0].startsWith("The entry is too long"));
    EXPECT_EQ(Bytes(store.m_phoneRecord), before);
    EXPECT_EQ(g_bBusy.load(), 0);
}

// The summary has the focus on opening; Tab goes on down the form.
TEST_F(CalendarEditDlgTest, TabRunsFromTheSummaryRoundTheForm)
{
    QList<QWidget *> walked;
    const int result = Run(Dlg::kNewEntry, [&] {
        walked = TabWalk(dialog);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    // A new entry has neither end nor reminder: their times are off.
    const QList<QWidget *> expected{Part<QLineEdit>(Dlg::kSummaryEditId),
                                    Part<QPlainTextEdit>(Dlg::kNoteEditId),
                                    SaveButton(dialog),
                                    CancelButton(dialog),
                                    StartCheck(),
                                    Part<QDateTimeEdit>(Dlg::kStartEditId),
                                    Part<QCheckBox>(Dlg::kEndCheckId),
                                    Part<QCheckBox>(Dlg::kRemindCheckId),
                                    Part<QComboBox>(Dlg::kCategoryListId)};
    EXPECT_EQ(Named(walked), Named(expected));
}

} // namespace
