// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
//
// Draws sample boards into the back buffer and writes them as PNG files, to look at.
// Usage: brimbal_boardshot OUTDIR [RATIO]
// With a device pixel ratio (1.5, 2, ...) the pictures are drawn for a screen with that many
// device pixels per pixel; the PNG then has the size in device pixels.
#include "BoardGeometry.h"
#include "BoardRenderer.h"
#include "Game.h"
#include "NullGameHost.h"
#include "Random.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace brimbal;

namespace {

struct TShotOptions {
    bool AnzeigeBitmaps;
    bool AltColor;
    bool Bubble;
};

struct TShot {
    const char* Name;
    int Width;
    int Height;
    int Modus;
    TShotOptions Options;
    bool Mark;
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    bool ratioOk = true;
    const double ratio = argc == 3 ? QString::fromLocal8Bit(argv[2]).toDouble(&ratioOk) : 1.0;
    if (argc < 2 || argc > 3 || !ratioOk || ratio <= 0.0) {
        std::fprintf(stderr, "usage: %s OUTDIR [RATIO]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const TShot shots[] = {
        {"ellipses", 637, 485, 1, {false, false, false}, false},
        {"ellipses-alt", 637, 485, 1, {false, true, false}, false},
        {"balls32", 637, 485, 1, {true, false, false}, false},
        {"balls48", 640, 640, 1, {true, false, false}, false},
        {"marked-bubble", 637, 485, 1, {false, false, true}, true},
        {"marked-bubble-balls", 637, 485, 1, {true, false, true}, true},
        {"mode2-preview", 637, 485, 2, {false, false, false}, false},
        {"mode2-preview-balls", 640, 640, 2, {true, false, false}, false},
    };
    TBoardRenderer renderer;
    for (const TShot& shot : shots) {
        TNullGameHost host;
        TRandom rng(7);
        TOptions options;
        options.Modus = shot.Modus;
        options.AnzeigeBitmaps = shot.Options.AnzeigeBitmaps;
        options.AltColor = shot.Options.AltColor;
        options.Bubble = shot.Options.Bubble;
        TGame game(host, rng, options);
        game.InitGame();
        TBoardGeometry geometry;
        geometry.RecalcSpielfeld(shot.Width, shot.Height, shot.Options.AnzeigeBitmaps);
        renderer.SetSize(shot.Width, shot.Height, ratio);
        if (shot.Mark) {
            // Mark the largest group so the outline and the bubble show.
            int best = 0;
            int bestColumn = 0;
            int bestRow = 0;
            for (int row = 0; row < KRows; ++row) {
                for (int column = 0; column < KFieldColumns; ++column) {
                    const int size = game.FeldMarkTilesBeginningWith(column, row, true);
                    if (size > best) {
                        best = size;
                        bestColumn = column;
                        bestRow = row;
                    }
                }
            }
            game.DeselectAll();
            game.SpielfeldMouseUp(bestColumn, bestRow);
        }
        renderer.SpielfeldDraw(game, geometry, options);
        const QString file = out.filePath(QString::fromLatin1(shot.Name) + ".png");
        if (!renderer.BackBuffer().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
