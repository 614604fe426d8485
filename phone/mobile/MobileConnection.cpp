// SPDX-License-Identifier: GPL-2.0-or-later
// Mobile: finding the phone, opening and closing the line.
#include "phone/line/Detection.h"
#include "phone/line/Guarded.h"
#include "phone/mobile/MobileSession.h"
#include "phone/PhoneApi.h"
#include "phone/line/PhoneLine.h"
#include "phone/line/PortNames.h"
#include "phone/line/TextFit.h"
#include "phone/line/Trace.h"

using namespace orrin::phone;

namespace {


// Detection opens devices of its own; it never runs beside an open line.
bool LineIsFree(const char *who)
{
    if (!CPhoneLine::Instance().IsOpen())
        return true;
    CTrace::Note(QString::fromLatin1(who), QStringLiteral("refused: the line is open"));
    return false;
}

} // namespace

extern "C" {

PHONE_EXPORT PhoneFlag MonitorPhone(char *port, int32_t *baudRate)
{
    return Guarded<PhoneFlag>(0, [&]() -> PhoneFlag {
        CTrace::Refresh();
        if (!port || !baudRate || !LineIsFree("detection"))
            return 0;
        const std::optional<DetectedPhone> phone = DetectPhone();
        if (!phone)
            return 0;
        FitText(phone->comName, port, MONITOR_PORT_SIZE);
        *baudRate = phone->baudRate;
        return 1;
    });
}

PHONE_EXPORT PhoneFlag MonitorComm(const char *port, int32_t baudRate)
{
    return Guarded<PhoneFlag>(0, [&]() -> PhoneFlag {
        CTrace::Refresh();
        if (!port || baudRate <= 0 || !LineIsFree(port))
            return 0;
        const QString name = QString::fromLocal8Bit(port);
        const QString device = ResolvePortName(name);
        return !device.isEmpty() && ProbeDevice(device, name, {baudRate}).result == ProbeResult::Siemens;
    });
}

PHONE_EXPORT PhoneFlag OpenComms(const char *port, int32_t baudRate)
{
    return Guarded<PhoneFlag>(0, [&]() -> PhoneFlag {
        if (!port || !CPhoneLine::Instance().Open(QString::fromLocal8Bit(port), baudRate))
            return 0;
        ForgetSession();
        return 1;
    });
}

PHONE_EXPORT PhoneFlag CloseComms(void)
{
    return Guarded<PhoneFlag>(0, [] {
        if (!CPhoneLine::Instance().Close())
            return PhoneFlag(0);
        ForgetSession();
        return PhoneFlag(1);
    });
}

} // extern "C"
