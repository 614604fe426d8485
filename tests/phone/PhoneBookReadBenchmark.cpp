// SPDX-License-Identifier: GPL-2.0-or-later
// How long reading a full 250-entry SIM phone book takes the way the
// phone-book store reads it (character set, memory, capacity, then 250
// single reads), against phonesim at 115200 baud with 30 ms answer latency,
// beside the time the bytes alone need on the line: bytes / 11,520 B/s.
//
// Run by hand: bench_phonebook_read [--benchmark_...]. Not a test.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/LimitReporter.h"
#include "tests/phone/RealModules.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>


using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

constexpr int kEntries = 250;
constexpr int kBaudRate = 115200;
const QStringList kBookCommands = {QStringLiteral("AT+CSCS"), QStringLiteral("AT+CPBS"), QStringLiteral("AT+CPBR")};

QStringList PhoneArguments()
{
    return {"--family", "older", "--link", "ports/COM1", "--fill-book", QStringLiteral("SM:%1").arg(kEntries),
            "--baud", QString::number(kBaudRate), "--latency-ms", "30"};
}

// One read of the SIM book as the phone-book store makes it; the entries read.
int ReadSimBook(BookCalls &book)
{
    book.SetMobileEncodeFormat("UCS2");
    const int used = book.SetTeleBookMemo("SM");
    const int capacity = book.GetTeleBookNum();
    int read = 0;
    for (int location = 1; location <= capacity && read < used; ++location) {
        char number[TELEBOOK_NUMBER_SIZE];
        char name[TELEBOOK_NAME_SIZE];
        int32_t vip = 0;
        read += book.ReadTeleBook(location, number, name, &vip) > 0 ? 1 : 0;
    }
    return read;
}

struct Bench {
    CRealModules modules;
    PhoneCalls calls{modules};
    BookCalls book{modules};
    RunLimit limit;
};

Bench &TheBench()
{
    static Bench bench;
    return bench;
}

// One read against a phone of its own, to count the bytes a read puts on the line.
bool MeasureWireTime(Bench &bench)
{
    CPhoneSimProcess phone;
    if (!phone.Start(PhoneArguments()) || !bench.calls.OpenComms("COM1", kBaudRate))
        return false;
    const bool read = ReadSimBook(bench.book) == kEntries;
    bench.calls.CloseComms();
    if (!phone.Stop() || !read)
        return false;
    qint64 bytes = 0;
    for (const QString &command : kBookCommands)
        bytes += phone.Bytes(command);
    bench.limit = WireTimeLimit(QStringLiteral("read of %1 entries").arg(kEntries), bytes, kBaudRate);
    return true;
}

void BM_ReadSimBookOf250(benchmark::State &state)
{
    Bench &bench = TheBench();
    CPhoneSimProcess phone;
    if (!phone.Start(PhoneArguments()) || !bench.calls.OpenComms("COM1", kBaudRate)) {
        state.SkipWithError("phonesim did not answer");
        return;
    }
    for (auto _ : state) {
        if (ReadSimBook(bench.book) != kEntries) {
            state.SkipWithError("the book was not read whole");
            break;
        }
    }
    bench.calls.CloseComms();
    phone.Stop();
    state.counters["wire_ms"] = bench.limit.ms;
}
BENCHMARK(BM_ReadSimBookOf250)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksBesideLimits(argc, argv, [] {
        Bench &bench = TheBench();
        return BenchSetup{[&bench] { return bench.modules.Loaded() && bench.calls.AllFound() && bench.book.AllFound(); },
                          bench.modules.Errors(), [&bench](const CTestFolder &) { return MeasureWireTime(bench); },
                          QStringLiteral("the book could not be read from phonesim"),
                          [&bench](const std::string &) { return bench.limit; }};
    });
}
