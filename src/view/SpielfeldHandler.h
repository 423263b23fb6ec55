// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BoardGeometry.h"

namespace brimbal {

class TGame;
struct TOptions;

// What the board's paint box tells the window around it, and what it reads of the game: a mouse
// release or a key acted on a cell; the game and the options it draws.
class ISpielfeldHandler {
public:
    virtual ~ISpielfeldHandler() = default;
    // A mouse release over a cell, or a key that acts on one as such a release would; (-1, -1)
    // for none.
    virtual void SpielfeldCellUp(TCell cell) = 0;

    virtual const TGame& Game() const = 0;
    virtual const TOptions& Options() const = 0;
};

} // namespace brimbal
