// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "Game.h"
#include "Random.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <vector>

namespace brimbal {

// The rules once more, for a search that plays millions of removals: the same board, refills
// and score as TGame, without host, marks or history.

// The field with an empty column at either side and an empty cell above each column, so that
// every neighbour of a field cell can be read without a bounds check. Rows count from the bottom.
constexpr int KGridStride = KRows + 1;
constexpr int KGridSize = (KFieldColumns + 2) * KGridStride;

// The grid index of a field cell; row 0 is the top row, as on the board.
constexpr int GridIndex(int column, int row) {
    return (column + 1) * KGridStride + (KRows - 1 - row);
}

// A cell that a player clicks, in board coordinates.
struct TSearchCell {
    std::int8_t Column = 0;
    std::int8_t Row = 0;
    bool operator==(const TSearchCell& other) const {
        return Column == other.Column && Row == other.Row;
    }
};

// The columns that enter the field at the left, in order: the preview column as it stands, then
// those that a copy of the game's generator deals after it. The k-th refill of a game always
// takes the k-th of them, whatever was removed before, so a board only keeps its count of
// refills. Columns are dealt when first asked for, which only one thread may do at a time:
// before threads share a stream, DealTo deals all that they will read.
class TColumnStream {
public:
    // From a board of a mode without a preview: every refill is empty.
    TColumnStream() = default;
    // previewColumn holds column 11 from the top row down.
    TColumnStream(const std::uint8_t (&previewColumn)[KRows], const TRandom& random);

    // The k-th column to enter, from the bottom row up; nullptr for an empty one.
    const std::uint8_t* Column(std::uint32_t k) const;
    // Deals the columns up to the k-th.
    void DealTo(std::uint32_t k) const;

private:
    bool Dealing = false;
    mutable TRandom Random{0};
    mutable std::vector<std::uint8_t> Columns; // KRows values a column, from the bottom row up
};

// A set of field cells, one bit a cell: bit column * KRows + row, rows counted from the bottom.
__extension__ typedef unsigned __int128 TCells;

// One position: the field, as bytes and as each colour's cells; the score so far and how many
// columns have entered.
struct TSearchBoard {
    std::uint8_t Grid[KGridSize] = {};
    std::int32_t Total = 0;
    std::uint32_t Refills = 0;
    TCells Colours[KColours + 1] = {};
};

// The groups of two or more of a board: each one's cells, size and first grid index; and each
// colour's count of tiles.
struct TGroups {
    static constexpr int KMax = KFieldColumns * KRows / 2;
    std::uint8_t Count = 0;
    std::uint8_t Size[KMax + 1];
    std::uint8_t First[KMax + 1];
    TCells Cells[KMax + 1];
    std::int32_t Colours[KColours + 1];
};

// Finds the groups of a board; returns the number of groups of two or more.
std::int32_t FindGroups(const TSearchBoard& board, TGroups& groups);

// What the evaluation of a board reads of its groups: how many, the points they make now, the
// tiles in them; and each colour's count of tiles.
struct TGroupSums {
    std::int32_t Count = 0;
    std::int64_t Points = 0;
    std::int32_t Grouped = 0;
    std::int32_t Colours[KColours + 1] = {};
    bool operator==(const TGroupSums& other) const;
};
TGroupSums SumsOf(const TGroups& groups);
// The sums of child, the board that removing group id leaves of board, from board's groups:
// the groups away from the cells that changed are the same, only moved with their columns, so
// only the cells near the removal are searched again. Equal to SumsOf of child's groups.
TGroupSums ChildSums(const TSearchBoard& board, const TGroups& groups, int id,
                     const TSearchBoard& child);
// Removes the group at a grid index as TGame::RemoveTiles does: tiles fall, each empty column is
// closed from the left and refilled. Returns the size of the group.
std::int32_t RemoveGroup(TSearchBoard& board, int index, const TColumnStream& stream);
// Removes a group found by FindGroups; returns its size.
std::int32_t RemoveCells(TSearchBoard& board, TCells cells, const TColumnStream& stream);

// A position to search from: a board with the columns still to come.
class TSearchPosition {
public:
    // The game as it stands, with a copy of the generator it deals from (the state after the
    // preview column was dealt).
    static TSearchPosition FromGame(const TGame& game, const TRandom& random);

    // Board coordinates, column 11 the preview; outside, 0.
    std::int32_t Tile(int column, int row) const;
    std::int32_t Total() const { return Board.Total; }
    // The size of the group at a cell: 0 for an empty cell, 1 for a lone tile.
    std::int32_t GroupSize(TSearchCell cell) const;
    // Removes the group at a cell when it holds two or more; returns its size.
    std::int32_t Click(TSearchCell cell);
    bool GameOver() const;

