// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Settings.h"

#include "Modes.h"
#include "NRegistry.h"
#include "NStrings.h"
#include "Options.h"
#include "ScoreTables.h"

#include <QByteArrayView>

#include <algorithm>

namespace brimbal {

namespace {

const QString KHighscore = QStringLiteral("Highscore");
constexpr char KModus[] = "Modus";

// "M001S001": the start of the value names of one entry.
QString EntryPrefix(int mode, int rank) {
    return QString::fromStdString("M" + IntToTextPadded(mode, '0', 3) + "S" +
                                  IntToTextPadded(rank, '0', 3));
}

// The values the game reads: the options, and the fields of entries 1 to 10 of modes 1 to 5
// (with "C", which it reads and does not use, so that it stays in the file).
bool IsStoredValue(QByteArrayView section, QByteArrayView key) {
    if (section == "General") {
        return key == KModus ||
               std::any_of(std::begin(KSwitchOptions), std::end(KSwitchOptions),
                           [key](const TSwitchOption& option) { return key == option.StoredName; });
    }
    if (section != "Highscore" || key.size() != 9 || key[0] != 'M' || key[4] != 'S' ||
        !QByteArrayView("NDPCM").contains(key[8])) {
        return false;
    }
    const int mode = key.sliced(1, 3).toInt();
    const int rank = key.sliced(5, 3).toInt();
    return std::all_of(key.begin() + 1, key.begin() + 8,
                       [](char c) { return c == 'S' || (c >= '0' && c <= '9'); }) &&
           FindMode(mode) && rank >= 1 && rank <= KScoreRanks;
}

// The tables as the store holds them, rank by rank, with the defaults of missing values.
TSettingsStore::TTables ReadTables(TNRegistry& registry) {
    TSettingsStore::TTables tables;
    registry.OpenSubKey(KHighscore);
    for (int mode = 1; mode <= KModeCount; ++mode) {
        for (int rank = 1; rank <= KScoreRanks; ++rank) {
            const QString prefix = EntryPrefix(mode, rank);
            tables[mode - 1].push_back({registry.ReadStringDef(prefix + "N", "Namenlos"),
                                        registry.ReadStringDef(prefix + "D", "wann?"),
                                        registry.ReadIntegerDef(prefix + "P", 0),
                                        registry.ReadIntegerDef(prefix + "M", 0)});
        }
    }
    registry.CloseSubKey();
    return tables;
}

} // namespace

bool TSettingsStore::Load(TOptions& options, TScoreTables& highscore) {
    TNRegistry registry(TNRegistry::EAccess::Read, IsStoredValue);
    const TOptions defaults;
    options.Modus = registry.ReadIntegerDef(KModus, defaults.Modus);
    for (const TSwitchOption& option : KSwitchOptions) {
        options.*option.Member = registry.ReadBoolDef(option.StoredName, defaults.*option.Member);
    }

    // Each entry finds its place by its points; the stored rank only sets the order of adding.
    highscore.ClearAll();
    Known = ReadTables(registry);
    for (int mode = 1; mode <= KModeCount; ++mode) {
        for (const TScoreEntry& entry : Known[mode - 1]) {
            highscore.Add(mode, entry);
        }
    }
    FWhere = registry.Location();
    FProblem = registry.Problem();
    return registry.Opened();
}

bool TSettingsStore::Save(const TOptions& options, TScoreTables& highscore) {
    TNRegistry registry(TNRegistry::EAccess::Write, IsStoredValue);
    FWhere = registry.Location();
    if (!registry.Opened()) {
        FProblem = registry.Problem();
        return false;
    }

    // What the store holds beyond what this window knew of it was filed by other windows: file
    // it here as well, in the order the store lists it. An entry that is known counts once.
    const TTables stored = ReadTables(registry);
    for (int mode = 1; mode <= KModeCount; ++mode) {
        std::vector<TScoreEntry> known = Known[mode - 1];
        for (const TScoreEntry& entry : stored[mode - 1]) {
            const auto match = std::find(known.begin(), known.end(), entry);
            if (match != known.end()) {
                known.erase(match);
            } else {
                highscore.Add(mode, entry);
            }
        }
    }
    Known = stored;

    registry.WriteInteger(KModus, options.Modus);
    for (const TSwitchOption& option : KSwitchOptions) {
        registry.WriteBool(option.StoredName, options.*option.Member);
    }

    registry.OpenSubKey(KHighscore);
    TTables written;
    for (int mode = 1; mode <= KModeCount; ++mode) {
        for (int rank = 1; rank <= KScoreRanks; ++rank) {
            TScoreEntry entry = highscore.GetScore(mode, rank);
            const QString prefix = EntryPrefix(mode, rank);
            registry.WriteString(prefix + "N", entry.Name);
            registry.WriteString(prefix + "D", entry.Date);
            registry.WriteInteger(prefix + "P", entry.Points);
            registry.WriteInteger(prefix + "M", entry.MaxGroup);
            // Remembered as it will be read back, so that the next save does not take the
            // window's own entry for another window's.
            entry.Name = TNRegistry::StoredString(entry.Name);
            entry.Date = TNRegistry::StoredString(entry.Date);
            written[mode - 1].push_back(entry);
        }
    }
    if (!registry.Flush()) {
        FProblem = registry.Problem();
        return false;
    }
    Known = written;
    FProblem.clear();
    return true;
}

} // namespace brimbal
