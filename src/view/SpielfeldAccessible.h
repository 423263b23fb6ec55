// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BoardGeometry.h"

#include <QString>

namespace brimbal {

class TSpielfeld;

// The board as assistive technology (a screen reader) sees it: the paint box is a table named
// "Spielfeld" of the 11 x 11 cells of the field, row 0 at the top and column 0 at the left. Each
// cell is named after its ball and where it is, counted from 1 as people count ("Rot, Spalte 3,
// Zeile 5"; "Leer" for an empty cell; ", markiert" after the ball of a marked cell), and is a
// list item to assistive technology, so that a key reads one cell; the marked cells are selected,
// and the cell under the keyboard cursor has the focus while the board has it. Beside the table, in
// the main window, the preview column is a list named "Vorschau" in the modes that have one.
// Installs the factory that gives the paint box and its window these views; once is enough.
void InstallSpielfeldAccessibility();

// A cell's name: its ball, ", markiert" when it belongs to the marked group, its column and row.
QString CellName(const TSpielfeld& box, TCell cell);
// The preview column from top to bottom, colours only; "Keine Vorschau" without one.
QString PreviewText(const TSpielfeld& box);

} // namespace brimbal
