// SPDX-License-Identifier: GPL-2.0-or-later
// The phone-book store against the Mobile module double: exact call
// sequences, lists and failure texts of the phone memory and the SIM card.
#include "tests/stores/TelebookFixture.h"

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

// Read from one phone, written on another: the phone, not the list read
// before, decides where the entry goes, and the list shows the phone's.
TEST_F(TelebookPhoneTest, NewEntryIsReadBackFromThePhoneThatTookIt)
{
    ReadMemory(kSimCard, {{1, "01", "Ann"}, {2, "02", "Bob"}, {3, "03", "Cid"}}, 10);
    SetEditRecord("0999", "New", 1);
    QueueUsed(4);
    QueueCapacity(10);
    QueueRead({{1, "11", "Eva"}, {2, "0999", "New", 1}, {3, "13", "Gus"}, {4, "14", "Hal"}, {5, "15", "Ida"}}, 10);
    EXPECT_EQ(Run(kSimCard, kTelebookWrite), Outcome::Done);
    EXPECT_EQ(doubles::Calls().mid(0, 4), QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(SM)",
                                                       "GetTeleBookNum()", "WriteTeleBook(0999,New,1)"}));
    EXPECT_EQ(doubles::CallsOf("ReadTeleBook").size(), 5);
    EXPECT_EQ(Names(store.m_simList), QStringList({"Eva", "New", "Gus", "Hal", "Ida"}));
    EXPECT_EQ(Locations(store.m_workList), QList<int>({1, 2, 3, 4, 5}));
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
    store.m_selection = {1};
    QueueHeld({kGapAtTwo[1]});
    EXPECT_EQ(Run(kPhoneMemory, kTelebookModify), Outcome::Done);
    EXPECT_EQ(doubles::Calls(), QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(ME)",
                                             "ReadTeleBook(3)", "ModifyTeleBook(3,0999,Cyd,1)"}));
    EXPECT_EQ(Names(store.m_phoneList), QStringList({"Ann", "Cid"}));

    QueueHeld({kGapAtTwo[1]});
    doubles::Queue(QStringLiteral("ModifyTeleBook"), Result(0));
    EXPECT_EQ(Run(kPhoneMemory, kTelebookModify), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to modify telebook!"));
}

TEST_F(TelebookPhoneTest, DeleteRemovesTheSelectedRowsInAscendingOrder)
{
    ReadMemory(kSimCard, {{1, "01", "Ann"}, {2, "02", "Bob"}, {4, "04", "Dan"}, {5, "05", "Eve"}}, 10);
    store.m_selection = {1, 3};
    QueueHeld({{2, "02", "Bob"}, {5, "05", "Eve"}});
    EXPECT_EQ(Run(kSimCard, kTelebookDelete), Outcome::Done);
    EXPECT_EQ(doubles::Calls(),
              QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(SM)", "ReadTeleBook(2)", "ReadTeleBook(5)",
                           "DeleteTeleBook(2)", "DeleteTeleBook(5)"}));
    EXPECT_EQ(Names(store.m_workList), QStringList({"Ann", "Dan"}));
    EXPECT_EQ(Names(store.m_simList), QStringList({"Ann", "Dan"}));
}

