// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// How fast the rules are: dealing, marking, removing with the game-over test, whole games, taking
// removals back; and how much memory the history of a whole game holds.
#include "Game.h"
#include "NullGameHost.h"
#include "Options.h"
#include "Random.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <limits>

using namespace brimbal;

namespace {

// The cell of the largest group on the board, found with silent markings.
std::pair<int, int> LargestGroup(TGame& game) {
    std::pair<int, int> best{0, 0};
    int bestSize = 0;
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            const int size = game.FeldMarkTilesBeginningWith(column, row, true);
            if (size > bestSize) {
                bestSize = size;
                best = {column, row};
            }
        }
    }
    game.DeselectAll();
    return best;
}

void BM_InitGame(benchmark::State& state) {
    TNullGameHost host;
    TRandom rng(1);
    TOptions options;
    options.Modus = 2;
    TGame game(host, rng, options);
    for (auto _ : state) {
        game.InitGame();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_InitGame);

void BM_MarkLargestGroup(benchmark::State& state) {
    TNullGameHost host;
    TRandom rng(2);
    TOptions options;
    TGame game(host, rng, options);
    game.InitGame();
    const auto [column, row] = LargestGroup(game);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.FeldMarkTilesBeginningWith(column, row, false));
    }
}
BENCHMARK(BM_MarkLargestGroup);

void BM_CheckForGameoverFullBoard(benchmark::State& state) {
    TNullGameHost host;
    TRandom rng(3);
    TOptions options;
    TGame game(host, rng, options);
    game.InitGame();
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.CheckForGameover());
    }
}
BENCHMARK(BM_CheckForGameoverFullBoard);

// The worst case: a full board of lone tiles, where every cell must be looked at.
void BM_CheckForGameoverNoGroup(benchmark::State& state) {
    TNullGameHost host;
    TRandom rng(3);
    TOptions options;
    TGame game(host, rng, options);
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            game.SetTile(column, row, 1 + (row + column) % 2);
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.CheckForGameover());
    }
}
BENCHMARK(BM_CheckForGameoverNoGroup);

void BM_RemoveTiles(benchmark::State& state) {
    TNullGameHost host;
    TRandom rng(4);
    TOptions options;
    options.Modus = 2;
    TGame game(host, rng, options);
    for (auto _ : state) {
        state.PauseTiming();
        game.InitGame();
        const auto [column, row] = LargestGroup(game);
        game.FeldMarkTilesBeginningWith(column, row, false);
        state.ResumeTiming();
        game.RemoveTiles();
    }
}
BENCHMARK(BM_RemoveTiles);

// A whole game in mode 1: a seeded player clicks random cells until the game is over.
void BM_RandomGame(benchmark::State& state) {
    TNullGameHost host;
    TRandom rng(5);
    TRandom player(6);
    TOptions options;
    options.Quick = true;
    TGame game(host, rng, options);
    std::int64_t clicks = 0;
    for (auto _ : state) {
        game.InitGame();
        while (game.GameRunning()) {
            game.SpielfeldMouseUp(player.Random(KFieldColumns), player.Random(KRows));
            ++clicks;
        }
    }
    state.counters["clicks/game"] =
        benchmark::Counter(static_cast<double>(clicks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RandomGame);

// Random clicks with Quick on, until the game is over or has had the given number of removals.
// Returns the number of removals.
std::int64_t PlayRandomGame(TGame& game, IRandom& player, std::int64_t removals) {
    std::int64_t done = 0;
    while (game.GameRunning() && done < removals) {
        const std::int32_t total = game.Total();
        game.SpielfeldMouseUp(player.Random(KFieldColumns), player.Random(KRows));
        done += game.Total() != total;
    }
    return done;
}

// Taking the last removal back and doing it again, some removals into a game of mode 2: the
// generator goes back by seeding anew and skipping every value drawn since its seed.
void BM_TakeBackAndRedo(benchmark::State& state) {
    TNullGameHost host;
    TRandom rng(7);
    TRandom player(8);
    TOptions options;
    options.Modus = 2;
    options.Quick = true;
    TGame game(host, rng, options);
    do {
        game.InitGame();
        PlayRandomGame(game, player, state.range(0));
    } while (!game.CanTakeBack());
    for (auto _ : state) {
        game.TakeBack();
        game.Redo();
    }
    state.counters["values drawn"] = static_cast<double>(rng.SaveState());
}
BENCHMARK(BM_TakeBackAndRedo)->Arg(10)->Arg(40);

// The generator's return to a state: its cost grows with the values drawn before it, so this
// is the bound for games far longer than a random player's.
void BM_RandomRestoreState(benchmark::State& state) {
    TRandom rng(11);
    const auto drawn = static_cast<TRandomState>(state.range(0));
    for (auto _ : state) {
        rng.RestoreState(0);
        rng.RestoreState(drawn);
    }
}
BENCHMARK(BM_RandomRestoreState)->Arg(1000)->Arg(10000)->Arg(100000);

// The history of whole games of random clicks, in modes 1 and 2.
void BM_HistoryOfWholeGame(benchmark::State& state) {
    TNullGameHost host;
    TRandom rng(9);
    TRandom player(10);
    TOptions options;
    options.Modus = std::int32_t(state.range(0));
    options.Quick = true;
    TGame game(host, rng, options);
    double bytes = 0;
    double removals = 0;
    double drawn = 0;
    std::size_t largest = 0;
    for (auto _ : state) {
        const TRandomState start = rng.SaveState();
        game.InitGame();
        removals += PlayRandomGame(game, player, std::numeric_limits<std::int64_t>::max());
        drawn += rng.SaveState() - start;
        bytes += game.HistoryBytes();
        largest = std::max(largest, game.HistoryBytes());
    }
    state.counters["removals/game"] =
        benchmark::Counter(removals, benchmark::Counter::kAvgIterations);
    state.counters["values drawn/game"] =
        benchmark::Counter(drawn, benchmark::Counter::kAvgIterations);
    state.counters["bytes/game"] = benchmark::Counter(bytes, benchmark::Counter::kAvgIterations);
    state.counters["largest bytes"] = static_cast<double>(largest);
}
BENCHMARK(BM_HistoryOfWholeGame)->Arg(1)->Arg(2);

} // namespace

BENCHMARK_MAIN();
