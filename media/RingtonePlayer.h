// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Plays one MIDI ringtone on FluidSynth with the General MIDI sound font:
// through FluidSynth's own audio driver, or offscreen, where the caller pulls
// the samples (tests, and any machine without a sound device). It never
// starts by itself; it says when a tone has ended and where it is.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace orrin {

class CRingtonePlayer : public QObject {
    Q_OBJECT
public:
    enum class State {
        Empty,         // nothing loaded, or the last file was refused
        Stopped,       // a file is loaded and silent
        Playing,
        NoSoundDevice, // the audio driver could not be opened; the file stays loaded
    };
    // A ringtone is a few kilobytes; anything past this is not one.
    static constexpr qsizetype kMaxFileSize = 1 << 20;
    static constexpr int kSampleRate = 44100;
    static constexpr int kPollInterval = 100;

    explicit CRingtonePlayer(QObject *parent = nullptr);
    ~CRingtonePlayer() override;

    // Stops what plays and reads the file. False, with the reason in
    // ErrorText and state Empty, when it is not a MIDI file that can be played.
    bool Load(const QString &path);
    QString Path() const { return m_strPath; }
    QString ErrorText() const { return m_strError; }
    State GetState() const { return m_state; }
    bool IsPlaying() const { return m_state == State::Playing; }

    // The FluidSynth audio driver to open ("alsa", "pulseaudio" ...); empty
    // for FluidSynth's default. A name FluidSynth does not know counts as no
    // sound device.
    void SetAudioDriver(const QString &name) { m_strDriver = name; }
    // How often, in ms, playing looks at the position and the end.
    void SetPollInterval(int ms) { m_poll.setInterval(ms); }

    // Plays the loaded file from its start through the sound device. False
    // when there is no file, no sound font (ErrorText), or no sound device
    // (state NoSoundDevice).
    bool Play();
    // Plays from the start without a sound device: Render pulls the samples.
    bool PlayOffscreen();
    // The next frames of the synthesizer's output, stereo interleaved, while
    // no sound device plays it; silence when nothing sounds.
    QList<float> Render(int frames);
    void Stop();

    // Where the tone is and how long it is, in MIDI ticks; the length is
    // known once playing has begun and 0 before.
    int Position() const;
    int Length() const;

signals:
    void PositionChanged(int position, int length);
    // The tone played to its end and its last notes died away.
    void Finished();
    void StateChanged(orrin::CRingtonePlayer::State state);

private:
    bool EnsureSynth();
    bool ChooseDriver();
    bool StartPlayer();
    void ReleasePlayer();
    void SetState(State state);
    void Poll();

    QString m_strPath;
    QByteArray m_midi;
    QString m_strError;
    QString m_strDriver;
    State m_state = State::Empty;
    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr;
    fluid_player_t *m_player = nullptr;
    fluid_audio_driver_t *m_driver = nullptr;
    QTimer m_poll;
};

} // namespace orrin
