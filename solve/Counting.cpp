// SPDX-License-Identifier: GPL-3.0-or-later
#include "Counting.h"

#include "Messages.h"

#include <algorithm>
#include <optional>

namespace arith {

namespace {

// 300! and C(1800, 900) already have more than 500 digits, and every larger
// count of the same kind is larger still.
constexpr long kFactorialTooLong = 300;
constexpr long kChooseTooLong = 900;

TCount Finished(const TInteger& t) {
    if (t.LongerThan(kMaxAnswerDigits)) {
        return {true, {}};
    }
    return {false, t.Text()};
}

// n (n-1) ... (n-count+1) for n >= count >= 0 and count below 300, stopped as
// soon as the running product passes 500 digits: every factor is at least 1,
// so the product never shrinks.
TCount FallingProduct(const TInteger& n, long count) {
    TInteger t = 1;
    for (long k = 0; k < count; ++k) {
        t *= n - k;
        if (t.LongerThan(kMaxAnswerDigits)) {
            return {true, {}};
        }
    }
    return Finished(t);
}

// Why n and r make no count, if they do not: 0 <= r <= n.
std::optional<TWarning> PairFault(const TInteger& n, const TInteger& r) {
    if (n.Sign() < 0) {
        return TWarning::NegativeCount;
    }
    if (r.Sign() < 0 || r > n) {
        return TWarning::ChoiceOutOfRange;
    }
    return std::nullopt;
}

} // namespace

TOutcome<TCount> Factorial(const TInteger& n) {
    if (n.Sign() < 0) {
        return TWarning::NegativeCount;
    }
    if (n >= kFactorialTooLong) {
        return TCount{true, {}};
    }
    return Finished(FactorialOf(static_cast<unsigned long>(n.ToLong())));
}

TOutcome<TCount> Permutations(const TInteger& n, const TInteger& r) {
    if (const auto fault = PairFault(n, r)) {
        return *fault;
    }
    if (r >= kFactorialTooLong) {
        return TCount{true, {}}; // at least r!
    }
    return FallingProduct(n, r.ToLong());
}

// C(n, r) through C(n - k + i, i) = C(n - k + i - 1, i - 1) (n - k + i) / i for
// i up to k = min(r, n - r): the running values grow up to the answer, so the
// first one beyond 500 digits means the answer is too.
TOutcome<TCount> Combinations(const TInteger& n, const TInteger& r) {
    if (const auto fault = PairFault(n, r)) {
        return *fault;
    }
    const TInteger k = std::min(r, n - r);
    if (k >= kChooseTooLong) {
        return TCount{true, {}}; // at least C(2k, k)
    }
    const TInteger base = n - k;
    TInteger t = 1;
    for (long i = 1; i <= k.ToLong(); ++i) {
        t = DivExact(t * (base + i), i);
        if (t.LongerThan(kMaxAnswerDigits)) {
            return TCount{true, {}};
        }
    }
    return Finished(t);
}

std::string CountText(const TCount& count) {
    return count.TooLong ? kTooLongText : count.Digits;
}

} // namespace arith
