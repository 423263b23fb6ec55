// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DialogLayout.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>
#include <limits>

namespace brimbal {

namespace {

// Controls that may widen to line up with a neighbour: nothing of them is a caption.
bool Stretches(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) ||
           qobject_cast<const QAbstractScrollArea*>(control) ||
           qobject_cast<const QGroupBox*>(control);
}

// The size a control needs at its place: the designed size, or more where it asks for more.
QSize Need(const TPlace& place) {
    const QWidget* control = place.Control;
    const QRect& design = place.Design;
    // A control without a caption asks for nothing but the height of its line: an edit field
    // keeps its designed width, and a table's contents decide its size, which its dialog sets
    // as its minimum.
    QSize hint = control->sizeHint();
    if (qobject_cast<const QAbstractScrollArea*>(control)) {
        hint = QSize(0, 0);
    } else if (Stretches(control)) {
        hint.setWidth(0);
    }
    const QSize least = control->minimumSize();
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label && label->wordWrap() && design.width() > 0) {
        // Wraps within its width; a word longer than the line widens it.
        const QMargins margins = label->contentsMargins();
        const int frame = margins.left() + margins.right() + 2 * label->margin();
        const int line = std::max(design.width(), least.width());
        const QRect text = label->fontMetrics().boundingRect(
            QRect(0, 0, line - frame, std::numeric_limits<int>::max() / 2),
            int(label->alignment()) | Qt::TextWordWrap, label->text());
        const int width = std::max(line, text.width() + frame);
        return {width, std::max(design.height(), label->heightForWidth(width))};
    }
    return {
        std::max({design.width() > 0 ? design.width() : hint.width(), hint.width(), least.width()}),
        std::max({design.height() > 0 ? design.height() : hint.height(), hint.height(),
                  least.height()})};
}

} // namespace

TDialogLayout::TDialogLayout(QSize designSize, std::vector<TPlace> places)
    : FDesignSize(designSize), FPlaces(std::move(places)) {}

QSize TDialogLayout::Apply(int topMinimum) const {
    const std::size_t count = FPlaces.size();
    auto indexOf = [&](const QWidget* control) {
        for (std::size_t i = 0; i < count; ++i) {
            if (FPlaces[i].Control == control) {
                return i;
            }
        }
        return count;
    };

    // Sizes first: what each control needs, level rows for labels, equal widths where asked.
    std::vector<QRect> placed(count);
    for (std::size_t i = 0; i < count; ++i) {
        placed[i].setSize(Need(FPlaces[i]));
    }
    for (std::size_t i = 0; i < count; ++i) {
        const TPlace& place = FPlaces[i];
        if (place.Design.height() == 0 && qobject_cast<const QLabel*>(place.Control)) {
            for (std::size_t j = 0; j < count; ++j) {
                if (FPlaces[j].Design.top() == place.Design.top() &&
                    !qobject_cast<const QLabel*>(FPlaces[j].Control)) {
                    placed[i].setHeight(std::max(placed[i].height(), placed[j].height()));
                }
            }
        }
        if (const std::size_t other = indexOf(place.FSameWidth); other < count) {
            const int width = std::max(placed[i].width(), placed[other].width());
            placed[i].setWidth(width);
            placed[other].setWidth(width);
        }
    }
    // What each control takes up as designed: its designed size, or what it asks for.
    auto designed = [&](std::size_t i) {
        const QRect& design = FPlaces[i].Design;
        return QRect(design.topLeft(),
                     QSize(design.width() > 0 ? design.width() : placed[i].width(),
                           design.height() > 0 ? design.height() : placed[i].height()));
    };

    // Then the places, in the order of the table. Tops are found as if there were no title
    // (kept in "pushed"), then cleared of the title and of the control above.
    std::vector<int> pushed(count);
    for (std::size_t i = 0; i < count; ++i) {
        const TPlace& place = FPlaces[i];
        const QRect design = designed(i);
        QRect& rect = placed[i];
        int x = design.x();
        pushed[i] = design.y();
        int y = std::max(design.y(), topMinimum);
        if (const std::size_t left = indexOf(place.FRightOf); left < i) {
            const int gap = std::max(KMinGapX, design.left() - designed(left).right() - 1);
            x = std::max(x, placed[left].right() + 1 + gap);
        }
        if (const std::size_t above = indexOf(place.FBelow); above < i) {
            const int gap = std::max(KMinGapY, design.top() - designed(above).bottom() - 1);
            pushed[i] = std::max(pushed[i], pushed[above] + placed[above].height() + gap);
            y = std::max({pushed[i], topMinimum, placed[above].bottom() + 1 + KMinGapY});
        }
        if (const std::size_t right = indexOf(place.FLeftOf); right < i) {
            const int gap = std::max(KMinGapX, designed(right).left() - design.right() - 1);
            x = placed[right].left() - gap - rect.width();
        }
        rect.moveTo(x, y);
        if (const std::size_t edge = indexOf(place.FAlignRight); edge < i) {
            QRect& other = placed[edge];
            const int offset = design.right() - designed(edge).right();
            if (rect.right() > other.right() + offset && Stretches(FPlaces[edge].Control)) {
                other.setRight(rect.right() - offset);
            } else if (rect.right() < other.right() + offset && Stretches(place.Control)) {
                rect.setRight(other.right() + offset);
            } else {
                rect.moveRight(other.right() + offset);
            }
        }
    }

    QSize need = FDesignSize;
    int designRight = 0;
    int designBottom = 0;
    int right = 0;
    int bottom = 0;
    for (std::size_t i = 0; i < count; ++i) {
        FPlaces[i].Control->setGeometry(placed[i]);
        designRight = std::max(designRight, designed(i).right() + 1);
        designBottom = std::max(designBottom, designed(i).bottom() + 1);
        right = std::max(right, placed[i].right() + 1);
        bottom = std::max(bottom, placed[i].bottom() + 1);
    }
    need.setWidth(
        std::max(need.width(), right + std::max(KMinMargin, FDesignSize.width() - designRight)));
    need.setHeight(std::max(need.height(),
                            bottom + std::max(KMinMargin, FDesignSize.height() - designBottom)));
    return need;
}

} // namespace brimbal
