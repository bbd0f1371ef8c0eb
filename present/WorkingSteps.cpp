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

TMath Root(TMath radicand) {
    return MathParts(TMathKind::Root, {std::move(radicand)});
}

TMath SurdMayReduce() {
    return MathText(TMathKind::Word, "√ の中の数が " + std::to_string(kCompleteDigits) +
                                         " 桁を超えるため、さらに簡単にできる場合があります");
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

bool SquareRootsOf(const TQuadRoots& roots, const TRational& k) {
    return roots.P.IsZero() && !roots.D.IsZero() &&
           TRational{roots.Q * roots.Q * roots.R, roots.D * roots.D} == k;
}

TMath PlusMinusRoot(const TRational& k, const TQuadRoots& roots) {
    const TMath root = MathRow({Op("±"), Root(Value(k))});
    const TMath simplified = RootFormulaMath(0, Abs(roots.Q), roots.R, roots.D, "±");
    return SameForm(root, simplified) ? root : MathRow({root, Op("="), simplified});
}

TMath Substituted(const TPolynomial& p, const TRational& a) {
    std::vector<TMath> parts;
    for (int i = Normalized(p).Degree(); i >= 0; --i) {
        const TRational c = Reduced(PolyCoeff(p, i));
        if (c == TRational{}) {
            continue;
        }
        if (Negative(c)) {
            parts.push_back(Op("−"));
        } else if (!parts.empty()) {
            parts.push_back(Op("+"));
        }
        const TRational size = Negative(c) ? -c : c;
        if (i == 0) {
            parts.push_back(Value(size));
            continue;
        }
        const bool unit = size == TRational{1, 1};
        if (!unit) {
            parts.push_back(RationalMath(size));
            parts.push_back(Dot());
        }
        // A lone a needs brackets only for its sign: "− 1/2", "+ (−3)".
        parts.push_back(i > 1 ? Power(Factor(a), i) : unit ? Signed(a) : Factor(a));
    }
    return parts.empty() ? MathRow({Number(0)}) : MathRow(std::move(parts));
}

} // namespace arith::steps
