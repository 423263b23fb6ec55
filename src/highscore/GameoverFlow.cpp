// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "GameoverFlow.h"

#include "DEnterName.h"
#include "GameHost.h"
#include "GameoverText.h"
#include "NumberText.h"
#include "ScoreTables.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace brimbal {

namespace {

// The context of the question after a game.
class Words {
    Q_DECLARE_TR_FUNCTIONS(GameoverFlow)
};

int AskNewGame(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, Words::tr("Information"), ScreenText(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(Words::tr("&Ja"));
    box.button(QMessageBox::No)->setText(Words::tr("&Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? KAnswerYes : KAnswerNo;
}

} // namespace

bool TPendingScore::File(bool closeDialog) {
    if (!Dialog) {
        return false;
    }
    TDlgEnterName* dialog = Dialog;
    Dialog = nullptr;
    const QString typed = dialog->EName()->text();
    if (!typed.isEmpty()) {
        Highscore->Add(Modus, {typed, QStringLiteral("*LUCKY*"), Total, MaxGroup});
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

    // A mode without a list ranks 11 and reads an empty entry: the message then quotes 0 and no
    // name.
    const int rank = highscore.GetRankForScore(modus, total);
    if (rank > KScoreRanks) {
        const TScoreEntry tenth = highscore.GetScore(modus, KScoreRanks);
        return AskNewGame(parent, GameoverMessageText(total, tenth.Points, tenth.Name));
    }

    // The entry that holds the rank now is the one the new entry pushes down.
    enterName.EName()->setText(playerName);
    enterName.EPunkte()->setText(NumberText(total));
    enterName.ERang()->setText(NumberText(rank));
    enterName.LText()->setText(
        ScreenText(CongratulationText(highscore.GetScore(modus, rank).Name, rank)));
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
