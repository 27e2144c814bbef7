// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/SeasonLists.h"

#include <optional>
#include <QByteArray>
#include <QStringView>

namespace zorbin {

// The forms in which the report tool prints the two lists on standard output. Each holds the same
// players in identity order; the exported files are another matter and keep the game's bytes.
namespace reportformat {

enum class Format { Text, Csv, Json };

// The format called `name` on the command line ("text", "csv" or "json"), nothing for another.
[[nodiscard]] std::optional<Format> named(QStringView name);

// The rows of `lists`: the players who left, those who arrived and, with MovedRows::Included, those
// who changed teams, each row then with its current team. Text is in the locale's encoding, CSV and
// JSON in UTF-8.
[[nodiscard]] QByteArray format(Format format, const SeasonLists& lists,
                                MovedRows moved = MovedRows::Omitted);

} // namespace reportformat

} // namespace zorbin
