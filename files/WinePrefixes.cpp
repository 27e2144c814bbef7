// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/WinePrefixes.h"

#include <algorithm>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

namespace zorbin {

namespace {

// The path as a user writes it in a label: the home folder as "~".
QString shortened(const QString& path, const QString& home) {
    if (!home.isEmpty() && path.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + path.mid(home.size());
    return path;
}

// A launcher folder whose entries may each hold a prefix at `below` (empty: the entry itself).
struct LauncherFolder {
    QString folder;
    QString below;
    QString namePrefix; // labels read namePrefix + entry name; empty means the shortened path
};

QList<LauncherFolder> launcherFolders(const QString& home) {
    if (home.isEmpty())
        return {};
    const QString steam = QStringLiteral("/steamapps/compatdata");
    const QString steamLabel = QStringLiteral("Steam ");
    const QString bottlesLabel = QStringLiteral("Bottles ");
    return {
        {home + QStringLiteral("/.steam/steam") + steam, QStringLiteral("pfx"), steamLabel},
        {home + QStringLiteral("/.local/share/Steam") + steam, QStringLiteral("pfx"), steamLabel},
        {home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam") + steam,
         QStringLiteral("pfx"), steamLabel},
        {home + QStringLiteral("/.local/share/bottles/bottles"), {}, bottlesLabel},
        {home + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles/bottles"),
         {},
         bottlesLabel},
        {home + QStringLiteral("/Games"), {}, {}},
        {home + QStringLiteral("/.PlayOnLinux/wineprefix"), {}, QStringLiteral("PlayOnLinux ")},
    };
}

// Up to `limit` entry names of `folder`, sorted so that a bounded read is still predictable.
QStringList someEntries(const QString& folder, int limit, QDir::Filters filters) {
    QStringList names;
    QDirIterator entries(folder, filters | QDir::Hidden | QDir::NoDotAndDotDot);
    while (names.size() < limit && entries.hasNext())
        names.append(entries.nextFileInfo().fileName());
    names.sort();
    return names;
}

// Collects prefixes once each, within the limits.
class Discovery {
public:
    Discovery(const WineEnvironment& environment, const WineDiscoveryLimits& limits)
        : environment_(environment), limits_(limits), deadline_(limits.time) {}

    [[nodiscard]] bool full() const {
        return found_.size() >= limits_.prefixes || deadline_.hasExpired();
    }

    void consider(const QString& folder, const QString& name) {
        if (full())
            return;
        std::optional<WinePrefix> prefix =
            winePrefixes::read(folder, name, limits_.entriesPerDosdevices);
        if (!prefix || seen_.contains(prefix->folder))
            return;
        seen_.insert(prefix->folder);
        found_.append(std::move(*prefix));
    }

    void searchLauncher(const LauncherFolder& launcher) {
        if (full())
            return;
        // ~/.steam/steam is usually a link to ~/.local/share/Steam: read each folder once.
        const QString canonical = QFileInfo(launcher.folder).canonicalFilePath();
        if (canonical.isEmpty() || launchersSeen_.contains(canonical))
            return;
        launchersSeen_.insert(canonical);
        const QStringList entries =
            someEntries(launcher.folder, limits_.entriesPerLauncherFolder, QDir::Dirs);
        for (const QString& entry : entries) {
            if (full())
                return;
            QString folder = launcher.folder + QLatin1Char('/') + entry;
            if (!launcher.below.isEmpty())
                folder += QLatin1Char('/') + launcher.below;
            consider(folder,
                     launcher.namePrefix.isEmpty()
                         ? shortened(launcher.folder + QLatin1Char('/') + entry, environment_.home)
                         : launcher.namePrefix + entry);
        }
    }

    [[nodiscard]] QList<WinePrefix> found() && { return std::move(found_); }

private:
    const WineEnvironment& environment_;
    WineDiscoveryLimits limits_;
    QDeadlineTimer deadline_;
    QList<WinePrefix> found_;
    QSet<QString> seen_;
    QSet<QString> launchersSeen_;
};

QString homeWine(const WineEnvironment& environment) {
    return environment.home.isEmpty() ? QString() : environment.home + QStringLiteral("/.wine");
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
    if (folder.isEmpty() || folder.contains(QChar(0)))
        return std::nullopt;
    const QString dosdevices = folder + QStringLiteral("/dosdevices");
    // isDir() follows links; a dangling or looping one is simply not a folder.
    if (!QFileInfo(dosdevices).isDir() || !QFileInfo(folder + QStringLiteral("/drive_c")).isDir())
        return std::nullopt;
    WinePrefix prefix;
    prefix.folder = QFileInfo(folder).canonicalFilePath();
    prefix.name = name;
    if (prefix.folder.isEmpty())
        return std::nullopt;

    // Drive links are named "c:"; the raw devices beside them ("c::", "com1") are not drives.
    const QStringList entries =
        someEntries(dosdevices, dosdevicesEntries, QDir::AllEntries | QDir::System);
    for (const QString& entry : entries) {
        if (entry.size() != 2 || entry[1] != QLatin1Char(':'))
            continue;
        const QChar letter = entry[0].toUpper();
        if (letter < QLatin1Char('A') || letter > QLatin1Char('Y'))
            continue;
        const QFileInfo target(dosdevices + QLatin1Char('/') + entry);
        const QString root = target.canonicalFilePath();
        if (root.isEmpty() || !QFileInfo(root).isDir())
            continue;
        if (prefix.drive(letter))
            continue; // "c:" and "C:" side by side: the first in sorted order counts
        prefix.drives.append({letter, root, QStringLiteral("%1: (%2)").arg(letter).arg(name)});
    }
    std::sort(
        prefix.drives.begin(), prefix.drives.end(),
        [](const WineDrive& left, const WineDrive& right) { return left.letter < right.letter; });
    return prefix;
}

QList<WinePrefix> winePrefixes::discover(const WineEnvironment& environment,
                                         const WineDiscoveryLimits& limits) {
    Discovery discovery(environment, limits);
    if (!environment.winePrefix.isEmpty()) {
        const QString folder = QDir::cleanPath(environment.winePrefix);
        discovery.consider(folder, shortened(folder, environment.home));
    }
    if (const QString wine = homeWine(environment); !wine.isEmpty())
        discovery.consider(wine, QStringLiteral("~/.wine"));
    for (const LauncherFolder& launcher : launcherFolders(environment.home))
        discovery.searchLauncher(launcher);
    return std::move(discovery).found();
}

std::optional<WinePrefix> winePrefixes::defaultPrefix(const WineEnvironment& environment,
                                                      const WineDiscoveryLimits& limits) {
    if (!environment.winePrefix.isEmpty()) {
        const QString folder = QDir::cleanPath(environment.winePrefix);
        if (auto prefix =
                read(folder, shortened(folder, environment.home), limits.entriesPerDosdevices))
            return prefix;
    }
    if (const QString wine = homeWine(environment); !wine.isEmpty()) {
        if (auto prefix = read(wine, QStringLiteral("~/.wine"), limits.entriesPerDosdevices))
            return prefix;
    }
    QList<WinePrefix> found = discover(environment, limits);
    if (found.size() == 1)
        return std::move(found.front());
    return std::nullopt;
}

} // namespace zorbin
