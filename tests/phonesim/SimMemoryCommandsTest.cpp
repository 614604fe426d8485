// SPDX-License-Identifier: GPL-2.0-or-later
// The simulated phone's phone books and message memories: what it answers,
// what it keeps, and the messages that arrive on their own.
#include "phonesim/core/SimSession.h"

#include <gtest/gtest.h>

using namespace phonesim;

namespace {

const char kCtrlZ = 0x1a;
// SMS-SUBMIT to +46708251358, "hellohello": 23 TPDU octets.
const QByteArray kSubmit = "0011000B916407281553F80000AA0AE8329BFD4697D9EC37";
// SMS-DELIVER of the same text, from 27838890001: 28 TPDU octets.
const QByteArray kDeliver = "07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37";

QByteArray Text(const SimOutput &output)
{
    QByteArray text;
    for (const SimChunk &chunk : output.chunks)
        text += chunk.bytes;
    return text;
}

class SimMemoryTest : public ::testing::Test {
protected:
    void SetUp() override { Send("ATE0\rAT+CMEE=1\r"); }

    QByteArray Send(const QByteArray &bytes) { return Text(session.Feed(bytes)); }
    const SimPhoneBook &Book(const QByteArray &name) { return phone.State().memories.phoneBooks[name]; }
    const SimMessageMemory &Messages(const QByteArray &name) { return phone.State().memories.messages[name]; }

    CSimPhone phone{SeedState(SimFamily::Older)};
    CCommandTable table = CommandTableFor(SimFamily::Older);
    CSimSession session{phone, table, {}};
};

TEST_F(SimMemoryTest, PhoneBookReadsInRangesAndInTheChosenCharacterSet)
{
    EXPECT_EQ(Send("AT+CPBS=\"ME\"\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CPBS?\r"), "\r\n+CPBS: \"ME\",6,50\r\n\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CPBR=?\r"), "\r\n+CPBR: (1-50),20,16\r\n\r\nOK\r\n");
    // GSM: characters outside ASCII show as "?".
    EXPECT_EQ(Send("AT+CPBR=1,2\r"), "\r\n+CPBR: 1,\"+491701234567\",145,\"Zo? M?ller!\"\r\n"
                                     "\r\n+CPBR: 2,\"0301234567\",129,\"????\"\r\n\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CSCS=\"UCS2\"\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CPBR=2\r"), "\r\n+CPBR: 2,\"0301234567\",129,\"041804320430043D\"\r\n\r\nOK\r\n");
    // Empty locations are left out; a range beyond the memory is refused.
    EXPECT_EQ(Send("AT+CPBR=3,4\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CPBR=1,51\r"), "\r\n+CME ERROR: 21\r\n");
    EXPECT_EQ(Send("AT+CPBR=0\r"), "\r\n+CME ERROR: 21\r\n");
    EXPECT_EQ(Send("AT+CPBS=\"XX\"\r"), "\r\n+CME ERROR: 3\r\n");
    // The service centre follows the character set too.
    EXPECT_EQ(Send("AT+CSCA?\r"),
              "\r\n+CSCA: \"002B003400390031003700310030003700360030003000300030\",145\r\n\r\nOK\r\n");
}

TEST_F(SimMemoryTest, PhoneBookWritesFirstFreeChangesAndDeletes)
{
    Send("AT+CSCS=\"UCS2\"\rAT+CPBS=\"ME\"\r");
    EXPECT_EQ(Send("AT+CPBW=,\"+4912345\",145,\"004E0065007500210021\"\r"), "\r\nOK\r\n");
    EXPECT_EQ(Book("ME").entries.value(3).name, "Neu!!");
    EXPECT_EQ(Book("ME").entries.value(3).number, "+4912345");
    // Type 145 puts the "+" in front; a location overwrites.
    EXPECT_EQ(Send("AT+CPBW=3,\"4967\",145,\"0041\"\r"), "\r\nOK\r\n");
    EXPECT_EQ(Book("ME").entries.value(3).number, "+4967");
    EXPECT_EQ(Send("AT+CPBW=3\r"), "\r\nOK\r\n");
    EXPECT_FALSE(Book("ME").entries.contains(3));
    // Refusals: a full book, a name too long, not UCS2, a bad number, a location outside.
    Send("AT+CPBS=\"SM\"\r");
    EXPECT_EQ(Send("AT+CPBW=,\"1\",129,\"0041\"\r"), "\r\n+CME ERROR: 20\r\n");
    EXPECT_EQ(Send("AT+CPBW=1,\"1\",129,\"" + QByteArray(15 * 4, '1') + "\"\r"), "\r\n+CME ERROR: 24\r\n");
    EXPECT_EQ(Send("AT+CPBW=1,\"1\",129,\"004\"\r"), "\r\n+CME ERROR: 25\r\n");
    EXPECT_EQ(Send("AT+CPBW=1,\"12-3\",129,\"0041\"\r"), "\r\n+CME ERROR: 27\r\n");
    EXPECT_EQ(Send("AT+CPBW=11,\"1\",129,\"0041\"\r"), "\r\n+CME ERROR: 21\r\n");
    EXPECT_EQ(Book("SM").entries.value(1).name, "Anna!");
}

