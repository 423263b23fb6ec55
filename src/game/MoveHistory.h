// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <cstddef>
#include <vector>

namespace brimbal {

// The states of one game, TSnapshot being what a removal changes: the deal, then one after each
// removal, and which of them is on the board. A removal made after moves were taken back drops
// the ones that came after it.
template <typename TSnapshot> class TMoveHistory {
public:
    // Room for every removal of a game that brings no new tiles: each takes two tiles or more.
    explicit TMoveHistory(std::size_t tiles) { States.reserve(tiles / 2 + 1); }

    // A new deal: the history holds it alone.
    void Start(const TSnapshot& deal) {
        States.assign(1, deal);
        Position = 0;
    }
    // Around a removal: the state before it (which replaces the one kept for the board now, so
    // that what the board holds is what comes back) and the state after it.
    void BeforeMove(const TSnapshot& now) {
        States.resize(Position + 1);
        States[Position] = now;
    }
    void AfterMove(const TSnapshot& now) {
        States.push_back(now);
        ++Position;
    }

    bool CanGoBack() const { return Position > 0; }
    bool CanGoForward() const { return Position + 1 < States.size(); }
    // One removal back or forward; the state to restore.
    const TSnapshot& Back() { return States[--Position]; }
    const TSnapshot& Forward() { return States[++Position]; }
    // The deal again, the history then holding it alone.
    const TSnapshot& Restart() {
        States.resize(1);
        Position = 0;
        return States[0];
    }

    // The memory held, in bytes.
    // The state at the deal.
    const TSnapshot& Deal() const { return States.front(); }
    std::size_t Bytes() const { return States.capacity() * sizeof(TSnapshot); }

private:
    std::vector<TSnapshot> States;
    std::size_t Position = 0;
};

} // namespace brimbal
