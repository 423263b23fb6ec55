// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "DHighscore.h"
#include "LayoutCheck.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

using namespace brimbal;

namespace {

// The table as shown: one "rank|name|date|group|points" per row.
QStringList Rows(const TDlgHighscore& dialog) {
    QStringList rows;
    const QTreeWidget* view = dialog.LVScore();
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = view->topLevelItem(i);
        QStringList cells;
        for (int column = 0; column < view->columnCount(); ++column) {
            cells.append(item->text(column));
        }
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

// The rows of a list whose entries were filed by FilledModes.
QStringList RowsOfMode(std::int32_t mode) {
    QStringList rows;
    for (int rank = 1; rank <= 10; ++rank) {
        rows.append(QStringLiteral("%1|Spieler %2.%1|Datum %2.%1|%1|%3")
                        .arg(rank)
                        .arg(mode)
                        .arg(mode * 1000 - rank));
    }
    return rows;
}

// Ten entries in each of the five lists, all different.
TScoreTables FilledModes() {
    TScoreTables tables;
    for (std::int32_t mode = 1; mode <= 5; ++mode) {
        for (int rank = 1; rank <= 10; ++rank) {
            tables.Add(mode, {QStringLiteral("Spieler %1.%2").arg(mode).arg(rank),
                              QStringLiteral("Datum %1.%2").arg(mode).arg(rank), mode * 1000 - rank,
                              rank});
        }
    }
    return tables;
}

// Every entry of every list, including the answers for ranks outside the table.
QStringList AllScores(const TScoreTables& tables) {
    QStringList scores;
    for (std::int32_t mode = 0; mode <= 6; ++mode) {
        for (int rank = 0; rank <= 11; ++rank) {
            const TScoreEntry entry = tables.GetScore(mode, rank);
            scores.append(QStringLiteral("%1/%2: %3|%4|%5|%6")
                              .arg(mode)
                              .arg(rank)
                              .arg(entry.Name, entry.Date)
                              .arg(entry.Points)
                              .arg(entry.MaxGroup));
        }
    }
    return scores;
}

QStringList EmptyRows() {
    QStringList rows;
    for (int rank = 1; rank <= 10; ++rank) {
        rows.append(QStringLiteral("%1|||0|0").arg(rank));
    }
    return rows;
}

} // namespace

class TestHighscoreDialog : public QObject {
    Q_OBJECT

private slots:
    void emptyList_data();
    void emptyList();
    void modesOutsideTheLists_data();
    void modesOutsideTheLists();
    void listsAreSeparate();
    void clearAllAndInit();
    void opensOnSelectedMode_data();
    void opensOnSelectedMode();
    void dropDownSwitchesTables();
    void showListOutsideTheModes_data();
    void showListOutsideTheModes();
    void activationRebuildsTable();
    void deleteButtonChangesNothing();
    void closing_data();
    void closing();
    void focusAndTabOrder();
    void columns_data();
    void columns();
    void fullTableFits();
    void capitalUmlautsShow_data();
    void capitalUmlautsShow();
    void layout_data();
    void layout();
};

void TestHighscoreDialog::emptyList_data() {
    QTest::addColumn<int>("mode");
    for (int mode = 1; mode <= 5; ++mode) {
        QTest::addRow("mode %d", mode) << mode;
    }
}

void TestHighscoreDialog::emptyList() {
    QFETCH(int, mode);
    TScoreTables tables;
    TDlgHighscore dialog(tables);
    dialog.SelectMode(mode);
    dialog.show();
    QCOMPARE(dialog.CBModus()->currentIndex(), mode - 1);
    QCOMPARE(Rows(dialog), EmptyRows());
    QCOMPARE(tables.GetRankForScore(mode, 0), 11);
    QCOMPARE(tables.GetRankForScore(mode, 1), 1);
}

void TestHighscoreDialog::modesOutsideTheLists_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("mode 0") << 0;
    QTest::newRow("mode 6") << 6;
    QTest::newRow("mode -1") << -1;
    QTest::newRow("mode 1000") << 1000;
}

void TestHighscoreDialog::modesOutsideTheLists() {
    QFETCH(int, mode);
    TScoreTables tables = FilledModes();
    const QStringList before = AllScores(tables);
    tables.Add(mode, {QStringLiteral("Neu"), QStringLiteral("heute"), 1000000, 5});
    QCOMPARE(AllScores(tables), before);
    const TScoreEntry entry = tables.GetScore(mode, 1);
    QCOMPARE(entry, TScoreEntry());
    QCOMPARE(tables.GetRankForScore(mode, 1000000), 11);
    QCOMPARE(tables.GetRankForScore(mode, 0), 11);
}

