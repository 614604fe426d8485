// SPDX-License-Identifier: GPL-2.0-or-later
// How long SendFile takes to upload a 64 KB file into the picture folder of
// phonesim, for each family, at 115200 baud with 10 ms answer latency,
// beside the time the file's bytes alone need on the line: bytes / 11,520 B/s.
//
// Run by hand: bench_file_upload [--benchmark_...]. Not a test.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/LimitReporter.h"
#include "tests/phone/RealModules.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>


using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

constexpr int kFileBytes = 64 * 1024;
constexpr int kBaudRate = 115200;

struct Bench {
    CRealModules modules;
    PhoneCalls calls{modules};
    decltype(::GetRoot) *GetRoot = ORRIN_OBEX_ENTRY(modules, GetRoot);
    decltype(::GetChild) *GetChild = ORRIN_OBEX_ENTRY(modules, GetChild);
    decltype(::SendFile) *SendFile = ORRIN_OBEX_ENTRY(modules, SendFile);
    QByteArray path;
};

RunLimit FileLimit()
{
    return WireTimeLimit(QStringLiteral("upload of %1 bytes").arg(kFileBytes), kFileBytes, kBaudRate);
}

Bench &TheBench()
{
    static Bench bench;
    return bench;
}

void BM_Upload64KB(benchmark::State &state, const char *family, int32_t mobileType, const char *pictures)
{
    Bench &bench = TheBench();
    CPhoneSimProcess phone;
    if (!phone.Start({"--family", family, "--link", "ports/COM1", "--baud", QString::number(kBaudRate),
                      "--latency-ms", "10"}) ||
        !bench.calls.OpenComms("COM1", kBaudRate) || !bench.calls.SetMobileType(mobileType) || !bench.GetRoot() ||
        !bench.GetChild(pictures)) {
        state.SkipWithError("phonesim did not answer");
        return;
    }
    for (auto _ : state) {
        if (!bench.SendFile(bench.path.constData())) {
            state.SkipWithError("the file did not arrive");
            break;
        }
    }
    bench.calls.CloseComms();
    phone.Stop();
    state.counters["wire_ms"] = FileLimit().ms;
}
// Plain OBEX on the newer family, BFB frames on the older.
BENCHMARK_CAPTURE(BM_Upload64KB, newer, "newer", PHONE_FAMILY_NEWER, "Pictures")
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(BM_Upload64KB, older, "older", PHONE_FAMILY_OLDER, "Bitmap")
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksBesideLimits(argc, argv, [] {
        Bench &bench = TheBench();
        return BenchSetup{[&bench] { return bench.modules.Loaded() && bench.calls.AllFound() && bench.GetRoot &&
                                            bench.SendFile; },
                          bench.modules.Errors(),
                          [&bench](const CTestFolder &folder) {
                              QFile file(folder.FilePath(QStringLiteral("Upload.bmp")));
                              if (!file.open(QIODevice::WriteOnly) ||
                                  file.write(QByteArray(kFileBytes, '\x5a')) != kFileBytes)
                                  return false;
                              bench.path = file.fileName().toLocal8Bit();
                              return true;
                          },
                          QStringLiteral("the file to upload could not be written"),
                          // Each family's run is named, and limited by the file's bytes alone.
                          [](const std::string &name) {
                              RunLimit limit = FileLimit();
                              limit.what = QString::fromStdString(name) + QStringLiteral(": ") + limit.what;
                              return limit;
                          }};
    });
}
