// SPDX-License-Identifier: GPL-2.0-or-later
// The older family's address-book view in the main frame, its commands run
// by the worker on the address-book store over the module doubles: the card
// layout, the operation group, and the entry dialog's hand-over.
#include "app/MainFrame.h"
#include "resources/Resources.h"
#include "stores/addrbook/AddrbookData.h"
#include "tests/stores/AddrbookScript.h"
#include "tests/support/FrameParts.h"
#include "tests/support/KeyboardWalk.h"
#include "tests/support/TestSupport.h"
#include "tests/views/FrameFixture.h"
#include "tests/views/TelebookDialogDriver.h"
#include "ui/CardTile.h"
#include "ui/ControlId.h"
#include "ui/HeaderBar.h"
#include "ui/StepScrollBar.h"
#include "ui/SystemMetrics.h"
#include "ui/TaskPane.h"
#include "ui/WaitWnd.h"
#include "views/addrbook/AddrbookWnd.h"
#include "views/addrbook/S57AddrbookEditDlg.h"
#include "views/addrbook/S57AddrbookWnd.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace orrin;
using namespace orrin::test;

namespace {

using Cards = std::map<int, AddrbookRecord>;

AddrbookRecord Entry(const char *name, const char *street = "", const char *office = "")
{
    AddrbookRecord record = Card<AddrbookRecord>(name);
    SetTextFieldBytes(record.street, street);
    SetTextFieldBytes(record.office, office);
    return record;
}

class AddrbookViewTest : public FrameFixture {
protected:
    void SetUp() override
    {
        ForgetAddrbookCalls();
        ResetStore();
        ASSERT_NO_FATAL_FAILURE(StartFrame(PhoneType()));
        frame->RouteCommand(ID_VIEW_ADDRESSBOOK);
    }
    void TearDown() override
    {
        FrameFixture::TearDown();
        ResetStore();
    }
    virtual QString PhoneType() const { return QStringLiteral("S45i(Europe)"); }
    static void ResetStore()
    {
        TheS57AddrbookData().m_phoneList.clear();
        CAddrbookData &store = TheAddrbookData();
        store.m_phoneList.clear();
        store.m_localList.clear();
        store.m_mergedList.clear();
        store.m_selection.clear();
    }

    CAddrbookWnd &View() const { return *FrameView<CAddrbookWnd>(*frame); }
    CCardContent &Content() const { return *View().findChild<CCardContent *>(); }
    CAddrbookData &Store() const { return TheAddrbookData(); }
    QString Title() const { return View().findChild<CHeaderBar *>()->Title(); }

    void Run(int command)
    {
        frame->RouteCommand(command);
        ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0 && g_nCommand.load() == 0; }));
    }
    void ReadPhone(const Cards &cards)
    {
        QueuePhoneRead("GetVCF", cards);
        Run(ID_ADDRBOOK_READ_PHONE);
        ForgetAddrbookCalls();
    }
    void WriteLocalFile(const QList<AddrbookRecord> &records) const
    {
        QFile file(Store().LocalFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(LocalFileBytes(QByteArrayLiteral("addrbook"), records));
    }

    QStringList CardTitles() const
    {
        QStringList titles;
        for (int i = 0; i < Content().TileCount(); ++i)
            titles << Content().Tile(i)->Caption();
        return titles;
    }
    QPoint CardCentre(int index) const { return Content().Tile(index)->Rect().center(); }
    void ClickCard(int index, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(Content().Tile(index), button, {}, QPoint(20, 50));
    }
    void ClickEmpty() const
    {
        QTest::mouseClick(&Content(), Qt::LeftButton, {}, QPoint(Content().width() - 40, Content().height() - 5));
    }
    QStringList Links(int group) const { return TaskLinks(View(), group); }

};

