// SPDX-License-Identifier: GPL-2.0-or-later
// Mobile: the phone book of the phone memory and the SIM card.
#include "phone/mobile/MobileSession.h"
#include "phone/PhoneApi.h"
#include "phone/line/TextFit.h"

using namespace orrin::phone;

namespace {

// Longest text taken from the caller; the record fields hold far less.
constexpr size_t kMaxCallerText = 256;

std::optional<BookEntry> CallerEntry(const char *number, const char *name, int32_t vip)
{
    const std::optional<QString> numberText = CallerText(number, kMaxCallerText);
    const std::optional<QString> nameText = CallerText(name, kMaxCallerText);
    if (!numberText || !nameText)
        return std::nullopt;
    return BookEntry{*numberText, *nameText, vip != 0};
}

// Writes the entry at the location (0: the first free one).
PhoneFlag WriteEntry(int32_t location, const char *number, const char *name, int32_t vip)
{
    const std::optional<BookEntry> entry = CallerEntry(number, name, vip);
    if (!entry)
        return 0;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        const std::optional<Charset> charset = session.TextCharset(engine);
        return charset && session.book.Write(engine, *charset, location, *entry);
    });
}

} // namespace

extern "C" {

PHONE_EXPORT PhoneFlag SetMobileEncodeFormat(const char *charset)
{
    const std::optional<QString> name = CallerText(charset, kMaxCallerText);
    const std::optional<Charset> chosen = name ? CharsetNamed(name->toLatin1()) : std::nullopt;
    if (!chosen)
        return 0;
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.ChooseCharset(engine, *chosen);
    });
}

PHONE_EXPORT int32_t SetTeleBookMemo(const char *memory)
{
    const std::optional<QString> name = CallerText(memory, kMaxCallerText);
    if (!name)
        return -1;
    return WithSession<int32_t>(-1, [&](CAtEngine &engine, CMobileSession &session) {
        return session.book.Select(engine, name->toLatin1());
    });
}

PHONE_EXPORT int32_t GetTeleBookNum(void)
{
    return WithSession<int32_t>(-1, [](CAtEngine &engine, CMobileSession &session) {
        return session.book.Capacity(engine);
    });
}

PHONE_EXPORT int32_t ReadTeleBook(int32_t location, char *number, char *name, int32_t *vip)
{
    FitText({}, number, TELEBOOK_NUMBER_SIZE);
    FitText({}, name, TELEBOOK_NAME_SIZE);
    if (!number || !name || !vip)
        return -1;
    *vip = 0;
    return WithSession<int32_t>(-1, [&](CAtEngine &engine, CMobileSession &session) -> int32_t {
        const std::optional<Charset> charset = session.TextCharset(engine);
        if (!charset || !session.book.Load(engine, *charset))
            return -1;
        const std::optional<BookEntry> entry = session.book.Find(location);
        if (!entry)
            return 0;
        FitText(entry->number, number, TELEBOOK_NUMBER_SIZE);
        FitText(entry->name, name, TELEBOOK_NAME_SIZE);
        *vip = entry->vip ? 1 : 0;
        return 1;
    });
}

PHONE_EXPORT PhoneFlag WriteTeleBook(const char *number, const char *name, int32_t vip)
{
    return WriteEntry(0, number, name, vip);
}

PHONE_EXPORT PhoneFlag ModifyTeleBook(int32_t location, const char *number, const char *name, int32_t vip)
{
    return location >= 1 ? WriteEntry(location, number, name, vip) : PhoneFlag(0);
}

PHONE_EXPORT PhoneFlag DeleteTeleBook(int32_t location)
{
    return WithSession<PhoneFlag>(0, [&](CAtEngine &engine, CMobileSession &session) -> PhoneFlag {
        return session.book.Delete(engine, location);
    });
}

} // extern "C"
