// SPDX-License-Identifier: GPL-3.0-or-later
#include "BigNum.h"

#include "Errors.h"
#include "ExactInternal.h"

#include <algorithm>
#include <cstdio>

namespace arith {

namespace {

constexpr std::int32_t kGroupBase = 10000;
constexpr std::size_t kMaxDigits = 4 * kBigGroups;

// A number under division: groups least significant first, Count of them in use.
struct TWork {
    std::int32_t Count = 0;
    std::array<std::int64_t, kBigGroups + 1> Groups{};
};

int UsedGroups(const std::int64_t* groups, int size) {
    while (size > 0 && groups[size - 1] == 0) {
        --size;
    }
    return size;
}

// Compares divisor * d with rest; negative, zero or positive.
int CompareMultiple(const TWork& divisor, std::int64_t d, const TWork& rest) {
    TWork m;
    std::int64_t carry = 0;
    for (int k = 0; k <= divisor.Count; ++k) {
        std::int64_t v = (k < divisor.Count ? divisor.Groups[k] * d : 0) + carry;
        m.Groups[k] = v % kGroupBase;
        carry = v / kGroupBase;
    }
    m.Count = UsedGroups(m.Groups.data(), divisor.Count + 1);
    if (m.Count != rest.Count) {
        return m.Count < rest.Count ? -1 : 1;
    }
    for (int k = m.Count - 1; k >= 0; --k) {
        if (m.Groups[k] != rest.Groups[k]) {
            return m.Groups[k] < rest.Groups[k] ? -1 : 1;
        }
    }
    return 0;
}

// rest -= divisor * d, known to stay non-negative.
void SubtractMultiple(TWork& rest, const TWork& divisor, std::int64_t d) {
    std::int64_t borrow = 0;
    for (int k = 0; k < rest.Count; ++k) {
        std::int64_t v = rest.Groups[k] - borrow - (k < divisor.Count ? divisor.Groups[k] * d : 0);
        borrow = v < 0 ? (-v + kGroupBase - 1) / kGroupBase : 0;
        rest.Groups[k] = v + borrow * kGroupBase;
    }
    rest.Count = UsedGroups(rest.Groups.data(), rest.Count);
}

// The top of a number from group `shift` upwards, as one integer (at most four groups here).
std::int64_t Leading(const TWork& w, int shift) {
    std::int64_t v = 0;
    for (int k = w.Count - 1; k >= shift; --k) {
        v = v * kGroupBase + w.Groups[k];
    }
    return v;
}

// The largest d in 0..9999 with divisor * d <= rest, where rest < divisor * 10000.
// The top three groups of the divisor bound d to a range of one or two values.
std::int64_t QuotientGroup(const TWork& divisor, const TWork& rest) {
    const int shift = std::max(0, divisor.Count - 3);
    const std::int64_t top = Leading(divisor, shift);
    const std::int64_t r = Leading(rest, shift);
    std::int64_t low = std::min<std::int64_t>(r / (top + 1), kGroupBase - 1);
    std::int64_t high = std::min<std::int64_t>((r + 1) / top, kGroupBase - 1);
    while (low < high) {
        std::int64_t mid = (low + high + 1) / 2;
        if (CompareMultiple(divisor, mid, rest) <= 0) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return low;
}

// The groups in use among the first `count`, at least 1 (the number 0).
int UsedGroupCount(const TBigNum& r, int count) {
    while (count > 1 && r.Groups[count - 1] == 0) {
        --count;
    }
    return std::max(count, 1);
}

} // namespace

TBigNum BigFromText(const std::string& s) {
    if (s.size() > kMaxDigits) {
        throw CapacityError();
    }
    TBigNum r;
    BigClear(r);
    const std::size_t length = s.size();
    r.Count = static_cast<std::int32_t>((length + 3) / 4);
    std::size_t end = length;
    for (int k = 0; k < r.Count; ++k) {
        std::size_t begin = end >= 4 ? end - 4 : 0;
        r.Pieces[k] = s.substr(begin, end - begin);
        std::int32_t value = 0;
        for (char c : r.Pieces[k]) {
            if (c < '0' || c > '9') {
                throw ConversionError(Utf8Widen(s, begin, end));
            }
            value = value * 10 + (c - '0');
        }
        r.Groups[k] = value;
        end = begin;
    }
    return r;
}

std::string BigToText(TBigNum r) {
    if (r.Count <= 0) {
        return "0";
    }
    const int count = std::min(r.Count, kBigGroups);
    std::string s = std::to_string(r.Groups[count - 1]);
    char piece[16];
    for (int k = count - 2; k >= 0; --k) {
        std::snprintf(piece, sizeof piece, "%04d", static_cast<int>(r.Groups[k]));
        s += piece;
    }
    return s;
}

void BigClear(TBigNum& r) {
    r.Count = 1;
    r.Pieces.fill(std::string());
    r.Groups.fill(0);
}

void BigTrim(TBigNum& r) {
    r.Count = 1;
    for (int k = kBigGroups - 1; k > 0; --k) {
        if (r.Groups[k] != 0) {
            r.Count = k + 1;
            break;
        }
    }
}

std::string BigLarger(const std::string& a, const std::string& b) {
    if (b.size() < a.size()) {
        return a;
    }
    if (a.size() < b.size()) {
        return b;
    }
    TBigNum x = BigFromText(a);
    TBigNum y = BigFromText(b);
    for (int k = x.Count - 1; k >= 0; --k) {
        if (x.Groups[k] != y.Groups[k]) {
            return x.Groups[k] < y.Groups[k] ? b : a;
        }
    }
    return a;
}

std::string BigSub(const std::string& a, const std::string& b) {
    TBigNum x = BigFromText(a);
    TBigNum y = BigFromText(b);
    TBigNum r;
    BigClear(r);
    std::int32_t borrow = 0;
    for (int k = 0; k < x.Count; ++k) {
        std::int32_t d = x.Groups[k] - y.Groups[k] - borrow;
        borrow = d < 0 ? 1 : 0;
        r.Groups[k] = d < 0 ? d + kGroupBase : d;
    }
    BigTrim(r);
    return BigToText(r);
}

std::string BigMul(const std::string& a, const std::string& b) {
    TBigNum x = BigFromText(a);
    TBigNum y = BigFromText(b);
    // Twice the capacity holds any product of two records; only the trimmed result must fit.
    std::array<std::int64_t, 2 * kBigGroups + 1> cells{};
    for (int j = 0; j < y.Count; ++j) {
        for (int i = 0; i < x.Count; ++i) {
            cells[i + j] += std::int64_t(x.Groups[i]) * y.Groups[j];
        }
        for (int k = j; k < j + x.Count; ++k) {
            cells[k + 1] += cells[k] / kGroupBase;
            cells[k] %= kGroupBase;
        }
    }
    auto top = std::find_if(cells.rbegin(), cells.rend(), [](std::int64_t c) { return c != 0; });
    const auto used = static_cast<int>(cells.rend() - top);
    if (used > kBigGroups) {
        throw CapacityError();
    }
    TBigNum r;
    BigClear(r);
    for (int k = 0; k < used; ++k) {
        r.Groups[k] = static_cast<std::int32_t>(cells[k]);
    }
    BigTrim(r);
    return BigToText(r);
}

void BigDivMod(const std::string& a, const std::string& b, std::string& quotient,
               std::string& remainder) {
    const TBigNum x = BigFromText(a);
    const TBigNum y = BigFromText(b);
    TWork divisor;
    std::copy(y.Groups.begin(), y.Groups.end(), divisor.Groups.begin());
    divisor.Count = UsedGroups(divisor.Groups.data(), kBigGroups);
    if (divisor.Count == 0) {
        throw ZeroDivideError();
    }
    TBigNum q;
    BigClear(q);
    TWork rest;
    // Long division from the top group down; rest stays below the divisor, so
    // bringing down the next group never needs more than the dividend's groups.
    for (int k = x.Count - 1; k >= 0; --k) {
        std::copy_backward(rest.Groups.begin(), rest.Groups.end() - 1, rest.Groups.end());
        rest.Groups[0] = x.Groups[k];
        rest.Count = UsedGroups(rest.Groups.data(), rest.Count + 1);
        std::int64_t d = QuotientGroup(divisor, rest);
        SubtractMultiple(rest, divisor, d);
        q.Groups[k] = static_cast<std::int32_t>(d);
    }
    BigTrim(q);
    quotient = BigToText(q);
    TBigNum r;
    BigClear(r);
    for (int k = 0; k < rest.Count; ++k) {
        r.Groups[k] = static_cast<std::int32_t>(rest.Groups[k]);
    }
    BigTrim(r);
    remainder = BigToText(r);
}

void BigMulInt(TBigNum& r, std::int32_t m) {
    // A group times m plus the carry stays below 10^4 * 2^31 + 2^31.
    std::int64_t carry = 0;
    int k = 0;
    for (; k < r.Count; ++k) {
        const std::int64_t v = std::int64_t(r.Groups[k]) * m + carry;
        r.Groups[k] = static_cast<std::int32_t>(v % kGroupBase);
        carry = v / kGroupBase;
    }
    for (; carry != 0; ++k) {
        if (k == kBigGroups) {
            throw CapacityError();
        }
        r.Groups[k] = static_cast<std::int32_t>(carry % kGroupBase);
        carry /= kGroupBase;
    }
    r.Count = UsedGroupCount(r, k);
}

std::int32_t BigDivInt(TBigNum& r, std::int32_t d) {
    if (d == 0) {
        throw ZeroDivideError();
    }
    std::int64_t rest = 0;
    for (int k = r.Count - 1; k >= 0; --k) {
        const std::int64_t v = rest * kGroupBase + r.Groups[k];
        r.Groups[k] = static_cast<std::int32_t>(v / d);
        rest = v % d;
    }
    r.Count = UsedGroupCount(r, r.Count);
    return static_cast<std::int32_t>(rest);
}

int BigDigits(const TBigNum& r) {
    if (r.Count <= 0) {
        return 1;
    }
    const int count = std::min(r.Count, kBigGroups);
    int top = 1;
    for (std::int32_t g = r.Groups[count - 1]; g >= 10; g /= 10) {
        ++top;
    }
    return 4 * (count - 1) + top;
}

} // namespace arith
