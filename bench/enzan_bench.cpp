// SPDX-License-Identifier: GPL-3.0-or-later
// The slowest inputs of the power, gcd and lcm buttons of the four-operations
// window: constant powers just inside and just past 500 digits, the largest
// exponents, degree 10, and gcds and lcms that factor quintics with a constant
// term of 1600 divisors or ten integer roots.
#include "Errors.h"
#include "Messages.h"
#include "PolyOperations.h"
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

// f^n and its text, with n typed as the constant g(x) = n.
void Power(benchmark::State& state, TPolynomial f, std::int32_t n) {
    TPolynomial g;
    g = ConstantPolynomial({n, 1});
    for (auto _ : state) {
        const TOutcome<TPower> power = PowerOf(f, g);
        if (!power.Answer) {
            state.SkipWithError(WarningText(power.Warnings.back()));
            break;
        }
        benchmark::DoNotOptimize(PowerText(*power.Answer));
    }
}

// A power whose degree would pass 10: the time to refuse it.
void PowerRefused(benchmark::State& state, TPolynomial f, std::int32_t n) {
    TPolynomial g;
    g = ConstantPolynomial({n, 1});
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(PowerOf(f, g));
        } catch (const DegreeError&) {
        }
    }
}

void Gcd(benchmark::State& state, TPolynomial f, TPolynomial g) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CommonText(GcdOf(f, g)));
    }
}

void Lcm(benchmark::State& state, TPolynomial f, TPolynomial g) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CommonText(LcmOf(f, g)));
    }
}

constexpr std::int32_t kLargest = 2147483647;

// Both parts near 500 digits: 53 squarings and products of 495-digit numbers each.
BENCHMARK_CAPTURE(Power, FractionNear500Digits, Product({"2147483647/2147483646"}), 53);
BENCHMARK_CAPTURE(Power, FractionNear500DigitsInverse, Product({"2147483647/2147483646"}), -53);
// An exponent of ten one-bits: nine squarings and nine products.
BENCHMARK_CAPTURE(Power, AllBitsSet, Product({"3"}), 1023);
BENCHMARK_CAPTURE(Power, Exactly500Digits, Product({"10"}), 499);
// Past 500 digits only at the very last product, after all the work.
BENCHMARK_CAPTURE(Power, OverflowAtLastProduct, Product({"3"}), 1048);
BENCHMARK_CAPTURE(Power, OverflowLargestExponent, Product({"2"}), kLargest);
BENCHMARK_CAPTURE(Power, OverflowLargestFraction, Product({"2147483647/2147483646"}), -kLargest);
BENCHMARK_CAPTURE(Power, MinusOneLargestExponent, Product({"-1"}), kLargest);
BENCHMARK_CAPTURE(Power, Degree10, Product({"2x-3"}), 10);
BENCHMARK_CAPTURE(Power, Degree10Inverse, Product({"x^5-x^4+x^3-x^2+x-1"}), -2);
BENCHMARK_CAPTURE(PowerRefused, DegreeLargestExponent, Product({"x^2+1"}), kLargest);

BENCHMARK_CAPTURE(Gcd, CoprimeManyDivisors, Product({"x^5-x+2095133040"}),
                  Product({"x^5+x^4+2095133040"}));
// The gcd is the quintic itself, which is factored against 3200 candidates.
BENCHMARK_CAPTURE(Gcd, CommonQuinticManyDivisors, Product({"x^5+x+2095133040"}),
                  Product({"-x^5-x-2095133040"}));
BENCHMARK_CAPTURE(Gcd, FiveCommonRoots, Product({"x-1", "x+1", "x-2", "x+2", "x-3"}),
                  Product({"x-3", "x+2", "x-2", "x+1", "x-1"}));
BENCHMARK_CAPTURE(Gcd, LargeCoefficients, Product({"2147483647x^5+2147483629x+2147483587"}),
                  Product({"2147483629x^5-2147483587x^2+2147483647"}));
BENCHMARK_CAPTURE(Lcm, TenIntegerRoots, Product({"x-1", "x+1", "x-2", "x+2", "x-3"}),
                  Product({"x+3", "x-4", "x+4", "x-5", "x+5"}));
BENCHMARK_CAPTURE(Lcm, CoprimeManyDivisors, Product({"x^5+2095133040"}), Product({"x^5-x+1"}));
BENCHMARK_CAPTURE(Lcm, TwoQuintics, Product({"x^5-x+1"}), Product({"x^5+3x^2-2"}));
BENCHMARK_CAPTURE(Lcm, FiveQuadraticsHalf, Product({"x^2+1", "x^2+x+1", "x-7"}),
                  Product({"x^2+2", "x^2-x+1", "x+7"}));

} // namespace
