// SPDX-License-Identifier: GPL-2.0-or-later
// The worker's dispatch of store codes, its waits and its stop; the message
// box across threads; loading of the phone modules.
#include "tests/link/LinkFixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <thread>

using namespace orrin;
using namespace orrin::test;

namespace {

class CViewA : public CMessageSink {
    Q_OBJECT
};
class CViewB : public CMessageSink {
    Q_OBJECT
};
class CViewWithoutStore : public QObject {
    Q_OBJECT
};

struct StoreCall {
    QObject *view;
    int code;
};

// A store that knows codes 1 to 6, records each call and completes like a
// store does: clear the slot, post its message to the view.
class CRecordingStore : public CMobileLink {
public:
    explicit CRecordingStore(int doneMessage) : m_doneMessage(doneMessage) {}

    void RunOperation(QObject *view, int code) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_calls.push_back({view, code});
        }
        if (code < 1 || code > 6)
            return;
        g_nCommand.store(0);
        PostMessageTo(view, m_doneMessage);
    }

    std::vector<StoreCall> Calls() const
    {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }

private:
    int m_doneMessage;
    mutable std::mutex m_mutex;
    std::vector<StoreCall> m_calls;
};

class WorkerTest : public LinkFixture {
protected:
    void SetUp() override
    {
        LinkFixture::SetUp();
        RegisterViewStore(CViewA::staticMetaObject, storeA);
        RegisterViewStore(CViewB::staticMetaObject, storeB);
        activeView.Set(&viewA);
    }

    CRecordingStore storeA{WM_TELEBOOK_DONE};
    CRecordingStore storeB{WM_SMS_DONE};
    CViewA viewA;
    CViewB viewB;
};

TEST_F(WorkerTest, StoreCodeRunsWhereItWasWrittenAfterTheViewChanged)
{
    ASSERT_TRUE(WriteStoreCommand(&viewA, 4));
    activeView.Set(&viewB); // the user switched views before the worker's pass
    StartWorker();

    ASSERT_TRUE(WaitUntil([&] { return viewA.Has(WM_TELEBOOK_DONE); }));
    ASSERT_EQ(storeA.Calls().size(), 1u);
    EXPECT_EQ(storeA.Calls()[0].view, &viewA);
    EXPECT_EQ(storeA.Calls()[0].code, 4);
    EXPECT_TRUE(storeB.Calls().empty());
    EXPECT_FALSE(viewB.Has(WM_SMS_DONE));
    EXPECT_EQ(g_nCommand.load(), 0);
}

TEST_F(WorkerTest, CodeWrittenWithoutAViewRunsOnTheActiveViewsStore)
{
    activeView.Set(&viewB);
    StartWorker();
    g_nCommand.store(1);
    ASSERT_TRUE(WaitUntil([&] { return viewB.Has(WM_SMS_DONE); }));
    EXPECT_TRUE(storeA.Calls().empty());
}

TEST_F(WorkerTest, AnOlderRecordedViewDoesNotClaimALaterCode)
{
    ASSERT_TRUE(WriteStoreCommand(&viewA, 2));
    g_nCommand.store(3); // written without a view: belongs to the active view
    activeView.Set(&viewB);
    StartWorker();
    ASSERT_TRUE(WaitUntil([&] { return viewB.Has(WM_SMS_DONE); }));
    EXPECT_TRUE(storeA.Calls().empty());
}

TEST_F(WorkerTest, CodeNoStoreKnowsStaysInTheSlot)
{
    StartWorker();
    ASSERT_TRUE(WriteStoreCommand(&viewA, 9));
    ASSERT_TRUE(WaitUntil([&] { return storeA.Calls().size() >= 2; })); // tried again on a later pass
    EXPECT_EQ(g_nCommand.load(), 9);
    Settle(50);
    EXPECT_TRUE(viewA.received.isEmpty());
    EXPECT_TRUE(frame.received.isEmpty());
    g_nCommand.store(0);
}

TEST_F(WorkerTest, CodeForAViewWithoutStoreStaysInTheSlot)
{
    CViewWithoutStore other;
    activeView.Set(&other);
    EXPECT_FALSE(WriteStoreCommand(&other, 1));
    EXPECT_EQ(g_nCommand.load(), 0);

    StartWorker();
    g_nCommand.store(1);
    Settle(250);
    EXPECT_EQ(g_nCommand.load(), 1);
    EXPECT_TRUE(storeA.Calls().empty());
    EXPECT_TRUE(storeB.Calls().empty());
    StopWorker(); // before the view goes: views outlive the worker
    g_nCommand.store(0);
}

