// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <optional>
#include <QString>

namespace zorbin {

// Why a game file that holds nothing can't be used: a save that crashed leaves one, and it is
// neither a missing file nor a season without players or teams.
inline const QString emptyFileReason = QStringLiteral("The file is empty");

// The presence test: true exactly when the named file (found without regard to letter case) is a
// file whose length can be obtained and is not 0. A folder is never present. Every failure counts
// as "not present"; the file is never opened.
[[nodiscard]] bool exists(const QString& basefile);

// Why exists(basefile) is false, for a caller that has to say so: nothing when it is true. A file
// that is not there, is empty or is not a file with a length (a folder, a FIFO) gives a failure
// marked missing; one that can't be looked at gives the system's reason, so a folder on the way
// that can't be entered reads "Permission denied" and is not taken for a missing file.
[[nodiscard]] std::optional<FileFailure> presenceFailure(const QString& basefile);

} // namespace zorbin
