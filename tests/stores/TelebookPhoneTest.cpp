// The phone-book store against the Mobile module double: exact call
// sequences, lists and failure texts of the phone memory and the SIM card.
#include "TelebookFixture.h"

#include "WaitText.h"

using namespace orrin;
using namespace orrin::test;
using doubles::Result;

namespace {

const QList<Entry> kGapAtTwo = {{1, "0111", "Ann"}, {3, "0333", "Cid"}};

class TelebookPhoneTest : public TelebookFixture {
protected:
    void SetEditRecord(const QByteArray &number, const QByteArray &name, int vip = 0)
    {
        store.m_editRecord = MakeRecord({0, number, name, vip});
    }
};

TEST_F(TelebookPhoneTest, ReadTakesTheUsedLocationsAndSkipsTheEmptyOnes)
{
    QueueRead({{1, "0111", "Ann", 1}, {3, "0333", "Cid"}}, 10);
    EXPECT_EQ(Run(kSimCard, kTelebookRead), Outcome::Done);
    EXPECT_EQ(doubles::Calls(), QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(SM)",
                                             "GetTeleBookNum()", "ReadTeleBook(1)", "ReadTeleBook(2)",
                                             "ReadTeleBook(3)"}));
    EXPECT_EQ(Names(store.m_workList), QStringList({"Ann", "Cid"}));
    EXPECT_EQ(Locations(store.m_workList), QList<int>({1, 3}));
    EXPECT_EQ(TelebookNumber(store.m_workList[0]), QStringLiteral("0111"));
    EXPECT_EQ(store.m_workList[0].vip, 1);
    EXPECT_EQ(store.m_workList[1].vip, 0);
    EXPECT_EQ(Names(store.m_simList), QStringList({"Ann", "Cid"}));
    EXPECT_TRUE(store.m_phoneList.isEmpty());
    EXPECT_EQ(store.m_nCapacity, 10);
    EXPECT_TRUE(store.m_bSimLoaded);
    EXPECT_FALSE(store.m_bPhoneLoaded);
}

TEST_F(TelebookPhoneTest, ReadStopsAtTheCapacityWhenThePhoneYieldsFewerEntriesThanItCounts)
{
    QueueUsed(3);
    QueueCapacity(4);
    QueueLocations({{2, "0222", "Bea"}, {4, "0444", "Dan"}});
    // Past the capacity the double would find entries: a scan that goes on
    // shows at once.
    doubles::Reply beyond;
    beyond.texts = {"0999", "Far"};
    doubles::SetDefault(QStringLiteral("ReadTeleBook"), beyond);
    EXPECT_EQ(Run(kSimCard, kTelebookRead), Outcome::Done);
    EXPECT_EQ(doubles::CallsOf("ReadTeleBook"),
              QStringList({"ReadTeleBook(1)", "ReadTeleBook(2)", "ReadTeleBook(3)", "ReadTeleBook(4)"}));
    EXPECT_EQ(Names(store.m_workList), QStringList({"Bea", "Dan"}));
}

TEST_F(TelebookPhoneTest, EmptyMemorySaysNoTelebookFoundAndStillSucceeds)
{
    store.m_workList = {MakeRecord({1, "0111", "Old"})};
    QueueRead({}, 10);
    EXPECT_EQ(Run(kSimCard, kTelebookRead), Outcome::Done);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("No Telebook found!"));
    EXPECT_TRUE(doubles::CallsOf("ReadTeleBook").isEmpty());
    EXPECT_TRUE(store.m_workList.isEmpty());
    EXPECT_TRUE(store.m_simList.isEmpty());
    EXPECT_TRUE(store.m_bSimLoaded);
}

TEST_F(TelebookPhoneTest, EveryPhoneOperationFailsWithoutATextWhenNotConnected)
{
    g_bConnected.store(0);
    g_strLastError.Set(QStringLiteral("earlier"));
    for (const int code : {kTelebookRead, kTelebookWrite, kTelebookModify, kTelebookDelete, kTelebookSync}) {
        EXPECT_EQ(Run(kPhoneMemory, code), Outcome::Failed) << code;
    }
    EXPECT_TRUE(doubles::Calls().isEmpty());
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("earlier"));
    EXPECT_FALSE(QFile::exists(FilePath()));
}

