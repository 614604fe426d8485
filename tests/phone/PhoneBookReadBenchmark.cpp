// SPDX-License-Identifier: GPL-2.0-or-later
// How long reading a full 250-entry SIM phone book takes the way the
// phone-book store reads it (character set, memory, capacity, then 250
// single reads), against phonesim at 115200 baud with 30 ms answer latency,
// beside the time the bytes alone need on the line: bytes / 11,520 B/s.
//
// Run by hand: bench_phonebook_read [--benchmark_...]. Not a test.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/RealModules.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

constexpr int kEntries = 250;
constexpr int kBaudRate = 115200;
constexpr double kLineBytesPerSecond = kBaudRate / 10.0;  // 8N1: ten bits a byte
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
    double wireMs = 0;
    qint64 bytesPerRead = 0;
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
    for (const QString &command : kBookCommands)
        bench.bytesPerRead += phone.Bytes(command);
    bench.wireMs = 1000.0 * double(bench.bytesPerRead) / kLineBytesPerSecond;
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
    state.counters["line_bytes"] = double(bench.bytesPerRead);
    state.counters["wire_ms"] = bench.wireMs;
}
BENCHMARK(BM_ReadSimBookOf250)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Prints each run next to the wire-time limit.
class CWireTimeReporter : public benchmark::ConsoleReporter {
public:
    CWireTimeReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        const Bench &bench = TheBench();
        for (const Run &run : runs) {
            if (run.error_occurred || bench.wireMs <= 0)
                continue;
            const double ms = run.GetAdjustedRealTime();
            std::printf("read of %d entries: %.0f ms; wire-time limit %.0f ms (%lld bytes at 11,520 B/s); "
                        "ratio %.2f\n",
                        kEntries, ms, bench.wireMs, static_cast<long long>(bench.bytesPerRead), ms / bench.wireMs);
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const CTestFolder folder;
    Bench &bench = TheBench();
    if (!bench.modules.Loaded() || !bench.calls.AllFound() || !bench.book.AllFound()) {
        std::fprintf(stderr, "cannot load the phone modules: %s\n", qPrintable(bench.modules.Errors()));
        return 1;
    }
    if (!MeasureWireTime(bench)) {
        std::fprintf(stderr, "the book could not be read from phonesim\n");
        return 1;
    }
    CWireTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