// The list loses what the phone lost before it refused, and nothing else.
TEST_F(TelebookPhoneTest, RefusedDeleteStopsThereAndKeepsTheEntriesNotDeleted)
{
    const QList<Entry> held = {{1, "01", "Ann"}, {2, "02", "Bob"}, {3, "03", "Cid"}};
    ReadMemory(kSimCard, held, 10);
    store.m_selection = {0, 1, 2};
    QueueHeld(held);
    doubles::Queue(QStringLiteral("DeleteTeleBook"), Result(1));
    doubles::Queue(QStringLiteral("DeleteTeleBook"), Result(0));
    EXPECT_EQ(Run(kSimCard, kTelebookDelete), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to delete telebook!"));
    EXPECT_EQ(doubles::CallsOf("DeleteTeleBook"), QStringList({"DeleteTeleBook(1)", "DeleteTeleBook(2)"}));
    EXPECT_EQ(Names(store.m_simList), QStringList({"Bob", "Cid"}));
}

// A phone that refuses or does not answer the selection, the capacity or the
// range read fails the operation; nothing acts on whatever memory the phone
// still has selected, and the lists read before stay.
TEST_F(TelebookPhoneTest, UnansweredSelectionCapacityOrReadFailsAndKeepsTheLists)
{
    ReadMemory(kSimCard, kGapAtTwo, 10);
    store.m_selection = {0};
    store.m_editRecord = MakeRecord({1, "0999", "Any"});
    for (const int code : {kTelebookRead, kTelebookWrite, kTelebookModify, kTelebookDelete}) {
        ForgetCalls();
        QueueUsed(-1);
        EXPECT_EQ(Run(kSimCard, code), Outcome::Failed) << code;
        EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to open the SIM card telebook!")) << code;
        EXPECT_EQ(doubles::Calls(), QStringList({"SetMobileEncodeFormat(UCS2)", "SetTeleBookMemo(SM)"})) << code;
    }
    // A synchronisation whose phone-memory read failed copies nothing more.
    QueueUsed(-1);
    EXPECT_EQ(Run(kSimCard, kTelebookSync), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to open the phone telebook!"));
    EXPECT_EQ(doubles::CallsOf("SetTeleBookMemo"), QStringList({"SetTeleBookMemo(SM)", "SetTeleBookMemo(ME)"}));

    QueueUsed(2);
    QueueCapacity(-1);
    EXPECT_EQ(Run(kSimCard, kTelebookRead), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to read the size of the SIM card telebook!"));
    QueueUsed(1);
    QueueCapacity(-1);
    EXPECT_EQ(Run(kSimCard, kTelebookWrite), Outcome::Failed);
    EXPECT_TRUE(doubles::CallsOf("WriteTeleBook").isEmpty());

    // A failed range read is never an entry; nor is a memory that counts
    // entries and yields none.
    QueueUsed(2);
    QueueCapacity(10);
    doubles::Queue(QStringLiteral("ReadTeleBook"), Result(-1));
    EXPECT_EQ(Run(kPhoneMemory, kTelebookRead), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to read the phone telebook!"));
    EXPECT_EQ(doubles::CallsOf("ReadTeleBook").size(), 1);
    QueueUsed(2);
    QueueCapacity(10);
    EXPECT_EQ(Run(kSimCard, kTelebookRead), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to read the SIM card telebook!"));

    EXPECT_EQ(Names(store.m_simList), QStringList({"Ann", "Cid"}));
    EXPECT_EQ(Names(store.m_workList), QStringList({"Ann", "Cid"}));
    EXPECT_TRUE(store.m_phoneList.isEmpty());
    EXPECT_FALSE(store.m_bPhoneLoaded);
    EXPECT_EQ(store.m_nCapacity, 10);
}

TEST_F(TelebookPhoneTest, AbsurdCountsEndTheScanAtWhatThesePhonesHold)
{
    QueueUsed(5000);
    QueueCapacity(2000000000);
    doubles::SetDefault(QStringLiteral("ReadTeleBook"), Held({0, "01", "Any"}));
    EXPECT_EQ(Run(kSimCard, kTelebookRead), Outcome::Done);
    EXPECT_EQ(store.m_workList.size(), 1000);
    EXPECT_EQ(doubles::CallsOf("ReadTeleBook").size(), 1000);
}

// Before a change the location must still hold the entry the list shows.
TEST_F(TelebookPhoneTest, ModifyOrDeleteOfAnEntryThePhoneNoLongerHoldsIsRefused)
{
    ReadMemory(kSimCard, kGapAtTwo, 10);
    store.m_editRecord = MakeRecord({3, "0999", "Cyd"});
    store.m_selection = {1};
    QueueHeld({{3, "0333", "Other"}});
    EXPECT_EQ(Run(kSimCard, kTelebookModify), Outcome::Failed);
    const auto changed = [](int location) {
        return QStringLiteral("The entry at location %1 is no longer the one shown.\n"
                              "Please read the telebook again.").arg(location);
    };
    EXPECT_EQ(g_strLastError.Get(), changed(3));
    store.m_selection = {0, 1};
    doubles::Queue(QStringLiteral("ReadTeleBook"), Result(0)); // Ann's location is empty now
    EXPECT_EQ(Run(kSimCard, kTelebookDelete), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), changed(1));
    doubles::Queue(QStringLiteral("ReadTeleBook"), Result(-1));
    EXPECT_EQ(Run(kSimCard, kTelebookDelete), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to read the SIM card telebook!"));
    EXPECT_TRUE(doubles::CallsOf("ModifyTeleBook").isEmpty());
    EXPECT_TRUE(doubles::CallsOf("DeleteTeleBook").isEmpty());
    EXPECT_EQ(Names(store.m_simList), QStringList({"Ann", "Cid"}));
}

// A list read from one phone must not lead a change on the next one.
TEST_F(TelebookPhoneTest, ListsAreForgottenWhenTheLineClosesOrThePhoneTypeChanges)
{
    const QString forgotten = QStringLiteral("The telebook shown is no longer the phone's.\n"
                                             "Please read the telebook again.");
    ReadMemory(kSimCard, kGapAtTwo, 10);
    ReadMemory(kPhoneMemory, kGapAtTwo, 10);
    ASSERT_EQ(store.ClosePort(), 1);
    g_bConnected.store(1);
    store.m_selection = {0};
    EXPECT_EQ(Run(kSimCard, kTelebookDelete), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), forgotten);
    EXPECT_TRUE(store.m_simList.isEmpty());
    EXPECT_TRUE(store.m_phoneList.isEmpty());
    EXPECT_TRUE(store.m_workList.isEmpty());
    EXPECT_FALSE(store.m_bSimLoaded || store.m_bPhoneLoaded);
    EXPECT_EQ(store.m_nCapacity, 0);

    ReadMemory(kSimCard, kGapAtTwo, 10);
    g_strPhoneType.Set(QStringLiteral("S45i(Europe)"));
    store.m_editRecord = MakeRecord({1, "0999", "Any"});
    EXPECT_EQ(Run(kSimCard, kTelebookModify), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), forgotten);
    EXPECT_TRUE(store.m_simList.isEmpty());
    EXPECT_EQ(doubles::CallsOf("ReadTeleBook").size() + doubles::CallsOf("ModifyTeleBook").size()
                  + doubles::CallsOf("DeleteTeleBook").size(), 0);
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
