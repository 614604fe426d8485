// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A small ringtone player: play, stop and a position bar over one MIDI file.
// It never starts by itself. Without a sound device, or for a file it cannot
// play, a short text takes the place of its controls.

#include "media/RingtonePlayer.h"

#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedLayout;

namespace orrin {

class CPlayerWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{180, 60};
    static inline const QString kNoSoundDevice =
        QStringLiteral(QT_TRANSLATE_NOOP("orrin::CPlayerWidget", "No sound device: the ringtone cannot be played."));

    explicit CPlayerWidget(QWidget *parent = nullptr);

    // Stops what plays and takes this file, ready to play. False when it
    // cannot be played; the reason is shown in place of the controls.
    bool Load(const QString &path);
    QString Path() const { return m_engine.Path(); }
    void Play();
    void Stop();
    bool IsPlaying() const { return m_engine.IsPlaying(); }
    // The text shown in place of the controls; empty while they are shown.
    QString Notice() const;

    CRingtonePlayer &Engine() { return m_engine; }

private:
    void ShowNotice(const QString &text);
    void ShowControls();
    void OnStateChanged(CRingtonePlayer::State state);
    void OnPosition(int position, int length);

    CRingtonePlayer m_engine;
    QStackedLayout *m_pages;
    QPushButton *m_pPlay;
    QPushButton *m_pStop;
    QProgressBar *m_pPosition;
    QLabel *m_pNotice;
};

} // namespace orrin
