// SPDX-License-Identifier: GPL-2.0-or-later
// The message store against the Mobile module double: exact call sequences,
// lists and failure texts of the phone memory and the SIM card, and sending.
#include "tests/stores/SmsFixture.h"

using namespace orrin;
using namespace orrin::test;
using doubles::Result;

namespace {

const QList<Sms> kTwoReceived = {{3, kSmsStatusRead, "+4917011", "first", "260101120000"},
                                 {7, kSmsStatusUnread, "+4917022", "second", "260102130000"}};

class SmsPhoneTest : public SmsFixture {
protected:
    void Compose(SmsRecord &record, const QByteArray &content, const QStringList &recipients)
    {
        record = MakeSms({0, kSmsStatusUnsent, "", content, "", 3, 1, 0});
        store.m_recipients = recipients;
    }
};

TEST_F(SmsPhoneTest, ReadListsTheMemoryInTheModuleOrder)
{
    QueueSmsRead(kTwoReceived, 30);
    EXPECT_EQ(Run(kSimCard, kSmsRead), "done");
    EXPECT_EQ(doubles::Calls(), QStringList({"SetSMSMemoGetSMSNum(SM)", "GetSMSSpace(SM)", "ListShortMessage(2)"}));
    EXPECT_EQ(Contents(store.m_workList), QStringList({"first", "second"}));
    EXPECT_EQ(store.m_workList[1].location, 7);
    EXPECT_EQ(Contents(store.m_simList), Contents(store.m_workList));
    EXPECT_TRUE(store.m_phoneList.isEmpty());
    EXPECT_EQ(store.m_capacity, 30);
    EXPECT_TRUE(store.m_simRead);
    EXPECT_FALSE(store.m_phoneRead);
}

TEST_F(SmsPhoneTest, EmptyMemorySaysNoSmsFoundAndStillSucceeds)
{
    store.m_workList = {MakeSms({1, kSmsStatusRead, "1", "old"})};
    QueueSmsRead({}, 10);
    EXPECT_EQ(Run(kPhoneMemory, kSmsRead), "done");
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("No SMS found!"));
    EXPECT_TRUE(doubles::CallsOf("ListShortMessage").isEmpty());
    EXPECT_TRUE(store.m_workList.isEmpty());
    EXPECT_TRUE(store.m_phoneRead);
}

// "The phone did not say" is never an empty memory shown as success.
TEST_F(SmsPhoneTest, UnansweredCountCapacityOrListFailsAndKeepsWhatWasRead)
{
    ReadMemory(kSimCard, kTwoReceived, 30);
    doubles::Queue(QStringLiteral("SetSMSMemoGetSMSNum"), Result(-1));
    EXPECT_EQ(Run(kSimCard, kSmsRead), "failed");
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to open the SIM card messages!"));
    EXPECT_TRUE(doubles::CallsOf("GetSMSSpace").isEmpty());

    doubles::Queue(QStringLiteral("SetSMSMemoGetSMSNum"), Result(2));
    doubles::Queue(QStringLiteral("GetSMSSpace"), Result(-1));
    EXPECT_EQ(Run(kSimCard, kSmsRead), "failed");
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to read the size of the SIM card messages!"));

    doubles::Queue(QStringLiteral("SetSMSMemoGetSMSNum"), Result(2));
    doubles::Queue(QStringLiteral("ListShortMessage"), Result(0));
    EXPECT_EQ(Run(kSimCard, kSmsRead), "failed");
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to read the SIM card messages!"));
    EXPECT_EQ(Contents(store.m_workList), QStringList({"first", "second"}));
    EXPECT_EQ(store.m_capacity, 30);
}

TEST_F(SmsPhoneTest, AbsurdCountIsBoundedByWhatThesePhonesHold)
{
    doubles::Queue(QStringLiteral("SetSMSMemoGetSMSNum"), Result(2000000000));
    EXPECT_EQ(Run(kPhoneMemory, kSmsRead), "done");
    EXPECT_EQ(doubles::CallsOf("ListShortMessage"), QStringList({"ListShortMessage(1000)"}));
    EXPECT_EQ(store.m_workList.size(), 1000);
}

