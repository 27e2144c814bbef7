// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/SeasonComparison.h"
#include "files/FileFailure.h"
#include "files/Result.h"
#include "wine/WinePrefixes.h"

#include <optional>
#include <QString>

namespace zorbin {

class RememberedFolders;

// What "Process" takes from the window, or the report tool from its arguments: the three path
// boxes as shown or typed, and the folders the three columns stand at.
struct ComparisonRequest {
    QString priorPlayerFile;   // Text1
    QString currentPlayerFile; // Text2
    QString masterPlayerFile;  // Text3
    QString priorFolder;       // Dir1: the prior season's team file is found here
    QString currentFolder;     // Dir2
    QString masterFolder;      // Dir3
};

// How a run ended: the two lists or the one failure that stopped the comparison. A folder that
// could not be remembered does not stop it but is worth a word once the lists are shown, as is a
// master file that gave no names (`SeasonLists::masterUnread`).
struct ComparisonOutcome {
    bool compared = false; // false when a path box was empty: nothing was read or written
    Result<SeasonLists, ComparisonFailure> lists = SeasonLists{};
    std::optional<FileFailure> notRemembered;

    // What the user is told of a master file that gave no names; empty when it gave them.
    [[nodiscard]] QString masterNotice() const;
};

// The comparison run behind "Process", the same for the window, the report tool and the tests.
// Typed and Windows paths (read through the prefixes of `wine`) are found on disk without regard to
// letter case; the team file is the one in the prior column's folder (with the moved list, the
// current season's is the one in the current column's). Unless a path box is empty, the folders
// are saved to `remembered` first (skipped when null), then the seasons are compared.
[[nodiscard]] ComparisonOutcome runComparison(const ComparisonRequest& request,
                                              const WineEnvironment& wine,
                                              const RememberedFolders* remembered,
                                              ReportRows rows = ReportRows::Omitted,
                                              MovedRows moved = MovedRows::Omitted);

} // namespace zorbin