TEST_F(SimMemoryTest, ListingGivesEveryMessageAndTurnsUnreadIntoRead)
{
    EXPECT_EQ(Send("AT+CPMS=\"SM\",\"SM\",\"SM\"\r"), "\r\n+CPMS: 6,6,6,6,6,6\r\n\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CMGL=0\r").count("+CMGL:"), 2);
    const QByteArray all = Send("AT+CMGL=4\r");
    EXPECT_EQ(all.count("+CMGL:"), 6);
    EXPECT_TRUE(all.startsWith("\r\n+CMGL: 1,1,,")) << all.constData();
    EXPECT_TRUE(all.contains("\r\n+CMGL: 4,2,,")) << all.constData();
    EXPECT_TRUE(all.contains("\r\n" + Messages("SM").entries.value(4).pdu + "\r\n"));
    EXPECT_EQ(Send("AT+CMGL\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CMGR=9\r"), "\r\n+CMS ERROR: 321\r\n");
    EXPECT_EQ(Send("AT+CMGF=1\r"), "\r\n+CMS ERROR: 303\r\n");
}

TEST_F(SimMemoryTest, StoringTakesTheFirstFreeLocationUntilTheMemoryIsFull)
{
    Send("AT+CPMS=\"ME\",\"ME\",\"ME\"\r");
    EXPECT_EQ(Send("AT+CMGW=23,2\r"), "\r\n> ");
    EXPECT_EQ(Send(kSubmit + kCtrlZ), "\r\n+CMGW: 2\r\n\r\nOK\r\n");
    EXPECT_EQ(Messages("ME").entries.value(2).status, 2);
    // A received message must be a DELIVER, and the length must match.
    Send("AT+CMGW=23,1\r");
    EXPECT_EQ(Send(kSubmit + kCtrlZ), "\r\n+CMS ERROR: 304\r\n");
    Send("AT+CMGW=22,2\r");
    EXPECT_EQ(Send(kSubmit + kCtrlZ), "\r\n+CMS ERROR: 304\r\n");
    Send("AT+CMGW=28,0\r");
    EXPECT_EQ(Send(kDeliver + kCtrlZ), "\r\n+CMGW: 4\r\n\r\nOK\r\n");
    Send("AT+CPMS=\"SM\",\"SM\",\"SM\"\r");
    Send("AT+CMGW=23,2\r");
    EXPECT_EQ(Send(kSubmit + kCtrlZ), "\r\n+CMS ERROR: 322\r\n");
    EXPECT_EQ(Messages("SM").entries.size(), 6);
}

TEST_F(SimMemoryTest, SendingKeepsWhatWentOutAndDeletingFreesTheLocation)
{
    Send("AT+CMGS=23\r");
    EXPECT_EQ(Send(kSubmit + kCtrlZ), "\r\n+CMGS: 0\r\n\r\nOK\r\n");
    EXPECT_EQ(Send("AT+CMSS=4\r"), "\r\n+CMSS: 1\r\n\r\nOK\r\n");
    EXPECT_EQ(Messages("SM").entries.value(4).status, 3);
    EXPECT_EQ(phone.State().memories.sent, (QList<QByteArray>{kSubmit, Messages("SM").entries.value(4).pdu}));
    // A received message cannot be sent again.
    EXPECT_EQ(Send("AT+CMSS=1\r"), "\r\n+CMS ERROR: 302\r\n");
    EXPECT_EQ(Send("AT+CMGD=4\r"), "\r\nOK\r\n");
    EXPECT_EQ(Messages("SM").FirstFree(), 4);
    EXPECT_EQ(Send("AT+CMGD=7\r"), "\r\n+CMS ERROR: 321\r\n");
}

TEST_F(SimMemoryTest, NewMessagesArriveNowAndThenWhileThereIsRoom)
{
    session.SetIncomingEvery(2);
    Send("AT+CPMS=\"ME\",\"ME\",\"ME\"\r");  // the third command
    EXPECT_EQ(Send("AT\r"), "\r\n+CMTI: \"ME\",2\r\n\r\nOK\r\n");
    EXPECT_EQ(Messages("ME").entries.value(2).status, 0);
    EXPECT_EQ(Send("AT\r"), "\r\nOK\r\n");
    EXPECT_EQ(Send("AT\r"), "\r\n+CMTI: \"ME\",4\r\n\r\nOK\r\n");
    // A full memory takes none and says nothing.
    Send("AT+CPMS=\"SM\",\"SM\",\"SM\"\r");
    EXPECT_EQ(Send("AT\rAT\r"), "\r\nOK\r\n\r\nOK\r\n");
    EXPECT_EQ(Messages("SM").entries.size(), 6);
}

TEST_F(SimMemoryTest, BytesOnTheLineAreCountedPerCommand)
{
    Send("AT+CPBS=\"SM\"\r");
    const QByteArray answer = Send("AT+CPBR=1,10\r");
    const QByteArray json = session.BytesJson();
    const qsizetype bytes = QByteArray("AT+CPBR=1,10\r").size() + answer.size();
    const QByteArray expected = "\"AT+CPBR\":" + QByteArray::number(bytes);
    EXPECT_TRUE(json.contains(expected)) << json.constData();
}

} // namespace
