// SPDX-License-Identifier: GPL-2.0-or-later
/*
 * The C contract of the two phone modules, Mobile and OBEX.
 *
 * The program never links the modules: it loads them by name at run time and
 * fetches each entry point by its exported name, so another implementation
 * can be dropped in beside the executable. Both the program and the modules
 * include this header; phone/README.md describes every call in words.
 *
 * Texts are zero-terminated 8-bit strings in the system encoding; buffers are
 * owned by the caller. A "flag" result is a byte, nonzero = success. Counts
 * and capacities are signed 32-bit integers; 0 or less means none.
 */
#ifndef ORRIN_PHONE_API_H
#define ORRIN_PHONE_API_H

#include <stddef.h>
#include <stdint.h>

#if defined(ORRIN_BUILDING_PHONE_MODULE)
#  if defined(_WIN32)
#    define PHONE_EXPORT __declspec(dllexport)
#  else
#    define PHONE_EXPORT __attribute__((visibility("default")))
#  endif
#else
#  define PHONE_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef unsigned char PhoneFlag;

/* The phone families, as SetMobileType takes them. */
enum PhoneFamilyCode { PHONE_FAMILY_OLDER = 1, PHONE_FAMILY_NEWER = 2 };

/* ---- Sizes of the caller's buffers and of the record fields, in bytes with the terminator ---- */

enum PhoneBufferSize {
    MONITOR_PORT_SIZE = 16,         /* MonitorPhone */
    MOBILE_MANUFACTURER_SIZE = 20,  /* GetMobileInfo */
    MOBILE_MODEL_SIZE = 20,
    MOBILE_REVISION_SIZE = 40,
    MOBILE_IMEI_SIZE = 20,
    MOBILE_BATTERY_SIZE = 5,
    MOBILE_SIGNAL_SIZE = 5,
    MOBILE_OWN_NUMBER_SIZE = 20,
    SIM_CARD_NUMBER_SIZE = 25,      /* GetSIMInfo */
    SIM_IMSI_SIZE = 20,
    SIM_SERVICE_CENTRE_SIZE = 20,
    ME_TIME_SIZE = 20,              /* GetMETime */
    TELEBOOK_NUMBER_SIZE = 20,      /* ReadTeleBook and TelebookRecord */
    TELEBOOK_NAME_SIZE = 16,
    SMS_NUMBER_SIZE = 20,
    SMS_TIME_SIZE = 20,
    SMS_CONTENT_SIZE = 171,
    ADDRBOOK_RESERVED_SIZE = 16,    /* AddrbookRecord and S57AddrbookRecord */
    ADDRBOOK_NAME_SIZE = 50,
    ADDRBOOK_STREET_SIZE = 82,
    ADDRBOOK_CITY_SIZE = 34,
    ADDRBOOK_POST_CODE_SIZE = 9,
    ADDRBOOK_COUNTRY_SIZE = 34,
    ADDRBOOK_COMPANY_SIZE = 34,
    ADDRBOOK_PHONE_SIZE = 21,       /* home, office, mobile and fax numbers */
    ADDRBOOK_EMAIL_SIZE = 41,
    ADDRBOOK_URL_SIZE = 68,
    S57_ADDRBOOK_GROUP_SIZE = 12,
    S57_ADDRBOOK_URL_SIZE = 65,
    S57_ADDRBOOK_BIRTHDAY_SIZE = 13,
    CALENDAR_HEADING_SIZE = 10,
    CALENDAR_SUMMARY_SIZE = 98,
    CALENDAR_DETAILS_SIZE = 84,
    FOLDER_ENTRY_NAME_SIZE = 284,
    MEDIA_BLOCK_SIZE = 1440         /* GetPicture and GetRingTone take buffers of whole blocks */
};

/* ---- Records, the same in memory, in the modules' buffers and in the local files ---- */

#pragma pack(push, 1)

typedef struct TelebookRecord {
    int32_t location;  /* 1-based location in the phone or SIM memory */
    char number[TELEBOOK_NUMBER_SIZE];
    char name[TELEBOOK_NAME_SIZE];
    int32_t vip;       /* 1 = VIP entry */
} TelebookRecord;

typedef struct SmsRecord {
    int32_t location;  /* place in the memory; 0 = never saved to the phone */
    int32_t status;    /* 0 Unread, 1 Read, 2 Unsent, 3 Sent */
    char number[SMS_NUMBER_SIZE];
    char time[SMS_TIME_SIZE];     /* yyMMddhhmmss for received messages */
    uint8_t report;    /* 1 = status report asked for */
    uint8_t padding[3];
    int32_t validity;  /* 0 5 min, 1 1 h, 2 12 h, 3 24 h, 4 1 week, 5 max */
    uint8_t handfree;  /* 1 = shown at once on the receiving phone (class 0) */
    char content[SMS_CONTENT_SIZE];
} SmsRecord;

