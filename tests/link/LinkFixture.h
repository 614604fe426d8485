#pragma once
// A running worker over the test doubles, with a message sink as main frame.

#include "CommandSlot.h"
#include "DoubleControl.h"
#include "MobileLink.h"
#include "SharedState.h"
#include "TestSupport.h"
#include "Worker.h"

#include <gtest/gtest.h>

#include <memory>

namespace orrin::test {

class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        doubles::Reset();
        ResetSharedState();
    }
    void TearDown() override { StopWorker(); }

    void StartWorker()
    {
        m_worker = std::make_unique<CWorkerThread>(WorkerContext{&frame, &activeView, &TheMobileLink()});
        m_worker->Start();
    }
    void StopWorker()
    {
        if (m_worker)
            m_worker->Stop();
        m_worker.reset();
    }

    // Writes a connection code and waits for the link result.
    int RunLinkCommand(int code)
    {
        const int before = frame.Count(WM_LINK_RESULT);
        WriteCommand(code);
        EXPECT_TRUE(WaitUntil([&] { return frame.Count(WM_LINK_RESULT) > before; }));
        return frame.LastWParam(WM_LINK_RESULT);
    }

    CMessageSink frame;
    CSharedObject activeView;
    std::unique_ptr<CWorkerThread> m_worker;
};

} // namespace orrin::test
