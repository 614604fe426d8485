// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The frame of a Standard MIDI File: its header chunk and the track chunks,
// each checked to lie inside the file, so that only a whole file reaches the
// synthesizer and a broken one is refused with a reason.

#include <QByteArrayView>
#include <QString>

namespace orrin {

enum class MidiError {
    None,
    NoHeader,        // no "MThd" chunk of at least 6 bytes at the start
    UnknownFormat,   // a format other than 0, 1, 2
    NoTracks,        // the header announces no track
    TimeDivision,    // SMPTE frames or zero ticks per quarter note (the synthesizer plays only ticks)
    TruncatedTrack,  // a chunk runs past the end, or fewer tracks than announced
};

QString MidiErrorText(MidiError error);

struct MidiFrame {
    MidiError error = MidiError::None;
    int format = 0;
    int trackCount = 0;    // as the header announces, every one present
    int ticksPerQuarter = 0;
    bool ok() const { return error == MidiError::None; }
};

MidiFrame CheckMidiFile(QByteArrayView file);

} // namespace orrin
