// SPDX-License-Identifier: GPL-3.0-or-later
// Signed integers of any size, for the few calculations whose intermediate
// values outgrow 128 bits although their answers fit in 32 (determinants of
// fraction matrices). Only what those need: +, -, *, gcd and exact division.
#pragma once

#include <compare>
#include <cstdint>
#include <vector>

namespace arith {

class TBigInt {
public:
    TBigInt() = default;
    TBigInt(std::int64_t value); // NOLINT: integers convert implicitly, as built-in ones do

    bool IsZero() const { return limbs_.empty(); }
    bool IsNegative() const { return negative_; }

    friend TBigInt operator+(const TBigInt& a, const TBigInt& b);
    friend TBigInt operator-(const TBigInt& a, const TBigInt& b);
    friend TBigInt operator*(const TBigInt& a, const TBigInt& b);
    TBigInt operator-() const;
    friend bool operator==(const TBigInt& a, const TBigInt& b) = default;

    // The greatest common divisor of |a| and |b| (0 only when both are 0).
    friend TBigInt Gcd(TBigInt a, TBigInt b);
    // a / b where b divides a exactly and b is not zero.
    friend TBigInt DivideExact(const TBigInt& a, const TBigInt& b);

    // The value as a 32-bit integer; OverflowError beyond +-(2^31 - 1).
    std::int32_t ToInt32() const;

private:
    using TLimbs = std::vector<std::uint32_t>; // magnitude, least significant limb first

    static int CompareMagnitude(const TLimbs& a, const TLimbs& b);
    static TLimbs AddMagnitude(const TLimbs& a, const TLimbs& b);
    static TLimbs SubMagnitude(const TLimbs& a, const TLimbs& b); // needs |a| >= |b|
    static void Trim(TLimbs& limbs);
    static TBigInt Signed(TLimbs limbs, bool negative);

    TLimbs limbs_;
    bool negative_ = false; // never set for zero
};

} // namespace arith
