// SPDX-License-Identifier: GPL-3.0-or-later
// The calculate buttons of the windows and the slowest inputs of each.
#include "window_cases.h"

#include "WindowRegistry.h"

#include <algorithm>

namespace bench {

namespace {

// The calculate buttons the cases click: each window's problem entry with
// the command its button gives.
const TButton kRenritu{"TRenrituForm", "CalcButton"};
const TButton kRenritu3{"TRenritu3Form", "CalcButton"};
const TButton kHutei{"THuteiForm", "CalcButton"};
const TButton kFactorial{"TJunretuForm", "KaijoButton"};
const TButton kPermutations{"TJunretuForm", "PButton"};
const TButton kCombinations{"TJunretuForm", "CButton"};
const TButton kNaibun{"TNaibunForm", "CalcButton"};
const TButton kBibun{"TBibunForm", "CalcButton"};
const TButton kSekibun{"TSekibunForm", "CalcButton"};
const TButton kSigma{"TSigmaForm", "CalcButton"};
const TButton kInsuu{"TInsuuForm", "CalcButton"};
const TButton kNiji{"TNijiForm", "CalcButton"};
const TButton kKoji{"TKojiForm", "CalcButton"};
const TButton kEnzanMul{"TEnzanForm", "MulSButton"};
const TButton kEnzanDiv{"TEnzanForm", "DivSButton"};
const TButton kEnzanSubstitute{"TEnzanForm", "EnterSButton"};

TCase Case(const char* name, const TButton& button, const char* answer,
           std::vector<TInput> inputs) {
    return {name, &button, answer, std::move(inputs)};
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
    const TWindowEntry* window = FindWindow(windowCase.Button->Window);
    if (window == nullptr || window->Solve == nullptr) {
        return {std::nullopt, "no such window"};
    }
    problems::TWindowInput input = window->StartInput();
    input.Command = windowCase.Button->Command;
    for (const TInput& item : windowCase.Inputs) {
        if (item.Text != nullptr) {
            input.Fields[item.Name] = item.Text;
            continue;
        }
        if (!window->CheckRadio(input, item.Name)) {
            return {std::nullopt, "no such radio button"};
        }
    }
    return {TClick(std::move(input), window->Solve, windowCase.Answer), nullptr};
}

void TClick::Run() {
    result_ = solve_(input_);
}

std::string TClick::Shown() const {
    if (!result_.Messages.empty()) {
        return result_.Messages.back().Text;
    }
    for (const problems::TFieldText& field : result_.Fields) {
        if (field.Name == answer_) {
            return field.Text;
        }
    }
    return "answer";
}

} // namespace bench
