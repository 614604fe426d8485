// SPDX-License-Identifier: GPL-2.0-or-later
// Reading identity, SIM and clock from scripted answers, and fitting texts
// into the caller's buffers.
#include "phone/mobile/InfoReader.h"
#include "tests/phone/ScriptedSerial.h"
#include "phone/line/TextFit.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace orrin::phone;
using orrin::phone::test::CScriptedSerial;

namespace {

class InfoReaderTest : public ::testing::Test {
protected:
    void AnswerIdentity()
    {
        serial.Answers("AT+CGMI", {"SIEMENS"});
        serial.Answers("AT+CGMM", {"S55"});
        serial.Answers("AT+CGMR", {"21"});
        serial.Answers("AT+CGSN", {"351234567890128"});
    }

    CScriptedSerial serial;
    CAtEngine engine{serial, QStringLiteral("COM1")};
};

TEST_F(InfoReaderTest, MobileInfoReadsIdentityBatterySignalAndOwnNumber)
{
    AnswerIdentity();
    serial.Answers("AT+CBC", {"+CBC: 0,85"});
    serial.Answers("AT+CSQ", {"+CSQ: 15,99"});
    serial.Answers("AT+CNUM", {"+CNUM: \"Own\",\"+491729876543\",145"});
    const std::optional<MobileInfo> info = ReadMobileInfo(engine);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->manufacturer, "SIEMENS");
    EXPECT_EQ(info->model, "S55");
    EXPECT_EQ(info->revision, "21");
    EXPECT_EQ(info->imei, "351234567890128");
    EXPECT_EQ(info->battery, "85");
    EXPECT_EQ(info->signal, "-83");
    EXPECT_EQ(info->ownNumber, "+491729876543");
}

TEST_F(InfoReaderTest, RefusedOrUnknownStateLeavesItsFieldsEmpty)
{
    AnswerIdentity();
    serial.Answers("AT+CBC", {}, "+CME ERROR: 4");
    serial.Answers("AT+CSQ", {"+CSQ: 99,99"});
    serial.Answers("AT+CNUM", {});
    const std::optional<MobileInfo> info = ReadMobileInfo(engine);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->model, "S55");
    EXPECT_TRUE(info->battery.isEmpty());
    EXPECT_TRUE(info->signal.isEmpty());
    EXPECT_TRUE(info->ownNumber.isEmpty());
}

TEST_F(InfoReaderTest, RefusedIdentityOrBrokenLineFailsAndStopsAsking)
{
    serial.Answers("AT+CGMI", {"SIEMENS"});
    serial.Answers("AT+CGMM", {}, "ERROR");
    EXPECT_FALSE(ReadMobileInfo(engine));
    EXPECT_FALSE(serial.writes.contains("AT+CGMR\r"));

    CScriptedSerial silent;
    CAtEngine silentEngine(silent, QStringLiteral("COM1"));
    EXPECT_FALSE(ReadMobileInfo(silentEngine));
    EXPECT_EQ(silent.writes, QList<QByteArray>{"AT+CGMI\r"});
}

TEST_F(InfoReaderTest, SimInfoGivesTheServiceCentreWithoutPlus)
{
    serial.Answers("AT^SCID", {"^SCID: 89490200001234567890"});
    serial.Answers("AT+CIMI", {"262011234567890"});
    serial.Answers("AT+CSCA?", {"+CSCA: \"+491710760000\",145"});
    const std::optional<SimInfo> info = ReadSimInfo(engine, Charset::Gsm);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->cardNumber, "89490200001234567890");
    EXPECT_EQ(info->imsi, "262011234567890");
    EXPECT_EQ(info->serviceCentre, "491710760000");
}

TEST_F(InfoReaderTest, ServiceCentreFollowsTheCharacterSet)
{
    const QByteArray ucs2 = "\"002B0034003900310037\",145";
    EXPECT_EQ(ServiceCentreDigits(ucs2, Charset::Ucs2), "4917");
    EXPECT_EQ(ServiceCentreDigits(ucs2, Charset::Gsm), "002B0034003900310037");
    // Not told yet: UCS2 digits are recognised, plain digits stay as they are.
    EXPECT_EQ(ServiceCentreDigits(ucs2, Charset::Unknown), "4917");
    EXPECT_EQ(ServiceCentreDigits("\"491722270333\",145", Charset::Unknown), "491722270333");
    EXPECT_EQ(ServiceCentreDigits("\"+491722270333\",145", Charset::Unknown), "491722270333");
    // A UCS2 answer that is no UCS2 keeps its text rather than losing it.
    EXPECT_EQ(ServiceCentreDigits("\"+4917\",145", Charset::Ucs2), "4917");
}

TEST_F(InfoReaderTest, SimInfoFailsWithoutSim)
{
    serial.Answers("AT^SCID", {}, "+CME ERROR: 10");
    EXPECT_FALSE(ReadSimInfo(engine, Charset::Gsm));
}

TEST_F(InfoReaderTest, ClockIsReadWithoutTimeZoneAndMalformedClockFails)
{
    serial.Answers("AT+CCLK?", {"+CCLK: \"04/01/15,10:30:00+04\""});
    EXPECT_EQ(ReadClock(engine), QStringLiteral("04/01/15,10:30:00"));
    serial.Answers("AT+CCLK?", {"+CCLK: \"04/13/15,10:30:00\""});
    EXPECT_FALSE(ReadClock(engine));
}

TEST_F(InfoReaderTest, ClockIsSetOnlyWithAValidTime)
{
    serial.Answers("AT+CCLK=\"24/02/29,23:59:58\"", {});
    EXPECT_TRUE(WriteClock(engine, QStringLiteral("24/02/29,23:59:58")));
    EXPECT_FALSE(WriteClock(engine, QStringLiteral("23/02/29,12:00:00")));
    EXPECT_FALSE(WriteClock(engine, QStringLiteral("24/01/01,24:00:00")));
    EXPECT_FALSE(WriteClock(engine, QStringLiteral("24/01/01,12:00:00\"\r\nAT+CFUN=0")));
    EXPECT_EQ(serial.writes.size(), 1);
}

TEST(TextFitTest, CutsAtACharacterBoundary)
{
    // Local 8-bit is UTF-8 here: "ü" takes two bytes, "😀" four.
    EXPECT_EQ(CutToFit(QStringLiteral("Müller"), 3), QByteArray("M\xc3\xbc"));
    EXPECT_EQ(CutToFit(QStringLiteral("Müller"), 2), QByteArray("M"));
    EXPECT_EQ(CutToFit(QStringLiteral("a😀b"), 4), QByteArray("a"));
    EXPECT_EQ(CutToFit(QStringLiteral("a😀b"), 5), QByteArray("a\xf0\x9f\x98\x80"));
}

TEST(TextFitTest, FitTextAlwaysTerminatesWithinTheBuffer)
{
    char buffer[5];
    std::memset(buffer, 'x', sizeof buffer);
    FitText(QStringLiteral("-113dBm"), buffer, 4);
    EXPECT_STREQ(buffer, "-11");
    EXPECT_EQ(buffer[4], 'x');
    FitText(QStringLiteral("abc"), nullptr, 4);
    FitText(QStringLiteral("abc"), buffer, 0);
    EXPECT_STREQ(buffer, "-11");
}

TEST(TextFitTest, PhoneTextDropsControlCharacters)
{
    EXPECT_EQ(PhoneText(QByteArray(" S\x01" "55\x7f ", 7)), QStringLiteral("S55"));
    EXPECT_EQ(PhoneText("\xdc"), QStringLiteral("Ü"));
}

} // namespace
