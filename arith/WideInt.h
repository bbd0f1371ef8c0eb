// SPDX-License-Identifier: GPL-3.0-or-later
// The 128-bit helpers that every exact routine rests on: checked products and
// sums, the gcd, the integer square root, and narrowing to 32 bits.
//
// Checked results stay within +-(2^127 - 1), so negating one is always safe;
// a value beyond that is abandoned with OverflowError, never wrapped.
#pragma once

#include <cstdint>

namespace arith {

using Wide = __int128;
using UWide = unsigned __int128;

inline constexpr Wide kWideMax = static_cast<Wide>(~static_cast<UWide>(0) >> 1);
inline constexpr std::int64_t kIntLimit = 2147483647; // largest magnitude a 32-bit field holds

inline Wide WideAbs(Wide v) {
    return v < 0 ? -v : v;
}
inline UWide WideMagnitude(Wide v) {
    return v < 0 ? UWide(0) - UWide(v) : UWide(v);
}

// Greatest common divisor of |a| and |b|; gcd(0, 0) = 0.
UWide WideGcd(UWide a, UWide b);
Wide WideGcd(Wide a, Wide b);

// a b and a + b, false when the exact result leaves +-(2^127 - 1).
bool WideMul(Wide a, Wide b, Wide& r);
bool WideAdd(Wide a, Wide b, Wide& r);
// The same, throwing OverflowError instead.
Wide CheckedMul(Wide a, Wide b);
Wide CheckedAdd(Wide a, Wide b);

// floor(sqrt(n)), and whether v >= 0 is a perfect square (its root in root).
UWide FloorSqrt(UWide n);
bool ExactSqrt(Wide v, Wide& root);

// Narrows an exact wide value to 32 bits, throwing OverflowError beyond +-(2^31 - 1).
std::int32_t CheckedInt(Wide value);

} // namespace arith
