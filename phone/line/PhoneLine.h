// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one open line of the process, shared by the Mobile and OBEX modules:
// the serial port, its AT engine and the phone family. Every call on the open
// line goes through it, one call at a time.
//
// The line belongs to the thread that opened it (the program's worker). A
// call from another thread is refused while that thread lives; once it has
// ended, the next caller takes the line over and reopens the port.

#include "phone/line/AtEngine.h"
#include "phone/line/Guarded.h"
#include "phone/line/LineExport.h"
#include "phone/line/SerialPortIo.h"
#include "phone/PhoneApi.h"

#include <QString>

#include <functional>
#include <memory>
#include <mutex>

namespace orrin::phone {

class PHONELINE_API CPhoneLine {
public:
    static CPhoneLine &Instance();
    ~CPhoneLine();

    // Opens the named port (closing any open one), then greets the phone:
    // AT must be answered OK, then echo off and numeric error codes.
    bool Open(const QString &portName, int baudRate);
    bool Close();
    bool IsOpen();

    // Runs work on the open line; false without running it when there is none.
    bool Use(const std::function<bool(CAtEngine &)> &work);

    // The line's mode: AT, or an OBEX session the OBEX module opened. Work
    // given to Use first ends such a session with the leave the module gave,
    // so that the line speaks AT again; obexMode tells the work the mode and
    // takes the one it leaves the line in.
    using ObexWork = std::function<bool(CAtEngine &, ISerialIo &, bool &obexMode)>;
    using ObexLeave = std::function<void(CAtEngine &, ISerialIo &)>;
    bool UseObex(const ObexWork &work, const ObexLeave &leave);

    void SetFamily(PhoneFamily family);
    PhoneFamily Family();

private:
    CPhoneLine() = default;
    bool Greet();
    // Closes the line unless it belongs to another thread that still runs.
    bool ReleaseHere();
    bool OwnerGone() const;
    bool ReadyOnThisThread();
    void LeaveObex();

    std::mutex m_mutex;
    std::unique_ptr<CSerialPortIo> m_io;
    std::unique_ptr<CAtEngine> m_engine;
    QString m_portName;
    QString m_device;
    int m_baudRate = 0;
    PhoneFamily m_family = PhoneFamily::Older;
    bool m_obexMode = false;
    ObexLeave m_leaveObex;
};

// Runs work on the open line for a C entry point: 1 when it succeeded; 0 when
// it failed, no line was open or anything was thrown.
inline unsigned char RunOnLine(const std::function<bool(CAtEngine &)> &work)
{
    return Guarded<unsigned char>(0, [&] { return static_cast<unsigned char>(CPhoneLine::Instance().Use(work)); });
}

} // namespace orrin::phone