TEST_F(AddrbookViewTest, CardsFollowTheLayoutRuleForTheContentWidth)
{
    EXPECT_EQ(ActiveView(*frame), &View());
    EXPECT_EQ(Title(), "Addressbook");
    EXPECT_EQ(View().findChild<CHeaderBar *>()->windowTitle(), "Addrbook Header");
    EXPECT_EQ(Content().windowTitle(), "Addressbook Content");
    EXPECT_EQ(ControlId(Content().ScrollBar()), 2003);
    EXPECT_EQ(Content().geometry(), QRect(200, 20, View().width() - 200, View().height() - 20));
    EXPECT_EQ(Links(0), QStringList({"Read from phone=32805", "Read from local=32806"}));
    EXPECT_EQ(Links(1), QStringList({"New addressbook=32807", "Sync to local=32810"}));

    Cards seven;
    for (int slot = 0; slot < 7; ++slot)
        seven[slot] = Entry(QByteArray::number(slot).constData());
    seven[0] = Entry("Ann", "Main St 1", "0301");
    ReadPhone(seven);
    EXPECT_EQ(Title(), "Phone address book  ( 7 )");
    ASSERT_EQ(Content().TileCount(), 7);
    EXPECT_EQ(Content().Tile(0)->Caption(), "Ann");
    EXPECT_EQ(static_cast<CCardTile *>(Content().Tile(0))->Lines(),
              QStringList({"Main St 1", "Postalcode:  ", "BizPhone:     0301", "Email:   "}));

    const int thumb = CurrentSystemMetrics().scrollThumbWidth;
    Content().resize(500 + thumb, 600);
    QList<QRect> rects;
    for (int i = 0; i < 7; ++i)
        rects << Content().Tile(i)->Rect();
    EXPECT_EQ(rects[0], QRect(10, 10, 146, 100));
    EXPECT_EQ(rects[1].left(), 176);
    EXPECT_EQ(rects[2].left(), 342);
    EXPECT_EQ(rects[3].topLeft(), QPoint(10, 130));
    EXPECT_EQ(rects[6].topLeft(), QPoint(10, 250));

    Content().resize(400 + thumb, 600);
    EXPECT_EQ(Content().Tile(1)->Rect(), QRect(210, 10, 180, 100));
    EXPECT_EQ(Content().Tile(2)->Rect().topLeft(), QPoint(10, 130));

    Content().resize(100 + thumb, 600);
    EXPECT_EQ(Content().Tile(1)->Rect(), QRect(10, 130, 80, 100));
}

TEST_F(AddrbookViewTest, SelectingACardOffersModifyAndDeleteInTheGroupAndTheMenu)
{
    ReadPhone({{0, Entry("Ann")}, {4, Entry("Bob")}});
    ClickCard(1);
    EXPECT_TRUE(Content().Tile(1)->IsSelected());
    EXPECT_EQ(Links(1), QStringList({"New addressbook=32807", "Modify=32808", "Delete=32809", "Sync to local=32810"}));
    ClickEmpty();
    EXPECT_EQ(Content().SelectedTile(), nullptr);
    EXPECT_EQ(Links(1), QStringList({"New addressbook=32807", "Sync to local=32810"}));

    QStringList offered;
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, &offered] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll->stop();
        poll->deleteLater();
        for (QAction *action : menu->actions())
            offered << QStringLiteral("%1=%2").arg(QString(action->text()).remove(u'&')).arg(action->data().toInt());
        menu->close();
    });
    poll->start();
    ClickCard(0, Qt::RightButton);
    EXPECT_EQ(offered, QStringList({"Modify=32808", "Delete=32809"}));
    EXPECT_EQ(Content().SelectedIndex(), 0);
}

// The store leaves its list as the file held it; the view puts the change in.
TEST_F(AddrbookViewTest, DoubleClickedCardIsModifiedAndCopiedBackIntoTheList)
{
    WriteLocalFile({Entry("Ann"), Entry("Bob", "Old Rd")});
    Run(ID_ADDRBOOK_READ_LOCAL);
    WhenDialogShows<CAddrbookEditDlg>([](CAddrbookEditDlg &dialog) {
        EXPECT_EQ(dialog.Edit(CAddrbookEditDlg::kNameEditId)->text(), "Bob");
        EXPECT_EQ(dialog.Edit(CAddrbookEditDlg::kStreetEditId)->text(), "Old Rd");
        EXPECT_TRUE(dialog.LocationButton(CAddrbookEditDlg::kLocationLocal)->isChecked());
        EXPECT_FALSE(dialog.LocationButton(CAddrbookEditDlg::kLocationPhone)->isEnabled());
        dialog.Edit(CAddrbookEditDlg::kStreetEditId)->setText("New Rd");
        SaveButton(dialog)->click();
    });
    QTest::mouseClick(Content().Tile(1), Qt::LeftButton, {}, QPoint(20, 50));
    QTest::mouseDClick(Content().Tile(1), Qt::LeftButton, {}, QPoint(20, 50));
    ASSERT_TRUE(WaitUntil([this] { return g_bBusy.load() == 0 && !Store().m_selection.empty(); }));
    EXPECT_EQ(Store().m_selection, std::vector<int>{1});
    ASSERT_EQ(Store().m_localList.size(), 2);
    EXPECT_EQ(TextFieldString(Store().m_localList[1].street), "New Rd");
    ASSERT_EQ(Content().TileCount(), 2);
    EXPECT_EQ(static_cast<CCardTile *>(Content().Tile(1))->Lines().first(), "New Rd");
    EXPECT_EQ(Title(), "Local address book  ( 2 )");
    QFile file(Store().LocalFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("New Rd"));
}

