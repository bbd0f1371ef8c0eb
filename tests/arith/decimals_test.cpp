// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal values of exact answers: every digit shown correct, rounded half
// away from zero from the exact value, for small, large, negative and
// irrational values and at the rounding boundaries; and the lines the board
// sets under the answers that hold them.
#include "Decimals.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

using namespace arith;

namespace {

TInteger Big(const char* digits) {
    return digits[0] == '-' ? -TInteger::FromDigits(digits + 1) : TInteger::FromDigits(digits);
}

struct ValueRow {
    const char* name;
    const char *p, *q, *r, *d; // (p + q√r)/d
    const char* shown;
    bool exact;
};

TEST(DecimalsTest, Values) {
    const ValueRow rows[] = {
        {"Zero", "0", "0", "0", "5", "0", true},
        {"Half", "1", "0", "0", "2", "0.5", true},
        {"NegativeEighths", "7", "0", "0", "-8", "−0.875", true},
        {"Third", "1", "0", "0", "3", "0.3333", false},
        {"TwoThirdsRoundsUp", "-2", "0", "0", "-3", "0.6667", false},
        {"HalfAwayFromZero", "2469", "0", "0", "20000", "0.1235", false},
        {"NegativeHalfAwayFromZero", "-2469", "0", "0", "20000", "−0.1235", false},
        {"CarryToOne", "19999", "0", "0", "20000", "1.0000", false},
        {"SmallGetsSignificantDigits", "1", "0", "0", "32", "0.03125", true},
        {"SmallestFixed", "1", "0", "0", "1000000", "0.000001", true},
        {"TinyScientific", "1", "0", "0", "3000000", "3.3333 × 10⁻⁷", false},
        {"TwoMinusRootThree", "2", "-1", "3", "1", "0.2679", false},
        {"RootThreeMinusTwo", "-2", "1", "3", "1", "−0.2679", false},
        {"MinusTwoMinusRootThree", "-2", "-1", "3", "1", "−3.7321", false},
        {"RootOfASquare", "1", "1", "4", "2", "1.5", true},
        {"LargeSurdFixed", "0", "1000000000000", "2", "1", "1414213562373.0950", false},
        {"PowerOfTwo", "1267650600228229401496703205376", "0", "0", "1", "1.2677 × 10³⁰", false},
        {"NegativeLarge", "-1267650600228229401496703205376", "0", "0", "3", "−4.2255 × 10²⁹",
         false},
        {"ScientificCarry", "199999999999999999999", "0", "0", "2", "1.0000 × 10²⁰", false},
        {"ExactScientific", "120000000000000000000", "0", "0", "1", "1.2 × 10²⁰", true},
    };
    for (const ValueRow& row : rows) {
        const TDecimal d = DecimalOf(Big(row.p), Big(row.q), Big(row.r), Big(row.d));
        EXPECT_EQ(MathToUnicode(DecimalMath(d)), row.shown) << row.name;
        EXPECT_EQ(d.Exact, row.exact) << row.name;
    }
}

TPolynomial Poly(const std::string& text) {
    TPolynomial p;
    EXPECT_TRUE(ParsePolynomial(text, 'x', p)) << text;
    return p;
}

TRational Rat(const char* text) {
    TRational r;
    EXPECT_TRUE(ParseRational(text, r)) << text;
    return r;
}

std::string Shown(const std::optional<TMath>& line) {
    return line ? MathToUnicode(*line) : "none";
}

TEST(DecimalsTest, AnswerLines) {
    const struct {
        const char* name;
        std::function<std::optional<TMath>()> line;
        const char* shown;
    } rows[] = {
        {"SurdRoots", [] { return RootsDecimals(*SolveByFactoring(Poly("x^2+4x+1")).Answer); },
         "x ≈ −0.2679, −3.7321"},
        {"ComplexPair", [] { return RootsDecimals(*SolveByFactoring(Poly("x^2+x+1")).Answer); },
         "x ≈ −0.5 ± 0.8660i"},
        {"IntegerRootsNone",
         [] { return RootsDecimals(*SolveByFactoring(Poly("x^2-3x+2")).Answer); }, "none"},
        {"ExactFractions",
         [] { return RootsDecimals(*SolveByFactoring(Poly("8x^2-6x+1")).Answer); },
         "x = 0.5, 0.25"},
        {"Extrema", [] { return ExtremaDecimals(*Extrema(Poly("x^3-3x^2+x")).Answer); },
         "x ≈ 0.1835 で極大値 ≈ 0.08866\nx ≈ 1.8165 で極小値 ≈ −2.0887"},
        {"IntegerValueNone", [] { return ValueDecimals(Rat("-4")); }, "none"},
        {"Point",
         [] {
             return PointDecimals({Rat("13/4"), Rat("1/3")});
         },
         "≈ (3.25, 0.3333)"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Shown(row.line()), row.shown) << row.name;
    }
}

} // namespace
