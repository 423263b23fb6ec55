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

void AddModeRows() {
    QTest::addColumn<int>("modus");
    QTest::newRow("mode 1") << 1;
    QTest::newRow("mode 2") << 2;
}

// Board and preview, digits and dots, then the score.
template <typename T> QString StateOf(const T& game) {
    QString text;
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KColumnsWithPreview; ++column) {
            text += game.Tile(column, row) ? QChar('0' + game.Tile(column, row)) : QChar('.');
        }
        text += '\n';
    }
    return text + QString::number(game.Total());
}

// A game of the given mode, dealt from a seeded generator.
struct TFixture {
    TNullGameHost Host;
    TRandom Rng;
    TOptions Options;
    TGame Game{Host, Rng, Options};

    TFixture(int modus, std::uint64_t seed) : Rng(seed) {
        Options.Modus = modus;
        Game.InitGame();
    }
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
    // Random lines of play, several games in a row on one board (each deal after the first
    // starts from what the last one left in the preview column): the search's rules and the
    // game's agree after every removal.
    void rulesAgree_data() { AddModeRows(); }
    void rulesAgree() {
        QFETCH(int, modus);
        TRandom player(modus);
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            TFixture f(modus, seed);
            for (int game = 0; game < 5; ++game, f.Game.InitGame()) {
                TSearchPosition position = f.Position();
                while (f.Game.GameRunning()) {
                    QCOMPARE(position.GameOver(), false);
                    TSearchCell cell;
                    do {
                        cell = {std::int8_t(player.Random(KFieldColumns)),
                                std::int8_t(player.Random(KRows))};
                    } while (position.GroupSize(cell) < 2);
                    const int size =
                        f.Game.FeldMarkTilesBeginningWith(cell.Column, cell.Row, false);
                    f.Game.RemoveTiles();
                    QCOMPARE(position.Click(cell), size);
                    QCOMPARE(StateOf(position), StateOf(f.Game));
                }
                QVERIFY(position.GameOver());
            }
        }
    }

    // The line found, clicked on the game, makes the points claimed and ends the game; so does
    // the line of a search seeded with its rest after the first click, and it is no worse.
    void lineScores_data() { AddModeRows(); }
    void lineScores() {
        QFETCH(int, modus);
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            TFixture f(modus, seed);
            TSearch search(f.Position());
            TSearchResult result = search.Run(
                std::atomic<bool>(false), TSearch::TClock::now() + std::chrono::milliseconds(100));
            QVERIFY(result.Width >= 2);
            QVERIFY(f.Play({result.Line.front()}));
            const std::int32_t first = f.Game.Total();
            TSearch next(f.Position());
            QVERIFY(next.Seed({result.Line.begin() + 1, result.Line.end()}));
            const TSearchResult rest = next.Run(std::atomic<bool>(true), {});
            QVERIFY(rest.Points >= result.Points - first);
            QVERIFY(f.Play(rest.Line));
            QCOMPARE(f.Game.Total(), first + rest.Points);
            QVERIFY(!f.Game.GameRunning());
        }
    }

    // Cancelled from another thread, the search stops at once with a whole line.
    void cancel() {
        TFixture f(2, 7);
        TSearch search(f.Position());
        std::atomic<bool> cancel{false};
        bool lineMeanwhile = false;
        std::thread stopper([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            lineMeanwhile = !search.Best().Line.empty();
            cancel = true;
        });
        QElapsedTimer clock;
        clock.start();
        const TSearchResult result = search.Run(cancel, TSearch::TClock::time_point::max());
        stopper.join();
        QVERIFY(lineMeanwhile);
        QVERIFY(clock.elapsed() < 300);
        QVERIFY(f.Play(result.Line));
        QCOMPARE(f.Game.Total(), result.Points);
    }
};

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
