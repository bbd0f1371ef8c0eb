// SPDX-License-Identifier: GPL-3.0-or-later
// FLINT's own factoring, fmpz_poly_factor, on the polynomials that
// factor_bench and the factorization window factor: the floor under
// Vorantel's factorizations, which add the content, the order of the factors
// and the answer text around it. Built straight from the coefficients, apart
// from Vorantel's reader and polynomial arithmetic.
#include <flint/fmpq.h>
#include <flint/fmpq_poly.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

// One integer polynomial that owns its FLINT value.
class TFlintPoly {
public:
    TFlintPoly() { fmpz_poly_init(P); }
    TFlintPoly(const TFlintPoly& other) {
        fmpz_poly_init(P);
        fmpz_poly_set(P, other.P);
    }
    TFlintPoly& operator=(const TFlintPoly&) = delete;
    ~TFlintPoly() { fmpz_poly_clear(P); }

    fmpz_poly_t P;
};

// A factor's coefficients from the leading one down, separated by spaces;
// a coefficient may be a fraction ("7/3").
void ReadFactor(const std::string& text, fmpq_poly_t f) {
    std::istringstream in(text);
    std::string word;
    fmpq_poly_zero(f);
    fmpq_t c;
    fmpq_init(c);
    while (in >> word) {
        if (fmpq_set_str(c, word.c_str(), 10) != 0) {
            fmpq_clear(c);
            throw std::invalid_argument("not a coefficient: " + word);
        }
        fmpq_poly_shift_left(f, f, 1);
        fmpq_poly_add_fmpq(f, f, c);
    }
    fmpq_clear(c);
}

// The product of the factors with its denominators cleared.
TFlintPoly Product(std::initializer_list<const char*> factors) {
    fmpq_poly_t product;
    fmpq_poly_t f;
    fmpq_poly_init(product);
    fmpq_poly_init(f);
    fmpq_poly_one(product);
    for (const char* text : factors) {
        ReadFactor(text, f);
        fmpq_poly_mul(product, product, f);
    }
    TFlintPoly p;
    fmpq_poly_get_numerator(p.P, product);
    fmpq_poly_clear(f);
    fmpq_poly_clear(product);
    return p;
}

void FlintFactor(benchmark::State& state, TFlintPoly p) {
    slong count = 0;
    for (auto _ : state) {
        fmpz_poly_factor_t found;
        fmpz_poly_factor_init(found);
        fmpz_poly_factor(found, p.P);
        count = found->num;
        benchmark::DoNotOptimize(found->p);
        fmpz_poly_factor_clear(found);
    }
    state.SetLabel(std::to_string(count) + " distinct factors");
}

BENCHMARK_CAPTURE(FlintFactor, QuarticManyDivisors, Product({"1 0 0 0 2095133040"}));
BENCHMARK_CAPTURE(FlintFactor, SplitManyDivisors, Product({"45360 3", "46189 5"}));
BENCHMARK_CAPTURE(FlintFactor, LargePrimes, Product({"2147483647 0 2147483629 2147483587"}));
BENCHMARK_CAPTURE(FlintFactor, TenIntegerRoots,
                  Product({"1 -1", "1 1", "1 -2", "1 2", "1 -3", "1 3", "1 -4", "1 4", "1 -5",
                           "1 5"}));
BENCHMARK_CAPTURE(FlintFactor, TenRationalRoots,
                  Product({"2 -1", "3 -1", "5 1", "7 -2", "2 3", "3 2", "4 -3", "5 -2", "1 -7",
                           "6 5"}));
BENCHMARK_CAPTURE(FlintFactor, FiveQuadratics,
                  Product({"1 0 1", "1 0 2", "1 1 1", "1 -1 1", "2 3 5"}));
BENCHMARK_CAPTURE(FlintFactor, TwoQuintics, Product({"1 0 0 0 -1 1", "1 0 0 3 0 -2"}));
BENCHMARK_CAPTURE(FlintFactor, IrreducibleDegree10, Product({"1 -1 0 0 0 0 3 0 0 -7 2095133040"}));
BENCHMARK_CAPTURE(FlintFactor, TenRealIrrationalRoots,
                  Product({"512 0 -1280 0 1120 0 -400 0 50 0 -1"}));
BENCHMARK_CAPTURE(FlintFactor, QuarticLargeCoefficients,
                  Product({"19997 15001 19993", "19991 -17003 19979"}));
// The factorization window's slowest input.
BENCHMARK_CAPTURE(FlintFactor, WindowManyCandidates, Product({"2147483646 1 -7 3 2095133040"}));

} // namespace
