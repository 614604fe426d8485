// SPDX-License-Identifier: GPL-2.0-or-later
// The entry dialog opened by the phone-book view: preselected locations,
// saving through the worker, modify in place, failures, and typing limits.
#include "tests/views/TelebookViewFixture.h"

#include "tests/support/KeyboardWalk.h"
#include "views/common/FieldValidator.h"

using namespace orrin;
using namespace orrin::test;

namespace {

using Dlg = CTelebookEditDlg;

const QList<Entry> kSim = {{1, "0111", "Ann", 1}, {3, "0333", "Cid"}, {7, "0777", "Gus"}};

QList<bool> Checked(const Dlg &dialog)
{
    return {dialog.LocationButton(Dlg::kLocationLocal)->isChecked(),
            dialog.LocationButton(Dlg::kLocationPhone)->isChecked(),
            dialog.LocationButton(Dlg::kLocationSim)->isChecked()};
}

QList<bool> Enabled(const Dlg &dialog)
{
    return {dialog.LocationButton(Dlg::kLocationLocal)->isEnabled(),
            dialog.LocationButton(Dlg::kLocationPhone)->isEnabled(),
            dialog.LocationButton(Dlg::kLocationSim)->isEnabled()};
}

// The dialog's text box of that control id.
QLineEdit *Box(const Dlg &dialog, int id)
{
    return FindControl<QLineEdit>(dialog, id);
}

// Types the text key by key, as a keyboard of any layout would.
void TypeKeys(QLineEdit *edit, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

void Type(QLineEdit *edit, const QString &text)
{
    edit->clear();
    TypeKeys(edit, text);
}

void SaveNew(const QString &name, const QString &number)
{
    WhenEditShows([=](Dlg &dialog) {
        Type(Box(dialog, Dlg::kNameEditId), name);
        Type(Box(dialog, Dlg::kNumberEditId), number);
        SaveButton(dialog)->click();
    });
}

class TelebookEditTest : public TelebookViewTest {};

TEST_F(TelebookEditTest, NewEntryWhileTheSimIsShownGoesToTheSim)
{
    ReadMemory(ID_TELEBOOK_READ_SIM, {{1, "0111", "Ann"}, {3, "0333", "Cid"}}, 10);
    QueueUsed(2);
    QueueCapacity(10);
    QueueRead({{1, "0111", "Ann"}, {2, "0222", "Bob", 1}, {3, "0333", "Cid"}}, 10);
    WhenEditShows([](Dlg &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Phonebook");
        EXPECT_EQ(Checked(dialog), QList<bool>({false, false, true}));
        EXPECT_EQ(Enabled(dialog), QList<bool>({true, true, true}));
        EXPECT_TRUE(Box(dialog, Dlg::kNameEditId)->text().isEmpty());
        Type(Box(dialog, Dlg::kNameEditId), "Bob");
        Type(Box(dialog, Dlg::kNumberEditId), "0222");
        FindControl<QCheckBox>(dialog, Dlg::kVipCheckId)->click();
        SaveButton(dialog)->click();
        ASSERT_NE(TheWaitWindow(), nullptr);
        EXPECT_EQ(TheWaitWindow()->Text(), "Saving phone book");
        EXPECT_FALSE(SaveButton(dialog)->isEnabled());
        dialog.reject(); // the store's answer must find the dialog still open
        EXPECT_TRUE(dialog.isVisible());
    });
    frame->RouteCommand(ID_TELEBOOK_NEW);
    EXPECT_EQ(doubles::CallsOf("WriteTeleBook"), QStringList{"WriteTeleBook(0222,Bob,1)"});
    EXPECT_EQ(Column(0), QStringList({"Ann", "Bob", "Cid"}));
    EXPECT_EQ(Column(3), QStringList({"No", "Yes", "No"}));
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "SIM card Telebook  ( 3 / 10 )");
    EXPECT_EQ(g_bBusy.load(), 0);
    EXPECT_EQ(TheWaitWindow(), nullptr);
}

TEST_F(TelebookEditTest, WithNothingReadSaveWaitsForALocation)
{
    WhenEditShows([](Dlg &dialog) {
        EXPECT_EQ(Checked(dialog), QList<bool>({false, false, false}));
        Type(Box(dialog, Dlg::kNameEditId), "Dora");
        Type(Box(dialog, Dlg::kNumberEditId), "0555");
        SaveButton(dialog)->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(g_nCommand.load(), 0);
        EXPECT_EQ(TheWaitWindow(), nullptr);
        EXPECT_EQ(g_bBusy.load(), 1);
        dialog.LocationButton(Dlg::kLocationLocal)->click();
        SaveButton(dialog)->click();
    });
    frame->RouteCommand(ID_TELEBOOK_NEW);
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "Local Telebook  ( 1 )");
    EXPECT_EQ(Column(0), QStringList{"Dora"});
    EXPECT_EQ(QFile(CTelebookData::LocalFilePath()).size(), 12 + qint64(sizeof(TelebookRecord)));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(g_bBusy.load(), 0);
}