TEST_F(SmsPhoneTest, FirstSaveReadsTheMemoryThenSavesOncePerRecipient)
{
    QueueSmsRead(kTwoReceived, 10);
    QueueSmsRead(kTwoReceived, 10);
    doubles::Queue(QStringLiteral("SaveShortMessage"), Result(8));
    doubles::Queue(QStringLiteral("SaveShortMessage"), Result(9));
    Compose(store.m_phoneRecord, "hi", {"4917011", "+4917033"});
    EXPECT_EQ(Run(kSimCard, kSmsSave), "done");
    EXPECT_EQ(doubles::Calls(),
              QStringList({"SetSMSMemoGetSMSNum(SM)", "GetSMSSpace(SM)", "SetSMSMemoGetSMSNum(SM)", "GetSMSSpace(SM)",
                           "ListShortMessage(2)", "SaveShortMessage(hi,4917011,1,3,0,2)",
                           "SaveShortMessage(hi,+4917033,1,3,0,2)"}));
    ASSERT_EQ(store.m_simList.size(), 4);
    EXPECT_EQ(SmsNumber(store.m_simList[2]), QStringLiteral("+4917011"));
    EXPECT_EQ(SmsNumber(store.m_simList[3]), QStringLiteral("+4917033"));
    EXPECT_EQ(store.m_simList[3].location, 9);

    // Read once: the next save does not read again.
    doubles::Reset();
    ForgetSmsCalls();
    doubles::Queue(QStringLiteral("SetSMSMemoGetSMSNum"), Result(4));
    doubles::Queue(QStringLiteral("SaveShortMessage"), Result(10));
    store.m_recipients = {"4917044"};
    EXPECT_EQ(Run(kSimCard, kSmsSave), "done");
    EXPECT_EQ(doubles::Calls(), QStringList({"SetSMSMemoGetSMSNum(SM)", "GetSMSSpace(SM)",
                                             "SaveShortMessage(hi,4917044,1,3,0,2)"}));
    EXPECT_EQ(store.m_workList.size(), 5);
}

TEST_F(SmsPhoneTest, SaveNeedsRoomForEveryRecipient)
{
    QList<Sms> eight;
    for (int i = 1; i <= 8; ++i)
        eight.append({i, kSmsStatusRead, "1", QByteArray::number(i)});
    ReadMemory(kPhoneMemory, eight, 10);
    doubles::SetDefault(QStringLiteral("SetSMSMemoGetSMSNum"), Result(8));
    Compose(store.m_phoneRecord, "x", {"1", "2", "3"});
    EXPECT_EQ(Run(kPhoneMemory, kSmsSave), "failed");
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Storage is full"));
    EXPECT_TRUE(doubles::CallsOf("SaveShortMessage").isEmpty());
    EXPECT_EQ(store.m_phoneList.size(), 8);

    doubles::SetDefault(QStringLiteral("SaveShortMessage"), Result(9));
    store.m_recipients = {"1", "2"};
    EXPECT_EQ(Run(kPhoneMemory, kSmsSave), "done");
    EXPECT_EQ(doubles::CallsOf("SaveShortMessage").size(), 2);
    EXPECT_EQ(store.m_phoneList.size(), 10);
}

// Only what the phone took is listed; a refused copy would be a row that
// addresses location 0 or -1.
TEST_F(SmsPhoneTest, RefusalInTheMiddleOfASaveListsOnlyTheCopiesThePhoneTook)
{
    ReadMemory(kSimCard, {}, 10);
    doubles::Queue(QStringLiteral("SaveShortMessage"), Result(1));
    doubles::Queue(QStringLiteral("SaveShortMessage"), Result(-1));
    doubles::Queue(QStringLiteral("SaveShortMessage"), Result(2));
    Compose(store.m_phoneRecord, "x", {"1", "2", "3"});
    EXPECT_EQ(Run(kSimCard, kSmsSave), "failed");
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Failed to write SMS to mobilephone!"));
    EXPECT_EQ(doubles::CallsOf("SaveShortMessage").size(), 3);
    ASSERT_EQ(store.m_simList.size(), 2);
    EXPECT_EQ(SmsNumber(store.m_simList[1]), QStringLiteral("+3"));

    doubles::Queue(QStringLiteral("SaveShortMessage"), Result(0));
    store.m_recipients = {"4"};
    EXPECT_EQ(Run(kSimCard, kSmsSave), "failed");
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Not enough space!"));
    EXPECT_EQ(store.m_simList.size(), 2);
}

TEST_F(SmsPhoneTest, NumberTheRecordCannotHoldIsRefusedBeforeAnythingIsSavedOrSent)
{
    ReadMemory(kSimCard, {}, 10);
    Compose(store.m_phoneRecord, "x", {"1", "12345678901234567890"});
    EXPECT_EQ(Run(kSimCard, kSmsSave), "failed");
    EXPECT_TRUE(g_strLastError.Get().contains(QStringLiteral("12345678901234567890")));
    Compose(store.m_sendRecord, "x", {"1", "12345678901234567890"});
    EXPECT_EQ(Run(kSimCard, kSmsSend), "sent 5");
    EXPECT_TRUE(doubles::Calls().isEmpty());
}

