// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BallImages.h"

#include <QString>

namespace brimbal {

namespace {

QImage Load(int size, int index) {
    QImage image(QString(":/balls/ball%1_%2.png").arg(size).arg(index));
    return image.convertToFormat(QImage::Format_RGB32);
}

// Every pixel of the colour of pixel (0, 0) becomes transparent.
QImage Transparent(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (result.isNull()) {
        return result;
    }
    const QRgb key = result.pixel(0, 0);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == key) {
                line[x] = 0;
            }
        }
    }
    return result;
}

const QImage KNone;

} // namespace

TBallImages::TBallImages() {
    for (int index = 0; index < KCount; ++index) {
        ILKugeln[index] = Load(32, index);
        ILKugeln48[index] = Load(48, index);
        Bitmaps32[index] = Transparent(ILKugeln[index]);
        Bitmaps48[index] = Transparent(ILKugeln48[index]);
    }
}

const QImage& TBallImages::Image(int size, int index) const {
    if (index < 0 || index >= KCount || (size != 32 && size != 48)) {
        return KNone;
    }
    return size == 32 ? ILKugeln[index] : ILKugeln48[index];
}

const QImage& TBallImages::Ball(int tileWidth, int value) const {
    if (value < 0 || value >= KCount) {
        return KNone;
    }
    return tileWidth == 32 ? Bitmaps32[value] : Bitmaps48[value];
}

} // namespace brimbal
