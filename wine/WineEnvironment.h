// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"
#include "wine/WinePrefix.h"

#include <optional>
#include <QString>

namespace zorbin {

// Where Wine prefixes are looked for. Given rather than read inside, so a made-up home can stand in
// for the user's.
struct WineEnvironment {
    QString home;       // the home folder; empty means none is searched
    QString winePrefix; // $WINEPREFIX; empty when unset

    // $HOME and $WINEPREFIX of this process.
    [[nodiscard]] static WineEnvironment ofProcess();
};

namespace winePrefixes {

// The prefix $WINEPREFIX names, when it is set. It must be one (a folder holding drive_c or
// dosdevices); the failure names the variable and its value, since reading through another prefix
// instead could give another copy of the league.
[[nodiscard]] Result<WinePrefix> fromEnvironment(const WineEnvironment& environment);

// The failure of fromEnvironment when $WINEPREFIX is set and not a prefix; none otherwise.
[[nodiscard]] std::optional<FileFailure> environmentFailure(const WineEnvironment& environment);

// ~/.wine, when it is a prefix.
[[nodiscard]] std::optional<WinePrefix> homeWine(const WineEnvironment& environment);

} // namespace winePrefixes

} // namespace zorbin
