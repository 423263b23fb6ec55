// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardPicture.h"
#include "DEnterName.h"
#include "DHighscore.h"
#include "Main.h"
#include "ModalAnswer.h"
#include "ProgramIcon.h"
#include "SettingsFixture.h"
#include "Spielfeld.h"
#include "StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace brimbal;

namespace {

constexpr double KMsPerDay = 86400000.0;

double At(int hours, int minutes, int seconds, int ms = 0) {
    return (((hours * 60 + minutes) * 60 + seconds) * 1000 + ms) / KMsPerDay;
}

// Tiles at the right, as mode 1 leaves them: three 1s, a pair of 2s, three lone tiles.
const TBoardPicture KSmallBoard{"...........", "...........", "...........", "...........",
                                "...........", "...........", "...........", "...........",
                                "......3....", "......12...", "......11224"};

// Fills every cell with 9, a value that a new game never deals.
void MarkBoard(TGame& game) {
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KColumnsWithPreview; ++column) {
            game.SetTile(column, row, 9);
        }
    }
}

bool BoardIsMarked(TGame& game) {
    return game.Tile(0, 0) == 9 && game.Tile(10, 10) == 9;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initialLayout();
    void digitKeys_data();
    void digitKeys();
    void ctrlNDealsAnew();
    void toggles_data();
    void toggles();
    void greying();
    void clickMarksAndRemoves();
    void clickOutsideDropsSelection();
    void repaintKeepsBackBuffer();
    void quickRemovesInOneClick();
    void menuHint();
    void clock_data();
    void clock();
    void narrowing();
    void panelsHoldTheirTexts_data();
    void panelsHoldTheirTexts();
    void tinyWindow();
    void unknownMode_data();
    void unknownMode();
    void gameoverFlow_data();
    void gameoverFlow();
    void storedOptions_data();
    void storedOptions();
    void closeSaves_data();
    void closeSaves();
    void refusedSaveAsks_data();
    void refusedSaveAsks();
    void unreadableSettingsTold();
    void highscoreDialogOpensOnMode();
    void practice_data();
    void practice();
    void programIcon();

private:
    void Show();
    QPoint TilePixel(int column, int row) const;
    // On a board with two pairs, "1 1 2 2" at the bottom right: "remove" takes the 1s and "last"
    // the 2s, with two clicks; "replay" plays the deal again; anything else is a key sequence
    // pressed on the board.
    void Play(const QString& steps);
    // A menu item, by its name.
    QAction* Action(const char* name) const { return Frm->findChild<QAction*>(name); }

    double Now = At(12, 0, 0);
    std::unique_ptr<TSettingsDir> Settings;
    std::unique_ptr<TFrmMain> Frm;
};

void TestMainWindow::init() {
    Now = At(12, 0, 0);
    Settings = std::make_unique<TSettingsDir>();
    Frm = std::make_unique<TFrmMain>([this] { return Now; });
}

void TestMainWindow::cleanup() {
    Frm.reset();
    Settings.reset();
}

void TestMainWindow::Show() {
    Frm->show();
    QApplication::setActiveWindow(Frm.get());
    QVERIFY(QTest::qWaitForWindowActive(Frm.get()));
}

QPoint TestMainWindow::TilePixel(int column, int row) const {
    const TBoardGeometry& g = Frm->Spielfeld()->Geometry();
    return {g.TileX(column) + g.TileWidth() / 2, g.TileY(row) + g.TileHeight() / 2};
}

void TestMainWindow::Play(const QString& steps) {
    TBoardPicture board(KRows, "...........");
    board[10] = ".......1122";
    LoadBoardPicture(Frm->Game(), board);
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
        if (step == "remove" || step == "last") {
            const QPoint at = TilePixel(step == "remove" ? 7 : 9, 10);
            QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, at);
            QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, at);
        } else if (step == "replay") {
            Action("DateiWiederholen")->trigger();
        } else if (step.startsWith("hint")) {
            // "hint" waits for the marked group; "hint..." goes on while the search runs, and
            // "wait" gives a search time to answer.
            Action("DateiTipp")->trigger();
            if (step == "hint") {
                QTRY_VERIFY(Frm->Game().MarkedCount() >= 2);
            }
        } else if (step == "wait") {
            QTest::qWait(2 * int(TFrmMain::KHintBudget.count()));
        } else {
            const QKeyCombination key = QKeySequence(step)[0];
            QTest::keyClick(Frm->Spielfeld(), key.key(), key.keyboardModifiers());
        }
    }
}

