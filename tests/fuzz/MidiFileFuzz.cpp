// SPDX-License-Identifier: GPL-2.0-or-later
// Any bytes as a ringtone: the MIDI check never reads past the end, and a
// file it lets through plays offscreen without harm.
#include "media/MidiFile.h"
#include "media/RingtonePlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_midi_file";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir folder;
    static orrin::CRingtonePlayer player; // one synthesizer: the sound font loads once

    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const orrin::MidiFrame frame = orrin::CheckMidiFile(bytes);
    if (frame.ok() && (frame.trackCount < 1 || frame.ticksPerQuarter <= 0 || frame.format > 2))
        std::abort();
    if (!frame.ok() && orrin::MidiErrorText(frame.error).isEmpty())
        std::abort();

    const QString path = folder.filePath(QStringLiteral("tone.mid"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(bytes.data(), bytes.size());
    file.close();
    if (player.Load(path) != frame.ok())
        std::abort();
    if (frame.ok() && player.PlayOffscreen()) {
        player.Render(2048);
        player.Stop();
    }
    return 0;
}
