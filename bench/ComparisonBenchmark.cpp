// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compare/SeasonComparison.h"
#include "LargestLeague.h"
#include "records/RecordFileReader.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <QFile>
#include <unistd.h>
#include <vector>

namespace {

using zorbin::bench::LargestLeague;

std::int64_t totalBytes() {
    std::int64_t bytes = 0;
    for (const QString& path : LargestLeague::instance().files())
        bytes += QFile(path).size();
    return bytes;
}

// The physical limit: the same four files read sequentially from the page cache, in buffers of the
// size the record reader uses, touching every byte once.
void plainRead(benchmark::State& state) {
    std::vector<char> buffer(zorbin::RecordFileReader::bufferTargetBytes);
    for (auto _ : state) {
        std::uint64_t checksum = 0;
        for (const QString& path : LargestLeague::instance().files()) {
            const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            ssize_t count = 0;
            while ((count = ::read(descriptor, buffer.data(), buffer.size())) > 0)
                checksum += static_cast<unsigned char>(buffer[static_cast<std::size_t>(count) - 1]);
            ::close(descriptor);
        }
        benchmark::DoNotOptimize(checksum);
    }
    state.SetBytesProcessed(state.iterations() * totalBytes());
}
BENCHMARK(plainRead)->Unit(benchmark::kMillisecond);

// The whole comparison as "Process" runs it, minus the remembered folders.
void comparisonRun(benchmark::State& state) {
    const zorbin::SeasonFiles files = LargestLeague::instance().seasonFiles();
    std::size_t lines = 0;
    for (auto _ : state) {
        const auto result = zorbin::compareSeasons(files);
        if (!result) {
            state.SkipWithError("the comparison failed");
            break;
        }
        lines =
            static_cast<std::size_t>(result->leftPlayers.size() + result->arrivedPlayers.size());
        benchmark::DoNotOptimize(result);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetBytesProcessed(state.iterations() * totalBytes());
}
BENCHMARK(comparisonRun)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Written before any timing starts, so the first benchmark does not pay for it.
    (void)LargestLeague::instance();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
