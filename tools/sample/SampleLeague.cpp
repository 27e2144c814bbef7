// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleLeague.h"

#include "files/GameFiles.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <random>
#include <utility>

namespace zorbin::sample {

namespace {

using league::LeagueFileWriter;
using league::PlayerEntry;
using league::TeamEntry;

// The standard fixes std::mt19937's output but not that of its distributions, so the draws are
// made here to keep a seed's league the same with every compiler and library.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : engine_(seed) {}

    // Uniform in [0, count); count > 0.
    std::size_t below(std::size_t count) {
        constexpr std::uint64_t range = std::uint64_t{1} << 32;
        const std::uint64_t limit = range - range % count;
        std::uint64_t value = 0;
        do {
            value = engine_();
        } while (value >= limit);
        return static_cast<std::size_t>(value % count);
    }

    int between(int low, int high) {
        return low + static_cast<int>(below(static_cast<std::size_t>(high - low + 1)));
    }

    template <typename T> void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[below(i)]);
    }

    template <typename T> void insertAnywhere(std::vector<T>& items, T item) {
        const auto position = static_cast<std::ptrdiff_t>(below(items.size() + 1));
        items.insert(items.begin() + position, std::move(item));
    }

private:
    std::mt19937 engine_;
};

// The names are written here in UTF-8 for readability; QEL files hold them in Windows-1252, one
// byte per letter. Latin-1 letters keep their code; the few Windows-1252 letters beyond it are
// mapped by hand.
QByteArray windows1252(const char* utf8) {
    static constexpr std::array<std::pair<char16_t, char>, 7> beyondLatin1{{
        {0x0160, '\x8A'}, // Š
        {0x0161, '\x9A'}, // š
        {0x017D, '\x8E'}, // Ž
        {0x017E, '\x9E'}, // ž
        {0x0152, '\x8C'}, // Œ
        {0x0153, '\x9C'}, // œ
        {0x0178, '\x9F'}, // Ÿ
    }};
    QByteArray bytes;
    for (const QChar character : QString::fromUtf8(utf8)) {
        const char16_t code = character.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes += static_cast<char>(code);
            continue;
        }
        const auto* mapped =
            std::find_if(beyondLatin1.begin(), beyondLatin1.end(),
                         [code](const auto& entry) { return entry.first == code; });
        bytes += mapped != beyondLatin1.end() ? mapped->second : '?';
    }
    return bytes;
}

std::vector<QByteArray> windows1252(std::initializer_list<const char*> texts) {
    std::vector<QByteArray> converted;
    converted.reserve(texts.size());
    for (const char* text : texts)
        converted.push_back(windows1252(text));
    return converted;
}

// Ten letters at most on either side, so an ordinary "Last,First" fits the 21-character column.
const std::vector<QByteArray>& firstNames() {
    static const std::vector<QByteArray> names = windows1252({
        "Luis",    "José",     "André",   "Björn",  "Sören",     "Jürgen",   "Íñigo",
        "Raúl",    "Ramón",    "Joaquín", "Iñaki",  "Søren",     "Åke",      "Göran",
        "Mårten",  "Stéphane", "Jérôme",  "Noël",   "Loïc",      "Gaël",     "Thorbjørn",
        "Jón",     "Þórir",    "Óscar",   "Ángel",  "Sébastien", "François", "Matthäus",
        "Jörg",    "Uwe",      "Tomás",   "Sergio", "Marco",     "Niccolò",  "Fabrício",
        "João",    "Peter",    "Mike",    "Kevin",  "Ryan",      "Liam",     "Owen",
        "Dan",     "Erik",     "Lars",    "Mikko",  "Jukka",     "Pekka",    "Ville",
        "Zoltán",  "Dániel",   "Bálint",  "Žiga",   "Aleš",      "Frédéric", "Benoît",
        "Rémi",    "Hervé",    "Étienne", "Maël",   "Ignacio",   "Martín",   "Nicolás",
        "Agustín", "Germán",
    });
    return names;
}

