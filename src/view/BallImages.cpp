// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BallImages.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace brimbal {

namespace {

QString FileName(int size, int index, int scale) {
    const QString suffix = scale == 1 ? QString() : QString("@%1x").arg(scale);
    return QString(":/balls/ball%1_%2%3.png").arg(size).arg(index).arg(suffix);
}

QImage Load(int size, int index) {
    QImage image(FileName(size, index, 1));
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
    Scaled.reserve(2 * KCount); // every size and value once: references stay valid
    for (int index = 0; index < KCount; ++index) {
        ILKugeln[index] = Load(32, index);
        ILKugeln48[index] = Load(48, index);
        Bitmaps32[index] = Transparent(ILKugeln[index]);
        Bitmaps48[index] = Transparent(ILKugeln48[index]);
    }
}

const QImage& TBallImages::Image(int size, int index, int scale) const {
    if (index < 0 || index >= KCount || (size != 32 && size != 48) || scale < 1 ||
        scale > KMaxScale) {
        return KNone;
    }
    if (scale == 1) {
        return size == 32 ? ILKugeln[index] : ILKugeln48[index];
    }
    QImage& image = Larger[scale - 2][size == 32 ? 0 : 1][index];
    if (image.isNull()) {
        image = QImage(FileName(size, index, scale)).convertToFormat(QImage::Format_ARGB32);
        image.setDevicePixelRatio(1.0); // the file name's @2x would set it; these are pixels
    }
    return image;
}

const QImage& TBallImages::Ball(int tileWidth, int value) const {
    if (value < 0 || value >= KCount) {
        return KNone;
    }
    return tileWidth == 32 ? Bitmaps32[value] : Bitmaps48[value];
}

int TBallImages::ScaleForRatio(qreal ratio) {
    if (ratio <= 1.0) {
        return 1;
    }
    return ratio <= 2.0 ? 2 : 3;
}

const QImage& TBallImages::Ball(int tileWidth, int value, qreal ratio) {
    if (ratio == 1.0 || value < 0 || value >= KCount) {
        return Ball(tileWidth, value);
    }
    if (ratio != BallsRatio) {
        Scaled.clear();
        BallsRatio = ratio;
    }
    const int size = tileWidth == 32 ? 32 : 48;
    for (const TScaledBall& ball : Scaled) {
        if (ball.Size == size && ball.Value == value) {
            return ball.Image;
        }
    }
    const int scale = ScaleForRatio(ratio);
    QImage image =
        scale == 1 ? Ball(tileWidth, value)
                   : Image(size, value, scale).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Scaled in premultiplied alpha, so the transparent white around the ball never bleeds
    // into its rim.
    const int device = std::max(1, int(std::lround(size * ratio)));
    if (device != image.width()) {
        image = image.scaled(device, device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    Scaled.push_back({size, value, image});
    return Scaled.back().Image;
}

} // namespace brimbal
