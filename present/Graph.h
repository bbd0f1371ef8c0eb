// SPDX-License-Identifier: GPL-3.0-or-later
// The answer board's graphs: a plain description of what to draw for a
// calculation — curves kept as exact polynomials, lines, marked points with
// their exact values as labels and their decimal positions, a shaded area,
// bars and notes — and the view range that shows it. The exact values are
// worked out here; floating point only places them on the plane, measured
// from an exact origin near the view, so that a narrow view far from 0 keeps
// its digits. Drawing belongs to the windows.
#pragma once

#include "Calculus.h"
#include "Equations.h"
#include "Geometry.h"
#include "LinearSystem.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace arith {

// y = F(x); a line y = m x + c is a curve of degree at most 1.
enum class TCurveRole { Function, Tangent, Line };
struct TGraphCurve {
    TPolynomial F;
    std::string Label; // Unicode, as the legend names it: "y = x² − 1"
    TCurveRole Role = TCurveRole::Function;
};

// A point of the plane, exact, or for a surd a fraction so close to it that
// no view could tell them apart.
struct TExactPoint {
    TRational X, Y;
};

// In the parts below, the exact values say where a part lies, and the
// doubles where it is drawn: the exact value less the graph's origin.

// The vertical line x = At.
struct TGraphVertical {
    TRational At;
    std::string Label;
    double X = 0;
};

