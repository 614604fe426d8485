// SPDX-License-Identifier: GPL-2.0-or-later
// The calendar store over the Mobile module double and a work folder of its own.

#include "stores/calendar/CalendarData.h"
#include "stores/calendar/CalendarEntry.h"
#include "stores/common/TextField.h"
#include "tests/doubles/DoubleControl.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace orrin::test {
namespace {

CalendarRecord Entry(int index, const QByteArray &summary)
{
    CalendarRecord record{};
    record.index = index;
    SetTextFieldBytes(record.summary, summary);
    return record;
}

QByteArray Bytes(const CalendarRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

class CalendarStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        doubles::Reset();
        ASSERT_TRUE(m_workDir.isValid());
        g_strWorkDir.Set(m_workDir.path());
        g_strPhoneType.Set(QStringLiteral("S55(Europe,Latin America)"));
        ASSERT_TRUE(QDir(m_workDir.path()).mkdir(g_strPhoneType.Get()));
        g_hMainWnd.Set(&frame);
        g_bConnected.store(1);
    }

    // Runs a code as the worker would: "done" or "failed".
    QString Run(int memory, int code)
    {
        g_nMemory.store(memory);
        g_nCommand.store(code);
        view.received.clear();
        frame.received.clear();
        store.RunOperation(&view, code);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(g_nCommand.load(), 0);
        if (view.received.size() + frame.received.size() != 1)
            return QStringLiteral("none or several");
        if (!frame.received.isEmpty())
            return frame.received[0].message == WM_OPERATION_FAILED ? QStringLiteral("failed") : QString();
        return view.received[0].message == WM_CALENDAR_DONE ? QStringLiteral("done") : QString();
    }

    // A phone whose entries 1 to highest hold the given records (index 0: empty).
    void ScriptPhone(int highest, const QList<CalendarRecord> &entries)
    {
        doubles::Queue(QStringLiteral("GetAdrCaleSpace"), doubles::Result(highest));
        for (const CalendarRecord &record : entries) {
            doubles::Reply reply = doubles::Result(record.index ? 1 : 0);
            if (record.index)
                reply.bytes = Bytes(record);
            doubles::Queue(QStringLiteral("GetVCS"), reply);
        }
    }

    QByteArray FileContents() const
    {
        QFile file(CCalendarData::LocalFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteFile(const QByteArray &bytes) const
    {
        QFile file(CCalendarData::LocalFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray FileBytes(const QByteArray &tag, qint32 count, const QByteArray &records)
    {
        QByteArray bytes = tag;
        bytes.append(4, '\0');
        qToLittleEndian<qint32>(count, bytes.data() + 8);
        return bytes + records;
    }

    QTemporaryDir m_workDir;
    CMessageSink view;
    CMessageSink frame;
    CBoxRecorder boxes;
    CCalendarData store;
};

TEST_F(CalendarStoreTest, ReadsEntriesOneToHighestAndAnEmptyCalendarIsSuccess)
{
    ScriptPhone(0, {});
    EXPECT_EQ(Run(kPhoneMemory, kCalendarRead), QStringLiteral("done"));
    EXPECT_TRUE(store.m_phoneList.isEmpty());
    EXPECT_TRUE(doubles::CallsOf(QStringLiteral("GetVCS")).isEmpty());

    ScriptPhone(3, {Entry(1, "a"), Entry(0, ""), Entry(3, "c")});
    EXPECT_EQ(Run(kPhoneMemory, kCalendarRead), QStringLiteral("done"));
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("GetVCS")), QStringList({"GetVCS(1)", "GetVCS(2)", "GetVCS(3)"}));
    ASSERT_EQ(store.m_phoneList.size(), 2);
    EXPECT_EQ(store.m_phoneList[1].index, 3);

    // A phone that does not say how many entries it has keeps what was read.
    doubles::Queue(QStringLiteral("GetAdrCaleSpace"), doubles::Result(-1));
    EXPECT_EQ(Run(kPhoneMemory, kCalendarRead), QStringLiteral("failed"));
    EXPECT_EQ(store.m_phoneList.size(), 2);

    // So does one that stops counting them after an entry it did not give.
    ScriptPhone(3, {Entry(1, "x"), Entry(0, "")});
    doubles::Queue(QStringLiteral("GetAdrCaleSpace"), doubles::Result(-1));
    EXPECT_EQ(Run(kPhoneMemory, kCalendarRead), QStringLiteral("failed"));
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to read calendar!"));
    EXPECT_EQ(store.m_phoneList.size(), 2);
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("GetVCS")).size(), 5) << "entry 3 is not asked for";
}

