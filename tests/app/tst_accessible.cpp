// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// The board as a screen reader sees it, through Qt's accessibility interfaces.
#include "BoardPicture.h"
#include "DEnterName.h"
#include "DHighscore.h"
#include "Main.h"
#include "ModalAnswer.h"
#include "SettingsFixture.h"
#include "Spielfeld.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <limits>
#include <memory>
#include <utility>

using namespace brimbal;

namespace {

// Columns 6 to 8 of the bottom rows: a group of three 1s, a pair of 2s, lone tiles.
const TBoardPicture KBoard{"...........", "...........", "...........", "...........",
                           "...........", "...........", "...........", "...........",
                           "......3....", "......12...", "......11225"};

QList<QAccessible::Event> Events;
// What a screen reader speaks of its own accord: a notification shown, or a new focus. Orca,
// run by tools/screenreader/speech.sh, speaks these and nothing else that the game sends.
QStringList Spoken;

void Record(QAccessibleEvent* event) {
    Events << event->type();
    QAccessibleInterface* iface = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && iface &&
        iface->role() == QAccessible::Notification) {
        Spoken << iface->text(QAccessible::Name);
    } else if (event->type() == QAccessible::Focus) {
        Spoken << QStringLiteral("focus");
    }
}

QStringList Names(const QList<QAccessibleInterface*>& cells) {
    QStringList names;
    for (const QAccessibleInterface* cell : cells) {
        names << cell->text(QAccessible::Name);
    }
    return names;
}

} // namespace

class TestAccessible : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void table();
    void cellNames_data();
    void cellNames();
    void selectionAndFocus();
    void preview_data();
    void preview();
    void changesAreTold();
    void outOfRange();
    void spoken_data();
    void spoken();

private:
    QAccessibleInterface* Table() const {
        return QAccessible::queryAccessibleInterface(Frm->Spielfeld());
    }
    void Key(Qt::Key key) { QTest::keyClick(Frm->Spielfeld(), key); }

    std::unique_ptr<TSettingsDir> Settings;
    std::unique_ptr<TFrmMain> Frm;
};

void TestAccessible::initTestCase() {
    QAccessible::installUpdateHandler(Record);
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    QVERIFY(QAccessible::isActive());
}

void TestAccessible::init() {
    Settings = std::make_unique<TSettingsDir>();
    Frm = std::make_unique<TFrmMain>();
    Frm->show();
    QApplication::setActiveWindow(Frm.get());
    QVERIFY(QTest::qWaitForWindowActive(Frm.get()));
    LoadBoardPicture(Frm->Game(), KBoard);
    Frm->Spielfeld()->SetNeedsRedraw();
    Frm->Spielfeld()->RepaintSpielfeld();
    Events.clear();
    Spoken.clear();
}

void TestAccessible::cleanup() {
    Frm.reset();
    Settings.reset();
}

// The paint box is a table of the field's 11 x 11 cells, named "Spielfeld".
void TestAccessible::table() {
    QAccessibleInterface* table = Table();
    QVERIFY(table);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->text(QAccessible::Name), QString("Spielfeld"));
    QAccessibleTableInterface* cells = table->tableInterface();
    QVERIFY(cells);
    QCOMPARE(cells->rowCount(), 11);
    QCOMPARE(cells->columnCount(), 11);
    QCOMPARE(table->childCount(), 121);
    // Each cell knows its place, and the table finds it again.
    for (int row : {0, 4, 10}) {
        for (int column : {0, 7, 10}) {
            QAccessibleInterface* cell = cells->cellAt(row, column);
            QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
            QCOMPARE(cell->tableCellInterface()->columnIndex(), column);
            QCOMPARE(table->child(table->indexOfChild(cell)), cell);
            QCOMPARE(cell->parent(), table);
            QCOMPARE(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        }
    }
}

void TestAccessible::cellNames_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("names");
    const QStringList cells{"Leer, Spalte 1, Zeile 1", "Rot, Spalte 7, Zeile 11",
                            "Gelb, Spalte 7, Zeile 9"};
    QTest::newRow("normal palette")
        << "" << QStringList{cells[0], cells[1], cells[2], "Hellblau, Spalte 11, Zeile 11"};
    QTest::newRow("other palette") << "OptionenAltFarben"
                                   << QStringList{cells[0], cells[1], "Hellblau, Spalte 7, Zeile 9",
                                                  "Dunkelgrau, Spalte 11, Zeile 11"};
    QTest::newRow("ball images") << "OptionenAnzeigeBitmaps"
                                 << QStringList{cells[0], cells[1], cells[2],
                                                "Blau, Spalte 11, Zeile 11"};
}

// A cell is named after its ball as the board shows it, then where it is, counted from 1.
void TestAccessible::cellNames() {
    QFETCH(QString, option);
    QFETCH(QStringList, names);
    if (!option.isEmpty()) {
        Frm->findChild<QAction*>(option)->trigger();
    }
    QAccessibleTableInterface* cells = Table()->tableInterface();
    QCOMPARE(Names({cells->cellAt(0, 0), cells->cellAt(10, 6), cells->cellAt(8, 6),
                    cells->cellAt(10, 10)}),
             names);
}

