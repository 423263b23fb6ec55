// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DEnterName.h"
#include "GameoverFlow.h"
#include "GameoverText.h"
#include "ModalAnswer.h"
#include "ScoreTables.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace brimbal;

namespace {

// "30 X": 30 points for X, filed with the date text "d" and a largest group of 2.
void Fill(TScoreTables& highscore, std::int32_t mode, const QStringList& entries) {
    for (const QString& entry : entries) {
        const qsizetype blank = entry.indexOf(QLatin1Char(' '));
        highscore.Add(mode,
                      {entry.mid(blank + 1), QStringLiteral("d"), entry.left(blank).toInt(), 2});
    }
}

// Ranks 1 to 10 of a mode as "points name".
QStringList Table(const TScoreTables& highscore, std::int32_t mode) {
    QStringList table;
    for (int rank = 1; rank <= 10; ++rank) {
        const TScoreEntry entry = highscore.GetScore(mode, rank);
        table.append(QString::number(entry.Points) + QLatin1Char(' ') + entry.Name);
    }
    return table;
}

QStringList Padded(QStringList table) {
    while (table.size() < 10) {
        table.append(QStringLiteral("0 "));
    }
    return table;
}

// All five tables, one after the other.
QStringList AllTables(const TScoreTables& highscore) {
    QStringList tables;
    for (std::int32_t mode = 1; mode <= 5; ++mode) {
        tables += Table(highscore, mode);
    }
    return tables;
}

const QStringList KFullTable{"100 Anna", "50 Bert", "30 Carl", "30 Dora", "20 Emil",
                             "10 Fritz", "5 Gabi",  "4 Hans",  "3 Ida",   "2 Jan"};

// What the message box showed, and how it was set up.
struct TBoxSeen {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QString Yes;
    QString No;
    bool YesDefault = false;
    bool NoEscapes = false;
    int Buttons = 0;
    Qt::TextFormat Format = Qt::AutoText;
};

void Look(QMessageBox* box, TBoxSeen& seen) {
    seen.Title = box->windowTitle();
    seen.Text = box->text();
    seen.Icon = box->icon();
    seen.Format = box->textFormat();
    seen.Buttons = int(box->buttons().size());
    if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
        seen.Yes = yes->text();
        seen.YesDefault = box->defaultButton() == yes;
    }
    if (QAbstractButton* no = box->button(QMessageBox::No)) {
        seen.No = no->text();
        seen.NoEscapes = box->escapeButton() == no;
    }
}

// What the name entry showed when it opened.
struct TEntrySeen {
    QString Text;
    QString Punkte;
    QString Rang;
    QString Offered;
    bool Checked = false;
};

void Look(TDlgEnterName* dialog, TEntrySeen& seen) {
    seen.Text = dialog->LText()->text();
    seen.Punkte = dialog->EPunkte()->text();
    seen.Rang = dialog->ERang()->text();
    seen.Offered = dialog->EName()->text();
    seen.Checked = dialog->CHNeu()->isChecked();
}

// Answers the name entry: types a name unless typed is null, sets the check box, then closes
// the dialog as answer says.
void Answer(TDlgEnterName* dialog, const QString& typed, bool check, const QString& answer) {
    if (!typed.isNull()) {
        dialog->EName()->clear();
        QTest::keyClicks(dialog->EName(), typed);
    }
    dialog->CHNeu()->setChecked(check);
    if (answer == QLatin1String("ok")) {
        QTest::mouseClick(dialog->BOK(), Qt::LeftButton);
    } else if (answer == QLatin1String("enter")) {
        QTest::keyClick(dialog->EName(), Qt::Key_Return);
    } else if (answer == QLatin1String("cancel")) {
        QTest::mouseClick(dialog->BCancel(), Qt::LeftButton);
    } else if (answer == QLatin1String("escape")) {
        QTest::keyClick(dialog->EName(), Qt::Key_Escape);
    } else {
        dialog->close();
    }
}

} // namespace

class TestGameoverFlow : public QObject {
    Q_OBJECT

private slots:
    void messageText_data();
    void messageText();
    void congratulationText_data();
    void congratulationText();
    void notEnteringTheTable_data();
    void notEnteringTheTable();
    void enteringTheTable_data();
    void enteringTheTable();
    void nextGameOverOffersLastName();
};

