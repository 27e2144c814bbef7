// Writes the fuzzers' seed corpus, and sample leagues for the memory checker, with the same record
// writer the tests use.
//
//   zorbin-fuzz-seeds corpus FOLDER          one subfolder of seeds per fuzz target
//   zorbin-fuzz-seeds league FOLDER [COUNT]  prior/, current/ and master/ of a league of COUNT
//   players

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
    QString error;
    if (!QDir().mkpath(QFileInfo(path).path()) ||
        !LeagueFileWriter::writeFile(path, content, &error)) {
        std::fprintf(stderr, "zorbin-fuzz-seeds: %s %s\n", qPrintable(path), qPrintable(error));
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

void writeLeague(const QDir& folder, int count) {
    std::vector<PlayerEntry> prior;
    std::vector<PlayerEntry> current;
    std::vector<PlayerEntry> master;
    std::vector<TeamEntry> teams(20);
    for (std::size_t t = 0; t < teams.size(); ++t) {
        teams[t].nameFirstPart = "City " + QByteArray::number(int(t));
        teams[t].nameSecondPart = "Team";
    }
    for (int i = 0; i < count; ++i) {
        const int identity = 10001 + i;
        const PlayerEntry entry =
            player(identity, "Last" + QByteArray::number(i), "First" + QByteArray::number(i % 97));
        // Every tenth player leaves, every seventh arrives, most are in the master file.
        if (i % 7 != 3)
            prior.push_back(entry);
        if (i % 10 != 5)
            current.push_back(entry);
        if (i % 13 != 0)
            master.push_back(entry);
        if (i % 7 != 3 && teams[std::size_t(i) % teams.size()].roster.size() < 80)
            teams[std::size_t(i) % teams.size()].roster.push_back(std::int16_t(identity));
    }
    write(folder.filePath("prior/qelteam.dat"), LeagueFileWriter::teamFile(teams));
    write(folder.filePath("prior/qelplyr.dat"), LeagueFileWriter::playerFile(prior));
    write(folder.filePath("current/qelplyr.dat"), LeagueFileWriter::playerFile(current));
    write(folder.filePath("master/Mastplyr.dat"), LeagueFileWriter::masterFile(master));
}

} // namespace

int main(int argc, char* argv[]) {
    const QString command = argc >= 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QDir folder(argc >= 3 ? QFile::decodeName(argv[2]) : QString());
    if (command == QLatin1String("corpus") && argc == 3) {
        writeComparisonSeeds(folder.filePath("comparison"));
        writeRememberedFieldSeeds(folder.filePath("remembered-fields"));
        writeRecordSeeds(folder.filePath("records"));
    } else if (command == QLatin1String("league") && (argc == 3 || argc == 4)) {
        const int count = argc == 4 ? QByteArray(argv[3]).toInt() : 1000;
        if (count < 1 || count > 22000) {
            std::fprintf(stderr, "zorbin-fuzz-seeds: COUNT must be 1 to 22000\n");
            return 2;
        }
        writeLeague(folder, count);
    } else {
        std::fprintf(stderr, "Usage: zorbin-fuzz-seeds corpus FOLDER\n"
                             "       zorbin-fuzz-seeds league FOLDER [COUNT]\n");
        return 2;
    }
    return failed ? 1 : 0;
}
