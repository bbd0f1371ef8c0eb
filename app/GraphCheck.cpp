// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphCheck.h"

#include "Equations.h"
#include "Graph.h"
#include "GraphPane.h"
#include "Polynomial.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <cstdio>
#include <cstring>

namespace {

// Whether the picture holds more than one colour: a chart, not a blank.
bool Drawn(const QImage& image) {
    if (image.isNull()) {
        return false;
    }
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

std::optional<int> RunGraphCheck(int argc, char* argv[]) {
    if (argc < 2 || std::strcmp(argv[1], "--graph-check") != 0) {
        return std::nullopt;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int count = 1; // the toolkit sees no option of ours
    QApplication app(count, argv);
    arith::TPolynomial p;
    arith::ParsePolynomial("x^2-x-1", 'x', p);
    const arith::TGraph graph = arith::EquationGraph(p, *arith::SolveByFactoring(p).Answer);

    QElapsedTimer timer;
    timer.start();
    QString why;
    if (LoadGraphPart(&why) == nullptr) {
        std::fprintf(stderr, "vorantel: %s\n", qUtf8Printable(why));
        return 1;
    }
    const double loadMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    TGraphPane pane;
    pane.resize(500, 380);
    pane.SetGraph(graph);
    pane.show();
    QApplication::processEvents(); // the chart lays itself out, as in the board
    const QImage image = pane.Image();
    const double drawMs = timer.nsecsElapsed() / 1e6;
    if (!Drawn(image)) {
        std::fputs("vorantel: the graph library drew nothing\n", stderr);
        return 1;
    }
    std::printf("graph-check ok image=%dx%d load_ms=%.1f draw_ms=%.1f\n", image.width(),
                image.height(), loadMs, drawMs);
    return 0;
}
