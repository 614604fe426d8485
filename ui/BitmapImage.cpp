// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/BitmapImage.h"

namespace orrin {
namespace {

constexpr QRgb kBeyondTable = 0xff000000;

uint8_t Byte(const uchar *row, qsizetype at)
{
    return row[at];
}

QRgb TableColour(const BitmapHeader &header, unsigned index)
{
    return index < header.palette.size() ? header.palette[index] : kBeyondTable;
}

// One pixel of a row as the file stores it: a colour index for depths up to
// 8, 5-5-5 for 16 bits, blue-green-red for 24 and 32.
QRgb PixelOf(const BitmapHeader &header, const uchar *row, int x)
{
    switch (header.bitCount) {
    case 1: return TableColour(header, (Byte(row, x / 8) >> (7 - x % 8)) & 1u);
    case 4: return TableColour(header, (Byte(row, x / 2) >> (x % 2 ? 0 : 4)) & 0xfu);
    case 8: return TableColour(header, Byte(row, x));
    case 16: {
        const unsigned value = Byte(row, 2 * x) | unsigned(Byte(row, 2 * x + 1)) << 8;
        const auto level = [&](int shift) { return int((value >> shift & 0x1fu) * 255 / 31); };
        return qRgb(level(10), level(5), level(0));
    }
    default: {
        const qsizetype at = qsizetype(x) * (header.bitCount / 8);
        return qRgb(Byte(row, at + 2), Byte(row, at + 1), Byte(row, at));
    }
    }
}

} // namespace

QImage BitmapImage(QByteArrayView file, BitmapError *error)
{
    const BitmapParse parse = ParseBitmap(file);
    if (error)
        *error = parse.error;
    if (!parse.ok())
        return {};
    const BitmapHeader &header = parse.header;
    QImage image;
    if (qint64(header.width) * header.height <= kMaxBitmapPixels)
        image = QImage(header.width, header.height, QImage::Format_RGB32);
    if (image.isNull()) {
        if (error)
            *error = BitmapError::TooLarge;
        return {};
    }
    const auto *bits = reinterpret_cast<const uchar *>(file.data()) + header.pixelOffset;
    for (int y = 0; y < header.height; ++y) {
        const uchar *row = bits + qsizetype(header.height - 1 - y) * header.rowStride; // bottom row first
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < header.width; ++x)
            line[x] = PixelOf(header, row, x);
    }
    return image;
}

} // namespace orrin
