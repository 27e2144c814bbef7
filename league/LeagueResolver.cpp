// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueResolver.h"

#include "files/CaseInsensitivePath.h"
#include "files/ProseList.h"
#include "files/WindowsPath.h"
#include "league/LeagueFiles.h"
#include "records/MasterPlayerRecord.h"
#include "records/PlayerRecord.h"
#include "records/TeamRecord.h"
#include "wine/FolderEntries.h"
#include "wine/PrefixLabels.h"
#include "wine/UserPath.h"

#include <algorithm>
#include <cerrno>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorbin {

namespace {

bool isReadableWindowsPath(const QString& text) {
    return windowsPath::isWindowsPath(text) && !userPath::unusable(text);
}

// The file a text stands for: itself, or the column's file in the folder it names. A folder that
// bears the file's own name stands in the file's place and is read as that, failing for what it is.
QString fileNamedBy(const QString& path, const QString& fileName) {
    const QFileInfo info(path);
    if (fileName.isEmpty() || !info.isDir() ||
        info.fileName().compare(fileName, Qt::CaseInsensitive) == 0)
        return path;
    return leagueFiles::pathIn(path, fileName);
}

// Larger than any player file the game writes; two copies are not read past it to be compared.
constexpr qint64 largestCompared = 64LL * 1024 * 1024;

// True when `a` and `b` are one file or hold the same bytes: one copy of the league, whatever
// route leads to it (a bottle linked to ~/.wine's folder, a `cp -a` backup).
bool sameFile(const QString& a, const QString& b) {
    const QString identity = folderEntries::identity(a);
    if (!identity.isEmpty() && identity == folderEntries::identity(b))
        return true;
    QFile left(a);
    QFile right(b);
    if (left.size() != right.size() || left.size() > largestCompared ||
        !left.open(QIODevice::ReadOnly) || !right.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 chunk = 64 * 1024;
    while (!left.atEnd()) {
        const QByteArray bytes = left.read(chunk);
        if (bytes.isEmpty() || bytes != right.read(chunk))
            return false;
    }
    return right.atEnd();
}

// A native path, or a Windows path through Z: (Wine's whole file system), as a path here; empty for
// one that needs a prefix's own drive.
QString pathHere(const QString& text) {
    if (text.isEmpty() || userPath::unusable(text))
        return {};
    if (!windowsPath::isWindowsPath(text))
        return QDir::cleanPath(QDir::current().absoluteFilePath(text));
    if (text[0].toUpper() != QLatin1Char('Z'))
        return {};
    QString path = text.mid(2);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QStringLiteral("/") + path);
}

// `path` with links resolved, as far as it exists; the rest as it stands.
QString canonicalAsFarAsItGoes(const QString& path) {
    QString existing = path;
    QString rest;
    for (int step = 0; step < 256; ++step) {
        const QString canonical = QFileInfo(existing).canonicalFilePath();
        if (!canonical.isEmpty())
            return rest.isEmpty() ? canonical
                                  : QDir::cleanPath(canonical + QLatin1Char('/') + rest);
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            break;
        rest = rest.isEmpty() ? QFileInfo(existing).fileName()
                              : QFileInfo(existing).fileName() + QLatin1Char('/') + rest;
        existing = parent;
    }
    return path;
}

// What the user named, each Windows path in the spelling Wine reads it in.
QList<NamedPath> cleanedTexts(QList<NamedPath> named) {
    for (NamedPath& item : named)
        item.text = windowsPath::cleaned(item.text);
    return named;
}

} // namespace

// What one prefix holds of one Windows path.
struct Check {
    enum class Holding { Held, NotHeld, CantTell };
    Holding holding = Holding::NotHeld;
    QString file;     // the file the run would read through this prefix; empty without the drive
    QString why = {}; // why it can't be told
};

// One prefix's reading of the Windows paths of a run.
struct Reading {
    const WinePrefix* prefix = nullptr;
    QList<Check> checks;
    int heldCount = 0;
    bool everyDrive = true;    // it has every drive the paths name
    QDateTime seasonFilesTime; // when its season player files were written last

    [[nodiscard]] bool held(qsizetype i) const { return checks[i].holding == Check::Holding::Held; }
    [[nodiscard]] const Check* doubtful() const {
        for (const Check& check : checks) {
            if (check.holding == Check::Holding::CantTell)
                return &check;
        }
        return nullptr;
    }
};

