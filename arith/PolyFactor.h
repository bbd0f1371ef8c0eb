// Factoring of polynomials over the rationals, and their gcd and lcm.
#pragma once

#include "Polynomial.h"

#include <array>
#include <cstdint>

// Every divisor of an int32 as 1, -1, d2, -d2, ... by increasing size; an
// int32 has at most 1600 positive divisors.
inline constexpr int kMaxDivisors = 3200;
struct TDivisorList {
    std::int32_t Count = 0;
    std::array<std::int32_t, kMaxDivisors> Items{};
};

// Content, up to ten factors, and room for the zero polynomial that ends the list.
inline constexpr int kMaxFactors = 12;
using TFactorList = std::array<TPolynomial, kMaxFactors>;

void IntDivisors(std::int32_t n, TDivisorList& list);
void PolyFactor(TPolynomial p, TFactorList& f); // p must not be zero
void PolySplitQuadratic(TPolynomial q, TPolynomial& s, TPolynomial& t);
void PolyGcd(TPolynomial a, TPolynomial b, TPolynomial& g);
void PolyLcm(TPolynomial a, TPolynomial b, TPolynomial& l);
