// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "BoardRenderer.h"
#include "FakeGameHost.h"
#include "Game.h"

#include <QtTest>

using namespace brimbal;

namespace {

// A board with groups of every size: 7 ones at the top left, 16 fives across row 5, a preview.
const QStringList KBoard = {
    "111122334455", "1.2233445511", "112233445512", "334455112233", "445511223344", "555555555555",
    "5.3344..5511", "223344551122", "3344.5112233", "445511223344", "551122334455",
};

// One back buffer: a full redraw after the first group was marked, then the outline of the
// second group drawn into it by itself, as a click draws it.
struct TShot {
    QSize Box;
    int Modus = 1;
    TViewOptions Options;
    QPoint MarkBeforeRedraw{-1, -1};
    QPoint MarkAfterRedraw{-1, -1};
};

QImage Render(const TShot& shot) {
    TFakeGameHost host;
    TScriptedRandom rng;
    TGame game(host, rng);
    game.SetModus(shot.Modus);
    TBoardPicture picture;
    for (const QString& row : KBoard) {
        picture.push_back(row.toStdString());
    }
    LoadBoardPicture(game, picture);
    TBoardGeometry geometry;
    geometry.RecalcSpielfeld(shot.Box.width(), shot.Box.height(), shot.Options.AnzeigeBitmaps);
    TBoardRenderer renderer;
    renderer.SetSize(shot.Box.width(), shot.Box.height());
    if (shot.MarkBeforeRedraw.x() >= 0) {
        game.SpielfeldMouseUp(shot.MarkBeforeRedraw.x(), shot.MarkBeforeRedraw.y());
    }
    renderer.SpielfeldDraw(game, geometry, shot.Options);
    if (shot.MarkAfterRedraw.x() >= 0) {
        game.SpielfeldMouseUp(shot.MarkAfterRedraw.x(), shot.MarkAfterRedraw.y());
        renderer.SpielfeldDrawMarkierung(game, geometry);
    }
    return renderer.BackBuffer();
}

TViewOptions View(bool bitmaps, bool altColor, bool bubble) {
    TViewOptions options;
    options.AnzeigeBitmaps = bitmaps;
    options.AltColor = altColor;
    options.Bubble = bubble;
    return options;
}

// How many pixels differ, and the smallest rectangle that holds them all.
QString Difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return QString("size %1x%2 instead of %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    }
    int count = 0;
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ++count;
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    if (count == 0) {
        return {};
    }
    return QString("%1 pixels differ in (%2,%3) to (%4,%5)")
        .arg(count)
        .arg(box.left())
        .arg(box.top())
        .arg(box.right())
        .arg(box.bottom());
}

} // namespace

Q_DECLARE_METATYPE(TShot)

class TestBackBuffer : public QObject {
    Q_OBJECT

private slots:
    void asReference_data();
    void asReference();
};

void TestBackBuffer::asReference_data() {
    QTest::addColumn<TShot>("shot");
    const QSize box(637, 485);
    QTest::newRow("ellipses") << TShot{box, 1, View(false, false, false)};
    QTest::newRow("ellipses-alt-preview") << TShot{{641, 333}, 2, View(false, true, false)};
    QTest::newRow("ellipses-outlines") << TShot{box, 2, View(false, false, true), {0, 0}, {0, 5}};
    QTest::newRow("ellipses-large") << TShot{{1920, 1080}, 1, View(false, false, true), {0, 5}};
    QTest::newRow("ellipses-tiny") << TShot{{25, 25}, 2, View(false, false, false)};
    QTest::newRow("balls32") << TShot{box, 2, View(true, false, true), {0, 5}, {0, 0}};
    QTest::newRow("balls48") << TShot{{640, 640}, 2, View(true, true, true), {0, 0}};
    QTest::newRow("balls-overlapping")
        << TShot{{120, 300}, 1, View(true, false, false), {0, 0}, {0, 5}};
}

// At a device pixel ratio of 1 the whole back buffer is, pixel for pixel, what the program drew
// when these pictures were made (BRIMBAL_WRITE_REFERENCE=DIR writes them anew into DIR).
void TestBackBuffer::asReference() {
    QFETCH(TShot, shot);
    const QImage image = Render(shot);
    const QString name = QString::fromLatin1(QTest::currentDataTag()) + ".png";
    const QString writeTo = qEnvironmentVariable("BRIMBAL_WRITE_REFERENCE");
    if (!writeTo.isEmpty()) {
        QVERIFY(image.save(QDir(writeTo).filePath(name)));
        QSKIP("reference written");
    }
    const QImage reference(QDir(BRIMBAL_REFERENCE_DIR).filePath(name));
    QVERIFY2(!reference.isNull(), qPrintable(name));
    const QString difference = Difference(image, reference.convertToFormat(QImage::Format_RGB32));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(TestBackBuffer)
#include "tst_backbuffer.moc"
