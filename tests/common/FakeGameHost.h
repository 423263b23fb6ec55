// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "BoardHost.h"
#include "GameHost.h"
#include "Random.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace brimbal {

// Records every call of the rules, to the board and to the window, as one line, in order.
class TFakeGameHost : public IBoardHost, public IGameHost {
public:
    QStringList Calls;
    QString Panel0 = "<Hint>";
    QString Panel1;
    int GameoverAnswer = 7;
    double Now = 0.25;
    std::function<void()> DuringGameover;

    void RecalcSpielfeld() override { Calls << "recalc"; }
    void SetNeedsRedraw() override { Calls << "redraw"; }
    void RepaintSpielfeld() override { Calls << "repaint"; }
    void SpielfeldDrawMarkierung() override { Calls << "outline"; }
    // The news as "marked 3", "too few", "points 6", "score 6" or "practice"; the score stands
    // in panel 1, the rest in panel 0.
    void Report(ENews news, std::int32_t value) override {
        static const char* const names[] = {"marked", "too few", "points", "score", "practice"};
        QString t = names[int(news)];
        if (news != ENews::TooFew && news != ENews::Practice) {
            t += ' ' + QString::number(value);
        }
        Calls << t;
        (news == ENews::Score ? Panel1 : Panel0) = t;
    }
    int GameoverScreen() override {
        Calls << "gameover";
        if (DuringGameover) {
            DuringGameover();
        }
        return GameoverAnswer;
    }
    void CloseMainWindow() override { Calls << "close"; }
    double TimeOfDay() override { return Now; }
};

// Hands out given numbers first, then numbers of a seeded generator; remembers each n asked for.
class TScriptedRandom : public IRandom {
public:
    std::deque<std::int32_t> Script;
    std::vector<std::int32_t> Asked;
    TRandom Fallback{12345};

    std::int32_t Random(std::int32_t n) override {
        Asked.push_back(n);
        if (Script.empty()) {
            return Fallback.Random(n);
        }
        const std::int32_t value = Script.front();
        Script.pop_front();
        return value;
    }
    // Nothing goes back: the games that take removals back draw from a TRandom.
    TRandomState SaveState() const override { return 0; }
    void RestoreState(TRandomState) override {}
};

} // namespace brimbal
