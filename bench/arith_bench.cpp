// SPDX-License-Identifier: GPL-3.0-or-later
// The slowest inputs we can construct for the exact arithmetic: values near
// 2^31, consecutive Fibonacci numbers (the longest Euclid runs), large primes,
// degree 10, and numbers of 40 digits.
#include "Polynomial.h"
#include "Rational.h"

#include <benchmark/benchmark.h>

using namespace arith;

namespace {

constexpr std::int32_t kFibA = 1836311903; // F(46), the largest Fibonacci number in 31 bits
constexpr std::int32_t kFibB = 1134903170; // F(45)
constexpr std::int32_t kPrime = 2147483647;
constexpr std::int32_t kManyDivisors = 2095133040; // 2^4 3^4 5 7 11 13 17 19: 1600 divisors

TPolynomial Read(const char* text) {
    TPolynomial p;
    ParsePolynomial(text, 'x', p);
    return p;
}

void IntGcdFibonacci(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(IntGcd(kFibA, kFibB));
    }
}
BENCHMARK(IntGcdFibonacci);

void IntLcmManyDivisors(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(IntLcm(kManyDivisors, 720720));
    }
}
BENCHMARK(IntLcmManyDivisors);

void RatAddNear2To31(benchmark::State& state) {
    TRational a{kFibA, kFibB}, b{-(kFibA - 1), kFibB}, r;
    for (auto _ : state) {
        r = a + b;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(RatAddNear2To31);

void RatMulPrimes(benchmark::State& state) {
    TRational a{kPrime, kFibB}, b{kFibB, kPrime - 1}, r;
    for (auto _ : state) {
        r = a * b;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(RatMulPrimes);

void PolyMulDegree10(benchmark::State& state) {
    TPolynomial a = Read("7919/2x^5-7907x^4+7901x^3-7883x^2+7877x-7873");
    TPolynomial b = Read("7867x^5+7853/3x^4-7841x^3+7829x^2-7823x+7817");
    TPolynomial r;
    for (auto _ : state) {
        r = a * b;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(PolyMulDegree10);

void PolyDivModDegree10ByLinear(benchmark::State& state) {
    TPolynomial a = Read("x^10-3/2x^9+x^8-5/3x^7+x^6-x^5+2/5x^4-x^3+x^2-7/3x+1");
    TPolynomial b = Read("2x-3");
    for (auto _ : state) {
        TPolyDivision d = DivMod(a, b);
        benchmark::DoNotOptimize(d.Quotient);
    }
}
BENCHMARK(PolyDivModDegree10ByLinear);

void PolyDivModDegree10ByQuintic(benchmark::State& state) {
    TPolynomial a = Read("7x^10-3x^9+11x^8-5x^7+x^6-13x^5+2x^4-x^3+17x^2-7x+19");
    TPolynomial b = Read("2x^5-3x^4+5x^3-7x^2+11x-13");
    for (auto _ : state) {
        TPolyDivision d = DivMod(a, b);
        benchmark::DoNotOptimize(d.Remainder);
    }
}
BENCHMARK(PolyDivModDegree10ByQuintic);

void PolyPowerDegree10(benchmark::State& state) {
    TPolynomial base = Read("x+7"), e, r;
    e = ConstantPolynomial({10, 1});
    for (auto _ : state) {
        r = Power(base, e);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(PolyPowerDegree10);

void PolyPowerHugeExponent(benchmark::State& state) {
    TPolynomial base = Read("-1"), e, r;
    e = ConstantPolynomial({kPrime, 1});
    for (auto _ : state) {
        r = Power(base, e);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(PolyPowerHugeExponent);

void PolyComposeDegree10(benchmark::State& state) {
    TPolynomial f = Read("x^5-2x^4+3x^3-4x^2+5x-6"), g = Read("x^2-x+1"), r;
    for (auto _ : state) {
        r = Compose(f, g);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(PolyComposeDegree10);

void PolyComposeEvaluateNear2To31(benchmark::State& state) {
    TPolynomial f = Read("x^10-x^9+x^8-x^7+x^6-x^5+x^4-x^3+x^2-x+1"), g = Read("1/8"), r;
    for (auto _ : state) {
        r = Compose(f, g);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(PolyComposeEvaluateNear2To31);

void ParsePolynomialDegree10(benchmark::State& state) {
    const std::string text =
        "-2147483647/2147483646n^10+1836311903/1134903170n^9-n^8+n^7-n^6+n^5-n^4+n^3-n^2+n-1";
    TPolynomial p;
    for (auto _ : state) {
        ParsePolynomial(text, 'n', p);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(ParsePolynomialDegree10);

// Fractions of 40-digit integers, the largest the differential test types.
void RatAddFortyDigits(benchmark::State& state) {
    TRational a;
    TRational b;
    ParseRational("-1234567890123456789012345678901234567891/9876543210987654321098765432109876543",
                  a);
    ParseRational("9876543210987654321098765432109876543211/1234567890123456789012345678901234567",
                  b);
    TRational r;
    for (auto _ : state) {
        r = a + b;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(RatAddFortyDigits);

void PolyMulFortyDigits(benchmark::State& state) {
    const TPolynomial a =
        Read("1234567890123456789012345678901234567891x^5-98765432109876543210987654321/"
             "12345678901234567890123x^2+1");
    const TPolynomial b = Read("-9876543210987654321098765432109876543211x^5+3/7x+"
                               "1111111111111111111111111111111111111111");
    TPolynomial r;
    for (auto _ : state) {
        r = a * b;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(PolyMulFortyDigits);

} // namespace
