// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/WineDiscovery.h"

#include "wine/FolderEntries.h"
#include "wine/LauncherRecords.h"
#include "wine/PrefixLabels.h"
#include "wine/SteamLibraries.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace zorbin {

namespace {

using winePrefixes::isPrefixFolder;

// A folder path has far fewer components; the walk up from a pinned folder ends by then.
constexpr int deepestFolder = 256;

// What a prefix found in a launcher's folder is called, and whether it is an installed game.
struct Naming {
    QString name;
    WineLauncher launcher = WineLauncher::Wine;
    bool installedGame = false;
    QString library{}; // the folder the launcher keeps it in; none for one named by its path
    bool recorded = false;
};

// A launcher folder whose entries each are a prefix, named by the entry.
struct LauncherFolder {
    QString folder;
    WineLauncher launcher;
};

// In the order they are searched: the few folders where a player keeps a handful of prefixes.
QList<LauncherFolder> launcherFolders(const QString& home) {
    return {
        {home + QStringLiteral("/.local/share/wineprefixes"), WineLauncher::Winetricks},
        {home + QStringLiteral("/Games"), WineLauncher::Lutris},
        {home + QStringLiteral("/.local/share/bottles/bottles"), WineLauncher::Bottles},
        {home + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles/bottles"),
         WineLauncher::Bottles},
        {home + QStringLiteral("/.PlayOnLinux/wineprefix"), WineLauncher::PlayOnLinux},
        {home + QStringLiteral("/Games/umu"), WineLauncher::Umu},
        {home + QStringLiteral("/Faugus"), WineLauncher::Faugus},
        {home + QStringLiteral("/.local/share/bottles/steam"), WineLauncher::Bottles},
        {home + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles/steam"),
         WineLauncher::Bottles},
    };
}

// Collects prefixes once each, within the limits.
class Discovery {
public:
    Discovery(const WineEnvironment& environment, const WineDiscoveryLimits& limits)
        : environment_(environment), limits_(limits), deadline_(limits.time) {}

    [[nodiscard]] bool full() {
        if (found_.size() >= limits_.prefixes || deadline_.hasExpired())
            cutShort_ = true;
        return cutShort_;
    }

    void searchLauncher(const LauncherFolder& launcher) {
        if (!enter(launcher.folder))
            return;
        const QStringList entries =
            folderEntries::some(launcher.folder, limits_.entriesPerLauncherFolder, QDir::Dirs);
        for (const QString& entry : entries) {
            if (full())
                return notSearched(launcher.folder);
            consider(launcher.folder + QLatin1Char('/') + entry,
                     {entry, launcher.launcher, false, launcher.folder});
        }
    }

    // The prefixes the launchers' records name, wherever the player put them, each named for its
    // game; then the folders of prefixes they name. A record names the few prefixes that matter,
    // so they come before any folder is searched.
    void searchRecords() {
        const LauncherRecords records =
            launcherRecords::read(environment_.home, limits_.entriesPerLauncherFolder, deadline_);
        unreadable_.append(records.unreadable);
        for (const QString& record : records.notRead)
            notSearched(record);
        for (const RecordedPlace& place : records.places) {
            if (place.kind != RecordedPlace::Kind::Prefix)
                continue;
            if (full()) {
                notSearched(place.record);
                continue;
            }
            const Naming naming{place.name, place.launcher, false, {}, true};
            consider(place.folder, naming);
            consider(place.folder + QStringLiteral("/pfx"), naming); // with Proton
        }
        for (const RecordedPlace& place : records.places) {
            if (place.kind == RecordedPlace::Kind::Folder)
                searchLauncher({place.folder, place.launcher});
            else if (place.kind == RecordedPlace::Kind::HeroicFolder)
                searchHeroic(place.folder);
        }
    }

    // Heroic keeps a folder of prefixes per Wine version, Prefixes/<version>/<game>; Heroic 2.0
    // kept them straight in Prefixes/<game>. With Proton the game's folder holds the prefix as pfx.
    void searchHeroic(const QString& prefixes) {
        if (!enter(prefixes))
            return;
        const QStringList entries =
            folderEntries::some(prefixes, limits_.entriesPerLauncherFolder, QDir::Dirs);
        for (const QString& entry : entries) {
            if (full())
                return notSearched(prefixes);
            if (!considerHeroicGame(prefixes, entry))
                searchHeroicGroup(prefixes + QLatin1Char('/') + entry);
        }
    }

