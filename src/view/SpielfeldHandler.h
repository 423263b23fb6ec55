// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BoardGeometry.h"

#include <QRect>
#include <Qt>

class QPainter;

namespace brimbal {

class TGame;
struct TOptions;

// Where the board's paint box sends its paint requests, mouse releases and the keys that act on
// a cell, and what it reads of the board for its keyboard cursor and for assistive technology.
class ISpielfeldHandler {
public:
    virtual ~ISpielfeldHandler() = default;
    // Paints the paint box with the painter given, which is open on it.
    virtual void SpielfeldPaint(QPainter& painter) = 0;
    // A mouse button was released at pixel (x, y) of the paint box.
    virtual void SpielfeldMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                  int y) = 0;
    // A key acts on a cell as a mouse release over it would; (-1, -1) for none.
    virtual void SpielfeldCellUp(TCell cell) = 0;

    virtual const TGame& Game() const = 0;
    virtual const TOptions& Options() const = 0;
    virtual const TBoardGeometry& Geometry() const = 0;
    // Where the painted board shows the bubble with the group's size, which the keyboard cursor
    // leaves uncovered; empty for none.
    virtual QRect BubbleBox() const { return {}; }
};

} // namespace brimbal
