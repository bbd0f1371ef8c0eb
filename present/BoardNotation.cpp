// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardNotation.h"

#include "Factorization.h"
#include "WorkingSteps.h"

#include "Messages.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace arith {

namespace {

using steps::Comma;
using steps::Equals;
using steps::Letter;
using steps::Number;
using steps::Op;
using steps::Paren;

TMath Letter(char letter) {
    return MathText(TMathKind::Letter, std::string(1, letter));
}

TMath Word(const char* word) {
    return MathText(TMathKind::Word, word);
}

// A root written as a rounded decimal, "-1.2470", set as −1.2470.
TMath DecimalMath(const std::string& text) {
    if (!text.empty() && text[0] == '-') {
        return MathRow({Op("−"), MathText(TMathKind::Number, text.substr(1))});
    }
    return MathText(TMathKind::Number, text);
}

TMath Fraction(TMath num, TMath den) {
    return MathParts(TMathKind::Fraction, {std::move(num), std::move(den)});
}

TMath Power(TMath base, TMath exponent) {
    return MathParts(TMathKind::Power, {std::move(base), std::move(exponent)});
}

// "f(x)".
TMath Applied(const char* function, TMath argument) {
    return MathRow({Letter(function), Paren(std::move(argument))});
}

// An answer's fraction, reduced as RatToText writes it.
TMath ValueMath(const TRational& r) {
    return RationalMath(Reduced(r));
}

TRational Constant(const TPolynomial& p) {
    return PolyCoeff(p, 0);
}

// The letter to the power i: "x", "x³".
TMath LetterPower(char letter, int i) {
    return i == 1 ? Letter(letter) : Power(Letter(letter), Number(i));
}

using TTerm = TMathTerm;

TMath SumOfTerms(const std::vector<TTerm>& terms) {
    std::vector<TMath> parts;
    for (const TTerm& term : terms) {
        const TRational& c = term.Coefficient;
        if (c.Num().IsZero()) {
            continue;
        }
        const bool negative = (c.Num().Sign() < 0) != (c.Den().Sign() < 0);
        if (negative) {
            parts.push_back(Op("−"));
        } else if (!parts.empty()) {
            parts.push_back(Op("+"));
        }
        const TRational size = TRational::AsTyped(Abs(c.Num()), Abs(c.Den()));
        const bool hasUnknown = !term.Unknown.Parts.empty() || term.Unknown.Kind != TMathKind::Row;
        if (!hasUnknown || size.Den() != 1 || size.Num() != 1) {
            parts.push_back(RationalMath(size));
        }
        if (hasUnknown) {
            parts.push_back(term.Unknown);
        }
    }
    if (parts.empty()) {
        return MathRow({MathText(TMathKind::Number, "0")});
    }
    return MathRow(std::move(parts));
}

// Whether a polynomial's form is a single non-negative number, letter or
// power of the letter, which needs no bracket as an operand.
bool Bare(const TMath& math) {
    if (math.Kind != TMathKind::Row || math.Parts.size() != 1) {
        return false;
    }
    const TMathKind kind = math.Parts[0].Kind;
    return kind == TMathKind::Number || kind == TMathKind::Letter || kind == TMathKind::Power;
}

// A polynomial as an operand: bracketed unless it is one non-negative term.
TMath Operand(const TPolynomial& p, char letter = 'x') {
    TMath math = PolynomialMath(p, letter);
    if (Bare(math)) {
        return math;
    }
    return Paren(std::move(math));
}

// The number of non-zero terms of p.
int TermCount(const TPolynomial& p) {
    int count = 0;
    for (int i = 0; i <= std::clamp<int>(p.Degree(), 0, kMaxDegree); ++i) {
        count += p.Num(i).IsZero() ? 0 : 1;
    }
    return count;
}

// An integrand or summand: bracketed when it has more than one term.
TMath Body(const TPolynomial& p, char letter) {
    TMath math = PolynomialMath(p, letter);
    return TermCount(p) > 1 ? Paren(std::move(math)) : math;
}

} // namespace

