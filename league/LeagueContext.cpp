// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueContext.h"

#include "export/ListFileWriter.h"
#include "files/GameFiles.h"
#include "files/ProseList.h"
#include "files/Windows1252.h"
#include "files/WindowsPath.h"
#include "files/WriteTarget.h"
#include "league/LeagueFiles.h"
#include "league/LeagueResolver.h"
#include "settings/RememberedFolders.h"
#include "wine/MountedVolumes.h"
#include "wine/PrefixLabels.h"
#include "wine/UserPath.h"
#include "wine/WineDiscovery.h"

#include <chrono>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace zorbin {

namespace {

// The drive lists are filled at start-up: a crowded launcher folder must not slow the window down.
WineDiscoveryLimits driveListLimits() {
    return {};
}

// Before a Windows path is read, every prefix that may hold it is wanted, so that the choice
// between them is made on all of them.
WineDiscoveryLimits everyPrefixLimits() {
    WineDiscoveryLimits limits;
    limits.time = std::chrono::seconds(1);
    return limits;
}

// When a copy's season files were written, as a message says it.
QString writtenAt(const QDateTime& time) {
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                          : QStringLiteral("at a time that can't be read");
}

// The prefix a run's Windows paths go through before any other that holds them: the one the
// remembered folders were read through, else the one Zorbin was started in.
LeagueResolver::Preferred preferredPrefix(const std::optional<WinePrefix>& rememberedPrefix,
                                          const QString& workingFolder,
                                          const WineDiscovery& discovery) {
    if (rememberedPrefix)
        return {rememberedPrefix->folder,
                QStringLiteral("through which the remembered folders were read")};
    // The Windows program beside Zorbin reads its folders through the prefix it runs in.
    return {LeagueResolver::prefixHolding(workingFolder, discovery),
            QStringLiteral("which holds the folder Zorbin was started in")};
}

} // namespace

LeagueContext::LeagueContext(WineEnvironment environment, std::optional<QString> rememberedFolder)
    : environment_(std::move(environment)) {
    if (rememberedFolder)
        remembered_ = std::make_unique<RememberedFolders>(*rememberedFolder);
}

LeagueContext::~LeagueContext() = default;

const WineDiscovery& LeagueContext::discovery(Patience patience) {
    const bool patient = patience == Patience::EveryPrefix;
    // A search cut short at the drive lists' bound is made again, once, before a path is read.
    if (!discovery_ || (patient && discovery_->cutShort && !discoveryPatient_)) {
        discovery_ = std::make_unique<WineDiscovery>(winePrefixes::discoverAll(
            environment_, patient ? everyPrefixLimits() : driveListLimits(), foldersInUse_));
        discoveryPatient_ = patient;
        ++discoveries_;
    }
    return *discovery_;
}

LeagueResolver LeagueContext::resolver(bool* looked) {
    return LeagueResolver(environment_, [this, looked]() -> const WineDiscovery& {
        if (looked)
            *looked = true;
        return discovery(Patience::EveryPrefix);
    });
}

Result<ResolvedLeague> LeagueContext::resolve(const ComparisonRequest& request, MovedRows moved) {
    const int before = discoveries_;
    bool looked = false;
    const auto attempt = [&] {
        return resolver(&looked).resolve(request, moved, [this](const WineDiscovery& found) {
            return preferredPrefix(rememberedPrefix_, workingFolder(), found);
        });
    };
    Result<ResolvedLeague> resolved = attempt();
    // Prefixes found before this run may not be all there are now (one made since start-up): a
    // Windows path that none of them holds is looked for once more before it is given up.
    const bool unread = !resolved || resolved->priorUnresolved || resolved->currentUnresolved ||
                        resolved->masterUnresolved;
    if (unread && looked && discoveries_ == before) {
        discovery_.reset();
        resolved = attempt();
    }
    return resolved;
}

QList<Drive> LeagueContext::drives() {
    return mountedVolumes::drives(discovery(Patience::DriveLists).prefixes);
}

QList<Drive> LeagueContext::refreshedDrives() {
    discovery_.reset();
    return drives();
}

