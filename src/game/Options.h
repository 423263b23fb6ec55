// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "Translatable.h"

#include <cstdint>
#include <iterator>

namespace brimbal {

// The player's options, with their defaults. The main window holds the one value that counts;
// the rules read the mode, Quick and Animation from it, the drawing the display options.
struct TOptions {
    std::int32_t Modus = 1;      // the game mode; any number may be stored
    bool Sound = false;          // kept, nothing plays
    bool AnzeigeBitmaps = false; // ball images instead of painted circles
    bool Shade = false;          // kept, nothing reads it
    bool Quick = false;          // one click marks and removes
    bool Bubble = false;         // the bubble with the size of the marked group
    bool Animation = false;      // removal leaves the holes in place
    bool AltColor = false;       // the alternative palette
    bool Symbole = false;        // a symbol for its colour on every ball
};

// What switching an option changes on the board at once.
enum class ESwitchEffect {
    None,        // nothing: the rules or the next full redraw read it
    Redraw,      // the board is drawn anew
    NewGeometry, // the board gets a new geometry and is drawn anew
};

// Where a switch's item stands in the menu "&Optionen".
enum class ESwitchMenu {
    None,     // stored, without an item
    Anzeige,  // in its submenu "Anzeige"
    Optionen, // after that submenu
};

// An option that is on or off: how it is stored, its menu item, and what switching it does.
struct TSwitchOption {
    bool TOptions::*Member;
    const char* StoredName;
    ESwitchMenu Menu;
    bool SeparatorBefore;     // a separator above the item
    const char* ActionName;   // the item's object name
    const char* Caption;      // the item's caption, "&" before its accelerator
    const char* Hint;         // the item's hint; empty for none
    bool Enabled;             // whether the menu offers it
    bool TOptions::*GreyedBy; // the option whose being on greys the item out
    ESwitchEffect Effect;
};

// The context in which the translation tools file the table's texts.
inline constexpr char KOptionsContext[] = "Options";

// The switches, each in its one row, in the order of the menu. The mode ("Modus") is stored
// beside them.
inline constexpr TSwitchOption KSwitchOptions[] = {
    {&TOptions::AnzeigeBitmaps, "AnzeigeBitmaps", ESwitchMenu::Anzeige, false,
     "OptionenAnzeigeBitmaps", QT_TRANSLATE_NOOP("Options", "Bitmaps"),
     QT_TRANSLATE_NOOP("Options", "Schöne Bilder für die Kugeln, dafür aber langsamer"), true,
     nullptr, ESwitchEffect::NewGeometry},
    {&TOptions::AltColor, "AltColor", ESwitchMenu::Anzeige, false, "OptionenAltFarben",
     QT_TRANSLATE_NOOP("Options", "Andere &Farben"),
     QT_TRANSLATE_NOOP("Options", "Verwendet andere Farben und Muster"), true,
     &TOptions::AnzeigeBitmaps, ESwitchEffect::Redraw},
    {&TOptions::Symbole, "Symbole", ESwitchMenu::Anzeige, false, "OptionenSymbole",
     QT_TRANSLATE_NOOP("Options", "&Symbole"),
     QT_TRANSLATE_NOOP("Options", "Zeichnet auf jede Kugel ein Zeichen für ihre Farbe"), true,
     nullptr, ESwitchEffect::Redraw},
    {&TOptions::Bubble, "Bubble", ESwitchMenu::Anzeige, true, "OptionenBubble",
     QT_TRANSLATE_NOOP("Options", "&Bubble"), "", true, &TOptions::Quick,
     ESwitchEffect::None}, // shows at the next full redraw
    {&TOptions::Animation, "Animation", ESwitchMenu::Anzeige, false, "OptionenAnzeigeAnimationen",
     QT_TRANSLATE_NOOP("Options", "Animationen"), "", false, nullptr,
     ESwitchEffect::None}, // the next removal follows it
    {&TOptions::Sound, "Sound", ESwitchMenu::Optionen, false, "OptionenSound",
     QT_TRANSLATE_NOOP("Options", "&Sound"),
     QT_TRANSLATE_NOOP("Options", "Nerviger piepsiger Sound"), false, nullptr, ESwitchEffect::None},
    {&TOptions::Quick, "Quick", ESwitchMenu::Optionen, true, "OptionenQuickClick",
     QT_TRANSLATE_NOOP("Options", "&Schnelles Entfernen"),
     QT_TRANSLATE_NOOP("Options", "Markiert nichts mehr, sondern entfernt sofort, falls erlaubt"),
     true, nullptr, ESwitchEffect::None}, // a marked group stays marked
    {&TOptions::Shade, "Shade", ESwitchMenu::None, false, "", "", "", false, nullptr,
     ESwitchEffect::None},
};

} // namespace brimbal
