// SPDX-License-Identifier: GPL-3.0-or-later
#include "Graph.h"

#include "BoardNotation.h"
#include "Factorization.h"
#include "Notation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace arith {

namespace {

// The view keeps this share of its width free on each side of what it must show.
constexpr double kMargin = 0.12;
// About this many tick steps across a view.
constexpr double kSteps = 6;
// Points of a curve sampled to find the y range it needs.
constexpr int kRangeSamples = 200;

// Bars up to this height are drawn to scale: the view's margins stay finite.
constexpr double kTallestBar = 1e300;

// A graph of functions takes in the origin where what it must show still
// fills this share of the view's width (and of its height for y = 0).
constexpr double kInterestingShare = 0.5;
// A curve's turning region widens by this factor at a time, until the curve
// rises or falls across it at least as far as it is wide and at least
// kLeastChange of the view's height: a parabola drawn around its vertex alone
// looks like a straight line. Around a single point (a vertex, a double root)
// it widens to at most kMostWidened times its first width.
constexpr double kWidenBy = 1.1;
constexpr double kMostWidened = 20;
constexpr double kLeastChange = 1.0 / 3;

bool Placeable(double v) {
    return std::isfinite(v) && std::abs(v) <= kGraphLimit;
}

TRational ConstantOf(const TPolynomial& p) {
    return Reduced(PolyCoeff(p, 0));
}

// p(x) by Horner's rule, exact and unreduced: quicker than composing for one value.
TRational HornerValue(const TPolynomial& p, const TRational& x) {
    TRational value;
    for (int i = p.Degree(); i >= 0; --i) {
        value = value * x;
        value = value + PolyCoeff(p, i);
    }
    return value;
}

// p(c), exact.
TRational ExactValue(const TPolynomial& p, const TRational& c) {
    TPolynomial at;
    at = TPolynomial{};
    PolySetCoeff(at, 0, c);
    TPolynomial value;
    value = Compose(p, at);
    return ConstantOf(value);
}

TInteger PowerOfTwo(unsigned long exponent) {
    return Power(2, exponent);
}

unsigned long Bits(const TInteger& n) {
    return n.Bits();
}

TRational Difference(TRational a, const TRational& b) {
    a = a - b;
    return a;
}

// The fraction rounded to the nearest whole multiple of 10^power.
TRational RoundedToPowerOfTen(const TRational& r, long power) {
    const TInteger unit = Power(10, static_cast<unsigned long>(std::abs(power)));
    // r / 10^power as num / den, then floor(num / den + 1/2).
    const TInteger num = power >= 0 ? r.Num() : r.Num() * unit;
    const TInteger den = power >= 0 ? r.Den() * unit : r.Den();
    const TInteger q = FloorQuotient(num * TInteger(2) + den, den * TInteger(2));
    return Reduced(power >= 0 ? TRational{q * unit, 1} : TRational{q, unit});
}

std::string Superscript(const std::string& digits) {
    static const char* const kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text;
    for (const char c : digits) {
        text += kDigits[c - '0'];
    }
    return text;
}

// A whole multiple of a power of ten as a reader takes it in at a glance:
// "1000000000", "2.5", "10¹⁵⁰", "3×10²⁰".
std::string RoundText(const TRational& r) {
    const std::string sign = r.Num().Sign() < 0 ? "−" : "";
    const TInteger num = Abs(r.Num());
    if (r.Den() == TInteger(1)) {
        std::string digits = num.Text();
        std::size_t zeros = 0;
        while (zeros + 1 < digits.size() && digits[digits.size() - 1 - zeros] == '0') {
            ++zeros;
        }
        if (digits.size() > 12 && zeros >= 6) {
            const std::string head = digits.substr(0, digits.size() - zeros);
            const std::string power = "10" + Superscript(std::to_string(zeros));
            return sign + (head == "1" ? power : head + "×" + power);
        }
        return sign + digits;
    }
    // The denominator divides a power of ten: as many digits after the point.
    std::size_t places = 0;
    TInteger scale = 1;
    while (!(scale % r.Den()).IsZero()) {
        scale *= TInteger(10);
        ++places;
    }
    std::string digits = (num * (scale / r.Den())).Text();
    if (digits.size() <= places) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - places, ".");
    return sign + digits;
}

// Values of one axis, drawn plainly as they are, unless they lie so close
// together for their distance from 0 that a tick's label would need more
// than some ten digits: then measured from a round number near their
// middle, the nearest whole multiple of the power of ten above their spread.
TRational OriginOf(const std::vector<const TRational*>& values) {
    const TRational* low = nullptr;
    const TRational* high = nullptr;
    for (const TRational* v : values) {
        if (!std::isfinite(ApproxRational(*v))) {
            continue;
        }
        if (low == nullptr || (*low > *v)) {
            low = v;
        }
        if (high == nullptr || (*v > *high)) {
            high = v;
        }
    }
    if (low == nullptr) {
        return {};
    }
    const TRational spread = Reduced(Difference(*high, *low));
    TRational middle;
    middle = *low + *high;
    middle = middle * TRational{1, 2};
    const double width = ApproxRational(spread);
    const double centre = std::abs(ApproxRational(middle));
    if (!(width > 0) || !std::isfinite(width) || !(centre > 1e10 * width)) {
        return {};
    }
    return RoundedToPowerOfTen(middle, static_cast<long>(std::floor(std::log10(width))) + 1);
}

