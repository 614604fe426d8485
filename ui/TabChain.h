// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The order in which Tab walks a window's controls, set explicitly: the order
// the widgets happen to be created in is seldom the order a form is read in.

#include <QList>
#include <QWidget>

namespace orrin {

inline void SetTabChain(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace orrin