typedef struct AddrbookRecord {
    int32_t index;     /* phone slot the entry was read from */
    uint8_t reserved[ADDRBOOK_RESERVED_SIZE];
    int32_t vip;
    char name[ADDRBOOK_NAME_SIZE];
    char street[ADDRBOOK_STREET_SIZE];
    char city[ADDRBOOK_CITY_SIZE];
    char postCode[ADDRBOOK_POST_CODE_SIZE];
    char country[ADDRBOOK_COUNTRY_SIZE];
    char company[ADDRBOOK_COMPANY_SIZE];
    char home[ADDRBOOK_PHONE_SIZE];
    char office[ADDRBOOK_PHONE_SIZE];
    char mobile[ADDRBOOK_PHONE_SIZE];
    char fax[ADDRBOOK_PHONE_SIZE];
    char email[ADDRBOOK_EMAIL_SIZE];
    char url[ADDRBOOK_URL_SIZE];
} AddrbookRecord;

typedef struct S57AddrbookRecord {
    int32_t index;     /* position in the name-sorted phone list */
    uint8_t reserved[ADDRBOOK_RESERVED_SIZE];
    char group[S57_ADDRBOOK_GROUP_SIZE];
    char name[ADDRBOOK_NAME_SIZE];
    char street[ADDRBOOK_STREET_SIZE];
    char city[ADDRBOOK_CITY_SIZE];
    char postCode[ADDRBOOK_POST_CODE_SIZE];
    char country[ADDRBOOK_COUNTRY_SIZE];
    char company[ADDRBOOK_COMPANY_SIZE];
    char home[ADDRBOOK_PHONE_SIZE];
    char office[ADDRBOOK_PHONE_SIZE];
    char mobile[ADDRBOOK_PHONE_SIZE];
    char fax[ADDRBOOK_PHONE_SIZE];
    char fax2[ADDRBOOK_PHONE_SIZE];
    char email[ADDRBOOK_EMAIL_SIZE];
    char email2[ADDRBOOK_EMAIL_SIZE];
    char url[S57_ADDRBOOK_URL_SIZE];
    char birthday[S57_ADDRBOOK_BIRTHDAY_SIZE]; /* yyyymmdd or empty */
} S57AddrbookRecord;

typedef struct CalendarRecord {
    int32_t index;     /* entry number in the phone, set by the module */
    char heading[CALENDAR_HEADING_SIZE];
    char summary[CALENDAR_SUMMARY_SIZE];
    char details[CALENDAR_DETAILS_SIZE];
} CalendarRecord;

typedef struct FolderEntry {
    char name[FOLDER_ENTRY_NAME_SIZE];
    uint8_t kind;      /* 0 = file; anything else is not replaced */
    uint8_t unused[3];
} FolderEntry;

#pragma pack(pop)

/* ---- Mobile: connection ---- */

/* Searches the ports for a phone. port receives the COM name (MONITOR_PORT_SIZE), baudRate the rate. */
PHONE_EXPORT PhoneFlag MonitorPhone(char *port, int32_t *baudRate);
/* Answers whether a Siemens phone answers on the given port at the given rate. */
PHONE_EXPORT PhoneFlag MonitorComm(const char *port, int32_t baudRate);
PHONE_EXPORT PhoneFlag OpenComms(const char *port, int32_t baudRate);
PHONE_EXPORT PhoneFlag CloseComms(void);

/* ---- Mobile: identity, SIM, clock ---- */

/* Buffers of the MOBILE_..._SIZE sizes, in this order. */
PHONE_EXPORT PhoneFlag GetMobileInfo(char *manufacturer, char *model, char *revision, char *imei,
                                     char *battery, char *signal, char *ownNumber);
/* Buffers of the SIM_..._SIZE sizes, in this order; the service centre without "+". */
PHONE_EXPORT PhoneFlag GetSIMInfo(char *cardNumber, char *imsi, char *serviceCentre);
/* A buffer of ME_TIME_SIZE receiving "yy/MM/dd,hh:mm:ss". */
PHONE_EXPORT PhoneFlag GetMETime(char *time);
PHONE_EXPORT PhoneFlag SetMETime(const char *time);

/* ---- Mobile: phone book ---- */

