// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
//
// Draws the ball images: ball32_N.png and ball48_N.png for N = 0..5, the same balls at two
// and three times the size for screens with more device pixels: ball32_N@2x.png (64 pixels),
// ball32_N@3x.png (96), ball48_N@2x.png (96) and ball48_N@3x.png (144); and the program's icon.
//
// Usage: brimbal_ballgen OUTDIR          write the 36 PNGs into OUTDIR
//        brimbal_ballgen --check DIR     verify the PNGs in DIR, exit 1 on any failure
//        brimbal_ballgen --icons DIR     write the icon, the red ball, as iconS.png for the
//                                        usual icon theme sizes S from 16 to 256
//
// Each ball of the 1x sets is a glossy sphere on pure white. Pure white is the transparent
// colour when the game draws a ball, so no pixel the disc touches may be pure white, and every
// pixel it does not touch must be. The larger sets carry real transparency instead: outside the
// disc transparent white, at the rim the ball's own colour with the covered fraction as alpha,
// so that no white shows at the rim on the grey board. Shading is done in linear light and the
// colour is only ever scaled, so orange darkens towards brown and yellow towards olive instead
// of towards grey. All sets of one size share the base colours calibrated on the 1x image.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace brimbal {
namespace {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

Vec3 operator*(Vec3 v, double s) {
    return {v.x * s, v.y * s, v.z * s};
}

Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Normalized(Vec3 v) {
    return v * (1.0 / std::sqrt(Dot(v, v)));
}

struct Rgb {
    int r;
    int g;
    int b;
};

// Geometry of one image size. The disc centre and radius are in pixel units, with pixel (i, j)
// covering [i, i+1) x [j, j+1).
struct BallSize {
    int size;
    double centre;
    double radius;
    std::array<Rgb, 6> centreColours; // wanted colour at the middle of the image, per value
};

const std::array<BallSize, 2> kSizes = {{
    {32,
     16.0,
     16.0,
     {{{150, 150, 150},
       {191, 23, 29},
       {203, 142, 75},
       {206, 199, 84},
       {100, 160, 95},
       {101, 136, 175}}}},
    {48,
     24.0,
     22.0,
     {{{150, 150, 150},
       {215, 71, 71},
       {215, 143, 64},
       {196, 187, 59},
       {71, 149, 70},
       {102, 135, 176}}}},
}};

constexpr int kSubsamples = 16;    // per pixel and axis
constexpr int kMaxBallLevel = 254; // no ball pixel may reach pure white
constexpr int kHighlightPeak = 250;

// The highlight sits where the surface normal equals this half vector: about a third of the way
// in from the top-left corner. The key light is the mirror of the view direction about it.
const Vec3 kHalf = Normalized({-0.37, -0.39, std::sqrt(1.0 - 0.37 * 0.37 - 0.39 * 0.39)});
const Vec3 kLight = Normalized(kHalf * (2.0 * kHalf.z) + Vec3{0.0, 0.0, -1.0});

double SrgbToLinear(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double v) {
    v = std::clamp(v, 0.0, 1.0);
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}

// Rolls values above a knee smoothly towards `peak` so the highlight never flattens into a
// clipped blob and never reaches white.
double SoftClip(double v, double peak) {
    const double knee = 0.75 * peak;
    if (v <= knee) {
        return v;
    }
    const double room = peak - knee;
    return knee + room * (1.0 - std::exp(-(v - knee) / room));
}

// Linear-light colour of the sphere at unit normal n for base colour `base`.
Vec3 ShadeSphere(Vec3 n, Vec3 base) {
    // Wrapped Lambert: a soft terminator that keeps the lower right dark but not black.
    const double wrap = 0.35;
    const double lambert = std::max(0.0, (Dot(n, kLight) + wrap) / (1.0 + wrap));
    const double diffuse = 0.06 + 0.94 * std::pow(lambert, 1.4);

    // A faint coloured bounce light along the lower-right rim rounds off the shadow side.
    const double back = std::max(0.0, -Dot(n, kLight));
    const double bounce = 0.16 * back * std::pow(1.0 - n.z, 2.0);

    // Slight darkening towards the silhouette.
    const double rim = 0.82 + 0.18 * std::sqrt(n.z);

    const Vec3 body = base * ((diffuse + bounce) * rim);

    // Two highlight lobes: a tight bright spot and a broad gloss around it.
    const double nh = std::max(0.0, Dot(n, kHalf));
    const double gloss = 0.95 * std::pow(nh, 90.0) + 0.20 * std::pow(nh, 30.0);

    return body * (1.0 - std::min(gloss, 1.0)) + Vec3{gloss, gloss, gloss};
}

// True if pixel (px, py) overlaps the open disc at all.
bool PixelTouchesDisc(int px, int py, double centre, double radius) {
    const double nx = std::clamp(centre, double(px), double(px + 1));
    const double ny = std::clamp(centre, double(py), double(py + 1));
    const double dx = nx - centre;
    const double dy = ny - centre;
    return dx * dx + dy * dy < radius * radius;
}

struct Sample {
    Vec3 colour;     // mean linear colour of the covered part
    double coverage; // fraction of the pixel inside the disc
};

// Supersamples one pixel of the ball.
Sample RenderPixel(const BallSize& geo, Vec3 base, int px, int py) {
    const double peak = SrgbToLinear(kHighlightPeak / 255.0);
    Vec3 sum;
    int inside = 0;
    for (int sy = 0; sy < kSubsamples; ++sy) {
        for (int sx = 0; sx < kSubsamples; ++sx) {
            const double x = (px + (sx + 0.5) / kSubsamples - geo.centre) / geo.radius;
            const double y = (py + (sy + 0.5) / kSubsamples - geo.centre) / geo.radius;
            const double rr = x * x + y * y;
            if (rr >= 1.0) {
                continue;
            }
            const Vec3 c = ShadeSphere({x, y, std::sqrt(1.0 - rr)}, base);
            sum = sum + Vec3{SoftClip(c.x, peak), SoftClip(c.y, peak), SoftClip(c.z, peak)};
            ++inside;
        }
    }
    if (inside == 0) {
        return {{1.0, 1.0, 1.0}, 0.0};
    }
    return {sum * (1.0 / inside), double(inside) / (kSubsamples * kSubsamples)};
}

// Blends the ball over white by coverage. The white turns transparent in the game, so a faint
// rim pixel would show as a pale dot on the grey board. Blending the encoded values (not
// linear light) and easing the coverage upwards keeps the edge smooth without that fringe.
int EdgeBlend(double linear, double coverage) {
    const double alpha = std::max(0.12, coverage * (2.0 - coverage));
    const double v = 255.0 - alpha * (255.0 - LinearToSrgb(linear) * 255.0);
    return std::clamp(int(std::lround(v)), 0, kMaxBallLevel);
}

// The 8-bit encoded level of a linear-light value, never pure white.
int Level(double linear) {
    return std::clamp(int(std::lround(LinearToSrgb(linear) * 255.0)), 0, kMaxBallLevel);
}

constexpr int kMaxScale = 3;

// The geometry of a size drawn `scale` times as large.
BallSize Scaled(const BallSize& geo, int scale) {
    return {geo.size * scale, geo.centre * scale, geo.radius * scale, geo.centreColours};
}

QImage RenderBall(const BallSize& geo, Vec3 base) {
    QImage image(geo.size, geo.size, QImage::Format_RGB32);
    for (int py = 0; py < geo.size; ++py) {
        for (int px = 0; px < geo.size; ++px) {
            if (!PixelTouchesDisc(px, py, geo.centre, geo.radius)) {
                image.setPixel(px, py, qRgb(255, 255, 255));
                continue;
            }
            const Sample s = RenderPixel(geo, base, px, py);
            image.setPixel(px, py,
                           qRgb(EdgeBlend(s.colour.x, s.coverage),
                                EdgeBlend(s.colour.y, s.coverage),
                                EdgeBlend(s.colour.z, s.coverage)));
        }
    }
    return image;
}

// The ball with real transparency: each pixel the ball's mean colour where it covers it, with
// the covered fraction as alpha; transparent white where it covers nothing.
QImage RenderBallWithAlpha(const BallSize& geo, Vec3 base) {
    QImage image(geo.size, geo.size, QImage::Format_ARGB32);
    image.fill(qRgba(255, 255, 255, 0));
    for (int py = 0; py < geo.size; ++py) {
        for (int px = 0; px < geo.size; ++px) {
            if (!PixelTouchesDisc(px, py, geo.centre, geo.radius)) {
                continue;
            }
            const Sample s = RenderPixel(geo, base, px, py);
            const int alpha = int(std::lround(s.coverage * 255.0));
            if (alpha > 0) {
                image.setPixel(
                    px, py, qRgba(Level(s.colour.x), Level(s.colour.y), Level(s.colour.z), alpha));
            }
        }
    }
    return image;
}

// Mean linear colour of the two or four pixels at the middle of the image.
Vec3 CentreAverage(const BallSize& geo, Vec3 base) {
    const int lo = (geo.size - 1) / 2;
    const int hi = geo.size / 2;
    Vec3 sum;
    int count = 0;
    for (int py = lo; py <= hi; ++py) {
        for (int px = lo; px <= hi; ++px) {
            sum = sum + RenderPixel(geo, base, px, py).colour;
            ++count;
        }
    }
    return sum * (1.0 / count);
}

// Finds the base colour whose shaded middle matches `want`. The shading is nearly linear in the
// base colour there, so a few rounds of rescaling converge.
Vec3 CalibrateBase(const BallSize& geo, Rgb want) {
    const Vec3 target{SrgbToLinear(want.r / 255.0), SrgbToLinear(want.g / 255.0),
                      SrgbToLinear(want.b / 255.0)};
    Vec3 base = target;
    for (int round = 0; round < 8; ++round) {
        const Vec3 got = CentreAverage(geo, base);
        base = {base.x * target.x / got.x, base.y * target.y / got.y, base.z * target.z / got.z};
    }
    return base;
}

QString FileName(const QString& dir, int size, int value, int scale) {
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QDir(dir).filePath(QStringLiteral("ball%1_%2%3.png").arg(size).arg(value).arg(suffix));
}

int Generate(const QString& dir) {
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }
    for (const BallSize& geo : kSizes) {
        for (int value = 0; value < 6; ++value) {
            const Vec3 base = CalibrateBase(geo, geo.centreColours[value]);
            for (int scale = 1; scale <= kMaxScale; ++scale) {
                const QImage image = scale == 1 ? RenderBall(geo, base)
                                                : RenderBallWithAlpha(Scaled(geo, scale), base);
                const QString path = FileName(dir, geo.size, value, scale);
                if (!image.save(path, "PNG")) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                    return 1;
                }
            }
        }
    }
    return 0;
}

