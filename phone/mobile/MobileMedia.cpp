// SPDX-License-Identifier: GPL-2.0-or-later
// Mobile: the phone's pictures (main screen 0, screensaver 2) and ringtones
// (0 to 3) in its object memory.
#include "phone/mobile/MobileSession.h"
#include "phone/PhoneApi.h"

#include <cstring>

using namespace orrin::phone;

namespace {

// More blocks than any buffer of the program has.
constexpr int kMaxBlocks = 32;

const QByteArray kPictureType = "bmp";
const QByteArray kRingtoneType = "mid";

bool IsPictureNumber(int32_t number)
{
    return number == 0 || number == 2;
}

bool IsRingtoneNumber(int32_t number)
{
    return number >= 0 && number <= 3;
}

bool InPhoneRange(CAtEngine &engine, CMobileSession &session, const QByteArray &type, int32_t number)
{
    const std::optional<ObjectRange> range = session.objects.Range(engine, type);
    return range && range->Contains(number);
}

// The whole object into the caller's buffer, or a failure; never a cut object.
PhoneFlag ReadMedia(const QByteArray &type, int32_t number, uint8_t *data, int32_t blocks, int32_t *length)
{
    if (length)
        *length = 0;
    if (!data || !length || blocks < 1 || blocks > kMaxBlocks)
        return 0;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        if (!InPhoneRange(engine, session, type, number))
            return 0;
        const ObjectRead read = session.objects.Read(engine, type, number, blocks * MEDIA_BLOCK_SIZE);
        if (read.status != ObjectStatus::Found)
            return 0;
        std::memcpy(data, read.data.constData(), size_t(read.data.size()));
        *length = int32_t(read.data.size());
        return 1;
    });
}

PhoneFlag WriteMedia(const QByteArray &type, int32_t number, const uint8_t *data, int32_t length)
{
    if (!data || length < 1 || length > kMaxBlocks * MEDIA_BLOCK_SIZE)
        return 0;
    const QByteArray object(reinterpret_cast<const char *>(data), length);
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return InPhoneRange(engine, session, type, number) && session.objects.Write(engine, type, number, object);
    });
}

PhoneFlag ClearMedia(const QByteArray &type, int32_t number)
{
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return InPhoneRange(engine, session, type, number) && session.objects.Delete(engine, type, number);
    });
}

} // namespace

extern "C" {

PHONE_EXPORT PhoneFlag GetPicture(int32_t number, uint8_t *data, int32_t blocks, int32_t *length)
{
    if (!IsPictureNumber(number)) {
        if (length)
            *length = 0;
        return 0;
    }
    return ReadMedia(kPictureType, number, data, blocks, length);
}

PHONE_EXPORT PhoneFlag SetPicture(int32_t number, const uint8_t *data, int32_t length)
{
    return IsPictureNumber(number) ? WriteMedia(kPictureType, number, data, length) : PhoneFlag(0);
}

PHONE_EXPORT PhoneFlag ClearPicture(int32_t number)
{
    return IsPictureNumber(number) ? ClearMedia(kPictureType, number) : PhoneFlag(0);
}

PHONE_EXPORT PhoneFlag GetRingTone(int32_t number, uint8_t *data, int32_t blocks, int32_t *length)
{
    if (!IsRingtoneNumber(number)) {
        if (length)
            *length = 0;
        return 0;
    }
    return ReadMedia(kRingtoneType, number, data, blocks, length);
}

PHONE_EXPORT PhoneFlag SetRingTone(int32_t number, const uint8_t *data, int32_t length)
{
    return IsRingtoneNumber(number) ? WriteMedia(kRingtoneType, number, data, length) : PhoneFlag(0);
}

PHONE_EXPORT PhoneFlag ClearRingTone(int32_t number)
{
    return IsRingtoneNumber(number) ? ClearMedia(kRingtoneType, number) : PhoneFlag(0);
}

} // extern "C"
