// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"
#include "Polynomial.h"

#include "TestPolynomial.h"

#include <gtest/gtest.h>

#include <random>

using namespace arith;

namespace {

enum class Expect { Value, Overflow, Degree, ZeroDivide };

struct Row {
    const char* name;
    void (*op)(TPolynomial, TPolynomial, TPolynomial&);
    const char* a;
    const char* b;
    const char* result;
    Expect expect = Expect::Value;
};

void Quotient(TPolynomial a, TPolynomial b, TPolynomial& r) {
    r = DivMod(a, b).Quotient;
}
void Remainder(TPolynomial a, TPolynomial b, TPolynomial& r) {
    r = DivMod(a, b).Remainder;
}
void Derivative(TPolynomial a, TPolynomial, TPolynomial& r) {
    r = arith::Derivative(a);
}
void Integral(TPolynomial a, TPolynomial, TPolynomial& r) {
    r = arith::Integral(a);
}
void PolyAdd(TPolynomial a, TPolynomial b, TPolynomial& r) {
    r = a + b;
}
void PolySub(TPolynomial a, TPolynomial b, TPolynomial& r) {
    r = a - b;
}
void PolyMul(TPolynomial a, TPolynomial b, TPolynomial& r) {
    r = a * b;
}
void PolyPower(TPolynomial a, TPolynomial b, TPolynomial& r) {
    r = Power(a, b);
}
void PolyCompose(TPolynomial a, TPolynomial b, TPolynomial& r) {
    r = Compose(a, b);
}

TEST(Polynomial, OperationTable) {
    const Row rows[] = {
        {"sum", PolyAdd, "x+1/2", "x-1/2", "2x"},
        {"difference to zero", PolySub, "x^2", "x^2", "0"},
        {"product", PolyMul, "x+1", "x-1", "x^2-1"},
        {"product of fractions", PolyMul, "1/2x", "2/3x", "1/3x^2"},
        {"product wraps unreduced", PolyMul, "2147483647/2x", "2/2147483647x", "x^2"},
        {"product beyond 32 bits", PolyMul, "65536x", "32768", "2147483648x"},
        {"product degree 11", PolyMul, "x^6+1", "x^5", "", Expect::Degree},
        {"quotient", Quotient, "x^2-1", "x-1", "x+1"},
        {"remainder", Remainder, "x^2-1", "x-1", "0"},
        {"quotient by 2x", Quotient, "x^2+1", "2x", "1/2x"},
        {"remainder by 2x", Remainder, "x^2+1", "2x", "1"},
        {"quotient by constant", Quotient, "3x+6", "3", "x+2"},
        {"remainder of lower degree", Remainder, "5", "x+1", "5"},
        {"quotient of zero", Quotient, "0", "7", "0"},
        {"quotient of large leading terms", Quotient, "2147483647x^2+1", "2147483646x+1",
         "2147483647/2147483646x-2147483647/4611686009837453316"},
        {"division by zero", Quotient, "x", "0", "", Expect::ZeroDivide},
        {"derivative", Derivative, "x^3-2x", "0", "3x^2-2"},
        {"derivative of constant", Derivative, "7", "0", "0"},
        {"antiderivative", Integral, "3x^2+1", "0", "x^3+x"},
        {"antiderivative of 1/2x", Integral, "1/2x", "0", "1/4x^2"},
        {"antiderivative of degree 10", Integral, "x^10", "0", "", Expect::Degree},
        {"power", PolyPower, "x+1", "3", "x^3+3x^2+3x+1"},
        {"power 0", PolyPower, "x+1", "0", "1"},
        {"power -2 of zero", PolyPower, "0", "-2", "1"},
        {"power of constant", PolyPower, "-2", "30", "1073741824"},
        {"power of constant beyond 32 bits", PolyPower, "2", "31", "2147483648"},
        {"power of constant beyond 500 digits", PolyPower, "-1/2", "1800", "", Expect::Overflow},
        {"huge power of one", PolyPower, "1", "2147483647", "1"},
        {"huge power of minus one", PolyPower, "-1", "2147483647", "-1"},
        {"huge power of half", PolyPower, "1/2", "2147483647", "", Expect::Overflow},
        {"power degree 12", PolyPower, "x^2", "6", "", Expect::Degree},
        {"compose", PolyCompose, "x^2+1", "x-1", "x^2-2x+2"},
        {"evaluate", PolyCompose, "x^3-2x+1", "2", "5"},
        {"compose at zero", PolyCompose, "x^3+4", "0", "4"},
        {"compose degree 12", PolyCompose, "x^4", "x^3", "", Expect::Degree},
        {"compose degree 15 refused before its coefficients overflow", PolyCompose,
         "-18x^5-132x^4-312x^3-336x^2-192x", "-7x^3-23/4x^2+1885293985x+3", "", Expect::Degree},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TPolynomial r = P(row.a); // the result variable is also an input
        auto run = [&] { row.op(r, P(row.b), r); };
        switch (row.expect) {
        case Expect::Value:
            run();
            EXPECT_EQ(PolyToText(r), row.result);
            break;
        case Expect::Overflow:
            EXPECT_THROW(run(), OverflowError);
            break;
        case Expect::Degree:
            EXPECT_THROW(run(), DegreeError);
            break;
        case Expect::ZeroDivide:
            EXPECT_THROW(run(), ZeroDivideError);
            break;
        }
    }
}

TEST(Polynomial, ValueAtAPoint) {
    const struct {
        const char* p;
        TRational x;
        const char* value;
    } rows[] = {
        {"x^3-2x+1", {2, 1}, "5"},  {"x^2-1/4", {1, 2}, "0"},
        {"3x^2+x", {-2, 4}, "1/4"}, // a point as typed
        {"7", {5, 3}, "7"},         {"x^10", {-1, 2}, "1/1024"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.p);
        EXPECT_EQ(RatToText(P(row.p)(row.x)), row.value);
        EXPECT_EQ(ConstantPolynomial(P(row.p)(row.x)),
                  Compose(P(row.p), ConstantPolynomial(row.x)));
    }
    EXPECT_THROW(P("1/2x")({1, 0}), ZeroDivideError);
}

TEST(Polynomial, NormalFormAndPredicates) {
    TPolynomial p;
    p.SetDegree(3);
    p.SetCoeff(1, TRational::AsTyped(2, -4));
    p = Normalized(p);
    EXPECT_EQ(p.Degree(), 1);
    EXPECT_TRUE(p.Num(1) == -1 && p.Den(1) == 2);
    EXPECT_TRUE(PolyIsZero(TPolynomial{}));
    EXPECT_TRUE(PolyIsOne(P("1")));
    EXPECT_TRUE(PolyIsX(P("x")));
    EXPECT_FALSE(PolyIsX(P("2x")));
    EXPECT_FALSE(PolyIsX(P("x+1")));
    TPolynomial half;
    half.SetDegree(1);
    half.SetCoeff(1, TRational::AsTyped(2, 4));
    EXPECT_TRUE(half == P("1/2x"));
    EXPECT_EQ(PolyToInt(P("-5")), -5);
    EXPECT_EQ(PolyToInt(P("1/2")), std::nullopt);
    EXPECT_EQ(PolyToInt(P("x")), std::nullopt);
}

// a = q·b + r with deg r < deg b, for random divisors of every degree.
TEST(Polynomial, DivisionIdentityOnRandomInputs) {
    std::mt19937 random(3);
    std::uniform_int_distribution<std::int32_t> coefficient(-9, 9), degree(0, kMaxDegree);
    auto randomPoly = [&](int top) {
        TPolynomial p;
        for (int i = 0; i <= top; ++i) {
            const std::int32_t num = coefficient(random);
            p.SetCoeff(i, TRational::AsTyped(num, 1 + (coefficient(random) + 9) % 4));
        }
        p = Normalized(p);
        return p;
    };
    int checked = 0;
    for (int i = 0; i < 2000; ++i) {
        TPolynomial a = randomPoly(degree(random)), b = randomPoly(degree(random)), q, r, check;
        if (PolyIsZero(b)) {
            continue;
        }
        try {
            const TPolyDivision d = DivMod(a, b);
            q = d.Quotient;
            r = d.Remainder;
            check = q * b + r;
        } catch (const OverflowError&) {
            continue; // a quotient or a product beyond 32 bits
        }
        EXPECT_TRUE(PolyIsZero(r) || r.Degree() < b.Degree());
        ASSERT_TRUE(check == a) << PolyToText(a) << " / " << PolyToText(b);
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

} // namespace