PHONE_EXPORT PhoneFlag SetMobileEncodeFormat(const char *charset);
/* Selects "ME" or "SM"; returns the number of used entries. */
PHONE_EXPORT int32_t SetTeleBookMemo(const char *memory);
/* Capacity of the selected memory. */
PHONE_EXPORT int32_t GetTeleBookNum(void);
/* Buffers of TELEBOOK_NUMBER_SIZE and TELEBOOK_NAME_SIZE. 1 = an entry, 0 = an empty location,
   -1 = the memory could not be read (no selection, the phone refused or said nothing). */
PHONE_EXPORT int32_t ReadTeleBook(int32_t location, char *number, char *name, int32_t *vip);
/* Writes into the first free location. */
PHONE_EXPORT PhoneFlag WriteTeleBook(const char *number, const char *name, int32_t vip);
PHONE_EXPORT PhoneFlag ModifyTeleBook(int32_t location, const char *number, const char *name, int32_t vip);
PHONE_EXPORT PhoneFlag DeleteTeleBook(int32_t location);

/* ---- Mobile: short messages ---- */

/* Selects "ME" or "SM"; returns the number of messages in it. */
PHONE_EXPORT int32_t SetSMSMemoGetSMSNum(const char *memory);
PHONE_EXPORT int32_t GetSMSSpace(const char *memory);
/* Fills count zero-filled records with the messages of the selected memory. */
PHONE_EXPORT PhoneFlag ListShortMessage(SmsRecord *records, int32_t count);
/* Reads the message at location of the selected memory. */
PHONE_EXPORT PhoneFlag GetShortMessage(int32_t location, SmsRecord *record);
/* Returns the new location; 0 = no space; -1 = the write failed. */
PHONE_EXPORT int32_t SaveShortMessage(const char *content, const char *number, PhoneFlag report,
                                      int32_t validity, PhoneFlag handfree, int32_t status);
PHONE_EXPORT PhoneFlag SendShortMessage(const char *content, const char *number, PhoneFlag report,
                                        int32_t validity, PhoneFlag handfree);
/* Sends the stored message at location of the selected memory. */
PHONE_EXPORT PhoneFlag SendUnSent(int32_t location);
PHONE_EXPORT PhoneFlag DeleteShortMessage(int32_t location);

/* ---- Mobile: address books and calendar ---- */

PHONE_EXPORT int32_t GetAddressBookNum(void);
PHONE_EXPORT PhoneFlag GetVCF(AddrbookRecord *record, int32_t slot);
PHONE_EXPORT PhoneFlag ClearVCF(int32_t slot);
PHONE_EXPORT PhoneFlag SetVCF(const AddrbookRecord *record, int32_t slot);
PHONE_EXPORT PhoneFlag GetVCF_S57(S57AddrbookRecord *record, int32_t slot);
PHONE_EXPORT PhoneFlag ClearVCF_S57(int32_t slot);
PHONE_EXPORT PhoneFlag SetVCF_S57(const S57AddrbookRecord *record, int32_t slot);
/* Selector 1: highest calendar entry number; selector 0: number of entry slots. */
PHONE_EXPORT int32_t GetAdrCaleSpace(int32_t selector);
PHONE_EXPORT PhoneFlag GetVCS(CalendarRecord *record, int32_t entry);
PHONE_EXPORT PhoneFlag SetVCS(const CalendarRecord *record, int32_t entry);
PHONE_EXPORT PhoneFlag ClearVCS(int32_t entry);

/* ---- Mobile: phone pictures (numbers 0 and 2) and ringtones (numbers 0 to 3) ---- */

/* data holds blocks x MEDIA_BLOCK_SIZE bytes; length receives the picture's size. */
PHONE_EXPORT PhoneFlag GetPicture(int32_t number, uint8_t *data, int32_t blocks, int32_t *length);
PHONE_EXPORT PhoneFlag SetPicture(int32_t number, const uint8_t *data, int32_t length);
PHONE_EXPORT PhoneFlag ClearPicture(int32_t number);
PHONE_EXPORT PhoneFlag GetRingTone(int32_t number, uint8_t *data, int32_t blocks, int32_t *length);
PHONE_EXPORT PhoneFlag SetRingTone(int32_t number, const uint8_t *data, int32_t length);
PHONE_EXPORT PhoneFlag ClearRingTone(int32_t number);

/* ---- OBEX: family, link, folders ---- */

