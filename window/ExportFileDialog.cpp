// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/ExportFileDialog.h"

#include <algorithm>
#include <iterator>
#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QMimeDatabase>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>
#include <utility>

namespace zorbin {

namespace {

// Room for the window manager's frame and title bar, which are not known before the dialog shows.
constexpr QSize frameAllowance{16, 48};

} // namespace

ExportFileDialog::ExportFileDialog(QWidget* parent) : QFileDialog(parent) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::AnyFile);
}

void ExportFileDialog::showEvent(QShowEvent* event) {
    QFileDialog::showEvent(event);
    // After the first time the size is the user's.
    if (!std::exchange(fitted_, true))
        fitColumns();
}

void ExportFileDialog::fitColumns() {
    auto* files = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!files)
        return;
    QHeaderView* header = files->header();
    const QFontMetrics metrics(files->font());
    const QLocale locale = QLocale::system();
    const int icon = files->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, files);
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char('M'));
    const QMimeDatabase types;
    // The longest each column shows beside an exported list: a long list name, a size in bytes
    // and in KiB, the types of folders and text files, a date and time.
    const QStringList widest[] = {
        {QStringLiteral("current-season-players.txt")},
        {locale.formattedDataSize(1023), locale.formattedDataSize(1023 * 1024 + 1023)},
        {types.mimeTypeForName(QStringLiteral("inode/directory")).comment(),
         types.mimeTypeForName(QStringLiteral("text/plain")).comment()},
        {locale.toString(QDateTime(QDate(2026, 12, 28), QTime(23, 59, 59)), QLocale::ShortFormat)},
    };
    int columns = 0;
    for (int section = 0; section < header->count() && section < int(std::size(widest));
         ++section) {
        int width = header->sectionSizeHint(section);
        for (const QString& text : widest[section])
            width = std::max(width,
                             metrics.horizontalAdvance(text) + padding + (section == 0 ? icon : 0));
        header->resizeSection(section, width);
        columns += width;
    }
    const int scrollBar = files->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                      files->verticalScrollBar());
    const int missing = columns + scrollBar - files->viewport()->width();
    if (missing > 0) {
        // Wider about the same centre, over the window, and on the screen.
        QRect wanted(QPoint(), QSize(width() + missing, height()));
        wanted.moveCenter(geometry().center());
        if (const QScreen* shownOn = screen()) {
            const QRect room = shownOn->availableGeometry().adjusted(
                frameAllowance.width() / 2, frameAllowance.height() - frameAllowance.width() / 2,
                -frameAllowance.width() / 2, -frameAllowance.width() / 2);
            wanted.setSize(wanted.size().boundedTo(room.size()));
            wanted.moveRight(std::min(wanted.right(), room.right()));
            wanted.moveLeft(std::max(wanted.left(), room.left()));
        }
        setGeometry(wanted);
    }
    // On a narrow screen the names give up the room: a name too long shows shortened in its
    // middle, while a size, type or date cut short would say nothing.
    const int stillMissing = columns + scrollBar - files->viewport()->width();
    if (stillMissing > 0) {
        const int leastName = icon + metrics.averageCharWidth() * 12;
        header->resizeSection(0, std::max(leastName, header->sectionSize(0) - stillMissing));
    }
}

} // namespace zorbin