TEST_F(SmsPhoneTest, DeleteRemovesTheSelectedRowsInAscendingOrder)
{
    ReadMemory(kPhoneMemory, {{2, kSmsStatusRead, "1", "a"}, {4, kSmsStatusRead, "1", "b"}, {5, kSmsStatusRead, "1", "c"},
                              {6, kSmsStatusRead, "1", "d"}}, 10);
    store.m_selection = {0, 1, 3};
    EXPECT_EQ(Run(kPhoneMemory, kSmsDelete), "done");
    EXPECT_EQ(doubles::Calls(), QStringList({"SetSMSMemoGetSMSNum(ME)", "GetSMSSpace(ME)", "DeleteShortMessage(2)",
                                             "DeleteShortMessage(4)", "DeleteShortMessage(6)"}));
    EXPECT_EQ(Contents(store.m_phoneList), QStringList({"c"}));
}

// Left listed, a deleted row would later address a location that may hold a
// newly arrived message.
TEST_F(SmsPhoneTest, RefusalInTheMiddleOfADeleteStillRemovesWhatWasDeleted)
{
    ReadMemory(kSimCard, {{2, kSmsStatusRead, "1", "a"}, {4, kSmsStatusRead, "1", "b"}, {5, kSmsStatusRead, "1", "c"}}, 10);
    doubles::Queue(QStringLiteral("DeleteShortMessage"), Result(1));
    doubles::Queue(QStringLiteral("DeleteShortMessage"), Result(0));
    store.m_selection = {0, 1, 2};
    EXPECT_EQ(Run(kSimCard, kSmsDelete), "failed");
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to delete SMS!"));
    EXPECT_EQ(doubles::CallsOf("DeleteShortMessage").size(), 2);
    EXPECT_EQ(Contents(store.m_simList), QStringList({"b", "c"}));
}

TEST_F(SmsPhoneTest, SendTriesEveryRecipientAndReportsAnyRefusal)
{
    Compose(store.m_sendRecord, "hello", {"491701", "491702"});
    EXPECT_EQ(Run(kLocalFile, kSmsSend), "sent 0");
    EXPECT_EQ(doubles::Calls(), QStringList({"SendShortMessage(hello,491701,1,3,0)",
                                             "SendShortMessage(hello,491702,1,3,0)"}));
    EXPECT_TRUE(store.m_workList.isEmpty() && store.m_localList.isEmpty());

    doubles::Reset();
    doubles::Queue(QStringLiteral("SendShortMessage"), Result(0));
    EXPECT_EQ(Run(kSimCard, kSmsSend), "sent 5");
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Failed to send SMS!"));
    EXPECT_EQ(doubles::CallsOf("SendShortMessage").size(), 2);

    doubles::Reset();
    store.m_recipients.clear();
    EXPECT_EQ(Run(kSimCard, kSmsSend), "sent 5");
    EXPECT_TRUE(doubles::Calls().isEmpty());
}

TEST_F(SmsPhoneTest, PhoneOperationsFailWithoutATextWhenNotConnected)
{
    g_bConnected.store(0);
    g_strLastError.Set(QStringLiteral("earlier"));
    store.m_recipients = {"1"};
    for (const int code : {kSmsRead, kSmsSave, kSmsDelete, kSmsSync})
        EXPECT_EQ(Run(kSimCard, code), "failed") << code;
    EXPECT_EQ(Run(kSimCard, kSmsSend), "sent 5");
    EXPECT_TRUE(doubles::Calls().isEmpty());
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("earlier"));
}

TEST_F(SmsPhoneTest, ListsAreForgottenWhenTheLineCloses)
{
    ReadMemory(kSimCard, kTwoReceived, 10);
    ASSERT_EQ(store.ClosePort(), 1);
    g_bConnected.store(1);
    store.m_selection = {0};
    EXPECT_EQ(Run(kSimCard, kSmsDelete), "failed");
    EXPECT_TRUE(doubles::CallsOf("DeleteShortMessage").isEmpty());
    EXPECT_TRUE(store.m_simList.isEmpty());
    EXPECT_FALSE(store.m_simRead);
}

TEST_F(SmsPhoneTest, UnknownCodesAreLeftInTheSlotAndOtherMemoriesDoNothing)
{
    EXPECT_EQ(Run(kSimCard, 7), "none or several");
    EXPECT_EQ(g_nCommand.load(), 7);
    for (const int code : {kSmsRead, kSmsSave, kSmsNothing, kSmsDelete})
        EXPECT_EQ(Run(0, code), "done") << code;
    EXPECT_TRUE(doubles::Calls().isEmpty());
}

} // namespace