void TestMainWindow::initialLayout() {
    Show();
    QCOMPARE(Frm->Spielfeld()->size(), QSize(637, 485));
    QCOMPARE(Frm->windowTitle(), QString("Brimbal - Normal"));
    QCOMPARE(Frm->Spielfeld()->Geometry().CellWidth(), 53);
    QCOMPARE(Frm->Spielfeld()->BackBuffer().size(), QSize(637, 485));
    TStatusBar* bar = Frm->StatusBar();
    QCOMPARE(bar->PanelText(0), QString("<Hint>"));
    QCOMPARE(bar->PanelText(1), QString("Punkte: 0"));
    QCOMPARE(bar->PanelText(2), QString("Programmlaufzeit: 0s"));
    QCOMPARE(bar->width(), 637);
    // The panels as designed while their texts fit, and every menu hint shows whole.
    QCOMPARE(bar->Panel(0)->width(), 357);
    QCOMPARE(bar->Panel(1)->width(), 100);
    QCOMPARE(bar->Panel(2)->width(), 180);
    for (const QAction* action : Frm->findChildren<QAction*>()) {
        bar->SetPanelText(0, action->statusTip());
        QVERIFY2(bar->Panel(0)->sizeHint().width() <= 357, qPrintable(action->statusTip()));
    }
    // A first start: mode 1, every option off.
    QVERIFY(Action("OptionenModusNormal")->isChecked());
    for (const char* name :
         {"OptionenAnzeigeBitmaps", "OptionenAltFarben", "OptionenSymbole", "OptionenBubble",
          "OptionenAnzeigeAnimationen", "OptionenSound", "OptionenQuickClick"}) {
        QVERIFY2(!Action(name)->isChecked(), name);
    }
    // "Symbole" follows "Andere Farben" in Optionen, Anzeige.
    const QList<QAction*> anzeige = Frm->findChild<QMenu*>("OptionenAnzeige")->actions();
    QCOMPARE(anzeige.indexOf(Action("OptionenSymbole")),
             anzeige.indexOf(Action("OptionenAltFarben")) + 1);
    for (const char* name :
         {"OptionenModusTirlan", "OptionenModusMegaTirlan", "OptionenModusBricks",
          "OptionenAnzeigeAnimationen", "OptionenSound", "HilfeSpielregeln"}) {
        QVERIFY2(!Action(name)->isEnabled(), name);
    }
    // The first paint drew the dealt board.
    QVERIFY(!Frm->Spielfeld()->NeedsRedraw());
    QVERIFY(Frm->Spielfeld()->BackBuffer().pixel(TilePixel(0, 0)) != qRgb(227, 227, 227));
}

void TestMainWindow::digitKeys_data() {
    QTest::addColumn<int>("startMode");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("dealt");
    QTest::addColumn<QString>("caption");
    QTest::newRow("1 in mode 1") << 1 << int(Qt::Key_1) << 1 << true << "Brimbal - Normal";
    QTest::newRow("1 in mode 2") << 2 << int(Qt::Key_1) << 1 << true << "Brimbal - Normal";
    QTest::newRow("2 in mode 1") << 1 << int(Qt::Key_2) << 2 << true << "Brimbal - Fortlaufend";
    QTest::newRow("2 in mode 2") << 2 << int(Qt::Key_2) << 2 << true << "Brimbal - Fortlaufend";
    QTest::newRow("3 does nothing") << 1 << int(Qt::Key_3) << 1 << false << "Brimbal - Normal";
    QTest::newRow("4 does nothing") << 2 << int(Qt::Key_4) << 2 << false << "Brimbal - Fortlaufend";
    QTest::newRow("5 does nothing") << 1 << int(Qt::Key_5) << 1 << false << "Brimbal - Normal";
}

void TestMainWindow::digitKeys() {
    QFETCH(int, startMode);
    QFETCH(int, key);
    QFETCH(int, mode);
    QFETCH(bool, dealt);
    QFETCH(QString, caption);
    Show();
    Frm->SetModus(startMode);
    MarkBoard(Frm->Game());
    QTest::keyClick(Frm->Spielfeld(), Qt::Key(key));
    QCOMPARE(Frm->Game().Modus(), mode);
    QCOMPARE(!BoardIsMarked(Frm->Game()), dealt);
    QCOMPARE(Frm->windowTitle(), caption);
    if (dealt) {
        const int preview = Frm->Game().Tile(KPreviewColumn, 10);
        QCOMPARE(preview >= 1 && preview <= 5, mode == 2);
    }
}

void TestMainWindow::ctrlNDealsAnew() {
    Show();
    LoadBoardPicture(Frm->Game(), KSmallBoard);
    QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, TilePixel(6, 10));
    QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, TilePixel(6, 10));
    QCOMPARE(Frm->Game().Total(), 6);
    MarkBoard(Frm->Game());
    QTest::keyClick(Frm->Spielfeld(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(!BoardIsMarked(Frm->Game()));
    QCOMPARE(Frm->Game().Total(), 0);
    QCOMPARE(Frm->StatusBar()->PanelText(1), QString("Punkte: 0"));
}

void TestMainWindow::toggles_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("Bitmaps") << "OptionenAnzeigeBitmaps";
    QTest::newRow("Andere Farben") << "OptionenAltFarben";
    QTest::newRow("Symbole") << "OptionenSymbole";
    QTest::newRow("Bubble") << "OptionenBubble";
    QTest::newRow("Schnelles Entfernen") << "OptionenQuickClick";
    QTest::newRow("Animationen") << "OptionenAnzeigeAnimationen";
    QTest::newRow("Sound") << "OptionenSound";
}

