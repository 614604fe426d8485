// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone-book store's ground for tests: the shared store fixture over the
// phone-book store.

#include "stores/common/LocalRecordFile.h"
#include "stores/telebook/TelebookData.h"
#include "tests/stores/StoreFixture.h"
#include "tests/stores/TelebookScript.h"

namespace orrin::test {

class TelebookFixture : public TStoreFixture<CTelebookData> {
protected:
    TelebookFixture() : TStoreFixture(QStringLiteral("ME45(Europe)")) {}

    void ForgetModuleCalls() override { ForgetCalls(); }

    Outcome Run(int memory, int code) { return RunFor(WM_TELEBOOK_DONE, memory, code); }

    // Reads a memory holding these entries, then forgets the calls it made.
    void ReadMemory(int memory, const QList<Entry> &entries, int capacity)
    {
        QueueRead(entries, capacity);
        ASSERT_EQ(Run(memory, kTelebookRead), Outcome::Done);
        ForgetCalls();
    }
};

} // namespace orrin::test