TEST_F(CalendarStoreTest, NewEntryTakesAFreeNumberFromOneToN)
{
    ScriptPhone(3, {Entry(1, "a"), Entry(0, ""), Entry(3, "c")});
    ASSERT_EQ(Run(kPhoneMemory, kCalendarRead), QStringLiteral("done"));
    doubles::Reset();
    doubles::Queue(QStringLiteral("GetAdrCaleSpace"), doubles::Result(3));
    doubles::Reply readBack = doubles::Result(1);
    readBack.bytes = Bytes(Entry(2, "new"));
    doubles::Queue(QStringLiteral("GetVCS"), readBack);
    store.m_phoneRecord = Entry(0, "new");
    EXPECT_EQ(Run(kPhoneMemory, kCalendarNew), QStringLiteral("done"));
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("SetVCS")), QStringList({"SetVCS(2)"}));
    ASSERT_EQ(store.m_phoneList.size(), 3);
    EXPECT_EQ(store.m_phoneList.last().index, 2);

    doubles::Reset();
    doubles::Queue(QStringLiteral("GetAdrCaleSpace"), doubles::Result(3));
    EXPECT_EQ(Run(kPhoneMemory, kCalendarNew), QStringLiteral("failed"));
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Not enough space!"));
    EXPECT_TRUE(doubles::CallsOf(QStringLiteral("SetVCS")).isEmpty());
}

TEST_F(CalendarStoreTest, NewEntryOnAnUnreadPhoneReadsItFirstAndOverwritesNothing)
{
    ScriptPhone(2, {Entry(1, "kept"), Entry(2, "kept too")});
    doubles::Queue(QStringLiteral("GetAdrCaleSpace"), doubles::Result(3));
    store.m_phoneRecord = Entry(0, "new");
    EXPECT_EQ(Run(kPhoneMemory, kCalendarNew), QStringLiteral("done"));
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("SetVCS")), QStringList({"SetVCS(3)"}));
    EXPECT_EQ(store.m_phoneList.size(), 3);
}

TEST_F(CalendarStoreTest, ModifyWritesOnlyAListedEntry)
{
    store.m_phoneRecord = Entry(0, "not listed");
    EXPECT_EQ(Run(kPhoneMemory, kCalendarModify), QStringLiteral("failed"));
    EXPECT_TRUE(doubles::CallsOf(QStringLiteral("SetVCS")).isEmpty());

    ScriptPhone(1, {Entry(1, "a")});
    ASSERT_EQ(Run(kPhoneMemory, kCalendarRead), QStringLiteral("done"));
    store.m_phoneRecord = Entry(1, "changed");
    doubles::Queue(QStringLiteral("SetVCS"), doubles::Result(0));
    EXPECT_EQ(Run(kPhoneMemory, kCalendarModify), QStringLiteral("failed"));
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to write calendar!"));
    EXPECT_EQ(Run(kPhoneMemory, kCalendarModify), QStringLiteral("done"));
    EXPECT_EQ(TextFieldBytes(store.m_phoneList[0].summary), QByteArrayView("changed"));
}

TEST_F(CalendarStoreTest, RefusalInTheMiddleOfADeleteKeepsOnlyWhatThePhoneKept)
{
    ScriptPhone(3, {Entry(1, "a"), Entry(2, "b"), Entry(3, "c")});
    ASSERT_EQ(Run(kPhoneMemory, kCalendarRead), QStringLiteral("done"));
    doubles::Queue(QStringLiteral("ClearVCS"), doubles::Result(1));
    doubles::Queue(QStringLiteral("ClearVCS"), doubles::Result(0));
    store.m_selection = {0, 1, 2};
    EXPECT_EQ(Run(kPhoneMemory, kCalendarDelete), QStringLiteral("failed"));
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Unable to delete calendar!"));
    EXPECT_EQ(doubles::CallsOf(QStringLiteral("ClearVCS")), QStringList({"ClearVCS(1)", "ClearVCS(2)"}));
    ASSERT_EQ(store.m_phoneList.size(), 2);
    EXPECT_EQ(store.m_phoneList[0].index, 2);
}

