// SPDX-License-Identifier: GPL-3.0-or-later
// The answer board's formulas: their Unicode and LaTeX forms for the real
// calculations, and the values of each answer against the answer field's text.
#include "BoardNotation.h"
#include "Factorization.h"
#include "Messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

using namespace arith;

namespace {

TPolynomial P(const std::string& text, char letter = 'x') {
    TPolynomial p;
    EXPECT_TRUE(ParsePolynomial(text, letter, p)) << text;
    return p;
}

TRational R(const std::string& text) {
    TRational r;
    EXPECT_TRUE(ParseRational(text, r)) << text;
    return r;
}

template <typename T> T Answer(const TOutcome<T>& outcome) {
    EXPECT_TRUE(outcome.Answer.has_value());
    return *outcome.Answer;
}

TLinearSystem System(std::initializer_list<std::initializer_list<const char*>> rows) {
    TLinearSystem system{};
    int i = 0;
    for (const auto& row : rows) {
        int j = 0;
        for (const char* entry : row) {
            system[i][j++] = R(entry);
        }
        ++i;
    }
    return system;
}

struct FormRow {
    const char* name;
    std::function<TMath()> build;
    const char* unicode;
    const char* latex;
};

TEST(NotationTest, Forms) {
    const TPoint a{R("1"), R("2")};
    const TPoint b{R("5"), R("4")};
    const FormRow rows[] = {
        {"EquationProblem", [] { return EquationProblem(P("2x^2+3x-2")); }, "2x² + 3x − 2 = 0",
         "2x^{2} + 3x - 2 = 0"},
        {"RationalRoots",
         [] { return RootsAnswer(Answer(SolveByFactoring(P("2x^2+3x-2"))), true); }, "x = −2, 1/2",
         "x = -2, \\frac{1}{2}"},
        {"ComplexPair", [] { return RootsAnswer(Answer(SolveByFactoring(P("x^3-1"))), true); },
         "x = 1, (−1 ± √3 i)/2", "x = 1, \\frac{-1 \\pm \\sqrt{3}\\,i}{2}"},
        {"PairWithoutP", [] { return RootsAnswer(Answer(SolveByFactoring(P("4x^2+1"))), true); },
         "x = ±i/2", "x = \\pm \\frac{i}{2}"},
        {"NoSolution", [] { return RootsAnswer(Answer(SolveByFactoring(P("5"))), true); }, "解なし",
         "\\text{解なし}"},
        {"Factors", [] { return FactorAnswer(Answer(Factorize(P("1/2x^4-x^3+1/2x^2")))); },
         "(1/2)x²(x − 1)²", "\\frac{1}{2}x^{2}\\left(x - 1\\right)^{2}"},
        {"LinearProblem",
         [] {
             return LinearProblem(System({{"1/2", "0", "-3"}, {"0", "0", "5"}}), 2);
         },
         "(1/2)x = −3\n0 = 5", "\\begin{aligned} &\\frac{1}{2}x = -3 \\\\ &0 = 5 \\end{aligned}"},
        {"HuteiGeneral", [] { return HuteiAnswer(Answer(HuteiSolve(3, 5, 7, true)), true); },
         "x = 5n + 14\ny = −3n − 7",
         "\\begin{aligned} &x = 5n + 14 \\\\ &y = -3n - 7 \\end{aligned}"},
        {"HuteiMinus", [] { return HuteiProblem(3, -5, 0, false); }, "3x + 5y = 0", "3x + 5y = 0"},
        {"Derivative",
         [] { return DerivativeAnswer(Answer(DerivativeValue(P("x^3-2x"), P("-2")))); },
         "f′(−2) = 10", "f'\\left(-2\\right) = 10"},
        {"Tangent", [] { return TangentProblem(P("x^3-2x"), P("2")); },
         "f(x) = x³ − 2x\ny = f(x) の x = 2 における接線",
         "\\begin{aligned} &f\\left(x\\right) = x^{3} - 2x \\\\ &y = f\\left(x\\right)\\text{ の "
         "}x "
         "= 2\\text{ における接線} \\end{aligned}"},
        {"SurdExtrema", [] { return ExtremaAnswer(Answer(Extrema(P("x^3-x")))); },
         "x = −√3/3 で極大値 2√3/9\nx = √3/3 で極小値 −2√3/9",
         "\\begin{aligned} &x = -\\frac{\\sqrt{3}}{3}\\text{ で極大値 }\\frac{2\\sqrt{3}}{9} \\\\ "
         "&x = \\frac{\\sqrt{3}}{3}\\text{ で極小値 }-\\frac{2\\sqrt{3}}{9} \\end{aligned}"},
        {"NoMaximum", [] { return ExtremaAnswer(Answer(Extrema(P("x^2")))); },
         "極大値 なし\nx = 0 で極小値 0",
         "\\begin{aligned} &\\text{極大値 }\\text{なし} \\\\ &x = 0\\text{ で極小値 }0 "
         "\\end{aligned}"},
        {"Integral", [] { return IntegralProblem(P("x^2-1"), P("-1"), P("3")); },
         "∫₋₁³ (x² − 1) dx", "\\int_{-1}^{3} \\left(x^{2} - 1\\right)\\,dx"},
        {"IntegralFractionLimit", [] { return IntegralProblem(P("3x^2"), P("1/2"), P("3")); },
         "∫_(1/2)^(3) 3x² dx", "\\int_{\\frac{1}{2}}^{3} 3x^{2}\\,dx"},
        {"Sum", [] { return SumProblem(P("x^2+1"), P("1"), P("n+1", 'n')); }, "Σₖ₌₁ⁿ⁺¹ (k² + 1)",
         "\\sum_{k=1}^{n+1} \\left(k^{2} + 1\\right)"},
        {"SumInN", [] { return SumAnswer(Answer(SumOf(P("x"), P("1"), P("n", 'n')))); },
         "(1/2)n(n + 1)", "\\frac{1}{2}n\\left(n + 1\\right)"},
        {"Division", [&] { return DivisionProblem(TDivision::External, a, b, R("3"), R("1")); },
         "A(1, 2), B(5, 4) を 3 : 1 に外分する点",
         "A\\left(1, 2\\right), B\\left(5, 4\\right)\\text{ を }3 : 1\\text{ に外分する点}"},
        {"Line", [&] { return LineAnswer(Answer(LineThrough(a, b))); }, "y = (1/2)x + 3/2",
         "y = \\frac{1}{2}x + \\frac{3}{2}"},
        {"Factorial", [] { return FactorialProblem(10); }, "10!", "10!"},
        {"Combination", [] { return CombinationProblem(7, 3); }, "₇C₃", "{}_{7}\\mathrm{C}_{3}"},
        {"CountOverflow", [] { return CountAnswer(Answer(Factorial(400))); }, "overflow",
         "\\text{overflow}"},
        {"Divide", [] { return OperationProblem(TOperation::Divide, P("x^2+1"), P("x")); },
         "(x² + 1) ÷ x", "\\left(x^{2} + 1\\right) \\div x"},
        {"PowerProblem", [] { return OperationProblem(TOperation::Power, P("-2"), P("-3")); },
         "(−2)⁻³", "\\left(-2\\right)^{-3}"},
        {"Quotient", [] { return QuotientAnswer(PolyQuotient(P("x^2+3x+4"), P("x+1"))); },
         "x + 2 余り 2", "x + 2\\text{ 余り }2"},
        {"NegativePower", [] { return PowerAnswer(Answer(PowerOf(P("x+1"), P("-2")))); },
         "1/(x² + 2x + 1)", "\\frac{1}{x^{2} + 2x + 1}"},
        {"BracketWithLimits",
         [] {
             return MathRow(
                 {MathText(TMathKind::Operator, "="),
                  MathParts(TMathKind::Bracket, {PolynomialMath(P("x^3")), RationalMath(R("-1")),
                                                 RationalMath(R("1/2"))})});
         },
         "= [x³]_(−1)^(1/2)", " = \\left[x^{3}\\right]_{-1}^{\\frac{1}{2}}"},
        {"ProductDot",
         [] {
             const auto number = [](const char* n) { return MathText(TMathKind::Number, n); };
             return MathRow({MathParts(TMathKind::Fraction,
                                       {MathRow({number("10"), MathText(TMathKind::Operator, "·"),
                                                 number("11")}),
                                        number("2")}),
                             MathText(TMathKind::Operator, "−"), number("4")});
         },
         "10·11/2 − 4", "\\frac{10 \\cdot 11}{2} - 4"},
        {"SignChart",
         [] {
             const auto t = [](TMathKind kind, const char* text) { return MathText(kind, text); };
             return MathTable({{t(TMathKind::Letter, "x"), t(TMathKind::Word, "…"),
                                RationalMath(R("-1/2")), t(TMathKind::Word, "…")},
                               {MathRow({t(TMathKind::Word, "f′"),
                                         MathParts(TMathKind::Paren, {t(TMathKind::Letter, "x")})}),
                                t(TMathKind::Operator, "+"), t(TMathKind::Number, "0"),
                                t(TMathKind::Operator, "−")}},
                              true, {false, true});
         },
         "x | … | −1/2 | …\n─────────────────\nf′(x) | + | 0 | −",
         "\\begin{array}{c|ccc} x & \\cdots & -\\frac{1}{2} & \\cdots \\\\ \\hline "
         "f'\\left(x\\right) & + & 0 & - \\end{array}"},
        {"SignChartRuledThroughout",
         [] {
             const auto t = [](TMathKind kind, const char* text) { return MathText(kind, text); };
             return MathGridTable({{t(TMathKind::Letter, "x"), t(TMathKind::Word, "…"),
                                    t(TMathKind::Number, "0"), t(TMathKind::Word, "…")},
                                   {t(TMathKind::Letter, "y"), t(TMathKind::Word, "↗"),
                                    t(TMathKind::Number, "1"), t(TMathKind::Word, "↘")}},
                                  {false, true});
         },
         "─────────────────\n| x | … | 0 | … |\n─────────────────\n| y | ↗ | 1 | ↘ |\n"
         "─────────────────",
         "\\begin{array}{|c|c|c|c|} \\hline x & \\cdots & 0 & \\cdots \\\\ \\hline y & "
         "\\nearrow & 1 & \\searrow \\\\ \\hline \\end{array}"},
        {"SignsOutsideText",
         [] {
             const auto t = [](TMathKind kind, const char* text) { return MathText(kind, text); };
             return MathRow({t(TMathKind::Word, "↗"), t(TMathKind::Letter, "x₁"),
                             t(TMathKind::Operator, "≠"), t(TMathKind::Letter, "y₂"),
                             t(TMathKind::Word, "…①×3 より"), t(TMathKind::Word, "↘"),
                             t(TMathKind::Word, "'a_b%{c}' の入力")});
         },
         "↗ x₁ ≠ y₂ …①×3 より ↘ 'a_b%{c}' の入力",
         "\\nearrow\\ x_{1} \\neq y_{2}\\ \\cdots\\text{\\textcircled{\\scriptsize "
         "1}}\\times\\text{3 より }\\searrow\\ \\text{'a\\_b\\%\\{c\\}' の入力}"},
        {"DivisionTableEmptyCells",
         [] {
             const auto n = [](const char* digits) { return MathText(TMathKind::Number, digits); };
             return MathTable({{n("2"), n("1"), n("3")}, {MathRow({}), MathRow({}), n("2")}}, false,
                              {false, false});
         },
         "2 | 1 | 3\n |  | 2", "\\begin{array}{ccc} 2 & 1 & 3 \\\\  &  & 2 \\end{array}"},
        // A long division: right-aligned columns, the bracket after the
        // divisor, a rule from it and one under the cells of the row above.
        {"LongDivisionRules",
         [] {
             const auto n = [](const char* digits) { return MathText(TMathKind::Number, digits); };
             const TMath e = MathRow({});
             return MathTable({{e, e, n("1")},
                               {MathText(TMathKind::Letter, "a"), n("2"), n("3")},
                               {e, n("4"), e},
                               {e, n("5"), n("6")}},
                              ".)._");
         },
         "      1\n  ─────\na ) 2 3\n    4\n    ─\n    5 6",
         "\\begin{array}{rrr}  &  & 1 \\\\ \\cline{2-3} a\\,\\big) & 2 & 3 \\\\  & 4 &  "
         "\\\\ \\cline{2-2}  & 5 & 6 \\end{array}"},
        {"Braces",
         [] {
             return MathParts(
                 TMathKind::Paren,
                 {MathRow({MathText(TMathKind::Number, "2"), MathText(TMathKind::Operator, "−"),
                           MathText(TMathKind::Number, "1")})},
                 "{");
         },
         "{2 − 1}", "\\left\\{2 - 1\\right\\}"},
        // The divisor at the right end: its rule stops at the rule above the sums.
        {"DivisionTableDivisorApart",
         [] {
             const auto n = [](const char* digits) { return MathText(TMathKind::Number, digits); };
             return MathTable(
                 {{n("1"), n("1"), n("1")}, {MathRow({}), n("1"), MathRow({})}, {n("1"), n("2")}},
                 false, {false, false, true}, true);
         },
         "1 | 1 | 1\n | 1\n─────────\n1 | 2",
         "\\begin{array}{ccc} 1 & 1 & \\multicolumn{1}{|c}{1} \\\\  & 1 & \\multicolumn{1}{|c}{} "
         "\\\\ \\cline{1-2} 1 & 2 \\end{array}"},
    };
    for (const FormRow& row : rows) {
        const TMath math = row.build();
        EXPECT_EQ(MathToUnicode(math), row.unicode) << row.name;
        EXPECT_EQ(MathToLatex(math), row.latex) << row.name;
    }
}

// The field's text and the board's answer written alike: no spaces, "−"
// for "-", "√3" for "SQR(3)", raised exponents, "1/2x" for "(1/2)x", and
// each "a ± b" as its two values "a+b,a−b" ("±b" as "b,−b").
// Plain string edits: std::regex trips GCC 12's uninitialised-use warning in
// the sanitizer build.
std::string ReplacedAll(const std::string& text, const std::string& from, const std::string& to) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// "open digits close" becomes "before digits": with digits "\d+" or, when
// fraction is set, "\d+/\d+".
std::string Unwrapped(const std::string& text, const std::string& open, const std::string& before,
                      bool fraction) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i + open.size();
        const std::size_t digits = end;
        while (text.compare(i, open.size(), open) == 0 && end < text.size() && IsDigit(text[end])) {
            ++end;
        }
        if (fraction && end > digits && end + 1 < text.size() && text[end] == '/' &&
            IsDigit(text[end + 1])) {
            for (++end; end < text.size() && IsDigit(text[end]);) {
                ++end;
            }
        } else if (fraction) {
            end = digits;
        }
        if (end > digits && end < text.size() && text[end] == ')') {
            out += before + text.substr(digits, end - digits);
            i = end + 1;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string FieldForm(std::string text) {
    text = ReplacedAll(ReplacedAll(text, " ", ""), "*", "");
    text = Unwrapped(text, "SQR(", "√", false);
    text = ReplacedAll(text, "-", "−");
    static const char* const raised[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '^') {
            out += text[i];
            continue;
        }
        while (i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
            out += raised[text[++i] - '0'];
        }
    }
    return out;
}

std::string BoardForm(const TMath& answer) {
    std::string text = ReplacedAll(MathToUnicode(answer), " ", "");
    text = Unwrapped(text, "(", "", true);
    const std::string pm = "±";
    // "x=" stays in front of the first value.
    const std::size_t equals = text.find('=');
    std::string out = equals == std::string::npos ? "" : text.substr(0, equals + 1);
    std::size_t start = out.size();
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string::npos ? text.size() : comma;
        std::string item = text.substr(start, end - start);
        const std::size_t at = item.find(pm);
        if (at == std::string::npos) {
            out += item;
        } else if (at == 0) {
            out += item.substr(pm.size()) + ",−" + item.substr(pm.size());
        } else {
            out += item.substr(0, at) + "+" + item.substr(at + pm.size()) + "," +
                   item.substr(0, at) + "−" + item.substr(at + pm.size());
        }
        if (comma == std::string::npos) {
            break;
        }
        out += ',';
        start = comma + 1;
    }
    return out;
}