bool IsWhite(QRgb c) {
    return qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 255;
}

// Distance from each edge to the first row or column with a ball pixel: left, top, right,
// bottom.
template <typename IsBall> std::array<int, 4> Margins(const QImage& image, IsBall isBall) {
    const int size = image.width();
    std::array<int, 4> margin = {-1, -1, -1, -1};
    for (int i = 0; i < size; ++i) {
        for (int j = 0; j < size; ++j) {
            const int far = size - 1 - i;
            if (margin[0] < 0 && isBall(image.pixel(i, j))) {
                margin[0] = i;
            }
            if (margin[1] < 0 && isBall(image.pixel(j, i))) {
                margin[1] = i;
            }
            if (margin[2] < 0 && isBall(image.pixel(far, j))) {
                margin[2] = i;
            }
            if (margin[3] < 0 && isBall(image.pixel(j, far))) {
                margin[3] = i;
            }
        }
    }
    return margin;
}

// True if the whole pixel lies inside the disc.
bool PixelInsideDisc(int px, int py, double centre, double radius) {
    const double dx = std::max(std::abs(px - centre), std::abs(px + 1 - centre));
    const double dy = std::max(std::abs(py - centre), std::abs(py + 1 - centre));
    return dx * dx + dy * dy <= radius * radius;
}