TEST_F(AddrbookViewTest, DoubleClickOnEmptySpaceStartsANewEntry)
{
    WriteLocalFile({Entry("Ann")});
    Run(ID_ADDRBOOK_READ_LOCAL);
    bool opened = false;
    WhenDialogShows<CAddrbookEditDlg>([&](CAddrbookEditDlg &dialog) {
        opened = true;
        EXPECT_TRUE(dialog.Edit(CAddrbookEditDlg::kNameEditId)->text().isEmpty());
        EXPECT_TRUE(dialog.LocationButton(CAddrbookEditDlg::kLocationPhone)->isEnabled());
        dialog.reject();
    });
    const QPoint empty(Content().width() - 30, Content().height() - 10);
    QTest::mouseClick(&Content(), Qt::LeftButton, {}, empty);
    QTest::mouseDClick(&Content(), Qt::LeftButton, {}, empty);
    ASSERT_TRUE(WaitUntil([&] { return opened && g_bBusy.load() == 0; }));
    EXPECT_EQ(Content().SelectedIndex(), -1);
}

TEST_F(AddrbookViewTest, FailedPhoneWriteClosesTheDialogAsCancelledWithTheCardsUnchanged)
{
    ReadPhone({{2, Entry("Ann", "Old Rd")}});
    doubles::Queue(QStringLiteral("SetVCF"), doubles::Result(0));
    int result = -1;
    WhenDialogShows<CAddrbookEditDlg>([&](CAddrbookEditDlg &dialog) {
        QObject::connect(&dialog, &QDialog::finished, [&](int code) { result = code; });
        dialog.Edit(CAddrbookEditDlg::kStreetEditId)->setText("New Rd");
        SaveButton(dialog)->click();
    });
    ClickCard(0);
    frame->RouteCommand(ID_ADDRBOOK_MODIFY);
    ASSERT_TRUE(WaitUntil([&] { return result != -1 && g_bBusy.load() == 0; }));
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(boxes.Texts(), QStringList{"Unable to write addrbook!"});
    EXPECT_EQ(TextFieldString(Store().m_phoneList[0].street), "Old Rd");
    EXPECT_EQ(static_cast<CCardTile *>(Content().Tile(0))->Lines().first(), "Old Rd");
}

TEST_F(AddrbookViewTest, NewEntrySavedLocallyWhileThePhoneShowsSwitchesToTheLocalList)
{
    ReadPhone({{0, Entry("Ann")}});
    g_bConnected.store(0);
    WhenDialogShows<CAddrbookEditDlg>([this](CAddrbookEditDlg &dialog) {
        EXPECT_TRUE(dialog.LocationButton(CAddrbookEditDlg::kLocationLocal)->isChecked());
        dialog.Edit(CAddrbookEditDlg::kNameEditId)->setText("Zoe");
        // To the phone without a connection: asked to connect, still open.
        dialog.LocationButton(CAddrbookEditDlg::kLocationPhone)->click();
        SaveButton(dialog)->click();
        EXPECT_TRUE(WaitUntil([this] { return boxes.Boxes().size() == 1; }));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(g_nCommand.load(), 0);
        dialog.LocationButton(CAddrbookEditDlg::kLocationLocal)->click();
        SaveButton(dialog)->click();
    });
    frame->RouteCommand(ID_ADDRBOOK_NEW);
    ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0; }));
    EXPECT_EQ(boxes.Texts(), QStringList{"Mobilephone is not connected. \nPlease Connect first."});
    EXPECT_EQ(Title(), "Local address book  ( 1 )");
    EXPECT_EQ(CardTitles(), QStringList{"Zoe"});
    QFile file(Store().LocalFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 12 + qint64(sizeof(AddrbookRecord)));
}

