// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HardeningTest.h"

#include "HangWatchdog.h"
#include "HistoryCommand.h"
#include "league/LeagueContext.h"
#include "ReportCommand.h"

#include <cstdio>
#include <cstdlib>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace zorbin::test {

namespace {

constexpr std::chrono::seconds hangLimit{60};

// Captures a stream in memory, so that a test limiting file sizes still sees every message.
class MemoryStream {
public:
    MemoryStream() : stream_(::open_memstream(&buffer_, &size_)) {}
    ~MemoryStream() {
        if (stream_)
            std::fclose(stream_);
        std::free(buffer_);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    [[nodiscard]] std::FILE* stream() const { return stream_; }
    [[nodiscard]] QByteArray take() {
        std::fclose(stream_);
        stream_ = nullptr;
        return QByteArray(buffer_, static_cast<qsizetype>(size_));
    }

private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* stream_;
};

} // namespace

const QList<QByteArray> HardeningTest::leftLines = {
    "Ortega,Luis            12345 Lake City Comets",
    "                       12500 Lake City Comets"};
const QList<QByteArray> HardeningTest::arrivedLines = {"Comer,New              20000 "};

HardeningTest::HardeningTest() {
    league.writeTeams({team("Lake City", "Comets", {12345, 12400, 12500})});
    league.writePriorPlayers({player(12345, "Ortega", "Luis"), player(12400, "Kept", "One"),
                              player(12500, "Away", "Gone")});
    league.writeCurrentPlayers({player(12400, "Kept", "One"), player(20000, "Comer", "New")});
    league.writeMasterPlayers({player(12345, "Ortega", "Luis")});
}

ComparisonRequest HardeningTest::input() const {
    ComparisonRequest input;
    input.priorPlayerFile = league.priorPlayerFile();
    input.currentPlayerFile = league.currentPlayerFile();
    input.masterPlayerFile = league.masterPlayerFile();
    input.priorFolder = league.priorFolder();
    input.currentFolder = league.currentFolder();
    input.masterFolder = league.masterFolder();
    return input;
}

ComparisonOutcome HardeningTest::process(const ComparisonRequest& input) {
    const auto before = league.snapshot();
    ComparisonOutcome result;
    {
        const HangWatchdog watchdog("The comparison run", hangLimit);
        result = LeagueContext(WineEnvironment{}, scratch.path()).run(input);
    }
    EXPECT_EQ(league.snapshot(), before) << "the run changed the league folders";
    return result;
}

ReportOutcome HardeningTest::report(const QStringList& extra, std::FILE* out) {
    const auto before = league.snapshot();
    MemoryStream capturedOut;
    MemoryStream capturedErr;
    ReportOutcome outcome;
    {
        const HangWatchdog watchdog("The report tool", hangLimit);
        outcome.status = ReportCommand::run(
            QStringList{league.priorFolder(), league.currentFolder(), league.masterFolder()} +
                extra,
            WineEnvironment{}, out ? out : capturedOut.stream(), capturedErr.stream());
    }
    outcome.out = capturedOut.take();
    outcome.err = capturedErr.take();
    EXPECT_EQ(league.snapshot(), before) << "the report tool changed the league folders";
    return outcome;
}

ReportOutcome HardeningTest::history(const QStringList& arguments) {
    const auto before = league.snapshot();
    MemoryStream capturedOut;
    MemoryStream capturedErr;
    ReportOutcome outcome;
    {
        const HangWatchdog watchdog("The history tool", hangLimit);
        outcome.status =
            HistoryCommand::run(QStringList{league.masterFolder()} + arguments, WineEnvironment{},
                                capturedOut.stream(), capturedErr.stream());
    }
    outcome.out = capturedOut.take();
    outcome.err = capturedErr.take();
    EXPECT_EQ(league.snapshot(), before) << "the history tool changed the league folders";
    return outcome;
}

namespace {
QString lockedFolderOf(const QString& path) {
    return path + QStringLiteral(".locked");
}
} // namespace

void placeObstacle(const QString& path, Obstacle obstacle) {
    if (obstacle == Obstacle::LockedFolder) {
        const QString locked = lockedFolderOf(path);
        ASSERT_TRUE(QDir().mkdir(locked));
        const QString inside = locked + QLatin1Char('/') + QFileInfo(path).fileName();
        ASSERT_TRUE(QFile::rename(path, inside));
        ASSERT_TRUE(QFile::link(inside, path));
        ASSERT_TRUE(QFile::setPermissions(locked, {}));
        return;
    }
    QFile::remove(path);
    QDir(path).removeRecursively();
    const QByteArray name = QFile::encodeName(path);
    switch (obstacle) {
    case Obstacle::Folder:
        ASSERT_TRUE(QDir().mkpath(path));
        // Not empty, so that anything removing it would have something to lose.
        LeagueFolder::writeBytes(path + "/keep.txt", "kept");
        break;
    case Obstacle::Fifo:
        ASSERT_EQ(::mkfifo(name.constData(), 0600), 0) << path.toStdString();
        break;
    case Obstacle::EmptyFile:
        LeagueFolder::writeBytes(path, {});
        break;
    case Obstacle::LockedFolder:
        break;
    }
}

void unlockObstacle(const QString& path) {
    QFile::setPermissions(lockedFolderOf(path),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

const char* obstacleName(Obstacle obstacle) {
    switch (obstacle) {
    case Obstacle::Folder:
        return "Folder";
    case Obstacle::Fifo:
        return "Fifo";
    case Obstacle::EmptyFile:
        return "EmptyFile";
    case Obstacle::LockedFolder:
        return "BehindALockedFolder";
    }
    return "";
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace zorbin::test
