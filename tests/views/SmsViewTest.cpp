// SPDX-License-Identifier: GPL-2.0-or-later
// The message view inside a real main frame whose worker runs the message
// store over the module double: columns, titles, the task pane's operation
// group, delete, synchronise, open and export.
#include "app/MainFrame.h"
#include "resources/Resources.h"
#include "tests/stores/SmsFixture.h"
#include "tests/views/FrameFixture.h"
#include "tests/views/SmsDialogControls.h"
#include "ui/HeaderBar.h"
#include "ui/ReportList.h"
#include "ui/TaskPane.h"
#include "ui/WaitWnd.h"
#include "views/sms/SMSWnd.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace orrin;
using namespace orrin::test;

namespace {

const QList<Sms> kMixed = {{1, kSmsStatusRead, "+4917011", "hello", "260131235958"},
                           {2, kSmsStatusSent, "+4917022", "sent one", "", 1, 1, 0},
                           {3, kSmsStatusUnsent, "+4917033", "draft", "", 9, 0, 1},
                           {4, kSmsStatusUnread, "+4917044", "new", ""}};

void ResetSmsStore()
{
    CSMSData &store = TheSMSData();
    for (SmsList *list : {&store.m_workList, &store.m_phoneList, &store.m_simList, &store.m_localList})
        list->clear();
    store.m_phoneRead = store.m_simRead = false;
    store.m_capacity = 0;
    store.m_recipients.clear();
    store.m_selection.clear();
}

class SmsViewTest : public FrameFixture {
protected:
    void SetUp() override
    {
        ForgetSmsCalls();
        ResetSmsStore();
        ASSERT_NO_FATAL_FAILURE(StartFrame(QStringLiteral("S45i(Europe)"), "German Federal Rep"));
        frame->RouteCommand(ID_VIEW_MESSAGE);
        view = frame->findChild<CSMSWnd *>();
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override
    {
        FrameFixture::TearDown();
        ResetSmsStore();
    }

    CReportList &List() const { return *FindControl<CReportList>(*view, CSMSWnd::kListId); }
    void Run(int command)
    {
        frame->RouteCommand(command);
        ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0 && g_nCommand.load() == 0; }));
        QCoreApplication::processEvents();
    }
    void ReadSim(const QList<Sms> &messages, int capacity)
    {
        QueueSmsRead(messages, capacity);
        Run(ID_SMS_READ_SIM);
        ForgetSmsCalls();
    }
    QStringList Row(int row) const
    {
        QStringList texts;
        for (int column = 0; column < List().columnCount(); ++column)
            texts << List().item(row, column)->text();
        return texts;
    }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        const QPoint centre = List().visualRect(List().model()->index(row, 0)).center();
        QTest::mouseClick(List().viewport(), Qt::LeftButton, modifiers, centre);
    }
    QStringList Operations() const { return TaskLinks(*view, 1); }

    CSMSWnd *view = nullptr;
};

TEST_F(SmsViewTest, EveryColumnFollowsTheStatus)
{
    EXPECT_EQ(SmsColumnTexts(MakeSms(kMixed[0])),
              QStringList({"Read", "+4917011", "26/01/31 23:59:58", "hello", "", "", ""}));
    EXPECT_EQ(SmsColumnTexts(MakeSms(kMixed[1])),
              QStringList({"Sent", "+4917022", "", "sent one", "1 hour", "Yes", "No"}));
    EXPECT_EQ(SmsColumnTexts(MakeSms(kMixed[2])),
              QStringList({"Unsent", "+4917033", "", "draft", "Max", "No", "Yes"}));
    EXPECT_EQ(SmsColumnTexts(MakeSms(kMixed[3])), QStringList({"Unread", "+4917044", "// ::", "new", "", "", ""}));
    EXPECT_EQ(SmsColumnTexts(MakeSms({5, 7, "+1", "odd", "260101"})), QStringList({"", "+1", "", "odd", "", "", ""}));
}

TEST_F(SmsViewTest, ReadShowsTheMemoryWithItsCountAndCapacity)
{
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("Message"));
    ReadSim(kMixed, 30);
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("SIM card Message  ( 4 / 30 )"));
    ASSERT_EQ(List().rowCount(), 4);
    EXPECT_EQ(Row(1), SmsColumnTexts(MakeSms(kMixed[1])));
    QueueSmsRead({}, 25);
    Run(ID_SMS_READ_PHONE);
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("Phone Message  ( 0 / 25 )"));
    EXPECT_EQ(List().rowCount(), 0);
}

