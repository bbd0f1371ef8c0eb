// SPDX-License-Identifier: GPL-3.0-or-later
// Signed integers of any size: a value type over FLINT's fmpz, which keeps
// small values in one machine word and moves to GMP only when they grow.
//
// Division truncates towards zero, as it does for built-in integers; a zero
// divisor throws ZeroDivideError instead of ending the process.
#pragma once

#include <flint/fmpz.h>

#include <compare>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace arith {

// The longest number, in decimal digits, that a field may hold or an answer
// may write out; beyond it a calculation is refused as too large.
inline constexpr std::size_t kMaxAnswerDigits = 500;

class TInteger {
public:
    TInteger() noexcept { fmpz_init(&value_); }
    // Implicit from the built-in integers, as they convert among themselves
    // (long is 64 bits here).
    TInteger(long value) { fmpz_init_set_si(&value_, value); }        // NOLINT
    TInteger(int value) : TInteger(static_cast<long>(value)) {}       // NOLINT
    TInteger(long long value) : TInteger(static_cast<long>(value)) {} // NOLINT
    TInteger(const TInteger& other) { fmpz_init_set(&value_, &other.value_); }
    TInteger(TInteger&& other) noexcept : value_(other.value_) { fmpz_init(&other.value_); }
    TInteger& operator=(const TInteger& other) {
        fmpz_set(&value_, &other.value_);
        return *this;
    }
    TInteger& operator=(TInteger&& other) noexcept {
        fmpz_swap(&value_, &other.value_);
        return *this;
    }
    ~TInteger() { fmpz_clear(&value_); }

    // Decimal digits with an optional leading "-"; the caller has checked them.
    static TInteger FromDigits(std::string_view digits);

    fmpz* Raw() { return &value_; }
    const fmpz* Raw() const { return &value_; }

    int Sign() const { return fmpz_sgn(&value_); }
    bool IsZero() const { return fmpz_is_zero(&value_); }
    bool FitsLong() const { return fmpz_fits_si(&value_); }
    bool IsOdd() const { return fmpz_is_odd(&value_); }
    // The number of bits of the magnitude (0 for zero).
    unsigned long Bits() const { return fmpz_bits(&value_); }
    long ToLong() const { return fmpz_get_si(&value_); } // only where FitsLong()
    // The number of decimal digits of the magnitude (1 for zero), and the
    // cheaper question whether there are more than n of them.
    std::size_t Digits() const;
    bool LongerThan(std::size_t n) const;
    std::string Text() const;

    TInteger operator-() const;
    TInteger& operator+=(const TInteger& other);
    TInteger& operator-=(const TInteger& other);
    TInteger& operator*=(const TInteger& other);
    TInteger& operator/=(const TInteger& other);
    TInteger& operator%=(const TInteger& other);

    friend TInteger operator+(TInteger a, const TInteger& b) { return a += b; }
    friend TInteger operator-(TInteger a, const TInteger& b) { return a -= b; }
    friend TInteger operator*(TInteger a, const TInteger& b) { return a *= b; }
    friend TInteger operator/(TInteger a, const TInteger& b) { return a /= b; }
    friend TInteger operator%(TInteger a, const TInteger& b) { return a %= b; }
    friend bool operator==(const TInteger& a, const TInteger& b) {
        return fmpz_equal(&a.value_, &b.value_);
    }
    friend std::strong_ordering operator<=>(const TInteger& a, const TInteger& b) {
        return fmpz_cmp(&a.value_, &b.value_) <=> 0;
    }

private:
    fmpz value_;
};

TInteger Abs(TInteger n);
// The greatest common divisor of |a| and |b|; 0 only when both are 0.
TInteger Gcd(const TInteger& a, const TInteger& b);
// a / b where b divides a and is not zero.
TInteger DivExact(const TInteger& a, const TInteger& b);
TInteger Power(const TInteger& base, unsigned long exponent);
TInteger FactorialOf(unsigned long n);
// floor(a / b), rounding towards minus infinity; b = 0: ZeroDivideError.
TInteger FloorQuotient(const TInteger& a, const TInteger& b);
// n = mantissa * 2^exponent with 0.5 <= |mantissa| < 1 (0 for zero),
// for numbers beyond the range of a double.
double Mantissa(const TInteger& n, long& exponent);
// floor(sqrt(n)) for n >= 0, and whether n is a perfect square (its root in root).
TInteger FloorSqrt(const TInteger& n);
bool ExactSqrt(const TInteger& n, TInteger& root);

// Whether |base|^e for e >= 0 is sure to have more than kMaxAnswerDigits
// digits, judged from the bit length of base alone, so that the power is
// never formed: |base| >= 2^(bits - 1), and 2^1700 has 512 digits.
bool PowerTooLong(const TInteger& base, const TInteger& e);

inline std::ostream& operator<<(std::ostream& out, const TInteger& n) {
    return out << n.Text();
}

// n in decimal, as an answer writes it; OverflowError beyond kMaxAnswerDigits digits.
std::string AnswerDigits(const TInteger& n);

} // namespace arith
