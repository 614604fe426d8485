// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a phone's vCard: parsed, read into both record layouts and
// written back into itself; nothing may read outside the input or crash.
#include "phone/mobile/ObjectRecords.h"
#include "phone/vobject/VCard.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<orrin::phone::CVCard> card = orrin::phone::CVCard::Parse(bytes))
        (void)card->Values();
    AddrbookRecord older{};
    if (orrin::phone::FillRecord(bytes, older)) {
        older.mobile[0] = '\0';
        (void)orrin::phone::ObjectFromRecord(older, bytes);
    }
    S57AddrbookRecord newer{};
    if (orrin::phone::FillRecord(bytes, newer)) {
        newer.name[0] = 'X';
        (void)orrin::phone::ObjectFromRecord(newer, bytes);
    }
    return 0;
}
