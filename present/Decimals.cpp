// SPDX-License-Identifier: GPL-3.0-or-later
#include "Decimals.h"

#include "Messages.h"
#include "WorkingSteps.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace arith {

namespace {

using steps::Comma;
using steps::Letter;
using steps::Op;
using steps::Paren;

// Places after the point, and the range written without a power of ten.
constexpr long kPlaces = 4;
constexpr long kSignificant = 4;
constexpr long kScientificDigits = 5;
constexpr long kLargestExponent = 14; // up to 999 999 999 999 999.xxxx
constexpr long kSmallestExponent = -6;

TInteger TenTo(long n) {
    return Power(TInteger(10), static_cast<unsigned long>(n));
}

// A non-negative value (A + S·√B)/E with S = ±1 or 0, B ≥ 0, E > 0.
class TExactValue {
public:
    // (P + Q√R)/D; its sign and size are kept apart.
    TExactValue(TInteger P, TInteger Q, const TInteger& R, TInteger D) {
        if (D.Sign() < 0) {
            P = -P;
            Q = -Q;
            D = -D;
        }
        if (R.IsZero()) {
            Q = 0;
        }
        TInteger root;
        if (!Q.IsZero() && ExactSqrt(R, root)) {
            P += Q * root; // a root that is a whole number
            Q = 0;
        }
        sign_ = SignOf(P, Q, R);
        if (sign_ < 0) {
            P = -P;
            Q = -Q;
        }
        p_ = std::move(P);
        q_ = std::move(Q);
        r_ = R;
        d_ = std::move(D);
    }

    int Sign() const { return sign_; }
    bool Rational() const { return q_.IsZero(); }

    // floor(|v|·a/b) for a, b > 0.
    TInteger Floor(const TInteger& a, const TInteger& b) const {
        TInteger top = p_ * a;
        if (!q_.IsZero()) {
            const TInteger qa = q_ * a;
            const TInteger radicand = qa * qa * r_;
            TInteger root;
            if (q_.Sign() > 0) {
                top += FloorSqrt(radicand);
            } else {
                // floor(−√B) is −√B for a square, one below −floor(√B) otherwise.
                const bool square = ExactSqrt(radicand, root);
                top -= square ? root : FloorSqrt(radicand) + TInteger(1);
            }
        }
        return FloorQuotient(top, d_ * b);
    }
    // |v|·a/b rounded half away from zero.
    TInteger Rounded(const TInteger& a, const TInteger& b) const {
        return FloorQuotient(Floor(TInteger(2) * a, b) + TInteger(1), TInteger(2));
    }
    // Whether |v|·a/b is a whole number.
    bool WholeAt(const TInteger& a, const TInteger& b) const {
        return Rational() && ((p_ * a) % (d_ * b)).IsZero();
    }

private:
    static int SignOf(const TInteger& P, const TInteger& Q, const TInteger& R) {
        if (Q.IsZero()) {
            return P.Sign();
        }
        if (P.IsZero() || P.Sign() == Q.Sign()) {
            return Q.Sign();
        }
        const TInteger square = P * P;
        const TInteger surd = Q * Q * R;
        return square == surd ? 0 : (square > surd ? P.Sign() : Q.Sign());
    }

