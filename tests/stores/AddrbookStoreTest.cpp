// SPDX-License-Identifier: GPL-2.0-or-later
// The older family's address-book store over the Mobile double: the slot
// scan, new write and modify, the equality rule and Addrbook.aml.
#include "stores/addrbook/AddrbookData.h"
#include "tests/stores/AddrbookScript.h"
#include "tests/stores/StoreFixture.h"

using namespace orrin;
using namespace orrin::test;

namespace {

const QByteArray kTag = QByteArrayLiteral("addrbook");

class AddrbookStoreTest : public TStoreFixture<CAddrbookData> {
protected:
    AddrbookStoreTest() : TStoreFixture(QStringLiteral("S45i(Europe)")) {}
    void ForgetModuleCalls() override { ForgetAddrbookCalls(); }
    Outcome Run(int memory, int code) { return RunFor(WM_ADDRBOOK_DONE, memory, code); }
    void ReadPhone(const std::map<int, AddrbookRecord> &filled)
    {
        QueuePhoneRead("GetVCF", filled);
        ASSERT_EQ(Run(kPhoneMemory, kAddrbookRead), Outcome::Done);
        ForgetAddrbookCalls();
    }
};

TEST_F(AddrbookStoreTest, ReadTakesTheCountedEntriesWithTheirSlotsAndProgress)
{
    QList<int> progress;
    g_nProgress.store(-1);
    QueuePhoneRead("GetVCF",
                   std::map<int, AddrbookRecord>{{0, Card<AddrbookRecord>("Ann")},
                                                 {2, Card<AddrbookRecord>("Bob")},
                                                 {5, Card<AddrbookRecord>("Cid")}},
                   [&] {
                       if (progress.isEmpty() || progress.last() != g_nProgress.load())
                           progress << g_nProgress.load();
                   });
    ASSERT_EQ(Run(kPhoneMemory, kAddrbookRead), Outcome::Done);
    progress << g_nProgress.load();
    ASSERT_EQ(store.m_phoneList.size(), 3);
    EXPECT_EQ(store.m_phoneList[0].index, 0);
    EXPECT_EQ(store.m_phoneList[1].index, 2);
    EXPECT_EQ(store.m_phoneList[2].index, 5);
    EXPECT_EQ(progress, (QList<int>{-1, 0, 66, 166}));
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("GetVCF")).size(), 6);
}

TEST_F(AddrbookStoreTest, ScanIsBoundedAndAnUnansweredCountFails)
{
    ReadPhone({{1, Card<AddrbookRecord>("Ann")}});
    // A phone that counts five entries and yields one: the scan ends at the bound.
    doubles::Queue(QStringLiteral("GetAddressBookNum"), doubles::Result(5));
    doubles::Queue(QStringLiteral("GetVCF"), [] {
        doubles::Reply reply = doubles::Result(1);
        reply.bytes = RecordBytes(Card<AddrbookRecord>("Zed"));
        return reply;
    }());
    ASSERT_EQ(Run(kPhoneMemory, kAddrbookRead), Outcome::Done);
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("GetVCF")).size(), kMaxAddrbookSlots);
    EXPECT_EQ(Names(store.m_phoneList), QList<QByteArray>{"Zed"});

    doubles::Queue(QStringLiteral("GetAddressBookNum"), doubles::Result(-1));
    EXPECT_EQ(Run(kPhoneMemory, kAddrbookRead), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to read the address book!"));
    EXPECT_EQ(Names(store.m_phoneList), QList<QByteArray>{"Zed"});

    ReadPhone({});
    EXPECT_TRUE(store.m_phoneList.isEmpty());
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("No Addrbook found!"));
}

