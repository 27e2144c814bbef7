// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <optional>
#include <QHash>
#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace zorbin {

class DriveList;
class FileList;
class FolderList;
struct FolderListing;
class LeagueContext;
class UserDialogs;

// One picker column: a drive list, a folder list, a file list looking for one file name, and the
// path box that receives that file's full path. Changes run synchronously and to their end, so a
// caller that changes the drive or folder finds the path box already filled when the call returns.
class FolderPicker final : public QObject {
    Q_OBJECT
public:
    struct ControlNames {
        QString driveList;
        QString folderList;
        QString fileList;
        QString pathBox;
    };

    // Creates the four controls as children of `window`. Failures of the user's own choices are
    // reported through `dialogs`; the drive list asks `league` for the drives.
    FolderPicker(QWidget* window, const ControlNames& names, QString fileName, UserDialogs& dialogs,
                 LeagueContext& league);

    [[nodiscard]] DriveList* driveList() const { return driveList_; }
    [[nodiscard]] FolderList* folderList() const { return folderList_; }
    [[nodiscard]] FileList* fileList() const { return fileList_; }
    [[nodiscard]] QLineEdit* pathBox() const { return pathBox_; }

    // The current folder: a full path ending in "/" only at the root.
    [[nodiscard]] QString folder() const { return folder_; }

    // Where the column stands before anything has happened: the lists show `folder` (or the root,
    // when `folder` can't be read) but no folder change runs, so the path box keeps its text.
    void standAt(const QString& folder);

    // The folder change: the lists move to `folder`, the path box is emptied and then gets the
    // folder, "/" and the name of the column's file when the folder holds it. Runs even when
    // `folder` is already shown. A folder that can't be read leaves the column as it was.
    [[nodiscard]] std::optional<FileFailure> changeFolder(const QString& folder);

    // The drive change: when `root` is not the current volume, the folder list moves to the last
    // folder this column showed on that volume, else to the volume's root.
    [[nodiscard]] std::optional<FileFailure> changeDrive(const QString& root);

private:
    void showListing(const QString& folder, const FolderListing& listing);
    void reportToUser(const std::optional<FileFailure>& failure);

    QWidget* window_;
    QString fileName_;
    UserDialogs& dialogs_;
    DriveList* driveList_;
    FolderList* folderList_;
    FileList* fileList_;
    QLineEdit* pathBox_;
    QString folder_;
    QString volume_; // the volume holding folder_; the drive list may already show another
    QHash<QString, QString> lastFolderOnVolume_;
};

} // namespace zorbin
