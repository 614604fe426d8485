// SPDX-License-Identifier: GPL-2.0-or-later
// The number picker over the local phone book and address book of a work
// folder of its own: the tree, which selections can be chosen, the numbers
// it returns, and the compose dialog's Send-to text they join.
#include "stores/addrbook/AddrbookData.h"
#include "stores/addrbook/S57AddrbookData.h"
#include "tests/stores/AddrbookScript.h"
#include "tests/stores/TelebookScript.h"
#include "tests/support/TestSupport.h"
#include "tests/views/SmsDialogControls.h"
#include "tests/views/TelebookDialogDriver.h"
#include "stores/sms/SMSData.h"
#include "views/sms/NumberPickerDlg.h"
#include "views/sms/SMSComposeDlg.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace orrin;
using namespace orrin::test;

namespace {

using Picker = CNumberPickerDlg;

template <typename Store>
void ForgetLists(Store &store)
{
    store.m_phoneList.clear();
    store.m_localList.clear();
    store.m_mergedList.clear();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList ChildTexts(const QTreeWidgetItem *parent)
{
    QStringList texts;
    for (int i = 0; i < parent->childCount(); ++i)
        texts << parent->child(i)->text(0);
    return texts;
}

// The item at the path of texts from a source down.
QTreeWidgetItem *Item(const Picker &picker, const QStringList &path)
{
    QTreeWidgetItem *item = Tree(picker)->invisibleRootItem();
    for (const QString &text : path) {
        const int index = ChildTexts(item).indexOf(text);
        if (index < 0)
            return nullptr;
        item = item->child(index);
    }
    return item;
}

bool AddOffered(Picker &picker, const QStringList &path)
{
    Tree(picker)->setCurrentItem(Item(picker, path));
    return AddButton(picker)->isEnabled();
}

QStringList Chosen(const Picker &picker)
{
    QStringList lines;
    for (int row = 0; row < ChosenList(picker)->count(); ++row)
        lines << ChosenList(picker)->item(row)->text();
    return lines;
}

class NumberPickerDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        ResetTelebookStore();
        ForgetLists(TheAddrbookData());
        ForgetLists(TheS57AddrbookData());
        ASSERT_TRUE(m_workDir.isValid());
        g_strWorkDir.Set(m_workDir.path());
    }
    void TearDown() override { ResetTelebookStore(); }

    void UsePhoneType(const QString &type)
    {
        g_strPhoneType.Set(type);
        ASSERT_TRUE(QDir(m_workDir.path()).mkpath(type));
    }
    void WritePhonebook(const QList<Entry> &entries) const
    {
        WriteBytes(CTelebookData::LocalFilePath(), FileBytes("telebook", qint32(entries.size()), entries));
    }
    // Runs the picker; what it returned on OK.
    QString Pick(std::function<void(Picker &)> act)
    {
        WhenDialogShows<Picker>([act](Picker &shown) {
            act(shown);
            OkButton(shown)->click();
        });
        Picker picker;
        EXPECT_EQ(picker.Run(), QDialog::Accepted);
        return picker.m_strResult;
    }

    QTemporaryDir m_workDir;
    CBoxRecorder boxes;
};

