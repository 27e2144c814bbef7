// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/PrefixChoice.h"

#include "files/CaseInsensitivePath.h"
#include "files/ProseList.h"
#include "files/WindowsPath.h"
#include "league/LeagueFiles.h"
#include "records/TeamRecord.h"
#include "wine/FolderEntries.h"
#include "wine/PrefixLabels.h"
#include "wine/UserPath.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorbin {

namespace {

// Larger than any player file the game writes; two copies are not read past it to be compared.
constexpr qint64 largestCompared = 64LL * 1024 * 1024;

// A path has far fewer components; the walk up to the part that exists ends by then.
constexpr int deepestFolder = 256;

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

// `path` with links resolved, as far as it exists; the rest as it stands.
QString canonicalAsFarAsItGoes(const QString& path) {
    QString existing = path;
    QString rest;
    for (int step = 0; step < deepestFolder; ++step) {
        const QString canonical = QFileInfo(existing).canonicalFilePath();
        if (!canonical.isEmpty())
            return rest.isEmpty() ? canonical
                                  : QDir::cleanPath(canonical + QLatin1Char('/') + rest);
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            break;
        const QString name = QFileInfo(existing).fileName();
        rest = rest.isEmpty() ? name : name + QLatin1Char('/') + rest;
        existing = parent;
    }
    return path;
}

// True when a drive of `prefix` (Z: aside) holds `canonical`.
bool drivesHold(const WinePrefix& prefix, const QString& canonical) {
    return std::any_of(prefix.drives.begin(), prefix.drives.end(), [&](const WineDrive& drive) {
        return !userPath::isWholeFileSystem(drive) && userPath::isWithin(canonical, drive.root);
    });
}

// The files a run reads of a season besides its player file: the team file beside it.
QStringList filesRead(const QString& file, const NamedPath& item) {
    QStringList files{file};
    if (item.season)
        files.append(leagueFiles::pathIn(QFileInfo(file).path(), TeamRecord::fileName));
    return files;
}

} // namespace

QList<const WinePrefix*> PrefixChoice::holding(const QString& path,
                                               const WineDiscovery& discovery) {
    const QString canonical = canonicalAsFarAsItGoes(path);
    QList<const WinePrefix*> holders;
    for (const WinePrefix& prefix : discovery.prefixes) {
        if (drivesHold(prefix, canonical))
            holders.append(&prefix);
    }
    return holders;
}

PrefixChoice::PrefixChoice(const QList<const NamedPath*>& windows, const QList<NamedPath>& named,
                           const WineDiscovery& discovery, const WineEnvironment& environment,
                           const std::optional<WinePrefix>& namedPrefix)
    : windows_(windows), discovery_(discovery), environment_(environment),
      namedPrefix_(namedPrefix) {
    for (const WinePrefix& prefix : discovery.prefixes)
        readings_.append(readingOf(prefix));
    if (namedPrefix)
        namedReading_ = readingOf(*namedPrefix);
    // A path of this machine that lies in a prefix ties the run to it: the Windows paths are read
    // there or not at all.
    for (const NamedPath& item : named) {
        const QString here = userPath::onThisMachine(item.text);
        if (here.isEmpty())
            continue;
        QList<const WinePrefix*> holders = holding(here, discovery);
        // $WINEPREFIX may be missing from a search that was cut short.
        if (namedPrefix && drivesHold(*namedPrefix, canonicalAsFarAsItGoes(here)))
            holders.append(&*namedPrefix);
        if (!holders.isEmpty())
            anchors_.append({&item, std::move(holders)});
    }
}