void TestGameoverFlow::messageText_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("needed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("tenth entry") << 120 << 150 << "Jürgen"
                                 << "GameOver...\r\nDeine Punkte: 120\r\nDu hättest mindestens 150 "
                                    "Punkte gebraucht, um Jürgen zu schlagen.\r\n\r\nNeues "
                                    "Spiel?\r\n";
    QTest::newRow("empty table") << 0 << 0 << ""
                                 << "GameOver...\r\nDeine Punkte: 0\r\nDu hättest mindestens 0 "
                                    "Punkte gebraucht, um  zu schlagen.\r\n\r\nNeues Spiel?\r\n";
    QTest::newRow("negative numbers") << -5 << -2147483647 - 1 << "A"
                                      << "GameOver...\r\nDeine Punkte: -5\r\nDu hättest "
                                         "mindestens -2147483648 Punkte gebraucht, um A zu "
                                         "schlagen.\r\n\r\nNeues Spiel?\r\n";
}

void TestGameoverFlow::messageText() {
    QFETCH(int, total);
    QFETCH(int, needed);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(GameoverMessageText(total, needed, name), text);
}

void TestGameoverFlow::congratulationText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rank");
    QTest::addColumn<QString>("text");
    QTest::newRow("pushed name") << "Dora" << 3
                                 << "Herzlichen Glückwunsch!\r\nDamit verdrängst du Dora von "
                                    "Platz 3!\r\n";
    QTest::newRow("empty entry") << "" << 10
                                 << "Herzlichen Glückwunsch!\r\nDamit kommst du auf Platz 10!\r\n";
}

void TestGameoverFlow::congratulationText() {
    QFETCH(QString, name);
    QFETCH(int, rank);
    QFETCH(QString, text);
    QCOMPARE(CongratulationText(name, rank), text);
}

void TestGameoverFlow::notEnteringTheTable_data() {
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");

    const QString beatJan = QStringLiteral("Du hättest mindestens 2 Punkte gebraucht, um Jan zu "
                                           "schlagen.\n\nNeues Spiel?\n");
    QTest::newRow("equal to the tenth entry, Ja")
        << KFullTable << 3 << 2 << "yes"
        << "GameOver...\nDeine Punkte: 2\n" + beatJan << 6;
    QTest::newRow("below the tenth entry, Nein") << KFullTable << 3 << 1 << "no"
                                                 << "GameOver...\nDeine Punkte: 1\n" + beatJan << 7;
    QTest::newRow("Escape answers Nein") << KFullTable << 3 << 0 << "escape"
                                         << "GameOver...\nDeine Punkte: 0\n" + beatJan << 7;
    QTest::newRow("close box answers Nein") << KFullTable << 3 << 0 << "close"
                                            << "GameOver...\nDeine Punkte: 0\n" + beatJan << 7;
    QTest::newRow("Enter answers Ja") << KFullTable << 3 << 0 << "enter"
                                      << "GameOver...\nDeine Punkte: 0\n" + beatJan << 6;
    const QString nobody = QStringLiteral("GameOver...\nDeine Punkte: %1\nDu hättest mindestens 0 "
                                          "Punkte gebraucht, um  zu schlagen.\n\nNeues Spiel?\n");
    QTest::newRow("empty table, 0 points")
        << QStringList() << 1 << 0 << "yes" << nobody.arg(0) << 6;
    // Modes without a list: the box, quoting nobody, whatever the score.
    QTest::newRow("mode 0") << KFullTable << 0 << 500 << "yes" << nobody.arg(500) << 6;
    QTest::newRow("mode 6") << KFullTable << 6 << 500 << "no" << nobody.arg(500) << 7;
}

