// SPDX-License-Identifier: GPL-2.0-or-later
#include "media/RingtonePlayer.h"

#include "media/MidiFile.h"
#include "media/SoundFont.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <fluidsynth.h>

namespace orrin {
namespace {

Q_LOGGING_CATEGORY(lcSynth, "orrin.media.fluidsynth", QtWarningMsg)

// FluidSynth writes its complaints (no sound server, no device) to the
// terminal; they go to a logging category instead, off unless asked for.
void SynthLog(int level, const char *message, void *)
{
    if (level <= FLUID_ERR)
        qCWarning(lcSynth, "%s", message);
    else
        qCDebug(lcSynth, "%s", message);
}

void RouteSynthLog()
{
    static const bool routed = [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, SynthLog, nullptr);
        return true;
    }();
    Q_UNUSED(routed);
}

} // namespace

CRingtonePlayer::CRingtonePlayer(QObject *parent) : QObject(parent)
{
    RouteSynthLog();
    m_poll.setInterval(kPollInterval);
    connect(&m_poll, &QTimer::timeout, this, &CRingtonePlayer::Poll);
}

CRingtonePlayer::~CRingtonePlayer()
{
    ReleasePlayer();
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
}

bool CRingtonePlayer::Load(const QString &path)
{
    Stop();
    m_strPath = path;
    m_midi.clear();
    m_strError.clear();
    // Only a regular file: a FIFO or device in its place is never waited on.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_strError = tr("Cannot open %1").arg(path);
    } else {
        const QByteArray bytes = file.read(kMaxFileSize + 1);
        const MidiFrame frame = CheckMidiFile(bytes);
        if (bytes.size() > kMaxFileSize)
            m_strError = tr("Too large for a ringtone: %1").arg(path);
        else if (!frame.ok())
            m_strError = MidiErrorText(frame.error);
        else
            m_midi = bytes;
    }
    SetState(m_midi.isEmpty() ? State::Empty : State::Stopped);
    return !m_midi.isEmpty();
}

bool CRingtonePlayer::EnsureSynth()
{
    if (m_synth)
        return true;
    const QString font = FindSoundFont();
    if (font.isEmpty()) {
        m_strError = tr("No General MIDI sound font is installed");
        return false;
    }
    m_settings = new_fluid_settings();
    fluid_settings_setnum(m_settings, "synth.sample-rate", kSampleRate);
    // A ringtone stops at once when told: no reverb or chorus tail.
    fluid_settings_setint(m_settings, "synth.reverb.active", 0);
    fluid_settings_setint(m_settings, "synth.chorus.active", 0);
    m_synth = new_fluid_synth(m_settings);
    if (m_synth && fluid_synth_sfload(m_synth, font.toLocal8Bit().constData(), 1) != FLUID_FAILED)
        return true;
    m_strError = tr("Cannot load the sound font %1").arg(font);
    if (m_synth)
        delete_fluid_synth(m_synth);
    delete_fluid_settings(m_settings);
    m_synth = nullptr;
    m_settings = nullptr;
    return false;
}

bool CRingtonePlayer::StartPlayer()
{
    m_player = new_fluid_player(m_synth);
    if (m_player && fluid_player_add_mem(m_player, m_midi.constData(), size_t(m_midi.size())) == FLUID_OK
        && fluid_player_play(m_player) == FLUID_OK)
        return true;
    m_strError = tr("The synthesizer cannot play %1").arg(m_strPath);
    ReleasePlayer();
    return false;
}

// The driver asked for, or FluidSynth's default. FluidSynth's "file"
// driver writes a sound file: that is no sound device.
bool CRingtonePlayer::ChooseDriver()
{
    QByteArray name = m_strDriver.toUtf8();
    char *fallback = nullptr;
    if (name.isEmpty() && fluid_settings_getstr_default(m_settings, "audio.driver", &fallback) == FLUID_OK)
        name = fallback;
    return !name.isEmpty() && name != "file"
        && fluid_settings_setstr(m_settings, "audio.driver", name.constData()) == FLUID_OK;
}

bool CRingtonePlayer::Play()
{
    Stop();
    if (m_midi.isEmpty() || !EnsureSynth() || !StartPlayer())
        return false;
    if (ChooseDriver())
        m_driver = new_fluid_audio_driver(m_settings, m_synth);
    if (!m_driver) {
        ReleasePlayer();
        m_strError = tr("No sound device");
        SetState(State::NoSoundDevice);
        return false;
    }
    m_poll.start();
    SetState(State::Playing);
    return true;
}

bool CRingtonePlayer::PlayOffscreen()
{
    Stop();
    if (m_midi.isEmpty() || !EnsureSynth() || !StartPlayer())
        return false;
    m_poll.start();
    SetState(State::Playing);
    return true;
}

QList<float> CRingtonePlayer::Render(int frames)
{
    QList<float> samples(qsizetype(qMax(frames, 0)) * 2, 0.0f);
    if (m_synth && !m_driver && frames > 0)
        fluid_synth_write_float(m_synth, frames, samples.data(), 0, 2, samples.data(), 1, 2);
    return samples;
}

void CRingtonePlayer::Stop()
{
    m_poll.stop();
    ReleasePlayer();
    if (m_state == State::Playing || m_state == State::NoSoundDevice)
        SetState(State::Stopped);
}

void CRingtonePlayer::ReleasePlayer()
{
    // The driver's thread feeds on the synthesizer and the player: it goes first.
    if (m_driver)
        delete_fluid_audio_driver(m_driver);
    m_driver = nullptr;
    if (m_player) {
        fluid_player_stop(m_player);
        delete_fluid_player(m_player);
    }
    m_player = nullptr;
    if (m_synth)
        fluid_synth_all_sounds_off(m_synth, -1);
}

int CRingtonePlayer::Position() const
{
    return m_player ? qMax(fluid_player_get_current_tick(m_player), 0) : 0;
}

int CRingtonePlayer::Length() const
{
    return m_player ? qMax(fluid_player_get_total_ticks(m_player), 0) : 0;
}

void CRingtonePlayer::SetState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit StateChanged(state);
}

// FluidSynth keeps reporting "playing" for a while after the last note, so
// the end is the last tick reached (or the player done) with no voice left.
void CRingtonePlayer::Poll()
{
    if (!m_player)
        return;
    const int length = Length();
    const int position = qMin(Position(), length);
    emit PositionChanged(position, length);
    const bool atEnd = fluid_player_get_status(m_player) == FLUID_PLAYER_DONE || (length > 0 && position >= length);
    if (atEnd && fluid_synth_get_active_voice_count(m_synth) == 0) {
        Stop();
        emit Finished();
    }
}

} // namespace orrin
