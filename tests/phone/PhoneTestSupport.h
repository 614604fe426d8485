// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Helpers of the phone-line tests: a fresh current folder, environment
// variables set for one test, and a pseudo-terminal nobody answers on.

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace orrin::phone::test {

// Makes a fresh folder the current folder (where ports/ lives) for its life.
class CTestFolder {
public:
    CTestFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~CTestFolder() { QDir::setCurrent(m_previous); }
    CTestFolder(const CTestFolder &) = delete;
    CTestFolder &operator=(const CTestFolder &) = delete;

    QString Path() const { return m_dir.path(); }
    QString FilePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Sets an environment variable and restores it afterwards.
class CScopedEnv {
public:
    CScopedEnv(const char *name, const QByteArray &value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_previous(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~CScopedEnv()
    {
        if (m_wasSet)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }
    CScopedEnv(const CScopedEnv &) = delete;
    CScopedEnv &operator=(const CScopedEnv &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_previous;
};

// A pseudo-terminal that never answers; it keeps what the host sent.
class CSilentPty {
public:
    CSilentPty()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios settings{};
        if (m_master >= 0 && ::grantpt(m_master) == 0 && ::unlockpt(m_master) == 0 &&
            ::tcgetattr(m_master, &settings) == 0) {
            ::cfmakeraw(&settings);
            ::tcsetattr(m_master, TCSANOW, &settings);
            m_device = QString::fromLocal8Bit(::ptsname(m_master));
        }
    }
    ~CSilentPty()
    {
        if (m_master >= 0)
            ::close(m_master);
    }
    CSilentPty(const CSilentPty &) = delete;
    CSilentPty &operator=(const CSilentPty &) = delete;

    QString Device() const { return m_device; }
    // Everything the host has written so far.
    QByteArray Received()
    {
        QByteArray bytes;
        char buffer[256];
        ssize_t count = 0;
        while ((count = ::read(m_master, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, count);
        return bytes;
    }

private:
    int m_master = -1;
    QString m_device;
};

} // namespace orrin::phone::test