    int sign_ = 0;
    TInteger p_, q_, r_, d_;
};

// n with a point `places` digits from the right: 2679, 4 → "0.2679".
std::string WithPoint(const TInteger& n, long places) {
    std::string digits = n.Text();
    if (places <= 0) {
        return digits;
    }
    const auto p = static_cast<std::size_t>(places);
    std::string out;
    if (digits.size() <= p) {
        out.append(p + 1 - digits.size(), '0');
    }
    out += digits;
    std::string fraction = out.substr(out.size() - p);
    out.resize(out.size() - p);
    out += '.';
    out += fraction;
    return out;
}

// The zeros at the end of an exact value's decimals, and a point left alone.
void DropTrailingZeros(std::string& digits) {
    if (digits.find('.') == std::string::npos) {
        return;
    }
    while (digits.back() == '0') {
        digits.pop_back();
    }
    if (digits.back() == '.') {
        digits.pop_back();
    }
}

// The exponent e of 10^e ≤ |v| < 10^(e+1), for v ≠ 0.
long DecimalExponent(const TExactValue& v) {
    const TInteger whole = v.Floor(1, 1);
    if (whole.Sign() > 0) {
        return static_cast<long>(whole.Digits()) - 1;
    }
    long k = 1;
    while (v.Floor(TenTo(k), 1).IsZero()) {
        ++k;
    }
    return -k;
}

TDecimal Written(const TExactValue& v) {
    TDecimal decimal;
    if (v.Sign() == 0) {
        decimal.Digits.push_back('0'); // (assigning a literal trips a false -Wrestrict)
        decimal.Exact = true;
        return decimal;
    }
    decimal.Negative = v.Sign() < 0;
    long e = DecimalExponent(v);
    if (e >= kSmallestExponent && e <= kLargestExponent) {
        const long places = std::max(kPlaces, kSignificant - 1 - e);
        decimal.Digits = WithPoint(v.Rounded(TenTo(places), 1), places);
        decimal.Exact = v.WholeAt(TenTo(places), 1);
    } else {
        // Five significant digits: |v|·10^(4 − e) rounded, d.dddd × 10^e.
        const long shift = kScientificDigits - 1 - e;
        const TInteger a = shift >= 0 ? TenTo(shift) : TInteger(1);
        const TInteger b = shift >= 0 ? TInteger(1) : TenTo(-shift);
        TInteger digits = v.Rounded(a, b);
        decimal.Exact = v.WholeAt(a, b);
        if (digits == TenTo(kScientificDigits)) { // 9.99995 rounds up to 10.000
            digits = TenTo(kScientificDigits - 1);
            ++e;
        }
        decimal.Digits = WithPoint(digits, kScientificDigits - 1);
        decimal.Exponent = e;
    }
    if (decimal.Exact) {
        DropTrailingZeros(decimal.Digits);
    }
    return decimal;
}

bool Whole(const TSurd& v) {
    return v.Q.IsZero() && IsInteger(TRational(v.P, v.D));
}

TMath Approx(bool exact) {
    return Op(exact ? "=" : kApproximatelyText);
}

// A root written as a decimal already ("-1.2470"), as the answer sets it.
TDecimal Given(const std::string& text) {
    TDecimal decimal;
    decimal.Negative = !text.empty() && text[0] == '-';
    decimal.Digits = decimal.Negative ? text.substr(1) : text;
    return decimal;
}

} // namespace

TDecimal DecimalOf(const TInteger& P, const TInteger& Q, const TInteger& R, const TInteger& D) {
    return Written(TExactValue(P, Q, R, D));
}

TDecimal DecimalOf(const TSurd& value) {
    return DecimalOf(value.P, value.Q, value.R, value.D);
}

TDecimal DecimalOf(const TRational& r) {
    return DecimalOf(r.Num(), 0, 0, r.Den());
}

TMath DecimalMath(const TDecimal& decimal) {
    std::vector<TMath> parts;
    if (decimal.Negative) {
        parts.push_back(Op("−"));
    }
    parts.push_back(MathText(TMathKind::Number, decimal.Digits));
    if (decimal.Exponent != 0) {
        parts.push_back(Op("×"));
        const TMath exponent = decimal.Exponent < 0
                                   ? MathRow({Op("−"), steps::Number(TInteger(-decimal.Exponent))})
                                   : MathRow({steps::Number(TInteger(decimal.Exponent))});
        parts.push_back(MathParts(TMathKind::Power, {MathText(TMathKind::Number, "10"), exponent}));
    }
    return MathRow(std::move(parts));
}

