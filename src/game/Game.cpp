// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Game.h"

#include "GameHost.h"
#include "Modes.h"
#include "NullGameHost.h"
#include "Random.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace brimbal {

namespace {

// Points for n removed tiles, kept within 32 bits so a marathon game cannot overflow.
std::int32_t AddPoints(std::int32_t total, std::int32_t points) {
    if (total > std::numeric_limits<std::int32_t>::max() - points) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return total + points;
}

TNullBoardHost NoBoard;

} // namespace

TGame::TGame(IGameHost& host, IRandom& random, const TOptions& options)
    : Board(&NoBoard), Host(host), Rng(random), Options(options) {}

std::int32_t TGame::Tile(int column, int row) const {
    if (column < 0 || column >= KColumnsWithPreview || row < 0 || row >= KRows) {
        return 0;
    }
    return Feld[column][row];
}

void TGame::SetTile(int column, int row, std::int32_t value) {
    if (column >= 0 && column < KColumnsWithPreview && row >= 0 && row < KRows) {
        Feld[column][row] = value;
    }
}

bool TGame::IsMarked(int column, int row) const {
    return InField(column, row) && Marked[column][row];
}

void TGame::ClearMarks() {
    std::memset(Marked, 0, sizeof Marked);
}

void TGame::InitGame() {
    // Row by row from the top, each row from left to right: the order of the random draws.
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            Feld[column][row] = Rng.Random(KColours) + 1;
            Marked[column][row] = false;
        }
    }
    FMarkedCount = 0;
    // A mode number below 1 starts without a preview; its first refill deals one.
    if (Modus() >= 1 && HasPreview(Modus())) {
        DealPreview();
    }
    Board->RecalcSpielfeld();
    Board->RepaintSpielfeld();
    FGameRunning = true;
    FGameStart = Host.TimeOfDay();
    UpdateScore(-1);
    FMaxGroup = 0;
    FPractice = false;
    History.Start(Snapshot());
}

void TGame::DealPreview() {
    const std::int32_t top = Rng.Random(KRows);
    for (int row = KRows - 1; row >= top; --row) {
        Feld[KPreviewColumn][row] = Rng.Random(KColours) + 1;
    }
}

void TGame::FloodMark(std::int32_t column, std::int32_t row, std::int32_t value,
                      std::int32_t& count) {
    if (!InField(column, row) || Feld[column][row] != value || Marked[column][row]) {
        return;
    }
    Marked[column][row] = true;
    ++count;
    FloodMark(column - 1, row, value, count);
    FloodMark(column + 1, row, value, count);
    FloodMark(column, row - 1, value, count);
    FloodMark(column, row + 1, value, count);
}

std::int32_t TGame::FeldMarkTilesBeginningWith(std::int32_t column, std::int32_t row, bool silent) {
    if (!InField(column, row) || Feld[column][row] == 0) {
        return 0;
    }
    ClearMarks();
    std::int32_t count = 0;
    FloodMark(column, row, Feld[column][row], count);
    if (count < 2) {
        DeselectAll();
        if (!silent) {
            Host.Report(IGameHost::ENews::TooFew, 0);
        }
    } else if (!silent) {
        FMarkedCount = count;
        Host.Report(IGameHost::ENews::Marked, count);
        Board->SpielfeldDrawMarkierung();
        Board->RepaintSpielfeld();
    }
    return count;
}

void TGame::DeselectAll() {
    FSelectionActive = false;
    ClearMarks();
    FMarkedCount = 0;
}

void TGame::SpielfeldMouseUp(std::int32_t column, std::int32_t row) {
    if (!InField(column, row) || Feld[column][row] == 0) {
        DeselectAll();
        Redraw();
        return;
    }
    if (!Quick() && FSelectionActive && Marked[column][row]) {
        RemoveTiles();
        FSelectionActive = false;
        return;
    }
    // A lone tile drops an earlier selection without a redraw of its own; redraw here so
    // that the dropped outline does not linger on the board.
    const bool hadOutline = FMarkedCount >= 2;
    if (!Quick()) {
        FSelectionActive = true;
    }
    FeldMarkTilesBeginningWith(column, row, false);
    if (hadOutline && FMarkedCount == 0) {
        Redraw();
    }
    if (Quick()) {
        RemoveTiles(); // the click that marks removes as well
    }
}

void TGame::Redraw() {
    Board->SetNeedsRedraw();
    Board->RepaintSpielfeld();
}

void TGame::RemoveTiles() {
    if (FMarkedCount < 2) {
        return;
    }
    History.BeforeMove(Snapshot());
    std::int32_t removed = 0;
    for (int column = 0; column < KFieldColumns; ++column) {
        for (int row = 0; row < KRows; ++row) {
            if (Marked[column][row]) {
                Feld[column][row] = 0;
                ++removed;
            }
        }
    }
    if (!Animation()) {
        for (int column = 0; column < KFieldColumns; ++column) {
            if (DropColumn(column) == 0) {
                // The columns to the left move one place right and cover the empty one.
                for (int d = column; d >= 1; --d) {
                    std::memcpy(Feld[d], Feld[d - 1], sizeof Feld[d]);
                }
                Auffuellen();
            }
        }
    }
    UpdateScore(removed);
    History.AfterMove(Snapshot());
    if (CheckForGameover()) {
        FGameRunning = false;
        Redraw();
        if (Host.GameoverScreen() == KAnswerYes) {
            InitGame();
            return;
        }
        Host.CloseMainWindow();
    }
    DeselectAll();
    Redraw();
}

