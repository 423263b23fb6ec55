// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// The game played with the keyboard in the real main window.
#include "BoardPicture.h"
#include "DEnterName.h"
#include "FakeGameHost.h"
#include "Main.h"
#include "ModalAnswer.h"
#include "SettingsFixture.h"
#include "Spielfeld.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace brimbal;

namespace {

// A board dealt by a seeded generator, the same for every window.
TBoardPicture DealtBoard(std::uint64_t seed) {
    TFakeGameHost host;
    TRandom rng(seed);
    TOptions options;
    TGame game(host, rng, options);
    game.InitGame();
    return BoardPicture(game);
}

// The first cell, in reading order, of a group of two or more; (-1, -1) when there is none.
TCell FirstGroup(const TBoardPicture& board) {
    for (int row = 0; row < KRows; ++row) {
        for (int column = 0; column < KFieldColumns; ++column) {
            const char tile = board[row][column];
            if (tile != '.' && ((column + 1 < KFieldColumns && board[row][column + 1] == tile) ||
                                (row + 1 < KRows && board[row + 1][column] == tile))) {
                return {column, row};
            }
        }
    }
    return {};
}

std::unique_ptr<TFrmMain> ShownWindow(const TBoardPicture& board) {
    auto frm = std::make_unique<TFrmMain>();
    frm->show();
    QApplication::setActiveWindow(frm.get());
    if (!QTest::qWaitForWindowExposed(frm.get())) {
        return nullptr;
    }
    LoadBoardPicture(frm->Game(), board);
    frm->Spielfeld()->SetNeedsRedraw();
    frm->Spielfeld()->RepaintSpielfeld();
    return frm;
}

void Key(TFrmMain& frm, Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = {}) {
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(frm.Spielfeld(), key, modifiers);
    }
}

// Moves the keyboard cursor to a cell with the arrow keys.
void MoveTo(TFrmMain& frm, TCell cell) {
    const TCell at = frm.Spielfeld()->Cursor();
    Key(frm, cell.Column < at.Column ? Qt::Key_Left : Qt::Key_Right,
        std::abs(cell.Column - at.Column));
    Key(frm, cell.Row < at.Row ? Qt::Key_Up : Qt::Key_Down, std::abs(cell.Row - at.Row));
}

void Click(TFrmMain& frm, TCell cell) {
    const TBoardGeometry& g = frm.Spielfeld()->Geometry();
    QTest::mouseClick(
        frm.Spielfeld(), Qt::LeftButton, {},
        QPoint(g.TileX(cell.Column) + g.TileWidth() / 2, g.TileY(cell.Row) + g.TileHeight() / 2));
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void boardHasTheKeys();
    void digits_data();
    void digits();
    void cursorIsDrawnOverTheBackBuffer();
    void keysComeBack_data();
    void keysComeBack();
    void frame_data();
    void frame();
    void wholeGameByKeys();

private:
    std::unique_ptr<TSettingsDir> Settings;
};

void TestKeyboard::init() {
    Settings = std::make_unique<TSettingsDir>();
}

void TestKeyboard::cleanup() {
    Settings.reset();
}

void TestKeyboard::boardHasTheKeys() {
    auto frm = ShownWindow(DealtBoard(1));
    QVERIFY(QTest::qWaitForWindowActive(frm.get()));
    QCOMPARE(QApplication::focusWidget(), frm->Spielfeld());
}

void TestKeyboard::digits_data() {
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("mode");
    QTest::newRow("2 of the main keyboard") << false << 2;
    QTest::newRow("2 of the keypad") << true << 1;
}

// The digits of the main keyboard choose a mode and deal anew; those of the keypad do nothing.
void TestKeyboard::digits() {
    QFETCH(bool, keypad);
    QFETCH(int, mode);
    const TBoardPicture board = DealtBoard(2);
    auto frm = ShownWindow(board);
    for (Qt::Key digit : {Qt::Key_1, Qt::Key_2}) {
        QTest::keyClick(frm->Spielfeld(), digit, keypad ? Qt::KeypadModifier : Qt::NoModifier);
    }
    QCOMPARE(frm->Game().Modus(), mode);
    QCOMPARE(BoardPicture(frm->Game()) == board, keypad);
}

// The cursor frame is painted over the back buffer, never into it.
void TestKeyboard::cursorIsDrawnOverTheBackBuffer() {
    auto frm = ShownWindow(DealtBoard(3));
    const QImage before = frm->Spielfeld()->BackBuffer().copy();
    Key(*frm, Qt::Key_Right, 2);
    Key(*frm, Qt::Key_Down);
    QCOMPARE(frm->Spielfeld()->BackBuffer(), before);
    const QPoint corner = frm->Spielfeld()->CellRect({2, 1}).topLeft();
    const QImage shown = frm->Spielfeld()->grab().toImage();
    QCOMPARE(shown.pixel(corner), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(corner + QPoint(1, 1)), qRgb(255, 255, 255));
    QCOMPARE(shown.pixel(corner + QPoint(2, 2)), qRgb(0, 0, 0));
    QCOMPARE(before.pixel(corner + QPoint(1, 1)), qRgb(227, 227, 227));
}

