// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <string_view>

namespace brimbal {

// What the game-over dialogs answer, as the platform's modal result codes of Yes and No.
constexpr int KAnswerYes = 6; // a new game
constexpr int KAnswerNo = 7;  // the end

// What the rules need of the window around them, beside the board (IBoardHost). The main window
// implements it; tests fake it.
class IGameHost {
public:
    virtual ~IGameHost() = default;

    // Sets the text of status bar panel 0 (messages) or 1 (score). UTF-8.
    virtual void SetStatusText(int panel, std::string_view text) = 0;
    // Runs the game-over dialogs; KAnswerYes means a new game, anything else the end.
    virtual int GameoverScreen() = 0;
    // Asks the main window to close; returns to the caller.
    virtual void CloseMainWindow() = 0;
    // The local time of day in days since midnight, 0 <= t < 1.
    virtual double TimeOfDay() = 0;
};

} // namespace brimbal
