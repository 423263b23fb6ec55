// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QString>

#include <cstdint>

namespace brimbal {

// A text with CR LF line ends as a label shows it: with plain line feeds.
QString ScreenText(QString text);

// The message after a game that does not enter the table: the score, and the points and name of
// the tenth entry that it had to beat. Lines end in CR LF.
QString GameoverMessageText(std::int32_t total, std::int32_t neededPoints,
                            const QString& neededName);

// The message after a practice game, which no table takes. Lines end in CR LF.
QString PracticeGameoverText(std::int32_t total);

// The congratulation after a game that enters the table at a rank, pushing down the entry that
// held it, or taking a slot that held none (no name). Lines end in CR LF.
QString CongratulationText(const QString& pushedName, int rank);

} // namespace brimbal
