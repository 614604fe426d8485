// SPDX-License-Identifier: GPL-2.0-or-later
// The shell against the simulated phone: connecting and disconnecting, and
// detection from the settings dialog.
#include "tests/e2e/SimulatedPhoneFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

using namespace orrin;
using namespace orrin::test;

namespace {

class ShellEndToEndTest : public SimulatedPhoneFixture {};

TEST_F(ShellEndToEndTest, ConnectAndDisconnectAnOlderPhone)
{
    WriteSettings("[User]\r\nPhone type=S45i(Europe)\r\nCountry=Austria\r\n"
                  "[Connection]\r\nConnect device=COM2\r\nBaudrate=115200\r\n");
    StartPhone("COM2", {"--family", "older"});
    StartProgram();
    m_frame->RouteCommand(ID_CONNECT);
    ASSERT_NE(TheWaitWindow(), nullptr);
    EXPECT_EQ(TheWaitWindow()->Text(), "Connecting to phone");
    ASSERT_TRUE(WaitUntil([&] { return Idle(); }, 10000));
    EXPECT_EQ(g_bConnected.load(), 1);
    EXPECT_EQ(ToolbarAction(*m_frame, 0)->text(), "&Disconnect");
    EXPECT_EQ(PhoneMenu(*m_frame)->actions()[0]->text(), "&Disconnect");
    EXPECT_TRUE(QDir(m_dir.filePath("S45i(Europe)")).exists());

    Run(ID_DISCONNECT);
    EXPECT_EQ(g_bConnected.load(), 0);
    EXPECT_EQ(ToolbarAction(*m_frame, 0)->text(), "&Connect");
    EXPECT_EQ(PhoneMenu(*m_frame)->actions()[0]->text(), "&Connect");
}

TEST_F(ShellEndToEndTest, AutodetectFindsTheSimulatedPhone)
{
    WriteSettings("[User]\r\nPhone type=S55(Europe,Latin America)\r\nCountry=Japan\r\n");
    StartPhone("COM7", {"--family", "newer"});
    StartProgram();
    QString device, baud;
    auto *poll = new QTimer(m_frame.get());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        auto *dialog = qobject_cast<CSettingsDlg *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        PartOf<QPushButton>(*dialog, "autodetectButton")->click();
        EXPECT_FALSE(PartOf<QPushButton>(*dialog, "okButton")->isEnabled());
        if (WaitUntil([&] { return PartOf<QPushButton>(*dialog, "okButton")->isEnabled(); }, 30000)) {
            device = PartOf<QComboBox>(*dialog, "deviceList")->currentText();
            baud = PartOf<QComboBox>(*dialog, "baudRateList")->currentText();
        }
        PartOf<QPushButton>(*dialog, "cancelButton")->click();
    });
    poll->start();
    m_frame->RouteCommand(ID_SETTING);
    EXPECT_EQ(device, "COM7");
    EXPECT_EQ(baud, "115200");
    EXPECT_EQ(g_bConnected.load(), 0);
}

} // namespace
