// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the General MIDI sound font lies that the player plays with.

#include <QString>

namespace orrin {

// ORRIN_SOUNDFONT when it names a file; else the TimGM6mb font the
// installation installs, the system's default General MIDI font, or the
// first .sf2 found in the system's sound-font folders; empty when there is
// none.
QString FindSoundFont();

} // namespace orrin
