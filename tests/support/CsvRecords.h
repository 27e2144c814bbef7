// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin::test {

// RFC 4180 read strictly: every record ends in CR LF, a quoted field ends at its closing quote,
// and a quote, CR or LF is only data inside quotes. Nothing on any departure from it.
[[nodiscard]] std::optional<QList<QStringList>> csvRecords(const QString& text);

} // namespace zorbin::test
