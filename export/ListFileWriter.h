// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>

namespace zorbin {

// Writes a result list to a text file: each line's bytes unchanged, then CR LF. The file is
// replaced as a whole only once everything has been written, so a failure (disk full, folder
// missing, path is a folder) leaves any earlier file exactly as it was. The game's own data files
// are never written.
namespace listFileWriter {

[[nodiscard]] std::optional<FileFailure> write(const QString& path, const QList<QByteArray>& lines);

// The confirmation shown once the file is complete: "file " + name + " was written ".
[[nodiscard]] QString confirmationText(const QString& fileName);

} // namespace listFileWriter

} // namespace zorbin