// The location group is one stop; the arrow keys move within it.
TEST_F(TelebookEditTest, TabRunsDownTheFieldsAndTheLocationsToTheButtons)
{
    WhenEditShows([](Dlg &dialog) {
        QAbstractButton *local = dialog.LocationButton(Dlg::kLocationLocal);
        const QList<QWidget *> expected{Box(dialog, Dlg::kNameEditId),
                                        Box(dialog, Dlg::kNumberEditId),
                                        FindControl<QCheckBox>(dialog, Dlg::kVipCheckId),
                                        local,
                                        SaveButton(dialog),
                                        CancelButton(dialog)};
        EXPECT_EQ(Named(TabWalk(dialog)), Named(expected));
        // The arrow keys move from the application's focus widget, which a
        // slow start may not have handed over yet.
        local->setFocus();
        ASSERT_TRUE(WaitUntil([local] { return QApplication::focusWidget() == local; }));
        QTest::keyClick(local, Qt::Key_Right);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        EXPECT_EQ(Checked(dialog), QList<bool>({false, true, false}));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    });
    frame->RouteCommand(ID_TELEBOOK_NEW);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Escape cancels";
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(TelebookEditTest, AnEntryIsTypedAndSavedWithTheKeysAlone)
{
    WhenEditShows([](Dlg &dialog) {
        QTest::keyClicks(dialog.focusWidget(), "Dora");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(dialog.focusWidget(), "0555");
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    frame->RouteCommand(ID_TELEBOOK_NEW);
    EXPECT_EQ(HeaderTitle(View()), "Local Telebook  ( 1 )");
    QFile file(CTelebookData::LocalFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The location the store gives a new local entry is its own business.
    EXPECT_EQ(file.readAll().mid(12 + 4), RecordBytes(MakeRecord({0, "0555", "Dora", 1})).mid(4));
}

TEST_F(TelebookEditTest, ModifyingALocalEntryShowsTheChangeAtOnce)
{
    WriteLocalFile({{4, "0444", "Dan"}, {9, "0999", "Ida", 1}});
    Run(ID_TELEBOOK_READ_LOCAL);
    Select({1});
    WhenEditShows([](Dlg &dialog) {
        EXPECT_EQ(dialog.m_nMode, Dlg::kModifyEntry);
        EXPECT_EQ(Box(dialog, Dlg::kNameEditId)->text(), "Ida");
        EXPECT_EQ(Box(dialog, Dlg::kNumberEditId)->text(), "0999");
        EXPECT_TRUE(FindControl<QCheckBox>(dialog, Dlg::kVipCheckId)->isChecked());
        EXPECT_EQ(Checked(dialog), QList<bool>({true, false, false}));
        EXPECT_EQ(Enabled(dialog), QList<bool>({false, false, false}));
        Type(Box(dialog, Dlg::kNameEditId), "Ina");
        SaveButton(dialog)->click();
        EXPECT_EQ(TheWaitWindow()->Text(), "Modifying phone book");
    });
    frame->RouteCommand(ID_TELEBOOK_MODIFY);
    EXPECT_EQ(Column(0), QStringList({"Dan", "Ina"}));
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "Local Telebook  ( 2 )");
    QFile file(CTelebookData::LocalFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().mid(12 + qint64(sizeof(TelebookRecord))), RecordBytes(MakeRecord({9, "0999", "Ina", 1}))) << "location kept";
}

TEST_F(TelebookEditTest, ModifyOfALocalEntryTheFileNoLongerHoldsShowsTheFile)
{
    WriteLocalFile({{4, "0444", "Dan"}, {9, "0999", "Ida", 1}});
    Run(ID_TELEBOOK_READ_LOCAL);
    WriteLocalFile({{5, "0555", "Eve"}});
    Select({1});
    WhenEditShows([](Dlg &dialog) {
        Type(Box(dialog, Dlg::kNameEditId), "Ina");
        SaveButton(dialog)->click();
    });
    frame->RouteCommand(ID_TELEBOOK_MODIFY);
    EXPECT_EQ(boxes.Texts(), QStringList{"Fatel error: Cannot access telephone file!"});
    EXPECT_EQ(Column(0), QStringList{"Eve"});
    EXPECT_EQ(View().findChild<CHeaderBar *>()->Title(), "Local Telebook  ( 1 )");
}

TEST_F(TelebookEditTest, ModifyOnTheSimStaysInViewAfterTheNextNewEntry)
{
    ReadMemory(ID_TELEBOOK_READ_SIM, kSim, 10);
    Select({1});
    QueueHeld({kSim[1]});
    WhenEditShows([](Dlg &dialog) {
        EXPECT_EQ(Checked(dialog), QList<bool>({false, false, true}));
        Type(Box(dialog, Dlg::kNumberEditId), "0334");
        SaveButton(dialog)->click();
    });
    frame->RouteCommand(ID_TELEBOOK_MODIFY);
    EXPECT_EQ(doubles::CallsOf("ModifyTeleBook"), QStringList{"ModifyTeleBook(3,0334,Cid,0)"});
    EXPECT_EQ(Column(1), QStringList({"0111", "0334", "0777"}));

    // A new entry shows the SIM as the phone holds it, the change included.
    QueueUsed(3);
    QueueCapacity(10);
    QueueRead({kSim[0], {2, "0222", "Bob"}, {3, "0334", "Cid"}, kSim[2]}, 10);
    SaveNew("Bob", "0222");
    frame->RouteCommand(ID_TELEBOOK_NEW);
    EXPECT_EQ(Column(0), QStringList({"Ann", "Bob", "Cid", "Gus"}));
    EXPECT_EQ(Column(1), QStringList({"0111", "0222", "0334", "0777"}));
}

TEST_F(TelebookEditTest, FailedSaveEndsTheDialogAndKeepsTheList)
{
    ReadMemory(ID_TELEBOOK_READ_SIM, {{1, "0111", "Ann"}, {2, "0222", "Bob"}}, 2);
    QueueUsed(2);
    QueueCapacity(2);
    SaveNew("Cid", "0333");
    frame->RouteCommand(ID_TELEBOOK_NEW);
    EXPECT_FALSE(View().findChild<CTelebookEditDlg *>()->isVisible());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "Storage is full");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Warning");
    EXPECT_TRUE(doubles::CallsOf("WriteTeleBook").isEmpty());
    EXPECT_EQ(Column(0), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(g_bBusy.load(), 0);
    EXPECT_EQ(TheWaitWindow(), nullptr);
    EXPECT_EQ(StatusProgress(*frame).Bar(), nullptr);
}

TEST_F(TelebookEditTest, SavingToThePhoneWhileNotConnectedKeepsTheDialogOpen)
{
    ReadMemory(ID_TELEBOOK_READ_SIM, kSim, 10);
    g_bConnected.store(0);
    WhenEditShows([&](Dlg &dialog) {
        Type(Box(dialog, Dlg::kNameEditId), "Bob");
        SaveButton(dialog)->click();
        ASSERT_TRUE(WaitUntil([&] { return boxes.Boxes().size() == 1; }));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(SaveButton(dialog)->isEnabled());
        EXPECT_EQ(g_nMemory.load(), kSimCard);
        CancelButton(dialog)->click();
    });
    frame->RouteCommand(ID_TELEBOOK_NEW);
    EXPECT_EQ(boxes.Texts(), QStringList{"Mobilephone is not connected. \nPlease Connect first."});
    EXPECT_EQ(g_nCommand.load(), 0);
    EXPECT_EQ(g_bBusy.load(), 0);
    EXPECT_EQ(Column(0), QStringList({"Ann", "Cid", "Gus"}));
}

TEST_F(TelebookEditTest, NewerPhonesOfferNeitherReadingNorSavingThePhoneMemory)
{
    ReadMemory(ID_TELEBOOK_READ_PHONE, {{1, "0111", "Ann"}}, 5);
    for (const QString type : {"S55(Europe,Latin America)", "S56(North America)", "S57(Asia)"}) {
        UsePhoneType(type);
        EXPECT_EQ(View().findChild<CTaskPane *>()->Group(0)->title, "Phone") << type.toStdString();
        EXPECT_EQ(Links(0), QStringList({"Read from SIM card=32790", "Read from local=32791"}));
        EXPECT_EQ(Links(1), QStringList({"New phonebook=32792", "Sync to local=32795"}));
    }
    // The list still shows the phone memory read before: nothing is chosen.
    WhenEditShows([](Dlg &dialog) {
        EXPECT_EQ(Enabled(dialog), QList<bool>({true, false, true}));
        EXPECT_EQ(Checked(dialog), QList<bool>({false, false, false}));
        CancelButton(dialog)->click();
    });
    frame->RouteCommand(ID_TELEBOOK_NEW);

    ReadMemory(ID_TELEBOOK_READ_SIM, kSim, 10);
    WhenEditShows([](Dlg &dialog) {
        EXPECT_EQ(Enabled(dialog), QList<bool>({true, false, true}));
        EXPECT_EQ(Checked(dialog), QList<bool>({false, false, true}));
        CancelButton(dialog)->click();
    });
    frame->RouteCommand(ID_TELEBOOK_NEW);
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(TelebookEditTest, TypingStopsWhereTheFieldIsFull)
{
    WhenEditShows([](Dlg &dialog) {
        QLineEdit *name = Box(dialog, Dlg::kNameEditId);
        QLineEdit *number = Box(dialog, Dlg::kNumberEditId);
        TypeKeys(name, QString::fromUtf8("ÄÖÜäöüßé")); // two bytes each
        EXPECT_EQ(name->text(), QString::fromUtf8("ÄÖÜäöüß"));
        TypeKeys(name, "xy");
        EXPECT_EQ(name->text(), QString::fromUtf8("ÄÖÜäöüßx")) << "15 bytes";
        TypeKeys(number, "+49 89 12345678901234567");
        EXPECT_EQ(number->text(), "4989123456789012345");
        CancelButton(dialog)->click();
    });
    frame->RouteCommand(ID_TELEBOOK_NEW);
}

TEST(FieldValidatorTest, NumbersFromThePhoneKeepTheirSignsAndTextsFromElsewhereOnlyShrink)
{
    CFieldValidator number(19, CFieldValidator::Characters::Digits);
    number.SetStartText("+49 170");
    auto valid = [](const CFieldValidator &validator, QString text) {
        int pos = 0;
        return validator.validate(text, pos) == QValidator::Acceptable;
    };
    EXPECT_TRUE(valid(number, "+49 1705"));
    EXPECT_TRUE(valid(number, "49 170"));
    EXPECT_TRUE(valid(number, "+49170"));
    EXPECT_FALSE(valid(number, "++49 170"));
    EXPECT_FALSE(valid(number, "+49 170#"));
    EXPECT_FALSE(valid(number, "+49 1701234567890123")); // 20 bytes

    CFieldValidator name(15, CFieldValidator::Characters::Any);
    const QString foreign(10, QChar(0xfffd)); // 30 bytes, as a foreign encoding decodes
    name.SetStartText(foreign);
    EXPECT_TRUE(valid(name, foreign.left(9)));
    EXPECT_FALSE(valid(name, foreign + "a"));
    name.SetStartText({});
    EXPECT_FALSE(valid(name, foreign.left(6)));
    EXPECT_TRUE(valid(name, foreign.left(5)));
}

} // namespace
