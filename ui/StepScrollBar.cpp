// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/StepScrollBar.h"

#include "ui/ControlId.h"

#include <QWheelEvent>

#include <algorithm>

namespace orrin {

namespace {
constexpr int kWheelNotchDelta = 120;
}

CStepScrollBar::CStepScrollBar(QWidget *parent, int controlId) : QScrollBar(Qt::Vertical, parent)
{
    if (controlId >= 0)
        SetControlId(this, controlId);
    setRange(0, 0);
    connect(this, &QAbstractSlider::actionTriggered, this, &CStepScrollBar::OnAction);
}

void CStepScrollBar::SetSteps(int line, int page, int wheelNotch)
{
    m_nLine = line;
    m_nPage = page;
    m_nWheelNotch = wheelNotch;
    setSingleStep(line);
}

void CStepScrollBar::SetContent(int extent, int page)
{
    setRange(0, std::max(0, extent - page + 1));
    setPageStep(std::max(1, page));
}

// The slider has already moved by Qt's own steps; put it where this bar's
// steps say, starting from the value it had before the action.
void CStepScrollBar::OnAction(int action)
{
    int target = value();
    switch (action) {
    case SliderSingleStepAdd: target += m_nLine; break;
    case SliderSingleStepSub: target -= m_nLine; break;
    case SliderPageStepAdd: target += m_nPage; break;
    case SliderPageStepSub: target -= m_nPage; break;
    case SliderToMinimum: target = minimum(); break;
    case SliderToMaximum: target = maximum(); break;
    default: return; // thumb moves keep the thumb's position
    }
    setSliderPosition(std::clamp(target, minimum(), maximum()));
}

void CStepScrollBar::Wheel(QWheelEvent *event)
{
    if (!isEnabled() || maximum() <= minimum()) {
        event->ignore();
        return;
    }
    m_nWheelRest += event->angleDelta().y() * m_nWheelNotch;
    const int pixels = m_nWheelRest / kWheelNotchDelta;
    m_nWheelRest -= pixels * kWheelNotchDelta;
    setValue(value() - pixels);
    event->accept();
}

void CStepScrollBar::wheelEvent(QWheelEvent *event)
{
    Wheel(event);
}

} // namespace orrin
