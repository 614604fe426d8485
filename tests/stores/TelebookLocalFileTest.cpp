// SPDX-License-Identifier: GPL-2.0-or-later
// Telebook.tml through the phone-book store: loading, appending, modifying,
// deleting, synchronising, and the boxes of a file that refuses.
#include "tests/stores/TelebookFixture.h"

#include "link/CommandSlot.h"
#include "link/MobileLink.h"
#include "link/Worker.h"

#include <memory>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

using namespace orrin;
using namespace orrin::test;

namespace {

const QByteArray kTag = QByteArrayLiteral("telebook");
const QList<Entry> kFour = {{1, "01", "Ann"}, {2, "02", "Bob"}, {3, "03", "Cid"}, {4, "04", "Dan"}};
const QString kWrongFormat = QStringLiteral("Unexceptable telephone book format!");

class TelebookLocalFileTest : public TelebookFixture {
protected:
    Outcome Append(const Entry &entry)
    {
        store.m_localEditRecord = MakeRecord(entry);
        return Run(kLocalFile, kTelebookWrite);
    }
};

TEST_F(TelebookLocalFileTest, EmptyFileLoadsAsNothingAndIsInitialisedByTheFirstAppend)
{
    WriteFile({});
    EXPECT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    EXPECT_TRUE(store.m_localList.isEmpty());
    EXPECT_EQ(Append({0, "0111", "Ann", 1}), Outcome::Done);
    EXPECT_EQ(FileContents(), FileBytes(kTag, 1, {{0, "0111", "Ann", 1}}));
    EXPECT_EQ(Names(store.m_localList), QStringList{"Ann"});
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(TelebookLocalFileTest, AppendReadsTheFileFirstWhenNothingIsListed)
{
    WriteFile(FileBytes(kTag, 2, {{0, "01", "Ann"}, {0, "02", "Bob"}}));
    EXPECT_EQ(Append({0, "03", "Cid"}), Outcome::Done);
    EXPECT_EQ(Names(store.m_localList), QStringList({"Ann", "Bob", "Cid"}));
    EXPECT_EQ(Names(store.m_allList), QStringList({"Ann", "Bob"}));
}

TEST_F(TelebookLocalFileTest, FileWithAnotherTagIsRefusedEverywhereAndLeftByteForByte)
{
    for (const QByteArray &tag : {QByteArrayLiteral("TELEBOOK"), QByteArrayLiteral("telebooX"),
                                  QByteArrayLiteral("addrbook")}) {
        const QByteArray foreign = FileBytes(tag, 2, {{1, "01", "Ann"}, {2, "02", "Bob"}});
        WriteFile(foreign);
        store.m_localList = {MakeRecord({1, "01", "Ann"}), MakeRecord({2, "02", "Bob"})};
        store.m_selection = {0};
        store.m_localEditRecord = MakeRecord({0, "09", "Zed"});
        // Local operations report success so that the view refreshes.
        for (const int code : {kTelebookRead, kTelebookWrite, kTelebookModify, kTelebookDelete})
            EXPECT_EQ(Run(kLocalFile, code), Outcome::Done) << code;
        EXPECT_EQ(FileContents(), foreign) << tag.constData();
        // Nothing of it is a phone book: nothing is listed.
        EXPECT_TRUE(store.m_localList.isEmpty());
    }
    EXPECT_EQ(boxes.Texts(), QStringList(12, kWrongFormat));
    for (const BoxRequest &box : boxes.Boxes()) {
        EXPECT_EQ(box.caption, kAppTitle);
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.buttons, BoxButtons::Ok);
    }
}

TEST_F(TelebookLocalFileTest, FileShorterThanItsTagIsRefused)
{
    WriteFile("tele");
    EXPECT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    EXPECT_EQ(Append({0, "01", "Ann"}), Outcome::Done);
    EXPECT_EQ(FileContents(), QByteArray("tele"));
    // The append reads the file first and stops at its refusal.
    EXPECT_EQ(boxes.Texts(), QStringList(2, kWrongFormat));
}

TEST_F(TelebookLocalFileTest, DeletingTwoOfFourRecordsLeavesAHundredByteFileWithCountTwo)
{
    WriteFile(FileBytes(kTag, 4, kFour));
    ASSERT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    store.m_selection = {1, 3};
    EXPECT_EQ(Run(kLocalFile, kTelebookDelete), Outcome::Done);
    const QByteArray file = FileContents();
    EXPECT_EQ(file.size(), 100);
    EXPECT_EQ(file, FileBytes(kTag, 2, {kFour[0], kFour[2]}));
    EXPECT_EQ(Names(store.m_localList), QStringList({"Ann", "Cid"}));
}

TEST_F(TelebookLocalFileTest, CountLargerThanTheRecordsPresentYieldsTheWholeRecords)
{
    // A count of 7 over two whole records and half of a third.
    WriteFile(FileBytes(kTag, 7, kFour.first(3)).chopped(22));
    EXPECT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    EXPECT_EQ(Names(store.m_localList), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(Locations(store.m_localList), QList<int>({1, 2}));
    // The next record replaces the broken tail and is counted with the others.
    EXPECT_EQ(Append(kFour[3]), Outcome::Done);
    EXPECT_EQ(FileContents(), FileBytes(kTag, 3, {kFour[0], kFour[1], kFour[3]}));
}

TEST_F(TelebookLocalFileTest, ModifyOverwritesOnlyTheSelectedRecord)
{
    WriteFile(FileBytes(kTag, 3, kFour.first(3)));
    ASSERT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    store.m_selection = {1};
    store.m_localEditRecord = MakeRecord({2, "0999", "Bo", 1});
    EXPECT_EQ(Run(kLocalFile, kTelebookModify), Outcome::Done);
    EXPECT_EQ(FileContents(), FileBytes(kTag, 3, {kFour[0], {2, "0999", "Bo", 1}, kFour[2]}));
    EXPECT_EQ(Names(store.m_localList), QStringList({"Ann", "Bo", "Cid"}));
}

TEST_F(TelebookLocalFileTest, FileThatCannotBeWrittenShowsTheFatalBox)
{
    // The folder of the phone type does not exist yet.
    g_strPhoneType.Set(QStringLiteral("S46(North America)"));
    EXPECT_EQ(Append({0, "01", "Ann"}), Outcome::Done);
    EXPECT_EQ(boxes.Texts(), QStringList{"Fatel error: Cannot access telephone file!"});
    EXPECT_TRUE(store.m_localList.isEmpty());
}

TEST_F(TelebookLocalFileTest, ListIsAlwaysTheFileOfTheCurrentPhoneType)
{
    WriteFile(FileBytes(kTag, 4, kFour));
    ASSERT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    // The settings name another phone type, whose folder holds no file yet.
    g_strPhoneType.Set(QStringLiteral("S46(North America)"));
    ASSERT_TRUE(QDir(m_workDir.path()).mkdir(g_strPhoneType.Get()));
    EXPECT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    EXPECT_TRUE(store.m_localList.isEmpty());
    // A new entry there makes a file of one record, and that is the list.
    EXPECT_EQ(Append({0, "09", "Zed"}), Outcome::Done);
    EXPECT_EQ(FileContents(), FileBytes(kTag, 1, {{0, "09", "Zed"}}));
    EXPECT_EQ(Names(store.m_localList), QStringList{"Zed"});
    // An empty file is an empty list too.
    WriteFile({});
    EXPECT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    EXPECT_TRUE(store.m_localList.isEmpty());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(TelebookLocalFileTest, ChangeOfRecordsTheFileNoLongerHoldsIsRefusedAndTheFileShown)
{
    const QString cannotAccess = QStringLiteral("Fatel error: Cannot access telephone file!");
    const QByteArray other = FileBytes(kTag, 2, {{1, "05", "Eve"}, {2, "06", "Fay"}});
    for (const int code : {kTelebookModify, kTelebookDelete}) {
        WriteFile(FileBytes(kTag, 4, kFour));
        ASSERT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
        // Another program's copy, or another phone type's file, took its place.
        WriteFile(other);
        store.m_selection = {0, 3};
        store.m_localEditRecord = MakeRecord({1, "01", "Anna"});
        EXPECT_EQ(Run(kLocalFile, code), Outcome::Done) << code;
        EXPECT_EQ(FileContents(), other) << code;
        EXPECT_EQ(Names(store.m_localList), QStringList({"Eve", "Fay"})) << code;
        // No file at all: nothing to change, and none is made.
        ASSERT_TRUE(QFile::remove(FilePath()));
        store.m_localList = {MakeRecord(kFour[0])};
        EXPECT_EQ(Run(kLocalFile, code), Outcome::Done) << code;
        EXPECT_FALSE(QFile::exists(FilePath())) << code;
        EXPECT_TRUE(store.m_localList.isEmpty()) << code;
    }
    EXPECT_EQ(boxes.Texts(), QStringList(4, cannotAccess));
}

TEST_F(TelebookLocalFileTest, UnreadableFileShowsTheBoxOnRead)
{
    ASSERT_TRUE(QDir().mkdir(FilePath()));
    store.m_localList = {MakeRecord(kFour[0])};
    EXPECT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    EXPECT_EQ(boxes.Texts(), QStringList{"Fatel error: Cannot access telephone file!"});
    EXPECT_TRUE(store.m_localList.isEmpty());
}

#if defined(Q_OS_UNIX)
TEST_F(TelebookLocalFileTest, FileWithoutReadPermissionShowsTheBoxOnRead)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads any file";
    WriteFile(FileBytes(kTag, 1, {kFour[0]}));
    ASSERT_TRUE(QFile::setPermissions(FilePath(), QFileDevice::WriteOwner));
    EXPECT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    EXPECT_EQ(boxes.Texts(), QStringList{"Fatel error: Cannot access telephone file!"});
}
#endif

class TelebookSyncTest : public TelebookLocalFileTest {
protected:
    const QList<Entry> m_phone = {{1, "01", "Ann"}, {2, "02", "Bob"}};
    const QList<Entry> m_sim = {{1, "02", "Bob", 1}, {3, "03", "Cid"}};
};

TEST_F(TelebookSyncTest, SynchronisingTwiceAddsNothingTheSecondTime)
{
    for (int pass = 0; pass < 2; ++pass) {
        QueueRead(m_phone, 10);
        QueueRead(m_sim, 10);
        EXPECT_EQ(Run(kSimCard, kTelebookSync), Outcome::Done);
        EXPECT_EQ(doubles::CallsOf("SetTeleBookMemo"), QStringList({"SetTeleBookMemo(ME)", "SetTeleBookMemo(SM)"}));
        EXPECT_EQ(g_nMemory.load(), kLocalFile);
        EXPECT_EQ(FileContents(), FileBytes(kTag, 3, {m_phone[0], m_phone[1], m_sim[1]})) << pass;
        EXPECT_EQ(Names(store.m_localList), QStringList({"Ann", "Bob", "Cid"}));
        ForgetCalls();
    }
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(TelebookSyncTest, SynchronisingIntoAMissingFileWritesEveryEntry)
{
    WriteFile(FileBytes(kTag, 2, m_phone));
    ASSERT_EQ(Run(kLocalFile, kTelebookRead), Outcome::Done);
    ASSERT_TRUE(QFile::remove(FilePath()));
    QueueRead(m_phone, 10);
    QueueRead(m_sim, 10);
    EXPECT_EQ(Run(kSimCard, kTelebookSync), Outcome::Done);
    EXPECT_EQ(FileContents(), FileBytes(kTag, 3, {m_phone[0], m_phone[1], m_sim[1]}));
    EXPECT_EQ(Names(store.m_localList), QStringList({"Ann", "Bob", "Cid"}));
}

TEST_F(TelebookSyncTest, NewerPhoneTypeSynchronisesOnlyTheSim)
{
    g_strPhoneType.Set(QStringLiteral("S55(Europe,Latin America)"));
    ASSERT_TRUE(QDir(m_workDir.path()).mkdir(g_strPhoneType.Get()));
    QueueRead(m_sim, 10);
    EXPECT_EQ(Run(kPhoneMemory, kTelebookSync), Outcome::Done);
    EXPECT_EQ(doubles::CallsOf("SetTeleBookMemo"), QStringList{"SetTeleBookMemo(SM)"});
    EXPECT_EQ(FileContents(), FileBytes(kTag, 2, m_sim));
    EXPECT_EQ(g_nMemory.load(), kLocalFile);
}

TEST_F(TelebookSyncTest, ForeignFileStopsTheCopyAfterOneRefusal)
{
    const QByteArray foreign = FileBytes("notebook", 0, {});
    WriteFile(foreign);
    QueueRead(m_phone, 10);
    QueueRead(m_sim, 10);
    EXPECT_EQ(Run(kSimCard, kTelebookSync), Outcome::Done);
    EXPECT_EQ(FileContents(), foreign);
    // Once per memory: its merge reads the file first and stops there.
    EXPECT_EQ(boxes.Texts(), QStringList(2, kWrongFormat));
}

// The view's class, so that the worker finds the store for it.
class CTelebookViewStandIn : public CMessageSink {
    Q_OBJECT
};

TEST_F(TelebookLocalFileTest, BoxOnTheWorkerIsAnsweredOnTheUserInterfaceThread)
{
    CTelebookData &global = TheTelebookData();
    RegisterViewStore(CTelebookViewStandIn::staticMetaObject, global);
    WriteFile(FileBytes("foreign!", 0, {}));
    CTelebookViewStandIn telebookView;
    CSharedObject activeView;
    activeView.Set(&telebookView);
    CWorkerThread worker(WorkerContext{&frame, &activeView, &TheMobileLink()});
    worker.Start();
    g_nMemory.store(kLocalFile);
    ASSERT_TRUE(WriteStoreCommand(&telebookView, kTelebookRead));
    EXPECT_TRUE(WaitUntil([&] { return telebookView.Has(WM_TELEBOOK_DONE); }));
    worker.Stop();
    EXPECT_EQ(boxes.Texts(), QStringList{kWrongFormat});
    EXPECT_EQ(boxes.OnGuiThread(), QList<bool>{true});
    EXPECT_EQ(g_nCommand.load(), 0);
}

} // namespace

#include "TelebookLocalFileTest.moc"
