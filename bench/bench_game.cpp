// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// How fast the rules are: dealing, marking, removing with the game-over test, whole games.
#include "Game.h"
#include "NullGameHost.h"
#include "Options.h"
#include "Random.h"

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK_MAIN();
