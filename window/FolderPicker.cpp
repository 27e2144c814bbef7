// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FolderPicker.h"

#include "league/FolderListing.h"
#include "league/LeagueFiles.h"
#include "window/DriveList.h"
#include "window/FileList.h"
#include "window/FolderList.h"
#include "window/UserDialogs.h"

#include <QDir>
#include <QLineEdit>

namespace zorbin {

FolderPicker::FolderPicker(QWidget* window, const ControlNames& names, QString fileName,
                           UserDialogs& dialogs, LeagueContext& league)
    : QObject(window), window_(window), fileName_(std::move(fileName)), dialogs_(dialogs),
      driveList_(new DriveList(league, window)), folderList_(new FolderList(window)),
      fileList_(new FileList(window)), pathBox_(new QLineEdit(window)) {
    driveList_->setObjectName(names.driveList);
    folderList_->setObjectName(names.folderList);
    fileList_->setObjectName(names.fileList);
    pathBox_->setObjectName(names.pathBox);
    // A deep league's path is longer than the box; its tooltip holds all of it.
    connect(pathBox_, &QLineEdit::textChanged, pathBox_, &QWidget::setToolTip);

    connect(driveList_, &DriveList::volumeChosen, this,
            [this](const QString& root) { reportToUser(changeDrive(root)); });
    connect(folderList_, &FolderList::folderChosen, this,
            [this](const QString& path) { reportToUser(changeFolder(path)); });
}

void FolderPicker::reportToUser(const std::optional<FileFailure>& failure) {
    if (failure)
        dialogs_.showMessage(window_, failure->message());
}

void FolderPicker::showListing(const QString& folder, const FolderListing& listing) {
    folder_ = folder;
    folderList_->showFolder(folder, listing.subfolders);
    fileList_->showFiles(listing.matchingFiles);
    volume_ = driveList_->driveHolding(folder);
    lastFolderOnVolume_.insert(volume_, folder);
    driveList_->showVolume(volume_);
}

void FolderPicker::standAt(const QString& folder) {
    for (const QString& candidate : {leagueFiles::folderString(folder), QDir::rootPath()}) {
        if (const auto listing = FolderListing::read(candidate, fileName_)) {
            showListing(candidate, *listing);
            return;
        }
    }
}

std::optional<FileFailure> FolderPicker::changeFolder(const QString& folder) {
    const QString target = leagueFiles::folderString(folder);
    const auto listing = FolderListing::read(target, fileName_);
    if (!listing)
        return listing.failure();

    pathBox_->clear();
    showListing(target, *listing);
    if (fileList_->count() > 0) {
        // The list puts the file the lookup finds first, so the box and the selection agree.
        fileList_->setCurrentRow(0);
        pathBox_->setText(leagueFiles::pathBoxText(folder_, fileName_));
    }
    return std::nullopt;
}

std::optional<FileFailure> FolderPicker::changeDrive(const QString& root) {
    // The drive list already shows the user's choice; what counts is where the column stands.
    if (root == volume_)
        return std::nullopt;
    QStringList targets;
    if (const QString last = lastFolderOnVolume_.value(root); !last.isEmpty())
        targets.append(last);
    targets.append(root);

    std::optional<FileFailure> failure;
    for (const QString& target : std::as_const(targets)) {
        failure = changeFolder(target);
        if (!failure)
            return std::nullopt;
    }
    // The drive list goes back to the volume the column still shows.
    driveList_->showVolume(volume_);
    return failure;
}

} // namespace zorbin
