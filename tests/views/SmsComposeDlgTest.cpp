// SPDX-License-Identifier: GPL-2.0-or-later
// The compose dialog offscreen: the counter and its buttons, the numbers the
// Send-to text gives, and what is handed to the store.
#include "link/Messages.h"
#include "link/SharedState.h"
#include "stores/sms/SMSData.h"
#include "tests/support/TestSupport.h"
#include "tests/views/SmsDialogControls.h"
#include "views/sms/SMSComposeDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace orrin;
using namespace orrin::test;

namespace {

class SmsComposeDlgTest : public ::testing::Test {
protected:
    SmsComposeDlgTest()
        : dialog(store, [this](const CommandRequest &request, const std::function<void()> &fill) {
              codes << request.code;
              fill();
              return true;
          })
    {
        ResetSharedState();
        g_bConnected.store(1);
        g_strCountry.Set(QStringLiteral("German Federal Rep"));
        dialog.Prepare();
    }

    // The counter text and whether Send and Save are enabled, after a tick.
    QString CounterFor(const QString &text, bool *enabled = nullptr)
    {
        MessageEdit(dialog)->setPlainText(text);
        dialog.OnCounterTick();
        if (enabled)
            *enabled = SendButton(dialog)->isEnabled() && SaveButton(dialog)->isEnabled();
        return CounterLabel(dialog)->text();
    }
    QStringList RecipientsOf(const QString &sendTo, const QString &country, NumberTarget target)
    {
        dialog.m_strSendTo = sendTo;
        dialog.m_strCountry = country;
        return dialog.Recipients(target);
    }

    CSMSData store;
    CBoxRecorder boxes;
    QList<int> codes;
    CSMSComposeDlg dialog;
};

TEST_F(SmsComposeDlgTest, CounterCountsTheWayTheMessageTravels)
{
    bool enabled = false;
    EXPECT_EQ(CounterFor({}, &enabled), QStringLiteral("Message  [0/160 character]  [English]"));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(CounterFor(QString(160, u'a'), &enabled), QStringLiteral("Message  [160/160 character]  [English]"));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(CounterFor(QString(161, u'a'), &enabled), QStringLiteral("Message  [161/160 character]  [English]"));
    EXPECT_FALSE(enabled);
    // Extension characters travel as two septets.
    EXPECT_EQ(CounterFor(QString(80, u'{'), &enabled), QStringLiteral("Message  [160/160 character]  [English]"));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(CounterFor(QString(81, u'{'), &enabled), QStringLiteral("Message  [162/160 character]  [English]"));
    EXPECT_FALSE(enabled);
    EXPECT_EQ(CounterFor(QString(70, u'ж'), &enabled), QStringLiteral("Message  [70/70 character]  [Non-English]"));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(CounterFor(QString(71, u'ж'), &enabled), QStringLiteral("Message  [71/70 character]  [Non-English]"));
    EXPECT_FALSE(enabled);
    // Fits the network, not the record's 170 bytes.
    EXPECT_EQ(CounterFor(QString(60, u'中'), &enabled), QStringLiteral("Message  [60/70 character]  [Non-English]"));
    EXPECT_FALSE(enabled);
    dialog.OnSend();
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("Too many characters, Please shorten your message!")}));
    EXPECT_TRUE(codes.isEmpty());
}

TEST_F(SmsComposeDlgTest, ButtonsStayAsTheyAreWhileAnExchangeRuns)
{
    CounterFor(QString(161, u'a'));
    g_bBusy.store(1);
    bool enabled = true;
    CounterFor(QStringLiteral("short"), &enabled);
    EXPECT_FALSE(enabled);
}

TEST_F(SmsComposeDlgTest, NextNumberSplitsAtEveryOtherCharacter)
{
    const QString text = QStringLiteral("0170 12;ab+49+5,+");
    QStringList numbers;
    for (int position = 0; position >= 0;) {
        const NextNumberResult found = NextNumber(text, position);
        numbers << found.number;
        position = found.next;
    }
    EXPECT_EQ(numbers, QStringList({"0170", "12", "+49+5", "+"}));
    EXPECT_EQ(NextNumber(QStringLiteral("abc"), 0).next, -1);
    EXPECT_EQ(NextNumber(QStringLiteral(" 1"), 0).number, QString());
    EXPECT_EQ(NextNumber(QStringLiteral(" 1"), 0).next, 1);
}

