// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "SettingsKeeper.h"

#include <cstdio>
#include <utility>

namespace brimbal {

bool TSettingsKeeper::Save(ESaveMoment moment) {
    // After a failure, a change waits for the next save that tells the player, rather than
    // trying again (and perhaps waiting for a lock) at every click.
    if (moment == ESaveMoment::Change && LastSaveFailed) {
        return false;
    }
    for (;;) {
        LastSaveFailed = !FStore.Save(Options, Scores);
        if (!LastSaveFailed) {
            return true;
        }
        if (EndingWithoutPlayer) {
            if (!SaveFailureReported) {
                SaveFailureReported = true;
                const QString text =
                    tr("Brimbal: Die Einstellungen konnten nicht gespeichert werden (%1: %2).")
                        .arg(FStore.Where(), FStore.Problem());
                std::fprintf(stderr, "%s\n", qPrintable(text));
            }
            return false;
        }
        if (moment == ESaveMoment::Change || !AskRetry(FStore, moment == ESaveMoment::Close)) {
            return false;
        }
    }
}

void TSettingsKeeper::Close() {
    if (std::exchange(Closed, true)) {
        return; // saved at the first close
    }
    FPendingScore.File(false);
    Save(ESaveMoment::Close);
}

void TSettingsKeeper::SaveForSession() {
    const bool ending = std::exchange(EndingWithoutPlayer, true);
    FPendingScore.File(true);
    Save(ESaveMoment::Close);
    EndingWithoutPlayer = ending;
}

void TSettingsKeeper::SaveAtExit() {
    if (Closed) {
        return;
    }
    EndingWithoutPlayer = true;
    Close();
}

} // namespace brimbal
