// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Finding a Siemens phone: which devices are tried, and the probe of one
// device at the five baud rates.
//
// Devices tried, in order, each once: the targets of the ports/COM1 ..
// ports/COM15 links, then the machine's serial ports. The machine's ports are
// /dev/ttyS0 .. /dev/ttyS14 and whatever /dev/ttyUSB*, /dev/ttyACM*,
// /dev/rfcomm* and /dev/ircomm* name. The environment variable
// ORRIN_SERIAL_DEVICES, when set, replaces that list: entries separated by
// ':', each a device path or a pattern with * ? or [ ]; set but empty means no
// machine ports at all (tests use it). A device that a pattern finds is never
// tried when it is a pseudo-terminal: detection does not type AT into
// somebody's terminal. Named devices and ports/ links are tried as given.

#include "phone/line/LineExport.h"

#include <QList>
#include <QString>

#include <optional>

namespace orrin::phone {

inline constexpr int kDetectionBaudRates[] = {115200, 57600, 38400, 19200, 9600};

struct DetectionCandidate {
    QString device;
    QString label;  // "COM7" for a ports/ link, else the device path
};

PHONELINE_API QList<DetectionCandidate> DetectionCandidates();

// A device found by a pattern that is a pseudo-terminal.
PHONELINE_API bool IsPseudoTerminal(const QString &device);

enum class ProbeResult { Siemens, NotSiemens, NoAnswer, CannotOpen };

struct ProbeOutcome {
    ProbeResult result = ProbeResult::NoAnswer;
    int baudRate = 0;  // the rate a Siemens phone answered at
};

// Tries the device at the given rates in order, until a Siemens phone answers
// or something else does.
PHONELINE_API ProbeOutcome ProbeDevice(const QString &device, const QString &label, const QList<int> &baudRates);

struct DetectedPhone {
    QString comName;
    int baudRate = 0;
};

// Tries every candidate; a phone on a device no COM name reaches gets the
// first free ports/COMn link.
PHONELINE_API std::optional<DetectedPhone> DetectPhone();

} // namespace orrin::phone