// The rules of the larger sets: transparent white outside the disc, opaque inside it, never
// pure white where it shows; at the rim the ball's own colour with the covered fraction as
// alpha, not a blend with white, which would show as a light fringe on the grey board; and the
// same ball as the 1x image when averaged down to its size. Adds to the notes and returns the
// verdict.
bool CheckLarger(const QImage& image, const QImage& small, const BallSize& geo, Vec3 base,
                 int scale, QString& notes) {
    bool ok = true;
    if (image.pixel(0, 0) != qRgba(255, 255, 255, 0)) {
        ok = false;
        notes += QStringLiteral(" (0,0)-not-transparent-white");
    }
    int badOutside = 0;
    int badInside = 0;
    int whiteShowing = 0;
    int badRim = 0;
    for (int y = 0; y < geo.size; ++y) {
        for (int x = 0; x < geo.size; ++x) {
            const QRgb c = image.pixel(x, y);
            const int alpha = qAlpha(c);
            if (!PixelTouchesDisc(x, y, geo.centre, geo.radius)) {
                badOutside += c != qRgba(255, 255, 255, 0);
                continue;
            }
            badInside += PixelInsideDisc(x, y, geo.centre, geo.radius) && alpha != 255;
            whiteShowing += alpha > 0 && IsWhite(c);
            if (alpha == 0 || alpha == 255) {
                continue;
            }
            const Sample s = RenderPixel(geo, base, x, y);
            badRim += std::abs(alpha - s.coverage * 255.0) > 1.0 ||
                      std::abs(qRed(c) - Level(s.colour.x)) > 1 ||
                      std::abs(qGreen(c) - Level(s.colour.y)) > 1 ||
                      std::abs(qBlue(c) - Level(s.colour.z)) > 1;
        }
    }
    if (badOutside != 0 || badInside != 0 || whiteShowing != 0 || badRim != 0) {
        ok = false;
        notes += QStringLiteral(" not-transparent-outside=%1 not-opaque-inside=%2 white=%3 "
                                "rim-not-ball-colour=%4")
                     .arg(badOutside)
                     .arg(badInside)
                     .arg(whiteShowing)
                     .arg(badRim);
    }

    // Averaged down (premultiplied, over white), the pixels well inside the ball match the 1x
    // image.
    int worst = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            const double centre = geo.centre / scale;
            const double radius = geo.radius / scale;
            if (!PixelInsideDisc(x, y, centre, radius)) {
                continue;
            }
            std::array<double, 3> sum = {0.0, 0.0, 0.0};
            for (int j = 0; j < scale; ++j) {
                for (int i = 0; i < scale; ++i) {
                    const QRgb c = image.pixel(x * scale + i, y * scale + j);
                    const double a = qAlpha(c) / 255.0;
                    sum[0] += qRed(c) * a + 255.0 * (1.0 - a);
                    sum[1] += qGreen(c) * a + 255.0 * (1.0 - a);
                    sum[2] += qBlue(c) * a + 255.0 * (1.0 - a);
                }
            }
            const QRgb want = small.pixel(x, y);
            const double n = scale * scale;
            worst = std::max({worst, int(std::lround(std::abs(sum[0] / n - qRed(want)))),
                              int(std::lround(std::abs(sum[1] / n - qGreen(want)))),
                              int(std::lround(std::abs(sum[2] / n - qBlue(want))))});
        }
    }
    notes += QStringLiteral(" like-1x-worst-diff=%1").arg(worst);
    if (worst > 6) {
        ok = false;
    }
    return ok;
}

