// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace brimbal {

class TDlgEnterName;
class TScoreTables;

// A score that waits in the open name entry. Should the program end before the player answers
// (a signal, the end of the session), File files it with the name in the field, as "Eintragen"
// would; the player's "Abbrechen" still files nothing.
class TPendingScore {
public:
    // Files the waiting score under the name in the field, unless that is empty. With
    // closeDialog the dialog then closes as after "Eintragen". True when an entry was filed.
    bool File(bool closeDialog);
    // Whether the last game over filed an entry.
    bool Filed() const { return FFiled; }

private:
    friend int GameoverScreen(QWidget*, TScoreTables&, TDlgEnterName&, std::int32_t, std::int32_t,
                              std::int32_t, QString&, TPendingScore*);

    TScoreTables* Highscore = nullptr;
    TDlgEnterName* Dialog = nullptr;
    QString* PlayerName = nullptr;
    std::int32_t Modus = 0;
    std::int32_t Total = 0;
    std::int32_t MaxGroup = 0;
    bool FFiled = false;
};

// The end of a game: ranks the score in the mode's list, then either congratulates and asks for
// a name to file, remembered in playerName, or tells the score to beat. Returns KAnswerYes when the
// player wants a new game, KAnswerNo otherwise. While the name entry is open, pending holds the
// score.
int GameoverScreen(QWidget* parent, TScoreTables& highscore, TDlgEnterName& enterName,
                   std::int32_t modus, std::int32_t total, std::int32_t maxGroup,
                   QString& playerName, TPendingScore* pending = nullptr);

// The end of a practice game: tells the score, files nothing, and asks as after a game that
// does not enter the table. Returns 6 when the player wants a new game, 7 otherwise.
int PracticeGameoverScreen(QWidget* parent, std::int32_t total);

} // namespace brimbal
