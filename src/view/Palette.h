// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QRgb>
#include <QString>

#include <cstdint>

namespace brimbal {

struct TOptions;

// The colour of a tile value, in the normal or the alternative palette; black outside 1 to 9.
QRgb GetColorForValue(std::int32_t value, bool altColor);

// The board's background, also the colour that erases outline lines.
QRgb BackgroundColor();

// The black of the outlines of tiles and of the marked group, of the bubble's number and of the
// keyboard cursor's frame.
QRgb OutlineColor();

// The colour of a tile value as a player would name it on the board as the options show it: the
// ball images' colours, or those of the palette; "Leer" for an empty cell.
QString ColourName(std::int32_t value, const TOptions& options);

} // namespace brimbal
