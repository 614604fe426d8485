// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a port name stands for. The program names ports "COM1" to "COM15".
// On POSIX systems "COMn" is the link ports/COMn in the current folder (the
// folder of setting.ini) when that link exists, /dev/ttyS(n-1) otherwise;
// any other name is a device path as it stands.

#include "phone/line/LineExport.h"

#include <QString>

namespace orrin::phone {

constexpr int kComNameCount = 15;

// 7 for "COM7" (any case); 0 when the text is no COM name.
PHONELINE_API int ComNumber(const QString &name);
PHONELINE_API QString ComName(int number);

// The device a port name stands for; empty when its ports/ link leads nowhere.
PHONELINE_API QString ResolvePortName(const QString &name);

// ports/COMn relative to the current folder.
PHONELINE_API QString ComLinkPath(int number);
// An entry ports/COMn exists, even a link that leads nowhere.
PHONELINE_API bool ComLinkExists(int number);

// The first COM name that reaches the device, or an empty text.
PHONELINE_API QString ComNameReaching(const QString &device);
// Makes the first free ports/COMn link to the device and returns its name;
// empty when every COM name is taken or the link cannot be made.
PHONELINE_API QString MakeComLink(const QString &device);

// The device with links followed, for comparing two names of one device.
PHONELINE_API QString CanonicalDevice(const QString &path);

} // namespace orrin::phone