struct LeagueResolver::Choice {
    std::optional<WinePrefix> prefix; // none when no text needs one
    std::optional<PrefixRead> read;
};

LeagueResolver::LeagueResolver(const WineEnvironment& environment, DiscoverySource discovery)
    : environment_(environment), discovery_(std::move(discovery)) {}

QString LeagueResolver::prefixHolding(const QString& folder, const WineDiscovery& discovery) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    QString best;
    qsizetype bestRoot = -1;
    for (const WinePrefix& prefix : discovery.prefixes) {
        for (const WineDrive& drive : prefix.drives) {
            if (!userPath::isWholeFileSystem(drive) && drive.root.size() > bestRoot &&
                userPath::isWithin(canonical, drive.root)) {
                best = prefix.folder;
                bestRoot = drive.root.size();
            }
        }
    }
    return best;
}

namespace {

// True when a drive of `prefix` (Z: aside) holds `canonical`.
bool drivesHold(const WinePrefix& prefix, const QString& canonical) {
    return std::any_of(prefix.drives.begin(), prefix.drives.end(), [&](const WineDrive& drive) {
        return !userPath::isWholeFileSystem(drive) && userPath::isWithin(canonical, drive.root);
    });
}

} // namespace

QList<const WinePrefix*> LeagueResolver::prefixesHolding(const QString& path,
                                                         const WineDiscovery& discovery) {
    const QString canonical = canonicalAsFarAsItGoes(path);
    QList<const WinePrefix*> holders;
    for (const WinePrefix& prefix : discovery.prefixes) {
        if (drivesHold(prefix, canonical))
            holders.append(&prefix);
    }
    return holders;
}

namespace {

// Whether `prefix` holds `item`: the file the run would read is there, and for a season not empty.
// A file that can't be looked at, or a drive whose link leads nowhere now, can't be told.
Check checkThrough(const NamedPath& item, const WinePrefix& prefix) {
    const Result<userPath::Resolved> through = userPath::fromWindows(item.text, prefix);
    if (!through) {
        const std::optional<UnreachableDrive> gone = prefix.unreachableDrive(item.text[0]);
        if (!gone)
            return {};
        return {Check::Holding::CantTell,
                {},
                QStringLiteral("its drive %1: leads to \"%2\", which is not there")
                    .arg(gone->letter)
                    .arg(gone->target)};
    }
    const QString file = fileNamedBy(through->path, item.fileName);
    if (const std::optional<FileFailure> failure =
            caseInsensitivePath::lookupFailure(file, QStringLiteral("read"))) {
        if (failure->missing)
            return {Check::Holding::NotHeld, file};
        return {Check::Holding::CantTell, file, failure->message()};
    }
    const QFileInfo info(file);
    const bool held = !item.season || (info.isFile() && info.size() > 0);
    return {held ? Check::Holding::Held : Check::Holding::NotHeld, file};
}

// The files a run reads of a held season besides its player file: the team file beside it.
QStringList filesOf(const Check& check, const NamedPath& item) {
    QStringList files{check.file};
    if (item.season)
        files.append(leagueFiles::pathIn(QFileInfo(check.file).path(), TeamRecord::fileName));
    return files;
}

} // namespace

