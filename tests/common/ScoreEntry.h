// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "ScoreTables.h"

#include <cstdint>

namespace brimbal {

// One entry of a high score table, read in one call.
inline TScoreEntry ReadScore(const TScoreTables& highscore, std::int32_t mode, int rank) {
    TScoreEntry entry;
    highscore.GetScore(mode, rank, entry.Name, entry.Date, entry.Points, entry.MaxGroup);
    return entry;
}

} // namespace brimbal
