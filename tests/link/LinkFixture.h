// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A running worker over the test doubles, with a message sink as main frame.

#include "tests/doubles/DoubleControl.h"
#include "tests/support/WorkerHarness.h"

namespace orrin::test {

class LinkFixture : public ::testing::Test, public CWorkerHarness {
protected:
    void SetUp() override
    {
        doubles::Reset();
        ResetSharedState();
    }
    void TearDown() override { StopWorker(); }
};

} // namespace orrin::test
