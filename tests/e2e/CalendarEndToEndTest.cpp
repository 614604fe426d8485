// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar store over the real Mobile module and the simulated phone of
// each family: the seed's entries read as heading, summary and details; a new
// entry, a change and a delete read back as written; a synchronisation reads
// both sides.
#include "stores/calendar/CalendarData.h"
#include "stores/calendar/CalendarEntry.h"
#include "stores/common/TextField.h"
#include "tests/e2e/StoreEndToEndFixture.h"

#include <algorithm>

using namespace orrin;
using namespace orrin::test;

namespace {

class CalendarEndToEndTest : public FamilyStoreFixture {
protected:
    void SetUp() override
    {
        FamilyStoreFixture::SetUp();
        ConnectFamily(m_store);
        g_nMemory.store(kPhoneMemory);
    }

    const CalendarRecord *Listed(const QString &summary) const
    {
        const auto found = std::find_if(m_store.m_phoneList.cbegin(), m_store.m_phoneList.cend(),
                                        [&](const CalendarRecord &r) { return TextFieldString(r.summary) == summary; });
        return found == m_store.m_phoneList.cend() ? nullptr : &*found;
    }

    CCalendarData m_store;
};

TEST_P(CalendarEndToEndTest, EntriesReadBackAsTheyWereWrittenAndSynchronise)
{
    ASSERT_EQ(m_store.ReadPhone(), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(m_store.m_phoneList.size(), 2);
    const CalendarRecord *review = Listed(QStringLiteral("Project review"));
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(TextFieldString(review->heading), QStringLiteral("MEETING"));
    EXPECT_EQ(TextFieldString(review->details),
              QStringLiteral("Start 2025-03-10 09:30\nEnd 2025-03-10 10:30\nAlarm 2025-03-10 09:15\nRoom 4"));

    // An entry as the entry dialog writes it reads back the same.
    const CalendarEntry written{QStringLiteral("BIRTHDAY"), QStringLiteral("Zahnarzt"),
                                QStringLiteral("2026-12-24 10:00"), QStringLiteral("2026-12-24 11:00"),
                                QStringLiteral("2026-12-24 09:45"), QStringLiteral("Karte")};
    m_store.m_phoneRecord = {};
    ASSERT_TRUE(WriteCalendarEntry(written, m_store.m_phoneRecord));
    ASSERT_EQ(m_store.NewPhone(), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(m_store.ReadPhone(), 1);
    ASSERT_EQ(m_store.m_phoneList.size(), 3);
    const CalendarRecord *dentist = Listed(QStringLiteral("Zahnarzt"));
    ASSERT_NE(dentist, nullptr);
    EXPECT_EQ(ReadCalendarEntry(*dentist), written);

    m_store.m_phoneRecord = *dentist;
    SetTextFieldString(m_store.m_phoneRecord.summary, QStringLiteral("Zahnarzt verschoben"));
    ASSERT_EQ(m_store.ModifyPhone(), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(m_store.ReadPhone(), 1);
    EXPECT_EQ(Listed(QStringLiteral("Zahnarzt")), nullptr);
    ASSERT_NE(Listed(QStringLiteral("Zahnarzt verschoben")), nullptr);

    m_store.RunOperation(nullptr, kCalendarSync);
    EXPECT_EQ(g_nMemory.load(), kLocalFile);
    ASSERT_EQ(m_store.m_phoneList.size(), 3);

    const auto moved = std::find_if(m_store.m_phoneList.cbegin(), m_store.m_phoneList.cend(), [](const CalendarRecord &r) {
        return TextFieldString(r.summary) == QStringLiteral("Zahnarzt verschoben");
    });
    m_store.m_selection = {int(moved - m_store.m_phoneList.cbegin())};
    g_nMemory.store(kPhoneMemory);
    ASSERT_EQ(m_store.DeletePhone(), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(m_store.ReadPhone(), 1);
    EXPECT_EQ(m_store.m_phoneList.size(), 2);
}

ORRIN_FOR_BOTH_FAMILIES(CalendarEndToEndTest);

} // namespace
