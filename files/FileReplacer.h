// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <optional>
#include <QByteArray>
#include <QString>

namespace zorbin {

// Gives a file new content as a whole: the content goes to a temporary file that is renamed over
// the old one only once it is completely written, so a failure (disk full, folder missing) leaves
// the old file exactly as it was and is returned with the absolute path and the system's reason.
// Symbolic links are followed. Only when the folder takes no temporary file (a shared folder the
// user may not write to) is an existing file rewritten in place, once the new content is known to
// fit; a failure after that says the file may be incomplete.
namespace fileReplacer {

[[nodiscard]] std::optional<FileFailure> replace(const QString& path, const QByteArray& content);

} // namespace fileReplacer

} // namespace zorbin