const std::vector<QByteArray>& lastNames() {
    static const std::vector<QByteArray> names = windows1252({
        "Ortega",    "Muñoz",    "Peña",      "Núñez",      "Ibáñez",     "Sánchez",  "García",
        "Gómez",     "Pérez",    "Martínez",  "Jiménez",    "Müller",     "Schröder", "Köhler",
        "Weiß",      "Groß",     "Strauß",    "Böhm",       "Günther",    "Krüger",   "Jäger",
        "Öberg",     "Åström",   "Bäckström", "Söderberg",  "Lindqvist",  "Ødegaard", "Sørensen",
        "Bjørnstad", "Lefèvre",  "Gagné",     "Bélanger",   "Côté",       "Lévesque", "Tremblay",
        "Ménard",    "Thérien",  "Brière",    "Gauthier",   "Desjardins", "Dubé",     "Fernández",
        "Gonçalves", "Simões",   "Magalhães", "Çelik",      "Šorli",      "Žagar",    "Smith",
        "Walker",    "O'Brien",  "MacLeod",   "Kowalski",   "Novak",      "Horvat",   "Rossi",
        "Bianchi",   "Brennan",  "Fraser",    "Hughes",     "Murphy",     "Kelly",    "Larsen",
        "Hansen",    "Virtanen", "Mäkinen",   "Hämäläinen", "Nieminen",   "Järvinen", "Fürst",
        "Kovács",    "Szabó",    "Tóth",      "Nagy",       "Herrera",    "Castaño",  "Cañizares",
        "Zúñiga",    "Ångström", "Nørgaard",  "Ståhl",      "Sjöberg",
    });
    return names;
}

const std::vector<QByteArray>& cities() {
    static const std::vector<QByteArray> names = windows1252({
        "Lake City", "Montréal",  "Québec",     "Zürich",    "Malmö",       "Göteborg",
        "Köln",      "München",   "Düsseldorf", "Sevilla",   "Córdoba",     "Málaga",
        "A Coruña",  "Bogotá",    "Medellín",   "São Paulo", "Curaçao",     "Reykjavík",
        "Tórshavn",  "Århus",     "Besançon",   "Orléans",   "Nîmes",       "Genève",
        "Linköping", "Jönköping", "Örebro",     "Tromsø",    "Hämeenlinna", "Cádiz",
    });
    return names;
}

const std::vector<QByteArray>& nicknames() {
    static const std::vector<QByteArray> names = windows1252({
        "Comets",   "Bears",    "Lynx",        "Wolves",    "Eagles",  "Storm",
        "Pioneers", "Mariners", "Falcons",     "Rangers",   "Thunder", "Voyageurs",
        "Blizzard", "Miners",   "Hawks",       "Stallions", "Ravens",  "Otters",
        "Titans",   "Cyclones", "Lumberjacks", "Aviators",  "Huskies", "Sentinels",
        "Kings",    "Express",  "Griffins",    "Marauders", "Bisons",  "Phantoms",
    });
    return names;
}

// Both fields filled to the last byte, so neither holds a NUL: a 31-character display name.
const QByteArray longLastName = windows1252("Castellanos-Peña"); // 16 bytes
const QByteArray longFirstName = windows1252("Jean-Sébastien");  // 14 bytes

constexpr int freeAgentsLowest = 3;
constexpr int freeAgentsHighest = 5;
constexpr int prospectCount = 2; // arrivals already on a prior-season roster
constexpr int retiredCount = 5;  // players of earlier seasons: in the master file only
constexpr int missingFromMasterEach = 3;
constexpr std::int16_t staleStatus = 1;
// The off season's moves between the two team files.
constexpr int tradeCount = 3;
constexpr int releaseCount = 2;
constexpr int unsignedArrivalCount = 3;

struct Name {
    QByteArray first;
    QByteArray last;
};

// Unique display names while the lists allow; a clash after many tries is kept, as real leagues
// have namesakes too.
class NameDraw {
public:
    explicit NameDraw(Draw& draw) : draw_(draw) {}

    Name next() {
        Name name;
        for (int attempt = 0; attempt < 100; ++attempt) {
            name = {firstNames()[draw_.below(firstNames().size())],
                    lastNames()[draw_.below(lastNames().size())]};
            if (!used_.contains(name.last + ',' + name.first))
                break;
        }
        used_.insert(name.last + ',' + name.first);
        return name;
    }

private:
    Draw& draw_;
    QSet<QByteArray> used_;
};

} // namespace

