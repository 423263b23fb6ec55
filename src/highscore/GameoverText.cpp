// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "GameoverText.h"

#include "Game.h"
#include "NumberText.h"

namespace brimbal {

namespace {

const QString KLineBreak = QStringLiteral("\r\n");

// The score, a line about it, and the question for a new game.
QString GameoverText(std::int32_t total, const QString& line) {
    return QStringLiteral("GameOver...") + KLineBreak + QStringLiteral("Deine ") +
           QString::fromUtf8(KScoreText) + NumberText(total) + KLineBreak + line + KLineBreak +
           KLineBreak + QStringLiteral("Neues Spiel?") + KLineBreak;
}

} // namespace

QString ScreenText(QString text) {
    return text.replace(KLineBreak, QStringLiteral("\n"));
}

QString GameoverMessageText(std::int32_t total, std::int32_t neededPoints,
                            const QString& neededName) {
    return GameoverText(total, QStringLiteral("Du hättest mindestens ") + NumberText(neededPoints) +
                                   QStringLiteral(" Punkte gebraucht, um ") + neededName +
                                   QStringLiteral(" zu schlagen."));
}

QString PracticeGameoverText(std::int32_t total) {
    return GameoverText(total, QStringLiteral("Übungsspiel: kein Eintrag in die Highscoreliste."));
}

QString CongratulationText(const QString& pushedName, int rank) {
    // An empty slot pushes nobody down.
    const QString line = pushedName.isEmpty()
                             ? QStringLiteral("Damit kommst du auf Platz ") + NumberText(rank)
                             : QStringLiteral("Damit verdrängst du ") + pushedName +
                                   QStringLiteral(" von Platz ") + NumberText(rank);
    return QStringLiteral("Herzlichen Glückwunsch!") + KLineBreak + line + QStringLiteral("!") +
           KLineBreak;
}

} // namespace brimbal
