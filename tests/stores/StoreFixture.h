// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A fresh store over the module doubles, a work folder of its own with the
// phone type's folder, a view and a main frame that keep their messages, and
// recorded boxes: the ground of every store test.

#include "link/Messages.h"
#include "tests/doubles/DoubleControl.h"
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

template <typename Store>
class TStoreFixture : public ::testing::Test {
protected:
    explicit TStoreFixture(QString phoneType) : m_phoneType(std::move(phoneType)) {}

    void SetUp() override
    {
        ResetSharedState();
        ForgetModuleCalls();
        ASSERT_TRUE(m_workDir.isValid());
        g_strWorkDir.Set(m_workDir.path());
        g_strPhoneType.Set(m_phoneType);
        ASSERT_TRUE(QDir(m_workDir.path()).mkdir(m_phoneType));
        g_hMainWnd.Set(&frame);
        g_bConnected.store(1);
    }

    // Clears the recorded calls and scripts the doubles' defaults.
    virtual void ForgetModuleCalls() { doubles::Reset(); }

    struct Posted {
        QList<ReceivedMessage> toView;
        QList<ReceivedMessage> toFrame;
    };

    // Runs a code on this thread as the worker would; what it posted. A
    // posted message always comes with a cleared slot.
    Posted RunCode(int memory, int code)
    {
        g_nMemory.store(memory);
        g_nCommand.store(code);
        const qsizetype toView = view.received.size();
        const qsizetype toFrame = frame.received.size();
        store.RunOperation(&view, code);
        QCoreApplication::sendPostedEvents();
        const Posted posted{view.received.mid(toView), frame.received.mid(toFrame)};
        if (!posted.toView.isEmpty() || !posted.toFrame.isEmpty()) {
            EXPECT_EQ(g_nCommand.load(), 0);
        }
        return posted;
    }

    // Which one message a code posted, for a store that answers doneMessage.
    Outcome RunFor(int doneMessage, int memory, int code)
    {
        const Posted posted = RunCode(memory, code);
        if (posted.toView.isEmpty() && posted.toFrame.isEmpty())
            return Outcome::Nothing;
        if (posted.toView.size() == 1 && posted.toFrame.isEmpty() && posted.toView[0].message == doneMessage)
            return Outcome::Done;
        if (posted.toView.isEmpty() && posted.toFrame.size() == 1 && posted.toFrame[0].message == WM_OPERATION_FAILED)
            return Outcome::Failed;
        return Outcome::Unexpected;
    }

    QString FilePath() const { return store.LocalFilePath(); }
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

    QString m_phoneType;
    QTemporaryDir m_workDir;
    CMessageSink view;
    CMessageSink frame;
    CBoxRecorder boxes;
    Store store;
};

} // namespace orrin::test
