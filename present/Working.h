// SPDX-License-Identifier: GPL-3.0-or-later
// The working (途中式) of a calculation as a school textbook writes it: one
// step per line, from the problem's inputs and the calculation's structured
// result, ending in the answer as the board writes it. Every equality a
// line states is checked exactly while the working is built; a failed check
// throws WorkingCheckError rather than show a false line. An input that has
// no working of this kind gives no working (an empty optional). The
// examples are the Unicode forms.
//
// Each working is solved and written apart: Solve…Steps chooses the method,
// computes every value and checks every equality, recording the steps as
// exact values (a std::variant per step kind where the lines differ in
// shape); Write…Steps sets those steps as the lines, formatting only. The
// working itself is Write…Steps(Solve…Steps(…)).
#pragma once

#include "Calculus.h"
#include "Counting.h"
#include "CrossMultiplication.h"
#include "Equations.h"
#include "Geometry.h"
#include "Notation.h"

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace arith {

// A quadratic p = 0 (none for another degree) by the method a textbook
// takes for it. Fractional coefficients are first cleared ("両辺に 6 を掛け
// て …"), a common factor divided out and a negative x² coefficient made
// positive ("両辺を −2 で割って …"); then, for ax² + bx + c = 0:
//   b = 0, by square roots:       x² = 8 / x = ±√8 = ±2√2
//   c = 0, by the common factor:  x(x − 3) = 0 より x = 0, 3
//   a square (D = 0):             (2x − 1)² = 0 より x = 1/2
//   rational roots, a = 1:        和が −5, 積が 6 となる2数は −2, −3 なので
//                                 (x − 2)(x − 3) = 0 より x = 2, 3
//   rational roots, a ≠ 1:        the cross table of たすき掛け, then
//                                 (2x − 1)(3x + 2) = 0 より x = −2/3, 1/2
//   any other, by the root formula, with D/4 where b is even:
//     判別式 D について D/4 = b′² − ac = 2² − 1·1 = 3
//     D/4 > 0 より 異なる2つの実数解
//     x = −2 ± √3
// Real roots are listed in increasing order; the last line states the
// board's answer, those roots in any order.
struct TQuadraticSteps {
    // "両辺に 6 を掛けて 2x² + 3x − 2 = 0": both sides times the lcm of the
    // denominators, negated when the x² coefficient is negative.
    struct TClearDenominators {
        TInteger Scale;
        TPolynomial Scaled;
    };
    // "両辺を 2 で割って x² − 2x − 3 = 0": both sides divided by the common
    // factor of the integer coefficients, negated when the x² coefficient is
    // negative; "両辺に −1 を掛けて …" for a divisor of −1.
    struct TDivideCommon {
        TInteger Divisor;
        TPolynomial Divided;
    };
    // ax² + c = 0 by square roots: "2x² = 3" (left out for a = 1), "x² = 3/2",
    // then "x = ±√(3/2) = ±√6/2", "x = ±2" for a square, "x = 0" for 0, and
    // "x = ±√(−4) = ±2i" for a negative K. The root is Root where K is the
    // square of a rational, else the answer's pair ±Q√R/D (R < 0 for a
    // negative K).
    struct TSquareRoot {
        TInteger A, MinusC;
        TRational K;
        std::optional<TRational> Root;
        std::optional<TQuadRoots> Pair;
    };
    // "x(2x + 3) = 0 より x = −3/2, 0": c = 0, x taken out.
    struct TCommonX {
        TPolynomial Rest;
        std::array<TRational, 2> Roots; // increasing
    };
    // "(2x − 1)² = 0 より x = 1/2": D = 0 with a and c squares.
    struct TPerfectSquare {
        TPolynomial Base;
        TRational Root;
    };
    // "和が −5, 積が 6 となる2数は −2, −3 なので" and
    // "(x − 2)(x − 3) = 0 より x = 2, 3": x² + bx + c = (x + m)(x + n) with
    // m + n = b and mn = c, m > n.
    struct TSumAndProduct {
        TInteger Sum, Product, M, N;
        std::array<TPolynomial, 2> Factors;
        std::array<TRational, 2> Roots; // increasing
    };
    // The cross table of ax² + bx + c = (a₁x + c₁)(a₂x + c₂), then
    // "(2x − 1)(3x + 2) = 0 より x = −2/3, 1/2".
    struct TCrossSplit {
        TCrossTable Table;
        std::array<TPolynomial, 2> Factors;
        std::array<TRational, 2> Roots; // increasing
    };
    // "判別式 D = b² − 4ac = 1² − 4·1·1 = −3", or where Half (b = 2b′)
    // "判別式 D について D/4 = b′² − ac = 2² − 1·1 = 3", with B = b′ and D the
    // value D/4.
    struct TDiscriminant {
        TInteger A, B, C;
        TInteger D;
        bool Half = false;
    };
    // "D > 0 より 異なる2つの実数解", "D/4 < 0 より 異なる2つの虚数解".
    struct TRootKind {
        int Sign = 0;
        bool Half = false;
    };
    // "√72 = 6√2" (left out where nothing simplifies): √D = S√R, R square-free
    // with the sign of D. Not Complete where |D| was too long to factor: a
    // line says the root may simplify further.
    struct TSimplifyRoot {
        TInteger D, S, R;
        bool Complete = true;
    };
    // "x = (−(−4) ± √72)/(2·1) = (4 ± 6√2)/2", where Half (B = b′, D = D/4)
    // "x = (−2 ± √7)/3", "x = −(−2) ± √18": the root formula, then with √D
    // simplified, each left out where it reads as the answer.
    struct TRootFormula {
        TInteger A, B, D, S, R;
        bool Half = false;
    };
    using TStep = std::variant<TClearDenominators, TDivideCommon, TSquareRoot, TCommonX,
                               TPerfectSquare, TSumAndProduct, TCrossSplit, TDiscriminant,
                               TRootKind, TSimplifyRoot, TRootFormula>;

    std::vector<TStep> Steps;
    TEquationRoots Roots; // the answer, "x = −2, 1/2", after the formula's steps
};
std::optional<TQuadraticSteps> SolveQuadraticSteps(const TPolynomial& p,
                                                   const TEquationRoots& roots);
TMath WriteQuadraticSteps(const TQuadraticSteps& steps);
std::optional<TMath> QuadraticWorking(const TPolynomial& p, const TEquationRoots& roots);

// ∫ from lower to upper of f by the antiderivative F, the limits put in:
//   ∫₋₁² (x² − 1) dx = [(1/3)x³ − x]₋₁²
//   = {(1/3)·2³ − 2} − {(1/3)·(−1)³ − (−1)}
//   = 2/3 − 2/3
//   = 0
// A quadratic that vanishes at both limits α and β is a(x − α)(x − β); a
// is taken out and the integral is a times −(1/6)(β − α)³:
//   ∫₋₁² (x² − x − 2) dx = ∫₋₁² (x + 1)(x − 2) dx
//   = −(1/6){2 − (−1)}³
//   = −9/2
//   ∫₋₁² (2x² − 2x − 4) dx = 2∫₋₁² (x + 1)(x − 2) dx
//   = 2·{−(1/6)}{2 − (−1)}³
//   = −9
// and for a = −1 "= −∫₋₁² (x + 1)(x − 2) dx", "= (1/6){2 − (−1)}³".
// Equal limits give the one line "∫₁¹ x dx = 0".
struct TIntegralSteps {
    // "∫₁¹ x dx = 0": the problem and its answer on one line.
    struct TEqualLimits {};
    // "∫₋₁² (x² − 1) dx = [(1/3)x³ − x]₋₁²".
    struct TBracket {
        TPolynomial F;
        TRational Lower, Upper;
    };
    // "= {(1/3)·2³ − 2} − {(1/3)·(−1)³ − (−1)}": F(b) − F(a) with the limits
    // put in, braced where F has more than one term or a leading minus;
    // "= (1/3)·2³ − 2" alone for a lower limit of 0, where F(0) = 0.
    struct TSubstituted {
        TPolynomial F;
        TRational Lower, Upper;
    };
    // "= 2/3 − 2/3": F(b) − F(a) as numbers (left out for a lower limit of 0).
    struct TDifference {
        TRational AtLower, AtUpper;
    };
    // "∫₋₁² (2x² − 2x − 4) dx = 2∫₋₁² (x + 1)(x − 2) dx", then
    // "= 2·{−(1/6)}{2 − (−1)}³": the integrand as Coefficient(x − Lower)(x − Upper)
    // with the Coefficient taken out, and it times the formula with
    // α = Lower, β = Upper.
    struct TSixthFormula {
        TRational Coefficient;
        TRational Lower, Upper;
    };
    // "= 0": the answer.
    struct TValue {};
    using TStep =
        std::variant<TEqualLimits, TBracket, TSubstituted, TDifference, TSixthFormula, TValue>;

    TPolynomial Integrand, Lower, Upper; // as the problem writes them
    std::vector<TStep> Steps;
    TDefiniteIntegral Integral;
};
std::optional<TIntegralSteps> SolveIntegralSteps(const TPolynomial& f, const TPolynomial& lower,
                                                 const TPolynomial& upper,
                                                 const TDefiniteIntegral& integral);
TMath WriteIntegralSteps(const TIntegralSteps& steps);
std::optional<TMath> IntegralWorking(const TPolynomial& f, const TPolynomial& lower,
                                     const TPolynomial& upper, const TDefiniteIntegral& integral);

// Σ f(k) for a summand of degree at most 3 from an integer lower limit,
// split into the power sums and their formulas. From k = 1 to an upper limit
// in n the formulas are products and their common factor is taken out:
//   Σₖ₌₁ⁿ (k² + k) = Σₖ₌₁ⁿ k² + Σₖ₌₁ⁿ k
//   = (1/6)n(n + 1)(2n + 1) + (1/2)n(n + 1)
//   = (1/6)n(n + 1){(2n + 1) + 3}
//   = (1/6)n(n + 1)(2n + 4)
//   = (1/3)n(n + 1)(n + 2)
// otherwise they are multiplied out:
//   Σₖ₌₁¹⁰ (3k² − 2) = 3Σₖ₌₁¹⁰ k² − 2Σₖ₌₁¹⁰ 1
//   = 3·10·11·21/6 − 2·10
//   = 1135
// A lower limit l above 1 first writes the sum as Σₖ₌₁ᵘ − Σₖ₌₁ˡ⁻¹; one of
// 0 or below as f(0) + Σₖ₌₁ᵘ f(k) + Σₖ₌₁⁻ˡ f(−k).
struct TSumSteps {
    // One sum of a split range: "Σₖ₌₁ⁿ (k² + 1)", "− Σₖ₌₁² (k² + 1)".
    struct TRangeSum {
        bool Subtract = false;
        TPolynomial Summand, Upper;
    };
    // "Σₖ₌₋₂ⁿ f(k) = f(0) + Σₖ₌₁ⁿ f(k) + Σₖ₌₁² f(−k)" with f(0) written as
    // its value and left out when 0; "Σₖ₌₃ⁿ f(k) = Σₖ₌₁ⁿ f(k) − Σₖ₌₁² f(k)".
    struct TSplitRange {
        TRational AtZero;
        std::vector<TRangeSum> Sums;
    };
    // Σₖ₌₁ᵐ f(k) by the power sums, Σₖ₌₁ᵐ kⁱ for i = 0 to 3:
    //   Σₖ₌₁ⁿ (k² + 1) = Σₖ₌₁ⁿ k² + Σₖ₌₁ⁿ 1     (when Split)
    //   = n(n + 1)(2n + 1)/6 + n                (on the first line when not)
    //   = (1/3)n³ + (1/2)n² + (7/6)n            (the Value)
    // the Value left out where it reads as the formulas, or where Final (the
    // answer follows) and the answer reads as the formulas. Factored formulas
    // are products, "(1/6)n(n + 1)(2n + 1)", "{(1/2)n(n + 1)}²", and the Value
    // is never written: the common factor or the answer follows.
    struct TPowerSums {
        TPolynomial Summand, Upper, Value;
        bool Split = true;
        bool Final = false;
        bool Factored = false;
    };
    // "= (1/6)n(n + 1){(2n + 1) + 3}", then "= (1/6)n(n + 1)(2n + 4)": the
    // factored formulas' common factor Scale·m(m + 1) taken out (Scale·m where
    // Σ1 is among them, Both false); each Σkⁱ leaves Coefficient times the
    // rest of its formula, and Inside is their sum multiplied out.
    struct TCommonPart {
        TInteger Coefficient;
        int Power = 0;
    };
    struct TCommonFactor {
        TPolynomial Upper;
        TRational Scale;
        bool Both = true;
        std::vector<TCommonPart> Parts;
        TPolynomial Inside;
    };
    // "Σₖ₌₋₂ⁿ f(k) = (1/3)n³ + … + 1 + 5", "Σₖ₌₃ⁿ f(k) = (1/3)n³ + … − 5": the
    // split sums' values put together, then "= Total" unless it reads the same.
    struct TConstantPart {
        bool Subtract = false;
        TRational Value;
    };
    struct TAddUp {
        TPolynomial Whole;
        std::vector<TConstantPart> Parts;
        TPolynomial Total;
    };
    using TStep = std::variant<TSplitRange, TPowerSums, TCommonFactor, TAddUp>;

    TPolynomial Summand, Lower, Upper; // as the problem writes them
    std::vector<TStep> Steps;
    TSum Sum; // the answer, "= (1/6)n(2n² + 3n + 7)", unless the last line reads as it
};
std::optional<TSumSteps> SolveSumSteps(const TPolynomial& f, const TPolynomial& lower,
                                       const TPolynomial& upper, const TSum& sum);
TMath WriteSumSteps(const TSumSteps& steps);
std::optional<TMath> SumWorking(const TPolynomial& f, const TPolynomial& lower,
                                const TPolynomial& upper, const TSum& sum);

enum class TCountKind { Factorial, Permutation, Combination };

// One line: "5! = 5·4·3·2·1 = 120", "0! = 1", "₇P₃ = 7!/4! = 7·6·5 = 210",
// "₇C₃ = ₇P₃/3! = 7·6·5/(3·2·1) = 35", "₁₀C₈ = ₁₀C₂ = …" (the shorter
// product). Products of more than 8 factors are shortened with "…": "12·11·10·…·2·1".
// None for an overflowing count.
struct TCountSteps {
    // The forms between the problem and the answer, each after "=":
    // "7!/4!".
    struct TFactorials {
        TInteger Top, Bottom;
    };
    // "7·6·5", "5·4·3·2·1", "12·11·10·…·2·1": High·(High − 1)·…·Low.
    struct TFalling {
        TInteger High, Low;
    };
    // "₁₀C₂": ₙCᵣ as ₙCₙ₋ᵣ.
    struct TCombination {
        TInteger N, K;
    };
    // "₇P₃/3!".
    struct TPermutationsOverFactorial {
        TInteger N, K;
    };
    // "7·6·5/(3·2·1)": n·…·(n − k + 1) over k·…·1.
    struct TFallingOverFalling {
        TInteger N, K;
    };
    using TForm = std::variant<TFactorials, TFalling, TCombination, TPermutationsOverFactorial,
                               TFallingOverFalling>;

    TCountKind Kind = TCountKind::Factorial;
    TInteger N, R;
    std::vector<TForm> Forms;
    TCount Count;
};
std::optional<TCountSteps> SolveCountSteps(TCountKind kind, const TInteger& n, const TInteger& r,
                                           const TCount& count);
TMath WriteCountSteps(const TCountSteps& steps);
std::optional<TMath> CountWorking(TCountKind kind, const TInteger& n, const TInteger& r,
                                  const TCount& count);

// The division point of AB in m : n:
//   x = (1·1 + 3·5)/(3 + 1) = 4
//   y = (1·2 + 3·4)/(3 + 1) = 7/2
//   (4, 7/2)
// externally (−n·x₁ + m·x₂)/(m − n). None for a ratio the window refuses.
struct TDivisionSteps {
    // "x = (1·1 + 3·5)/(3 + 1) = 4", externally "x = (−1·1 + 3·5)/(3 − 1) = 7".
    struct TCoordinate {
        char Letter = 'x';
        TRational First, Second, Value;
    };

    bool Internal = true;
    TRational M, N;
    std::vector<TCoordinate> Coordinates;
    TPoint Point; // the answer, "(4, 7/2)"
};
std::optional<TDivisionSteps> SolveDivisionSteps(TDivision kind, const TPoint& a, const TPoint& b,
                                                 const TRational& m, const TRational& n,
                                                 const TPoint& point);
TMath WriteDivisionSteps(const TDivisionSteps& steps);
std::optional<TMath> DivisionWorking(TDivision kind, const TPoint& a, const TPoint& b,
                                     const TRational& m, const TRational& n, const TPoint& point);

// Steps shared by the line through two points, the derivative and the tangent.

// "f′(x) = 3x² − 2".
struct TDerivativeFormula {
    TPolynomial Derivative;
};
// "f(2) = 2³ − 2·2 = 4", "f′(2) = 3·2² − 2 = 10": f or f′ at a as the problem
// writes it (Written), then the function P with a put in (left out for a
// constant P), then the value.
struct TValueAtPoint {
    bool Derivative = false;
    TRational Written;
    TPolynomial P;
    TRational At, Value;
};
// "y − 2 = (1/2)(x − 1)", "y − 4 = 10(x − 2)": the line of the given slope
// through (X, Y).
struct TPointSlopeForm {
    TRational X, Y, Slope;
};

// The line through A and B: the slope, the point-slope form, the answer;
// for a line parallel to an axis "x₁ = x₂ = 3 より y 軸に平行な直線", "x = 3":
//   傾き = (4 − 2)/(5 − 1) = 1/2
//   y − 2 = (1/2)(x − 1)
//   y = (1/2)x + 3/2
struct TLineSteps {
    // "x₁ = x₂ = 3 より y 軸に平行な直線", "y₁ = y₂ = 2 より x 軸に平行な直線".
    struct TAxisParallel {
        bool Vertical = false;
        TRational Level;
    };
    // "傾き = (4 − 2)/(5 − 1) = 1/2".
    struct TSlope {
        TPoint A, B;
        TRational Slope;
    };
    using TStep = std::variant<TAxisParallel, TSlope, TPointSlopeForm>;

    std::vector<TStep> Steps;
    TLine Line; // the answer, "y = (1/2)x + 3/2"
};
std::optional<TLineSteps> SolveLineSteps(const TPoint& a, const TPoint& b, const TLine& line);
TMath WriteLineSteps(const TLineSteps& steps);
std::optional<TMath> LineWorking(const TPoint& a, const TPoint& b, const TLine& line);

// f′(x) term by term, then the value:
//   f′(x) = 3x² − 2
//   f′(2) = 3·2² − 2 = 10
struct TDerivativeSteps {
    using TStep = std::variant<TDerivativeFormula, TValueAtPoint>;
    std::vector<TStep> Steps;
};
std::optional<TDerivativeSteps> SolveDerivativeSteps(const TPolynomial& f, const TPolynomial& a,
                                                     const TDerivativeValue& value);
TMath WriteDerivativeSteps(const TDerivativeSteps& steps);
std::optional<TMath> DerivativeWorking(const TPolynomial& f, const TPolynomial& a,
                                       const TDerivativeValue& value);

// The tangent at x = a:
//   f′(x) = 3x² − 2
//   f(2) = 2³ − 2·2 = 4
//   f′(2) = 3·2² − 2 = 10
//   y − 4 = 10(x − 2)
//   y = 10x − 16
// (at the origin the point-slope line is already the answer, written once).
struct TTangentSteps {
    using TStep = std::variant<TDerivativeFormula, TValueAtPoint, TPointSlopeForm>;
    std::vector<TStep> Steps;
    TTangent Tangent; // the answer, "y = 10x − 16"
};
std::optional<TTangentSteps> SolveTangentSteps(const TPolynomial& f, const TPolynomial& a,
                                               const TTangent& tangent);
TMath WriteTangentSteps(const TTangentSteps& steps);
std::optional<TMath> TangentWorking(const TPolynomial& f, const TPolynomial& a,
                                    const TTangent& tangent);

} // namespace arith
