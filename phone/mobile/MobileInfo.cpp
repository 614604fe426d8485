// SPDX-License-Identifier: GPL-2.0-or-later
// Mobile: the phone's identity, its SIM card and its clock.
#include "phone/mobile/InfoReader.h"
#include "phone/mobile/MobileSession.h"
#include "phone/PhoneApi.h"
#include "phone/line/PhoneLine.h"
#include "phone/line/TextFit.h"

using namespace orrin::phone;

namespace {

struct TextBuffer {
    char *buffer;
    size_t size;
};

void Fill(std::initializer_list<std::pair<TextBuffer, QString>> fields)
{
    for (const auto &[target, text] : fields)
        FitText(text, target.buffer, target.size);
}

// Empties every buffer; false when any of them is missing.
bool Empty(std::initializer_list<TextBuffer> targets)
{
    bool all = true;
    for (const TextBuffer &target : targets) {
        FitText({}, target.buffer, target.size);
        all = all && target.buffer;
    }
    return all;
}

} // namespace

extern "C" {

PHONE_EXPORT PhoneFlag GetMobileInfo(char *manufacturer, char *model, char *revision, char *imei,
                                     char *battery, char *signal, char *ownNumber)
{
    const TextBuffer manufacturerBuffer{manufacturer, MOBILE_MANUFACTURER_SIZE},
        modelBuffer{model, MOBILE_MODEL_SIZE}, revisionBuffer{revision, MOBILE_REVISION_SIZE},
        imeiBuffer{imei, MOBILE_IMEI_SIZE}, batteryBuffer{battery, MOBILE_BATTERY_SIZE},
        signalBuffer{signal, MOBILE_SIGNAL_SIZE}, numberBuffer{ownNumber, MOBILE_OWN_NUMBER_SIZE};
    if (!Empty({manufacturerBuffer, modelBuffer, revisionBuffer, imeiBuffer, batteryBuffer, signalBuffer,
                numberBuffer}))
        return 0;
    return RunOnLine([&](CAtEngine &engine) {
        const std::optional<MobileInfo> info = ReadMobileInfo(engine);
        if (info) {
            Fill({{manufacturerBuffer, info->manufacturer}, {modelBuffer, info->model},
                  {revisionBuffer, info->revision}, {imeiBuffer, info->imei}, {batteryBuffer, info->battery},
                  {signalBuffer, info->signal}, {numberBuffer, info->ownNumber}});
        }
        return info.has_value();
    });
}

PHONE_EXPORT PhoneFlag GetSIMInfo(char *cardNumber, char *imsi, char *serviceCentre)
{
    const TextBuffer cardBuffer{cardNumber, SIM_CARD_NUMBER_SIZE}, imsiBuffer{imsi, SIM_IMSI_SIZE},
        centreBuffer{serviceCentre, SIM_SERVICE_CENTRE_SIZE};
    if (!Empty({cardBuffer, imsiBuffer, centreBuffer}))
        return 0;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        const std::optional<SimInfo> info = ReadSimInfo(engine, session.charset);
        if (info)
            Fill({{cardBuffer, info->cardNumber}, {imsiBuffer, info->imsi}, {centreBuffer, info->serviceCentre}});
        return info.has_value();
    });
}

PHONE_EXPORT PhoneFlag GetMETime(char *time)
{
    const TextBuffer timeBuffer{time, ME_TIME_SIZE};
    if (!Empty({timeBuffer}))
        return 0;
    return RunOnLine([&](CAtEngine &engine) {
        const std::optional<QString> clock = ReadClock(engine);
        if (clock)
            Fill({{timeBuffer, *clock}});
        return clock.has_value();
    });
}

PHONE_EXPORT PhoneFlag SetMETime(const char *time)
{
    return RunOnLine([&](CAtEngine &engine) { return time && WriteClock(engine, QString::fromLocal8Bit(time)); });
}

} // extern "C"
