// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a phone's calendar entry: parsed, read into the record and
// written back with a changed start time.
#include "phone/mobile/ObjectRecords.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CalendarRecord record{};
    if (orrin::phone::FillRecord(bytes, record)) {
        std::strcpy(record.details, "Start 2025-01-01 10:00");
        (void)orrin::phone::ObjectFromRecord(record, bytes);
    }
    return 0;
}
