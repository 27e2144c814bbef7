// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// zorbin-history over 2 and over 10 seasons of a league of 7,000 players a season, in each output
// format, printing to /dev/null, against a plain read (as cat does it) of the same files. What a
// season adds is what counts: (history at 10 - history at 2) is held to at most 1.5 times
// (read at 10 - read at 2), which the lines after the table give for each format. They compare
// processor times, the least of the repetitions when the runs are repeated: on a machine shared
// with other work, the wall-clock times of one run vary by a fifth.
#include "HistoryCommand.h"
#include "LeagueFileWriter.h"
#include "records/RecordFileReader.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using zorbin::league::LeagueFileWriter;
using zorbin::league::PlayerEntry;
using zorbin::league::TeamEntry;

constexpr std::array<const char*, 4> formatNames = {"text", "csv", "json", "html"};

// Ten seasons of 7,000 players on 100 teams of 70. Each season 700 players leave and 700 arrive,
// and a tenth of those who stay change teams; one team is renamed half-way. The master file names
// all but every eleventh player. Written once per process to a scratch folder.
class TenSeasonLeague {
public:
    static constexpr int seasons = 10;
    static constexpr int playersPerSeason = 7000;
    static constexpr int turnover = 700;
    static constexpr int teams = 100;
    static constexpr int firstIdentity = 10001;

    static const TenSeasonLeague& instance() {
        static const TenSeasonLeague league;
        return league;
    }

    [[nodiscard]] QString master() const { return directory_.path() + "/master"; }
    [[nodiscard]] QString season(int number) const {
        return directory_.path() + QStringLiteral("/Season %1").arg(number + 1);
    }
    // The files a history of the first `count` seasons reads.
    [[nodiscard]] std::vector<QString> files(int count) const {
        std::vector<QString> paths = {master() + "/Mastplyr.dat"};
        for (int number = 0; number < count; ++number) {
            paths.push_back(season(number) + "/qelteam.dat");
            paths.push_back(season(number) + "/qelplyr.dat");
        }
        return paths;
    }

private:
    TenSeasonLeague() {
        std::vector<PlayerEntry> master;
        for (int identity = firstIdentity;
             identity < firstIdentity + seasons * turnover + playersPerSeason; ++identity) {
            if (identity % 11 != 0)
                master.push_back(entry(identity));
        }
        write(this->master(), "Mastplyr.dat", LeagueFileWriter::masterFile(master));
        for (int number = 0; number < seasons; ++number) {
            std::vector<PlayerEntry> players;
            std::vector<TeamEntry> rosters(teams);
            for (int team = 0; team < teams; ++team) {
                rosters[team].nameFirstPart = "City " + QByteArray::number(team);
                rosters[team].nameSecondPart =
                    team == 0 && number >= seasons / 2 ? "Renamed" : "Rovers";
            }
            const int first = firstIdentity + number * turnover;
            for (int identity = first; identity < first + playersPerSeason; ++identity) {
                players.push_back(entry(identity));
                const int stays = identity % 10 == 0 ? number : 0;
                rosters[static_cast<std::size_t>((identity + stays) % teams)].roster.push_back(
                    static_cast<std::int16_t>(identity));
            }
            write(season(number), "qelplyr.dat", LeagueFileWriter::playerFile(players));
            write(season(number), "qelteam.dat", LeagueFileWriter::teamFile(rosters));
        }
    }

    static PlayerEntry entry(int identity) {
        return PlayerEntry{static_cast<std::int16_t>(identity), "Firstname",
                           "Lastname" + QByteArray::number(identity), 0};
    }

    static void write(const QString& folder, const char* file, const QByteArray& content) {
        QDir().mkpath(folder);
        if (LeagueFileWriter::write(folder + '/' + file, content))
            std::abort();
    }

    QTemporaryDir directory_;
};

