// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/WineEnvironment.h"

#include "wine/PrefixLabels.h"

#include <QDir>
#include <QFileInfo>

namespace zorbin {

WineEnvironment WineEnvironment::ofProcess() {
    return {qEnvironmentVariable("HOME"), qEnvironmentVariable("WINEPREFIX")};
}

std::optional<WinePrefix> winePrefixes::homeWine(const WineEnvironment& environment) {
    if (environment.home.isEmpty())
        return std::nullopt;
    return read(environment.home + QStringLiteral("/.wine"), QStringLiteral("~/.wine"));
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

} // namespace zorbin