// The marked group is the table's selection; the cursor's cell has the focus.
void TestAccessible::selectionAndFocus() {
    QAccessibleTableInterface* cells = Table()->tableInterface();
    QCOMPARE(cells->selectedCellCount(), 0);
    for (int i = 0; i < 6; ++i) {
        Key(Qt::Key_Right);
    }
    for (int i = 0; i < 10; ++i) {
        Key(Qt::Key_Down);
    }
    QAccessibleInterface* cursor = cells->cellAt(10, 6);
    QVERIFY(cursor->state().focused);
    QCOMPARE(Table()->focusChild(), cursor);
    QVERIFY(!cells->cellAt(10, 5)->state().focused);
    Key(Qt::Key_Space);
    QCOMPARE(Names(cells->selectedCells()),
             QStringList({"Rot, markiert, Spalte 7, Zeile 10", "Rot, markiert, Spalte 7, Zeile 11",
                          "Rot, markiert, Spalte 8, Zeile 11"}));
    QVERIFY(cursor->state().selected);
    QVERIFY(!cells->cellAt(10, 8)->state().selected);
}

void TestAccessible::preview_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("mode 1 has none") << 1;
    QTest::newRow("mode 2") << 2;
}

// Beside the table, the window holds the preview column as a list in the modes that have one.
void TestAccessible::preview() {
    QFETCH(int, mode);
    Key(Qt::Key(Qt::Key_0 + mode)); // the mode's key, which tells its new game
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Frm.get());
    QAccessibleInterface* list = nullptr;
    for (int i = 0; i < window->childCount(); ++i) {
        if (window->child(i)->text(QAccessible::Name) == "Vorschau") {
            list = window->child(i);
            QCOMPARE(window->indexOfChild(list), i);
        }
    }
    QCOMPARE(list != nullptr, mode != 1);
    if (!list) {
        return;
    }
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->parent(), window);
    int balls = 0;
    for (int row = 0; row < KRows; ++row) {
        balls += Frm->Game().Tile(KPreviewColumn, row) > 0;
    }
    QCOMPARE(list->childCount(), balls);
    const QAccessibleInterface* last = list->child(balls - 1);
    QVERIFY(last->text(QAccessible::Name).endsWith(", Zeile 11"));
    QCOMPARE(last->role(), QAccessible::ListItem);
    // The key V reads the same balls from top to bottom, colours only.
    QStringList colours;
    for (int i = 0; i < balls; ++i) {
        colours << list->child(i)->text(QAccessible::Name).section(',', 0, 0);
    }
    Spoken.clear();
    Key(Qt::Key_V);
    QCOMPARE(Spoken, QStringList{"Vorschau: " + colours.join(", ") + "."});
}

// Marking, removing, a new game and the end of a game are told to the screen reader.
void TestAccessible::changesAreTold() {
    Key(Qt::Key_End); // the cursor to the top right, on an empty cell
    Events.clear();
    Frm->Game().SpielfeldMouseUp(6, 10);
    QVERIFY(Events.contains(QAccessible::SelectionWithin));
    Events.clear();
    Frm->Game().SpielfeldMouseUp(6, 10);
    QVERIFY(Events.contains(QAccessible::TableModelChanged));
    QVERIFY(Events.contains(QAccessible::NameChanged));
    Events.clear();
    Frm->DateiZuruecknehmenClick(); // the removal taken back
    QVERIFY(Events.contains(QAccessible::TableModelChanged));
    QVERIFY(Events.contains(QAccessible::NameChanged));
    QCOMPARE(Frm->Game().Tile(6, 10), 1);
    Events.clear();
    Frm->findChild<QAction*>("DateiNeu")->trigger();
    QVERIFY(Events.contains(QAccessible::TableModelChanged));

    // The last pair: the game ends, and the table says so while the name entry is open.
    TBoardPicture pair(KRows, "...........");
    pair[KRows - 1] = "........11.";
    LoadBoardPicture(Frm->Game(), pair);
    QString during;
    TModalAnswer<TDlgEnterName> answer([&](TDlgEnterName* dialog) {
        during = Table()->text(QAccessible::Description);
        dialog->BCancel()->click();
    });
    Events.clear();
    Frm->Game().SpielfeldMouseUp(8, KRows - 1);
    Frm->Game().SpielfeldMouseUp(8, KRows - 1);
    QVERIFY(answer.Answered());
    QVERIFY(Events.contains(QAccessible::DescriptionChanged));
    QCOMPARE(during, QString("Spiel zu Ende"));
    QCOMPARE(Table()->text(QAccessible::Description), QString()); // a new game runs
}

