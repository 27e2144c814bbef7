// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/WinePrefixes.h"

#include "files/ProseList.h"
#include "wine/KeyValues.h"

#include <algorithm>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbin {

namespace {

// A manifest is a few hundred bytes; anything much larger is not one.
constexpr qsizetype largestManifest = 64 * 1024;
// A folder path has far fewer components; the walk up from a pinned folder ends by then.
constexpr int deepestFolder = 256;

// Device and inode: one folder reached by two routes (a linked Steam root, a library that native
// and flatpak Steam share, a bind mount) is one prefix.
QString identity(const QString& folder) {
    struct stat status {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0)
        return {};
    return QStringLiteral("%1:%2")
        .arg(static_cast<qulonglong>(status.st_dev))
        .arg(static_cast<qulonglong>(status.st_ino));
}

// Up to `limit` entry names of `folder`, sorted so that a bounded read is still predictable.
QStringList someEntries(const QString& folder, int limit, QDir::Filters filters,
                        const QStringList& nameFilters = {}) {
    QStringList names;
    QDirIterator entries(folder, nameFilters, filters | QDir::Hidden | QDir::NoDotAndDotDot);
    while (names.size() < limit && entries.hasNext())
        names.append(entries.nextFileInfo().fileName());
    names.sort();
    return names;
}

// Steam keeps its root here natively (~/.steam/steam usually links to the first) and in the
// flatpak.
QStringList steamRoots(const QString& home) {
    return {home + QStringLiteral("/.local/share/Steam"), home + QStringLiteral("/.steam/steam"),
            home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam")};
}

// The libraries of a Steam root: the root itself, then those its libraryfolders.vdf names, in
// either of the two layouts Steam has written ("1" { "path" "..." } and the older "1" "...").
QStringList steamLibraries(const QString& root, int limit) {
    QStringList libraries{root};
    const std::optional<KeyValues> file =
        KeyValues::read(root + QStringLiteral("/steamapps/libraryfolders.vdf"));
    const KeyValues* folders = file ? file->find(u"libraryfolders") : nullptr;
    if (!folders)
        return libraries;
    for (const KeyValues& entry : folders->children) {
        if (libraries.size() > limit)
            break;
        bool numbered = false;
        (void)entry.key.toUInt(&numbered);
        if (!numbered)
            continue;
        const QString path = entry.block ? entry.valueOf(u"path") : entry.value;
        if (QDir::isAbsolutePath(path) && !path.contains(QChar(0)))
            libraries.append(QDir::cleanPath(path));
    }
    return libraries;
}

// The game's name as the store shows it, from the library's manifest for `appid`; empty when the
// game is not installed there or the manifest can't be read.
QString steamGameName(const QString& library, const QString& appid) {
    const std::optional<KeyValues> manifest = KeyValues::read(
        QStringLiteral("%1/steamapps/appmanifest_%2.acf").arg(library, appid), largestManifest);
    const KeyValues* state = manifest ? manifest->find(u"AppState") : nullptr;
    return state ? state->valueOf(u"name").trimmed() : QString();
}

// A Proton prefix's folder is LIBRARY/steamapps/compatdata/<appid>/pfx: its library and appid.
std::optional<std::pair<QString, QString>> steamPlace(const QString& folder) {
    const QStringList parts = folder.split(QLatin1Char('/'));
    const qsizetype n = parts.size();
    if (n < 5 || parts[n - 1] != QLatin1String("pfx") ||
        parts[n - 3] != QLatin1String("compatdata") || parts[n - 4] != QLatin1String("steamapps"))
        return std::nullopt;
    return std::pair{parts.mid(0, n - 4).join(QLatin1Char('/')), parts[n - 2]};
}

// What a prefix found in a launcher's folder is called, and whether it is an installed game.
struct Naming {
    QString name;
    WineLauncher launcher = WineLauncher::Wine;
    bool installedGame = false;
    QString library{}; // the folder the launcher keeps it in; none for one named by its path
};

// Steam gives a non-Steam game added to it an appid of 2^31 or more, which no store game has.
bool isShortcut(const QString& appid) {
    bool number = false;
    return appid.toULongLong(&number) >= (1ULL << 31) && number;
}

// The launcher as the user knows it, for telling apart prefixes of one name and counting them.
QString launcherName(WineLauncher launcher) {
    switch (launcher) {
    case WineLauncher::Wine:
        return QStringLiteral("Wine");
    case WineLauncher::Steam:
        return QStringLiteral("Steam");
    case WineLauncher::Lutris:
        return QStringLiteral("Lutris");
    case WineLauncher::Bottles:
        return QStringLiteral("Bottles");
    case WineLauncher::Heroic:
        return QStringLiteral("Heroic");
    case WineLauncher::Winetricks:
        return QStringLiteral("winetricks");
    case WineLauncher::PlayOnLinux:
        return QStringLiteral("PlayOnLinux");
    }
    return {};
}

QString driveLabel(QChar letter, const QString& label) {
    return QStringLiteral("%1: (%2)").arg(letter, label);
}

// Gives each of `prefixes` a label that no other shows, so that no two drives in a list read
// alike: the name alone, where it is unique; else with the launcher; where that still collides
// (one game in two Steam libraries), with the library too, or the prefix's own folder when the
// library does not tell them apart. The name is left as it is, for messages.
void labelApart(QList<WinePrefix>& prefixes, const QString& home) {
    // How much of that each label says, 0 to 3.
    QList<int> detail(prefixes.size(), 0);
    const auto labelAt = [&](qsizetype i) {
        const WinePrefix& prefix = prefixes[i];
        if (detail[i] == 0)
            return prefix.name;
        QString label = prefix.name + QStringLiteral(", ") + launcherName(prefix.launcher);
        if (detail[i] == 2 && !prefix.library.isEmpty())
            label += QStringLiteral(", ") + winePrefixes::shortened(prefix.library, home);
        else if (detail[i] >= 2)
            label += QStringLiteral(", ") + winePrefixes::shortened(prefix.folder, home);
        return label;
    };
    // Each round adds to every label still shared; folders differ, so by the last all differ.
    for (bool shared = true; shared;) {
        shared = false;
        QHash<QString, QList<qsizetype>> showing;
        for (qsizetype i = 0; i < prefixes.size(); ++i)
            showing[labelAt(i)].append(i);
        for (const QList<qsizetype>& same : std::as_const(showing)) {
            for (const qsizetype i : same) {
                if (same.size() > 1 && detail[i] < 3) {
                    ++detail[i];
                    shared = true;
                }
            }
        }
    }
    for (qsizetype i = 0; i < prefixes.size(); ++i) {
        WinePrefix& prefix = prefixes[i];
        prefix.label = labelAt(i);
        for (WineDrive& drive : prefix.drives)
            drive.label = driveLabel(drive.letter, prefix.label);
    }
}

// A launcher folder whose entries each are a prefix, named by the entry.
struct LauncherFolder {
    QString folder;
    WineLauncher launcher;
};

QList<LauncherFolder> launcherFolders(const QString& home) {
    return {
        {home + QStringLiteral("/Games"), WineLauncher::Lutris},
        {home + QStringLiteral("/.local/share/bottles/bottles"), WineLauncher::Bottles},
        {home + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles/bottles"),
         WineLauncher::Bottles},
        {home + QStringLiteral("/.local/share/wineprefixes"), WineLauncher::Winetricks},
        {home + QStringLiteral("/.PlayOnLinux/wineprefix"), WineLauncher::PlayOnLinux},
    };
}

// The canonical folder the drive link `link` leads to. Wine's own links, "../drive_c" and absolute
// ones such as "/", are followed without resolving the prefix's long path once more, which would be
// most of the time discovery takes; any other is resolved whole.
QString driveRoot(const QString& link, const QString& canonicalFolder, bool dosdevicesIsLink) {
    char target[4096];
    const ssize_t length = ::readlink(QFile::encodeName(link).constData(), target, sizeof target);
    if (length > 0 && static_cast<std::size_t>(length) < sizeof target) {
        const QByteArray text(target, length);
        if (text.startsWith('/'))
            return QFileInfo(QFile::decodeName(text)).canonicalFilePath();
        // "../x" from dosdevices is x in the prefix, unless dosdevices is itself a link.
        const QByteArray inPrefix = text.mid(3);
        if (!dosdevicesIsLink && text.startsWith("../") && !inPrefix.isEmpty() &&
            !inPrefix.contains('/') && inPrefix != "." && inPrefix != "..") {
            const QString folder = canonicalFolder + QLatin1Char('/') + QFile::decodeName(inPrefix);
            const QFileInfo info(folder);
            if (!info.isSymLink())
                return info.isDir() ? folder : QString();
        }
    }
    return QFileInfo(link).canonicalFilePath();
}

bool isPrefixFolder(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/drive_c")).isDir() ||
           QFileInfo(folder + QStringLiteral("/dosdevices")).isDir();
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

    // Every library of every Steam root is gathered before any compatdata is read, since a game's
    // manifest may be in another library than its prefix, even one only the flatpak's Steam names.
    void searchSteam() {
        for (const QString& root : steamRoots(environment_.home)) {
            if (full() || !enterOnce(root))
                continue;
            steamLibraries_.append(root);
            for (const QString& library : steamLibraries(root, limits_.steamLibraries)) {
                if (library != root && enterOnce(library))
                    steamLibraries_.append(library);
            }
        }
        for (const QString& library : std::as_const(steamLibraries_)) {
            const QString compatdata = library + QStringLiteral("/steamapps/compatdata");
            const QStringList appids =
                full() ? QStringList()
                       : someEntries(compatdata, limits_.entriesPerLauncherFolder, QDir::Dirs);
            for (const QString& appid : appids) {
                if (full())
                    return;
                const QString folder =
                    compatdata + QLatin1Char('/') + appid + QStringLiteral("/pfx");
                if (!isPrefixFolder(folder))
                    continue; // before reading the manifest, which costs more
                consider(folder, steamNaming(library, appid));
            }
        }
    }

    void searchLauncher(const LauncherFolder& launcher) {
        if (full() || !enterOnce(launcher.folder))
            return;
        const QStringList entries =
            someEntries(launcher.folder, limits_.entriesPerLauncherFolder, QDir::Dirs);
        for (const QString& entry : entries) {
            if (full())
                return;
            consider(launcher.folder + QLatin1Char('/') + entry,
                     {entry, launcher.launcher, false, launcher.folder});
        }
    }

    // Heroic keeps a folder of prefixes per Wine version, Prefixes/<version>/<game>; Heroic 2.0
    // kept them straight in Prefixes/<game>. With Proton the game's folder holds the prefix as pfx.
    void searchHeroic() {
        const QString prefixes = environment_.home + QStringLiteral("/Games/Heroic/Prefixes");
        if (full() || !enterOnce(prefixes))
            return;
        const QStringList entries =
            someEntries(prefixes, limits_.entriesPerLauncherFolder, QDir::Dirs);
        for (const QString& entry : entries) {
            if (full())
                return;
            if (!considerHeroicGame(prefixes, entry))
                searchHeroicGroup(prefixes + QLatin1Char('/') + entry);
        }
    }

    // ~/.wine-qel, ~/.wine32 and the like beside ~/.wine.
    void searchSiblings() {
        const QStringList entries = someEntries(environment_.home, limits_.entriesPerLauncherFolder,
                                                QDir::Dirs, {QStringLiteral(".wine?*")});
        for (const QString& entry : entries) {
            if (full())
                return;
            consider(environment_.home + QLatin1Char('/') + entry,
                     {QStringLiteral("~/") + entry, WineLauncher::Wine});
        }
    }

    // Every prefix named by $WINEPREFIX or holding a pinned folder: found whatever the bounds, and
    // taken out of the others so that it shows once, first.
    void pin(const QString& home, const std::optional<WinePrefix>& wine,
             const QStringList& foldersInUse) {
        if (wine)
            wineId_ = identity(wine->folder);
        if (!environment_.winePrefix.isEmpty()) {
            const QString folder = QDir::cleanPath(environment_.winePrefix);
            pinFolder(folder, {winePrefixes::shortened(folder, home), WineLauncher::Wine});
        }
        for (const QString& pinned : foldersInUse) {
            const QString folder = prefixHolding(pinned);
            if (folder.isEmpty())
                continue;
            Naming naming{winePrefixes::shortened(folder, home), WineLauncher::Wine};
            if (const auto steam = steamPlace(folder))
                naming = steamNaming(steam->first, steam->second);
            pinFolder(folder, naming);
        }
    }

    [[nodiscard]] WineDiscovery result(std::optional<WinePrefix> wine) && {
        WineDiscovery discovery;
        discovery.cutShort = cutShort_;
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
        labelApart(discovery.prefixes, environment_.home);
        return discovery;
    }

    // Marks ~/.wine as seen, so a sibling search or a link to it does not list it again.
    void seeWine(const std::optional<WinePrefix>& wine) {
        if (wine)
            seen_.insert(identity(wine->folder));
    }

private:
    struct Found {
        QString id;
        WinePrefix prefix;
    };

    // False when `folder` can't be entered or was searched already (~/.steam/steam is usually a
    // link to ~/.local/share/Steam; library "0" is the root itself).
    bool enterOnce(const QString& folder) {
        const QString id = identity(folder);
        if (id.isEmpty() || !QFileInfo(folder).isDir() || entered_.contains(id))
            return false;
        entered_.insert(id);
        return true;
    }

    void consider(const QString& folder, const Naming& naming) {
        std::optional<WinePrefix> prefix = readNamed(folder, naming);
        // A prefix without a drive offers nothing to a drive list.
        if (!prefix || prefix->drives.isEmpty())
            return;
        const QString id = identity(prefix->folder);
        if (id.isEmpty() || seen_.contains(id))
            return;
        seen_.insert(id);
        found_.append({id, std::move(*prefix)});
    }

    // The game's name from its manifest, in the prefix's own library or else in the first other
    // library that has one that reads.
    Naming steamNaming(const QString& library, const QString& appid) {
        QString game = steamGameName(library, appid);
        if (game.isEmpty()) {
            const QStringList others = manifestsOf(appid);
            for (qsizetype i = 0; game.isEmpty() && i < others.size(); ++i) {
                if (others[i] != library)
                    game = steamGameName(others[i], appid);
            }
        }
        if (!game.isEmpty())
            return {game, WineLauncher::Steam, true, library};
        // A bare appid would read as a game no longer installed.
        if (isShortcut(appid))
            return {QStringLiteral("Non-Steam game ") + appid, WineLauncher::Steam, false, library};
        return {QStringLiteral("Steam ") + appid, WineLauncher::Steam, false, library};
    }

    // The libraries holding a manifest for `appid`. Each library's steamapps is listed once, on the
    // first prefix its own library has no manifest for, rather than every library tried for every
    // such prefix; a listing cut short by the bounds leaves those manifests out.
    QStringList manifestsOf(const QString& appid) {
        if (!manifestIndex_) {
            manifestIndex_.emplace();
            const QLatin1String before("appmanifest_");
            const QLatin1String after(".acf");
            for (const QString& library : std::as_const(steamLibraries_)) {
                if (full())
                    break;
                // Every entry counts towards the bound, not only the manifests among them.
                const QStringList entries =
                    someEntries(library + QStringLiteral("/steamapps"),
                                limits_.entriesPerLauncherFolder, QDir::AllEntries | QDir::System);
                for (const QString& entry : entries) {
                    if (entry.startsWith(before) && entry.endsWith(after))
                        (*manifestIndex_)[entry.sliced(before.size()).chopped(after.size())].append(
                            library);
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
        if (!enterOnce(group))
            return;
        const QStringList games = someEntries(group, limits_.entriesPerLauncherFolder, QDir::Dirs);
        for (const QString& game : games) {
            if (full())
                return;
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
        }
        return prefix;
    }

    void pinFolder(const QString& folder, const Naming& naming) {
        const QString id = identity(folder);
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
};

QString homeWineFolder(const WineEnvironment& environment) {
    return environment.home.isEmpty() ? QString() : environment.home + QStringLiteral("/.wine");
}

QString counted(qsizetype count, const QString& what) {
    return count == 1 ? QStringLiteral("1 %1 prefix").arg(what)
                      : QStringLiteral("%1 %2 prefixes").arg(count).arg(what);
}

} // namespace

WineEnvironment WineEnvironment::ofProcess() {
    return {qEnvironmentVariable("HOME"), qEnvironmentVariable("WINEPREFIX")};
}

std::optional<WineDrive> WinePrefix::drive(QChar letter) const {
    const QChar wanted = letter.toUpper();
    for (const WineDrive& drive : drives) {
        if (drive.letter == wanted)
            return drive;
    }
    return std::nullopt;
}

std::optional<WinePrefix> winePrefixes::read(const QString& folder, const QString& name,
                                             int dosdevicesEntries) {
    if (folder.isEmpty() || folder.contains(QChar(0)) || !isPrefixFolder(folder))
        return std::nullopt;
    WinePrefix prefix;
    prefix.folder = QFileInfo(folder).canonicalFilePath();
    prefix.name = name;
    prefix.label = name;
    if (prefix.folder.isEmpty())
        return std::nullopt;

    const QString dosdevices = folder + QStringLiteral("/dosdevices");
    const QFileInfo dosdevicesInfo(dosdevices);
    // Drive links are named "c:"; the raw devices beside them ("c::", "com1") are not drives.
    // isDir() follows links; a dangling or looping one is simply not a folder.
    const QStringList entries =
        dosdevicesInfo.isDir()
            ? someEntries(dosdevices, dosdevicesEntries, QDir::AllEntries | QDir::System)
            : QStringList();
    for (const QString& entry : entries) {
        if (entry.size() != 2 || entry[1] != QLatin1Char(':'))
            continue;
        const QChar letter = entry[0].toUpper();
        if (letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
            continue;
        const QString root = driveRoot(dosdevices + QLatin1Char('/') + entry, prefix.folder,
                                       dosdevicesInfo.isSymLink());
        if (root.isEmpty() || !QFileInfo(root).isDir())
            continue;
        if (prefix.drive(letter))
            continue; // "c:" and "C:" side by side: the first in sorted order counts
        prefix.drives.append({letter, root, driveLabel(letter, name)});
    }
    // Without any dosdevices folder Wine still has drive_c as C:.
    if (!dosdevicesInfo.exists() && !dosdevicesInfo.isSymLink()) {
        const QString driveC = QFileInfo(folder + QStringLiteral("/drive_c")).canonicalFilePath();
        if (!driveC.isEmpty())
            prefix.drives.append({QLatin1Char('C'), driveC, driveLabel(QLatin1Char('C'), name)});
    }
    std::sort(
        prefix.drives.begin(), prefix.drives.end(),
        [](const WineDrive& left, const WineDrive& right) { return left.letter < right.letter; });
    return prefix;
}

QString winePrefixes::shortened(const QString& path, const QString& home) {
    if (!home.isEmpty() && path.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + path.mid(home.size());
    return path;
}

std::optional<WinePrefix> winePrefixes::homeWine(const WineEnvironment& environment) {
    const QString folder = homeWineFolder(environment);
    return folder.isEmpty() ? std::nullopt : read(folder, QStringLiteral("~/.wine"));
}

WineDiscovery winePrefixes::discoverAll(const WineEnvironment& environment,
                                        const WineDiscoveryLimits& limits,
                                        const QStringList& foldersInUse) {
    Discovery discovery(environment, limits);
    std::optional<WinePrefix> wine = homeWine(environment);
    discovery.seeWine(wine);
    if (!environment.home.isEmpty()) {
        discovery.searchSteam();
        for (const LauncherFolder& launcher : launcherFolders(environment.home))
            discovery.searchLauncher(launcher);
        discovery.searchHeroic();
        discovery.searchSiblings();
    }
    discovery.pin(environment.home, wine, foldersInUse);
    return std::move(discovery).result(std::move(wine));
}

QList<WinePrefix> winePrefixes::discover(const WineEnvironment& environment,
                                         const WineDiscoveryLimits& limits,
                                         const QStringList& foldersInUse) {
    return discoverAll(environment, limits, foldersInUse).prefixes;
}

Result<WinePrefix> winePrefixes::fromEnvironment(const WineEnvironment& environment) {
    const QString folder = QDir::cleanPath(environment.winePrefix);
    if (std::optional<WinePrefix> prefix = read(folder, shortened(folder, environment.home)))
        return std::move(*prefix);
    const QFileInfo info(folder);
    QString why = !info.exists()  ? QStringLiteral("there is no such folder")
                  : !info.isDir() ? QStringLiteral("it is not a folder")
                                  : QStringLiteral("it holds neither drive_c nor dosdevices");
    // Steam's compatdata/<appid> and Heroic's game folder with Proton hold the prefix as pfx; the
    // user is pointed there rather than read through it, as WINEPREFIX names what Wine would use.
    const QString inner = folder + QStringLiteral("/pfx");
    if (info.isDir() && isPrefixFolder(inner))
        why += QStringLiteral(" (did you mean %1?)").arg(shortened(inner, environment.home));
    return FileFailure{QStringLiteral("use the Wine prefix in WINEPREFIX"), environment.winePrefix,
                       QStringLiteral("%1, so it is not a Wine prefix; set WINEPREFIX to the "
                                      "prefix that holds the game, or unset it")
                           .arg(why)};
}

std::optional<FileFailure> winePrefixes::environmentFailure(const WineEnvironment& environment) {
    if (environment.winePrefix.isEmpty())
        return std::nullopt;
    Result<WinePrefix> prefix = fromEnvironment(environment);
    if (prefix)
        return std::nullopt;
    return prefix.failure();
}

QString winePrefixes::whereFound(const QList<WinePrefix>& prefixes) {
    QStringList parts;
    for (const WinePrefix& prefix : prefixes) {
        if (prefix.launcher == WineLauncher::Wine)
            parts.append(prefix.name);
    }
    for (const WineLauncher launcher :
         {WineLauncher::Steam, WineLauncher::Lutris, WineLauncher::Heroic, WineLauncher::Bottles,
          WineLauncher::Winetricks, WineLauncher::PlayOnLinux}) {
        const auto count =
            std::count_if(prefixes.begin(), prefixes.end(),
                          [launcher](const WinePrefix& p) { return p.launcher == launcher; });
        if (count > 0)
            parts.append(counted(count, launcherName(launcher)));
    }
    return proseList::joined(parts);
}

QString winePrefixes::described(const WinePrefix& prefix, const QString& home) {
    const QString where = shortened(prefix.folder, home);
    return prefix.name == where ? where : QStringLiteral("\"%1\" (%2)").arg(prefix.name, where);
}

} // namespace zorbin
