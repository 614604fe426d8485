// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Texts kept as English constants (QT_TRANSLATE_NOOP marks them for the
// translation file) are shown in the language of the installed translation.

#include <QCoreApplication>
#include <QString>

namespace orrin {

// source in the installed language; source itself when there is no translation.
inline QString Translated(const char *context, const QString &source)
{
    return QCoreApplication::translate(context, source.toUtf8().constData());
}

} // namespace orrin
