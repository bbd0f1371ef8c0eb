// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"
#include "PolyFactor.h"
#include "Polynomial.h"

#include "TestPolynomial.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace arith;

namespace {

int FactorCount(const TFactorList& f) {
    int n = 0;
    while (n < kMaxFactors && !PolyIsZero(f[n])) {
        ++n;
    }
    return n;
}

std::string ListText(const TFactorList& f) {
    std::string s;
    for (int i = 0; i < FactorCount(f); ++i) {
        s += (i ? ", " : "") + PolyToText(f[i]);
    }
    return s;
}

TPolynomial Product(const TFactorList& f) {
    TPolynomial r;
    r = ConstantPolynomial({1, 1});
    for (int i = 0; i < FactorCount(f); ++i) {
        r = r * f[i];
    }
    return r;
}

TPolynomial FromInts(const std::vector<int>& c) { // from x^0 upwards
    TPolynomial p;
    for (std::size_t i = 0; i < c.size(); ++i) {
        p.SetCoeff(int(i), {c[i], 1});
    }
    p = Normalized(p);
    return p;
}

// The positive divisors of n != 0, for the small numbers of these tests.
std::vector<long> Divisors(long n) {
    n = n < 0 ? -n : n;
    std::vector<long> list;
    for (long d = 1; d <= n; ++d) {
        if (n % d == 0) {
            list.push_back(d);
        }
    }
    return list;
}

// True when the integer polynomial f has no root p/q with p | f0, q | lead.
bool HasNoRationalRoot(const TPolynomial& f) {
    for (long p : Divisors(f.Num(0).ToLong())) {
        for (long q : Divisors(f.Num(f.Degree()).ToLong())) {
            for (long sign : {1, -1}) {
                TPolynomial at;
                at.SetCoeff(0, {sign * p, q});
                TPolynomial value;
                value = Compose(f, at);
                if (PolyIsZero(value)) {
                    return false;
                }
            }
        }
    }
    return true;
}

// Every factor of degree 2 or 3 is irreducible over the rationals.
void ExpectIrreducible(const TFactorList& f) {
    for (int i = 0; i < FactorCount(f); ++i) {
        const TPolynomial& q = f[i];
        if (q.Degree() == 2) {
            TInteger root;
            EXPECT_FALSE(ExactSqrt(q.Num(1) * q.Num(1) - 4 * q.Num(2) * q.Num(0), root))
                << PolyToText(q);
        } else if (q.Degree() == 3) {
            EXPECT_TRUE(HasNoRationalRoot(q)) << PolyToText(q);
        }
    }
}

TEST(PolyFactor, Table) {
    struct Row {
        const char* p;
        const char* list;
    } rows[] = {
        // The examples the factorization window was designed with.
        {"x^2-5x+6", "x-2, x-3"},
        {"2x^2+4x+2", "2, x+1, x+1"},
        {"-x+1", "-1, x-1"},
        {"1/2x^2-2", "1/2, x-2, x+2"},
        {"x^2-9/4", "1/4, 2x+3, 2x-3"},
        {"6x^2+5x+1", "2x+1, 3x+1"},
        {"3x^2+3/2x", "3/2, x, 2x+1"},
        {"2x^3-2x", "2, x, x-1, x+1"},
        {"x^3-1", "x-1, x^2+x+1"},
        {"x^3-3x^2+3x-1", "x-1, x-1, x-1"},
        {"x^4-5x^2+4", "x-1, x+1, x-2, x+2"},
        {"x^4+3x^2+2", "x^2+1, x^2+2"},
        {"4x^4-1", "2x^2+1, 2x^2-1"},
        {"x^4+1", "x^4+1"},
        {"x^4-5x^3+6x^2", "x, x, x-2, x-3"},
        {"6", "6"},
        {"-4", "-4"},
        {"1", "1"},
        {"x", "x"},
        {"-1", "-1"},
        {"-3/4x", "-3/4, x"},
        {"x^2-1", "x-1, x+1"},
        {"-x^2+1", "-1, x-1, x+1"},
        {"x^4-1", "x-1, x+1, x^2+1"},
        {"x^4-5x^2+6", "x^2-2, x^2-3"},
        {"2x^2", "2, x, x"},
        // Roots are sought among the divisors of the constant term left once
        // the factors x are gone, not of the original constant 0.
        {"x^5-10x^4+31x^3-30x^2", "x, x, x-2, x-3, x-5"},
        {"x^4-4x^2", "x, x, x-2, x+2"},
        // Complete factoring of what the divisor search leaves.
        {"x^4+4", "x^2-2x+2, x^2+2x+2"},
        {"x^4+x^2+1", "x^2-x+1, x^2+x+1"},
        {"x^6-1", "x-1, x+1, x^2-x+1, x^2+x+1"},
        {"30x^3-31x^2+10x-1", "5x-1, 3x-1, 2x-1"},
        {"36x^4-13x^2+1", "2x+1, 2x-1, 3x+1, 3x-1"},
        {"16x^4-8x^2+1", "2x+1, 2x+1, 2x-1, 2x-1"},
        {"x^4+2x^3+3x^2+2x+1", "x^2+x+1, x^2+x+1"},
        {"4x^5-4x^4-3x^3+3x^2", "x, x, x-1, 4x^2-3"},
        {"x^3-2", "x^3-2"},
        {"x^5-x+1", "x^5-x+1"},
        {"1/3x^3-1/12x", "1/12, x, 2x+1, 2x-1"},
        // Two rational roots close together, -2/5 and -7/19.
        {"2280x^5-433x^4+367x^3+1562x^2+690x+84", "5x+2, 19x+7, 24x^3-23x^2+18x+6"},
        // Room for every factor of degree 10, and root tests that never overflow.
        {"3x^10-165x^8+3069x^6-22935x^4+63228x^2-43200",
         "3, x-1, x+1, x-2, x+2, x-3, x+3, x-4, x+4, x-5, x+5"},
        {"x^4+2095133040", "x^4+2095133040"},
        {"x^2-2095133040", "x^2-2095133040"},
        {"2147483647x^2-1", "2147483647x^2-1"},
        {"x-2147483647", "x-2147483647"},
        {"x^3+2147483647", "x^3+2147483647"},
        // Integer roots in divisor order at any size.
        {"1/21x^2+5/21x-1849114958/7", "1/21, x-74478, x+74483"},
        {"x^2-10000000000000000000000000000000000000000",
         "x-100000000000000000000, x+100000000000000000000"},
        // Coefficients beyond 32 bits, factors as a student would write them.
        {"1500000000x^3+1500055000x^2+110001/2x+1/2", "1/2, x+1, 50000x+1, 60000x+1"},
        {"1/3x^2-2147483647", "1/3, x^2-6442450941"},
        {"1/2x+1/4294967294", "1/4294967294, 2147483647x+1"},
        {"12345678901234567890x^2-1", "12345678901234567890x^2-1"},
        {"152415787532388367501905199875019052100x^2-1",
         "12345678901234567890x+1, 12345678901234567890x-1"},
        {"71377179/4x^4+1784429467/50x^3+1784429801/100x^2+621/50x+9",
         "1/100, x+1, 1784429475x^3+1784429459x^2+342x+900"},
    };
    for (const Row& row : rows) {
        TFactorList f;
        f = PolyFactor(P(row.p));
        EXPECT_EQ(ListText(f), row.list) << row.p;
        EXPECT_TRUE(Product(f) == P(row.p)) << row.p;
    }
}

TEST(PolyFactor, ZeroFails) {
    EXPECT_THROW(PolyFactor(TPolynomial{}), ZeroDivideError);
}

TEST(PolyGcdLcm, Table) {
    struct Row {
        const char* a;
        const char* b;
        const char* gcd;
        const char* lcm;
    } rows[] = {
        {"x^2+x-2", "x^2-x-6", "x+2", "x^3-2x^2-5x+6"},
        {"2x+2", "4x+4", "2x+2", "4x+4"},
        {"1/2x+1/2", "x+1", "x+1", "1/2x+1/2"},
        {"x^2-1", "x^2+2x+1", "x+1", "x^3+x^2-x-1"},
        {"x^3-1", "x^2-1", "x-1", "x^4+x^3-x-1"},
        {"x^2", "x", "x", "x^2"},
        {"x^2-4", "x^4-4x^2", "x^2-4", "x^4-4x^2"},
        {"6", "4", "2", "12"},
        {"-x+1", "-2x+2", "x-1", "2x-2"},
        {"-6x^2+6", "4x+4", "2x+2", "-12x^2+12"},
        {"x^2+1", "x^2+2", "1", "x^4+3x^2+2"},
        {"x^4+4", "x^3+2x^2+2x", "x^2+2x+2", "x^5+4x"},
    };
    for (const Row& row : rows) {
        TPolynomial g;
        TPolynomial l;
        g = PolyGcd(P(row.a), P(row.b));
        l = PolyLcm(P(row.a), P(row.b));
        EXPECT_EQ(PolyToText(g), row.gcd) << row.a << " / " << row.b;
        EXPECT_EQ(PolyToText(l), row.lcm) << row.a << " / " << row.b;
    }
    EXPECT_THROW(PolyGcd(P("x"), TPolynomial{}), ZeroDivideError);
    EXPECT_THROW(PolyLcm(TPolynomial{}, P("x")), ZeroDivideError);
    EXPECT_THROW(PolyLcm(P("x^6+1"), P("x^5+2")), DegreeError);
}

// A random integer factor: linear p1 x + p0 with p1 > 0, or an irreducible
// quadratic; small enough that a product of degree 10 fits.
std::vector<int> RandomFactor(std::mt19937& rng, bool quadratic, int size) {
    std::uniform_int_distribution<int> coef(-size, size);
    std::uniform_int_distribution<int> lead(1, 3);
    for (;;) {
        std::vector<int> c = quadratic ? std::vector<int>{coef(rng), coef(rng), lead(rng)}
                                       : std::vector<int>{coef(rng), lead(rng)};
        int g = 0;
        for (int v : c) {
            g = std::gcd(g, v);
        }
        if (g != 1 || c[0] == 0) {
            continue;
        }
        if (quadratic) {
            const long long disc = 1LL * c[1] * c[1] - 4LL * c[2] * c[0];
            const long long root = disc < 0 ? -1 : llround(std::sqrt(double(disc)));
            if (root * root == disc) {
                continue;
            }
        }
        return c;
    }
}

// Products of random irreducible linear and quadratic factors come apart
// into exactly those factors, with their product unchanged.
TEST(PolyFactor, RecoversRandomProducts) {
    std::mt19937 rng(4);
    for (int trial = 0; trial < 400; ++trial) {
        TPolynomial p;
        p = ConstantPolynomial({std::uniform_int_distribution<int>(-3, 3)(rng) | 1, 1});
        int degree = 0;
        int factors = 0;
        const int target = std::uniform_int_distribution<int>(2, 10)(rng);
        while (degree < target) {
            const bool quadratic = degree + 2 <= target && rng() % 2 == 0;
            TPolynomial q = FromInts(RandomFactor(rng, quadratic, degree > 6 ? 3 : 6));
            p = p * q;
            degree += q.Degree();
            ++factors;
        }
        TFactorList f;
        f = PolyFactor(p);
        SCOPED_TRACE(PolyToText(p) + " -> " + ListText(f));
        EXPECT_TRUE(Product(f) == p);
        EXPECT_EQ(FactorCount(f) - (f[0].Degree() == 0 ? 1 : 0), factors);
        ExpectIrreducible(f);
        // Equal factors stand side by side.
        for (int i = 0; i < FactorCount(f); ++i) {
            for (int j = i + 2; j < FactorCount(f); ++j) {
                if (f[i] == f[j]) {
                    EXPECT_TRUE(f[i] == f[j - 1]);
                }
            }
        }
    }
}

// Every product of two quadratics with small coefficients (reducible ones
// included) splits completely: the factoring of quartics is complete.
TEST(PolyFactor, QuarticsSplitCompletely) {
    std::vector<std::vector<int>> quadratics;
    for (int a = 1; a <= 3; ++a) {
        for (int b = -3; b <= 3; ++b) {
            for (int c = -3; c <= 3; ++c) {
                if (c != 0 && std::gcd(std::gcd(a, b), c) == 1) {
                    quadratics.push_back({c, b, a});
                }
            }
        }
    }
    auto pieces = [](const std::vector<int>& q) {
        const int disc = q[1] * q[1] - 4 * q[2] * q[0];
        const int root = disc < 0 ? -1 : int(std::lround(std::sqrt(double(disc))));
        return root * root == disc ? 2 : 1;
    };
    for (std::size_t i = 0; i < quadratics.size(); ++i) {
        for (std::size_t j = i; j < quadratics.size(); ++j) {
            TPolynomial p;
            p = FromInts(quadratics[i]) * FromInts(quadratics[j]);
            TFactorList f;
            f = PolyFactor(p);
            ASSERT_EQ(FactorCount(f) - (f[0].Degree() == 0 ? 1 : 0),
                      pieces(quadratics[i]) + pieces(quadratics[j]))
                << PolyToText(p) << " -> " << ListText(f);
        }
    }
    // Large coefficients: two irreducible quadratics near the 32-bit limit of the product.
    std::mt19937 rng(44);
    for (int trial = 0; trial < 300; ++trial) {
        TPolynomial a = FromInts(RandomFactor(rng, true, 20000));
        TPolynomial b = FromInts(RandomFactor(rng, true, 20000));
        TPolynomial p;
        p = a * b;
        TFactorList f;
        f = PolyFactor(p);
        ASSERT_EQ(FactorCount(f) - (f[0].Degree() == 0 ? 1 : 0), 2)
            << PolyToText(p) << " -> " << ListText(f);
        EXPECT_TRUE(Product(f) == p);
    }
}

TEST(PolyGcdLcm, RandomProperties) {
    std::mt19937 rng(7);
    auto randomPoly = [&](int degree) {
        std::vector<int> c(degree + 1);
        for (int& v : c) {
            v = std::uniform_int_distribution<int>(-9, 9)(rng);
        }
        c[degree] = std::uniform_int_distribution<int>(1, 5)(rng);
        return FromInts(c);
    };
    for (int trial = 0; trial < 300; ++trial) {
        // a and b coprime: products of x - r over disjoint sets of r.
        TPolynomial a;
        TPolynomial b;
        a = ConstantPolynomial({1, 1});
        b = ConstantPolynomial({1, 1});
        for (int r = -4; r <= 4; ++r) {
            const int pick = int(rng() % 3);
            if (pick < 2) {
                pick == 0 ? a : b = (pick == 0 ? a : b) * FromInts({-r, 1});
            }
        }
        TPolynomial c = randomPoly(int(rng() % 2));
        TFactorList cf;
        cf = PolyFactor(c);
        if (cf[0].Degree() == 0 || a.Degree() + c.Degree() > 10 || b.Degree() + c.Degree() > 10) {
            continue; // c primitive with positive leading coefficient
        }
        TPolynomial ac;
        TPolynomial bc;
        ac = a * c;
        bc = b * c;
        TPolynomial g;
        g = PolyGcd(ac, bc);
        EXPECT_TRUE(g == c) << PolyToText(ac) << " / " << PolyToText(bc);

        // For any a and b: g divides both, the lcm is divisible by both.
        TPolynomial x = randomPoly(int(rng() % 4) + 1);
        TPolynomial y = randomPoly(int(rng() % 5) + 1);
        x = x * c;
        TPolynomial l;
        g = PolyGcd(x, y);
        l = PolyLcm(x, y);
        for (const TPolynomial& dividend : {x, y}) {
            EXPECT_TRUE(PolyIsZero(DivMod(dividend, g).Remainder));
            EXPECT_TRUE(PolyIsZero(DivMod(l, dividend).Remainder));
        }
    }
}

} // namespace
