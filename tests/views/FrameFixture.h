// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A real main frame with its worker over the module doubles, started in a
// work folder of its own whose setting.ini names the phone type; the phone
// counts as connected and message boxes are recorded.

#include "app/MainFrame.h"
#include "link/SharedState.h"
#include "resources/Resources.h"
#include "tests/support/FindControl.h"
#include "tests/support/TestSupport.h"
#include "ui/TaskPane.h"
#include "ui/WaitWnd.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace orrin::test {

class FrameFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        HideWaitWindow();
        frame.reset();
        if (!m_previousDir.isEmpty())
            QDir::setCurrent(m_previousDir);
    }

    // Writes the settings and the phone type's data folder, then starts the
    // frame; its first paint loads the settings.
    void StartFrame(const QString &phoneType, const QByteArray &country = "Germany")
    {
        InitResources();
        ResetSharedState();
        ASSERT_TRUE(m_dir.isValid());
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QFile file(m_dir.filePath(QStringLiteral("setting.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[User]\r\nPhone type=" + phoneType.toUtf8() + "\r\nCountry=" + country +
                   "\r\n[Connection]\r\nConnect device=COM1\r\nBaudrate=115200\r\n");
        file.close();
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(phoneType));
        frame = std::make_unique<CMainFrame>();
        frame->resize(900, 640);
        frame->StartWorker();
        frame->show();
        ASSERT_TRUE(WaitUntil([] { return !g_strPhoneType.Get().isEmpty(); }));
        g_bConnected.store(1);
    }

    QString WorkPath(const QString &name) const { return m_dir.filePath(name); }

    CBoxRecorder boxes;
    std::unique_ptr<CMainFrame> frame;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

} // namespace orrin::test