void TestMainWindow::toggles() {
    QFETCH(QString, action);
    Show();
    QAction* item = Action(action.toLatin1().constData());
    QVERIFY(item);
    auto option = [&] {
        const QHash<QString, bool> options{
            {"OptionenAnzeigeBitmaps", Frm->Options().AnzeigeBitmaps},
            {"OptionenAltFarben", Frm->Options().AltColor},
            {"OptionenSymbole", Frm->Options().Symbole},
            {"OptionenBubble", Frm->Options().Bubble},
            {"OptionenQuickClick", Frm->Game().Quick()},
            {"OptionenAnzeigeAnimationen", Frm->Game().Animation()},
            {"OptionenSound", Frm->Options().Sound}};
        return options.value(action);
    };
    const bool enabled = item->isEnabled();
    item->setEnabled(true); // the disabled ones cannot be reached from the menu
    const QImage board = Frm->Spielfeld()->BackBuffer().copy();
    for (bool expected : {true, false}) {
        item->trigger();
        QCOMPARE(item->isChecked(), expected);
        QCOMPARE(option(), expected);
        if (action == "OptionenSymbole") {
            QCOMPARE(Frm->Spielfeld()->BackBuffer() != board, expected); // drawn at once
        }
    }
    item->setEnabled(enabled);
}

void TestMainWindow::greying() {
    Show();
    QAction* bitmaps = Action("OptionenAnzeigeBitmaps");
    QAction* alt = Action("OptionenAltFarben");
    QAction* quick = Action("OptionenQuickClick");
    QAction* bubble = Action("OptionenBubble");

    alt->trigger();
    const QRgb altColour = Frm->Spielfeld()->BackBuffer().pixel(TilePixel(0, 0));
    bitmaps->trigger();
    QVERIFY(!alt->isEnabled());
    QVERIFY(alt->isChecked());
    QVERIFY(Frm->Options().AltColor);
    QCOMPARE(Frm->Spielfeld()->Geometry().TileWidth(), 32); // ball images in a repainted board
    QVERIFY(!Frm->Spielfeld()->NeedsRedraw());
    bitmaps->trigger();
    QVERIFY(alt->isEnabled());
    QCOMPARE(Frm->Spielfeld()->BackBuffer().pixel(TilePixel(0, 0)), altColour);

    bubble->trigger();
    quick->trigger();
    QVERIFY(!bubble->isEnabled());
    QVERIFY(bubble->isChecked());
    quick->trigger();
    QVERIFY(bubble->isEnabled());
    QVERIFY(Frm->Options().Bubble);
}

void TestMainWindow::clickMarksAndRemoves() {
    Show();
    LoadBoardPicture(Frm->Game(), KSmallBoard);
    Frm->Spielfeld()->SetNeedsRedraw();
    Frm->Spielfeld()->RepaintSpielfeld();
    TStatusBar* bar = Frm->StatusBar();

    QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, TilePixel(6, 10));
    QCOMPARE(bar->PanelText(0), QString("Das sind 3 Felder!"));
    // The outline went straight into the back buffer: the left edge of (6,10).
    const QRect cell = Frm->Spielfeld()->CellRect({6, 10});
    const int left = cell.left();
    const int top = cell.top();
    QCOMPARE(Frm->Spielfeld()->BackBuffer().pixel(left, top), qRgb(0, 0, 0));

    QTest::mouseClick(Frm->Spielfeld(), Qt::RightButton, {}, TilePixel(7, 10));
    QCOMPARE(bar->PanelText(0), QString("Du bekommst dafür 6 Punkte."));
    QCOMPARE(bar->PanelText(1), QString("Punkte: 6"));
    QCOMPARE(Frm->Spielfeld()->BackBuffer().pixel(left, top), qRgb(227, 227, 227));
    QCOMPARE(Frm->Game().Tile(6, 10), 3);
}

void TestMainWindow::clickOutsideDropsSelection() {
    Show();
    LoadBoardPicture(Frm->Game(), KSmallBoard);
    QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, TilePixel(6, 10));
    QVERIFY(Frm->Game().SelectionActive());
    QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!Frm->Game().SelectionActive());
    QCOMPARE(Frm->Game().MarkedCount(), 0);
    QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, TilePixel(6, 10));
    QCOMPARE(Frm->Game().MarkedCount(), 3);
    QTest::mouseClick(Frm->Spielfeld(), Qt::MiddleButton, {}, TilePixel(0, 0)); // empty cell
    QCOMPARE(Frm->Game().MarkedCount(), 0);
}

