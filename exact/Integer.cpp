// SPDX-License-Identifier: GPL-3.0-or-later
#include "Integer.h"

#include "Errors.h"

#include <memory>

namespace arith {

TInteger TInteger::FromDigits(std::string_view digits) {
    TInteger n;
    fmpz_set_str(n.Raw(), std::string(digits).c_str(), 10);
    return n;
}

std::size_t TInteger::Digits() const {
    return IsZero() ? 1 : Text().size() - (Sign() < 0 ? 1 : 0);
}

bool TInteger::LongerThan(std::size_t n) const {
    // sizeinbase is exact or one too large.
    const std::size_t estimate = fmpz_sizeinbase(&value_, 10);
    return estimate > n + 1 || (estimate == n + 1 && Digits() > n);
}

std::string TInteger::Text() const {
    if (fmpz_fits_si(&value_)) {
        return std::to_string(fmpz_get_si(&value_));
    }
    const std::unique_ptr<char, void (*)(void*)> text(fmpz_get_str(nullptr, 10, &value_),
                                                      flint_free);
    return text.get();
}

TInteger TInteger::operator-() const {
    TInteger r;
    fmpz_neg(r.Raw(), &value_);
    return r;
}

TInteger& TInteger::operator+=(const TInteger& other) {
    fmpz_add(&value_, &value_, &other.value_);
    return *this;
}

TInteger& TInteger::operator-=(const TInteger& other) {
    fmpz_sub(&value_, &value_, &other.value_);
    return *this;
}

TInteger& TInteger::operator*=(const TInteger& other) {
    fmpz_mul(&value_, &value_, &other.value_);
    return *this;
}

TInteger& TInteger::operator/=(const TInteger& other) {
    if (other.IsZero()) {
        throw ZeroDivideError();
    }
    fmpz_tdiv_q(&value_, &value_, &other.value_);
    return *this;
}

TInteger& TInteger::operator%=(const TInteger& other) {
    if (other.IsZero()) {
        throw ZeroDivideError();
    }
    TInteger quotient;
    fmpz_tdiv_qr(quotient.Raw(), &value_, &value_, &other.value_);
    return *this;
}

TInteger Abs(TInteger n) {
    fmpz_abs(n.Raw(), n.Raw());
    return n;
}

TInteger Gcd(const TInteger& a, const TInteger& b) {
    TInteger g;
    fmpz_gcd(g.Raw(), a.Raw(), b.Raw());
    return g;
}

TInteger DivExact(const TInteger& a, const TInteger& b) {
    if (b.IsZero()) {
        throw ZeroDivideError();
    }
    TInteger q;
    fmpz_divexact(q.Raw(), a.Raw(), b.Raw());
    return q;
}

TInteger Power(const TInteger& base, unsigned long exponent) {
    TInteger r;
    fmpz_pow_ui(r.Raw(), base.Raw(), exponent);
    return r;
}

TInteger FloorSqrt(const TInteger& n) {
    TInteger r;
    fmpz_sqrt(r.Raw(), n.Raw());
    return r;
}

TInteger FactorialOf(unsigned long n) {
    TInteger r;
    fmpz_fac_ui(r.Raw(), n);
    return r;
}

TInteger FloorQuotient(const TInteger& a, const TInteger& b) {
    if (b.IsZero()) {
        throw ZeroDivideError();
    }
    TInteger q;
    fmpz_fdiv_q(q.Raw(), a.Raw(), b.Raw());
    return q;
}

double Mantissa(const TInteger& n, long& exponent) {
    slong e = 0;
    const double mantissa = fmpz_get_d_2exp(&e, n.Raw());
    exponent = e;
    return mantissa;
}

bool ExactSqrt(const TInteger& n, TInteger& root) {
    if (n.Sign() < 0) {
        return false;
    }
    TInteger rest;
    fmpz_sqrtrem(root.Raw(), rest.Raw(), n.Raw());
    return rest.IsZero();
}

bool PowerTooLong(const TInteger& base, const TInteger& e) {
    const auto bits = static_cast<long>(fmpz_bits(base.Raw()));
    return bits > 1 && (!e.FitsLong() || e.ToLong() > 1700 / (bits - 1));
}

std::string AnswerDigits(const TInteger& n) {
    if (n.LongerThan(kMaxAnswerDigits)) {
        throw OverflowError();
    }
    return n.Text();
}

} // namespace arith
