// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"
#include "Rational.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

using namespace arith;

namespace {

// A fraction's numerator and denominator exactly as a reader should leave them.
struct TTyped {
    TInteger num;
    TInteger den;
};

constexpr std::int32_t kMax = 2147483647;

TEST(IntGcd, Table) {
    struct Row {
        std::int64_t a, b, gcd, lcm;
    } rows[] = {
        {0, 7, 1, 0},
        {-12, 18, 6, -36},
        {1, 1000, 1, 1000},
        {4, 6, 2, 12},
        {-4, 6, 2, -12},
        {-2, 3, 1, -6},
        {kMax, kMax - 1, 1, 4611686011984936962},
        {65536, 32768, 32768, 65536},
        {-kMax, kMax, kMax, -kMax},
        {INT32_MIN, INT32_MIN, 2147483648, 2147483648},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b);
        EXPECT_EQ(IntGcd(row.a, row.b), row.gcd);
        EXPECT_EQ(IntLcm(row.a, row.b), row.lcm);
    }
}

TEST(IntGcd, AgreesWithPlainGcdOnRandomInputs) {
    std::mt19937 random(1);
    std::uniform_int_distribution<std::int32_t> value(-kMax, kMax);
    for (int i = 0; i < 20000; ++i) {
        std::int32_t a = value(random) >> (i % 31);
        std::int32_t b = value(random) >> (i % 29);
        std::int64_t expected = a == 0 || b == 0 ? 1 : std::gcd<std::int64_t>(a, b);
        ASSERT_EQ(IntGcd(a, b), expected) << a << ", " << b;
    }
}