struct AgreeRow {
    const char* name;
    std::function<std::pair<std::string, TMath>()> run; // the field's text and the board's answer
};

std::pair<std::string, TMath> Roots(const std::string& p, bool noSolutionText) {
    const TEquationRoots roots = Answer(SolveByFactoring(P(p)));
    const std::string text = RootsText(roots, noSolutionText);
    const bool word = (roots.Constant && noSolutionText) || text == kNoRealRootText;
    // Decimal roots alone: the board writes "x ≈" once, the field "≈" before each.
    if (text.starts_with(kApproximatelyText) && text.find('=') == std::string::npos &&
        std::all_of(roots.Groups.begin(), roots.Groups.end(),
                    [](const TFactorRoots& g) { return g.Approximated(); })) {
        return {"x≈" + ReplacedAll(text, kApproximatelyText, ""), RootsAnswer(roots, true)};
    }
    return {text.empty() || word ? text : "x=" + text, RootsAnswer(roots, noSolutionText)};
}

std::pair<std::string, TMath> Factors(const std::string& p) {
    const TFactorList list = Answer(Factorize(P(p)));
    return {FactorListToText(list, 'x'), FactorAnswer(list)};
}

std::pair<std::string, TMath> ExtremaOf(const std::string& f) {
    const TExtrema extrema = Answer(Extrema(P(f)));
    const auto t = ExtremaTexts(extrema);
    const auto line = [](const std::string& x, const std::string& y, const std::string& name) {
        return x.empty() ? name + y : "x=" + x + "で" + name + y;
    };
    return {line(t[0], t[1], "極大値") + "\n" + line(t[2], t[3], "極小値"), ExtremaAnswer(extrema)};
}

