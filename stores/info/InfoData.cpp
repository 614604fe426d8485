// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/info/InfoData.h"

#include "link/Messages.h"
#include "link/SharedState.h"

namespace orrin {
namespace {

// Sizes of the module's buffers, by field.
constexpr int kBufferSizes[kInfoFieldCount] = {
    MOBILE_MANUFACTURER_SIZE, MOBILE_MODEL_SIZE, MOBILE_REVISION_SIZE, MOBILE_IMEI_SIZE, MOBILE_BATTERY_SIZE,
    MOBILE_SIGNAL_SIZE, MOBILE_OWN_NUMBER_SIZE, SIM_CARD_NUMBER_SIZE, SIM_IMSI_SIZE, SIM_SERVICE_CENTRE_SIZE,
    ME_TIME_SIZE};

// A zero-filled buffer for one field; its text is taken up to the first zero.
template <int Field>
struct InfoBuffer {
    char bytes[kBufferSizes[Field]] = {};
    QString Text() const { return QString::fromLocal8Bit(bytes, qsizetype(strnlen(bytes, sizeof bytes))); }
};

} // namespace

CInfoData::CInfoData()
{
    ORRIN_FETCH_MOBILE(GetSIMInfo);
    ORRIN_FETCH_MOBILE(GetMETime);
    ORRIN_FETCH_MOBILE(SetMETime);
}

int CInfoData::ReadPhoneInfo()
{
    if (!g_bConnected.load())
        return 0;
    InfoBuffer<kManufacturer> manufacturer;
    InfoBuffer<kModel> model;
    InfoBuffer<kSoftwareVersion> version;
    InfoBuffer<kImei> imei;
    InfoBuffer<kBattery> battery;
    InfoBuffer<kSignal> signal;
    InfoBuffer<kOwnNumber> ownNumber;
    if (!CallEntry(m_pGetMobileInfo, manufacturer.bytes, model.bytes, version.bytes, imei.bytes, battery.bytes,
                   signal.bytes, ownNumber.bytes)) {
        g_strLastError.Set(tr("Unable to read phone information!"));
        return 0;
    }
    m_texts[kManufacturer] = manufacturer.Text();
    m_texts[kModel] = model.Text();
    m_texts[kSoftwareVersion] = version.Text();
    m_texts[kImei] = imei.Text();
    m_texts[kBattery] = battery.Text();
    m_texts[kSignal] = signal.Text();
    m_texts[kOwnNumber] = ownNumber.Text();
    return 1;
}

int CInfoData::ReadSimInfo()
{
    if (!g_bConnected.load())
        return 0;
    InfoBuffer<kCardNumber> card;
    InfoBuffer<kImsi> imsi;
    InfoBuffer<kServiceCenter> centre;
    if (!CallEntry(m_pGetSIMInfo, card.bytes, imsi.bytes, centre.bytes)) {
        g_strLastError.Set(tr("Unable to read SIM card information!"));
        return 0;
    }
    m_texts[kCardNumber] = card.Text();
    m_texts[kImsi] = imsi.Text();
    m_texts[kServiceCenter] = centre.Text();
    return 1;
}

int CInfoData::ReadPhoneTime()
{
    if (!g_bConnected.load())
        return 0;
    InfoBuffer<kPhoneTime> time;
    if (!CallEntry(m_pGetMETime, time.bytes)) {
        g_strLastError.Set(tr("Unable to read time information!"));
        return 0;
    }
    m_texts[kPhoneTime] = time.Text();
    return 1;
}

int CInfoData::SetPhoneTime()
{
    if (!g_bConnected.load())
        return 0;
    if (!CallEntry(m_pSetMETime, m_strTimeToSet.toLocal8Bit().constData())) {
        g_strLastError.Set(tr("Unable to set time to phone!"));
        return 0;
    }
    return 1;
}

void CInfoData::RunOperation(QObject *view, int code)
{
    int result = 0;
    switch (code) {
    case kInfoReadPhone: result = ReadPhoneInfo(); break;
    case kInfoReadSim: result = ReadSimInfo(); break;
    case kInfoReadPhoneAndSim: result = ReadPhoneInfo() && ReadSimInfo(); break;
    case kInfoReadTime: result = ReadPhoneTime(); break;
    case kInfoSyncTime: result = ReadPhoneTime() && SetPhoneTime(); break;
    default: return;
    }
    EndOperation(view, WM_INFO_DONE, result);
}

CInfoData &TheInfoData()
{
    static CInfoData data;
    return data;
}

} // namespace orrin
