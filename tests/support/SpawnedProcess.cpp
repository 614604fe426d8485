// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/SpawnedProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char **environ;

namespace orrin::test {
namespace {

constexpr int kPollMs = 10;

QByteArray Path(const QTemporaryDir &dir, const char *name)
{
    return QFile::encodeName(dir.filePath(QString::fromLatin1(name)));
}

QByteArray ReadAll(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The child's input is empty; its output and errors go to the two files.
bool PrepareChild(posix_spawn_file_actions_t &actions, const QTemporaryDir &dir, const QString &folder)
{
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    return posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0) == 0 &&
           posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, Path(dir, "stdout").constData(), flags, 0600) ==
               0 &&
           posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, Path(dir, "stderr").constData(), flags, 0600) ==
               0 &&
           (folder.isEmpty() ||
            posix_spawn_file_actions_addchdir_np(&actions, QFile::encodeName(folder).constData()) == 0);
}

} // namespace

CSpawnedProcess::~CSpawnedProcess()
{
    if (!Running())
        return;
    Terminate();
    if (!WaitForExit(3000)) {
        kill(m_pid, SIGKILL);
        WaitForExit(1000);
    }
}

bool CSpawnedProcess::Start(const QString &program, const QStringList &arguments, const QString &folder)
{
    if (Running() || !m_outputDir.isValid())
        return false;
    QList<QByteArray> texts{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        texts.append(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const bool spawned = PrepareChild(actions, m_outputDir, folder) &&
                         posix_spawn(&m_pid, argv.front(), &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    m_status = -1;
    if (!spawned)
        m_pid = -1;
    return spawned;
}

bool CSpawnedProcess::Running()
{
    if (m_pid <= 0)
        return false;
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) != m_pid)
        return true;
    m_status = status;
    m_pid = -1;
    return false;
}

bool CSpawnedProcess::WaitForExit(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (Running()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

void CSpawnedProcess::Terminate()
{
    if (Running())
        kill(m_pid, SIGTERM);
}

int CSpawnedProcess::ExitCode() const
{
    return m_pid <= 0 && m_status >= 0 && WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1;
}

QByteArray CSpawnedProcess::Output() const
{
    return ReadAll(Path(m_outputDir, "stdout"));
}

QByteArray CSpawnedProcess::ErrorOutput() const
{
    return ReadAll(Path(m_outputDir, "stderr"));
}

} // namespace orrin::test
