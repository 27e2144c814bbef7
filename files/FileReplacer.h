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
// the old file exactly as it was and is returned with the path and the system's reason.
namespace fileReplacer {

[[nodiscard]] std::optional<FileFailure> replace(const QString& path, const QByteArray& content);

} // namespace fileReplacer

} // namespace zorbin
