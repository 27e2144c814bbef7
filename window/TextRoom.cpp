// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/TextRoom.h"

#include "window/CaptionGroup.h"
#include "window/FileList.h"
#include "window/RowHeights.h"

#include <algorithm>
#include <cmath>
#include <QLineEdit>
#include <QMap>

namespace zorbin {

namespace {

// Lists that give up room keep this many rows.
constexpr int leastRowsKept = 2;

// The smallest step in which edges move that keeps them on whole device pixels at `pixelRatio`
// (4 at 1.25), so that no frame loses a line; 1 where there is none.
int pixelStep(qreal pixelRatio) {
    for (int step = 1; step <= 4; ++step) {
        const qreal device = step * pixelRatio;
        if (std::abs(device - std::round(device)) < 0.01)
            return step;
    }
    return 1;
}

int roundedUp(int value, int step) {
    return (value + step - 1) / step * step;
}

int roundedDown(int value, int step) {
    return value / step * step;
}

} // namespace

TextRoom::TextRoom(QWidget* window) : QObject(window), window_(window) {
    QMap<int, QList<QPointer<QWidget>>> byTop;
    const auto children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        // Dialogs parented to the window are windows of their own.
        if (!child->isWindow())
            byTop[child->y()].append(child);
    }
    rows_ = byTop.values();
}

TextRoom::Row TextRoom::measured(const QList<QPointer<QWidget>>& controls) const {
    Row row{controls};
    bool first = true;
    row.gives = true;
    for (const QWidget* control : controls) {
        if (!control)
            continue;
        if (first) {
            row.top = control->y();
            row.height = control->height();
            first = false;
        }
        int need = 0;
        const auto* lines = dynamic_cast<const RowHeights*>(control);
        if (const auto* caption = dynamic_cast<const FittingCaption*>(control))
            need = caption->heightToShowWhole();
        else if (qobject_cast<const QLineEdit*>(control))
            need = control->minimumSizeHint().height();
        else if (lines && qobject_cast<const FileList*>(control))
            need = lines->heightForRows(1);
        if (lines && !qobject_cast<const FileList*>(control))
            row.floor = std::max(row.floor, lines->heightForRows(leastRowsKept));
        else
            row.gives = false;
        row.need = std::max(row.need, need);
    }
    return row;
}

void TextRoom::makeRoom() {
    QList<Row> rows;
    rows.reserve(rows_.size());
    for (const auto& controls : std::as_const(rows_))
        rows.append(measured(controls));

    const int step = pixelStep(window_->devicePixelRatioF());
    QList<int> change(rows.size(), 0);
    const auto spare = [&](qsizetype index) {
        const Row& row = rows.at(index);
        return row.gives ? roundedDown(std::max(row.height + change.at(index) - row.floor, 0), step)
                         : 0;
    };
    for (qsizetype index = 0; index < rows.size(); ++index) {
        int missing = roundedUp(std::max(rows.at(index).need - rows.at(index).height, 0), step);
        // The nearest lists give first, those below before those above at the same distance.
        for (qsizetype distance = 1; missing > 0 && distance < rows.size(); ++distance) {
            for (const qsizetype giver : {index + distance, index - distance}) {
                if (giver < 0 || giver >= rows.size() || missing == 0)
                    continue;
                const int given = std::min(missing, spare(giver));
                change[giver] -= given;
                change[index] += given;
                missing -= given;
            }
        }
    }

    int moved = 0;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const Row& row = rows.at(index);
        if (moved != 0 || change.at(index) != 0) {
            for (QWidget* control : row.controls) {
                if (control)
                    control->setGeometry(control->x(), row.top + moved, control->width(),
                                         row.height + change.at(index));
            }
        }
        moved += change.at(index);
    }
}

} // namespace zorbin
