// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "MoveHistory.h"
#include "Options.h"
#include "Random.h"

#include <cstddef>
#include <cstdint>

namespace brimbal {

class IBoardHost;
class IGameHost;

// Columns 0 to 10 are the playing field; the board keeps one more, column 11, for the preview of
// the modes other than 1.
constexpr int KFieldColumns = 11;
constexpr int KPreviewColumn = KFieldColumns;
constexpr int KColumnsWithPreview = KPreviewColumn + 1;
constexpr int KRows = 11;
constexpr std::int32_t KColours = 5;

// Whether a cell lies in the playing field.
constexpr bool InField(std::int32_t column, std::int32_t row) {
    return column >= 0 && column < KFieldColumns && row >= 0 && row < KRows;
}

// The state of one game and its rules. Everything the player sees of it goes through the board's
// view and the host, one way.
class TGame {
public:
    // The rules read the mode, Quick and Animation from the options as they are at each step.
    TGame(IGameHost& host, IRandom& random, const TOptions& options);
    TGame(IBoardHost& board, IGameHost& host, IRandom& random, const TOptions& options)
        : TGame(host, random, options) {
        Board = &board;
    }
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    // The view that draws the board; until one is given, the board is drawn nowhere.
    void SetBoard(IBoardHost& board) { Board = &board; }

    // Deals a new board in the current mode (with a preview when the mode is above 1).
    void InitGame();
    // Deals a run of 1 to 11 tiles into column 11, from row 10 upward.
    void DealPreview();
    // Marks the group at a cell. Returns its size: 0 for an empty cell, 1 for a lone tile.
    std::int32_t FeldMarkTilesBeginningWith(std::int32_t column, std::int32_t row, bool silent);
    // Drops the selection: no marks, MarkedCount 0, SelectionActive false.
    void DeselectAll();
    // A mouse release over the cell that the hit test found; (-1, -1) for none.
    void SpielfeldMouseUp(std::int32_t column, std::int32_t row);
    // Removes the marked group, lets tiles fall, closes empty columns, scores, tests for game over.
    void RemoveTiles();
    // Lets the tiles of a column fall to the bottom; returns how many it holds.
    std::int32_t DropColumn(std::int32_t column);
    // Refills column 0: empty in mode 1, otherwise the preview column, then a fresh preview.
    void Auffuellen();
    // Scores a removal of n tiles; -1 resets the score for a new game.
    void UpdateScore(std::int32_t n);
    // True when the playing field holds no group of two or more. Clears every mark.
    bool CheckForGameover();

    // Practice. Each removal is kept with the state before and after it, back to the deal:
    // board and preview column, Total, MaxGroup and the random generator's state. A game in
    // which a removal is taken back, or whose deal is played again, is a practice game until the
    // next deal. The three return false, changing nothing, when there is nothing to do or no
    // game runs.

    // Restores the state before the last removal, nothing marked; the clock runs on.
    bool TakeBack();
    // Does the removal taken back last again, as it came the first time.
    bool Redo();
    // The deal of this game again: board, preview and random state, Total 0, a fresh clock.
    bool RestartDeal();
    // Marks the group at a cell as a first click marks it, whatever Quick says, so that the next
    // click on it removes it: a hint, which makes the game a practice game.
    void MarkHint(std::int32_t column, std::int32_t row);
    // Puts this game's deal into another game, running with no points, and its generator where
    // this game's stood after the deal; false, changing nothing, when no game runs.
    bool CopyDealTo(TGame& other) const;
    bool CanTakeBack() const { return FGameRunning && History.CanGoBack(); }
    bool CanRedo() const { return FGameRunning && History.CanGoForward(); }
    bool Practice() const { return FPractice; }
    // The memory that the history holds, in bytes.
    std::size_t HistoryBytes() const { return History.Bytes(); }

    // Board: columns 0 to 11, rows 0 to 10. Outside that, reads give 0 and writes do nothing.
    std::int32_t Tile(int column, int row) const;
    void SetTile(int column, int row, std::int32_t value);
    bool IsMarked(int column, int row) const;

    std::int32_t MarkedCount() const { return FMarkedCount; }
    bool SelectionActive() const { return FSelectionActive; }
    std::int32_t Total() const { return FTotal; }
    std::int32_t MaxGroup() const { return FMaxGroup; }
    bool GameRunning() const { return FGameRunning; }
    double GameStart() const { return FGameStart; }
    std::int32_t Modus() const { return Options.Modus; }
    bool Quick() const { return Options.Quick; }
    bool Animation() const { return Options.Animation; }
    // The state before the first game: no game running, its start at midnight.
    void ResetClock() {
        FGameStart = 0.0;
        FGameRunning = false;
    }

private:
    // What a removal changes, a tile to a byte (the rules deal 1 to 5, the palette knows 1 to 9).
    struct TSnapshot {
        TRandomState RandomState;
        std::int32_t Total;
        std::int32_t MaxGroup;
        std::uint8_t Feld[KColumnsWithPreview][KRows];
    };

    void FloodMark(std::int32_t column, std::int32_t row, std::int32_t value, std::int32_t& count);
    void ClearMarks();
    void ShowScore();
    // The whole board drawn anew at once.
    void Redraw();
    TSnapshot Snapshot() const;
    // Puts a kept state on the board, nothing marked, and repaints it and the score.
    void Restore(const TSnapshot& snapshot);
    // The game becomes a practice game, and panel 0 says so.
    void StartPractice();

    IBoardHost* Board;
    IGameHost& Host;
    IRandom& Rng;
    const TOptions& Options;

    std::int32_t Feld[KColumnsWithPreview][KRows] = {};
    bool Marked[KFieldColumns][KRows] = {};
    std::int32_t FMarkedCount = 0;
    bool FSelectionActive = false;
    std::int32_t FTotal = 0;
    std::int32_t FMaxGroup = 0;
    bool FGameRunning = false;
    double FGameStart = 0.0;
    TMoveHistory<TSnapshot> History{KFieldColumns * KRows};
    bool FPractice = false;
};

} // namespace brimbal
