// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BoardGeometry.h"

#include <QWidget>

namespace brimbal {

class ISpielfeldHandler;

// The paint box of the board. It draws the back buffer through the handler and, on top of it,
// the keyboard cursor: a frame around one cell of the field, which the arrow keys move and Space
// or Return act on as a click would. The cursor shows from the first key press on and hides
// while the mouse is used. Assistive technology sees the box as a table of the field's cells.
class TSpielfeld : public QWidget {
    Q_OBJECT

public:
    explicit TSpielfeld(ISpielfeldHandler& handler, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    ISpielfeldHandler& Handler() const { return FHandler; }
    // The cell under the keyboard cursor, and whether the cursor is shown.
    TCell Cursor() const { return FCursor; }
    bool CursorShown() const { return FCursorShown; }

    // Tell assistive technology what changed on the board: a group was marked; the board was
    // drawn anew (tiles removed, a new game); the game has ended.
    void MarkingChanged();
    void BoardChanged();
    void GameOver();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void MoveCursor(int column, int row);
    void ShowCursor(bool shown);
    void DrawCursor(QPainter& painter) const;
    void AnnounceFocus() const;

    ISpielfeldHandler& FHandler;
    TCell FCursor{0, 0};
    bool FCursorShown = false;
};

} // namespace brimbal