PrefixChoice::Reading PrefixChoice::readingOf(const WinePrefix& prefix) const {
    Reading reading;
    reading.prefix = &prefix;
    for (const NamedPath* item : windows_) {
        Check check;
        const Result<userPath::Resolved> through = userPath::fromWindows(item->text, prefix);
        if (!through) {
            // A drive whose link leads nowhere may hold it on a disk that is not there now.
            if (const std::optional<UnreachableDrive> gone = prefix.unreachableDrive(item->text[0]))
                check = {Check::Holding::CantTell,
                         {},
                         QStringLiteral("its drive %1: leads to \"%2\", which is not there")
                             .arg(gone->letter)
                             .arg(gone->target)};
        } else {
            check.file = leagueFiles::fileNamedBy(through->path, item->fileName);
            if (const std::optional<FileFailure> failure =
                    caseInsensitivePath::lookupFailure(check.file, QStringLiteral("read"))) {
                if (!failure->missing)
                    check = {Check::Holding::CantTell, check.file, failure->message()};
            } else {
                // The run's presence test: a season's player file that is empty holds nothing.
                const QFileInfo info(check.file);
                if (!item->season || (info.isFile() && info.size() > 0))
                    check.holding = Check::Holding::Held;
            }
        }
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
}

bool PrefixChoice::allowed(const WinePrefix& prefix) const {
    return std::all_of(anchors_.begin(), anchors_.end(), [&prefix](const Anchor& anchor) {
        return std::any_of(anchor.holders.begin(), anchor.holders.end(),
                           [&prefix](const WinePrefix* p) { return p->folder == prefix.folder; });
    });
}

bool PrefixChoice::holdsAll(const Reading& reading, bool requiredOnly) const {
    for (qsizetype i = 0; i < windows_.size(); ++i) {
        if (!reading.held(i) && (!requiredOnly || windows_[i]->required))
            return false;
    }
    return true;
}

QString PrefixChoice::described(const WinePrefix& prefix) const {
    return winePrefixes::described(prefix, environment_.home);
}

QString PrefixChoice::anchorsSaid() const {
    QStringList said;
    for (const Anchor& anchor : anchors_) {
        QStringList holders;
        for (const WinePrefix* prefix : anchor.holders)
            holders.append(described(*prefix));
        said.append(
            QStringLiteral("%1 lies in %2").arg(anchor.item->text, proseList::joined(holders)));
    }
    return said.join(QStringLiteral("; "));
}

PrefixChoice::Pick PrefixChoice::pickForRun(const Preferred& preferred) const {
    if (namedReading_)
        return {&*namedReading_, {}, false};
    // Those that hold every path, else those that hold every required one.
    const bool anyoneHoldsAll = std::any_of(readings_.begin(), readings_.end(), [&](const auto& r) {
        return allowed(*r.prefix) && holdsAll(r, false);
    });
    Pick pick;
    for (const Reading& reading : readings_) {
        if (!allowed(*reading.prefix))
            continue;
        if (!preferred.folder.isEmpty() && reading.prefix->folder == preferred.folder &&
            holdsAll(reading, true))
            return {&reading, preferred.why, false};
        if (!holdsAll(reading, !anyoneHoldsAll))
            continue;
        // Discovery's order breaks a tie: $WINEPREFIX, the folders in use, ~/.wine, installed
        // games, then the others by name.
        if (!pick.chosen || reading.seasonFilesTime > pick.chosen->seasonFilesTime)
            pick = {&reading, QStringLiteral("whose season files were written last"), true};
    }
    return pick;
}

QList<Doubt> PrefixChoice::doubts(const Reading* chosen) const {
    QList<Doubt> doubts;
    for (const Reading& reading : readings_) {
        if (&reading == chosen || !allowed(*reading.prefix))
            continue;
        // A prefix that lacks a required path can't be the one, whatever else can't be told.
        const auto doubtful =
            std::find_if(reading.checks.begin(), reading.checks.end(), [](const Check& check) {
                return check.holding == Check::Holding::CantTell;
            });
        bool couldHold = doubtful != reading.checks.end();
        for (qsizetype i = 0; couldHold && i < windows_.size(); ++i)
            couldHold =
                reading.checks[i].holding != Check::Holding::NotHeld || !windows_[i]->required;
        if (couldHold)
            doubts.append({described(*reading.prefix), doubtful->why});
    }
    for (const QString& folder : discovery_.notSearched)
        doubts.append({folder, QStringLiteral("the search for Wine prefixes stopped at its limit "
                                              "before it had looked through it")});
    if (discovery_.cutShort && discovery_.notSearched.isEmpty())
        doubts.append({QStringLiteral("the rest of the home folder"),
                       QStringLiteral("the search for Wine prefixes stopped at its limit")});
    for (const FileFailure& unreadable : discovery_.unreadable)
        doubts.append(
            {winePrefixes::shortened(unreadable.path, environment_.home), unreadable.reason});
    return doubts;
}

FileFailure PrefixChoice::noneHolds(const QList<Doubt>& doubts) const {
    QStringList texts;
    for (const NamedPath* item : windows_)
        texts.append(item->text);
    const QString joinedTexts = texts.join(QStringLiteral("\", \""));
    const auto anyHoldsAll = [&](bool anchored) {
        return std::any_of(readings_.begin(), readings_.end(), [&](const Reading& r) {
            return (!anchored || allowed(*r.prefix)) && holdsAll(r, true);
        });
    };
    if (!anchors_.isEmpty() && !anyHoldsAll(true) && anyHoldsAll(false))
        return FileFailure{QStringLiteral("read the league"), joinedTexts,
                           QStringLiteral("%1, which does not hold them, and a league is never "
                                          "read from two prefixes")
                               .arg(anchorsSaid())};
    if (windows_.size() == 1 && doubts.isEmpty())
        return userPath::heldByNone(windows_[0]->text, discovery_);
    const QString lookedIn = discovery_.prefixes.isEmpty()
                                 ? QStringLiteral("~/.wine and the launchers' folders")
                                 : winePrefixes::whereFound(discovery_.prefixes);
    QString reason;
    if (windows_.size() == 1) {
        reason = QStringLiteral("no Wine prefix holds %1; looked in %2")
                     .arg(windows_[0]->text, lookedIn);
    } else {
        // Where each was found, so the user sees which copy is incomplete.
        QStringList whereEach;
        for (qsizetype i = 0; i < windows_.size(); ++i) {
            QStringList holders;
            for (const Reading& reading : readings_) {
                if (reading.held(i))
                    holders.append(described(*reading.prefix));
            }
            whereEach.append(QStringLiteral("%1 is in %2")
                                 .arg(windows_[i]->text, holders.isEmpty()
                                                             ? QStringLiteral("none")
                                                             : proseList::joined(holders)));
        }
        reason = QStringLiteral("no one Wine prefix holds them all, and a league is never read "
                                "from two: %1; looked in %2")
                     .arg(whereEach.join(QStringLiteral("; ")), lookedIn);
    }
    if (!doubts.isEmpty()) {
        QStringList said;
        for (const Doubt& doubt : doubts)
            said.append(QStringLiteral("%1: %2").arg(doubt.where, doubt.reason));
        reason += QStringLiteral("; could not tell for %1").arg(said.join(QStringLiteral("; ")));
    }
    if (discovery_.cutShort || !doubts.isEmpty())
        reason += QStringLiteral(" (set WINEPREFIX to the prefix that holds them)");
    return FileFailure{QStringLiteral("read the league"), joinedTexts, reason};
}

PrefixRead PrefixChoice::told(const Pick& pick, QList<Doubt> doubts) const {
    const Reading& chosen = *pick.chosen;
    QStringList texts;
    for (const NamedPath* item : windows_) {
        const std::optional<WineDrive> drive = chosen.prefix->drive(item->text[0]);
        if (drive && !userPath::isWholeFileSystem(*drive))
            texts.append(item->text);
    }
    PrefixRead read{*chosen.prefix,        texts, {}, pick.why, namedReading_.has_value(),
                    chosen.seasonFilesTime};
    // A path of this machine chose among the prefixes before their ages did.
    const bool anchored = pick.byTime && !anchors_.isEmpty();
    if (anchored)
        read.why = QStringLiteral("in which %1 lies").arg(anchors_[0].item->text);
    for (const Reading& reading : readings_) {
        if (reading.prefix->folder == chosen.prefix->folder || chosen.heldCount == 0)
            continue;
        bool holdsTheSame = true;
        bool sameFiles = true;
        for (qsizetype i = 0; holdsTheSame && i < windows_.size(); ++i) {
            if (!chosen.held(i))
                continue;
            holdsTheSame = reading.held(i);
            const QStringList mine = filesRead(chosen.checks[i].file, *windows_[i]);
            const QStringList theirs = filesRead(reading.checks[i].file, *windows_[i]);
            for (qsizetype f = 0; holdsTheSame && sameFiles && f < mine.size(); ++f)
                sameFiles = sameFile(mine[f], theirs[f]) ||
                            (!QFileInfo::exists(mine[f]) && !QFileInfo::exists(theirs[f]));
        }
        if (!holdsTheSame || sameFiles)
            continue;
        read.others.append({*reading.prefix, reading.seasonFilesTime});
        if (pick.byTime && reading.seasonFilesTime == chosen.seasonFilesTime)
            read.tie = true;
    }
    read.newest = pick.byTime && !anchored && !read.tie;
    if (read.tie)
        read.why = QStringLiteral("whose season files were written at the same time as another "
                                  "copy's, and which comes first in Zorbin's order");
    read.doubts = std::move(doubts);
    // A path the prefix lacks (the master folder, which is not required) and others hold.
    for (qsizetype i = 0; i < windows_.size(); ++i) {
        if (chosen.held(i))
            continue;
        HeldElsewhere elsewhere{windows_[i]->text, {}};
        for (const Reading& reading : readings_) {
            if (reading.held(i) && reading.prefix->folder != chosen.prefix->folder)
                elsewhere.holders.append(*reading.prefix);
        }
        if (!elsewhere.holders.isEmpty())
            read.elsewhere.append(std::move(elsewhere));
    }
    return read;
}

Result<std::optional<PrefixRead>> PrefixChoice::forRun(const Preferred& preferred) const {
    if (namedReading_ && !allowed(*namedPrefix_))
        return FileFailure{QStringLiteral("read the league"), windows_[0]->text,
                           QStringLiteral("WINEPREFIX names %1, but %2, and a league is never "
                                          "read from two prefixes")
                               .arg(described(*namedPrefix_), anchorsSaid())};
    const Pick pick = pickForRun(preferred);
    // What can't be told matters only where the age of the copies decided.
    const QList<Doubt> doubtsOf =
        !pick.chosen || pick.byTime ? doubts(pick.chosen) : QList<Doubt>();
    if (!pick.chosen) {
        // A path that is not required goes unread, saying where it was looked for.
        if (std::none_of(windows_.begin(), windows_.end(),
                         [](const NamedPath* item) { return item->required; }))
            return std::optional<PrefixRead>();
        return noneHolds(doubtsOf);
    }
    return std::optional(told(pick, doubtsOf));
}

std::optional<PrefixRead> PrefixChoice::forRestore(const Preferred& preferred) const {
    if (namedReading_)
        return told({&*namedReading_, {}, false}, {});
    Pick pick;
    for (const Reading& reading : readings_) {
        if (!allowed(*reading.prefix))
            continue;
        if (!preferred.folder.isEmpty() && reading.prefix->folder == preferred.folder) {
            pick = {&reading, preferred.why, false};
            break;
        }
        if (reading.heldCount == 0 && !reading.everyDrive)
            continue;
        const auto rank = [](const Reading& r) {
            return std::tuple(r.heldCount, r.everyDrive, r.seasonFilesTime);
        };
        if (!pick.chosen || rank(reading) > rank(*pick.chosen))
            pick = {&reading, QStringLiteral("whose season files were written last"), false};
    }
    if (!pick.chosen)
        return std::nullopt;
    return told(pick, {});
}

} // namespace zorbin
