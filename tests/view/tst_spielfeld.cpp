// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Spielfeld.h"
#include "SpielfeldHandler.h"

#include <QPainter>
#include <QtTest>

using namespace brimbal;

namespace {

class TRecordingHandler : public ISpielfeldHandler {
public:
    QStringList Calls;
    void SpielfeldPaint(QPainter& painter) override {
        Calls << "paint";
        painter.fillRect(0, 0, 10, 10, Qt::red);
    }
    void SpielfeldMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                          int y) override {
        Calls << QString("up %1 %2 %3,%4").arg(int(button)).arg(int(shift)).arg(x).arg(y);
    }
};

} // namespace

class TestSpielfeld : public QObject {
    Q_OBJECT

private slots:
    void mouseRelease_data();
    void mouseRelease();
    void repaintIsSynchronous();
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
    TSpielfeld spielfeld(handler);
    spielfeld.resize(637, 485);
    QTest::mouseClick(&spielfeld, button, modifiers, QPoint(30, 27));
    QCOMPARE(handler.Calls,
             QStringList({QString("up %1 %2 30,27").arg(int(button)).arg(int(modifiers))}));
}

void TestSpielfeld::repaintIsSynchronous() {
    TRecordingHandler handler;
    TSpielfeld spielfeld(handler);
    spielfeld.resize(100, 80);
    spielfeld.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spielfeld));
    handler.Calls.clear();
    spielfeld.repaint();
    QCOMPARE(handler.Calls, QStringList({"paint"}));
    QCOMPARE(spielfeld.grab().toImage().pixel(5, 5), qRgb(255, 0, 0));
}

QTEST_MAIN(TestSpielfeld)
#include "tst_spielfeld.moc"
