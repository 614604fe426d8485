// SPDX-License-Identifier: GPL-2.0-or-later
// The phone-book view in the main frame, its commands run by the worker on
// the phone-book store over the module doubles: lists, titles, wait texts,
// the operation group and the context menu.
#include "tests/views/TelebookViewFixture.h"

#include "ui/SystemMetrics.h"

#include <QHeaderView>
#include <QMenu>

using namespace orrin;
using namespace orrin::test;

namespace {

const QList<Entry> kSim = {{1, "0111", "Ann", 1}, {3, "0333", "Cid"}, {7, "0777", "Gus"}};

// Chooses an item of the context menu as soon as it pops up.
void WhenMenuShows(const QString &choice, QStringList *offered)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, choice, offered] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll->stop();
        poll->deleteLater();
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            const QString text = QString(action->text()).remove(u'&');
            *offered << QStringLiteral("%1=%2").arg(text).arg(action->data().toInt());
            if (text == choice)
                chosen = action;
        }
        if (!chosen) {
            menu->close();
            return;
        }
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    poll->start();
}

TEST_F(TelebookViewTest, FrameHeaderListAndMenuBeforeAnythingIsRead)
{
    EXPECT_EQ(ActiveView(*frame), &View());
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "Phonebook");
    EXPECT_EQ(View().findChild<CHeaderBar *>()->windowTitle(), "Telebook Header");
    EXPECT_EQ(ControlId(&List()), 2002);

    const int w = View().width();
    const int h = View().height();
    EXPECT_EQ(View().findChild<CTaskPane *>()->geometry(), QRect(0, 0, 200, h));
    EXPECT_EQ(View().findChild<CHeaderBar *>()->geometry(), QRect(200, 0, w - 199, 21));
    EXPECT_EQ(List().geometry(), QRect(200, 20, w - 200, h - 20));
    QStringList headings;
    for (int column = 0; column < List().columnCount(); ++column)
        headings << List().horizontalHeaderItem(column)->text();
    EXPECT_EQ(headings, QStringList({"Name", "Phone number", "Location", "VIP"}));
    const int scrollBar = CurrentSystemMetrics().scrollBarWidth;
    EXPECT_EQ(List().columnWidth(0), 100);
    EXPECT_EQ(List().columnWidth(1), w - scrollBar - 450);
    EXPECT_EQ(List().columnWidth(2), 100);
    EXPECT_EQ(List().columnWidth(3), 50);

    EXPECT_EQ(View().findChild<CTaskPane *>()->GroupCount(), 2);
    EXPECT_EQ(View().findChild<CTaskPane *>()->Group(0)->title, "Phonebook");
    EXPECT_EQ(Links(0), QStringList({"Read from phone=32789", "Read from SIM card=32790", "Read from local=32791"}));
    EXPECT_EQ(View().findChild<CTaskPane *>()->Group(1)->title, "Operation");
    EXPECT_EQ(Links(1), QStringList({"New phonebook=32792", "Sync to local=32795"}));
}

