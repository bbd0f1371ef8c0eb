// SPDX-License-Identifier: GPL-3.0-or-later
#include "PolyOperations.h"

#include "BigNum.h"
#include "Errors.h"
#include "Factorization.h"
#include "Messages.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <optional>
#include <utility>

namespace arith {

namespace {

// a * b for numbers of at least one digit without leading zeros, or nothing
// when the product passes kMaxAnswerDigits digits. A product has at least
// la + lb - 1 digits, so a hopeless one is refused before it is formed.
std::optional<std::string> BoundedMul(const std::string& a, const std::string& b) {
    if (a.size() + b.size() - 1 > std::size_t{kMaxAnswerDigits}) {
        return std::nullopt;
    }
    std::string product = BigMul(a, b);
    if (product.size() > std::size_t{kMaxAnswerDigits}) {
        return std::nullopt;
    }
    return product;
}

// base^n for n >= 1, by squaring from the top bit of n down: every value on
// the way is base^m with m <= n, so the first one that grows too long proves
// the power too long, and at most 62 products are formed.
std::optional<std::string> BoundedPower(const std::string& base, std::int64_t n) {
    if (base == "1") {
        return base;
    }
    const auto bits = static_cast<int>(std::bit_width(static_cast<std::uint64_t>(n)));
    std::optional<std::string> r = base;
    for (int bit = bits - 2; bit >= 0 && r; --bit) {
        r = BoundedMul(*r, *r);
        if (r && ((n >> bit) & 1) != 0) {
            r = BoundedMul(*r, base);
        }
    }
    return r;
}

// c^n exactly, such as -1/8 for (-2)^-3: the fields of a constant power.
// Builds fresh strings rather than assigning literals, which trips a false
// -Wrestrict in GCC 12 at -O3.
void ConstantPower(TRational c, std::int32_t n, TPower& power) {
    if (n == 0 || c.Num == 0) {
        if (c.Num == 0 && n < 0) {
            throw ZeroDivideError();
        }
        power.Numerator = std::to_string(n == 0 ? 1 : 0);
        power.Denominator = std::to_string(1);
        return;
    }
    const std::int64_t e = std::abs(static_cast<std::int64_t>(n));
    std::int64_t num = std::abs(static_cast<std::int64_t>(c.Num));
    std::int64_t den = c.Den;
    if (n < 0) {
        std::swap(num, den);
    }
    std::optional<std::string> top = BoundedPower(std::to_string(num), e);
    std::optional<std::string> bottom = top ? BoundedPower(std::to_string(den), e) : std::nullopt;
    if (!bottom) {
        power.TooLong = true;
        return;
    }
    power.Negative = c.Num < 0 && e % 2 == 1;
    power.Numerator = std::move(*top);
    power.Denominator = std::move(*bottom);
}

void RequireNonZero(const TPolynomial& p) {
    if (PolyIsZero(p)) {
        throw ZeroDivideError();
    }
}

// The gcd or lcm of two non-zero polynomials, with its factor list.
TCommonPolynomial Common(void (*operation)(TPolynomial, TPolynomial, TPolynomial&),
                         const TPolynomial& f, const TPolynomial& g) {
    RequireNonZero(f);
    RequireNonZero(g);
    TCommonPolynomial common;
    operation(f, g, common.Value);
    PolyFactor(common.Value, common.Factors);
    return common;
}

} // namespace

TQuotient PolyQuotient(const TPolynomial& f, const TPolynomial& g) {
    RequireNonZero(g);
    TQuotient q;
    PolyDivMod(f, g, q.Quotient, q.Remainder);
    return q;
}

std::string QuotientText(const TQuotient& q) {
    return PolyToText(q.Quotient) + kRemainderSeparator + PolyToText(q.Remainder);
}

TOutcome<TPower> PowerOf(const TPolynomial& f, const TPolynomial& g) {
    if (g.Degree != 0) {
        return TWarning::ExponentNotConstant;
    }
    if (g.Den[0] != 1) {
        return TWarning::ExponentNotInteger;
    }
    TPower power;
    power.Exponent = g.Num[0];
    power.ConstantBase = f.Degree == 0;
    if (power.ConstantBase) {
        ConstantPower({f.Num[0], f.Den[0]}, power.Exponent, power);
        return power;
    }
    // |n| can only be too large for a degree of 10 here, which PolyPower reports.
    const std::int64_t magnitude =
        std::min(std::abs(static_cast<std::int64_t>(power.Exponent)), kIntLimit);
    TPolynomial e;
    PolyFromInt(static_cast<std::int32_t>(magnitude), e);
    PolyPower(f, e, power.Power);
    return power;
}

std::string PowerText(const TPower& power) {
    if (!power.ConstantBase) {
        const std::string text = PolyToText(power.Power);
        return power.Exponent < 0 ? "1/(" + text + ")" : text;
    }
    if (power.TooLong) {
        return kTooLongText;
    }
    std::string text = power.Negative ? "-" : "";
    text += power.Numerator;
    if (power.Denominator != "1") {
        text += '/';
        text += power.Denominator;
    }
    return text;
}

TCommonPolynomial GcdOf(const TPolynomial& f, const TPolynomial& g) {
    return Common(&PolyGcd, f, g);
}

TCommonPolynomial LcmOf(const TPolynomial& f, const TPolynomial& g) {
    return Common(&PolyLcm, f, g);
}

std::string CommonText(const TCommonPolynomial& common) {
    return FactorListToText(common.Factors, 'x');
}

} // namespace arith