std::pair<std::string, TMath> Linear(const TLinearSystem& system, int n) {
    const TLinearSolution solution = SolveLinearSystem(system, n);
    std::string text = solution.Kind == TSolutionKind::Unique ? "" : LinearValueText(solution, 0);
    for (int k = 0; k < n && solution.Kind == TSolutionKind::Unique; ++k) {
        text += (k > 0 ? "\n" : "") + std::string(1, "xyz"[k]) + "=" + LinearValueText(solution, k);
    }
    return {text, LinearAnswer(solution, n)};
}

TEST(NotationTest, AnswersStateTheFieldValues) {
    const std::string big = "1234567890123456789012345678901234567891";
    const AgreeRow rows[] = {
        {"RationalRoots", [] { return Roots("6x^3-5x^2-2x+1", false); }},
        {"RepeatedRoot", [] { return Roots("x^3-3x+2", false); }},
        {"SurdRoots", [] { return Roots("2x^2-2x-1", false); }},
        {"SurdRootsWithoutP", [] { return Roots("3x^2-8", false); }},
        {"ComplexRoots", [] { return Roots("x^4+x^2+1", false); }},
        {"ImaginaryUnit", [] { return Roots("2x^2-2x+1", false); }},
        {"QuarticFactorGivesNone", [] { return Roots("x^4+2", false); }},
        {"DecimalRoots", [] { return Roots("x^3-3x+1", true); }},
        {"ExactAndDecimalRoots", [] { return Roots("x^4-x^3-x^2+1", true); }},
        {"ConstantWord", [] { return Roots("-3", true); }},
        {"ConstantEmpty", [] { return Roots("-3", false); }},
        {"BigSurd", [&] { return Roots("x^2-" + big, false); }},
        {"FactorsRepeated", [] { return Factors("-2x^5+4x^4-2x^3"); }},
        {"FactorsFraction", [] { return Factors("-1/3x^2+3"); }},
        {"FactorsQuartic", [] { return Factors("x^4-4"); }},
        {"FactorsBig", [&] { return Factors(big + "x^2-" + big); }},
        {"FactorsConstant", [] { return Factors("-7/2"); }},
        {"ExtremaSurd", [] { return ExtremaOf("x^3-3x^2+x"); }},
        {"ExtremaNegativeCubic", [] { return ExtremaOf("-2x^3+x"); }},
        {"ExtremaNone", [] { return ExtremaOf("x^3+x"); }},
        {"ExtremaQuadratic", [] { return ExtremaOf("-3x^2+x-1/2"); }},
        {"LinearUnique3",
         [] {
             return Linear(
                 System({{"1", "1", "1", "6"}, {"1", "-1", "2", "5"}, {"2", "1/2", "-1", "-1/3"}}),
                 3);
         }},
        {"LinearNone",
         [] {
             return Linear(System({{"1", "2", "3"}, {"2", "4", "5"}}), 2);
         }},
        {"LinearInfinite",
         [] {
             return Linear(System({{"1", "2", "3"}, {"2", "4", "6"}}), 2);
         }},
        {"HuteiGeneral",
         [] {
             const THuteiSolution s = Answer(HuteiSolve(-12, 7, 5, false));
             return std::pair{"x=" + HuteiTermText(s.XStep, s.X) +
                                  "\ny=" + HuteiTermText(s.YStep, s.Y),
                              HuteiAnswer(s, true)};
         }},
        {"SumInN",
         [] {
             const TSum s = Answer(SumOf(P("x^3-x"), P("2"), P("2n", 'n')));
             return std::pair{SumText(s), SumAnswer(s)};
         }},
        {"Integral",
         [] {
             const TDefiniteIntegral i = DefiniteIntegral(P("x^2-x"), P("-1/2"), P("3"));
             return std::pair{PolyToText(i.Value), IntegralAnswer(i)};
         }},
        {"DivisionPoint",
         [] {
             const TPoint p = Answer(DivisionPoint(TDivision::External, {R("-1"), R("2/3")},
                                                   {R("4"), R("-1")}, R("2"), R("5")));
             return std::pair{"(" + RatToText(p.X) + "," + RatToText(p.Y) + ")", DivisionAnswer(p)};
         }},
        {"LineSloping",
         [] {
             const TLine l = Answer(LineThrough({R("1"), R("2")}, {R("-3"), R("1/2")}));
             return std::pair{std::string(1, LineLetter(l)) + "=" + LineText(l), LineAnswer(l)};
         }},
        {"Combinations40Digits",
         [] {
             const TCount c = Answer(Combinations(140, 70));
             return std::pair{CountText(c), CountAnswer(c)};
         }},
        {"ConstantPower",
         [] {
             const TPower p = Answer(PowerOf(P("-2/3"), P("5")));
             return std::pair{PowerText(p), PowerAnswer(p)};
         }},
        {"Quotient",
         [] {
             const TQuotient q = PolyQuotient(P("x^3-1/2x+5"), P("2x^2-3"));
             return std::pair{QuotientText(q), QuotientAnswer(q)};
         }},
        {"Lcm",
         [] {
             const TCommonPolynomial c = LcmOf(P("x^2-1"), P("2x^2+4x+2"));
             return std::pair{CommonText(c), CommonAnswer(c)};
         }},
    };
    for (const AgreeRow& row : rows) {
        const auto [field, answer] = row.run();
        EXPECT_EQ(BoardForm(answer), FieldForm(field)) << row.name << ": " << MathToUnicode(answer);
    }
}

} // namespace