// A repaint without a pending full redraw only copies the back buffer: what changed without
// asking for a redraw (here a tile, as the rules change tiles before they ask) is not drawn.
void TestMainWindow::repaintKeepsBackBuffer() {
    Show();
    QVERIFY(!Frm->Spielfeld()->NeedsRedraw());
    const QImage before = Frm->Spielfeld()->BackBuffer().copy();
    Frm->Game().SetTile(0, 0, Frm->Game().Tile(0, 0) % KColours + 1);
    Frm->Spielfeld()->repaint();
    QCOMPARE(Frm->Spielfeld()->BackBuffer(), before);
    Frm->Spielfeld()->SetNeedsRedraw();
    Frm->Spielfeld()->repaint();
    QVERIFY(Frm->Spielfeld()->BackBuffer() != before);
}

void TestMainWindow::quickRemovesInOneClick() {
    Show();
    LoadBoardPicture(Frm->Game(), KSmallBoard);
    Action("OptionenQuickClick")->trigger();
    QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, TilePixel(8, 10));
    QCOMPARE(Frm->StatusBar()->PanelText(0), QString("Du bekommst dafür 2 Punkte."));
    QCOMPARE(Frm->Game().Total(), 2);
    QVERIFY(!Frm->Game().SelectionActive());
}

