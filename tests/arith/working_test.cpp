// SPDX-License-Identifier: GPL-3.0-or-later
// Workings: their lines for textbook problems of each window, and their
// last line against the board's answer over many inputs.
#include "BoardNotation.h"
#include "Errors.h"
#include "Working.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace arith;

namespace {

TPolynomial P(const std::string& text, char letter = 'x') {
    TPolynomial p;
    EXPECT_TRUE(ParsePolynomial(text, letter, p)) << text;
    return p;
}

template <typename T> T Answer(const TOutcome<T>& outcome) {
    EXPECT_TRUE(outcome.Answer.has_value());
    return *outcome.Answer;
}

std::string Text(const std::optional<TMath>& working) {
    return working ? MathToUnicode(*working) : "(none)";
}

struct LinesRow {
    const char* name;
    std::function<std::optional<TMath>()> build;
    const char* lines;
};

void ExpectLines(const LinesRow* begin, const LinesRow* end) {
    for (const LinesRow* row = begin; row != end; ++row) {
        EXPECT_EQ(Text(row->build()), row->lines) << row->name;
    }
}

std::optional<TMath> Quadratic(const std::string& p) {
    return QuadraticWorking(P(p), Answer(SolveByFactoring(P(p))));
}

// One row per method and the boundaries between them: a = 1 or not, b even
// or odd, rational, irrational or complex roots, a double root, b = 0 with
// x² = k for k > 0, k < 0 and k = 0, c = 0, fractional coefficients.
TEST(WorkingTest, Quadratic) {
    const LinesRow rows[] = {
        {"SumAndProduct", [] { return Quadratic("x^2-5x+6"); },
         "和が −5, 積が 6 となる2数は −2, −3 なので\n"
         "(x − 2)(x − 3) = 0 より x = 2, 3"},
        {"SumAndProductRootsIncreasing", [] { return Quadratic("x^2+x-2"); },
         "和が 1, 積が −2 となる2数は 2, −1 なので\n"
         "(x + 2)(x − 1) = 0 より x = −2, 1"},
        {"CommonFactorThenSumAndProduct", [] { return Quadratic("-2x^2+4x+6"); },
         "両辺を −2 で割って x² − 2x − 3 = 0\n"
         "和が −2, 積が −3 となる2数は 1, −3 なので\n"
         "(x + 1)(x − 3) = 0 より x = −1, 3"},
        {"Tasuki", [] { return Quadratic("6x^2+x-2"); },
         "2 | ╲╱ | −1 | → | −3\n"
         "3 | ╱╲ | 2 | → | 4\n"
         "────────────────────\n"
         "6 |  | −2 |  | 1\n"
         "(2x − 1)(3x + 2) = 0 より x = −2/3, 1/2"},
        {"FractionsThenTasuki", [] { return Quadratic("x^2-5/6x+1/6"); },
         "両辺に 6 を掛けて 6x² − 5x + 1 = 0\n"
         "2 | ╲╱ | −1 | → | −3\n"
         "3 | ╱╲ | −1 | → | −2\n"
         "────────────────────\n"
         "6 |  | 1 |  | −5\n"
         "(2x − 1)(3x − 1) = 0 より x = 1/3, 1/2"},
        {"Square", [] { return Quadratic("4x^2-4x+1"); }, "(2x − 1)² = 0 より x = 1/2"},
        {"CommonX", [] { return Quadratic("2x^2+3x"); }, "x(2x + 3) = 0 より x = −3/2, 0"},
        {"HalfB", [] { return Quadratic("x^2-4x-14"); },
         "判別式 D について D/4 = b′² − ac = (−2)² − 1·(−14) = 18\n"
         "D/4 > 0 より 異なる2つの実数解\n"
         "√18 = 3√2\n"
         "x = −(−2) ± √18\n"
         "x = 2 ± 3√2"},
        {"HalfBOverA", [] { return Quadratic("3x^2+4x-1"); },
         "判別式 D について D/4 = b′² − ac = 2² − 3·(−1) = 7\n"
         "D/4 > 0 より 異なる2つの実数解\n"
         "x = (−2 ± √7)/3"},
        {"HalfBImaginary", [] { return Quadratic("x^2+2x+5"); },
         "判別式 D について D/4 = b′² − ac = 1² − 1·5 = −4\n"
         "D/4 < 0 より 異なる2つの虚数解\n"
         "√(−4) = 2i\n"
         "x = −1 ± √(−4)\n"
         "x = −1 ± 2i"},
        {"OddB", [] { return Quadratic("x^2-3x+1"); },
         "判別式 D = b² − 4ac = (−3)² − 4·1·1 = 5\n"
         "D > 0 より 異なる2つの実数解\n"
         "x = (−(−3) ± √5)/(2·1)\n"
         "x = (3 ± √5)/2"},
        {"Imaginary", [] { return Quadratic("x^2+x+8"); },
         "判別式 D = b² − 4ac = 1² − 4·1·8 = −31\n"
         "D < 0 より 異なる2つの虚数解\n"
         "√(−31) = √31 i\n"
         "x = (−1 ± √(−31))/(2·1)\n"
         "x = (−1 ± √31 i)/2"},
        {"FractionsThenHalfB", [] { return Quadratic("-1/2x^2+1/3x+1"); },
         "両辺に −6 を掛けて 3x² − 2x − 6 = 0\n"
         "判別式 D について D/4 = b′² − ac = (−1)² − 3·(−6) = 19\n"
         "D/4 > 0 より 異なる2つの実数解\n"
         "x = (−(−1) ± √19)/3\n"
         "x = (1 ± √19)/3"},
        {"SquareRoot", [] { return Quadratic("x^2-8"); }, "x² = 8\nx = ±√8 = ±2√2"},
        {"SquareRootOfASquare", [] { return Quadratic("4x^2-9"); }, "4x² = 9\nx² = 9/4\nx = ±3/2"},
        {"SquareRootOfAFraction", [] { return Quadratic("2x^2-3"); },
         "2x² = 3\nx² = 3/2\nx = ±√(3/2) = ±√6/2"},
        {"SquareRootImaginary", [] { return Quadratic("x^2+4"); }, "x² = −4\nx = ±√(−4) = ±2i"},
        {"SquareRootOfZero", [] { return Quadratic("3x^2"); }, "両辺を 3 で割って x² = 0\nx = 0"},
        {"Cubic", [] { return Quadratic("x^3-1"); }, "(none)"},
        {"RadicandBeyond40Digits",
         [] { return Quadratic("x^2-30000000000007399999999916314999999938701"); },
         "x² = 30000000000007399999999916314999999938701\n"
         "x = ±√30000000000007399999999916314999999938701\n"
         "√ の中の数が 40 桁を超えるため、さらに簡単にできる場合があります\n"
         "x = ±√30000000000007399999999916314999999938701"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

std::optional<TMath> Integral(const std::string& f, const std::string& a, const std::string& b) {
    return IntegralWorking(P(f), P(a), P(b), DefiniteIntegral(P(f), P(a), P(b)));
}

TEST(WorkingTest, Integral) {
    const LinesRow rows[] = {
        {"Textbook", [] { return Integral("x^2-1", "-1", "2"); },
         "∫₋₁² (x² − 1) dx = [(1/3)x³ − x]₋₁²\n"
         "= {(1/3)·2³ − 2} − {(1/3)·(−1)³ − (−1)}\n"
         "= 2/3 − 2/3\n"
         "= 0"},
        {"NegativeLowerValue", [] { return Integral("3x^2-2x+1", "1", "3"); },
         "∫₁³ (3x² − 2x + 1) dx = [x³ − x² + x]₁³\n"
         "= {3³ − 3² + 3} − {1³ − 1² + 1}\n"
         "= 21 − 1\n"
         "= 20"},
        {"FractionLimitOneTerm", [] { return Integral("x", "-1/2", "1"); },
         "∫_(−1/2)^(1) x dx = [(1/2)x²]_(−1/2)^(1)\n"
         "= (1/2)·1² − (1/2)·(−1/2)²\n"
         "= 1/2 − 1/8\n"
         "= 3/8"},
        {"LowerZero", [] { return Integral("-x^2", "0", "3"); },
         "∫₀³ −x² dx = [−(1/3)x³]₀³\n"
         "= −(1/3)·3³\n"
         "= −9"},
        {"EqualLimits", [] { return Integral("x^2", "2", "2"); }, "∫₂² x² dx = 0"},
        // Both limits roots of a quadratic: the 1/6 formula, in either order.
        {"Sixth", [] { return Integral("x^2-x-2", "-1", "2"); },
         "∫₋₁² (x² − x − 2) dx = ∫₋₁² (x + 1)(x − 2) dx\n"
         "= −(1/6){2 − (−1)}³\n"
         "= −9/2"},
        // A leading coefficient other than 1 taken out before the formula.
        {"SixthReversedWithCoefficient", [] { return Integral("2x^2-2x-4", "2", "-1"); },
         "∫₂⁻¹ (2x² − 2x − 4) dx = 2∫₂⁻¹ (x − 2)(x + 1) dx\n"
         "= 2·{−1/6}(−1 − 2)³\n"
         "= 9"},
        {"SixthFractionRoots", [] { return Integral("-6x^2+x+1", "-1/3", "1/2"); },
         "∫_(−1/3)^(1/2) (−6x² + x + 1) dx = −6∫_(−1/3)^(1/2) (x + 1/3)(x − 1/2) dx\n"
         "= −6·{−1/6}{1/2 − (−1/3)}³\n"
         "= 125/216"},
        {"SixthMinusOne", [] { return Integral("-x^2+x+2", "-1", "2"); },
         "∫₋₁² (−x² + x + 2) dx = −∫₋₁² (x + 1)(x − 2) dx\n"
         "= (1/6){2 − (−1)}³\n"
         "= 9/2"},
        {"SixthFractionCoefficient", [] { return Integral("1/2x^2-1/2x-1", "-1", "2"); },
         "∫₋₁² ((1/2)x² − (1/2)x − 1) dx = (1/2)∫₋₁² (x + 1)(x − 2) dx\n"
         "= (1/2)·{−1/6}{2 − (−1)}³\n"
         "= −9/4"},
        {"SixthRootAtZero", [] { return Integral("x^2-2x", "0", "2"); },
         "∫₀² (x² − 2x) dx = ∫₀² x(x − 2) dx\n"
         "= −(1/6)(2 − 0)³\n"
         "= −4/3"},
        // Near misses: one limit a root, a cubic with both limits roots.
        {"OneLimitARoot", [] { return Integral("x^2-x-2", "-1", "3"); },
         "∫₋₁³ (x² − x − 2) dx = [(1/3)x³ − (1/2)x² − 2x]₋₁³\n"
         "= {(1/3)·3³ − (1/2)·3² − 2·3} − {(1/3)·(−1)³ − (1/2)·(−1)² − 2·(−1)}\n"
         "= −3/2 − 7/6\n"
         "= −8/3"},
        {"CubicBothRoots", [] { return Integral("x^3-x", "-1", "1"); },
         "∫₋₁¹ (x³ − x) dx = [(1/4)x⁴ − (1/2)x²]₋₁¹\n"
         "= {(1/4)·1⁴ − (1/2)·1²} − {(1/4)·(−1)⁴ − (1/2)·(−1)²}\n"
         "= −1/4 − (−1/4)\n"
         "= 0"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

std::optional<TMath> Sum(const std::string& f, const std::string& l, const std::string& u) {
    return SumWorking(P(f), P(l), P(u, 'n'), Answer(SumOf(P(f), P(l), P(u, 'n'))));
}

TEST(WorkingTest, Sum) {
    const LinesRow rows[] = {
        {"SquaresPlusOne", [] { return Sum("x^2+1", "1", "n"); },
         "Σₖ₌₁ⁿ (k² + 1) = Σₖ₌₁ⁿ k² + Σₖ₌₁ⁿ 1\n"
         "= (1/6)n(n + 1)(2n + 1) + n\n"
         "= (1/6)n{(n + 1)(2n + 1) + 6}\n"
         "= (1/6)n(2n² + 3n + 7)"},
        {"Cubic", [] { return Sum("2x^3-x", "1", "n"); },
         "Σₖ₌₁ⁿ (2k³ − k) = 2Σₖ₌₁ⁿ k³ − Σₖ₌₁ⁿ k\n"
         "= 2·{(1/2)n(n + 1)}² − (1/2)n(n + 1)\n"
         "= (1/2)n(n + 1){n(n + 1) − 1}\n"
         "= (1/2)n(n + 1)(n² + n − 1)"},
        {"KTimesKPlusOne", [] { return Sum("x^2+x", "1", "n"); },
         "Σₖ₌₁ⁿ (k² + k) = Σₖ₌₁ⁿ k² + Σₖ₌₁ⁿ k\n"
         "= (1/6)n(n + 1)(2n + 1) + (1/2)n(n + 1)\n"
         "= (1/6)n(n + 1){(2n + 1) + 3}\n"
         "= (1/6)n(n + 1)(2n + 4)\n"
         "= (1/3)n(n + 1)(n + 2)"},
        {"OddSquares", [] { return Sum("4x^2-4x+1", "1", "n"); },
         "Σₖ₌₁ⁿ (4k² − 4k + 1) = 4Σₖ₌₁ⁿ k² − 4Σₖ₌₁ⁿ k + Σₖ₌₁ⁿ 1\n"
         "= 4·(1/6)n(n + 1)(2n + 1) − 4·(1/2)n(n + 1) + n\n"
         "= (1/3)n{2(n + 1)(2n + 1) − 6(n + 1) + 3}\n"
         "= (1/3)n(4n² − 1)\n"
         "= (1/3)n(2n + 1)(2n − 1)"},
        {"K", [] { return Sum("x", "1", "n"); }, "Σₖ₌₁ⁿ k = (1/2)n(n + 1)"},
        {"CubesOnly", [] { return Sum("x^3", "1", "n"); },
         "Σₖ₌₁ⁿ k³ = {(1/2)n(n + 1)}²\n"
         "= (1/4)n²(n + 1)²"},
        {"CubesAndConstantToNMinusOne", [] { return Sum("x^3+1", "1", "n-1"); },
         "Σₖ₌₁ⁿ⁻¹ (k³ + 1) = Σₖ₌₁ⁿ⁻¹ k³ + Σₖ₌₁ⁿ⁻¹ 1\n"
         "= {(1/2)n(n − 1)}² + (n − 1)\n"
         "= (1/4)(n − 1){n²(n − 1) + 4}\n"
         "= (1/4)(n − 1)(n³ − n² + 4)"},
        {"Number", [] { return Sum("3x^2-2", "1", "10"); },
         "Σₖ₌₁¹⁰ (3k² − 2) = 3Σₖ₌₁¹⁰ k² − 2Σₖ₌₁¹⁰ 1\n"
         "= 3·10·11·21/6 − 2·10\n"
         "= 1135"},
        {"LowerThree", [] { return Sum("x^2", "3", "n"); },
         "Σₖ₌₃ⁿ k² = Σₖ₌₁ⁿ k² − Σₖ₌₁² k²\n"
         "Σₖ₌₁ⁿ k² = n(n + 1)(2n + 1)/6\n"
         "= (1/3)n³ + (1/2)n² + (1/6)n\n"
         "Σₖ₌₁² k² = 2·3·5/6\n"
         "= 5\n"
         "Σₖ₌₃ⁿ k² = (1/3)n³ + (1/2)n² + (1/6)n − 5\n"
         "= (1/6)(n − 2)(2n² + 7n + 15)"},
        {"UpperTwoN", [] { return Sum("x", "1", "2n"); },
         "Σₖ₌₁²ⁿ k = (1/2)(2n)(2n + 1)\n"
         "= n(2n + 1)"},
        {"LowerAndNumber", [] { return Sum("2x+1", "4", "6"); },
         "Σₖ₌₄⁶ (2k + 1) = Σₖ₌₁⁶ (2k + 1) − Σₖ₌₁³ (2k + 1)\n"
         "Σₖ₌₁⁶ (2k + 1) = 2Σₖ₌₁⁶ k + Σₖ₌₁⁶ 1\n"
         "= 2·6·7/2 + 6\n"
         "= 48\n"
         "Σₖ₌₁³ (2k + 1) = 2Σₖ₌₁³ k + Σₖ₌₁³ 1\n"
         "= 2·3·4/2 + 3\n"
         "= 15\n"
         "Σₖ₌₄⁶ (2k + 1) = 48 − 15\n"
         "= 33"},
        {"Constant", [] { return Sum("5", "1", "n-1"); },
         "Σₖ₌₁ⁿ⁻¹ 5 = 5Σₖ₌₁ⁿ⁻¹ 1\n"
         "= 5(n − 1)"},
        {"Quartic", [] { return Sum("x^4", "1", "n"); }, "(none)"},
        {"LowerBelowOne", [] { return Sum("x^3-2x", "-3", "5"); },
         "Σₖ₌₋₃⁵ (k³ − 2k) = Σₖ₌₁⁵ (k³ − 2k) + Σₖ₌₁³ (−k³ + 2k)\n"
         "Σₖ₌₁⁵ (k³ − 2k) = Σₖ₌₁⁵ k³ − 2Σₖ₌₁⁵ k\n"
         "= (5·6/2)² − 2·5·6/2\n"
         "= 195\n"
         "Σₖ₌₁³ (−k³ + 2k) = −Σₖ₌₁³ k³ + 2Σₖ₌₁³ k\n"
         "= −(3·4/2)² + 2·3·4/2\n"
         "= −24\n"
         "Σₖ₌₋₃⁵ (k³ − 2k) = 195 + (−24)\n"
         "= 171"},
        {"LowerZeroUpperNMinusOne", [] { return Sum("x^2+1", "0", "n-1"); },
         "Σₖ₌₀ⁿ⁻¹ (k² + 1) = 1 + Σₖ₌₁ⁿ⁻¹ (k² + 1)\n"
         "Σₖ₌₁ⁿ⁻¹ (k² + 1) = Σₖ₌₁ⁿ⁻¹ k² + Σₖ₌₁ⁿ⁻¹ 1\n"
         "= n(n − 1)(2n − 1)/6 + (n − 1)\n"
         "= (1/3)n³ − (1/2)n² + (7/6)n − 1\n"
         "Σₖ₌₀ⁿ⁻¹ (k² + 1) = (1/3)n³ − (1/2)n² + (7/6)n − 1 + 1\n"
         "= (1/3)n³ − (1/2)n² + (7/6)n\n"
         "= (1/6)n(2n² − 3n + 7)"},
        {"FractionalLower", [] { return Sum("x", "1/2", "n"); }, "(none)"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

TRational R(const std::string& text) {
    TRational r;
    EXPECT_TRUE(ParseRational(text, r)) << text;
    return r;
}

TEST(WorkingTest, Count) {
    const auto factorial = [](long n) {
        return CountWorking(TCountKind::Factorial, n, 0, Answer(Factorial(n)));
    };
    const auto permutations = [](long n, long r) {
        return CountWorking(TCountKind::Permutation, n, r, Answer(Permutations(n, r)));
    };
    const auto combinations = [](long n, long r) {
        return CountWorking(TCountKind::Combination, n, r, Answer(Combinations(n, r)));
    };
    const LinesRow rows[] = {
        {"Factorial", [&] { return factorial(5); }, "5! = 5·4·3·2·1 = 120"},
        {"ZeroFactorial", [&] { return factorial(0); }, "0! = 1"},
        {"LongFactorial", [&] { return factorial(12); }, "12! = 12·11·10·…·2·1 = 479001600"},
        {"Permutations", [&] { return permutations(7, 3); }, "₇P₃ = 7!/4! = 7·6·5 = 210"},
        {"PermutationsOfOne", [&] { return permutations(7, 1); }, "₇P₁ = 7!/6! = 7"},
        {"Combinations", [&] { return combinations(7, 3); }, "₇C₃ = ₇P₃/3! = 7·6·5/(3·2·1) = 35"},
        {"CombinationsComplement", [&] { return combinations(10, 8); },
         "₁₀C₈ = ₁₀C₂ = ₁₀P₂/2! = 10·9/(2·1) = 45"},
        {"CombinationsAll", [&] { return combinations(5, 5); }, "₅C₅ = 1"},
        {"CombinationsOfNone", [&] { return combinations(5, 0); }, "₅C₀ = 1"},
        {"PermutationsOfNone", [&] { return permutations(5, 0); }, "₅P₀ = 5!/5! = 1"},
        {"NoneOfNone", [&] { return combinations(0, 0); }, "₀C₀ = 1"},
        {"Overflow", [&] { return factorial(400); }, "(none)"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

TEST(WorkingTest, Points) {
    // Points as "x,y".
    const auto point = [](const std::string& xy) {
        const std::size_t comma = xy.find(',');
        return TPoint{R(xy.substr(0, comma)), R(xy.substr(comma + 1))};
    };
    const auto division = [&](TDivision kind, const char* a, const char* b, const char* m,
                              const char* n) {
        const TPoint d = Answer(DivisionPoint(kind, point(a), point(b), R(m), R(n)));
        return DivisionWorking(kind, point(a), point(b), R(m), R(n), d);
    };
    const auto line = [&](const char* a, const char* b) {
        return LineWorking(point(a), point(b), Answer(LineThrough(point(a), point(b))));
    };
    const LinesRow rows[] = {
        {"Internal", [&] { return division(TDivision::Internal, "1,2", "5,4", "3", "1"); },
         "x = (1·1 + 3·5)/(3 + 1) = 4\n"
         "y = (1·2 + 3·4)/(3 + 1) = 7/2\n"
         "(4, 7/2)"},
        {"ExternalNegative",
         [&] { return division(TDivision::External, "-1,2/3", "4,-1", "2", "5"); },
         "x = (−5·(−1) + 2·4)/(2 − 5) = −13/3\n"
         "y = (−5·(2/3) + 2·(−1))/(2 − 5) = 16/9\n"
         "(−13/3, 16/9)"},
        {"Sloping", [&] { return line("1,2", "5,4"); },
         "傾き = (4 − 2)/(5 − 1) = 1/2\n"
         "y − 2 = (1/2)(x − 1)\n"
         "y = (1/2)x + 3/2"},
        {"NegativeSlopeThroughOrigin", [&] { return line("0,-1", "-2,3"); },
         "傾き = (3 − (−1))/(−2 − 0) = −2\n"
         "y + 1 = −2x\n"
         "y = −2x − 1"},
        {"Vertical", [&] { return line("3,2", "3,-5"); },
         "x₁ = x₂ = 3 より y 軸に平行な直線\n"
         "x = 3"},
        {"Horizontal", [&] { return line("-1/2,2", "3,2"); },
         "y₁ = y₂ = 2 より x 軸に平行な直線\n"
         "y = 2"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

TEST(WorkingTest, Derivative) {
    const auto value = [](const char* f, const char* a) {
        return DerivativeWorking(P(f), P(a), Answer(DerivativeValue(P(f), P(a))));
    };
    const auto tangent = [](const char* f, const char* a) {
        return TangentWorking(P(f), P(a), Answer(TangentLine(P(f), P(a))));
    };
    const LinesRow rows[] = {
        {"Value", [&] { return value("x^3-2x", "2"); },
         "f′(x) = 3x² − 2\n"
         "f′(2) = 3·2² − 2 = 10"},
        {"NegativePoint", [&] { return value("1/3x^3+x^2-4", "-3"); },
         "f′(x) = x² + 2x\n"
         "f′(−3) = (−3)² + 2·(−3) = 3"},
        {"ConstantDerivative", [&] { return value("5x+1", "7"); },
         "f′(x) = 5\n"
         "f′(7) = 5"},
        {"Tangent", [&] { return tangent("x^3-2x", "2"); },
         "f′(x) = 3x² − 2\n"
         "f(2) = 2³ − 2·2 = 4\n"
         "f′(2) = 3·2² − 2 = 10\n"
         "y − 4 = 10(x − 2)\n"
         "y = 10x − 16"},
        {"TangentFraction", [&] { return tangent("x^2-x", "1/2"); },
         "f′(x) = 2x − 1\n"
         "f(1/2) = (1/2)² − 1/2 = −1/4\n"
         "f′(1/2) = 2·(1/2) − 1 = 0\n"
         "y + 1/4 = 0\n"
         "y = −1/4"},
        {"TangentAtOrigin", [&] { return tangent("-x^2+3x", "0"); },
         "f′(x) = −2x + 3\n"
         "f(0) = −0² + 3·0 = 0\n"
         "f′(0) = −2·0 + 3 = 3\n"
         "y = 3x"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

// The right-hand side of a line: the text after its last "=", or all of it.
std::string RightSide(const std::string& line) {
    const std::size_t at = line.rfind("= ");
    return at == std::string::npos ? line : line.substr(at + 2);
}

std::string LastLine(const std::string& text) {
    const std::size_t at = text.rfind('\n');
    return at == std::string::npos ? text : text.substr(at + 1);
}

// Each case's working and the board's answer.
using TCases = std::vector<std::pair<std::optional<TMath>, TMath>>;

// The roots a right-hand side lists, each "a ± b" as its two values, sorted:
// the working lists real roots in increasing order, the board as the field does.
std::vector<std::string> ListedRoots(const std::string& right) {
    std::vector<std::string> roots;
    for (std::size_t from = 0; from <= right.size();) {
        std::size_t to = right.find(", ", from);
        to = to == std::string::npos ? right.size() : to;
        const std::string item = right.substr(from, to - from);
        const std::size_t at = item.find("±");
        if (at == std::string::npos) {
            roots.push_back(item);
        } else {
            const std::string head = item.substr(0, at);
            const std::string tail = item.substr(at + std::string("±").size());
            roots.push_back(head + (head.empty() ? "" : "+") + tail);
            roots.push_back(head + "−" + tail);
        }
        from = to + 2;
    }
    std::sort(roots.begin(), roots.end());
    return roots;
}

struct EndRow {
    const char* name;
    std::function<TCases()> cases;
    bool anyOrder = false; // roots, compared by ListedRoots
};

TEST(WorkingTest, EndsInTheBoardAnswer) {
    const char* const values[] = {"-3", "-1", "0", "1/2", "2", "-5/3", "7"};
    const EndRow rows[] = {
        {"Quadratics",
         [&] {
             TCases out;
             for (const char* a : {"1", "-2", "3/4", "6"}) {
                 for (const char* b : values) {
                     for (const char* c : values) {
                         TPolynomial poly;
                         PolySetCoeff(poly, 2, R(a));
                         PolySetCoeff(poly, 1, R(b));
                         PolySetCoeff(poly, 0, R(c));
                         poly = Normalized(poly);
                         const TEquationRoots roots = Answer(SolveByFactoring(poly));
                         out.push_back({QuadraticWorking(poly, roots), RootsAnswer(roots, true)});
                     }
                 }
             }
             return out;
         },
         true},
        {"Integrals",
         [&] {
             TCases out;
             for (const char* f : {"x^2-1", "-3x^3+1/2x", "5", "x^4-2x^2+x-7/3"}) {
                 for (const char* a : values) {
                     for (const char* b : {"-1", "0", "3/2", "4"}) {
                         const TDefiniteIntegral i = DefiniteIntegral(P(f), P(a), P(b));
                         out.push_back({IntegralWorking(P(f), P(a), P(b), i), IntegralAnswer(i)});
                     }
                 }
             }
             return out;
         }},
        {"Sums",
         [&] {
             TCases out;
             for (const char* f : {"x", "x^2", "x^3", "2x^3-x^2+1/2x-4", "-3x+2", "6"}) {
                 for (const char* l : {"1", "2", "5"}) {
                     for (const char* u : {"n", "n+1", "2n-1", "4", "12"}) {
                         const TSum sum = Answer(SumOf(P(f), P(l), P(u, 'n')));
                         out.push_back({SumWorking(P(f), P(l), P(u, 'n'), sum), SumAnswer(sum)});
                     }
                 }
             }
             return out;
         }},
        {"Counts",
         [&] {
             TCases out;
             for (long n = 0; n <= 30; n += 3) {
                 const TCount f = Answer(Factorial(n));
                 out.push_back({CountWorking(TCountKind::Factorial, n, 0, f), CountAnswer(f)});
                 for (long r = 1; r <= n; r += 2) {
                     const TCount p = Answer(Permutations(n, r));
                     const TCount c = Answer(Combinations(n, r));
                     out.push_back(
                         {CountWorking(TCountKind::Permutation, n, r, p), CountAnswer(p)});
                     out.push_back(
                         {CountWorking(TCountKind::Combination, n, r, c), CountAnswer(c)});
                 }
             }
             return out;
         }},
        {"Points",
         [&] {
             TCases out;
             for (const char* x : values) {
                 for (const char* y : {"-2", "0", "5/2"}) {
                     const TPoint a{R(x), R(y)};
                     const TPoint b{R("2"), R("-2")};
                     if ((a.X != b.X) || (a.Y != b.Y)) {
                         const TLine l = Answer(LineThrough(a, b));
                         out.push_back({LineWorking(a, b, l), LineAnswer(l)});
                     }
                     for (TDivision kind : {TDivision::Internal, TDivision::External}) {
                         const TPoint d = Answer(DivisionPoint(kind, a, b, R("3/2"), R("1")));
                         out.push_back(
                             {DivisionWorking(kind, a, b, R("3/2"), R("1"), d), DivisionAnswer(d)});
                     }
                 }
             }
             return out;
         }},
        {"Derivatives",
         [&] {
             TCases out;
             for (const char* f : {"x^3-2x", "-1/2x^2+x-3", "4", "x^5-x^4+2/3x"}) {
                 for (const char* a : values) {
                     const TDerivativeValue v = Answer(DerivativeValue(P(f), P(a)));
                     const TTangent t = Answer(TangentLine(P(f), P(a)));
                     out.push_back({DerivativeWorking(P(f), P(a), v), DerivativeAnswer(v)});
                     out.push_back({TangentWorking(P(f), P(a), t), TangentAnswer(t)});
                 }
             }
             return out;
         }},
    };
    for (const EndRow& row : rows) {
        for (const auto& [working, answer] : row.cases()) {
            ASSERT_TRUE(working.has_value()) << row.name << ": " << MathToUnicode(answer);
            const std::string last = RightSide(LastLine(MathToUnicode(*working)));
            const std::string want = RightSide(MathToUnicode(answer));
            if (row.anyOrder) {
                EXPECT_EQ(ListedRoots(last), ListedRoots(want)) << row.name << ":\n"
                                                                << MathToUnicode(*working);
            } else {
                EXPECT_EQ(last, want) << row.name << ":\n" << MathToUnicode(*working);
            }
        }
    }
}

struct MismatchRow {
    const char* name;
    std::function<void()> build; // a working given a result that is not its problem's
};

TEST(WorkingTest, RefusesAResultOfAnotherProblem) {
    const MismatchRow rows[] = {
        {"QuadraticRoots",
         [] { QuadraticWorking(P("x^2-2"), Answer(SolveByFactoring(P("x^2-3")))); }},
        {"QuadraticRationalRoots",
         [] { QuadraticWorking(P("x^2-1"), Answer(SolveByFactoring(P("x^2-4")))); }},
        {"QuadraticFactored",
         [] { QuadraticWorking(P("6x^2+x-2"), Answer(SolveByFactoring(P("6x^2+x-1")))); }},
        {"QuadraticByFormula",
         [] { QuadraticWorking(P("x^2+4x+1"), Answer(SolveByFactoring(P("x^2+4x+2")))); }},
        {"Integral",
         [] { IntegralWorking(P("x"), P("0"), P("1"), DefiniteIntegral(P("x"), P("0"), P("2"))); }},
        {"Sum",
         [] {
             SumWorking(P("x"), P("1"), P("n", 'n'), Answer(SumOf(P("x^2"), P("1"), P("n", 'n'))));
         }},
        {"Count", [] { CountWorking(TCountKind::Combination, 7, 3, Answer(Combinations(7, 2))); }},
        {"CountOfFewDigits",
         [] { CountWorking(TCountKind::Permutation, 1000000, 500000, Answer(Factorial(3))); }},
        {"Line",
         [] {
             const TPoint origin{R("0"), R("0")};
             LineWorking(origin, {R("1"), R("1")}, Answer(LineThrough(origin, {R("1"), R("2")})));
         }},
        {"Tangent",
         [] { TangentWorking(P("x^2"), P("1"), Answer(TangentLine(P("x^2"), P("2")))); }},
    };
    for (const MismatchRow& row : rows) {
        EXPECT_THROW(row.build(), WorkingCheckError) << row.name;
    }
}

} // namespace