TMath RootFormulaMath(const TInteger& P, const TInteger& Q, const TInteger& R, const TInteger& D,
                      const char* sign) {
    std::vector<TMath> num;
    if (!P.IsZero()) {
        num.push_back(IntegerMath(P));
        num.push_back(Op(sign));
    } else if (std::string(sign) != "+") {
        num.push_back(Op(sign));
    }
    std::vector<TMath> size;
    if (Q != 1) {
        size.push_back(Number(Q));
    }
    if (R > 1 || R < -1 || R.IsZero()) {
        size.push_back(MathParts(TMathKind::Root, {Number(Abs(R))}));
    } else if (R == 1 && Q == 1) {
        size.push_back(Number(1)); // √1
    }
    if (R.Sign() < 0) {
        size.push_back(Letter('i'));
    }
    if (D == 1) {
        for (TMath& part : size) {
            num.push_back(std::move(part));
        }
        return MathRow(std::move(num));
    }
    if (P.IsZero()) {
        // ±√3/2: the sign before the fraction.
        num.push_back(Fraction(MathRow(std::move(size)), Number(D)));
        return MathRow(std::move(num));
    }
    for (TMath& part : size) {
        num.push_back(std::move(part));
    }
    return MathRow({Fraction(MathRow(std::move(num)), Number(D))});
}

TMath TermsMath(const std::vector<TMathTerm>& terms) {
    return SumOfTerms(terms);
}

TMath SurdMath(const TSurd& value) {
    if (value.Q.IsZero()) {
        return ValueMath({value.P, value.D});
    }
    return RootFormulaMath(value.P, Abs(value.Q), value.R, value.D, value.Q.Sign() > 0 ? "+" : "−");
}

namespace {

// "A(1, 2)".
TMath PointMath(const char* name, const TPoint& p) {
    return MathRow({Letter(name), Paren(MathRow({RationalMath(p.X), Comma(), RationalMath(p.Y)}))});
}

// "f(x) = …".
TMath FunctionLine(const char* name, const TPolynomial& f) {
    return Equals(Applied(name, Letter('x')), PolynomialMath(f));
}

const char* const kUnknowns = "xyz";

// One equation of a linear system: the coefficients of the first n unknowns, then the right side.
TMath LinearEquation(const std::vector<TRational>& row) {
    std::vector<TTerm> terms;
    for (std::size_t k = 0; k + 1 < row.size(); ++k) {
        terms.push_back({row[k], Letter(kUnknowns[k])});
    }
    return Equals(SumOfTerms(terms), RationalMath(row.back()));
}

} // namespace

TMath IntegerMath(const TInteger& n) {
    if (n.Sign() < 0) {
        return MathRow({Op("−"), Number(-n)});
    }
    return MathRow({Number(n)});
}

TMath RationalMath(const TRational& r) {
    const bool negative = (r.Num().Sign() < 0) != (r.Den().Sign() < 0) && !r.Num().IsZero();
    const TInteger num = Abs(r.Num());
    const TInteger den = Abs(r.Den());
    TMath size = den == 1 ? Number(num) : Fraction(Number(num), Number(den));
    if (negative) {
        return MathRow({Op("−"), std::move(size)});
    }
    return MathRow({std::move(size)});
}

TMath PolynomialMath(const TPolynomial& p, char letter) {
    std::vector<TTerm> terms;
    for (int i = std::clamp<int>(p.Degree(), 0, kMaxDegree); i >= 0; --i) {
        terms.push_back({PolyCoeff(p, i), i == 0 ? MathRow({}) : LetterPower(letter, i)});
    }
    return SumOfTerms(terms);
}

TMath EquationProblem(const TPolynomial& p) {
    return Equals(PolynomialMath(p), MathText(TMathKind::Number, "0"));
}

TMath RootsAnswer(const TEquationRoots& roots, bool noSolutionText) {
    if (roots.Constant && noSolutionText) {
        return MathRow({Word(kNoSolutionText)});
    }
    if (roots.Identity) {
        return MathRow({Word(kEveryNumberText)});
    }
    if (roots.Groups.empty()) {
        return MathRow({});
    }
    // Decimal roots alone read "x ≈ 1.5321, …"; beside exact ones each has its "≈".
    const bool allApproximate =
        std::all_of(roots.Groups.begin(), roots.Groups.end(),
                    [](const TFactorRoots& group) { return group.Approximated(); });
    std::vector<TMath> list;
    const auto add = [&list](TMath root) {
        if (!list.empty()) {
            list.push_back(Comma());
        }
        list.push_back(std::move(root));
    };
    for (const TFactorRoots& group : roots.Groups) {
        if (group.Root) {
            add(ValueMath(*group.Root));
        } else if (group.Pair) {
            const TQuadRoots& x = *group.Pair;
            add(RootFormulaMath(x.P, x.Q, x.R, x.D, "±"));
        } else {
            for (const std::string& root : group.Approximate) {
                add(allApproximate ? DecimalMath(root)
                                   : MathRow({Op(kApproximatelyText), DecimalMath(root)}));
            }
        }
    }
    if (list.empty()) {
        return MathRow({Word(kNoRealRootText)});
    }
    if (allApproximate) {
        return MathRow({Letter('x'), Op(kApproximatelyText), MathRow(std::move(list))});
    }
    return Equals(Letter('x'), MathRow(std::move(list)));
}