// "x", or "x − 1000000000" where the axis is measured from 10⁹.
std::string AxisName(const char* letter, const TRational& origin) {
    if (origin.Num().IsZero()) {
        return letter;
    }
    std::string name = letter;
    name += origin.Num().Sign() > 0 ? " − " : " + ";
    return name + RoundText(TRational::AsTyped(Abs(origin.Num()), origin.Den()));
}

std::string Unicode(const TMath& math) {
    return MathToUnicode(math);
}

std::string RationalText(const TRational& r) {
    return Unicode(RationalMath(Reduced(r)));
}

// "(1, −2)".
std::string PairText(const std::string& x, const std::string& y) {
    std::string text = "(";
    text += x;
    text += ", ";
    text += y;
    text += ")";
    return text;
}

std::string Joined(const char* head, const std::string& tail) {
    std::string text = head;
    text += tail;
    return text;
}

// "y = x² − 1".
std::string CurveLabel(const TPolynomial& f) {
    return Joined("y = ", Unicode(PolynomialMath(f)));
}

// 1, 2 or 5 times a power of ten, the nearest (on a log scale) to raw.
double NiceStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    if (fraction < std::sqrt(2.0)) {
        return power;
    }
    if (fraction < std::sqrt(10.0)) {
        return 2 * power;
    }
    if (fraction < std::sqrt(50.0)) {
        return 5 * power;
    }
    return 10 * power;
}

struct TSpan {
    double Min = std::numeric_limits<double>::infinity();
    double Max = -std::numeric_limits<double>::infinity();
    void Add(double v) {
        if (Placeable(v)) {
            Min = std::min(Min, v);
            Max = std::max(Max, v);
        }
    }
    bool Empty() const { return Min > Max; }
};

// The span opened by the margin and rounded out to whole steps.
void Widen(TSpan span, double& low, double& high, double& step) {
    if (span.Empty()) {
        span.Add(0);
    }
    double width = span.Max - span.Min;
    if (!(width > 1e-9 * std::max({1.0, std::abs(span.Min), std::abs(span.Max)}))) {
        // One value: a view around it, as wide as a tenth of the value, at least 1 each side.
        const double half = std::max(1.0, 0.1 * std::abs(span.Min));
        const double middle = (span.Min + span.Max) / 2;
        span.Min = middle - half / 2;
        span.Max = middle + half / 2;
        width = half;
    }
    low = span.Min - kMargin * width;
    high = span.Max + kMargin * width;
    step = NiceStep((high - low) / kSteps);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
}

// The roots of p in (from, to), where p is monotonic, by bisection.
void RootsBetween(const TPolynomial& p, double from, double to, std::vector<double>& roots) {
    double a = from;
    double b = to;
    const int sa = SignAt(p, a);
    const int sb = SignAt(p, b);
    if (sa == 0) {
        roots.push_back(a);
        return;
    }
    if (sa == sb || sb == 0) {
        if (sb == 0) {
            roots.push_back(b);
        }
        return;
    }
    for (int i = 0; i < 200; ++i) {
        const double m = (a + b) / 2;
        if (m <= a || m >= b) {
            break;
        }
        const int sm = SignAt(p, m);
        if (sm == 0) {
            a = b = m;
            break;
        }
        if (sm == sa) {
            a = m;
        } else {
            b = m;
        }
    }
    roots.push_back((a + b) / 2);
}

TPolynomial DerivativeOf(const TPolynomial& f) {
    TPolynomial derivative;
    derivative = Derivative(f);
    return derivative;
}

void KeepCurvePoints(TGraph& graph, const TPolynomial& f) {
    const TPolynomial derivative = DerivativeOf(f);
    for (const TPolynomial* p : {&f, &derivative}) {
        for (double x : ApproxRealRoots(*p)) {
            const TRational at = ExactDouble(x);
            graph.Keep.push_back({at, ExactValue(f, at)});
        }
    }
}

void NoteUnplaceable(TGraph& graph) {
    bool any = false;
    for (const TGraphMark& mark : graph.Marks) {
        any = any || !Placeable(mark.X) || !Placeable(mark.Y);
    }
    if (any) {
        graph.Notes.emplace_back("大きすぎて描けない点があります");
    }
    // A taller bar runs off the top.
    if (std::any_of(graph.Bars.begin(), graph.Bars.end(),
                    [](const TGraphBar& bar) { return !(std::abs(bar.Value) <= kTallestBar); })) {
        graph.Notes.emplace_back("大きすぎて高さを描けない項があります");
    }
}

TGraph Finished(TGraph graph) {
    return Placed(std::move(graph));
}

