// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zorbin {

// Windows, and Wine for the programs it runs, match every component of a path without regard to
// letter case; a path a user types or an old remembered file holds relies on that.
namespace WholePathCase {

// `path` with each component replaced, from the root down, by the entry of its folder that matches
// it without regard to case: the exact spelling when it is there, else the first match in sorted
// order. A component that matches nothing ends the search and it and the rest stay as given.
// `path` itself, unchanged, when it exists as spelled or nothing was replaced; a relative path is
// matched below the working folder and stays relative. At most one folder read per component.
[[nodiscard]] QString resolve(const QString& path);

} // namespace WholePathCase

} // namespace zorbin
