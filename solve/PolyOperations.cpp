// SPDX-License-Identifier: GPL-3.0-or-later
#include "PolyOperations.h"

#include "Errors.h"
#include "Factorization.h"
#include "Messages.h"

#include <utility>

namespace arith {

namespace {

// c^n exactly, such as -1/8 for (-2)^-3: the fields of a constant power.
// Builds fresh strings rather than assigning literals, which trips a false
// -Wrestrict in GCC 12 at -O3.
void ConstantPower(const TRational& c, const TInteger& n, TPower& power) {
    if (n.IsZero() || c.Num().IsZero()) {
        if (c.Num().IsZero() && n.Sign() < 0) {
            throw ZeroDivideError();
        }
        power.Numerator = std::to_string(n.IsZero() ? 1 : 0);
        power.Denominator = std::to_string(1);
        return;
    }
    const TInteger e = Abs(n);
    TInteger num = Abs(c.Num());
    TInteger den = c.Den();
    if (n.Sign() < 0) {
        std::swap(num, den);
    }
    if (PowerTooLong(num, e) || PowerTooLong(den, e)) {
        power.TooLong = true;
        return;
    }
    // Below the bound a base of 2 or more has an exponent of at most 1700.
    const auto exponent = static_cast<unsigned long>(num == 1 && den == 1 ? 1 : e.ToLong());
    const TInteger top = Power(num, exponent);
    const TInteger bottom = Power(den, exponent);
    if (top.LongerThan(kMaxAnswerDigits) || bottom.LongerThan(kMaxAnswerDigits)) {
        power.TooLong = true;
        return;
    }
    power.Negative = c.Num().Sign() < 0 && e.IsOdd();
    power.Numerator = top.Text();
    power.Denominator = bottom.Text();
}

void RequireNonZero(const TPolynomial& p) {
    if (PolyIsZero(p)) {
        throw ZeroDivideError();
    }
}

// The gcd or lcm of two non-zero polynomials, with its factor list.
TCommonPolynomial Common(TPolynomial (*operation)(const TPolynomial&, const TPolynomial&),
                         const TPolynomial& f, const TPolynomial& g) {
    RequireNonZero(f);
    RequireNonZero(g);
    TCommonPolynomial common;
    common.Value = operation(f, g);
    common.Factors = PolyFactor(common.Value);
    return common;
}

} // namespace

TQuotient PolyQuotient(const TPolynomial& f, const TPolynomial& g) {
    RequireNonZero(g);
    return DivMod(f, g);
}

std::string QuotientText(const TQuotient& q) {
    return PolyToText(q.Quotient) + kRemainderSeparator + PolyToText(q.Remainder);
}

TOutcome<TPower> PowerOf(const TPolynomial& f, const TPolynomial& g) {
    if (g.Degree() != 0) {
        return TWarning::ExponentNotConstant;
    }
    if (g.Den(0) != 1) {
        return TWarning::ExponentNotInteger;
    }
    TPower power;
    power.Exponent = g.Num(0);
    power.ConstantBase = f.Degree() == 0;
    if (power.ConstantBase) {
        ConstantPower({f.Num(0), f.Den(0)}, power.Exponent, power);
        return power;
    }
    TPolynomial e;
    e = ConstantPolynomial({Abs(power.Exponent), 1});
    power.Power = Power(f, e);
    return power;
}

std::string PowerText(const TPower& power) {
    if (!power.ConstantBase) {
        const std::string text = PolyToText(power.Power);
        return power.Exponent.Sign() < 0 ? "1/(" + text + ")" : text;
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
