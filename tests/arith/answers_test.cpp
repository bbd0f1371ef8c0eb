// SPDX-License-Identifier: GPL-3.0-or-later
// Every window's calculation as the window runs it: the inputs as typed, the
// answer text, the warning that stops it, or the failure that abandons it.
#include "Calculus.h"
#include "Counting.h"
#include "Equations.h"
#include "Errors.h"
#include "Factorization.h"
#include "Geometry.h"
#include "LinearSystem.h"
#include "PolyOperations.h"
#include "WarmUp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace arith;

namespace {

TPolynomial P(const std::string& text, char letter = 'x') {
    TPolynomial p;
    EXPECT_TRUE(ParsePolynomial(text, letter, p)) << text;
    return p;
}

TRational R(const std::string& text) {
    TRational r;
    EXPECT_TRUE(ParseRational(text, r)) << text;
    return r;
}

// What the user sees: the answer text, "warning: TEXT" for the warnings of an
// outcome (one line each) or "failure: TEXT" for a calculation abandoned.
template <typename T>
std::string Seen(const std::function<TOutcome<T>()>& calc,
                 const std::function<std::string(const T&)>& text) {
    try {
        const TOutcome<T> outcome = calc();
        std::string seen;
        for (TWarning warning : outcome.Warnings) {
            seen += std::string("warning: ") + WarningText(warning) + "\n";
        }
        return outcome.Answer ? seen + text(*outcome.Answer) : seen;
    } catch (const CalcError& failure) {
        return std::string("failure: ") + failure.what();
    }
}

std::string Seen(const std::function<std::string()>& calc) {
    return Seen<std::string>([&] { return TOutcome<std::string>(calc()); },
                             [](const std::string& s) { return s; });
}

struct Row {
    const char* name;
    std::function<std::string()> run;
    std::string expected;
};

void Check(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        EXPECT_EQ(row.run(), row.expected) << row.name;
    }
}

const std::string kZeroCoefficients = "warning: 正しい係数を入力して下さい\n";

std::string Roots(const char* p, bool quadraticWindow) {
    return Seen<TEquationRoots>(
        [=] { return SolveByFactoring(P(p)); },
        [=](const TEquationRoots& r) { return RootsText(r, quadraticWindow); });
}

TEST(Answers, Equations) {
    Check({
        {"two rational roots", [] { return Roots("x^2-3x+2", true); }, "1 , 2"},
        {"a double root once", [] { return Roots("4x^2+4x+1", true); }, "-1/2"},
        {"complex pair", [] { return Roots("x^2+x+1", true); }, "(-1+SQR(3)i)/2 , (-1-SQR(3)i)/2"},
        {"common factor near 2^31",
         [] { return Roots("2147483647x^2+2147483647x+2147483647", true); },
         "(-1+SQR(3)i)/2 , (-1-SQR(3)i)/2"},
        {"square part above 2^16", [] { return Roots("x^2+1518516543x+943851152", true); },
         "(-1518516543+1048583*SQR(2097169))/2 , (-1518516543-1048583*SQR(2097169))/2"},
        {"no x^2 term", [] { return Roots("2x-4", true); }, "2"},
        {"a non-zero constant", [] { return Roots("5", true); }, "解なし"},
        {"all zero", [] { return Roots("0", true); }, kZeroCoefficients},
        {"discriminant beyond 64 bits", [] { return Roots("x^2+2147483647x+2147483647", true); },
         "(-2147483647+SQR(4611686005542486021))/2 , (-2147483647-SQR(4611686005542486021))/2"},
        {"fractions beyond 32 bits once scaled", [] { return Roots("1/50000x^2-1/50001x", true); },
         "0 , 50000/50001"},
        {"a root with a large surd", [] { return Roots("1/65536x^2-1/65537", true); },
         "256*SQR(65537)/65537 , -256*SQR(65537)/65537"},
        {"40-digit coefficients",
         [] { return Roots("x^2-2x-99999999999999999999999999999999999999999", true); },
         "1+100000000000000000000*SQR(10) , 1-100000000000000000000*SQR(10)"},
        {"three rational roots", [] { return Roots("30x^3-31x^2+10x-1", false); },
         "1/5 , 1/3 , 1/2"},
        {"two quadratic factors", [] { return Roots("x^4+x^2+1", false); },
         "(1+SQR(3)i)/2 , (1-SQR(3)i)/2 , (-1+SQR(3)i)/2 , (-1-SQR(3)i)/2"},
        // Factors without exact roots: their real roots as rounded decimals, or none.
        {"irreducible quartic", [] { return Roots("x^4+2", true); }, "実数解なし"},
        {"irreducible cubic", [] { return Roots("x^3-3x+1", true); },
         "≈-1.8794 , ≈0.3473 , ≈1.5321"},
        {"exact and decimal roots", [] { return Roots("x^4-x^3-x^2+1", true); }, "1 , ≈1.3247"},
        {"two real roots of a quartic", [] { return Roots("x^4-2", true); }, "≈-1.1892 , ≈1.1892"},
        {"a linear factor beside a cubic", [] { return Roots("x^4-x^3-3x^2+4x-1", true); },
         "1 , ≈-1.8794 , ≈0.3473 , ≈1.5321"},
        {"constant, higher-degree window", [] { return Roots("5", false); }, ""},
    });
}

