// SPDX-License-Identifier: GPL-2.0-or-later
// Connection commands of the worker against the module doubles.
#include "tests/link/LinkFixture.h"

using namespace orrin;
using namespace orrin::test;
using doubles::Result;

namespace {

class ConnectionTest : public LinkFixture {
protected:
    void SetUp() override
    {
        LinkFixture::SetUp();
        g_strPortName.Set(QStringLiteral("COM3"));
        g_nBaudRate.store(57600);
        StartWorker();
    }
};

TEST_F(ConnectionTest, ConnectOpensPortThenInfraredAndObex)
{
    g_strPhoneType.Set(QStringLiteral("S55(Europe,Latin America)"));
    EXPECT_EQ(RunLinkCommand(kCommandConnect), kLinkOk);
    EXPECT_EQ(doubles::Calls(), QStringList({"SetMobileType(2)", "OpenComms(COM3,57600)", "IrdaConnect()",
                                             "ObexConnect()"}));
    EXPECT_EQ(g_bConnected.load(), 1);
    EXPECT_EQ(g_bBusy.load(), 0);
    EXPECT_EQ(g_nCommand.load(), 0);
}

TEST_F(ConnectionTest, ConnectWhileConnectedDoesNotOpenAgain)
{
    g_bConnected.store(1);
    EXPECT_EQ(RunLinkCommand(kCommandConnect), kLinkOk);
    EXPECT_TRUE(doubles::CallsOf("OpenComms").isEmpty());
    EXPECT_EQ(doubles::CallsOf("SetMobileType"), QStringList{"SetMobileType(1)"});
}

TEST_F(ConnectionTest, FailingObexClosesInfraredAndStillReportsConnected)
{
    doubles::Queue("ObexConnect", Result(0));
    EXPECT_EQ(RunLinkCommand(kCommandConnect), kLinkOk);
    EXPECT_EQ(doubles::Calls(), QStringList({"SetMobileType(1)", "OpenComms(COM3,57600)", "IrdaConnect()",
                                             "ObexConnect()", "IrdaClose()"}));
    EXPECT_EQ(g_bConnected.load(), 1);
}

TEST_F(ConnectionTest, FailingInfraredSkipsObex)
{
    doubles::Queue("IrdaConnect", Result(0));
    EXPECT_EQ(RunLinkCommand(kCommandConnect), kLinkOk);
    EXPECT_TRUE(doubles::CallsOf("ObexConnect").isEmpty());
    EXPECT_TRUE(doubles::CallsOf("IrdaClose").isEmpty());
}

TEST_F(ConnectionTest, OpenFailureNamesThePort)
{
    doubles::Queue("OpenComms", Result(0));
    EXPECT_EQ(RunLinkCommand(kCommandConnect), kLinkOpenFailed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Cannot open COM3"));
    EXPECT_EQ(g_bConnected.load(), 0);
    EXPECT_EQ(g_bBusy.load(), 0);
    EXPECT_TRUE(doubles::CallsOf("IrdaConnect").isEmpty());
}

TEST_F(ConnectionTest, DisconnectClosesPortThenInfrared)
{
    g_bConnected.store(1);
    EXPECT_EQ(RunLinkCommand(kCommandDisconnect), kLinkOk);
    EXPECT_EQ(doubles::Calls(), QStringList({"CloseComms()", "IrdaClose()"}));
    EXPECT_EQ(g_bConnected.load(), 0);
    EXPECT_EQ(g_bBusy.load(), 0);
}

TEST_F(ConnectionTest, DisconnectWhileNotConnectedLetsInfraredDecide)
{
    EXPECT_EQ(RunLinkCommand(kCommandDisconnect), kLinkOk);
    doubles::Queue("IrdaClose", Result(0));
    EXPECT_EQ(RunLinkCommand(kCommandDisconnect), kLinkCloseFailed);
    EXPECT_TRUE(doubles::CallsOf("CloseComms").isEmpty());
    EXPECT_EQ(doubles::CallsOf("IrdaClose").size(), 2);
}

TEST_F(ConnectionTest, CloseFailureNamesThePortAndKeepsTheLinkOpen)
{
    g_bConnected.store(1);
    doubles::Queue("CloseComms", Result(0));
    EXPECT_EQ(RunLinkCommand(kCommandDisconnect), kLinkCloseFailed);
    EXPECT_EQ(g_strLastError.Get(), QStringLiteral("Cannot close COM3"));
    EXPECT_EQ(g_bConnected.load(), 1);
    EXPECT_EQ(g_bBusy.load(), 0);
    EXPECT_TRUE(doubles::CallsOf("IrdaClose").isEmpty());
}

TEST_F(ConnectionTest, CloseWhileBusyAsksToWaitOnTheUserInterfaceThread)
{
    CBoxRecorder boxes;
    g_bConnected.store(1);
    g_bBusy.store(1);
    EXPECT_EQ(RunLinkCommand(kCommandDisconnect), kLinkCloseFailed);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Data exchanging...\nPlease wait for a while."));
    EXPECT_EQ(boxes.Boxes()[0].caption, kAppTitle);
    EXPECT_EQ(boxes.Boxes()[0].owner, &frame);
    EXPECT_TRUE(boxes.OnGuiThread()[0]);
    EXPECT_TRUE(doubles::CallsOf("CloseComms").isEmpty());
    EXPECT_EQ(g_bConnected.load(), 1);
}

TEST_F(ConnectionTest, DetectionTakesPortAndRate)
{
    doubles::Reply found;
    found.texts = {"COM7"};
    found.numbers = {19200};
    doubles::Queue("MonitorPhone", found);
    EXPECT_EQ(RunLinkCommand(kCommandDetect), kLinkOk);
    EXPECT_EQ(g_strPortName.Get(), QStringLiteral("COM7"));
    EXPECT_EQ(g_nBaudRate.load(), 19200);
    EXPECT_EQ(g_bConnected.load(), 0);
    EXPECT_EQ(g_bBusy.load(), 0);
    EXPECT_EQ(g_nCommand.load(), 0);
}

TEST_F(ConnectionTest, FailedDetectionLeavesPortAndRate)
{
    doubles::Reply none = Result(0);
    none.texts = {"COM9"};
    none.numbers = {9600};
    doubles::Queue("MonitorPhone", none);
    EXPECT_EQ(RunLinkCommand(kCommandDetect), kLinkNoPortFound);
    EXPECT_EQ(g_strPortName.Get(), QStringLiteral("COM3"));
    EXPECT_EQ(g_nBaudRate.load(), 57600);
    EXPECT_EQ(g_bConnected.load(), 0);
}

TEST_F(ConnectionTest, DetectionCutsAnOverlongPortName)
{
    doubles::Reply found;
    found.texts = {QByteArray(40, 'X')};
    found.numbers = {9600};
    doubles::Queue("MonitorPhone", found);
    EXPECT_EQ(RunLinkCommand(kCommandDetect), kLinkOk);
    EXPECT_EQ(g_strPortName.Get(), QString(15, QLatin1Char('X')));
}

struct PhoneTypeCase {
    const char *type;
    PhoneFamily family;
};

class PhoneTypeCodeTest : public LinkFixture, public ::testing::WithParamInterface<PhoneTypeCase> {};

TEST_P(PhoneTypeCodeTest, FamilyFollowsTheExactTypeText)
{
    g_strPhoneType.Set(QString::fromLatin1(GetParam().type));
    EXPECT_EQ(CMobileLink::GetPhoneTypeCode(), GetParam().family);
    TheMobileLink().SetPhoneFamily();
    EXPECT_EQ(doubles::Calls(), QStringList{QStringLiteral("SetMobileType(%1)").arg(int(GetParam().family))});
}

INSTANTIATE_TEST_SUITE_P(
    Types, PhoneTypeCodeTest,
    ::testing::Values(PhoneTypeCase{"S57(Asia)", PhoneFamily::Newer},
                      PhoneTypeCase{"S56(North America)", PhoneFamily::Newer},
                      PhoneTypeCase{"S55(Europe,Latin America)", PhoneFamily::Newer},
                      PhoneTypeCase{"S55(Europe,Latin America) ", PhoneFamily::Older},
                      PhoneTypeCase{"s55(Europe,Latin America)", PhoneFamily::Older},
                      PhoneTypeCase{"S57(Asia_", PhoneFamily::Older}, PhoneTypeCase{"S45i(Europe)", PhoneFamily::Older},
                      PhoneTypeCase{"ERROR", PhoneFamily::Older}, PhoneTypeCase{"", PhoneFamily::Older}),
    [](const ::testing::TestParamInfo<PhoneTypeCase> &info) { return "case" + std::to_string(info.index); });

} // namespace