// Checks one image against the rules the game relies on; prints a line and returns the verdict.
bool CheckImage(const QString& dir, const BallSize& base, int value, int scale) {
    const QString path = FileName(dir, base.size, value, scale);
    const BallSize geo = Scaled(base, scale);
    QImage image(path);
    if (image.isNull()) {
        std::printf("FAIL %s: cannot read\n", qPrintable(path));
        return false;
    }
    image = image.convertToFormat(scale == 1 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    bool ok = true;
    QString notes;
    if (image.width() != geo.size || image.height() != geo.size) {
        std::printf("FAIL %s: size %dx%d\n", qPrintable(path), image.width(), image.height());
        return false;
    }
    if (scale == 1) {
        if (!IsWhite(image.pixel(0, 0))) {
            ok = false;
            notes += QStringLiteral(" (0,0)-not-white");
        }
        int badInside = 0;
        int badOutside = 0;
        for (int y = 0; y < geo.size; ++y) {
            for (int x = 0; x < geo.size; ++x) {
                const bool touched = PixelTouchesDisc(x, y, geo.centre, geo.radius);
                const bool white = IsWhite(image.pixel(x, y));
                badInside += (touched && white) ? 1 : 0;
                badOutside += (!touched && !white) ? 1 : 0;
            }
        }
        if (badInside != 0 || badOutside != 0) {
            ok = false;
            notes += QStringLiteral(" white-inside=%1 non-white-outside=%2")
                         .arg(badInside)
                         .arg(badOutside);
        }
    } else {
        const QImage small =
            QImage(FileName(dir, base.size, value, 1)).convertToFormat(QImage::Format_RGB32);
        if (small.size() != QSize(base.size, base.size)) {
            std::printf("FAIL %s: no 1x image beside it\n", qPrintable(path));
            return false;
        }
        ok = CheckLarger(image, small, geo, CalibrateBase(base, base.centreColours[value]), scale,
                         notes);
    }

    // Centre colour: every middle pixel must be within tolerance of the wanted value.
    const Rgb want = geo.centreColours[value];
    const int lo = (geo.size - 1) / 2;
    const int hi = geo.size / 2;
    int worst = 0;
    for (int y = lo; y <= hi; ++y) {
        for (int x = lo; x <= hi; ++x) {
            const QRgb c = image.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(c) - want.r), std::abs(qGreen(c) - want.g),
                              std::abs(qBlue(c) - want.b)});
        }
    }
    notes += QStringLiteral(" want=(%1,%2,%3) middle=").arg(want.r).arg(want.g).arg(want.b);
    for (int y = lo; y <= hi; ++y) {
        for (int x = lo; x <= hi; ++x) {
            const QRgb c = image.pixel(x, y);
            notes += QStringLiteral("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
        }
    }
    notes += QStringLiteral(" worst-diff=%1").arg(worst);
    if (worst > 12) {
        ok = false;
    }

    const std::array<int, 4> margin = scale == 1
                                          ? Margins(image, [](QRgb c) { return !IsWhite(c); })
                                          : Margins(image, [](QRgb c) { return qAlpha(c) != 0; });
    notes += QStringLiteral(" margins=%1,%2,%3,%4")
                 .arg(margin[0])
                 .arg(margin[1])
                 .arg(margin[2])
                 .arg(margin[3]);
    const int minMargin = base.size == 32 ? 0 : scale;
    const int maxMargin = base.size == 32 ? 0 : 3 * scale;
    for (int m : margin) {
        if (m < minMargin || m > maxMargin) {
            ok = false;
        }
    }

    std::printf("%s %s:%s\n", ok ? "ok  " : "FAIL", qPrintable(path), qPrintable(notes));
    return ok;
}

