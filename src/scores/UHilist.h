// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace brimbal {

// Ranks 1 to 10 make the table; a score that would rank 11 does not enter it.
constexpr int KScoreRanks = 10;
constexpr int KNoRank = KScoreRanks + 1;

// One entry of a table, as the table and the settings store hold it.
struct TScoreEntry {
    QString Name;
    QString Date;
    std::int32_t Points = 0;
    std::int32_t MaxGroup = 0;
    bool operator==(const TScoreEntry& other) const {
        return Name == other.Name && Date == other.Date && Points == other.Points &&
               MaxGroup == other.MaxGroup;
    }
};

// The high score table of one game mode, sorted by points, highest first. A new entry is written
// into the spare slot 11 and sorted in; whatever ends in slot 11 has dropped out of the table.
class TScorelist {
public:
    // Ranks 1 to 10: empty names and 0 points. Dates, largest groups and slot 11 stay.
    void Clear();
    // The entry at a rank of 1 to 10. Any other rank gives the name "FEHLER!" and -1 points.
    TScoreEntry GetEntry(int rank) const;
    // Files an entry: an empty name becomes "NAMENLOS", the date "*LUCKY*" becomes the current
    // date and time. An entry below the tenth stays in slot 11.
    void AddEntry(const TScoreEntry& entry);
    // The rank 1 to 11 that an entry with this score would take now. Equal points rank below.
    int GetRank(std::int32_t score) const;
    // Selection sort of slots 1 to 11 by points, highest first. Not stable: equal points below
    // a moved entry come out rotated, and AddEntry's results depend on exactly that.
    void Sort();

private:
    // Slots 1 to 11, indexed like the ranks; element 0 is never used.
    std::array<TScoreEntry, KScoreRanks + 2> Slots;
};

} // namespace brimbal