std::int32_t TGame::DropColumn(std::int32_t column) {
    if (column < 0 || column >= KFieldColumns) {
        return 0;
    }
    std::int32_t* cells = Feld[column];
    // Compact the tiles downward, keeping their order; the rows above them become empty.
    int write = KRows - 1;
    for (int row = KRows - 1; row >= 0; --row) {
        if (cells[row] != 0) {
            cells[write--] = cells[row];
        }
    }
    const std::int32_t count = KRows - 1 - write;
    for (; write >= 0; --write) {
        cells[write] = 0;
    }
    return count;
}

void TGame::Auffuellen() {
    if (!HasPreview(Modus())) {
        std::memset(Feld[0], 0, sizeof Feld[0]);
        return;
    }
    std::memcpy(Feld[0], Feld[KPreviewColumn], sizeof Feld[0]);
    std::memset(Feld[KPreviewColumn], 0, sizeof Feld[KPreviewColumn]);
    DealPreview();
}

void TGame::UpdateScore(std::int32_t n) {
    if (n == -1) {
        FTotal = 0;
        FMaxGroup = 0;
    } else {
        const std::int32_t points = n * (n - 1);
        if (n > FMaxGroup) {
            FMaxGroup = n;
        }
        FTotal = AddPoints(FTotal, points);
        Host.Report(IGameHost::ENews::Points, points);
    }
    ShowScore();
}

void TGame::ShowScore() {
    Host.Report(IGameHost::ENews::Score, FTotal);
}

bool TGame::CheckForGameover() {
    // Equivalent to marking every cell silently: a group of two or more exists exactly when two
    // neighbouring cells hold the same tile, and a lone tile (which drops the selection) exists
    // when some tile has no equal neighbour.
    bool groupFound = false;
    bool loneFound = false;
    for (int column = 0; column < KFieldColumns && !(groupFound && loneFound); ++column) {
        for (int row = 0; row < KRows; ++row) {
            const std::int32_t value = Feld[column][row];
            if (value == 0) {
                continue;
            }
            const bool paired = (column > 0 && Feld[column - 1][row] == value) ||
                                (column < KFieldColumns - 1 && Feld[column + 1][row] == value) ||
                                (row > 0 && Feld[column][row - 1] == value) ||
                                (row < KRows - 1 && Feld[column][row + 1] == value);
            groupFound = groupFound || paired;
            loneFound = loneFound || !paired;
        }
    }
    if (loneFound) {
        FSelectionActive = false;
    }
    ClearMarks();
    FMarkedCount = 0;
    return !groupFound;
}

TGame::TSnapshot TGame::Snapshot() const {
    TSnapshot snapshot;
    snapshot.RandomState = Rng.SaveState();
    snapshot.Total = FTotal;
    snapshot.MaxGroup = FMaxGroup;
    for (int column = 0; column < KColumnsWithPreview; ++column) {
        std::copy(std::begin(Feld[column]), std::end(Feld[column]), snapshot.Feld[column]);
    }
    return snapshot;
}

void TGame::Restore(const TSnapshot& snapshot) {
    for (int column = 0; column < KColumnsWithPreview; ++column) {
        std::copy(std::begin(snapshot.Feld[column]), std::end(snapshot.Feld[column]), Feld[column]);
    }
    FTotal = snapshot.Total;
    FMaxGroup = snapshot.MaxGroup;
    Rng.RestoreState(snapshot.RandomState);
    DeselectAll();
    Redraw();
    ShowScore();
}

void TGame::StartPractice() {
    FPractice = true;
    Host.Report(IGameHost::ENews::Practice, 0);
}

void TGame::MarkHint(std::int32_t column, std::int32_t row) {
    if (!FGameRunning) {
        return;
    }
    if (!FPractice) {
        StartPractice();
    }
    if (FMarkedCount >= 2) {
        DeselectAll();
        Redraw();
    }
    FSelectionActive = true;
    FeldMarkTilesBeginningWith(column, row, false);
}

bool TGame::CopyDealTo(TGame& other) const {
    if (!FGameRunning) {
        return false;
    }
    const TSnapshot& deal = History.Deal();
    for (int column = 0; column < KColumnsWithPreview; ++column) {
        std::copy(std::begin(deal.Feld[column]), std::end(deal.Feld[column]), other.Feld[column]);
    }
    other.DeselectAll();
    other.FTotal = 0;
    other.FMaxGroup = 0;
    other.FGameRunning = true;
    other.Rng.RestoreState(deal.RandomState);
    return true;
}

bool TGame::TakeBack() {
    if (!CanTakeBack()) {
        return false;
    }
    if (!FPractice) {
        StartPractice();
    }
    Restore(History.Back());
    return true;
}

bool TGame::Redo() {
    if (!CanRedo()) {
        return false;
    }
    Restore(History.Forward());
    return true;
}

bool TGame::RestartDeal() {
    // A running game always has its deal in the history.
    if (!FGameRunning) {
        return false;
    }
    StartPractice(); // a fresh start, so the practice text is said again
    Restore(History.Restart());
    FGameStart = Host.TimeOfDay();
    return true;
}

} // namespace brimbal
