// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "GameoverFlow.h"

#include "DEnterName.h"
#include "Game.h"
#include "GameHost.h"
#include "NumberText.h"
#include "ScoreTables.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace brimbal {

namespace {

const QString KLineBreak = QStringLiteral("\r\n");

int AskNewGame(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), ScreenText(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? KAnswerYes : KAnswerNo;
}

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

bool TPendingScore::File(bool closeDialog) {
    if (!Dialog) {
        return false;
    }
    TDlgEnterName* dialog = Dialog;
    Dialog = nullptr;
    const QString typed = dialog->EName()->text();
    if (!typed.isEmpty()) {
        Highscore->Add(Modus, typed, QStringLiteral("*LUCKY*"), Total, MaxGroup);
        *PlayerName = typed;
        FFiled = true;
    }
    if (closeDialog) {
        dialog->accept();
    }
    return FFiled;
}

int GameoverScreen(QWidget* parent, TScoreTables& highscore, TDlgEnterName& enterName,
                   std::int32_t modus, std::int32_t total, std::int32_t maxGroup,
                   QString& playerName, TPendingScore* pending) {
    TPendingScore own;
    TPendingScore& score = pending ? *pending : own;
    score.FFiled = false;

    // A mode without a list ranks 11 and reads nothing: the message then quotes 0 and no name.
    QString name;
    QString date;
    std::int32_t points = 0;
    std::int32_t group = 0;

    const int rank = highscore.GetRankForScore(modus, total);
    if (rank > KScoreRanks) {
        highscore.GetScore(modus, KScoreRanks, name, date, points, group);
        return AskNewGame(parent, GameoverMessageText(total, points, name));
    }

    // The entry that holds the rank now is the one the new entry pushes down.
    highscore.GetScore(modus, rank, name, date, points, group);
    enterName.EName()->setText(playerName);
    enterName.EPunkte()->setText(NumberText(total));
    enterName.ERang()->setText(NumberText(rank));
    enterName.LText()->setText(ScreenText(CongratulationText(name, rank)));
    score.Highscore = &highscore;
    score.Dialog = &enterName;
    score.PlayerName = &playerName;
    score.Modus = modus;
    score.Total = total;
    score.MaxGroup = maxGroup;
    if (enterName.exec() == QDialog::Accepted) {
        score.File(false); // unless the end of the program has filed it already
    }
    score.Dialog = nullptr;
    return enterName.CHNeu()->isChecked() ? KAnswerYes : KAnswerNo;
}

int PracticeGameoverScreen(QWidget* parent, std::int32_t total) {
    return AskNewGame(parent, PracticeGameoverText(total));
}

} // namespace brimbal