SampleLeague::SampleLeague(std::uint32_t seed) : seed_(seed) {
    Draw draw(seed);

    std::vector<QByteArray> teamNicknames = nicknames();
    draw.shuffle(teamNicknames);
    const std::size_t teamCount = cities().size();

    std::vector<int> rosterSizes(teamCount);
    int rosterSlots = 0;
    for (int& size : rosterSizes) {
        size = draw.between(20, 30);
        rosterSlots += size;
    }
    const int freeAgentCount = draw.between(freeAgentsLowest, freeAgentsHighest);
    const int rosteredCount = rosterSlots - prospectCount;
    const int priorCount = rosteredCount + freeAgentCount;
    const int leaverCount = (priorCount + 4) / 8;
    const int arrivalCount = leaverCount + draw.between(-3, 3);

    // Ascending identities with gaps, as a league that has signed and released players for years
    // has; the gaps keep the largest well below the largest identity a file can hold, 32767.
    const int identityCount = priorCount + arrivalCount + retiredCount;
    std::vector<std::int16_t> identities;
    identities.reserve(static_cast<std::size_t>(identityCount));
    int identity = 10000;
    for (int i = 0; i < identityCount; ++i) {
        identity += draw.between(1, 20);
        identities.push_back(static_cast<std::int16_t>(identity));
    }
    draw.shuffle(identities);

    const auto from = [&identities](int first, int count) {
        return std::vector<std::int16_t>(identities.begin() + first,
                                         identities.begin() + first + count);
    };
    const std::vector<std::int16_t> rostered = from(0, rosteredCount);
    const std::vector<std::int16_t> freeAgents = from(rosteredCount, freeAgentCount);
    const std::vector<std::int16_t> arrivals = from(priorCount, arrivalCount);

    QHash<std::int16_t, Name> names;
    NameDraw nameDraw(draw);
    for (const std::int16_t id : identities)
        names.insert(id, nameDraw.next());
    // The arrivals are in random order, so their roles can go by position.
    const std::int16_t longNamed = arrivals[prospectCount];
    names[longNamed] = {longFirstName, longLastName};
    const auto arrivalsMissingFromMaster =
        from(priorCount + prospectCount + 1, missingFromMasterEach);
    const std::int16_t staleInPriorA = arrivals[prospectCount + 1 + missingFromMasterEach];
    const std::int16_t staleInPriorB = arrivals[prospectCount + 2 + missingFromMasterEach];

    // At least one free agent leaves, so one leaving line has no team.
    std::vector<std::int16_t> leavers{freeAgents.front()};
    {
        std::vector<std::int16_t> others(identities.begin(), identities.begin() + priorCount);
        others.erase(std::find(others.begin(), others.end(), freeAgents.front()));
        draw.shuffle(others);
        leavers.insert(leavers.end(), others.begin(), others.begin() + leaverCount - 1);
    }
    const QSet<std::int16_t> leaving(leavers.begin(), leavers.end());
    const std::vector<std::int16_t> leaversMissingFromMaster(leavers.begin() + 1,
                                                             leavers.begin() + 4);
    const std::int16_t staleInCurrentA = leavers[4];
    const std::int16_t staleInCurrentB = leavers[5];

    const auto playerEntry = [&names](std::int16_t id, std::int16_t status = 0) {
        return PlayerEntry{id, names[id].first, names[id].last, status};
    };

    // Prior season: the team file, and the player file written team by team, free agents last.
    std::vector<std::int16_t> seats = rostered;
    seats.insert(seats.end(), arrivals.begin(), arrivals.begin() + prospectCount);
    draw.shuffle(seats);
    const QSet<std::int16_t> prospects(arrivals.begin(), arrivals.begin() + prospectCount);
    auto seat = seats.begin();
    for (std::size_t team = 0; team < teamCount; ++team) {
        TeamEntry entry;
        entry.nameFirstPart = cities()[team];
        entry.nameSecondPart = teamNicknames[team];
        entry.roster.assign(seat, seat + rosterSizes[team]);
        seat += rosterSizes[team];
        for (const std::int16_t id : entry.roster) {
            if (!prospects.contains(id))
                priorPlayers_.push_back(playerEntry(id));
        }
        priorTeams_.push_back(std::move(entry));
    }
    for (const std::int16_t id : freeAgents)
        priorPlayers_.push_back(playerEntry(id));
    // A folded franchise still on file: were it read, it would take over some leavers' team.
    TeamEntry folded;
    folded.nameFirstPart = windows1252("Old Harbour");
    folded.nameSecondPart = windows1252("Ghosts");
    folded.roster.assign(leavers.begin() + 6, leavers.begin() + 9);
    folded.status = staleStatus;
    priorTeams_.push_back(std::move(folded));
    // Deleted records of players who only arrive now: were they read, these would not arrive.
    draw.insertAnywhere(priorPlayers_, playerEntry(staleInPriorA, staleStatus));
    draw.insertAnywhere(priorPlayers_, playerEntry(staleInPriorB, staleStatus));

    // Current season: everyone who stayed and everyone who arrived, in no particular order, with
    // deleted records of two leavers that must not keep them in the league.
    for (const PlayerEntry& player : priorPlayers_) {
        if (player.status == 0 && !leaving.contains(player.identity))
            currentPlayers_.push_back(player);
    }
    for (const std::int16_t id : arrivals)
        currentPlayers_.push_back(playerEntry(id));
    draw.shuffle(currentPlayers_);
    draw.insertAnywhere(currentPlayers_, playerEntry(staleInCurrentA, staleStatus));
    draw.insertAnywhere(currentPlayers_, playerEntry(staleInCurrentB, staleStatus));

    // Master: everyone ever signed, by identity, but for a few the league never registered; two
    // stayers carry a superseded record under an old name after their live one.
    QSet<std::int16_t> unregistered(leaversMissingFromMaster.begin(),
                                    leaversMissingFromMaster.end());
    unregistered.unite(
        QSet<std::int16_t>(arrivalsMissingFromMaster.begin(), arrivalsMissingFromMaster.end()));
    std::vector<std::int16_t> registered;
    for (const std::int16_t id : identities) {
        if (!unregistered.contains(id))
            registered.push_back(id);
    }
    std::sort(registered.begin(), registered.end());
    std::vector<std::int16_t> renamed;
    for (const PlayerEntry& player : currentPlayers_) {
        if (renamed.size() < 2 && player.status == 0 && !leaving.contains(player.identity) &&
            !prospects.contains(player.identity) && player.identity != longNamed &&
            std::find(arrivals.begin(), arrivals.end(), player.identity) == arrivals.end())
            renamed.push_back(player.identity);
    }
    for (const std::int16_t id : registered) {
        masterPlayers_.push_back(playerEntry(id));
        if (std::find(renamed.begin(), renamed.end(), id) != renamed.end()) {
            const Name old = nameDraw.next();
            masterPlayers_.push_back(PlayerEntry{id, old.first, old.last, staleStatus});
        }
    }

    // Current season's teams, drawn last so that the other files stay what they were: the prior
    // rosters without the leavers, then an off season's moves.
    for (const TeamEntry& team : priorTeams_) {
        if (team.status != 0)
            continue;
        TeamEntry entry = team;
        std::erase_if(entry.roster, [&leaving](std::int16_t id) { return leaving.contains(id); });
        currentTeams_.push_back(std::move(entry));
    }
    const int lastTeam = static_cast<int>(currentTeams_.size()) - 1;
    const auto anyTeam = [&]() -> TeamEntry& {
        return currentTeams_[static_cast<std::size_t>(draw.between(0, lastTeam))];
    };
    const auto anySeat = [&](const TeamEntry& team) {
        return static_cast<std::size_t>(draw.between(0, static_cast<int>(team.roster.size()) - 1));
    };
    for (int trade = 0; trade < tradeCount; ++trade) {
        TeamEntry& one = anyTeam();
        TeamEntry& other = anyTeam();
        std::swap(one.roster[anySeat(one)], other.roster[anySeat(other)]);
    }
    for (int release = 0; release < releaseCount; ++release) {
        TeamEntry& team = anyTeam();
        team.roster.erase(team.roster.begin() + static_cast<std::ptrdiff_t>(anySeat(team)));
    }
    // Free agents who stayed are signed, and so are most arrivals who were no prospects.
    std::vector<std::int16_t> signings;
    for (const std::int16_t id : freeAgents) {
        if (!leaving.contains(id))
            signings.push_back(id);
    }
    signings.insert(signings.end(), arrivals.begin() + prospectCount,
                    arrivals.end() - unsignedArrivalCount);
    for (const std::int16_t id : signings)
        anyTeam().roster.push_back(id);
    // A renamed team: the files know a team only by its name, so its whole roster shows as moved.
    currentTeams_.back().nameSecondPart = windows1252("Dragons");
}

