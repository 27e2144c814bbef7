// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin {

// Writes a result list to a text file: each line's bytes unchanged, then CR LF. The file is
// replaced as a whole only once everything has been written, so a failure (disk full, folder
// missing, path is a folder) leaves any earlier file exactly as it was; in a folder that takes no
// new file, a file the user may write is rewritten in place. The game's own data files are never
// written, whichever name or link leads to them; `gameFiles` are those of the league in use,
// refused under any other name too, and so are `ownFiles`, the files Zorbin keeps for itself. A
// name matches an existing file without regard to case.
namespace listFileWriter {

[[nodiscard]] std::optional<FileFailure> write(const QString& path, const QList<QByteArray>& lines,
                                               const QStringList& gameFiles = {},
                                               const QStringList& ownFiles = {});

} // namespace listFileWriter

} // namespace zorbin
