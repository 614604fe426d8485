// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/ProgressBar.h"

#include "link/SharedState.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QTimerEvent>

namespace orrin {
namespace {

constexpr int kStepInterval = 500;
const char *const kProgressCaption = QT_TRANSLATE_NOOP("orrin::CStatusProgress", "Progress");
constexpr int kProgressPercent = 40;
constexpr int kProgressMaximum = 100;

CStatusProgress *g_mainProgress = nullptr;

} // namespace

CProgressBar::CProgressBar(QLabel *pane, const QString &caption, int percent, int maximum, bool smooth)
    : QProgressBar(pane), m_pane(pane), m_caption(caption), m_percent(percent)
{
    setRange(0, maximum);
    setValue(0);
    setTextVisible(false);
    if (!smooth)
        setStyleSheet(QStringLiteral("QProgressBar::chunk { width: 8px; margin: 1px; }"));
    pane->setText(caption);
    Reposition();
    show();
}

CProgressBar::~CProgressBar()
{
    hide();
    if (m_pane)
        m_pane->clear();
}

void CProgressBar::Reposition()
{
    if (!m_pane)
        return;
    const QFontMetrics metrics(m_pane->font());
    const int left = m_caption.isEmpty() ? 0 : metrics.horizontalAdvance(m_caption) + 4 * metrics.horizontalAdvance(QLatin1Char(' '));
    const int width = std::max(0, (m_pane->width() - left) * m_percent / 100);
    const int inset = m_pane->height() / 10;
    setGeometry(left, inset, width, m_pane->height() - 2 * inset);
}

CStatusProgress::CStatusProgress(QLabel *pane) : m_pane(pane)
{
    g_mainProgress = this;
}

CStatusProgress::~CStatusProgress()
{
    if (g_mainProgress == this)
        g_mainProgress = nullptr;
}

void CStatusProgress::Start()
{
    m_bar.reset();
    if (m_pane)
        m_bar = std::make_unique<CProgressBar>(m_pane, tr(kProgressCaption), kProgressPercent, kProgressMaximum, false);
    m_lastValue = 0;
    m_timer.start(kStepInterval, this);
}

void CStatusProgress::Stop()
{
    m_timer.stop();
    m_bar.reset();
    g_nProgress.store(0);
}

void CStatusProgress::Step()
{
    const int progress = g_nProgress.load();
    for (int n = progress - m_lastValue; n > 0 && m_bar; --n) {
        m_bar->setValue(std::min(m_bar->value() + 1, m_bar->maximum()));
        QCoreApplication::processEvents();
    }
    m_lastValue = progress;
}

void CStatusProgress::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        Step();
    else
        QObject::timerEvent(event);
}

void StartProgress()
{
    if (g_mainProgress)
        g_mainProgress->Start();
}

void StopProgress()
{
    if (g_mainProgress)
        g_mainProgress->Stop();
}

} // namespace orrin
