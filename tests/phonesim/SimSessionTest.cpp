// SPDX-License-Identifier: GPL-2.0-or-later
// The simulated phone's side of the line: echo, answers, error modes, data
// entry, faults and command counts.
#include "phonesim/core/SimSession.h"

#include <gtest/gtest.h>

using namespace phonesim;

namespace {

const QByteArray kEscape(1, 0x1b);

// All bytes of the output, echo and answers in order.
QByteArray Text(const SimOutput &output)
{
    QByteArray text;
    for (const SimChunk &chunk : output.chunks)
        text += chunk.bytes;
    return text;
}

class SimSessionTest : public ::testing::Test {
protected:
    explicit SimSessionTest(FaultPlan faults = {}) : session(phone, table, std::move(faults)) {}

    QByteArray Send(const QByteArray &bytes) { return Text(session.Feed(bytes)); }

    CSimPhone phone{SeedState(SimFamily::Newer)};
    CCommandTable table = CommandTableFor(SimFamily::Newer);
    CSimSession session;
};

TEST_F(SimSessionTest, EchoesUntilEchoIsSwitchedOff)
{
    const SimOutput first = session.Feed("AT\r");
    ASSERT_EQ(first.chunks.size(), 2u);
    EXPECT_EQ(first.chunks[0].bytes, "AT\r");
    EXPECT_FALSE(first.chunks[0].answer);
    EXPECT_EQ(first.chunks[1].bytes, "\r\nOK\r\n");
    EXPECT_TRUE(first.chunks[1].answer);
    EXPECT_EQ(Send("ATE0\rAT+CGMI\r"), "ATE0\r\r\nOK\r\n\r\nSIEMENS\r\n\r\nOK\r\n");
}

TEST_F(SimSessionTest, CommandsArriveInPiecesAndInAnyCase)
{
    Send("ATE0\r");
    EXPECT_EQ(Send("at+c"), "");
    EXPECT_EQ(Send("gmm\r\n"), "\r\nS55\r\n\r\nOK\r\n");
}

TEST_F(SimSessionTest, ErrorsAreNumericOnlyAfterCmee)
{
    Send("ATE0\r");
    EXPECT_EQ(Send("AT+CCLK=\"bad\"\r"), "\r\nERROR\r\n");
    EXPECT_EQ(Send("AT+CMEE=1\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CCLK=\"bad\"\r"), "\r\n+CME ERROR: 3\r\n");
    EXPECT_EQ(Send("AT+NOSUCH\r"), "\r\nERROR\r\n");
    EXPECT_EQ(Send("AT+CGMI=?\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CGMI?\r"), "\r\nERROR\r\n");
}

TEST_F(SimSessionTest, OlderFamilyAnswersItsOwnObexQuery)
{
    CSimPhone older(SeedState(SimFamily::Older));
    const CCommandTable olderTable = CommandTableFor(SimFamily::Older);
    CSimSession olderSession(older, olderTable, {});
    EXPECT_EQ(Text(olderSession.Feed("ATE0\rAT^SQWE?\r")), "ATE0\r\r\nOK\r\n\r\nERROR\r\n");
    EXPECT_EQ(Text(olderSession.Feed("AT^SBFB=?\r")), "\r\n^SBFB: (0-1)\r\n\r\nOK\r\n");
    EXPECT_EQ(Send("ATE0\rAT^SQWE?\r"), "ATE0\r\r\nOK\r\n\r\n^SQWE: 0\r\n\r\nOK\r\n");
}

// The older family after AT^SBFB=1: the hello, an OBEX CONNECT in a block
// (acknowledged, then answered in the phone's first block), AT in AT frames,
// and AT^SBFB=0 back to plain AT.
TEST_F(SimSessionTest, OlderFamilySpeaksBfbUntilAtSbfb0)
{
    using namespace orrin::phone::bfb;
    CSimPhone older(SeedState(SimFamily::Older));
    const CCommandTable olderTable = CommandTableFor(SimFamily::Older);
    CSimSession bfb(older, olderTable, {});
    EXPECT_EQ(Text(bfb.Feed("ATE0\rAT^SBFB=1\r")), "ATE0\r\r\nOK\r\n\r\nOK\r\n");
    EXPECT_EQ(Text(bfb.Feed(QByteArray::fromHex("02010314"))), QByteArray::fromHex("02020014AA"));

    const QByteArray connect = QByteArray::fromHex("80001A10000400" "460013F9EC7BC4953C11D2984E525400DC9E09");
    const QByteArray request = EncodeFrames(kDataFrame, EncodeBlock(kFirstBlock, 0, connect));
    // Noise before the frames is passed over.
    const QByteArray answer = Text(bfb.Feed(QByteArray::fromHex("16FF00") + request));
    CFrameReader frames;
    frames.Append(answer);
    std::optional<BfbFrame> ack = frames.Next();
    ASSERT_TRUE(ack);
    EXPECT_EQ(ack->payload, EncodeAck());
    CBlockAssembler blocks;
    CBlockAssembler::Result result = CBlockAssembler::Result::NeedMore;
    while (const std::optional<BfbFrame> frame = frames.Next())
        result = blocks.Add(frame->payload);
    ASSERT_EQ(result, CBlockAssembler::Result::Block);
    EXPECT_EQ(blocks.Block().command, kFirstBlock);
    EXPECT_EQ(quint8(blocks.Block().obex[0]), 0xA0);

    EXPECT_EQ(Text(bfb.Feed(EncodeFrames(kAtFrame, "AT+CGMI\r"))),
              EncodeFrames(kAtFrame, "\r\nSIEMENS\r\n\r\nOK\r\n"));
    EXPECT_EQ(Text(bfb.Feed(EncodeFrames(kAtFrame, "AT^SBFB=0\r"))), EncodeFrames(kAtFrame, "\r\nOK\r\n"));
    EXPECT_EQ(Text(bfb.Feed("AT\r")), "\r\nOK\r\n");
    EXPECT_EQ(bfb.Counts().value("BFB"), 1);
    EXPECT_EQ(bfb.Counts().value("OBEX"), 1);
}

TEST_F(SimSessionTest, DataEntryTakesTheDataAfterThePrompt)
{
    QByteArray received;
    table.Add("+CMGW", {{}, {}, {}, [&](CSimPhone &, const QByteArray &) {
                            return SimAnswer::Prompt([&](const QByteArray &data) {
                                received = data;
                                return SimAnswer::Ok({"+CMGW: 4"});
                            });
                        }});
    Send("ATE0\r");
    EXPECT_EQ(Send("AT+CMGW=5\r"), "\r\n> ");
    EXPECT_EQ(Send("0011\r00\x1a"), "\r\n+CMGW: 4\r\n\r\nOK\r\n");
    EXPECT_EQ(received, "0011\r00");
    // ESC abandons an entry.
    EXPECT_EQ(Send("AT+CMGW=5\r"), "\r\n> ");
    EXPECT_EQ(Send("00" + kEscape), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT\r"), "\r\nOK\r\n");
    // With echo on, the command line and the data come back as typed.
    Send("ATE1\r");
    EXPECT_EQ(Send("AT+CMGW=5\r"), "AT+CMGW=5\r\r\n> ");
    EXPECT_EQ(Send("0011\x1a"), "0011\x1a\r\n+CMGW: 4\r\n\r\nOK\r\n");
}

TEST_F(SimSessionTest, OverLongCommandIsRefused)
{
    Send("ATE0\r");
    EXPECT_EQ(Send("AT+CGMI" + QByteArray(5000, 'X') + "\r"), "\r\nERROR\r\n");
    EXPECT_EQ(Send("AT\r"), "\r\nOK\r\n");
}

TEST_F(SimSessionTest, CountsCommandsPerName)
{
    Send("AT\rATE0\rAT+CCLK?\rAT+CCLK=\"24/01/01,00:00:00\"\rAT+CCLK?\rhello\r\r");
    EXPECT_EQ(session.Counts().value("AT+CCLK"), 3);
    EXPECT_EQ(session.Counts().value("ATE"), 1);
    EXPECT_EQ(session.Counts().size(), 3);
    EXPECT_EQ(session.CountsJson(), "{\"AT\":1,\"AT+CCLK\":3,\"ATE\":1}");
}

FaultPlan Faults(std::initializer_list<const char *> faults)
{
    FaultPlan plan;
    QString error;
    for (const char *fault : faults)
        EXPECT_TRUE(AddFault(plan, QString::fromLatin1(fault), &error)) << error.toStdString();
    return plan;
}

class SilentSessionTest : public SimSessionTest {
protected:
    SilentSessionTest() : SimSessionTest(Faults({"silent-after=2"})) {}
};

TEST_F(SilentSessionTest, FallsSilentAfterNCommandsUntilEscape)
{
    EXPECT_EQ(Send("AT\rATE0\r"), "AT\r\r\nOK\r\nATE0\r\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CGMI\r"), "");
    EXPECT_EQ(Send("AT+CGMM\r"), "");
    EXPECT_EQ(Send(kEscape + "AT+CGMM\r"), "\r\nS55\r\n\r\nOK\r\n");
    // The fault struck once.
    EXPECT_EQ(Send("AT+CGMM\r"), "\r\nS55\r\n\r\nOK\r\n");
    EXPECT_EQ(session.Counts().value("AT+CGMM"), 3);
}

class GarbageSessionTest : public SimSessionTest {
protected:
    GarbageSessionTest() : SimSessionTest(Faults({"garbage-after=0"})) {}
};

TEST_F(GarbageSessionTest, AnswersNoiseUntilTheLineCloses)
{
    for (int i = 0; i < 3; ++i) {
        const QByteArray noise = Send("AT\r");
        EXPECT_FALSE(noise.isEmpty());
        EXPECT_FALSE(noise.contains("OK"));
        EXPECT_FALSE(noise.contains("ERROR"));
        EXPECT_FALSE(noise.contains("> "));
    }
    session.LineClosed();
    EXPECT_EQ(Send("AT\r"), "AT\r\r\nOK\r\n");
}

class HangUpSessionTest : public SimSessionTest {
protected:
    HangUpSessionTest() : SimSessionTest(Faults({"hangup-after=1"})) {}
};

TEST_F(HangUpSessionTest, DropsTheLineOnceWithoutAnswering)
{
    EXPECT_EQ(Send("ATE0\r"), "ATE0\r\r\nOK\r\n");
    const SimOutput output = session.Feed("AT+CGMI\rAT+CGMM\r");
    EXPECT_TRUE(output.hangUp);
    EXPECT_FALSE(Text(output).contains("SIEMENS"));
    EXPECT_EQ(session.Counts().value("AT+CGMM"), 0);
    EXPECT_FALSE(session.Feed("AT\r").hangUp);
}

class ErrorSessionTest : public SimSessionTest {
protected:
    ErrorSessionTest() : SimSessionTest(Faults({"error=AT+CCLK:3", "error=+cpms:322", "error=ATE:ERROR"})) {}
};

TEST_F(ErrorSessionTest, NamedCommandsGetTheirError)
{
    EXPECT_EQ(Send("ATE0\r"), "ATE0\r\r\nERROR\r\n");
    EXPECT_EQ(Send("AT+CMEE=1\r"), "AT+CMEE=1\r\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CCLK?\r"), "AT+CCLK?\r\r\n+CME ERROR: 3\r\n");
    EXPECT_EQ(Send("AT+CPMS?\r"), "AT+CPMS?\r\r\n+CMS ERROR: 322\r\n");
}

