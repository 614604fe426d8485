// SPDX-License-Identifier: GPL-2.0-or-later
// COM names, their ports/ links, and the devices detection tries.
#include "phone/line/Detection.h"
#include "tests/phone/PhoneTestSupport.h"
#include "phone/line/PortNames.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace orrin::phone;
using namespace orrin::phone::test;

namespace {

QStringList Devices(const QList<DetectionCandidate> &candidates)
{
    QStringList devices;
    for (const DetectionCandidate &candidate : candidates)
        devices << candidate.device;
    return devices;
}

TEST(PortNamesTest, ComNamesAreRecognisedInAnyCase)
{
    EXPECT_EQ(ComNumber(QStringLiteral("COM7")), 7);
    EXPECT_EQ(ComNumber(QStringLiteral("com15")), 15);
    EXPECT_EQ(ComNumber(QStringLiteral("COM0")), 0);
    EXPECT_EQ(ComNumber(QStringLiteral("COM")), 0);
    EXPECT_EQ(ComNumber(QStringLiteral("COM7x")), 0);
    EXPECT_EQ(ComNumber(QStringLiteral("/dev/ttyUSB0")), 0);
}

class PortFolderTest : public ::testing::Test {
protected:
    void Link(const QString &target, int number)
    {
        QDir().mkpath(QStringLiteral("ports"));
        ASSERT_TRUE(QFile::link(target, ComLinkPath(number)));
    }

    CTestFolder folder;
};

TEST_F(PortFolderTest, ComNameFollowsItsLinkOrFallsBackToTtyS)
{
    CSilentPty pty;
    Link(pty.Device(), 2);
    Link(QStringLiteral("/nonexistent/ttyUSB9"), 3);
    EXPECT_EQ(ResolvePortName(QStringLiteral("COM2")), pty.Device());
    EXPECT_EQ(ResolvePortName(QStringLiteral("COM3")), QString());
    EXPECT_EQ(ResolvePortName(QStringLiteral("COM4")), QStringLiteral("/dev/ttyS3"));
    EXPECT_EQ(ResolvePortName(pty.Device()), pty.Device());
    EXPECT_EQ(ResolvePortName(QStringLiteral("dev/modem")), folder.FilePath(QStringLiteral("dev/modem")));
    EXPECT_EQ(ResolvePortName(QString()), QString());
}

TEST_F(PortFolderTest, NewLinkTakesTheFirstNameWithoutAnEntry)
{
    CSilentPty pty;
    Link(QStringLiteral("/nonexistent/a"), 1);
    Link(QStringLiteral("/nonexistent/b"), 2);
    EXPECT_EQ(ComNameReaching(pty.Device()), QString());
    EXPECT_EQ(MakeComLink(pty.Device()), QStringLiteral("COM3"));
    EXPECT_EQ(QFileInfo(ComLinkPath(3)).symLinkTarget(), pty.Device());
    EXPECT_EQ(ComNameReaching(pty.Device()), QStringLiteral("COM3"));
}

TEST_F(PortFolderTest, NoLinkWhenEveryComNameIsTaken)
{
    for (int number = 1; number <= kComNameCount; ++number)
        Link(QStringLiteral("/nonexistent/%1").arg(number), number);
    EXPECT_EQ(MakeComLink(QStringLiteral("/dev/null")), QString());
}

TEST_F(PortFolderTest, CandidatesAreLinksThenMachinePortsEachOnce)
{
    CSilentPty linked;
    CSilentPty named;
    Link(linked.Device(), 7);
    const CScopedEnv devices("ORRIN_SERIAL_DEVICES", (named.Device() + ':' + linked.Device()).toLocal8Bit());
    const QList<DetectionCandidate> candidates = DetectionCandidates();
    EXPECT_EQ(Devices(candidates), QStringList({linked.Device(), named.Device()}));
    EXPECT_EQ(candidates.first().label, QStringLiteral("COM7"));
}

TEST_F(PortFolderTest, PatternsNeverYieldPseudoTerminals)
{
    CSilentPty pty;
    EXPECT_TRUE(IsPseudoTerminal(pty.Device()));
    EXPECT_FALSE(IsPseudoTerminal(QStringLiteral("/dev/null")));
    const CScopedEnv devices("ORRIN_SERIAL_DEVICES", "/dev/pts/*:/dev/nul?");
    EXPECT_EQ(Devices(DetectionCandidates()), QStringList{QStringLiteral("/dev/null")});
}

TEST_F(PortFolderTest, EmptyDeviceListLeavesOnlyTheLinks)
{
    const CScopedEnv devices("ORRIN_SERIAL_DEVICES", "");
    EXPECT_TRUE(DetectionCandidates().isEmpty());
}

} // namespace
