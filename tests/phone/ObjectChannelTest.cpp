// SPDX-License-Identifier: GPL-2.0-or-later
// The object channel on scripted answers: assembling the numbered parts of
// ^SBNR, empty slots of both families, broken and refused answers, and the
// packets of ^SBNW.
#include "phone/mobile/ObjectChannel.h"
#include "tests/phone/ScriptedSerial.h"

#include <gtest/gtest.h>

using namespace orrin::phone;
using orrin::phone::test::CScriptedSerial;

namespace {

const QByteArray kPart1 = "^SBNR: \"vcf\",3,1,2";
const QByteArray kPart2 = "^SBNR: \"vcf\",3,2,2";

class ObjectChannelTest : public ::testing::Test {
protected:
    ObjectRead Read(const QList<QByteArray> &lines, const QByteArray &final = "OK", int maxBytes = 1000)
    {
        serial.Answers("AT^SBNR=\"vcf\",3", lines, final);
        return channel.Read(engine, "vcf", 3, maxBytes);
    }

    CScriptedSerial serial;
    CAtEngine engine{serial, QStringLiteral("COM1")};
    CObjectChannel channel;
};

TEST_F(ObjectChannelTest, PartsAreJoinedAndEmptySlotsOfBothFamiliesRead)
{
    const ObjectRead whole = Read({kPart1, "48656C", kPart2, "6C6F"});
    EXPECT_EQ(whole.status, ObjectStatus::Found);
    EXPECT_EQ(whole.data, "Hello");
    EXPECT_EQ(Read({}).status, ObjectStatus::Empty);
    EXPECT_EQ(Read({}, "+CME ERROR: 100").status, ObjectStatus::Empty);
}

TEST_F(ObjectChannelTest, AnythingButWholeOrderedPartsIsAFailure)
{
    const QList<QList<QByteArray>> broken = {
        {kPart1, "4865"},                                        // part 2 missing
        {kPart2, "6C6F", kPart1, "4865"},                        // out of order
        {kPart1, "4865", "^SBNR: \"vcf\",3,2,3", "6C6F"},        // the count changes
        {kPart1, "48G5", kPart2, "6C6F"},                        // no hex
        {kPart1, "486", kPart2, "6C6F"},                         // odd length
        {"^SBNR: \"vcf\",4,1,1", "4865"},                        // another slot
        {"^SBNR: \"bmp\",3,1,1", "4865"},                        // another type
        {kPart1},
    };
    for (const QList<QByteArray> &lines : broken)
        EXPECT_EQ(Read(lines).status, ObjectStatus::Failed) << lines.join(' ').toStdString();
    EXPECT_EQ(Read({kPart1, "48656C", kPart2, "6C6F"}, "OK", 4).status, ObjectStatus::Failed) << "too large";
    EXPECT_EQ(Read({}, "+CME ERROR: 21").status, ObjectStatus::Failed);
    EXPECT_EQ(Read({}, "+CME ERROR: PHONE BUSY").status, ObjectStatus::Failed);
    EXPECT_EQ(channel.Read(engine, "vcf", 3).status, ObjectStatus::Failed) << "no answer";
}

TEST_F(ObjectChannelTest, WritesOrderedPacketsAndStopsAtTheFirstRefusal)
{
    const QByteArray data(400, 'A');
    for (int part = 1; part <= 3; ++part) {
        serial.OnWrite("AT^SBNW=\"bmp\",2," + QByteArray::number(part) + ",3\r", {"\r\n> "});
        const QByteArray packet = data.mid((part - 1) * 176, 176).toHex().toUpper();
        serial.OnWrite(packet + '\x1a', {"\r\nOK\r\n"});
    }
    EXPECT_TRUE(channel.Write(engine, "bmp", 2, data));
    EXPECT_EQ(serial.writes.size(), 6);
    EXPECT_EQ(serial.writes.at(5).size(), (400 - 2 * 176) * 2 + 1);

    serial.writes.clear();
    serial.OnWrite("AT^SBNW=\"bmp\",2,1,3\r", {"\r\n> "});
    serial.OnWrite(data.left(176).toHex().toUpper() + '\x1a', {"\r\n+CME ERROR: 20\r\n"});
    EXPECT_FALSE(channel.Write(engine, "bmp", 2, data));
    EXPECT_EQ(serial.writes.size(), 2);
    EXPECT_FALSE(channel.Write(engine, "bmp", 2, {}));

    serial.Answers("AT^SBNW=\"mid\",1,0", {});
    EXPECT_TRUE(channel.Delete(engine, "mid", 1));
    serial.Answers("AT^SBNW=\"mid\",1,0", {}, "+CME ERROR: PHONE BUSY");
    EXPECT_FALSE(channel.Delete(engine, "mid", 1));
}

TEST_F(ObjectChannelTest, RangesAreAskedOnceAndReadPerType)
{
    serial.Answers("AT^SBNR=?", {"^SBNR: (\"bmp\",(0-3)),(\"mid\",(0-4)),(\"vcf\",(0-500)),(\"vcs\",(0-50))"});
    EXPECT_EQ(channel.Range(engine, "vcf")->last, 500);
    EXPECT_EQ(channel.Range(engine, "bmp")->last, 3);
    EXPECT_FALSE(channel.Range(engine, "txt"));
    EXPECT_EQ(serial.writes.size(), 1);
    EXPECT_FALSE(ParseObjectRanges("(\"vcf\",(5-1))"));
    EXPECT_FALSE(ParseObjectRanges("garbage"));
}

} // namespace
