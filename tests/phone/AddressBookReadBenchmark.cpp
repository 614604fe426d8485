// SPDX-License-Identifier: GPL-2.0-or-later
// How long reading a 100-entry address book takes the way the address-book
// store reads it (the count, then the slots until every entry was found),
// against phonesim at 115200 baud with 30 ms answer latency, beside its
// limit: the bytes on the line at 11,520 B/s plus one round trip (30 ms)
// per read, since the phone answers one slot per command.
//
// Run by hand: bench_addressbook_read [--benchmark_...]. Not a test.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/LimitReporter.h"
#include "tests/phone/RealModules.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>


using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

constexpr int kEntries = 100;
constexpr int kBaudRate = 115200;
constexpr int kLatencyMs = 30;

struct Bench {
    CRealModules modules;
    PhoneCalls calls{modules};
    decltype(::GetAddressBookNum) *count = ORRIN_MOBILE_ENTRY(modules, GetAddressBookNum);
    decltype(::GetVCF_S57) *read = ORRIN_MOBILE_ENTRY(modules, GetVCF_S57);
    RunLimit limit;
};

Bench &TheBench()
{
    static Bench bench;
    return bench;
}

// One read of the whole address book on a fresh line; the entries read.
int ReadAddressBook(Bench &bench)
{
    const int count = bench.count();
    int read = 0;
    for (int slot = 0; read < count && slot < 1000; ++slot) {
        S57AddrbookRecord record;
        read += bench.read(&record, slot) ? 1 : 0;
    }
    return read;
}

bool StartPhone(CPhoneSimProcess &phone, Bench &bench)
{
    return phone.Start({"--family", "newer", "--link", "ports/COM1", "--fill-cards", QString::number(kEntries),
                        "--baud", QString::number(kBaudRate), "--latency-ms", QString::number(kLatencyMs)}) &&
           bench.calls.OpenComms("COM1", kBaudRate);
}

// One read against a phone of its own, to count the bytes and reads it costs.
bool MeasureLimit(Bench &bench)
{
    CPhoneSimProcess phone;
    if (!StartPhone(phone, bench))
        return false;
    const bool read = ReadAddressBook(bench) == kEntries;
    bench.calls.CloseComms();
    if (!phone.Stop() || !read)
        return false;
    const qint64 bytes = phone.Bytes(QStringLiteral("AT^SBNR"));
    const int reads = phone.Count(QStringLiteral("AT^SBNR"));
    bench.limit = WireTimeLimit(QStringLiteral("read of %1 entries").arg(kEntries), bytes, kBaudRate);
    bench.limit.ms += reads * kLatencyMs;
    bench.limit.explanation = QStringLiteral("limit %1 ms (%2 bytes at 11,520 B/s + %3 reads x %4 ms)")
                                  .arg(bench.limit.ms, 0, 'f', 0)
                                  .arg(bytes)
                                  .arg(reads)
                                  .arg(kLatencyMs);
    return true;
}

void BM_ReadAddressBookOf100(benchmark::State &state)
{
    Bench &bench = TheBench();
    CPhoneSimProcess phone;
    if (!StartPhone(phone, bench)) {
        state.SkipWithError("phonesim did not answer");
        return;
    }
    for (auto _ : state) {
        // The module reads the phone once per line: each run opens a new one.
        state.PauseTiming();
        const bool reopened = bench.calls.CloseComms() && bench.calls.OpenComms("COM1", kBaudRate);
        state.ResumeTiming();
        if (!reopened || ReadAddressBook(bench) != kEntries) {
            state.SkipWithError("the address book was not read whole");
            break;
        }
    }
    bench.calls.CloseComms();
    phone.Stop();
    state.counters["limit_ms"] = bench.limit.ms;
}
BENCHMARK(BM_ReadAddressBookOf100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksBesideLimits(argc, argv, [] {
        Bench &bench = TheBench();
        return BenchSetup{[&bench] { return bench.modules.Loaded() && bench.calls.AllFound() && bench.count && bench.read; },
                          bench.modules.Errors(), [&bench](const CTestFolder &) { return MeasureLimit(bench); },
                          QStringLiteral("the address book could not be read from phonesim"),
                          [&bench](const std::string &) { return bench.limit; }};
    });
}
