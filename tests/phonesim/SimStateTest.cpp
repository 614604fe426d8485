// The simulated phone's state file, its clock, its command line and the
// pacing of its output.
#include "OutputPacer.h"
#include "SimOptions.h"
#include "SimPhone.h"
#include "SimState.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace phonesim;

namespace {

TEST(SimStateTest, SeedsDescribeAPhoneOfEachFamily)
{
    const SimState older = SeedState(SimFamily::Older);
    EXPECT_EQ(older.manufacturer, "SIEMENS");
    EXPECT_EQ(older.model, "S45i");
    EXPECT_EQ(older.imei.size(), 15);
    const SimState newer = SeedState(SimFamily::Newer);
    EXPECT_EQ(newer.family, SimFamily::Newer);
    EXPECT_EQ(newer.model, "S55");
    EXPECT_TRUE(newer.serviceCentre.startsWith(QLatin1Char('+')));
    EXPECT_TRUE(newer.kept.contains(QStringLiteral("phoneBooks")));
}

TEST(SimStateTest, MissingFieldsKeepTheSeedAndOtherSectionsSurvive)
{
    QString error;
    const std::optional<SimState> state = StateFromJson(
        R"({"family":"older","identity":{"model":"ME45"},"clock":{"offsetSeconds":-3600},
            "phoneBooks":{"SM":[{"number":"123","name":"Anna"}]}})",
        &error);
    ASSERT_TRUE(state) << error.toStdString();
    EXPECT_EQ(state->model, "ME45");
    EXPECT_EQ(state->revision, SeedState(SimFamily::Older).revision);
    EXPECT_EQ(state->clockOffsetSeconds, -3600);

    const std::optional<SimState> again = StateFromJson(StateToJson(*state), &error);
    ASSERT_TRUE(again) << error.toStdString();
    EXPECT_EQ(again->model, "ME45");
    EXPECT_EQ(again->clockOffsetSeconds, -3600);
    EXPECT_EQ(again->kept.value(QStringLiteral("phoneBooks")).toObject().value(QStringLiteral("SM")).toArray().size(),
              1);
}

TEST(SimStateTest, BrokenStateIsRefusedWithAReason)
{
    for (const char *json : {"", "[1,2]", "{\"family\":\"newest\"}", "{\"family\":\"older\",\"signal\":3}",
                             "{\"family\":\"older\",\"signal\":{\"rssi\":\"strong\"}}",
                             "{\"family\":\"older\",\"signal\":{\"rssi\":1.5}}",
                             "{\"family\":\"older\",\"identity\":{\"model\":7}}"}) {
        QString error;
        EXPECT_FALSE(StateFromJson(json, &error)) << json;
        EXPECT_FALSE(error.isEmpty()) << json;
    }
}

TEST(SimStateTest, StateFileOfTheOtherFamilyIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("phone.json"));
    QString error;
    ASSERT_TRUE(SaveState(SeedState(SimFamily::Newer), path, &error)) << error.toStdString();
    EXPECT_TRUE(LoadState(path, SimFamily::Newer, &error));
    EXPECT_FALSE(LoadState(path, SimFamily::Older, &error));
    EXPECT_TRUE(error.contains(QLatin1String("newer")));
    // No file yet: the seed.
    EXPECT_EQ(LoadState(dir.filePath(QStringLiteral("none.json")), SimFamily::Older, &error)->model, "S45i");
}

TEST(SimPhoneTest, ClockRunsOnFromTheTimeLastSet)
{
    QDateTime now(QDate(2025, 6, 1), QTime(12, 0, 0));
    CSimPhone phone(SeedState(SimFamily::Newer), [&] { return now; });
    EXPECT_EQ(phone.ClockText(), "25/06/01,12:00:00");
    ASSERT_TRUE(phone.SetClock(QStringLiteral("24/02/29,23:59:58")));
    now = now.addSecs(3);
    EXPECT_EQ(phone.ClockText(), "24/03/01,00:00:01");
    EXPECT_FALSE(phone.SetClock(QStringLiteral("24/02/30,00:00:00")));
    EXPECT_FALSE(phone.SetClock(QStringLiteral("24/02/28,00:00")));
    EXPECT_EQ(phone.ClockText(), "24/03/01,00:00:01");
}

