// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "GameoverText.h"

#include "NumberText.h"

#include <QCoreApplication>

namespace brimbal {

namespace {

// The context of the texts after a game.
class Words {
    Q_DECLARE_TR_FUNCTIONS(GameoverText)
};

const QString KLineBreak = QStringLiteral("\r\n");

// The score, a line about it, and the question for a new game.
QString GameoverText(std::int32_t total, const QString& line) {
    return Words::tr("GameOver...") + KLineBreak +
           Words::tr("Deine Punkte: %1").arg(NumberText(total)) + KLineBreak + line + KLineBreak +
           KLineBreak + Words::tr("Neues Spiel?") + KLineBreak;
}

} // namespace

QString ScreenText(QString text) {
    return text.replace(KLineBreak, QStringLiteral("\n"));
}

QString GameoverMessageText(std::int32_t total, std::int32_t neededPoints,
                            const QString& neededName) {
    return GameoverText(total, Words::tr("Du hättest mindestens %1 Punkte gebraucht, um %2 zu "
                                         "schlagen.")
                                   .arg(NumberText(neededPoints), neededName));
}

QString PracticeGameoverText(std::int32_t total) {
    return GameoverText(total, Words::tr("Übungsspiel: kein Eintrag in die Highscoreliste."));
}

QString CongratulationText(const QString& pushedName, int rank) {
    // An empty slot pushes nobody down.
    const QString line =
        pushedName.isEmpty()
            ? Words::tr("Damit kommst du auf Platz %1!").arg(NumberText(rank))
            : Words::tr("Damit verdrängst du %1 von Platz %2!").arg(pushedName, NumberText(rank));
    return Words::tr("Herzlichen Glückwunsch!") + KLineBreak + line + KLineBreak;
}

} // namespace brimbal