TEST_F(TelebookViewTest, EachMemoryIsListedWithItsTitleAndTheViewsMemoryInEveryRow)
{
    QueueRead(kSim, 10);
    frame->RouteCommand(ID_TELEBOOK_READ_SIM);
    ASSERT_NE(TheWaitWindow(), nullptr);
    EXPECT_EQ(TheWaitWindow()->Text(), "Reading phone book");
    ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0; }));
    EXPECT_EQ(TheWaitWindow(), nullptr);
    EXPECT_EQ(doubles::CallsOf("SetTeleBookMemo"), QStringList{"SetTeleBookMemo(SM)"});
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "SIM card Telebook  ( 3 / 10 )");
    EXPECT_EQ(Column(0), QStringList({"Ann", "Cid", "Gus"}));
    EXPECT_EQ(Column(1), QStringList({"0111", "0333", "0777"}));
    EXPECT_EQ(Column(2), QStringList({"SIM card", "SIM card", "SIM card"})) << "not the record's location";
    EXPECT_EQ(Column(3), QStringList({"Yes", "No", "No"}));

    ReadMemory(ID_TELEBOOK_READ_PHONE, {{2, "0222", "Bob"}}, 5);
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "Phone Telebook  ( 1 / 5 )");
    EXPECT_EQ(Column(2), QStringList({"Phone"}));

    WriteLocalFile({{4, "0444", "Dan"}, {9, "0999", "Ida", 1}});
    g_bConnected.store(0); // the local file needs no phone
    frame->RouteCommand(ID_TELEBOOK_READ_LOCAL);
    EXPECT_EQ(TheWaitWindow(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return HeaderTitle(View()).startsWith("Local") && g_bBusy.load() == 0; }));
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "Local Telebook  ( 2 )");
    EXPECT_EQ(Column(0), QStringList({"Dan", "Ida"}));
    EXPECT_EQ(Column(2), QStringList({"Local", "Local"}));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(TelebookViewTest, PhoneCommandsWaitForAConnectionAndForTheRunningOperation)
{
    g_bConnected.store(0);
    for (const int command : {ID_TELEBOOK_READ_PHONE, ID_TELEBOOK_READ_SIM, ID_TELEBOOK_SYNC}) {
        frame->RouteCommand(command);
        EXPECT_EQ(g_nCommand.load(), 0) << command;
    }
    ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 3; }));
    EXPECT_EQ(boxes.Boxes()[0].text, "Mobilephone is not connected. \nPlease Connect first.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Tip");

    // While an operation runs nothing else may change the memory it works on.
    g_bConnected.store(1);
    g_bBusy.store(1);
    g_nMemory.store(kSimCard);
    frame->RouteCommand(ID_TELEBOOK_READ_LOCAL);
    frame->RouteCommand(ID_TELEBOOK_NEW);
    EXPECT_EQ(g_nMemory.load(), kSimCard);
    EXPECT_EQ(g_nCommand.load(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TelebookViewTest, DeleteHandsTheSelectedRowsInAscendingOrder)
{
    ReadMemory(ID_TELEBOOK_READ_SIM, kSim, 10);
    Select({2, 0});
    QueueHeld({kSim[0], kSim[2]});
    frame->RouteCommand(ID_TELEBOOK_DELETE);
    ASSERT_NE(TheWaitWindow(), nullptr);
    EXPECT_EQ(TheWaitWindow()->Text(), "Deleting phone book");
    ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0; }));
    EXPECT_EQ(Store().m_selection, std::vector<int>({0, 2}));
    EXPECT_EQ(doubles::CallsOf("DeleteTeleBook"), QStringList({"DeleteTeleBook(1)", "DeleteTeleBook(7)"}));
    EXPECT_EQ(Column(0), QStringList{"Cid"});
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "SIM card Telebook  ( 1 / 10 )");
}

TEST_F(TelebookViewTest, LocalEntriesAreDeletedWithoutAPhone)
{
    WriteLocalFile({{1, "0111", "Ann"}, {2, "0222", "Bob"}, {3, "0333", "Cid"}});
    Run(ID_TELEBOOK_READ_LOCAL);
    g_bConnected.store(0);
    Select({1});
    Run(ID_TELEBOOK_DELETE);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(Column(0), QStringList({"Ann", "Cid"}));
    QFile file(CTelebookData::LocalFilePath());
    EXPECT_EQ(file.size(), 12 + 2 * qint64(sizeof(TelebookRecord)));
}

TEST_F(TelebookViewTest, SyncCopiesPhoneAndSimIntoTheLocalFileAndShowsIt)
{
    WriteLocalFile({{1, "0111", "Ann"}});
    QueueRead({{1, "0222", "Bob"}}, 5); // phone memory
    QueueRead({{1, "0111", "Ann"}, {2, "0333", "Cid"}}, 10);
    frame->RouteCommand(ID_TELEBOOK_SYNC);
    EXPECT_EQ(TheWaitWindow()->Text(), "Syncronizing phone book");
    ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0; }));
    EXPECT_EQ(doubles::CallsOf("SetTeleBookMemo"), QStringList({"SetTeleBookMemo(ME)", "SetTeleBookMemo(SM)"}));
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "Local Telebook  ( 3 )");
    EXPECT_EQ(Column(0), QStringList({"Ann", "Bob", "Cid"}));
    EXPECT_EQ(Column(2), QStringList({"Local", "Local", "Local"}));
}

