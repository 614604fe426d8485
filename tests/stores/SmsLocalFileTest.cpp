// SPDX-License-Identifier: GPL-2.0-or-later
// SMS.sml: its tag, appends and deletes, and the synchronisation that fills
// it from the phone memory and the SIM card.
#include "tests/stores/SmsFixture.h"

using namespace orrin;
using namespace orrin::test;
using doubles::Result;

namespace {

const QByteArray kTag("sms\0\0\0\0\0", 8);

class SmsLocalFileTest : public SmsFixture {
protected:
    void AppendLocal(const QByteArray &content, const QStringList &recipients)
    {
        store.m_localRecord = MakeSms({0, kSmsStatusUnsent, "", content});
        store.m_recipients = recipients;
        ASSERT_EQ(Run(kLocalFile, kSmsSave), "done");
    }
};

TEST_F(SmsLocalFileTest, FirstAppendWritesTheHeaderAndOneRecordPerRecipient)
{
    WriteFile({});
    AppendLocal("note", {"+491", "+492"});
    const QByteArray bytes = FileContents();
    ASSERT_EQ(bytes.size(), 12 + 2 * qsizetype(sizeof(SmsRecord)));
    EXPECT_EQ(bytes.left(12), QByteArray("sms\0\0\0\0\0\2\0\0\0", 12));
    EXPECT_EQ(bytes.mid(12 + qsizetype(sizeof(SmsRecord)) + 8, 5), QByteArray("+492\0", 5));
    ASSERT_EQ(store.m_localList.size(), 2);
    EXPECT_EQ(SmsNumber(store.m_localList[0]), QStringLiteral("+491"));
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(SmsLocalFileTest, BytesFourToSevenOfTheTagAreNeitherCheckedNorRewritten)
{
    WriteFile(FileBytes(QByteArray("sms\0WXYZ", 8), {{0, kSmsStatusRead, "+1", "kept"}}));
    AppendLocal("added", {"+2"});
    store.m_selection = {0};
    EXPECT_EQ(Run(kLocalFile, kSmsDelete), "done");
    EXPECT_EQ(FileContents().left(8), QByteArray("sms\0WXYZ", 8));
    EXPECT_EQ(Contents(store.m_localList), QStringList({"added"}));
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(SmsLocalFileTest, DeletingTheOnlyMessageLeavesTheTwelveByteHeader)
{
    AppendLocal("only", {"+1"});
    store.m_selection = {0};
    EXPECT_EQ(Run(kLocalFile, kSmsDelete), "done");
    EXPECT_EQ(FileContents(), QByteArray("sms\0\0\0\0\0\0\0\0\0", 12));
    EXPECT_TRUE(store.m_localList.isEmpty());
}

// Another program rewrote the file after the view listed it: the position
// the user chose now holds another message, which must not go.
TEST_F(SmsLocalFileTest, DeleteRefusesWhenTheFileNoLongerHoldsTheListedMessage)
{
    AppendLocal("listed", {"+1"});
    const QByteArray changed = FileBytes(kTag, {{0, kSmsStatusRead, "+2", "written elsewhere"}});
    WriteFile(changed);
    store.m_selection = {0};
    EXPECT_EQ(Run(kLocalFile, kSmsDelete), "done");
    EXPECT_EQ(FileContents(), changed);
    EXPECT_EQ(Contents(store.m_localList), QStringList({"written elsewhere"}));
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("Fatel error: Cannot access telephone file!")}));
}

// The tag is checked before the list changes: list and file never disagree.
TEST_F(SmsLocalFileTest, ForeignFileShowsItsBoxAndIsLeftAlone)
{
    const QByteArray foreign = FileBytes(QByteArray("telebook"), {{0, kSmsStatusRead, "+1", "x"}});
    WriteFile(foreign);
    EXPECT_EQ(Run(kLocalFile, kSmsRead), "done");
    AppendLocal("new", {"+1"});
    store.m_selection = {0};
    EXPECT_EQ(Run(kLocalFile, kSmsDelete), "done");
    EXPECT_EQ(boxes.Texts(), QStringList(3, QStringLiteral("Unexceptable SMS format!")));
    EXPECT_EQ(FileContents(), foreign);
    EXPECT_TRUE(store.m_localList.isEmpty());
}

