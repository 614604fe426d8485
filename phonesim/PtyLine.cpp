// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/PtyLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct RateName {
    speed_t speed;
    int rate;
};

const RateName kRates[] = {{B1200, 1200},   {B2400, 2400},   {B4800, 4800},   {B9600, 9600},
                           {B19200, 19200}, {B38400, 38400}, {B57600, 57600}, {B115200, 115200},
                           {B230400, 230400}};

QString SystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

CPtyLine::CPtyLine(QString linkPath) : m_linkPath(std::move(linkPath)) {}

CPtyLine::~CPtyLine()
{
    Close();
}

bool CPtyLine::Open(QString *error)
{
    Close();
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios settings{};
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
        ::tcgetattr(m_master, &settings) != 0) {
        *error = QStringLiteral("no pseudo-terminal: %1").arg(SystemError());
        Close();
        return false;
    }
    // Raw both ways: the host's bytes arrive as sent, and the terminal itself
    // never echoes them back.
    ::cfmakeraw(&settings);
    ::tcsetattr(m_master, TCSANOW, &settings);
    m_device = QString::fromLocal8Bit(::ptsname(m_master));
    return m_linkPath.isEmpty() || MakeLink(error);
}

bool CPtyLine::MakeLink(QString *error)
{
    const QFileInfo link(m_linkPath);
    if (link.isSymLink())
        QFile::remove(m_linkPath);
    else if (link.exists()) {
        *error = QStringLiteral("%1 exists and is no link").arg(m_linkPath);
        return false;
    }
    QDir().mkpath(link.absolutePath());
    if (!QFile::link(m_device, m_linkPath)) {
        *error = QStringLiteral("cannot make the link %1").arg(m_linkPath);
        return false;
    }
    return true;
}

void CPtyLine::RemoveLink()
{
    const QFileInfo link(m_linkPath);
    if (!m_linkPath.isEmpty() && link.isSymLink() && link.symLinkTarget() == m_device)
        QFile::remove(m_linkPath);
}

void CPtyLine::Close()
{
    RemoveLink();
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
    m_device.clear();
}

int CPtyLine::HostBaudRate() const
{
    termios settings{};
    if (m_master < 0 || ::tcgetattr(m_master, &settings) != 0)
        return 0;
    const speed_t speed = ::cfgetospeed(&settings);
    for (const RateName &rate : kRates) {
        if (rate.speed == speed)
            return rate.rate;
    }
    return 0;
}
