// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's OBEX folder-browsing server: CONNECT to the folder-browsing
// target, SETPATH, GET of the folder listing (and of a file), PUT of a file
// into a folder, DELETE (a PUT without body), ABORT and DISCONNECT. A file is
// stored only when its last packet came and its size is the one announced;
// until then nothing of it is listed.

#include "phone/obex/ObexPacket.h"
#include "phonesim/core/obex/SimFiles.h"

#include <QDateTime>

#include <functional>
#include <optional>

namespace phonesim {

class CObexServer {
public:
    using TimeSource = std::function<QDateTime()>;
    // What the phone takes per packet, and the largest file it keeps.
    static constexpr int kMaxPacket = 0x0800;
    static constexpr int kMaxFileBytes = 512 * 1024;

    CObexServer(SimFiles &files, TimeSource now);

    // The answer to one whole request packet.
    QByteArray Answer(const QByteArray &request);
    // The host said DISCONNECT: the line speaks AT again.
    bool Ended() const { return m_ended; }

private:
    using Packet = orrin::phone::obex::ObexPacket;

    Packet Connect(const Packet &request);
    Packet SetPath(const Packet &request);
    Packet Get(const Packet &request);
    Packet Put(const Packet &request);
    Packet FinishPut();
    Packet NextGetPart();
    bool SameConnection(const Packet &request) const;
    QByteArray Listing() const;
    static Packet Reply(quint8 code);

    SimFiles &m_files;
    TimeSource m_now;
    bool m_connected = false;
    bool m_ended = false;
    quint32 m_connectionId = 0;
    int m_hostMax = orrin::phone::obex::kMinPacketSize;
    QString m_folder;  // empty: the root
    std::optional<QByteArray> m_getLeft;  // what a GET still has to send
    struct Upload {
        QString name;
        std::optional<quint32> length;
        QByteArray data;
        bool tooLarge = false;
    };
    std::optional<Upload> m_put;
};

} // namespace phonesim
