// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's end of the line: the master side of a pseudo-terminal in raw
// mode, and the symbolic link through which hosts find its device.

#include <QString>

class CPtyLine {
public:
    explicit CPtyLine(QString linkPath);
    ~CPtyLine();
    CPtyLine(const CPtyLine &) = delete;
    CPtyLine &operator=(const CPtyLine &) = delete;

    // A new pseudo-terminal (closing the old one) with the link pointed at it.
    bool Open(QString *error);
    // Closes the pseudo-terminal and removes the link while it points here.
    void Close();

    int Fd() const { return m_master; }
    QString Device() const { return m_device; }
    // The rate the host set on its side of the line; 0 when unknown.
    int HostBaudRate() const;

private:
    bool MakeLink(QString *error);
    void RemoveLink();

    QString m_linkPath;
    QString m_device;
    int m_master = -1;
};