TEST_F(TelebookPhoneTest, NewEntryTakesTheFreeLocationBetweenUsedOnes)
{
    ReadMemory(kSimCard, kGapAtTwo, 10);
    SetEditRecord("0222", "Bob", 1);
    QueueUsed(2);
    QueueCapacity(10);
    EXPECT_EQ(Run(kSimCard, kTelebookWrite), Outcome::Done);
    EXPECT_EQ(doubles::Calls(), QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(SM)",
                                             "GetTeleBookNum()", "WriteTeleBook(0222,Bob,1)"}));
    EXPECT_EQ(Names(store.m_workList), QStringList({"Ann", "Bob", "Cid"}));
    EXPECT_EQ(Locations(store.m_workList), QList<int>({1, 2, 3}));
    EXPECT_EQ(Locations(store.m_simList), QList<int>({1, 2, 3}));
    EXPECT_EQ(store.m_editRecord.location, 2);
}

TEST_F(TelebookPhoneTest, NewEntryInAnUnreadMemoryReadsItFirstAndFollowsItsLastLocation)
{
    QStringList waitTexts;
    const WaitTextHandler previous = SetWaitTextHandler([&](const QString &text) { waitTexts << text; });
    SetEditRecord("0333", "Cid");
    QueueUsed(2); // the write's own selection
    QueueRead({{1, "0111", "Ann"}, {2, "0222", "Bob"}}, 10);
    QueueCapacity(10);
    EXPECT_EQ(Run(kPhoneMemory, kTelebookWrite), Outcome::Done);
    SetWaitTextHandler(previous);
    EXPECT_EQ(waitTexts, QStringList({"Reading phone book", "Saving phone book"}));
    EXPECT_EQ(doubles::Calls(),
              QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(ME)", "SetMobileEncodeFormat(UCS2)",
                           "SetTeleBookMemo(ME)", "GetTeleBookNum()", "ReadTeleBook(1)", "ReadTeleBook(2)",
                           "GetTeleBookNum()", "WriteTeleBook(0333,Cid,0)"}));
    EXPECT_EQ(Names(store.m_phoneList), QStringList({"Ann", "Bob", "Cid"}));
    EXPECT_EQ(Locations(store.m_phoneList), QList<int>({1, 2, 3}));
    EXPECT_TRUE(store.m_bPhoneLoaded);
    EXPECT_TRUE(store.m_simList.isEmpty());
}

