// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Palette.h"

#include "Game.h"
#include "Options.h"

#include <QCoreApplication>

namespace brimbal {

namespace {

struct TPaletteColour {
    // As the classic desktop writes colours: 0x00BBGGRR, red in the lowest byte.
    std::uint32_t ColorRef;
    const char* Name;
};

constexpr TPaletteColour KNormal[9] = {
    {0x000000FF, QT_TRANSLATE_NOOP("Colours", "Rot")},
    {0x000090FF, QT_TRANSLATE_NOOP("Colours", "Orange")},
    {0x0000FFFF, QT_TRANSLATE_NOOP("Colours", "Gelb")},
    {0x0000D000, QT_TRANSLATE_NOOP("Colours", "Grün")},
    {0x00FFB000, QT_TRANSLATE_NOOP("Colours", "Hellblau")},
    {0x00FF00FF, QT_TRANSLATE_NOOP("Colours", "Magenta")},
    {0x00800080, QT_TRANSLATE_NOOP("Colours", "Violett")},
    {0x00C0C0C0, QT_TRANSLATE_NOOP("Colours", "Silber")},
    {0x00FF0000, QT_TRANSLATE_NOOP("Colours", "Blau")},
};
constexpr TPaletteColour KAlternative[9] = {
    {0x000000FF, QT_TRANSLATE_NOOP("Colours", "Rot")},
    {0x0000FFFF, QT_TRANSLATE_NOOP("Colours", "Gelb")},
    {0x00FFB000, QT_TRANSLATE_NOOP("Colours", "Hellblau")},
    {0x00C0C0C0, QT_TRANSLATE_NOOP("Colours", "Silber")},
    {0x00707070, QT_TRANSLATE_NOOP("Colours", "Dunkelgrau")},
    {0x00800080, QT_TRANSLATE_NOOP("Colours", "Violett")},
    {0x00FF0000, QT_TRANSLATE_NOOP("Colours", "Blau")},
    {0x00008000, QT_TRANSLATE_NOOP("Colours", "Dunkelgrün")},
    {0x000090FF, QT_TRANSLATE_NOOP("Colours", "Orange")},
};
// The ball images, which keep their colours in either palette.
constexpr const char* KBallNames[KColours] = {
    QT_TRANSLATE_NOOP("Colours", "Rot"), QT_TRANSLATE_NOOP("Colours", "Orange"),
    QT_TRANSLATE_NOOP("Colours", "Gelb"), QT_TRANSLATE_NOOP("Colours", "Grün"),
    QT_TRANSLATE_NOOP("Colours", "Blau")};

// The light grey of the lit edge of 3-D elements in the classic desktop colour scheme.
constexpr std::uint32_t KBackground = 0x00E3E3E3;
constexpr std::uint32_t KOutline = 0x00000000;

constexpr QRgb FromColorRef(std::uint32_t bgr) {
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

bool InPalette(std::int32_t value) {
    return value >= 1 && value <= 9;
}

} // namespace

QRgb GetColorForValue(std::int32_t value, bool altColor) {
    if (!InPalette(value)) {
        return FromColorRef(0);
    }
    return FromColorRef((altColor ? KAlternative : KNormal)[value - 1].ColorRef);
}

QRgb BackgroundColor() {
    return FromColorRef(KBackground);
}

QRgb OutlineColor() {
    return FromColorRef(KOutline);
}

QString ColourName(std::int32_t value, const TOptions& options) {
    const char* name = QT_TRANSLATE_NOOP("Colours", "Schwarz");
    if (value <= 0) {
        name = QT_TRANSLATE_NOOP("Colours", "Leer");
    } else if (options.AnzeigeBitmaps && value <= KColours) {
        name = KBallNames[value - 1];
    } else if (InPalette(value)) {
        name = (options.AltColor ? KAlternative : KNormal)[value - 1].Name;
    }
    return QCoreApplication::translate("Colours", name);
}

} // namespace brimbal
