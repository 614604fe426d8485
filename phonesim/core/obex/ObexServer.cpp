// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/obex/ObexServer.h"

#include <QXmlStreamWriter>

using namespace orrin::phone::obex;

namespace phonesim {
namespace {

const QByteArray kFolderBrowsing = QByteArray::fromHex("F9EC7BC4953C11D2984E525400DC9E09");
constexpr quint8 kObexVersion = 0x10;
// Bytes a reply carrying a body needs around it: code, length, body header.
constexpr int kBodyOverhead = kHeadSize + kHeadSize;

} // namespace

CObexServer::CObexServer(SimFiles &files, TimeSource now) : m_files(files), m_now(std::move(now)) {}

CObexServer::Packet CObexServer::Reply(quint8 code)
{
    Packet packet;
    packet.code = code;
    return packet;
}

QByteArray CObexServer::Answer(const QByteArray &request)
{
    const quint8 code = request.isEmpty() ? 0 : quint8(request[0]);
    const std::optional<Packet> packet = DecodePacket(request, PrefixSize(code));
    if (!packet)
        return Reply(kBadRequest).Encode();
    if (code == kConnect)
        return Connect(*packet).Encode();
    if (code == kAbort) {
        m_put.reset();
        m_getLeft.reset();
        return Reply(kSuccess).Encode();
    }
    if (!m_connected || !SameConnection(*packet))
        return Reply(kForbidden).Encode();
    switch (code) {
    case kDisconnect:
        m_connected = false;
        m_ended = true;
        return Reply(kSuccess).Encode();
    case kSetPath:
        return SetPath(*packet).Encode();
    case kGetFinal:
        return Get(*packet).Encode();
    case kPut:
    case kPutFinal:
        return Put(*packet).Encode();
    default:
        return Reply(kNotImplemented).Encode();
    }
}

bool CObexServer::SameConnection(const Packet &request) const
{
    const std::optional<quint32> id = request.Number(kConnectionId);
    return id && *id == m_connectionId;
}

CObexServer::Packet CObexServer::Connect(const Packet &request)
{
    const ObexHeader *target = request.Find(kTarget);
    if (!target || target->bytes != kFolderBrowsing || request.prefix.size() != 4)
        return Reply(kBadRequest);
    m_hostMax = qMax(kMinPacketSize, (quint8(request.prefix[2]) << 8) | quint8(request.prefix[3]));
    m_connected = true;
    ++m_connectionId;
    m_folder.clear();
    m_put.reset();
    m_getLeft.reset();
    Packet reply = Reply(kSuccess);
    reply.prefix = QByteArray(1, char(kObexVersion)) + QByteArray(1, '\0');
    reply.prefix.append(char(kMaxPacket >> 8)).append(char(kMaxPacket & 0xFF));
    reply.AddNumber(kConnectionId, m_connectionId);
    reply.AddBytes(kWho, kFolderBrowsing);
    return reply;
}

CObexServer::Packet CObexServer::SetPath(const Packet &request)
{
    const quint8 flags = request.prefix.isEmpty() ? 0 : quint8(request.prefix[0]);
    const QString name = request.Text(kName).value_or(QString());
    if (flags & kSetPathUp) {
        if (m_folder.isEmpty() || !name.isEmpty())
            return Reply(kNotFound);
        m_folder.clear();
        return Reply(kSuccess);
    }
    if (name.isEmpty()) {
        m_folder.clear();
        return Reply(kSuccess);
    }
    // Folders hold only files: there is no going deeper, and no new folder.
    if (!m_folder.isEmpty() || !m_files.Find(name))
        return Reply(kNotFound);
    m_folder = name;
    return Reply(kSuccess);
}

QByteArray CObexServer::Listing() const
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE folder-listing SYSTEM \"obex-folder-listing.dtd\">"));
    writer.writeStartElement(QStringLiteral("folder-listing"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    if (m_folder.isEmpty()) {
        for (const SimFolder &folder : m_files.folders) {
            writer.writeEmptyElement(QStringLiteral("folder"));
            writer.writeAttribute(QStringLiteral("name"), folder.name);
        }
    } else if (const SimFolder *folder = m_files.Find(m_folder)) {
        writer.writeEmptyElement(QStringLiteral("parent-folder"));
        for (const SimFile &file : folder->files) {
            writer.writeEmptyElement(QStringLiteral("file"));
            writer.writeAttribute(QStringLiteral("name"), file.name);
            writer.writeAttribute(QStringLiteral("size"), QString::number(file.data.size()));
            writer.writeAttribute(QStringLiteral("modified"), file.modified);
        }
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

CObexServer::Packet CObexServer::Get(const Packet &request)
{
    if (m_getLeft)
        return NextGetPart();
    const ObexHeader *type = request.Find(kType);
    const std::optional<QString> name = request.Text(kName);
    if (type && type->bytes.startsWith("x-obex/folder-listing")) {
        m_getLeft = Listing();
    } else if (name && !m_folder.isEmpty()) {
        SimFile *file = m_files.Find(m_folder)->Find(*name);
        if (!file)
            return Reply(kNotFound);
        m_getLeft = file->data;
    } else {
        return Reply(kNotFound);
    }
    return NextGetPart();
}

CObexServer::Packet CObexServer::NextGetPart()
{
    const int room = m_hostMax - kBodyOverhead;
    const bool last = m_getLeft->size() <= room;
    Packet reply = Reply(last ? kSuccess : kContinue);
    reply.AddBytes(last ? kEndOfBody : kBody, m_getLeft->left(room));
    m_getLeft->remove(0, qMin(room, int(m_getLeft->size())));
    if (last)
        m_getLeft.reset();
    return reply;
}

CObexServer::Packet CObexServer::Put(const Packet &request)
{
    if (!m_put) {
        const std::optional<QString> name = request.Text(kName);
        if (!name || name->isEmpty() || name->contains(QLatin1Char('/')))
            return Reply(kBadRequest);
        if (m_folder.isEmpty())
            return Reply(kForbidden);
        m_put = Upload{*name, request.Number(kLength), {}, false};
    }
    const QByteArray body = request.Body();
    if (m_put->data.size() + body.size() > kMaxFileBytes)
        m_put->tooLarge = true;
    else
        m_put->data += body;
    if (request.code == kPutFinal)
        return FinishPut();
    return Reply(kContinue);
}

CObexServer::Packet CObexServer::FinishPut()
{
    Upload upload = std::move(*m_put);
    m_put.reset();
    SimFolder *folder = m_files.Find(m_folder);
    // No body at all: the host deletes the file.
    if (upload.data.isEmpty() && !upload.length)
        return Reply(folder->Remove(upload.name) ? kSuccess : kNotFound);
    if (upload.tooLarge || (upload.length && *upload.length > quint32(kMaxFileBytes)))
        return Reply(kTooLarge);
    if (upload.length && *upload.length != quint32(upload.data.size()))
        return Reply(kBadRequest);
    const QString modified = m_now().toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    folder->Store({upload.name, modified, std::move(upload.data)});
    return Reply(kSuccess);
}

} // namespace phonesim
