// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "UHilist.h"

#include "DateText.h"

#include <utility>

namespace brimbal {

namespace {

constexpr int KSpare = KNoRank;

} // namespace

void TScorelist::Clear() {
    for (int rank = 1; rank <= KScoreRanks; ++rank) {
        Slots[rank].Name.clear();
        Slots[rank].Points = 0;
    }
}

TScoreEntry TScorelist::GetEntry(int rank) const {
    if (rank < 1 || rank > KScoreRanks) {
        return {QStringLiteral("FEHLER!"), QString(), -1, 0};
    }
    return Slots[rank];
}

void TScorelist::AddEntry(const TScoreEntry& entry) {
    Slots[KSpare] = entry;
    if (entry.Name.isEmpty()) {
        Slots[KSpare].Name = QStringLiteral("NAMENLOS");
    }
    if (entry.Date == QLatin1String("*LUCKY*")) {
        Slots[KSpare].Date = DateText(QDateTime::currentDateTime(), QLocale());
    }
    Sort();
}

int TScorelist::GetRank(std::int32_t score) const {
    for (int rank = KScoreRanks; rank >= 1; --rank) {
        if (score <= Slots[rank].Points) {
            return rank + 1;
        }
    }
    return 1;
}

void TScorelist::Sort() {
    for (int i = 1; i <= KSpare - 1; ++i) {
        int best = i;
        for (int j = i + 1; j <= KSpare; ++j) {
            if (Slots[j].Points > Slots[best].Points) {
                best = j;
            }
        }
        if (best != i) {
            std::swap(Slots[i], Slots[best]);
        }
    }
}

} // namespace brimbal