std::optional<TMath> RootsDecimals(const TEquationRoots& roots) {
    std::vector<TMath> list;
    bool exact = true;
    bool worth = false; // a fraction or a root among them
    const auto add = [&](TMath value) {
        if (!list.empty()) {
            list.push_back(Comma());
        }
        list.push_back(std::move(value));
    };
    const auto value = [&](const TDecimal& d) {
        exact = exact && d.Exact;
        worth = worth || d.Digits.find('.') != std::string::npos || d.Exponent != 0;
        return DecimalMath(d);
    };
    for (const TFactorRoots& group : roots.Groups) {
        if (group.Root) {
            add(value(DecimalOf(*group.Root)));
        } else if (group.Pair) {
            const TQuadRoots& x = *group.Pair;
            if (x.R.Sign() < 0) {
                // Real part ± imaginary part i.
                const TDecimal re = DecimalOf(x.P, 0, 0, x.D);
                const TDecimal im = DecimalOf(0, Abs(x.Q), -x.R, Abs(x.D));
                std::vector<TMath> pair;
                if (re.Digits != "0") {
                    pair.push_back(value(re));
                }
                pair.push_back(Op("±"));
                pair.push_back(value(im));
                pair.push_back(Letter("i"));
                add(MathRow(std::move(pair)));
            } else {
                add(value(DecimalOf(x.P, x.Q, x.R, x.D)));
                add(value(DecimalOf(x.P, -x.Q, x.R, x.D)));
            }
        } else {
            for (const std::string& root : group.Approximate) {
                exact = false;
                add(DecimalMath(Given(root)));
            }
        }
    }
    if (!worth) {
        return std::nullopt;
    }
    return MathRow({Letter("x"), Approx(exact), MathRow(std::move(list))});
}

std::optional<TMath> ExtremaDecimals(const TExtrema& extrema) {
    std::vector<TMath> lines;
    const auto line = [&lines](const std::optional<TExtremum>& extremum, const char* atName) {
        if (!extremum || (Whole(extremum->X) && Whole(extremum->Y))) {
            return;
        }
        const TDecimal x = DecimalOf(extremum->X);
        const TDecimal y = DecimalOf(extremum->Y);
        lines.push_back(
            MathRow({Letter("x"), Approx(x.Exact), DecimalMath(x),
                     MathText(TMathKind::Word, atName), Approx(y.Exact), DecimalMath(y)}));
    };
    line(extrema.Maximum, "で極大値");
    line(extrema.Minimum, "で極小値");
    if (lines.empty()) {
        return std::nullopt;
    }
    return lines.size() == 1 ? lines[0] : MathLines(std::move(lines));
}

std::optional<TMath> ValueDecimals(const TRational& value) {
    if (IsInteger(value)) {
        return std::nullopt;
    }
    const TDecimal d = DecimalOf(value);
    return MathRow({Approx(d.Exact), DecimalMath(d)});
}

std::optional<TMath> ConstantDecimals(const TPolynomial& value) {
    if (value.Degree() > 0) {
        return std::nullopt;
    }
    return ValueDecimals(PolyCoeff(value, 0));
}

std::optional<TMath> LinearDecimals(const TLinearSolution& solution, int n) {
    if (solution.Kind != TSolutionKind::Unique) {
        return std::nullopt;
    }
    const auto first = solution.Values.begin();
    if (std::all_of(first, first + n, [](const TRational& v) { return IsInteger(v); })) {
        return std::nullopt;
    }
    static const char* const kUnknowns[] = {"x", "y", "z"};
    std::vector<TMath> lines;
    for (int k = 0; k < n; ++k) {
        const TDecimal d = DecimalOf(solution.Values[static_cast<std::size_t>(k)]);
        lines.push_back(MathRow({Letter(kUnknowns[k]), Approx(d.Exact), DecimalMath(d)}));
    }
    return MathLines(std::move(lines));
}

std::optional<TMath> PointDecimals(const TPoint& point) {
    if (IsInteger(point.X) && IsInteger(point.Y)) {
        return std::nullopt;
    }
    const TDecimal x = DecimalOf(point.X);
    const TDecimal y = DecimalOf(point.Y);
    return MathRow(
        {Approx(x.Exact && y.Exact), Paren(MathRow({DecimalMath(x), Comma(), DecimalMath(y)}))});
}

} // namespace arith
