// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"
#include "files/WinePrefixes.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zorbin {

// Where the restore points one picker column: the drive list at the drive holding `drive` (a Wine
// drive's root, or the folder itself on a volume), then the folder list at `folder`. `folder` is
// empty when a Wine drive is there but the folder on it is gone or can't be entered: the column
// then rests on the drive, as on a drive whose folder was removed.
struct RestoredColumn {
    QString drive;
    QString folder;
    QString prefix; // the Wine prefix a Windows entry was read through; empty for a native one
};

// What the remembered-folder files hold for each column; nothing for a column whose entry is
// missing or names nothing here, or whose folder on a volume is gone or can't be entered (without
// drive letters, such a folder can't be told from a volume that has gone).
struct RestoredFolders {
    std::optional<RestoredColumn> prior;
    std::optional<RestoredColumn> current;
    std::optional<RestoredColumn> master;
};

// The two remembered-folder files in the working folder: the season-folders file (prior and current
// season folder) and the master-folder file. Each line is a quoted folder with "/" appended.
class RememberedFolders {
public:
    static inline const QString seasonFileWriteName = QStringLiteral("MissDir.Txt");
    static inline const QString seasonFileReadName = QStringLiteral("MissDir.txt");
    static inline const QString masterFileWriteName = QStringLiteral("QELMdir.txt");
    static inline const QString masterFileReadName = QStringLiteral("QELMDir.txt");

    // Both files of `workingFolder`, in the letter case found there: Zorbin's own, which no export
    // may replace.
    [[nodiscard]] static QStringList filesIn(const QString& workingFolder);

    // `workingFolder` is where both files live; "." follows the process's working folder at each
    // access. Windows paths written by the original program are read through the Wine prefixes of
    // `wine`.
    RememberedFolders(QString workingFolder, WineEnvironment wine);

    // Rewrites both files. Both are attempted; the first failure is returned. A folder that the
    // line format cannot carry leaves both files as they were and is returned as the failure. A
    // file that is, or leads to, a game file (by name, link, or as a second name of one of the
    // three folders' game files or of `gameFiles`) is refused and left as it was.
    [[nodiscard]] std::optional<FileFailure> saveFolders(const QString& priorFolder,
                                                         const QString& currentFolder,
                                                         const QString& masterFolder,
                                                         const QStringList& gameFiles = {}) const;

    // The remembered folders, each entry (native or Windows) matched to the disk without regard to
    // case. A missing or empty file is created empty and restores nothing; a file that can't be
    // read or created restores nothing for its columns. Every failure passes in silence, and
    // neither file keeps the other's columns from being restored.
    [[nodiscard]] RestoredFolders restoreFolders() const;

    // An entry's bytes as text: a Windows path, as the original program wrote it, in the Windows
    // code page; any other in the file-name encoding this program writes its own entries in.
    [[nodiscard]] static QString entryText(const QByteArray& entry);

    // One stored line: quote, folder, "/", quote, CR LF. The separator is appended unconditionally.
    [[nodiscard]] static QByteArray entryLine(const QString& folder);

private:
    [[nodiscard]] QString pathOf(const QString& name) const;
    [[nodiscard]] std::optional<FileFailure>
    writeFile(const QString& name, const QByteArray& content, const QStringList& gameFiles) const;
    [[nodiscard]] Result<QByteArray> readFile(const QString& name) const;

    QString workingFolder_;
    WineEnvironment wine_;
};

} // namespace zorbin
