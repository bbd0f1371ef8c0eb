// SPDX-License-Identifier: GPL-3.0-or-later
// Workings: their lines for textbook problems of each window, and their
// last line against the board's answer over many inputs.
#include "BoardNotation.h"
#include "Working.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

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

TEST(WorkingTest, Quadratic) {
    const LinesRow rows[] = {
        {"Factorable", [] { return Quadratic("2x^2+3x-2"); },
         "判別式 D = b² − 4ac = 3² − 4·2·(−2) = 25\n"
         "D > 0 より 異なる2つの実数解\n"
         "√25 = 5\n"
         "x = (−3 ± √25)/(2·2) = (−3 ± 5)/4\n"
         "x = −2, 1/2"},
        {"Surd", [] { return Quadratic("x^2-4x-14"); },
         "判別式 D = b² − 4ac = (−4)² − 4·1·(−14) = 72\n"
         "D > 0 より 異なる2つの実数解\n"
         "√72 = 6√2\n"
         "x = (−(−4) ± √72)/(2·1) = (4 ± 6√2)/2\n"
         "x = 2 ± 3√2"},
        {"Imaginary", [] { return Quadratic("x^2+x+8"); },
         "判別式 D = b² − 4ac = 1² − 4·1·8 = −31\n"
         "D < 0 より 異なる2つの虚数解\n"
         "√(−31) = √31 i\n"
         "x = (−1 ± √(−31))/(2·1)\n"
         "x = (−1 ± √31 i)/2"},
        {"DoubleRoot", [] { return Quadratic("4x^2-4x+1"); },
         "判別式 D = b² − 4ac = (−4)² − 4·4·1 = 0\n"
         "D = 0 より 重解\n"
         "x = −(−4)/(2·4)\n"
         "x = 1/2"},
        {"Fractions", [] { return Quadratic("-1/2x^2+1/3x+1"); },
         "両辺に −6 を掛けて 3x² − 2x − 6 = 0\n"
         "判別式 D = b² − 4ac = (−2)² − 4·3·(−6) = 76\n"
         "D > 0 より 異なる2つの実数解\n"
         "√76 = 2√19\n"
         "x = (−(−2) ± √76)/(2·3) = (2 ± 2√19)/6\n"
         "x = (1 ± √19)/3"},
        {"NoLinearTerm", [] { return Quadratic("x^2+4"); },
         "判別式 D = b² − 4ac = 0² − 4·1·4 = −16\n"
         "D < 0 より 異なる2つの虚数解\n"
         "√(−16) = 4i\n"
         "x = ±√(−16)/(2·1) = ±4i/2\n"
         "x = ±2i"},
        {"Cubic", [] { return Quadratic("x^3-1"); }, "(none)"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

std::optional<TMath> Integral(const std::string& f, const std::string& a, const std::string& b) {
    return IntegralWorking(P(f), P(a), P(b), DefiniteIntegral(P(f), P(a), P(b)));
}

TEST(WorkingTest, Integral) {
    const LinesRow rows[] = {
        {"Textbook", [] { return Integral("x^2-1", "-1", "2"); },
         "F(x) = (1/3)x³ − x\n"
         "∫₋₁² (x² − 1) dx = [(1/3)x³ − x]₋₁²\n"
         "= F(2) − F(−1) = 2/3 − 2/3\n"
         "= 0"},
        {"NegativeLowerValue", [] { return Integral("3x^2-2x+1", "1", "3"); },
         "F(x) = x³ − x² + x\n"
         "∫₁³ (3x² − 2x + 1) dx = [x³ − x² + x]₁³\n"
         "= F(3) − F(1) = 21 − 1\n"
         "= 20"},
        {"FractionLimit", [] { return Integral("x", "-1/2", "1"); },
         "F(x) = (1/2)x²\n"
         "∫_(−1/2)^(1) x dx = [(1/2)x²]_(−1/2)^(1)\n"
         "= F(1) − F(−1/2) = 1/2 − 1/8\n"
         "= 3/8"},
        {"NegativeF", [] { return Integral("-4", "-3", "-1"); },
         "F(x) = −4x\n"
         "∫₋₃⁻¹ −4 dx = [−4x]₋₃⁻¹\n"
         "= F(−1) − F(−3) = 4 − 12\n"
         "= −8"},
        {"EqualLimits", [] { return Integral("x^2", "2", "2"); }, "∫₂² x² dx = 0"},
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
         "= n(n + 1)(2n + 1)/6 + n\n"
         "= (1/3)n³ + (1/2)n² + (7/6)n\n"
         "= (1/6)n(2n² + 3n + 7)"},
        {"Cubic", [] { return Sum("2x^3-x", "1", "n"); },
         "Σₖ₌₁ⁿ (2k³ − k) = 2Σₖ₌₁ⁿ k³ − Σₖ₌₁ⁿ k\n"
         "= 2(n(n + 1)/2)² − n(n + 1)/2\n"
         "= (1/2)n⁴ + n³ − (1/2)n\n"
         "= (1/2)n(n + 1)(n² + n − 1)"},
        {"SinglePower", [] { return Sum("x", "1", "n"); },
         "Σₖ₌₁ⁿ k = n(n + 1)/2\n"
         "= (1/2)n² + (1/2)n\n"
         "= (1/2)n(n + 1)"},
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
         "Σₖ₌₁²ⁿ k = (2n)(2n + 1)/2\n"
         "= 2n² + n\n"
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
        {"LowerZero", [] { return Sum("x", "0", "n"); }, "(none)"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

} // namespace
