// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace brimbal {

class TDlgEnterName;
class TDlgHighscore;

// The message after a game that does not enter the table: the score, and the points and name of
// the tenth entry that it had to beat. Lines end in CR LF.
QString GameoverMessageText(std::int32_t total, std::int32_t neededPoints,
                            const QString& neededName);

// The congratulation after a game that enters the table at a rank, pushing down the entry that
// held it. Lines end in CR LF.
QString CongratulationText(const QString& pushedName, int rank);

// The end of a game: ranks the score in the mode's list, then either congratulates and asks for
// a name to file, remembered in playerName, or tells the score to beat. Returns 6 when the player
// wants a new game, 7 otherwise.
int GameoverScreen(QWidget* parent, TDlgHighscore& highscore, TDlgEnterName& enterName,
                   std::int32_t modus, std::int32_t total, std::int32_t maxGroup,
                   QString& playerName);

} // namespace brimbal