std::string Factored(const char* p) {
    return Seen<TFactorList>([=] { return Factorize(P(p)); },
                             [](const TFactorList& f) { return FactorListToText(f, 'x'); });
}

TEST(Answers, Factorization) {
    Check({
        {"difference of squares", [] { return Factored("x^2-1"); }, "( x-1 )( x+1 )"},
        {"content", [] { return Factored("2x^2-2"); }, "2( x-1 )( x+1 )"},
        {"negative content", [] { return Factored("-x^2+1"); }, "-( x-1 )( x+1 )"},
        {"powers of x", [] { return Factored("x^5-10x^4+31x^3-30x^2"); },
         "x^2( x-2 )( x-3 )( x-5 )"},
        {"repeated factor", [] { return Factored("x^2-2x+1"); }, "( x-1 )^2"},
        {"one factor", [] { return Factored("x+1"); }, "x+1"},
        {"two quadratics", [] { return Factored("x^4+4"); }, "( x^2-2x+2 )( x^2+2x+2 )"},
        {"a constant", [] { return Factored("7"); }, "7"},
        {"a leading coefficient beyond 32 bits",
         [] { return Factored("1500000000x^3+1500055000x^2+110001/2x+1/2"); },
         "1/2( x+1 )( 50000x+1 )( 60000x+1 )"},
        {"zero", [] { return Factored("0"); }, kZeroCoefficients},
    });
}

std::string Power(const char* f, const char* g) {
    return Seen<TPower>([=] { return PowerOf(P(f), P(g)); },
                        [](const TPower& p) { return PowerText(p); });
}

