// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

namespace brimbal {

// What the rules need of the board's view: the paint box implements it; tests fake it.
class IBoardHost {
public:
    virtual ~IBoardHost() = default;

    // Recomputes the board geometry for the current paint box size; marks the board for a redraw.
    virtual void RecalcSpielfeld() = 0;
    // The back buffer must be drawn in full at the next paint.
    virtual void SetNeedsRedraw() = 0;
    // Paints the board at once (synchronously).
    virtual void RepaintSpielfeld() = 0;
    // Draws the outline of the marked group straight into the back buffer.
    virtual void SpielfeldDrawMarkierung() = 0;
};

} // namespace brimbal
