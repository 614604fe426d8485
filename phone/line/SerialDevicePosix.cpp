// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/SerialDevice.h"

#include <QFile>

#include <algorithm>
#include <optional>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace orrin::phone {
namespace {

constexpr int kReadChunk = 4096;

std::optional<speed_t> SpeedOf(int baudRate)
{
    switch (baudRate) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    default: return std::nullopt;
    }
}

int RemainingMs(const QDeadlineTimer &deadline)
{
    const qint64 remaining = deadline.remainingTime();
    return remaining < 0 ? -1 : int(std::min<qint64>(remaining, INT_MAX));
}

// Waits until the descriptor is ready for events; false at the deadline.
// lost is set when the line went away.
bool WaitFor(int fd, short events, const QDeadlineTimer &deadline, bool *lost)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, RemainingMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0) {
            *lost = true;
            return false;
        }
        if (ready == 0)
            return false;
        // Bytes that arrived before a hang-up are still read.
        if (entry.revents & events)
            return true;
        *lost = true;
        return false;
    }
}

class CPosixSerialDevice : public CSerialDevice {
public:
    explicit CPosixSerialDevice(int fd) : m_fd(fd) {}
    ~CPosixSerialDevice() override { ::close(m_fd); }
    CPosixSerialDevice(const CPosixSerialDevice &) = delete;
    CPosixSerialDevice &operator=(const CPosixSerialDevice &) = delete;

    // Raw 8N1, no flow control. VMIN 1 with the descriptor non-blocking: a
    // read with nothing to take is EAGAIN, and only a line gone reads 0 bytes.
    bool MakeRaw()
    {
        termios settings{};
        if (::tcgetattr(m_fd, &settings) != 0)
            return false;
        ::cfmakeraw(&settings);
        settings.c_cflag |= CLOCAL | CREAD;
        settings.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
        settings.c_iflag &= ~(IXON | IXOFF | IXANY);
        settings.c_cc[VMIN] = 1;
        settings.c_cc[VTIME] = 0;
        return ::tcsetattr(m_fd, TCSANOW, &settings) == 0;
    }

    bool SetBaudRate(int baudRate) override
    {
        const std::optional<speed_t> speed = SpeedOf(baudRate);
        termios settings{};
        if (!speed || ::tcgetattr(m_fd, &settings) != 0)
            return false;
        ::cfsetispeed(&settings, *speed);
        ::cfsetospeed(&settings, *speed);
        return ::tcsetattr(m_fd, TCSANOW, &settings) == 0;
    }

    bool Write(const QByteArray &bytes, const QDeadlineTimer &deadline) override
    {
        qsizetype sent = 0;
        while (sent < bytes.size()) {
            const ssize_t written = ::write(m_fd, bytes.constData() + sent, size_t(bytes.size() - sent));
            if (written > 0) {
                sent += written;
                continue;
            }
            if (written < 0 && errno == EINTR)
                continue;
            bool lost = false;
            if ((written < 0 && errno != EAGAIN) || !WaitFor(m_fd, POLLOUT, deadline, &lost))
                return false;
        }
        return true;
    }

    ReadResult Read(const QDeadlineTimer &deadline) override
    {
        bool lost = false;
        QByteArray bytes = TakeAvailable(&lost);
        if (!bytes.isEmpty())
            return {ReadStatus::Data, bytes};
        if (!lost && WaitFor(m_fd, POLLIN, deadline, &lost))
            bytes = TakeAvailable(&lost);
        if (!bytes.isEmpty())
            return {ReadStatus::Data, bytes};
        return {lost ? ReadStatus::Lost : ReadStatus::Timeout, {}};
    }

    void DiscardInput() override
    {
        ::tcflush(m_fd, TCIFLUSH);
        bool lost = false;
        while (!TakeAvailable(&lost).isEmpty()) {
        }
    }

private:
    // What has arrived, without waiting; lost is set when the line is gone.
    QByteArray TakeAvailable(bool *lost)
    {
        char buffer[kReadChunk];
        for (;;) {
            const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
            if (count > 0)
                return QByteArray(buffer, count);
            if (count < 0 && errno == EINTR)
                continue;
            // A hung-up pseudo-terminal reads EIO, a device gone the end of file;
            // nothing to read yet is EAGAIN.
            *lost = count == 0 || errno != EAGAIN;
            return {};
        }
    }

    int m_fd;
};

} // namespace

std::unique_ptr<CSerialDevice> OpenSerialDevice(const QString &device, QString *why)
{
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *why = errno == EACCES || errno == EBUSY ? QStringLiteral("busy or not permitted")
                                                 : QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    // One program at a time on a line: another holder of the lock makes it busy.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        *why = QStringLiteral("busy or not permitted");
        ::close(fd);
        return nullptr;
    }
    auto port = std::make_unique<CPosixSerialDevice>(fd);
    if (!port->MakeRaw()) {
        *why = QStringLiteral("not a serial device");
        return nullptr;
    }
    return port;
}

} // namespace orrin::phone
