// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Working a dialog with the keyboard alone: where Tab goes from the control
// that has the focus.

#include <QList>
#include <QTest>
#include <QVariant>
#include <QWidget>

#include <string>
#include <vector>

namespace orrin::test {

// The controls Tab visits, from the one with the focus once round the
// window. A control that takes several presses (the sections of a time)
// counts once; a walk that never comes back ends after 64 presses. The
// window is made active first: focus moves there as on a desktop.
inline QList<QWidget *> TabWalk(QWidget &window)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return {};
    QList<QWidget *> visited{window.focusWidget()};
    for (int press = 0; press < 64; ++press) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        QWidget *focus = window.focusWidget();
        if (focus == visited.first())
            break;
        if (focus != visited.last())
            visited << focus;
    }
    return visited;
}

// The controls by their control ids (their class where they have none), so
// that a walk that went wrong reads as one.
inline std::vector<std::string> Named(const QList<QWidget *> &controls)
{
    std::vector<std::string> names;
    for (const QWidget *control : controls) {
        const QVariant id = control ? control->property("controlId") : QVariant();
        names.push_back(id.isValid() ? id.toString().toStdString()
                        : control    ? control->metaObject()->className()
                                     : "null");
    }
    return names;
}

} // namespace orrin::test
