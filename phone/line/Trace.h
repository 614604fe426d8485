// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The protocol trace: when ORRIN_TRACE names a file, every line sent to and
// received from the phone is appended to it with a time stamp and the port,
// for bug reports. Off by default; a disabled trace costs one atomic load.

#include "phone/line/LineExport.h"

#include <QByteArray>
#include <QString>

namespace orrin::phone {

class PHONELINE_API CTrace {
public:
    // Reads ORRIN_TRACE again; called when a line opens or detection starts.
    static void Refresh();
    static bool Enabled();

    static void Sent(const QString &port, const QByteArray &bytes);
    static void Received(const QString &port, const QByteArray &bytes);
    static void Note(const QString &port, const QString &text);

    // Bytes as readable text: control and non-ASCII bytes become \xNN.
    static QString Printable(const QByteArray &bytes);
};

} // namespace orrin::phone
