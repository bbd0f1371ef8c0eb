// SPDX-License-Identifier: GPL-3.0-or-later
// The answer board's formulas: for every window, its problem built from the
// inputs it passes to its calculation (so that a calculation that stops
// still has its problem), and its answer built from the structured result.
// An answer states the same values, in the same order and grouping, as the
// answer fields: the roots of RootsText, the factors of FactorListToText,
// the surds of SurdText, and the words "解なし", "不定", "なし", "overflow"
// and "余り" where the fields show them. The examples are the Unicode forms.
#pragma once

#include "Calculus.h"
#include "Counting.h"
#include "Equations.h"
#include "Geometry.h"
#include "Hutei.h"
#include "LinearSystem.h"
#include "Notation.h"
#include "PolyOperations.h"

#include <optional>
#include <string>
#include <vector>

namespace arith {

// Pieces.

// "−3", "12": a minus sign before the digits of a negative n.
TMath IntegerMath(const TInteger& n);
// "−(3/4)" as a minus sign before the Fraction 3/4; "5". Written as given
// (a typed 2/4 stays 2/4); answers pass reduced values.
TMath RationalMath(const TRational& r);
// "2x² + 3x − 2", "(1/2)x² − x" (the Fraction 1/2 before x²), "0"; zero
// terms left out, coefficients ±1 implicit, in the given letter.
TMath PolynomialMath(const TPolynomial& p, char letter = 'x');

// c₁u₁ + c₂u₂ + …: terms in order, zero ones left out, coefficients ±1
// before an unknown implicit, signs between the terms; "0" when every term
// is zero. The unknown may be any formula ("2Σₖ₌₁ⁿ k³"); an empty row
// stands for a constant term.
struct TMathTerm {
    TRational Coefficient;
    TMath Unknown;
};
TMath TermsMath(const std::vector<TMathTerm>& terms);

// (P ± Q√R)/D with sign "+", "−" or "±", as QuadRootText writes it: P left
// out when 0 (the sign then unary, and for "+" none at all), Q when 1, the
// root of a negative R as i (√3 i, and i alone for R = −1).
TMath RootFormulaMath(const TInteger& P, const TInteger& Q, const TInteger& R, const TInteger& D,
                      const char* sign);

// "(3 − √6)/3", "−4/9": an exact value as SurdText writes it.
TMath SurdMath(const TSurd& value);

// Equations (quadratic and higher-degree windows).

// "2x² + 3x − 2 = 0".
TMath EquationProblem(const TPolynomial& p);
// "x = −2, 1/2", "x = (−1 ± √3 i)/2, 2" (one ± form for each quadratic
// factor's pair), "x = ≈−1.2470, ≈0.44504" for decimal roots, "解なし",
// "実数解なし" and "すべての実数" where RootsText writes them, and an
// empty row where RootsText is empty.
TMath RootsAnswer(const TEquationRoots& roots, bool noSolutionText);

// Factorization.

// "x³ − x", the polynomial to factor.
TMath FactorProblem(const TPolynomial& p);
// "2(x − 1)²(x + 1)", "−x(x − 1)", "(1/2)(x + 1)": the list as
// FactorListToText writes it, repeated factors as powers.
TMath FactorAnswer(const TFactorList& list, char letter = 'x');

// Linear systems of n = 2 or 3 equations in x, y (, z).

// Lines {"2x + 3y = 5", "x − y = 0"}; zero terms left out, "0 = 5" when all are.
TMath LinearProblem(const TLinearSystem& system, int n);
// Lines {"x = 1/2", "y = −3"}, or the single word "解なし" or "不定".
TMath LinearAnswer(const TLinearSolution& solution, int n);

// The indefinite equation a x + b y = c (plus) or a x − b y = c.

// "3x + 5y = 7"; for a x − b y with a negative b, "3x + 5y = 7" as well.
TMath HuteiProblem(const TInteger& a, const TInteger& b, const TInteger& c, bool plus);
// For 3x + 5y = 7 one solution "x = 14, y = −7", or all of them (general)
// "x = 5n + 14" over "y = −3n − 7".
TMath HuteiAnswer(const THuteiSolution& solution, bool general);

// Differentiation: the value of the derivative, the tangent, the extrema.

// Lines {"f(x) = x³ − 2x", "f′(2)"}; a as typed.
TMath DerivativeProblem(const TPolynomial& f, const TPolynomial& a);
// "f′(2) = 10".
TMath DerivativeAnswer(const TDerivativeValue& value);
// Lines {"f(x) = x³ − 2x", "y = f(x) の x = 2 における接線"}.
TMath TangentProblem(const TPolynomial& f, const TPolynomial& a);
// "y = 10x − 16".
TMath TangentAnswer(const TTangent& tangent);
// "f(x) = x³ − 3x の極値".
TMath ExtremaProblem(const TPolynomial& f);
// Lines {"x = −1 で極大値 2", "x = 1 で極小値 −2"}; "極大値 なし" for a
// missing one; irrational points as SurdText writes them:
// "x = (3 − √6)/3 で極大値 (−9 + 4√6)/9" for x³ − 3x² + x.
TMath ExtremaAnswer(const TExtrema& extrema);

// Definite integrals.

// "∫₁³ (x² − 1) dx"; the bracket is left out for a single term: "∫₀¹ 3x² dx".
TMath IntegralProblem(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper);
// "20/3".
TMath IntegralAnswer(const TDefiniteIntegral& integral);

// Sums of f(k) for k from lower to upper, upper a number or a polynomial in n.

// "Σₖ₌₁ⁿ (k² + 1)", "Σₖ₌₁¹⁰ k".
TMath SumProblem(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper);
// "55", or the factored form in n: "(1/2)n(n + 1)".
TMath SumAnswer(const TSum& sum);

// Points: the division point and the line through two points.

// "A(1, 2), B(5, 4) を 3 : 1 に内分する点" ("に外分する点" for External).
TMath DivisionProblem(TDivision kind, const TPoint& a, const TPoint& b, const TRational& m,
                      const TRational& n);
// "(4, 7/2)".
TMath DivisionAnswer(const TPoint& point);
// "2点 A(1, 2), B(5, 4) を通る直線".
TMath LineProblem(const TPoint& a, const TPoint& b);
// "y = (1/2)x + 3/2", "y = 2", "x = 3".
TMath LineAnswer(const TLine& line);

// Counting.

// "10!".
TMath FactorialProblem(const TInteger& n);
// "₇P₃".
TMath PermutationProblem(const TInteger& n, const TInteger& r);
// "₇C₃".
TMath CombinationProblem(const TInteger& n, const TInteger& r);
// "35" (one Number, however long), or "overflow".
TMath CountAnswer(const TCount& count);

// The four-operations window.

enum class TOperation { Add, Subtract, Multiply, Divide, Power, Substitute, Gcd, Lcm };

// Add "(x² + 1) + (x − 3)", Subtract "(x² + 1) − (x − 3)", Multiply
// "(x² + 1) × (x − 3)", Divide "(x² + 1) ÷ (x − 3)" (a polynomial of one
// non-negative term is not bracketed: "x² + 3"), Power "(x + 1)³" (any g
// raised as it is, "(x + 1)^(x)"), Substitute Lines {"f(x) = x² + 1",
// "g(x) = x − 3", "f(g(x))"}, Gcd "x² − 1, x² + 2x + 1 の最大公約数", Lcm
// "… の最小公倍数".
TMath OperationProblem(TOperation operation, const TPolynomial& f, const TPolynomial& g);
// Add, Subtract, Multiply and Substitute: "x² + x − 2".
TMath PolynomialAnswer(const TPolynomial& p);
// "x + 1 余り 2".
TMath QuotientAnswer(const TQuotient& quotient);
// "x² + 2x + 1", "1/(x² + 2x + 1)" for a negative exponent, "−1/8", "overflow".
TMath PowerAnswer(const TPower& power);
// The factored form: "(x − 2)(x + 2)".
TMath CommonAnswer(const TCommonPolynomial& common);

// A whole answer as one copy: the problem, the answer, its decimals and the
// working, each where there is one.
struct TWholeAnswer {
    TMath Problem;
    TMath Answer;
    std::optional<TMath> Decimals;
    std::optional<TMath> Working;
};
// As one LaTeX display: a gather* environment of amsmath with a row each
// for the problem, the answer, its decimals and the working, each row
// followed by a comment that names it. It needs a Japanese-capable engine
// (upLaTeX, LuaLaTeX with luatexja) only where a Japanese word is part of
// the formulas; every other character is one that plain LaTeX knows.
std::string WholeAnswerLatex(const TWholeAnswer& whole);
// As plain Unicode text, each part under its heading: "問題", "答え", "途中式".
std::string WholeAnswerUnicode(const TWholeAnswer& whole);

// A whole answer with the title of the window it was made in, and whether
// it has a graph (which a LaTeX document leaves out, with a note).
struct TTitledAnswer {
    std::string Window;
    TWholeAnswer Whole;
    bool Graph = false;
};
// Whole answers as one complete LaTeX document for LuaLaTeX (the class
// article with luatexja and amsmath): each under a heading "(1) window",
// as WholeAnswerLatex writes it. The Japanese words are the headings' and
// those inside the formulas' \text{…}; the package line is a line of its
// own, "\usepackage{luatexja}".
std::string HandoutLatex(const std::vector<TTitledAnswer>& answers);

} // namespace arith
