// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zorbin {

// The presence test: true exactly when the named file (found without regard to letter case) is a
// file whose length can be obtained and is not 0. A folder is never present. Every failure counts
// as "not present"; the file is never opened.
[[nodiscard]] bool Exists(const QString& basefile);

} // namespace zorbin
