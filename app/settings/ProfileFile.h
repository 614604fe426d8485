// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A reader and writer for "private profile" files (the Windows .ini format):
// [Section] lines and key=value lines, CR LF line ends, names matched without
// regard to case, other lines kept as they are. Reads behave like the
// platform's profile calls: a default text when the key is missing, and the
// value cut to what fits a buffer of the given size (terminator included).
// Anything but a regular file (a FIFO, a device, a folder) cannot be opened:
// it reads as a missing file and is never written.

#include <QString>

namespace orrin {

class CProfileFile {
public:
    explicit CProfileFile(QString path) : m_path(std::move(path)) {}

    QString ReadString(const QString &section, const QString &key, const QString &defaultText,
                       int bufferSize) const;
    // Creates the file, the section and the key as needed. The file is
    // replaced in one step, so a failed write leaves the old one.
    bool WriteString(const QString &section, const QString &key, const QString &value) const;

private:
    QString m_path;
};

} // namespace orrin
