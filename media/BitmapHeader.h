// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The facts of a Windows bitmap file (.bmp): its size, depth, colour table
// and where its pixel rows lie, read from the bytes of a file or a picture
// buffer. Every length is checked against the bytes at hand, so a broken or
// truncated file is "not a bitmap" and nothing larger than the file is ever
// asked for.

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

namespace orrin {

// Why bytes are not a bitmap the program can show.
enum class BitmapError {
    None,
    NoFileHeader,       // shorter than the file header, or no "BM"
    UnknownHeader,      // neither a 12-byte core header nor a 40-byte (or later) information header
    NegativeSize,       // a negative width or height: discarded
    EmptySize,          // no pixels at all
    UnsupportedDepth,   // bits per pixel other than 1, 4, 8, 16, 24, 32
    UnsupportedCompression,
    TruncatedPalette,   // the colour table runs past the end of the data
    TruncatedPixels,    // the pixel rows run past the end of the data
    TooLarge,           // more pixels than a picture is drawn from
};

// A short text for a message or a log, "Not a bitmap: ..." for every error.
QString BitmapErrorText(BitmapError error);

struct BitmapHeader {
    static constexpr int kFileHeaderSize = 14;
    static constexpr int kCoreHeaderSize = 12;
    static constexpr int kInfoHeaderSize = 40;

    int headerSize = 0;  // 12 for a core header, 40 or more for an information header
    int width = 0;
    int height = 0;
    int bitCount = 0;
    int colourCount = 0; // entries of the colour table: colours used, or 2, 16, 256 by depth, 0 for none
    std::vector<uint32_t> palette; // 0xffRRGGBB, colourCount entries
    qsizetype pixelOffset = 0;     // from the start of the file
    qsizetype rowStride = 0;       // bytes per row, rows padded to 4 bytes, bottom row first
};

struct BitmapParse {
    BitmapError error = BitmapError::None;
    BitmapHeader header;
    bool ok() const { return error == BitmapError::None; }
};

// Reads the file header, the information or core header and the colour
// table of a whole bitmap file's bytes (file header included).
BitmapParse ParseBitmap(QByteArrayView file);

// What the phone shows as its main screen or screensaver: a one-bit (two
// colour) picture of at most 111 x 74 pixels.
constexpr int kPhonePictureMaxWidth = 111;
constexpr int kPhonePictureMaxHeight = 74;
bool FitsPhoneScreen(const BitmapHeader &header);

} // namespace orrin