void TestMainWindow::menuHint() {
    Show();
    TStatusBar* bar = Frm->StatusBar();
    QMenuBar* menuBar = Frm->menuBar();
    auto* datei = menuBar->findChild<QMenu*>("Datei1");
    QVERIFY(datei);
    menuBar->setActiveAction(datei->menuAction());
    QTRY_VERIFY(datei->isVisible());
    datei->setActiveAction(Action("DateiNeu"));
    QCOMPARE(bar->PanelText(0), QString("Neues Spiel"));
    QVERIFY(bar->Panel(1)->isVisible());
    QVERIFY(bar->Panel(2)->isVisible());
    QCOMPARE(bar->PanelText(1), QString("Punkte: 0"));
    datei->setActiveAction(Action("DateiHighscore")); // an item without a hint
    QCOMPARE(bar->PanelText(0), QString());
    datei->setActiveAction(Action("DateiBeenden"));
    QCOMPARE(bar->PanelText(0), QString("Beendet das Spiel"));
    QTest::keyClick(datei, Qt::Key_Escape);
    QTest::keyClick(menuBar, Qt::Key_Escape);
    // Disabled items are highlighted too and show their hints, but do nothing.
    auto* modus = menuBar->findChild<QMenu*>("OptionenModus");
    menuBar->setActiveAction(modus->menuAction());
    QTRY_VERIFY(modus->isVisible());
    QAction* tirlan = Action("OptionenModusTirlan");
    QTest::mouseMove(modus, modus->actionGeometry(tirlan).center());
    QTRY_COMPARE(modus->activeAction(), tirlan);
    QCOMPARE(bar->PanelText(0), QString("???"));
    QTest::mouseClick(modus, Qt::LeftButton, {}, modus->actionGeometry(tirlan).center());
    QTest::keyClick(modus, Qt::Key_Return);
    QCOMPARE(Frm->Game().Modus(), 1);
    QVERIFY(!tirlan->isChecked());
    modus->setActiveAction(Action("OptionenModusBricks"));
    QCOMPARE(bar->PanelText(0), QString());
    QTest::keyClick(modus, Qt::Key_Escape);
    QTest::keyClick(menuBar, Qt::Key_Escape);
    QTRY_VERIFY(!modus->isVisible());
    QTRY_COMPARE(bar->PanelText(0), QString());
    QVERIFY(bar->Panel(2)->isVisible());

    // A game message stays while the pointer passes over the menu bar: the hint text stays
    // empty there, so panel 0 is not written.
    Frm->Report(IGameHost::ENews::Marked, 7);
    for (QAction* title : menuBar->actions()) {
        const QPointF at = menuBar->actionGeometry(title).center();
        QMouseEvent move(QEvent::MouseMove, at, menuBar->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(menuBar, &move);
    }
    QCOMPARE(bar->PanelText(0), QString("Das sind 7 Felder!"));
}

void TestMainWindow::clock_data() {
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("gameStart");
    QTest::addColumn<double>("now");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("text");
    const double noon = At(12, 0, 0);
    QTest::newRow("first tick") << noon << noon << At(12, 0, 0, 400) << true
                                << "Programmlaufzeit: 0s ";
    QTest::newRow("game time") << noon << noon << At(12, 0, 1) << true << "Spielzeit: 1s ";
    QTest::newRow("one hour and seven seconds")
        << noon << noon << At(13, 0, 7) << true << "Spielzeit: 1h 7s ";
    QTest::newRow("every fifth second the running time")
        << At(11, 0, 0) << noon << At(12, 2, 10) << true << "Programmlaufzeit: 1h 2min 10s ";
    QTest::newRow("game over shows the running time")
        << At(11, 0, 0) << noon << At(12, 2, 11) << false << "Programmlaufzeit: 1h 2min 11s ";
    QTest::newRow("game across midnight")
        << At(23, 0, 0) << At(23, 59, 58) << At(0, 0, 4) << true << "Spielzeit: 6s ";
    QTest::newRow("run across midnight")
        << At(23, 59, 58) << At(23, 59, 58) << At(0, 0, 3) << true << "Programmlaufzeit: 5s ";
    QTest::newRow("long run across midnight") << At(22, 30, 0) << At(22, 30, 0) << At(1, 15, 0, 999)
                                              << true << "Programmlaufzeit: 2h 45min 0s ";
}

void TestMainWindow::clock() {
    QFETCH(double, start);
    QFETCH(double, gameStart);
    QFETCH(double, now);
    QFETCH(bool, running);
    QFETCH(QString, text);
    Now = start;
    Frm = std::make_unique<TFrmMain>([this] { return Now; });
    Now = gameStart;
    Frm->DateiNeuClick();
    if (!running) {
        Frm->Game().CheckForGameover();
        Frm->Game().ResetClock();
        Frm->Game().InitGame();
        Frm->Game().ResetClock();
    }
    Now = now;
    Frm->Timer1Timer();
    QCOMPARE(Frm->StatusBar()->PanelText(2), text);
}

void TestMainWindow::narrowing() {
    Show();
    TStatusBar* bar = Frm->StatusBar();
    const int score = bar->Panel(1)->width();
    const int clock = bar->Panel(2)->width();
    for (int width : {900, 500, 300, 281, 280, 200, 50}) {
        Frm->resize(width, Frm->height());
        QTRY_COMPARE(bar->width(), width);
        QCOMPARE(bar->Panel(0)->width(), std::max(0, width - score - clock));
        QCOMPARE(bar->Panel(1)->width(), score);
        QCOMPARE(bar->Panel(2)->width(), clock);
        QCOMPARE(Frm->Spielfeld()->width(), width);
        QCOMPARE(Frm->Spielfeld()->Geometry().CellWidth(), width / 12);
    }
}

void TestMainWindow::panelsHoldTheirTexts_data() {
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("application font") << 0;
    QTest::newRow("large font") << 20;
}

// The score and the clock show whole, with 32-bit points and a running time of hours.
void TestMainWindow::panelsHoldTheirTexts() {
    QFETCH(int, pixelSize);
    Show();
    if (pixelSize > 0) {
        QFont font = Frm->font();
        font.setPixelSize(pixelSize);
        Frm->setFont(font);
    }
    Frm->resize(1200, Frm->height());
    Frm->Game().UpdateScore(46341); // 46341 x 46340 points
    Now = At(11, 59, 55);           // the program has run for 23 h 59 min 55 s
    Frm->Timer1Timer();
    TStatusBar* bar = Frm->StatusBar();
    QCOMPARE(bar->PanelText(1), QString("Punkte: 2147441940"));
    QCOMPARE(bar->PanelText(2), QString("Programmlaufzeit: 23h 59min 55s "));
    for (int panel : {1, 2}) {
        QTRY_VERIFY(bar->Panel(panel)->sizeHint().width() <= bar->Panel(panel)->width());
    }
}

void TestMainWindow::tinyWindow() {
    Show();
    for (QSize size : {QSize(300, 300), QSize(11, 60), QSize(3, 40), QSize(3, 3)}) {
        Frm->resize(size);
        QTRY_VERIFY(Frm->Spielfeld()->width() <= size.width());
        // The window keeps room for its menu and status bars: the paint box becomes tiny.
        QTRY_VERIFY(Frm->Spielfeld()->height() <= std::max(size.height(), 40));
        QCOMPARE(Frm->Spielfeld()->Geometry().CellWidth(), Frm->Spielfeld()->width() / 12);
        for (bool bitmaps : {true, false}) {
            Action("OptionenAnzeigeBitmaps")->trigger();
            QCOMPARE(Frm->Options().AnzeigeBitmaps, bitmaps);
            Frm->Spielfeld()->repaint();
            QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, QPoint(0, 0));
            QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, QPoint(1, 1));
        }
    }
    QCOMPARE(Frm->Game().MarkedCount(), 0);
    Frm->resize(700, 600);
    QTRY_COMPARE(Frm->Spielfeld()->width(), 700);
    QCOMPARE(Frm->Spielfeld()->Geometry().CellWidth(), 700 / 12);
    QCOMPARE(Frm->Spielfeld()->BackBuffer().width(), 700);
}

void TestMainWindow::unknownMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("preview");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("-4") << -4 << false;
    QTest::newRow("6") << 6 << true;
    QTest::newRow("1000") << 1000 << true;
}

void TestMainWindow::unknownMode() {
    QFETCH(int, mode);
    QFETCH(bool, preview);
    Frm->SetModus(mode);
    QCOMPARE(Frm->windowTitle(), QString("Brimbal - UNBEKANNTER MODUS"));
    for (const char* name :
         {"OptionenModusNormal", "OptionenModusFortlaufend", "OptionenModusTirlan",
          "OptionenModusMegaTirlan", "OptionenModusBricks"}) {
        QVERIFY2(!Action(name)->isChecked(), name);
    }
    QCOMPARE(Frm->Game().Tile(KPreviewColumn, 10) != 0, preview);
    QVERIFY(Frm->Game().GameRunning());
}

