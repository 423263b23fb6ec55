// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "ScoreTables.h"

#include <QString>

#include <cstdint>

namespace brimbal {

// One entry of a high score table, read in one call.
struct TScoreEntry {
    QString Name;
    QString Date;
    std::int32_t Points = 0;
    std::int32_t MaxGroup = 0;
};

inline TScoreEntry ReadScore(const TScoreTables& highscore, std::int32_t mode, int rank) {
    TScoreEntry entry;
    highscore.GetScore(mode, rank, entry.Name, entry.Date, entry.Points, entry.MaxGroup);
    return entry;
}

} // namespace brimbal