Result<LeagueResolver::Choice> LeagueResolver::choose(const QList<NamedPath>& named,
                                                      const Preference& preferred,
                                                      bool everyOneHeld) const {
    QList<const NamedPath*> windows;
    for (const NamedPath& item : named) {
        if (isReadableWindowsPath(item.text) && pathHere(item.text).isEmpty())
            windows.append(&item);
    }
    Choice choice;
    if (windows.isEmpty())
        return choice;
    const auto ownTexts = [&windows](const WinePrefix& prefix) {
        QStringList texts;
        for (const NamedPath* item : windows) {
            const std::optional<WineDrive> drive = prefix.drive(item->text[0]);
            if (drive && !userPath::isWholeFileSystem(*drive))
                texts.append(item->text);
        }
        return texts;
    };

    // A prefix the user named is the one meant; another may hold an older copy of the league.
    std::optional<WinePrefix> namedPrefix;
    if (!environment_.winePrefix.isEmpty()) {
        Result<WinePrefix> fromEnvironment = winePrefixes::fromEnvironment(environment_);
        if (!fromEnvironment)
            return fromEnvironment.failure();
        namedPrefix = std::move(fromEnvironment).value();
    }

    const WineDiscovery& discovery = discovery_();
    const auto readingOf = [&](const WinePrefix& prefix) {
        Reading reading;
        reading.prefix = &prefix;
        for (const NamedPath* item : windows) {
            Check check = checkThrough(*item, prefix);
            reading.everyDrive = reading.everyDrive && !check.file.isEmpty();
            if (check.holding == Check::Holding::Held) {
                ++reading.heldCount;
                const QDateTime written = QFileInfo(check.file).lastModified();
                if (item->season && written.isValid() && written > reading.seasonFilesTime)
                    reading.seasonFilesTime = written;
            }
            reading.checks.append(std::move(check));
        }
        return reading;
    };
    QList<Reading> readings;
    for (const WinePrefix& prefix : discovery.prefixes)
        readings.append(readingOf(prefix));
    const qsizetype wanted = windows.size();

    // A path of this machine that lies in a prefix ties the run to it: the Windows paths are read
    // there or not at all.
    struct Anchor {
        const NamedPath* item;
        QList<const WinePrefix*> holders;
    };
    QList<Anchor> anchors;
    for (const NamedPath& item : named) {
        const QString here = pathHere(item.text);
        if (here.isEmpty())
            continue;
        QList<const WinePrefix*> holders = prefixesHolding(here, discovery);
        // $WINEPREFIX may be missing from a search that was cut short.
        if (namedPrefix && drivesHold(*namedPrefix, canonicalAsFarAsItGoes(here)))
            holders.append(&*namedPrefix);
        if (!holders.isEmpty())
            anchors.append({&item, std::move(holders)});
    }
    const auto allowed = [&anchors](const WinePrefix& prefix) {
        return std::all_of(anchors.begin(), anchors.end(), [&prefix](const Anchor& anchor) {
            return std::any_of(
                anchor.holders.begin(), anchor.holders.end(),
                [&prefix](const WinePrefix* p) { return p->folder == prefix.folder; });
        });
    };
    const auto anchorsSaid = [&] {
        QStringList said;
        for (const Anchor& anchor : std::as_const(anchors)) {
            QStringList holders;
            for (const WinePrefix* prefix : anchor.holders)
                holders.append(winePrefixes::described(*prefix, environment_.home));
            said.append(
                QStringLiteral("%1 lies in %2").arg(anchor.item->text, proseList::joined(holders)));
        }
        return said.join(QStringLiteral("; "));
    };

    const Reading* chosen = nullptr;
    QString why;
    Reading namedReading;
    if (namedPrefix) {
        if (!allowed(*namedPrefix))
            return FileFailure{
                QStringLiteral("read the league"), windows[0]->text,
                QStringLiteral("WINEPREFIX names %1, but %2, and a league is never "
                               "read from two prefixes")
                    .arg(winePrefixes::described(*namedPrefix, environment_.home), anchorsSaid())};
        namedReading = readingOf(*namedPrefix);
        chosen = &namedReading;
    }

    const Preferred preference = preferred && !chosen ? preferred(discovery) : Preferred{};
    const auto isPreferred = [&preference](const Reading& reading) {
        return !preference.folder.isEmpty() && reading.prefix->folder == preference.folder;
    };
    // Those that hold every path, else those that hold every required one.
    const auto holdsAll = [&windows](const Reading& reading, bool requiredOnly) {
        for (qsizetype i = 0; i < windows.size(); ++i) {
            if (!reading.held(i) && (!requiredOnly || windows[i]->required))
                return false;
        }
        return true;
    };
    const bool anyoneHoldsAll =
        std::any_of(readings.begin(), readings.end(),
                    [&](const Reading& r) { return allowed(*r.prefix) && holdsAll(r, false); });

    bool byTime = false;
    if (!chosen && everyOneHeld) {
        for (const Reading& reading : std::as_const(readings)) {
            if (!allowed(*reading.prefix))
                continue;
            if (isPreferred(reading) && holdsAll(reading, true)) {
                chosen = &reading;
                why = preference.why;
                byTime = false;
                break;
            }
            if (!holdsAll(reading, !anyoneHoldsAll))
                continue;
            // Discovery's order breaks a tie: $WINEPREFIX, the folders in use, ~/.wine, installed
            // games, then the others by name.
            if (!chosen || reading.seasonFilesTime > chosen->seasonFilesTime) {
                chosen = &reading;
                why = QStringLiteral("whose season files were written last");
                byTime = true;
            }
        }
    } else if (!chosen) {
        // The restore takes what it can: the prefix its files came from, else the one holding
        // most of the folders, else one where the drives are, so a gone folder rests on its drive.
        for (const Reading& reading : std::as_const(readings)) {
            if (!allowed(*reading.prefix))
                continue;
            if (isPreferred(reading)) {
                chosen = &reading;
                why = preference.why;
                break;
            }
            if (reading.heldCount == 0 && !reading.everyDrive)
                continue;
            const auto rank = [](const Reading& r) {
                return std::tuple(r.heldCount, r.everyDrive, r.seasonFilesTime);
            };
            if (!chosen || rank(reading) > rank(*chosen)) {
                chosen = &reading;
                why = QStringLiteral("whose season files were written last");
            }
        }
    }

    // A path of this machine chose among the prefixes before their ages did.
    const bool anchored = chosen && byTime && !anchors.isEmpty();
    if (anchored)
        why = QStringLiteral("in which %1 lies").arg(anchors[0].item->text);

    // What could have been another choice, had it been known.
    QList<Doubt> doubts;
    if (everyOneHeld && !namedPrefix && (!chosen || byTime)) {
        for (const Reading& reading : std::as_const(readings)) {
            if (&reading == chosen || !allowed(*reading.prefix))
                continue;
            const Check* doubtful = reading.doubtful();
            bool couldHold = doubtful != nullptr;
            for (qsizetype i = 0; couldHold && i < wanted; ++i)
                couldHold =
                    reading.checks[i].holding != Check::Holding::NotHeld || !windows[i]->required;
            if (couldHold)
                doubts.append(
                    {winePrefixes::described(*reading.prefix, environment_.home), doubtful->why});
        }
        for (const QString& folder : discovery.notSearched)
            doubts.append({folder, QStringLiteral("the search for Wine prefixes stopped at its "
                                                  "limit before it had looked through it")});
        if (discovery.cutShort && discovery.notSearched.isEmpty())
            doubts.append({QStringLiteral("the rest of the home folder"),
                           QStringLiteral("the search for Wine prefixes stopped at its limit")});
        for (const FileFailure& unreadable : discovery.unreadable)
            doubts.append(
                {winePrefixes::shortened(unreadable.path, environment_.home), unreadable.reason});
    }
    const auto doubtsSaid = [&doubts] {
        QStringList said;
        for (const Doubt& doubt : std::as_const(doubts))
            said.append(QStringLiteral("%1: %2").arg(doubt.where, doubt.reason));
        return said.join(QStringLiteral("; "));
    };

    const bool anyRequired = std::any_of(windows.begin(), windows.end(),
                                         [](const NamedPath* item) { return item->required; });
    if (!chosen) {
        // A path that is not required goes unread, saying where it was looked for.
        if (!everyOneHeld || !anyRequired)
            return choice;
        if (!anchors.isEmpty() &&
            std::none_of(
                readings.begin(), readings.end(),
                [&](const Reading& r) { return allowed(*r.prefix) && holdsAll(r, true); }) &&
            std::any_of(readings.begin(), readings.end(),
                        [&](const Reading& r) { return holdsAll(r, true); })) {
            QStringList texts;
            for (const NamedPath* item : windows)
                texts.append(item->text);
            return FileFailure{QStringLiteral("read the league"),
                               texts.join(QStringLiteral("\", \"")),
                               QStringLiteral("%1, which does not hold them, and a league is never "
                                              "read from two prefixes")
                                   .arg(anchorsSaid())};
        }
        if (wanted == 1 && doubts.isEmpty())
            return userPath::heldByNone(windows[0]->text, discovery);
        // Where each was found, so the user sees which copy is incomplete.
        QStringList texts;
        QStringList whereEach;
        for (qsizetype i = 0; i < wanted; ++i) {
            texts.append(windows[i]->text);
            QStringList holders;
            for (const Reading& reading : std::as_const(readings)) {
                if (reading.held(i))
                    holders.append(winePrefixes::described(*reading.prefix, environment_.home));
            }
            whereEach.append(QStringLiteral("%1 is in %2")
                                 .arg(windows[i]->text, holders.isEmpty()
                                                            ? QStringLiteral("none")
                                                            : proseList::joined(holders)));
        }
        QString reason = QStringLiteral("no one Wine prefix holds them all, and a league is "
                                        "never read from two: %1; looked in %2")
                             .arg(whereEach.join(QStringLiteral("; ")),
                                  discovery.prefixes.isEmpty()
                                      ? QStringLiteral("~/.wine and the launchers' folders")
                                      : winePrefixes::whereFound(discovery.prefixes));
        if (wanted == 1)
            reason = QStringLiteral("no Wine prefix holds %1; looked in %2")
                         .arg(windows[0]->text, discovery.prefixes.isEmpty()
                                                    ? QStringLiteral("~/.wine and the launchers' "
                                                                     "folders")
                                                    : winePrefixes::whereFound(discovery.prefixes));
        if (!doubts.isEmpty())
            reason += QStringLiteral("; could not tell for %1").arg(doubtsSaid());
        if (discovery.cutShort || !doubts.isEmpty())
            reason += QStringLiteral(" (set WINEPREFIX to the prefix that holds them)");
        return FileFailure{QStringLiteral("read the league"), texts.join(QStringLiteral("\", \"")),
                           reason};
    }

    PrefixRead read{*chosen->prefix,         ownTexts(*chosen->prefix), {}, why,
                    namedPrefix.has_value(), chosen->seasonFilesTime};
    for (const Reading& reading : std::as_const(readings)) {
        if (reading.prefix->folder == chosen->prefix->folder || chosen->heldCount == 0)
            continue;
        bool holdsTheSame = true;
        bool sameFiles = true;
        for (qsizetype i = 0; holdsTheSame && i < wanted; ++i) {
            if (!chosen->held(i))
                continue;
            holdsTheSame = reading.held(i);
            const QStringList mine = filesOf(chosen->checks[i], *windows[i]);
            const QStringList theirs = filesOf(reading.checks[i], *windows[i]);
            for (qsizetype f = 0; holdsTheSame && sameFiles && f < mine.size(); ++f)
                sameFiles = sameFile(mine[f], theirs[f]) ||
                            (!QFileInfo::exists(mine[f]) && !QFileInfo::exists(theirs[f]));
        }
        if (!holdsTheSame || sameFiles)
            continue;
        read.others.append({*reading.prefix, reading.seasonFilesTime});
        if (byTime && reading.seasonFilesTime == chosen->seasonFilesTime)
            read.tie = true;
    }
    read.newest = byTime && !anchored && !read.tie;
    if (read.tie)
        read.why = QStringLiteral("whose season files were written at the same time as another "
                                  "copy's, and which comes first in Zorbin's order");
    read.doubts = std::move(doubts);
    // A path the prefix lacks (the master folder, which is not required) and others hold.
    for (qsizetype i = 0; i < wanted; ++i) {
        if (chosen->held(i))
            continue;
        HeldElsewhere elsewhere{windows[i]->text, {}};
        for (const Reading& reading : std::as_const(readings)) {
            if (reading.held(i) && reading.prefix->folder != chosen->prefix->folder)
                elsewhere.holders.append(*reading.prefix);
        }
        if (!elsewhere.holders.isEmpty())
            read.elsewhere.append(std::move(elsewhere));
    }
    choice.prefix = *chosen->prefix;
    choice.read = std::move(read);
    return choice;
}

