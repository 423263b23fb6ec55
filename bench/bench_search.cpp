// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// How fast the search is, in boards looked at a second on one core; and, with --measure, how
// well it plays: the hint's first move at every move against the largest-group player, and a
// short analysis against a long one.
#include "Game.h"
#include "NullGameHost.h"
#include "Options.h"
#include "Search.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

using namespace brimbal;

namespace {

using TClock = TSearch::TClock;

// A fresh deal of a mode, as the game deals it.
struct TDeal {
    TNullGameHost Host;
    TRandom Rng;
    TOptions Options;
    TGame Game{Host, Rng, Options};

    TDeal(int modus, std::uint64_t seed) : Rng(seed) {
        Options.Modus = modus;
        Game.InitGame();
    }
    TSearchPosition Position() const { return TSearchPosition::FromGame(Game, Rng); }
    void Click(TSearchCell cell) {
        Game.FeldMarkTilesBeginningWith(cell.Column, cell.Row, false);
        Game.RemoveTiles();
    }
};

void BM_FindGroups(benchmark::State& state) {
    const TDeal deal(1, 1);
    const TSearchPosition position = deal.Position();
    TGroups groups;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindGroups(position.SearchBoard(), groups));
    }
}
BENCHMARK(BM_FindGroups);

// One beam search of the given width from a deal.
void BM_Beam(benchmark::State& state) {
    const TDeal deal(std::int32_t(state.range(0)), 1);
    const std::atomic<bool> cancel{false};
    std::uint64_t positions = 0;
    for (auto _ : state) {
        TSearch search(deal.Position());
        search.Beam(std::int32_t(state.range(1)), cancel, TClock::time_point::max());
        positions += search.Best().Positions;
    }
    state.counters["positions/s"] =
        benchmark::Counter(double(positions), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Beam)->ArgsProduct({{1, 2}, {100}})->Unit(benchmark::kMillisecond);

// The total of the player that always removes the largest group.
std::int32_t LargestGroupTotal(int modus, std::uint64_t seed) {
    TDeal deal(modus, seed);
    while (deal.Game.GameRunning()) {
        TSearchCell best;
        std::int32_t bestSize = 0;
        for (int row = 0; row < KRows; ++row) {
            for (int column = 0; column < KFieldColumns; ++column) {
                const std::int32_t size = deal.Game.FeldMarkTilesBeginningWith(column, row, true);
                if (size > bestSize) {
                    bestSize = size;
                    best = {std::int8_t(column), std::int8_t(row)};
                }
            }
        }
        deal.Click(best);
    }
    return deal.Game.Total();
}

// The total of the player that takes the hint's first move, searched for the given time from
// the rest of the last hint's line.
std::int32_t HintTotal(int modus, std::uint64_t seed, std::chrono::milliseconds budget) {
    TDeal deal(modus, seed);
    const std::atomic<bool> cancel{false};
    std::vector<TSearchCell> line;
    while (deal.Game.GameRunning()) {
        TSearch search(deal.Position());
        search.Seed(line);
        line = search.Run(cancel, TClock::now() + budget).Line;
        deal.Click(line.front());
        line.erase(line.begin());
    }
    return deal.Game.Total();
}

// As the analysis searches: on both cores.
std::int32_t AnalysisPoints(int modus, std::uint64_t seed, std::chrono::seconds budget) {
    const TDeal deal(modus, seed);
    TSearch search(deal.Position());
    search.UseThreads(2);
    return search.Run(std::atomic<bool>(false), TClock::now() + budget).Points;
}

// Hint play on hintDeals deals of each mode (modes 1 and 2), two deals at a time, one on each
// core; then analysis of 3 s against 30 s on analysisDeals deals of each, one at a time on both.
int Measure(int hintDeals[2], int analysisDeals) {
    struct TRow {
        int Modus;
        std::uint64_t Seed;
        bool Hint;
        double Mine = 0;  // the hint's total, or the short analysis
        double Their = 0; // the largest-group player's total, or the long analysis
    };
    std::vector<TRow> rows;
    for (const bool hint : {true, false}) {
        for (int modus = 1; modus <= 2; ++modus) {
            for (int seed = 1; seed <= (hint ? hintDeals[modus - 1] : analysisDeals); ++seed) {
                rows.push_back({modus, std::uint64_t(seed), hint});
            }
        }
    }
    std::mutex mutex;
    std::size_t next = 0;
    const auto work = [&] {
        for (;;) {
            std::size_t at;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (next == rows.size() || !rows[next].Hint) {
                    return;
                }
                at = next++;
            }
            TRow& row = rows[at];
            row.Mine = HintTotal(row.Modus, row.Seed, std::chrono::milliseconds(300));
            row.Their = LargestGroupTotal(row.Modus, row.Seed);
            std::lock_guard<std::mutex> lock(mutex);
            std::printf("mode %d deal %2d hint     %6.0f %6.0f\n", row.Modus, int(row.Seed),
                        row.Mine, row.Their);
            std::fflush(stdout);
        }
    };
    std::thread other(work);
    work();
    other.join();
    for (; next < rows.size(); ++next) {
        TRow& row = rows[next];
        row.Mine = AnalysisPoints(row.Modus, row.Seed, std::chrono::seconds(3));
        row.Their = AnalysisPoints(row.Modus, row.Seed, std::chrono::seconds(30));
        std::printf("mode %d deal %2d analysis %6.0f %6.0f\n", row.Modus, int(row.Seed), row.Mine,
                    row.Their);
        std::fflush(stdout);
    }

    bool met = true;
    for (int modus = 1; modus <= 2; ++modus) {
        for (const bool hint : {true, false}) {
            double mine = 0;
            double their = 0;
            int count = 0;
            const TRow* worst = nullptr;
            for (const TRow& row : rows) {
                if (row.Modus == modus && row.Hint == hint) {
                    mine += row.Mine;
                    their += row.Their;
                    ++count;
                    if (!worst || row.Mine * worst->Their < worst->Mine * row.Their) {
                        worst = &row;
                    }
                }
            }
            if (count == 0) {
                continue;
            }
            met = met && mine / their >= (hint ? 2.5 : 0.97);
            std::printf("mode %d, %s, %d deals: %.1f against %.1f, ratio %.3f; worst deal %d: "
                        "%.0f against %.0f\n",
                        modus, hint ? "hint 0.3 s vs largest group" : "analysis 3 s vs 30 s", count,
                        mine / count, their / count, mine / their, int(worst->Seed), worst->Mine,
                        worst->Their);
        }
    }
    return met ? 0 : 1;
}

} // namespace

// bench_search --measure [HINT-DEALS-MODE-1 HINT-DEALS-MODE-2 ANALYSIS-DEALS] measures play;
// anything else goes to Google Benchmark.
int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--measure") == 0) {
        int hintDeals[2] = {argc > 2 ? std::atoi(argv[2]) : 50, argc > 3 ? std::atoi(argv[3]) : 50};
        return Measure(hintDeals, argc > 4 ? std::atoi(argv[4]) : 20);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