    // ~/.wine-qel, ~/.wine32 and the like beside ~/.wine.
    void searchSiblings() {
        const QStringList entries =
            folderEntries::some(environment_.home, limits_.entriesPerLauncherFolder, QDir::Dirs,
                                {QStringLiteral(".wine?*")});
        for (const QString& entry : entries) {
            if (full())
                return notSearched(environment_.home + QLatin1Char('/') + entry);
            consider(environment_.home + QLatin1Char('/') + entry,
                     {QStringLiteral("~/") + entry, WineLauncher::Wine});
        }
    }

    // Every library of every Steam root is gathered before any compatdata is read, since a game's
    // manifest may be in another library than its prefix, even one only the flatpak's Steam names.
    // The prefixes of installed games come first; Steam keeps hundreds of others (uninstalled
    // games, tools), which are the long tail the bounds may cut.
    void searchSteam() {
        for (const QString& root : steamLibraries::roots(environment_.home)) {
            if (!enter(root))
                continue;
            steamLibraries_.append(root);
            for (const QString& library : steamLibraries::libraries(root, limits_.steamLibraries)) {
                if (library != root && enter(library))
                    steamLibraries_.append(library);
            }
        }
        QList<QStringList> appids;
        for (const QString& library : std::as_const(steamLibraries_))
            appids.append(folderEntries::some(compatdata(library), limits_.entriesPerLauncherFolder,
                                              QDir::Dirs));
        for (const bool installed : {true, false}) {
            for (qsizetype i = 0; i < steamLibraries_.size(); ++i) {
                for (const QString& appid : std::as_const(appids[i])) {
                    if (manifestsOf(appid).isEmpty() == installed)
                        continue;
                    if (full())
                        return steamNotSearched(installed ? 0 : i);
                    const QString folder = compatdata(steamLibraries_[i]) + QLatin1Char('/') +
                                           appid + QStringLiteral("/pfx");
                    if (isPrefixFolder(folder)) // before reading the manifest, which costs more
                        consider(folder, steamNaming(steamLibraries_[i], appid));
                }
            }
        }
    }

    // Every prefix named by $WINEPREFIX or holding a pinned folder: found whatever the bounds, and
    // taken out of the others so that it shows once, first.
    void pin(const QString& home, const std::optional<WinePrefix>& wine,
             const QStringList& foldersInUse) {
        if (wine)
            wineId_ = folderEntries::identity(wine->folder);
        if (!environment_.winePrefix.isEmpty()) {
            const QString folder = QDir::cleanPath(environment_.winePrefix);
            pinFolder(folder, {winePrefixes::shortened(folder, home), WineLauncher::Wine});
        }
        for (const QString& pinned : foldersInUse) {
            const QString folder = prefixHolding(pinned);
            if (folder.isEmpty())
                continue;
            Naming naming{winePrefixes::shortened(folder, home), WineLauncher::Wine};
            if (const auto steam = steamLibraries::place(folder))
                naming = steamNaming(steam->first, steam->second);
            pinFolder(folder, naming);
        }
    }

    [[nodiscard]] WineDiscovery result(std::optional<WinePrefix> wine) && {
        WineDiscovery discovery;
        discovery.cutShort = cutShort_;
        discovery.notSearched = std::move(notSearched_);
        discovery.unreadable = std::move(unreadable_);
        discovery.prefixes = std::move(pinned_);
        if (wine && !pinnedIds_.contains(wineId_))
            discovery.prefixes.append(std::move(*wine));
        // Installed games first, then the rest, each by name as a user reads it.
        std::stable_sort(found_.begin(), found_.end(), [](const Found& a, const Found& b) {
            if (a.prefix.installedGame != b.prefix.installedGame)
                return a.prefix.installedGame;
            const int byName = a.prefix.name.compare(b.prefix.name, Qt::CaseInsensitive);
            return byName != 0 ? byName < 0 : a.prefix.folder < b.prefix.folder;
        });
        for (Found& found : found_) {
            if (!pinnedIds_.contains(found.id))
                discovery.prefixes.append(std::move(found.prefix));
        }
        winePrefixes::labelApart(discovery.prefixes, environment_.home);
        return discovery;
    }