QString LeagueContext::workingFolder() const {
    return remembered_ ? remembered_->folder() : QDir::currentPath();
}

RestoredFolders LeagueContext::restoreFolders() {
    if (!remembered_)
        return {};
    const RememberedEntries entries = remembered_->readEntries();
    // The prefixes of the folders in use are offered first, however far the search gets.
    foldersInUse_ = {workingFolder()};
    for (const std::optional<QString>& entry : {entries.prior, entries.current, entries.master}) {
        if (entry && !windowsPath::isWindowsPath(windowsPath::cleaned(*entry)))
            foldersInUse_.append(*entry);
    }
    ResolvedRestore restored = resolver().restore(entries, [this](const WineDiscovery& discovery) {
        return preferredPrefix(rememberedPrefix_, workingFolder(), discovery);
    });
    if (restored.prefixRead) {
        rememberedPrefix_ = restored.prefixRead->prefix;
        restored.folders.messages.append(prefixMessages(*restored.prefixRead, false));
    }
    // Said once, here: every Windows path would fail for the same reason.
    if (const std::optional<FileFailure> wrong = winePrefixes::environmentFailure(environment_))
        restored.folders.messages.prepend({RunMessage::Kind::WrongWinePrefix, wrong->message()});
    // Each column's drive as its drive list holds it.
    QStringList roots;
    for (const Drive& drive : drives())
        roots.append(drive.root);
    for (std::optional<RestoredColumn>* column :
         {&restored.folders.prior, &restored.folders.current, &restored.folders.master}) {
        if (!*column)
            continue;
        // Without drive letters, the drive of a folder that is not there can't be told from a
        // drive that has gone (an unplugged stick leaves only its parent folder behind).
        if (!QFileInfo::exists((*column)->drive))
            column->reset();
        else
            (*column)->drive = leagueFiles::driveHolding((*column)->drive, roots);
    }
    return std::move(restored.folders);
}

void LeagueContext::createMissingRememberedFiles() const {
    if (remembered_)
        remembered_->createMissingFiles();
}

std::optional<FileFailure> LeagueContext::rememberFolders(const QString& prior,
                                                          const QString& current,
                                                          const QString& master) const {
    if (!remembered_)
        return std::nullopt;
    return remembered_->saveFolders(prior, current, master);
}

QStringList LeagueContext::rememberedEntries(const ComparisonRequest& request) const {
    const QStringList folders = {request.priorFolder, request.currentFolder, request.masterFolder};
    // Folders the Windows program remembered go back as it wrote them, through the same prefix, so
    // that it keeps them; all three or none, never a mixture it can't read.
    if (!rememberedPrefix_)
        return folders;
    QStringList windows;
    for (const QString& folder : folders) {
        const std::optional<QString> entry = userPath::toWindows(folder, *rememberedPrefix_);
        if (!entry || !windows1252::encode(*entry))
            return folders;
        windows.append(*entry);
    }
    return windows;
}

