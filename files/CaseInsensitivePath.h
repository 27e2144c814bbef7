// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// QEL and its users name files without regard to letter case ("MissDir.Txt" and "MissDir.txt" are
// one file), while this platform's file names are case-sensitive.
namespace zorbin::caseInsensitivePath {

// The path of the entry in the folder of `path` whose name matches the last component of `path`
// without regard to case: the exact spelling when it exists, else the first match in sorted order.
// `path` itself when nothing matches, so a file to be created keeps the caller's name and a file
// that exists in another case is rewritten rather than doubled.
[[nodiscard]] QString resolve(const QString& path);

} // namespace zorbin::caseInsensitivePath
