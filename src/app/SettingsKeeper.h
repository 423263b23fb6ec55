// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "GameoverFlow.h"
#include "Settings.h"

#include <QCoreApplication>

#include <functional>
#include <utility>

namespace brimbal {

// When a window's options and score tables are saved, and what a failed save leads to: they are
// saved as they change and once at the close, after a score waiting in the name entry is filed.
// The player is asked whether to try a failed save again; when the program ends without the
// player, the failure is reported on standard error, once.
class TSettingsKeeper {
    Q_DECLARE_TR_FUNCTIONS(TSettingsKeeper)

public:
    // When a save is made, which tells how a failure is reported.
    enum class ESaveMoment {
        Change,     // an option or the mode changed: the next save tries again
        ScoreFiled, // the player may try again or play on without saving
        Close,      // the player may try again or end without saving
    };
    // Shows the player that the save failed; true when the player wants to try again.
    using TAskRetry = std::function<bool(const TSettingsStore& store, bool closing)>;

    TSettingsKeeper(TOptions& options, TScoreTables& scores, TAskRetry askRetry)
        : Options(options), Scores(scores), AskRetry(std::move(askRetry)) {}

    // Reads the options and the tables; false when the store could not be read.
    bool Load() { return FStore.Load(Options, Scores); }
    // False when the store refused.
    bool Save(ESaveMoment moment);
    // The window closes: the first close files a waiting score and saves.
    void Close();
    // The program ends without the player: a signal, the desktop quitting.
    void EndWithoutPlayer() { EndingWithoutPlayer = true; }
    // The desktop session ends: files a waiting score, closing the name entry as "Eintragen"
    // would, and saves.
    void SaveForSession();
    // The process ends without closing the window: as a close without the player.
    void SaveAtExit();

    const TSettingsStore& Store() const { return FStore; }
    TPendingScore& PendingScore() { return FPendingScore; }

private:
    TOptions& Options;
    TScoreTables& Scores;
    TAskRetry AskRetry;
    TSettingsStore FStore;
    TPendingScore FPendingScore;
    bool EndingWithoutPlayer = false;
    bool Closed = false;
    bool LastSaveFailed = false;
    bool SaveFailureReported = false;
};

} // namespace brimbal