QList<RunMessage> LeagueContext::prefixMessages(const PrefixRead& read, bool forTheRecord) {
    QList<RunMessage> messages;
    const auto told = [this](const QString& text) {
        const bool before = toldOnce_.contains(text);
        toldOnce_.insert(text);
        return before;
    };
    const auto described = [this](const WinePrefix& prefix) {
        return winePrefixes::described(prefix, environment_.home);
    };
    for (const HeldElsewhere& elsewhere : read.elsewhere) {
        QStringList holders;
        for (const WinePrefix& holder : elsewhere.holders)
            holders.append(described(holder));
        const QString text =
            QStringLiteral(
                "\"%1\" is not in the Wine prefix %2, through which the league was "
                "read, but %3 %4 it; nothing is read from there, since a league is never "
                "read from two prefixes")
                .arg(elsewhere.text, described(read.prefix), proseList::joined(holders),
                     holders.size() == 1 ? QStringLiteral("holds") : QStringLiteral("hold"));
        if (!told(text))
            messages.append({RunMessage::Kind::HeldElsewhere, text});
    }
    if (read.texts.isEmpty())
        return messages;
    QStringList quoted;
    for (const QString& text : read.texts)
        quoted.append(QStringLiteral("\"%1\"").arg(text));
    const QString base = QStringLiteral("Read %1 through the Wine prefix %2")
                             .arg(proseList::joined(quoted), described(read.prefix));
    if (!read.doubts.isEmpty()) {
        QStringList doubts;
        for (const Doubt& doubt : read.doubts)
            doubts.append(QStringLiteral("%1: %2").arg(doubt.where, doubt.reason));
        const QString text = base +
                             QStringLiteral(", but could not tell whether another copy of "
                                            "the league is newer: ") +
                             doubts.join(QStringLiteral("; "));
        if (!told(text))
            messages.append({RunMessage::Kind::Doubt, text});
    }
    if (!read.others.isEmpty()) {
        if (toldOtherPrefixes_)
            return messages;
        toldOtherPrefixes_ = true;
        QStringList others;
        for (const OtherCopy& other : read.others)
            others.append(QStringLiteral("%1 holds the same folders with other files, written %2")
                              .arg(described(other.prefix), writtenAt(other.written)));
        const QString why = read.named ? QStringLiteral("named in WINEPREFIX")
                            : read.newest
                                ? read.why + QStringLiteral(" (%1)").arg(writtenAt(read.written))
                                : read.why;
        messages.append(
            {RunMessage::Kind::OtherPrefixes,
             QStringLiteral("%1, %2; %3").arg(base, why, others.join(QStringLiteral("; ")))});
        return messages;
    }
    const std::optional<WinePrefix> wine = winePrefixes::homeWine(environment_);
    if (forTheRecord && !(wine && wine->folder == read.prefix.folder))
        messages.append({RunMessage::Kind::ReadThroughPrefix, base});
    return messages;
}

QStringList LeagueContext::gameFilesOf(const SeasonFiles& files) const {
    QStringList read = {files.priorTeamFile, files.priorPlayerFile, files.currentPlayerFile,
                        files.masterPlayerFile};
    if (!files.currentTeamFile.isEmpty())
        read.append(files.currentTeamFile);
    QStringList folders;
    for (const QString& file : std::as_const(read))
        folders.append(QFileInfo(file).path());
    return read + writeTarget::gameFilesIn(folders);
}

ComparisonOutcome LeagueContext::run(const ComparisonRequest& request, const RunOptions& options) {
    ComparisonOutcome outcome;
    if (request.priorPlayerFile.isEmpty() || request.currentPlayerFile.isEmpty() ||
        request.masterPlayerFile.isEmpty())
        return outcome;
    outcome.compared = true;
    const auto say = [&outcome](RunMessage::Kind kind, const QString& text,
                                const QString& consequence = {}) {
        outcome.messages.append({kind, text, consequence});
    };

    const Result<ResolvedLeague> resolved = resolve(request, options.moved);
    lastRequest_ = request;
    lastRunGameFiles_ = resolved ? gameFilesOf(resolved->files) : QStringList();

    // Remembered before anything is read, as always, also when the league then can't be read.
    if (remembered_) {
        const QStringList entries = rememberedEntries(request);
        if (const std::optional<FileFailure> failure =
                remembered_->saveFolders(entries[0], entries[1], entries[2], lastRunGameFiles_)) {
            // The same failure at every "Process" would only nag.
            if (!toldNotRemembered_.contains(failure->message())) {
                toldNotRemembered_.insert(failure->message());
                say(RunMessage::Kind::NotRemembered, failure->message());
            }
        }
    }
    if (!resolved) {
        outcome.lists = ComparisonFailure{SeasonFile::PriorPlayer, resolved.failure()};
        say(RunMessage::Kind::Stopped, resolved.failure().message());
        return outcome;
    }
    if (resolved->prefixRead) {
        outcome.messages.append(prefixMessages(*resolved->prefixRead, true));
    }
    for (const auto& [reason, file] :
         {std::pair{&resolved->priorUnresolved, SeasonFile::PriorPlayer},
          std::pair{&resolved->currentUnresolved, SeasonFile::CurrentPlayer}}) {
        if (*reason) {
            outcome.lists = ComparisonFailure{file, **reason};
            say(RunMessage::Kind::Stopped, (*reason)->message());
            return outcome;
        }
    }

    outcome.lists = compareSeasons(resolved->files, options.rows, options.moved);
    if (!outcome.lists) {
        say(RunMessage::Kind::Stopped, outcome.lists.failure().message());
        return outcome;
    }
    SeasonLists& lists = outcome.lists.value();
    if (resolved->masterUnresolved)
        lists.masterUnread = resolved->masterUnresolved;
    if (lists.teamUnread)
        say(RunMessage::Kind::TeamUnread, lists.teamUnread->message(),
            QStringLiteral("The lists show no prior-season teams."));
    if (lists.masterUnread)
        say(RunMessage::Kind::MasterUnread, lists.masterUnread->message(),
            QStringLiteral("The names in the lists come from the current season only."));
    return outcome;
}

