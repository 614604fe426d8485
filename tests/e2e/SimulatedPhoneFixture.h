// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's frame in a fresh working folder, with a simulated phone
// linked there as a COM name: the base of the end-to-end tests.

#include "app/MainFrame.h"
#include "tests/support/FrameParts.h"
#include "tests/support/PhoneSimProcess.h"
#include "resources/Resources.h"
#include "tests/support/TestSupport.h"
#include "ui/WaitWnd.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace orrin::test {

class SimulatedPhoneFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitResources();
        ResetSharedState();
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        ASSERT_TRUE(QDir().mkpath("ports"));
        // Detection looks at the ports/ links only, never at the machine's ports.
        qputenv("ORRIN_SERIAL_DEVICES", "");
    }
    void TearDown() override
    {
        if (m_frame && g_bConnected.load()) {
            m_frame->RouteCommand(ID_DISCONNECT);
            WaitUntil([this] { return g_bConnected.load() == 0 && Idle(); });
        }
        m_frame.reset();
        m_phone.Stop();
        QDir::setCurrent(m_previousDir);
    }

    void WriteSettings(const QByteArray &bytes)
    {
        QFile file(m_dir.filePath("setting.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Starts the simulated phone linked as ports/<com>, with more options.
    void StartPhone(const QString &com, const QStringList &options)
    {
        ASSERT_TRUE(m_phone.Start(options + QStringList{"--link", m_dir.filePath("ports/" + com)}));
    }

    // Shows the frame (its first paint loads setting.ini) and starts the worker.
    void StartProgram()
    {
        m_frame = std::make_unique<CMainFrame>();
        m_frame->resize(900, 600);
        m_frame->show();
        ASSERT_TRUE(WaitUntil([] { return !g_strPhoneType.Get().isEmpty(); }));
        m_frame->StartWorker();
    }

    bool Idle() const { return g_bBusy.load() == 0 && g_nCommand.load() == 0 && TheWaitWindow() == nullptr; }

    // Routes a command and waits until the worker has answered it.
    void Run(int command)
    {
        m_frame->RouteCommand(command);
        ASSERT_TRUE(WaitUntil([&] { return Idle(); }, 10000));
    }

    QTemporaryDir m_dir;
    QString m_previousDir;
    CPhoneSimProcess m_phone;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace orrin::test
