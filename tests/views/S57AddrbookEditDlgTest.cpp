// SPDX-License-Identifier: GPL-2.0-or-later
// The newer family's address-book entry dialog over its store and the Mobile
// double: the defaults of empty boxes, the birthday lists, the answers that
// close it, and fields that never overflow.
#include "stores/addrbook/S57AddrbookData.h"
#include "tests/stores/AddrbookScript.h"
#include "tests/stores/StoreFixture.h"
#include "tests/support/KeyboardWalk.h"
#include "tests/views/TelebookDialogDriver.h"
#include "views/addrbook/S57AddrbookEditDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>

using namespace orrin;
using namespace orrin::test;

namespace {

using Dlg = CS57AddrbookEditDlg;
const QByteArray kTag("S57addr\0", 8);

// The dialog's drop-down list of that control id.
QComboBox *List(const Dlg &dialog, int id)
{
    return FindControl<QComboBox>(dialog, id);
}

// The birthday's lists: year, month and day.
constexpr int kDateListIds[] = {Dlg::kYearListId, Dlg::kMonthListId, Dlg::kDayListId};

QString DateText(const Dlg &dialog, const QString &separator)
{
    QStringList parts;
    for (const int id : kDateListIds)
        parts << List(dialog, id)->currentText();
    return parts.join(separator);
}

QStringList Items(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

class S57AddrbookEditDlgTest : public TStoreFixture<CS57AddrbookData> {
protected:
    S57AddrbookEditDlgTest() : TStoreFixture(QStringLiteral("S55(Europe,Latin America)")) {}
    void ForgetModuleCalls() override { ForgetAddrbookCalls(); }

    // The store runs what the dialog handed over, and the view passes its
    // answer on, as the worker and the view would.
    void Answer()
    {
        ASSERT_FALSE(requests.isEmpty());
        const Posted posted = RunCode(g_nMemory.load(), requests.last().code);
        for (const QList<ReceivedMessage> &messages : {posted.toView, posted.toFrame}) {
            for (const ReceivedMessage &message : messages)
                SendMessageTo(&dialog, message.message, message.wParam);
        }
    }
    void SaveAndAnswer(Dlg &shown)
    {
        SaveButton(shown)->click();
        Answer();
    }
    S57AddrbookRecord LocalRecord(int position) const
    {
        S57AddrbookRecord record{};
        const QByteArray bytes = FileContents().mid(12 + position * qsizetype(sizeof record), sizeof record);
        EXPECT_EQ(bytes.size(), qsizetype(sizeof record));
        std::memcpy(&record, bytes.constData(), size_t(bytes.size()));
        return record;
    }
    // Opens a record of the local list shown for modifying, as the view does.
    int OpenLocalForModify(const QList<S57AddrbookRecord> &file, int position, std::function<void(Dlg &)> act)
    {
        WriteFile(LocalFileBytes(kTag, file));
        store.m_localList = file;
        store.m_selection = {position};
        store.m_localRecord = file[position];
        g_nMemory.store(kLocalFile);
        WhenDialogShows<Dlg>(std::move(act));
        return dialog.Run(Dlg::kModifyEntry, kLocalFile);
    }

    QList<CommandRequest> requests;
    Dlg dialog{store, [this](const CommandRequest &request, const std::function<void()> &fill) {
                   if (request.needsPhone && !g_bConnected.load())
                       return false;
                   requests << request;
                   g_bBusy.store(1);
                   fill();
                   return true;
               }};
};

TEST_F(S57AddrbookEditDlgTest, EmptyBoxesAreSavedAsThePhoneShowsUnsetFields)
{
    const int result = [&] {
        WhenDialogShows<Dlg>([&](Dlg &shown) {
            EXPECT_EQ(shown.windowTitle(), "Addrbook");
            EXPECT_TRUE(shown.LocationButton(Dlg::kLocationLocal)->isChecked()) << "the view shows the phone";
            EXPECT_EQ(shown.Edit(Dlg::kUrlEditId)->text(), "<none>");
            EXPECT_EQ(shown.Edit(Dlg::kPostCodeEditId)->text(), "0");
            const QStringList groups{"Family",  "Friends",  "Office",   "VIP",     "Leisure",
                                     "Private", "Business", "Received", "No group"};
            EXPECT_EQ(Items(List(shown, Dlg::kGroupListId)), groups);
            EXPECT_EQ(List(shown, Dlg::kGroupListId)->currentText(), "No group");
            const QStringList years = Items(List(shown, Dlg::kYearListId));
            EXPECT_EQ(years.size(), 81);
            EXPECT_EQ(years.first() + years.last(), "19202000");
            EXPECT_EQ(Items(List(shown, Dlg::kMonthListId)).size(), 12);
            EXPECT_EQ(Items(List(shown, Dlg::kDayListId)).last(), "31");
            for (const int id : kDateListIds)
                EXPECT_EQ(List(shown, id)->currentIndex(), -1);
            for (const int id : {Dlg::kNameEditId, Dlg::kCityEditId, Dlg::kCountryEditId, Dlg::kPostCodeEditId,
                                 Dlg::kOfficeEditId, Dlg::kHomeEditId, Dlg::kMobileEditId, Dlg::kFaxEditId,
                                 Dlg::kFax2EditId, Dlg::kCompanyEditId, Dlg::kStreetEditId, Dlg::kEmailEditId,
                                 Dlg::kEmail2EditId, Dlg::kUrlEditId})
                shown.Edit(id)->clear();
            SaveAndAnswer(shown);
        });
        return dialog.Run(Dlg::kNewEntry, kPhoneMemory);
    }();
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].code, kAddrbookWrite);
    EXPECT_EQ(requests[0].waitText, "Saving address book");
    EXPECT_FALSE(requests[0].needsPhone);
    const S57AddrbookRecord saved = LocalRecord(0);
    for (const QByteArrayView text : {TextFieldBytes(saved.name), TextFieldBytes(saved.city),
                                      TextFieldBytes(saved.country), TextFieldBytes(saved.company),
                                      TextFieldBytes(saved.street), TextFieldBytes(saved.email),
                                      TextFieldBytes(saved.email2), TextFieldBytes(saved.url)})
        EXPECT_EQ(text, "<none>");
    for (const QByteArrayView number : {TextFieldBytes(saved.postCode), TextFieldBytes(saved.office),
                                        TextFieldBytes(saved.home), TextFieldBytes(saved.mobile),
                                        TextFieldBytes(saved.fax), TextFieldBytes(saved.fax2)})
        EXPECT_EQ(number, "0");
    EXPECT_EQ(TextFieldBytes(saved.group), "No group");
    EXPECT_EQ(TextFieldBytes(saved.birthday), "");
}

