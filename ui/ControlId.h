// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A child control's numeric id, kept where views and tests look for it.

#include <QVariant>
#include <QWidget>

namespace orrin {

inline void SetControlId(QWidget *widget, int id)
{
    widget->setProperty("controlId", id);
}

// The control's id, or -1 when it has none.
inline int ControlId(const QWidget *widget)
{
    const QVariant id = widget->property("controlId");
    return id.isValid() ? id.toInt() : -1;
}

// The child of the given type with the control id, or null when none has it.
template <class Widget>
Widget *FindControl(const QWidget &root, int id)
{
    for (Widget *child : root.findChildren<Widget *>()) {
        if (ControlId(child) == id)
            return child;
    }
    return nullptr;
}

} // namespace orrin