void TestMainWindow::gameoverFlow_data() {
    QTest::addColumn<int>("tableEntries"); // of 100 points each, in mode 1
    QTest::addColumn<bool>("newGame");
    QTest::addColumn<QString>("shown");
    QTest::newRow("good game, new game") << 0 << true << "Eva";
    QTest::newRow("good game, the end") << 3 << false << "Eva";
    QTest::newRow("weak game, Ja") << 10 << true << "box";
    QTest::newRow("weak game, Nein") << 10 << false << "box";
}

// A played game ends in the right dialog; its answer starts a new game or closes the window,
// which saves the table.
void TestMainWindow::gameoverFlow() {
    QFETCH(int, tableEntries);
    QFETCH(bool, newGame);
    QFETCH(QString, shown);
    Show();
    for (int i = 0; i < tableEntries; ++i) {
        Frm->Scores().Add(1, {QString("Alt%1").arg(i), "d", 100, 4});
    }
    TBoardPicture board = KSmallBoard;
    board[8] = board[9] = "...........";
    board[10] = "........11.";
    LoadBoardPicture(Frm->Game(), board);

    QString text;
    TModalAnswer<TDlgEnterName> name([&](TDlgEnterName* dialog) {
        text = dialog->LText()->text();
        dialog->EName()->setText("Eva");
        dialog->CHNeu()->setChecked(newGame);
        dialog->BOK()->click();
    });
    TModalAnswer<QMessageBox> box([&](QMessageBox* dialog) {
        text = dialog->text();
        dialog->button(newGame ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, TilePixel(8, 10));
    QTest::mouseClick(Frm->Spielfeld(), Qt::LeftButton, {}, TilePixel(9, 10));

    if (shown == "box") {
        QVERIFY(box.Answered() && !name.Answered());
        QVERIFY(text.startsWith("GameOver...\nDeine Punkte: 2\nDu hättest mindestens 100 "
                                "Punkte gebraucht, um Alt9 zu schlagen."));
    } else {
        QVERIFY(name.Answered() && !box.Answered());
        QVERIFY(text.startsWith("Herzlichen Glückwunsch!"));
        QCOMPARE(Frm->PlayerName(), shown);
        const TScoreEntry filed = Frm->Scores().GetScore(1, tableEntries + 1);
        QCOMPARE(filed.Name, shown);
        QCOMPARE(filed.Points, 2);
        QCOMPARE(filed.MaxGroup, 2);
    }
    QCOMPARE(Frm->Game().GameRunning(), newGame);
    QCOMPARE(Frm->isVisible(), newGame);
    // A filed entry is saved at once; closing saves the tables as well.
    QCOMPARE(Settings->Exists(), shown == "Eva" || !newGame);
    QCOMPARE(Settings->Content().contains("M001S001N=Eva"), shown == "Eva" && tableEntries == 0);
}

void TestMainWindow::storedOptions_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("greyed");
    QTest::newRow("nothing stored") << QByteArray() << "Brimbal - Normal"
                                    << QStringList{"OptionenModusNormal"} << QStringList();
    QTest::newRow("mode 3") << QByteArray("[General]\nModus=3\n") << "Brimbal - Tirlan"
                            << QStringList{"OptionenModusTirlan"} << QStringList();
    QTest::newRow("mode 5") << QByteArray("[General]\nModus=5\n") << "Brimbal - Bricks"
                            << QStringList{"OptionenModusBricks"} << QStringList();
    QTest::newRow("mode 0") << QByteArray("[General]\nModus=0\n") << "Brimbal - UNBEKANNTER MODUS"
                            << QStringList() << QStringList();
    QTest::newRow("quick greys bubble")
        << QByteArray("[General]\nModus=2\nQuick=1\nBubble=1\n") << "Brimbal - Fortlaufend"
        << QStringList{"OptionenModusFortlaufend", "OptionenQuickClick", "OptionenBubble"}
        << QStringList{"OptionenBubble"};
    QTest::newRow("bitmaps grey the palette")
        << QByteArray("[General]\nAnzeigeBitmaps=1\nAltColor=1\nSound=1\nAnimation=1\n")
        << "Brimbal - Normal"
        << QStringList{"OptionenModusNormal", "OptionenAnzeigeBitmaps", "OptionenAltFarben",
                       "OptionenSound", "OptionenAnzeigeAnimationen"}
        << QStringList{"OptionenAltFarben"};
    QTest::newRow("symbols") << QByteArray("[General]\nSymbole=1\n") << "Brimbal - Normal"
                             << QStringList{"OptionenModusNormal", "OptionenSymbole"}
                             << QStringList();
}

void TestMainWindow::storedOptions() {
    QFETCH(QByteArray, file);
    QFETCH(QString, caption);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, greyed);
    Frm.reset();
    if (!file.isEmpty()) {
        QVERIFY(Settings->Write(file));
    }
    Frm = std::make_unique<TFrmMain>([this] { return Now; });
    QCOMPARE(Frm->windowTitle(), caption);
    for (const char* name :
         {"OptionenModusNormal", "OptionenModusFortlaufend", "OptionenModusTirlan",
          "OptionenModusMegaTirlan", "OptionenModusBricks", "OptionenAnzeigeBitmaps",
          "OptionenAltFarben", "OptionenSymbole", "OptionenBubble", "OptionenAnzeigeAnimationen",
          "OptionenSound", "OptionenQuickClick"}) {
        QCOMPARE(Action(name)->isChecked(), checked.contains(name));
        if (greyed.contains(name)) {
            QVERIFY2(!Action(name)->isEnabled(), name);
        }
    }
    QVERIFY(Frm->Game().GameRunning());
}