TMath FactorProblem(const TPolynomial& p) {
    return PolynomialMath(p);
}

TMath FactorAnswer(const TFactorList& list, char letter) {
    // The same reading of the list as FactorListToText: the entries up to
    // the last non-zero one, runs of equal entries as powers.
    const TFactorRuns runs = FactorRuns(list);
    const int n = runs.Count;
    const auto& count = runs.Length;
    const bool hasConstant = list[0].Degree() == 0;
    if (n == 1 && hasConstant) {
        return ValueMath(Constant(list[0]));
    }
    std::vector<TMath> parts;
    const int start = hasConstant ? 1 : 0;
    if (hasConstant) {
        const TRational c = Reduced(Constant(list[0]));
        if (c.Num() == -1 && c.Den() == 1) {
            parts.push_back(Op("−"));
        } else if (c.Num() != 1 || c.Den() != 1) {
            parts.push_back(RationalMath(c));
        }
    }
    int xCount = 0;
    for (int k = 0; k < n; ++k) {
        xCount += PolyIsX(list[k]) ? 1 : 0;
    }
    if (xCount > 0) {
        parts.push_back(LetterPower(letter, count[start]));
    }
    for (int k = start + xCount; k < n; ++k) {
        if (count[k] == 0) {
            continue;
        }
        TMath factor = PolynomialMath(list[k], letter);
        if (n > 1) {
            factor = Paren(std::move(factor));
        }
        parts.push_back(count[k] > 1 ? Power(std::move(factor), Number(count[k]))
                                     : std::move(factor));
    }
    return MathRow(std::move(parts));
}

TMath LinearProblem(const TLinearSystem& system, int n) {
    n = std::clamp(n, 1, kMaxUnknowns);
    std::vector<TMath> lines;
    for (int row = 0; row < n; ++row) {
        std::vector<TRational> entries(system[row].begin(), system[row].begin() + n);
        entries.push_back(system[row][n]);
        lines.push_back(LinearEquation(entries));
    }
    return MathLines(std::move(lines));
}

TMath LinearAnswer(const TLinearSolution& solution, int n) {
    switch (solution.Kind) {
    case TSolutionKind::NoSolution:
        return MathRow({Word(kNoSolutionText)});
    case TSolutionKind::Infinite:
        return MathRow({Word(kIndeterminateText)});
    case TSolutionKind::Unique:
        break;
    }
    std::vector<TMath> lines;
    for (int k = 0; k < std::clamp(n, 1, kMaxUnknowns); ++k) {
        lines.push_back(Equals(Letter(kUnknowns[k]), ValueMath(solution.Values[k])));
    }
    return MathLines(std::move(lines));
}

TMath HuteiProblem(const TInteger& a, const TInteger& b, const TInteger& c, bool plus) {
    return LinearEquation({{a, 1}, {plus ? b : -b, 1}, {c, 1}});
}

TMath HuteiAnswer(const THuteiSolution& solution, bool general) {
    if (!general) {
        return MathRow({Equals(Letter('x'), IntegerMath(solution.X)), Comma(),
                        Equals(Letter('y'), IntegerMath(solution.Y))});
    }
    // HuteiTermText's step n + constant, as a polynomial in n.
    const auto term = [](const TInteger& step, const TInteger& constant) {
        return SumOfTerms({{{step, 1}, Letter('n')}, {{constant, 1}, MathRow({})}});
    };
    return MathLines({Equals(Letter('x'), term(solution.XStep, solution.X)),
                      Equals(Letter('y'), term(solution.YStep, solution.Y))});
}

TMath DerivativeProblem(const TPolynomial& f, const TPolynomial& a) {
    return MathLines(
        {FunctionLine("f", f), MathRow({Word("f′"), Paren(RationalMath(Constant(a)))})});
}

TMath DerivativeAnswer(const TDerivativeValue& value) {
    return Equals(MathRow({Word("f′"), Paren(RationalMath(Constant(value.At)))}),
                  PolynomialMath(value.Value));
}