TEST_F(TelebookPhoneTest, FullMemoryIsRefusedBeforeWriting)
{
    ReadMemory(kSimCard, {{1, "0111", "Ann"}, {2, "0222", "Bob"}}, 2);
    SetEditRecord("0333", "Cid");
    QueueUsed(2);
    QueueCapacity(2);
    EXPECT_EQ(Run(kSimCard, kTelebookWrite), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Storage is full"));
    EXPECT_EQ(doubles::Calls(),
              QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(SM)", "GetTeleBookNum()"}));
    EXPECT_EQ(Names(store.m_simList), QStringList({"Ann", "Bob"}));
}

TEST_F(TelebookPhoneTest, RefusedWriteKeepsTheLists)
{
    ReadMemory(kSimCard, kGapAtTwo, 10);
    SetEditRecord("0222", "Bob");
    QueueUsed(2);
    QueueCapacity(10);
    doubles::Queue(QStringLiteral("WriteTeleBook"), Result(0));
    EXPECT_EQ(Run(kSimCard, kTelebookWrite), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to write telebook"));
    EXPECT_EQ(Names(store.m_workList), QStringList({"Ann", "Cid"}));
    EXPECT_EQ(Names(store.m_simList), QStringList({"Ann", "Cid"}));
}

TEST_F(TelebookPhoneTest, TextsThatFillTheirWholeFieldAreCutBeforeTheyReachThePhone)
{
    ReadMemory(kSimCard, {}, 10);
    std::memset(store.m_editRecord.number, '7', sizeof store.m_editRecord.number);
    std::memset(store.m_editRecord.name, 'N', sizeof store.m_editRecord.name);
    QueueUsed(0);
    QueueCapacity(10);
    EXPECT_EQ(Run(kSimCard, kTelebookWrite), Outcome::Done);
    EXPECT_EQ(doubles::CallsOf("WriteTeleBook"),
              QStringList{QStringLiteral("WriteTeleBook(%1,%2,0)").arg(QString(19, '7'), QString(15, 'N'))});
}

TEST_F(TelebookPhoneTest, ModifySendsTheEditRecordAndLeavesTheLists)
{
    ReadMemory(kPhoneMemory, kGapAtTwo, 10);
    store.m_editRecord = MakeRecord({3, "0999", "Cyd", 1});
    EXPECT_EQ(Run(kPhoneMemory, kTelebookModify), Outcome::Done);
    EXPECT_EQ(doubles::Calls(), QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(ME)",
                                             "ModifyTeleBook(3,0999,Cyd,1)"}));
    EXPECT_EQ(Names(store.m_phoneList), QStringList({"Ann", "Cid"}));

    doubles::Queue(QStringLiteral("ModifyTeleBook"), Result(0));
    EXPECT_EQ(Run(kPhoneMemory, kTelebookModify), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to modify telebook!"));
}

TEST_F(TelebookPhoneTest, DeleteRemovesTheSelectedRowsInAscendingOrder)
{
    ReadMemory(kSimCard, {{1, "01", "Ann"}, {2, "02", "Bob"}, {4, "04", "Dan"}, {5, "05", "Eve"}}, 10);
    store.m_selection = {1, 3};
    EXPECT_EQ(Run(kSimCard, kTelebookDelete), Outcome::Done);
    EXPECT_EQ(doubles::Calls(), QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(SM)",
                                             "GetTeleBookNum()", "DeleteTeleBook(2)", "DeleteTeleBook(5)"}));
    EXPECT_EQ(Names(store.m_workList), QStringList({"Ann", "Dan"}));
    EXPECT_EQ(Names(store.m_simList), QStringList({"Ann", "Dan"}));
}

TEST_F(TelebookPhoneTest, RefusedDeleteStopsThereAndKeepsTheLists)
{
    ReadMemory(kSimCard, {{1, "01", "Ann"}, {2, "02", "Bob"}, {3, "03", "Cid"}}, 10);
    store.m_selection = {0, 1, 2};
    doubles::Queue(QStringLiteral("DeleteTeleBook"), Result(1));
    doubles::Queue(QStringLiteral("DeleteTeleBook"), Result(0));
    EXPECT_EQ(Run(kSimCard, kTelebookDelete), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to delete telebook!"));
    EXPECT_EQ(doubles::CallsOf("DeleteTeleBook"), QStringList({"DeleteTeleBook(1)", "DeleteTeleBook(2)"}));
    EXPECT_EQ(Names(store.m_simList), QStringList({"Ann", "Bob", "Cid"}));
}

TEST_F(TelebookPhoneTest, AllEntriesKeepEveryDistinctEntrySeenAcrossMemories)
{
    ReadMemory(kSimCard, {{1, "01", "Ann"}, {2, "02", "Bob"}}, 10);
    // Bob again, at another location and as VIP: still the same entry.
    ReadMemory(kPhoneMemory, {{3, "02", "Bob", 1}, {4, "03", "Cid"}}, 10);
    QueueRead({}, 10);
    EXPECT_EQ(Run(kSimCard, kTelebookRead), Outcome::Done);
    EXPECT_EQ(Names(store.m_allList), QStringList({"Ann", "Bob", "Cid"}));
    EXPECT_EQ(store.m_allList[1].location, 2);
}

TEST_F(TelebookPhoneTest, UnknownCodesAreLeftInTheSlotAndOtherMemoriesDoNothing)
{
    EXPECT_EQ(Run(kSimCard, 6), Outcome::Nothing);
    EXPECT_EQ(g_nCommand.load(), 6);
    EXPECT_EQ(Run(kSimCard, 0), Outcome::Nothing);
    for (const int code : {kTelebookRead, kTelebookWrite, kTelebookModify, kTelebookDelete})
        EXPECT_EQ(Run(0, code), Outcome::Done) << code;
    EXPECT_TRUE(doubles::Calls().isEmpty());
}

} // namespace
