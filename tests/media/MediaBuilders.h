// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Hand-built bitmap and MIDI files for the media tests.

#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <functional>

namespace orrin::test {

inline void PutLittle(QByteArray &bytes, qsizetype at, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

struct BitmapLayout {
    int width = 8;
    int height = 8;
    int bitCount = 1;
    int headerSize = 40;      // 40, or 12 for a core header
    uint32_t coloursUsed = 0; // written into a 40-byte header
    int paletteEntries = -1;  // entries written; -1 for those the depth asks
};

// Palette entry i is grey level (i * 255 / (entries - 1)); pixel (x, y),
// counted from the top row, gets the colour index index(x, y).
inline QByteArray BuildBitmap(const BitmapLayout &layout,
                              const std::function<int(int, int)> &index = [](int x, int y) { return (x + y) % 2; })
{
    const bool core = layout.headerSize == 12;
    const int depthColours = layout.bitCount <= 8 ? 1 << layout.bitCount : 0;
    const int entries = layout.paletteEntries >= 0 ? layout.paletteEntries
                        : layout.coloursUsed   ? int(layout.coloursUsed)
                                             : depthColours;
    const int entrySize = core ? 3 : 4;
    const int rows = layout.height < 0 ? -layout.height : layout.height;
    const int stride = (layout.width * layout.bitCount + 31) / 32 * 4;
    const int offset = 14 + layout.headerSize + entries * entrySize;
    QByteArray bytes(offset + stride * rows, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittle(bytes, 2, uint32_t(bytes.size()), 4);
    PutLittle(bytes, 10, uint32_t(offset), 4);
    PutLittle(bytes, 14, uint32_t(layout.headerSize), 4);
    if (core) {
        PutLittle(bytes, 18, uint32_t(layout.width), 2);
        PutLittle(bytes, 20, uint32_t(layout.height), 2);
        PutLittle(bytes, 22, 1, 2);
        PutLittle(bytes, 24, uint32_t(layout.bitCount), 2);
    } else {
        PutLittle(bytes, 18, uint32_t(layout.width), 4);
        PutLittle(bytes, 22, uint32_t(layout.height), 4);
        PutLittle(bytes, 26, 1, 2);
        PutLittle(bytes, 28, uint32_t(layout.bitCount), 2);
        PutLittle(bytes, 46, layout.coloursUsed, 4);
    }
    for (int i = 0; i < entries; ++i) {
        const int grey = entries > 1 ? i * 255 / (entries - 1) : 0;
        for (int k = 0; k < 3; ++k)
            bytes[14 + layout.headerSize + i * entrySize + k] = char(grey);
    }
    if (layout.bitCount > 8 || layout.height < 0)
        return bytes;
    for (int y = 0; y < rows; ++y) {
        const qsizetype row = offset + qsizetype(rows - 1 - y) * stride;
        for (int x = 0; x < layout.width; ++x) {
            const int bit = x * layout.bitCount;
            const int shift = 8 - layout.bitCount - bit % 8;
            bytes[row + bit / 8] = char(bytes[row + bit / 8] | (index(x, y) << shift));
        }
    }
    return bytes;
}

// A Standard MIDI File of one track: a piano note of the given length in
// ticks (96 to the quarter note, 120 beats a minute: 96 ticks = 0.5 s).
inline QByteArray BuildTone(int noteTicks = 96)
{
    QByteArray track;
    track.append("\x00\xc0\x00", 3);                 // piano
    track.append("\x00\x90\x3c\x64", 4);             // note on, middle C
    track.append(char(0x80 | (noteTicks >> 7)));     // two-byte delta
    track.append(char(noteTicks & 0x7f));
    track.append("\x80\x3c\x40", 3);                 // note off
    track.append("\x00\xff\x2f\x00", 4);             // end of track
    QByteArray file("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14);
    file.append("MTrk", 4);
    char length[4];
    qToBigEndian<uint32_t>(uint32_t(track.size()), length);
    file.append(length, 4);
    return file + track;
}

} // namespace orrin::test
