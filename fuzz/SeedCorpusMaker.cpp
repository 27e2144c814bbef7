// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the fuzzers' seed corpus with the record writer the tests use:
//
//   zorbin-fuzz-seeds FOLDER    one subfolder of seeds per fuzz target (fuzz/corpus)

#include "FuzzBlobs.h"
#include "LeagueFileWriter.h"

#include <cstdio>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>

using namespace zorbin::league;
using zorbin::fuzz::FuzzBlobs;

namespace {

bool failed = false;

void write(const QString& path, const QByteArray& content) {
    if (!QDir().mkpath(QFileInfo(path).path())) {
        std::fprintf(stderr, "zorbin-fuzz-seeds: could not create the folder of %s\n",
                     qPrintable(path));
        failed = true;
    } else if (const auto failure = LeagueFileWriter::write(path, content)) {
        std::fprintf(stderr, "zorbin-fuzz-seeds: %s\n", qPrintable(failure->message()));
        failed = true;
    }
}

PlayerEntry player(int identity, const QByteArray& last, const QByteArray& first, int status = 0) {
    return PlayerEntry{static_cast<std::int16_t>(identity), first, last,
                       static_cast<std::int16_t>(status)};
}

TeamEntry team(const QByteArray& first, const QByteArray& second, std::vector<std::int16_t> roster,
               std::int16_t status = 0, std::int16_t word2 = 0, std::int16_t word6 = 1) {
    return TeamEntry{first, second, std::move(roster), status, word2, word6};
}

void writeComparisonSeeds(const QDir& folder) {
    const QByteArray teams =
        LeagueFileWriter::teamFile({team("Lake City", "Comets", {10001, 10002, 10003, -1, 10004}),
                                    team("Harbor", "Gulls", {10005, 10006, 4321, 0})});
    const QByteArray prior = LeagueFileWriter::playerFile(
        {player(10001, "Ortega", "Luis"), player(10002, "Lee", "Ann"), player(10003, "Smith", "Jo"),
         player(10005, "Brandt", "Kai"), player(10006, "Novak", "Ivo")});
    const QByteArray current =
        LeagueFileWriter::playerFile({player(10001, "Ortega", "Luis"), player(10003, "Smith", "Jo"),
                                      player(10007, "Quist", "Ola"), player(10008, "Rhee", "Min")});
    const QByteArray master = LeagueFileWriter::masterFile({player(10002, "Lee", "Ann Marie"),
                                                            player(10007, "Quist", "Ola"),
                                                            player(10005, "Brandt", "Kai")});
    write(folder.filePath("typical-season"), FuzzBlobs::join({teams, prior, current, master}));
    write(folder.filePath("no-master-file"), FuzzBlobs::join({teams, prior, current}));
    write(folder.filePath("no-current-file"), FuzzBlobs::join({teams, prior}));
    write(folder.filePath("empty-prior-file"), FuzzBlobs::join({teams, {}, current, master}));
    // The current season's teams: a trade, a release, a signing and a renamed team.
    const QByteArray currentTeams = LeagueFileWriter::teamFile(
        {team("Lake City", "Comets", {10003, 10006}), team("Harbor", "Terns", {10007, 10008})});
    write(folder.filePath("moved-players"),
          FuzzBlobs::join({teams, prior, current, master, currentTeams}));

    // Bounds and oddities: identities at the acceptance limits, skipped statuses, fields without
    // NUL, a rejected team, a player on two rosters and a truncated last record.
    const QByteArray edgeTeams = LeagueFileWriter::teamFile(
        {team("Sixteen chars xx", "and sixteen more", {10000, 10001, 32767}),
         team("Rejected", "Team", {10001}, 0, -1, 1), team("", "Nameless", {10001, 9999})});
    QByteArray edgePrior = LeagueFileWriter::playerFile(
        {player(10000, "Zero", "Ten"), player(9999, "Below", "Range"),
         player(10001, "Fifteen chars x", "Thirteen char"), player(32767, "Max", "Id"),
         player(20000, "Skipped", "Status", 1)});
    edgePrior.chop(1);
    const QByteArray edgeCurrent =
        LeagueFileWriter::playerFile({player(10000, "Zero", "Ten"), player(20000, "Back", "Again"),
                                      player(35000, "LastOfScan", "X"),
                                      player(35001, "Past", "Scan"), player(-5, "Negative", "Id")});
    const QByteArray edgeMaster = LeagueFileWriter::masterFile(
        {player(10000, "Never", "Used"), player(10001, "", ""), player(32767, "Master", "Max"),
         player(20000, "Status", "Two", 2)});
    write(folder.filePath("edge-records"),
          FuzzBlobs::join({edgeTeams, edgePrior, edgeCurrent, edgeMaster}));
}

void writeRememberedFieldSeeds(const QDir& folder) {
    const QByteArray written = "\"/home/league/s10/\"\r\n\"/home/league/s11/\"\r\n";
    const QByteArray odd = "  /plain/unquoted, \"quoted, with comma\" tail\r\n\"unterminated";
    for (char mode = 0; mode < 4; ++mode) {
        write(folder.filePath(QStringLiteral("written-by-save-%1").arg(int(mode))), mode + written);
        write(folder.filePath(QStringLiteral("odd-layout-%1").arg(int(mode))), mode + odd);
    }
    // Composed fields: NUL-separated pieces whose first byte chooses the layout.
    const QList<QByteArray> pieces = {"\x02/a/b/", "\x03 c,d", "\x04plain", "\x16quoted\r\n",
                                      "\x0c\t"};
    write(folder.filePath("composed-layouts"), '\1' + pieces.join('\0'));
}

void writeRecordSeeds(const QDir& folder) {
    const QByteArray teamRecord =
        LeagueFileWriter::teamRecord(team("Lake City", "Comets", {10001, 10002}));
    const QByteArray playerRecord = LeagueFileWriter::playerRecord(player(12345, "Ortega", "Luis"));
    const QByteArray masterRecord = LeagueFileWriter::masterRecord(player(12345, "Ortega", "Luis"));
    write(folder.filePath("team-record"), '\0' + teamRecord);
    write(folder.filePath("player-record"), '\1' + playerRecord);
    write(folder.filePath("master-record"), '\2' + masterRecord);
    write(folder.filePath("player-record-short"), '\1' + playerRecord.left(40));
    write(folder.filePath("two-master-records-and-a-bit"),
          '\2' + masterRecord + masterRecord + "x");
}

// Steam's files as Steam writes them, and as older Steams and hand edits leave them.
void writeKeyValuesSeeds(const QDir& folder) {
    write(folder.filePath("libraryfolders"),
          "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/user/.local/share/Steam\"\n"
          "\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"123456\"\n\t\t}\n\t}\n"
          "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"/run/media/deck/SD/SteamLibrary\"\n\t}\n}\n");
    write(folder.filePath("libraryfolders-old"),
          "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1600000000\"\n"
          "\t\"1\"\t\t\"/mnt/games/SteamLibrary\"\n}\n");
    write(folder.filePath("appmanifest"),
          "\"AppState\"\n{\n\t\"appid\"\t\t\"223750\"\n\t\"name\"\t\t\"QEL Pro \\\"Football\\\" "
          "2011\"\n\t\"installdir\"\t\t\"C:\\\\QEL\"\n}\n");
    write(folder.filePath("comments-bare-conditions"),
          "// written by hand\nAppState {\n  name QEL [$WIN32]\n  \"x\" { } // none\n");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: zorbin-fuzz-seeds FOLDER\n");
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    writeComparisonSeeds(folder.filePath("comparison"));
    writeRememberedFieldSeeds(folder.filePath("remembered-fields"));
    writeRecordSeeds(folder.filePath("records"));
    writeKeyValuesSeeds(folder.filePath("key-values"));
    return failed ? 1 : 0;
}
