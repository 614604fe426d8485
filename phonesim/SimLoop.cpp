// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/SimLoop.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {

// How often an absent host is looked for again: a pseudo-terminal whose
// other side is closed reports hang-up at once, every time it is polled.
constexpr int kHostAwayPollMs = 20;
constexpr int kReadChunk = 4096;

int g_signalPipe[2] = {-1, -1};

void OnStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

bool InstallStopSignals()
{
    if (::pipe(g_signalPipe) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
    return true;
}

void AnnounceDevice(const QString &device)
{
    std::printf("device: %s\n", device.toLocal8Bit().constData());
    std::fflush(stdout);
}

CSimLoop::CSimLoop(CPtyLine &line, phonesim::CSimSession &session, int baudRate, int latencyMs)
    : m_line(line), m_session(session), m_pacer(baudRate), m_arrivals(baudRate), m_baudRate(baudRate),
      m_latencyMs(latencyMs)
{
    m_clock.start();
}

bool CSimLoop::Run(QString *error)
{
    for (;;) {
        bool stopRequested = false;
        if (!WaitForEvents(&stopRequested)) {
            *error = QStringLiteral("poll failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        if (stopRequested)
            return true;
        if (!m_hostAway)
            ReadFromHost();
        if (!FeedArrived(error))
            return false;
        WriteDue();
    }
}

bool CSimLoop::WaitForEvents(bool *stopRequested)
{
    pollfd fds[2] = {{g_signalPipe[0], POLLIN, 0}, {m_line.Fd(), POLLIN, 0}};
    if (!m_pacer.IsEmpty())
        fds[1].events |= POLLOUT;
    int timeout = -1;
    for (const phonesim::COutputPacer *queue : {&m_pacer, &m_arrivals}) {
        if (queue->IsEmpty())
            continue;
        const int due = int(std::max<qint64>(0, queue->NextDueMs() - Now()));
        timeout = timeout < 0 ? due : std::min(timeout, due);
    }
    if (m_hostAway)
        timeout = timeout < 0 ? kHostAwayPollMs : std::min(timeout, kHostAwayPollMs);
    const int watched = m_hostAway ? 1 : 2;
    if (::poll(fds, nfds_t(watched), timeout) < 0 && errno != EINTR)
        return false;
    *stopRequested = (fds[0].revents & POLLIN) != 0;
    if (m_hostAway && !HostStillAway())
        m_hostAway = false;
    return true;
}

bool CSimLoop::HostStillAway() const
{
    pollfd fd{m_line.Fd(), POLLIN, 0};
    return ::poll(&fd, 1, 0) > 0 && (fd.revents & POLLHUP) != 0 && (fd.revents & POLLIN) == 0;
}

void CSimLoop::ReadFromHost()
{
    char buffer[kReadChunk];
    const ssize_t count = ::read(m_line.Fd(), buffer, sizeof buffer);
    if (count < 0 && errno == EIO) {
        HostClosed();
        return;
    }
    if (count <= 0)
        return;
    // A host at another rate than the phone's sends noise the phone ignores.
    if (m_baudRate > 0 && m_line.HostBaudRate() != m_baudRate)
        return;
    m_arrivals.Push(QByteArray(buffer, count), Now());
}

bool CSimLoop::FeedArrived(QString *error)
{
    const QByteArray arrived = m_arrivals.Take(Now());
    if (arrived.isEmpty())
        return true;
    const phonesim::SimOutput output = m_session.Feed(arrived);
    if (output.hangUp)
        return HangUp(error);
    for (const phonesim::SimChunk &chunk : output.chunks)
        m_pacer.Push(chunk.bytes, Now() + (chunk.answer ? m_latencyMs : 0));
    return true;
}

void CSimLoop::HostClosed()
{
    m_session.LineClosed();
    m_pacer.Clear();
    m_arrivals.Clear();
    m_hostAway = true;
}

bool CSimLoop::HangUp(QString *error)
{
    m_session.LineClosed();
    m_pacer.Clear();
    m_arrivals.Clear();
    if (!m_line.Open(error))
        return false;
    AnnounceDevice(m_line.Device());
    return true;
}

void CSimLoop::WriteDue()
{
    const QByteArray due = m_pacer.Take(Now());
    if (due.isEmpty())
        return;
    const ssize_t written = ::write(m_line.Fd(), due.constData(), size_t(due.size()));
    m_pacer.PutBack(due.mid(written < 0 ? 0 : qsizetype(written)));
}
