// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BoardGeometry.h"
#include "BoardHost.h"
#include "BoardRenderer.h"

#include <QWidget>

namespace brimbal {

class TGame;
struct TOptions;

// The paint box of the board, which owns the board's view: the geometry for its size, the
// renderer with the back buffer, and whether the back buffer needs a full redraw. It copies the
// back buffer to the screen and draws the keyboard cursor on top of it: a frame around one cell
// of the field, which the arrow keys move and Space or Return act on as a click would. The cursor
// shows from the first key press on and hides while the mouse is used. A mouse release or such a
// key plays the cell it acts on in the game, which then tells the box what to draw; CellActed
// follows; the keys I and V ask for the position and the preview in words. Assistive technology
// sees the box as a table of the field's cells.
class TSpielfeld : public QWidget, public IBoardHost {
    Q_OBJECT

public:
    // The box draws this game with these options, and becomes the game's board.
    TSpielfeld(TGame& game, const TOptions& options, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    const TGame& Game() const { return FGame; }
    const TOptions& Options() const { return FOptions; }
    const TBoardGeometry& Geometry() const { return FGeometry; }
    const QImage& BackBuffer() const { return Renderer.BackBuffer(); }
    // Where the last full redraw put the bubble, which the frame leaves uncovered.
    QRect BubbleBox() const { return Renderer.BubbleBox(); }
    bool NeedsRedraw() const { return FNeedsRedraw; }
    // The cell under the keyboard cursor, and whether the cursor is shown.
    TCell Cursor() const { return FCursor; }
    bool CursorShown() const { return FCursorShown; }
    // Moves the keyboard's frame to a cell and shows it.
    void SetCursor(TCell cell) { MoveCursor(cell.Column, cell.Row); }
    // The box of a cell and the circle of a row's preview ball, in pixels of the paint box.
    QRect CellRect(TCell cell) const;
    QRect PreviewRect(int row) const;

    // What the game tells the board. RecalcSpielfeld recomputes the geometry for the current size
    // and options; SetNeedsRedraw asks for a full redraw at the next paint; RepaintSpielfeld
    // paints at once; SpielfeldDrawMarkierung draws the outline of the marked group into the back
    // buffer.
    void RecalcSpielfeld() override;
    void SetNeedsRedraw() override { FNeedsRedraw = true; }
    void RepaintSpielfeld() override;
    void SpielfeldDrawMarkierung() override;
    // What the window tells the board: an option was switched.
    void OptionChanged(ESwitchEffect effect);
    // The game has ended: told to assistive technology.
    void GameOver();

signals:
    // A mouse release or a key has acted on a cell, (-1, -1) for none, and the game has played
    // it.
    void CellActed(brimbal::TCell cell);
    // The key I asks for the position in words (score, balls left), V for the preview column.
    void PositionAsked();
    void PreviewAsked();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The back buffer and the geometry for the current size and device pixel ratio.
    void SizeChanged();
    void MoveCursor(int column, int row);
    void ShowCursor(bool shown);
    void DrawCursor(QPainter& painter) const;
    void AnnounceFocus() const;
    // Tell assistive technology what changed on the board: a group was marked; the board was
    // drawn anew (tiles removed, a new game).
    void MarkingChanged();
    void BoardChanged();
    // Plays a click on the cell in the game.
    void ActOn(TCell cell);

    TGame& FGame;
    const TOptions& FOptions;
    TBoardGeometry FGeometry;
    TBoardRenderer Renderer;
    bool FNeedsRedraw = true;
    TCell FCursor{0, 0};
    bool FCursorShown = false;
};

} // namespace brimbal