TEST_F(AddrbookViewTest, DeletingALocalEntryNeedsNoPhoneAndAPhoneEntryDoes)
{
    WriteLocalFile({Entry("Ann"), Entry("Bob"), Entry("Cid")});
    g_bConnected.store(0);
    Run(ID_ADDRBOOK_READ_LOCAL);
    EXPECT_EQ(Title(), "Local address book  ( 3 )");
    ClickCard(1);
    Run(ID_ADDRBOOK_DELETE);
    EXPECT_EQ(CardTitles(), QStringList({"Ann", "Cid"}));
    EXPECT_EQ(Title(), "Local address book  ( 2 )");
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    g_bConnected.store(1);
    ReadPhone({{0, Entry("Ann")}});
    g_bConnected.store(0);
    ClickCard(0);
    frame->RouteCommand(ID_ADDRBOOK_DELETE);
    EXPECT_EQ(g_nCommand.load(), 0);
    ASSERT_TRUE(WaitUntil([this] { return boxes.Boxes().size() == 1; }));
    EXPECT_TRUE(doubles::CallsOf(QStringLiteral("ClearVCF")).isEmpty());
    EXPECT_EQ(CardTitles(), QStringList{"Ann"});
}

TEST_F(AddrbookViewTest, DialogControlsTakeOnlyWhatTheirFieldsHold)
{
    WhenDialogShows<CAddrbookEditDlg>([](CAddrbookEditDlg &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Addressbook");
        for (int id = CAddrbookEditDlg::kNameEditId; id <= CAddrbookEditDlg::kUrlEditId; ++id)
            EXPECT_NE(dialog.Edit(id), nullptr) << id;
        EXPECT_EQ(ControlId(dialog.findChild<QCheckBox *>()), 1028);
        EXPECT_EQ(ControlId(dialog.LocationButton(CAddrbookEditDlg::kLocationPhone)), 1029);
        EXPECT_EQ(ControlId(dialog.LocationButton(CAddrbookEditDlg::kLocationLocal)), 1031);
        EXPECT_EQ(FindControl<QPushButton>(dialog, 1)->text(), "Save");
        // The view shows nothing yet: no location is chosen, and Save stays.
        EXPECT_FALSE(dialog.LocationButton(CAddrbookEditDlg::kLocationPhone)->isChecked());
        EXPECT_FALSE(dialog.LocationButton(CAddrbookEditDlg::kLocationLocal)->isChecked());

        QLineEdit *postCode = dialog.Edit(CAddrbookEditDlg::kPostCodeEditId);
        QTest::keyClicks(postCode, "12a3456789");
        EXPECT_EQ(postCode->text(), "12345678");
        QLineEdit *mobile = dialog.Edit(CAddrbookEditDlg::kMobileEditId);
        QTest::keyClicks(mobile, "+" + QString(25, u'1'));
        EXPECT_EQ(mobile->text(), QString(20, u'1'));
        QLineEdit *name = dialog.Edit(CAddrbookEditDlg::kNameEditId);
        QTest::keyClicks(name, QString(60, u'n'));
        EXPECT_EQ(name->text().size(), 49);

        SaveButton(dialog)->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(g_nMemory.load(), 0);
        dialog.reject();
    });
    frame->RouteCommand(ID_ADDRBOOK_NEW);
    EXPECT_EQ(g_bBusy.load(), 0);
    EXPECT_EQ(g_nCommand.load(), 0);
}

