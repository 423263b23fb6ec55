// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "Translatable.h"

#include <cstdint>
#include <iterator>

namespace brimbal {

// A game mode as the player meets it: its menu item, its name in the window's title, the name
// of its high score list, and whether it has a preview column. The texts are German, marked for
// the translation tools; the app shows them translated (TGameWords). Each mode keeps a high score
// list of its own.
struct TMode {
    std::int32_t Number;
    const char* ActionName; // the menu item's object name
    const char* Caption;    // the menu item's caption, "&" before its accelerator
    const char* Hint;       // the menu item's hint; empty for none
    char Key;               // its shortcut: a digit of the main keyboard
    bool Enabled;           // whether the menu offers it
    bool SeparatorBefore;   // a separator above it in the menu
    const char* Title;      // its name in the window's title
    const char* ListName;   // its name in the high score dialog
    bool Preview; // refills the field from a preview column shown in the left margin, not empty
};

// The context in which the translation tools file the table's texts.
inline constexpr char KModesContext[] = "Modes";

inline constexpr TMode KModes[] = {
    {1, "OptionenModusNormal", QT_TRANSLATE_NOOP("Modes", "&Normal"),
     QT_TRANSLATE_NOOP("Modes", "Leere Spalten werden entfernt."), '1', true, false,
     QT_TRANSLATE_NOOP("Modes", "Normal"), QT_TRANSLATE_NOOP("Modes", "Einfach"), false},
    {2, "OptionenModusFortlaufend", QT_TRANSLATE_NOOP("Modes", "&Fortlaufend"),
     QT_TRANSLATE_NOOP("Modes", "Wie Standart, plus: Neue Spalten kommen dazu."), '2', true, false,
     QT_TRANSLATE_NOOP("Modes", "Fortlaufend"), QT_TRANSLATE_NOOP("Modes", "Fortlaufend"), true},
    {3, "OptionenModusTirlan", QT_TRANSLATE_NOOP("Modes", "&Tirlan"),
     QT_TRANSLATE_NOOP("Modes", "???"), '3', false, false, QT_TRANSLATE_NOOP("Modes", "Tirlan"),
     QT_TRANSLATE_NOOP("Modes", "Tirlan"), true},
    {4, "OptionenModusMegaTirlan", QT_TRANSLATE_NOOP("Modes", "&MegaTirlan"),
     QT_TRANSLATE_NOOP("Modes", "???"), '4', false, false, QT_TRANSLATE_NOOP("Modes", "MegaTirlan"),
     QT_TRANSLATE_NOOP("Modes", "MegaTirlan"), true},
    {5, "OptionenModusBricks", QT_TRANSLATE_NOOP("Modes", "Bricks"), "", '5', false, true,
     QT_TRANSLATE_NOOP("Modes", "Bricks"), QT_TRANSLATE_NOOP("Modes", "Bricks"), true},
};
inline constexpr std::int32_t KModeCount = std::int32_t(std::size(KModes));

// The mode with this number; nothing for a number outside 1 to 5, which a stored mode may be.
inline const TMode* FindMode(std::int32_t number) {
    return number >= 1 && number <= KModeCount ? &KModes[number - 1] : nullptr;
}

// Whether the mode refills from a preview column and shows it. A number outside the table, which
// a stored mode may be, does as every mode but 1 does.
inline bool HasPreview(std::int32_t number) {
    const TMode* mode = FindMode(number);
    return mode ? mode->Preview : true;
}

// The mode's name in the window's title.
inline const char* ModeTitle(std::int32_t number) {
    const TMode* mode = FindMode(number);
    return mode ? mode->Title : QT_TRANSLATE_NOOP("Modes", "UNBEKANNTER MODUS");
}

} // namespace brimbal
