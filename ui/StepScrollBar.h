// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A vertical scroll bar that moves by its owner's own line and page steps
// while its thumb shows the visible share of the content, and turns the mouse
// wheel into steps of its own size.

#include <QScrollBar>

class QWheelEvent;

namespace orrin {

class CStepScrollBar : public QScrollBar {
    Q_OBJECT
public:
    // A control id of -1 leaves the bar without one.
    explicit CStepScrollBar(QWidget *parent, int controlId = -1);

    // Distances of one line, one page and one wheel notch (120 eighths of a
    // degree) in pixels.
    void SetSteps(int line, int page, int wheelNotch);

    // Content of extent pixels shown through a window of page pixels: the
    // position runs from 0 to extent - page + 1 (at least 0), the thumb is
    // page long.
    void SetContent(int extent, int page);

    // Scrolls by a wheel turn, as if the wheel had turned over the bar.
    void Wheel(QWheelEvent *event);

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    void OnAction(int action);

    int m_nLine = 1;
    int m_nPage = 1;
    int m_nWheelNotch = 1;
    int m_nWheelRest = 0; // eighths of a degree times pixels, not yet scrolled
};

} // namespace orrin