TEST_F(SmsLocalFileTest, MissingFileIsAnEmptyListAndAnOversizedCountYieldsTheRecordsPresent)
{
    store.m_localList = {MakeSms({0, kSmsStatusRead, "+1", "from before"})};
    EXPECT_EQ(Run(kLocalFile, kSmsRead), "done");
    EXPECT_TRUE(store.m_localList.isEmpty());

    QByteArray bytes = FileBytes(kTag, {{0, kSmsStatusRead, "+1", "a"}, {0, kSmsStatusRead, "+1", "b"}});
    bytes[8] = 9;
    WriteFile(bytes);
    EXPECT_EQ(Run(kLocalFile, kSmsRead), "done");
    EXPECT_EQ(Contents(store.m_localList), QStringList({"a", "b"}));
}

TEST_F(SmsLocalFileTest, UnopenableFileShowsTheFatalBox)
{
    ASSERT_TRUE(QDir().mkpath(FilePath()));
    AppendLocal("x", {"+1"});
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("Fatel error: Cannot access telephone file!")}));
}

TEST_F(SmsLocalFileTest, SyncCopiesMissingMessagesOnceAndTwiceAddsNothing)
{
    const QList<Sms> phone = {{1, kSmsStatusRead, "+491", "same", "260101120000"},
                              {2, kSmsStatusRead, "+491", "same", "260101120000"}};
    // The SIM copy differs only in location, validity, report and handfree.
    const QList<Sms> sim = {{9, kSmsStatusRead, "+491", "same", "260101120000", 1, 1, 1},
                            {4, kSmsStatusSent, "+492", "out"}};
    for (int pass = 0; pass < 2; ++pass) {
        QueueSmsRead(phone, 10);
        QueueSmsRead(sim, 20);
        EXPECT_EQ(Run(kSimCard, kSmsSync), "done");
        EXPECT_EQ(g_nMemory.load(), kLocalFile);
        EXPECT_EQ(Contents(store.m_localList), QStringList({"same", "out"})) << pass;
        EXPECT_EQ(FileContents().size(), 12 + 2 * qsizetype(sizeof(SmsRecord))) << pass;
    }
    EXPECT_EQ(doubles::CallsOf("SetSMSMemoGetSMSNum"),
              QStringList({"SetSMSMemoGetSMSNum(ME)", "SetSMSMemoGetSMSNum(SM)", "SetSMSMemoGetSMSNum(ME)",
                           "SetSMSMemoGetSMSNum(SM)"}));
}

TEST_F(SmsLocalFileTest, SyncFailsAtOnceWhenThePhoneMemoryCannotBeRead)
{
    doubles::Queue(QStringLiteral("SetSMSMemoGetSMSNum"), Result(-1));
    EXPECT_EQ(Run(kSimCard, kSmsSync), "failed");
    EXPECT_EQ(doubles::CallsOf("SetSMSMemoGetSMSNum"), QStringList({"SetSMSMemoGetSMSNum(ME)"}));
    EXPECT_FALSE(QFile::exists(FilePath()));
}

TEST_F(SmsLocalFileTest, SameSmsComparesTimeNumberContentAndStatusOnly)
{
    const SmsRecord a = MakeSms({1, kSmsStatusSent, "+1", "t", "", 0, 0, 0});
    EXPECT_TRUE(SameSms(a, MakeSms({5, kSmsStatusSent, "+1", "t", "", 4, 1, 1})));
    EXPECT_FALSE(SameSms(a, MakeSms({1, kSmsStatusUnsent, "+1", "t"})));
    EXPECT_FALSE(SameSms(a, MakeSms({1, kSmsStatusSent, "+2", "t"})));
    EXPECT_FALSE(SameSms(a, MakeSms({1, kSmsStatusSent, "+1", "u"})));
    EXPECT_FALSE(SameSms(a, MakeSms({1, kSmsStatusSent, "+1", "t", "1"})));
}

} // namespace
