// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Search.h"

#include "Modes.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <thread>

namespace brimbal {

namespace {

constexpr int KFieldBegin = KGridStride;
constexpr int KFieldEnd = (KFieldColumns + 1) * KGridStride;

constexpr bool IsFieldIndex(int index) {
    return index >= KFieldBegin && index < KFieldEnd && index % KGridStride != KRows;
}

constexpr TSearchCell CellOf(int index) {
    return {std::int8_t(index / KGridStride - 1), std::int8_t(KRows - 1 - index % KGridStride)};
}

// As TGame scores: kept within 32 bits.
std::int32_t AddPoints(std::int32_t total, std::int32_t n) {
    const std::int32_t points = n * (n - 1);
    if (total > std::numeric_limits<std::int32_t>::max() - points) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return total + points;
}

std::uint64_t HashOf(const TSearchBoard& board) {
    std::uint64_t hash = board.Refills * 0x9E3779B97F4A7C15ull;
    for (int offset = KFieldBegin; offset + 8 <= KFieldEnd; offset += 8) {
        std::uint64_t word;
        std::memcpy(&word, board.Grid + offset, sizeof word);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    return hash;
}

constexpr TCells RowMask(int row) {
    TCells mask = 0;
    for (int column = 0; column < KFieldColumns; ++column) {
        mask |= TCells(1) << (column * KRows + row);
    }
    return mask;
}
constexpr TCells KNotBottom = ~RowMask(0);
constexpr TCells KNotTop = ~RowMask(KRows - 1);

// The cells and their neighbours.
inline TCells Spread(TCells cells) {
    return cells | ((cells << 1) & KNotBottom) | ((cells >> 1) & KNotTop) | (cells << KRows) |
           (cells >> KRows);
}

// Without a popcount instruction in the base instruction set the builtin is a library call.
inline std::int32_t CountOf(std::uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555ull;
    bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return std::int32_t((bits * 0x0101010101010101ull) >> 56);
}

inline std::int32_t CountOf(TCells cells) {
    return CountOf(std::uint64_t(cells)) + CountOf(std::uint64_t(cells >> 64));
}

inline int LowestOf(TCells cells) {
    const std::uint64_t low = std::uint64_t(cells);
    return low ? __builtin_ctzll(low) : 64 + __builtin_ctzll(std::uint64_t(cells >> 64));
}

// The group within a colour's cells that holds the seed cells.
inline TCells Grow(TCells seed, TCells colour) {
    for (;;) {
        const TCells next = Spread(seed) & colour;
        if (next == seed) {
            return seed;
        }
        seed = next;
    }
}

// The group at a field cell; no cells for an empty cell or one outside the field.
TCells GroupAt(const TSearchBoard& board, TSearchCell cell) {
    if (!InField(cell.Column, cell.Row)) {
        return 0;
    }
    const std::uint8_t colour = board.Grid[GridIndex(cell.Column, cell.Row)];
    const int bit = cell.Column * KRows + (KRows - 1 - cell.Row);
    return colour == 0 ? 0 : Grow(TCells(1) << bit, board.Colours[colour]);
}

// Sets a column of each colour's cells, one bit a row.
void SetColumnBits(TSearchBoard& board, int column, const std::uint32_t (&words)[KColours + 1]) {
    const TCells keep = ~(TCells((1u << KRows) - 1) << (column * KRows));
    for (int colour = 1; colour <= KColours; ++colour) {
        board.Colours[colour] = (board.Colours[colour] & keep) | TCells(words[colour])
                                                                     << (column * KRows);
    }
}

// Takes a column's cells from the grid into the colours' cells.
void SetColumn(TSearchBoard& board, int column) {
    const std::uint8_t* cells = board.Grid + (column + 1) * KGridStride;
    std::uint32_t words[KColours + 1] = {};
    for (int row = 0; row < KRows; ++row) {
        words[cells[row]] |= 1u << row;
    }
    SetColumnBits(board, column, words);
}

// The tiles of a colour's cells with a neighbour of their colour.
inline TCells Paired(TCells all) {
    return all &
           (((all << 1) & KNotBottom) | ((all >> 1) & KNotTop) | (all << KRows) | (all >> KRows));
}

// The cells of the rows from a row up.
constexpr TCells RowsFrom(int row) {
    return row < KRows ? RowMask(row) | RowsFrom(row + 1) : 0;
}

// In each column, the cells from its lowest cell of a set up.
inline TCells FillUp(TCells cells) {
    cells |= (cells << 1) & RowsFrom(1);
    cells |= (cells << 2) & RowsFrom(2);
    cells |= (cells << 4) & RowsFrom(4);
    return cells | ((cells << 8) & RowsFrom(8));
}

// The bottom cell of each column that holds a cell of a set. Below the top row a column holds
// at most 2^10 - 1; adding that much to it reaches the top row exactly when it holds any cell.
inline TCells ColumnsHolding(TCells cells) {
    constexpr TCells KBelowTop = RowsFrom(0) & ~RowMask(KRows - 1);
    return ((((cells & KBelowTop) + KBelowTop) | cells) & RowMask(KRows - 1)) >> (KRows - 1);
}

// Counts a group into the sums.
inline void AddGroup(TGroupSums& sums, std::int64_t n) {
    ++sums.Count;
    sums.Points += n * (n - 1);
    sums.Grouped += std::int32_t(n);
}

// How promising a board is, in sixteenths of a point: its score, what its groups make now, an
// eighth of what each colour would make if all its tiles came together, and four points off for
// each lone tile. The lone tiles matter most with a preview: a field with few of them goes on
// taking new columns. Width 300 on 100 deals, mode 1 and mode 2: score and groups alone 825 and
// 2590, with the colours and lone tiles 887 and 4460.
std::int64_t Evaluate(const TSearchBoard& board, const TGroupSums& sums) {
    std::int64_t gathered = 0;
    std::int32_t tiles = 0;
    for (int colour = 1; colour <= KColours; ++colour) {
        const std::int64_t n = sums.Colours[colour];
        gathered += n * (n - 1);
        tiles += sums.Colours[colour];
    }
    return 16 * (std::int64_t(board.Total) + sums.Points) + 2 * gathered -
           64 * (tiles - sums.Grouped);
}

} // namespace

TColumnStream::TColumnStream(const std::uint8_t (&previewColumn)[KRows], const TRandom& random)
    : Dealing(true), Random(random), Columns(KRows) {
    for (int row = 0; row < KRows; ++row) {
        Columns[KRows - 1 - row] = previewColumn[row];
    }
}

const std::uint8_t* TColumnStream::Column(std::uint32_t k) const {
    if (!Dealing) {
        return nullptr;
    }
    DealTo(k);
    return Columns.data() + std::size_t(k) * KRows;
}

void TColumnStream::DealTo(std::uint32_t k) const {
    while (Dealing && Columns.size() <= std::size_t(k) * KRows) {
        // As TGame::DealPreview: the top row of the run, then its tiles from the bottom up.
        const std::int32_t top = Random.Random(KRows);
        const std::size_t begin = Columns.size();
        Columns.resize(begin + KRows);
        for (int row = KRows - 1; row >= top; --row) {
            Columns[begin + std::size_t(KRows - 1 - row)] =
                std::uint8_t(Random.Random(KColours) + 1);
        }
    }
}

std::int32_t FindGroups(const TSearchBoard& board, TGroups& groups) {
    const TCells* colours = board.Colours;
    groups.Count = 0;
    groups.Colours[0] = 0;
    for (int colour = 1; colour <= KColours; ++colour) {
        const TCells all = colours[colour];
        groups.Colours[colour] = CountOf(all);
        for (TCells paired = Paired(all); paired != 0;) {
            const int first = LowestOf(paired);
            const TCells group = Grow(TCells(1) << first, all);
            paired &= ~group;
            const int id = ++groups.Count;
            groups.Cells[id] = group;
            groups.Size[id] = std::uint8_t(CountOf(group));
            groups.First[id] = std::uint8_t((first / KRows + 1) * KGridStride + first % KRows);
        }
    }
    return groups.Count;
}

bool TGroupSums::operator==(const TGroupSums& other) const {
    return Count == other.Count && Points == other.Points && Grouped == other.Grouped &&
           std::equal(Colours, Colours + KColours + 1, other.Colours);
}

TGroupSums SumsOf(const TGroups& groups) {
    TGroupSums sums;
    for (int id = 1; id <= groups.Count; ++id) {
        AddGroup(sums, groups.Size[id]);
    }
    std::copy(groups.Colours, groups.Colours + KColours + 1, sums.Colours);
    return sums;
}

TGroupSums ChildSums(const TSearchBoard& board, const TGroups& groups, int id,
                     const TSearchBoard& child) {
    const TCells removed = groups.Cells[id];
    TCells tiles = 0;
    for (int colour = 1; colour <= KColours; ++colour) {
        tiles |= board.Colours[colour];
    }
    // The bottom cells of the columns that closed.
    const TCells closed = ColumnsHolding(removed) & ~ColumnsHolding(tiles & ~removed);
    // How far a column moves: one column right for each that closed to its right.
    std::uint8_t moves[KFieldColumns + 1] = {};
    for (int column = KFieldColumns - 1; column >= 0 && closed != 0; --column) {
        moves[column] = std::uint8_t(moves[column + 1] + (closed >> ((column + 1) * KRows) & 1));
    }
    const int entered = moves[0] + int(closed & 1);
    // A group stays as it was unless it lies in or beside the cells that changed, those from the
    // lowest removed one of each column up; or in column 0, which has a new column at its left
    // once one closed.
    const TCells near =
        Spread(FillUp(removed)) | (closed != 0 ? TCells((1u << KRows) - 1) : TCells(0));
    TGroupSums sums;
    TCells kept = 0;
    for (int other = 1; other <= groups.Count; ++other) {
        const TCells cells = groups.Cells[other];
        if (other == id || (cells & near) != 0) {
            continue;
        }
        kept |= cells << (KRows * moves[LowestOf(cells) / KRows]);
        AddGroup(sums, groups.Size[other]);
    }
    // The tiles of each colour: the board's, less the group, with the columns that entered.
    std::copy(groups.Colours, groups.Colours + KColours + 1, sums.Colours);
    sums.Colours[board.Grid[groups.First[id]]] -= groups.Size[id];
    for (int column = 0; column < entered; ++column) {
        for (int row = 0; row < KRows; ++row) {
            ++sums.Colours[child.Grid[(column + 1) * KGridStride + row]];
        }
    }
    sums.Colours[0] = 0;
    for (int colour = 1; colour <= KColours; ++colour) {
        const TCells all = child.Colours[colour];
        for (TCells paired = Paired(all) & ~kept; paired != 0;) {
            const TCells group = Grow(TCells(1) << LowestOf(paired), all);
            paired &= ~group;
            AddGroup(sums, CountOf(group));
        }
    }
    return sums;
}

std::int32_t RemoveCells(TSearchBoard& board, TCells removed, const TColumnStream& stream) {
    const std::int32_t size = CountOf(removed);
    for (int column = 0; column < KFieldColumns; ++column) {
        const std::uint32_t marks =
            std::uint32_t(removed >> (column * KRows)) & ((1u << KRows) - 1);
        if (marks == 0) {
            continue;
        }
        std::uint8_t* cells = board.Grid + (column + 1) * KGridStride;
        std::uint32_t words[KColours + 1] = {};
        int write = 0;
        for (int row = 0; row < KRows; ++row) {
            const std::uint8_t tile = cells[row];
            if (tile != 0 && (marks >> row & 1) == 0) {
                words[tile] |= 1u << write;
                cells[write++] = tile;
            }
        }
        std::memset(cells + write, 0, std::size_t(KRows - write));
        SetColumnBits(board, column, words);
        if (write == 0) {
            // The columns to the left move one place right; a new one enters at the left.
            std::uint8_t* first = board.Grid + KGridStride;
            std::memmove(first + KGridStride, first, std::size_t(column) * KGridStride);
            const TCells left = (TCells(1) << (column * KRows)) - 1;
            for (int colour = 1; colour <= KColours; ++colour) {
                TCells& bits = board.Colours[colour];
                bits = (bits & ~(left << KRows | left)) | (bits & left) << KRows;
            }
            const std::uint8_t* entering = stream.Column(board.Refills);
            if (entering) {
                std::memcpy(first, entering, KRows);
                ++board.Refills;
            } else {
                std::memset(first, 0, KRows);
            }
            SetColumn(board, 0);
        }
    }
    board.Total = AddPoints(board.Total, size);
    return size;
}

std::int32_t RemoveGroup(TSearchBoard& board, int index, const TColumnStream& stream) {
    const int bit = (index / KGridStride - 1) * KRows + index % KGridStride;
    return RemoveCells(board, Grow(TCells(1) << bit, board.Colours[board.Grid[index]]), stream);
}

TSearchPosition TSearchPosition::FromGame(const TGame& game, const TRandom& random) {
    TSearchPosition position;
    for (int column = 0; column < KFieldColumns; ++column) {
        for (int row = 0; row < KRows; ++row) {
            position.Board.Grid[GridIndex(column, row)] = std::uint8_t(game.Tile(column, row));
        }
    }
    for (int row = 0; row < KRows; ++row) {
        position.RootPreview[row] = std::uint8_t(game.Tile(KPreviewColumn, row));
    }
    for (int column = 0; column < KFieldColumns; ++column) {
        SetColumn(position.Board, column);
    }
    position.Board.Total = game.Total();
    position.Preview = HasPreview(game.Modus());
    if (position.Preview) {
        position.Columns = TColumnStream(position.RootPreview, random);
    }
    return position;
}

std::int32_t TSearchPosition::Tile(int column, int row) const {
    if (row < 0 || row >= KRows) {
        return 0;
    }
    if (InField(column, row)) {
        return Board.Grid[GridIndex(column, row)];
    }
    if (column != KPreviewColumn) {
        return 0;
    }
    if (!Preview) {
        return RootPreview[row];
    }
    return Columns.Column(Board.Refills)[KRows - 1 - row];
}

std::int32_t TSearchPosition::GroupSize(TSearchCell cell) const {
    return CountOf(GroupAt(Board, cell));
}

std::int32_t TSearchPosition::Click(TSearchCell cell) {
    const TCells group = GroupAt(Board, cell);
    return CountOf(group) < 2 ? CountOf(group) : RemoveCells(Board, group, Columns);
}

bool TSearchPosition::GameOver() const {
    TGroups groups;
    return FindGroups(Board, groups) == 0;
}

TSearch::TSearch(const TSearchPosition& position)
    : Root(position.SearchBoard()), Stream(position.Stream()) {}

TSearchResult TSearch::Best() const {
    std::lock_guard<std::mutex> lock(Mutex);
    TSearchResult result = Result;
    result.Positions = Positions.load(std::memory_order_relaxed);
    return result;
}

std::vector<TSearchCell> TSearch::LineTo(std::int32_t level, std::uint32_t board) const {
    std::vector<TSearchCell> line(static_cast<std::size_t>(level));
    for (std::int32_t at = level; at > 0; --at) {
        const std::uint32_t packed = Levels[std::size_t(at)][board];
        line[std::size_t(at - 1)] = CellOf(int(packed & 0xFF));
        board = packed >> 8;
    }
    return line;
}

void TSearch::Keep(std::vector<TSearchCell> line, std::int32_t points) {
    std::lock_guard<std::mutex> lock(Mutex);
    if (!Found || points > Result.Points) {
        Result.Line = std::move(line);
        Result.Points = points;
        Found = true;
    }
}

void TSearch::Offer(std::int32_t level, std::uint32_t parent, std::uint8_t index,
                    std::int32_t total) {
    const std::int32_t points = total - Root.Total;
    {
        std::lock_guard<std::mutex> lock(Mutex);
        if (Found && points <= Result.Points) {
            return;
        }
    }
    // Keep compares again: another thread of the beam may have found a better one meanwhile.
    std::vector<TSearchCell> line = LineTo(level, parent);
    line.push_back(CellOf(index));
    Keep(std::move(line), points);
}

bool TSearch::Expand(std::int32_t level, std::uint32_t begin, std::uint32_t end,
                     const std::atomic<bool>& cancel, TClock::time_point deadline,
                     std::vector<TCandidate>& candidates) {
    TGroups groups;
    for (std::uint32_t parent = begin; parent < end; ++parent) {
        if (cancel.load(std::memory_order_relaxed) || TClock::now() >= deadline) {
            return false;
        }
        const TSearchBoard& board = Beam0[parent];
        FindGroups(board, groups);
        for (int id = 1; id <= groups.Count; ++id) {
            TSearchBoard child = board;
            RemoveCells(child, groups.Cells[id], Stream);
            const TGroupSums sums = ChildSums(board, groups, id, child);
            if (sums.Count == 0) {
                Offer(level, parent, groups.First[id], child.Total);
                continue;
            }
            candidates.push_back({Evaluate(child, sums), HashOf(child), parent, groups.First[id]});
        }
    }
    return true;
}

bool TSearch::Seed(const std::vector<TSearchCell>& line) {
    TSearchBoard board = Root;
    for (const TSearchCell cell : line) {
        const TCells group = GroupAt(board, cell);
        if (CountOf(group) < 2) {
            return false;
        }
        RemoveCells(board, group, Stream);
    }
    TGroups groups;
    if (FindGroups(board, groups) != 0) {
        return false;
    }
    Keep(line, board.Total - Root.Total);
    return true;
}

bool TSearch::Beam(std::int32_t width, const std::atomic<bool>& cancel,
                   TClock::time_point deadline) {
    Beam0.assign(1, Root);
    Levels.resize(1);
    Levels[0].assign(1, 0);
    TGroups groups;
    if (FindGroups(Root, groups) == 0) {
        std::lock_guard<std::mutex> lock(Mutex);
        Found = true;
        return true;
    }
    LevelBytes = 0;
    for (const std::vector<std::uint32_t>& kept : Levels) {
        LevelBytes += kept.capacity() * sizeof(std::uint32_t);
    }
    for (std::int32_t level = 0; !Beam0.empty(); ++level) {
        if (MemoryUse() > MaxMemory) {
            Finish(level);
            return false;
        }
        // Each thread expands a share of the boards and sorts its children, best first.
        const std::uint32_t boards = std::uint32_t(Beam0.size());
        const std::int32_t threads = boards >= KSplitBoards ? Threads : 1;
        if (threads > 1) {
            // The columns this level's removals can take in: one for each field column at most.
            std::uint32_t refills = 0;
            for (const TSearchBoard& board : Beam0) {
                refills = std::max(refills, board.Refills);
            }
            Stream.DealTo(refills + KFieldColumns);
        }
        Shares.resize(std::size_t(threads));
        std::vector<char> done(std::size_t(threads), 0);
        std::vector<std::size_t> sorted(std::size_t(threads), 0);
        const auto expand = [&](std::int32_t share) {
            std::vector<TCandidate>& mine = Shares[std::size_t(share)];
            mine.clear();
            const auto cut = [&](std::int32_t at) {
                return std::uint32_t(std::uint64_t(boards) * std::uint32_t(at) /
                                     std::uint32_t(threads));
            };
            done[std::size_t(share)] =
                Expand(level, cut(share), cut(share + 1), cancel, deadline, mine);
            // A beam takes the best width of them and few more.
            sorted[std::size_t(share)] = SortFront(mine, 0, std::size_t(width), Better);
        };
        std::vector<std::thread> helpers;
        for (std::int32_t share = 1; share < threads; ++share) {
            helpers.emplace_back(expand, share);
        }
        expand(0);
        for (std::thread& helper : helpers) {
            helper.join();
        }
        std::size_t children = 0;
        for (std::int32_t share = 0; share < threads; ++share) {
            if (!done[std::size_t(share)]) {
                Finish(level);
                return false;
            }
            children += Shares[std::size_t(share)].size();
        }
        Positions.fetch_add(children, std::memory_order_relaxed);
        // The best children of all shares, each board once.
        Beam1.clear();
        Beam1.reserve(std::size_t(width));
        if (Levels.size() <= std::size_t(level) + 1) {
            Levels.emplace_back();
        }
        std::vector<std::uint32_t>& next = Levels[std::size_t(level) + 1];
        next.clear();
        LevelBytes -= next.capacity() * sizeof(std::uint32_t);
        next.reserve(std::min<std::size_t>(std::size_t(width), children));
        LevelBytes += next.capacity() * sizeof(std::uint32_t);
        std::size_t slots = 64;
        while (slots < std::size_t(width) * 2) {
            slots *= 2;
        }
        Seen.assign(slots, 0);
        std::vector<std::size_t> heads(std::size_t(threads), 0);
        while (Beam1.size() < std::size_t(width)) {
            // The best of the shares' heads.
            std::size_t from = heads.size();
            for (std::size_t share = 0; share < heads.size(); ++share) {
                if (heads[share] < Shares[share].size() &&
                    (from == heads.size() ||
                     Better(Shares[share][heads[share]], Shares[from][heads[from]]))) {
                    from = share;
                }
            }
            if (from == heads.size()) {
                break;
            }
            const TCandidate& candidate = Shares[from][heads[from]++];
            if (heads[from] == sorted[from]) {
                // Boards met twice were passed over: the next quarter width in order.
                sorted[from] =
                    SortFront(Shares[from], sorted[from], std::size_t(width) / 4 + 1, Better);
            }
            // Open addressing over the hashes taken; 0 marks a free slot.
            const std::uint64_t hash = candidate.Hash | 1;
            std::size_t slot = std::size_t(hash >> 20) & (slots - 1);
            while (Seen[slot] != 0 && Seen[slot] != hash) {
                slot = (slot + 1) & (slots - 1);
            }
            if (Seen[slot] == hash) {
                continue;
            }
            Seen[slot] = hash;
            Beam1.push_back(Beam0[candidate.Parent]);
            RemoveGroup(Beam1.back(), candidate.Index, Stream);
            next.push_back(candidate.Parent << 8 | candidate.Index);
        }
        std::swap(Beam0, Beam1);
    }
    return true;
}

std::size_t TSearch::MemoryUse() const {
    std::size_t bytes = (Beam0.capacity() + Beam1.capacity()) * sizeof(TSearchBoard) +
                        Seen.capacity() * sizeof(std::uint64_t) +
                        Levels.capacity() * sizeof(std::vector<std::uint32_t>) + LevelBytes;
    for (const std::vector<TCandidate>& share : Shares) {
        bytes += share.capacity() * sizeof(TCandidate);
    }
    return bytes;
}

void TSearch::Finish(std::int32_t level) {
    if (Beam0.empty()) {
        return;
    }
    // The line to the best board of the level, which the beams keep first.
    std::vector<TSearchCell> line = LineTo(level, 0);
    // Then the best-looking removal each time, to the end.
    TSearchBoard board = Beam0.front();
    TGroups groups;
    while (FindGroups(board, groups) != 0) {
        std::int64_t bestValue = std::numeric_limits<std::int64_t>::min();
        int best = 1;
        for (int id = 1; id <= groups.Count; ++id) {
            TSearchBoard child = board;
            RemoveCells(child, groups.Cells[id], Stream);
            const TGroupSums sums = ChildSums(board, groups, id, child);
            const std::int64_t value =
                sums.Count == 0 ? 16 * std::int64_t(child.Total) : Evaluate(child, sums);
            if (value > bestValue) {
                bestValue = value;
                best = id;
            }
        }
        RemoveCells(board, groups.Cells[best], Stream);
        line.push_back(CellOf(groups.First[best]));
    }
    Keep(std::move(line), board.Total - Root.Total);
}

TSearchResult TSearch::Run(const std::atomic<bool>& cancel, TClock::time_point deadline) {
    // The greedy line first, whatever the clock says, so that there is always an answer.
    Beam(1, std::atomic<bool>(false), TClock::time_point::max());
    {
        std::lock_guard<std::mutex> lock(Mutex);
        Result.Width = 1;
    }
    for (std::int32_t width = 4;;) {
        const TClock::time_point start = TClock::now();
        if (!Beam(width, cancel, deadline)) {
            break;
        }
        const TClock::time_point end = TClock::now();
        {
            std::lock_guard<std::mutex> lock(Mutex);
            Result.Width = width;
        }
        // Within the memory: it grows with the width; the next line may be half as long again,
        // and a vector that grows holds its old and its new buffer for a moment.
        const double perBoard = 2.5 * double(MemoryUse()) / width;
        const std::int32_t widest =
            std::int32_t(std::min<double>(KMaxWidth, double(MaxMemory) / perBoard));
        if (width >= widest) {
            break;
        }
        std::int32_t next = std::min(4 * width, widest);
        if (deadline != TClock::time_point::max()) {
            // A beam's time grows with its width. While the time left holds many more beams, four
            // times as wide, so that the narrower ones before take a third of the time; then the
            // widest that still ends before the deadline, at least a little wider. Should the
            // deadline cut it off, its best board so far is played to the end.
            const double took = std::chrono::duration<double>(end - start).count();
            const double left = std::chrono::duration<double>(deadline - end).count();
            const double fits = 0.9 * width * left / std::max(took, 1e-6);
            if (fits < 16.0 * width) {
                next = std::int32_t(std::min<double>(widest, std::max(fits, 1.25 * width)));
            }
        }
        width = next;
    }
    return Best();
}

} // namespace brimbal
