// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/PlayerWidget.h"

#include "link/Translated.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedLayout>

namespace orrin {

CPlayerWidget::CPlayerWidget(QWidget *parent)
    : QWidget(parent)
    , m_pages(new QStackedLayout(this))
    , m_pPlay(new QPushButton(tr("Play")))
    , m_pStop(new QPushButton(tr("Stop")))
    , m_pPosition(new QProgressBar)
    , m_pNotice(new QLabel)
{
    resize(kSize);
    m_pPlay->setObjectName(QStringLiteral("Play"));
    m_pStop->setObjectName(QStringLiteral("Stop"));
    m_pPosition->setObjectName(QStringLiteral("Position"));
    m_pPosition->setTextVisible(false);
    m_pPosition->setRange(0, 1);
    m_pPosition->setValue(0);
    m_pPosition->setMaximumHeight(12);
    m_pNotice->setObjectName(QStringLiteral("Notice"));
    m_pNotice->setWordWrap(true);
    m_pNotice->setAlignment(Qt::AlignCenter);

    auto *controls = new QWidget;
    auto *grid = new QGridLayout(controls);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->addWidget(m_pPlay, 0, 0);
    grid->addWidget(m_pStop, 0, 1);
    grid->addWidget(m_pPosition, 1, 0, 1, 2);
    m_pages->addWidget(controls);
    m_pages->addWidget(m_pNotice);

    connect(m_pPlay, &QPushButton::clicked, this, &CPlayerWidget::Play);
    connect(m_pStop, &QPushButton::clicked, this, &CPlayerWidget::Stop);
    connect(&m_engine, &CRingtonePlayer::StateChanged, this, &CPlayerWidget::OnStateChanged);
    connect(&m_engine, &CRingtonePlayer::PositionChanged, this, &CPlayerWidget::OnPosition);
    OnStateChanged(m_engine.GetState());
}

bool CPlayerWidget::Load(const QString &path)
{
    const bool loaded = m_engine.Load(path);
    m_pPosition->setValue(0);
    if (loaded)
        ShowControls();
    else
        ShowNotice(m_engine.ErrorText());
    OnStateChanged(m_engine.GetState());
    return loaded;
}

void CPlayerWidget::Play()
{
    if (m_engine.Play())
        return;
    const bool noDevice = m_engine.GetState() == CRingtonePlayer::State::NoSoundDevice;
    ShowNotice(noDevice ? Translated("orrin::CPlayerWidget", kNoSoundDevice) : m_engine.ErrorText());
}

void CPlayerWidget::Stop()
{
    m_engine.Stop();
}

QString CPlayerWidget::Notice() const
{
    return m_pages->currentWidget() == m_pNotice ? m_pNotice->text() : QString();
}

void CPlayerWidget::ShowNotice(const QString &text)
{
    m_pNotice->setText(text);
    m_pages->setCurrentWidget(m_pNotice);
}

void CPlayerWidget::ShowControls()
{
    m_pages->setCurrentIndex(0);
}

void CPlayerWidget::OnStateChanged(CRingtonePlayer::State state)
{
    const bool playing = state == CRingtonePlayer::State::Playing;
    m_pPlay->setEnabled(state == CRingtonePlayer::State::Stopped);
    m_pStop->setEnabled(playing);
    if (!playing)
        m_pPosition->setValue(0);
}

void CPlayerWidget::OnPosition(int position, int length)
{
    m_pPosition->setRange(0, qMax(length, 1));
    m_pPosition->setValue(position);
}

} // namespace orrin
