// SPDX-License-Identifier: GPL-2.0-or-later
// The phone-book store over the real Mobile module and the simulated phone:
// the store's calls, as it makes them, read both memories and put a new
// entry where the store expects it.
#include "stores/telebook/TelebookData.h"
#include "tests/e2e/StoreEndToEndFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>

#include <gtest/gtest.h>

using namespace orrin;
using namespace orrin::test;

namespace {

class TelebookEndToEndTest : public StoreEndToEndFixture {
protected:
    void Connect(const QStringList &options) { StoreEndToEndFixture::Connect(m_store, options); }

    // A newer-family phone whose SIM holds these names, each at its location.
    QString SimBookState(const QString &file, const QList<std::pair<int, QString>> &entries) const
    {
        QJsonArray listed;
        for (const auto &[location, name] : entries) {
            listed.append(
                QJsonObject{{"location", location}, {"number", QString("0%1").arg(location)}, {"name", name}});
        }
        const QJsonObject book{{"capacity", 10}, {"numberLength", 20}, {"textLength", 14}, {"entries", listed}};
        const QJsonObject state{{"family", "newer"}, {"phoneBooks", QJsonObject{{"SM", book}}}};
        QFile out(m_dir.filePath(file));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QJsonDocument(state).toJson());
        return out.fileName();
    }

    QList<int> Locations() const
    {
        QList<int> locations;
        for (const TelebookRecord &record : m_store.m_workList)
            locations << record.location;
        return locations;
    }
    QStringList Names() const
    {
        QStringList names;
        for (const TelebookRecord &record : m_store.m_workList)
            names << QString::fromUtf8(record.name);
        return names;
    }
    // The locations, names and VIP flags of the work list.
    QList<std::tuple<int, QString, int>> Listed() const
    {
        QList<std::tuple<int, QString, int>> listed;
        for (const TelebookRecord &record : m_store.m_workList)
            listed.append({record.location, QString::fromUtf8(record.name), record.vip});
        return listed;
    }

    CTelebookData m_store;
};

TEST_F(TelebookEndToEndTest, StoreReadsBothMemoriesAndWritesWhereThePhoneSays)
{
    Connect({"--family", "newer"});
    g_nMemory.store(2);
    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    EXPECT_EQ(m_store.m_nCapacity, 12);
    ASSERT_EQ(m_store.m_workList.size(), 12);
    EXPECT_EQ(Listed().at(10), std::make_tuple(11, QStringLiteral("Jürgen"), 1));

    g_nMemory.store(1);
    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    EXPECT_EQ(m_store.m_nCapacity, 100);
    const QList<std::tuple<int, QString, int>> before{
        {1, QStringLiteral("Zoë Müller"), 1}, {2, QStringLiteral("Иван"), 0},    {5, QStringLiteral("王小明"), 0},
        {9, QStringLiteral("José Ñúñez"), 0}, {12, QStringLiteral("Ольга"), 1}, {20, QStringLiteral("Екатери"), 0},
    };
    EXPECT_EQ(Listed(), before);

    // The phone puts the new entry at its first free location; the store reads where.
    m_store.m_editRecord = TelebookRecord{0, "+4911122233", "Новый", 1};
    ASSERT_EQ(m_store.WriteToPhone(), 1);
    ASSERT_EQ(m_store.m_workList.size(), 7);
    EXPECT_EQ(Listed().at(2), std::make_tuple(3, QStringLiteral("Новый"), 1));

    m_store.m_editRecord = m_store.m_workList.at(2);
    std::strcpy(m_store.m_editRecord.name, "Neu");
    m_store.m_editRecord.vip = 0;
    m_store.m_selection = {2};
    ASSERT_EQ(m_store.ModifyOnPhone(), 1);
    std::strcpy(m_store.m_workList[2].name, "Neu");
    m_store.m_selection = {2};
    ASSERT_EQ(m_store.DeleteFromPhone(), 1);
    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    EXPECT_EQ(Listed(), before);

    Disconnect();
    // One range read for each read of a memory (three, and one after the new
    // entry) and for each check before a change (two).
    EXPECT_EQ(m_phone.Count(QStringLiteral("AT+CPBR")), 6);
}

// Phone A's SIM read, then phone B on the same port: nothing read from A may
// lead a change on B, and B's new entry is listed where B put it.
TEST_F(TelebookEndToEndTest, SecondPhoneIsNeverChangedThroughTheFirstPhonesList)
{
    Connect({"--family", "newer", "--state", SimBookState("a.json", {{1, "Ann"}, {2, "Bob"}, {3, "Cid"}})});
    g_nMemory.store(kSimCard);
    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    Disconnect();
    Connect({"--family", "newer", "--state", SimBookState("b.json", {{1, "Dan"}, {3, "Eve"}, {4, "Fay"}, {5, "Gil"}})});

    m_store.m_selection = {2}; // "Cid" at 3 on phone A; "Eve" there on B
    EXPECT_EQ(m_store.DeleteFromPhone(), 0);
    EXPECT_EQ(g_strLastError.Get(), "The telebook shown is no longer the phone's.\nPlease read the telebook again.");

    m_store.m_editRecord = TelebookRecord{0, "0999", "New", 0};
    ASSERT_EQ(m_store.WriteToPhone(), 1);
    EXPECT_EQ(Names(), QStringList({"Dan", "New", "Eve", "Fay", "Gil"}));
    EXPECT_EQ(Locations(), QList<int>({1, 2, 3, 4, 5}));
    m_store.m_selection = {1};
    ASSERT_EQ(m_store.DeleteFromPhone(), 1);
    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    EXPECT_EQ(Names(), QStringList({"Dan", "Eve", "Fay", "Gil"}));
    EXPECT_EQ(Locations(), QList<int>({1, 3, 4, 5}));
}

// The phone stops answering at the selection of the second read.
TEST_F(TelebookEndToEndTest, SilentSelectionFailsTheReadAndKeepsTheListReadBefore)
{
    Connect({"--family", "newer", "--fault", "silent-after=8"});
    g_nMemory.store(kSimCard);
    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    EXPECT_EQ(m_store.ReadFromPhone(), 0);
    EXPECT_EQ(g_strLastError.Get(), "Unable to open the SIM card telebook!");
    EXPECT_EQ(m_store.m_workList.size(), 12);
    EXPECT_EQ(m_store.m_simList.size(), 12);
    EXPECT_EQ(m_store.m_nCapacity, 12);
}

// Read ME, SIM, ME again; the phone stops answering at the delete's
// selection of ME: nothing is deleted in either memory.
TEST_F(TelebookEndToEndTest, SilentSelectionFailsTheDeleteAndTheOtherMemoryKeepsItsEntry)
{
    Connect({"--family", "older", "--fault", "silent-after=16"});
    for (const int memory : {kPhoneMemory, kSimCard, kPhoneMemory}) {
        g_nMemory.store(memory);
        ASSERT_EQ(m_store.ReadFromPhone(), 1) << memory;
    }
    const QStringList phoneNames = Names();
    m_store.m_selection = {0};
    EXPECT_EQ(m_store.DeleteFromPhone(), 0);
    EXPECT_EQ(g_strLastError.Get(), "Unable to open the phone telebook!");
    EXPECT_EQ(Names(), phoneNames);

    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    EXPECT_EQ(Names(), phoneNames);
    g_nMemory.store(kSimCard);
    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    EXPECT_EQ(Names().value(0), "Anna");
}

} // namespace