// Down the left column, the location group one stop, then the right column.
TEST_F(AddrbookViewTest, DialogTabOrderRunsDownEachColumn)
{
    WhenDialogShows<CAddrbookEditDlg>([](CAddrbookEditDlg &dialog) {
        using Dlg = CAddrbookEditDlg;
        QList<QWidget *> expected;
        for (const int id : {Dlg::kNameEditId, Dlg::kCityEditId, Dlg::kCountryEditId, Dlg::kPostCodeEditId})
            expected << dialog.Edit(id);
        expected << FindControl<QCheckBox>(dialog, Dlg::kVipCheckId) << dialog.LocationButton(Dlg::kLocationPhone);
        for (const int id : {Dlg::kOfficeEditId, Dlg::kHomeEditId, Dlg::kMobileEditId, Dlg::kFaxEditId,
                             Dlg::kCompanyEditId, Dlg::kStreetEditId, Dlg::kEmailEditId, Dlg::kUrlEditId})
            expected << dialog.Edit(id);
        expected << SaveButton(dialog) << CancelButton(dialog);
        EXPECT_EQ(Named(TabWalk(dialog)), Named(expected));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    });
    frame->RouteCommand(ID_ADDRBOOK_NEW);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(g_bBusy.load(), 0);
}

class S57AddrbookViewTest : public AddrbookViewTest {
protected:
    QString PhoneType() const override { return QStringLiteral("S55(Europe,Latin America)"); }
};

TEST_F(S57AddrbookViewTest, NewerFamilyShowsItsOwnMenuIdsAndSortedCards)
{
    auto &view = *FrameView<CS57AddrbookWnd>(*frame);
    ASSERT_EQ(ActiveView(*frame), &view);
    EXPECT_EQ(view.findChild<CHeaderBar *>()->windowTitle(), "S57Addrbook Header");
    auto &content = *view.findChild<CCardContent *>();
    QueuePhoneRead("GetVCF_S57", std::map<int, S57AddrbookRecord>{{0, Card<S57AddrbookRecord>("Zed")},
                                                                  {1, Card<S57AddrbookRecord>("Ann")}});
    frame->RouteCommand(ID_S57ADDRBOOK_READ_PHONE);
    ASSERT_TRUE(WaitUntil([&] { return g_bBusy.load() == 0 && content.TileCount() == 2; }));
    EXPECT_EQ(view.findChild<CHeaderBar *>()->Title(), "Phone address book  ( 2 )");
    EXPECT_EQ(content.Tile(0)->Caption(), "Ann");
    QTest::mouseClick(content.Tile(1), Qt::LeftButton, {}, QPoint(20, 50));
    QStringList links;
    for (const CTaskLink &link : view.findChild<CTaskPane *>()->Group(1)->links)
        links << QStringLiteral("%1=%2").arg(link.text).arg(link.commandId);
    EXPECT_EQ(links, QStringList({"New addressbook=32832", "Modify=32833", "Delete=32834", "Sync to local=32835"}));
}

// The newer store puts the change into its name-sorted lists itself; the
// view only shows them again.
TEST_F(S57AddrbookViewTest, ModifyThroughItsOwnDialogIsShownFromTheStoresList)
{
    auto &view = *FrameView<CS57AddrbookWnd>(*frame);
    auto &content = *view.findChild<CCardContent *>();
    QueuePhoneRead("GetVCF_S57", std::map<int, S57AddrbookRecord>{{0, Card<S57AddrbookRecord>("Zed")},
                                                                  {1, Card<S57AddrbookRecord>("Ann")}});
    frame->RouteCommand(ID_S57ADDRBOOK_READ_PHONE);
    ASSERT_TRUE(WaitUntil([&] { return g_bBusy.load() == 0 && content.TileCount() == 2; }));
    WhenDialogShows<CS57AddrbookEditDlg>([](CS57AddrbookEditDlg &dialog) {
        EXPECT_EQ(dialog.Edit(CS57AddrbookEditDlg::kNameEditId)->text(), "Ann");
        dialog.Edit(CS57AddrbookEditDlg::kStreetEditId)->setText("New Rd");
        SaveButton(dialog)->click();
    });
    QTest::mouseClick(content.Tile(0), Qt::LeftButton, {}, QPoint(20, 50));
    frame->RouteCommand(ID_S57ADDRBOOK_MODIFY);
    ASSERT_TRUE(WaitUntil([&] { return g_bBusy.load() == 0 && !doubles::CallsOf("SetVCF_S57").isEmpty(); }));
    const auto &list = TheS57AddrbookData().m_phoneList;
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(TextFieldString(list[0].name), "Ann");
    EXPECT_EQ(TextFieldString(list[0].street), "New Rd");
    ASSERT_EQ(content.TileCount(), 2);
    EXPECT_TRUE(static_cast<CCardTile *>(content.Tile(0))->Lines().join('|').contains("New Rd"));
}

} // namespace
