// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The parts of the main frame and its dialogs, found by their object names
// and types the way any outside tool finds them, so that no window needs
// getters for tests.

#include "ui/ProgressBar.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QToolBar>

namespace orrin {

// The owner's child of the class and object name; null when there is none.
template <class Part>
Part *PartOf(const QObject &owner, const char *objectName)
{
    return owner.findChild<Part *>(QString::fromLatin1(objectName));
}

inline QToolBar *FrameToolBar(const QMainWindow &frame)
{
    return frame.findChild<QToolBar *>(QStringLiteral("mainToolBar"));
}

inline QAction *ToolbarAction(const QMainWindow &frame, int position)
{
    return FrameToolBar(frame)->actions().value(position);
}

inline QMenu *PhoneMenu(const QMainWindow &frame)
{
    return frame.findChild<QMenu *>(QStringLiteral("phoneMenu"));
}

inline QLabel *StatusText(const QMainWindow &frame)
{
    return frame.findChild<QLabel *>(QStringLiteral("statusText"));
}

inline CStatusProgress &StatusProgress(const QMainWindow &frame)
{
    return *frame.findChild<CStatusProgress *>(QStringLiteral("statusProgress"));
}

// The view now shown.
inline QWidget *ActiveView(const QMainWindow &frame)
{
    return frame.findChild<QStackedWidget *>(QStringLiteral("viewStack"))->currentWidget();
}

// The frame's one view of the class.
template <class View>
View *FrameView(const QMainWindow &frame)
{
    return frame.findChild<View *>();
}

} // namespace orrin
