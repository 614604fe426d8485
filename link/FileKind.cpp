// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/FileKind.h"

#include <QFileInfo>

namespace orrin {

FileKind KindOfFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    // isFile() is true for regular files only: a FIFO or device is neither
    // a file nor a folder to Qt.
    return info.isFile() ? FileKind::Regular : FileKind::Other;
}

} // namespace orrin
