// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as the answer lines of AT^SBNR="vcf",3 (one line per line of
// the input): assembled, or refused, within the bound asked for.
#include "phone/mobile/ObjectChannel.h"
#include "phone/PhoneApi.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr int kMaxBytes = MEDIA_BLOCK_SIZE;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const orrin::phone::ObjectRead read = orrin::phone::AssembleObject(bytes.split('\n'), "vcf", 3, kMaxBytes);
    if (read.data.size() > kMaxBytes || (read.status != orrin::phone::ObjectStatus::Found && !read.data.isEmpty()))
        std::abort();
    (void)orrin::phone::ParseObjectRanges(bytes);
    return 0;
}
