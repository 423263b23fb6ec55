// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// One click on the real main window, from the mouse release to the repainted paint box; a hint,
// from its key to the marked group.
#include "BenchMain.h"
#include "BoardPicture.h"
#include "Main.h"
#include "Spielfeld.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <vector>

using namespace brimbal;

namespace {

// Columns 0 to 9 of the two top rows hold a group of 20, and a pair of 5s at the bottom right
// keeps the game going after it is removed; the rest are lone tiles.
void LoadBoard(TGame& game) {
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            const bool inGroup = row < 2 && column < 10;
            game.SetTile(column, row, inGroup ? 1 : 2 + (row * 2 + column) % 3);
        }
    }
    game.SetTile(10, 9, 5);
    game.SetTile(10, 10, 5);
}

void Release(TFrmMain& frm, int column, int row) {
    const TBoardGeometry& g = frm.Spielfeld()->Geometry();
    const QPointF at(g.TileX(column) + 5, g.TileY(row) + 5);
    QMouseEvent release(QEvent::MouseButtonRelease, at, frm.Spielfeld()->mapToGlobal(at),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(frm.Spielfeld(), &release);
}

// Marking a group: the outline goes into the back buffer, the paint box is repainted.
void BM_ClickMarksGroup(benchmark::State& state) {
    TFrmMain frm;
    frm.show();
    QApplication::processEvents();
    LoadBoard(frm.Game());
    for (auto _ : state) {
        Release(frm, 0, 0);
        state.PauseTiming();
        frm.Game().DeselectAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickMarksGroup)->Unit(benchmark::kMicrosecond);

// Removing the marked group: gravity, refill, game-over test, a full redraw and the repaint.
void BM_ClickRemovesGroup(benchmark::State& state) {
    TFrmMain frm;
    frm.show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        LoadBoard(frm.Game());
        Release(frm, 0, 0);
        state.ResumeTiming();
        Release(frm, 0, 0);
    }
}
BENCHMARK(BM_ClickRemovesGroup)->Unit(benchmark::kMicrosecond);

// A key that moves the keyboard cursor, from the key event to the repainted paint box: the
// back buffer copied and the cursor drawn over it.
void BM_KeyMovesCursor(benchmark::State& state) {
    TFrmMain frm;
    frm.show();
    QApplication::processEvents();
    frm.Spielfeld()->setFocus();
    bool right = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(frm.Spielfeld(), &press);
        right = !right;
    }
}
BENCHMARK(BM_KeyMovesCursor)->Unit(benchmark::kMicrosecond);

// Start-up: the main window made (settings read from an empty folder, the first game dealt,
// the dialogs made), shown and painted once. Closing it is not timed.
void BM_StartUp(benchmark::State& state) {
    std::optional<TFrmMain> frm;
    for (auto _ : state) {
        frm.emplace();
        frm->show();
        QApplication::processEvents();
        state.PauseTiming();
        frm.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

// Strg+Z after a removal: the key through the window's shortcuts, the state restored, a full
// redraw and the repaint.
void BM_KeyTakesMoveBack(benchmark::State& state) {
    TFrmMain frm;
    frm.show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        LoadBoard(frm.Game());
        Release(frm, 0, 0);
        Release(frm, 0, 0);
        state.ResumeTiming();
        QTest::keyClick(frm.Spielfeld(), Qt::Key_Z, Qt::ControlModifier);
    }
    if (frm.Game().Tile(0, 0) != 1) {
        state.SkipWithError("the removal was not taken back");
    }
}
BENCHMARK(BM_KeyTakesMoveBack)->Unit(benchmark::kMicrosecond);

// A hint in a real window: from Ctrl+T on the board to the marked group, on a fresh deal each
// time, while the window's event loop runs. The median and the worst over all hints.
void BM_HintMarksGroup(benchmark::State& state) {
    TFrmMain frm;
    frm.show();
    QApplication::setActiveWindow(&frm);
    QApplication::processEvents();
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        frm.DateiNeuClick();
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(frm.Spielfeld(), Qt::Key_T, Qt::ControlModifier);
        while (frm.Game().MarkedCount() < 2 && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    if (!ms.empty()) {
        state.counters["median_ms"] = ms[ms.size() / 2];
        state.counters["worst_ms"] = ms.back();
    }
}
BENCHMARK(BM_HintMarksGroup)->Iterations(200)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}