void TestGameoverFlow::notEnteringTheTable() {
    QFETCH(QStringList, table);
    QFETCH(int, modus);
    QFETCH(int, total);
    QFETCH(QString, answer);
    QFETCH(QString, text);
    QFETCH(int, result);

    TScoreTables highscore;
    highscore.Init();
    // The tables of the modes around a mode without a list are full: nothing must leak from them.
    for (std::int32_t mode = 1; mode <= 5; ++mode) {
        Fill(highscore, mode, mode == modus ? table : KFullTable);
    }
    const QStringList before = AllTables(highscore);
    TDlgEnterName enterName;
    QString playerName = QStringLiteral("Vorher");

    TBoxSeen seen;
    TModalAnswer<QMessageBox> modal([&](QMessageBox* box) {
        Look(box, seen);
        if (answer == QLatin1String("yes")) {
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        } else if (answer == QLatin1String("no")) {
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        } else if (answer == QLatin1String("escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (answer == QLatin1String("enter")) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            box->close();
        }
    });
    QCOMPARE(GameoverScreen(nullptr, highscore, enterName, modus, total, 7, playerName), result);
    QVERIFY(modal.Answered());
    QVERIFY(!modal.TimedOut());
    QCOMPARE(seen.Text, text);
    QCOMPARE(seen.Title, QStringLiteral("Information"));
    QCOMPARE(seen.Icon, QMessageBox::Information);
    // A name is shown as it is, never read as markup.
    QCOMPARE(seen.Format, Qt::PlainText);
    QCOMPARE(seen.Buttons, 2);
    QCOMPARE(seen.Yes, QStringLiteral("&Ja"));
    QCOMPARE(seen.No, QStringLiteral("&Nein"));
    QVERIFY(seen.YesDefault);
    QVERIFY(seen.NoEscapes);
    QCOMPARE(AllTables(highscore), before);
    QCOMPARE(playerName, QStringLiteral("Vorher"));
}

void TestGameoverFlow::enteringTheTable_data() {
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("playerName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("check");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("playerNameAfter");
    QTest::addColumn<int>("result");

    const QStringList three{"100 Anna", "50 Bert", "30 Carl"};
    const QString fourth =
        QStringLiteral("Herzlichen Glückwunsch!\nDamit kommst du auf Platz 4!\n");
    QTest::newRow("rank 4 after three entries")
        << three << 20 << ""
        << "Dora" << true << "ok" << fourth << Padded(three + QStringList{"20 Dora"}) << "Dora"
        << 6;
    QTest::newRow("rank 3 in a full table pushes Carl")
        << KFullTable << 40 << ""
        << "Neu" << false << "ok"
        << "Herzlichen Glückwunsch!\nDamit verdrängst du Carl von Platz 3!\n"
        << QStringList{"100 Anna", "50 Bert",  "40 Neu", "30 Dora", "30 Carl",
                       "20 Emil",  "10 Fritz", "5 Gabi", "4 Hans",  "3 Ida"}
        << "Neu" << 7;
    QTest::newRow("rank 1 in an empty table")
        << QStringList() << 1 << ""
        << "Erster" << true << "ok"
        << "Herzlichen Glückwunsch!\nDamit kommst du auf Platz 1!\n"
        << Padded({"1 Erster"}) << "Erster" << 6;
    QTest::newRow("Eintragen with an empty name files nothing, new game")
        << three << 20 << "Alt"
        << "" << true << "ok" << fourth << Padded(three) << "Alt" << 6;
    QTest::newRow("Eintragen with an empty name files nothing, end")
        << three << 20 << "Alt"
        << "" << false << "ok" << fourth << Padded(three) << "Alt" << 7;
    QTest::newRow("Abbrechen with the box checked starts a new game")
        << three << 20 << "Alt"
        << "Zoe" << true << "cancel" << fourth << Padded(three) << "Alt" << 6;
    QTest::newRow("Escape cancels")
        << three << 20 << "Alt"
        << "Zoe" << false << "escape" << fourth << Padded(three) << "Alt" << 7;
    QTest::newRow("close box cancels")
        << three << 20 << "Alt"
        << "Zoe" << true << "close" << fourth << Padded(three) << "Alt" << 6;
    QTest::newRow("Enter files the offered name")
        << three << 20 << "Alt" << QString() << true << "enter" << fourth
        << Padded(three + QStringList{"20 Alt"}) << "Alt" << 6;
    QTest::newRow("a name of blanks is filed as it is")
        << three << 20 << ""
        << "   " << true << "ok" << fourth << Padded(three + QStringList{"20    "}) << "   " << 6;
    QTest::newRow("a name with markup is plain text")
        << QStringList() << 5 << ""
        << "<b>Fett</b>" << true << "ok"
        << "Herzlichen Glückwunsch!\nDamit kommst du auf Platz 1!\n"
        << Padded({"5 <b>Fett</b>"}) << "<b>Fett</b>" << 6;
}

void TestGameoverFlow::enteringTheTable() {
    QFETCH(QStringList, table);
    QFETCH(int, total);
    QFETCH(QString, playerName);
    QFETCH(QString, typed);
    QFETCH(bool, check);
    QFETCH(QString, answer);
    QFETCH(QString, text);
    QFETCH(QStringList, after);
    QFETCH(QString, playerNameAfter);
    QFETCH(int, result);

    const std::int32_t modus = 2;
    TScoreTables highscore;
    highscore.Init();
    Fill(highscore, modus, table);
    QCOMPARE(Table(highscore, modus), Padded(table));
    const int rank = highscore.GetRankForScore(modus, total);
    TDlgEnterName enterName;
    const QString offered = playerName;

    TEntrySeen seen;
    TModalAnswer<TDlgEnterName> modal([&](TDlgEnterName* dialog) {
        Look(dialog, seen);
        Answer(dialog, typed, check, answer);
    });
    QCOMPARE(GameoverScreen(nullptr, highscore, enterName, modus, total, 17, playerName), result);
    QVERIFY(modal.Answered());
    QVERIFY(!modal.TimedOut());
    QCOMPARE(seen.Text, text);
    QCOMPARE(seen.Punkte, QString::number(total));
    QCOMPARE(seen.Rang, QString::number(rank));
    QCOMPARE(seen.Offered, offered);
    QVERIFY(seen.Checked);
    QCOMPARE(Table(highscore, modus), after);
    QCOMPARE(playerName, playerNameAfter);
    // Only this mode's table changes.
    for (std::int32_t mode : {1, 3, 4, 5}) {
        QCOMPARE(Table(highscore, mode), Padded({}));
    }

    // A filed entry carries the game's largest group and the date of now, not the stamp word.
    const TScoreEntry filed = highscore.GetScore(modus, rank);
    if (filed.Name == playerNameAfter && filed.Points == total) {
        QCOMPARE(filed.MaxGroup, 17);
        QVERIFY(!filed.Date.isEmpty());
        QVERIFY(filed.Date != QLatin1String("*LUCKY*"));
        QVERIFY(filed.Date != QLatin1String("d"));
    }
}

void TestGameoverFlow::nextGameOverOffersLastName() {
    TScoreTables highscore;
    highscore.Init();
    TDlgEnterName enterName;
    QString playerName;

    TEntrySeen first;
    {
        TModalAnswer<TDlgEnterName> modal([&](TDlgEnterName* dialog) {
            Look(dialog, first);
            Answer(dialog, QStringLiteral("Anna"), false, QStringLiteral("ok"));
        });
        QCOMPARE(GameoverScreen(nullptr, highscore, enterName, 1, 50, 5, playerName), 7);
        QVERIFY(modal.Answered());
    }
    QCOMPARE(first.Offered, QString());
    QCOMPARE(playerName, QStringLiteral("Anna"));

    // The same run: the name is offered again, and the check box is as the player left it.
    TEntrySeen second;
    {
        TModalAnswer<TDlgEnterName> modal([&](TDlgEnterName* dialog) {
            Look(dialog, second);
            QTest::keyClick(dialog->EName(), Qt::Key_Return);
        });
        QCOMPARE(GameoverScreen(nullptr, highscore, enterName, 1, 60, 6, playerName), 7);
        QVERIFY(modal.Answered());
    }
    QCOMPARE(second.Offered, QStringLiteral("Anna"));
    QVERIFY(!second.Checked);
    QCOMPARE(second.Rang, QStringLiteral("1"));
    QCOMPARE(second.Text,
             QStringLiteral("Herzlichen Glückwunsch!\nDamit verdrängst du Anna von Platz 1!\n"));
    QCOMPARE(Table(highscore, 1), Padded({"60 Anna", "50 Anna"}));

    // A name filed in another mode is offered as well: there is one player name per run.
    TEntrySeen third;
    {
        TModalAnswer<TDlgEnterName> modal([&](TDlgEnterName* dialog) {
            Look(dialog, third);
            Answer(dialog, QStringLiteral("Bert"), true, QStringLiteral("cancel"));
        });
        QCOMPARE(GameoverScreen(nullptr, highscore, enterName, 4, 10, 2, playerName), 6);
        QVERIFY(modal.Answered());
    }
    QCOMPARE(third.Offered, QStringLiteral("Anna"));
    QCOMPARE(playerName, QStringLiteral("Anna"));
    QCOMPARE(Table(highscore, 4), Padded({}));
}

QTEST_MAIN(TestGameoverFlow)
#include "tst_gameoverflow.moc"
