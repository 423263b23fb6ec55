// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "Modes.h"
#include "UHilist.h"

#include <QString>

#include <array>
#include <cstdint>

namespace brimbal {

// The five high score tables, one per mode: what the game-over flow files, the settings store
// loads and saves, and the high score dialog shows. A mode outside 1 to 5 has no table: it files
// nothing, reads give an empty entry, and a score would rank 11 in it.
class TScoreTables {
public:
    // Starts the five lists afresh, all entries empty.
    void Init() { Lists.fill(TScorelist()); }
    // Clear on each of the five lists.
    void ClearAll() {
        for (TScorelist& list : Lists) {
            list.Clear();
        }
    }
    // Files an entry as TScorelist::AddEntry does.
    void Add(std::int32_t mode, const TScoreEntry& entry) {
        if (FindMode(mode)) {
            Lists[mode - 1].AddEntry(entry);
        }
    }
    // The entry at a rank; an empty one (no name, 0 points) for a mode without a table.
    TScoreEntry GetScore(std::int32_t mode, int rank) const {
        return FindMode(mode) ? Lists[mode - 1].GetEntry(rank) : TScoreEntry();
    }
    int GetRankForScore(std::int32_t mode, std::int32_t score) const {
        return FindMode(mode) ? Lists[mode - 1].GetRank(score) : KNoRank;
    }

private:
    std::array<TScorelist, KModeCount> Lists;
};

} // namespace brimbal
