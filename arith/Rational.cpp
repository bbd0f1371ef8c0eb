// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rational.h"

#include "Errors.h"
#include "ExactInternal.h"

namespace arith {

namespace {

// The value as RatReduce leaves it, without narrowing to 32 bits; n/0 stays as it is.
TWideRational ReducedForm(TRational r) {
    if (r.Num == 0) {
        return {0, 1};
    }
    if (r.Den == 0) {
        return {r.Num, 0};
    }
    return WideReduce(r.Num, r.Den);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string WideToText(__int128 v) {
    // Values here come from 32-bit fields, so they fit in 64 bits.
    return std::to_string(static_cast<long long>(v));
}

} // namespace

TWideRational WideReduce(__int128 num, __int128 den) {
    if (den == 0) {
        throw ZeroDivideError();
    }
    if (num == 0) {
        return {0, 1};
    }
    auto g = static_cast<__int128>(WideGcd(WideMagnitude(num), WideMagnitude(den)));
    num /= g;
    den /= g;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    return {num, den};
}

TWideRational WideFromInt(__int128 n) {
    return {n, 1};
}

TWideRational WideFromRat(TRational r) {
    if (r.Num == 0) {
        return {0, 1};
    }
    return WideReduce(r.Num, r.Den);
}

TRational WideToRat(TWideRational w) {
    return {CheckedInt(w.Num), CheckedInt(w.Den)};
}

TWideRational WideSum(TWideRational a, TWideRational b) {
    if (a.Num == 0) {
        return b;
    }
    if (b.Num == 0) {
        return a;
    }
    auto g = static_cast<__int128>(WideGcd(UWide(a.Den), UWide(b.Den)));
    __int128 num = CheckedAdd(CheckedMul(a.Num, b.Den / g), CheckedMul(b.Num, a.Den / g));
    return WideReduce(num, CheckedMul(a.Den / g, b.Den));
}

TWideRational WideDifference(TWideRational a, TWideRational b) {
    return WideSum(a, {-b.Num, b.Den});
}

TWideRational WideProduct(TWideRational a, TWideRational b) {
    if (a.Num == 0 || b.Num == 0) {
        return {0, 1};
    }
    // Cancelling crosswise first keeps the products as small as the result.
    auto g1 = static_cast<__int128>(WideGcd(WideMagnitude(a.Num), UWide(b.Den)));
    auto g2 = static_cast<__int128>(WideGcd(WideMagnitude(b.Num), UWide(a.Den)));
    return {CheckedMul(a.Num / g1, b.Num / g2), CheckedMul(a.Den / g2, b.Den / g1)};
}

TWideRational WideQuotient(TWideRational a, TWideRational b) {
    if (b.Num == 0) {
        throw ZeroDivideError();
    }
    TWideRational inverse = b.Num < 0 ? TWideRational{-b.Den, -b.Num} : TWideRational{b.Den, b.Num};
    return WideProduct(a, inverse);
}

TRational DecimalValue(std::int64_t whole, std::string_view digits) {
    // Trailing zeros change nothing; without them the last digit is not 0, so
    // 10^k / gcd is at least 2^k and more than 31 digits cannot fit.
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
    }
    constexpr std::size_t kMaxDigits = 31;
    if (whole > kIntLimit || digits.size() > kMaxDigits) {
        throw OverflowError();
    }
    UWide part = 0; // below 10^31
    UWide scale = 1;
    for (char c : digits) {
        part = part * 10 + static_cast<unsigned>(c - '0');
        scale *= 10;
    }
    // whole + part/scale with gcd(whole * scale + part, scale) = gcd(part, scale).
    const UWide g = part == 0 ? scale : WideGcd(part, scale);
    const Wide den = static_cast<Wide>(scale / g);
    if (den > kIntLimit) {
        throw OverflowError();
    }
    return {CheckedInt(whole * den + static_cast<Wide>(part / g)), static_cast<std::int32_t>(den)};
}

std::string Utf8CharAt(const std::string& text, std::size_t pos) {
    const std::string replacement = "\xEF\xBF\xBD";
    auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = lead < 0x80    ? 1
                         : lead >= 0xF5 ? 0
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC2 ? 2
                                        : 0;
    if (length == 0 || pos + length > text.size()) {
        return replacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
            return replacement;
        }
    }
    return text.substr(pos, length);
}

