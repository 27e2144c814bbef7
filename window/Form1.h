// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/FolderColumnSetter.h"
#include "settings/RememberedFolders.h"
#include "window/CaptionGroup.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class QFileDialog;
class QListView;
class QPushButton;

namespace zorbin {

class FolderPicker;
class ProportionalResizer;
class ReportListModel;
class UserDialogs;

// The program's one window. It shows, collects and wires: the comparison, the remembered folders
// and the export files are the library's business.
class Form1 final : public QWidget, public FolderColumnSetter {
    Q_OBJECT
public:
    static inline const QString caption = QStringLiteral("ZORBIN for QEL V10 (1/4/2011)");
    static inline const QString leftPlayersName =
        QStringLiteral("Players of the prior season missing from the current one");
    static inline const QString arrivedPlayersName =
        QStringLiteral("Players of the current season missing from the prior one");
    static constexpr QSize designClientSize{496, 483};

    // Builds the window and runs its start-up: every column stands at the working folder, the
    // export buttons are disabled, the path boxes emptied and the remembered folders restored.
    // Questions to the user go through `dialogs`, which must outlive the window.
    explicit Form1(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    // The restore's way in. A volume or folder that can't be reached passes in silence.
    void setDrive(PickerColumn column, const QString& entry) override;
    void setFolder(PickerColumn column, const QString& folder) override;

    [[nodiscard]] FolderPicker& picker(PickerColumn column) const;

    // "Process": compares the seasons named by the path boxes and shows the result.
    void Process();
    // Writes the lines of `list` (List1 or List2) to a file the user chooses.
    void ExportList(QListView& list);

private:
    void createControls();
    void placeControls();
    // Opens the window at the design size grown with the platform's font, capped to the screen.
    void fitToFont();
    // Places the controls for `clientSize` and tells whether every caption, file row and path box
    // shows whole there.
    [[nodiscard]] bool showsWholeAt(QSize clientSize);
    void orderTabs();
    void startUp();
    void showMessage(const QString& text);
    // The game files of the folders and path boxes chosen now. An export refuses these and those
    // of the last run, whose lists it writes.
    [[nodiscard]] QStringList chosenGameFiles() const;

    UserDialogs& dialogs_;
    CaptionGroup* captions_ = nullptr;
    RememberedFolders rememberedFolders_;

    FolderPicker* priorColumn_ = nullptr;
    FolderPicker* currentColumn_ = nullptr;
    FolderPicker* masterColumn_ = nullptr;
    QListView* list1_ = nullptr;
    QListView* list2_ = nullptr;
    ReportListModel* list1Lines_ = nullptr;
    ReportListModel* list2Lines_ = nullptr;
    QPushButton* cmdProcess_ = nullptr;
    QPushButton* cmdFile_ = nullptr;
    QPushButton* cmdFile2_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QFileDialog* commonDialog_ = nullptr;
    ProportionalResizer* resizer_ = nullptr;
    QString lastExportFile_;
    QStringList lastRunGameFiles_;
};

} // namespace zorbin
