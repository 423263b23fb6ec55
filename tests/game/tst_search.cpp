// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Game.h"
#include "NullGameHost.h"
#include "Options.h"
#include "Search.h"

#include <QtTest>

#include <thread>

using namespace brimbal;

namespace {

void AddModes() {
    QTest::addColumn<int>("modus");
    QTest::newRow("mode 1") << 1;
    QTest::newRow("mode 2") << 2;
}

// Board and preview as digits and dots, then the score.
template <typename T> QString StateOf(const T& game) {
    QString text;
    for (int row = 0; row < KRows; ++row, text += '\n') {
        for (int column = 0; column < KColumnsWithPreview; ++column) {
            text += QChar(game.Tile(column, row) ? '0' + game.Tile(column, row) : '.');
        }
    }
    return text + QString::number(game.Total());
}

// A game of a mode dealt from a seeded generator.
struct TFixture {
    TNullGameHost Host;
    TRandom Rng;
    TOptions Options;
    TGame Game{Host, Rng, Options};

    TFixture(int modus, std::uint64_t seed) : Rng(seed) { Options.Modus = modus, Game.InitGame(); }
    TSearchPosition Position() const { return TSearchPosition::FromGame(Game, Rng); }
    // Clicks through a line; false when a click removes nothing.
    bool Play(const std::vector<TSearchCell>& line) {
        for (const TSearchCell cell : line) {
            if (Game.FeldMarkTilesBeginningWith(cell.Column, cell.Row, false) < 2) {
                return false;
            }
            Game.RemoveTiles();
        }
        return true;
    }
};

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    // Random play over several games on one board (a deal after the first starts from the
    // preview the last one left): the search's rules and the game's agree after every removal,
    // and the groups after each possible removal, taken over from the board's where the removal
    // left them, are those found afresh.
    void rulesAgree_data() { AddModes(); }
    void rulesAgree() {
        QFETCH(int, modus);
        TRandom player(modus);
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            TFixture f(modus, seed);
            for (int game = 0; game < 5; ++game, f.Game.InitGame()) {
                TSearchPosition position = f.Position();
                while (!position.GameOver()) {
                    const TSearchBoard& board = position.SearchBoard();
                    TGroups groups, childGroups;
                    const int count = FindGroups(board, groups);
                    for (int id = 1; id <= count; ++id) {
                        TSearchBoard child = board;
                        RemoveCells(child, groups.Cells[id], position.Stream());
                        FindGroups(child, childGroups);
                        QVERIFY(ChildSums(board, groups, id, child) == SumsOf(childGroups));
                    }
                    TSearchCell cell{std::int8_t(player.Random(KFieldColumns)),
                                     std::int8_t(player.Random(KRows))};
                    const int size = position.Click(cell);
                    QCOMPARE(f.Play({cell}), size >= 2);
                    QCOMPARE(StateOf(position), StateOf(f.Game));
                }
                QVERIFY(!f.Game.GameRunning());
            }
        }
    }

    // A beam shared out over two threads finds what one thread finds, and its line, clicked on
    // the game, makes the points claimed.
    void threadsAgree_data() { AddModes(); }
    void threadsAgree() {
        QFETCH(int, modus);
        for (std::uint64_t seed = 1; seed <= 2; ++seed) {
            TFixture f(modus, seed);
            std::int32_t points[2] = {};
            std::vector<TSearchCell> line;
            for (const int threads : {1, 2}) {
                TSearch search(f.Position());
                search.UseThreads(threads);
                QVERIFY(
                    search.Beam(300, std::atomic<bool>(false), TSearch::TClock::time_point::max()));
                points[threads - 1] = search.Best().Points;
                line = search.Best().Line;
            }
            QCOMPARE(points[1], points[0]);
            QVERIFY(f.Play(line));
            QCOMPARE(f.Game.Total(), points[1]);
            QVERIFY(!f.Game.GameRunning());
        }
    }

    // Held to a small memory, a search with no deadline still ends, and a beam too wide for it is
    // cut and played to the end: their lines make the points claimed and end the game.
    void memoryBounds_data() { AddModes(); }
    void memoryBounds() {
        QFETCH(int, modus);
        const std::atomic<bool> cancel{false};
        const auto never = TSearch::TClock::time_point::max();
        for (const bool whole : {true, false}) {
            TFixture f(modus, 3);
            TSearch search(f.Position());
            search.LimitMemory(std::size_t(1) << 20);
            if (whole) {
                search.Run(cancel, never);
            } else {
                QVERIFY(!search.Beam(1 << 16, cancel, never));
            }
            QVERIFY(f.Play(search.Best().Line));
            QCOMPARE(f.Game.Total(), search.Best().Points);
            QVERIFY(!f.Game.GameRunning());
        }
    }

    // Ordered a few at a time from the front, with many equal values among them, a list ends as
    // a whole sort orders it, and each step's front holds the best of what was left.
    void sortFrontOrders() {
        TRandom random(7);
        for (int round = 0; round < 200; ++round) {
            std::vector<int> items(std::size_t(random.Random(300)));
            for (int& item : items) {
                item = random.Random(40);
            }
            std::vector<int> sorted = items;
            std::sort(sorted.begin(), sorted.end(), std::greater<>());
            const std::size_t step = std::size_t(random.Random(60) + 1);
            for (std::size_t at = 0; at < items.size();) {
                const std::size_t end = SortFront(items, at, step, std::greater<>());
                QCOMPARE(end, std::min(items.size(), at + step));
                QVERIFY(std::equal(items.begin() + std::ptrdiff_t(at),
                                   items.begin() + std::ptrdiff_t(end),
                                   sorted.begin() + std::ptrdiff_t(at)));
                at = end;
            }
        }
    }

    // Cancelled from another thread, the search stops at once with its best line so far, which
    // clicked on the game makes the points claimed and ends the game; so does a search seeded with
    // the line's rest after its first click, no worse.
    void lineScores_data() { AddModes(); }
    void lineScores() {
        QFETCH(int, modus);
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            TFixture f(modus, seed);
            TSearch search(f.Position());
            std::atomic<bool> cancel{false};
            bool lineMeanwhile = false;
            std::thread stopper([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                lineMeanwhile = !search.Best().Line.empty();
                cancel = true;
            });
            const auto start = TSearch::TClock::now();
            const TSearchResult result = search.Run(cancel, TSearch::TClock::time_point::max());
            stopper.join();
            QVERIFY(TSearch::TClock::now() - start < std::chrono::milliseconds(300));
            QVERIFY(lineMeanwhile && f.Play({result.Line.front()}));
            const std::int32_t first = f.Game.Total();
            TSearch next(f.Position());
            QVERIFY(next.Seed({result.Line.begin() + 1, result.Line.end()}));
            const TSearchResult rest = next.Run(std::atomic<bool>(true), {});
            QVERIFY(rest.Points >= result.Points - first && f.Play(rest.Line));
            QCOMPARE(f.Game.Total(), first + rest.Points);
            QVERIFY(!f.Game.GameRunning());
        }
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
