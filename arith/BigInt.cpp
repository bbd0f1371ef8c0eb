// SPDX-License-Identifier: GPL-3.0-or-later
#include "BigInt.h"

#include "Errors.h"
#include "Rational.h"

#include <algorithm>
#include <utility>

namespace arith {

namespace {

bool IsEven(const std::vector<std::uint32_t>& limbs) {
    return limbs.empty() || (limbs[0] & 1) == 0;
}

void ShiftRightOne(std::vector<std::uint32_t>& limbs) {
    for (std::size_t i = 0; i < limbs.size(); ++i) {
        limbs[i] >>= 1;
        if (i + 1 < limbs.size()) {
            limbs[i] |= limbs[i + 1] << 31;
        }
    }
    if (!limbs.empty() && limbs.back() == 0) {
        limbs.pop_back();
    }
}

void ShiftLeftOne(std::vector<std::uint32_t>& limbs) {
    std::uint32_t carry = 0;
    for (std::uint32_t& limb : limbs) {
        const std::uint32_t next = limb >> 31;
        limb = (limb << 1) | carry;
        carry = next;
    }
    if (carry != 0) {
        limbs.push_back(carry);
    }
}

} // namespace

TBigInt::TBigInt(std::int64_t value) : negative_(value < 0) {
    std::uint64_t magnitude =
        value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    while (magnitude != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(magnitude));
        magnitude >>= 32;
    }
}

int TBigInt::CompareMagnitude(const TLimbs& a, const TLimbs& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

TBigInt::TLimbs TBigInt::AddMagnitude(const TLimbs& a, const TLimbs& b) {
    TLimbs sum(std::max(a.size(), b.size()) + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < sum.size(); ++i) {
        carry += (i < a.size() ? a[i] : 0) + static_cast<std::uint64_t>(i < b.size() ? b[i] : 0);
        sum[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    Trim(sum);
    return sum;
}

TBigInt::TLimbs TBigInt::SubMagnitude(const TLimbs& a, const TLimbs& b) {
    TLimbs difference(a.size(), 0);
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t d = static_cast<std::int64_t>(a[i]) - (i < b.size() ? b[i] : 0) - borrow;
        borrow = d < 0 ? 1 : 0;
        difference[i] = static_cast<std::uint32_t>(d + (borrow << 32));
    }
    Trim(difference);
    return difference;
}

void TBigInt::Trim(TLimbs& limbs) {
    while (!limbs.empty() && limbs.back() == 0) {
        limbs.pop_back();
    }
}

TBigInt TBigInt::Signed(TLimbs limbs, bool negative) {
    TBigInt r;
    Trim(limbs);
    r.limbs_ = std::move(limbs);
    r.negative_ = negative && !r.limbs_.empty();
    return r;
}

TBigInt operator+(const TBigInt& a, const TBigInt& b) {
    if (a.negative_ == b.negative_) {
        return TBigInt::Signed(TBigInt::AddMagnitude(a.limbs_, b.limbs_), a.negative_);
    }
    if (TBigInt::CompareMagnitude(a.limbs_, b.limbs_) >= 0) {
        return TBigInt::Signed(TBigInt::SubMagnitude(a.limbs_, b.limbs_), a.negative_);
    }
    return TBigInt::Signed(TBigInt::SubMagnitude(b.limbs_, a.limbs_), b.negative_);
}

TBigInt TBigInt::operator-() const {
    return Signed(limbs_, !negative_);
}

TBigInt operator-(const TBigInt& a, const TBigInt& b) {
    return a + (-b);
}

TBigInt operator*(const TBigInt& a, const TBigInt& b) {
    TBigInt::TLimbs product(a.limbs_.size() + b.limbs_.size(), 0);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
            carry += static_cast<std::uint64_t>(a.limbs_[i]) * b.limbs_[j] + product[i + j];
            product[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        product[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    return TBigInt::Signed(std::move(product), a.negative_ != b.negative_);
}

TBigInt Gcd(TBigInt a, TBigInt b) {
    // Binary gcd on the magnitudes: only shifts and subtractions.
    TBigInt::TLimbs x = std::move(a.limbs_);
    TBigInt::TLimbs y = std::move(b.limbs_);
    if (x.empty() || y.empty()) {
        return TBigInt::Signed(x.empty() ? y : x, false);
    }
    int shift = 0;
    while (IsEven(x) && IsEven(y)) {
        ShiftRightOne(x);
        ShiftRightOne(y);
        ++shift;
    }
    while (IsEven(x)) {
        ShiftRightOne(x);
    }
    while (!y.empty()) {
        while (IsEven(y)) {
            ShiftRightOne(y);
        }
        if (TBigInt::CompareMagnitude(x, y) > 0) {
            std::swap(x, y);
        }
        y = TBigInt::SubMagnitude(y, x);
    }
    for (int i = 0; i < shift; ++i) {
        ShiftLeftOne(x);
    }
    return TBigInt::Signed(std::move(x), false);
}

TBigInt DivideExact(const TBigInt& a, const TBigInt& b) {
    if (b.IsZero()) {
        throw ZeroDivideError();
    }
    // Long division one bit at a time, from the top bit of |a| down.
    TBigInt::TLimbs quotient(a.limbs_.size(), 0);
    TBigInt::TLimbs rest;
    for (std::size_t bit = a.limbs_.size() * 32; bit-- > 0;) {
        ShiftLeftOne(rest);
        if ((a.limbs_[bit / 32] >> (bit % 32)) & 1) {
            if (rest.empty()) {
                rest.push_back(1);
            } else {
                rest[0] |= 1;
            }
        }
        if (TBigInt::CompareMagnitude(rest, b.limbs_) >= 0) {
            rest = TBigInt::SubMagnitude(rest, b.limbs_);
            quotient[bit / 32] |= std::uint32_t{1} << (bit % 32);
        }
    }
    return TBigInt::Signed(std::move(quotient), a.negative_ != b.negative_);
}

std::int32_t TBigInt::ToInt32() const {
    if (limbs_.size() > 1 || (!limbs_.empty() && limbs_[0] > kIntLimit)) {
        throw OverflowError();
    }
    const auto magnitude = static_cast<std::int32_t>(limbs_.empty() ? 0 : limbs_[0]);
    return negative_ ? -magnitude : magnitude;
}

} // namespace arith
