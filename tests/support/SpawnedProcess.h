// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A child program for a test (phonesim, orrin-backup): started with
// posix_spawn, its standard output and error written into files of its own,
// read at any time. Ended with SIGTERM, or SIGKILL when it outlives its test.
//
// Not QProcess: QProcess creates the child with a raw clone() from inside Qt
// that ThreadSanitizer cannot follow; afterwards it no longer sees the locks
// of the test's interface thread (every hand-over to the worker looks like a
// race) and takes the test for a forked child that may not start threads.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

namespace orrin::test {

class CSpawnedProcess {
public:
    CSpawnedProcess() = default;
    ~CSpawnedProcess();
    CSpawnedProcess(const CSpawnedProcess &) = delete;
    CSpawnedProcess &operator=(const CSpawnedProcess &) = delete;

    // Starts the program in the folder (the test's own when empty); false
    // when it could not be started or is still running.
    bool Start(const QString &program, const QStringList &arguments, const QString &folder = {});
    bool Running();
    // False when it was still running at the timeout.
    bool WaitForExit(int timeoutMs);
    void Terminate();
    // The exit code of a child that ended by itself, -1 otherwise.
    int ExitCode() const;
    // Everything it wrote so far.
    QByteArray Output() const;
    QByteArray ErrorOutput() const;

private:
    QTemporaryDir m_outputDir;
    pid_t m_pid = -1;
    int m_status = -1;
};

} // namespace orrin::test