TEST_F(CalendarStoreTest, SyncReadsBothSidesAndLeavesTheLocalMemory)
{
    WriteFile(FileBytes("addrbook", 1, Bytes(Entry(0, "local"))));
    ScriptPhone(1, {Entry(1, "phone")});
    EXPECT_EQ(Run(kPhoneMemory, kCalendarSync), QStringLiteral("done"));
    EXPECT_EQ(g_nMemory.load(), kLocalFile);
    EXPECT_EQ(store.m_phoneList.size(), 1);
    EXPECT_EQ(store.m_localList.size(), 1);
}

TEST_F(CalendarStoreTest, LocalFileAppendModifyDelete)
{
    store.m_localRecord = Entry(0, "first");
    EXPECT_EQ(Run(kLocalFile, kCalendarNew), QStringLiteral("done"));
    ASSERT_EQ(store.m_localList.size(), 1);
    EXPECT_EQ(FileContents().size(), 12 + 196);
    store.m_localRecord = Entry(0, "second");
    store.m_selection = {0};
    EXPECT_EQ(Run(kLocalFile, kCalendarModify), QStringLiteral("done"));
    EXPECT_EQ(FileContents().mid(12), Bytes(Entry(0, "second")));
    EXPECT_EQ(Run(kLocalFile, kCalendarDelete), QStringLiteral("done"));
    EXPECT_EQ(FileContents(), FileBytes("addrbook", 0, {}));
    EXPECT_TRUE(store.m_localList.isEmpty());
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(CalendarStoreTest, AnAddressBookFileIsReadWithinItsBytes)
{
    // Two address-book records hold more bytes than two calendar records.
    static_assert(sizeof(AddrbookRecord) >= sizeof(CalendarRecord));
    WriteFile(FileBytes("addrbook", 2, QByteArray(2 * sizeof(AddrbookRecord), 'x')));
    EXPECT_EQ(Run(kLocalFile, kCalendarRead), QStringLiteral("done"));
    ASSERT_EQ(store.m_localList.size(), 2);
    EXPECT_EQ(TextFieldBytes(store.m_localList[1].details).size(), qsizetype(sizeof CalendarRecord{}.details) - 1);
}

TEST_F(CalendarStoreTest, DeleteFromAForeignFileKeepsListAndFile)
{
    const QByteArray foreign = FileBytes("telebook", 1, Bytes(Entry(0, "x")));
    WriteFile(FileBytes("addrbook", 1, Bytes(Entry(0, "x"))));
    ASSERT_EQ(Run(kLocalFile, kCalendarRead), QStringLiteral("done"));
    WriteFile(foreign);
    store.m_selection = {0};
    EXPECT_EQ(Run(kLocalFile, kCalendarDelete), QStringLiteral("done"));
    EXPECT_EQ(boxes.Texts(), QStringList({QStringLiteral("Unexceptable calendar format!")}));
    EXPECT_EQ(FileContents(), foreign);
}

// The details' form the module reads back: time lines first, then the note,
// whose lines may look like time lines.
TEST(CalendarEntryTest, TimeLinesThenTheNoteRoundTripAndWhatDoesNotFitIsRefused)
{
    const CalendarRecord read = [] {
        CalendarRecord record = Entry(7, "Review");
        SetTextFieldBytes(record.heading, "MEETING");
        SetTextFieldBytes(record.details, "End 2025-03-10 10:30\nStart 2025-03-10 09:30\nRoom 4\nEnd of note");
        return record;
    }();
    const CalendarEntry entry = ReadCalendarEntry(read);
    EXPECT_EQ(entry.start, "2025-03-10 09:30");
    EXPECT_EQ(entry.end, "2025-03-10 10:30");
    EXPECT_TRUE(entry.alarm.isEmpty());
    EXPECT_EQ(entry.note, "Room 4\nEnd of note");

    CalendarRecord written = read;
    ASSERT_TRUE(WriteCalendarEntry(entry, written));
    EXPECT_EQ(written.index, 7);
    EXPECT_EQ(TextFieldBytes(written.details), QByteArrayView("Start 2025-03-10 09:30\nEnd 2025-03-10 10:30\nRoom 4\nEnd of note"));
    EXPECT_EQ(ReadCalendarEntry(written), entry);

    CalendarEntry tooLong = entry;
    tooLong.category = QStringLiteral("ANNIVERSARY");
    EXPECT_FALSE(WriteCalendarEntry(tooLong, written));
    EXPECT_EQ(TextFieldBytes(written.heading), QByteArrayView("MEETING"));
}

} // namespace
} // namespace orrin::test
