// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The benchmarks against phonesim print each run beside the time its bytes
// alone need on the line (and any round trips the protocol cannot avoid):
// "<what>: <time> ms; <limit>; ratio <time / limit>".

#include "tests/phone/PhoneTestSupport.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <functional>

namespace orrin::phone::test {

// 8N1: ten bits a byte.
constexpr double LineBytesPerSecond(int baudRate)
{
    return baudRate / 10.0;
}

struct RunLimit {
    double ms = 0;       // nothing printed while 0
    QString what;        // "read of 250 entries"
    QString explanation; // "wire-time limit 120 ms (1382 bytes at 11,520 B/s)"
};

class CLimitReporter : public benchmark::ConsoleReporter {
public:
    // limitOf names the limit of a run, by the run's benchmark name.
    explicit CLimitReporter(std::function<RunLimit(const std::string &)> limitOf)
        : ConsoleReporter(OO_Tabular), m_limitOf(std::move(limitOf))
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const RunLimit limit = m_limitOf(run.benchmark_name());
            if (run.error_occurred || limit.ms <= 0)
                continue;
            const double ms = run.GetAdjustedRealTime();
            std::printf("%s: %.0f ms; %s; ratio %.2f\n", qPrintable(limit.what), ms, qPrintable(limit.explanation),
                        ms / limit.ms);
        }
    }

private:
    std::function<RunLimit(const std::string &)> m_limitOf;
};

// The limit of a transfer whose bytes alone set it.
inline RunLimit WireTimeLimit(const QString &what, qint64 bytes, int baudRate)
{
    const double ms = 1000.0 * double(bytes) / LineBytesPerSecond(baudRate);
    return {ms, what,
            QStringLiteral("wire-time limit %1 ms (%2 bytes at %L3 B/s)")
                .arg(ms, 0, 'f', 0)
                .arg(bytes)
                .arg(qint64(LineBytesPerSecond(baudRate)))};
}

// What a benchmark against phonesim does before its runs, in a scratch folder.
struct BenchSetup {
    std::function<bool()> modulesFound;             // every entry point the runs call was found
    QString modulesErrors;                          // why the modules did not load, when they did not
    std::function<bool(const CTestFolder &)> prepare; // measures the limit; false when phonesim failed
    QString prepareFailure;                         // what then went wrong
    std::function<RunLimit(const std::string &)> limitOf;
};

// The main of such a benchmark: 1 when the modules or the preparation failed.
inline int RunBenchmarksBesideLimits(int argc, char **argv, const std::function<BenchSetup()> &setupOf)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const CTestFolder folder;
    const BenchSetup setup = setupOf();
    if (!setup.modulesFound()) {
        std::fprintf(stderr, "cannot load the phone modules: %s\n", qPrintable(setup.modulesErrors));
        return 1;
    }
    if (!setup.prepare(folder)) {
        std::fprintf(stderr, "%s\n", qPrintable(setup.prepareFailure));
        return 1;
    }
    CLimitReporter reporter(setup.limitOf);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace orrin::phone::test
