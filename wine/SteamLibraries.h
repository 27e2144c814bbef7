// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <QString>
#include <QStringList>
#include <utility>

// Where Steam keeps its libraries and what its files say of the games in them. A library holds
// steamapps/appmanifest_<appid>.acf for each installed game and steamapps/compatdata/<appid>/pfx,
// the game's Proton prefix, which may be in another library than the game's manifest.
namespace zorbin::steamLibraries {

// Steam's roots: native (~/.steam/steam usually links to the first) and the flatpak's.
[[nodiscard]] QStringList roots(const QString& home);

// The libraries of the Steam root `root`: the root itself, then up to `limit` others that its
// libraryfolders.vdf names, in either of the two layouts Steam has written.
[[nodiscard]] QStringList libraries(const QString& root, int limit);

// The game's name as the store shows it, from `library`'s manifest for `appid`; empty when the
// game is not installed there or the manifest can't be read.
[[nodiscard]] QString gameName(const QString& library, const QString& appid);

// The library and appid of a Proton prefix's folder, LIBRARY/steamapps/compatdata/<appid>/pfx.
[[nodiscard]] std::optional<std::pair<QString, QString>> place(const QString& prefixFolder);

// True for the appid Steam gives a non-Steam game added to it: 2^31 or more, which no store game
// has.
[[nodiscard]] bool isShortcut(const QString& appid);

// The appid of a manifest's file name, appmanifest_<appid>.acf; empty for any other name.
[[nodiscard]] QString manifestAppid(const QString& fileName);

} // namespace zorbin::steamLibraries
