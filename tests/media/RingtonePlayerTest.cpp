// SPDX-License-Identifier: GPL-2.0-or-later
// The ringtone player: the MIDI file's frame, playing offscreen into a
// buffer, stopping, the end of a tone, and no sound device.

#include "media/MidiFile.h"
#include "media/RingtonePlayer.h"
#include "media/SoundFont.h"
#include "tests/media/MediaBuilders.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

namespace orrin::test {
namespace {

float Loudest(const QList<float> &samples)
{
    float loudest = 0;
    for (float sample : samples)
        loudest = std::max(loudest, std::fabs(sample));
    return loudest;
}

class RingtonePlayerTest : public ::testing::Test {
protected:
    QString Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir m_folder;
    CRingtonePlayer m_player;
};

TEST(MidiFileTest, AcceptsWholeFilesAndNamesWhatIsWrongWithOthers)
{
    const QByteArray tone = BuildTone();
    const MidiFrame frame = CheckMidiFile(tone);
    ASSERT_TRUE(frame.ok());
    EXPECT_EQ(frame.trackCount, 1);
    EXPECT_EQ(frame.ticksPerQuarter, 96);

    QByteArray twoTracks = tone;
    twoTracks[11] = 2;
    QByteArray smpte = tone;
    smpte[12] = char(0xe7);
    QByteArray format = tone;
    format[9] = 3;
    QByteArray longTrack = tone;
    longTrack[18] = char(0x7f);
    QByteArray longHeader = tone;
    longHeader[4] = char(0xff);

    EXPECT_EQ(CheckMidiFile(QByteArray("not a tune at all")).error, MidiError::NoHeader);
    EXPECT_EQ(CheckMidiFile(longHeader).error, MidiError::NoHeader);
    EXPECT_EQ(CheckMidiFile(format).error, MidiError::UnknownFormat);
    EXPECT_EQ(CheckMidiFile(smpte).error, MidiError::TimeDivision);
    EXPECT_EQ(CheckMidiFile(twoTracks).error, MidiError::TruncatedTrack);
    EXPECT_EQ(CheckMidiFile(longTrack).error, MidiError::TruncatedTrack);
    EXPECT_EQ(CheckMidiFile(tone.chopped(1)).error, MidiError::TruncatedTrack);
    // Other chunks between the tracks are passed over.
    QByteArray withAlien = tone;
    withAlien.insert(14, QByteArray("XFIH\x00\x00\x00\x02\x01\x02", 10));
    EXPECT_TRUE(CheckMidiFile(withAlien).ok());
}

TEST(SoundFontTest, TheChosenFontWinsAndTheInstalledOneIsFound)
{
    QTemporaryDir folder;
    const QString chosen = folder.filePath(QStringLiteral("mine.sf2"));
    QFile(chosen).open(QIODevice::WriteOnly);
    qputenv("ORRIN_SOUNDFONT", chosen.toLocal8Bit());
    EXPECT_EQ(FindSoundFont(), chosen);
    qputenv("ORRIN_SOUNDFONT", folder.filePath(QStringLiteral("missing.sf2")).toLocal8Bit());
    const QString found = FindSoundFont();
    qunsetenv("ORRIN_SOUNDFONT");
    EXPECT_TRUE(found.endsWith(QStringLiteral(".sf2"))) << found.toStdString();
    EXPECT_TRUE(QFile::exists(found));
}

TEST_F(RingtonePlayerTest, PlaysOffscreenIntoABufferAndFallsSilentWhenStopped)
{
    ASSERT_TRUE(m_player.Load(Write(QStringLiteral("tone.mid"), BuildTone(960))));
    EXPECT_EQ(m_player.GetState(), CRingtonePlayer::State::Stopped);
    EXPECT_EQ(Loudest(m_player.Render(4410)), 0.0f); // loaded is not started

    ASSERT_TRUE(m_player.PlayOffscreen()) << m_player.ErrorText().toStdString();
    EXPECT_TRUE(m_player.IsPlaying());
    const QList<float> sound = m_player.Render(CRingtonePlayer::kSampleRate / 2);
    EXPECT_EQ(sound.size(), CRingtonePlayer::kSampleRate);
    EXPECT_GT(Loudest(sound), 0.01f);
    EXPECT_GT(m_player.Position(), 0);
    EXPECT_EQ(m_player.Length(), 960);

    m_player.Stop();
    EXPECT_FALSE(m_player.IsPlaying());
    EXPECT_EQ(m_player.GetState(), CRingtonePlayer::State::Stopped);
    // The synthesizer hands out the rest of the 64-frame block it was in.
    EXPECT_EQ(Loudest(m_player.Render(4410).sliced(2 * 64)), 0.0f);
    EXPECT_EQ(m_player.Path(), m_folder.filePath(QStringLiteral("tone.mid")));
}

TEST_F(RingtonePlayerTest, SaysWhenTheToneHasEndedAndItsNotesDiedAway)
{
    ASSERT_TRUE(m_player.Load(Write(QStringLiteral("short.mid"), BuildTone(48))));
    m_player.SetPollInterval(0);
    QSignalSpy finished(&m_player, &CRingtonePlayer::Finished);
    QSignalSpy position(&m_player, &CRingtonePlayer::PositionChanged);
    ASSERT_TRUE(m_player.PlayOffscreen());
    float lastLoudness = 1;
    for (int chunk = 0; chunk < 100 && finished.isEmpty(); ++chunk) {
        lastLoudness = Loudest(m_player.Render(CRingtonePlayer::kSampleRate / 20));
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(finished.size(), 1);
    EXPECT_LT(lastLoudness, 0.001f); // not cut off while the note still sounds
    EXPECT_FALSE(m_player.IsPlaying());
    ASSERT_FALSE(position.isEmpty());
    EXPECT_EQ(position.last().at(0).toInt(), position.last().at(1).toInt());
}

TEST_F(RingtonePlayerTest, RefusesWhatIsNoMidiFileWithAClearReason)
{
    EXPECT_FALSE(m_player.Load(Write(QStringLiteral("garbage.mid"), QByteArray(300, '\x5a'))));
    EXPECT_TRUE(m_player.ErrorText().startsWith(QStringLiteral("Not a MIDI file")))
        << m_player.ErrorText().toStdString();
    EXPECT_EQ(m_player.GetState(), CRingtonePlayer::State::Empty);
    EXPECT_FALSE(m_player.PlayOffscreen());
    EXPECT_FALSE(m_player.Play());

    EXPECT_FALSE(m_player.Load(m_folder.filePath(QStringLiteral("missing.mid"))));
    EXPECT_FALSE(m_player.Load(m_folder.path()));
    QByteArray tooLarge = BuildTone();
    tooLarge.append(QByteArray(CRingtonePlayer::kMaxFileSize, '\0'));
    EXPECT_FALSE(m_player.Load(Write(QStringLiteral("large.mid"), tooLarge)));
    EXPECT_TRUE(m_player.ErrorText().startsWith(QStringLiteral("Too large")));
}

TEST_F(RingtonePlayerTest, WithoutASoundDeviceItSaysSoAndKeepsTheFile)
{
    ASSERT_TRUE(m_player.Load(Write(QStringLiteral("tone.mid"), BuildTone())));
    m_player.SetAudioDriver(QStringLiteral("no-such-device"));
    QSignalSpy states(&m_player, &CRingtonePlayer::StateChanged);
    EXPECT_FALSE(m_player.Play());
    EXPECT_EQ(m_player.GetState(), CRingtonePlayer::State::NoSoundDevice);
    ASSERT_EQ(states.size(), 1);
    EXPECT_TRUE(m_player.PlayOffscreen());
    EXPECT_GT(Loudest(m_player.Render(4410)), 0.01f);
}

} // namespace
} // namespace orrin::test
