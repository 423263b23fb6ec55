// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Symbols.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace brimbal {

namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// A length of whole pixels near `length` that leaves an even number of pixels of `room` on
// both sides together, so that it lies centred on whole pixels; at least one pixel.
int CentredLength(double length, int room) {
    int result = std::max(1, static_cast<int>(std::lround(length)));
    if ((room - result) % 2 != 0) {
        result += result < room ? 1 : -1;
    }
    return std::max(result, 1);
}

// The parts of the symbols, as shares of the symbol's side.
constexpr double KBarThickness = 0.36;
constexpr double KRingWidth = 0.22;
constexpr double KDotRadius = 0.25;

} // namespace

double TSymbols::Luminance(QRgb colour) {
    return 0.2126 * Linear(qRed(colour)) + 0.7152 * Linear(qGreen(colour)) +
           0.0722 * Linear(qBlue(colour));
}

QRgb TSymbols::InkFor(double luminance) {
    // Contrast with dark ink is (L + 0.05) / 0.05, with light ink 1.05 / (L + 0.05).
    return (luminance + 0.05) * (luminance + 0.05) >= 0.05 * 1.05 ? KDarkInk : KLightInk;
}

QPainterPath TSymbols::Shape(std::int32_t value, const QRect& box) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const QRectF area(box);
    const double side = std::min(area.width(), area.height());
    const QPointF centre = area.center();
    const int across = CentredLength(side * KBarThickness, box.height());
    const QRectF bar(area.left(), box.top() + (box.height() - across) / 2, area.width(), across);
    switch (value) {
    case 1: // a triangle, point up
        path.moveTo(centre.x(), centre.y() - side / 2);
        path.lineTo(centre.x() + side / 2, centre.y() + side / 2);
        path.lineTo(centre.x() - side / 2, centre.y() + side / 2);
        path.closeSubpath();
        break;
    case 2: // a bar across
        path.addRect(bar);
        break;
    case 3: // a ring
        path.setFillRule(Qt::OddEvenFill);
        path.addEllipse(centre, side / 2, side / 2);
        path.addEllipse(centre, side / 2 - side * KRingWidth, side / 2 - side * KRingWidth);
        break;
    case 4: { // a plus
        const int upright = CentredLength(side * KBarThickness, box.width());
        path.addRect(bar);
        path.addRect(
            QRectF(box.left() + (box.width() - upright) / 2, area.top(), upright, area.height()));
        break;
    }
    case 5: // a dot
        path.addEllipse(centre, side * KDotRadius, side * KDotRadius);
        break;
    default:
        break;
    }
    return path;
}

QRect TSymbols::SymbolBox(const QRect& ball) {
    if (std::min(ball.width(), ball.height()) < KMinBall) {
        return {};
    }
    // Half the smaller side, one pixel more where that centres it on whole pixels.
    const int side = std::min(ball.width(), ball.height()) / 2;
    const int width = side + (ball.width() - side) % 2;
    const int height = side + (ball.height() - side) % 2;
    return {ball.left() + (ball.width() - width) / 2, ball.top() + (ball.height() - height) / 2,
            width, height};
}

void TSymbols::Draw(QPainter& painter, const QRect& ball, std::int32_t value, QRgb colour) {
    const QRect box = SymbolBox(ball);
    if (box.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(Shape(value, box), QColor::fromRgba(InkFor(Luminance(colour))));
    painter.restore();
}

const QImage& TSymbols::OnImage(const QImage& ball, std::int32_t value) {
    const qint64 key = ball.cacheKey();
    for (const TMarkedImage& image : Images) {
        if (image.Key == key && image.Value == value) {
            return image.Image;
        }
    }
    if (Images.size() >= 64) {
        Images.clear(); // images of earlier ratios
    }
    // The ball's mean luminance under the symbol, weighted by how much ball each pixel is.
    const QRect box = SymbolBox(ball.rect());
    double sum = 0.0;
    double weight = 0.0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb pixel = ball.pixel(x, y);
            sum += qAlpha(pixel) / 255.0 * Luminance(qUnpremultiply(pixel));
            weight += qAlpha(pixel) / 255.0;
        }
    }
    QImage marked = ball.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!box.isEmpty() && weight > 0.0) {
        QPainter painter(&marked);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(Shape(value, box), QColor::fromRgba(InkFor(sum / weight)));
    }
    Images.push_back({key, value, marked});
    return Images.back().Image;
}

} // namespace brimbal