    // Marks ~/.wine as seen, so a sibling search or a link to it does not list it again.
    void seeWine(const std::optional<WinePrefix>& wine) {
        if (wine)
            seen_.insert(folderEntries::identity(wine->folder));
    }

private:
    struct Found {
        QString id;
        WinePrefix prefix;
    };

    static QString compatdata(const QString& library) {
        return library + QStringLiteral("/steamapps/compatdata");
    }

    // False when `folder` is not there, can't be entered or was searched already (~/.steam/steam
    // is usually a link to ~/.local/share/Steam; library "0" is the root itself). One that is there
    // but can't be read, one behind a folder that can't be entered, or one that the search had no
    // time left for, is told.
    bool enter(const QString& folder) {
        const QString action = QStringLiteral("look for Wine prefixes in");
        const QString id = folderEntries::identity(folder);
        if (id.isEmpty() || !QFileInfo(folder).isDir()) {
            if (const std::optional<QString> reason = folderEntries::hiddenReason(folder))
                tellUnreadable({action, folder, *reason});
            return false;
        }
        if (entered_.contains(id))
            return false;
        if (full()) {
            notSearched(folder);
            return false;
        }
        entered_.insert(id);
        // Listing it is the one true test: a closed folder lists nothing, which is not the same
        // as holding nothing.
        DIR* entries = ::opendir(QFile::encodeName(folder).constData());
        if (!entries) {
            tellUnreadable({action, folder, qt_error_string(errno)});
            return false;
        }
        ::closedir(entries);
        return true;
    }

    // Once a path: the launchers' records may have told it already.
    void tellUnreadable(FileFailure failure) {
        const bool told =
            std::any_of(unreadable_.cbegin(), unreadable_.cend(),
                        [&failure](const FileFailure& f) { return f.path == failure.path; });
        if (!told)
            unreadable_.append(std::move(failure));
    }

    void notSearched(const QString& folder) {
        const QString shown = winePrefixes::shortened(folder, environment_.home);
        if (!notSearched_.contains(shown))
            notSearched_.append(shown);
    }

    // The compatdata folders from the `first` library on: the search stopped in that one.
    void steamNotSearched(qsizetype first) {
        for (qsizetype i = first; i < steamLibraries_.size(); ++i) {
            if (QFileInfo(compatdata(steamLibraries_[i])).isDir())
                notSearched(compatdata(steamLibraries_[i]));
        }
    }

    void consider(const QString& folder, const Naming& naming) {
        std::optional<WinePrefix> prefix = readNamed(folder, naming);
        // A prefix without a drive offers nothing to a drive list.
        if (!prefix || prefix->drives.isEmpty())
            return;
        const QString id = folderEntries::identity(prefix->folder);
        if (id.isEmpty() || seen_.contains(id))
            return;
        seen_.insert(id);
        found_.append({id, std::move(*prefix)});
    }

    // The game's name from its manifest, in the prefix's own library or else in the first other
    // library that has one that reads.
    Naming steamNaming(const QString& library, const QString& appid) {
        QString game = steamLibraries::gameName(library, appid);
        if (game.isEmpty()) {
            const QStringList others = manifestsOf(appid);
            for (qsizetype i = 0; game.isEmpty() && i < others.size(); ++i) {
                if (others[i] != library)
                    game = steamLibraries::gameName(others[i], appid);
            }
        }
        if (!game.isEmpty())
            return {game, WineLauncher::Steam, true, library};
        // A bare appid would read as a game no longer installed.
        if (steamLibraries::isShortcut(appid))
            return {QStringLiteral("Non-Steam game ") + appid, WineLauncher::Steam, false, library};
        return {QStringLiteral("Steam ") + appid, WineLauncher::Steam, false, library};
    }

    // The libraries holding a manifest for `appid`. Each library's steamapps is listed once, the
    // first time a manifest is asked for, rather than every library tried for every prefix.
    QStringList manifestsOf(const QString& appid) {
        if (!manifestIndex_) {
            manifestIndex_.emplace();
            for (const QString& library : std::as_const(steamLibraries_)) {
                // Every entry counts towards the bound, not only the manifests among them.
                const QStringList entries = folderEntries::some(
                    library + QStringLiteral("/steamapps"), limits_.entriesPerLauncherFolder,
                    QDir::AllEntries | QDir::System);
                for (const QString& entry : entries) {
                    const QString id = steamLibraries::manifestAppid(entry);
                    if (!id.isEmpty())
                        (*manifestIndex_)[id].append(library);
                }
            }
        }
        return manifestIndex_->value(appid);
    }

