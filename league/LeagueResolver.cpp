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
#include "wine/PrefixLabels.h"
#include "wine/UserPath.h"

#include <algorithm>
#include <cerrno>
#include <QDateTime>
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
    if (!info.isDir() || info.fileName().compare(fileName, Qt::CaseInsensitive) == 0)
        return path;
    return leagueFiles::pathIn(path, fileName);
}

} // namespace

// One prefix's reading of the Windows paths of a run.
struct Reading {
    const WinePrefix* prefix = nullptr;
    QStringList paths; // each Windows path through it; empty where it has no such drive
    QList<bool> held;  // each path is there
    int heldCount = 0;
    bool everyDrive = true;    // it has every drive the paths name
    QDateTime seasonFilesTime; // when its season player files were written last
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
    QStringList roots;
    QStringList prefixes;
    for (const WinePrefix& prefix : discovery.prefixes) {
        for (const WineDrive& drive : prefix.drives) {
            if (!userPath::isWholeFileSystem(drive)) {
                roots.append(drive.root);
                prefixes.append(prefix.folder);
            }
        }
    }
    const qsizetype closest = userPath::closestRoot(canonical, roots);
    return closest < 0 ? QString() : prefixes[closest];
}

Result<LeagueResolver::Choice> LeagueResolver::choose(const QList<NamedPath>& named,
                                                      const Preference& preferred,
                                                      bool everyOneHeld) const {
    QList<const NamedPath*> windows;
    for (const NamedPath& item : named) {
        if (isReadableWindowsPath(item.text))
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
    if (!environment_.winePrefix.isEmpty()) {
        Result<WinePrefix> named = winePrefixes::fromEnvironment(environment_);
        if (!named)
            return named.failure();
        choice.read = PrefixRead{*named, ownTexts(*named), {}, {}, true};
        choice.prefix = std::move(named).value();
        return choice;
    }

    const WineDiscovery& discovery = discovery_();
    QList<Reading> readings;
    for (const WinePrefix& prefix : discovery.prefixes) {
        Reading reading;
        reading.prefix = &prefix;
        for (const NamedPath* item : windows) {
            const Result<userPath::Resolved> through =
                userPath::fromWindows(item->text, *reading.prefix);
            const bool there = through && QFileInfo::exists(through->path);
            reading.paths.append(through ? through->path : QString());
            reading.held.append(there);
            reading.everyDrive = reading.everyDrive && through.ok();
            if (!there)
                continue;
            ++reading.heldCount;
            if (item->season) {
                const QDateTime written =
                    QFileInfo(fileNamedBy(through->path, item->fileName)).lastModified();
                if (written.isValid() && written > reading.seasonFilesTime)
                    reading.seasonFilesTime = written;
            }
        }
        readings.append(std::move(reading));
    }
    const qsizetype wanted = windows.size();
    const Preferred preference = preferred ? preferred(discovery) : Preferred{};
    const auto isPreferred = [&preference](const Reading& reading) {
        return !preference.folder.isEmpty() && reading.prefix->folder == preference.folder;
    };

    // Those that hold every path, else those that hold every required one.
    const auto holdsAll = [&windows](const Reading& reading, bool requiredOnly) {
        for (qsizetype i = 0; i < windows.size(); ++i) {
            if (!reading.held[i] && (!requiredOnly || windows[i]->required))
                return false;
        }
        return true;
    };
    const bool anyoneHoldsAll = std::any_of(readings.begin(), readings.end(),
                                            [&](const Reading& r) { return holdsAll(r, false); });

    const Reading* chosen = nullptr;
    QString why;
    if (everyOneHeld) {
        for (const Reading& reading : std::as_const(readings)) {
            if (isPreferred(reading) && holdsAll(reading, true)) {
                chosen = &reading;
                why = preference.why;
                break;
            }
            if (!holdsAll(reading, !anyoneHoldsAll))
                continue;
            // Discovery's order breaks a tie: ~/.wine and installed games first.
            if (!chosen || reading.seasonFilesTime > chosen->seasonFilesTime) {
                chosen = &reading;
                why = QStringLiteral("whose season files were written last");
            }
        }
    } else {
        // The restore takes what it can: the prefix its files came from, else the one holding
        // most of the folders, else one where the drives are, so a gone folder rests on its drive.
        for (const Reading& reading : std::as_const(readings)) {
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

    const bool anyRequired = std::any_of(windows.begin(), windows.end(),
                                         [](const NamedPath* item) { return item->required; });
    if (!chosen) {
        // A path that is not required goes unread, saying where it was looked for.
        if (!everyOneHeld || !anyRequired)
            return choice;
        if (wanted == 1)
            return userPath::heldByNone(windows[0]->text, discovery);
        // Where each was found, so the user sees which copy is incomplete.
        QStringList texts;
        QStringList whereEach;
        for (qsizetype i = 0; i < wanted; ++i) {
            texts.append(windows[i]->text);
            QStringList holders;
            for (const Reading& reading : std::as_const(readings)) {
                if (reading.held[i])
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
        if (discovery.cutShort)
            reason += QStringLiteral(" (set WINEPREFIX to the prefix that holds them)");
        return FileFailure{QStringLiteral("read the league"), texts.join(QStringLiteral("\", \"")),
                           reason};
    }

    PrefixRead read{*chosen->prefix, ownTexts(*chosen->prefix), {}, why, false};
    for (const Reading& reading : std::as_const(readings)) {
        if (&reading == chosen || reading.paths == chosen->paths)
            continue;
        bool holdsTheSame = true;
        for (qsizetype i = 0; i < wanted; ++i)
            holdsTheSame = holdsTheSame && (reading.held[i] || !chosen->held[i]);
        if (holdsTheSame && chosen->heldCount > 0)
            read.others.append(*reading.prefix);
    }
    choice.prefix = *chosen->prefix;
    choice.read = std::move(read);
    return choice;
}

Result<ResolvedPaths> LeagueResolver::resolvePaths(const QList<NamedPath>& named,
                                                   const Preference& preferred) const {
    Result<Choice> choice = choose(named, preferred, true);
    if (!choice)
        return choice.failure();
    ResolvedPaths resolved;
    resolved.prefixRead = choice->read;
    for (const NamedPath& item : named) {
        if (std::optional<FileFailure> refused = userPath::unusable(item.text))
            resolved.paths.append(std::move(*refused));
        else if (!windowsPath::isWindowsPath(item.text))
            resolved.paths.append(userPath::native(item.text));
        else if (choice->prefix)
            resolved.paths.append(userPath::fromWindows(item.text, *choice->prefix));
        else
            resolved.paths.append(userPath::heldByNone(item.text, discovery_()));
    }
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
    const QList<NamedPath> named = {
        {entries.prior.value_or(QString()), PlayerRecord::fileName, true},
        {entries.current.value_or(QString()), PlayerRecord::fileName, true},
        {entries.master.value_or(QString()), MasterPlayerRecord::fileName, false}};
    ResolvedRestore restored;
    // A $WINEPREFIX that is no prefix leaves every Windows entry where it was; the window says why.
    const Result<Choice> choice = choose(named, preferred, false);
    if (choice)
        restored.prefixRead = choice->read;

    const auto column =
        [&choice](const std::optional<QString>& entry) -> std::optional<RestoredColumn> {
        if (!entry || entry->isEmpty() || userPath::unusable(*entry))
            return std::nullopt;
        // A folder left behind by another user may be there but closed to this one; like a folder
        // that is gone, it can't be shown.
        const auto enterable = [](const QString& path) {
            const QFileInfo info(path);
            return info.isDir() && info.isExecutable();
        };
        if (!windowsPath::isWindowsPath(*entry)) {
            const QString path = userPath::native(*entry).path;
            return enterable(path) ? std::optional(RestoredColumn{path, path, {}}) : std::nullopt;
        }
        if (!choice || !choice->prefix)
            return std::nullopt;
        // A Windows folder that has gone from a drive that is there rests on the drive; an entry
        // that names a drive the prefix lacks is a drive that is not present.
        const Result<userPath::Resolved> folder = userPath::fromWindows(*entry, *choice->prefix);
        if (!folder)
            return std::nullopt;
        return RestoredColumn{folder->driveRoot, enterable(folder->path) ? folder->path : QString(),
                              folder->prefixFolder};
    };
    restored.folders.prior = column(entries.prior);
    restored.folders.current = column(entries.current);
    restored.folders.master = column(entries.master);
    return restored;
}

} // namespace zorbin
