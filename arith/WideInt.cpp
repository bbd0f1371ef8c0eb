// SPDX-License-Identifier: GPL-3.0-or-later
#include "WideInt.h"

#include "Errors.h"

#include <cmath>

namespace arith {

UWide WideGcd(UWide a, UWide b) {
    // 64-bit division is several times faster, and almost every value fits.
    if ((a >> 64) == 0 && (b >> 64) == 0) {
        auto x = static_cast<std::uint64_t>(a);
        auto y = static_cast<std::uint64_t>(b);
        while (y != 0) {
            const std::uint64_t t = x % y;
            x = y;
            y = t;
        }
        return x;
    }
    while (b != 0) {
        const UWide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

Wide WideGcd(Wide a, Wide b) {
    return static_cast<Wide>(WideGcd(WideMagnitude(a), WideMagnitude(b)));
}

bool WideMul(Wide a, Wide b, Wide& r) {
    return !__builtin_mul_overflow(a, b, &r) && r >= -kWideMax;
}

bool WideAdd(Wide a, Wide b, Wide& r) {
    return !__builtin_add_overflow(a, b, &r) && r >= -kWideMax;
}

Wide CheckedMul(Wide a, Wide b) {
    Wide r = 0;
    if (!WideMul(a, b, r)) {
        throw OverflowError();
    }
    return r;
}

Wide CheckedAdd(Wide a, Wide b) {
    Wide r = 0;
    if (!WideAdd(a, b, r)) {
        throw OverflowError();
    }
    return r;
}

UWide FloorSqrt(UWide n) {
    // The long double estimate is off by a few units at most; the root of a
    // 128-bit value is below 2^64, so the squares below cannot overflow.
    constexpr UWide kRootLimit = static_cast<UWide>(1) << 64;
    auto s = static_cast<UWide>(std::sqrt(static_cast<long double>(n)));
    if (s >= kRootLimit) {
        s = kRootLimit - 1;
    }
    while (s * s > n) {
        --s;
    }
    while (s + 1 < kRootLimit && (s + 1) * (s + 1) <= n) {
        ++s;
    }
    return s;
}

bool ExactSqrt(Wide v, Wide& root) {
    if (v < 0) {
        return false;
    }
    root = static_cast<Wide>(FloorSqrt(static_cast<UWide>(v)));
    return root * root == v;
}

std::int32_t CheckedInt(Wide value) {
    if (value > kIntLimit || value < -kIntLimit) {
        throw OverflowError();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace arith
