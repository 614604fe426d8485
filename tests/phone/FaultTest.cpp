// SPDX-License-Identifier: GPL-2.0-or-later
// The real modules against a phone that falls silent, answers noise, hangs
// up or refuses: every call fails within its time, and the line recovers.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/RealModules.h"

#include <QElapsedTimer>
#include <QFile>

using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

// The three commands of the greeting that OpenComms sends.
constexpr int kGreeting = 3;
constexpr qint64 kCallLimitMs = 5000;

class FaultTest : public RealModuleTest {
protected:
    void StartPhone(const QString &fault)
    {
        ASSERT_TRUE(phone.Start({"--family", "newer", "--link", "ports/COM1", "--fault", fault}));
        ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    }

    // Reads the identity; the time it took lands in lastCallMs.
    bool ReadInfo()
    {
        QElapsedTimer timer;
        timer.start();
        MobileInfoTexts info;
        const bool read = info.Read(calls);
        lastCallMs = timer.elapsed();
        return read;
    }

    CPhoneSimProcess phone;
    qint64 lastCallMs = 0;
};

TEST_F(FaultTest, SilentPhoneFailsTheNextCallInTimeAndTheLineRecovers)
{
    StartPhone(QStringLiteral("silent-after=%1").arg(kGreeting));
    EXPECT_FALSE(ReadInfo());
    EXPECT_LT(lastCallMs, kCallLimitMs);
    // The next call brings the line back into step by itself.
    EXPECT_TRUE(ReadInfo());
}

TEST_F(FaultTest, FreshOpenWorksAfterSilence)
{
    StartPhone(QStringLiteral("silent-after=%1").arg(kGreeting));
    EXPECT_FALSE(ReadInfo());
    EXPECT_TRUE(calls.CloseComms());
    EXPECT_TRUE(calls.OpenComms("COM1", 115200));
    EXPECT_TRUE(ReadInfo());
}

TEST_F(FaultTest, NoiseFailsTheCallInTimeAndAFreshOpenWorks)
{
    StartPhone(QStringLiteral("garbage-after=%1").arg(kGreeting + 1));
    EXPECT_FALSE(ReadInfo());
    EXPECT_LT(lastCallMs, kCallLimitMs);
    EXPECT_TRUE(calls.CloseComms());
    EXPECT_TRUE(calls.OpenComms("COM1", 115200));
    EXPECT_TRUE(ReadInfo());
}

TEST_F(FaultTest, HangUpFailsTheCallAtOnceAndTheNewLineOpens)
{
    StartPhone(QStringLiteral("hangup-after=%1").arg(kGreeting));
    const QString first = phone.Device();
    EXPECT_FALSE(ReadInfo());
    EXPECT_LT(lastCallMs, kCallLimitMs);
    ASSERT_TRUE(phone.WaitForNewDevice());
    EXPECT_NE(phone.Device(), first);
    EXPECT_TRUE(calls.CloseComms());
    EXPECT_TRUE(calls.OpenComms("COM1", 115200));
    EXPECT_TRUE(ReadInfo());
}

TEST_F(FaultTest, ErrorAnswersBecomeFailureResults)
{
    ASSERT_TRUE(phone.Start({"--family", "older", "--link", "ports/COM1", "--fault", "error=AT+CCLK:3", "--fault",
                             "error=+CBC:ERROR", "--fault", "error=AT^SCID:10"}));
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    char clock[ME_TIME_SIZE] = {};
    EXPECT_FALSE(calls.GetMETime(clock));
    EXPECT_FALSE(calls.SetMETime("24/02/29,23:59:58"));
    SimInfoTexts sim;
    EXPECT_FALSE(sim.Read(calls));
    // A refused battery level leaves only that text empty.
    MobileInfoTexts info;
    EXPECT_TRUE(info.Read(calls));
    EXPECT_STREQ(info.battery, "");
    EXPECT_STREQ(info.model, "S45i");
}

TEST_F(FaultTest, OpenCommsFailsInTimeWhereNothingAnswers)
{
    CSilentPty silent;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(calls.OpenComms(silent.Device().toLocal8Bit().constData(), 115200));
    EXPECT_LT(timer.elapsed(), kCallLimitMs);
    EXPECT_TRUE(silent.Received().contains("AT\r"));
    MobileInfoTexts info;
    EXPECT_FALSE(info.Read(calls));
}

TEST_F(FaultTest, OpenCommsFailsAtAnotherRateThanThePhones)
{
    ASSERT_TRUE(phone.Start({"--family", "older", "--baud", "38400", "--link", "ports/COM1"}));
    EXPECT_FALSE(calls.OpenComms("COM1", 115200));
    EXPECT_TRUE(calls.OpenComms("COM1", 38400));
    EXPECT_TRUE(ReadInfo());
}

TEST_F(FaultTest, SlowPhoneStillAnswersInTime)
{
    ASSERT_TRUE(phone.Start({"--family", "newer", "--baud", "9600", "--latency-ms", "300", "--link", "ports/COM1"}));
    ASSERT_TRUE(calls.OpenComms("COM1", 9600));
    char clock[ME_TIME_SIZE] = {};
    EXPECT_TRUE(calls.GetMETime(clock));
}

TEST_F(FaultTest, MissingDeviceFailsAtOnce)
{
    QDir().mkpath(QStringLiteral("ports"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/ttyUSB0"), QStringLiteral("ports/COM9")));
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(calls.OpenComms("COM9", 115200));
    EXPECT_FALSE(calls.OpenComms("/nonexistent/ttyUSB0", 115200));
    EXPECT_LT(timer.elapsed(), 1000);
}

} // namespace