TEST_F(TelebookViewTest, ClicksRebuildTheOperationGroup)
{
    ReadMemory(ID_TELEBOOK_READ_SIM, kSim, 10);
    const QStringList noRow{"New phonebook=32792", "Sync to local=32795"};
    ClickRow(1);
    EXPECT_EQ(Links(1), QStringList({"New phonebook=32792", "Modify=32793", "Delete=32794", "Sync to local=32795"}));
    ClickRow(2, Qt::ControlModifier);
    EXPECT_EQ(Links(1), QStringList({"New phonebook=32792", "Delete=32794", "Sync to local=32795"}));
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, QPoint(20, List().viewport()->height() - 5));
    EXPECT_EQ(Links(1), noRow);
    EXPECT_EQ(View().findChild<CTaskPane *>()->Group(1)->title, "Operation");
    EXPECT_EQ(View().findChild<CTaskPane *>()->GroupCount(), 2);
    EXPECT_EQ(Links(0).size(), 3) << "the first group stays";
}

TEST_F(TelebookViewTest, DoubleClickOpensTheEntryOrANewOne)
{
    ReadMemory(ID_TELEBOOK_READ_SIM, kSim, 10);
    QString opened;
    WhenEditShows([&](CTelebookEditDlg &dialog) {
        opened = FindControl<QLineEdit>(dialog, CTelebookEditDlg::kNameEditId)->text() + "/" +
                 QString::number(dialog.m_nMode);
        CancelButton(dialog)->click();
    });
    // A user's double click: a click, then the double click and its release.
    ClickRow(1);
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, RowCentre(1));
    QTest::mouseRelease(List().viewport(), Qt::LeftButton, {}, RowCentre(1));
    EXPECT_EQ(Links(1), QStringList({"New phonebook=32792", "Sync to local=32795"}));
    ASSERT_TRUE(WaitUntil([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, "Cid/1");
    EXPECT_EQ(g_bBusy.load(), 0);

    opened.clear();
    WhenEditShows([&](CTelebookEditDlg &dialog) {
        opened = FindControl<QLineEdit>(dialog, CTelebookEditDlg::kNameEditId)->text() + "/" +
                 QString::number(dialog.m_nMode);
        CancelButton(dialog)->click();
    });
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, QPoint(20, List().viewport()->height() - 5));
    ASSERT_TRUE(WaitUntil([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, "/0");
}

TEST_F(TelebookViewTest, ContextMenuOffersModifyOnlyForOneRow)
{
    ReadMemory(ID_TELEBOOK_READ_SIM, kSim, 10);
    QStringList offered;
    Select({0, 2});
    QueueHeld({kSim[0], kSim[2]});
    WhenMenuShows("Delete", &offered);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, RowCentre(2), List().viewport()->mapToGlobal(RowCentre(2)));
    QApplication::sendEvent(List().viewport(), &rightClick);
    EXPECT_EQ(offered, QStringList{"Delete=32794"});
    EXPECT_EQ(Links(1), QStringList({"New phonebook=32792", "Delete=32794", "Sync to local=32795"}));
    ASSERT_TRUE(WaitUntil([] { return !doubles::CallsOf("DeleteTeleBook").isEmpty() && g_bBusy.load() == 0; }));
    EXPECT_EQ(doubles::CallsOf("DeleteTeleBook"), QStringList({"DeleteTeleBook(1)", "DeleteTeleBook(7)"}));

    offered.clear();
    ClickRow(0);
    WhenMenuShows({}, &offered);
    QContextMenuEvent onRow(QContextMenuEvent::Mouse, RowCentre(0), List().viewport()->mapToGlobal(RowCentre(0)));
    QApplication::sendEvent(List().viewport(), &onRow);
    EXPECT_EQ(offered, QStringList({"Modify=32793", "Delete=32794"}));
}

// The phone-book view listing a SIM card, painted offscreen.
TEST_F(TelebookViewTest, SimPhoneBookRendersOffscreen)
{
    ReadMemory(ID_TELEBOOK_READ_SIM,
               {{1, "+4989123456", "Anna Berger", 1}, {2, "01715550123", "Bernd Kraus"}, {3, "+4330987654", "Clara Weiss"},
                {5, "0891234", "Dieter Vogt"}, {6, "+41445551212", "Eva Frei", 1}, {8, "07116667788", "Frank Roth"}},
               100);
    ClickRow(2);
    const QImage shot = frame->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(900, 640));
    const QPoint header = View().findChild<CHeaderBar *>()->mapTo(frame.get(), QPoint(2, 10));
    const QColor highlight = View().palette().color(QPalette::Highlight);
    EXPECT_NEAR(shot.pixelColor(header).red(), highlight.red(), 2) << "the header's gradient starts there";
    EXPECT_NEAR(shot.pixelColor(header).blue(), highlight.blue(), 2);
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "SIM card Telebook  ( 6 / 100 )");
}

} // namespace
