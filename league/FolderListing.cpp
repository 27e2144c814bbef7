// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/FolderListing.h"

#include "league/LeagueFiles.h"

#include <algorithm>
#include <filesystem>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <system_error>

namespace zorbin {

namespace {

FileFailure openFailure(const QString& folder, const std::error_code& error) {
    return FileFailure{QStringLiteral("open the folder"), folder,
                       QString::fromLocal8Bit(error.message())};
}

bool caseBlindLess(const QString& left, const QString& right) {
    const int order = left.compare(right, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : left < right;
}

} // namespace

Result<FolderListing> FolderListing::read(const QString& folder, const QString& pattern) {
    namespace fs = std::filesystem;
    // A NUL would cut the name short and open some other folder.
    if (folder.contains(QChar(0)))
        return openFailure(folder, std::make_error_code(std::errc::invalid_argument));
    std::error_code error;
    fs::directory_iterator entries(QFile::encodeName(folder).toStdString(), error);
    if (error)
        return openFailure(folder, error);

    FolderListing listing;
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        if (error)
            return openFailure(folder, error);
        const QString name =
            QFile::decodeName(QByteArray::fromStdString(entries->path().filename().string()));
        // Per-entry failures (a dangling link, say) only mean the entry is neither kind.
        std::error_code entryError;
        if (entries->is_directory(entryError)) {
            listing.subfolders.append(name);
        } else if (entries->is_regular_file(entryError) &&
                   name.compare(pattern, Qt::CaseInsensitive) == 0) {
            listing.matchingFiles.append(name);
        }
    }
    if (error)
        return openFailure(folder, error);

    // Hidden folders are listed, as Windows lists every folder (a Wine prefix sits in ~/.wine),
    // but after the others, so a home folder's many of them don't push the familiar ones down.
    std::sort(listing.subfolders.begin(), listing.subfolders.end(),
              [](const QString& left, const QString& right) {
                  const bool leftHidden = left.startsWith(QLatin1Char('.'));
                  if (leftHidden != right.startsWith(QLatin1Char('.')))
                      return !leftHidden;
                  return caseBlindLess(left, right);
              });
    // The exact spelling first, so the column picks the same file as a case-blind lookup would.
    std::sort(listing.matchingFiles.begin(), listing.matchingFiles.end(),
              [&pattern](const QString& left, const QString& right) {
                  const bool leftExact = left == pattern;
                  if (leftExact != (right == pattern))
                      return leftExact;
                  return left < right;
              });
    return listing;
}

QStringList FolderListing::ancestorChain(const QString& folder) {
    QStringList chain;
    QString step = leagueFiles::folderString(folder);
    while (true) {
        chain.prepend(step);
        if (QDir(step).isRoot())
            break;
        const QString parent = QFileInfo(step).path();
        if (parent == step)
            break;
        step = parent;
    }
    return chain;
}

} // namespace zorbin