QString SampleLeague::priorFolder(const QString& root) {
    return QDir(root).filePath(QStringLiteral("prior"));
}

QString SampleLeague::currentFolder(const QString& root) {
    return QDir(root).filePath(QStringLiteral("current"));
}

QString SampleLeague::masterFolder(const QString& root) {
    return QDir(root).filePath(QStringLiteral("master"));
}

std::optional<FileFailure> SampleLeague::writeTo(const QString& root) const {
    for (const QString& folder : {priorFolder(root), currentFolder(root), masterFolder(root)}) {
        std::error_code error;
        std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
        if (error) {
            return FileFailure{QStringLiteral("create the folder"), folder,
                               QString::fromStdString(error.message())};
        }
    }
    const std::array<std::pair<QString, QByteArray>, 5> files{{
        {QDir(priorFolder(root)).filePath(gameFiles::team),
         LeagueFileWriter::teamFile(priorTeams_)},
        {QDir(currentFolder(root)).filePath(gameFiles::team),
         LeagueFileWriter::teamFile(currentTeams_)},
        {QDir(priorFolder(root)).filePath(gameFiles::player),
         LeagueFileWriter::playerFile(priorPlayers_)},
        {QDir(currentFolder(root)).filePath(gameFiles::player),
         LeagueFileWriter::playerFile(currentPlayers_)},
        {QDir(masterFolder(root)).filePath(gameFiles::master),
         LeagueFileWriter::masterFile(masterPlayers_)},
    }};
    for (const auto& [path, content] : files) {
        if (auto failure = LeagueFileWriter::write(path, content))
            return failure;
    }
    return std::nullopt;
}

} // namespace zorbin::sample
