// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "league/ComparisonRun.h"
#include "league/LeagueContext.h"
#include "league/RestoredFolders.h"
#include "window/CaptionGroup.h"
#include "wine/WineEnvironment.h"

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
class TextScaler;
class UserDialogs;

enum class PickerColumn { Prior, Current, Master };

// The program's one window. It shows, collects and wires: the comparison, the remembered folders
// and the export files are the library's business.
class MainWindow final : public QWidget {
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
    // Questions to the user go through `dialogs`, which must outlive the window; the league is
    // found as `wine` says, and remembered in the working folder.
    MainWindow(UserDialogs& dialogs, WineEnvironment wine, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] FolderPicker& picker(PickerColumn column) const;
    // Where the restore points a column: its drive list at the drive with root folder `root`,
    // then its folder list at `folder`. A folder that can't be reached passes in silence.
    void setDrive(PickerColumn column, const QString& root);
    void setFolder(PickerColumn column, const QString& folder);

    // "Process": compares the seasons named by the path boxes and shows the result.
    void process();
    // Writes the lines of `lines`, shown in `list` (List1 or List2), to a file the user chooses.
    void exportList(QListView& list, const ReportListModel& lines);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    [[nodiscard]] QFileDialog& exportDialog();
    void placeControls();
    // Opens the window at the design size grown with the platform's font, capped to the screen.
    void fitToFont();
    // The width, from that of `clientSize` up, at which a result list shows a long line whole.
    [[nodiscard]] int widthForWholeLines(QSize clientSize);
    // Places the controls for `clientSize` and tells whether every caption, file row and path box
    // shows whole there.
    [[nodiscard]] bool showsWholeAt(QSize clientSize);
    // Whether they do as the controls stand.
    [[nodiscard]] bool showsTextsWhole() const;
    // Whether a result list shows a long line whole.
    [[nodiscard]] bool showsLinesWhole() const;
    void orderTabs();
    void startUp();
    void restoreColumn(PickerColumn column, const std::optional<RestoredColumn>& restored);
    void showMessage(const QString& text);
    void showMessages(const QList<RunMessage>& messages);
    // The path boxes and the columns' folders as they are now.
    [[nodiscard]] ComparisonRequest shownRequest() const;

    UserDialogs& dialogs_;
    LeagueContext league_;
    CaptionGroup* captions_ = nullptr;

    FolderPicker* priorColumn_ = nullptr;
    FolderPicker* currentColumn_ = nullptr;
    FolderPicker* masterColumn_ = nullptr;
    QListView* leftList_ = nullptr;
    QListView* arrivedList_ = nullptr;
    ReportListModel* leftLines_ = nullptr;
    ReportListModel* arrivedLines_ = nullptr;
    QPushButton* processButton_ = nullptr;
    QPushButton* priorExportButton_ = nullptr;
    QPushButton* currentExportButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QFileDialog* commonDialog_ = nullptr;
    ProportionalResizer* resizer_ = nullptr;
    TextScaler* scaler_ = nullptr;
    // What shows whole in proportion at the opening size stays whole as the window is resized.
    bool textsWholeAtOpening_ = false;
    bool linesWholeAtOpening_ = false;
    // What the start-up has to tell, told over the window once it shows.
    QList<RunMessage> startUpMessages_;
    QString lastExportFile_;
};

} // namespace zorbin
