// Mobile: the entry points of the address books, calendar, pictures and
// ringtones. They exist so that the program finds every name, and they answer
// failure (or a count of 0) until they are built.
#include "PhoneApi.h"

extern "C" {

PHONE_EXPORT int32_t GetAddressBookNum(void) { return 0; }
PHONE_EXPORT PhoneFlag GetVCF(AddrbookRecord *, int32_t) { return 0; }
PHONE_EXPORT PhoneFlag ClearVCF(int32_t) { return 0; }
PHONE_EXPORT PhoneFlag SetVCF(const AddrbookRecord *, int32_t) { return 0; }
PHONE_EXPORT PhoneFlag GetVCF_S57(S57AddrbookRecord *, int32_t) { return 0; }
PHONE_EXPORT PhoneFlag ClearVCF_S57(int32_t) { return 0; }
PHONE_EXPORT PhoneFlag SetVCF_S57(const S57AddrbookRecord *, int32_t) { return 0; }
PHONE_EXPORT int32_t GetAdrCaleSpace(int32_t) { return 0; }
PHONE_EXPORT PhoneFlag GetVCS(CalendarRecord *, int32_t) { return 0; }
PHONE_EXPORT PhoneFlag SetVCS(const CalendarRecord *, int32_t) { return 0; }
PHONE_EXPORT PhoneFlag ClearVCS(int32_t) { return 0; }

PHONE_EXPORT PhoneFlag GetPicture(int32_t, uint8_t *, int32_t, int32_t *) { return 0; }
PHONE_EXPORT PhoneFlag SetPicture(int32_t, const uint8_t *, int32_t) { return 0; }
PHONE_EXPORT PhoneFlag ClearPicture(int32_t) { return 0; }
PHONE_EXPORT PhoneFlag GetRingTone(int32_t, uint8_t *, int32_t, int32_t *) { return 0; }
PHONE_EXPORT PhoneFlag SetRingTone(int32_t, const uint8_t *, int32_t) { return 0; }
PHONE_EXPORT PhoneFlag ClearRingTone(int32_t) { return 0; }

} // extern "C"