void TestMainWindow::closeSaves_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close";
    QTest::newRow("Beenden") << "Beenden";
    QTest::newRow("Ctrl+Q") << "Ctrl+Q";
}

void TestMainWindow::closeSaves() {
    QFETCH(QString, how);
    Show();
    Action("OptionenQuickClick")->trigger();
    QTest::keyClick(Frm->Spielfeld(), Qt::Key_2);
    Frm->Scores().Add(2, {"Ann", "d", 70, 6});
    // The changed options are saved as they change; the rest waits for the close.
    QVERIFY(Settings->Content().contains("Modus=2\n"));
    QVERIFY(!Settings->Content().contains("Ann"));
    if (how == "close") {
        Frm->close();
    } else if (how == "Beenden") {
        Action("DateiBeenden")->trigger();
    } else {
        QTest::keyClick(Frm->Spielfeld(), Qt::Key_Q, Qt::ControlModifier);
    }
    QVERIFY(!Frm->isVisible());
    const QByteArray content = Settings->Content();
    QVERIFY(content.contains("Modus=2\n"));
    QVERIFY(content.contains("Quick=1\n"));
    QVERIFY(content.contains("M002S001N=Ann\n"));
}

void TestMainWindow::refusedSaveAsks_data() {
    QTest::addColumn<bool>("retry");
    QTest::newRow("try again once the folder is free") << true;
    QTest::newRow("end without saving") << false;
}

// A save that fails at the close tells the player where and why, and offers to try again.
void TestMainWindow::refusedSaveAsks() {
    QFETCH(bool, retry);
    Show();
    QFile blocker(Settings->Path() + "/Zelkor"); // a file where the settings folder belongs
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Frm->Scores().Add(1, {"Ann", "d", 70, 6});
    QString text;
    QStringList buttons;
    TModalAnswer<QMessageBox> box([&](QMessageBox* dialog) {
        text = dialog->text();
        for (QAbstractButton* button : dialog->buttons()) {
            buttons << button->text();
        }
        if (retry) {
            QVERIFY(blocker.remove());
        }
        dialog->buttons()
            .at(buttons.indexOf(retry ? "&Wiederholen" : "&Ohne Speichern beenden"))
            ->click();
    });
    Frm->close();
    QVERIFY(box.Answered());
    QVERIFY(text.startsWith("Die Highscores und Einstellungen konnten nicht gespeichert werden."));
    QVERIFY(text.contains(Settings->FileName()));
    QCOMPARE(buttons.size(), 2);
    QVERIFY(!Frm->isVisible());
    QCOMPARE(Settings->Content().contains("M001S001N=Ann\n"), retry);
}

// A settings file that cannot be read is told in the status bar; the game starts as new.
void TestMainWindow::unreadableSettingsTold() {
    Frm.reset();
    QVERIFY(QDir().mkpath(Settings->FileName())); // a folder where the file belongs
    Frm = std::make_unique<TFrmMain>([this] { return Now; });
    const QString told = Frm->StatusBar()->PanelText(0);
    QVERIFY(told.startsWith("Einstellungen nicht lesbar: "));
    QVERIFY(told.contains(Settings->FileName()));
    QCOMPARE(Frm->StatusBar()->Panel(0)->toolTip(), told);
    QCOMPARE(Frm->windowTitle(), "Brimbal - Normal");
}

void TestMainWindow::highscoreDialogOpensOnMode() {
    Show();
    QTest::keyClick(Frm->Spielfeld(), Qt::Key_2);
    int item = -1;
    TModalAnswer<TDlgHighscore> answer([&](TDlgHighscore* dialog) {
        item = dialog->CBModus()->currentIndex();
        dialog->CBModus()->setCurrentIndex(4);
        dialog->BClose()->click();
    });
    QTest::keyClick(Frm->Spielfeld(), Qt::Key_H, Qt::ControlModifier);
    QVERIFY(answer.Answered());
    QCOMPARE(item, 1);
    QCOMPARE(Frm->Game().Modus(), 2); // closing returns to the game unchanged
}

