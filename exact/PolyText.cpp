// SPDX-License-Identifier: GPL-3.0-or-later
#include "Polynomial.h"

#include "Errors.h"
#include "ExactInternal.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace arith {

namespace {

// Appends piece by piece: "literal" + std::string trips a false -Wrestrict in GCC 12 at -O3.
std::string FractionText(const TInteger& num, const TInteger& den) {
    std::string s = AnswerDigits(num);
    s += '/';
    s += AnswerDigits(den);
    return s;
}

std::string ConstantText(const TInteger& num, const TInteger& den) {
    return den == 1 ? AnswerDigits(num) : FractionText(num, den);
}

// The coefficient in front of the letter: 1 and -1 are left implicit, fractions written in full.
std::string CoefficientText(const TInteger& num, const TInteger& den) {
    if (den != 1) {
        return FractionText(num, den);
    }
    if (num == -1) {
        return "-";
    }
    if (num == 1) {
        return "";
    }
    return AnswerDigits(num);
}

std::string PowerText(char letter, int i) {
    std::string s(1, letter);
    if (i > 1) {
        s += '^';
        s += std::to_string(i);
    }
    return s;
}

struct TTerm {
    TRational Coefficient;
    std::int64_t Exponent = 0;
};

// Reads a polynomial as a sequence of terms: an optional sign, an optional
// coefficient (digits, or digits "/" digits, the first digits possibly a
// finite decimal such as 0.5 or .5), then optionally the letter with
// an optional "^" exponent. Spaces between tokens are ignored. Every term but
// the first starts with its sign: terms side by side ("n2", "3n2", "n^2n",
// "n 1") could mean a sum, a product or a mistyped power, and are not read.
class TPolyReader {
public:
    TPolyReader(const std::string& text, char letter) : text_(text), letter_(letter) {}

    // The terms in order, or nothing when the text is not a polynomial in the letter.
    std::optional<std::vector<TTerm>> ReadTerms() {
        std::vector<TTerm> terms;
        while (SkipSpaces()) {
            bool hasSign = Peek() == '+' || Peek() == '-';
            bool negative = Peek() == '-';
            if (hasSign) {
                ++pos_;
                SkipSpaces();
            }
            TTerm term{{1, 1}, 0};
            bool hasNumber = StartsNumber();
            if (hasNumber && !ReadNumber(term.Coefficient)) {
                return std::nullopt;
            }
            SkipSpaces();
            bool hasLetter = Peek() == letter_;
            bool hasExponent = false;
            if (hasLetter) {
                ++pos_;
                term.Exponent = 1;
                SkipSpaces();
                hasExponent = Peek() == '^';
                if (hasExponent) {
                    ++pos_;
                    SkipSpaces();
                    if (!IsDigit(Peek())) {
                        return std::nullopt;
                    }
                    term.Exponent = ReadDigits(kMaxDegree + 1);
                    if (Peek() == '.') {
                        return std::nullopt; // "n^2.5" is no power
                    }
                }
            }
            if (!hasNumber && !hasLetter) {
                return std::nullopt;
            }
            if (!hasSign && !terms.empty()) {
                return std::nullopt;
            }
            if (negative) {
                term.Coefficient = -term.Coefficient;
            }
            terms.push_back(term);
        }
        return terms;
    }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }

    bool StartsNumber() const { return IsDigit(Peek()) || (Peek() == '.' && IsDigit(Peek(1))); }

    // Skips spaces; false at the end of the text.
    bool SkipSpaces() {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
        return pos_ < text_.size();
    }

    // A run of digits; values above the cap are held at the cap.
    std::int64_t ReadDigits(std::int64_t cap) {
        std::int64_t value = 0;
        while (IsDigit(Peek())) {
            value = std::min(value * 10 + (Peek() - '0'), cap);
            ++pos_;
        }
        return value;
    }

    // A run of digits as it stands in the text.
    std::string_view DigitRun() {
        const std::size_t start = pos_;
        while (IsDigit(Peek())) {
            ++pos_;
        }
        return std::string_view(text_).substr(start, pos_ - start);
    }

    // An integer, a decimal or a fraction; a number of more than 500 digits throws OverflowError.
    bool ReadNumber(TRational& value) {
        const TInteger num = TypedDigits(DigitRun());
        const bool decimal = Peek() == '.';
        std::string_view fraction; // the digits after the decimal point
        if (decimal) {
            ++pos_;
            fraction = DigitRun();
            if (fraction.size() > kMaxAnswerDigits) {
                throw OverflowError();
            }
        }
        TInteger den = 1;
        SkipSpaces();
        if (Peek() == '/') {
            ++pos_;
            SkipSpaces();
            if (!IsDigit(Peek())) {
                throw DenominatorError(text_, true);
            }
            den = TypedDigits(DigitRun());
            if (den.IsZero()) {
                throw DenominatorError(text_, false);
            }
        }
        const TRational typed = decimal ? DecimalValue(num, fraction) : TRational{num, 1};
        value = TRational{typed.Num(), typed.Den() * den};
        return true;
    }

    const std::string& text_;
    char letter_;
    std::size_t pos_ = 0;
};

} // namespace

std::string PolyToText(const TPolynomial& p) {
    return PolyToTextVar(p, 'x');
}

std::string PolyToTextVar(const TPolynomial& p, char letter) {
    const int d = std::clamp<int>(p.Degree(), 0, kMaxDegree);
    if (d == 0) {
        return ConstantText(p.Num(0), p.Den(0));
    }
    std::string s = CoefficientText(p.Num(d), p.Den(d)) + PowerText(letter, d);
    for (int i = d - 1; i >= 1; --i) {
        if (p.Num(i).Sign() > 0) {
            s += "+";
        }
        if (!p.Num(i).IsZero()) {
            s += CoefficientText(p.Num(i), p.Den(i)) + PowerText(letter, i);
        }
    }
    if (p.Num(0).Sign() > 0) {
        s += "+";
    }
    if (!p.Num(0).IsZero()) {
        s += ConstantText(p.Num(0), p.Den(0));
    }
    return s;
}

bool ParseCoefficient(const std::string& text, TPolynomial& c) {
    TRational r;
    bool ok = ParseRational(text, r);
    c = TPolynomial{};
    c.SetCoeff(0, std::move(r));
    return ok;
}

bool ParsePolynomial(const std::string& text, char letter, TPolynomial& p) {
    std::optional<std::vector<TTerm>> terms = TPolyReader(text, letter).ReadTerms();
    p = TPolynomial{};
    if (!terms) {
        return false;
    }
    for (const TTerm& term : *terms) {
        if (term.Exponent > kMaxDegree) {
            throw DegreeError();
        }
    }
    std::array<TRational, kMaxDegree + 1> sum{};
    for (const TTerm& term : *terms) {
        sum[term.Exponent] = sum[term.Exponent] + term.Coefficient;
    }
    for (int i = 0; i <= kMaxDegree; ++i) {
        PolySetCoeff(p, i, std::move(sum[i]));
    }
    p = Normalized(p);
    return true;
}

} // namespace arith
