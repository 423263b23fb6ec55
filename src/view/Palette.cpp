// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Palette.h"

namespace brimbal {

namespace {

// Colours as the classic desktop writes them: 0x00BBGGRR, red in the lowest byte.
constexpr std::uint32_t KNormal[9] = {0x000000FF, 0x000090FF, 0x0000FFFF, 0x0000D000, 0x00FFB000,
                                      0x00FF00FF, 0x00800080, 0x00C0C0C0, 0x00FF0000};
constexpr std::uint32_t KAlternative[9] = {0x000000FF, 0x0000FFFF, 0x00FFB000,
                                           0x00C0C0C0, 0x00707070, 0x00800080,
                                           0x00FF0000, 0x00008000, 0x000090FF};

// The light grey of the lit edge of 3-D elements in the classic desktop colour scheme.
constexpr std::uint32_t KBackground = 0x00E3E3E3;

constexpr QRgb FromColorRef(std::uint32_t bgr) {
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

QRgb GetColorForValue(std::int32_t value, bool altColor) {
    if (value < 1 || value > 9) {
        return FromColorRef(0);
    }
    return FromColorRef((altColor ? KAlternative : KNormal)[value - 1]);
}

QRgb BackgroundColor() {
    return FromColorRef(KBackground);
}

} // namespace brimbal