// Questions about cells, rows, columns and children that do not exist, as any client on the bus
// may ask them: each gets an empty answer, never a null that the bridge would use.
void TestAccessible::outOfRange() {
    Frm->SetModus(2);
    QAccessibleInterface* table = Table();
    QAccessibleTableInterface* cells = table->tableInterface();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Frm.get());
    QAccessibleInterface* list = window->child(window->childCount() - 1);
    QCOMPARE(list->text(QAccessible::Name), QString("Vorschau"));
    const int wrong[] = {-1, 11, 121, 1000, std::numeric_limits<int>::min()};
    for (const int bad : wrong) {
        for (const auto& [row, column] :
             {std::pair(bad, 0), std::pair(0, bad), std::pair(bad, bad)}) {
            // What the bridge does for IsSelected, GetRowExtentAt and GetColumnExtentAt.
            QAccessibleInterface* cell = cells->cellAt(row, column);
            QVERIFY(cell && cell->tableCellInterface());
            QVERIFY(!cell->tableCellInterface()->isSelected());
            QCOMPARE(cell->tableCellInterface()->rowExtent(), 0);
            QCOMPARE(cell->tableCellInterface()->columnExtent(), 0);
            QCOMPARE(cell->text(QAccessible::Name), QString());
            QCOMPARE(table->indexOfChild(cell), -1);
        }
        QVERIFY(!table->child(bad) || table->child(bad)->isValid());
        QVERIFY(!list->child(bad));
        QVERIFY(!window->child(bad) || window->child(bad)->isValid());
        QVERIFY(!cells->isRowSelected(bad) && !cells->isColumnSelected(bad));
        QCOMPARE(cells->rowDescription(bad), QString());
        QCOMPARE(cells->columnDescription(bad), QString());
    }
    QVERIFY(!table->childAt(-100000, -100000));
}

void TestAccessible::spoken_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("lastPair"); // the board holds one pair, which the keys remove
    QTest::addColumn<QStringList>("spoken");
    const QString removal = "Du bekommst dafür 6 Punkte. Punkte: 6.";
    const QString marking = "Das sind 3 Felder! Rot.";
    QTest::newRow("marking") << "Space" << false << QStringList{marking};
    // The ball that fell into the frame follows the points.
    QTest::newRow("removal") << "Space Return" << false
                             << QStringList{marking, removal + " Gelb, Spalte 7, Zeile 11."};
    QTest::newRow("Escape drops the mark")
        << "Space Esc" << false << QStringList{marking, "Markierung aufgehoben."};
    QTest::newRow("position") << "I" << false << QStringList{"Punkte: 0, noch 8 Kugeln."};
    QTest::newRow("no preview in mode 1") << "V" << false << QStringList{"Keine Vorschau."};
    QTest::newRow("high score mode")
        << "Ctrl+H" << false << QStringList{"focus", "Fortlaufend, keine Einträge."};
    QTest::newRow("Ctrl+N") << "Ctrl+N" << false
                            << QStringList{"Neues Spiel im Modus Normal. Punkte: 0."};
    QTest::newRow("mode key") << "2" << false
                              << QStringList{"Neues Spiel im Modus Fortlaufend. Punkte: 0."};
    // The end is told before the name entry takes the focus; the new game after it.
    QTest::newRow("game over") << "Space Return" << true
                               << QStringList{"Das sind 2 Felder! Rot.",
                                              "Du bekommst dafür 2 Punkte. Punkte: 2. Spiel zu "
                                              "Ende.",
                                              "focus", "Namen eintragen",
                                              "Neues Spiel im Modus Normal. Punkte: 0."};
    QTest::newRow("clock") << "" << false << QStringList{};
}

// Marking, removal, the end of a game and a new game are each spoken once, right after the key;
// the clock, ticking, is not.
void TestAccessible::spoken() {
    QFETCH(QString, keys);
    QFETCH(bool, lastPair);
    QFETCH(QStringList, spoken);
    // The cursor on the group of three 1s at the bottom.
    for (Qt::Key key :
         {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}) {
        Key(key);
    }
    if (lastPair) {
        TBoardPicture pair(KRows, "...........");
        pair[KRows - 1] = "......11...";
        LoadBoardPicture(Frm->Game(), pair);
    }
    Spoken.clear();
    TModalAnswer<TDlgEnterName> answer([](TDlgEnterName* dialog) {
        Spoken << QAccessible::queryAccessibleInterface(dialog)->text(QAccessible::Name);
        dialog->EName()->setText("Orca");
        dialog->BOK()->click();
    });
    TModalAnswer<TDlgHighscore> scores([](TDlgHighscore* dialog) {
        QTest::keyClick(dialog->CBModus(), Qt::Key_Down);
        dialog->BClose()->click();
    });
    if (keys.isEmpty()) {
        Frm->Timer1Timer();
    }
    for (const QString& step : keys.split(' ', Qt::SkipEmptyParts)) {
        const QKeyCombination key = QKeySequence(step)[0];
        QTest::keyClick(Frm->Spielfeld(), key.key(), key.keyboardModifiers());
    }
    QCOMPARE(Spoken, spoken);
    QCOMPARE(answer.Answered(), lastPair);
}

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
