// SPDX-License-Identifier: GPL-2.0-or-later
// How long listing a full SIM message memory of 30 messages of 160
// characters takes the way the message store reads it (select the memory,
// its size, then one listing), against phonesim at 115200 baud with 30 ms
// answer latency, beside the time the bytes alone need on the line.
//
// Run by hand: bench_message_read [--benchmark_...]. Not a test.
#include "phone/sms/SmsPdu.h"
#include "tests/phone/LimitReporter.h"
#include "tests/phone/RealModules.h"
#include "tests/support/PhoneSimProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

using namespace orrin::phone;
using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

constexpr int kMessages = 30;
constexpr int kBaudRate = 115200;
const QStringList kMessageCommands = {QStringLiteral("AT+CPMS"), QStringLiteral("AT+CMGL")};

// An older phone whose SIM holds kMessages received messages, every one full.
QString WriteFullSimState()
{
    QJsonArray entries;
    for (int location = 1; location <= kMessages; ++location) {
        SmsPdu pdu;
        pdu.kind = SmsKind::Deliver;
        pdu.party.text = QStringLiteral("49170%1").arg(location, 7, 10, QLatin1Char('0'));
        pdu.timeStamp = QStringLiteral("251208120000");
        pdu.text = QString(160, QLatin1Char('a' + location % 26));
        entries.append(QJsonObject{{"location", location},
                                   {"status", location % 2},
                                   {"pdu", QString::fromLatin1(EncodePduHex(pdu).value_or(QByteArray()))}});
    }
    const QJsonObject sim{{"capacity", kMessages}, {"entries", entries}};
    const QJsonObject state{{"family", "older"}, {"messages", QJsonObject{{"SM", sim}}}};
    QFile file(QStringLiteral("full-sim.json"));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QJsonDocument(state).toJson());
    return file.fileName();
}

QStringList PhoneArguments(const QString &state)
{
    return {"--family", "older", "--state", state, "--link", "ports/COM1", "--baud", QString::number(kBaudRate), "--latency-ms", "30"};
}

struct Bench {
    CRealModules modules;
    PhoneCalls calls{modules};
    SmsCalls sms{modules};
    QString state;
    RunLimit limit;
};

Bench &TheBench()
{
    static Bench bench;
    return bench;
}

// One read of the SIM memory as the message store makes it; the messages listed.
int ReadSimMessages(SmsCalls &sms)
{
    const int count = sms.SetSMSMemoGetSMSNum("SM");
    if (count <= 0 || sms.GetSMSSpace("SM") < count)
        return 0;
    std::vector<SmsRecord> records(size_t(count), SmsRecord{});
    return sms.ListShortMessage(records.data(), count) ? count : 0;
}

// One read against a phone of its own, to count the bytes a read puts on the line.
bool MeasureLimit(Bench &bench)
{
    CPhoneSimProcess phone;
    if (!phone.Start(PhoneArguments(bench.state)) || !bench.calls.OpenComms("COM1", kBaudRate))
        return false;
    const bool read = ReadSimMessages(bench.sms) == kMessages;
    bench.calls.CloseComms();
    if (!phone.Stop() || !read)
        return false;
    qint64 bytes = 0;
    for (const QString &command : kMessageCommands)
        bytes += phone.Bytes(command);
    bench.limit = WireTimeLimit(QStringLiteral("listing of %1 messages").arg(kMessages), bytes, kBaudRate);
    return true;
}

void BM_ListFullSimOf30(benchmark::State &state)
{
    Bench &bench = TheBench();
    CPhoneSimProcess phone;
    if (!phone.Start(PhoneArguments(bench.state)) || !bench.calls.OpenComms("COM1", kBaudRate)) {
        state.SkipWithError("phonesim did not answer");
        return;
    }
    for (auto _ : state) {
        if (ReadSimMessages(bench.sms) != kMessages) {
            state.SkipWithError("the memory was not listed whole");
            break;
        }
    }
    bench.calls.CloseComms();
    phone.Stop();
    state.counters["limit_ms"] = bench.limit.ms;
}
BENCHMARK(BM_ListFullSimOf30)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksBesideLimits(argc, argv, [] {
        Bench &bench = TheBench();
        return BenchSetup{[&bench] { return bench.modules.Loaded() && bench.calls.AllFound() && bench.sms.AllFound(); },
                          bench.modules.Errors(),
                          [&bench](const CTestFolder &) {
                              bench.state = WriteFullSimState();
                              return !bench.state.isEmpty() && MeasureLimit(bench);
                          },
                          QStringLiteral("the messages could not be listed from phonesim"),
                          [&bench](const std::string &) { return bench.limit; }};
    });
}
