// SPDX-License-Identifier: GPL-2.0-or-later
// The BFB framing on hand-built frames: blocks split over frames, garbage
// between them, broken check bytes and CRCs, and the host's transport.
#include "phone/obex/BfbFrame.h"
#include "phone/obex/ObexClient.h"
#include "tests/phone/ScriptedSerial.h"

#include <gtest/gtest.h>

using namespace orrin::phone::bfb;
using orrin::phone::obex::CBfbTransport;
using orrin::phone::test::CScriptedSerial;

namespace {

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// A success answer A0 00 03 as the first block: CRC 0xEF0E, low byte first.
const QByteArray kSuccessBlock = Hex("02FD000003A000030EEF");
const QByteArray kSuccessFrame = Hex("160A1C") + kSuccessBlock;

std::vector<BfbFrame> ReadAll(CFrameReader &reader)
{
    std::vector<BfbFrame> frames;
    while (std::optional<BfbFrame> frame = reader.Next())
        frames.push_back(*frame);
    return frames;
}

TEST(BfbFrameTest, EncodesAFrameAndABlockByteForByte)
{
    EXPECT_EQ(Crc16X25("123456789"), 0x906E);
    EXPECT_EQ(EncodeBlock(kFirstBlock, 0, Hex("A00003")), kSuccessBlock);
    EXPECT_EQ(EncodeFrames(kDataFrame, kSuccessBlock), kSuccessFrame);
    EXPECT_EQ(EncodeFrames(kConnectFrame, Hex("14")), Hex("02010314"));
    EXPECT_EQ(EncodeAck(), Hex("01FE"));
}

TEST(BfbFrameTest, ABlockSplitOverFramesWithGarbageBetweenIsFoundWhole)
{
    const QByteArray obex = QByteArray(1, char(0x90)) + Hex("0028") + QByteArray(37, 'x');
    const QByteArray block = EncodeBlock(kNextBlock, 5, obex);
    ASSERT_EQ(block.size(), 47);
    // 32 + 15 bytes: 16 20 36 ... and 16 0F 19 ...
    const QByteArray first = Hex("162036") + block.left(32);
    const QByteArray second = Hex("160F19") + block.mid(32);
    CFrameReader reader;
    // Noise, including a would-be head whose check byte is wrong.
    reader.Append(Hex("FF00") + first.left(10));
    EXPECT_FALSE(reader.Next());
    reader.Append(first.mid(10) + Hex("160F00AB") + second);
    const std::vector<BfbFrame> frames = ReadAll(reader);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(reader.Skipped(), 6);

    CBlockAssembler blocks;
    EXPECT_EQ(blocks.Add(frames[0].payload), CBlockAssembler::Result::NeedMore);
    ASSERT_EQ(blocks.Add(frames[1].payload), CBlockAssembler::Result::Block);
    EXPECT_EQ(blocks.Block().command, kNextBlock);
    EXPECT_EQ(blocks.Block().sequence, 5);
    EXPECT_EQ(blocks.Block().obex, obex);
}

TEST(BfbFrameTest, AFrameLongerThanAllowedIsNoFrame)
{
    CFrameReader reader;
    // Length 33 with a matching check byte (0x16 ^ 0x21), then a sound frame.
    reader.Append(Hex("162137") + QByteArray(33, 'z') + kSuccessFrame);
    const std::vector<BfbFrame> frames = ReadAll(reader);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].payload, kSuccessBlock);
}

TEST(BfbFrameTest, BlocksWithABrokenCrcOrComplementAreDroppedAndTheNextOneIsTaken)
{
    CBlockAssembler blocks;
    QByteArray crcBroken = kSuccessBlock;
    crcBroken[6] = char(0x01);
    EXPECT_EQ(blocks.Add(crcBroken), CBlockAssembler::Result::Bad);
    QByteArray complementBroken = kSuccessBlock;
    complementBroken[1] = char(0xFC);
    EXPECT_EQ(blocks.Add(complementBroken), CBlockAssembler::Result::Bad);
    EXPECT_EQ(blocks.Add(Hex("01")), CBlockAssembler::Result::NeedMore);
    ASSERT_EQ(blocks.Add(Hex("FE")), CBlockAssembler::Result::Block);
    EXPECT_EQ(blocks.Block().command, kAckBlock);
    ASSERT_EQ(blocks.Add(kSuccessBlock), CBlockAssembler::Result::Block);
    EXPECT_EQ(blocks.Block().obex, Hex("A00003"));
}

TEST(BfbTransportTest, NumbersBlocksAcknowledgesAnswersAndPassesOverThePhonesAcks)
{
    CScriptedSerial serial;
    quint8 sequence = 0;
    CBfbTransport transport(serial, sequence);
    const QDeadlineTimer deadline(1000);
    serial.OnWrite(Hex("02010314"), {Hex("020200"), Hex("14AA")});
    EXPECT_TRUE(transport.Hello(deadline));

    const QByteArray ackFrame = EncodeFrames(kDataFrame, EncodeAck());
    serial.OnWrite(kSuccessFrame, {ackFrame + kSuccessFrame.left(4), kSuccessFrame.mid(4)});
    ASSERT_TRUE(transport.Send(Hex("A00003"), deadline));
    EXPECT_EQ(transport.Receive(deadline), Hex("A00003"));
    EXPECT_EQ(serial.writes.last(), ackFrame);

    // The next block is a following one; an answer with a broken CRC is none.
    QByteArray broken = EncodeFrames(kDataFrame, EncodeBlock(kNextBlock, 1, Hex("A00003")));
    broken[broken.size() - 1] = char(broken.back() ^ 0x40);
    serial.OnWrite(EncodeFrames(kDataFrame, EncodeBlock(kNextBlock, 1, Hex("810003"))), {broken});
    ASSERT_TRUE(transport.Send(Hex("810003"), deadline));
    EXPECT_FALSE(transport.Receive(deadline));
    EXPECT_EQ(sequence, 2);
}

} // namespace
