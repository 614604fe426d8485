// SPDX-License-Identifier: GPL-2.0-or-later
// The information store against the module doubles.
#include "tests/doubles/DoubleControl.h"
#include "stores/info/InfoData.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace orrin;
using namespace orrin::test;
using doubles::Reply;
using doubles::Result;

namespace {

Reply Texts(std::vector<QByteArray> texts, long result = 1)
{
    Reply reply = Result(result);
    reply.texts = std::move(texts);
    return reply;
}

class InfoDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        doubles::Reset();
        ResetSharedState();
        g_bConnected.store(1);
        g_hMainWnd.Set(&frame);
    }
    void TearDown() override { g_hMainWnd.Set(nullptr); }

    // Runs a code as the worker would and lets the posted message arrive.
    void Run(int code)
    {
        g_nCommand.store(code);
        store.RunOperation(&view, code);
        Settle(0);
    }

    CInfoData store;
    CMessageSink view;
    CMessageSink frame;
};

TEST_F(InfoDataTest, PhoneInformationFillsTheSevenPhoneTexts)
{
    doubles::Queue("GetMobileInfo", Texts({"SIEMENS", "S55", "21", "350123456789012", "80", "-71", "+4915112345"}));
    Run(kInfoReadPhone);
    const InfoTexts texts = store.Texts();
    EXPECT_EQ(texts[kManufacturer], "SIEMENS");
    EXPECT_EQ(texts[kModel], "S55");
    EXPECT_EQ(texts[kSoftwareVersion], "21");
    EXPECT_EQ(texts[kImei], "350123456789012");
    EXPECT_EQ(texts[kBattery], "80");
    EXPECT_EQ(texts[kSignal], "-71");
    EXPECT_EQ(texts[kOwnNumber], "+4915112345");
    EXPECT_EQ(view.Count(WM_INFO_DONE), 1);
    EXPECT_EQ(g_nCommand.load(), 0);
}

// A dead phone is a failure, not a phone with empty fields.
TEST_F(InfoDataTest, PhoneThatAnswersNothingFailsAndKeepsTheTextsOfThePreviousRead)
{
    doubles::Queue("GetMobileInfo", Texts({"SIEMENS", "S55"}));
    Run(kInfoReadPhone);
    doubles::Queue("GetMobileInfo", Result(0));
    doubles::Queue("GetMobileInfo", Result(0));
    Run(kInfoReadPhone);
    Run(kInfoReadPhoneAndSim);
    EXPECT_EQ(store.Texts()[kManufacturer], "SIEMENS");
    EXPECT_EQ(store.Texts()[kModel], "S55");
    EXPECT_EQ(g_strLastError.Get(), "Unable to read phone information!");
    EXPECT_EQ(frame.Count(WM_OPERATION_FAILED), 2);
    EXPECT_EQ(view.Count(WM_INFO_DONE), 1);
    EXPECT_TRUE(doubles::CallsOf("GetSIMInfo").isEmpty());
}

TEST_F(InfoDataTest, FailedSimReadKeepsTheTextsOfThePreviousRead)
{
    doubles::Queue("GetSIMInfo", Texts({"89490200001234567890", "262011234567890", "491710760000"}));
    Run(kInfoReadSim);
    doubles::Queue("GetSIMInfo", Texts({"other", "other", "other"}, 0));
    Run(kInfoReadSim);
    EXPECT_EQ(store.Texts()[kCardNumber], "89490200001234567890");
    EXPECT_EQ(store.Texts()[kServiceCenter], "491710760000");
    EXPECT_EQ(g_strLastError.Get(), "Unable to read SIM card information!");
    EXPECT_EQ(frame.Count(WM_OPERATION_FAILED), 1);
    EXPECT_EQ(view.Count(WM_INFO_DONE), 1);
}

TEST_F(InfoDataTest, CombinedReadStopsAfterAFailedPhoneRead)
{
    g_bConnected.store(0);
    Run(kInfoReadPhoneAndSim);
    EXPECT_TRUE(doubles::Calls().isEmpty());
    EXPECT_EQ(g_strLastError.Get(), "") << "not connected fails without a text";
    EXPECT_EQ(frame.Count(WM_OPERATION_FAILED), 1);

    g_bConnected.store(1);
    Run(kInfoReadPhoneAndSim);
    EXPECT_EQ(doubles::Calls(), QStringList({"GetMobileInfo()", "GetSIMInfo()"}));
}

TEST_F(InfoDataTest, SynchronisingReadsTheClockThenSetsIt)
{
    doubles::Queue("GetMETime", Texts({"04/12/25,10:11:12"}));
    store.m_strTimeToSet = "26/12/08,01:02:03";
    Run(kInfoSyncTime);
    EXPECT_EQ(doubles::Calls(), QStringList({"GetMETime()", "SetMETime(26/12/08,01:02:03)"}));
    EXPECT_EQ(store.Texts()[kPhoneTime], "04/12/25,10:11:12") << "the time read just before setting";
    EXPECT_EQ(view.Count(WM_INFO_DONE), 1);
}

TEST_F(InfoDataTest, ClockThatCannotBeReadIsNotSet)
{
    doubles::Queue("GetMETime", Result(0));
    Run(kInfoSyncTime);
    EXPECT_EQ(doubles::Calls(), QStringList({"GetMETime()"}));
    EXPECT_EQ(g_strLastError.Get(), "Unable to read time information!");

    doubles::Queue("SetMETime", Result(0));
    Run(kInfoSyncTime);
    EXPECT_EQ(g_strLastError.Get(), "Unable to set time to phone!");
    EXPECT_EQ(frame.Count(WM_OPERATION_FAILED), 2);
}

TEST_F(InfoDataTest, UnknownCodeLeavesTheSlotAndPostsNothing)
{
    Run(6);
    EXPECT_EQ(g_nCommand.load(), 6);
    EXPECT_TRUE(view.received.isEmpty());
    EXPECT_TRUE(frame.received.isEmpty());
    EXPECT_TRUE(doubles::Calls().isEmpty());
}

} // namespace
