// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The BFB framing the older family speaks on a cable after AT^SBFB=1. A frame
// is a type, a payload length of 1 to 32, a check byte (type XOR length) and
// the payload; longer data goes in consecutive frames. OBEX packets travel in
// data frames as blocks: command, its complement, a sequence number, the
// 16-bit big-endian length of the OBEX bytes, the bytes, and the IrDA CRC-16
// over sequence, length and bytes, low byte first. The receiver of a block
// answers with an acknowledge block of command and complement alone.

#include <QByteArray>

#include <optional>

namespace orrin::phone::bfb {

enum FrameType : quint8 {
    kInterfaceFrame = 0x01,
    kConnectFrame = 0x02,
    kKeyFrame = 0x05,
    kAtFrame = 0x06,
    kDataFrame = 0x16,
};

enum BlockCommand : quint8 {
    kAckBlock = 0x01,
    kFirstBlock = 0x02,  // the first block of a session, sequence 0
    kNextBlock = 0x03,   // each later one, sequence + 1
};

constexpr int kFrameHeadSize = 3;
constexpr int kMaxFramePayload = 32;
constexpr int kBlockHeadSize = 5;  // command, complement, sequence, length
constexpr int kBlockCrcSize = 2;
// The connect frame's hello and the phone's answer to it.
constexpr quint8 kHello = 0x14;
constexpr quint8 kHelloAck = 0xAA;

struct BfbFrame {
    quint8 type = 0;
    QByteArray payload;
};

// The bytes in as many frames of the type as they need; nothing for none.
QByteArray EncodeFrames(quint8 type, const QByteArray &bytes);

// CRC-16/X.25 (the IrDA FCS).
quint16 Crc16X25(const QByteArray &bytes);

// A block of OBEX bytes, or the acknowledge block (no sequence and no data).
QByteArray EncodeBlock(quint8 command, quint8 sequence, const QByteArray &obex);
QByteArray EncodeAck();

// Takes bytes as they arrive and gives whole frames. Bytes that cannot start
// a frame (an unknown type, a length of 0 or above 32, a wrong check byte)
// are passed over one at a time, so a frame after garbage is still found.
class CFrameReader {
public:
    void Append(const QByteArray &bytes);
    std::optional<BfbFrame> Next();
    int Skipped() const { return m_skipped; }
    bool IsEmpty() const { return m_pending.isEmpty(); }
    void Clear() { m_pending.clear(); }

private:
    QByteArray m_pending;
    int m_skipped = 0;
};

struct BfbBlock {
    quint8 command = 0;
    quint8 sequence = 0;
    QByteArray obex;
};

// Joins the payloads of consecutive data frames into blocks. A block with a
// wrong complement or CRC is dropped whole, and so is anything after a
// complete block in the same frame.
class CBlockAssembler {
public:
    enum class Result { NeedMore, Block, Bad };

    Result Add(const QByteArray &framePayload);
    // The block Add last reported.
    const BfbBlock &Block() const { return m_block; }
    void Clear() { m_pending.clear(); }

private:
    Result Finish(qsizetype blockSize);

    QByteArray m_pending;
    BfbBlock m_block;
};

} // namespace orrin::phone::bfb
