// SPDX-License-Identifier: GPL-2.0-or-later
// Test double of the Mobile module: records each call and answers as scripted.
#include "tests/doubles/DoubleHelpers.h"

using namespace doubles;

extern "C" {

PHONE_EXPORT PhoneFlag MonitorPhone(char *port, int32_t *baudRate)
{
    const Reply r = Answer("MonitorPhone", {});
    FillText(r, 0, port, MONITOR_PORT_SIZE);
    FillNumber(r, 0, baudRate);
    return Flag(r);
}

PHONE_EXPORT PhoneFlag MonitorComm(const char *port, int32_t baudRate)
{
    return Flag(Answer("MonitorComm", {Arg(port), Arg(baudRate)}));
}

PHONE_EXPORT PhoneFlag OpenComms(const char *port, int32_t baudRate)
{
    return Flag(Answer("OpenComms", {Arg(port), Arg(baudRate)}));
}

PHONE_EXPORT PhoneFlag CloseComms(void) { return Flag(Answer("CloseComms", {})); }

PHONE_EXPORT PhoneFlag GetMobileInfo(char *manufacturer, char *model, char *revision, char *imei,
                                     char *battery, char *signal, char *ownNumber)
{
    const Reply r = Answer("GetMobileInfo", {});
    FillText(r, 0, manufacturer, MOBILE_MANUFACTURER_SIZE);
    FillText(r, 1, model, MOBILE_MODEL_SIZE);
    FillText(r, 2, revision, MOBILE_REVISION_SIZE);
    FillText(r, 3, imei, MOBILE_IMEI_SIZE);
    FillText(r, 4, battery, MOBILE_BATTERY_SIZE);
    FillText(r, 5, signal, MOBILE_SIGNAL_SIZE);
    FillText(r, 6, ownNumber, MOBILE_OWN_NUMBER_SIZE);
    return Flag(r);
}

PHONE_EXPORT PhoneFlag GetSIMInfo(char *cardNumber, char *imsi, char *serviceCentre)
{
    const Reply r = Answer("GetSIMInfo", {});
    FillText(r, 0, cardNumber, SIM_CARD_NUMBER_SIZE);
    FillText(r, 1, imsi, SIM_IMSI_SIZE);
    FillText(r, 2, serviceCentre, SIM_SERVICE_CENTRE_SIZE);
    return Flag(r);
}

PHONE_EXPORT PhoneFlag GetMETime(char *time)
{
    const Reply r = Answer("GetMETime", {});
    FillText(r, 0, time, ME_TIME_SIZE);
    return Flag(r);
}

PHONE_EXPORT PhoneFlag SetMETime(const char *time) { return Flag(Answer("SetMETime", {Arg(time)})); }

PHONE_EXPORT PhoneFlag SetMobileEncodeFormat(const char *charset)
{
    return Flag(Answer("SetMobileEncodeFormat", {Arg(charset)}));
}

PHONE_EXPORT int32_t SetTeleBookMemo(const char *memory) { return Count(Answer("SetTeleBookMemo", {Arg(memory)})); }
PHONE_EXPORT int32_t GetTeleBookNum(void) { return Count(Answer("GetTeleBookNum", {})); }

PHONE_EXPORT int32_t ReadTeleBook(int32_t location, char *number, char *name, int32_t *vip)
{
    const Reply r = Answer("ReadTeleBook", {Arg(location)});
    FillText(r, 0, number, TELEBOOK_NUMBER_SIZE);
    FillText(r, 1, name, TELEBOOK_NAME_SIZE);
    FillNumber(r, 0, vip);
    // A failed read of the memory (-1) is told from an empty location (0).
    return Count(r);
}

PHONE_EXPORT PhoneFlag WriteTeleBook(const char *number, const char *name, int32_t vip)
{
    return Flag(Answer("WriteTeleBook", {Arg(number), Arg(name), Arg(vip)}));
}

PHONE_EXPORT PhoneFlag ModifyTeleBook(int32_t location, const char *number, const char *name, int32_t vip)
{
    return Flag(Answer("ModifyTeleBook", {Arg(location), Arg(number), Arg(name), Arg(vip)}));
}

PHONE_EXPORT PhoneFlag DeleteTeleBook(int32_t location) { return Flag(Answer("DeleteTeleBook", {Arg(location)})); }

PHONE_EXPORT int32_t SetSMSMemoGetSMSNum(const char *memory)
{
    return Count(Answer("SetSMSMemoGetSMSNum", {Arg(memory)}));
}

PHONE_EXPORT int32_t GetSMSSpace(const char *memory) { return Count(Answer("GetSMSSpace", {Arg(memory)})); }

PHONE_EXPORT PhoneFlag ListShortMessage(SmsRecord *records, int32_t count)
{
    const Reply r = Answer("ListShortMessage", {Arg(count)});
    if (count > 0)
        FillBytes(r, records, sizeof(SmsRecord) * size_t(count));
    return Flag(r);
}

PHONE_EXPORT PhoneFlag GetShortMessage(int32_t location, SmsRecord *record)
{
    const Reply r = Answer("GetShortMessage", {Arg(location)});
    FillBytes(r, record, sizeof(SmsRecord));
    return Flag(r);
}

PHONE_EXPORT int32_t SaveShortMessage(const char *content, const char *number, PhoneFlag report,
                                      int32_t validity, PhoneFlag handfree, int32_t status)
{
    return Count(Answer("SaveShortMessage",
                        {Arg(content), Arg(number), Arg(report), Arg(validity), Arg(handfree), Arg(status)}));
}

PHONE_EXPORT PhoneFlag SendShortMessage(const char *content, const char *number, PhoneFlag report,
                                        int32_t validity, PhoneFlag handfree)
{
    return Flag(Answer("SendShortMessage", {Arg(content), Arg(number), Arg(report), Arg(validity), Arg(handfree)}));
}

PHONE_EXPORT PhoneFlag SendUnSent(int32_t location) { return Flag(Answer("SendUnSent", {Arg(location)})); }
PHONE_EXPORT PhoneFlag DeleteShortMessage(int32_t location)
{
    return Flag(Answer("DeleteShortMessage", {Arg(location)}));
}

PHONE_EXPORT int32_t GetAddressBookNum(void) { return Count(Answer("GetAddressBookNum", {})); }

PHONE_EXPORT PhoneFlag GetVCF(AddrbookRecord *record, int32_t slot)
{
    const Reply r = Answer("GetVCF", {Arg(slot)});
    FillBytes(r, record, sizeof(AddrbookRecord));
    return Flag(r);
}

PHONE_EXPORT PhoneFlag ClearVCF(int32_t slot) { return Flag(Answer("ClearVCF", {Arg(slot)})); }

PHONE_EXPORT PhoneFlag SetVCF(const AddrbookRecord *record, int32_t slot)
{
    return Flag(Answer("SetVCF", {Arg(slot)}, RecordBytes(record)));
}

PHONE_EXPORT PhoneFlag GetVCF_S57(S57AddrbookRecord *record, int32_t slot)
{
    const Reply r = Answer("GetVCF_S57", {Arg(slot)});
    FillBytes(r, record, sizeof(S57AddrbookRecord));
    return Flag(r);
}

PHONE_EXPORT PhoneFlag ClearVCF_S57(int32_t slot) { return Flag(Answer("ClearVCF_S57", {Arg(slot)})); }

PHONE_EXPORT PhoneFlag SetVCF_S57(const S57AddrbookRecord *record, int32_t slot)
{
    return Flag(Answer("SetVCF_S57", {Arg(slot)}, RecordBytes(record)));
}

PHONE_EXPORT int32_t GetAdrCaleSpace(int32_t selector) { return Count(Answer("GetAdrCaleSpace", {Arg(selector)})); }

PHONE_EXPORT PhoneFlag GetVCS(CalendarRecord *record, int32_t entry)
{
    const Reply r = Answer("GetVCS", {Arg(entry)});
    FillBytes(r, record, sizeof(CalendarRecord));
    return Flag(r);
}

PHONE_EXPORT PhoneFlag SetVCS(const CalendarRecord *record, int32_t entry)
{
    return Flag(Answer("SetVCS", {Arg(entry)}, RecordBytes(record)));
}

PHONE_EXPORT PhoneFlag ClearVCS(int32_t entry) { return Flag(Answer("ClearVCS", {Arg(entry)})); }

static PhoneFlag GetMedia(const char *entry, int32_t number, uint8_t *data, int32_t blocks, int32_t *length)
{
    const Reply r = Answer(entry, {Arg(number), Arg(blocks)});
    if (blocks > 0)
        FillBytes(r, data, MEDIA_BLOCK_SIZE * size_t(blocks));
    if (length)
        *length = int32_t(std::min<qsizetype>(r.bytes.size(), qsizetype(MEDIA_BLOCK_SIZE) * std::max(blocks, 0)));
    // A scripted number is the length a faulty module would report.
    FillNumber(r, 0, length);
    return Flag(r);
}

static PhoneFlag SetMedia(const char *entry, int32_t number, const uint8_t *data, int32_t length)
{
    const QByteArray bytes = data && length > 0 ? QByteArray(reinterpret_cast<const char *>(data), length) : QByteArray();
    return Flag(Answer(entry, {Arg(number), Arg(length)}, bytes));
}

PHONE_EXPORT PhoneFlag GetPicture(int32_t number, uint8_t *data, int32_t blocks, int32_t *length)
{
    return GetMedia("GetPicture", number, data, blocks, length);
}

PHONE_EXPORT PhoneFlag SetPicture(int32_t number, const uint8_t *data, int32_t length)
{
    return SetMedia("SetPicture", number, data, length);
}

PHONE_EXPORT PhoneFlag ClearPicture(int32_t number) { return Flag(Answer("ClearPicture", {Arg(number)})); }

PHONE_EXPORT PhoneFlag GetRingTone(int32_t number, uint8_t *data, int32_t blocks, int32_t *length)
{
    return GetMedia("GetRingTone", number, data, blocks, length);
}

PHONE_EXPORT PhoneFlag SetRingTone(int32_t number, const uint8_t *data, int32_t length)
{
    return SetMedia("SetRingTone", number, data, length);
}

PHONE_EXPORT PhoneFlag ClearRingTone(int32_t number) { return Flag(Answer("ClearRingTone", {Arg(number)})); }

} // extern "C"
