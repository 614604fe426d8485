// SPDX-License-Identifier: GPL-2.0-or-later
// The phone book and message parts of the Mobile module on scripted answers:
// what they send, and what they make of odd or broken answers.
#include "phone/mobile/PhoneBook.h"
#include "tests/phone/ScriptedSerial.h"
#include "phone/mobile/ShortMessages.h"
#include "phone/mobile/SmsRecords.h"

#include <gtest/gtest.h>

#include <QTimeZone>

#include <cstring>

using namespace orrin::phone;
using orrin::phone::test::CScriptedSerial;

namespace {

const QByteArray kSubmitHex = "0011000B916407281553F80000AA0AE8329BFD4697D9EC37";

class PartsTest : public ::testing::Test {
protected:
    CScriptedSerial serial;
    CAtEngine engine{serial, QStringLiteral("COM1")};
};

using PhoneBookPartsTest = PartsTest;

TEST_F(PhoneBookPartsTest, OneRangeReadServesEveryLocationUntilTheNextSelection)
{
    serial.Answers("AT+CPBS=\"SM\"", {});
    serial.Answers("AT+CPBS?", {"+CPBS: \"SM\",3,5"});
    serial.Answers("AT+CPBR=1,5", {"+CPBR: 1,\"4917\",145,\"00410021\"", "+CPBR: 2,\"\",129,\"0042\"",
                                   "+CPBR: 4,\"+4930\",145,\"0043\"", "+CPBR: 9,\"1\",129,\"0044\""});
    CPhoneBook book;
    ASSERT_EQ(book.Select(engine, "SM"), 3);
    EXPECT_EQ(book.Capacity(engine), 5);
    ASSERT_TRUE(book.Load(engine, Charset::Ucs2));
    ASSERT_TRUE(book.Load(engine, Charset::Ucs2));
    EXPECT_EQ(book.Find(1), (BookEntry{"+4917", "A", true}));
    EXPECT_EQ(book.Find(2), (BookEntry{"", "B", false}));
    EXPECT_FALSE(book.Find(3));
    EXPECT_EQ(book.Find(4), (BookEntry{"+4930", "C", false}));
    // A line beyond the capacity is not taken.
    EXPECT_FALSE(book.Find(9));
    EXPECT_EQ(serial.writes.count("AT+CPBR=1,5\r"), 1);
}

TEST_F(PhoneBookPartsTest, FailedRangeReadFailsAndTheNextReadAsksAgain)
{
    serial.Answers("AT+CPBS=\"SM\"", {});
    serial.Answers("AT+CPBS?", {"+CPBS: \"SM\",2,250"});
    serial.Answers("AT+CPBR=1,250", {}, "+CME ERROR: 100");
    serial.Answers("AT+CPBR=1,250", {"+CPBR: 7,\"112\",129,\"0041\""});
    CPhoneBook book;
    ASSERT_EQ(book.Select(engine, "SM"), 2);
    EXPECT_FALSE(book.Load(engine, Charset::Ucs2));
    ASSERT_TRUE(book.Load(engine, Charset::Ucs2));
    EXPECT_EQ(book.Find(7), (BookEntry{"112", "A", false}));
    EXPECT_EQ(serial.writes.count("AT+CPBR=1,250\r"), 2);
    // "Not found" for the whole range is an empty memory, not a failure.
    serial.Answers("AT+CPBS=\"ME\"", {});
    serial.Answers("AT+CPBS?", {"+CPBS: \"ME\",0,10"});
    serial.Answers("AT+CPBR=1,10", {}, "+CME ERROR: 22");
    ASSERT_EQ(book.Select(engine, "ME"), 0);
    EXPECT_TRUE(book.Load(engine, Charset::Ucs2));
    EXPECT_FALSE(book.Find(1));
}

TEST_F(PhoneBookPartsTest, NothingIsReadOrWrittenWithoutASuccessfulSelection)
{
    serial.Answers("AT+CPBS=\"ME\"", {}, "+CME ERROR: 3");
    CPhoneBook book;
    EXPECT_EQ(book.Select(engine, "ME"), -1);
    EXPECT_EQ(book.Capacity(engine), -1);
    EXPECT_FALSE(book.Load(engine, Charset::Ucs2));
    EXPECT_FALSE(book.Write(engine, Charset::Ucs2, 0, {"112", "A", false}));
    EXPECT_FALSE(book.Write(engine, Charset::Ucs2, 2, {"112", "A", false}));
    EXPECT_FALSE(book.Delete(engine, 3));
    EXPECT_EQ(serial.writes, QList<QByteArray>({"AT+CPBS=\"ME\"\r"}));
}

TEST_F(PhoneBookPartsTest, CapacityComesFromTheRangeTestWhenTheStatusHasNone)
{
    serial.Answers("AT+CPBS=\"SM\"", {});
    serial.Answers("AT+CPBS?", {"+CPBS: \"SM\",3"});
    serial.Answers("AT+CPBS?", {"+CPBS: \"SM\",3"});
    serial.Answers("AT+CPBR=?", {"+CPBR: (1-100),20,14"});
    CPhoneBook book;
    ASSERT_EQ(book.Select(engine, "SM"), 3);
    EXPECT_EQ(book.Capacity(engine), 100);
    EXPECT_EQ(book.Capacity(engine), 100);
    EXPECT_EQ(serial.writes.size(), 4);
}

TEST_F(PhoneBookPartsTest, WritesSayWhereAndHowTheNumberReads)
{
    serial.Answers("AT+CPBS=\"SM\"", {});
    serial.Answers("AT+CPBS?", {"+CPBS: \"SM\",3,100"});
    serial.Answers("AT+CPBW=,\"+4917\",145,\"0041005A0021\"", {});
    serial.Answers("AT+CPBW=7,\"0301\",129,\"Plain\"", {});
    serial.Answers("AT+CPBW=7", {});
    CPhoneBook book;
    ASSERT_EQ(book.Select(engine, "SM"), 3);
    EXPECT_TRUE(book.Write(engine, Charset::Ucs2, 0, {"+4917", "AZ", true}));
    EXPECT_TRUE(book.Write(engine, Charset::Gsm, 7, {"0301", "Plain", false}));
    EXPECT_TRUE(book.Delete(engine, 7));
    // Nothing goes out for what the line cannot carry.
    EXPECT_FALSE(book.Write(engine, Charset::Gsm, 7, {"0301", QStringLiteral("Zoë"), false}));
    EXPECT_FALSE(book.Write(engine, Charset::Ucs2, 7, {"03\"01", "A", false}));
    EXPECT_FALSE(book.Write(engine, Charset::Ucs2, 7, {"0301\r", "A", false}));
    EXPECT_FALSE(book.Delete(engine, 0));
    EXPECT_EQ(serial.writes.size(), 5);
}

TEST(PhoneBookLineTest, OddLinesAreSkippedOrKeptAsTheyCame)
{
    EXPECT_FALSE(ParseBookLine("", Charset::Ucs2));
    EXPECT_FALSE(ParseBookLine("x,\"1\",129,\"0041\"", Charset::Ucs2));
    EXPECT_FALSE(ParseBookLine("0,\"1\",129,\"0041\"", Charset::Ucs2));
    EXPECT_FALSE(ParseBookLine("1,\"1\",129", Charset::Ucs2));
    // A name that is no UCS2 keeps its text rather than losing the entry.
    EXPECT_EQ(ParseBookLine("3,\"1\",129,\"Bob\"", Charset::Ucs2)->second.name, "Bob");
    // Commas inside the quotes of a plain name.
    EXPECT_EQ(ParseBookLine("3,\"1\",129,\"Doe, John!\"", Charset::Gsm)->second, (BookEntry{"1", "Doe, John", true}));
    EXPECT_FALSE(ParseBookUsage("\"SM\",x,10"));
    EXPECT_EQ(ParseBookUsage("\"SM\",4")->total, -1);
    EXPECT_FALSE(ParseBookCapacity("1-100"));
    EXPECT_EQ(ParseBookCapacity("(1 - 250),20,14"), 250);
}

using MessagePartsTest = PartsTest;

TEST_F(MessagePartsTest, PduModeIsSwitchedOnOnceBeforeTheFirstMessageCommand)
{
    serial.Answers("AT+CMGF=0", {});
    serial.Answers("AT+CPMS=\"ME\",\"ME\",\"ME\"", {"+CPMS: 3,25,3,25,3,25"});
    serial.Answers("AT+CPMS=\"SM\",\"SM\",\"SM\"", {"+CPMS: 1,10,1,10,1,10"});
    CShortMessages messages;
    const std::optional<MemoryUsage> phone = messages.Select(engine, "ME");
    ASSERT_TRUE(phone);
    EXPECT_EQ(phone->used, 3);
    EXPECT_EQ(phone->total, 25);
    EXPECT_EQ(messages.Select(engine, "SM")->total, 10);
    EXPECT_FALSE(messages.Select(engine, "S\"M"));
    EXPECT_EQ(serial.writes.count("AT+CMGF=0\r"), 1);
    EXPECT_EQ(serial.writes.size(), 3);
}

TEST_F(MessagePartsTest, StoringAnswersTheLocationZeroWhenFullAndMinusOneOtherwise)
{
    serial.Answers("AT+CMGF=0", {});
    serial.OnWrite("AT+CMGW=23,2\r", {"\r\n> "});
    serial.OnWrite(kSubmitHex + '\x1a', {"\r\n+CMGW: 7\r\n", "\r\nOK\r\n"});
    serial.OnWrite("AT+CMGW=23,3\r", {"\r\n> "});
    serial.OnWrite(kSubmitHex + '\x1a', {"\r\n+CMS ERROR: 322\r\n"});
    serial.OnWrite("AT+CMGW=23,2\r", {"\r\n+CMS ERROR: 322\r\n"});
    serial.OnWrite("AT+CMGW=23,2\r", {"\r\n> "});
    serial.OnWrite(kSubmitHex + '\x1a', {"\r\n+CMS ERROR: 500\r\n"});
    serial.OnWrite("AT+CMGW=23,2\r", {"\r\n> "});
    serial.OnWrite(kSubmitHex + '\x1a', {"\r\nOK\r\n"});
    const SmsPdu pdu = *DecodePduHex(kSubmitHex);
    CShortMessages messages;
    EXPECT_EQ(messages.Store(engine, pdu, 2), 7);
    EXPECT_EQ(messages.Store(engine, pdu, 3), 0);   // full after the data
    EXPECT_EQ(messages.Store(engine, pdu, 2), 0);   // full at once
    EXPECT_EQ(messages.Store(engine, pdu, 2), -1);  // another refusal
    EXPECT_EQ(messages.Store(engine, pdu, 2), -1);  // no location given
    EXPECT_EQ(messages.Store(engine, pdu, 4), -1);  // no status of the phone: nothing sent
    EXPECT_EQ(serial.writes.size(), 1 + 9);
}

TEST(MessageListTest, HeadersWithoutTheirPduOrWithAWrongLengthKeepTheirPlace)
{
    const QList<QByteArray> lines{
        "+CMGL: 1,0,,23", kSubmitHex,
        "+CMGL: 2,1,,23",  // its PDU is missing
        "+CMGL: 3,3,,22", kSubmitHex,  // the length does not match
        "+CMGL: 4,9,,23", kSubmitHex,  // no status of the phone
        "+CMGL: x,1,,23", kSubmitHex,
        "+CMGL: 5,2,\"Bob\",23", kSubmitHex,
    };
    const QList<StoredMessage> messages = ParseMessageList(lines);
    ASSERT_EQ(messages.size(), 4);
    EXPECT_EQ(messages[0].location, 1);
    EXPECT_TRUE(messages[0].pdu);
    EXPECT_EQ(messages[1].location, 2);
    EXPECT_FALSE(messages[1].pdu);
    EXPECT_EQ(messages[2].location, 3);
    EXPECT_FALSE(messages[2].pdu);
    EXPECT_EQ(messages[3].location, 5);
    EXPECT_EQ(messages[3].status, 2);
    EXPECT_TRUE(messages[3].pdu);

    EXPECT_EQ(ParseMessageRead({"+CMGR: 2,,23", kSubmitHex}, 6)->location, 6);
    EXPECT_FALSE(ParseMessageRead({"+CMGR: 2,,23"}, 6));
    EXPECT_EQ(ParseMemoryUsage("\"SM\",2,10,\"SM\",2,10")->total, 10);
    EXPECT_EQ(ParseMemoryUsage("2,10,2,10,2,10")->used, 2);
    EXPECT_FALSE(ParseMemoryUsage("\"SM\""));
}

TEST(SmsRecordTest, RecordFieldsAreCutToTheirSizes)
{
    SmsPdu pdu;
    pdu.kind = SmsKind::Deliver;
    pdu.party = {QString(20, QLatin1Char('9')), kInternationalNumberType};
    pdu.timeStamp = QStringLiteral("240229235959");
    pdu.text = QString(70, QChar(0x4e2d));  // 210 bytes of UTF-8
    pdu.alphabet = SmsAlphabet::Ucs2;
    SmsRecord record;
    std::memset(&record, 0x55, sizeof record);
    FillSmsRecord({3, 1, pdu}, record);
    EXPECT_EQ(QByteArray(record.number), "+" + QByteArray(18, '9'));
    EXPECT_EQ(QByteArray(record.time), "240229235959");
    EXPECT_EQ(QString::fromUtf8(record.content), QString(56, QChar(0x4e2d)));
    EXPECT_EQ(record.padding[0], 0);
    EXPECT_EQ(record.validity, kNoValidityCode);
}

TEST(SmsRecordTest, StoredMessagesAreDeliversWhenReceivedAndSubmitsOtherwise)
{
    const OutgoingMessage message{QStringLiteral("Hi"), QStringLiteral("+4917"), true, 1, true};
    const QDateTime now(QDate(2024, 2, 29), QTime(23, 59, 58), QTimeZone(3600));
    const std::optional<SmsPdu> received = StoredPdu(message, 0, now);
    ASSERT_TRUE(received);
    EXPECT_EQ(received->kind, SmsKind::Deliver);
    EXPECT_EQ(received->timeStamp, "240229235958");
    EXPECT_EQ(received->timeZoneQuarters, 4);
    EXPECT_EQ(received->party, (SmsAddress{"4917", kInternationalNumberType}));
    const std::optional<SmsPdu> unsent = StoredPdu(message, 2, now);
    ASSERT_TRUE(unsent);
    EXPECT_EQ(unsent->kind, SmsKind::Submit);
    EXPECT_EQ(unsent->validity, quint8(0x0b));
    EXPECT_TRUE(unsent->flash);
    EXPECT_TRUE(unsent->statusReport);
    EXPECT_FALSE(StoredPdu(message, 4, now));
    EXPECT_FALSE(SubmitPdu({QString(71, QChar(0x4e2d)), QStringLiteral("4917")}));
}

} // namespace
