// SPDX-License-Identifier: GPL-3.0-or-later
// Times drawing the board's graph for each kind: making the graph from the
// calculation's result, then laying out the chart and rendering it to an
// image at the board's size, as the board does when it shows an entry. The
// first drawing in the process (first column of the first kind) also pays
// for the chart library's first use: its fonts and theme.
//   QT_QPA_PLATFORM=offscreen vorantel_graph_bench [REPEATS [FOLDER]]
// With a FOLDER, the last image of each kind is saved there to look at.
#include "GraphView.h"

#include <QApplication>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace arith;

namespace {

TPolynomial P(const char* text) {
    TPolynomial p;
    ParsePolynomial(text, 'x', p);
    return p;
}

struct TKind {
    const char* Name;
    std::function<TGraph()> Make;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    TLinearSystem system{};
    system[0] = {TRational{2, 1}, TRational{3, 1}, TRational{1, 1}, TRational{0, 1}};
    system[1] = {TRational{5, 1}, TRational{-1, 1}, TRational{4, 1}, TRational{0, 1}};
    const TPoint a{{1, 1}, {2, 1}};
    const TPoint b{{-5, 1}, {4, 1}};
    const TKind kinds[] = {
        {"quadratic (niji)",
         [] {
             const TPolynomial p = P("x^2-x-1");
             return EquationGraph(p, *SolveByFactoring(p).Answer);
         }},
        {"quartic (koji)",
         [] {
             const TPolynomial p = P("x^4-x^3-5x^2+3x+6");
             return EquationGraph(p, *SolveByFactoring(p).Answer);
         }},
        {"degree 10 (insuu)",
         [] {
             const TPolynomial p = P("x^10-3x^9+x^2-7");
             return EquationGraph(p, *SolveByFactoring(p).Answer);
         }},
        {"tangent (bibun)",
         [] {
             const TPolynomial f = P("x^3-2x");
             return TangentGraph(f, P("2"), *TangentLine(f, P("2")).Answer);
         }},
        {"extrema (bibun)",
         [] {
             const TPolynomial f = P("x^3-3x^2+x");
             return ExtremaGraph(f, *Extrema(f).Answer);
         }},
        {"integral (sekibun)", [] { return IntegralGraph(P("1/2x^2-2x+1"), P("-1"), P("2")); }},
        {"two lines (renritu)",
         [&system] { return LinearGraph(system, SolveLinearSystem(system, 2)); }},
        {"division (naibun)",
         [&a, &b] {
             return DivisionGraph(TDivision::External, a, b,
                                  *DivisionPoint(TDivision::External, a, b, {3, 1}, {1, 1}).Answer);
         }},
        {"line (naibun)", [&a, &b] { return LineGraph(a, b, *LineThrough(a, b).Answer); }},
        {"300 bars (sigma)", [] { return SumGraph(P("x^3+2x"), P("1"), P("300")); }},
        // Far from 0: drawn from exact values, measured from an origin.
        {"roots near 10^9 (niji)",
         [] {
             const TPolynomial p =
                 P("x^2-2000000000x+999999999999999999999999999999999999/1000000000000000000");
             return EquationGraph(p, *SolveByFactoring(p).Answer);
         }},
        {"extrema near 10^40",
         [] {
             const TPolynomial f = P("x^3-15000000000000000000000000000000000000000x^2+"
                                     "30000000000000000000000000000000000000000x");
             return ExtremaGraph(f, *Extrema(f).Answer);
         }},
        {"bars near 10^150",
         [] {
             const std::string from = "1" + std::string(150, '0');
             const std::string to = "1" + std::string(147, '0') + "299";
             return SumGraph(P("x"), P(from.c_str()), P(to.c_str()));
         }},
    };

    TGraphView view;
    view.resize(500, 380);
    view.show();
    std::printf("%-22s %10s %10s %10s\n", "graph", "first ms", "median ms", "max ms");
    for (const TKind& kind : kinds) {
        std::vector<double> times;
        for (int i = 0; i < repeats; ++i) {
            const auto start = std::chrono::steady_clock::now();
            view.SetGraph(kind.Make());
            // The chart lays itself out from the event loop, as it does in the board.
            QApplication::processEvents();
            const QImage image = view.Image();
            const auto end = std::chrono::steady_clock::now();
            if (image.isNull()) {
                std::fprintf(stderr, "%s: no image\n", kind.Name);
                return 1;
            }
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        if (argc > 2) {
            view.Image().save(QStringLiteral("%1/%2.png")
                                  .arg(QString::fromLocal8Bit(argv[2]))
                                  .arg(&kind - kinds));
        }
        const double first = times.front();
        std::sort(times.begin(), times.end());
        std::printf("%-22s %10.2f %10.2f %10.2f\n", kind.Name, first, times[times.size() / 2],
                    times.back());
    }
    return 0;
}
