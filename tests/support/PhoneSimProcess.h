// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Runs phonesim as a child process for a test: Start launches it and waits
// for its "device:" line, Stop ends it with SIGTERM and collects the command
// counts it reports at exit. Link the target orrin_test_phonesim to use it.
//
//   CPhoneSimProcess phone;
//   ASSERT_TRUE(phone.Start({"--family", "newer", "--link", "ports/COM1"}));
//   ... talk to phone.Device() or the link ...
//   ASSERT_TRUE(phone.Stop());
//   EXPECT_EQ(phone.Count("AT+CGMI"), 1);

#include "tests/support/SpawnedProcess.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace orrin::test {

class CPhoneSimProcess {
public:
    CPhoneSimProcess() = default;
    CPhoneSimProcess(const CPhoneSimProcess &) = delete;
    CPhoneSimProcess &operator=(const CPhoneSimProcess &) = delete;

    // Starts phonesim with the arguments; false when it printed no device in time.
    bool Start(const QStringList &arguments, int timeoutMs = 5000);
    // The pseudo-terminal the phone answers on now.
    QString Device() const { return m_device; }
    // Waits for the phone to announce another device (after a hang-up).
    bool WaitForNewDevice(int timeoutMs = 5000);
    // Stops the phone with SIGTERM; false when it did not end cleanly.
    bool Stop(int timeoutMs = 5000);

    // After Stop: commands received, per name ("AT+CGMI"), and in all.
    int Count(const QString &name) const { return m_counts.value(name); }
    int TotalCount() const;
    // After Stop: bytes on the line per command, both ways.
    qint64 Bytes(const QString &name) const { return m_bytes.value(name); }
    QString ErrorOutput() const { return m_errorOutput; }

    static QString ProgramPath();

private:
    bool ReadDeviceLine(int timeoutMs);
    void ReadCounts();

    CSpawnedProcess m_process;
    qsizetype m_readOffset = 0;  // of its output, up to the last device line read
    QString m_device;
    QString m_errorOutput;
    QMap<QString, int> m_counts;
    QMap<QString, qint64> m_bytes;
};

} // namespace orrin::test
