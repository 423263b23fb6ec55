// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Settings.h"

#include "DHighscore.h"
#include "NRegistry.h"
#include "NStrings.h"
#include "Options.h"

namespace brimbal {

namespace {

constexpr int KModes = 5;
constexpr int KRanks = 10;
const QString KHighscore = QStringLiteral("Highscore");

// "M001S001": the start of the value names of one entry.
QString EntryPrefix(int mode, int rank) {
    return QString::fromStdString("M" + IntToTextPadded(mode, '0', 3) + "S" +
                                  IntToTextPadded(rank, '0', 3));
}

} // namespace

void LoadSettings(TOptions& options, TDlgHighscore& highscore) {
    TNRegistry registry;
    options.Modus = registry.ReadIntegerDef("Modus", 1);
    options.Sound = registry.ReadBoolDef("Sound", false);
    options.AnzeigeBitmaps = registry.ReadBoolDef("AnzeigeBitmaps", false);
    options.Shade = registry.ReadBoolDef("Shade", false);
    options.Quick = registry.ReadBoolDef("Quick", false);
    options.Bubble = registry.ReadBoolDef("Bubble", false);
    options.Animation = registry.ReadBoolDef("Animation", false);
    options.AltColor = registry.ReadBoolDef("AltColor", false);

    registry.OpenSubKey(KHighscore);
    highscore.ClearAll();
    for (int mode = 1; mode <= KModes; ++mode) {
        for (int rank = 1; rank <= KRanks; ++rank) {
            const QString prefix = EntryPrefix(mode, rank);
            const QString name = registry.ReadStringDef(prefix + "N", "Namenlos");
            const QString date = registry.ReadStringDef(prefix + "D", "wann?");
            const std::int32_t points = registry.ReadIntegerDef(prefix + "P", 0);
            registry.ReadIntegerDef(prefix + "C", 0); // an old value, read and not used
            const std::int32_t maxGroup = registry.ReadIntegerDef(prefix + "M", 0);
            highscore.Add(mode, name, date, points, maxGroup);
        }
    }
}

bool SaveSettings(const TOptions& options, const TDlgHighscore& highscore, QString* where) {
    TNRegistry registry;
    registry.WriteInteger("Modus", options.Modus);
    registry.WriteBool("Sound", options.Sound);
    registry.WriteBool("AnzeigeBitmaps", options.AnzeigeBitmaps);
    registry.WriteBool("Shade", options.Shade);
    registry.WriteBool("Quick", options.Quick);
    registry.WriteBool("Bubble", options.Bubble);
    registry.WriteBool("Animation", options.Animation);
    registry.WriteBool("AltColor", options.AltColor);

    registry.OpenSubKey(KHighscore);
    for (int mode = 1; mode <= KModes; ++mode) {
        for (int rank = 1; rank <= KRanks; ++rank) {
            QString name;
            QString date;
            std::int32_t points = 0;
            std::int32_t maxGroup = 0;
            highscore.GetScore(mode, rank, name, date, points, maxGroup);
            const QString prefix = EntryPrefix(mode, rank);
            registry.WriteString(prefix + "N", name);
            registry.WriteString(prefix + "D", date);
            registry.WriteInteger(prefix + "P", points);
            registry.WriteInteger(prefix + "M", maxGroup);
        }
    }
    if (registry.Flush()) {
        return true;
    }
    if (where) {
        *where = registry.Location();
    }
    return false;
}

} // namespace brimbal
