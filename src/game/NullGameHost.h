// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BoardHost.h"
#include "GameHost.h"

namespace brimbal {

// A board that shows nothing: the rules' board until a view is given to them.
class TNullBoardHost : public IBoardHost {
public:
    void RecalcSpielfeld() override {}
    void SetNeedsRedraw() override {}
    void RepaintSpielfeld() override {}
    void SpielfeldDrawMarkierung() override {}
};

// A host that shows nothing: for running the rules without a window (benchmarks, tools).
// Every game over answers with the end of the game.
class TNullGameHost : public IGameHost {
public:
    void Report(ENews, std::int32_t) override {}
    int GameoverScreen() override { return KAnswerNo; }
    void CloseMainWindow() override {}
    double TimeOfDay() override { return 0.5; }
};

} // namespace brimbal