void TestHighscoreDialog::listsAreSeparate() {
    TScoreTables tables;
    tables.Add(3, {QStringLiteral("Drei"), QStringLiteral("d"), 50, 7});
    for (std::int32_t mode = 1; mode <= 5; ++mode) {
        const TScoreEntry entry = tables.GetScore(mode, 1);
        QCOMPARE(entry.Name, mode == 3 ? QStringLiteral("Drei") : QString());
        QCOMPARE(entry.Points, mode == 3 ? 50 : 0);
        QCOMPARE(entry.MaxGroup, mode == 3 ? 7 : 0);
        QCOMPARE(tables.GetRankForScore(mode, 50), mode == 3 ? 2 : 1);
    }
}

void TestHighscoreDialog::clearAllAndInit() {
    TScoreTables tables = FilledModes();
    TDlgHighscore dialog(tables);
    tables.ClearAll();
    for (std::int32_t mode = 1; mode <= 5; ++mode) {
        for (int rank = 1; rank <= 10; ++rank) {
            const TScoreEntry entry = tables.GetScore(mode, rank);
            QCOMPARE(entry.Name, QString());
            QCOMPARE(entry.Points, 0);
            QCOMPARE(entry.Date, QStringLiteral("Datum %1.%2").arg(mode).arg(rank));
            QCOMPARE(entry.MaxGroup, rank);
        }
    }
    tables.Init();
    for (std::int32_t mode = 1; mode <= 5; ++mode) {
        dialog.ShowList(mode);
        QCOMPARE(Rows(dialog), EmptyRows());
    }
}

void TestHighscoreDialog::opensOnSelectedMode_data() {
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("shown");
    QTest::newRow("mode 1") << 3 << 1 << 1;
    QTest::newRow("mode 2") << 1 << 2 << 2;
    QTest::newRow("mode 5") << 1 << 5 << 5;
    QTest::newRow("mode 0 keeps the selection") << 3 << 0 << 3;
    QTest::newRow("mode 6 keeps the selection") << 4 << 6 << 4;
    QTest::newRow("mode -1 keeps the selection") << 2 << -1 << 2;
}

void TestHighscoreDialog::opensOnSelectedMode() {
    QFETCH(int, previous);
    QFETCH(int, mode);
    QFETCH(int, shown);
    TScoreTables tables = FilledModes();
    TDlgHighscore dialog(tables);
    dialog.SelectMode(previous);
    dialog.SelectMode(mode);
    dialog.show();
    QCOMPARE(dialog.CBModus()->currentIndex(), shown - 1);
    QCOMPARE(Rows(dialog), RowsOfMode(shown));
}

void TestHighscoreDialog::dropDownSwitchesTables() {
    TScoreTables tables = FilledModes();
    TDlgHighscore dialog(tables);
    dialog.show();
    QCOMPARE(dialog.CBModus()->currentText(), QStringLiteral("Einfach"));
    QCOMPARE(Rows(dialog), RowsOfMode(1));
    for (int mode = 2; mode <= 5; ++mode) {
        QTest::keyClick(dialog.CBModus(), Qt::Key_Down);
        QCOMPARE(dialog.CBModus()->currentIndex(), mode - 1);
        QCOMPARE(Rows(dialog), RowsOfMode(mode));
    }
    QCOMPARE(dialog.CBModus()->currentText(), QStringLiteral("Bricks"));
    QTest::keyClick(dialog.CBModus(), Qt::Key_Up);
    QCOMPARE(Rows(dialog), RowsOfMode(4));
}

void TestHighscoreDialog::showListOutsideTheModes_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("mode 0") << 0;
    QTest::newRow("mode 6") << 6;
    QTest::newRow("mode -1") << -1;
}

void TestHighscoreDialog::showListOutsideTheModes() {
    QFETCH(int, mode);
    TScoreTables tables = FilledModes();
    TDlgHighscore dialog(tables);
    dialog.SelectMode(2);
    dialog.show();
    dialog.ShowList(mode);
    QCOMPARE(Rows(dialog), RowsOfMode(2));
    QCOMPARE(dialog.CBModus()->currentIndex(), 1);
}

