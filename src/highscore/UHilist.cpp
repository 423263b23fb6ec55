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

void TScorelist::GetEntry(int rank, QString& name, QString& date, std::int32_t& points,
                          std::int32_t& maxGroup) const {
    if (rank < 1 || rank > KScoreRanks) {
        name = QStringLiteral("FEHLER!");
        points = -1;
        return;
    }
    name = Slots[rank].Name;
    date = Slots[rank].Date;
    points = Slots[rank].Points;
    maxGroup = Slots[rank].MaxGroup;
}

void TScorelist::AddEntry(const QString& name, const QString& date, std::int32_t points,
                          std::int32_t maxGroup) {
    Slots[KSpare] = {
        name.isEmpty() ? QStringLiteral("NAMENLOS") : name,
        date == QLatin1String("*LUCKY*") ? DateText(QDateTime::currentDateTime(), QLocale()) : date,
        points, maxGroup};
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