/* PHONE_FAMILY_NEWER for the S55, S56 and S57 types, PHONE_FAMILY_OLDER for every other type. */
PHONE_EXPORT PhoneFlag SetMobileType(int32_t family);
PHONE_EXPORT PhoneFlag IrdaConnect(void);
PHONE_EXPORT PhoneFlag ObexConnect(void);
PHONE_EXPORT PhoneFlag IrdaClose(void);
PHONE_EXPORT PhoneFlag GetRoot(void);
PHONE_EXPORT PhoneFlag GetChild(const char *folder);
/* Number of entries in the current folder, which must be the folder named. */
PHONE_EXPORT int32_t GetFolderFileNum(const char *folder);
/* Fills as many entries as the last GetFolderFileNum reported. */
PHONE_EXPORT PhoneFlag ListingCurrentFolder(FolderEntry *entries);
PHONE_EXPORT PhoneFlag DeleteFolderFile(const FolderEntry *entry);
/* Copies the local file into the current folder under its bare name. */
PHONE_EXPORT PhoneFlag SendFile(const char *path);

#ifdef __cplusplus
} /* extern "C" */

namespace orrin {

// The phone family, one value for the program and the modules.
enum class PhoneFamily : int32_t { Older = PHONE_FAMILY_OLDER, Newer = PHONE_FAMILY_NEWER };

// The family a SetMobileType value names; anything but the newer value is the older family.
constexpr PhoneFamily PhoneFamilyOfCode(int32_t code)
{
    return code == PHONE_FAMILY_NEWER ? PhoneFamily::Newer : PhoneFamily::Older;
}

} // namespace orrin

/* The record layouts are a file format and a binary contract: pin them. */
static_assert(sizeof(TelebookRecord) == 44);
static_assert(offsetof(TelebookRecord, number) == 4 && offsetof(TelebookRecord, name) == 24 &&
              offsetof(TelebookRecord, vip) == 40);
static_assert(sizeof(SmsRecord) == 228);
static_assert(offsetof(SmsRecord, status) == 4 && offsetof(SmsRecord, number) == 8 &&
              offsetof(SmsRecord, time) == 28 && offsetof(SmsRecord, report) == 48 &&
              offsetof(SmsRecord, validity) == 52 && offsetof(SmsRecord, handfree) == 56 &&
              offsetof(SmsRecord, content) == 57);
static_assert(sizeof(AddrbookRecord) == 460);
static_assert(offsetof(AddrbookRecord, vip) == 20 && offsetof(AddrbookRecord, name) == 24 &&
              offsetof(AddrbookRecord, street) == 74 && offsetof(AddrbookRecord, city) == 156 &&
              offsetof(AddrbookRecord, postCode) == 190 && offsetof(AddrbookRecord, country) == 199 &&
              offsetof(AddrbookRecord, company) == 233 && offsetof(AddrbookRecord, home) == 267 &&
              offsetof(AddrbookRecord, office) == 288 && offsetof(AddrbookRecord, mobile) == 309 &&
              offsetof(AddrbookRecord, fax) == 330 && offsetof(AddrbookRecord, email) == 351 &&
              offsetof(AddrbookRecord, url) == 392);
static_assert(sizeof(S57AddrbookRecord) == 540);
static_assert(offsetof(S57AddrbookRecord, group) == 20 && offsetof(S57AddrbookRecord, name) == 32 &&
              offsetof(S57AddrbookRecord, street) == 82 && offsetof(S57AddrbookRecord, city) == 164 &&
              offsetof(S57AddrbookRecord, postCode) == 198 && offsetof(S57AddrbookRecord, country) == 207 &&
              offsetof(S57AddrbookRecord, company) == 241 && offsetof(S57AddrbookRecord, home) == 275 &&
              offsetof(S57AddrbookRecord, office) == 296 && offsetof(S57AddrbookRecord, mobile) == 317 &&
              offsetof(S57AddrbookRecord, fax) == 338 && offsetof(S57AddrbookRecord, fax2) == 359 &&
              offsetof(S57AddrbookRecord, email) == 380 && offsetof(S57AddrbookRecord, email2) == 421 &&
              offsetof(S57AddrbookRecord, url) == 462 && offsetof(S57AddrbookRecord, birthday) == 527);
static_assert(sizeof(CalendarRecord) == 196);
static_assert(offsetof(CalendarRecord, heading) == 4 && offsetof(CalendarRecord, summary) == 14 &&
              offsetof(CalendarRecord, details) == 112);
static_assert(sizeof(FolderEntry) == 288 && offsetof(FolderEntry, kind) == 284);

#endif /* __cplusplus */

#endif /* ORRIN_PHONE_API_H */
