// SPDX-License-Identifier: GPL-2.0-or-later
// Scrolling a local folder of 1,000 one-bit bitmaps through the picture
// view's grid offscreen: the time of one painted frame, every frame at the
// next scroll position (its time per iteration). Goal: under 16 ms. Run by
// hand: not a test.
#include "tests/media/MediaBuilders.h"
#include "ui/StepScrollBar.h"
#include "views/picture/PictureWnd.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orrin;

namespace {

constexpr int kBitmaps = 1000;

void BM_ScrollPictureGrid(benchmark::State &state)
{
    QTemporaryDir folder;
    const QByteArray logo = test::BuildBitmap({.width = 101, .height = 64});
    for (int i = 0; i < kBitmaps; ++i) {
        QFile file(QDir(folder.path()).filePath(QStringLiteral("logo%1.bmp").arg(i, 4, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(logo) != logo.size()) {
            state.SkipWithError("cannot write the bitmaps");
            return;
        }
    }
    CPictureWnd view;
    view.resize(900, 600);
    view.show();
    view.SetFolderChooser([&folder](QWidget *, const QString &) { return folder.path(); });
    view.OnCommand(ID_PICTURE_READ_LOCAL);
    CMediaGrid &grid = *view.Grid();
    if (grid.TileCount() != kBitmaps) {
        state.SkipWithError("the folder was not listed");
        return;
    }
    QScrollBar &bar = *grid.ScrollBar();
    const int step = bar.pageStep() / 4;
    int position = 0;
    for (auto _ : state) {
        position = position + step > bar.maximum() ? 0 : position + step;
        bar.setValue(position);
        benchmark::DoNotOptimize(grid.Render());
    }
    state.counters["tiles"] = grid.TileCount();
}
BENCHMARK(BM_ScrollPictureGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