Result<userPath::Resolved> LeagueResolver::through(const QString& text,
                                                   const Choice& choice) const {
    if (std::optional<FileFailure> refused = userPath::unusable(text))
        return std::move(*refused);
    if (!windowsPath::isWindowsPath(text))
        return userPath::native(text);
    if (choice.prefix)
        return userPath::fromWindows(text, *choice.prefix);
    // Z: is the whole file system in every prefix; it needs none chosen.
    if (const QString here = pathHere(text); !here.isEmpty())
        return userPath::Resolved{userPath::native(here).path, QDir::rootPath(), {}};
    return userPath::heldByNone(text, discovery_());
}

Result<ResolvedPaths> LeagueResolver::resolvePaths(const QList<NamedPath>& given,
                                                   const Preference& preferred) const {
    const QList<NamedPath> named = cleanedTexts(given);
    Result<Choice> choice = choose(named, preferred, true);
    if (!choice)
        return choice.failure();
    ResolvedPaths resolved;
    resolved.prefixRead = choice->read;
    for (const NamedPath& item : named)
        resolved.paths.append(through(item.text, *choice));
    return resolved;
}

std::optional<FileFailure> LeagueResolver::unreadableFolder(const QString& text,
                                                            const userPath::Resolved& found) {
    std::optional<FileFailure> barred =
        caseInsensitivePath::lookupFailure(found.path, QStringLiteral("read folder"));
    if (!barred && !QFileInfo(found.path).isDir())
        barred = FileFailure{QStringLiteral("read folder"),
                             caseInsensitivePath::absolute(found.path), qt_error_string(ENOTDIR)};
    // A Windows path also names the folder it was read as.
    if (barred && !found.driveRoot.isEmpty()) {
        barred->readAs = barred->path;
        barred->path = text;
    }
    return barred;
}

