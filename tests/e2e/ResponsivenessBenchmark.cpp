// SPDX-License-Identifier: GPL-2.0-or-later
// How long the window stops answering while the worker reads a full
// 250-entry SIM phone book from phonesim at 9600 baud: a 10 ms timer on the
// interface thread records the longest gap between its ticks, through the
// real frame, view, store and worker. Goal: under 50 ms.
//
// Run by hand: bench_responsiveness [--benchmark_...]. Not a test.
#include "app/MainFrame.h"
#include "link/SharedState.h"
#include "resources/Resources.h"
#include "tests/support/PhoneSimProcess.h"
#include "tests/support/StallProbe.h"
#include "tests/support/TestSupport.h"
#include "ui/WaitWnd.h"
#include "views/telebook/TelebookWnd.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace orrin;
using namespace orrin::test;

namespace {

constexpr int kEntries = 250;

bool Idle()
{
    return g_bBusy.load() == 0 && g_nCommand.load() == 0 && TheWaitWindow() == nullptr;
}

// Runs the interface thread's own event loop (not a polling wait, which
// would itself tick late) until the link is idle again.
void RunUntilIdle()
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&loop] {
        if (Idle())
            loop.quit();
    });
    poll.start(50);
    loop.exec();
}

void BM_WindowWhileReadingAFullSimBookAt9600(benchmark::State &state)
{
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QDir().mkpath(QStringLiteral("ports"));
    qputenv("ORRIN_SERIAL_DEVICES", "");
    QFile settings(QStringLiteral("setting.ini"));
    if (!settings.open(QIODevice::WriteOnly)) {
        state.SkipWithError("no settings file");
        return;
    }
    settings.write("[User]\r\nPhone type=S45i(Europe)\r\nCountry=Austria\r\n"
                   "[Connection]\r\nConnect device=COM1\r\nBaudrate=9600\r\n");
    settings.close();
    CPhoneSimProcess phone;
    if (!phone.Start({"--family", "older", "--fill-book", QStringLiteral("SM:%1").arg(kEntries), "--baud", "9600",
                      "--link", folder.filePath(QStringLiteral("ports/COM1"))})) {
        state.SkipWithError("phonesim did not start");
        return;
    }
    CMainFrame frame;
    frame.resize(900, 600);
    frame.show();
    WaitUntil([] { return !g_strPhoneType.Get().isEmpty(); });
    frame.StartWorker();
    frame.RouteCommand(ID_CONNECT);
    RunUntilIdle();
    if (!g_bConnected.load()) {
        state.SkipWithError("the program did not connect");
        return;
    }
    frame.RouteCommand(ID_VIEW_PHONEBOOK);
    qint64 longest = 0;
    for (auto _ : state) {
        StallProbe probe;
        frame.RouteCommand(ID_TELEBOOK_READ_SIM);
        RunUntilIdle();
        longest = std::max(longest, probe.LongestMs() - StallProbe::kTickMs);
    }
    state.counters["longest_stall_ms"] = double(longest);
    std::printf("longest stall of the interface thread while reading %d entries at 9600 baud: %lld ms "
                "(goal: under 50 ms)\n",
                kEntries, static_cast<long long>(longest));
    frame.RouteCommand(ID_DISCONNECT);
    RunUntilIdle();
}
BENCHMARK(BM_WindowWhileReadingAFullSimBookAt9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    InitResources();
    ResetSharedState();
    const QString start = QDir::currentPath();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDir::setCurrent(start);
    return 0;
}