// The doubles of an exact point, measured from the graph's origin.
void Place(const TGraph& graph, const TExactPoint& p, double& x, double& y) {
    x = Drawn(p.X, graph.XOrigin);
    y = Drawn(p.Y, graph.YOrigin);
}

} // namespace

double ApproxInteger(const TInteger& n) {
    long exponent = 0;
    const double mantissa = Mantissa(n, exponent);
    if (exponent > std::numeric_limits<double>::max_exponent) {
        return mantissa * std::numeric_limits<double>::infinity();
    }
    return std::ldexp(mantissa, static_cast<int>(exponent));
}

double ApproxRational(const TRational& r) {
    long numExponent = 0;
    long denExponent = 0;
    const double num = Mantissa(r.Num(), numExponent);
    const double den = Mantissa(r.Den(), denExponent);
    if (den == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const long exponent = numExponent - denExponent;
    if (exponent > std::numeric_limits<double>::max_exponent) {
        return num / den * std::numeric_limits<double>::infinity();
    }
    if (exponent < std::numeric_limits<double>::min_exponent - 60) {
        return 0;
    }
    return std::ldexp(num / den, static_cast<int>(exponent));
}

double ApproxSurd(const TSurd& s) {
    const double root = s.Q.IsZero() ? 0 : std::sqrt(ApproxInteger(s.R));
    return ApproxRational({s.P, s.D}) + ApproxRational({s.Q, s.D}) * root;
}

TRational FineSurd(const TSurd& s) {
    if (s.Q.IsZero() || s.R.IsZero()) {
        return Reduced({s.P, s.D});
    }
    // √R to b binary places: (P + Q√R)/D is at least 1/(D (|P| + |Q|√R)) from 0 unless
    // it is 0, so b twice the bits of its parts and more keeps it to far more than it needs.
    const ulong places = 2 * (Bits(s.P) + Bits(s.Q) + Bits(s.R) + Bits(s.D)) + 96;
    const TInteger scale = PowerOfTwo(places);
    const TInteger root = FloorSqrt(s.R * scale * scale);
    return Reduced({s.P * scale + s.Q * root, s.D * scale});
}

TRational ExactDouble(double x) {
    if (!std::isfinite(x) || x == 0) {
        return {};
    }
    int exponent = 0;
    const double mantissa = std::frexp(x, &exponent);
    // x = m · 2^(exponent − 53) with m a whole number of at most 53 bits.
    const auto m = static_cast<long>(std::ldexp(mantissa, 53));
    exponent -= 53;
    if (exponent >= 0) {
        return {TInteger(m) * PowerOfTwo(static_cast<ulong>(exponent)), 1};
    }
    return Reduced({TInteger(m), PowerOfTwo(static_cast<ulong>(-exponent))});
}

double ApproxValue(const TPolynomial& p, double x) {
    double value = 0;
    for (int i = p.Degree(); i >= 0; --i) {
        value = value * x + ApproxRational({p.Num(static_cast<std::size_t>(i)),
                                            p.Den(static_cast<std::size_t>(i))});
    }
    return value;
}

int SignAt(const TPolynomial& p, double x) {
    // Horner's rule with a bound on its rounding: each step and each
    // coefficient's own rounding add at most a unit in the last place of the
    // sum of the terms' sizes.
    double value = 0;
    double size = 0;
    for (int i = p.Degree(); i >= 0; --i) {
        const double c = ApproxRational(
            {p.Num(static_cast<std::size_t>(i)), p.Den(static_cast<std::size_t>(i))});
        value = value * x + c;
        size = size * std::abs(x) + std::abs(c);
    }
    const double error = 4 * (p.Degree() + 2) * std::numeric_limits<double>::epsilon() * size;
    if (std::isfinite(size) && std::abs(value) > error) {
        return value > 0 ? 1 : -1;
    }
    const TRational exact = HornerValue(p, ExactDouble(x));
    return exact.Num().Sign() * exact.Den().Sign();
}

std::vector<double> ApproxRealRoots(const TPolynomial& p) {
    std::vector<double> roots;
    if (p.Degree() <= 0 || PolyIsZero(p)) {
        return roots;
    }
    // Every real root lies within the Cauchy bound 1 + max |a_i / a_n|.
    const double lead = std::abs(ApproxRational(PolyCoeff(p, p.Degree())));
    double bound = 1;
    for (int i = 0; i < p.Degree(); ++i) {
        bound = std::max(bound, 1 + std::abs(ApproxRational(PolyCoeff(p, i))) / lead);
    }
    bound = std::min(bound, kGraphLimit);
    // Between neighbouring critical points p is monotonic, so each piece holds one root at most.
    TPolynomial derivative;
    derivative = Derivative(p);
    std::vector<double> cuts{-bound};
    for (double c : ApproxRealRoots(derivative)) {
        if (c > cuts.back() && c < bound) {
            cuts.push_back(c);
        }
    }
    cuts.push_back(bound);
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        RootsBetween(p, cuts[i], cuts[i + 1], roots);
    }
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

double Drawn(const TRational& v, const TRational& origin) {
    return origin.Num().IsZero() ? ApproxRational(v) : ApproxRational(Difference(v, origin));
}

double DrawnValue(const TGraph& graph, const TPolynomial& f, double x) {
    TRational at;
    at = graph.XOrigin + ExactDouble(x);
    return Drawn(ExactValue(f, at), graph.YOrigin);
}

std::vector<std::pair<double, double>> CurveSamples(const TGraph& graph, const TPolynomial& f,
                                                    double from, double to, int count) {
    // Each x, with the exact value it stands for where it is a marked or kept point.
    std::vector<std::pair<double, const TRational*>> xs;
    xs.reserve(static_cast<std::size_t>(count) + 1 + graph.Marks.size() + graph.Keep.size());
    for (int i = 0; i <= count; ++i) {
        xs.emplace_back(from + (to - from) * i / count, nullptr);
    }
    auto add = [&](double x, const TRational& exact) {
        if (x >= from && x <= to) {
            xs.emplace_back(x, &exact);
        }
    };
    for (const TGraphMark& mark : graph.Marks) {
        add(mark.X, mark.At.X);
    }
    for (const TExactPoint& point : graph.Keep) {
        add(Drawn(point.X, graph.XOrigin), point.X);
    }
    // Equal x: the exact one stays.
    std::sort(xs.begin(), xs.end(), [](const auto& a, const auto& b) {
        return a.first < b.first || (a.first == b.first && a.second != nullptr && !b.second);
    });
    xs.erase(std::unique(xs.begin(), xs.end(),
                         [](const auto& a, const auto& b) { return a.first == b.first; }),
             xs.end());
    // g(u) = f(XOrigin + middle + u) − YOrigin, exact.
    const double middle = (from + to) / 2;
    TPolynomial shift;
    shift = TPolynomial{};
    PolySetCoeff(shift, 1, {1, 1});
    TRational at;
    at = graph.XOrigin + ExactDouble(middle);
    PolySetCoeff(shift, 0, Reduced(at));
    shift = Normalized(shift);
    TPolynomial g;
    g = Compose(f, shift);
    PolySetCoeff(g, 0, Reduced(Difference(PolyCoeff(g, 0), graph.YOrigin)));
    g = Normalized(g);
    std::vector<std::pair<double, double>> points;
    points.reserve(xs.size());
    for (const auto& [x, exact] : xs) {
        // At a marked point f is taken at its exact x, which a double may
        // only round: on a curve as steep as x² − 10¹²⁰x + 10¹²⁰ near its
        // root that rounding alone moves f far off the mark.
        double y = exact != nullptr ? Drawn(ExactValue(f, *exact), graph.YOrigin)
                                    : ApproxValue(g, x - middle);
        if (std::isnan(y)) {
            // Coefficients beyond any double (∞ · 0): the value, exact, as near as a double comes.
            y = ApproxRational(HornerValue(g, ExactDouble(x - middle)));
        }
        points.emplace_back(x, y);
    }
    return points;
}

TGraph Placed(TGraph graph) {
    std::vector<const TRational*> xs;
    std::vector<const TRational*> ys;
    const TRational zero;
    for (const TGraphMark& mark : graph.Marks) {
        xs.push_back(&mark.At.X);
        ys.push_back(&mark.At.Y);
    }
    for (const TExactPoint& kept : graph.Keep) {
        xs.push_back(&kept.X);
        ys.push_back(&kept.Y);
    }
    for (const TGraphVertical& vertical : graph.Verticals) {
        xs.push_back(&vertical.At);
    }
    for (const TGraphSegment& segment : graph.Segments) {
        for (const TExactPoint* end : {&segment.From, &segment.To}) {
            xs.push_back(&end->X);
            ys.push_back(&end->Y);
        }
    }
    for (const TGraphBar& bar : graph.Bars) {
        xs.push_back(&bar.ExactK);
        ys.push_back(&bar.ExactValue);
    }
    if (graph.Area) {
        xs.push_back(&graph.Area->ExactFrom);
        xs.push_back(&graph.Area->ExactTo);
    }
    if (graph.ShowXAxis || graph.Area || !graph.Bars.empty()) {
        ys.push_back(&zero);
    }
    graph.XOrigin = OriginOf(xs);
    graph.YOrigin = OriginOf(ys);
    graph.XName = AxisName("x", graph.XOrigin);
    graph.YName = AxisName("y", graph.YOrigin);
    for (TGraphMark& mark : graph.Marks) {
        Place(graph, mark.At, mark.X, mark.Y);
    }
    for (TGraphVertical& vertical : graph.Verticals) {
        vertical.X = Drawn(vertical.At, graph.XOrigin);
    }
    for (TGraphSegment& segment : graph.Segments) {
        Place(graph, segment.From, segment.X1, segment.Y1);
        Place(graph, segment.To, segment.X2, segment.Y2);
    }
    for (TGraphBar& bar : graph.Bars) {
        Place(graph, {bar.ExactK, bar.ExactValue}, bar.K, bar.Value);
    }
    if (graph.Area) {
        graph.Area->From = Drawn(graph.Area->ExactFrom, graph.XOrigin);
        graph.Area->To = Drawn(graph.Area->ExactTo, graph.XOrigin);
    }
    NoteUnplaceable(graph);
    graph.Range = ChooseRange(graph);
    return graph;
}

namespace {

// Graphs of functions measured from 0 itself, with every marked point placed:
// the ones a textbook draws with the origin O and the y-intercept.
bool DrawnAsTextbook(const TGraph& graph) {
    return !graph.EqualScale && graph.Bars.empty() && graph.XOrigin.Num().IsZero() &&
           graph.YOrigin.Num().IsZero() &&
           std::all_of(graph.Marks.begin(), graph.Marks.end(),
                       [](const TGraphMark& m) { return Placeable(m.X) && Placeable(m.Y); }) &&
           std::any_of(graph.Curves.begin(), graph.Curves.end(),
                       [](const TGraphCurve& c) { return c.Role == TCurveRole::Function; });
}

// The drawn values of the graph's functions for x from `from` to `to`, and at
// 0 where it lies between.
TSpan CurveValues(const TGraph& graph, double from, double to) {
    TSpan values;
    for (const TGraphCurve& curve : graph.Curves) {
        if (curve.Role != TCurveRole::Function) {
            continue;
        }
        for (const auto& [x, y] : CurveSamples(graph, curve.F, from, to, kRangeSamples)) {
            values.Add(y);
        }
        if (from < 0 && to > 0) {
            values.Add(DrawnValue(graph, curve.F, 0));
        }
    }
    return values;
}

TSpan Union(TSpan a, const TSpan& b) {
    a.Add(b.Min);
    a.Add(b.Max);
    return a;
}

double Extent(const TSpan& span) {
    return span.Empty() ? 0 : span.Max - span.Min;
}

// The spans xs and ys of what a graph of functions must show, widened as a
// textbook draws it: around a curve's turns until the curve no longer looks
// flat, and out to the origin and the y-intercept where what must show still
// fills about half the view.
void AsTextbook(const TGraph& graph, TSpan& xs, TSpan& ys) {
    if (!DrawnAsTextbook(graph) || xs.Empty()) {
        return;
    }
    TSpan turning = xs;
    // A span widens to at most twice its width, so that it still fills half
    // the view; a single value, opened as the view around one value is,
    // further.
    double most = 1 / kInterestingShare;
    if (!(Extent(turning) > 1e-9 * std::max({1.0, std::abs(xs.Min), std::abs(xs.Max)}))) {
        const double half = std::max(1.0, 0.1 * std::abs(xs.Min)) / 2;
        turning.Min -= half;
        turning.Max += half;
        most = kMostWidened;
    }
    const double first = Extent(turning);
    const bool turns =
        !graph.Area &&
        std::any_of(graph.Curves.begin(), graph.Curves.end(), [](const TGraphCurve& c) {
            return c.Role == TCurveRole::Function && c.F.Degree() >= 2;
        });
    for (;;) {
        TSpan shown = turning;
        TSpan withOrigin = turning;
        withOrigin.Add(0);
        const bool origin = Extent(turning) >= kInterestingShare * Extent(withOrigin);
        if (origin) {
            shown = withOrigin;
        }
        const TSpan values = CurveValues(graph, shown.Min, shown.Max);
        if (values.Empty()) {
            return;
        }
        const TSpan all = Union(ys, values);
        const double change = Extent(values);
        const bool steep = change >= Extent(shown) && change >= kLeastChange * Extent(all);
        if (!turns || steep || kWidenBy * Extent(turning) > most * first) {
            xs = shown;
            ys = all;
            TSpan withZero = all;
            withZero.Add(0);
            if (origin && Extent(all) >= kInterestingShare * Extent(withZero)) {
                ys = withZero;
            }
            return;
        }
        const double middle = (turning.Min + turning.Max) / 2;
        const double half = kWidenBy * Extent(turning) / 2;
        turning.Min = middle - half;
        turning.Max = middle + half;
    }
}

} // namespace

TGraphRange ChooseRange(const TGraph& graph) {
    std::vector<std::pair<double, double>> kept;
    for (const TExactPoint& point : graph.Keep) {
        kept.emplace_back(Drawn(point.X, graph.XOrigin), Drawn(point.Y, graph.YOrigin));
    }
    TSpan xs;
    for (const TGraphMark& mark : graph.Marks) {
        if (Placeable(mark.Y)) {
            xs.Add(mark.X);
        }
    }
    for (const auto& [x, y] : kept) {
        if (Placeable(y)) {
            xs.Add(x);
        }
    }
    for (const TGraphVertical& vertical : graph.Verticals) {
        xs.Add(vertical.X);
    }
    for (const TGraphSegment& segment : graph.Segments) {
        xs.Add(segment.X1);
        xs.Add(segment.X2);
    }
    for (const TGraphBar& bar : graph.Bars) {
        xs.Add(bar.K);
    }
    if (graph.Area) {
        xs.Add(graph.Area->From);
        xs.Add(graph.Area->To);
    }
    TGraphRange range;
    TSpan ys;
    for (const TGraphMark& mark : graph.Marks) {
        if (Placeable(mark.X)) {
            ys.Add(mark.Y);
        }
    }
    for (const auto& [x, y] : kept) {
        if (Placeable(x)) {
            ys.Add(y);
        }
    }
    for (const TGraphSegment& segment : graph.Segments) {
        ys.Add(segment.Y1);
        ys.Add(segment.Y2);
    }
    // Bars stand on the x-axis; however tall, the view shows their heights.
    for (const TGraphBar& bar : graph.Bars) {
        if (std::abs(bar.Value) <= kTallestBar) {
            ys.Min = std::min(ys.Min, bar.Value);
            ys.Max = std::max(ys.Max, bar.Value);
        }
        ys.Add(0);
    }
    if (graph.ShowXAxis) {
        ys.Add(0);
    }
    AsTextbook(graph, xs, ys);
    Widen(xs, range.XMin, range.XMax, range.XStep);
    // The functions over the span that must show (the middle of the view for a single x).
    const double from = xs.Empty() || xs.Min == xs.Max ? (3 * range.XMin + range.XMax) / 4 : xs.Min;
    const double to = xs.Empty() || xs.Min == xs.Max ? (range.XMin + 3 * range.XMax) / 4 : xs.Max;
    auto sample = [&](const TPolynomial& f, double a, double b) {
        for (const auto& [x, y] : CurveSamples(graph, f, a, b, kRangeSamples)) {
            ys.Add(y);
        }
    };
    for (const TGraphCurve& curve : graph.Curves) {
        if (curve.Role == TCurveRole::Function) {
            sample(curve.F, from, to);
        }
    }
    if (graph.Area) {
        sample(graph.Area->F, graph.Area->From, graph.Area->To);
        ys.Add(0);
    }
    Widen(ys, range.YMin, range.YMax, range.YStep);
    return range;
}

TGraphRange EqualScaleRange(const TGraphRange& range, double width, double height) {
    if (!(width > 0) || !(height > 0)) {
        return range;
    }
    TGraphRange equal = range;
    const double across = (range.XMax - range.XMin) / width; // units per pixel
    const double up = (range.YMax - range.YMin) / height;
    if (across > up) {
        const double middle = (range.YMin + range.YMax) / 2;
        equal.YMin = middle - across * height / 2;
        equal.YMax = middle + across * height / 2;
        equal.YStep = NiceStep((equal.YMax - equal.YMin) / kSteps);
    } else {
        const double middle = (range.XMin + range.XMax) / 2;
        equal.XMin = middle - up * width / 2;
        equal.XMax = middle + up * width / 2;
        equal.XStep = NiceStep((equal.XMax - equal.XMin) / kSteps);
    }
    return equal;
}

std::vector<double> TickValues(double min, double max, double step) {
    std::vector<double> values;
    const double first = std::ceil(min / step - 1e-9);
    const double last = std::floor(max / step + 1e-9);
    for (double k = first; k <= last && k - first < 1000; ++k) {
        values.push_back(k == 0 ? 0.0 : k * step);
    }
    return values;
}

double LabelStep(double min, double max, double step, double length,
                 const std::function<double(double)>& labelLength) {
    if (!(step > 0) || !(max > min) || !(length > 0)) {
        return step;
    }
    for (double candidate = step;; candidate = NiceStep(candidate * 2.2)) {
        const auto labels = static_cast<double>(TickValues(min, max, candidate).size());
        if (labels <= 2 || labels * 1.5 * labelLength(candidate) <= length) {
            return candidate;
        }
    }
}

TGraph EquationGraph(const TPolynomial& p, const TEquationRoots& roots) {
    TGraph graph;
    graph.ShowXAxis = true;
    graph.Curves.push_back({p, CurveLabel(p), TCurveRole::Function});
    KeepCurvePoints(graph, p);
    for (const TFactorRoots& group : roots.Groups) {
        if (group.Root) {
            graph.Marks.push_back(
                {{Reduced(*group.Root), {}}, RationalText(*group.Root), TMarkKind::Root});
        } else if (group.Pair) {
            const TQuadRoots& q = *group.Pair;
            if (q.R.Sign() < 0) {
                std::string note =
                    Joined("虚数解 x = ", Unicode(RootFormulaMath(q.P, q.Q, q.R, q.D, "±")));
                note += " はグラフに現れません";
                graph.Notes.push_back(std::move(note));
                continue;
            }
            for (const char* sign : {"−", "+"}) {
                const bool plus = sign[0] == '+';
                const TSurd root{q.P, plus ? q.Q : -q.Q, q.R, q.D};
                graph.Marks.push_back(
                    {{FineSurd(root), {}},
                     Unicode(q.R.IsZero() ? RationalMath(Reduced({q.P, q.D}))
                                          : RootFormulaMath(q.P, q.Q, q.R, q.D, sign)),
                     TMarkKind::Root});
                if (q.R.IsZero() || q.Q.IsZero()) {
                    break; // a double root, marked once
                }
            }
        } else {
            // Rounded decimal roots, marked where the decimal lies: within
            // half a unit of its last digit of the root.
            for (const std::string& root : group.Approximate) {
                TRational x;
                ParseRational(root, x);
                std::string label = "≈";
                label += root[0] == '-' ? Joined("−", root.substr(1)) : root;
                graph.Marks.push_back({{Reduced(x), {}}, std::move(label), TMarkKind::Root});
            }
            if (group.Approximate.empty()) {
                std::string note = Joined("", Unicode(PolynomialMath(group.Factor)));
                note += " = 0 は実数解をもたないため、x 軸と交わりません";
                graph.Notes.push_back(std::move(note));
            }
        }
    }
    if (roots.Constant) {
        graph.Notes.emplace_back("グラフは x 軸と交わりません");
    }
    if (p.Degree() == 2) {
        // The vertex (−b/2a, f(−b/2a)).
        TRational x;
        TRational twoA;
        twoA = PolyCoeff(p, 2) * TRational{2, 1};
        x = PolyCoeff(p, 1) / twoA;
        x = TRational{0, 1} - x;
        x = Reduced(x);
        const TRational y = ExactValue(p, x);
        graph.Marks.push_back({{x, y},
                               Joined("頂点 ", PairText(RationalText(x), RationalText(y))),
                               TMarkKind::Vertex});
    }
    return Finished(std::move(graph));
}

TGraph TangentGraph(const TPolynomial& f, const TPolynomial& a, const TTangent& tangent) {
    TGraph graph;
    graph.Curves.push_back({f, CurveLabel(f), TCurveRole::Function});
    graph.Curves.push_back(
        {tangent.Line, Joined("接線 ", CurveLabel(tangent.Line)), TCurveRole::Tangent});
    KeepCurvePoints(graph, f);
    const TRational x = ConstantOf(a);
    const TRational y = ConstantOf(tangent.Point);
    graph.Marks.push_back({{x, y}, PairText(RationalText(x), RationalText(y)), TMarkKind::Point});
    return Finished(std::move(graph));
}

TGraph ExtremaGraph(const TPolynomial& f, const TExtrema& extrema) {
    TGraph graph;
    graph.Curves.push_back({f, CurveLabel(f), TCurveRole::Function});
    KeepCurvePoints(graph, f);
    const struct {
        const std::optional<TExtremum>& Point;
        const char* Name;
        TMarkKind Kind;
    } points[] = {{extrema.Maximum, "極大 ", TMarkKind::Maximum},
                  {extrema.Minimum, "極小 ", TMarkKind::Minimum}};
    for (const auto& point : points) {
        if (point.Point) {
            graph.Marks.push_back({{FineSurd(point.Point->X), FineSurd(point.Point->Y)},
                                   Joined(point.Name, PairText(Unicode(SurdMath(point.Point->X)),
                                                               Unicode(SurdMath(point.Point->Y)))),
                                   point.Kind});
        }
    }
    if (!extrema.Maximum && !extrema.Minimum) {
        graph.Notes.emplace_back("極値はありません");
    }
    return Finished(std::move(graph));
}

TGraph IntegralGraph(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper) {
    TGraph graph;
    graph.ShowXAxis = true;
    graph.Curves.push_back({f, CurveLabel(f), TCurveRole::Function});
    TRational a = ConstantOf(lower);
    TRational b = ConstantOf(upper);
    if (a > b) {
        std::swap(a, b);
    }
    graph.Area = TGraphArea{f, a, b};
    graph.Marks.push_back({{a, {}}, RationalText(a), TMarkKind::Given});
    if (a != b) {
        graph.Marks.push_back({{b, {}}, RationalText(b), TMarkKind::Given});
    }
    // The curve's turns and crossings between the limits.
    const TPolynomial derivative = DerivativeOf(f);
    for (const TPolynomial* p : {&f, &derivative}) {
        for (double x : ApproxRealRoots(*p)) {
            const TRational at = ExactDouble(x);
            if ((at > a) && (b > at)) {
                graph.Keep.push_back({at, ExactValue(f, at)});
            }
        }
    }
    return Finished(std::move(graph));
}

TGraph LinearGraph(const TLinearSystem& system, const TLinearSolution& solution) {
    TGraph graph;
    graph.EqualScale = true;
    std::vector<std::string> labels;
    {
        const std::string text = Unicode(LinearProblem(system, 2));
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            labels.push_back(text.substr(start, end - start));
        }
        labels.push_back(text.substr(start));
        labels.resize(2);
    }
    bool notLine = false;
    for (std::size_t row = 0; row < 2; ++row) {
        const TRational a = Reduced(system[row][0]);
        const TRational b = Reduced(system[row][1]);
        const TRational c = Reduced(system[row][2]);
        if (a.Num().IsZero() && b.Num().IsZero()) {
            notLine = true;
            continue;
        }
        if (b.Num().IsZero()) {
            TRational x;
            x = c / a;
            graph.Verticals.push_back({Reduced(x), labels[row]});
            graph.Keep.push_back({Reduced(x), {}});
            continue;
        }
        // y = (c − a x) / b
        TPolynomial line;
        line = TPolynomial{};
        TRational coefficient;
        coefficient = c / b;
        PolySetCoeff(line, 0, Reduced(coefficient));
        coefficient = a / b;
        coefficient = TRational{0, 1} - coefficient;
        PolySetCoeff(line, 1, Reduced(coefficient));
        line = Normalized(line);
        graph.Curves.push_back({line, labels[row], TCurveRole::Line});
        graph.Keep.push_back({{}, ConstantOf(line)});
        if (!a.Num().IsZero()) {
            TRational x;
            x = c / a;
            graph.Keep.push_back({Reduced(x), {}});
        }
    }
    if (notLine) {
        graph.Notes.emplace_back("x, y の係数がともに 0 の式は直線になりません");
    }
    switch (solution.Kind) {
    case TSolutionKind::Unique: {
        const TRational& x = solution.Values[0];
        const TRational& y = solution.Values[1];
        graph.Marks.push_back(
            {{x, y}, PairText(RationalText(x), RationalText(y)), TMarkKind::Intersection});
        break;
    }
    case TSolutionKind::NoSolution:
        if (!notLine) {
            graph.Notes.emplace_back("2 直線は平行で、交点はありません（解なし）");
        }
        break;
    case TSolutionKind::Infinite:
        if (!notLine) {
            graph.Notes.emplace_back("2 直線は一致します（不定）");
        }
        break;
    }
    return Finished(std::move(graph));
}