TEST(Answers, PolynomialOperations) {
    Check({
        {"quotient",
         [] { return Seen([] { return QuotientText(PolyQuotient(P("x^2-1"), P("x-1"))); }); },
         "x+1  余り  0"},
        {"remainder",
         [] { return Seen([] { return QuotientText(PolyQuotient(P("x^2+1"), P("2x"))); }); },
         "1/2x  余り  1"},
        {"divide by zero",
         [] { return Seen([] { return QuotientText(PolyQuotient(P("x"), P("0"))); }); },
         "failure: ゼロによる除算"},
        {"odd power of a negative", [] { return Power("-2", "3"); }, "-8"},
        {"negative power of a fraction", [] { return Power("-2/3", "-2"); }, "9/4"},
        {"0^0", [] { return Power("0", "0"); }, "1"},
        {"0 to a negative power", [] { return Power("0", "-2147483647"); },
         "failure: ゼロによる除算"},
        {"(-1)^(2^31-1)", [] { return Power("-1", "2147483647"); }, "-1"},
        {"500 digits",
         [] { return Power("10", "499").size() == 500 ? std::string("ok") : Power("10", "499"); },
         "ok"},
        {"501 digits", [] { return Power("10", "500"); }, "overflow"},
        {"polynomial power", [] { return Power("x+1", "2"); }, "x^2+2x+1"},
        {"negative polynomial power", [] { return Power("x+1", "-2"); }, "1/(x^2+2x+1)"},
        {"degree above 10", [] { return Power("x^2+1", "6"); },
         "failure: 次数が10を超えるため計算できません"},
        {"exponent not constant", [] { return Power("x", "x"); },
         "warning: g(x) は0次式にしてください\n"},
        {"exponent a fraction", [] { return Power("x", "1/2"); },
         "warning: g(x) の定数項は整数にしてください\n"},
        {"gcd", [] { return Seen([] { return CommonText(GcdOf(P("x^2-4"), P("x^4-4x^2"))); }); },
         "( x-2 )( x+2 )"},
        {"lcm", [] { return Seen([] { return CommonText(LcmOf(P("x^2-4"), P("x^4-4x^2"))); }); },
         "x^2( x-2 )( x+2 )"},
        {"gcd with zero", [] { return Seen([] { return CommonText(GcdOf(P("0"), P("x"))); }); },
         "failure: ゼロによる除算"},
    });
}

std::string Extremes(const char* f) {
    return Seen<TExtrema>([=] { return Extrema(P(f)); },
                          [](const TExtrema& e) {
                              const auto t = ExtremaTexts(e);
                              return "max " + t[0] + " " + t[1] + ", min " + t[2] + " " + t[3];
                          });
}

std::string Sum(const char* f, const char* lower, const char* upper) {
    return Seen<TSum>(
        [=] {
            const TPolynomial l = P(lower, 'k');
            const TPolynomial u = P(upper, 'n');
            TOutcome<TSum> outcome = SumOf(P(f, 'k'), l, u);
            if (const auto warning = SumLimitsWarning(l, u)) {
                outcome.Warnings.insert(outcome.Warnings.begin(), *warning);
            }
            return outcome;
        },
        [](const TSum& s) { return SumText(s); });
}

