// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A running worker with a message sink as the main frame, for tests that
// write connection or store commands and wait for the result.

#include "link/CommandSlot.h"
#include "link/Messages.h"
#include "link/MobileLink.h"
#include "link/SharedState.h"
#include "tests/support/TestSupport.h"
#include "link/Worker.h"

#include <gtest/gtest.h>

#include <memory>

namespace orrin::test {

class CWorkerHarness {
public:
    CWorkerHarness() = default;
    ~CWorkerHarness() { StopWorker(); }
    CWorkerHarness(const CWorkerHarness &) = delete;
    CWorkerHarness &operator=(const CWorkerHarness &) = delete;

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
    int RunLinkCommand(int code, int timeoutMs = 5000)
    {
        const int before = frame.Count(WM_LINK_RESULT);
        WriteCommand(code);
        EXPECT_TRUE(WaitUntil([&] { return frame.Count(WM_LINK_RESULT) > before; }, timeoutMs));
        return frame.LastWParam(WM_LINK_RESULT);
    }

    CMessageSink frame;
    CSharedObject activeView;

private:
    std::unique_ptr<CWorkerThread> m_worker;
};

} // namespace orrin::test
