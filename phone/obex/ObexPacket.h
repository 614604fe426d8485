// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// OBEX packets as they travel on the line: a code (the request's opcode or
// the response), a 16-bit big-endian length over the whole packet, a fixed
// prefix some packets carry (CONNECT: version, flags, maximum packet size;
// SETPATH: flags, constants) and the headers. The header's top two bits say
// its form: Unicode text, byte sequence, one byte or four bytes.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace orrin::phone::obex {

enum Code : quint8 {
    kConnect = 0x80,
    kDisconnect = 0x81,
    kPut = 0x02,
    kPutFinal = 0x82,
    kGetFinal = 0x83,
    kSetPath = 0x85,
    kAbort = 0xFF,
    kContinue = 0x90,
    kSuccess = 0xA0,
    kBadRequest = 0xC0,
    kForbidden = 0xC3,
    kNotFound = 0xC4,
    kLengthRequired = 0xCB,
    kTooLarge = 0xCD,
    kInternalError = 0xD0,
    kNotImplemented = 0xD1,
};

enum HeaderId : quint8 {
    kName = 0x01,
    kType = 0x42,
    kTarget = 0x46,
    kWho = 0x4A,
    kBody = 0x48,
    kEndOfBody = 0x49,
    kLength = 0xC3,
    kConnectionId = 0xCB,
};

// SETPATH flags.
constexpr quint8 kSetPathUp = 0x01;
constexpr quint8 kSetPathDontCreate = 0x02;

constexpr int kHeadSize = 3;          // code and length
constexpr int kMinPacketSize = 255;   // the least any peer must accept
constexpr int kMaxPacketSize = 0xFFFF;

struct ObexHeader {
    quint8 id = 0;
    QByteArray bytes;   // text (UTF-16BE with its terminating zero) and byte sequences
    quint32 value = 0;  // one- and four-byte headers
};

struct ObexPacket {
    quint8 code = 0;
    QByteArray prefix;
    std::vector<ObexHeader> headers;

    void AddText(quint8 id, const QString &text);
    void AddBytes(quint8 id, const QByteArray &bytes);
    void AddNumber(quint8 id, quint32 value);

    const ObexHeader *Find(quint8 id) const;
    // A text header as a string; an empty Name gives an empty string.
    std::optional<QString> Text(quint8 id) const;
    std::optional<quint32> Number(quint8 id) const;
    // The Body and End-of-Body contents, in order.
    QByteArray Body() const;
    bool HasEndOfBody() const { return Find(kEndOfBody) != nullptr; }

    QByteArray Encode() const;
};

// Bytes a header of this form and payload takes on the line.
int HeaderSize(quint8 id, int payloadBytes);

// The length the packet at the head of buffer declares; nothing while fewer
// than three bytes have come.
std::optional<int> DeclaredLength(const QByteArray &buffer);

// The size of the fixed prefix after the length: CONNECT and its answer 4,
// SETPATH 2, all others 0.
int PrefixSize(quint8 requestCode);

// One whole packet; nothing for bytes that are no packet of that prefix
// size (a wrong length, a header running past the end, odd-sized text).
std::optional<ObexPacket> DecodePacket(const QByteArray &bytes, int prefixSize);

} // namespace orrin::phone::obex
