// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/WaitWnd.h"

#include "resources/Resources.h"
#include "link/InterfaceRelay.h"
#include "link/WaitText.h"

#include <QPainter>
#include <QTimerEvent>

#include <mutex>

namespace orrin {
namespace {

constexpr int kDotsInterval = 500;
constexpr int kMaxDots = 6;

bool g_waitEnabled = true;
QPointer<CWaitWnd> g_waitWnd;

// Brings text changes asked for on the worker over to the interface thread.
class CWaitTextRelay : public CInterfaceRelay {
public:
    void Post(const QString &text)
    {
        {
            std::lock_guard lock(m_mutex);
            m_text = text;
        }
        Wake();
    }

private:
    // Shows the latest text asked for.
    void OnWake() override
    {
        QString text;
        {
            std::lock_guard lock(m_mutex);
            text = m_text;
        }
        ChangeWaitText(text);
    }

    std::mutex m_mutex;
    QString m_text;
};

} // namespace

CWaitWnd::CWaitWnd(QWidget *owner, const QString &text)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_background(BitmapPath(102)), m_text(text)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_background.size());
    if (owner) {
        const QRect frame = owner->window()->geometry();
        move(frame.center() - rect().center());
    }
    m_timer.start(kDotsInterval, this);
}

void CWaitWnd::SetText(const QString &text)
{
    m_text = text;
    update();
}

void CWaitWnd::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId())
        return QWidget::timerEvent(event);
    if (m_dots.size() == kMaxDots)
        m_dots.clear();
    else
        m_dots += QLatin1Char('.');
    update();
}

void CWaitWnd::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(15);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    painter.setPen(Qt::black);
    QRect box(10, 25, width() - 20, 20);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_text);
    box.translate(0, 20);
    box.setLeft(box.left() + 35);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, tr("Please wait") + m_dots);
}

void SetWaitWindowEnabled(bool enabled)
{
    g_waitEnabled = enabled;
}

void ShowWaitWindow(QWidget *owner, const QString &text)
{
    if (!g_waitEnabled || g_waitWnd)
        return;
    g_waitWnd = new CWaitWnd(owner, text);
    g_waitWnd->show();
}

void InstallWaitWindow()
{
    SetWaitTextHandler(ChangeWaitText);
}

void ChangeWaitText(const QString &text)
{
    if (!OnInterfaceThread()) {
        TheRelay<CWaitTextRelay>().Post(text);
        return;
    }
    if (g_waitWnd)
        g_waitWnd->SetText(text);
}

void HideWaitWindow()
{
    if (!g_waitWnd)
        return;
    QWidget *owner = g_waitWnd->parentWidget();
    delete g_waitWnd.data();
    if (owner)
        owner->window()->repaint();
}

CWaitWnd *TheWaitWindow()
{
    return g_waitWnd.data();
}

} // namespace orrin