namespace {

TGraphMark PointMark(const char* name, const TPoint& p, TMarkKind kind) {
    return {{p.X, p.Y}, Joined(name, PairText(RationalText(p.X), RationalText(p.Y))), kind};
}

} // namespace

TGraph DivisionGraph(TDivision kind, const TPoint& a, const TPoint& b, const TPoint& point) {
    TGraph graph;
    graph.EqualScale = true;
    graph.Marks.push_back(PointMark("A", a, TMarkKind::Given));
    graph.Marks.push_back(PointMark("B", b, TMarkKind::Given));
    graph.Marks.push_back(
        PointMark(kind == TDivision::Internal ? "P" : "Q", point, TMarkKind::Division));
    const TExactPoint& pa = graph.Marks[0].At;
    const TExactPoint& pb = graph.Marks[1].At;
    const TExactPoint& pp = graph.Marks[2].At;
    graph.Segments.push_back({pa, pb, false});
    if (kind == TDivision::External) {
        // The extension from the nearer of A and B out to the division point.
        const double da = std::hypot(Drawn(pp.X, pa.X), Drawn(pp.Y, pa.Y));
        const double db = std::hypot(Drawn(pp.X, pb.X), Drawn(pp.Y, pb.Y));
        graph.Segments.push_back({da < db ? pa : pb, pp, true});
    }
    return Finished(std::move(graph));
}

