// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/SeasonLists.h"
#include "files/FileFailure.h"
#include "files/Result.h"
#include "league/ComparisonRun.h"
#include "league/HistoryRun.h"
#include "league/RestoredFolders.h"
#include "wine/Drive.h"
#include "wine/WineEnvironment.h"
#include "wine/WinePrefix.h"

#include <memory>
#include <optional>
#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace zorbin {

// The context keeps these to itself: what is above it sees only the values it hands on.
class LeagueResolver;
class RememberedFolders;
struct NamedPath;
struct PrefixRead;
struct ResolvedLeague;
struct WineDiscovery;

// Folders a tool was given, each on this machine or why it can't be read, and what to tell of the
// Wine prefix they were read through.
struct NamedFolders {
    QList<Result<QString>> folders;
    QList<RunMessage> messages;
};

struct RunOptions {
    ReportRows rows = ReportRows::Omitted;
    MovedRows moved = MovedRows::Omitted;
};

// Everything one program run knows of the user's leagues: the environment it was started in, the
// Wine prefixes found (looked for once, when first needed, and again only when the user opens a
// drive list), the remembered folders, and each comparison: what the user named, resolved once
// into the files to read through one prefix, compared, and told in messages worded here; and
// each history, its seasons read by the same rules. The window, the tools and the tests all go
// through it.
class LeagueContext {
public:
    // `rememberedFolder` is where the remembered-folder files are ("." follows the working folder
    // at each access); none for a program that never touches them, such as the report tool.
    LeagueContext(WineEnvironment environment, std::optional<QString> rememberedFolder);
    ~LeagueContext();
    LeagueContext(const LeagueContext&) = delete;
    LeagueContext& operator=(const LeagueContext&) = delete;

    [[nodiscard]] const WineEnvironment& environment() const { return environment_; }

    // What the drive lists offer: the mounted volumes, then the drives of the prefixes found.
    [[nodiscard]] QList<Drive> drives();
    // The same, looked for afresh: a drive list was opened, and a volume may have been mounted or
    // a prefix made meanwhile.
    [[nodiscard]] QList<Drive> refreshedDrives();
    // How many times prefixes were looked for.
    [[nodiscard]] int discoveries() const { return discoveries_; }

    // Where the remembered folders point the columns, and what to tell the user once they stand.
    // Windows entries go through the prefix holding the remembered files when there is one; a
    // later "Process" writes them back through it. Each column's drive is the one of drives()
    // that holds its folder. Writes nothing.
    [[nodiscard]] RestoredFolders restoreFolders();
    // At the first start in a folder: the remembered-folder files are created empty.
    void createMissingRememberedFiles() const;
    // The three folders remembered as "Process" remembers them, without a comparison: for a tool
    // that makes a league and points the window at it.
    [[nodiscard]] std::optional<FileFailure>
    rememberFolders(const QString& prior, const QString& current, const QString& master) const;

    // One comparison: unless a path box is empty, the folders are remembered, what the request
    // names is resolved through one prefix and the seasons are compared.
    [[nodiscard]] ComparisonOutcome run(const ComparisonRequest& request,
                                        const RunOptions& options = {});

    // One history: the folders `request` names are found through one prefix as in a run, the
    // seasons in them, and each season read by the comparison's rules. A season that can't be
    // used is left out and said; the others are read.
    [[nodiscard]] HistoryOutcome history(const HistoryRequest& request);

    // Writes `lines` to `fileName` as an export does, never onto a game file of the last run or
    // of `shownNow` (the path boxes and folders as they are now), by any name. The message
    // confirms the file (RunMessage::Kind::Exported) or says why it was not written.
    [[nodiscard]] RunMessage exportList(const QString& fileName, const QList<QByteArray>& lines,
                                        const ComparisonRequest& shownNow);

private:
    enum class Patience { DriveLists, EveryPrefix };

    [[nodiscard]] const WineDiscovery& discovery(Patience patience);
    // A resolver that looks for prefixes as a path to read needs them, and says in `looked` when
    // it did.
    [[nodiscard]] LeagueResolver resolver(bool* looked = nullptr);
    // What `request` names, through the prefixes found.
    [[nodiscard]] Result<ResolvedLeague> resolve(const ComparisonRequest& request, MovedRows moved);
    [[nodiscard]] QString workingFolder() const;
    // The folders `named` names (a tool's master, season or league folders), all Windows paths
    // through one prefix as in a run. The failure, when no one prefix holds them all, says where
    // each was found.
    [[nodiscard]] Result<NamedFolders> namedFolders(const QList<NamedPath>& named);
    // The three folders as the remembered files will hold them.
    [[nodiscard]] QStringList rememberedEntries(const ComparisonRequest& request) const;
    [[nodiscard]] QStringList gameFilesOf(const SeasonFiles& files) const;
    // What to tell of the prefix a run or the restore read through: other copies, doubts, a
    // folder found in another prefix, and, `forTheRecord`, the prefix itself when it is not
    // ~/.wine. Each is told once while the program runs.
    [[nodiscard]] QList<RunMessage> prefixMessages(const PrefixRead& read, bool forTheRecord);

    WineEnvironment environment_;
    std::unique_ptr<RememberedFolders> remembered_;
    std::unique_ptr<WineDiscovery> discovery_;
    bool discoveryPatient_ = false;
    int discoveries_ = 0;
    QStringList foldersInUse_;
    // The prefix the remembered Windows entries were read through; empty when there were none.
    std::optional<WinePrefix> rememberedPrefix_;
    bool toldOtherPrefixes_ = false;
    QSet<QString> toldOnce_;
    QSet<QString> toldNotRemembered_;
    std::optional<ComparisonRequest> lastRequest_;
    QStringList lastRunGameFiles_;
};

} // namespace zorbin
