// The phone-book store over the real Mobile module and the simulated phone:
// the store's calls, as it makes them, read both memories and put a new
// entry where the store expects it.
#include "PhoneSimProcess.h"
#include "TelebookData.h"
#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstring>

#include <gtest/gtest.h>

using namespace orrin;
using namespace orrin::test;

namespace {

class TelebookEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        ASSERT_TRUE(m_phone.Start({"--family", "newer", "--link", m_dir.filePath("ports/COM1")}));
        g_strPortName.Set(QStringLiteral("COM1"));
        g_nBaudRate.store(115200);
        ASSERT_TRUE(m_store.OpenPort());
    }
    void TearDown() override
    {
        m_store.ClosePort();
        m_phone.Stop();
        QDir::setCurrent(m_previousDir);
    }

    // The locations, names and VIP flags of the work list.
    QList<std::tuple<int, QString, int>> Listed() const
    {
        QList<std::tuple<int, QString, int>> listed;
        for (const TelebookRecord &record : m_store.m_workList)
            listed.append({record.location, QString::fromUtf8(record.name), record.vip});
        return listed;
    }

    QTemporaryDir m_dir;
    QString m_previousDir;
    CPhoneSimProcess m_phone;
    CTelebookData m_store;
};

TEST_F(TelebookEndToEndTest, StoreReadsBothMemoriesAndWritesWhereItExpects)
{
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

    // The store takes the new entry to be at the first free location; the phone agrees.
    m_store.m_editRecord = TelebookRecord{0, "+4911122233", "Новый", 1};
    ASSERT_EQ(m_store.WriteToPhone(), 1);
    EXPECT_EQ(m_store.m_editRecord.location, 3);
    const QList<std::tuple<int, QString, int>> written = Listed();
    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    EXPECT_EQ(Listed(), written);
    EXPECT_EQ(Listed().at(2), std::make_tuple(3, QStringLiteral("Новый"), 1));

    m_store.m_editRecord = m_store.m_workList.at(2);
    std::strcpy(m_store.m_editRecord.name, "Neu");
    m_store.m_editRecord.vip = 0;
    ASSERT_EQ(m_store.ModifyOnPhone(), 1);
    m_store.m_selection = {2};
    ASSERT_EQ(m_store.DeleteFromPhone(), 1);
    ASSERT_EQ(m_store.ReadFromPhone(), 1);
    EXPECT_EQ(Listed(), before);

    m_store.ClosePort();
    ASSERT_TRUE(m_phone.Stop());
    // One range read for each of the four reads of a memory.
    EXPECT_EQ(m_phone.Count(QStringLiteral("AT+CPBR")), 4);
}

} // namespace