TEST_F(AddrbookStoreTest, FailedWriteAfterTheClearPutsTheOldEntryBack)
{
    ReadPhone({{3, Card<AddrbookRecord>("Ann", "+491")}});
    store.m_selection = {0};
    store.m_phoneRecord = store.m_phoneList[0];
    SetTextFieldBytes(store.m_phoneRecord.mobile, "+492");
    doubles::Queue(QStringLiteral("SetVCF"), doubles::Result(0));
    EXPECT_EQ(Run(kPhoneMemory, kAddrbookModify), Outcome::Failed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to write addrbook!"));
    EXPECT_EQ(doubles::Calls(), (QStringList{"ClearVCF(3)", "SetVCF(3)", "SetVCF(3)"}));
    EXPECT_EQ(doubles::CallBytes(2), RecordBytes(store.m_phoneList[0]));
}

TEST_F(AddrbookStoreTest, NewEntryGoesToTheCountedSlotAndThePhoneIsReadAgain)
{
    store.m_phoneRecord = Card<AddrbookRecord>("Ann");
    doubles::Queue(QStringLiteral("GetAddressBookNum"), doubles::Result(2));
    QueuePhoneRead("GetVCF", std::map<int, AddrbookRecord>{{0, Card<AddrbookRecord>("Ann")}});
    EXPECT_EQ(Run(kPhoneMemory, kAddrbookWrite), Outcome::Done);
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("SetVCF")), QStringList{"SetVCF(2)"});
    EXPECT_EQ(Names(store.m_phoneList), QList<QByteArray>{"Ann"});
}

// Office or street alone make no new entry; the mobile number does. Code 5
// reads the phone whatever memory the view showed, and creates the file.
TEST_F(AddrbookStoreTest, SyncCreatesTheFileWithTheDistinctEntries)
{
    AddrbookRecord ann = Card<AddrbookRecord>("Ann", "+491");
    AddrbookRecord office = ann;
    SetTextFieldBytes(office.office, "+4930");
    AddrbookRecord street = ann;
    SetTextFieldBytes(street.street, "Main St");
    const AddrbookRecord other = Card<AddrbookRecord>("Ann", "+499");
    QueuePhoneRead("GetVCF", std::map<int, AddrbookRecord>{{0, ann}, {1, office}, {2, street}, {3, other}});
    EXPECT_EQ(Run(kLocalFile, kAddrbookSync), Outcome::Done);
    EXPECT_EQ(g_nMemory.load(), kPhoneMemory);
    ann.index = 0;
    AddrbookRecord otherRead = other;
    otherRead.index = 3;
    EXPECT_EQ(FileContents(), LocalFileBytes<AddrbookRecord>(kTag, {ann, otherRead}));
    EXPECT_EQ(store.m_mergedList.size(), 2);
}

TEST_F(AddrbookStoreTest, DeletingTheOnlyRecordLeavesTheHeader)
{
    WriteFile(LocalFileBytes<AddrbookRecord>(kTag, {Card<AddrbookRecord>("Ann")}));
    ASSERT_EQ(Run(kLocalFile, kAddrbookRead), Outcome::Done);
    store.m_selection = {0};
    EXPECT_EQ(Run(kLocalFile, kAddrbookDelete), Outcome::Done);
    EXPECT_EQ(FileContents(), LocalFileBytes<AddrbookRecord>(kTag, {}));
    EXPECT_TRUE(store.m_localList.isEmpty());
}

// Any byte of the tag off, letter case too, and the file is neither listed nor changed.
TEST_F(AddrbookStoreTest, AForeignTagIsRefusedAndTheFileKept)
{
    for (int at = 0; at < kTag.size(); ++at) {
        QByteArray tag = kTag;
        tag[at] = char(tag[at] ^ 0x20);
        const QByteArray bytes = LocalFileBytes<AddrbookRecord>(tag, {Card<AddrbookRecord>("Ann")});
        WriteFile(bytes);
        store.m_localList = {Card<AddrbookRecord>("Ann")};
        store.m_selection = {0};
        EXPECT_EQ(Run(kLocalFile, kAddrbookDelete), Outcome::Done);
        store.m_localRecord = Card<AddrbookRecord>("Bob");
        EXPECT_EQ(Run(kLocalFile, kAddrbookWrite), Outcome::Done);
        EXPECT_EQ(FileContents(), bytes) << "tag byte " << at;
        EXPECT_TRUE(store.m_localList.isEmpty());
    }
    EXPECT_EQ(boxes.Texts(), QStringList(2 * kTag.size(), QStringLiteral("Unexceptable telephone book format!")));
}

} // namespace
