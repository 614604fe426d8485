// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as the phone's folder listing.
#include "phone/obex/FolderListing.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto entries = orrin::phone::obex::ParseFolderListing(bytes)) {
        for (const auto &entry : *entries)
            (void)entry.name.toLocal8Bit();
    }
    return 0;
}
