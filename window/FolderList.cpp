// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/FolderList.h"

#include "league/FolderListing.h"

#include <algorithm>
#include <optional>
#include <QDir>
#include <QHelpEvent>
#include <QPointer>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolTip>
#include <utility>

namespace zorbin {

namespace {

constexpr int stepIndent = 8;

// Styles such as Fusion draw a standard icon afresh at every call, and each folder change of each
// column shows two: drawn once for the style in use. Kept to the end, after the application, so
// that no icon is ever destroyed without it.
struct DrawnIcon {
    QPointer<const QStyle> style;
    QStyle::StandardPixmap which;
    QIcon icon;
};
QList<DrawnIcon>& drawnIcons() {
    static auto* drawn = new QList<DrawnIcon>;
    return *drawn;
}

std::optional<QIcon> drawnFolderIcon(const QStyle* style, QStyle::StandardPixmap which) {
    for (const DrawnIcon& icon : std::as_const(drawnIcons())) {
        if (icon.style == style && icon.which == which)
            return icon.icon;
    }
    return std::nullopt;
}

QIcon folderIcon(const QStyle* style, QStyle::StandardPixmap which) {
    if (std::optional<QIcon> drawn = drawnFolderIcon(style, which))
        return *drawn;
    drawnIcons().removeIf([](const DrawnIcon& icon) { return icon.style.isNull(); });
    drawnIcons().append({style, which, style->standardIcon(which)});
    return drawnIcons().last().icon;
}

// Shows the chain by indentation alone: each row moves right by its depth.
class IndentingDelegate final : public QStyledItemDelegate {
public:
    explicit IndentingDelegate(FolderList* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

    // A list given a larger icon size for a larger font keeps that size for its rows even where
    // the style's folder icon has no larger picture: the rows grow with the text around them.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (list_->iconSize().isValid() && !option->icon.isNull())
            option->decorationSize = list_->iconSize();
    }

    [[nodiscard]] int indent(const QModelIndex& index) const {
        return list_->indentOf(index.data(FolderList::depthRole).toInt());
    }

private:
    FolderList* list_;
};

} // namespace

FolderList::FolderList(QWidget* parent) : FramedList(parent) {
    setItemDelegate(new IndentingDelegate(this));
    setTextElideMode(Qt::ElideMiddle);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit folderChosen(item->data(pathRole).toString()); });
}

void FolderList::showFolder(const QString& folder, const QStringList& subfolders) {
    setUpdatesEnabled(false);
    clear();
    currentFolder_ = folder;
    // The first time, drawing the icons means reading the style's image files, which takes longer
    // than building the rest of the window: the folders are shown at once, and their icons as
    // soon as the window is up.
    const std::optional<QIcon> openIcon = drawnFolderIcon(style(), QStyle::SP_DirOpenIcon);
    const std::optional<QIcon> closedIcon = drawnFolderIcon(style(), QStyle::SP_DirClosedIcon);
    if ((!openIcon || !closedIcon) && !iconsAwaited_) {
        iconsAwaited_ = true;
        QTimer::singleShot(0, this, &FolderList::drawIcons);
    }

    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& step : FolderListing::ancestorChain(folder)) {
        const QString name = QDir(step).isRoot() ? step : QDir(step).dirName();
        current = new QListWidgetItem(openIcon.value_or(QIcon()), name, this);
        current->setData(pathRole, step);
        current->setData(depthRole, depth++);
        current->setToolTip(step);
    }
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    // Added in one step: a folder may hold thousands of subfolders.
    firstSubfolderRow_ = count();
    addItems(subfolders);
    for (int row = firstSubfolderRow_; row < count(); ++row) {
        QListWidgetItem* subfolder = item(row);
        if (closedIcon)
            subfolder->setIcon(*closedIcon);
        subfolder->setData(pathRole, prefix + subfolder->text());
        subfolder->setData(depthRole, depth);
    }
    deepest_ = subfolders.isEmpty() ? std::max(depth - 1, 0) : depth;
    setCurrentItem(current);
    currentAtTop_ = true;
    revealCurrentFolder();
    setUpdatesEnabled(true);
}

void FolderList::revealCurrentFolder() {
    // Before the list is shown its scroll range is still that of its old rows and size, which
    // clamps the scroll; each later layout (a resize, a new font) may move the row out again.
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !isVisible())
        return;
    const ScrollHint hint = std::exchange(currentAtTop_, false) ? PositionAtTop : EnsureVisible;
    // The layout calls back here, for the scroll range it sets; the row goes where asked after.
    executeDelayedItemsLayout();
    scrollTo(current, hint);
}

void FolderList::updateGeometries() {
    FramedList::updateGeometries();
    revealCurrentFolder();
}

void FolderList::showEvent(QShowEvent* event) {
    FramedList::showEvent(event);
    revealCurrentFolder();
}

void FolderList::drawIcons() {
    iconsAwaited_ = false;
    const QIcon openIcon = folderIcon(style(), QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = folderIcon(style(), QStyle::SP_DirClosedIcon);
    for (int row = 0; row < count(); ++row)
        item(row)->setIcon(row < firstSubfolderRow_ ? openIcon : closedIcon);
}

int FolderList::indentOf(int depth) const {
    // A deep folder, such as a league inside a Steam prefix, would otherwise push its own name out
    // of the narrow list: the steps shrink so that the deepest row moves at most a third across.
    const int room = viewport()->width() / 3;
    const int step = deepest_ > 0 ? std::clamp(room / deepest_, 1, stepIndent) : stepIndent;
    return step * depth;
}

bool FolderList::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // A row whose name is cut tells the whole of it; the chain's rows tell their full path.
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid()) {
            QString tip = index.data(Qt::ToolTipRole).toString();
            if (tip.isEmpty() && nameIsCut(index))
                tip = index.data(Qt::DisplayRole).toString();
            if (!tip.isEmpty()) {
                QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QListWidget::viewportEvent(event);
}

bool FolderList::nameIsCut(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    const QSize needed = itemDelegate()->sizeHint(option, index);
    return option.rect.left() + needed.width() > viewport()->width();
}

QListWidgetItem* FolderList::itemFor(const QString& path) const {
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(pathRole).toString() == path)
            return item(row);
    }
    return nullptr;
}

} // namespace zorbin
