// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/obex/BfbFrame.h"

#include <QtEndian>

namespace orrin::phone::bfb {
namespace {

constexpr quint16 kCrcInit = 0xFFFF;
constexpr quint16 kCrcReflectedPolynomial = 0x8408;  // 0x1021 bit-reversed

bool KnownType(quint8 type)
{
    switch (type) {
    case kInterfaceFrame:
    case kConnectFrame:
    case kKeyFrame:
    case kAtFrame:
    case kDataFrame:
        return true;
    default:
        return false;
    }
}

bool SoundHead(const QByteArray &bytes)
{
    const auto type = quint8(bytes[0]);
    const auto length = quint8(bytes[1]);
    return KnownType(type) && length >= 1 && length <= kMaxFramePayload && quint8(bytes[2]) == (type ^ length);
}

quint8 Complement(quint8 command)
{
    return quint8(~command);
}

} // namespace

QByteArray EncodeFrames(quint8 type, const QByteArray &bytes)
{
    QByteArray frames;
    for (qsizetype at = 0; at < bytes.size(); at += kMaxFramePayload) {
        const QByteArray payload = bytes.mid(at, kMaxFramePayload);
        const auto length = quint8(payload.size());
        frames.append(char(type)).append(char(length)).append(char(type ^ length)).append(payload);
    }
    return frames;
}

quint16 Crc16X25(const QByteArray &bytes)
{
    quint16 crc = kCrcInit;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ kCrcReflectedPolynomial) : quint16(crc >> 1);
    }
    return quint16(~crc);
}

QByteArray EncodeBlock(quint8 command, quint8 sequence, const QByteArray &obex)
{
    QByteArray covered(1, char(sequence));
    covered.append(char(obex.size() >> 8)).append(char(obex.size() & 0xFF)).append(obex);
    const quint16 crc = Crc16X25(covered);
    QByteArray block;
    block.append(char(command)).append(char(Complement(command))).append(covered);
    return block.append(char(crc & 0xFF)).append(char(crc >> 8));
}

QByteArray EncodeAck()
{
    return QByteArray(1, char(kAckBlock)) + QByteArray(1, char(Complement(kAckBlock)));
}

void CFrameReader::Append(const QByteArray &bytes)
{
    m_pending += bytes;
}

std::optional<BfbFrame> CFrameReader::Next()
{
    while (m_pending.size() >= kFrameHeadSize) {
        if (!SoundHead(m_pending)) {
            m_pending.remove(0, 1);
            ++m_skipped;
            continue;
        }
        const int length = quint8(m_pending[1]);
        if (m_pending.size() < kFrameHeadSize + length)
            return std::nullopt;
        BfbFrame frame{quint8(m_pending[0]), m_pending.mid(kFrameHeadSize, length)};
        m_pending.remove(0, kFrameHeadSize + length);
        return frame;
    }
    return std::nullopt;
}

CBlockAssembler::Result CBlockAssembler::Add(const QByteArray &framePayload)
{
    m_pending += framePayload;
    if (m_pending.size() < 2)
        return Result::NeedMore;
    const auto command = quint8(m_pending[0]);
    if (quint8(m_pending[1]) != Complement(command) ||
        (command != kAckBlock && command != kFirstBlock && command != kNextBlock)) {
        m_pending.clear();
        return Result::Bad;
    }
    if (command == kAckBlock)
        return Finish(2);
    if (m_pending.size() < kBlockHeadSize)
        return Result::NeedMore;
    const int length = qFromBigEndian<quint16>(m_pending.constData() + 3);
    const qsizetype blockSize = kBlockHeadSize + length + kBlockCrcSize;
    if (m_pending.size() < blockSize)
        return Result::NeedMore;
    return Finish(blockSize);
}

CBlockAssembler::Result CBlockAssembler::Finish(qsizetype blockSize)
{
    const QByteArray bytes = m_pending.left(blockSize);
    m_pending.clear();
    m_block = {quint8(bytes[0]), 0, {}};
    if (m_block.command == kAckBlock)
        return Result::Block;
    const QByteArray covered = bytes.mid(2, blockSize - 2 - kBlockCrcSize);
    const quint16 crc = quint16(quint8(bytes[blockSize - 2]) | (quint8(bytes[blockSize - 1]) << 8));
    if (Crc16X25(covered) != crc)
        return Result::Bad;
    m_block.sequence = quint8(covered[0]);
    m_block.obex = covered.mid(3);
    return Result::Block;
}

} // namespace orrin::phone::bfb