void TestHighscoreDialog::activationRebuildsTable() {
    TScoreTables tables;
    TDlgHighscore dialog(tables);
    dialog.SelectMode(4);
    dialog.show();
    QCOMPARE(Rows(dialog), EmptyRows());
    tables.Add(4, {QStringLiteral("Neu"), QStringLiteral("heute"), 10, 3});
    dialog.BDelete()->setFocus();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&dialog, &activate);
    QCOMPARE(Rows(dialog).first(), QStringLiteral("1|Neu|heute|3|10"));
    QCOMPARE(dialog.focusWidget(), dialog.CBModus());
}

void TestHighscoreDialog::deleteButtonChangesNothing() {
    TScoreTables tables = FilledModes();
    TDlgHighscore dialog(tables);
    dialog.SelectMode(5);
    dialog.show();
    const QStringList scores = AllScores(tables);
    QCOMPARE(dialog.BDelete()->text(), QStringLiteral("Einträge löschen"));
    QTest::mouseClick(dialog.BDelete(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(Rows(dialog), RowsOfMode(5));
    QCOMPARE(AllScores(tables), scores);
}

void TestHighscoreDialog::closing_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("click on Schließen") << false;
    QTest::newRow("Enter presses the default button") << true;
}

void TestHighscoreDialog::closing() {
    QFETCH(bool, byKey);
    TScoreTables tables = FilledModes();
    TDlgHighscore dialog(tables);
    dialog.SelectMode(2);
    dialog.show();
    QVERIFY(dialog.BClose()->isDefault());
    if (byKey) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    } else {
        QTest::mouseClick(dialog.BClose(), Qt::LeftButton);
    }
    QVERIFY(!dialog.isVisible());
    // The selection stays for the next opening, and so do the lists.
    dialog.show();
    QCOMPARE(dialog.CBModus()->currentIndex(), 1);
    QCOMPARE(Rows(dialog), RowsOfMode(2));
}

void TestHighscoreDialog::focusAndTabOrder() {
    TScoreTables tables;
    TDlgHighscore dialog(tables);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.CBModus());
    const QList<QWidget*> order{dialog.BClose(), dialog.LVScore(), dialog.BDelete(),
                                dialog.CBModus()};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestHighscoreDialog::columns_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("width");
    QTest::newRow("Platz") << 0 << "Platz" << false << 50;
    QTest::newRow("Name") << 1 << "Name" << false << 0;
    QTest::newRow("Datum") << 2 << "Datum" << false << 120;
    QTest::newRow("Max.") << 3 << "Max." << true << 50;
    QTest::newRow("Punkte") << 4 << "Punkte" << true << 50;
}

void TestHighscoreDialog::columns() {
    QFETCH(int, column);
    QFETCH(QString, caption);
    QFETCH(bool, right);
    QFETCH(int, width);
    TScoreTables tables;
    TDlgHighscore dialog(tables);
    dialog.show();
    QTreeWidget* view = dialog.LVScore();
    QCOMPARE(view->columnCount(), 5);
    QCOMPARE(view->headerItem()->text(column), caption);
    const Qt::Alignment horizontal = right ? Qt::AlignRight : Qt::AlignLeft;
    const QVariant headerAlignment =
        view->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole);
    QCOMPARE(Qt::Alignment(headerAlignment.toInt()) & Qt::AlignHorizontal_Mask, horizontal);
    for (int row = 0; row < view->topLevelItemCount(); ++row) {
        const int alignment = view->topLevelItem(row)->textAlignment(column);
        QCOMPARE(Qt::Alignment(alignment) & Qt::AlignHorizontal_Mask, horizontal);
    }
    const QHeaderView* header = view->header();
    QVERIFY(header->sectionSize(column) >= width);
    QVERIFY(header->sectionSize(column) >= header->sectionSizeHint(column));
    // The name column takes what the others leave.
    int total = 0;
    for (int i = 0; i < 5; ++i) {
        total += header->sectionSize(i);
    }
    QCOMPARE(total, view->viewport()->width());
}

