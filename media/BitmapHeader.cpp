// SPDX-License-Identifier: GPL-2.0-or-later
#include "media/BitmapHeader.h"

#include <QtEndian>

namespace orrin {
namespace {

constexpr uint16_t kSignature = 0x4d42; // "BM"
constexpr uint32_t kUncompressed = 0;   // BI_RGB

uint16_t Word(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<uint16_t>(bytes.data() + at);
}

uint32_t DoubleWord(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<uint32_t>(bytes.data() + at);
}

int ColoursOfDepth(int bitCount)
{
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

bool KnownDepth(int bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

// Width, height, depth and colour count from the header after the file
// header; the colour table's entry size comes back through entrySize.
BitmapError ReadHeader(QByteArrayView file, BitmapHeader &header, int &entrySize)
{
    const qsizetype at = BitmapHeader::kFileHeaderSize;
    if (file.size() < at + 4)
        return BitmapError::UnknownHeader;
    const uint32_t size = DoubleWord(file, at);
    if (size == uint32_t(BitmapHeader::kCoreHeaderSize) && file.size() >= at + size) {
        header.headerSize = BitmapHeader::kCoreHeaderSize;
        header.width = Word(file, at + 4);
        header.height = Word(file, at + 6);
        header.bitCount = Word(file, at + 10);
        header.colourCount = ColoursOfDepth(header.bitCount);
        entrySize = 3;
        return BitmapError::None;
    }
    // Later headers (V4, V5) begin with the 40-byte one and add colour-space
    // facts; the colour table follows the whole header.
    if (size < uint32_t(BitmapHeader::kInfoHeaderSize) || uint64_t(file.size()) < uint64_t(at) + size)
        return BitmapError::UnknownHeader;
    header.headerSize = int(size);
    header.width = int32_t(DoubleWord(file, at + 4));
    header.height = int32_t(DoubleWord(file, at + 8));
    header.bitCount = Word(file, at + 14);
    if (DoubleWord(file, at + 16) != kUncompressed)
        return BitmapError::UnsupportedCompression;
    const uint32_t coloursUsed = DoubleWord(file, at + 32);
    if (coloursUsed > uint32_t(file.size()))
        return BitmapError::TruncatedPalette;
    header.colourCount = coloursUsed != 0 ? int(coloursUsed) : ColoursOfDepth(header.bitCount);
    entrySize = 4;
    return BitmapError::None;
}

BitmapError ReadPalette(QByteArrayView file, BitmapHeader &header, int entrySize, qsizetype &end)
{
    const qsizetype start = BitmapHeader::kFileHeaderSize + header.headerSize;
    if (qsizetype(header.colourCount) > (file.size() - start) / entrySize)
        return BitmapError::TruncatedPalette;
    header.palette.reserve(size_t(header.colourCount));
    for (int i = 0; i < header.colourCount; ++i) {
        const qsizetype entry = start + qsizetype(i) * entrySize; // blue, green, red
        const auto byte = [&](int k) { return uint32_t(uint8_t(file[entry + k])); };
        header.palette.push_back(0xff000000u | byte(2) << 16 | byte(1) << 8 | byte(0));
    }
    end = start + qsizetype(header.colourCount) * entrySize;
    return BitmapError::None;
}

} // namespace

QString BitmapErrorText(BitmapError error)
{
    switch (error) {
    case BitmapError::None: return {};
    case BitmapError::NoFileHeader: return QStringLiteral("Not a bitmap: no \"BM\" file header");
    case BitmapError::UnknownHeader: return QStringLiteral("Not a bitmap: unknown information header");
    case BitmapError::NegativeSize: return QStringLiteral("Not a bitmap: negative width or height");
    case BitmapError::EmptySize: return QStringLiteral("Not a bitmap: no pixels");
    case BitmapError::UnsupportedDepth: return QStringLiteral("Not a bitmap: unsupported colour depth");
    case BitmapError::UnsupportedCompression: return QStringLiteral("Not a bitmap: compressed pixels");
    case BitmapError::TruncatedPalette: return QStringLiteral("Not a bitmap: colour table cut short");
    case BitmapError::TruncatedPixels: return QStringLiteral("Not a bitmap: pixels cut short");
    case BitmapError::TooLarge: return QStringLiteral("Not a bitmap: too many pixels to show");
    }
    return {};
}

BitmapParse ParseBitmap(QByteArrayView file)
{
    BitmapParse parse;
    BitmapHeader &header = parse.header;
    if (file.size() < BitmapHeader::kFileHeaderSize || Word(file, 0) != kSignature) {
        parse.error = BitmapError::NoFileHeader;
        return parse;
    }
    int entrySize = 0;
    qsizetype paletteEnd = 0;
    parse.error = ReadHeader(file, header, entrySize);
    if (parse.ok() && (header.width < 0 || header.height < 0))
        parse.error = BitmapError::NegativeSize;
    else if (parse.ok() && (header.width == 0 || header.height == 0))
        parse.error = BitmapError::EmptySize;
    else if (parse.ok() && !KnownDepth(header.bitCount))
        parse.error = BitmapError::UnsupportedDepth;
    if (parse.ok())
        parse.error = ReadPalette(file, header, entrySize, paletteEnd);
    if (!parse.ok())
        return parse;

    // The pixels begin where the file header says, unless that points into
    // the headers or past the end; then right after the colour table.
    const qsizetype offset = DoubleWord(file, 10);
    header.pixelOffset = offset >= paletteEnd && offset <= file.size() ? offset : paletteEnd;
    header.rowStride = (qsizetype(header.width) * header.bitCount + 31) / 32 * 4;
    if (header.height > (file.size() - header.pixelOffset) / header.rowStride)
        parse.error = BitmapError::TruncatedPixels;
    return parse;
}

bool FitsPhoneScreen(const BitmapHeader &header)
{
    return header.width <= kPhonePictureMaxWidth && header.height <= kPhonePictureMaxHeight
        && header.colourCount == 2;
}

} // namespace orrin
