// SPDX-License-Identifier: GPL-3.0-or-later
// The board's graphs: the view range each window's graph chooses (every
// marked point inside with a margin, the degenerate cases opened up, huge
// coordinates), the exact labels of the marked points and the notes for what
// is not drawn, and the floating-point root finder that keeps turns in view.
#include "Graph.h"

#include "TestPolynomial.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

using namespace arith;

namespace {

TRational R(long num, long den = 1) {
    return {num, den};
}

TGraph Equation(const std::string& text) {
    const TPolynomial p = P(text);
    return EquationGraph(p, *SolveByFactoring(p).Answer);
}

struct TGraphCase {
    const char* Name;
    std::function<TGraph()> Make;
    std::vector<std::string> Labels; // the marks' labels, in order
    std::size_t Notes;
};

// Inside the range, at least a twentieth of its extent away from each edge.
void ExpectInside(double v, double low, double high, const std::string& what) {
    const double margin = (high - low) / 20;
    EXPECT_GE(v, low + margin * (1 - 1e-9)) << what;
    EXPECT_LE(v, high - margin * (1 - 1e-9)) << what;
}

// The limits are whole numbers of steps, about six of them.
void ExpectSteps(double low, double high, double step, const std::string& what) {
    ASSERT_TRUE(std::isfinite(low) && std::isfinite(high) && step > 0) << what;
    ASSERT_LT(low, high) << what;
    const double steps = (high - low) / step;
    EXPECT_NEAR(steps, std::round(steps), 1e-6 * steps) << what;
    EXPECT_GE(steps, 3) << what;
    EXPECT_LE(steps, 16) << what;
}

TEST(Graph, RangeShowsEveryMarkWithAMargin) {
    const TGraphCase cases[] = {
        {"irrational roots and vertex",
         [] { return Equation("x^2-x-1"); },
         {"(1 − √5)/2", "(1 + √5)/2", "頂点 (1/2, −5/4)"},
         0},
        {"complex roots named in a note",
         [] { return Equation("x^2+x+1"); },
         {"頂点 (−1/2, 3/4)"},
         1},
        {"double root marked once", [] { return Equation("x^2-2x+1"); }, {"1", "頂点 (1, 0)"}, 0},
        {"triple root", [] { return Equation("2x^4-3x^3-3x^2+7x-3"); }, {"1", "−3/2"}, 0},
        {"quartic with complex roots", [] { return Equation("x^4-1"); }, {"1", "−1"}, 1},
        {"cubic factor, rounded root", [] { return Equation("x^3-2"); }, {"≈1.2599"}, 0},
        {"quartic without real roots", [] { return Equation("x^4+2"); }, {}, 1},
        {"constant", [] { return Equation("5"); }, {}, 1},
        {"root at 10^9", [] { return Equation("x-1000000000"); }, {"1000000000"}, 0},
        {"roots 10^9 apart",
         [] { return Equation("x^2-999999999x-1000000000"); },
         {"−1", "1000000000", "頂点 (999999999/2, −1000000002000000001/4)"},
         0},
        {"tangent",
         [] {
             const TPolynomial f = P("x^3-2x");
             return TangentGraph(f, P("2"), *TangentLine(f, P("2")).Answer);
         },
         {"(2, 4)"},
         0},
        {"tangent of a constant function",
         [] {
             const TPolynomial f = P("3");
             return TangentGraph(f, P("1/2"), *TangentLine(f, P("1/2")).Answer);
         },
         {"(1/2, 3)"},
         0},
        {"irrational extrema",
         [] {
             const TPolynomial f = P("x^3-3x^2+x");
             return ExtremaGraph(f, *Extrema(f).Answer);
         },
         {"極大 ((3 − √6)/3, (−9 + 4√6)/9)", "極小 ((3 + √6)/3, (−9 − 4√6)/9)"},
         0},
        {"no extrema",
         [] {
             const TPolynomial f = P("x^3+x");
             return ExtremaGraph(f, *Extrema(f).Answer);
         },
         {},
         1},
        {"integral",
         [] { return IntegralGraph(P("1/2x^2-2x+1"), P("-1"), P("2")); },
         {"−1", "2"},
         0},
        {"integral with a = b", [] { return IntegralGraph(P("x^2"), P("3"), P("3")); }, {"3"}, 0},
        {"integral of a constant, limits reversed",
         [] { return IntegralGraph(P("-4"), P("5"), P("1")); },
         {"1", "5"},
         0},
        {"lines crossing",
         [] {
             const TLinearSystem s{{{R(2), R(3), R(1), R(0)}, {R(5), R(-1), R(4), R(0)}}};
             return LinearGraph(s, SolveLinearSystem(s, 2));
         },
         {"(13/17, −3/17)"},
         0},
        {"parallel lines",
         [] {
             const TLinearSystem s{{{R(1), R(1), R(1), R(0)}, {R(2), R(2), R(5), R(0)}}};
             return LinearGraph(s, SolveLinearSystem(s, 2));
         },
         {},
         1},
        {"vertical and horizontal lines",
         [] {
             const TLinearSystem s{{{R(1), R(0), R(7), R(0)}, {R(0), R(1), R(7), R(0)}}};
             return LinearGraph(s, SolveLinearSystem(s, 2));
         },
         {"(7, 7)"},
         0},
        {"internal division",
         [] {
             const TPoint a{R(1), R(2)}, b{R(-5), R(4)};
             return DivisionGraph(TDivision::Internal, a, b,
                                  *DivisionPoint(TDivision::Internal, a, b, R(2), R(3)).Answer);
         },
         {"A(1, 2)", "B(−5, 4)", "P(−7/5, 14/5)"},
         0},
        {"external division at 10^9",
         [] {
             const TPoint a{R(1000000000), R(1000000000)}, b{R(1000000001), R(1000000002)};
             return DivisionGraph(TDivision::External, a, b,
                                  *DivisionPoint(TDivision::External, a, b, R(3), R(1)).Answer);
         },
         {"A(1000000000, 1000000000)", "B(1000000001, 1000000002)", "Q(2000000003/2, 1000000003)"},
         0},
        {"vertical line through two points",
         [] {
             const TPoint a{R(3), R(-1)}, b{R(3), R(4)};
             return LineGraph(a, b, *LineThrough(a, b).Answer);
         },
         {"A(3, −1)", "B(3, 4)"},
         0},
        {"sum bars", [] { return SumGraph(P("x^3+2x"), P("1"), P("10")); }, {}, 0},
        {"double root away from 0", [] { return Equation("x^2-6x+9"); }, {"3", "頂点 (3, 0)"}, 0},
        {"complex roots above the x-axis", [] { return Equation("x^2-2x+5"); }, {"頂点 (1, 4)"}, 1},
        {"roots beside the origin",
         [] { return Equation("x^2-5x+6"); },
         {"2", "3", "頂点 (5/2, −1/4)"},
         0},
    };
    for (const TGraphCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TGraph graph = c.Make();
        const TGraphRange& r = graph.Range;
        ExpectSteps(r.XMin, r.XMax, r.XStep, "x");
        ExpectSteps(r.YMin, r.YMax, r.YStep, "y");
        std::vector<std::string> labels;
        for (const TGraphMark& mark : graph.Marks) {
            labels.push_back(mark.Label);
            ExpectInside(mark.X, r.XMin, r.XMax, mark.Label);
            ExpectInside(mark.Y, r.YMin, r.YMax, mark.Label);
        }
        EXPECT_EQ(labels, c.Labels);
        EXPECT_EQ(graph.Notes.size(), c.Notes);
        for (const TExactPoint& kept : graph.Keep) {
            ExpectInside(Drawn(kept.X, graph.XOrigin), r.XMin, r.XMax, "kept x");
            ExpectInside(Drawn(kept.Y, graph.YOrigin), r.YMin, r.YMax, "kept y");
        }
        if (graph.ShowXAxis) {
            EXPECT_LT(r.YMin, 0);
            EXPECT_GT(r.YMax, 0);
        }
        if (graph.Area) {
            ExpectInside(graph.Area->From, r.XMin, r.XMax, "lower limit");
            ExpectInside(graph.Area->To, r.XMin, r.XMax, "upper limit");
        }
        for (const TGraphBar& bar : graph.Bars) {
            ExpectInside(bar.K, r.XMin, r.XMax, "bar");
            ExpectInside(bar.Value, r.YMin, r.YMax, "bar");
        }
    }
}

// Graphs of functions as a textbook draws them: the origin and the
// y-intercept in view where what must show still fills half the view, and
// the curve rising across at least a third of the view's height.
TEST(Graph, TextbookViews) {
    const struct {
        const char* Name;
        std::function<TGraph()> Make;
        TPolynomial F;
        bool Origin, Intercept; // in view
    } cases[] = {
        {"double root at 3", [] { return Equation("x^2-6x+9"); }, P("x^2-6x+9"), true, true},
        {"vertex (1, 4)", [] { return Equation("x^2-2x+5"); }, P("x^2-2x+5"), true, true},
        {"roots 2 and 3", [] { return Equation("x^2-5x+6"); }, P("x^2-5x+6"), true, true},
        {"roots 9 and 11: the origin would crowd them", [] { return Equation("x^2-20x+99"); },
         P("x^2-20x+99"), false, false},
        {"vertex high above the x-axis", [] { return Equation("x^2+100"); }, P("x^2+100"), true,
         true},
        {"tangent far above the x-axis: no y = 0",
         [] {
             const TPolynomial f = P("x^2+100");
             return TangentGraph(f, P("1"), *TangentLine(f, P("1")).Answer);
         },
         P("x^2+100"), false, true},
        {"area from 1 to 2: the origin at half the width",
         [] { return IntegralGraph(P("x+1"), P("1"), P("2")); }, P("x+1"), true, true},
        {"area from 1.01 to 2.01: just beyond",
         [] { return IntegralGraph(P("x+1"), P("101/100"), P("201/100")); }, P("x+1"), false,
         false},
        {"roots 10¹¹ ± 1, measured from 10¹¹",
         [] { return Equation("x^2-200000000000x+9999999999999999999999"); },
         P("x^2-200000000000x+9999999999999999999999"), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TGraph graph = c.Make();
        const TGraphRange& r = graph.Range;
        const double x = Drawn({}, graph.XOrigin);
        const double y = Drawn({}, graph.YOrigin);
        const double intercept = Drawn(Reduced(PolyCoeff(c.F, 0)), graph.YOrigin);
        const bool across = r.XMin < x && x < r.XMax;
        EXPECT_EQ(across && r.YMin < y && y < r.YMax, c.Origin);
        EXPECT_EQ(across && r.YMin < intercept && intercept < r.YMax, c.Intercept);
        if (c.F.Degree() >= 2 && x == 0) {
            double low = r.YMax;
            double high = r.YMin;
            for (int i = 0; i <= 100; ++i) {
                const double v = std::clamp(ApproxValue(c.F, r.XMin + (r.XMax - r.XMin) * i / 100),
                                            r.YMin, r.YMax);
                low = std::min(low, v);
                high = std::max(high, v);
            }
            EXPECT_GE(high - low, (r.YMax - r.YMin) / 3);
        }
    }
}

TEST(Graph, EqualScaleWidensOneAxisAboutItsMiddle) {
    const struct {
        TGraphRange Range;
        double Width, Height;
    } cases[] = {
        {{-1, 2, -1.4, 0.2, 0.5, 0.2}, 400, 200}, // y widened
        {{-6, 2, 1.5, 4.5, 1, 0.5}, 200, 400},    // x widened
        {{0, 1, 0, 1, 0.2, 0.2}, 300, 300},       // already equal
        {{999999999, 1000000003, 999999999, 1000000004, 1, 1}, 450, 210},
    };
    for (const auto& c : cases) {
        const TGraphRange& r = c.Range;
        const TGraphRange e = EqualScaleRange(r, c.Width, c.Height);
        const double across = (e.XMax - e.XMin) / c.Width;
        const double up = (e.YMax - e.YMin) / c.Height;
        EXPECT_NEAR(across, up, 1e-6 * across); // limits near 10⁹ keep 7 digits after the point
        EXPECT_LE(e.XMin, r.XMin);
        EXPECT_GE(e.XMax, r.XMax);
        EXPECT_LE(e.YMin, r.YMin);
        EXPECT_GE(e.YMax, r.YMax);
        EXPECT_NEAR(e.XMin + e.XMax, r.XMin + r.XMax, 1e-9 * std::abs(r.XMax));
        EXPECT_NEAR(e.YMin + e.YMax, r.YMin + r.YMax, 1e-9 * std::abs(r.YMax));
        // About six steps across each axis.
        EXPECT_LE((e.XMax - e.XMin) / e.XStep, 16);
        EXPECT_LE((e.YMax - e.YMin) / e.YStep, 16);
    }
    const TGraphRange r{-1, 1, -2, 2, 0.5, 1};
    const TGraphRange same = EqualScaleRange(r, 0, 100); // not laid out yet
    EXPECT_EQ(same.XMin, r.XMin);
    EXPECT_EQ(same.YMax, r.YMax);
}

// Labels as long as a digit is wide (7 px) times the characters of the
// longest one, "-0.2" or "12"; the step widens, 1-2-5, until they fit.
TEST(Graph, LabelStepSpreadsLabelsThatDoNotFit) {
    const struct {
        double Min, Max, Step, Length, Chars, Expected;
    } cases[] = {
        {1.4, 3.2, 0.2, 600, 3, 0.2}, // ten labels of 3.2 fit a wide board
        {1.4, 3.2, 0.2, 210, 3, 0.5}, // a narrow one keeps four
        {-2, 12, 2, 100, 2, 5},       // 2 → 5: three labels
        {-2, 12, 2, 10, 2, 10},       // nothing fits: two labels, 0 and 10
        {-5, 1, 1, 60, 2, 5},         // y labels a line high: -5 and 0
        {0.5, 0.8, 0.05, 1000, 4, 0.05},
        {-1, 1, 0.5, 0, 3, 0.5}, // not laid out yet
        {999999999, 1000000003, 1, 200, 10, 2},
    };
    for (const auto& c : cases) {
        const double step =
            LabelStep(c.Min, c.Max, c.Step, c.Length, [&](double) { return 7 * c.Chars; });
        EXPECT_NEAR(step, c.Expected, 1e-9 * c.Expected)
            << c.Min << ".." << c.Max << " in " << c.Length << " px";
    }
}

TEST(Graph, SumBarsStopAtTheLimit) {
    const struct {
        const char* Upper;
        std::size_t Bars;
        std::size_t Notes;
    } cases[] = {
        {"300", 300, 0}, // as many as may be drawn
        {"301", 0, 1},   // one more: a note instead
        {"1000000000000000000000", 0, 1},
        {"0", 0, 1}, // below the lower limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Upper);
        const TGraph graph = SumGraph(P("x"), P("1"), P(c.Upper));
        EXPECT_EQ(graph.Bars.size(), c.Bars);
        EXPECT_EQ(graph.Notes.size(), c.Notes);
    }
    const TGraph squares = SumGraph(P("x^2"), P("-2"), P("2"));
    ASSERT_EQ(squares.Bars.size(), 5U);
    EXPECT_EQ(squares.Bars[0].K, -2);
    EXPECT_EQ(squares.Bars[0].Value, 4);
    EXPECT_EQ(squares.Bars[2].Value, 0);
}

TEST(Graph, ApproxRealRoots) {
    const struct {
        const char* Poly;
        std::vector<double> Roots;
    } cases[] = {
        {"x^2-2", {-std::sqrt(2.0), std::sqrt(2.0)}},
        {"x^3-x", {-1, 0, 1}},
        {"x^2-2x+1", {1}},
        {"x^2+1", {}},
        {"7", {}},
        {"x^5-1000000000", {std::pow(1e9, 0.2)}},
        {"1/1000x^2-1000", {-1000, 1000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Poly);
        const std::vector<double> roots = ApproxRealRoots(P(c.Poly));
        ASSERT_EQ(roots.size(), c.Roots.size());
        for (std::size_t i = 0; i < roots.size(); ++i) {
            EXPECT_NEAR(roots[i], c.Roots[i], 1e-6 * std::max(1.0, std::abs(c.Roots[i])));
        }
    }
}

std::string Zeros(std::size_t n) {
    return std::string(n, '0');
}

// The distance in pixels from (x, y) to the line through the points, on a
// plot area of 400 x 250 pixels showing the range.
double PixelsFromLine(const std::vector<std::pair<double, double>>& line, double x, double y,
                      const TGraphRange& r) {
    const auto px = [&](double v) { return (v - r.XMin) / (r.XMax - r.XMin) * 400; };
    const auto py = [&](double v) { return (v - r.YMin) / (r.YMax - r.YMin) * 250; };
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        // Values far beyond the view are held near it, as the drawing holds them.
        const auto held = [&](double v) { return std::clamp(py(v), -1000.0, 1250.0); };
        const double ax = px(line[i].first), ay = held(line[i].second);
        const double bx = px(line[i + 1].first), by = held(line[i + 1].second);
        const double dx = bx - ax, dy = by - ay;
        const double length = dx * dx + dy * dy;
        const double t =
            length > 0 ? std::clamp(((px(x) - ax) * dx + (py(y) - ay) * dy) / length, 0.0, 1.0)
                       : 0.0;
        nearest = std::min(nearest, std::hypot(px(x) - (ax + t * dx), py(y) - (ay + t * dy)));
    }
    return nearest;
}

TGraph ExtremaOf(const TPolynomial& f) {
    return ExtremaGraph(f, *Extrema(f).Answer);
}

// Each marked point of a curve lies in the view and within a pixel of the
// line drawn through the curve's samples, wherever the view lies; points too
// large to place are named in a note, and only they.
TEST(Graph, MarkedPointsLieOnTheDrawnCurve) {
    const struct {
        const char* Name;
        std::function<TGraph()> Make;
        std::size_t Placed; // marks in the view
        const char* XName;
    } cases[] = {
        {"roots and vertex near 10^9",
         [] { return Equation("x^2-2000000000x+999999999999999975"); }, 3, "x"},
        {"roots 10^9 ± 10^-9",
         [] { return Equation("x^2-2000000000x+" + std::string(36, '9') + "/1" + Zeros(18)); }, 3,
         "x − 1000000000"},
        {"roots −10^9 ± 10^-9",
         [] { return Equation("x^2+2000000000x+" + std::string(36, '9') + "/1" + Zeros(18)); }, 3,
         "x + 1000000000"},
        {"roots 1/2 ± 10^-12",
         [] { return Equation("x^2-x+249999999999999999999999/1" + Zeros(24)); }, 3, "x − 0.5"},
        {"a root near 1 beside one near 10^120",
         [] { return Equation("x^2-1" + Zeros(120) + "x+1" + Zeros(120)); }, 1, "x"},
        {"a maximum near (1, 1.5·10^40)",
         [] { return ExtremaOf(P("x^3-15" + Zeros(39) + "x^2+3" + Zeros(40) + "x")); }, 1, "x"},
        {"irrational extrema", [] { return ExtremaOf(P("x^3-3x^2+x")); }, 2, "x"},
        {"extrema at 10^9 ± 1",
         [] { return ExtremaOf(P("x^3-3000000000x^2+2999999999999999997x")); }, 2, "x"},
        {"tangent at 10^9",
         [] {
             const TPolynomial f = P("x^2");
             const TPolynomial a = P("1000000001");
             return TangentGraph(f, a, *TangentLine(f, a).Answer);
         },
         1, "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TGraph graph = c.Make();
        const TGraphRange& r = graph.Range;
        EXPECT_EQ(graph.XName, c.XName);
        const auto line = CurveSamples(graph, graph.Curves[0].F, r.XMin, r.XMax, 400);
        std::size_t placed = 0;
        for (const TGraphMark& mark : graph.Marks) {
            if (std::abs(mark.X) > kGraphLimit || std::abs(mark.Y) > kGraphLimit) {
                continue;
            }
            ++placed;
            ExpectInside(mark.X, r.XMin, r.XMax, mark.Label);
            ExpectInside(mark.Y, r.YMin, r.YMax, mark.Label);
            EXPECT_LE(PixelsFromLine(line, mark.X, mark.Y, r), 1) << mark.Label;
        }
        EXPECT_EQ(placed, c.Placed);
        EXPECT_EQ(graph.Notes.size(), placed < graph.Marks.size() ? 1U : 0U);
    }
}

// A curve's values keep their digits far from 0, and with coefficients
// beyond any double they are never taken as 0 (∞ · 0 in Horner's rule).
TEST(Graph, CurveSamplesKeepTheirDigits) {
    const std::string huge = std::string(400, '7') + "x^4-" + std::string(399, '3') + "x^3+1";
    const struct {
        std::string Poly;
        double From, To, AtFrom, AtTo;
    } cases[] = {
        {"x^2-2000000000x+999999999999999975", 1e9, 1e9 + 5, -25, 0},
        {"x^2-2000000000x+999999999999999975", 999999995, 1e9, 0, -25},
        {huge, 0, 0.0025, 1, -std::numeric_limits<double>::infinity()},
        {huge, -0.0025, 0, std::numeric_limits<double>::infinity(), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Poly.substr(0, 40));
        const auto samples = CurveSamples(TGraph{}, P(c.Poly), c.From, c.To, 1);
        ASSERT_EQ(samples.size(), 2U);
        EXPECT_EQ(samples[0].second, c.AtFrom);
        EXPECT_EQ(samples[1].second, c.AtTo);
    }
}

TEST(Graph, FineSurdKeepsWhatCancels) {
    const TInteger big = TInteger::FromDigits("1" + Zeros(120));
    const struct {
        TSurd Value;
        double Expected;
    } cases[] = {
        {{1, 1, 5, 2}, (1 + std::sqrt(5.0)) / 2},
        {{-3, -1, 2, 1}, -3 - std::sqrt(2.0)},
        {{5, 0, 7, 3}, 5.0 / 3},
        // (10¹²⁰ − √(10²⁴⁰ − 4·10¹²⁰))/2, a root of x² − 10¹²⁰x + 10¹²⁰: 1 + 10⁻¹²⁰ + …
        {{big, -1, big * big - TInteger(4) * big, 2}, 1},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ApproxRational(FineSurd(c.Value)), c.Expected, 1e-15 * std::abs(c.Expected));
    }
}

// Terms of a sum far from 0 are drawn against an axis measured from a round
// number near them, their heights in view.
TEST(Graph, SumBarsFarFromZero) {
    const TGraph graph = SumGraph(P("x"), P("1" + Zeros(150)), P("1" + Zeros(149) + "9"));
    ASSERT_EQ(graph.Bars.size(), 10U);
    EXPECT_EQ(graph.XName, "x − 10¹⁵⁰");
    for (const TGraphBar& bar : graph.Bars) {
        ExpectInside(bar.K, graph.Range.XMin, graph.Range.XMax, "bar");
        ExpectInside(bar.Value, graph.Range.YMin, graph.Range.YMax, "bar");
    }
    EXPECT_EQ(graph.Bars[0].K, 0);
    EXPECT_EQ(graph.Bars[9].K, 9);
    EXPECT_TRUE(graph.Notes.empty());
    // Cubes of 10¹⁵⁰ exceed any double: drawn running off the top, and noted.
    const TGraph cubes = SumGraph(P("x^3"), P("1" + Zeros(150)), P("1" + Zeros(149) + "9"));
    ASSERT_EQ(cubes.Bars.size(), 10U);
    EXPECT_EQ(cubes.Notes, std::vector<std::string>{"大きすぎて高さを描けない項があります"});
}

TEST(Graph, ApproxValuesOfHugeNumbers) {
    TInteger big = 1;
    for (int i = 0; i < 400; ++i) {
        big *= 10;
    }
    EXPECT_TRUE(std::isinf(ApproxInteger(big)));
    EXPECT_NEAR(ApproxRational({big + 1, big}), 1.0, 1e-15);
    EXPECT_EQ(ApproxRational({1, big}), 0.0);
    EXPECT_NEAR(ApproxSurd({1, 1, 5, 2}), (1 + std::sqrt(5.0)) / 2, 1e-15);
    // A point beyond what can be placed is named in a note, and the view stays finite.
    const TGraph graph =
        DivisionGraph(TDivision::Internal, {R(0), R(0)}, {R(2), R(2)}, {TRational{big, 1}, R(1)});
    EXPECT_EQ(graph.Notes.size(), 1U);
    EXPECT_TRUE(std::isfinite(graph.Range.XMax));
}

} // namespace
