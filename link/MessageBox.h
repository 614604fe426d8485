// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's one message box. It may be called from any thread: off the
// user-interface thread it blocks until the user has answered there. The
// handler that shows it is replaceable, so tests can record and answer boxes.

#include <QObject>
#include <QString>

#include <functional>

namespace orrin {

inline const QString kAppTitle = QStringLiteral("Orrin for SIEMENS");

enum class BoxButtons { Ok, YesNo, OkCancel };
enum class BoxIcon { None, Information, Warning, Question, Error };
enum BoxAnswer : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

struct BoxRequest {
    QObject *owner = nullptr;
    QString text;
    QString caption; // never empty: the application title stands in
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
};

using BoxHandler = std::function<int(const BoxRequest &)>;

// Installs a handler; returns the one it replaces. An empty handler restores
// the fallback, which writes the text to stderr and answers OK or No.
BoxHandler SetMessageBoxHandler(BoxHandler handler);

// Shows the box and returns the answer (BoxAnswer). An empty caption shows the
// application title.
int MessageBox(QObject *owner, const QString &text, const QString &caption = {},
               BoxButtons buttons = BoxButtons::Ok, BoxIcon icon = BoxIcon::None);

} // namespace orrin