TEST_F(NumberPickerDlgTest, OnlyANumberNotYetChosenCanBeAdded)
{
    UsePhoneType(QStringLiteral("S45i(Europe)"));
    WritePhonebook({{1, "0222", "Bob"}, {2, "0111", "ann", 1}});
    AddrbookRecord cid = Card<AddrbookRecord>("Cid", "0303");
    SetTextFieldBytes(cid.office, "0301");
    SetTextFieldBytes(cid.fax, "0304");
    WriteBytes(TheAddrbookData().LocalFilePath(), LocalFileBytes<AddrbookRecord>("addrbook", {cid}));

    const QString result = Pick([](Picker &shown) {
        EXPECT_EQ(ChildTexts(Tree(shown)->invisibleRootItem()), QStringList({"Addressbook", "Phonebook"}));
        EXPECT_EQ(ChildTexts(Item(shown, {"Phonebook"})), QStringList({"ann", "Bob"}));
        EXPECT_EQ(ChildTexts(Item(shown, {"Addressbook", "Cid"})), QStringList({"0301", "0303", "0304"}));
        const QImage source = Item(shown, {"Phonebook"})->icon(0).pixmap(16).toImage();
        EXPECT_EQ(qAlpha(source.pixel(0, 0)), 0) << "white is transparent";
        EXPECT_EQ(qAlpha(source.pixel(7, 8)), 255);
        EXPECT_FALSE(AddButton(shown)->isEnabled());
        EXPECT_FALSE(RemoveButton(shown)->isEnabled());

        EXPECT_FALSE(AddOffered(shown, {"Addressbook"}));
        EXPECT_FALSE(AddOffered(shown, {"Addressbook", "Cid"}));
        EXPECT_TRUE(AddOffered(shown, {"Addressbook", "Cid", "0303"}));
        AddButton(shown)->click();
        EXPECT_FALSE(AddButton(shown)->isEnabled()) << "chosen already";
        EXPECT_FALSE(AddOffered(shown, {"Phonebook", "ann"}));
        EXPECT_FALSE(AddOffered(shown, {"Addressbook", "Cid", "0303"}));
        EXPECT_TRUE(AddOffered(shown, {"Addressbook", "Cid", "0301"}));
        AddButton(shown)->click();
        EXPECT_TRUE(AddOffered(shown, {"Phonebook", "ann", "0111"}));
        AddButton(shown)->click();
        EXPECT_EQ(Chosen(shown), QStringList({"ann (0111)", "Cid (0301)", "Cid (0303)"}));

        ChosenList(shown)->setCurrentRow(2);
        EXPECT_TRUE(RemoveButton(shown)->isEnabled());
        RemoveButton(shown)->click();
        EXPECT_EQ(Chosen(shown), QStringList({"ann (0111)", "Cid (0301)"}));
        EXPECT_TRUE(AddOffered(shown, {"Addressbook", "Cid", "0303"})) << "no longer chosen";
    });
    EXPECT_EQ(result, "0111, 0301");
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(NumberPickerDlgTest, NewerFamilyListsItsOwnAddressBookWithTheSecondFax)
{
    UsePhoneType(QStringLiteral("S55(Europe,Latin America)"));
    S57AddrbookRecord dora = Card<S57AddrbookRecord>("Dora");
    SetTextFieldBytes(dora.fax2, "0405");
    WriteBytes(TheS57AddrbookData().LocalFilePath(), LocalFileBytes(QByteArray("S57addr\0", 8), QList{dora}));
    // A phone-book file of another format lists nothing from it.
    WriteBytes(CTelebookData::LocalFilePath(), QByteArray("telebooX\0\0\0\0", 12));

    const QString result = Pick([](Picker &shown) {
        EXPECT_EQ(ChildTexts(Item(shown, {"Addressbook", "Dora"})), QStringList{"0405"});
        EXPECT_TRUE(ChildTexts(Item(shown, {"Phonebook"})).isEmpty());
    });
    EXPECT_TRUE(result.isEmpty()) << "none chosen";
    EXPECT_EQ(boxes.Texts(), QStringList{"Unexceptable telephone book format!"});
}

TEST_F(NumberPickerDlgTest, TheNumberIsWhatTheFirstParenthesesHold)
{
    EXPECT_EQ(Picker::ExtractNumber("Ann (0111)"), "0111");
    EXPECT_EQ(Picker::ExtractNumber("Ann) (0111)"), "");
    EXPECT_EQ(Picker::ExtractNumber("Ann 0111)"), "");
    EXPECT_EQ(Picker::ExtractNumber("Ann (0111"), "");
    EXPECT_EQ(Picker::ExtractNumber("Ann ()"), "");
}

TEST_F(NumberPickerDlgTest, ComposeDialogAppendsWhatWasPicked)
{
    UsePhoneType(QStringLiteral("S45i(Europe)"));
    WritePhonebook({{1, "0111", "Ann"}, {2, "0222", "Bob"}});
    g_strCountry.Set(QStringLiteral("German Federal Rep"));
    CSMSData store;
    CSMSComposeDlg compose(store, [](const CommandRequest &, const std::function<void()> &) { return false; });
    compose.Prepare();
    SendToEdit(compose)->setText(QStringLiteral("0170"));

    const auto pick = [&](std::function<void(Picker &)> act) {
        WhenDialogShows<Picker>(std::move(act));
        PickButton(compose)->click();
        return SendToEdit(compose)->text();
    };
    EXPECT_EQ(pick([](Picker &shown) {
        for (const QString &name : {"Ann", "Bob"}) {
            AddOffered(shown, {"Phonebook", name, name == "Ann" ? "0111" : "0222"});
            AddButton(shown)->click();
        }
        OkButton(shown)->click();
    }), "0170 ,0111, 0222");
    EXPECT_EQ(pick([](Picker &shown) { OkButton(shown)->click(); }), "0170 ,0111, 0222") << "none chosen";
    EXPECT_EQ(pick([](Picker &shown) {
        AddOffered(shown, {"Phonebook", "Ann", "0111"});
        AddButton(shown)->click();
        shown.reject();
    }), "0170 ,0111, 0222") << "cancelled";
}

} // namespace