TEST_F(SmsViewTest, ClicksRebuildTheOperationGroup)
{
    ReadSim(kMixed, 30);
    EXPECT_EQ(Operations(), QStringList({"New SMS=32784", "Sync to local=32787"}));
    ClickRow(0);
    EXPECT_EQ(Operations(),
              QStringList({"New SMS=32784", "Delete=32786", "Send=32785", "Sync to local=32787", "Export=32788"}));
    EXPECT_EQ(view->findChild<QPlainTextEdit *>()->toPlainText(), QStringLiteral("hello"));
    ClickRow(1, Qt::ControlModifier);
    EXPECT_EQ(Operations(), QStringList({"New SMS=32784", "Delete=32786", "Sync to local=32787", "Export=32788"}));

    // A right click names the open command by the row's status.
    const QStringList expected = {"Forward", "Resend", "Send", "Forward"};
    for (int row = 0; row < 4; ++row) {
        List().clearSelection();
        ClickRow(row);
        QTimer::singleShot(0, [] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
                menu->close();
        });
        const QPoint centre = List().visualRect(List().model()->index(row, 0)).center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, centre, List().viewport()->mapToGlobal(centre));
        QCoreApplication::sendEvent(List().viewport(), &rightClick);
        EXPECT_EQ(Operations().value(2), QStringLiteral("%1=32785").arg(expected[row])) << row;
    }
}

TEST_F(SmsViewTest, ThreeSelectedRowsAreDeletedInAscendingOrder)
{
    ReadSim(kMixed, 30);
    ClickRow(3);
    ClickRow(0, Qt::ControlModifier);
    ClickRow(2, Qt::ControlModifier);
    doubles::SetDefault(QStringLiteral("GetSMSSpace"), doubles::Result(30));
    Run(ID_SMS_DELETE);
    EXPECT_EQ(doubles::CallsOf("DeleteShortMessage"),
              QStringList({"DeleteShortMessage(1)", "DeleteShortMessage(3)", "DeleteShortMessage(4)"}));
    ASSERT_EQ(List().rowCount(), 1);
    EXPECT_EQ(Row(0)[3], QStringLiteral("sent one"));
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("SIM card Message  ( 1 / 30 )"));
}

TEST_F(SmsViewTest, AfterASynchronisationTheLocalListShows)
{
    QueueSmsRead({kMixed[0]}, 10);
    QueueSmsRead({kMixed[1]}, 30);
    Run(ID_SMS_SYNC);
    EXPECT_EQ(HeaderTitle(*view), QStringLiteral("Local Message  ( 2 )"));
    EXPECT_EQ(List().rowCount(), 2);
}

TEST_F(SmsViewTest, ForwardPutsTheSenderIntoSendTo)
{
    ReadSim(kMixed, 30);
    ClickRow(0);
    QString sendTo;
    QString text;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<CSMSComposeDlg *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        sendTo = SendToEdit(*dialog)->text();
        text = MessageEdit(*dialog)->toPlainText();
        dialog->reject();
    });
    frame->RouteCommand(ID_SMS_OPEN);
    EXPECT_EQ(sendTo, QStringLiteral("+4917011"));
    EXPECT_EQ(text, QStringLiteral("hello"));
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(SmsViewTest, ExportWritesTheSelectedRowsByteForByte)
{
    ReadSim(kMixed, 30);
    ClickRow(0);
    ClickRow(1, Qt::ControlModifier);
    const QString path = WorkPath(QStringLiteral("out.txt"));
    view->SetExportFileChooser([&path](QWidget *) { return path; });
    Run(ID_SMS_EXPORT);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("26/01/31 23:59:58  From:+4917011  [Read]\r\nhello\r\n\r\n"
                                         "  To:+4917022  [Sent]\r\nsent one\r\n\r\n"));
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("Export SMS successfully")}));

    view->SetExportFileChooser([](QWidget *) { return QString(); });
    Run(ID_SMS_EXPORT);
    EXPECT_EQ(boxes.Texts().size(), 1);
}

} // namespace
