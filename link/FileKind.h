// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What lies at a path, asked before a local file is opened: only a regular
// file may be read or written. Opening a FIFO would block its reader until
// some writer appears, and a folder or a device is no file of ours.

#include <QString>

namespace orrin {

enum class FileKind {
    Missing,  // nothing there (a dangling link counts as nothing)
    Regular,  // a regular file, or a link to one
    Other,    // a folder, FIFO, socket or device: never opened
};

FileKind KindOfFile(const QString &path);

} // namespace orrin
