// SPDX-License-Identifier: GPL-2.0-or-later
#include "media/SoundFont.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace orrin {
namespace {

bool IsFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// The data folders (/usr/local/share, /usr/share, ~/.local/share ...) and
// the folders distributions keep sound fonts in under them.
QStringList SoundFontFolders()
{
    QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &usual : {QStringLiteral("/usr/share"), QStringLiteral("/usr/local/share")}) {
        if (!dataFolders.contains(usual))
            dataFolders.append(usual);
    }
    QStringList folders;
    for (const QString &data : dataFolders) {
        folders.append(data + QStringLiteral("/sounds/sf2"));
        folders.append(data + QStringLiteral("/soundfonts"));
    }
    return folders;
}

} // namespace

QString FindSoundFont()
{
    const QString chosen = qEnvironmentVariable("ORRIN_SOUNDFONT");
    if (IsFile(chosen))
        return chosen;
    const QStringList folders = SoundFontFolders();
    for (const QString &name : {QStringLiteral("TimGM6mb.sf2"), QStringLiteral("default-GM.sf2"),
                                QStringLiteral("default.sf2")}) {
        for (const QString &folder : folders) {
            if (IsFile(folder + QLatin1Char('/') + name))
                return folder + QLatin1Char('/') + name;
        }
    }
    for (const QString &folder : folders) {
        const QFileInfoList fonts = QDir(folder).entryInfoList({QStringLiteral("*.sf2")}, QDir::Files, QDir::Name);
        if (!fonts.isEmpty())
            return fonts.first().absoluteFilePath();
    }
    return {};
}

} // namespace orrin
