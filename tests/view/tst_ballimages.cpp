// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BallImages.h"

#include <QtTest>

#include <cmath>

using namespace brimbal;

namespace {

const QRgb KWhite = qRgb(255, 255, 255);

double Distance(double x, double y, double centre) {
    return std::hypot(x + 0.5 - centre, y + 0.5 - centre);
}

} // namespace

class TestBallImages : public QObject {
    Q_OBJECT

private slots:
    void images_data();
    void images();
    void transparentBitmaps();
    void atRatios_data();
    void atRatios();
};

void TestBallImages::images_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("centre");
    QTest::addColumn<double>("diameter");
    const QList<QColor> centre32{
        {191, 23, 29}, {203, 142, 75}, {206, 199, 84}, {100, 160, 95}, {101, 136, 175}};
    const QList<QColor> centre48{
        {215, 71, 71}, {215, 143, 64}, {196, 187, 59}, {71, 149, 70}, {102, 135, 176}};
    QTest::newRow("32 grey") << 32 << 0 << QColor() << 32.0;
    QTest::newRow("48 grey") << 48 << 0 << QColor() << 44.0;
    for (int value = 1; value <= 5; ++value) {
        QTest::addRow("32 value %d", value) << 32 << value << centre32[value - 1] << 32.0;
        QTest::addRow("48 value %d", value) << 48 << value << centre48[value - 1] << 44.0;
    }
}

void TestBallImages::images() {
    QFETCH(int, size);
    QFETCH(int, index);
    QFETCH(QColor, centre);
    QFETCH(double, diameter);
    const TBallImages balls;
    const QImage& image = balls.Image(size, index);
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixel(0, 0), KWhite);

    // Well inside the ball no pixel is pure white; well outside every pixel is.
    const double middle = size / 2.0;
    QRect ball;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double distance = Distance(x, y, middle);
            const QRgb pixel = image.pixel(x, y);
            if (distance < diameter / 2 - 1) {
                QVERIFY2(pixel != KWhite, qPrintable(QString("white at %1,%2").arg(x).arg(y)));
            } else if (distance > diameter / 2 + 1.5) {
                QVERIFY2(pixel == KWhite, qPrintable(QString("not white at %1,%2").arg(x).arg(y)));
            }
            if (pixel != KWhite) {
                ball |= QRect(x, y, 1, 1);
            }
        }
    }
    if (size == 32) {
        QCOMPARE(ball, QRect(0, 0, 32, 32)); // touches all four edges
        QCOMPARE(image.pixel(31, 31), KWhite);
    } else {
        for (int margin : {ball.left(), ball.top(), 47 - ball.right(), 47 - ball.bottom()}) {
            QVERIFY2(margin >= 1 && margin <= 3, qPrintable(QString("margin %1").arg(margin)));
        }
    }

    // Lit from the upper left: brightest there, darkest toward the lower right.
    const int third = size / 3;
    const int highlight = qGray(image.pixel(third, third));
    const int shadow = qGray(image.pixel(size - third, size - third));
    const int middleGray = qGray(image.pixel(size / 2, size / 2));
    QVERIFY(highlight > middleGray);
    QVERIFY(middleGray > shadow);

    if (centre.isValid()) {
        const QColor actual(image.pixel(size / 2, size / 2));
        QVERIFY2(std::abs(actual.red() - centre.red()) <= 16 &&
                     std::abs(actual.green() - centre.green()) <= 16 &&
                     std::abs(actual.blue() - centre.blue()) <= 16,
                 qPrintable(QString("centre %1 instead of %2").arg(actual.name(), centre.name())));
    }
}

void TestBallImages::transparentBitmaps() {
    const TBallImages balls;
    for (int tileWidth : {32, 48}) {
        for (int value = 1; value <= 5; ++value) {
            const QImage& bitmap = balls.Ball(tileWidth, value);
            const QImage& image = balls.Image(tileWidth, value);
            QCOMPARE(bitmap.size(), image.size());
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = bitmap.pixel(x, y);
                    if (image.pixel(x, y) == KWhite) {
                        QCOMPARE(qAlpha(pixel), 0);
                    } else {
                        QCOMPARE(pixel, image.pixel(x, y));
                    }
                }
            }
        }
    }
    QVERIFY(balls.Ball(32, 6).isNull());
    QVERIFY(balls.Image(40, 1).isNull());
}

void TestBallImages::atRatios_data() {
    QTest::addColumn<int>("tileWidth");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("scale"); // the set drawn from: never scaled up below ratio 3
    QTest::addColumn<int>("size");
    QTest::newRow("32 at 1.25") << 32 << 1.25 << 2 << 40;
    QTest::newRow("32 at 1.5") << 32 << 1.5 << 2 << 48;
    QTest::newRow("48 at 2") << 48 << 2.0 << 2 << 96;
    QTest::newRow("48 at 2.5") << 48 << 2.5 << 3 << 120;
    QTest::newRow("32 at 3") << 32 << 3.0 << 3 << 96;
    QTest::newRow("48 at 4") << 48 << 4.0 << 3 << 192;
}

// The balls for a screen with more device pixels: from the right set, at their size in device
// pixels, looking like the 1x ball, transparent around it, with a smooth rim in the ball's own
// colour, so no light fringe shows on the grey board.
void TestBallImages::atRatios() {
    QFETCH(int, tileWidth);
    QFETCH(qreal, ratio);
    QFETCH(int, scale);
    QFETCH(int, size);
    QCOMPARE(TBallImages::ScaleForRatio(ratio), scale);
    TBallImages balls;
    for (int value = 1; value <= 5; ++value) {
        const QImage& ball = balls.Ball(tileWidth, value, ratio);
        const QImage& set = balls.Image(tileWidth, value, scale);
        QCOMPARE(ball.size(), QSize(size, size));
        QCOMPARE(ball.pixel(0, 0), 0u);
        if (size == set.width()) {
            QCOMPARE(ball, set.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        const QRgb middle = ball.pixel(size / 2, size / 2);
        const QRgb small = balls.Image(tileWidth, value).pixel(tileWidth / 2, tileWidth / 2);
        QVERIFY(std::max({std::abs(qRed(middle) - qRed(small)),
                          std::abs(qGreen(middle) - qGreen(small)),
                          std::abs(qBlue(middle) - qBlue(small))}) <= 12);
        // Rim pixels (too faint ones aside, whose colour is not exact) are no lighter than the
        // opaque ball beside them.
        int rim = 0;
        for (int y = 2; y < size - 2; ++y) {
            for (int x = 2; x < size - 2; ++x) {
                if (qAlpha(ball.pixel(x, y)) < 64 || qAlpha(ball.pixel(x, y)) == 255) {
                    continue;
                }
                ++rim;
                int beside = 0;
                for (int j = -2; j <= 2; ++j) {
                    for (int i = -2; i <= 2; ++i) {
                        const QRgb c = ball.pixel(x + i, y + j);
                        beside = qAlpha(c) == 255 ? std::max(beside, qGray(c)) : beside;
                    }
                }
                QVERIFY(beside == 0 || qGray(qUnpremultiply(ball.pixel(x, y))) <= beside + 24);
            }
        }
        QVERIFY(rim > size);
    }
}

QTEST_MAIN(TestBallImages)
#include "tst_ballimages.moc"
