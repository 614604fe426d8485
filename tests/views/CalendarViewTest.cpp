// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar view over its store and a running worker: the cards and their
// layout, a new local entry, and a synchronisation that leaves the view on
// the local entries.
#include "link/Messages.h"
#include "link/SharedState.h"
#include "resources/Resources.h"
#include "stores/common/TextField.h"
#include "tests/doubles/DoubleControl.h"
#include "tests/support/WorkerHarness.h"
#include "tests/views/TelebookDialogDriver.h"
#include "ui/CardTile.h"
#include "views/calendar/CalendarWnd.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orrin;
using namespace orrin::test;

namespace {

CalendarRecord Entry(int index, const QString &summary, const QString &details = {})
{
    CalendarRecord record{};
    record.index = index;
    SetTextFieldString(record.heading, QStringLiteral("MEETING"));
    SetTextFieldString(record.summary, summary);
    SetTextFieldString(record.details, details);
    return record;
}

QByteArray Bytes(const CalendarRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

class CalendarViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitResources();
        ResetSharedState();
        doubles::Reset();
        ASSERT_TRUE(m_dir.isValid());
        g_strWorkDir.Set(m_dir.path());
        g_strPhoneType.Set(QStringLiteral("S55(Europe,Latin America)"));
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(g_strPhoneType.Get()));
        Store().m_phoneList.clear();
        Store().m_localList.clear();
        g_hMainWnd.Set(&m_harness.frame);
        m_harness.activeView.Set(m_view.get());
        m_harness.StartWorker();
        m_view->resize(900, 500);
        m_view->show();
    }
    void TearDown() override { m_harness.StopWorker(); }

    static CCalendarData &Store() { return TheCalendarData(); }
    CCardContent &Content() const { return *m_view->findChild<CCardContent *>(); }
    // The summaries of the cards shown, in their order.
    QStringList Summaries() const
    {
        QStringList summaries;
        for (int i = 0; i < Content().TileCount(); ++i)
            summaries << static_cast<CCardTile *>(Content().Tile(i))->Lines().first();
        return summaries;
    }
    void WriteLocalEntries(int count)
    {
        g_nMemory.store(kLocalFile);
        for (int i = 1; i <= count; ++i) {
            Store().m_localRecord = Entry(0, QStringLiteral("Entry %1").arg(i),
                                          QStringLiteral("Start 2026-01-0%1 09:00\nRoom %1").arg(i));
            ASSERT_EQ(Store().AppendLocal(), 1);
        }
    }
    void Run(int command)
    {
        m_view->OnCommand(command);
        ASSERT_TRUE(WaitUntil([] { return g_bBusy.load() == 0 && g_nCommand.load() == 0; }));
    }

    QTemporaryDir m_dir;
    CWorkerHarness m_harness;
    std::unique_ptr<CCalendarWnd> m_view = std::make_unique<CCalendarWnd>();
};

TEST_F(CalendarViewTest, LocalEntriesAreCardsInTheCardLayout)
{
    WriteLocalEntries(7);
    Run(ID_CALENDAR_READ_LOCAL);
    ASSERT_EQ(Content().TileCount(), 7);
    EXPECT_EQ(Content().objectName(), "Calendar Content");
    const auto *first = static_cast<CCardTile *>(Content().Tile(0));
    EXPECT_EQ(first->Caption(), "MEETING");
    EXPECT_EQ(first->Lines(), QStringList({"Entry 1", "Start 2026-01-01 09:00", "Room 1"}));

    // A usable width of 500: three columns of cards 146 wide, rows 120 apart.
    const int thumb = Content().width() - Content().UsableWidth();
    m_view->resize(200 + 500 + thumb, 500);
    QCoreApplication::processEvents();
    ASSERT_EQ(Content().UsableWidth(), 500);
    QList<int> lefts;
    for (int i = 0; i < 3; ++i)
        lefts << Content().Tile(i)->Rect().left();
    EXPECT_EQ(lefts, QList<int>({10, 176, 342}));
    EXPECT_EQ(Content().Tile(0)->Rect().width(), 146);
    EXPECT_EQ(Content().Tile(6)->Rect().top(), 250);

    // 130: one column of cards 110 wide.
    m_view->resize(200 + 130 + thumb, 500);
    QCoreApplication::processEvents();
    ASSERT_EQ(Content().UsableWidth(), 130);
    EXPECT_EQ(Content().Tile(1)->Rect(), QRect(10, 130, 110, 100));
}

TEST_F(CalendarViewTest, NewLocalEntryIsTheLastCardAndSyncShowsTheLocalEntries)
{
    WriteLocalEntries(2);
    Run(ID_CALENDAR_READ_LOCAL);
    WhenDialogShows<CCalendarEditDlg>([](CCalendarEditDlg &dialog) {
        FindControl<QLineEdit>(dialog, CCalendarEditDlg::kSummaryEditId)->setText(QStringLiteral("Zahnarzt"));
        SaveButton(dialog)->click();
    });
    Run(ID_CALENDAR_NEW);
    EXPECT_EQ(Summaries(), QStringList({"Entry 1", "Entry 2", "Zahnarzt"}));

    // The phone holds one entry; the synchronisation reads both sides and
    // leaves the view on the local entries.
    g_bConnected.store(1);
    doubles::Queue(QStringLiteral("GetAdrCaleSpace"), doubles::Result(1));
    doubles::Reply entry = doubles::Result(1);
    entry.bytes = Bytes(Entry(1, QStringLiteral("On the phone")));
    doubles::Queue(QStringLiteral("GetVCS"), entry);
    Run(ID_CALENDAR_SYNC);
    EXPECT_EQ(Store().m_phoneList.size(), 1);
    EXPECT_EQ(Summaries(), QStringList({"Entry 1", "Entry 2", "Zahnarzt"}));
}

} // namespace