void TestHighscoreDialog::fullTableFits() {
    TScoreTables tables;
    TDlgHighscore dialog(tables);
    tables.Add(1, {QStringLiteral("Größter Spieler mit einem sehr langen Namen"),
                   QStringLiteral("*LUCKY*"), 99999, 121});
    for (int rank = 2; rank <= 10; ++rank) {
        tables.Add(1, {QStringLiteral("Spieler"), QStringLiteral("*LUCKY*"), 10000 - rank, 99});
    }
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTreeWidget* view = dialog.LVScore();
    QCOMPARE(view->topLevelItemCount(), 10);
    for (int row = 0; row < 10; ++row) {
        const QRect rect = view->visualItemRect(view->topLevelItem(row));
        QVERIFY2(view->viewport()->rect().contains(rect), qPrintable(QString::number(row + 1)));
    }
    QCOMPARE(view->verticalScrollBar()->maximum(), 0);
    // Fitting a column to its contents does not widen any column but the name's.
    for (int column : {0, 2, 3, 4}) {
        const int width = view->header()->sectionSize(column);
        view->resizeColumnToContents(column);
        QVERIFY2(view->header()->sectionSize(column) <= width,
                 qPrintable(view->headerItem()->text(column)));
    }
}

void TestHighscoreDialog::capitalUmlautsShow_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("umlaut");
    QTest::newRow("O") << "OOOO"
                       << "ÖÖÖÖ";
    QTest::newRow("A") << "AAAA"
                       << "ÄÄÄÄ";
    QTest::newRow("U") << "UUUU"
                       << "ÜÜÜÜ";
}

// The dots of a capital umlaut rise above the plain letter: the umlaut's ink starts at least two
// pixel rows higher (dots, gap) unless the row cuts the dots off at its top.
void TestHighscoreDialog::capitalUmlautsShow() {
    QFETCH(QString, plain);
    QFETCH(QString, umlaut);
    TScoreTables tables;
    TDlgHighscore dialog(tables);
    tables.Add(1, {plain, QString(), 2, 0});
    tables.Add(1, {umlaut, QString(), 1, 0});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTreeWidget* view = dialog.LVScore();
    const QImage image = view->viewport()->grab().toImage();
    const int left = view->header()->sectionViewportPosition(1);
    const int width = view->header()->sectionSize(1);
    const auto firstInkRow = [&](const QTreeWidgetItem* item) {
        const QRect row = view->visualItemRect(item);
        for (int y = row.top(); y <= row.bottom(); ++y) {
            for (int x = left; x < left + width; ++x) {
                if (qGray(image.pixel(x, y)) < 100) {
                    return y - row.top();
                }
            }
        }
        return -1;
    };
    const int plainTop = firstInkRow(view->topLevelItem(0));
    const int umlautTop = firstInkRow(view->topLevelItem(1));
    QVERIFY(plainTop >= 0);
    QVERIFY(umlautTop >= 0);
    QVERIFY2(umlautTop <= plainTop - 2, qPrintable(QStringLiteral("umlaut ink from row %1, plain "
                                                                  "from row %2")
                                                       .arg(umlautTop)
                                                       .arg(plainTop)));
}

void TestHighscoreDialog::layout_data() {
    AddFontRows();
}

void TestHighscoreDialog::layout() {
    QFETCH(QFont, font);
    QFETCH(bool, asDesigned);
    TScoreTables tables;
    const auto made = MadeWithFont<TDlgHighscore>(font, tables);
    TDlgHighscore& dialog = *made;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Highscore-Tabelle"));
    QCOMPARE(dialog.Label1()->text(), QStringLiteral("Modus"));
    QCOMPARE(dialog.BClose()->text(), QStringLiteral("&Schließen"));
    QVERIFY(!dialog.CBModus()->isEditable());
    QStringList items;
    for (int i = 0; i < dialog.CBModus()->count(); ++i) {
        items.append(dialog.CBModus()->itemText(i));
    }
    QCOMPARE(items, (QStringList{"Einfach", "Fortlaufend", "Tirlan", "MegaTirlan", "Bricks"}));
    QCOMPARE(dialog.CBModus()->currentIndex(), 0);
    QVERIFY(!dialog.LVScore()->rootIsDecorated());
    QCOMPARE(dialog.LVScore()->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!dialog.LVScore()->isSortingEnabled());

    const QString fault = LayoutFault(dialog.Layout(), dialog);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    if (asDesigned) {
        const QString design = DesignFault(dialog.Layout(), dialog);
        QVERIFY2(design.isEmpty(), qPrintable(design));
    }

    // Resizing leaves every control where it is.
    const QRect table = dialog.LVScore()->geometry();
    const QRect close = dialog.BClose()->geometry();
    dialog.show();
    dialog.resize(700, 500);
    QCOMPARE(dialog.LVScore()->geometry(), table);
    QCOMPARE(dialog.BClose()->geometry(), close);
}

QTEST_MAIN(TestHighscoreDialog)
#include "tst_highscoredialog.moc"