TEST_F(SmsComposeDlgTest, NumbersTakeTheCountryCodeForEachTarget)
{
    EXPECT_EQ(RecipientsOf("+4917011 ,+4317022", "German Federal Rep", NumberTarget::Phone), QStringList({"4917011", "4317022"}));
    EXPECT_EQ(RecipientsOf("555123; 555124", "Canada", NumberTarget::Phone), QStringList({"1555123", "1555124"}));
    EXPECT_EQ(RecipientsOf("555123; 555124", "Canada", NumberTarget::Local), QStringList({"+1555123", "+1555124"}));
    EXPECT_EQ(RecipientsOf("+4917011", "Canada", NumberTarget::Local), QStringList({"+4917011"}));
    EXPECT_EQ(RecipientsOf("170+11", "German Federal Rep", NumberTarget::Phone), QStringList({"4917011"}));
    EXPECT_EQ(RecipientsOf("0170", "Austria", NumberTarget::Phone), QStringList({"610170"}));
    EXPECT_EQ(RecipientsOf("0170", "Nowhere", NumberTarget::Phone), QStringList({"0170"}));
    EXPECT_TRUE(RecipientsOf("call me", "German Federal Rep", NumberTarget::Phone).isEmpty());
    EXPECT_TRUE(RecipientsOf("+", "German Federal Rep", NumberTarget::Phone).isEmpty());
}

TEST_F(SmsComposeDlgTest, SendHandsTheMessageAndItsRecipientsToTheStore)
{
    SendToEdit(dialog)->setText(QStringLiteral("017011, +4317022"));
    MessageEdit(dialog)->setPlainText(QStringLiteral("hello"));
    ValidityList(dialog)->setCurrentText(QStringLiteral("1 hour"));
    dialog.OnSend();
    EXPECT_EQ(codes, QList<int>({kSmsSend}));
    EXPECT_EQ(store.m_recipients, QStringList({"49017011", "4317022"}));
    EXPECT_EQ(SmsContent(store.m_sendRecord), QStringLiteral("hello"));
    EXPECT_EQ(store.m_sendRecord.status, kSmsStatusUnsent);
    EXPECT_EQ(store.m_sendRecord.validity, 1);
    EXPECT_FALSE(SendButton(dialog)->isEnabled());

    SendMessageTo(&dialog, WM_SMS_SENT, kSmsSentFailed);
    SendMessageTo(&dialog, WM_SMS_SENT, kSmsSentOk);
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("Failed to send SMS."), QStringLiteral("SMS sent.")}));
    EXPECT_TRUE(SendButton(dialog)->isEnabled());
}

// Never "SMS sent." for nothing, and never a cut number.
TEST_F(SmsComposeDlgTest, NoNumberOrATooLongOneIsRefusedBeforeAnythingIsHandedOver)
{
    MessageEdit(dialog)->setPlainText(QStringLiteral("hello"));
    SendToEdit(dialog)->setText(QStringLiteral("nobody"));
    dialog.OnSend();
    dialog.OnSaveTo(ID_SMS_SAVE_LOCAL);
    SendToEdit(dialog)->setText(QStringLiteral("+12345678901234567890"));
    dialog.OnSaveTo(ID_SMS_SAVE_SIM);
    ASSERT_EQ(boxes.Texts().size(), 3);
    EXPECT_TRUE(boxes.Texts()[0].startsWith(QStringLiteral("No phone number was given.")));
    EXPECT_TRUE(boxes.Texts()[2].contains(QStringLiteral("12345678901234567890")));
    EXPECT_TRUE(codes.isEmpty());
    EXPECT_TRUE(store.m_recipients.isEmpty());
}

TEST_F(SmsComposeDlgTest, SavesChooseTheMemoryAndTheNumberForm)
{
    SendToEdit(dialog)->setText(QStringLiteral("017011"));
    MessageEdit(dialog)->setPlainText(QStringLiteral("note"));
    dialog.OnSaveTo(ID_SMS_SAVE_LOCAL);
    EXPECT_EQ(g_nMemory.load(), kLocalFile);
    EXPECT_EQ(store.m_recipients, QStringList({"+49017011"}));
    EXPECT_EQ(SmsContent(store.m_localRecord), QStringLiteral("note"));
    dialog.OnSaveTo(ID_SMS_SAVE_SIM);
    EXPECT_EQ(g_nMemory.load(), kSimCard);
    EXPECT_EQ(store.m_recipients, QStringList({"49017011"}));
    EXPECT_EQ(codes, QList<int>({kSmsSave, kSmsSave}));

    g_bConnected.store(0);
    dialog.OnSaveTo(ID_SMS_SAVE_PHONE);
    EXPECT_EQ(codes.size(), 2);
}

TEST_F(SmsComposeDlgTest, PickedNumbersJoinTheSendToText)
{
    QString picked = QStringLiteral("+491");
    dialog.SetNumberPicker([&picked](QWidget *) { return picked; });
    PickButton(dialog)->click();
    EXPECT_EQ(SendToEdit(dialog)->text(), QStringLiteral("+491"));
    picked = QStringLiteral("+492");
    PickButton(dialog)->click();
    picked.clear();
    PickButton(dialog)->click();
    EXPECT_EQ(SendToEdit(dialog)->text(), QStringLiteral("+491 ,+492"));
}

} // namespace