TEST(Rational, ArithmeticTable) {
    enum Op { Add, Sub, Mul, Div };
    struct Row {
        Op op;
        TRational a, b;
        const char* text;
    } rows[] = {
        {Add, {1, 2}, {1, 3}, "5/6"},
        {Sub, {1, 2}, {1, 2}, "0"},
        {Mul, {-2, 3}, {3, 4}, "-1/2"},
        {Div, {1, 2}, {-1, 4}, "-2"},
        {Add, {6, -4}, {0, 5}, "-3/2"},
        {Mul, {kMax, 2}, {2, kMax}, "1"},
        {Div, {kMax, 3}, {kMax, 6}, "2"},
        // Results beyond 32 bits are exact.
        {Add, {1, kMax - 1}, {1, kMax}, "4294967293/4611686011984936962"},
        {Add, {kMax, 1}, {1, 1}, "2147483648"},
        {Mul, {1, 65536}, {1, 32768}, "1/2147483648"},
        {Sub, {-kMax, 1}, {1, 1}, "-2147483648"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        TRational r = row.a;
        TRational (*ops[])(const TRational&, const TRational&) = {
            [](const TRational& a, const TRational& b) { return a + b; },
            [](const TRational& a, const TRational& b) { return a - b; },
            [](const TRational& a, const TRational& b) { return a * b; },
            [](const TRational& a, const TRational& b) { return a / b; }};
        r = ops[row.op](r, row.b);
        EXPECT_EQ(RatToText(r), row.text);
        EXPECT_GT(r.Den(), 0);
    }
    TRational r;
    EXPECT_THROW((r = TRational{1, 2} / TRational{0, 1}), ZeroDivideError);
}

// Results are canonical and satisfy their defining equation, at any size.
TEST(Rational, RandomResultsAreCanonicalAndExact) {
    std::mt19937_64 random(2);
    auto operand = [&](int shift) {
        const auto num = static_cast<std::int64_t>(random()) >> shift;
        const auto den = static_cast<std::int64_t>(random() >> (shift + 1)) | 1;
        return TRational{Power(num, 1 + shift % 3), den};
    };
    for (int i = 0; i < 30000; ++i) {
        const TRational a = operand(i % 60);
        const TRational b = operand((i / 3) % 60);
        if (i % 3 == 2 && b.Num().IsZero()) {
            continue;
        }
        const TRational r = i % 3 == 0 ? a + b : i % 3 == 1 ? a * b : a / b;
        ASSERT_GT(r.Den(), 0);
        ASSERT_EQ(Gcd(r.Num(), r.Den()), r.Num().IsZero() ? r.Den() : 1);
        const TInteger lhs = r.Num() * a.Den() * b.Den();
        switch (i % 3) {
        case 0:
            ASSERT_EQ(lhs, (a.Num() * b.Den() + b.Num() * a.Den()) * r.Den()) << i;
            break;
        case 1:
            ASSERT_EQ(lhs, a.Num() * b.Num() * r.Den()) << i;
            break;
        default:
            ASSERT_EQ(r.Num() * a.Den() * b.Num(), a.Num() * b.Den() * r.Den()) << i;
        }
    }
}

TEST(Rational, TextAndEquality) {
    EXPECT_EQ(RatToText({-3, 2}), "-3/2");
    EXPECT_EQ(RatToText({4, -6}), "-2/3");
    EXPECT_EQ(RatToText({0, 7}), "0");
    EXPECT_TRUE((TRational{2, 4} == TRational{1, 2}));
    EXPECT_TRUE((TRational{3, -6} == TRational{-1, 2}));
    EXPECT_FALSE((TRational{1, 2} == TRational{1, 3}));
    TRational r{0, -5};
    r = Reduced(r);
    EXPECT_TRUE(r.Num() == 0 && r.Den() == 1);
}

TEST(ParseRational, Table) {
    struct Row {
        const char* text;
        TTyped value;
        int warnings;
    } rows[] = {
        {"", {0, 1}, 0},     {"-3/4", {-3, 4}, 0},         {"+5", {5, 1}, 0}, {"4/6", {4, 6}, 0},
        {"3/00", {0, 1}, 2}, {"12-3", {-123, 1}, 0},       {"-", {0, 1}, 1},  {"x", {0, 1}, 1},
        {"/2", {0, 1}, 1},   {"2147483647", {kMax, 1}, 0}, {"１", {0, 1}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        TRational r{9, 9};
        if (row.warnings == 2) { // a failure that stops the reading
            EXPECT_THROW(ParseRational(row.text, r), DenominatorError);
            continue;
        }
        EXPECT_EQ(ParseRational(row.text, r), row.warnings == 0);
        EXPECT_TRUE(r.Num() == row.value.num && r.Den() == row.value.den);
    }
}

TEST(ParseRational, DecimalsAreExactFractions) {
    struct Row {
        const char* text;
        TTyped value;
    } rows[] = {
        {"0.5", {1, 2}},
        {"-1.25", {-5, 4}},
        {".5", {1, 2}},
        {"-.75", {-3, 4}},
        {"+2.50", {5, 2}},
        {"3.", {3, 1}},
        {"3.0", {3, 1}},
        {"0.0", {0, 1}},
        {"1.5/3", {3, 6}},      // the decimal reduced, the fraction as typed
        {"1.2-3", {-123, 100}}, // a "-" anywhere in the numerator, as for integers
        {"2147483647.0", {kMax, 1}},
        {"2147483647.5", {4294967295, 2}},
        {"0.1/2147483647", {1, 21474836470}},
        {"0.000000001", {1, 1000000000}},
        {"0.000000000931322574615478515625", {1, 1073741824}}, // 2^-30, 30 decimals
        {"1.5000000000000000000000000000000000000000", {3, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        TRational r{9, 9};
        EXPECT_TRUE(ParseRational(row.text, r));
        EXPECT_EQ(r.Num(), row.value.num);
        EXPECT_EQ(r.Den(), row.value.den);
    }
    for (const char* text : {".", "-.", "./2", ".x"}) {
        TRational r;
        EXPECT_FALSE(ParseRational(text, r)) << text;
    }
    // Beyond 500 digits: the numerator, the denominator, or a point too far down.
    const std::string digits501(501, '7');
    for (const std::string& text : {digits501, "1/" + digits501, "0." + digits501}) {
        TRational r;
        EXPECT_THROW(ParseRational(text, r), OverflowError) << text;
    }
    // A stray character is named first, whatever the length.
    for (const std::string& text : {"-000" + digits501 + "x", "1/" + digits501 + ".0"}) {
        TRational r;
        EXPECT_THROW(ParseRational(text, r), ConversionError) << text;
    }
    TRational r;
    EXPECT_TRUE(ParseRational("000" + std::string(500, '7'), r));
}

TEST(ParseRational, FailuresNameTheWholeText) {
    struct Row {
        std::string text;
        const char* message;
    } rows[] = {
        {"3a", "'3a' は整数ではありません"},
        {"1.2.3", "'1.2.3' は整数ではありません"},
        {"1/-2", "'1/-2' は整数ではありません"},
        {"1２", "'1２' は整数ではありません"},
        {"12345678901x", "'12345678901x' は整数ではありません"},
        // A denominator of zero, or none, at any size and after a decimal.
        {"1/0", "'1/0' は分母が0です"},
        {"0/0", "'0/0' は分母が0です"},
        {"-7/000", "'-7/000' は分母が0です"},
        {"0.5/0", "'0.5/0' は分母が0です"},
        {"3/", "'3/' は分母がありません"},
        {"-2.5/", "'-2.5/' は分母がありません"},
        {"1/0x", "'1/0x' は整数ではありません"}, // a stray character is named first
        // Control characters are named by their pictures, never cut the message short.
        {std::string("1\0x", 3), "'1␀x' は整数ではありません"},
        {"2/\x7F", "'2/␡' は整数ではありません"},
    };
    for (const Row& row : rows) {
        TRational r;
        try {
            ParseRational(row.text, r);
            ADD_FAILURE() << row.text;
        } catch (const CalcError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
}

TEST(Rational, OrderAndSign) {
    // Ordered by value whichever part carries the sign; equal values in any form.
    const struct {
        TRational a;
        TRational b;
        int order;
    } rows[] = {
        {{1, 3}, {1, 2}, -1},  {{-1, 2}, {1, -3}, -1}, {{2, 4}, {1, 2}, 0},
        {{3, -6}, {-1, 2}, 0}, {{0, 5}, {0, 1}, 0},    {{7, 1}, {-7, -1}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(RatToText(row.a) + " " + RatToText(row.b));
        EXPECT_EQ(row.a <=> row.b, row.order <=> 0);
        EXPECT_EQ(row.b <=> row.a, 0 <=> row.order);
        EXPECT_EQ(row.a == row.b, row.order == 0);
    }
    // Negation keeps the form; the arithmetic reduces.
    const TRational minus = -TRational::AsTyped(2, 4);
    EXPECT_EQ(minus.Num(), -2);
    EXPECT_EQ(minus.Den(), 4);
    EXPECT_EQ((TRational{1, 4} - TRational{3, 4}).Den(), 2);
}

} // namespace
