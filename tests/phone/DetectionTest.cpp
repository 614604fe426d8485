// SPDX-License-Identifier: GPL-2.0-or-later
// Detection through the real Mobile module: the COM links, devices outside
// the COM names, the baud rate, and the devices it must leave alone.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/RealModules.h"

#include <QElapsedTimer>
#include <QFileInfo>

using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

class DetectionTest : public RealModuleTest {
protected:
    // Reports the detected port, or an empty text when detection failed.
    QString Detect()
    {
        char port[MONITOR_PORT_SIZE] = {};
        baudRate = 0;
        return calls.MonitorPhone(port, &baudRate) ? QString::fromLatin1(port) : QString();
    }

    // No machine ports unless a test names some: detection must not touch
    // the serial ports of the machine the tests run on.
    CScopedEnv noMachinePorts{"ORRIN_SERIAL_DEVICES", ""};
    CPhoneSimProcess phone;
    int32_t baudRate = 0;
};

TEST_F(DetectionTest, FindsThePhoneLinkedAsCom7)
{
    CSilentPty silent;
    QDir().mkpath(QStringLiteral("ports"));
    ASSERT_TRUE(QFile::link(silent.Device(), QStringLiteral("ports/COM2")));
    ASSERT_TRUE(phone.Start({"--family", "older", "--link", "ports/COM7"}));
    EXPECT_EQ(Detect(), QStringLiteral("COM7"));
    EXPECT_EQ(baudRate, 115200);
    // Detection leaves the line closed, and the name it found opens.
    EXPECT_TRUE(calls.OpenComms("COM7", baudRate));
}

TEST_F(DetectionTest, ReportsTheRateThePhoneAnswersAt)
{
    ASSERT_TRUE(phone.Start({"--family", "newer", "--baud", "19200", "--link", "ports/COM3"}));
    EXPECT_EQ(Detect(), QStringLiteral("COM3"));
    EXPECT_EQ(baudRate, 19200);
}

TEST_F(DetectionTest, PhoneOutsideTheComNamesGetsTheFirstFreeLink)
{
    QDir().mkpath(QStringLiteral("ports"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/ttyUSB7"), QStringLiteral("ports/COM1")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/ttyUSB8"), QStringLiteral("ports/COM2")));
    ASSERT_TRUE(phone.Start({"--family", "newer"}));
    const CScopedEnv devices("ORRIN_SERIAL_DEVICES", phone.Device().toLocal8Bit());
    EXPECT_EQ(Detect(), QStringLiteral("COM3"));
    EXPECT_EQ(QFileInfo(QStringLiteral("ports/COM3")).symLinkTarget(), phone.Device());
    EXPECT_TRUE(calls.OpenComms("COM3", baudRate));
}

TEST_F(DetectionTest, NeverTypesIntoPseudoTerminalsItWasNotGiven)
{
    CSilentPty terminal;
    ASSERT_TRUE(phone.Start({"--family", "newer"}));
    const CScopedEnv devices("ORRIN_SERIAL_DEVICES", "/dev/pts/*");
    EXPECT_EQ(Detect(), QString());
    EXPECT_EQ(terminal.Received(), QByteArray());
    ASSERT_TRUE(phone.Stop());
    EXPECT_EQ(phone.TotalCount(), 0);
}

TEST_F(DetectionTest, NoPhoneAnywhereFailsInBoundedTime)
{
    CSilentPty silent;
    QDir().mkpath(QStringLiteral("ports"));
    ASSERT_TRUE(QFile::link(silent.Device(), QStringLiteral("ports/COM4")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/ttyUSB3"), QStringLiteral("ports/COM5")));
    const CScopedEnv devices("ORRIN_SERIAL_DEVICES", silent.Device().toLocal8Bit());
    const QString tracePath = folder.FilePath(QStringLiteral("trace.txt"));
    const CScopedEnv trace("ORRIN_TRACE", tracePath.toLocal8Bit());
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(Detect(), QString());
    // One device (named twice, tried once) at five rates.
    EXPECT_LT(elapsed.elapsed(), 5000);
    EXPECT_TRUE(silent.Received().startsWith("AT\r"));
    // The trace says why each port failed.
    QFile file(tracePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("COM4 # no answer"))) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("COM5 #")), 0) << text.toStdString();  // leads nowhere: not tried
    EXPECT_TRUE(text.contains(QStringLiteral("detection # no phone found"))) << text.toStdString();
}

TEST_F(DetectionTest, RefusesWhileTheLineIsOpen)
{
    ASSERT_TRUE(phone.Start({"--family", "older", "--link", "ports/COM1"}));
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    EXPECT_EQ(Detect(), QString());
    MobileInfoTexts info;
    EXPECT_TRUE(info.Read(calls));
}

} // namespace