TEST_F(WorkerTest, StopEndsTheWorkerAndItCanStartAgain)
{
    StartWorker();
    StopWorker();
    StartWorker();
    ASSERT_TRUE(WriteStoreCommand(&viewA, 1));
    EXPECT_TRUE(WaitUntil([&] { return viewA.Has(WM_TELEBOOK_DONE); }));
}

TEST_F(WorkerTest, StopEventEndsTheLoopWithinOnePass)
{
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        WorkerThreadProc(WorkerContext{&frame, &activeView, &TheMobileLink()});
        finished.store(true);
    });
    g_evStop.Set();
    EXPECT_TRUE(WaitUntil([&] { return finished.load(); }, 1000));
    worker.join();
}

TEST_F(WorkerTest, WorkerSetsTheMainWindowHandle)
{
    g_hMainWnd.Set(nullptr);
    StartWorker();
    EXPECT_TRUE(WaitUntil([&] { return g_hMainWnd.Get() == &frame; }));
}

TEST(WorkerWakeTest, NotifyWakesAWaiterAtOnce)
{
    CWorkerWake wake;
    std::atomic<bool> woke{false};
    const unsigned seen = wake.Generation();
    std::thread waiter([&] {
        wake.WaitPast(seen, std::chrono::minutes(10));
        woke.store(true);
    });
    wake.Notify();
    EXPECT_TRUE(WaitUntil([&] { return woke.load(); }));
    waiter.join();
}

TEST(MessageBoxTest, OffTheInterfaceThreadItWaitsForTheAnswer)
{
    CBoxRecorder boxes(kIdYes);
    std::atomic<int> answer{0};
    std::thread asker([&] {
        answer.store(MessageBox(nullptr, QStringLiteral("Replace?"), QStringLiteral("Warning"),
                                BoxButtons::YesNo, BoxIcon::Information));
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // no events run: no answer yet
    EXPECT_EQ(answer.load(), 0);
    ASSERT_TRUE(WaitUntil([&] { return answer.load() != 0; }));
    asker.join();
    EXPECT_EQ(answer.load(), kIdYes);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_TRUE(boxes.OnGuiThread()[0]);
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(boxes.Boxes()[0].buttons, BoxButtons::YesNo);
}

TEST(MessageBoxTest, WithoutCaptionItShowsTheApplicationTitle)
{
    CBoxRecorder boxes;
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("Unexceptable telephone book format!")), kIdOk);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Orrin for SIEMENS"));
    EXPECT_TRUE(boxes.OnGuiThread()[0]);
}

// Loading the modules from a folder that holds only some of them.
class ModuleLoadingTest : public LinkFixture {
protected:
    void TearDown() override
    {
        SetPhoneModuleFolder({});
        LinkFixture::TearDown();
    }

    // Copies the named doubles into a fresh folder and loads from there.
    void UseFolderWith(const QStringList &modules)
    {
        const QDir own(QCoreApplication::applicationDirPath());
        for (const QString &file : own.entryList(QDir::Files)) {
            const QString base = QFileInfo(file).completeBaseName();
            const QString module = base.startsWith("lib") ? base.mid(3) : base;
            if (modules.contains(module)) {
                ASSERT_TRUE(QFile::copy(own.filePath(file), QDir(m_folder.path()).filePath(file)));
            }
        }
        SetPhoneModuleFolder(m_folder.path());
    }

    QTemporaryDir m_folder;
};

TEST_F(ModuleLoadingTest, MissingMobileLeavesItsTextAndOpeningFails)
{
    UseFolderWith({"OBEX"});
    CMobileLink link;
    EXPECT_EQ(g_strLastError.Get(), kMissingMobileText);
    g_strPortName.Set(QStringLiteral("COM1"));
    EXPECT_EQ(link.OpenPort(), 0);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Cannot open COM1"));
    EXPECT_EQ(link.DetectPort(), 0);
}

TEST_F(ModuleLoadingTest, MissingObexLeavesItsTextAndInfraredFails)
{
    UseFolderWith({"Mobile"});
    CMobileLink link;
    EXPECT_EQ(g_strLastError.Get(), kMissingObexText);
    EXPECT_EQ(link.ConnectInfrared(), 0);
    EXPECT_EQ(link.CloseInfrared(), 0);
}

TEST_F(ModuleLoadingTest, BothPresentLeaveNoText)
{
    UseFolderWith({"Mobile", "OBEX"});
    CMobileLink link;
    EXPECT_EQ(g_strLastError.Get(), QString());
    g_strPortName.Set(QStringLiteral("COM2"));
    g_nBaudRate.store(9600);
    EXPECT_EQ(link.OpenPort(), 1);
    EXPECT_EQ(doubles::CallsOf("OpenComms"), QStringList{"OpenComms(COM2,9600)"});
}

} // namespace

#include "WorkerTest.moc"