Result<NamedFolders> LeagueContext::namedFolders(const QList<NamedPath>& named) {
    const Result<ResolvedPaths> paths =
        resolver().resolvePaths(named, [this](const WineDiscovery& found) {
            return preferredPrefix(rememberedPrefix_, workingFolder(), found);
        });
    if (!paths)
        return paths.failure();
    NamedFolders result;
    for (qsizetype index = 0; index < named.size(); ++index) {
        const Result<userPath::Resolved>& found = paths->paths[index];
        if (!found)
            result.folders.append(found.failure());
        else if (std::optional<FileFailure> barred =
                     LeagueResolver::unreadableFolder(named[index].text, *found))
            result.folders.append(std::move(*barred));
        else
            result.folders.append(leagueFiles::folderString(found->path));
    }
    if (paths->prefixRead) {
        result.messages.append(prefixMessages(*paths->prefixRead, true));
    }
    return result;
}

RunMessage LeagueContext::exportList(const QString& fileName, const QList<QByteArray>& lines,
                                     const ComparisonRequest& shownNow) {
    QStringList keep =
        lastRunGameFiles_ + writeTarget::gameFilesIn({shownNow.priorFolder, shownNow.currentFolder,
                                                      shownNow.masterFolder});
    // Path boxes typed since the last run name files of their own.
    const bool sameAsLastRun = lastRequest_ &&
                               lastRequest_->priorPlayerFile == shownNow.priorPlayerFile &&
                               lastRequest_->currentPlayerFile == shownNow.currentPlayerFile &&
                               lastRequest_->masterPlayerFile == shownNow.masterPlayerFile;
    if (!sameAsLastRun) {
        const Result<ResolvedLeague> now = resolve(shownNow, MovedRows::Omitted);
        keep += now ? gameFilesOf(now->files)
                    : QStringList{shownNow.priorPlayerFile, shownNow.currentPlayerFile,
                                  shownNow.masterPlayerFile};
    }
    keep.removeAll(QString());
    // The remembered folders are Zorbin's own, and the export dialog opens beside them.
    if (const std::optional<FileFailure> failure = listFileWriter::write(
            fileName, lines, keep, RememberedFolders::filesIn(workingFolder())))
        return {RunMessage::Kind::Stopped, failure->message()};
    // The writer replaces the file only once it is complete and closed, so this never announces a
    // file that failed on closing.
    return {RunMessage::Kind::Exported,
            QStringLiteral("file ") + fileName + QStringLiteral(" was written ")};
}

HistoryOutcome LeagueContext::history(const HistoryRequest& request) {
    QList<NamedPath> named = {{request.masterFolder, gameFiles::master}};
    if (request.leagueFolder)
        named.append({*request.leagueFolder});
    for (const QString& season : request.seasonFolders)
        named.append({season, gameFiles::player, true});
    const Result<NamedFolders> folders = namedFolders(named);
    if (!folders)
        return {
            std::nullopt, {{RunMessage::Kind::Stopped, folders.failure().message()}}, std::nullopt};
    HistoryOutcome outcome = historyRun::read(request, folders->folders);
    outcome.messages = folders->messages + outcome.messages;
    return outcome;
}

} // namespace zorbin