// The physical limit: the same files read sequentially from the page cache, in buffers of the
// size the record reader uses, touching every buffer once.
void plainRead(benchmark::State& state) {
    const std::vector<QString> files =
        TenSeasonLeague::instance().files(static_cast<int>(state.range(0)));
    std::vector<char> buffer(zorbin::RecordFileReader::bufferTargetBytes);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        std::uint64_t checksum = 0;
        bytes = 0;
        for (const QString& path : files) {
            const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            ssize_t count = 0;
            while ((count = ::read(descriptor, buffer.data(), buffer.size())) > 0) {
                checksum += static_cast<unsigned char>(buffer[static_cast<std::size_t>(count) - 1]);
                bytes += count;
            }
            ::close(descriptor);
        }
        benchmark::DoNotOptimize(checksum);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
double least(const std::vector<double>& times) {
    return times.empty() ? 0 : *std::min_element(times.begin(), times.end());
}

BENCHMARK(plainRead)
    ->ArgName("seasons")
    ->Arg(2)
    ->Arg(10)
    ->ComputeStatistics("least", least)
    ->Unit(benchmark::kMillisecond);

// `zorbin-history MASTER SEASON... OPTIONS --format FORMAT > /dev/null`, the format and the count
// of seasons from the benchmark's arguments.
void timeHistoryCommand(benchmark::State& state, const QStringList& options) {
    const TenSeasonLeague& league = TenSeasonLeague::instance();
    const char* format = formatNames[static_cast<std::size_t>(state.range(0))];
    QStringList arguments = {league.master()};
    for (int number = 0; number < state.range(1); ++number)
        arguments.append(league.season(number));
    arguments += options + QStringList{QStringLiteral("--format"), QString::fromLatin1(format)};
    std::FILE* null = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        if (zorbin::HistoryCommand::run(arguments, zorbin::WineEnvironment{}, null, stderr) !=
            zorbin::HistoryCommand::success)
            state.SkipWithError("the history failed");
    }
    std::fclose(null);
    state.SetLabel(format);
}

// The whole run.
void historyRun(benchmark::State& state) {
    timeHistoryCommand(state, {});
}
BENCHMARK(historyRun)
    ->ArgsProduct({{0, 1, 2, 3}, {2, 10}})
    ->ArgNames({"format", "seasons"})
    ->ComputeStatistics("least", least)
    ->Unit(benchmark::kMillisecond);

// `zorbin-history MASTER SEASON... --team "City 1 Rovers" --format FORMAT > /dev/null`: the whole
// read, renames included, and one team's roster season by season.
void teamRun(benchmark::State& state) {
    timeHistoryCommand(state, {QStringLiteral("--team"), QStringLiteral("City 1 Rovers")});
}
BENCHMARK(teamRun)
    ->ArgsProduct({{0, 1, 2}, {2, 10}})
    ->ArgNames({"format", "seasons"})
    ->ComputeStatistics("least", least)
    ->Unit(benchmark::kMillisecond);

// The usual table, then each format's growth from 2 to 10 seasons against the plain read's.
class GrowthReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Iteration && !least_.contains(name))
                times_[name] = run.GetAdjustedCPUTime();
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "least")
                least_[name] = times_[name] = run.GetAdjustedCPUTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto growth = [this](const std::string& name) {
            const auto at2 = times_.find(name + "seasons:2");
            const auto at10 = times_.find(name + "seasons:10");
            return at2 == times_.end() || at10 == times_.end() ? -1.0 : at10->second - at2->second;
        };
        const double read = growth("plainRead/");
        for (const char* run : {"historyRun", "teamRun"}) {
            for (std::size_t format = 0; format < formatNames.size(); ++format) {
                const std::string name =
                    std::string(run) + "/format:" + std::to_string(format) + "/";
                const double history = growth(name);
                if (read > 0 && history >= 0)
                    std::printf("%-10s %-5s from 2 to 10 seasons: +%.2f ms, plain read +%.2f ms: "
                                "%.2fx (at most 1.5x)\n",
                                run, formatNames[format], history, read, history / read);
            }
        }
        // A team's roster against the whole history in the same form, both at 10 seasons.
        for (std::size_t format = 0; format < 3; ++format) {
            const std::string at10 = "/format:" + std::to_string(format) + "/seasons:10";
            const auto team = times_.find("teamRun" + at10);
            const auto whole = times_.find("historyRun" + at10);
            if (team != times_.end() && whole != times_.end() && whole->second > 0)
                std::printf("--team %-5s at 10 seasons: %.2f ms, the whole history %.2f ms: "
                            "%+.0f%%\n",
                            formatNames[format], team->second, whole->second,
                            100 * (team->second / whole->second - 1));
        }
    }

private:
    std::map<std::string, double> times_;
    std::map<std::string, double> least_;
};

} // namespace

int main(int argc, char** argv) {
    // Written before any timing starts, so the first benchmark does not pay for it.
    (void)TenSeasonLeague::instance();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    GrowthReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
