// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zorbin {

// What the remembered-folder files hold for each column, as text: a folder of this machine, or a
// Windows path as the original program wrote it under Wine. Nothing for a column whose file is
// missing, empty, unreadable or ends before its entry.
struct RememberedEntries {
    std::optional<QString> prior;
    std::optional<QString> current;
    std::optional<QString> master;
};

// The two remembered-folder files in the working folder: the season-folders file (prior and current
// season folder) and the master-folder file. Each line is a quoted folder with a separator
// appended:
// "/" after a folder of this machine, "\" after a Windows path.
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
    // access.
    explicit RememberedFolders(QString workingFolder);

    // Rewrites both files with the three entries (folders, or Windows paths). Both are attempted;
    // the first failure is returned. An entry that the line format cannot carry leaves both files
    // as they were and is returned as the failure. A file that is, or leads to, a game file (by
    // name, link, or as a second name of one of the three folders' game files or of `gameFiles`)
    // is refused and left as it was.
    [[nodiscard]] std::optional<FileFailure> saveFolders(const QString& prior,
                                                         const QString& current,
                                                         const QString& master,
                                                         const QStringList& gameFiles = {}) const;

    // What the files hold. A file that is missing, empty or can't be read gives nothing for its
    // columns and keeps nothing from the other file's; nothing is written.
    [[nodiscard]] RememberedEntries readEntries() const;

    // At the first start in a folder: each file that is missing or empty is created empty, so both
    // are there afterwards. Failures pass in silence; the next "Process" says what it can't write.
    void createMissingFiles() const;

    // The folder that holds them, as an absolute path.
    [[nodiscard]] QString folder() const;

    // An entry's bytes as text: a Windows path, as the original program wrote it, in the Windows
    // code page; any other in the file-name encoding this program writes its own entries in.
    [[nodiscard]] static QString entryText(const QByteArray& entry);

    // One stored line: quote, entry, separator, quote, CR LF. The separator is appended
    // unconditionally; a Windows path is written in the Windows code page, with "\".
    [[nodiscard]] static QByteArray entryLine(const QString& entry);

private:
    [[nodiscard]] QString pathOf(const QString& name) const;
    [[nodiscard]] std::optional<FileFailure>
    writeFile(const QString& name, const QByteArray& content, const QStringList& gameFiles) const;
    [[nodiscard]] std::optional<QByteArray> readFile(const QString& name) const;

    QString workingFolder_;
};

} // namespace zorbin