TEST(FaultPlanTest, BadSpecsAreRefusedWithAReason)
{
    for (const char *fault : {"silent-after", "silent-after=x", "silent-after=-1", "later=3", "error=AT+CCLK",
                             "error=:3", "error=AT+CCLK:x"}) {
        FaultPlan plan;
        QString error;
        EXPECT_FALSE(AddFault(plan, QString::fromLatin1(fault), &error)) << fault;
        EXPECT_FALSE(error.isEmpty()) << fault;
    }
}

TEST(AtRequestTest, FormsAndNames)
{
    const std::optional<AtRequest> read = ParseAtLine("at+cclk?");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->name, "+CCLK");
    EXPECT_EQ(read->form, AtForm::Read);
    const std::optional<AtRequest> set = ParseAtLine("AT+CCLK=\"24/01/01,00:00:00\"");
    ASSERT_TRUE(set);
    EXPECT_EQ(set->form, AtForm::Set);
    EXPECT_EQ(set->args, "\"24/01/01,00:00:00\"");
    const std::optional<AtRequest> basic = ParseAtLine("ATE0");
    ASSERT_TRUE(basic);
    EXPECT_EQ(basic->name, "E");
    EXPECT_EQ(basic->args, "0");
    EXPECT_EQ(basic->CountName(), "ATE");
    EXPECT_EQ(ParseAtLine("AT^SQWE=?")->form, AtForm::Test);
    EXPECT_EQ(ParseAtLine("AT")->CountName(), "AT");
    EXPECT_FALSE(ParseAtLine("hello"));
    EXPECT_EQ(ParseAtLine("AT+CGMI;+CGMM")->name, "+CGMI;+CGMM");
}

} // namespace
