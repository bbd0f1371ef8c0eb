// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rational.h"

#include "Errors.h"
#include "ExactInternal.h"

namespace arith {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The canonical form of n/d for d != 0.
TRational Canonical(TInteger num, TInteger den) {
    if (num.IsZero()) {
        return {0, 1};
    }
    const TInteger g = Gcd(num, den);
    if (g != 1) {
        num = DivExact(num, g);
        den = DivExact(den, g);
    }
    if (den.Sign() < 0) {
        return TRational::AsTyped(-num, -den);
    }
    return TRational::AsTyped(std::move(num), std::move(den));
}

// An operand of the arithmetic below: a zero numerator reads as 0 whatever
// the denominator, n/0 otherwise throws ZeroDivideError.
TRational Operand(const TRational& x) {
    if (x.Num().IsZero()) {
        return {};
    }
    if (x.Den().IsZero()) {
        throw ZeroDivideError();
    }
    return x;
}

} // namespace

TRational::TRational(TInteger num, TInteger den) {
    if (num.IsZero()) {
        return;
    }
    if (den.IsZero()) {
        num_ = std::move(num);
        den_ = 0;
        return;
    }
    *this = Canonical(std::move(num), std::move(den));
}

TRational TRational::AsTyped(TInteger num, TInteger den) {
    TRational r;
    r.num_ = std::move(num);
    r.den_ = std::move(den);
    return r;
}

TRational DecimalValue(const TInteger& whole, std::string_view digits) {
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
    }
    const TInteger scale = Power(10, digits.size());
    return Canonical(whole * scale + TypedDigits(digits), scale);
}

TInteger TypedDigits(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return 0;
    }
    if (digits.size() - first > kMaxAnswerDigits) {
        throw OverflowError();
    }
    return TInteger::FromDigits(digits.substr(first));
}

TInteger IntGcd(const TInteger& a, const TInteger& b) {
    if (a.IsZero() || b.IsZero()) {
        return 1;
    }
    return Gcd(a, b);
}

TInteger IntLcm(const TInteger& a, const TInteger& b) {
    if (a.IsZero() || b.IsZero()) {
        return 0;
    }
    const TInteger g = Gcd(a, b);
    return a / g * (b / g) * g;
}

TRational Reduced(TRational r) {
    if (r.Num().IsZero()) {
        return {0, 1};
    }
    if (r.Den().IsZero()) {
        return r;
    }
    return Canonical(r.Num(), r.Den());
}

TRational operator+(const TRational& x, const TRational& y) {
    const TRational a = Operand(x);
    const TRational b = Operand(y);
    if (a.Den() == b.Den()) {
        return Canonical(a.Num() + b.Num(), a.Den());
    }
    return Canonical(a.Num() * b.Den() + b.Num() * a.Den(), a.Den() * b.Den());
}

TRational operator-(const TRational& a, const TRational& b) {
    return a + -b;
}

TRational operator*(const TRational& x, const TRational& y) {
    const TRational a = Operand(x);
    const TRational b = Operand(y);
    return Canonical(a.Num() * b.Num(), a.Den() * b.Den());
}

TRational operator/(const TRational& x, const TRational& y) {
    const TRational a = Operand(x);
    const TRational b = Operand(y);
    if (b.Num().IsZero()) {
        throw ZeroDivideError();
    }
    return Canonical(a.Num() * b.Den(), a.Den() * b.Num());
}

TRational operator-(const TRational& r) {
    return TRational::AsTyped(-r.Num(), r.Den());
}

bool operator==(const TRational& a, const TRational& b) {
    const TRational x = Reduced(a);
    const TRational y = Reduced(b);
    return x.Num() == y.Num() && x.Den() == y.Den();
}

std::strong_ordering operator<=>(const TRational& a, const TRational& b) {
    const std::strong_ordering order = a.Num() * b.Den() <=> b.Num() * a.Den();
    // Cross-multiplying turns the order round when one denominator is negative.
    return (a.Den() * b.Den()).Sign() < 0 ? 0 <=> order : order;
}

bool IsInteger(const TRational& r) {
    return Reduced(r).Den() == 1;
}

bool Negative(const TRational& r) {
    return !r.Num().IsZero() && (r.Num().Sign() < 0) != (r.Den().Sign() < 0);
}

std::string RatToText(TRational r) {
    const TRational w = Reduced(std::move(r));
    std::string s = AnswerDigits(w.Num());
    if (s != "0" && w.Den() != 1) {
        s += '/';
        s += AnswerDigits(w.Den());
    }
    return s;
}

bool ParseRational(const std::string& text, TRational& r) {
    r = TRational{};
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
    bool decimal = false;    // the numerator has a decimal point
    std::string numerator;   // the numerator's digits before its decimal point
    std::string fraction;    // and after it
    std::string denominator; // the denominator's digits
    for (char c : text) {
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
            throw ConversionError(text);
        }
        (inDenominator ? denominator : decimal ? fraction : numerator) += c;
    }
    // Sizes are checked only once the text is known to be a number, so that a
    // long number with a stray letter is named as not an integer.
    if (inDenominator && denominator.empty()) {
        throw DenominatorError(text, true);
    }
    const TInteger whole = TypedDigits(numerator);
    const TInteger den = inDenominator ? TypedDigits(denominator) : TInteger(1);
    if (den.IsZero()) {
        throw DenominatorError(text, false);
    }
    if (fraction.size() > kMaxAnswerDigits) {
        throw OverflowError();
    }
    TRational value = decimal ? DecimalValue(whole, fraction) : TRational{whole, 1};
    r = TRational::AsTyped(negative ? -value.Num() : value.Num(), value.Den() * den);
    return true;
}

} // namespace arith
