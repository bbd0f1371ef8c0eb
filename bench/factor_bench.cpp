// SPDX-License-Identifier: GPL-3.0-or-later
// The slowest factoring, gcd and lcm inputs we can construct: a constant
// term with 1600 divisors, large primes, degree 10 with many roots or with
// nothing but irreducible quadratics, and quartics with large coefficients.
#include "PolyFactor.h"
#include "Polynomial.h"

#include <benchmark/benchmark.h>

#include <initializer_list>

using namespace arith;

namespace {

TPolynomial Product(std::initializer_list<const char*> factors) {
    TPolynomial r;
    r = ConstantPolynomial({1, 1});
    for (const char* text : factors) {
        TPolynomial f;
        ParsePolynomial(text, 'x', f);
        r = r * f;
    }
    return r;
}

void Factor(benchmark::State& state, TPolynomial p) {
    TFactorList f;
    for (auto _ : state) {
        f = PolyFactor(p);
        benchmark::DoNotOptimize(f);
    }
}

void Gcd(benchmark::State& state, TPolynomial a, TPolynomial b) {
    TPolynomial g;
    for (auto _ : state) {
        g = PolyGcd(a, b);
        benchmark::DoNotOptimize(g);
    }
}

void Lcm(benchmark::State& state, TPolynomial a, TPolynomial b) {
    TPolynomial l;
    for (auto _ : state) {
        l = PolyLcm(a, b);
        benchmark::DoNotOptimize(l);
    }
}

BENCHMARK_CAPTURE(Factor, QuarticManyDivisors, Product({"x^4+2095133040"}));
BENCHMARK_CAPTURE(Factor, QuadraticManyDivisors, Product({"x^2-2095133040"}));
BENCHMARK_CAPTURE(Factor, SplitManyDivisors, Product({"45360x+3", "46189x+5"}));
BENCHMARK_CAPTURE(Factor, LargePrimes, Product({"2147483647x^3+2147483629x+2147483587"}));
BENCHMARK_CAPTURE(Factor, LargePrimeRoot, Product({"x-2147483647"}));
BENCHMARK_CAPTURE(Factor, TenIntegerRoots,
                  Product({"x-1", "x+1", "x-2", "x+2", "x-3", "x+3", "x-4", "x+4", "x-5", "x+5"}));
BENCHMARK_CAPTURE(Factor, RepeatedRoots,
                  Product({"x-1", "x-1", "x-1", "x-1", "x-1", "x+2", "x+2", "x+2", "x+2", "x+2"}));
BENCHMARK_CAPTURE(Factor, TenRationalRoots,
                  Product({"2x-1", "3x-1", "5x+1", "7x-2", "2x+3", "3x+2", "4x-3", "5x-2", "x-7",
                           "6x+5"}));
BENCHMARK_CAPTURE(Factor, FiveQuadratics,
                  Product({"x^2+1", "x^2+2", "x^2+x+1", "x^2-x+1", "2x^2+3x+5"}));
BENCHMARK_CAPTURE(Factor, TwoQuintics, Product({"x^5-x+1", "x^5+3x^2-2"}));
BENCHMARK_CAPTURE(Factor, IrreducibleDegree10, Product({"x^10-x^9+3x^4-7x+2095133040"}));
BENCHMARK_CAPTURE(Factor, TenRealIrrationalRoots,
                  Product({"512x^10-1280x^8+1120x^6-400x^4+50x^2-1"}));
BENCHMARK_CAPTURE(Factor, LeadingManyDivisors, Product({"2095133040x^10-x^9-x-2095133039"}));
BENCHMARK_CAPTURE(Factor, RepeatedQuadratics,
                  Product({"x^2+x+1", "x^2+x+1", "x^2+x+1", "x^2+3", "x^2+3"}));
BENCHMARK_CAPTURE(Factor, QuarticLargeCoefficients,
                  Product({"19997x^2+15001x+19993", "19991x^2-17003x+19979"}));
BENCHMARK_CAPTURE(Factor, QuarticLargeLeading, Product({"46337x^2+1", "46327x^2-46301x+3"}));
BENCHMARK_CAPTURE(Factor, QuarticInSquareLarge, Product({"x^4+1234567890"}));

BENCHMARK_CAPTURE(Gcd, CoprimeDegree10, Product({"x^10-x^9+3x^4-7x+2095133040"}),
                  Product({"2147483647x^10+x^3-2147483629"}));
BENCHMARK_CAPTURE(Gcd, CommonQuadratic, Product({"x^2+x+1", "x^4+4", "2x^3-7x+1"}),
                  Product({"x^2+x+1", "x^4+1", "3x^3+5x-2", "x-9"}));
BENCHMARK_CAPTURE(Gcd, LargeCommonFactor, Product({"46337x^2+46301x+46327", "x^3-2"}),
                  Product({"46337x^2+46301x+46327", "x^3+2"}));
BENCHMARK_CAPTURE(Lcm, CommonQuadratic, Product({"x^2+x+1", "x^3+4"}),
                  Product({"x^2+x+1", "x^4+1"}));
BENCHMARK_CAPTURE(Lcm, Coprime, Product({"x^5+2095133040"}), Product({"x^5-x+1"}));

} // namespace