TEST(Answers, Calculus) {
    Check({
        {"derivative value",
         [] {
             return Seen<TDerivativeValue>(
                 [] { return DerivativeValue(P("x^3"), P("2")); },
                 [](const TDerivativeValue& v) { return PolyToText(v.Value); });
         },
         "12"},
        {"tangent",
         [] {
             return Seen<TTangent>([] { return TangentLine(P("x^2"), P("1")); },
                                   [](const TTangent& t) { return PolyToText(t.Line); });
         },
         "2x-1"},
        {"tangent of zero",
         [] {
             return Seen<TTangent>([] { return TangentLine(P("0"), P("1")); },
                                   [](const TTangent& t) { return PolyToText(t.Line); });
         },
         kZeroCoefficients},
        {"irrational extrema", [] { return Extremes("x^3-6x"); },
         "max -SQR(2) 4*SQR(2), min SQR(2) -4*SQR(2)"},
        {"irrational extrema with a fraction", [] { return Extremes("x^3-2x"); },
         "max -SQR(6)/3 4*SQR(6)/9, min SQR(6)/3 -4*SQR(6)/9"},
        {"rational extrema", [] { return Extremes("-1/3x^3+1/2x^2+2x"); },
         "max 2 10/3, min -1 -7/6"},
        {"no real critical point", [] { return Extremes("x^3+3x"); }, "max  なし, min  なし"},
        {"a double critical point", [] { return Extremes("x^3"); }, "max  なし, min  なし"},
        {"huge coefficient, no critical point", [] { return Extremes("x^3+1149871915x"); },
         "max  なし, min  なし"},
        {"no critical point beyond 32 bits", [] { return Extremes("1000000000x^3+x"); },
         "max  なし, min  なし"},
        {"degree checked first", [] { return Extremes("600000000x^4+x"); },
         "warning: 式の次数は2次か3次にしてください\n"},
        {"integral beyond 32 bits on the way",
         [] {
             return Seen(
                 [] { return PolyToText(DefiniteIntegral(P("x^4"), P("100"), P("101")).Value); });
         },
         "510100501/5"},
        {"a sum past 2^31 on the way", [] { return Sum("k^3", "300", "310"); }, "312199525"},
        {"an upper limit 250n+1", [] { return Sum("3k^2-k", "1", "250n+1"); },
         "2( 125n+1 )( 250n+1 )^2"},
        {"parabola opening up", [] { return Extremes("x^2-2x"); }, "max  なし, min 1 -1"},
        {"parabola opening down", [] { return Extremes("-x^2"); }, "max 0 0, min  なし"},
        {"quartic", [] { return Extremes("x^4"); }, "warning: 式の次数は2次か3次にしてください\n"},
        {"integral",
         [] {
             return Seen(
                 [] { return PolyToText(DefiniteIntegral(P("x^2"), P("0"), P("1")).Value); });
         },
         "1/3"},
        {"integral beyond 32 bits",
         [] {
             return Seen(
                 [] { return PolyToText(DefiniteIntegral(P("x^5"), P("0"), P("1000")).Value); });
         },
         "500000000000000000/3"},
        {"sum of cubes", [] { return Sum("k^3", "1", "10"); }, "3025"},
        {"sum in n", [] { return Sum("k", "1", "n"); }, "1/2n( n+1 )"},
        {"cubes in n", [] { return Sum("k^3", "1", "n"); }, "1/4n^2( n+1 )^2"},
        {"fourth powers", [] { return Sum("k^4", "1", "10"); }, "25333"},
        {"ninth powers", [] { return Sum("k^9", "2", "3"); }, "20195"},
        {"tenth powers in n", [] { return Sum("k^10", "1", "n"); },
         std::string("failure: ") + kDegreeFailureText},
        {"limit n+1", [] { return Sum("k", "1", "n+1"); }, "1/2( n+1 )( n+2 )"},
        {"reversed limits", [] { return Sum("k", "5", "3"); },
         "warning: 初期値より大きい値を入力して下さい\n-4"},
        {"limits compared as fractions", [] { return Sum("k", "4/2", "3"); }, "5"},
        {"a constant summand", [] { return Sum("2", "1", "10"); }, "20"},
        {"zero summand", [] { return Sum("0", "1", "10"); }, kZeroCoefficients},
        {"degree above 10", [] { return Sum("k^3", "1", "n^3"); },
         "failure: 次数が10を超えるため計算できません"},
    });
}

std::string Divide(TDivision kind, const char* m, const char* n) {
    return Seen<TPoint>(
        [=] {
            return DivisionPoint(kind, {R("1"), R("0")}, {R("4"), R("6")}, R(m), R(n));
        },
        [](const TPoint& p) { return RatToText(p.X) + " , " + RatToText(p.Y); });
}

std::string Line(const char* x1, const char* y1, const char* x2, const char* y2) {
    return Seen<TLine>(
        [=] {
            return LineThrough({R(x1), R(y1)}, {R(x2), R(y2)});
        },
        [](const TLine& l) { return std::string(1, LineLetter(l)) + " = " + LineText(l); });
}

std::string Count(const std::function<TOutcome<TCount>()>& calc) {
    return Seen<TCount>(calc, [](const TCount& c) { return CountText(c); });
}

