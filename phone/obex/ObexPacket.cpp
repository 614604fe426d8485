// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/obex/ObexPacket.h"

#include <QtEndian>

namespace orrin::phone::obex {
namespace {

enum class Form { Text, Bytes, Byte, Word };

Form FormOf(quint8 id)
{
    switch (id >> 6) {
    case 0:
        return Form::Text;
    case 1:
        return Form::Bytes;
    case 2:
        return Form::Byte;
    default:
        return Form::Word;
    }
}

void AppendBigEndian16(QByteArray &out, quint16 value)
{
    out.append(char(value >> 8));
    out.append(char(value & 0xFF));
}

quint16 BigEndian16(const QByteArray &bytes, int at)
{
    return quint16((quint8(bytes[at]) << 8) | quint8(bytes[at + 1]));
}

} // namespace

void ObexPacket::AddText(quint8 id, const QString &text)
{
    QByteArray utf16;
    if (!text.isEmpty()) {
        for (const QChar c : text)
            AppendBigEndian16(utf16, c.unicode());
        AppendBigEndian16(utf16, 0);
    }
    headers.push_back({id, utf16, 0});
}

void ObexPacket::AddBytes(quint8 id, const QByteArray &bytes)
{
    headers.push_back({id, bytes, 0});
}

void ObexPacket::AddNumber(quint8 id, quint32 value)
{
    headers.push_back({id, {}, value});
}

const ObexHeader *ObexPacket::Find(quint8 id) const
{
    for (const ObexHeader &header : headers) {
        if (header.id == id)
            return &header;
    }
    return nullptr;
}

std::optional<QString> ObexPacket::Text(quint8 id) const
{
    const ObexHeader *header = Find(id);
    if (!header)
        return std::nullopt;
    QString text;
    for (int i = 0; i + 1 < header->bytes.size(); i += 2) {
        const quint16 unit = BigEndian16(header->bytes, i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

std::optional<quint32> ObexPacket::Number(quint8 id) const
{
    const ObexHeader *header = Find(id);
    return header ? std::optional<quint32>(header->value) : std::nullopt;
}

QByteArray ObexPacket::Body() const
{
    QByteArray body;
    for (const ObexHeader &header : headers) {
        if (header.id == kBody || header.id == kEndOfBody)
            body += header.bytes;
    }
    return body;
}

int HeaderSize(quint8 id, int payloadBytes)
{
    switch (FormOf(id)) {
    case Form::Text:
    case Form::Bytes:
        return kHeadSize + payloadBytes;
    case Form::Byte:
        return 2;
    case Form::Word:
        return 5;
    }
    return 0;
}

QByteArray ObexPacket::Encode() const
{
    QByteArray out;
    out.append(char(code));
    AppendBigEndian16(out, 0);
    out += prefix;
    for (const ObexHeader &header : headers) {
        out.append(char(header.id));
        switch (FormOf(header.id)) {
        case Form::Text:
        case Form::Bytes:
            AppendBigEndian16(out, quint16(kHeadSize + header.bytes.size()));
            out += header.bytes;
            break;
        case Form::Byte:
            out.append(char(header.value & 0xFF));
            break;
        case Form::Word:
            out.append(char(header.value >> 24)).append(char(header.value >> 16));
            out.append(char(header.value >> 8)).append(char(header.value));
            break;
        }
    }
    const quint16 length = quint16(out.size());
    out[1] = char(length >> 8);
    out[2] = char(length & 0xFF);
    return out;
}

std::optional<int> DeclaredLength(const QByteArray &buffer)
{
    if (buffer.size() < kHeadSize)
        return std::nullopt;
    return BigEndian16(buffer, 1);
}

int PrefixSize(quint8 requestCode)
{
    if (requestCode == kConnect)
        return 4;
    if (requestCode == kSetPath)
        return 2;
    return 0;
}

std::optional<ObexPacket> DecodePacket(const QByteArray &bytes, int prefixSize)
{
    const std::optional<int> length = DeclaredLength(bytes);
    if (!length || *length != bytes.size() || *length < kHeadSize + prefixSize)
        return std::nullopt;
    ObexPacket packet;
    packet.code = quint8(bytes[0]);
    packet.prefix = bytes.mid(kHeadSize, prefixSize);
    int at = kHeadSize + prefixSize;
    while (at < bytes.size()) {
        const quint8 id = quint8(bytes[at]);
        ObexHeader header{id, {}, 0};
        const Form form = FormOf(id);
        if (form == Form::Text || form == Form::Bytes) {
            if (at + kHeadSize > bytes.size())
                return std::nullopt;
            const int size = BigEndian16(bytes, at + 1);
            if (size < kHeadSize || at + size > bytes.size() || (form == Form::Text && (size - kHeadSize) % 2))
                return std::nullopt;
            header.bytes = bytes.mid(at + kHeadSize, size - kHeadSize);
            at += size;
        } else if (form == Form::Byte) {
            if (at + 2 > bytes.size())
                return std::nullopt;
            header.value = quint8(bytes[at + 1]);
            at += 2;
        } else {
            if (at + 5 > bytes.size())
                return std::nullopt;
            header.value = qFromBigEndian<quint32>(bytes.constData() + at + 1);
            at += 5;
        }
        packet.headers.push_back(std::move(header));
    }
    return packet;
}

} // namespace orrin::phone::obex