std::string Utf8Widen(const std::string& text, std::size_t begin, std::size_t end) {
    auto continuation = [&](std::size_t i) {
        return i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    };
    while (begin > 0 && continuation(begin)) {
        --begin;
    }
    while (continuation(end)) {
        ++end;
    }
    return text.substr(begin, end - begin);
}

std::int32_t IntGcd(std::int32_t a, std::int32_t b) {
    if (a == 0 || b == 0) {
        return 1;
    }
    return CheckedInt(static_cast<__int128>(WideGcd(WideMagnitude(a), WideMagnitude(b))));
}

std::int32_t IntLcm(std::int32_t a, std::int32_t b) {
    if (a == 0 || b == 0) {
        return 0;
    }
    auto g = static_cast<__int128>(WideGcd(WideMagnitude(a), WideMagnitude(b)));
    return CheckedInt(a / g * (b / g) * g);
}

void RatClear(TRational& r) {
    r = {0, 1};
}

void RatReduce(TRational& r) {
    if (r.Num == 0) {
        r.Den = 1;
        return;
    }
    if (r.Den == 0) {
        return;
    }
    r = WideToRat(WideReduce(r.Num, r.Den));
}

void RatAdd(TRational a, TRational b, TRational& r) {
    r = WideToRat(WideSum(WideFromRat(a), WideFromRat(b)));
}

void RatSub(TRational a, TRational b, TRational& r) {
    r = WideToRat(WideDifference(WideFromRat(a), WideFromRat(b)));
}

void RatMul(TRational a, TRational b, TRational& r) {
    r = WideToRat(WideProduct(WideFromRat(a), WideFromRat(b)));
}

void RatDiv(TRational a, TRational b, TRational& r) {
    if (b.Num == 0) {
        throw ZeroDivideError();
    }
    r = WideToRat(WideQuotient(WideFromRat(a), WideFromRat(b)));
}

bool RatGreater(TRational a, TRational b) {
    return Wide{a.Num} * b.Den > Wide{b.Num} * a.Den;
}

bool RatEqual(TRational a, TRational b) {
    TWideRational x = ReducedForm(a);
    TWideRational y = ReducedForm(b);
    return x.Num == y.Num && x.Den == y.Den;
}

std::string RatToText(TRational r) {
    TWideRational w = ReducedForm(r);
    std::string s = WideToText(w.Num);
    if (s != "0" && w.Den != 1) {
        s += '/';
        s += WideToText(w.Den);
    }
    return s;
}

bool ParseRational(const std::string& text, TRational& r) {
    RatClear(r);
    if (text.empty()) {
        return true;
    }
    const auto digit = [&](std::size_t i) { return i < text.size() && IsDigit(text[i]); };
    std::size_t first = text[0] == '+' || text[0] == '-' ? 1 : 0;
    if (!digit(first) && !(first < text.size() && text[first] == '.' && digit(first + 1))) {
        return false;
    }
    bool negative = false;
    bool inDenominator = false;
    bool decimal = false; // the numerator has a decimal point
    std::string fraction; // the numerator's digits after its decimal point
    std::int64_t numerator = 0;
    std::int64_t denominator = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (!inDenominator && c == '+') {
            continue;
        }
        if (!inDenominator && c == '-') {
            negative = true; // wherever it stands: "12-3" reads as -123
            continue;
        }
        if (!inDenominator && c == '/') {
            inDenominator = true;
            continue;
        }
        if (!inDenominator && !decimal && c == '.') {
            decimal = true;
            continue;
        }
        if (!IsDigit(c)) {
            throw ConversionError(Utf8CharAt(text, i));
        }
        if (decimal && !inDenominator) {
            fraction += c;
            continue;
        }
        std::int64_t& accumulator = inDenominator ? denominator : numerator;
        accumulator = accumulator * 10 + (c - '0');
        if (accumulator > kIntLimit) {
            throw OverflowError();
        }
    }
    const TRational value = decimal ? DecimalValue(numerator, fraction)
                                    : TRational{static_cast<std::int32_t>(numerator), 1};
    r.Num = negative ? -value.Num : value.Num;
    r.Den = CheckedInt(Wide{value.Den} * (denominator == 0 ? 1 : denominator));
    return true;
}

} // namespace arith