void TestKeyboard::keysComeBack_data() {
    QTest::addColumn<QString>("away");
    QTest::newRow("menu closed from its submenu") << "Alt+O Right Escape Escape";
    QTest::newRow("dialog from the menu closed")
        << "Alt+D Down Down Down Down Down Down Return"; // Highscoreliste
}

// Wherever the keys went, a menu or a dialog, the board has them again once it is closed.
void TestKeyboard::keysComeBack() {
    QFETCH(QString, away);
    auto frm = ShownWindow(DealtBoard(5));
    QVERIFY(QTest::qWaitForWindowActive(frm.get()));
    TModalAnswer<QDialog> escape([](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    for (const QString& step : away.split(' ')) {
        QWidget* popup = QApplication::activePopupWidget();
        const QKeySequence keys(step);
        QTest::keyClick(popup ? popup : frm.get(), Qt::Key(keys[0].key()),
                        keys[0].keyboardModifiers());
        QTest::qWait(20);
    }
    QTRY_VERIFY(!QApplication::activePopupWidget() && !QApplication::activeModalWidget());
    QCOMPARE(escape.Answered(), away.endsWith("Return"));
    // The window's focus: what has the keys whenever the window is active.
    QTRY_COMPARE(frm->focusWidget(), frm->Spielfeld());
    QApplication::setActiveWindow(frm.get());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(frm->Spielfeld()->Cursor().Row, 1);
}

void TestKeyboard::frame_data() {
    QTest::addColumn<QString>("play");
    QTest::addColumn<bool>("shown");
    QTest::newRow("first arrow key") << "Right" << true;
    QTest::newRow("Escape after the mouse") << "click Escape" << false;
    QTest::newRow("on the bubble") << "Space redraw" << true;
}

// The frame shows from the first arrow key on, not when a mouse player presses Escape, which
// still drops the marked group; and it never covers the bubble with the group's size.
void TestKeyboard::frame() {
    QFETCH(QString, play);
    QFETCH(bool, shown);
    const TBoardPicture board = DealtBoard(6);
    const TCell group = FirstGroup(board);
    auto frm = ShownWindow(board);
    frm->findChild<QAction*>("OptionenBubble")->trigger();
    MoveTo(*frm, group);
    frm->Spielfeld()->setFocus(); // the frame as the mouse leaves it: hidden
    Click(*frm, {-1, -1});
    for (const QString& step : play.split(' ')) {
        if (step == "click") {
            Click(*frm, group);
        } else if (step == "redraw") {
            frm->findChild<QAction*>("OptionenAltFarben")
                ->trigger(); // the bubble shows at a full redraw
        } else {
            Key(*frm, Qt::Key(QKeySequence(step)[0].key()));
        }
    }
    QCOMPARE(frm->Spielfeld()->CursorShown(), shown);
    QCOMPARE(frm->Game().MarkedCount() > 0, play.contains("Space"));
    // Where the bubble stands, the window shows the back buffer untouched.
    const QRect bubble = frm->Spielfeld()->BubbleBox();
    QCOMPARE(bubble.isEmpty(), !play.contains("redraw"));
    if (!bubble.isEmpty()) {
        const QImage window =
            frm->Spielfeld()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(window.copy(bubble), frm->Spielfeld()->BackBuffer().copy(bubble));
    }
}

// A whole game played with the keyboard alone goes exactly as the same game played with clicks.
void TestKeyboard::wholeGameByKeys() {
    const TBoardPicture board = DealtBoard(4);
    auto byKeys = ShownWindow(board);
    auto byClicks = ShownWindow(board);
    int removals = 0;
    while (byKeys->Game().GameRunning() && removals < 200) {
        const TCell group = FirstGroup(BoardPicture(byKeys->Game()));
        QVERIFY(group.Column >= 0);
        // The last removal ends the game: its name entry files nothing and ends the program.
        auto answer = [](TDlgEnterName* dialog) {
            dialog->CHNeu()->setChecked(false);
            dialog->BCancel()->click();
        };
        TModalAnswer<TDlgEnterName> keysEnd(answer);
        MoveTo(*byKeys, group);
        Key(*byKeys, Qt::Key_Space);
        Key(*byKeys, Qt::Key_Return);
        TModalAnswer<TDlgEnterName> clicksEnd(answer);
        Click(*byClicks, group);
        Click(*byClicks, group);
        ++removals;
        QCOMPARE(BoardPicture(byKeys->Game()), BoardPicture(byClicks->Game()));
        QCOMPARE(byKeys->Game().Total(), byClicks->Game().Total());
        QCOMPARE(keysEnd.Answered(), clicksEnd.Answered());
    }
    QVERIFY(!byKeys->Game().GameRunning());
    QVERIFY(!byKeys->isVisible() && !byClicks->isVisible());
    QCOMPARE(byKeys->Game().MaxGroup(), byClicks->Game().MaxGroup());
    QVERIFY(removals > 5);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