TEST(Answers, GeometryAndCounting) {
    Check({
        {"internal 1:2", [] { return Divide(TDivision::Internal, "1", "2"); }, "2 , 2"},
        {"external 2:1", [] { return Divide(TDivision::External, "2", "1"); }, "7 , 12"},
        {"no ratio", [] { return Divide(TDivision::Internal, "0", "2"); },
         "warning: 内（外）分比を入力して下さい\n"},
        {"internal 1:-1", [] { return Divide(TDivision::Internal, "1", "-1"); },
         "warning: 内分比が間違っています\n"},
        {"external 2:2", [] { return Divide(TDivision::External, "2", "2"); },
         "warning: 外分比が間違っています\n"},
        {"sloping line", [] { return Line("0", "1", "1", "3"); }, "y = 2x+1"},
        {"vertical line, reduced", [] { return Line("2/4", "0", "1/2", "5"); }, "x = 1/2"},
        {"horizontal line", [] { return Line("0", "3", "2", "3"); }, "y = 3"},
        {"same points", [] { return Line("1", "2", "1", "2"); },
         "warning: 2点が同じなので、直線が特定できません\n"},
        {"5!", [] { return Count([] { return Factorial(5); }); }, "120"},
        {"0!", [] { return Count([] { return Factorial(0); }); }, "1"},
        {"254! has 501 digits", [] { return Count([] { return Factorial(254); }); }, "overflow"},
        {"(-1)!", [] { return Count([] { return Factorial(-1); }); },
         "warning: n は 0 以上の整数にしてください\n"},
        {"9P5", [] { return Count([] { return Permutations(9, 5); }); }, "15120"},
        {"5P9", [] { return Count([] { return Permutations(5, 9); }); },
         "warning: r は n 以下の 0 以上の整数にしてください\n"},
        // r = 0 and r = n: one way to arrange or choose nothing, or everything.
        {"5P0", [] { return Count([] { return Permutations(5, 0); }); }, "1"},
        {"5C0", [] { return Count([] { return Combinations(5, 0); }); }, "1"},
        {"0P0", [] { return Count([] { return Permutations(0, 0); }); }, "1"},
        {"0C0", [] { return Count([] { return Combinations(0, 0); }); }, "1"},
        {"5P5", [] { return Count([] { return Permutations(5, 5); }); }, "120"},
        {"5C5", [] { return Count([] { return Combinations(5, 5); }); }, "1"},
        {"(-1)C0", [] { return Count([] { return Combinations(-1, 0); }); },
         "warning: n は 0 以上の整数にしてください\n"},
        {"5C-1", [] { return Count([] { return Combinations(5, -1); }); },
         "warning: r は n 以下の 0 以上の整数にしてください\n"},
        {"0C1", [] { return Count([] { return Combinations(0, 1); }); },
         "warning: r は n 以下の 0 以上の整数にしてください\n"},
        {"C(2000,1999)", [] { return Count([] { return Combinations(2000, 1999); }); }, "2000"},
        {"1667C833", [] { return Count([] { return Combinations(1667, 833); }); }, "overflow"},
        {"nPr of 10^11", [] { return Count([] { return Permutations(100000000000, 2); }); },
         "9999999999900000000000"},
        {"nCr of 10^11", [] { return Count([] { return Combinations(100000000000, 2); }); },
         "4999999999950000000000"},
        {"midpoint with a ratio beyond 2^31",
         [] {
             return Seen<TPoint>(
                 [] {
                     return DivisionPoint(TDivision::Internal, {R("1"), R("0")}, {R("3"), R("0")},
                                          R("1500000000"), R("1500000000"));
                 },
                 [](const TPoint& p) { return RatToText(p.X) + " , " + RatToText(p.Y); });
         },
         "2 , 0"},
    });
}

TEST(Answers, LinearSystemTexts) {
    TLinearSolution solution;
    solution.Values = {TRational{2, 4}, TRational{-3, 1}, TRational{0, 1}};
    EXPECT_EQ(LinearValueText(solution, 0), "1/2");
    EXPECT_EQ(LinearValueText(solution, 1), "-3");
    solution.Kind = TSolutionKind::NoSolution;
    EXPECT_EQ(LinearValueText(solution, 1), "解なし");
    solution.Kind = TSolutionKind::Infinite;
    EXPECT_EQ(LinearValueText(solution, 2), "不定");
}

// The program runs this once after its first paint; a failure there would end it.
TEST(Answers, WarmUpRunsEveryKindWithoutFailure) {
    EXPECT_NO_THROW(WarmUp());
}

} // namespace
