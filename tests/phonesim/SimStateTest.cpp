// SPDX-License-Identifier: GPL-2.0-or-later
// The simulated phone's state file, its clock, its command line and the
// pacing of its output.
#include "phonesim/core/OutputPacer.h"
#include "phonesim/core/SimOptions.h"
#include "phonesim/core/SimPhone.h"
#include "phonesim/core/SimState.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
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
    // Each seed has a full SIM card and a sparse phone memory, of entries and
    // of messages, and messages of every status.
    for (const SimState &seed : {older, newer}) {
        const SimPhoneBook sim = seed.memories.phoneBooks.value("SM");
        const SimPhoneBook phone = seed.memories.phoneBooks.value("ME");
        EXPECT_EQ(sim.FirstFree(), 0);
        EXPECT_GT(phone.FirstFree(), 0);
        EXPECT_LT(phone.FirstFree(), phone.entries.lastKey());
        EXPECT_EQ(seed.memories.messages.value("SM").FirstFree(), 0);
        EXPECT_GT(seed.memories.messages.value("ME").FirstFree(), 0);
        QSet<int> statuses;
        for (const SimMessageMemory &memory : seed.memories.messages) {
            for (const SimMessage &message : memory.entries) {
                statuses.insert(message.status);
                EXPECT_EQ(MessageTypeOf(message.pdu), message.status < 2 ? 0 : 1) << message.pdu.constData();
            }
        }
        EXPECT_EQ(statuses, (QSet<int>{0, 1, 2, 3}));
    }
}

TEST(SimStateTest, MissingFieldsKeepTheSeedAndOtherSectionsSurvive)
{
    QString error;
    const std::optional<SimState> state = StateFromJson(
        R"({"family":"older","identity":{"model":"ME45"},"clock":{"offsetSeconds":-3600},
            "phoneBooks":{"SM":{"capacity":3,"entries":[{"location":2,"number":"123","name":"Anna!"}]}},
            "messages":{"ME":{"capacity":1,"entries":[]},"sent":["0011"]},
            "objects":{"mid":{"first":0,"last":4,"entries":[{"index":2,"hex":"4D546864"}]}},
            "extra":{"bmp":[1,2]}})",
        &error);
    ASSERT_TRUE(state) << error.toStdString();
    const SimState seed = SeedState(SimFamily::Older);
    EXPECT_EQ(state->model, "ME45");
    EXPECT_EQ(state->revision, seed.revision);
    EXPECT_EQ(state->clockOffsetSeconds, -3600);
    // A memory the file names replaces the seed's; the others stay.
    EXPECT_EQ(state->memories.phoneBooks.value("SM").capacity, 3);
    EXPECT_EQ(state->memories.phoneBooks.value("SM").entries.value(2).name, "Anna!");
    EXPECT_EQ(state->memories.phoneBooks.value("ME").entries, seed.memories.phoneBooks.value("ME").entries);
    EXPECT_TRUE(state->memories.messages.value("ME").entries.isEmpty());
    EXPECT_EQ(state->memories.messages.value("SM").entries.size(), 6);

    const std::optional<SimState> again = StateFromJson(StateToJson(*state), &error);
    ASSERT_TRUE(again) << error.toStdString();
    EXPECT_EQ(again->model, "ME45");
    EXPECT_EQ(again->clockOffsetSeconds, -3600);
    EXPECT_EQ(again->memories.phoneBooks.value("SM").entries.value(2).number, "123");
    EXPECT_EQ(again->memories.messages.value("SM").entries.value(5).pdu,
              seed.memories.messages.value("SM").entries.value(5).pdu);
    EXPECT_EQ(again->memories.sent, QList<QByteArray>{"0011"});
    EXPECT_EQ(again->kept.value(QStringLiteral("extra")).toObject().value(QStringLiteral("bmp")).toArray().size(), 2);
    // An object type the file names replaces the seed's; the others stay.
    EXPECT_EQ(again->objects.memories.value("mid").entries, (QMap<int, QByteArray>{{2, "MThd"}}));
    EXPECT_EQ(again->objects.memories.value("vcf").entries, seed.objects.memories.value("vcf").entries);
}

TEST(SimStateTest, BrokenStateIsRefusedWithAReason)
{
    for (const char *json : {"", "[1,2]", "{\"family\":\"newest\"}", "{\"family\":\"older\",\"signal\":3}",
                             "{\"family\":\"older\",\"signal\":{\"rssi\":\"strong\"}}",
                             "{\"family\":\"older\",\"signal\":{\"rssi\":1.5}}",
                             "{\"family\":\"older\",\"identity\":{\"model\":7}}",
                             // Memories: not an object, a location outside the capacity or taken
                             // twice, a status out of range, a PDU that is no hex.
                             "{\"family\":\"older\",\"phoneBooks\":[]}",
                             "{\"family\":\"older\",\"phoneBooks\":{\"SM\":{\"capacity\":2,"
                             "\"entries\":[{\"location\":3,\"number\":\"1\"}]}}}",
                             "{\"family\":\"older\",\"phoneBooks\":{\"SM\":{\"capacity\":2,\"entries\":"
                             "[{\"location\":1,\"number\":\"1\"},{\"location\":1,\"number\":\"2\"}]}}}",
                             "{\"family\":\"older\",\"messages\":{\"SM\":{\"capacity\":2,"
                             "\"entries\":[{\"location\":1,\"status\":4,\"pdu\":\"00\"}]}}}",
                             "{\"family\":\"older\",\"messages\":{\"SM\":{\"capacity\":2,"
                             "\"entries\":[{\"location\":1,\"status\":1,\"pdu\":\"0G\"}]}}}",
                             "{\"family\":\"older\",\"messages\":{\"sent\":\"0011\"}}",
                             // Objects: a type that is no object, an entry outside its range, no hex.
                             "{\"family\":\"older\",\"objects\":{\"vcf\":[]}}",
                             "{\"family\":\"older\",\"objects\":{\"vcf\":{\"first\":0,\"last\":2,"
                             "\"entries\":[{\"index\":3,\"text\":\"x\"}]}}}",
                             "{\"family\":\"older\",\"objects\":{\"bmp\":{\"first\":0,\"last\":2,"
                             "\"entries\":[{\"index\":1,\"hex\":\"4G\"}]}}}"}) {
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

TEST(OutputPacerTest, ALateTakeGetsWhatTheBusyLineCarriedMeanwhile)
{
    COutputPacer pacer(9600);
    pacer.Push(QByteArray(96, 'x'), 1000);
    EXPECT_EQ(pacer.Take(1000).size(), 1);
    // 51 ms later the line has carried 48 bytes more, whenever they are taken.
    EXPECT_EQ(pacer.Take(1051).size(), 48);
    // An idle line saves nothing up: new bytes start when they are due.
    EXPECT_EQ(pacer.Take(1200).size(), 47);
    pacer.Push(QByteArray(10, 'y'), 2000);
    EXPECT_EQ(pacer.Take(2000).size(), 1);
}

TEST(OutputPacerTest, BytesTheLineRefusedGoFirst)
{
    COutputPacer pacer;
    pacer.Push("world", 0);
    pacer.PutBack("hello ");
    EXPECT_EQ(pacer.Take(0), "hello world");
}

} // namespace