void TestMainWindow::practice_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("undo");
    QTest::addColumn<bool>("redo");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("panel0");
    QTest::addColumn<QString>("end"); // what the end asks: "name", the practice "box", or nothing
    const QString practice = "Übungsspiel: kommt nicht in die Highscoreliste";
    const QString points = "Du bekommst dafür 2 Punkte.";
    const QString normal = "Brimbal - Normal";
    const QString inPractice = "Brimbal - Normal (Übung)";
    QTest::newRow("nothing to take back") << "Ctrl+Z" << false << false << normal << "<Hint>"
                                          << "";
    QTest::newRow("a removal") << "remove" << true << false << normal << points << "";
    QTest::newRow("taken back") << "remove Ctrl+Z" << false << true << inPractice << practice << "";
    QTest::newRow("done again") << "remove Ctrl+Z Ctrl+Y" << true << false << inPractice << practice
                                << "";
    QTest::newRow("said once") << "remove Ctrl+Z remove Ctrl+Z" << false << true << inPractice
                               << points << "";
    QTest::newRow("played again") << "remove replay" << false << false << inPractice << practice
                                  << "";
    QTest::newRow("Neu ends practice and its message")
        << "remove Ctrl+Z Ctrl+N" << false << false << normal << ""
        << "";
    QTest::newRow("a mode ends practice and its message")
        << "remove Ctrl+Z 2" << false << false << "Brimbal - Fortlaufend"
        << ""
        << "";
    QTest::newRow("Neu keeps a later message")
        << "remove Ctrl+Z remove Ctrl+N" << false << false << normal << points << "";
    // The best line takes both pairs: 4 points. Space removes the hinted pair, in the frame.
    QTest::newRow("a hint") << "hint" << false << false << inPractice
                            << "Tipp: Damit sind noch mindestens 4 Punkte möglich."
                            << "";
    QTest::newRow("a hint taken") << "hint Space" << true << false << inPractice << points << "";
    QTest::newRow("a key cancels the hint's search")
        << "hint... Left wait" << false << false << normal << "<Hint>"
        << "";
    QTest::newRow("an ordinary game enters the table")
        << "remove last" << false << false << normal << points << "name";
    QTest::newRow("a removal taken back, then the end")
        << "remove Ctrl+Z remove last" << false << false << normal << points << "box";
    QTest::newRow("the deal played again, then the end")
        << "remove replay remove last" << false << false << normal << points << "box";
}

// The practice items follow the game, their keys work from the board, and the title and panel 0
// tell a practice game. At its end no name is asked for and the settings file stays as it was;
// the next game is an ordinary one.
void TestMainWindow::practice() {
    QFETCH(QString, steps);
    QFETCH(bool, undo);
    QFETCH(bool, redo);
    QFETCH(QString, title);
    QFETCH(QString, panel0);
    QFETCH(QString, end);
    Show();
    const QByteArray file = Settings->Content();
    bool itemsEnabled = true;
    QString text;
    TModalAnswer<TDlgEnterName> name([&](TDlgEnterName* dialog) {
        dialog->EName()->setText("Eva");
        dialog->BOK()->click();
    });
    TModalAnswer<QMessageBox> box([&](QMessageBox* dialog) {
        itemsEnabled = Action("DateiZuruecknehmen")->isEnabled() ||
                       Action("DateiWiederholen")->isEnabled() ||
                       Action("DateiTipp")->isEnabled() || Action("DateiWasWarDrin")->isEnabled();
        text = dialog->text();
        dialog->button(QMessageBox::Yes)->click();
    });
    Play(steps);
    QCOMPARE(name.Answered(), end == "name");
    QCOMPARE(box.Answered(), end == "box");
    if (!end.isEmpty()) {
        QCOMPARE(Settings->Content() != file, end == "name"); // an entry is saved at once
    }
    if (end == "box") {
        QVERIFY(!itemsEnabled);
        QCOMPARE(text, QString("GameOver...\nDeine Punkte: 4\nÜbungsspiel: kein Eintrag in die "
                               "Highscoreliste.\n\nNeues Spiel?\n"));
    }
    QCOMPARE(Action("DateiZuruecknehmen")->isEnabled(), undo);
    QCOMPARE(Action("DateiWiederherstellen")->isEnabled(), redo);
    for (const char* item : {"DateiWiederholen", "DateiTipp", "DateiWasWarDrin"}) {
        QVERIFY(Action(item)->isEnabled());
    }
    QCOMPARE(Frm->windowTitle(), title);
    QCOMPARE(Frm->StatusBar()->PanelText(0), panel0);
}

// The windows' icon comes in every size of the icon set, each with transparent corners.
void TestMainWindow::programIcon() {
    const QIcon icon = ProgramIcon();
    QList<QSize> available = icon.availableSizes();
    std::sort(available.begin(), available.end(),
              [](QSize a, QSize b) { return a.width() < b.width(); });
    QStringList sizes;
    for (const QSize& size : available) {
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), size);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size.width() - 1, size.height() - 1)), 0);
        sizes << QString::number(size.width());
    }
    QCOMPARE(sizes.join(','), QString(BRIMBAL_ICON_SIZES));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
