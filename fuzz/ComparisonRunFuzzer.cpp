// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs "Process" on arbitrary team, prior, current and master files and holds the result against
// ReferenceComparison and against the shape every list line must have.

#include "compare/SeasonComparison.h"
#include "FuzzBlobs.h"
#include "FuzzCheck.h"
#include "ReferenceComparison.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

using namespace zorbin;
using namespace zorbin::fuzz;

namespace {

struct Scratch {
    // Memory-backed when the system offers it: the target writes four files per input.
    QTemporaryDir directory{QDir("/dev/shm").exists()
                                ? QStringLiteral("/dev/shm/zorbin-fuzz-XXXXXX")
                                : QDir::tempPath() + "/zorbin-fuzz-XXXXXX"};
    QString prior = directory.filePath("prior");
    QString current = directory.filePath("current");
    QString master = directory.filePath("master");
    QString working = directory.filePath("working");

    Scratch() {
        for (const QString& folder : {prior, current, master, working})
            QDir().mkpath(folder);
    }
};

Scratch& scratch() {
    static Scratch instance;
    return instance;
}

void place(const QString& path, const std::optional<QByteArray>& content) {
    QFile::remove(path);
    if (!content)
        return;
    QFile file(path);
    ZORBIN_FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(*content) == content->size(),
                      "cannot write the fuzz file %s", qPrintable(path));
}

std::optional<QByteArray> contentOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Every line: the name padded to at least 21 characters, two spaces, five digits, one space, the
// team. The identity is read back from the line itself, not taken from the model.
int checkedIdentity(const QByteArray& line, const ExpectedLine& expected) {
    const qsizetype column = std::max<qsizetype>(expected.name.size(), 21);
    ZORBIN_FUZZ_CHECK(line.size() == column + 8 + expected.team.size(), "line length %lld",
                      static_cast<long long>(line.size()));
    ZORBIN_FUZZ_CHECK(line.startsWith(expected.name), "line does not start with its name");
    for (qsizetype i = expected.name.size(); i < column; ++i)
        ZORBIN_FUZZ_CHECK(line[i] == ' ', "name padding holds byte %d", line[i]);
    ZORBIN_FUZZ_CHECK(line.mid(column, 2) == "  " && line[column + 7] == ' ',
                      "identity column not framed by spaces");
    for (qsizetype i = column + 2; i < column + 7; ++i)
        ZORBIN_FUZZ_CHECK(isDigit(line[i]), "identity column holds a non-digit");
    ZORBIN_FUZZ_CHECK(line.mid(column + 8) == expected.team, "team column differs");
    return line.mid(column + 2, 5).toInt();
}

void checkList(const QList<QByteArray>& lines, const QList<ExpectedLine>& expected,
               QSet<int>& listed, const char* which) {
    ZORBIN_FUZZ_CHECK(lines.size() == expected.size(), "%s holds %lld lines, expected %lld", which,
                      static_cast<long long>(lines.size()),
                      static_cast<long long>(expected.size()));
    int previous = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int identity = checkedIdentity(lines[i], expected[i]);
        ZORBIN_FUZZ_CHECK(identity == expected[i].identity, "%s line %lld has identity %d, not %d",
                          which, static_cast<long long>(i), identity, expected[i].identity);
        ZORBIN_FUZZ_CHECK(identity >= 10000 && identity <= 35000, "identity %d out of range",
                          identity);
        ZORBIN_FUZZ_CHECK(identity > previous, "%s does not ascend at %d", which, identity);
        ZORBIN_FUZZ_CHECK(!listed.contains(identity), "identity %d listed twice", identity);
        listed.insert(identity);
        previous = identity;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Scratch& folders = scratch();
    const QList<QByteArray> blobs = FuzzBlobs::split(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), 5);
    const auto blob = [&blobs](qsizetype i) {
        return i < blobs.size() ? std::optional<QByteArray>(blobs[i]) : std::nullopt;
    };

    SeasonFiles input;
    input.priorTeamFile = folders.prior + "/qelteam.dat";
    input.priorPlayerFile = folders.prior + "/qelplyr.dat";
    input.currentPlayerFile = folders.current + "/qelplyr.dat";
    input.masterPlayerFile = folders.master + "/Mastplyr.dat";
    input.currentTeamFile = folders.current + "/qelteam.dat";
    const QList<std::pair<QString, std::optional<QByteArray>>> files = {
        {input.priorTeamFile, blob(0)},
        {input.priorPlayerFile, blob(1)},
        {input.currentPlayerFile, blob(2)},
        {input.masterPlayerFile, blob(3)},
        {input.currentTeamFile, blob(4)}};
    for (const auto& [path, content] : files)
        place(path, content);

    const auto compared = compareSeasons(input);
    // With the moved list too, the lines must not change.
    const auto withMoved = compareSeasons(input, ReportRows::Included, MovedRows::Included);
    const ExpectedComparison expected =
        ReferenceComparison::expected(blob(0), blob(1), blob(2), blob(3), blob(4));

    // Game files are only read: the same files with the same bytes, and nothing added.
    for (const auto& [path, content] : files)
        ZORBIN_FUZZ_CHECK(contentOf(path) == content, "%s changed", qPrintable(path));
    QStringList present;
    for (const QString& folder : {folders.prior, folders.current, folders.master}) {
        for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                          QDir::System | QDir::NoDotAndDotDot))
            present.append(folder + '/' + name);
    }
    QStringList placed;
    for (const auto& [path, content] : files) {
        if (content)
            placed.append(path);
    }
    present.sort();
    placed.sort();
    ZORBIN_FUZZ_CHECK(present == placed, "the league folders gained or lost files");

    if (expected.missingPlayerFile) {
        ZORBIN_FUZZ_CHECK(!compared && compared.failure().missingPlayerFile() && !withMoved &&
                              withMoved.failure().missingPlayerFile(),
                          "the comparison did not stop for the missing player file");
        return 0;
    }
    ZORBIN_FUZZ_CHECK(compared.ok(), "unexpected failure \"%s\"",
                      qPrintable(compared.failure().message()));
    QSet<int> listed;
    checkList(compared->leftPlayers, expected.left, listed, "List1");
    checkList(compared->arrivedPlayers, expected.arrived, listed, "List2");

    ZORBIN_FUZZ_CHECK(withMoved.ok() && withMoved->leftPlayers == compared->leftPlayers &&
                          withMoved->arrivedPlayers == compared->arrivedPlayers,
                      "the moved list changed the other two");
    const auto checkRows = [](const QList<ReportRow>& rows, const QList<ExpectedLine>& lines,
                              const char* which) {
        ZORBIN_FUZZ_CHECK(rows.size() == lines.size(), "%s holds %lld rows, expected %lld", which,
                          static_cast<long long>(rows.size()),
                          static_cast<long long>(lines.size()));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            ZORBIN_FUZZ_CHECK(rows[i].identity == lines[i].identity &&
                                  rows[i].name == lines[i].name && rows[i].team == lines[i].team &&
                                  rows[i].currentTeam == lines[i].currentTeam,
                              "%s row %lld differs", which, static_cast<long long>(i));
        }
    };
    checkRows(withMoved->leftRows, expected.left, "left rows");
    checkRows(withMoved->arrivedRows, expected.arrived, "arrived rows");
    checkRows(withMoved->movedRows, expected.moved, "moved rows");
    return 0;
}
