// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueResolver.h"

#include "files/CaseInsensitivePath.h"
#include "files/ProseList.h"
#include "files/WindowsPath.h"
#include "league/LeagueFiles.h"
#include "league/PrefixChoice.h"
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

// What the user named, each Windows path in the spelling Wine reads it in.
QList<NamedPath> cleanedTexts(QList<NamedPath> named) {
    for (NamedPath& item : named)
        item.text = windowsPath::cleaned(item.text);
    return named;
}

} // namespace

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
        if (isReadableWindowsPath(item.text) && userPath::onThisMachine(item.text).isEmpty())
            windows.append(&item);
    }
    Choice choice;
    if (windows.isEmpty())
        return choice;
    // A prefix the user named is the one meant; another may hold an older copy of the league.
    std::optional<WinePrefix> namedPrefix;
    if (!environment_.winePrefix.isEmpty()) {
        Result<WinePrefix> fromEnvironment = winePrefixes::fromEnvironment(environment_);
        if (!fromEnvironment)
            return fromEnvironment.failure();
        namedPrefix = std::move(fromEnvironment).value();
    }
    const WineDiscovery& discovery = discovery_();
    const PrefixChoice prefixes(windows, named, discovery, environment_, namedPrefix);
    const Preferred preference = preferred && !namedPrefix ? preferred(discovery) : Preferred{};
    if (everyOneHeld) {
        Result<std::optional<PrefixRead>> read = prefixes.forRun(preference);
        if (!read)
            return read.failure();
        choice.read = std::move(*read);
    } else {
        choice.read = prefixes.forRestore(preference);
    }
    if (choice.read)
        choice.prefix = choice.read->prefix;
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
    if (const QString here = userPath::onThisMachine(text); !here.isEmpty())
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
        return leagueFiles::fileNamedBy(found->path, item.fileName);
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
