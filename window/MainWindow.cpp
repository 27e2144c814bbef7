// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/MainWindow.h"

#include "compare/ReportLine.h"
#include "files/GameFiles.h"
#include "league/ComparisonRun.h"
#include "window/BusyCursor.h"
#include "window/DriveList.h"
#include "window/ExportFileDialog.h"
#include "window/FileList.h"
#include "window/FittingLabel.h"
#include "window/FolderList.h"
#include "window/FolderPicker.h"
#include "window/FramedList.h"
#include "window/ProportionalResizer.h"
#include "window/ReportLineDelegate.h"
#include "window/ReportListModel.h"
#include "window/ReportListView.h"
#include "window/TextRoom.h"
#include "window/TextScaler.h"
#include "window/UserDialogs.h"
#include "window/WrappingButton.h"

#include <algorithm>
#include <array>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QtMath>
#include <utility>

namespace zorbin {

namespace {

// The design is laid out in twips; at 96 dots per inch a pixel is 15 of them.
constexpr int twipsPerPixel = 15;

struct DesignPlace {
    const char* name;
    int left, top, width, height; // twips
};

constexpr std::array<DesignPlace, 21> designPlaces{{
    {"Label3", 2520, 120, 1935, 255},   {"Drive3", 2520, 480, 1575, 315},
    {"Dir3", 2520, 840, 2055, 540},     {"File1", 2520, 1440, 2415, 285},
    {"Text3", 2520, 1800, 3015, 285},   {"Label1", 360, 2160, 2055, 375},
    {"Drive1", 360, 2520, 2055, 315},   {"Dir1", 360, 2880, 2055, 990},
    {"fleOld", 360, 3960, 2055, 285},   {"Text1", 360, 4320, 3375, 375},
    {"Label2", 3840, 2160, 2055, 375},  {"Drive2", 3840, 2520, 2055, 315},
    {"Dir2", 3840, 2880, 2055, 990},    {"fleNew", 3840, 3960, 2055, 285},
    {"Text2", 3840, 4320, 3375, 375},   {"List1", 360, 4800, 3375, 1620},
    {"List2", 3840, 4800, 3375, 1620},  {"cmdProcess", 240, 6600, 1335, 495},
    {"cmdFile", 1800, 6600, 1575, 495}, {"cmdFile2", 3600, 6600, 1575, 495},
    {"cmdExit", 5400, 6600, 1575, 495},
}};

// The tab order; the labels hold places in it but never take the focus, so they are left out.
constexpr std::array tabOrder{"Drive1", "Dir1",  "fleOld", "cmdProcess", "Drive2",  "Dir2",
                              "fleNew", "Text1", "Text2",  "List1",      "cmdExit", "Drive3",
                              "Dir3",   "File1", "Text3",  "cmdFile",    "List2",   "cmdFile2"};

// The design fits its platform's 8-point sans-serif at 96 dots per inch, whose dialog base units
// (a letter's average width and a line's height) are 6 by 13 pixels.
constexpr qreal designLetterWidth = 6.0;
constexpr qreal designLineHeight = 13.0;
// Room for the window manager's frame and title bar, which are not known before the window shows.
constexpr QSize frameAllowance{16, 48};

// How much larger than the design's font `font` is, across and down, as dialog units measure it
// on the platform the design came from; never less than 1.
QSizeF fontGrowth(const QFont& font) {
    const QFontMetricsF metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const qreal letterWidth = metrics.horizontalAdvance(letters) / qreal(letters.size());
    return {std::max(1.0, letterWidth / designLetterWidth),
            std::max(1.0, metrics.height() / designLineHeight)};
}

QSize scaled(QSize size, qreal across, qreal down) {
    return {qRound(size.width() * across), qRound(size.height() * down)};
}

// The widest line the lists open wide enough for: a name that fills its column and a team as long
// as the longest of the sample league.
QString widestLineShownWhole() {
    QByteArray line;
    appendReportLine(line, DisplayNameParts{"Vandenberg", "Maximilian"}, 32767,
                     "Lake City Lumberjacks");
    return QString::fromLatin1(line);
}

QFont reportFont() {
    QFont font(QStringLiteral("Courier New"));
    // Where that family is missing, any fixed-pitch face keeps the columns aligned.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QLabel* createLabel(QWidget* window, const char* name, const QString& caption,
                    CaptionGroup& group) {
    auto* label = new FittingLabel(caption, window, &group);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* createButton(QWidget* window, const char* name, const QString& caption,
                          CaptionGroup& group) {
    // Return presses the focused button (WrappingButton sees to it), never a default one.
    auto* button = new WrappingButton(caption, window, &group);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QListView* createList(QWidget* window, const char* name, const QString& accessibleName,
                      ReportListModel* lines) {
    auto* list = new ReportListView(window);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->setModel(lines);
    list->setItemDelegate(new ReportLineDelegate(list));
    return list;
}

// A screen reader knows a control only by its accessible name; the lists and boxes of the three
// columns look alike and carry no caption of their own.
void nameForScreenReaders(FolderPicker& column, const QString& columnName) {
    column.driveList()->setAccessibleName(columnName + QStringLiteral(" drive"));
    column.folderList()->setAccessibleName(columnName + QStringLiteral(" folder"));
    column.fileList()->setAccessibleName(columnName + QStringLiteral(" player file"));
    column.pathBox()->setAccessibleName(columnName + QStringLiteral(" player file path"));
}

void describeCount(QListView& list, int players) {
    list.setAccessibleDescription(players == 1 ? QStringLiteral("1 player")
                                               : QStringLiteral("%1 players").arg(players));
}

} // namespace

MainWindow::MainWindow(UserDialogs& dialogs, WineEnvironment wine, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), league_(std::move(wine), QStringLiteral(".")) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(caption);
    createControls();
    placeControls();
    orderTabs();
    resizer_ = new ProportionalResizer(this, designClientSize);
    // The text takes its size first: the room made for it depends on that size.
    scaler_ = new TextScaler(this, [this] {
        return (!textsWholeAtOpening_ || showsTextsWhole()) &&
               (!linesWholeAtOpening_ || showsLinesWhole());
    });
    connect(resizer_, &ProportionalResizer::placed, scaler_, &TextScaler::fit);
    connect(resizer_, &ProportionalResizer::placed, new TextRoom(this), &TextRoom::makeRoom);
    fitToFont();
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    captions_ = new CaptionGroup(this);
    createLabel(this, "Label3", QStringLiteral("Point to QEL Path"), *captions_);
    masterColumn_ = new FolderPicker(this,
                                     {QStringLiteral("Drive3"), QStringLiteral("Dir3"),
                                      QStringLiteral("File1"), QStringLiteral("Text3")},
                                     gameFiles::master, dialogs_, league_);
    createLabel(this, "Label1", QStringLiteral("Point to Prior Season Path"), *captions_);
    priorColumn_ = new FolderPicker(this,
                                    {QStringLiteral("Drive1"), QStringLiteral("Dir1"),
                                     QStringLiteral("fleOld"), QStringLiteral("Text1")},
                                    gameFiles::player, dialogs_, league_);
    createLabel(this, "Label2", QStringLiteral("Point to Current Season Path"), *captions_);
    currentColumn_ = new FolderPicker(this,
                                      {QStringLiteral("Drive2"), QStringLiteral("Dir2"),
                                       QStringLiteral("fleNew"), QStringLiteral("Text2")},
                                      gameFiles::player, dialogs_, league_);
    nameForScreenReaders(*priorColumn_, QStringLiteral("Prior season"));
    nameForScreenReaders(*currentColumn_, QStringLiteral("Current season"));
    nameForScreenReaders(*masterColumn_, QStringLiteral("Master"));

    leftLines_ = new ReportListModel(this);
    arrivedLines_ = new ReportListModel(this);
    leftList_ = createList(this, "List1", leftPlayersName, leftLines_);
    arrivedList_ = createList(this, "List2", arrivedPlayersName, arrivedLines_);

    processButton_ = createButton(this, "cmdProcess", QStringLiteral("Process"), *captions_);
    priorExportButton_ = createButton(
        this, "cmdFile", QStringLiteral("Put Prior Season Names in a File"), *captions_);
    currentExportButton_ = createButton(
        this, "cmdFile2", QStringLiteral("Put Current Season Names in a File"), *captions_);
    exitButton_ = createButton(this, "cmdExit", QStringLiteral("E&XIT"), *captions_);
    connect(processButton_, &QPushButton::clicked, this, &MainWindow::process);
    connect(priorExportButton_, &QPushButton::clicked, this,
            [this] { exportList(*leftList_, *leftLines_); });
    connect(currentExportButton_, &QPushButton::clicked, this,
            [this] { exportList(*arrivedList_, *arrivedLines_); });
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
}

QFileDialog& MainWindow::exportDialog() {
    // Made at the first export: building a file dialog costs more than the rest of the window.
    if (!commonDialog_) {
        // One dialog serves both export buttons, so it keeps its place between them.
        commonDialog_ = new ExportFileDialog(this);
        commonDialog_->setObjectName(QStringLiteral("CommonDialog1"));
    }
    return *commonDialog_;
}

void MainWindow::placeControls() {
    for (const DesignPlace& place : designPlaces) {
        auto* control = findChild<QWidget*>(QLatin1String(place.name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(control);
        control->setGeometry(place.left / twipsPerPixel, place.top / twipsPerPixel,
                             place.width / twipsPerPixel, place.height / twipsPerPixel);
    }
}

void MainWindow::fitToFont() {
    // The window opens as large as its font asks, as dialogs measured in dialog units do, and at
    // least as far as its texts need; from there its text grows and shrinks with it.
    // The smallest scale, in sixteenths from three quarters to four times the design, at which
    // every text shows whole. More room never cuts a text, and the font's growth is close to the
    // answer: the search starts there and steps down or up.
    const auto scale = [](int sixteenths) { return 0.75 + sixteenths / 16.0; };
    constexpr int largest = 52;
    const QSizeF growth = fontGrowth(font());
    int fits =
        std::clamp(qRound((std::min(growth.width(), growth.height()) - scale(0)) * 16), 0, largest);
    {
        // Found in the design's proportions alone; where the screen leaves less room than that,
        // the texts take it from the lists.
        const QSignalBlocker proportionsOnly(resizer_);
        const auto showsWholeWith = [this, &scale](int sixteenths) {
            return showsWholeAt(scaled(designClientSize, scale(sixteenths), scale(sixteenths)));
        };
        if (showsWholeWith(fits)) {
            while (fits > 0 && showsWholeWith(fits - 1))
                --fits;
        } else {
            while (++fits < largest && !showsWholeWith(fits)) {
            }
        }
    }
    const qreal whole = scale(fits);
    QSize opening =
        scaled(designClientSize, std::max(growth.width(), whole), std::max(growth.height(), whole));
    // The lists are what the user came for; below this width they scroll sideways.
    opening.setWidth(widthForWholeLines(opening));
    if (const QScreen* shownOn = screen())
        opening = opening.boundedTo(shownOn->availableSize() - frameAllowance);
    scaler_->setOpening(opening);
    // Small enough to tile beside another window at any font: the text shrinks with the window
    // down to a legible size, then captions wrap and the lists give up room and scroll.
    const qreal least = scaler_->leastStretch();
    setMinimumSize(qFloor(opening.width() * least), qFloor(opening.height() * least));
    resize(opening);
    {
        const QSignalBlocker proportionsOnly(resizer_);
        resizer_->scaleTo(opening);
        textsWholeAtOpening_ = showsTextsWhole();
        linesWholeAtOpening_ = showsLinesWhole();
    }
    resizer_->scaleTo(opening);
}

int MainWindow::widthForWholeLines(QSize clientSize) {
    const QString line = widestLineShownWhole();
    const QFont font = reportFont();
    const QSignalBlocker proportionsOnly(resizer_);
    const auto lists = findChildren<ReportListView*>(Qt::FindDirectChildrenOnly);
    // Laying out a line in a font not shown yet is the dearest step of opening the window: once,
    // for both lists, which share their style and font.
    const int row = lists.isEmpty() ? 0 : lists.first()->rowWidth(line, font);
    int width = clientSize.width();
    // Proportions give the first guess; whole pixels may leave a list a pixel or two short of it.
    for (int attempt = 0; attempt < 8; ++attempt) {
        resizer_->scaleTo({width, clientSize.height()});
        int wanted = width;
        for (const ReportListView* list : lists) {
            const int missing = list->widthAround(row) - list->width();
            if (missing > 0)
                wanted = std::max(wanted, width + qCeil(missing * qreal(width) / list->width()));
        }
        if (wanted == width)
            break;
        width = wanted;
    }
    return width;
}

bool MainWindow::showsWholeAt(QSize clientSize) {
    resizer_->scaleTo(clientSize);
    return showsTextsWhole();
}

bool MainWindow::showsTextsWhole() const {
    if (!captions_->allWhole())
        return false;
    for (const FolderPicker* column : {priorColumn_, currentColumn_, masterColumn_}) {
        const QLineEdit* pathBox = column->pathBox();
        if (!column->fileList()->showsRowWhole() ||
            pathBox->height() < pathBox->minimumSizeHint().height())
            return false;
    }
    return true;
}

bool MainWindow::showsLinesWhole() const {
    const auto lists = findChildren<ReportListView*>(Qt::FindDirectChildrenOnly);
    if (lists.isEmpty())
        return true;
    // Once for both lists, which share their style and font, as widthForWholeLines() does.
    const int row = lists.first()->rowWidth(widestLineShownWhole(), reportFont());
    return std::none_of(lists.cbegin(), lists.cend(), [row](const ReportListView* list) {
        return list->widthAround(row) > list->width();
    });
}

void MainWindow::orderTabs() {
    QWidget* previous = nullptr;
    for (const char* name : tabOrder) {
        auto* control = findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

void MainWindow::startUp() {
    const QString workingFolder = QDir::currentPath();
    // Read first, so that the prefixes of the remembered folders are offered however many others
    // there are; applied below, once the columns stand and the boxes are empty.
    const RestoredFolders restored = league_.restoreFolders();
    league_.createMissingRememberedFiles();
    // One look for volumes and Wine prefixes serves all three lists.
    const QList<Drive> drives = league_.drives();
    for (FolderPicker* column : {priorColumn_, currentColumn_, masterColumn_}) {
        column->driveList()->setDrives(drives);
        column->standAt(workingFolder);
    }

    priorExportButton_->setEnabled(false);
    currentExportButton_->setEnabled(false);
    // Emptied before the restore, which fills the boxes of the columns it moves.
    for (FolderPicker* column : {priorColumn_, currentColumn_, masterColumn_})
        column->pathBox()->clear();
    restoreColumn(PickerColumn::Prior, restored.prior);
    restoreColumn(PickerColumn::Current, restored.current);
    restoreColumn(PickerColumn::Master, restored.master);

    priorColumn_->driveList()->setFocus();
    startUpMessages_ = restored.messages;
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window is not on screen yet; a notice shown now would stand alone on an empty screen,
    // and the window would appear only once it is dismissed.
    if (!startUpMessages_.isEmpty())
        QTimer::singleShot(0, this, [this] { showMessages(std::exchange(startUpMessages_, {})); });
}

void MainWindow::restoreColumn(PickerColumn column, const std::optional<RestoredColumn>& restored) {
    if (!restored)
        return;
    setDrive(column, restored->drive);
    if (!restored->folder.isEmpty())
        setFolder(column, restored->folder);
}

FolderPicker& MainWindow::picker(PickerColumn column) const {
    switch (column) {
    case PickerColumn::Prior:
        return *priorColumn_;
    case PickerColumn::Current:
        return *currentColumn_;
    case PickerColumn::Master:
        break;
    }
    return *masterColumn_;
}

void MainWindow::setDrive(PickerColumn column, const QString& root) {
    (void)picker(column).changeDrive(root);
}

void MainWindow::setFolder(PickerColumn column, const QString& folder) {
    (void)picker(column).changeFolder(folder);
}

void MainWindow::showMessage(const QString& text) {
    dialogs_.showMessage(this, text);
}

void MainWindow::showMessages(const QList<RunMessage>& messages) {
    for (const RunMessage& message : messages) {
        if (message.forTheWindow())
            showMessage(message.windowText());
    }
}

ComparisonRequest MainWindow::shownRequest() const {
    return {priorColumn_->pathBox()->text(),  currentColumn_->pathBox()->text(),
            masterColumn_->pathBox()->text(), priorColumn_->folder(),
            currentColumn_->folder(),         masterColumn_->folder()};
}

void MainWindow::process() {
    BusyCursor busy;
    leftLines_->clear();
    arrivedLines_->clear();
    describeCount(*leftList_, 0);
    describeCount(*arrivedList_, 0);
    priorExportButton_->setEnabled(false);
    currentExportButton_->setEnabled(false);

    const ComparisonOutcome outcome = league_.run(shownRequest());
    if (!outcome.compared)
        return;
    if (outcome.lists) {
        const QFont font = reportFont();
        leftList_->setFont(font);
        arrivedList_->setFont(font);
        leftLines_->setLines(outcome.lists->leftPlayers);
        arrivedLines_->setLines(outcome.lists->arrivedPlayers);
        priorExportButton_->setEnabled(leftLines_->rowCount() > 0);
        currentExportButton_->setEnabled(arrivedLines_->rowCount() > 0);
        describeCount(*leftList_, leftLines_->rowCount());
        describeCount(*arrivedList_, arrivedLines_->rowCount());
    }
    busy.end();
    showMessages(outcome.messages);
}

void MainWindow::exportList(QListView& list, const ReportListModel& lines) {
    QFileDialog& dialog = exportDialog();
    if (!lastExportFile_.isEmpty())
        dialog.setDirectory(QFileInfo(lastExportFile_).absolutePath());
    const QString fileName = dialogs_.chooseExportFile(dialog);
    if (fileName.isEmpty())
        return;
    lastExportFile_ = fileName;
    BusyCursor busy;

    // The lines in list order from the top.
    const int count = lines.rowCount();
    QList<QByteArray> content;
    content.reserve(count);
    for (int row = 0; row < count; ++row)
        content.append(lines.line(row));

    // A failure leaves any earlier file intact.
    const RunMessage written = league_.exportList(fileName, content, shownRequest());
    const bool exported = written.kind == RunMessage::Kind::Exported;
    // The selection ends on the last line alone, where walking down the list would leave it
    // (nothing repaints in between, so only the end is seen), whatever lines were selected before
    // or whichever keys are held. A failure walked nothing: the list keeps the selection it had.
    if (exported && count > 0) {
        const QModelIndex last = lines.index(count - 1);
        list.selectionModel()->setCurrentIndex(last, QItemSelectionModel::ClearAndSelect);
        list.scrollTo(last);
    }
    busy.end();
    showMessage(written.windowText());
}

} // namespace zorbin
