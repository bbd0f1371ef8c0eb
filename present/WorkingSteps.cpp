// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkingSteps.h"

#include "BoardNotation.h"
#include "SquarePart.h"

#include <string>

namespace arith::steps {

TMath Number(const TInteger& n) {
    return MathText(TMathKind::Number, AnswerDigits(n));
}

TMath Letter(const char* letter) {
    return MathText(TMathKind::Letter, letter);
}

TMath Op(const char* sign) {
    return MathText(TMathKind::Operator, sign);
}

TMath Comma() {
    return MathText(TMathKind::Punct, ",");
}

TMath Paren(TMath body) {
    return MathParts(TMathKind::Paren, {std::move(body)});
}

TMath Power(TMath base, const TInteger& exponent) {
    return MathParts(TMathKind::Power, {std::move(base), Number(exponent)});
}

TMath Dot() {
    return Op("·");
}

TMath Equals(TMath left, TMath right) {
    return MathRow({std::move(left), Op("="), std::move(right)});
}

TMath SurdMayReduce() {
    return MathText(TMathKind::Word, "√ の中の数が " + std::to_string(kCompleteDigits) +
                                         " 桁を超えるため、さらに簡単にできる場合があります");
}

TRational Reduced(TRational r) {
    RatReduce(r);
    return r;
}

TRational Add(const TRational& a, const TRational& b) {
    TRational r;
    RatAdd(a, b, r);
    return r;
}

TRational Sub(const TRational& a, const TRational& b) {
    TRational r;
    RatSub(a, b, r);
    return r;
}

TRational Mul(const TRational& a, const TRational& b) {
    TRational r;
    RatMul(a, b, r);
    return r;
}

TRational Div(const TRational& a, const TRational& b) {
    TRational r;
    RatDiv(a, b, r);
    return r;
}

bool IsInteger(const TRational& r) {
    return Reduced(r).Den == 1;
}

bool Negative(const TRational& r) {
    return !r.Num.IsZero() && (r.Num.Sign() < 0) != (r.Den.Sign() < 0);
}

TPolynomial Normalized(TPolynomial p) {
    PolyNormalize(p);
    return p;
}

TPolynomial Monomial(const TRational& c, int i) {
    TPolynomial p;
    PolySetCoeff(p, i, c);
    PolyNormalize(p);
    return p;
}

TPolynomial Times(const TPolynomial& a, const TPolynomial& b) {
    TPolynomial r;
    PolyMul(a, b, r);
    return r;
}

TMath Value(const TRational& r) {
    return RationalMath(Reduced(r));
}

TMath Signed(const TRational& r) {
    TMath math = Value(r);
    return Negative(r) ? Paren(std::move(math)) : math;
}

TMath Factor(const TRational& r) {
    TMath math = Value(r);
    return Negative(r) || !IsInteger(r) ? Paren(std::move(math)) : math;
}

bool SameForm(const TMath& a, const TMath& b) {
    return MathToUnicode(a) == MathToUnicode(b);
}

TPolynomial Plus(const TPolynomial& a, const TPolynomial& b) {
    TPolynomial r;
    PolyAdd(a, b, r);
    return r;
}

TPolynomial Minus(const TPolynomial& a, const TPolynomial& b) {
    TPolynomial r;
    PolySub(a, b, r);
    return r;
}

} // namespace arith::steps
