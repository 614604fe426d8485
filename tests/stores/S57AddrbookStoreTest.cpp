// SPDX-License-Identifier: GPL-2.0-or-later
// The newer family's address-book store over the Mobile double: name order,
// positions after a change, its equality rule and S57Addrbook.aml.
#include "stores/addrbook/S57AddrbookData.h"
#include "tests/stores/AddrbookScript.h"
#include "tests/stores/StoreFixture.h"

using namespace orrin;
using namespace orrin::test;

namespace {

const QByteArray kTag("S57addr\0", 8);
using S57Card = S57AddrbookRecord;

class S57AddrbookStoreTest : public TStoreFixture<CS57AddrbookData> {
protected:
    S57AddrbookStoreTest() : TStoreFixture(QStringLiteral("S55(Europe,Latin America)")) {}
    void ForgetModuleCalls() override { ForgetAddrbookCalls(); }
    Outcome Run(int memory, int code) { return RunFor(WM_S57ADDRBOOK_DONE, memory, code); }
    void ReadAnnZedBob()
    {
        QueuePhoneRead("GetVCF_S57", std::map<int, S57Card>{{0, Card<S57Card>("Ann")},
                                                            {4, Card<S57Card>("Zed")},
                                                            {7, Card<S57Card>("Bob")}});
        ASSERT_EQ(Run(kPhoneMemory, kAddrbookRead), Outcome::Done);
        ForgetAddrbookCalls();
    }
    QList<int> Indexes() const
    {
        QList<int> indexes;
        for (const S57Card &record : store.m_phoneList)
            indexes << record.index;
        return indexes;
    }
};

TEST_F(S57AddrbookStoreTest, ReadListsByNameWithPositionsAsIndexes)
{
    ReadAnnZedBob();
    EXPECT_EQ(Names(store.m_phoneList), (QList<QByteArray>{"Ann", "Bob", "Zed"}));
    EXPECT_EQ(Indexes(), (QList<int>{0, 1, 2}));
    EXPECT_TRUE(store.m_bPhoneRead);

    store.m_phoneList = {Card<S57Card>("ann"), Card<S57Card>("Zed")};
    store.SortPhoneList();
    EXPECT_EQ(Names(store.m_phoneList), (QList<QByteArray>{"Zed", "ann"}));
}

TEST_F(S57AddrbookStoreTest, DeleteIsOneDeleteAfterACountAndRenumbers)
{
    ReadAnnZedBob();
    store.m_selection = {0};
    EXPECT_EQ(Run(kPhoneMemory, kAddrbookDelete), Outcome::Done);
    EXPECT_EQ(doubles::Calls(), (QStringList{"GetAddressBookNum()", "ClearVCF_S57(0)"}));
    EXPECT_EQ(Names(store.m_phoneList), (QList<QByteArray>{"Bob", "Zed"}));
    EXPECT_EQ(Indexes(), (QList<int>{0, 1}));
}

// Written in place at its position, no clear first; the list keeps name order.
TEST_F(S57AddrbookStoreTest, ModifyOverwritesInPlaceAndResorts)
{
    ReadAnnZedBob();
    store.m_selection = {0};
    store.m_phoneRecord = store.m_phoneList[0];
    SetTextFieldBytes(store.m_phoneRecord.name, "Zoe");
    EXPECT_EQ(Run(kPhoneMemory, kAddrbookModify), Outcome::Done);
    EXPECT_EQ(doubles::Calls(), (QStringList{"GetAddressBookNum()", "SetVCF_S57(0)"}));
    EXPECT_EQ(Names(store.m_phoneList), (QList<QByteArray>{"Bob", "Zed", "Zoe"}));
    EXPECT_EQ(Indexes(), (QList<int>{0, 1, 2}));
}

TEST_F(S57AddrbookStoreTest, NewEntryReadsThePhoneOnlyTheFirstTime)
{
    QueuePhoneRead("GetVCF_S57", std::map<int, S57Card>{{0, Card<S57Card>("Bob")}});
    doubles::Queue(QStringLiteral("GetAddressBookNum"), doubles::Result(1));
    store.m_phoneRecord = Card<S57Card>("Ann");
    EXPECT_EQ(Run(kPhoneMemory, kAddrbookWrite), Outcome::Done);
    doubles::Queue(QStringLiteral("GetAddressBookNum"), doubles::Result(2));
    store.m_phoneRecord = Card<S57Card>("Cid");
    EXPECT_EQ(Run(kPhoneMemory, kAddrbookWrite), Outcome::Done);
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("GetVCF_S57")).size(), 1);
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("SetVCF_S57")), (QStringList{"SetVCF_S57(1)", "SetVCF_S57(2)"}));
    EXPECT_EQ(Names(store.m_phoneList), (QList<QByteArray>{"Ann", "Bob", "Cid"}));
}

// Group or office alone make no new entry; the birthday does.
TEST_F(S57AddrbookStoreTest, SyncAppendsEntriesThatDifferInTheirBirthday)
{
    S57Card ann = Card<S57Card>("Ann", "+491");
    S57Card group = ann;
    SetTextFieldBytes(group.group, "Family");
    SetTextFieldBytes(group.office, "+4930");
    S57Card birthday = ann;
    SetTextFieldBytes(birthday.birthday, "19191231");
    QueuePhoneRead("GetVCF_S57", std::map<int, S57Card>{{0, ann}, {1, group}, {2, birthday}});
    EXPECT_EQ(Run(kLocalFile, kAddrbookSync), Outcome::Done);
    ASSERT_EQ(store.m_localList.size(), 2);
    EXPECT_EQ(TextFieldBytes(store.m_localList[1].birthday), QByteArrayView("19191231"));
    EXPECT_EQ(FileContents().left(12), LocalFileBytes<S57Card>(kTag, {}).left(8) + QByteArray("\2\0\0\0", 4));
}

TEST_F(S57AddrbookStoreTest, LocalModifyReplacesTheListEntry)
{
    WriteFile(LocalFileBytes<S57Card>(kTag, {Card<S57Card>("Ann"), Card<S57Card>("Bob")}));
    ASSERT_EQ(Run(kLocalFile, kAddrbookRead), Outcome::Done);
    store.m_selection = {1};
    store.m_localRecord = Card<S57Card>("Bea");
    EXPECT_EQ(Run(kLocalFile, kAddrbookModify), Outcome::Done);
    EXPECT_EQ(Names(store.m_localList), (QList<QByteArray>{"Ann", "Bea"}));
    EXPECT_EQ(FileContents(), LocalFileBytes<S57Card>(kTag, {Card<S57Card>("Ann"), Card<S57Card>("Bea")}));
}

TEST_F(S57AddrbookStoreTest, ATagWithoutItsZeroByteIsRefused)
{
    QByteArray tag = kTag;
    tag[7] = '\1';
    WriteFile(LocalFileBytes<S57Card>(tag, {Card<S57Card>("Ann")}));
    EXPECT_EQ(Run(kLocalFile, kAddrbookRead), Outcome::Done);
    EXPECT_TRUE(store.m_localList.isEmpty());
    EXPECT_EQ(boxes.Texts(), QStringList{"Unexceptable telephone book format!"});
}

} // namespace