TMath TangentProblem(const TPolynomial& f, const TPolynomial& a) {
    return MathLines(
        {FunctionLine("f", f),
         MathRow({Equals(Letter('y'), Applied("f", Letter('x'))), Word("の"),
                  Equals(Letter('x'), RationalMath(Constant(a))), Word("における接線")})});
}

TMath TangentAnswer(const TTangent& tangent) {
    return Equals(Letter('y'), PolynomialMath(tangent.Line));
}

TMath ExtremaProblem(const TPolynomial& f) {
    return MathRow({FunctionLine("f", f), Word("の極値")});
}

TMath ExtremaAnswer(const TExtrema& extrema) {
    const auto line = [](const std::optional<TExtremum>& extremum, const char* name,
                         const char* atName) {
        if (!extremum) {
            return MathRow({Word(name), Word(kNoExtremumText)});
        }
        return MathRow(
            {Equals(Letter('x'), SurdMath(extremum->X)), Word(atName), SurdMath(extremum->Y)});
    };
    return MathLines(
        {line(extrema.Maximum, "極大値", "で極大値"), line(extrema.Minimum, "極小値", "で極小値")});
}

TMath IntegralProblem(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper) {
    return MathParts(TMathKind::Integral,
                     {RationalMath(Constant(lower)), RationalMath(Constant(upper)),
                      MathRow({Body(f, 'x'), Word("dx")})});
}

TMath IntegralAnswer(const TDefiniteIntegral& integral) {
    return PolynomialMath(integral.Value);
}

TMath SumProblem(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper) {
    return MathParts(TMathKind::Sum, {Equals(Letter('k'), RationalMath(Constant(lower))),
                                      PolynomialMath(upper, 'n'), Body(f, 'k')});
}

TMath SumAnswer(const TSum& sum) {
    return sum.InN ? FactorAnswer(sum.Factors, 'n') : PolynomialMath(sum.Value);
}

TMath DivisionProblem(TDivision kind, const TPoint& a, const TPoint& b, const TRational& m,
                      const TRational& n) {
    return MathRow({PointMath("A", a), Comma(), PointMath("B", b), Word("を"), RationalMath(m),
                    Op(":"), RationalMath(n),
                    Word(kind == TDivision::Internal ? "に内分する点" : "に外分する点")});
}

TMath DivisionAnswer(const TPoint& point) {
    return MathRow({Paren(MathRow({ValueMath(point.X), Comma(), ValueMath(point.Y)}))});
}

TMath LineProblem(const TPoint& a, const TPoint& b) {
    return MathRow(
        {Word("2点"), PointMath("A", a), Comma(), PointMath("B", b), Word("を通る直線")});
}

TMath LineAnswer(const TLine& line) {
    return Equals(Letter(LineLetter(line)),
                  line.Right ? PolynomialMath(*line.Right) : ValueMath(line.Level));
}

TMath FactorialProblem(const TInteger& n) {
    return MathRow({IntegerMath(n), Word("!")});
}

TMath PermutationProblem(const TInteger& n, const TInteger& r) {
    return MathParts(TMathKind::Count, {IntegerMath(n), IntegerMath(r)}, "P");
}

TMath CombinationProblem(const TInteger& n, const TInteger& r) {
    return MathParts(TMathKind::Count, {IntegerMath(n), IntegerMath(r)}, "C");
}

TMath CountAnswer(const TCount& count) {
    if (count.TooLong) {
        return MathRow({Word(kTooLongText)});
    }
    return MathRow({MathText(TMathKind::Number, count.Digits)});
}

TMath OperationProblem(TOperation operation, const TPolynomial& f, const TPolynomial& g) {
    const auto binary = [&](const char* sign) {
        return MathRow({Operand(f), Op(sign), Operand(g)});
    };
    switch (operation) {
    case TOperation::Add:
        return binary("+");
    case TOperation::Subtract:
        return binary("−");
    case TOperation::Multiply:
        return binary("×");
    case TOperation::Divide:
        return binary("÷");
    case TOperation::Power: {
        TMath base = PolynomialMath(f);
        const TMathKind kind = base.Parts.size() == 1 ? base.Parts[0].Kind : TMathKind::Row;
        if (kind != TMathKind::Number && kind != TMathKind::Letter) {
            base = Paren(std::move(base));
        }
        return MathRow({Power(std::move(base), PolynomialMath(g))});
    }
    case TOperation::Substitute:
        return MathLines(
            {FunctionLine("f", f), FunctionLine("g", g), Applied("f", Applied("g", Letter('x')))});
    case TOperation::Gcd:
    case TOperation::Lcm:
        return MathRow({PolynomialMath(f), Comma(), PolynomialMath(g),
                        Word(operation == TOperation::Gcd ? "の最大公約数" : "の最小公倍数")});
    }
    return MathRow({});
}