Result<ResolvedLeague> LeagueResolver::resolve(const ComparisonRequest& request, MovedRows moved,
                                               const Preference& preferred) const {
    const QList<NamedPath> named = {
        {request.priorPlayerFile, PlayerRecord::fileName, true},
        {request.currentPlayerFile, PlayerRecord::fileName, true},
        {request.masterPlayerFile, MasterPlayerRecord::fileName, false, false}};
    Result<ResolvedPaths> paths = resolvePaths(named, preferred);
    if (!paths)
        return paths.failure();

    ResolvedLeague resolved;
    resolved.prefixRead = paths->prefixRead;
    const auto column = [&](qsizetype index, std::optional<FileFailure>& unresolved) {
        const NamedPath& item = named[index];
        const Result<userPath::Resolved>& found = paths->paths[index];
        if (!found) {
            unresolved = found.failure();
            return item.text;
        }
        if (request.kind == NamedKind::Folder) {
            if (std::optional<FileFailure> barred = unreadableFolder(item.text, *found)) {
                unresolved = std::move(barred);
                return found->path;
            }
        }
        return fileNamedBy(found->path, item.fileName);
    };
    resolved.files.priorPlayerFile = column(0, resolved.priorUnresolved);
    resolved.files.currentPlayerFile = column(1, resolved.currentUnresolved);
    resolved.files.masterPlayerFile = column(2, resolved.masterUnresolved);
    // Each season's team file lies beside the player file actually read.
    resolved.files.priorTeamFile =
        leagueFiles::pathIn(QFileInfo(resolved.files.priorPlayerFile).path(), TeamRecord::fileName);
    if (moved == MovedRows::Included)
        resolved.files.currentTeamFile = leagueFiles::pathIn(
            QFileInfo(resolved.files.currentPlayerFile).path(), TeamRecord::fileName);
    return resolved;
}

