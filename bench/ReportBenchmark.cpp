// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// zorbin-report on the largest league in each output format, printing to /dev/null so that only
// the tool's own work is timed. CSV and JSON are held to at most 1.3 times the text run, and a run
// with --moved to at most 1.15 times one without.
#include "compare/SeasonComparison.h"
#include "LargestLeague.h"
#include "ReportCommand.h"
#include "ReportFormat.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

using zorbin::bench::LargestLeague;
using zorbin::reportformat::Format;

constexpr std::array<const char*, 3> formatNames = {"text", "csv", "json"};

// The whole run, as `zorbin-report PRIOR CURRENT MASTER --format FORMAT [--moved] > /dev/null`.
// No player is in both seasons, so the moved list stays empty; --moved still reads the current
// team file and gives every row a current team, the most it prints.
void reportRun(benchmark::State& state) {
    const char* format = formatNames[static_cast<std::size_t>(state.range(0))];
    const bool moved = state.range(1) != 0;
    const LargestLeague& league = LargestLeague::instance();
    QStringList arguments = {league.folder("prior"), league.folder("current"),
                             league.folder("master"), QStringLiteral("--format"),
                             QString::fromLatin1(format)};
    if (moved)
        arguments.append(QStringLiteral("--moved"));
    std::FILE* null = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        if (zorbin::ReportCommand::run(arguments, zorbin::WineEnvironment{}, null, stderr) !=
            zorbin::ReportCommand::success)
            state.SkipWithError("the report failed");
    }
    std::fclose(null);
    state.SetLabel(moved ? QByteArray(format).append(" --moved").toStdString() : format);
}
BENCHMARK(reportRun)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"format", "moved"})
    ->Unit(benchmark::kMillisecond);

// The printed form alone, from a finished comparison: what each format adds to the run.
void formatOnly(benchmark::State& state) {
    const auto format = static_cast<Format>(state.range(0));
    const auto compared = zorbin::compareSeasons(LargestLeague::instance().seasonFiles(),
                                                 zorbin::ReportRows::Included);
    if (!compared) {
        state.SkipWithError("the comparison failed");
        return;
    }
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray printed = zorbin::reportformat::format(format, *compared);
        bytes = printed.size();
        benchmark::DoNotOptimize(printed.constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.SetLabel(formatNames[static_cast<std::size_t>(state.range(0))]);
}
BENCHMARK(formatOnly)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Written before any timing starts, so the first benchmark does not pay for it.
    (void)LargestLeague::instance();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
