#pragma once
// A fresh phone-book store over the module doubles, a work folder of its own,
// a view and a main frame that keep their messages, and recorded boxes.

#include "DoubleControl.h"
#include "LocalRecordFile.h"
#include "TelebookData.h"
#include "TestSupport.h"
#include "TextField.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <ostream>

namespace orrin::test {

struct Entry {
    int location;
    QByteArray number;
    QByteArray name;
    int vip = 0;
};

inline TelebookRecord MakeRecord(const Entry &entry)
{
    TelebookRecord record{};
    record.location = entry.location;
    SetTextFieldBytes(record.number, entry.number);
    SetTextFieldBytes(record.name, entry.name);
    record.vip = entry.vip;
    return record;
}

inline QByteArray RecordBytes(const TelebookRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

// The bytes of a phone-book file: a tag, a count and the records.
inline QByteArray FileBytes(const QByteArray &tag, qint32 count, const QList<Entry> &entries)
{
    QByteArray bytes = tag;
    bytes.append(4, '\0');
    qToLittleEndian<qint32>(count, bytes.data() + 8);
    for (const Entry &entry : entries)
        bytes += RecordBytes(MakeRecord(entry));
    return bytes;
}

inline QStringList Names(const TelebookList &list)
{
    QStringList names;
    for (const TelebookRecord &record : list)
        names << TelebookName(record);
    return names;
}

inline QList<int> Locations(const TelebookList &list)
{
    QList<int> locations;
    for (const TelebookRecord &record : list)
        locations << record.location;
    return locations;
}

enum class Outcome { Done, Failed, Nothing, Unexpected };

inline void PrintTo(Outcome outcome, std::ostream *out)
{
    const char *const names[] = {"Done", "Failed", "Nothing", "Unexpected"};
    *out << names[int(outcome)];
}

class TelebookFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        ForgetCalls();
        ASSERT_TRUE(m_workDir.isValid());
        g_strWorkDir.Set(m_workDir.path());
        g_strPhoneType.Set(QStringLiteral("ME45(Europe)"));
        ASSERT_TRUE(QDir(m_workDir.path()).mkdir(QStringLiteral("ME45(Europe)")));
        g_hMainWnd.Set(&frame);
        g_bConnected.store(1);
    }

    // Clears the recorded calls; memories answer "no entries" until scripted.
    static void ForgetCalls()
    {
        doubles::Reset();
        doubles::SetDefault(QStringLiteral("SetTeleBookMemo"), doubles::Result(0));
        doubles::SetDefault(QStringLiteral("GetTeleBookNum"), doubles::Result(0));
        doubles::SetDefault(QStringLiteral("ReadTeleBook"), doubles::Result(0));
    }

    // Scripts what one read of a memory finds: its used count, its capacity,
    // and the locations up to the last entry.
    static void QueueRead(const QList<Entry> &entries, int capacity)
    {
        QueueUsed(int(entries.size()));
        QueueCapacity(capacity);
        QueueLocations(entries);
    }
    static void QueueUsed(int used) { doubles::Queue(QStringLiteral("SetTeleBookMemo"), doubles::Result(used)); }
    static void QueueCapacity(int capacity)
    {
        doubles::Queue(QStringLiteral("GetTeleBookNum"), doubles::Result(capacity));
    }
    static void QueueLocations(const QList<Entry> &entries)
    {
        int location = 1;
        for (const Entry &entry : entries) {
            for (; location < entry.location; ++location)
                doubles::Queue(QStringLiteral("ReadTeleBook"), doubles::Result(0));
            doubles::Reply hit;
            hit.texts = {entry.number, entry.name};
            hit.numbers = {entry.vip};
            doubles::Queue(QStringLiteral("ReadTeleBook"), hit);
            ++location;
        }
    }

    // Runs a code on this thread as the worker would and tells which one
    // message it posted; a posted message always comes with a cleared slot.
    Outcome Run(int memory, int code)
    {
        g_nMemory.store(memory);
        g_nCommand.store(code);
        const qsizetype toViewBefore = view.received.size();
        const qsizetype toFrameBefore = frame.received.size();
        store.RunOperation(&view, code);
        QCoreApplication::sendPostedEvents();
        const qsizetype toView = view.received.size() - toViewBefore;
        const qsizetype toFrame = frame.received.size() - toFrameBefore;
        if (toView + toFrame == 0)
            return Outcome::Nothing;
        EXPECT_EQ(g_nCommand.load(), 0);
        if (toView == 1 && toFrame == 0 && view.received.last().message == WM_TELEBOOK_DONE)
            return Outcome::Done;
        if (toView == 0 && toFrame == 1 && frame.received.last().message == WM_OPERATION_FAILED)
            return Outcome::Failed;
        return Outcome::Unexpected;
    }

    // Reads a memory holding these entries, then forgets the calls it made.
    void ReadMemory(int memory, const QList<Entry> &entries, int capacity)
    {
        QueueRead(entries, capacity);
        ASSERT_EQ(Run(memory, kTelebookRead), Outcome::Done);
        ForgetCalls();
    }

    QString FilePath() const { return CTelebookData::LocalFilePath(); }
    QByteArray FileContents() const
    {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteFile(const QByteArray &bytes) const
    {
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QStringList BoxTexts() const
    {
        QStringList texts;
        for (const BoxRequest &box : boxes.Boxes())
            texts << box.text;
        return texts;
    }

    QTemporaryDir m_workDir;
    CMessageSink view;
    CMessageSink frame;
    CBoxRecorder boxes;
    CTelebookData store;
};

} // namespace orrin::test
