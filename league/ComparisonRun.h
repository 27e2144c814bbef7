// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "compare/SeasonLists.h"
#include "files/FileFailure.h"
#include "files/Result.h"
#include "league/RunMessage.h"

#include <optional>
#include <QList>
#include <QString>

namespace zorbin {

// What a user names for each column: the window's path boxes name a player or master file, or the
// folder holding it; the report tool's arguments name folders only.
enum class NamedKind { FileOrFolder, Folder };

// What "Process" takes from the window, or the report tool from its arguments: the three path
// boxes as shown or typed (or the tool's folders), and the folders the three columns stand at,
// which are what the window remembers.
struct ComparisonRequest {
    QString priorPlayerFile;   // Text1
    QString currentPlayerFile; // Text2
    QString masterPlayerFile;  // Text3
    QString priorFolder = {};  // Dir1
    QString currentFolder = {};
    QString masterFolder = {};
    NamedKind kind = NamedKind::FileOrFolder;
};

// How a run ended: the two lists or the one failure that stopped the comparison, and what the user
// is to be told of it, in the order to tell it.
struct ComparisonOutcome {
    bool compared = false; // false when a path box was empty: nothing was read or written
    Result<SeasonLists, ComparisonFailure> lists = SeasonLists{};
    QList<RunMessage> messages;

    // The lists as the window shows them: empty unless the comparison was made.
    [[nodiscard]] QList<QByteArray> leftPlayers() const {
        return lists ? lists->leftPlayers : QList<QByteArray>();
    }
    [[nodiscard]] QList<QByteArray> arrivedPlayers() const {
        return lists ? lists->arrivedPlayers : QList<QByteArray>();
    }
    // The message of `kind` as the window shows it; empty when there is none.
    [[nodiscard]] QString message(RunMessage::Kind kind) const {
        for (const RunMessage& message : messages) {
            if (message.kind == kind)
                return message.windowText();
        }
        return {};
    }
};

} // namespace zorbin
