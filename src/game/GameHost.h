// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <cstdint>

namespace brimbal {

// What the game-over dialogs answer, as the platform's modal result codes of Yes and No.
constexpr int KAnswerYes = 6; // a new game
constexpr int KAnswerNo = 7;  // the end

// What the rules need of the window around them, beside the board (IBoardHost). The main window
// implements it; tests fake it.
class IGameHost {
public:
    virtual ~IGameHost() = default;

    // What happened, for the window to tell the player: the rules say no words.
    enum class ENews {
        Marked,   // a group of value tiles is marked
        TooFew,   // the tile clicked has no equal neighbour
        Points,   // a removal gained value points
        Score,    // the score is value now
        Practice, // the game has become a practice game
    };
    virtual void Report(ENews news, std::int32_t value) = 0;
    // Runs the game-over dialogs; KAnswerYes means a new game, anything else the end.
    virtual int GameoverScreen() = 0;
    // Asks the main window to close; returns to the caller.
    virtual void CloseMainWindow() = 0;
    // The local time of day in days since midnight, 0 <= t < 1.
    virtual double TimeOfDay() = 0;
};

} // namespace brimbal
