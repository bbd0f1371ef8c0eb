// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"
#include "Polynomial.h"

#include <gtest/gtest.h>

#include <random>

using namespace arith;

namespace {

// A fraction's numerator and denominator exactly as a reader should leave them.
struct TTyped {
    TInteger num;
    TInteger den;
};

TEST(PolyToText, Table) {
    struct Row {
        std::vector<std::int32_t> fields; // numerator, denominator pairs from x^0 upwards
        const char* text;
    } rows[] = {
        {{1, 2, -1, 1, 0, 1, 2, 1}, "2x^3-x+1/2"},
        {{-5, 1, 3, 2, -1, 1}, "-x^2+3/2x-5"},
        {{0, 1, 1, 1, 0, 1, -1, 3}, "-1/3x^3+x"},
        {{0, 1, 0, 1, 1, 2}, "1/2x^2"},
        {{0, 1, -1, 2}, "-1/2x"},
        {{0, 1, -1, 1}, "-x"},
        {{-3, 4}, "-3/4"},
        {{0, 1}, "0"},
        {{1, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 1, 1}, "x^10+1"},
    };
    for (const Row& row : rows) {
        TPolynomial p;
        for (std::size_t i = 0; i < row.fields.size(); i += 2) {
            PolySetCoeff(p, int(i / 2), {row.fields[i], row.fields[i + 1]});
        }
        p = Normalized(p);
        EXPECT_EQ(PolyToText(p), row.text);
    }
    TPolynomial p;
    p.SetDegree(2);
    p.SetCoeff(1, {2, 1});
    p.SetCoeff(2, {-1, 1});
    EXPECT_EQ(PolyToTextVar(p, 'n'), "-n^2+2n");
}

TEST(ParseCoefficient, Table) {
    struct Row {
        const char* text;
        TTyped value;
        int warnings;
    } rows[] = {
        {"", {0, 1}, 0},    {"3", {3, 1}, 0},       {"-3/4", {-3, 4}, 0},
        {"4/6", {4, 6}, 0}, {"12-3", {-123, 1}, 0}, {" 3", {0, 1}, 1},
        {"--5", {0, 1}, 1}, {"+-5", {0, 1}, 1},     {"0/5", {0, 5}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        TPolynomial c;
        EXPECT_EQ(ParseCoefficient(row.text, c), row.warnings == 0);
        EXPECT_TRUE(c.Degree() == 0 && c.Num(0) == row.value.num && c.Den(0) == row.value.den);
    }
    TPolynomial c;
    EXPECT_THROW(ParseCoefficient("3 ", c), ConversionError);
    EXPECT_THROW(ParseCoefficient("3a", c), ConversionError);
    EXPECT_THROW(ParseCoefficient("3/0", c), DenominatorError);
    EXPECT_THROW(ParseCoefficient("3/", c), DenominatorError);
    EXPECT_THROW(ParseCoefficient("-" + std::string(501, '4'), c), OverflowError);
    EXPECT_TRUE(ParseCoefficient("-4294967296", c) && PolyToText(c) == "-4294967296");
}

TEST(ParsePolynomial, Table) {
    struct Row {
        const char* text;
        const char* result; // nullptr: unreadable (one warning)
    } rows[] = {
        {"n", "n"},
        {"2n-1", "2n-1"},
        {"10", "10"},
        {"2n^2+3n+1", "2n^2+3n+1"},
        {"3/2n", "3/2n"},
        {"-1/3n^3+n", "-1/3n^3+n"},
        {"n^0", "1"},
        {"", "0"},
        // Read as typed, where a plain scan went wrong.
        {"5+n", "n+5"},
        {"3-n^2", "-n^2+3"},
        {"n^2+n^2", "2n^2"},
        {"n + 1", "n+1"},
        {" n", "n"},
        {"n^10", "n^10"},
        {"1 - 2/4 n ^ 2", "-1/2n^2+1"},
        {"n-n", "0"},
        {"x", nullptr},
        {"n-", nullptr},
        {"n^", nullptr},
        {"2nn", nullptr},
        {"+", nullptr},
        {"n2n", nullptr},
        // Terms side by side are no sum.
        {"n2", nullptr},
        {"3n2", nullptr},
        {"n^2n", nullptr},
        {"n 1", nullptr},
        {"n^2 3", nullptr},
        {"2n 3n", nullptr},
        {"2 3", nullptr},
        {"n^-2", nullptr},
        {"３n", nullptr},
        // Decimal coefficients are exact fractions.
        {"0.5n", "1/2n"},
        {".5n^2+1.25", "1/2n^2+5/4"},
        {"1.5/3n", "1/2n"},
        {"2.0n-0.5", "2n-1/2"},
        {"n^2.5", nullptr},
        {"2.5.3", nullptr},
        {".n", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        TPolynomial p;
        const bool ok = ParsePolynomial(row.text, 'n', p);
        EXPECT_EQ(ok, row.result != nullptr);
        if (ok && row.result != nullptr) {
            EXPECT_EQ(PolyToTextVar(p, 'n'), row.result);
        }
    }
    TPolynomial p;
    EXPECT_THROW(ParsePolynomial("n^11", 'n', p), DegreeError);
    for (const char* text : {"3/00n+1", "n+1/", "1//2n", "2/ n"}) {
        EXPECT_THROW(ParsePolynomial(text, 'n', p), DenominatorError) << text;
    }
    EXPECT_THROW(ParsePolynomial("n^99999999999999", 'n', p), DegreeError);
    EXPECT_THROW(ParsePolynomial(std::string(501, '9') + "n", 'n', p), OverflowError);
    EXPECT_THROW(ParsePolynomial("1/" + std::string(501, '9') + "n", 'n', p), OverflowError);
    EXPECT_THROW(ParsePolynomial("0." + std::string(501, '9') + "n", 'n', p), OverflowError);
    EXPECT_TRUE(ParsePolynomial("2147483647n+n-0.0000000001", 'n', p));
    EXPECT_EQ(PolyToTextVar(p, 'n'), "2147483648n-1/10000000000");
}

// Writing a polynomial and reading the text back gives the same polynomial.
TEST(ParsePolynomial, ReadsBackWhatPolyToTextWrites) {
    std::mt19937 random(4);
    std::uniform_int_distribution<std::int32_t> num(-2147483647, 2147483647), den(1, 2147483647),
        pick(0, 3);
    for (int i = 0; i < 3000; ++i) {
        TPolynomial p, back;
        for (int k = 0; k <= kMaxDegree; ++k) {
            int kind = pick(random);
            const std::int32_t n = kind == 0 ? 0 : kind == 1 ? num(random) % 3 : num(random);
            p.SetCoeff(k, TRational::AsTyped(n, kind == 3 ? den(random) : 1));
        }
        p = Normalized(p);
        std::string text = PolyToTextVar(p, 'n');
        ASSERT_TRUE(ParsePolynomial(text, 'n', back)) << text;
        ASSERT_TRUE(p == back) << text;
    }
}

} // namespace
