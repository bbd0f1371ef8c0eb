// SPDX-License-Identifier: GPL-3.0-or-later
// The slowest calculations of the factorization, quadratic and higher-degree
// equation windows: the root formula with coefficients near 2^31 and
// discriminants near 2^62 and above 2^64 (squared large primes, and products
// of two large primes that end in the overflow failure), and factoring with
// its text for degree 4 with large coefficients.
#include "Equations.h"
#include "Errors.h"
#include "Factorization.h"
#include "Messages.h"
#include "PolyFactor.h"
#include "Quadratic.h"

#include <benchmark/benchmark.h>

#include <cstdint>

using namespace arith;

namespace {

TPolynomial Read(const char* text) {
    TPolynomial p;
    ParsePolynomial(text, 'x', p);
    return p;
}

TPolynomial Quadratic(std::int32_t a, std::int32_t b, std::int32_t c) {
    TPolynomial p;
    p.SetCoeff(0, {c, 1});
    p.SetCoeff(1, {b, 1});
    p.SetCoeff(2, {a, 1});
    p = Normalized(p);
    return p;
}

// The root formula and its text, which the equation windows apply to every
// irreducible quadratic factor; an overflow ends it.
void SolveQuadratic(benchmark::State& state, TPolynomial p) {
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(QuadRootsToText(QuadFormula(p)));
        } catch (const OverflowError&) {
            benchmark::DoNotOptimize(p);
        }
    }
}

BENCHMARK_CAPTURE(SolveQuadratic, SmallDiscriminant, Quadratic(1, 300, 1));
// 2^32 - 4 = 2^2 3^2 7 11 31 151 331.
BENCHMARK_CAPTURE(SolveQuadratic, Discriminant2To32, Quadratic(1, 65536, 1));
// 1048583^2 * 2097169, about 2^61: the squared prime lies above 2^16.
BENCHMARK_CAPTURE(SolveQuadratic, SquaredLargePrime, Quadratic(1, 1518516543, 943851152));
// 3201329309 * 1440553333, about 2^62: overflow.
BENCHMARK_CAPTURE(SolveQuadratic, TwoLargePrimes2To62, Quadratic(1, 2147483551, -1073741824));
// 6125826953 * 3764133413, above 2^64: overflow.
BENCHMARK_CAPTURE(SolveQuadratic, TwoLargePrimesAbove2To64,
                  Quadratic(2147483645, 2147483647, -2147483631));
// 3 * 715827881 * 2147483647, about 2^62: overflow.
BENCHMARK_CAPTURE(SolveQuadratic, AllNear2To31, Quadratic(1, 2147483647, 2147483647));
// A common factor near 2^31 that cancels.
BENCHMARK_CAPTURE(SolveQuadratic, CommonFactor, Quadratic(2147483647, 2147483647, 2147483647));

// The factorization window: the factor list and its text.
void FactorToText(benchmark::State& state, TPolynomial p) {
    for (auto _ : state) {
        const TOutcome<TFactorList> factors = Factorize(p);
        if (!factors.Answer) {
            state.SkipWithError(WarningText(factors.Warnings.back()));
            break;
        }
        benchmark::DoNotOptimize(FactorListToText(*factors.Answer, 'x'));
    }
}

// The higher-degree window: factoring, the roots of every factor and their text.
void FactorToRoots(benchmark::State& state, TPolynomial p) {
    for (auto _ : state) {
        try {
            const TOutcome<TEquationRoots> roots = SolveByFactoring(p);
            if (!roots.Answer) {
                state.SkipWithError(WarningText(roots.Warnings.back()));
                break;
            }
            benchmark::DoNotOptimize(RootsText(*roots.Answer, false));
        } catch (const OverflowError&) {
            benchmark::DoNotOptimize(p);
        }
    }
}

// 2095133040 has 1600 divisors, 2147483646 has 192.
const char* const kManyCandidates = "2147483646x^4+1x^3-7x^2+3x+2095133040";
const char* const kFourRoots = "30x^4-61x^3+41x^2-11x+1";
const char* const kTwoQuadratics = "x^4+x^2+1";
// (32749x^2 + 3x + 32719)(32717x^2 - 5x + 32713)
const char* const kLargeQuadratics = "1071449033x^4-65594x^3+2141785545x^2-65456x+1070336647";
const char* const kIrreducible = "2147483647x^4-2147483629x^3+2147483587x^2-2147483579x+2147483563";

BENCHMARK_CAPTURE(FactorToText, ManyCandidates, Read(kManyCandidates));
BENCHMARK_CAPTURE(FactorToText, FourRoots, Read(kFourRoots));
BENCHMARK_CAPTURE(FactorToText, TwoQuadratics, Read(kTwoQuadratics));
BENCHMARK_CAPTURE(FactorToText, LargeQuadratics, Read(kLargeQuadratics));
BENCHMARK_CAPTURE(FactorToText, Irreducible, Read(kIrreducible));
BENCHMARK_CAPTURE(FactorToRoots, ManyCandidates, Read(kManyCandidates));
BENCHMARK_CAPTURE(FactorToRoots, FourRoots, Read(kFourRoots));
BENCHMARK_CAPTURE(FactorToRoots, TwoQuadratics, Read(kTwoQuadratics));
BENCHMARK_CAPTURE(FactorToRoots, LargeQuadratics, Read(kLargeQuadratics));
BENCHMARK_CAPTURE(FactorToRoots, Irreducible, Read(kIrreducible));

} // namespace
