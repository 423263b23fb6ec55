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
        Names[rank].clear();
        Points[rank] = 0;
    }
}

void TScorelist::GetEntry(int rank, QString& name, QString& date, std::int32_t& points,
                          std::int32_t& maxGroup) const {
    if (rank < 1 || rank > KScoreRanks) {
        name = QStringLiteral("FEHLER!");
        points = -1;
        return;
    }
    name = Names[rank];
    date = Dates[rank];
    points = Points[rank];
    maxGroup = MaxGroups[rank];
}

void TScorelist::AddEntry(const QString& name, const QString& date, std::int32_t points,
                          std::int32_t maxGroup) {
    Names[KSpare] = name.isEmpty() ? QStringLiteral("NAMENLOS") : name;
    if (date == QLatin1String("*LUCKY*")) {
        Dates[KSpare] = DateText(QDateTime::currentDateTime(), QLocale());
    } else {
        Dates[KSpare] = date;
    }
    Points[KSpare] = points;
    MaxGroups[KSpare] = maxGroup;
    Sort();
}

int TScorelist::GetRank(std::int32_t score) const {
    for (int rank = KScoreRanks; rank >= 1; --rank) {
        if (score <= Points[rank]) {
            return rank + 1;
        }
    }
    return 1;
}

void TScorelist::Sort() {
    for (int i = 1; i <= KSpare - 1; ++i) {
        int best = i;
        for (int j = i + 1; j <= KSpare; ++j) {
            if (Points[j] > Points[best]) {
                best = j;
            }
        }
        if (best != i) {
            Swap(i, best);
        }
    }
}

void TScorelist::Swap(int a, int b) {
    std::swap(Names[a], Names[b]);
    std::swap(Points[a], Points[b]);
    std::swap(Dates[a], Dates[b]);
    std::swap(MaxGroups[a], MaxGroups[b]);
}

} // namespace brimbal
