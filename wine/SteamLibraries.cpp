// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/SteamLibraries.h"

#include "wine/KeyValues.h"

#include <QDir>

namespace zorbin {

namespace {

// A manifest is a few hundred bytes; anything much larger is not one.
constexpr qsizetype largestManifest = 64 * 1024;

} // namespace

QStringList steamLibraries::roots(const QString& home) {
    return {home + QStringLiteral("/.local/share/Steam"), home + QStringLiteral("/.steam/steam"),
            home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam")};
}

QStringList steamLibraries::libraries(const QString& root, int limit) {
    QStringList libraries{root};
    const std::optional<KeyValues> file =
        KeyValues::read(root + QStringLiteral("/steamapps/libraryfolders.vdf"));
    const KeyValues* folders = file ? file->find(u"libraryfolders") : nullptr;
    if (!folders)
        return libraries;
    // "1" { "path" "..." } now, "1" "..." before.
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

QString steamLibraries::gameName(const QString& library, const QString& appid) {
    const std::optional<KeyValues> manifest = KeyValues::read(
        QStringLiteral("%1/steamapps/appmanifest_%2.acf").arg(library, appid), largestManifest);
    const KeyValues* state = manifest ? manifest->find(u"AppState") : nullptr;
    return state ? state->valueOf(u"name").trimmed() : QString();
}

std::optional<std::pair<QString, QString>> steamLibraries::place(const QString& prefixFolder) {
    const QStringList parts = prefixFolder.split(QLatin1Char('/'));
    const qsizetype n = parts.size();
    if (n < 5 || parts[n - 1] != QLatin1String("pfx") ||
        parts[n - 3] != QLatin1String("compatdata") || parts[n - 4] != QLatin1String("steamapps"))
        return std::nullopt;
    return std::pair{parts.mid(0, n - 4).join(QLatin1Char('/')), parts[n - 2]};
}

bool steamLibraries::isShortcut(const QString& appid) {
    bool number = false;
    return appid.toULongLong(&number) >= (1ULL << 31) && number;
}

QString steamLibraries::manifestAppid(const QString& fileName) {
    const QLatin1String before("appmanifest_");
    const QLatin1String after(".acf");
    if (!fileName.startsWith(before) || !fileName.endsWith(after) ||
        fileName.size() <= before.size() + after.size())
        return {};
    return fileName.sliced(before.size()).chopped(after.size());
}

} // namespace zorbin
