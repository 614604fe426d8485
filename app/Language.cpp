// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orrin {

bool UseLanguage(const QLocale &locale)
{
    static QTranslator program;
    static QTranslator qtOwn; // Qt's own texts: standard buttons, file dialogs
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qtOwn);
    if (!program.load(locale, QStringLiteral("orrin"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    if (qtOwn.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtOwn);
    return QCoreApplication::installTranslator(&program);
}

} // namespace orrin