// The icon is the red ball (value 1) with the colour of the 48-pixel image, on a transparent
// background: unlike the board's images it has no white to key out, so its edge is plain
// coverage. A thin margin keeps the antialiased rim inside the square.
constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kIconValue = 1;

QImage RenderIcon(int size) {
    const BallSize geo{size, size / 2.0, size * 15.0 / 32.0, kSizes[1].centreColours};
    const Vec3 base = CalibrateBase(geo, geo.centreColours[kIconValue]);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            const Sample s = RenderPixel(geo, base, px, py);
            if (s.coverage == 0.0) {
                image.setPixel(px, py, qRgba(0, 0, 0, 0));
                continue;
            }
            const auto level = [](double linear) {
                return std::clamp(int(std::lround(LinearToSrgb(linear) * 255.0)), 0, 255);
            };
            image.setPixel(px, py,
                           qRgba(level(s.colour.x), level(s.colour.y), level(s.colour.z),
                                 int(std::lround(s.coverage * 255.0))));
        }
    }
    return image;
}

int GenerateIcons(const QString& dir) {
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }
    for (int size : kIconSizes) {
        const QString path = QDir(dir).filePath(QStringLiteral("icon%1.png").arg(size));
        if (!RenderIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

int Check(const QString& dir) {
    bool ok = true;
    for (const BallSize& geo : kSizes) {
        for (int value = 0; value < 6; ++value) {
            for (int scale = 1; scale <= kMaxScale; ++scale) {
                ok = CheckImage(dir, geo, value, scale) && ok;
            }
        }
    }
    return ok ? 0 : 1;
}

} // namespace
} // namespace brimbal

int main(int argc, char** argv) {
    if (argc == 2 && argv[1][0] != '-') {
        return brimbal::Generate(QString::fromLocal8Bit(argv[1]));
    }
    if (argc == 3 && QString::fromLatin1(argv[1]) == QStringLiteral("--check")) {
        return brimbal::Check(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && QString::fromLatin1(argv[1]) == QStringLiteral("--icons")) {
        return brimbal::GenerateIcons(QString::fromLocal8Bit(argv[2]));
    }
    std::fprintf(stderr, "usage: %s OUTDIR | --check DIR | --icons DIR\n", argv[0]);
    return 2;
}
