// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/obex/ObexClient.h"

#include "phone/line/SerialIo.h"

#include <QtEndian>

namespace orrin::phone::obex {
namespace {

constexpr quint8 kObexVersion = 0x10;
constexpr int kBitsPerByte = 10;  // 8N1: start and stop bit
// The folder-browsing service, F9EC7BC4-953C-11D2-984E-525400DC9E09.
const QByteArray kFolderBrowsing =
    QByteArray::fromHex("F9EC7BC4953C11D2984E525400DC9E09");
const QByteArray kListingType = QByteArrayLiteral("x-obex/folder-listing\0");

QByteArray ConnectPrefix(int maxPacket)
{
    QByteArray prefix;
    prefix.append(char(kObexVersion)).append(char(0));
    prefix.append(char(maxPacket >> 8)).append(char(maxPacket & 0xFF));
    return prefix;
}

} // namespace

bool CPlainTransport::Send(const QByteArray &packet, const QDeadlineTimer &deadline)
{
    return m_io.Write(packet, deadline);
}

std::optional<QByteArray> CPlainTransport::Receive(const QDeadlineTimer &deadline)
{
    for (;;) {
        const std::optional<int> length = DeclaredLength(m_pending);
        if (length && *length < kHeadSize)
            return std::nullopt;
        if (length && m_pending.size() >= *length) {
            const QByteArray packet = m_pending.left(*length);
            m_pending.remove(0, *length);
            return packet;
        }
        ReadResult read = m_io.Read(deadline);
        if (read.status != ReadStatus::Data)
            return std::nullopt;
        m_pending += read.bytes;
    }
}

int CPlainTransport::BaudRate() const
{
    return m_io.BaudRate();
}

bool CBfbTransport::Send(const QByteArray &packet, const QDeadlineTimer &deadline)
{
    const quint8 command = m_sequence == 0 ? bfb::kFirstBlock : bfb::kNextBlock;
    const QByteArray block = bfb::EncodeBlock(command, m_sequence++, packet);
    return m_io.Write(bfb::EncodeFrames(bfb::kDataFrame, block), deadline);
}

std::optional<QByteArray> CBfbTransport::ReceiveFrame(quint8 type, const QDeadlineTimer &deadline)
{
    for (;;) {
        while (std::optional<bfb::BfbFrame> frame = m_frames.Next()) {
            if (frame->type == type)
                return frame->payload;
        }
        ReadResult read = m_io.Read(deadline);
        if (read.status != ReadStatus::Data)
            return std::nullopt;
        m_frames.Append(read.bytes);
    }
}

std::optional<QByteArray> CBfbTransport::Receive(const QDeadlineTimer &deadline)
{
    for (;;) {
        const std::optional<QByteArray> payload = ReceiveFrame(bfb::kDataFrame, deadline);
        if (!payload)
            return std::nullopt;
        switch (m_blocks.Add(*payload)) {
        case bfb::CBlockAssembler::Result::NeedMore:
            continue;
        case bfb::CBlockAssembler::Result::Bad:
            return std::nullopt;
        case bfb::CBlockAssembler::Result::Block:
            break;
        }
        if (m_blocks.Block().command == bfb::kAckBlock)
            continue;
        if (!m_io.Write(bfb::EncodeFrames(bfb::kDataFrame, bfb::EncodeAck()), deadline))
            return std::nullopt;
        return m_blocks.Block().obex;
    }
}

int CBfbTransport::BaudRate() const
{
    return m_io.BaudRate();
}

bool CBfbTransport::Hello(const QDeadlineTimer &deadline)
{
    if (!m_io.Write(bfb::EncodeFrames(bfb::kConnectFrame, QByteArray(1, char(bfb::kHello))), deadline))
        return false;
    const std::optional<QByteArray> answer = ReceiveFrame(bfb::kConnectFrame, deadline);
    return answer && *answer == QByteArray(1, char(bfb::kHello)) + QByteArray(1, char(bfb::kHelloAck));
}

CObexClient::CObexClient(IObexTransport &transport, ObexSession &session, int baseTimeoutMs)
    : m_transport(transport), m_session(session), m_baseTimeoutMs(baseTimeoutMs)
{
}

int CObexClient::TimeoutMs(int bytes) const
{
    const int baud = qMax(1, m_transport.BaudRate());
    return m_baseTimeoutMs + int(qint64(bytes) * kBitsPerByte * 1000 * 2 / baud);
}

ObexPacket CObexClient::Request(quint8 code) const
{
    ObexPacket packet;
    packet.code = code;
    packet.AddNumber(kConnectionId, m_session.connectionId);
    return packet;
}

std::optional<ObexPacket> CObexClient::Exchange(const ObexPacket &request, int answerBytes)
{
    const QByteArray bytes = request.Encode();
    const QDeadlineTimer deadline(TimeoutMs(bytes.size() + answerBytes));
    if (!m_transport.Send(bytes, deadline))
        return std::nullopt;
    const std::optional<QByteArray> answer = m_transport.Receive(deadline);
    if (!answer)
        return std::nullopt;
    return DecodePacket(*answer, request.code == kConnect ? PrefixSize(kConnect) : 0);
}

bool CObexClient::ExchangeExpecting(const ObexPacket &request, quint8 expected)
{
    const std::optional<ObexPacket> answer = Exchange(request, kMinPacketSize);
    return answer && answer->code == expected;
}

bool CObexClient::Connect()
{
    ObexPacket request;
    request.code = kConnect;
    request.prefix = ConnectPrefix(kOwnMaxPacket);
    request.AddBytes(kTarget, kFolderBrowsing);
    const std::optional<ObexPacket> answer = Exchange(request, kMinPacketSize);
    if (!answer || answer->code != kSuccess || answer->prefix.size() < 4)
        return false;
    const std::optional<quint32> id = answer->Number(kConnectionId);
    const int theirMax = qFromBigEndian<quint16>(answer->prefix.constData() + 2);
    if (!id || theirMax < kMinPacketSize)
        return false;
    m_session = {true, *id, theirMax};
    return true;
}

bool CObexClient::Disconnect()
{
    const bool done = ExchangeExpecting(Request(kDisconnect), kSuccess);
    m_session.open = false;
    return done;
}

bool CObexClient::SetPath(quint8 flags, const QString &name)
{
    ObexPacket request = Request(kSetPath);
    request.prefix = QByteArray(1, char(flags)) + QByteArray(1, '\0');
    request.AddText(kName, name);
    return ExchangeExpecting(request, kSuccess);
}

bool CObexClient::SetPathRoot()
{
    return SetPath(kSetPathDontCreate, {});
}

bool CObexClient::SetPathChild(const QString &name)
{
    return !name.isEmpty() && SetPath(kSetPathDontCreate, name);
}

std::optional<QByteArray> CObexClient::GetFolderListing()
{
    ObexPacket request = Request(kGetFinal);
    request.AddBytes(kType, kListingType);
    QByteArray listing;
    for (;;) {
        const std::optional<ObexPacket> answer = Exchange(request, kOwnMaxPacket);
        if (!answer || (answer->code != kContinue && answer->code != kSuccess))
            return std::nullopt;
        listing += answer->Body();
        if (answer->code == kSuccess)
            return listing;
        // Continue: ask for the next part with the connection alone.
        request = Request(kGetFinal);
    }
}

bool CObexClient::Put(const QString &name, const QByteArray &data)
{
    ObexPacket first = Request(kPut);
    first.AddText(kName, name);
    first.AddNumber(kLength, quint32(data.size()));
    int sent = 0;
    ObexPacket request = first;
    for (;;) {
        int used = kHeadSize;
        for (const ObexHeader &header : request.headers)
            used += HeaderSize(header.id, header.bytes.size());
        const int room = m_session.maxPacket - used - HeaderSize(kBody, 0);
        if (room <= 0)
            return false;
        const int chunk = qMin(room, int(data.size()) - sent);
        const bool last = sent + chunk == data.size();
        request.code = last ? kPutFinal : kPut;
        request.AddBytes(last ? kEndOfBody : kBody, data.mid(sent, chunk));
        sent += chunk;
        if (!ExchangeExpecting(request, last ? kSuccess : kContinue))
            return false;
        if (last)
            return true;
        request = Request(kPut);
    }
}

bool CObexClient::Delete(const QString &name)
{
    ObexPacket request = Request(kPutFinal);
    request.AddText(kName, name);
    return ExchangeExpecting(request, kSuccess);
}

} // namespace orrin::phone::obex
