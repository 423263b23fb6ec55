// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "Modes.h"
#include "UHilist.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace brimbal {

class TScoreTables;
struct TOptions;

// The options and the five high score tables of one window in the settings store. Several
// windows of the game may be open at once: each save first takes in the entries that other
// windows have filed since this one last read or wrote the store, so that no score is lost,
// then writes the options and the tables. The window that saves last sets the options.
class TSettingsStore {
public:
    // The entries of the five tables as the store holds them, rank by rank.
    using TTables = std::array<std::vector<TScoreEntry>, KModeCount>;

    // Reads the options and the tables. Missing values and values of the wrong type take their
    // defaults. False when the store could not be read at all; Where and Problem tell why.
    bool Load(TOptions& options, TScoreTables& highscore);
    // Files the entries that others stored since, then writes the options and all 50 entries.
    // False when the store refused; what it held stays as it was.
    bool Save(const TOptions& options, TScoreTables& highscore);

    const QString& Where() const { return FWhere; }
    const QString& Problem() const { return FProblem; }

private:
    // The tables as the store held them when this window last read or wrote them.
    TTables Known;
    QString FWhere;
    QString FProblem;
};

} // namespace brimbal