    // The game folder `entry` of the Heroic folder `folder`, when it or its pfx is a prefix.
    bool considerHeroicGame(const QString& folder, const QString& entry) {
        const QString game = folder + QLatin1Char('/') + entry;
        const Naming naming{entry, WineLauncher::Heroic, false, folder};
        if (isPrefixFolder(game))
            consider(game, naming);
        else if (isPrefixFolder(game + QStringLiteral("/pfx")))
            consider(game + QStringLiteral("/pfx"), naming);
        else
            return false;
        return true;
    }

    void searchHeroicGroup(const QString& group) {
        if (!enter(group))
            return;
        const QStringList games =
            folderEntries::some(group, limits_.entriesPerLauncherFolder, QDir::Dirs);
        for (const QString& game : games) {
            if (full())
                return notSearched(group);
            considerHeroicGame(group, game);
        }
    }

    [[nodiscard]] std::optional<WinePrefix> readNamed(const QString& folder,
                                                      const Naming& naming) const {
        std::optional<WinePrefix> prefix =
            winePrefixes::read(folder, naming.name, limits_.entriesPerDosdevices);
        if (prefix) {
            prefix->launcher = naming.launcher;
            prefix->installedGame = naming.installedGame;
            prefix->library = naming.library;
            prefix->recorded = naming.recorded;
        }
        return prefix;
    }

    void pinFolder(const QString& folder, const Naming& naming) {
        const QString id = folderEntries::identity(folder);
        if (id.isEmpty() || pinnedIds_.contains(id))
            return;
        // Found already: it keeps the name its launcher gives it.
        for (const Found& found : std::as_const(found_)) {
            if (found.id == id) {
                pinnedIds_.insert(id);
                pinned_.append(found.prefix);
                return;
            }
        }
        std::optional<WinePrefix> prefix = readNamed(folder, naming);
        if (!prefix)
            return;
        if (id == wineId_)
            prefix->name = QStringLiteral("~/.wine");
        pinnedIds_.insert(id);
        pinned_.append(std::move(*prefix));
    }

    // The prefix that `path` lies in: itself or its nearest ancestor that is a prefix.
    static QString prefixHolding(const QString& path) {
        if (path.isEmpty() || path.contains(QChar(0)))
            return {};
        QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(path));
        for (int step = 0; step < deepestFolder; ++step) {
            if (isPrefixFolder(folder))
                return folder;
            const QString parent = QFileInfo(folder).path();
            if (parent == folder)
                break;
            folder = parent;
        }
        return {};
    }

    const WineEnvironment& environment_;
    WineDiscoveryLimits limits_;
    QDeadlineTimer deadline_;
    bool cutShort_ = false;
    QList<Found> found_;
    QList<WinePrefix> pinned_;
    QSet<QString> seen_;
    QSet<QString> pinnedIds_;
    QSet<QString> entered_;
    QString wineId_;
    QStringList steamLibraries_;
    std::optional<QHash<QString, QStringList>> manifestIndex_; // appid: the libraries holding one
    QStringList notSearched_;
    QList<FileFailure> unreadable_;
};

} // namespace

WineDiscovery winePrefixes::discoverAll(const WineEnvironment& environment,
                                        const WineDiscoveryLimits& limits,
                                        const QStringList& foldersInUse) {
    Discovery discovery(environment, limits);
    std::optional<WinePrefix> wine = homeWine(environment);
    discovery.seeWine(wine);
    if (!environment.home.isEmpty()) {
        discovery.searchRecords();
        // The launchers' folders hold a few prefixes each, the ones players set up by hand: they
        // come before Steam's hundreds.
        for (const LauncherFolder& launcher : launcherFolders(environment.home))
            discovery.searchLauncher(launcher);
        discovery.searchHeroic(environment.home + QStringLiteral("/Games/Heroic/Prefixes"));
        discovery.searchSiblings();
        discovery.searchSteam();
    }
    discovery.pin(environment.home, wine, foldersInUse);
    return std::move(discovery).result(std::move(wine));
}

QList<WinePrefix> winePrefixes::discover(const WineEnvironment& environment,
                                         const WineDiscoveryLimits& limits,
                                         const QStringList& foldersInUse) {
    return discoverAll(environment, limits, foldersInUse).prefixes;
}

} // namespace zorbin
