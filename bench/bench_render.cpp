// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// How fast the board is drawn into the back buffer: full redraws and the outline of a group.
#include "BenchMain.h"
#include "BoardGeometry.h"
#include "BoardRenderer.h"
#include "Game.h"
#include "NullGameHost.h"
#include "Random.h"

#include <benchmark/benchmark.h>

using namespace brimbal;

namespace {

// A full board in mode 2 whose top two rows hold a group of 20 tiles in columns 0 to 9.
struct TBoard {
    TNullGameHost Host;
    TRandom Rng{11};
    TOptions Options;
    TGame Game{Host, Rng, Options};

    explicit TBoard(bool markGroup) {
        Options.Modus = 2;
        Game.InitGame();
        for (int row = 0; row < KRows; ++row) {
            for (int column = 0; column < KFieldColumns; ++column) {
                const bool inGroup = row < 2 && column < 10;
                Game.SetTile(column, row, inGroup ? 1 : 2 + (row + column) % 4);
            }
        }
        if (markGroup) {
            Game.SpielfeldMouseUp(0, 0);
        }
    }
};

// The full redraw of a paint box of w x h pixels on a screen with `ratio`/100 device pixels per
// pixel, with ball images or ellipses, with or without the symbols on the balls.
void BM_SpielfeldDraw(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    TOptions options;
    options.AnzeigeBitmaps = state.range(2) != 0;
    options.Bubble = true;
    options.Symbole = state.range(4) != 0;
    TBoard board(true);
    TBoardGeometry geometry;
    geometry.RecalcSpielfeld(width, height, options.AnzeigeBitmaps);
    TBoardRenderer renderer;
    renderer.SetSize(width, height, static_cast<qreal>(state.range(3)) / 100.0);
    for (auto _ : state) {
        renderer.SpielfeldDraw(board.Game, geometry, options);
        benchmark::DoNotOptimize(renderer.BackBuffer().constBits());
    }
}
BENCHMARK(BM_SpielfeldDraw)
    ->ArgNames({"w", "h", "balls", "ratio", "symbols"})
    ->Args({637, 485, 0, 100, 0})
    ->Args({637, 485, 0, 100, 1})
    ->Args({637, 485, 1, 100, 0})
    ->Args({637, 485, 1, 100, 1})
    ->Args({1920, 1080, 0, 100, 0})
    ->Args({1920, 1080, 0, 100, 1})
    ->Args({1920, 1080, 1, 100, 0})
    ->Args({1920, 1080, 1, 100, 1})
    ->Args({3840, 2160, 0, 100, 0})
    ->Args({3840, 2160, 1, 100, 0})
    ->Args({637, 485, 0, 200, 0})
    ->Args({637, 485, 0, 200, 1})
    ->Args({637, 485, 1, 200, 0})
    ->Args({637, 485, 1, 200, 1})
    ->Args({1920, 1080, 0, 200, 0})
    ->Args({1920, 1080, 0, 200, 1})
    ->Args({637, 485, 0, 150, 0})
    ->Args({637, 485, 1, 150, 0})
    ->Args({637, 485, 1, 125, 0})
    ->Args({637, 485, 1, 300, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_SpielfeldDrawMarkierung(benchmark::State& state) {
    TBoard board(true);
    TBoardGeometry geometry;
    geometry.RecalcSpielfeld(637, 485, false);
    TBoardRenderer renderer;
    renderer.SetSize(637, 485, static_cast<qreal>(state.range(0)) / 100.0);
    renderer.SpielfeldDraw(board.Game, geometry, TOptions());
    for (auto _ : state) {
        renderer.SpielfeldDrawMarkierung(board.Game, geometry);
        benchmark::DoNotOptimize(renderer.BackBuffer().constBits());
    }
}
BENCHMARK(BM_SpielfeldDrawMarkierung)
    ->ArgName("ratio")
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}
