// SPDX-License-Identifier: GPL-2.0-or-later
// The worker's connection commands with the real modules against phonesim:
// detection, connect and disconnect run on the worker thread, as in the
// program.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/RealModules.h"
#include "tests/support/WorkerHarness.h"

using namespace orrin;
using namespace orrin::phone::test;
using namespace orrin::test;

namespace {

class LinkEndToEndTest : public RealModuleTest, public CWorkerHarness {
protected:
    void SetUp() override
    {
        RealModuleTest::SetUp();
        ResetSharedState();
        g_strPhoneType.Set(QStringLiteral("S55(Europe,Latin America)"));
        StartWorker();
    }
    void TearDown() override
    {
        StopWorker();
        RealModuleTest::TearDown();
    }

    // An older phone on COM1, connected by the worker.
    void ConnectOlderPhone()
    {
        ASSERT_TRUE(phone.Start({"--family", "older", "--link", "ports/COM1"}));
        g_strPortName.Set(QStringLiteral("COM1"));
        g_nBaudRate.store(57600);
        ASSERT_EQ(RunLinkCommand(kCommandConnect), kLinkOk);
    }

    CScopedEnv noMachinePorts{"ORRIN_SERIAL_DEVICES", ""};
    CPhoneSimProcess phone;
};

TEST_F(LinkEndToEndTest, DetectThenConnectAndDisconnectOnTheWorker)
{
    ASSERT_TRUE(phone.Start({"--family", "newer", "--link", "ports/COM5"}));
    EXPECT_EQ(RunLinkCommand(kCommandDetect), kLinkOk);
    EXPECT_EQ(g_strPortName.Get(), QStringLiteral("COM5"));
    EXPECT_EQ(g_nBaudRate.load(), 115200);
    EXPECT_EQ(g_bConnected.load(), 0);

    EXPECT_EQ(RunLinkCommand(kCommandConnect), kLinkOk);
    EXPECT_EQ(g_bConnected.load(), 1);
    // The line belongs to the worker: another thread that still runs is refused.
    MobileInfoTexts info;
    EXPECT_FALSE(info.Read(calls));

    EXPECT_EQ(RunLinkCommand(kCommandDisconnect), kLinkOk);
    EXPECT_EQ(g_bConnected.load(), 0);
    ASSERT_TRUE(phone.Stop());
    // Detection, the greeting, the link check and the OBEX question.
    EXPECT_EQ(phone.Count(QStringLiteral("AT^SQWE")), 1);
}

TEST_F(LinkEndToEndTest, NextWorkerClosesTheLineOfAnEndedOne)
{
    ConnectOlderPhone();
    StopWorker();
    StartWorker();
    EXPECT_EQ(RunLinkCommand(kCommandDisconnect), kLinkOk);
}

TEST_F(LinkEndToEndTest, LineIsTakenOverOnceTheOpeningThreadEnded)
{
    ConnectOlderPhone();
    StopWorker();
    MobileInfoTexts info;
    EXPECT_TRUE(info.Read(calls));
    EXPECT_STREQ(info.model, "S45i");
    EXPECT_TRUE(calls.CloseComms());
}

TEST_F(LinkEndToEndTest, ConnectWithoutAPhoneReportsTheOpenFailure)
{
    CSilentPty silent;
    g_strPortName.Set(silent.Device());
    g_nBaudRate.store(115200);
    EXPECT_EQ(RunLinkCommand(kCommandConnect), kLinkOpenFailed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Cannot open ") + silent.Device());
    EXPECT_EQ(RunLinkCommand(kCommandDetect), kLinkNoPortFound);
}

} // namespace
