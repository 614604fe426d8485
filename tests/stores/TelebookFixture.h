// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A fresh phone-book store over the module doubles, a work folder of its own,
// a view and a main frame that keep their messages, and recorded boxes.

#include "stores/common/LocalRecordFile.h"
#include "stores/telebook/TelebookData.h"
#include "tests/stores/TelebookScript.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace orrin::test {

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

    QTemporaryDir m_workDir;
    CMessageSink view;
    CMessageSink frame;
    CBoxRecorder boxes;
    CTelebookData store;
};

} // namespace orrin::test
