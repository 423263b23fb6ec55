// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "FakeGameHost.h"
#include "Game.h"
#include "Options.h"
#include "Spielfeld.h"

#include <QtTest>

using namespace brimbal;

namespace {

// A paint box on a game of its own, recording the cells it acts on.
struct TRecordingHandler {
    TFakeGameHost Host;
    TScriptedRandom Rng;
    TOptions FOptions;
    TGame FGame{Host, Rng, FOptions};
    TSpielfeld Box{FGame, FOptions};
    QStringList Calls;

    TRecordingHandler() {
        QObject::connect(&Box, &TSpielfeld::CellActed, [this](TCell cell) {
            Calls << QString("cell %1,%2").arg(cell.Column).arg(cell.Row);
        });
    }
};

// Presses the keys of a sequence such as "Right Right Down Space", "^Right" with Ctrl and
// "#2" for a digit of the keypad.
void Press(QWidget* widget, const QString& keys) {
    static const QHash<QString, Qt::Key> names{{"Left", Qt::Key_Left},   {"Right", Qt::Key_Right},
                                               {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},
                                               {"Home", Qt::Key_Home},   {"End", Qt::Key_End},
                                               {"PgUp", Qt::Key_PageUp}, {"PgDn", Qt::Key_PageDown},
                                               {"Space", Qt::Key_Space}, {"Return", Qt::Key_Return},
                                               {"Enter", Qt::Key_Enter}, {"Esc", Qt::Key_Escape},
                                               {"A", Qt::Key_A}};
    for (QString key : keys.split(' ', Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers modifiers;
        if (key.startsWith('^')) {
            modifiers |= Qt::ControlModifier;
            key.remove(0, 1);
        }
        if (key == "Enter") {
            modifiers |= Qt::KeypadModifier;
        }
        QTest::keyClick(widget, names.value(key), modifiers);
    }
}

} // namespace

class TestSpielfeld : public QObject {
    Q_OBJECT

private slots:
    void mouseRelease_data();
    void mouseRelease();
    void repaintIsSynchronous();
    void keys_data();
    void keys();
    void mouseHidesCursor();
};

void TestSpielfeld::mouseRelease_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("middle with shift and control")
        << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier);
}

void TestSpielfeld::mouseRelease() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    TRecordingHandler handler;
    TSpielfeld& spielfeld = handler.Box;
    spielfeld.resize(637, 485);
    spielfeld.RecalcSpielfeld();
    QTest::mouseClick(&spielfeld, button, modifiers, QPoint(30, 27));
    QCOMPARE(handler.Calls, QStringList({"cell 0,0"})); // any button, the cell under the pointer
}

void TestSpielfeld::repaintIsSynchronous() {
    TRecordingHandler handler;
    TSpielfeld& spielfeld = handler.Box;
    spielfeld.resize(100, 80);
    spielfeld.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spielfeld));
    handler.FGame.SetTile(0, 0, 1);
    spielfeld.SetNeedsRedraw();
    spielfeld.repaint();
    QVERIFY(!spielfeld.NeedsRedraw());
    const QImage& drawn = spielfeld.BackBuffer();
    QCOMPARE(spielfeld.grab().toImage().convertToFormat(drawn.format()), drawn);
}

void TestSpielfeld::keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("no key yet") << "" << QPoint(0, 0) << QStringList();
    QTest::newRow("left and up stay at the corner")
        << "Left Up Left Up Left" << QPoint(0, 0) << QStringList();
    QTest::newRow("right and down stop at the far edges")
        << QString("Right ").repeated(14) + QString("Down ").repeated(12) << QPoint(10, 10)
        << QStringList();
    QTest::newRow("one step each way") << "Right Right Down Left" << QPoint(1, 1) << QStringList();
    QTest::newRow("home, end and the pages")
        << "Right Down Down End" << QPoint(10, 2) << QStringList();
    QTest::newRow("home") << "Right Right Down Home" << QPoint(0, 1) << QStringList();
    QTest::newRow("page down, page up") << "Right PgDn" << QPoint(1, 10) << QStringList();
    QTest::newRow("page up") << "Down Down Right PgUp" << QPoint(1, 0) << QStringList();
    QTest::newRow("space, return and the keypad's enter act on the cell")
        << "Right Down Space Return Enter" << QPoint(1, 1)
        << QStringList{"cell 1,1", "cell 1,1", "cell 1,1"};
    QTest::newRow("escape acts beside the cells")
        << "Down Esc" << QPoint(0, 1) << QStringList{"cell -1,-1"};
    QTest::newRow("keys with ctrl are the menu's")
        << "^Right ^Down ^Space" << QPoint(0, 0) << QStringList();
    QTest::newRow("other keys do nothing") << "A" << QPoint(0, 0) << QStringList();
}

// The arrow keys move the cursor over the 11 x 11 cells without wrapping round; Space and
// Return act on its cell as a mouse release over it would.
void TestSpielfeld::keys() {
    QFETCH(QString, keys);
    QFETCH(QPoint, cursor);
    QFETCH(QStringList, calls);
    TRecordingHandler handler;
    TSpielfeld& spielfeld = handler.Box;
    spielfeld.resize(637, 485);
    spielfeld.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spielfeld));
    handler.Calls.clear();
    Press(&spielfeld, keys);
    QCOMPARE(QPoint(spielfeld.Cursor().Column, spielfeld.Cursor().Row), cursor);
    QCOMPARE(handler.Calls.filter("cell"), calls);
    QCOMPARE(spielfeld.CursorShown(), !keys.isEmpty() && !keys.startsWith("^") && keys != "A");
}

// The cursor hides while the mouse is used, and keeps its cell for the next key.
void TestSpielfeld::mouseHidesCursor() {
    TRecordingHandler handler;
    TSpielfeld& spielfeld = handler.Box;
    spielfeld.resize(637, 485);
    Press(&spielfeld, "Right Right Down");
    QVERIFY(spielfeld.CursorShown());
    QTest::mouseClick(&spielfeld, Qt::LeftButton, {}, QPoint(300, 300));
    QVERIFY(!spielfeld.CursorShown());
    handler.Calls.clear(); // the click acted on the cell under the pointer
    Press(&spielfeld, "Space");
    QVERIFY(spielfeld.CursorShown());
    QCOMPARE(handler.Calls.filter("cell"), QStringList{"cell 2,1"});
}

QTEST_MAIN(TestSpielfeld)
#include "tst_spielfeld.moc"