TEST_F(S57AddrbookEditDlgTest, TabRunsThroughThePersonTheNumbersTheAddressAndTheLocation)
{
    QList<QWidget *> walked;
    WhenDialogShows<Dlg>([&](Dlg &shown) {
        walked = TabWalk(shown);
        QTest::keyClick(shown.focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.Run(Dlg::kNewEntry, kPhoneMemory), QDialog::Rejected);
    QList<QWidget *> expected;
    for (const int id : {Dlg::kNameEditId, Dlg::kCityEditId, Dlg::kCountryEditId, Dlg::kPostCodeEditId})
        expected << dialog.Edit(id);
    for (const int id : {Dlg::kGroupListId, Dlg::kYearListId, Dlg::kMonthListId, Dlg::kDayListId})
        expected << List(dialog, id);
    for (const int id : {Dlg::kOfficeEditId, Dlg::kHomeEditId, Dlg::kMobileEditId, Dlg::kFaxEditId, Dlg::kFax2EditId,
                         Dlg::kCompanyEditId, Dlg::kStreetEditId, Dlg::kEmailEditId, Dlg::kEmail2EditId,
                         Dlg::kUrlEditId})
        expected << dialog.Edit(id);
    expected << dialog.LocationButton(Dlg::kLocationLocal) << SaveButton(dialog) << CancelButton(dialog);
    EXPECT_EQ(Named(walked), Named(expected));
}

TEST_F(S57AddrbookEditDlgTest, BirthdayListsSplitAndJoinItsDigits)
{
    S57AddrbookRecord ann = Card<S57AddrbookRecord>("Ann", "0170");
    SetTextFieldBytes(ann.birthday, "19800523");
    SetTextFieldBytes(ann.group, "VIP");
    EXPECT_EQ(OpenLocalForModify({ann}, 0, [&](Dlg &shown) {
        EXPECT_EQ(shown.Edit(Dlg::kNameEditId)->text(), "Ann");
        EXPECT_EQ(List(shown, Dlg::kGroupListId)->currentText(), "VIP");
        EXPECT_EQ(DateText(shown, "/"), "1980/05/23");
        EXPECT_TRUE(shown.LocationButton(Dlg::kLocationLocal)->isChecked());
        EXPECT_FALSE(shown.LocationButton(Dlg::kLocationPhone)->isEnabled());
        List(shown, Dlg::kMonthListId)->setCurrentIndex(-1);
        List(shown, Dlg::kDayListId)->setCurrentIndex(-1);
        SaveAndAnswer(shown);
    }), QDialog::Accepted);
    EXPECT_EQ(requests.last().waitText, "Modifying address book");
    EXPECT_EQ(TextFieldBytes(LocalRecord(0).birthday), "1980");

    // What the lists do not offer is shown and saved back as it was read.
    S57AddrbookRecord zed = Card<S57AddrbookRecord>("Zed");
    SetTextFieldBytes(zed.birthday, "20051399");
    SetTextFieldBytes(zed.group, "Colleagues");
    EXPECT_EQ(OpenLocalForModify({zed}, 0, [&](Dlg &shown) {
        EXPECT_EQ(DateText(shown, ""), "20051399");
        SaveAndAnswer(shown);
    }), QDialog::Accepted);
    EXPECT_EQ(TextFieldBytes(LocalRecord(0).birthday), "20051399");
    EXPECT_EQ(TextFieldBytes(LocalRecord(0).group), "Colleagues");
    EXPECT_EQ(Names(store.m_localList), QList<QByteArray>{"Zed"});
}

TEST_F(S57AddrbookEditDlgTest, FailedPhoneWriteClosesAsCancelled)
{
    g_bConnected.store(0);
    doubles::Queue(QStringLiteral("SetVCF_S57"), doubles::Result(0));
    const int result = [&] {
        WhenDialogShows<Dlg>([&](Dlg &shown) {
            EXPECT_TRUE(shown.LocationButton(Dlg::kLocationPhone)->isChecked()) << "the view shows the file";
            SaveButton(shown)->click();
            EXPECT_TRUE(requests.isEmpty()) << "not connected";
            EXPECT_TRUE(SaveButton(shown)->isEnabled());
            g_bConnected.store(1);
            SaveButton(shown)->click();
            EXPECT_FALSE(SaveButton(shown)->isEnabled());
            shown.reject(); // the store's answer must find the dialog still open
            EXPECT_TRUE(shown.isVisible());
            Answer();
        });
        return dialog.Run(Dlg::kNewEntry, kLocalFile);
    }();
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(g_strLastError.Get(), kAddrbookWriteFailedText);
    EXPECT_TRUE(store.m_phoneList.isEmpty());
    EXPECT_TRUE(SaveButton(dialog)->isEnabled());
}

TEST_F(S57AddrbookEditDlgTest, TextsStopWhereTheirFieldsAreFull)
{
    const int result = [&] {
        WhenDialogShows<Dlg>([&](Dlg &shown) {
            QLineEdit *name = shown.Edit(Dlg::kNameEditId);
            name->clear();
            QTest::keyClicks(name, QString(60, u'n'));
            EXPECT_EQ(name->text().size(), 49);
            QLineEdit *postCode = shown.Edit(Dlg::kPostCodeEditId);
            postCode->clear();
            QTest::keyClicks(postCode, "D-1234567890");
            EXPECT_EQ(postCode->text(), "12345678");
            QLineEdit *fax2 = shown.Edit(Dlg::kFax2EditId);
            fax2->clear();
            QTest::keyClicks(fax2, QString(30, u'9'));
            EXPECT_EQ(fax2->text().size(), 20);
            // Set from elsewhere, past the typing limit: cut where a character ends.
            shown.Edit(Dlg::kStreetEditId)->setText(QString(50, QChar(0xe4)));
            SaveAndAnswer(shown);
        });
        return dialog.Run(Dlg::kNewEntry, kPhoneMemory);
    }();
    EXPECT_EQ(result, QDialog::Accepted);
    const S57AddrbookRecord saved = LocalRecord(0);
    EXPECT_EQ(TextFieldBytes(saved.name), QByteArray(49, 'n'));
    EXPECT_EQ(TextFieldBytes(saved.street), QString(40, QChar(0xe4)).toUtf8());
    EXPECT_EQ(TextFieldBytes(saved.city), "<none>");
    EXPECT_EQ(TextFieldBytes(saved.fax2), QByteArray(20, '9'));
    EXPECT_EQ(TextFieldBytes(saved.email), "<none>");
}

} // namespace