TGraph LineGraph(const TPoint& a, const TPoint& b, const TLine& line) {
    TGraph graph;
    graph.EqualScale = true;
    graph.Marks.push_back(PointMark("A", a, TMarkKind::Given));
    graph.Marks.push_back(PointMark("B", b, TMarkKind::Given));
    const std::string label = Unicode(LineAnswer(line));
    if (line.Vertical) {
        graph.Verticals.push_back({line.Level, label});
    } else {
        TPolynomial right;
        if (line.Right) {
            right = *line.Right;
        } else {
            right = TPolynomial{};
            PolySetCoeff(right, 0, line.Level);
        }
        graph.Curves.push_back({right, label, TCurveRole::Line});
    }
    return Finished(std::move(graph));
}

TGraph SumGraph(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper) {
    TGraph graph;

    graph.ShowXAxis = true;
    const TRational from = ConstantOf(lower);
    const TRational to = ConstantOf(upper);
    if (upper.Degree() != 0 || !(from.Den() == TInteger(1)) || !(to.Den() == TInteger(1))) {
        graph.Notes.emplace_back("k の範囲が整数で決まらないため、項は描きません");
    } else if (from > to) {
        graph.Notes.emplace_back("上端が下端より小さいため、描く項はありません");
    } else {
        const TInteger count = to.Num() - from.Num() + TInteger(1);
        if (count > TInteger(kMaxGraphBars)) {
            std::string note = Joined("項が ", std::to_string(kMaxGraphBars));
            note += " 個を超えるため、棒グラフは省きます";
            graph.Notes.push_back(std::move(note));
        } else {
            for (TInteger k = from.Num(); k <= to.Num(); k += TInteger(1)) {
                graph.Bars.push_back({{k, 1}, ExactValue(f, TRational{k, 1})});
            }
        }
    }
    return Finished(std::move(graph));
}

} // namespace arith