TMath PolynomialAnswer(const TPolynomial& p) {
    return PolynomialMath(p);
}

TMath QuotientAnswer(const TQuotient& quotient) {
    return MathRow(
        {PolynomialMath(quotient.Quotient), Word("余り"), PolynomialMath(quotient.Remainder)});
}

TMath PowerAnswer(const TPower& power) {
    if (!power.ConstantBase) {
        TMath value = PolynomialMath(power.Power);
        if (power.Exponent.Sign() < 0) {
            return MathRow({Fraction(MathText(TMathKind::Number, "1"), std::move(value))});
        }
        return value;
    }
    if (power.TooLong) {
        return MathRow({Word(kTooLongText)});
    }
    std::vector<TMath> parts;
    if (power.Negative) {
        parts.push_back(Op("−"));
    }
    TMath top = MathText(TMathKind::Number, power.Numerator);
    if (power.Denominator == "1") {
        parts.push_back(std::move(top));
    } else {
        parts.push_back(Fraction(std::move(top), MathText(TMathKind::Number, power.Denominator)));
    }
    return MathRow(std::move(parts));
}

TMath CommonAnswer(const TCommonPolynomial& common) {
    return FactorAnswer(common.Factors, 'x');
}

std::string WholeAnswerLatex(const TWholeAnswer& whole) {
    // One row each, named in a comment, which costs no Japanese font.
    std::vector<std::pair<std::string, const char*>> rows = {{MathToLatex(whole.Problem), "問題"},
                                                             {MathToLatex(whole.Answer), "答え"}};
    if (whole.Decimals) {
        rows.emplace_back(MathToLatex(*whole.Decimals), "小数");
    }
    if (whole.Working) {
        rows.emplace_back(MathToLatex(*whole.Working), "途中式");
    }
    std::string out = "\\begin{gather*}\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out += rows[i].first;
        out += i + 1 < rows.size() ? " \\\\ % " : " % ";
        out += rows[i].second;
        out += '\n';
    }
    out += "\\end{gather*}\n";
    return out;
}

std::string WholeAnswerUnicode(const TWholeAnswer& whole) {
    std::string out = "問題\n";
    out += MathToUnicode(whole.Problem);
    out += "\n答え\n";
    out += MathToUnicode(whole.Answer);
    if (whole.Decimals) {
        out += '\n';
        out += MathToUnicode(*whole.Decimals);
    }
    if (whole.Working) {
        out += "\n途中式\n";
        out += MathToUnicode(*whole.Working);
    }
    out += '\n';
    return out;
}

namespace {

// Text for a LaTeX heading, its special characters escaped and ∑ set as a sign.
std::string LatexText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // The summation sign, the title of the sums' window, is a formula's.
        if (text.compare(i, 3, "∑") == 0) {
            out += "$\\sum$";
            i += 2;
            continue;
        }
        switch (c) {
        case '#':
        case '$':
        case '%':
        case '&':
        case '_':
        case '{':
        case '}':
            out += '\\';
            out += c;
            break;
        case '\\':
            out += "\\textbackslash{}";
            break;
        case '^':
            out += "\\^{}";
            break;
        case '~':
            out += "\\~{}";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::string HandoutLatex(const std::vector<TTitledAnswer>& answers) {
    std::string out = "% Vorantel: lualatex で組版します\n"
                      "\\documentclass[a4paper]{article}\n"
                      "\\usepackage{luatexja}\n"
                      "\\usepackage{amsmath}\n"
                      "\\begin{document}\n";
    for (std::size_t i = 0; i < answers.size(); ++i) {
        out += "\n\\section*{(";
        out += std::to_string(i + 1);
        out += ") ";
        out += LatexText(answers[i].Window);
        out += "}\n";
        out += WholeAnswerLatex(answers[i].Whole);
        if (answers[i].Graph) {
            out += "% グラフは省略しています\n";
        }
    }
    out += "\n\\end{document}\n";
    return out;
}

} // namespace arith
