// SPDX-License-Identifier: GPL-3.0-or-later
#include "Counting.h"

#include "BigNum.h"
#include "Messages.h"

#include <algorithm>

namespace arith {

namespace {

TCount Finished(const TBigNum& t) {
    if (BigDigits(t) > kMaxAnswerDigits) {
        return {true, {}};
    }
    return {false, BigToText(t)};
}

// n (n-1) ... (n-count+1) for n >= count >= 0, stopped as soon as the running
// product passes 500 digits; every factor is at least 1, so the product never
// shrinks and at most a few hundred factors are multiplied. A running value
// of 500 digits times a factor below 2^31 fits the record.
TCount FallingProduct(std::int32_t n, std::int32_t count) {
    TBigNum t = BigFromText("1");
    for (std::int32_t k = 0; k < count; ++k) {
        BigMulInt(t, n - k);
        if (BigDigits(t) > kMaxAnswerDigits) {
            return {true, {}};
        }
    }
    return Finished(t);
}

// C(n, r) for n >= r >= 0 through C(n, i) = C(n, i-1) (n-i+1) / i with
// i up to min(r, n-r): the running values grow up to the answer, so the
// first one beyond 500 digits means the answer is too. Consecutive steps are
// taken at once while their factors multiply within 31 bits; the quotient
// after each batch is the exact C(n, i) of its last step.
TCount Binomial(std::int32_t n, std::int32_t r) {
    constexpr std::int64_t kLargest = INT32_MAX;
    const std::int32_t steps = std::min(r, n - r);
    TBigNum t = BigFromText("1");
    for (std::int32_t i = 1; i <= steps;) {
        std::int64_t up = n - i + 1;
        std::int64_t down = i;
        for (++i; i <= steps && up * (n - i + 1) <= kLargest && down * i <= kLargest; ++i) {
            up *= n - i + 1;
            down *= i;
        }
        BigMulInt(t, static_cast<std::int32_t>(up));
        BigDivInt(t, static_cast<std::int32_t>(down));
        if (BigDigits(t) > kMaxAnswerDigits) {
            return {true, {}};
        }
    }
    return Finished(t);
}

bool ValidPair(std::int32_t n, std::int32_t r) {
    return n > 0 && r > 0 && n >= r;
}

} // namespace

TOutcome<TCount> Factorial(std::int32_t n) {
    if (n < 0) {
        return TWarning::BadCount;
    }
    return FallingProduct(n, n);
}

TOutcome<TCount> Permutations(std::int32_t n, std::int32_t r) {
    if (!ValidPair(n, r)) {
        return TWarning::BadCount;
    }
    return FallingProduct(n, r);
}

TOutcome<TCount> Combinations(std::int32_t n, std::int32_t r) {
    if (!ValidPair(n, r)) {
        return TWarning::BadCount;
    }
    return Binomial(n, r);
}

std::string CountText(const TCount& count) {
    return count.TooLong ? kTooLongText : count.Digits;
}

} // namespace arith
