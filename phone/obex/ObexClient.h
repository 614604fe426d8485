// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The host's side of an OBEX folder-browsing session over a transport: one
// request at a time, each answered before the next, every exchange bounded
// by a deadline scaled by its bytes at the line's rate.

#include "phone/obex/BfbFrame.h"
#include "phone/obex/ObexPacket.h"

#include <QDeadlineTimer>

namespace orrin::phone {
class ISerialIo;
}

namespace orrin::phone::obex {

// Carries whole OBEX packets over the line.
class IObexTransport {
public:
    virtual ~IObexTransport() = default;
    virtual bool Send(const QByteArray &packet, const QDeadlineTimer &deadline) = 0;
    // One whole answer packet; nothing when the deadline passed or the line went.
    virtual std::optional<QByteArray> Receive(const QDeadlineTimer &deadline) = 0;
    virtual int BaudRate() const = 0;
};

// OBEX bytes straight on the line, as the newer family speaks after AT^SQWE=3.
class CPlainTransport : public IObexTransport {
public:
    explicit CPlainTransport(ISerialIo &io) : m_io(io) {}
    bool Send(const QByteArray &packet, const QDeadlineTimer &deadline) override;
    std::optional<QByteArray> Receive(const QDeadlineTimer &deadline) override;
    int BaudRate() const override;

private:
    ISerialIo &m_io;
    QByteArray m_pending;
};

// OBEX packets in BFB data blocks, as the older family speaks after
// AT^SBFB=1. Every block received is acknowledged; the phone's
// acknowledgements are passed over. A block that fails its checks ends the
// exchange: nothing of it is taken as an answer.
class CBfbTransport : public IObexTransport {
public:
    // sequence: the number of the next block sent, kept for the session.
    CBfbTransport(ISerialIo &io, quint8 &sequence) : m_io(io), m_sequence(sequence) {}
    bool Send(const QByteArray &packet, const QDeadlineTimer &deadline) override;
    std::optional<QByteArray> Receive(const QDeadlineTimer &deadline) override;
    int BaudRate() const override;

    // The hello of the connect frame, answered by the phone's hello.
    bool Hello(const QDeadlineTimer &deadline);
    // One frame of the type, the others passed over.
    std::optional<QByteArray> ReceiveFrame(quint8 type, const QDeadlineTimer &deadline);

private:
    ISerialIo &m_io;
    quint8 &m_sequence;
    bfb::CFrameReader m_frames;
    bfb::CBlockAssembler m_blocks;
};

struct ObexSession {
    bool open = false;
    quint32 connectionId = 0;
    int maxPacket = kMinPacketSize;  // the phone's limit for what we send
};

class CObexClient {
public:
    static constexpr int kBaseTimeoutMs = 2000;
    // What we accept per packet.
    static constexpr int kOwnMaxPacket = 0x4000;

    CObexClient(IObexTransport &transport, ObexSession &session, int baseTimeoutMs = kBaseTimeoutMs);

    bool Connect();
    bool Disconnect();
    // To the root, or into the named child without creating it.
    bool SetPathRoot();
    bool SetPathChild(const QString &name);
    std::optional<QByteArray> GetFolderListing();
    bool Put(const QString &name, const QByteArray &data);
    bool Delete(const QString &name);

    // Time for an exchange of this many bytes both ways at the line's rate.
    int TimeoutMs(int bytes) const;

private:
    ObexPacket Request(quint8 code) const;
    std::optional<ObexPacket> Exchange(const ObexPacket &request, int answerBytes);
    bool ExchangeExpecting(const ObexPacket &request, quint8 expected);
    bool SetPath(quint8 flags, const QString &name);

    IObexTransport &m_transport;
    ObexSession &m_session;
    int m_baseTimeoutMs;
};

} // namespace orrin::phone::obex
