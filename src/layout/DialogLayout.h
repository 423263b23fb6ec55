// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace brimbal {

// One control of a dialog at its designed place, in pixels of its parent's client area, and
// how it stands to the controls placed before it. A width or height of 0 means: as the control
// asks (a label that sizes itself to its caption).
class TPlace {
public:
    TPlace(QWidget* control, int x, int y, int width = 0, int height = 0)
        : Control(control), Design(x, y, width, height) {}

    // Keeps at least its designed distance to the right of that control.
    TPlace& RightOf(QWidget* control) {
        FRightOf = control;
        return *this;
    }
    // Keeps at least its designed distance below that control.
    TPlace& Below(QWidget* control) {
        FBelow = control;
        return *this;
    }
    // Its right edge keeps its designed distance to that control's right edge (none, where
    // both end on one line).
    TPlace& AlignRight(QWidget* control) {
        FAlignRight = control;
        return *this;
    }
    // Its right edge stays at its designed distance to the left of that control, so it grows
    // to the left.
    TPlace& LeftOf(QWidget* control) {
        FLeftOf = control;
        return *this;
    }
    // Both take the width of the wider.
    TPlace& SameWidth(QWidget* control) {
        FSameWidth = control;
        return *this;
    }

    QWidget* Control;
    QRect Design;
    QWidget* FRightOf = nullptr;
    QWidget* FBelow = nullptr;
    QWidget* FAlignRight = nullptr;
    QWidget* FLeftOf = nullptr;
    QWidget* FSameWidth = nullptr;
};

// A dialog's designed layout, kept as data, and the one rule by which it makes room when the
// platform's font needs more than the design gives. Where a control's caption fits its designed
// size, the control keeps its designed place and size unless a control before it had to grow:
// - Every control gets at least its designed size, and more where it asks for more (a caption,
//   the minimum size a dialog sets on a table or a label). A label that wraps its text keeps
//   its width and grows in height, or in width where a word is longer than the line.
// - A label without a designed height takes the height of the controls that start on its row,
//   so that its text stands level with theirs.
// - Positions are minimums: a control moves right or down only to keep its designed distance
//   to the controls it stands right of or below, so what one control grows moves those after
//   it along. One that is anchored on the right (AlignRight, LeftOf) keeps its distance to
//   that edge instead; an edit field, table or group box that is aligned with a control
//   further right widens to it.
// - A group box's title pushes its controls down only as far as they must go to clear it and
//   each other (KMinGapY); that push does not carry the designed distances along.
// - The window (or group box) keeps its designed margins around what it holds, at least
//   KMinMargin.
// Relations name controls that come earlier in the table.
class TDialogLayout {
public:
    TDialogLayout() = default;
    TDialogLayout(QSize designSize, std::vector<TPlace> places);

    // Places the controls; answers the size their parent needs. topMinimum keeps the controls
    // clear of a group box's title.
    QSize Apply(int topMinimum = 0) const;

    QSize DesignSize() const { return FDesignSize; }
    const std::vector<TPlace>& Places() const { return FPlaces; }

    // The least room between controls side by side, and one above the other, where the font
    // eats up the designed distance.
    static constexpr int KMinGapX = 6;
    static constexpr int KMinGapY = 2;
    // The least room between the controls and the right or bottom edge of what holds them.
    static constexpr int KMinMargin = 8;

private:
    QSize FDesignSize;
    std::vector<TPlace> FPlaces;
};

} // namespace brimbal