ResolvedRestore LeagueResolver::restore(const RememberedEntries& entries,
                                        const Preference& preferred) const {
    const QList<NamedPath> named =
        cleanedTexts({{entries.prior.value_or(QString()), PlayerRecord::fileName, true},
                      {entries.current.value_or(QString()), PlayerRecord::fileName, true},
                      {entries.master.value_or(QString()), MasterPlayerRecord::fileName, false}});
    ResolvedRestore restored;
    // A $WINEPREFIX that is no prefix leaves every Windows entry where it was; the window says why.
    const Result<Choice> choice = choose(named, preferred, false);
    if (choice)
        restored.prefixRead = choice->read;

    const auto column = [&](const NamedPath& entry) -> std::optional<RestoredColumn> {
        if (entry.text.isEmpty() || !choice)
            return std::nullopt;
        const Result<userPath::Resolved> folder = through(entry.text, *choice);
        // A Windows entry that names a drive the prefix lacks is a drive that is not present.
        if (!folder)
            return std::nullopt;
        // A folder left behind by another user may be there but closed to this one; like a folder
        // that is gone, it can't be shown.
        const QFileInfo info(folder->path);
        const bool enterable = info.isDir() && info.isExecutable();
        if (folder->driveRoot.isEmpty())
            return enterable ? std::optional(RestoredColumn{folder->path, folder->path, {}})
                             : std::nullopt;
        // A Windows folder that has gone from a drive that is there rests on the drive.
        return RestoredColumn{folder->driveRoot, enterable ? folder->path : QString(),
                              folder->prefixFolder};
    };
    restored.folders.prior = column(named[0]);
    restored.folders.current = column(named[1]);
    restored.folders.master = column(named[2]);
    return restored;
}

} // namespace zorbin
