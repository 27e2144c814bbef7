// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Process" through the window on the largest league, offscreen: from the click until both lists
// hold their lines and have been laid out and painted, against the engine's own run.
#include "LargestLeague.h"
#include "settings/RememberedFolders.h"
#include "SilentDialogs.h"
#include "window/DesktopDialogs.h"
#include "window/MainWindow.h"
#include "window/ReportListModel.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using zorbin::bench::LargestLeague;

using zorbin::bench::SilentDialogs;

struct OpenWindow {
    SilentDialogs dialogs;
    zorbin::MainWindow form{dialogs, zorbin::WineEnvironment{}};
    QListView* list1 = form.findChild<QListView*>(QStringLiteral("List1"));
    QListView* list2 = form.findChild<QListView*>(QStringLiteral("List2"));
    QPushButton* process = form.findChild<QPushButton*>(QStringLiteral("cmdProcess"));

    OpenWindow() {
        const LargestLeague& league = LargestLeague::instance();
        form.setFolder(zorbin::PickerColumn::Prior, league.folder("prior"));
        form.setFolder(zorbin::PickerColumn::Current, league.folder("current"));
        form.setFolder(zorbin::PickerColumn::Master, league.folder("master"));
        form.show();
        QApplication::processEvents();
    }

    [[nodiscard]] qsizetype lines() const {
        return list1->model()->rowCount() + list2->model()->rowCount();
    }
};

OpenWindow& window() {
    static OpenWindow opened;
    return opened;
}

// The click, then the event loop's turn that lays out and paints both lists.
void processClick(benchmark::State& state) {
    OpenWindow& opened = window();
    for (auto _ : state) {
        opened.process->click();
        QApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(opened.lines());
    if (opened.lines() != LargestLeague::lastIdentity - LargestLeague::firstIdentity + 1)
        state.SkipWithError("the lists do not hold every identity");
}
BENCHMARK(processClick)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the window adds: both lists emptied and refilled with a finished result, laid out and
// painted.
void listFill(benchmark::State& state) {
    OpenWindow& opened = window();
    const zorbin::SeasonLists result =
        *zorbin::compareSeasons(LargestLeague::instance().seasonFiles());
    auto* lines1 = static_cast<zorbin::ReportListModel*>(opened.list1->model());
    auto* lines2 = static_cast<zorbin::ReportListModel*>(opened.list2->model());
    for (auto _ : state) {
        lines1->clear();
        lines2->clear();
        lines1->setLines(result.leftPlayers);
        lines2->setLines(result.arrivedPlayers);
        QApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(opened.lines());
}
BENCHMARK(listFill)->Unit(benchmark::kMillisecond)->UseRealTime();

// The engine alone, saving the remembered folders as the window's run does.
void engineRun(benchmark::State& state) {
    const zorbin::RememberedFolders remembered(QStringLiteral("."));
    const LargestLeague& league = LargestLeague::instance();
    const zorbin::SeasonFiles files = league.seasonFiles();
    for (auto _ : state) {
        benchmark::DoNotOptimize(remembered.saveFolders(
            league.folder("prior"), league.folder("current"), league.folder("master")));
        benchmark::DoNotOptimize(zorbin::compareSeasons(files));
    }
}
BENCHMARK(engineRun)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    zorbin::DesktopDialogs::keepQtSettingsUnwritten();
    // The window remembers its folders in the working folder: keep them out of the caller's.
    QTemporaryDir workingFolder;
    if (!workingFolder.isValid() || !QDir::setCurrent(workingFolder.path()))
        return EXIT_FAILURE;
    (void)LargestLeague::instance();
    (void)window();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