TEST(SimPhoneTest, ClockReadsBackAsSetWithinTheSameSecond)
{
    QDateTime now(QDate(2025, 6, 1), QTime(12, 0, 0, 700));
    CSimPhone phone(SeedState(SimFamily::Older), [&] { return now; });
    ASSERT_TRUE(phone.SetClock(QStringLiteral("30/06/15,08:00:00")));
    now = now.addMSecs(200);
    EXPECT_EQ(phone.ClockText(), "30/06/15,08:00:00");
}

std::optional<SimOptions> Parse(QStringList arguments, QString *message)
{
    arguments.prepend(QStringLiteral("phonesim"));
    return ParseSimOptions(arguments, message);
}

TEST(SimOptionsTest, ReadsEveryOption)
{
    QString message;
    const std::optional<SimOptions> options =
        Parse({"--family", "newer", "--model", "s56", "--state", "p.json", "--save", "--link", "ports/COM1", "--baud",
               "19200", "--latency-ms", "50", "--fault", "silent-after=4", "--fault", "error=AT+CCLK:3"},
              &message);
    ASSERT_TRUE(options) << message.toStdString();
    EXPECT_EQ(options->family, SimFamily::Newer);
    EXPECT_EQ(options->model, "S56");
    EXPECT_TRUE(options->save);
    EXPECT_EQ(options->linkPath, "ports/COM1");
    EXPECT_EQ(options->baudRate, 19200);
    EXPECT_EQ(options->latencyMs, 50);
    EXPECT_EQ(options->faults.silentAfter, 4);
    EXPECT_TRUE(options->faults.errors.contains("+CCLK"));
}

TEST(SimOptionsTest, RefusesWhatCannotWork)
{
    const QList<QStringList> bad = {{},
                                    {"--family", "oldest"},
                                    {"--family", "older", "--model", "S55"},
                                    {"--family", "newer", "--save"},
                                    {"--family", "newer", "--baud", "0"},
                                    {"--family", "newer", "--latency-ms", "-1"},
                                    {"--family", "newer", "--fault", "sometimes"},
                                    {"--family", "newer", "--colour", "blue"}};
    for (const QStringList &arguments : bad) {
        QString message;
        EXPECT_FALSE(Parse(arguments, &message)) << arguments.join(' ').toStdString();
        EXPECT_FALSE(message.isEmpty());
    }
}

TEST(OutputPacerTest, UnpacedBytesGoAfterTheLatencyInOrder)
{
    COutputPacer pacer;
    pacer.Push("echo", 0);
    pacer.Push("answer", 300);
    pacer.Push("late echo", 0);  // never overtakes the answer
    EXPECT_EQ(pacer.Take(0), "echo");
    EXPECT_EQ(pacer.NextDueMs(), 300);
    EXPECT_EQ(pacer.Take(299), "");
    EXPECT_EQ(pacer.Take(300), "answerlate echo");
    EXPECT_TRUE(pacer.IsEmpty());
}

TEST(OutputPacerTest, PacedBytesFollowTheLineRate)
{
    // 9600 baud carries 960 bytes a second: 96 bytes take 100 ms.
    COutputPacer pacer(9600);
    pacer.Push(QByteArray(96, 'x'), 1000);
    QByteArray sent;
    qint64 now = 1000;
    while (!pacer.IsEmpty()) {
        sent += pacer.Take(now);
        now = std::max(now + 1, pacer.NextDueMs());
    }
    EXPECT_EQ(sent.size(), 96);
    EXPECT_GE(now, 1098);
    EXPECT_LE(now, 1103);
}

TEST(OutputPacerTest, BytesTheLineRefusedGoFirst)
{
    COutputPacer pacer;
    pacer.Push("world", 0);
    pacer.PutBack("hello ");
    EXPECT_EQ(pacer.Take(0), "hello world");
}

} // namespace