    const TSearchBoard& SearchBoard() const { return Board; }
    const TColumnStream& Stream() const { return Columns; }

private:
    TSearchBoard Board;
    TColumnStream Columns;
    bool Preview = false;
    std::uint8_t RootPreview[KRows] = {}; // column 11 when the mode has no preview
};

// The best line found: the cells to click in turn and the points they make from the position.
struct TSearchResult {
    std::vector<TSearchCell> Line;
    std::int32_t Points = 0;
    std::int32_t Width = 0;      // the widest search that has finished
    std::uint64_t Positions = 0; // the boards looked at so far
};

// Puts the best count of the items from begin in order, the worse after them; returns where
// the order ends. Called again from there, it orders the next ones as a whole sort would have.
template <typename T, typename TBetter>
std::size_t SortFront(std::vector<T>& items, std::size_t begin, std::size_t count, TBetter better) {
    const auto first = items.begin() + std::ptrdiff_t(begin);
    const auto end = first + std::ptrdiff_t(std::min(count, items.size() - begin));
    std::nth_element(first, end, items.end(), better);
    std::sort(first, end, better);
    return std::size_t(end - items.begin());
}

// An anytime search: beam searches of growing width over copies of the position, each a whole
// line to the end of the game; the best line so far is kept. Run it on a worker thread; Best()
// may be asked from any thread meanwhile.
class TSearch {
public:
    using TClock = std::chrono::steady_clock;

    explicit TSearch(const TSearchPosition& position);

    // Starts from a line found earlier that plays from this position to the end of the game,
    // such as the rest of the last hint's; the search keeps it until it finds a better one.
    // Returns false, keeping nothing, when a click of the line removes nothing or the game does
    // not end with it.
    bool Seed(const std::vector<TSearchCell>& line);

    // Searches until cancel is set, the deadline is near or the widest beam has finished; returns
    // the best line. Even when stopped at once it has a line, the greedy one, to the end.
    TSearchResult Run(const std::atomic<bool>& cancel, TClock::time_point deadline);
    TSearchResult Best() const;

    // How many threads a beam's level shares its boards out to, the one that runs it included.
    void UseThreads(std::int32_t threads) { Threads = std::max(1, threads); }

    // One beam search of the given width; false when stopped before its end.
    bool Beam(std::int32_t width, const std::atomic<bool>& cancel, TClock::time_point deadline);

    // The widest beam Run tries; it also keeps the memory below a limit, KMaxMemory unless told.
    static constexpr std::int32_t KMaxWidth = 1 << 17;
    static constexpr std::size_t KMaxMemory = std::size_t(64) << 20;
    void LimitMemory(std::size_t bytes) { MaxMemory = bytes; }

private:
    struct TCandidate {
        std::int64_t Value;
        std::uint64_t Hash;
        std::uint32_t Parent;
        std::uint8_t Index;
    };
    // The order of the beams: higher value first, then by hash, so that equal boards meet.
    static bool Better(const TCandidate& a, const TCandidate& b) {
        return a.Value != b.Value ? a.Value > b.Value : a.Hash < b.Hash;
    }

    // A level narrower than this is not shared out: starting a thread would cost more.
    static constexpr std::uint32_t KSplitBoards = 256;

    // The children of the boards begin to end of a beam's level, evaluated into candidates, and
    // the lines of those that end the game offered; false when stopped.
    bool Expand(std::int32_t level, std::uint32_t begin, std::uint32_t end,
                const std::atomic<bool>& cancel, TClock::time_point deadline,
                std::vector<TCandidate>& candidates);
    // The bytes that the beams hold.
    std::size_t MemoryUse() const;
    // Plays the best board of a beam's level to the end, best-looking removal first, as the
    // line of a beam cut off there; kept when it beats the best.
    void Finish(std::int32_t level);
    // The clicks that lead from the root to a board of a beam's level.
    std::vector<TSearchCell> LineTo(std::int32_t level, std::uint32_t board) const;
    // Keeps a line when it beats the best.
    void Keep(std::vector<TSearchCell> line, std::int32_t points);
    // A line found that ends the game: the move index from a board of a beam's level.
    void Offer(std::int32_t level, std::uint32_t parent, std::uint8_t index, std::int32_t total);

    TSearchBoard Root;
    TColumnStream Stream;
    // Each level of the current beam: its boards' parents and cells, packed.
    std::vector<std::vector<std::uint32_t>> Levels;
    std::vector<TSearchBoard> Beam0, Beam1;
    std::vector<std::vector<TCandidate>> Shares; // the children each thread found, best first
    std::int32_t Threads = 1;
    std::size_t MaxMemory = KMaxMemory;
    std::vector<std::uint64_t> Seen; // the hashes of the boards taken into the next level
    std::size_t LevelBytes = 0;      // what the levels of the current beam hold

    mutable std::mutex Mutex;
    TSearchResult Result;
    bool Found = false;
    std::atomic<std::uint64_t> Positions{0};
};

} // namespace brimbal
