// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a bitmap file: the header reader never reads past the end,
// an accepted header describes pixels inside the bytes, and the picture made
// from them has the header's size.
#include "media/BitmapHeader.h"
#include "ui/BitmapImage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const orrin::BitmapParse parse = orrin::ParseBitmap(bytes);
    orrin::BitmapError error = orrin::BitmapError::None;
    const QImage image = orrin::BitmapImage(bytes, &error);
    if (!parse.ok()) {
        if (!image.isNull() || error != parse.error || orrin::BitmapErrorText(error).isEmpty())
            std::abort();
        return 0;
    }
    const orrin::BitmapHeader &header = parse.header;
    if (header.width <= 0 || header.height <= 0 || header.palette.size() != size_t(header.colourCount)
        || header.pixelOffset + header.rowStride * header.height > bytes.size())
        std::abort();
    if (image.isNull() ? error != orrin::BitmapError::TooLarge : image.size() != QSize(header.width, header.height))
        std::abort();
    return 0;
}
