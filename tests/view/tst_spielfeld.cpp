// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardGeometry.h"
#include "BoardRenderer.h"
#include "FakeGameHost.h"
#include "Game.h"
#include "Spielfeld.h"
#include "SpielfeldHandler.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
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

// Paints a drawn board as the main window does: its back buffer, in device pixels, at (0, 0).
class TBoardHandler : public ISpielfeldHandler {
public:
    TFakeGameHost Host;
    TScriptedRandom Rng;
    TGame Game{Host, Rng};
    TBoardGeometry Geometry;
    TBoardRenderer Renderer;

    void Draw(QSize box, qreal ratio) {
        for (int row = 0; row < KRows; ++row) {
            for (int column = 0; column < KFieldColumns; ++column) {
                Game.SetTile(column, row, 1 + (row * 7 + column * 3) % 5);
            }
        }
        Game.SetTile(1, 0, Game.Tile(0, 0));
        Game.SpielfeldMouseUp(0, 0);
        Geometry.RecalcSpielfeld(box.width(), box.height(), false);
        Renderer.SetSize(box.width(), box.height(), ratio);
        Renderer.SpielfeldDraw(Game, Geometry, TViewOptions());
    }
    void SpielfeldPaint(QPainter& painter) override {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, Renderer.BackBuffer());
    }
    void SpielfeldMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) override {}
};

} // namespace

class TestSpielfeld : public QObject {
    Q_OBJECT

private slots:
    void mouseRelease_data();
    void mouseRelease();
    void repaintIsSynchronous();
    void backBufferOneToOne();
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

// The back buffer reaches the screen one device pixel to one, also when the paint box starts
// inside a device pixel (run with QT_SCALE_FACTOR 1.25, 1.5, 2 and 3 as well).
void TestSpielfeld::backBufferOneToOne() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    auto* menu = new QLabel("Datei");
    menu->setFixedHeight(23);
    layout->addWidget(menu);
    TBoardHandler handler;
    auto* spielfeld = new TSpielfeld(handler);
    layout->addWidget(spielfeld);
    window.resize(300, 250);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const qreal ratio = spielfeld->devicePixelRatio();
    handler.Draw(spielfeld->size(), ratio);
    spielfeld->repaint();
    const QImage shot = window.grab().toImage();
    const QImage& buffer = handler.Renderer.BackBuffer();
    QCOMPARE(shot.devicePixelRatio(), ratio);

    // The device pixels that lie wholly in the paint box match, for one placement of it.
    const QPointF corner = QPointF(spielfeld->mapTo(&window, QPoint(0, 0))) * ratio;
    const QSize inside(int(spielfeld->width() * ratio) - 1, int(spielfeld->height() * ratio) - 1);
    const QRect area(QPoint(0, 0), inside);
    int placements = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint origin(int(corner.x()) + dx, int(corner.y()) + dy);
            placements += shot.copy(area.translated(origin)) == buffer.copy(area);
        }
    }
    QCOMPARE(placements, 1);
}

QTEST_MAIN(TestSpielfeld)
#include "tst_spielfeld.moc"
