// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

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

// An option that is on or off, as it is stored.
struct TSwitchOption {
    const char* StoredName;
    bool TOptions::*Member;
};

// The switches in the order in which they are stored, after the mode ("Modus").
inline constexpr TSwitchOption KSwitchOptions[] = {
    {"Sound", &TOptions::Sound},       {"AnzeigeBitmaps", &TOptions::AnzeigeBitmaps},
    {"Shade", &TOptions::Shade},       {"Quick", &TOptions::Quick},
    {"Bubble", &TOptions::Bubble},     {"Animation", &TOptions::Animation},
    {"AltColor", &TOptions::AltColor}, {"Symbole", &TOptions::Symbole},
};
inline constexpr std::size_t KSwitchCount = std::size(KSwitchOptions);

} // namespace brimbal
