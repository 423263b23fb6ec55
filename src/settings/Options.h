// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <cstdint>

namespace brimbal {

// The player's options as they are stored, with their defaults.
struct TOptions {
    std::int32_t Modus = 1;
    bool Sound = false;
    bool AnzeigeBitmaps = false;
    bool Shade = false;
    bool Quick = false;
    bool Bubble = false;
    bool Animation = false;
    bool AltColor = false;
};

} // namespace brimbal
