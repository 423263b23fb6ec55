// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <Qt>

class QPainter;

namespace brimbal {

// Where the board's paint box sends its paint requests and mouse releases.
class ISpielfeldHandler {
public:
    virtual ~ISpielfeldHandler() = default;
    // Paints the paint box with the painter given, which is open on it.
    virtual void SpielfeldPaint(QPainter& painter) = 0;
    // A mouse button was released at pixel (x, y) of the paint box.
    virtual void SpielfeldMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                  int y) = 0;
};

} // namespace brimbal
