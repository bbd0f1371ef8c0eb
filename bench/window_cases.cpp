// SPDX-License-Identifier: GPL-3.0-or-later
// The calculate buttons of the windows and the slowest inputs of each.
#include "window_cases.h"

#include "Calculus.h"
#include "Counting.h"
#include "Equations.h"
#include "Factorization.h"
#include "Geometry.h"
#include "Hutei.h"
#include "LinearSystem.h"
#include "PolyOperations.h"

#include <algorithm>

namespace bench {

namespace {

// Two linear equations: the coefficients first, then the right-hand sides.
const TButton kRenritu{{"EditX1", "EditY1", "EditX2", "EditY2", "EditA1", "EditA2"},
                       {},
                       {"EditAnsX", "EditAnsY"},
                       [](TClick& c) {
                           TLinearSystem system{};
                           system[0][0] = c.ReadRational();
                           system[0][1] = c.ReadRational();
                           system[1][0] = c.ReadRational();
                           system[1][1] = c.ReadRational();
                           system[0][2] = c.ReadRational();
                           system[1][2] = c.ReadRational();
                           const TLinearSolution solution = SolveLinearSystem(system, 2);
                           for (int k = 0; k < 2; ++k) {
                               c.Show(k, LinearValueText(solution, k));
                           }
                       }};

// Three linear equations: the nine coefficients row by row, then the right-hand sides.
const TButton kRenritu3{{"EditX1", "EditY1", "EditZ1", "EditX2", "EditY2", "EditZ2", "EditX3",
                         "EditY3", "EditZ3", "EditA1", "EditA2", "EditA3"},
                        {},
                        {"EditAnsX", "EditAnsY", "EditAnsZ"},
                        [](TClick& c) {
                            TLinearSystem system{};
                            for (int k = 0; k < 9; ++k) {
                                system[k / 3][k % 3] = c.ReadRational();
                            }
                            for (int row = 0; row < 3; ++row) {
                                system[row][3] = c.ReadRational();
                            }
                            const TLinearSolution solution = SolveLinearSystem(system, 3);
                            for (int k = 0; k < 3; ++k) {
                                c.Show(k, LinearValueText(solution, k));
                            }
                        }};

// a x ± b y = c: one solution, or all of them.
const TButton kHutei{{"xEdit", "yEdit", "zEdit"},
                     {{"PlusItem", "MinusItem"}, {"OneRadio", "AllRadio"}},
                     {"xAnsEdit1", "yAnsEdit1", "xAnsEdit2", "yAnsEdit2"},
                     [](TClick& c) {
                         const TInteger a = c.ReadInteger();
                         const TInteger b = c.ReadInteger();
                         const TInteger z = c.ReadInteger();
                         const auto s = c.Accept(HuteiSolve(a, b, z, c.Checked(0) == 0));
                         if (!s) {
                             return;
                         }
                         if (c.Checked(1) == 0) {
                             c.Show(0, AnswerDigits(s->X));
                             c.Show(1, AnswerDigits(s->Y));
                         } else {
                             c.Show(2, HuteiTermText(s->XStep, s->X));
                             c.Show(3, HuteiTermText(s->YStep, s->Y));
                         }
                     }};

// n!, nPr and nCr; numbers out of range put the answer back to "answer".
void ShowCount(TClick& c, TOutcome<TCount> count) {
    if (const auto shown = c.Accept(std::move(count))) {
        c.Show(0, CountText(*shown));
    } else {
        c.Show(0, "answer");
    }
}
const TButton kFactorial{{"KaijoEdit"}, {}, {"AnsKaijoEdit"}, [](TClick& c) {
                             ShowCount(c, Factorial(c.ReadInteger()));
                         }};
const TButton kPermutations{{"P1Edit", "P2Edit"}, {}, {"AnsPEdit"}, [](TClick& c) {
                                const TInteger n = c.ReadInteger();
                                ShowCount(c, Permutations(n, c.ReadInteger()));
                            }};
const TButton kCombinations{{"C1Edit", "C2Edit"}, {}, {"AnsCEdit"}, [](TClick& c) {
                                const TInteger n = c.ReadInteger();
                                ShowCount(c, Combinations(n, c.ReadInteger()));
                            }};

// A and B, the ratio m : n; the point dividing AB internally or externally,
// or the line through A and B.
const TButton kNaibun{{"EditX1", "EditY1", "EditX2", "EditY2", "EditM", "EditN"},
                      {{"RadioNaibun", "RadioGaibun", "RadioChokusen"}},
                      {"EditAnsNX", "EditAnsNY", "EditAnsGX", "EditAnsGY", "EditAnsC"},
                      [](TClick& c) {
                          const TPoint a{c.ReadRational(), c.ReadRational()};
                          const TPoint b{c.ReadRational(), c.ReadRational()};
                          const TRational m = c.ReadRational();
                          const TRational n = c.ReadRational();
                          if (c.Checked(0) == 2) {
                              if (const auto line = c.Accept(LineThrough(a, b))) {
                                  c.Show(4, LineText(*line));
                              }
                              return;
                          }
                          const bool internal = c.Checked(0) == 0;
                          const auto kind = internal ? TDivision::Internal : TDivision::External;
                          if (const auto point = c.Accept(DivisionPoint(kind, a, b, m, n))) {
                              const std::size_t x = internal ? 0 : 2;
                              c.Show(x, RatToText(point->X));
                              c.Show(x + 1, RatToText(point->Y));
                          }
                      }};

// f(x) of degree 4 and the point x = a: f'(a), the tangent there, or the
// extrema (where Edit4 and EditX are still read, though unused).
const TButton kBibun{{"Edit4", "Edit3", "Edit2", "Edit1", "Edit0", "EditX"},
                     {{"RadioKeisuu", "RadioSessen", "RadioKyokuchi"}},
                     {"EditDX", "EditAnsK", "EditAnsS", "EditAnsBigX", "EditAnsBigY",
                      "EditAnsSmallX", "EditAnsSmallY"},
                     [](TClick& c) {
                         const TPolynomial f = c.ReadCoefficients(5);
                         const TPolynomial a = c.ReadConstant();
                         switch (c.Checked(0)) {
                         case 0:
                             if (const auto value = c.Accept(DerivativeValue(f, a))) {
                                 c.Show(0, PolyToText(value->At));
                                 c.Show(1, PolyToText(value->Value));
                             }
                             break;
                         case 1:
                             if (const auto tangent = c.Accept(TangentLine(f, a))) {
                                 c.Show(2, PolyToText(tangent->Line));
                             }
                             break;
                         default:
                             if (const auto extrema = c.Accept(Extrema(f))) {
                                 const auto texts = ExtremaTexts(*extrema);
                                 for (std::size_t i = 0; i < texts.size(); ++i) {
                                     c.Show(3 + i, texts[i]);
                                 }
                             }
                             break;
                         }
                     }};

// The integral of f(x) of degree 5 from Katan to Jotan.
const TButton kSekibun{{"Jotan", "Katan", "Edit5", "Edit4", "Edit3", "Edit2", "Edit1", "Edit0"},
                       {},
                       {"EditAns"},
                       [](TClick& c) {
                           const TPolynomial upper = c.ReadConstant();
                           const TPolynomial lower = c.ReadConstant();
                           const TPolynomial f = c.ReadCoefficients(6);
                           c.Show(0, PolyToText(DefiniteIntegral(f, lower, upper).Value));
                       }};

// The sum of a cubic f(k) from kBeginEdit to kEndEdit: the limits first, so a
// reversed pair is reported before the summand is read.
const TButton kSigma{
    {"kBeginEdit", "kEndEdit", "Edit3", "Edit2", "Edit1", "Edit0"}, {}, {"EditAns"}, [](TClick& c) {
        const TPolynomial lower = c.ReadConstant();
        const std::optional<TPolynomial> upper = c.ReadPolynomial('n');
        if (!upper) {
            return;
        }
        c.Warn(SumLimitsWarning(lower, *upper));
        const TPolynomial f = c.ReadCoefficients(4);
        if (const auto sum = c.Accept(SumOf(f, lower, *upper))) {
            c.Show(0, SumText(*sum));
        }
    }};

// Factorization, and the roots of equations of degree 2 and 4.
const TButton kInsuu{{"Edit4", "Edit3", "Edit2", "Edit1", "Edit0"}, {}, {"EditAns"}, [](TClick& c) {
                         if (const auto factors = c.Accept(Factorize(c.ReadCoefficients(5)))) {
                             c.Show(0, FactorListToText(*factors, 'x'));
                         }
                     }};
const TButton kNiji{{"Edit2", "Edit1", "Edit0"}, {}, {"EditAns"}, [](TClick& c) {
                        if (const auto roots = c.Accept(SolveByFactoring(c.ReadCoefficients(3)))) {
                            c.Show(0, RootsText(*roots, true));
                        }
                    }};
const TButton kKoji{{"Edit4", "Edit3", "Edit2", "Edit1", "Edit0"}, {}, {"EditAns"}, [](TClick& c) {
                        if (const auto roots = c.Accept(SolveByFactoring(c.ReadCoefficients(5)))) {
                            c.Show(0, RootsText(*roots, false));
                        }
                    }};

// The four-operations window: f(x) and g(x) of degree 5, f first.
const std::vector<const char*> kEnzanFields{"EditF5", "EditF4", "EditF3", "EditF2",
                                            "EditF1", "EditF0", "EditG5", "EditG4",
                                            "EditG3", "EditG2", "EditG1", "EditG0"};
const TButton kEnzanMul{kEnzanFields, {}, {"EditAns"}, [](TClick& c) {
                            TPolynomial f = c.ReadCoefficients(6);
                            const TPolynomial g = c.ReadCoefficients(6);
                            f = f * g;
                            c.Show(0, PolyToText(f));
                        }};
const TButton kEnzanDiv{kEnzanFields, {}, {"EditAns"}, [](TClick& c) {
                            const TPolynomial f = c.ReadCoefficients(6);
                            const TPolynomial g = c.ReadCoefficients(6);
                            c.Show(0, QuotientText(PolyQuotient(f, g)));
                        }};
const TButton kEnzanSubstitute{kEnzanFields, {}, {"EditAns"}, [](TClick& c) {
                                   TPolynomial f = c.ReadCoefficients(6);
                                   const TPolynomial g = c.ReadCoefficients(6);
                                   f = Compose(f, g);
                                   c.Show(0, PolyToText(f));
                               }};

TCase Case(const char* name, const TButton& button, const char* answer,
           std::vector<TInput> inputs) {
    return {name, &button, answer, std::move(inputs)};
}

// Where name stands in names.
std::optional<std::size_t> IndexOf(const std::vector<const char*>& names, const char* name) {
    const auto found = std::find_if(names.begin(), names.end(),
                                    [name](const char* n) { return std::string(n) == name; });
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

#define NAIBUN_FRACTIONS                                                                           \
    {"EditX1", "-7/3"}, {"EditY1", "5/2"}, {"EditX2", "11/13"}, {"EditY2", "-17/19"},              \
        {"EditM", "3/5"}, {                                                                        \
        "EditN", "7/11"                                                                            \
    }
#define BIBUN_QUARTIC                                                                              \
    {"Edit4", "7/3"}, {"Edit3", "-5/2"}, {"Edit2", "3/7"}, {"Edit1", "-11/13"},                    \
        {"Edit0", "17/19"}, {                                                                      \
        "EditX", "-13/11"                                                                          \
    }
#define SEKIBUN_FRACTIONS                                                                          \
    {"Edit5", "7/3"}, {"Edit4", "-5/2"}, {"Edit3", "3/7"}, {"Edit2", "-11/13"},                    \
        {"Edit1", "17/19"}, {                                                                      \
        "Edit0", "-23/29"                                                                          \
    }
#define SEKIBUN_INTEGERS                                                                           \
    {"Edit5", "1"}, {"Edit4", "-2"}, {"Edit3", "3"}, {"Edit2", "-4"}, {"Edit1", "5"}, {            \
        "Edit0", "-6"                                                                              \
    }

// Every case, in the order of the windows.
std::vector<TCase> MakeCases() {
    return {
        // Linear systems: twelve fractions near 2^31, solution (1, -1, 1), and a
        // system of unrelated ones whose answer does not fit.
        Case("Renritu_FractionsNear2To31", kRenritu, "EditAnsX",
             {{"EditX1", "2147483647/2147483646"},
              {"EditY1", "2147483645/2147483646"},
              {"EditA1", "2/2147483646"},
              {"EditX2", "2147483629/2147483587"},
              {"EditY2", "1134903170/2147483587"},
              {"EditA2", "1012580459/2147483587"}}),
        Case("Renritu_Overflow", kRenritu, "EditAnsX",
             {{"EditX1", "2147483647/2147483646"},
              {"EditY1", "-2147483629/2147483587"},
              {"EditA1", "1836311903/1134903170"},
              {"EditX2", "2147483563/2147483579"},
              {"EditY2", "1134903170/1836311903"},
              {"EditA2", "-2147483647/2147483629"}}),
        Case("Renritu3_FractionsNear2To31", kRenritu3, "EditAnsX",
             {{"EditX1", "2147483647/2147483646"},
              {"EditY1", "2147483645/2147483646"},
              {"EditZ1", "2147483643/2147483646"},
              {"EditA1", "2147483645/2147483646"},
              {"EditX2", "2147483629/2147483587"},
              {"EditY2", "1134903170/2147483587"},
              {"EditZ2", "-1836311903/2147483587"},
              {"EditA2", "-823731444/2147483587"},
              {"EditX3", "-1836311903/2147483563"},
              {"EditY3", "-2147483579/2147483563"},
              {"EditZ3", "1134903170/2147483563"},
              {"EditA3", "1446074846/2147483563"}}),
        Case("Renritu3_Overflow", kRenritu3, "EditAnsX",
             {{"EditX1", "2147483647/2147483646"},
              {"EditY1", "-2147483629/2147483587"},
              {"EditZ1", "1836311903/1134903170"},
              {"EditA1", "2147483563/2147483579"},
              {"EditX2", "1134903170/1836311903"},
              {"EditY2", "-2147483647/2147483629"},
              {"EditZ2", "2147483587/2147483563"},
              {"EditA2", "-1134903170/2147483647"},
              {"EditX3", "2147483579/1836311903"},
              {"EditY3", "2147483646/2147483629"},
              {"EditZ3", "-1836311903/2147483587"},
              {"EditA3", "2147483629/1134903170"}}),

        // Indefinite equations: consecutive Fibonacci numbers, the longest run of
        // Euclid's algorithm in 31 bits, for one solution and for all of them.
        Case("Hutei_FibonacciAll", kHutei, "xAnsEdit2",
             {{"PlusItem"},
              {"AllRadio"},
              {"xEdit", "1836311903"},
              {"yEdit", "1134903170"},
              {"zEdit", "1"}}),
        Case("Hutei_FibonacciMinusOne", kHutei, "xAnsEdit1",
             {{"MinusItem"},
              {"OneRadio"},
              {"xEdit", "-1836311903"},
              {"yEdit", "1134903170"},
              {"zEdit", "-1"}}),
        Case("Hutei_LargestOverflow", kHutei, "xAnsEdit2",
             {{"PlusItem"},
              {"AllRadio"},
              {"xEdit", "1836311903"},
              {"yEdit", "1134903170"},
              {"zEdit", "2147483647"}}),

        // Counting: the longest chains of long multiplications (and divisions)
        // whose answers still fit in 500 digits, and the ones just past it.
        Case("Junretu_Factorial253", kFactorial, "AnsKaijoEdit", {{"KaijoEdit", "253"}}),
        Case("Junretu_Factorial254Overflow", kFactorial, "AnsKaijoEdit", {{"KaijoEdit", "254"}}),
        Case("Junretu_Permutations253P252", kPermutations, "AnsPEdit",
             {{"P1Edit", "253"}, {"P2Edit", "252"}}),
        Case("Junretu_PermutationsLargestN", kPermutations, "AnsPEdit",
             {{"P1Edit", "2147483647"}, {"P2Edit", "2147483647"}}),
        Case("Junretu_Combinations1666C833", kCombinations, "AnsCEdit",
             {{"C1Edit", "1666"}, {"C2Edit", "833"}}),
        Case("Junretu_Combinations1668C834Overflow", kCombinations, "AnsCEdit",
             {{"C1Edit", "1668"}, {"C2Edit", "834"}}),
        Case("Junretu_CombinationsLargestN", kCombinations, "AnsCEdit",
             {{"C1Edit", "2147483647"}, {"C2Edit", "60"}}),

        // Division points and the line through two points: fractions in every
        // field, and values near 2^31 whose answer does not fit.
        Case("Naibun_InternalFractions", kNaibun, "EditAnsNX", {{"RadioNaibun"}, NAIBUN_FRACTIONS}),
        Case("Naibun_ExternalFractions", kNaibun, "EditAnsGX", {{"RadioGaibun"}, NAIBUN_FRACTIONS}),
        Case("Naibun_LineFractions", kNaibun, "EditAnsC", {{"RadioChokusen"}, NAIBUN_FRACTIONS}),
        Case("Naibun_InternalOverflow", kNaibun, "EditAnsNX",
             {{"RadioNaibun"},
              {"EditX1", "2147483647/2147483646"},
              {"EditY1", "-2147483629/2147483587"},
              {"EditX2", "1836311903/1134903170"},
              {"EditY2", "-1134903170/1836311903"},
              {"EditM", "2147483563/2147483579"},
              {"EditN", "2147483579/2147483563"}}),

        // Differentiation: degree 4 with fractions at a fractional point, and the
        // extrema of cubics whose critical points are irrational ((P ± Q√R)/D with
        // the values there), one of them too large to answer.
        Case("Bibun_DerivativeValue", kBibun, "EditAnsK", {{"RadioKeisuu"}, BIBUN_QUARTIC}),
        Case("Bibun_Tangent", kBibun, "EditAnsS", {{"RadioSessen"}, BIBUN_QUARTIC}),
        Case("Bibun_ExtremaIrrationalFractions", kBibun, "EditAnsBigY",
             {{"RadioKyokuchi"},
              {"Edit4", ""},
              {"Edit3", "-2/3"},
              {"Edit2", "5/7"},
              {"Edit1", "11/13"},
              {"Edit0", "-17/19"}}),
        Case("Bibun_ExtremaIrrationalLarge", kBibun, "EditAnsBigY",
             {{"RadioKyokuchi"},
              {"Edit4", ""},
              {"Edit3", "2"},
              {"Edit2", "-997"},
              {"Edit1", "-991"},
              {"Edit0", "983"}}),
        Case("Bibun_ExtremaOverflow", kBibun, "EditAnsBigY",
             {{"RadioKyokuchi"},
              {"Edit4", ""},
              {"Edit3", "1"},
              {"Edit2", "-46337"},
              {"Edit1", "-46327"},
              {"Edit0", "2147483647"}}),

        // Definite integrals of degree 5: fractions everywhere, the largest
        // integer limits whose answer still fits, and limits near 2^31.
        Case("Sekibun_Degree5Fractions", kSekibun, "EditAns",
             {{"Jotan", "2/3"}, {"Katan", "-1/2"}, SEKIBUN_FRACTIONS}),
        Case("Sekibun_Degree5LargeLimits", kSekibun, "EditAns",
             {{"Jotan", "20"}, {"Katan", "-19"}, SEKIBUN_INTEGERS}),
        Case("Sekibun_LimitsNear2To31Overflow", kSekibun, "EditAns",
             {{"Jotan", "2147483647/2147483646"},
              {"Katan", "-2147483629/2147483587"},
              SEKIBUN_INTEGERS}),

        // Sums: a cubic summand up to a quadratic in n (a degree 8 sum that is then
        // factored), and numeric limits.
        Case("Sigma_QuadraticUpperLimit", kSigma, "EditAns",
             {{"kEndEdit", "2n^2+3n+1"},
              {"kBeginEdit", "1"},
              {"Edit3", "1"},
              {"Edit2", "0"},
              {"Edit1", "0"},
              {"Edit0", "0"}}),
        Case("Sigma_FractionsQuadraticUpperLimit", kSigma, "EditAns",
             {{"kEndEdit", "3/2n^2-5/3n+7"},
              {"kBeginEdit", "-7"},
              {"Edit3", "7/3"},
              {"Edit2", "-5/2"},
              {"Edit1", "3"},
              {"Edit0", "-11/13"}}),
        Case("Sigma_LinearUpperLimit", kSigma, "EditAns",
             {{"kEndEdit", "n"},
              {"kBeginEdit", "1"},
              {"Edit3", "1"},
              {"Edit2", "1"},
              {"Edit1", "1"},
              {"Edit0", "1"}}),
        Case("Sigma_NumericLimits", kSigma, "EditAns",
             {{"kEndEdit", "200"},
              {"kBeginEdit", "-200"},
              {"Edit3", "1"},
              {"Edit2", "-1"},
              {"Edit1", "1"},
              {"Edit0", "-1"}}),

        // The algebra windows end to end on the slowest inputs that their routines
        // are measured with in equation_bench and enzan_bench.
        Case("Insuu_ManyCandidates", kInsuu, "EditAns",
             {{"Edit4", "2147483646"},
              {"Edit3", "1"},
              {"Edit2", "-7"},
              {"Edit1", "3"},
              {"Edit0", "2095133040"}}),
        Case("Niji_SquaredLargePrime", kNiji, "EditAns",
             {{"Edit2", "1"}, {"Edit1", "1518516543"}, {"Edit0", "943851152"}}),
        // Radicands of 40 digits that only a complete factoring settles: two
        // primes near 10^20, and p^2 q with p and q near the cube root.
        Case("Niji_FortyDigitSemiprime", kNiji, "EditAns",
             {{"Edit2", "1"},
              {"Edit1", "0"},
              {"Edit0", "-9999999800100001012999999860047000004371"}}),
        Case("Niji_FortyDigitSquaredPrime", kNiji, "EditAns",
             {{"Edit2", "1"},
              {"Edit1", "0"},
              {"Edit0", "-9999999999984929952380922226199546474741"}}),
        Case(
            "Koji_FourRationalRoots", kKoji, "EditAns",
            {{"Edit4", "30"}, {"Edit3", "-61"}, {"Edit2", "41"}, {"Edit1", "-11"}, {"Edit0", "1"}}),
        Case("Koji_ManyCandidates", kKoji, "EditAns",
             {{"Edit4", "2147483646"},
              {"Edit3", "1"},
              {"Edit2", "-7"},
              {"Edit1", "3"},
              {"Edit0", "2095133040"}}),
        Case("Koji_LargeQuadraticsOverflow", kKoji, "EditAns",
             {{"Edit4", "1071449033"},
              {"Edit3", "-65594"},
              {"Edit2", "2141785545"},
              {"Edit1", "-65456"},
              {"Edit0", "1070336647"}}),
        Case("Enzan_MulDegree5Fractions", kEnzanMul, "EditAns",
             {{"EditF5", "7919/2"},
              {"EditF4", "-7907"},
              {"EditF3", "7901"},
              {"EditF2", "-7883"},
              {"EditF1", "7877"},
              {"EditF0", "-7873"},
              {"EditG5", "7867"},
              {"EditG4", "7853/3"},
              {"EditG3", "-7841"},
              {"EditG2", "7829"},
              {"EditG1", "-7823"},
              {"EditG0", "7817"}}),
        Case("Enzan_DivDegree5ByQuadratic", kEnzanDiv, "EditAns",
             {{"EditF5", "7/3"},
              {"EditF4", "-5/2"},
              {"EditF3", "3/7"},
              {"EditF2", "-11/13"},
              {"EditF1", "17/19"},
              {"EditF0", "-23/29"},
              {"EditG5", ""},
              {"EditG4", ""},
              {"EditG3", ""},
              {"EditG2", "2"},
              {"EditG1", "-3"},
              {"EditG0", "5"}}),
        Case("Enzan_SubstituteQuadratic", kEnzanSubstitute, "EditAns",
             {{"EditF5", "1"},
              {"EditF4", "-2"},
              {"EditF3", "3"},
              {"EditF2", "-4"},
              {"EditF1", "5"},
              {"EditF0", "-6"},
              {"EditG5", ""},
              {"EditG4", ""},
              {"EditG3", ""},
              {"EditG2", "1"},
              {"EditG1", "-1"},
              {"EditG0", "1"}}),

    };
}

#undef NAIBUN_FRACTIONS
#undef BIBUN_QUARTIC
#undef SEKIBUN_FRACTIONS
#undef SEKIBUN_INTEGERS

} // namespace

// Made on first use, so that window_bench can register the cases while the
// program's globals are being made.
const std::vector<TCase>& WindowCases() {
    static const std::vector<TCase> cases = MakeCases();
    return cases;
}

const TCase* FindCase(std::string_view name) {
    for (const TCase& windowCase : WindowCases()) {
        if (name == windowCase.Name) {
            return &windowCase;
        }
    }
    return nullptr;
}

TSetUp SetUp(const TCase& windowCase) {
    const TButton& button = *windowCase.Button;
    std::vector<std::string> texts(button.Fields.size());
    std::vector<int> checked(button.Radios.size(), 0);
    for (const TInput& input : windowCase.Inputs) {
        if (input.Text != nullptr) {
            const auto field = IndexOf(button.Fields, input.Name);
            if (!field) {
                return {std::nullopt, 0, "no such field"};
            }
            texts[*field] = input.Text;
            continue;
        }
        bool found = false;
        for (std::size_t g = 0; g < button.Radios.size() && !found; ++g) {
            if (const auto radio = IndexOf(button.Radios[g], input.Name)) {
                checked[g] = static_cast<int>(*radio);
                found = true;
            }
        }
        if (!found) {
            return {std::nullopt, 0, "no such radio button"};
        }
    }
    const auto answer = IndexOf(button.Answers, windowCase.Answer);
    if (!answer) {
        return {std::nullopt, 0, "no such answer field"};
    }
    return {TClick(std::move(texts), std::move(checked), button.Answers.size()), *answer, nullptr};
}

} // namespace bench
