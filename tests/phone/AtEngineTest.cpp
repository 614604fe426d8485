// SPDX-License-Identifier: GPL-2.0-or-later
// The AT engine on scripted answers: echo, unsolicited lines, split reads,
// over-long lines, error results, the data prompt and resynchronisation.
#include "phone/line/AtEngine.h"
#include "tests/phone/ScriptedSerial.h"

#include <gtest/gtest.h>

using namespace orrin::phone;
using orrin::phone::test::CScriptedSerial;

namespace {

const QByteArray kEscape(1, 0x1b);

class AtEngineTest : public ::testing::Test {
protected:
    CScriptedSerial serial;
    CAtEngine engine{serial, QStringLiteral("COM1")};
};

TEST_F(AtEngineTest, EchoUnsolicitedLinesAndSplitReadsLeaveTheAnswer)
{
    serial.OnWrite("AT+CGMI\r", {"AT+CG", "MI\r\r\n+CMTI: \"SM\",3\r\n\r\nSIEM", "ENS\r", "\n\r\nRING\r\n\r\nO", "K\r\n"});
    const AtReply reply = engine.Run("AT+CGMI");
    EXPECT_EQ(reply.outcome, AtOutcome::Ok);
    EXPECT_EQ(reply.lines, QList<QByteArray>{"SIEMENS"});
    EXPECT_EQ(reply.Value("+CGMI"), "SIEMENS");
}

TEST_F(AtEngineTest, AnswerLinesOfOtherCommandsAreUnsolicited)
{
    // A new-message line with its PDU line, and a battery report, arrive
    // amid the answer to +CBC.
    serial.Answers("AT+CBC", {"+CMT: ,24", "07917283010010F5040BC872", "^SBC: 3", "+CBC: 0,80"});
    const AtReply reply = engine.Run("AT+CBC");
    EXPECT_EQ(reply.outcome, AtOutcome::Ok);
    EXPECT_EQ(reply.lines, QList<QByteArray>{"+CBC: 0,80"});
    EXPECT_EQ(reply.Value("+CBC"), "0,80");
}

TEST_F(AtEngineTest, ErrorResultsAreFinalWithTheirNumbers)
{
    serial.Answers("AT^SCID", {}, "+CME ERROR: 10");
    serial.Answers("AT+CPMS?", {}, "+CMS ERROR: 322");
    serial.Answers("AT+CCLK?", {}, "ERROR");
    serial.Answers("AT^SBNW=\"bmp\",0,0", {}, "+CME ERROR: PHONE BUSY");

    const AtReply cme = engine.Run("AT^SCID");
    EXPECT_EQ(cme.outcome, AtOutcome::CmeError);
    EXPECT_EQ(cme.errorCode, 10);
    const AtReply cms = engine.Run("AT+CPMS?");
    EXPECT_EQ(cms.outcome, AtOutcome::CmsError);
    EXPECT_EQ(cms.errorCode, 322);
    EXPECT_EQ(engine.Run("AT+CCLK?").outcome, AtOutcome::Error);
    const AtReply busy = engine.Run("AT^SBNW=\"bmp\",0,0");
    EXPECT_EQ(busy.outcome, AtOutcome::CmeError);
    EXPECT_EQ(busy.errorCode, -1);
    // A refusal is an answer: the line stays in step.
    EXPECT_FALSE(engine.NeedsResync());
}

TEST_F(AtEngineTest, OverLongLineIsDroppedAndMarksTheAnswerGarbled)
{
    serial.OnWrite("AT+CGSN\r", {"\r\n" + QByteArray(3000, '7'), QByteArray(3000, '7') + "\r\n", "\r\nOK\r\n"});
    const AtReply reply = engine.Run("AT+CGSN");
    EXPECT_EQ(reply.outcome, AtOutcome::Garbled);
    EXPECT_TRUE(reply.lines.isEmpty());
    EXPECT_FALSE(engine.NeedsResync());
}

TEST_F(AtEngineTest, ControlBytesInALineMarkTheAnswerGarbled)
{
    serial.Answers("AT+CGMM", {QByteArray("S5\x01\x02", 4)});
    EXPECT_EQ(engine.Run("AT+CGMM").outcome, AtOutcome::Garbled);
}

TEST_F(AtEngineTest, SilenceTimesOutAndTheNextCommandResynchronisesFirst)
{
    serial.OnWrite("AT+CGMI\r", {"\r\nSIEM"});  // the answer breaks off
    EXPECT_EQ(engine.Run("AT+CGMI").outcome, AtOutcome::Timeout);
    EXPECT_TRUE(engine.NeedsResync());

    serial.OnWrite(kEscape, {"#%\x80&*\r\n~|", "\r\nOK\r\n"});  // stale noise and a late answer
    serial.Answers("AT", {});
    serial.Answers("AT+CGMM", {"S55"});
    const AtReply reply = engine.Run("AT+CGMM");
    EXPECT_EQ(reply.outcome, AtOutcome::Ok);
    EXPECT_EQ(reply.lines, QList<QByteArray>{"S55"});
    EXPECT_EQ(serial.writes, QList<QByteArray>({"AT+CGMI\r", kEscape, "AT\r", "AT+CGMM\r"}));
    EXPECT_FALSE(engine.NeedsResync());
}

TEST_F(AtEngineTest, FailedResynchronisationFailsTheCommandWithoutSendingIt)
{
    EXPECT_EQ(engine.Run("AT+CGMI").outcome, AtOutcome::Timeout);
    EXPECT_TRUE(engine.Run("AT+CGMM").LineFailed());
    EXPECT_FALSE(serial.writes.contains("AT+CGMM\r"));
    EXPECT_TRUE(engine.NeedsResync());
}

TEST_F(AtEngineTest, LostLineFailsAtOnce)
{
    serial.LoseLine();
    const AtReply reply = engine.Run("AT");
    EXPECT_EQ(reply.outcome, AtOutcome::LineLost);
    EXPECT_TRUE(reply.LineFailed());
}

TEST_F(AtEngineTest, DataIsSentAfterThePromptAndEndedWithCtrlZ)
{
    serial.OnWrite("AT+CMGW=5,2\r", {"\r\n", "> "});
    serial.OnWrite("0011000B91\x1a", {"\r\n+CMGW: 3\r\n", "\r\nOK\r\n"});
    const AtReply reply = engine.RunWithData("AT+CMGW=5,2", "0011000B91");
    EXPECT_EQ(reply.outcome, AtOutcome::Ok);
    EXPECT_EQ(reply.Value("+CMGW"), "3");
}

TEST_F(AtEngineTest, EchoOfTheDataAndItsCtrlZIsNoAnswer)
{
    serial.OnWrite("AT+CMGW=5,2\r", {"AT+CMGW=5,2\r", "\r\n> "});
    serial.OnWrite("0011000B91\x1a", {"0011000B91\x1a", "\r\n+CMGW: 3\r\n\r\nOK\r\n"});
    const AtReply reply = engine.RunWithData("AT+CMGW=5,2", "0011000B91");
    EXPECT_EQ(reply.outcome, AtOutcome::Ok);
    EXPECT_EQ(reply.lines, QList<QByteArray>{"+CMGW: 3"});
}

TEST_F(AtEngineTest, AnswerInPlaceOfThePromptKeepsTheDataBack)
{
    serial.Answers("AT+CMGW=5,2", {}, "+CMS ERROR: 322");
    const AtReply reply = engine.RunWithData("AT+CMGW=5,2", "0011000B91");
    EXPECT_EQ(reply.outcome, AtOutcome::CmsError);
    EXPECT_EQ(serial.writes, QList<QByteArray>{"AT+CMGW=5,2\r"});
}

TEST_F(AtEngineTest, TimeoutGrowsWithTheDataAndShrinksWithTheRate)
{
    const int plain = engine.TimeoutMs(CAtEngine::kShortAnswer);
    EXPECT_GE(plain, 2000);
    EXPECT_LT(plain, 2100);
    // 11520 bytes take one second at 115200 baud; twice that is allowed.
    EXPECT_NEAR(engine.TimeoutMs(11520) - 2000, 2000, 1);
}

TEST(AtFieldsTest, QuotesKeepCommasAndBlanks)
{
    EXPECT_EQ(AtFields("\"Own, mine\",\"+4917\",145"), QList<QByteArray>({"Own, mine", "+4917", "145"}));
    EXPECT_EQ(AtFields(" 0 , 80"), QList<QByteArray>({"0", "80"}));
    EXPECT_EQ(AtFields("\" a \""), QList<QByteArray>{" a "});
}

} // namespace
