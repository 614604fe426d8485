// SPDX-License-Identifier: GPL-2.0-or-later
#include "media/MidiFile.h"

#include <QtEndian>

namespace orrin {
namespace {

constexpr qsizetype kChunkHeaderSize = 8;
constexpr uint32_t kHeaderDataSize = 6;

uint32_t BigDoubleWord(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<uint32_t>(bytes.data() + at);
}

uint16_t BigWord(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<uint16_t>(bytes.data() + at);
}

// The track chunks after the header; chunks of other kinds are skipped, as
// the file format asks of a reader.
MidiError CheckTracks(QByteArrayView file, qsizetype at, int announced)
{
    int tracks = 0;
    while (tracks < announced) {
        if (file.size() - at < kChunkHeaderSize)
            return MidiError::TruncatedTrack;
        const uint32_t length = BigDoubleWord(file, at + 4);
        if (length > uint64_t(file.size() - at - kChunkHeaderSize))
            return MidiError::TruncatedTrack;
        tracks += file.sliced(at, 4) == QByteArrayView("MTrk");
        at += kChunkHeaderSize + qsizetype(length);
    }
    return MidiError::None;
}

} // namespace

QString MidiErrorText(MidiError error)
{
    switch (error) {
    case MidiError::None: return {};
    case MidiError::NoHeader: return QStringLiteral("Not a MIDI file: no \"MThd\" header");
    case MidiError::UnknownFormat: return QStringLiteral("Not a MIDI file: unknown format");
    case MidiError::NoTracks: return QStringLiteral("Not a MIDI file: no tracks");
    case MidiError::TimeDivision: return QStringLiteral("Cannot play a MIDI file timed in SMPTE frames or zero ticks");
    case MidiError::TruncatedTrack: return QStringLiteral("Not a MIDI file: a track is cut short");
    }
    return {};
}

MidiFrame CheckMidiFile(QByteArrayView file)
{
    MidiFrame frame;
    if (file.size() < kChunkHeaderSize + qsizetype(kHeaderDataSize) || file.first(4) != QByteArrayView("MThd")
        || BigDoubleWord(file, 4) < kHeaderDataSize
        || BigDoubleWord(file, 4) > uint64_t(file.size() - kChunkHeaderSize)) {
        frame.error = MidiError::NoHeader;
        return frame;
    }
    frame.format = BigWord(file, 8);
    frame.trackCount = BigWord(file, 10);
    const int16_t division = int16_t(BigWord(file, 12));
    frame.ticksPerQuarter = division;
    if (frame.format > 2)
        frame.error = MidiError::UnknownFormat;
    else if (frame.trackCount == 0)
        frame.error = MidiError::NoTracks;
    else if (division <= 0)
        frame.error = MidiError::TimeDivision;
    else
        frame.error = CheckTracks(file, kChunkHeaderSize + BigDoubleWord(file, 4), frame.trackCount);
    return frame;
}

} // namespace orrin
