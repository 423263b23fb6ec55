// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QRgb>

#include <cstdint>

namespace brimbal {

// The colour of a tile value, in the normal or the alternative palette; black outside 1 to 9.
QRgb GetColorForValue(std::int32_t value, bool altColor);

// The board's background, also the colour that erases outline lines.
QRgb BackgroundColor();

} // namespace brimbal