// A straight segment between two points, dashed where it only extends one.
struct TGraphSegment {
    TExactPoint From, To;
    bool Dashed = false;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

enum class TMarkKind { Root, Vertex, Point, Maximum, Minimum, Intersection, Given, Division };
struct TGraphMark {
    TExactPoint At;
    std::string Label; // the exact value in Unicode: "(−1 + √5)/2", "A(1, 2)"
    TMarkKind Kind = TMarkKind::Point;
    double X = 0;
    double Y = 0;
};

// The region between y = F(x) and the x-axis for ExactFrom ≤ x ≤ ExactTo.
struct TGraphArea {
    TPolynomial F;
    TRational ExactFrom, ExactTo;
    double From = 0;
    double To = 0;
};

// One term f(k) of a sum, drawn as a bar at k.
struct TGraphBar {
    TRational ExactK, ExactValue;
    double K = 0;
    double Value = 0;
};

// The view: the ranges of x and y, each a whole number of tick steps.
struct TGraphRange {
    double XMin = -1, XMax = 1, YMin = -1, YMax = 1;
    double XStep = 0.5, YStep = 0.5;
};

struct TGraph {
    std::vector<TGraphCurve> Curves;
    std::vector<TGraphVertical> Verticals;
    std::vector<TGraphSegment> Segments;
    std::vector<TGraphMark> Marks;
    std::optional<TGraphArea> Area;
    std::vector<TGraphBar> Bars;
    std::vector<std::string> Notes; // what the picture cannot show, in words
    // Points the view keeps in sight without marking them, so that a
    // curve's turns and crossings show.
    std::vector<TExactPoint> Keep;
    bool ShowXAxis = false;  // the view includes y = 0 (graphs of functions)
    bool EqualScale = false; // a figure on the plane: one unit as long across as up
    // The point the drawing measures from: 0, or where a view is too narrow
    // for its distance from 0 to be labelled in plain numbers, a round
    // number near its middle. The axes are then named for it, "x − 10¹⁵⁰".
    TRational XOrigin, YOrigin;
    std::string XName = "x", YName = "y";
    TGraphRange Range; // in drawn coordinates, set by ChooseRange
};

// Bars beyond this many are not drawn; a note says so.
inline constexpr int kMaxGraphBars = 300;
// Marked values beyond this size cannot be placed; a note says so.
inline constexpr double kGraphLimit = 1e100;

// Floating-point positions of exact values.
double ApproxInteger(const TInteger& n);
double ApproxRational(const TRational& r);
double ApproxSurd(const TSurd& s);
// The surd as a fraction within 2⁻ᵇ of it, b large enough that the
// fraction keeps some sixty significant bits even where P and Q√R nearly
// cancel: a root near 1 of x² − 10¹²⁰x + 10¹²⁰ stays near 1.
TRational FineSurd(const TSurd& s);
// The double x as the fraction it is exactly.
TRational ExactDouble(double x);
// p(x) by Horner's rule in double.
double ApproxValue(const TPolynomial& p, double x);
// The sign of p(x), exact: double arithmetic where its error bound allows,
// the fraction x otherwise.
int SignAt(const TPolynomial& p, double x);
// The real roots of p found by sampling and bisection; an estimate for
// keeping a curve's crossings in view, not an answer.
std::vector<double> ApproxRealRoots(const TPolynomial& p);

// v − origin as a double: where a value is drawn.
double Drawn(const TRational& v, const TRational& origin);
// f at the drawn x, worked out exactly and drawn: f(XOrigin + x) − YOrigin.
double DrawnValue(const TGraph& graph, const TPolynomial& f, double x);
// Points (t, y) of the curve f in drawn coordinates for t from `from` to
// `to`: count + 1 evenly spaced, and the marked and kept points between, so
// that the line drawn through them passes through every marked point of the
// curve however sharply it turns there. Each value is taken from f shifted
// exactly to the middle of the span, so it keeps its digits wherever the
// span lies.
std::vector<std::pair<double, double>> CurveSamples(const TGraph& graph, const TPolynomial& f,
                                                    double from, double to, int count);

// The view of a graph: every mark, kept point, area limit, bar, segment end
// and vertical line inside with a margin of at least a twentieth of the
// width (height) on each side; y = 0 inside when ShowXAxis; a curve's values
// over the marked x span inside; a span of a single value opened around it
// (constant functions, one point); limits rounded out to steps of 1, 2 or 5
// times a power of ten, about six to the width. A graph of functions drawn
// from 0 itself is shown as a textbook draws it: around a curve's turns
// wide enough that the curve rises or falls across at least as far as the
// span is wide and a third of the view's height (never flat), and out to
// the origin O and the y-intercept where what must show still fills about
// half the view. In drawn coordinates, from the graph's origin.
TGraphRange ChooseRange(const TGraph& graph);
// The graph measured from an origin chosen from its exact values, its drawn
// coordinates filled in and its view chosen.
TGraph Placed(TGraph graph);

// The range widened across or up, about its middle, so that one unit is as
// long across as up on a plot area of width x height pixels; the widened
// axis takes a step of its own for about six steps across its new extent,
// which need not be whole steps. An empty plot area leaves the range as it is.
TGraphRange EqualScaleRange(const TGraphRange& range, double width, double height);

// The ticks of an axis from min to max: the whole multiples of step between
// them, rounding allowed for, each worked out from its multiple so that 0 is
// exactly 0 (never −2.8e−17); at most a thousand.
std::vector<double> TickValues(double min, double max, double step);

// The step between an axis's labels on a plot length pixels long: the
// axis's own step, or the next of 1, 2 and 5 times a power of ten above it,
// until every label, labelLength(step) pixels along the axis and a gap of
// half that, fits, or only two labels are left.
double LabelStep(double min, double max, double step, double length,
                 const std::function<double(double)>& labelLength);

// Graphs of the windows, each with its range chosen.
// y = p(x) with the real roots on the x-axis, the vertex of a quadratic,
// and the complex roots named in a note.
TGraph EquationGraph(const TPolynomial& p, const TEquationRoots& roots);
// y = f(x), the point (a, f(a)) and the tangent there.
TGraph TangentGraph(const TPolynomial& f, const TPolynomial& a, const TTangent& tangent);
// y = f(x) with its maximum and minimum.
TGraph ExtremaGraph(const TPolynomial& f, const TExtrema& extrema);
// y = f(x) with the area between lower and upper shaded.
TGraph IntegralGraph(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper);
// The two lines of a system of two equations and their intersection.
TGraph LinearGraph(const TLinearSystem& system, const TLinearSolution& solution);
// A, B and the point dividing AB.
TGraph DivisionGraph(TDivision kind, const TPoint& a, const TPoint& b, const TPoint& point);
// A, B and the line through them.
TGraph LineGraph(const TPoint& a, const TPoint& b, const TLine& line);
// The terms f(k) for k from lower to upper as bars, where both are numbers.
TGraph SumGraph(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper);

} // namespace arith
