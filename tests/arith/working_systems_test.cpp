// SPDX-License-Identifier: GPL-3.0-or-later
// Workings of the linear-system, indefinite-equation and four-operations
// windows: their lines for textbook problems, and their last lines against
// the board's answer over many inputs.
#include "BoardNotation.h"
#include "EliminationSteps.h"
#include "Errors.h"
#include "HuteiSteps.h"
#include "OperationSteps.h"
#include "WorkingSystems.h"

#include "TestPolynomial.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>

using namespace arith;

namespace {

TRational R(const std::string& text) {
    TRational r;
    EXPECT_TRUE(ParseRational(text, r)) << text;
    return r;
}

// "2 3 5 | 1 -1 0": the rows of a system, coefficients then the right side.
TLinearSystem System(const std::string& text, int& n) {
    TLinearSystem s{};
    std::istringstream rows(text);
    std::string row;
    n = 0;
    while (std::getline(rows, row, '|')) {
        std::istringstream entries(row);
        std::string entry;
        int k = 0;
        while (entries >> entry) {
            s[n][k++] = R(entry);
        }
        ++n;
    }
    return s;
}

std::string Text(const std::optional<TMath>& working) {
    return working ? MathToUnicode(*working) : "(none)";
}

struct LinesRow {
    const char* name;
    std::function<std::optional<TMath>()> build;
    const char* lines;
};

void ExpectLines(const LinesRow* begin, const LinesRow* end) {
    for (const LinesRow* row = begin; row != end; ++row) {
        EXPECT_EQ(Text(row->build()), row->lines) << row->name;
    }
}

// Rows whose lines field is one line that the working must contain.
void ExpectLine(const LinesRow* begin, const LinesRow* end) {
    for (const LinesRow* row = begin; row != end; ++row) {
        std::string text = "\n";
        text += Text(row->build());
        text += '\n';
        std::string line = "\n";
        line += row->lines;
        line += '\n';
        EXPECT_NE(text.find(line), std::string::npos) << row->name << ":" << text;
    }
}

std::optional<TMath> Linear(const std::string& text) {
    int n = 0;
    const TLinearSystem s = System(text, n);
    return LinearWorking(s, n, SolveLinearSystem(s, n));
}

TEST(WorkingSystemsTest, Linear) {
    const LinesRow rows[] = {
        {"Unique", [] { return Linear("2 3 5 | 1 -1 0"); },
         "2x + 3y = 5 …①\n"
         "x − y = 0 …②\n"
         "① − ②×2 より 5y = 5\n"
         "y = 1\n"
         "y = 1 を①に代入して 2x + 3·1 = 5\n"
         "2x = 2\n"
         "x = 1\n"
         "y = 1"},
        {"Fractions", [] { return Linear("1/2 1/3 1 | 1 -1 1/4"); },
         "(1/2)x + (1/3)y = 1 …①\n"
         "x − y = 1/4 …②\n"
         "①×6 より 3x + 2y = 6 …①′\n"
         "②×4 より 4x − 4y = 1 …②′\n"
         "①′×2 + ②′ より 10x = 13\n"
         "x = 13/10\n"
         "x = 13/10 を①′に代入して 3·(13/10) + 2y = 6\n"
         "2y = 21/10\n"
         "y = 21/20\n"
         "x = 13/10\n"
         "y = 21/20"},
        {"ThreeUnknowns", [] { return Linear("1 1 1 6 | 2 -1 1 3 | 1 2 -1 2"); },
         "x + y + z = 6 …①\n"
         "2x − y + z = 3 …②\n"
         "x + 2y − z = 2 …③\n"
         "① − ② より −x + 2y = 3 …④\n"
         "① + ③ より 2x + 3y = 8 …⑤\n"
         "④×2 + ⑤ より 7y = 14\n"
         "y = 2\n"
         "y = 2 を④に代入して −x + 2·2 = 3\n"
         "−x = −1\n"
         "x = 1\n"
         "x = 1, y = 2 を①に代入して 1 + 2 + z = 6\n"
         "z = 3\n"
         "x = 1\n"
         "y = 2\n"
         "z = 3"},

    };
    ExpectLines(std::begin(rows), std::end(rows));
    // A line of the working that shows the case's step.
    const LinesRow steps[] = {
        {"NoSolution", [] { return Linear("1 2 3 | 2 4 1"); },
         "①×2 − ② より 0 = 5 となり成り立たないので"},
        {"Infinite", [] { return Linear("1 2 3 | 2 4 6"); },
         "①×2 − ② より 0 = 0 となり常に成り立つ"},
        {"ThreeInfinite", [] { return Linear("1 1 1 1 | 2 2 2 2 | 1 -1 0 0"); },
         "①×2 − ② より 0 = 0 となり常に成り立つ"},
        {"ZeroRow", [] { return Linear("1 1 2 | 0 0 5/2"); }, "0 = 5/2 は成り立たないので"},
    };
    ExpectLine(std::begin(steps), std::end(steps));
}

std::optional<TMath> Hutei(long a, long b, long c, bool plus, bool general) {
    const TOutcome<THuteiSolution> solved = HuteiSolve(a, b, c, plus);
    return HuteiWorking(a, b, c, plus, solved.Answer.value_or(THuteiSolution{}), general);
}

TEST(WorkingSystemsTest, Hutei) {
    const LinesRow rows[] = {
        {"CoprimeGeneral", [] { return Hutei(29, 11, 5, true, true); },
         "29x + 11y = 5 …①\n"
         "29 = 11·2 + 7\n"
         "11 = 7·1 + 4\n"
         "7 = 4·1 + 3\n"
         "4 = 3·1 + 1\n"
         "3 = 1·3 + 0\n"
         "gcd(29, 11) = 1\n"
         "1 = 4 − 3·1\n"
         "= 4 − (7 − 4·1) = 7·(−1) + 4·2\n"
         "= 7·(−1) + (11 − 7·1)·2 = 11·2 − 7·3\n"
         "= 11·2 − (29 − 11·2)·3 = 29·(−3) + 11·8\n"
         "両辺に 5 を掛けて 29·(−15) + 11·40 = 5 …②\n"
         "① − ② より 29(x + 15) + 11(y − 40) = 0\n"
         "すなわち 29(x + 15) = −11(y − 40) …③\n"
         "29 と 11 は互いに素であるから x + 15 は 11 の倍数である\n"
         "よって x + 15 = 11n とおくと ③より y − 40 = −29n\n"
         "x = 11n − 15, y = −29n + 40 (n は整数)"},
        {"CommonFactor", [] { return Hutei(6, 4, 2, true, true); },
         "6x + 4y = 2 …①\n"
         "6 = 4·1 + 2\n"
         "4 = 2·2 + 0\n"
         "gcd(6, 4) = 2\n"
         "2 = 6 − 4·1\n"
         "よって 6·1 + 4·(−1) = 2 …②\n"
         "① − ② より 6(x − 1) + 4(y + 1) = 0\n"
         "すなわち 6(x − 1) = −4(y + 1)\n"
         "両辺を 2 で割って 3(x − 1) = −2(y + 1) …③\n"
         "3 と 2 は互いに素であるから x − 1 は 2 の倍数である\n"
         "よって x − 1 = 2n とおくと ③より y + 1 = −3n\n"
         "x = 2n + 1, y = −3n − 1 (n は整数)"},
        {"ZeroC", [] { return Hutei(6, 4, 0, true, true); },
         "6x + 4y = 0 より 6x = −4y\n"
         "両辺を 2 で割って 3x = −2y …①\n"
         "3 と 2 は互いに素であるから x は 2 の倍数である\n"
         "よって x = 2n とおくと ①より y = −3n\n"
         "x = 2n, y = −3n (n は整数)"},
        {"ZeroCOneSolution", [] { return Hutei(3, 5, 0, true, false); },
         "x = 0, y = 0 とすると 3·0 + 5·0 = 0\n"
         "x = 0, y = 0"},
        {"GcdDoesNotDivideC", [] { return Hutei(4, 6, 7, true, true); },
         "6 = 4·1 + 2\n"
         "4 = 2·2 + 0\n"
         "gcd(4, 6) = 2\n"
         "4 と 6 の最大公約数 2 は 7 を割り切らないので、整数解はありません"},
        {"GcdDoesNotDivideCMinus", [] { return Hutei(4, 6, 3, false, false); },
         "6 = 4·1 + 2\n"
         "4 = 2·2 + 0\n"
         "gcd(4, 6) = 2\n"
         "4 と 6 の最大公約数 2 は 3 を割り切らないので、整数解はありません"},
        {"ZeroA", [] { return Hutei(0, 3, 9, true, true); },
         "3y = 9 より y = 3\n"
         "x はどんな整数でもよいので\n"
         "x = n, y = 3 (n は整数)"},
        {"ZeroBOneSolution", [] { return Hutei(-4, 0, 12, false, false); },
         "−4x = 12 より x = −3\n"
         "y はどんな整数でもよいので 例えば\n"
         "x = −3, y = 0"},
        {"ZeroANotDividing", [] { return Hutei(0, 4, 6, true, true); },
         "6 は 4 で割り切れないので 整数解はありません"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
    // A line of the working that shows the case's step.
    const LinesRow steps[] = {
        {"CoprimeOne", [] { return Hutei(29, 11, 5, true, false); }, "x = −15, y = 40"},
        {"GcdDividesC", [] { return Hutei(2000, 666, 10, true, true); },
         "両辺を 2 で割って 1000(x − 5) = −333(y + 15) …③"},
        {"NegativeA", [] { return Hutei(-3, 5, 7, true, true); },
         "両辺に 7 を掛けて −3·(−14) + 5·(−7) = 7 …②"},
        {"NegativeAMovedRound", [] { return Hutei(-3, 5, 7, true, true); },
         "すなわち 3(x + 14) = 5(y + 7) …③"},
        {"NegativeB", [] { return Hutei(3, -5, 1, true, true); },
         "よって x − 2 = −5n とおくと ③より y − 1 = −3n"},
        {"MinusMode", [] { return Hutei(3, 5, 1, false, true); },
         "① − ② より 3(x − 2) − 5(y − 1) = 0"},
        {"QuotientOne", [] { return Hutei(6, 3, 9, true, true); },
         "x = n とおくと ③より y − 3 = −2n"},
        {"CoefficientOne", [] { return Hutei(1, 3, 5, true, true); },
         "③より x − 5 は 3 の倍数である"},
        {"ShiftedAndNumbered",
         [] {
             return HuteiWorking(3, 5, 1, false, THuteiSolution{-3, -2, 5, 3}, true);
         },
         "3·(−3) − 5·(−2) = 1 …②"},
        {"OneDividesTheOther", [] { return Hutei(6, 3, 9, true, true); }, "3 = 6·0 + 3"},
        {"ShiftedToTheWindowsSolution",
         [] {
             return HuteiWorking(3, 5, 1, false, THuteiSolution{-3, -2, 5, 3}, false);
         },
         "x = 2 − 5·1 = −3, y = 1 − 3·1 = −2 とすると"},
    };
    ExpectLine(std::begin(steps), std::end(steps));
}

// Every solution as the working's last line states it: "x = 5n + 2, y = −3n − 1 (n は整数)".
TMath HuteiLastLine(const THuteiSolution& s, bool general) {
    TMath answer = HuteiAnswer(s, general);
    if (!general) {
        return answer;
    }
    return MathRow({answer.Parts[0], MathText(TMathKind::Punct, ","), answer.Parts[1],
                    MathText(TMathKind::Word, "(n は整数)")});
}

// The working ends in the answer: its last lines read as the board's
// answer, or its last line ends in it ("最大公約数は x − 1", "… = x² + 2").
void ExpectEndsIn(const std::optional<TMath>& working, const TMath& answer,
                  const std::string& name) {
    ASSERT_TRUE(working.has_value()) << name;
    const std::string text = MathToUnicode(*working);
    const std::string end = MathToUnicode(answer);
    const bool ends =
        text.size() > end.size() && text.ends_with(end) &&
        (text[text.size() - end.size() - 1] == '\n' ||
         (text[text.size() - end.size() - 1] == ' ' && end.find('\n') == std::string::npos));
    EXPECT_TRUE(ends) << name << ":\n" << text << "\nanswer: " << end;
}

TEST(WorkingSystemsTest, LinearEndsInTheBoardAnswer) {
    const char* const values[] = {"-3", "-1", "0", "1", "2", "1/2", "-5/3", "4", "7"};
    std::mt19937 random(17);
    const auto pick = [&] { return R(values[random() % std::size(values)]); };
    for (int round = 0; round < 300; ++round) {
        const int n = 2 + round % 2;
        TLinearSystem s{};
        for (int row = 0; row < n; ++row) {
            for (int k = 0; k <= n; ++k) {
                s[row][k] = pick();
            }
        }
        if (round % 3 == 0) {
            // The last row a multiple of the first, its right side kept or not.
            const TRational m = pick();
            for (int k = 0; k < n; ++k) {
                s[n - 1][k] = s[0][k] * m;
            }
            if (round % 2 == 0) {
                s[n - 1][n] = s[0][n] * m;
            }
        }
        const TLinearSolution solution = SolveLinearSystem(s, n);
        ExpectEndsIn(LinearWorking(s, n, solution), LinearAnswer(solution, n),
                     MathToUnicode(LinearProblem(s, n)));
    }
}

// The window's result of the operation, and the board's answer.
std::pair<TOperationResult, TMath> Computed(TOperation op, const TPolynomial& f,
                                            const TPolynomial& g) {
    TOperationResult r;
    switch (op) {
    case TOperation::Divide:
        r.Quotient = PolyQuotient(f, g);
        return {r, QuotientAnswer(r.Quotient)};
    case TOperation::Gcd:
        r.Common = GcdOf(f, g);
        return {r, CommonAnswer(r.Common)};
    case TOperation::Lcm:
        r.Common = LcmOf(f, g);
        return {r, CommonAnswer(r.Common)};
    case TOperation::Power:
        r.Power = *PowerOf(f, g).Answer;
        return {r, PowerAnswer(r.Power)};
    case TOperation::Substitute:
        r.Value = Compose(f, g);
        break;
    case TOperation::Subtract:
        r.Value = f - g;
        break;
    case TOperation::Multiply:
        r.Value = f * g;
        break;
    case TOperation::Add:
        r.Value = f + g;
        break;
    }
    return {r, PolynomialAnswer(r.Value)};
}

std::optional<TMath> Operation(TOperation op, const std::string& f, const std::string& g) {
    return OperationWorking(op, P(f), P(g), Computed(op, P(f), P(g)).first);
}

TEST(WorkingSystemsTest, Operations) {
    const LinesRow rows[] = {
        // A long division: a gap for the missing power, terms brought down
        // as far as the next product reaches, the remainder on the last row.
        {"DivisionWithRemainder",
         [] { return Operation(TOperation::Divide, "2x^3-3x^2+4", "x^2-x+1"); },
         "                          2x − 1\n"
         "           ─────────────────────\n"
         "x² − x + 1 ) 2x³ − 3x²       + 4\n"
         "             2x³ − 2x² +  2x\n"
         "             ───────────────\n"
         "                   −x² −  2x + 4\n"
         "                   −x² +   x − 1\n"
         "                   ─────────────\n"
         "                         −3x + 5\n"
         "2x³ − 3x² + 4 = (x² − x + 1)(2x − 1) − 3x + 5\n"
         "2x − 1 余り −3x + 5"},
        {"DivisionGapsInTheQuotient",
         [] { return Operation(TOperation::Divide, "x^4-1", "x^2+1"); },
         "                 x²   − 1\n"
         "       ──────────────────\n"
         "x² + 1 ) x⁴           − 1\n"
         "         x⁴   +  x²\n"
         "         ──────────\n"
         "                −x²   − 1\n"
         "                −x²   − 1\n"
         "                ─────────\n"
         "                        0\n"
         "x⁴ − 1 = (x² + 1)(x² − 1) + 0\n"
         "x² − 1 余り 0"},
        // No long division by a constant or by a polynomial of a higher degree.
        {"DivisionByAConstant", [] { return Operation(TOperation::Divide, "x^2+1", "3"); },
         "x² + 1 = 3((1/3)x² + 1/3) + 0\n"
         "(1/3)x² + 1/3 余り 0"},
        {"DivisionOfALowerDegree", [] { return Operation(TOperation::Divide, "x", "x^2+1"); },
         "x = 0·(x² + 1) + x\n"
         "0 余り x"},
        {"DivisionOfLongerNumbersAsALine",
         [] { return Operation(TOperation::Divide, "1234567890123x^2+1", "x-1"); },
         "1234567890123x² + 1 = (x − 1)(1234567890123x + 1234567890123) + 1234567890124\n"
         "1234567890123x + 1234567890123 余り 1234567890124"},
        {"GcdScaled", [] { return Operation(TOperation::Gcd, "2x^2+2x", "4x^2-4"); },
         "2x² + 2x = (1/2)·(4x² − 4) + 2x + 2\n"
         "4x² − 4 = (2x + 2)(2x − 2) + 0\n"
         "最大公約数は 2x + 2\n"
         "= 2(x + 1)"},
        {"Lcm", [] { return Operation(TOperation::Lcm, "x^2-1", "x^2+2x+1"); },
         "x² − 1 = 1·(x² + 2x + 1) − 2x − 2\n"
         "x² + 2x + 1 = (−2x − 2)(−(1/2)x − 1/2) + 0\n"
         "最大公約数は −2x − 2 を定数倍して x + 1\n"
         "最小公倍数は (x² − 1)(x² + 2x + 1)/(x + 1) = x³ + x² − x − 1\n"
         "= (x − 1)(x + 1)²"},
        {"BinomialPower", [] { return Operation(TOperation::Power, "x+1", "3"); },
         "(x + 1)³ = x³ + 3·x²·1 + 3·x·1² + 1³\n"
         "= x³ + 3x² + 3x + 1"},
        {"BinomialNegative", [] { return Operation(TOperation::Power, "2x-3", "-2"); },
         "(2x − 3)⁻² = 1/(2x − 3)²\n"
         "(2x − 3)² = (2x)² + 2·(2x)·(−3) + (−3)²\n"
         "= 4x² − 12x + 9\n"
         "(2x − 3)⁻² = 1/(4x² − 12x + 9)"},
        {"ConstantPower", [] { return Operation(TOperation::Power, "-2", "3"); },
         "(−2)³ = (−2)·(−2)·(−2) = −8"},
        {"Substitution", [] { return Operation(TOperation::Substitute, "x^2+2x+3", "x-1"); },
         "f(g(x)) = (x − 1)² + 2(x − 1) + 3 = x² + 2"},
        {"SumAsWritten", [] { return Operation(TOperation::Add, "x^2", "x"); }, "(none)"},
        {"Difference", [] { return Operation(TOperation::Subtract, "x^2+1", "2x-3"); },
         "(x² + 1) − (2x − 3) = x² + 1 − 2x + 3 = x² − 2x + 4"},
        {"Product", [] { return Operation(TOperation::Multiply, "x+1", "2x-3"); },
         "(x + 1) × (2x − 3) = (2x² − 3x) + (2x − 3) = 2x² − x − 3"},
        {"ProductByAMonomial", [] { return Operation(TOperation::Multiply, "3x", "x-1"); },
         "(3x) × (x − 1) = 3x² − 3x"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
    const LinesRow steps[] = {
        {"DivisionByFraction", [] { return Operation(TOperation::Divide, "x^2+1", "2x+1"); },
         "x² + 1 = (2x + 1)((1/2)x − 1/4) + 5/4"},
        {"LongDivisionBringsDownToTheNextProduct",
         [] { return Operation(TOperation::Divide, "2x^3-3x^2+4", "2x-1"); },
         "               −2x²"},
        {"LongDivisionOfTwelveDigits",
         [] { return Operation(TOperation::Divide, "123456789012x^2+1", "x-1"); },
         "                                         123456789013"},
        {"GcdNotCoprime", [] { return Operation(TOperation::Gcd, "x^3-1", "x^2-1"); },
         "最大公約数は x − 1"},
        {"TrinomialPower", [] { return Operation(TOperation::Power, "x^2+x+1", "3"); },
         "= (x⁴ + 2x³ + 3x² + 2x + 1)(x² + x + 1)"},
        {"TrinomialPowerAsItsFactors", [] { return Operation(TOperation::Power, "x^2+x+1", "3"); },
         "(x² + x + 1)³ = (x² + x + 1)(x² + x + 1)(x² + x + 1)"},
        {"ConstantNegativePower", [] { return Operation(TOperation::Power, "2/3", "-3"); },
         "(2/3)⁻³ = 1/(2/3)³ = 27/8"},
    };
    ExpectLine(std::begin(steps), std::end(steps));
}

TEST(WorkingSystemsTest, RefusesAResultOfAnotherProblem) {
    struct Row {
        const char* name;
        std::function<void()> build; // a working given a result that is not its problem's
    };
    const Row rows[] = {
        {"LinearValues",
         [] {
             int n = 0;
             const TLinearSystem s = System("1 1 2 | 1 -1 0", n);
             LinearWorking(s, n, SolveLinearSystem(System("1 1 3 | 1 -1 0", n), n));
         }},
        {"HuteiSteps",
         [] {
             HuteiWorking(3, 5, 1, false, THuteiSolution{2, 1, 5, 4}, true);
         }},
        {"HuteiNotASolution",
         [] {
             HuteiWorking(3, 5, 1, false, THuteiSolution{3, 1, 5, 3}, false);
         }},
        {"Quotient",
         [] {
             OperationWorking(TOperation::Divide, P("x^2"), P("x-1"),
                              Computed(TOperation::Divide, P("x^2"), P("x+1")).first);
         }},
    };
    for (const Row& row : rows) {
        EXPECT_THROW(row.build(), WorkingCheckError) << row.name;
    }
}

TEST(WorkingSystemsTest, HuteiEndsInTheBoardAnswer) {
    std::mt19937 random(29);
    for (int round = 0; round < 300; ++round) {
        const auto draw = [&](long range) {
            return static_cast<long>(random() % (2 * range + 1)) - range;
        };
        const long a = draw(60);
        const long b = round % 10 == 0 ? a * draw(4) : draw(400);
        const long c = draw(90);
        const bool plus = round % 2 == 0;
        const bool general = round % 4 < 2;
        const TOutcome<THuteiSolution> solved = HuteiSolve(a, b, c, plus);
        const std::optional<TMath> working =
            HuteiWorking(a, b, c, plus, solved.Answer.value_or(THuteiSolution{}), general);
        const std::string name = MathToUnicode(HuteiProblem(a, b, c, plus));
        if (a == 0 && b == 0) {
            EXPECT_FALSE(working.has_value()) << name;
        } else if (solved.Answer) {
            ExpectEndsIn(working, HuteiLastLine(*solved.Answer, general), name);
        } else {
            ASSERT_TRUE(working.has_value()) << name;
            EXPECT_TRUE(MathToUnicode(*working).ends_with("整数解はありません")) << name;
        }
    }
}

// A long Euclidean algorithm and its back substitution are shown by their
// first and last three lines; the whole working has every line, and both end
// in the answer.
TEST(WorkingSystemsTest, HuteiAbridgedWhereLong) {
    const struct {
        const char* name;
        long a, b, c;
        const char* note; // the line of the abridged working that stands for the rest
        std::size_t left; // lines it leaves out
    } rows[] = {
        {"F31x+F30y=1", 1346269, 832040, 1, "（途中 23 行を省略）", 23 + 22},
        {"F11x+F10y=3", 89, 55, 3, "（途中 3 行を省略）", 3 + 2},
        {"F9x+F8y=1 (seven lines, all shown)", 34, 21, 1, nullptr, 0},
    };
    const auto lines = [](const std::optional<TMath>& working) {
        const std::string text = Text(working);
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    };
    for (const auto& row : rows) {
        const THuteiSolution s = *HuteiSolve(row.a, row.b, row.c, true).Answer;
        const auto whole = HuteiWorking(row.a, row.b, row.c, true, s, true);
        const auto shown = HuteiWorking(row.a, row.b, row.c, true, s, true, TStepRun::Abridged);
        ASSERT_TRUE(whole && shown) << row.name;
        EXPECT_EQ(Text(whole).find("省略"), std::string::npos) << row.name;
        const std::size_t notes = row.note ? 2 : 0;
        EXPECT_EQ(lines(shown) + row.left, lines(whole) + notes) << row.name;
        if (row.note) {
            EXPECT_NE(Text(shown).find(std::string("\n") + row.note + "\n"), std::string::npos)
                << row.name;
        }
        ExpectEndsIn(shown, HuteiLastLine(s, true), row.name);
    }
}

// Where the Bezout coefficients times c are longer than an answer may be,
// the working writes them as products and moves on to the answer shown.
TEST(WorkingSystemsTest, HuteiBeyondTheLimitOfAnAnswer) {
    const TInteger nines = Power(10, 500) - 1;
    const THuteiSolution s = *HuteiSolve(3, 5, nines, true).Answer;
    const std::optional<TMath> working = HuteiWorking(3, 5, nines, true, s, false);
    ASSERT_TRUE(working);
    const std::string n = AnswerDigits(nines);
    EXPECT_NE(Text(working).find("を掛けて 3·(2·" + n + ") + 5·(−" + n + ") = " + n),
              std::string::npos)
        << Text(working);
    ExpectEndsIn(working, HuteiAnswer(s, false), "3x + 5y = 10^500 − 1");

    // Coefficients of 300 to 500 digits: every working is made and ends in the answer.
    std::mt19937_64 random(31);
    const auto digits = [&random](std::size_t count) {
        std::string text(1, static_cast<char>('1' + random() % 9));
        while (text.size() < count) {
            text += static_cast<char>('0' + random() % 10);
        }
        return TInteger::FromDigits(text);
    };
    for (int i = 0; i < 40; ++i) {
        const TInteger a = digits(300 + random() % 201);
        const TInteger b = digits(300 + random() % 201) * (i % 3 == 0 ? -1 : 1);
        const TInteger g = Gcd(a, b);
        const TInteger c = digits(300 + random() % 201) / g * g;
        const bool plus = i % 2 == 0;
        const THuteiSolution t = *HuteiSolve(a, b, c, plus).Answer;
        const std::string name = MathToUnicode(HuteiProblem(a, b, c, plus));
        for (TStepRun run : {TStepRun::Whole, TStepRun::Abridged}) {
            const std::optional<TMath> made = HuteiWorking(a, b, c, plus, t, i % 4 < 2, run);
            ASSERT_TRUE(made) << name;
            ExpectEndsIn(made, HuteiLastLine(t, i % 4 < 2), name);
        }
    }
}

TEST(WorkingSystemsTest, OperationsEndInTheBoardAnswer) {
    const char* const polys[] = {"x+1",       "2x-3",   "x^2-1", "x^2+x+1",
                                 "-1/2x^2+3", "x^3-2x", "3",     "-2/3"};
    const char* const exponents[] = {"0", "1", "2", "3", "-2", "5"};
    const TOperation ops[] = {TOperation::Divide, TOperation::Gcd, TOperation::Lcm,
                              TOperation::Substitute};
    int count = 0;
    for (const char* a : polys) {
        for (const char* b : polys) {
            // Common factors: f = a·h and g = b·h for h = x − 1, and the inputs as they are.
            for (const bool shared : {false, true}) {
                TPolynomial f = P(a);
                TPolynomial g = P(b);
                if (shared) {
                    f = f * P("x-1");
                    g = g * P("x-1");
                }
                for (TOperation op : ops) {
                    if (op == TOperation::Substitute && shared) {
                        continue;
                    }
                    const auto [result, answer] = Computed(op, f, g);
                    ExpectEndsIn(OperationWorking(op, f, g, result), answer,
                                 MathToUnicode(OperationProblem(op, f, g)));
                    ++count;
                }
            }
        }
        for (const char* e : exponents) {
            if (P(a).Degree() * std::stoi(e) > kMaxDegree) {
                continue; // the window stops with its degree error
            }
            const auto [result, answer] = Computed(TOperation::Power, P(a), P(e));
            ExpectEndsIn(OperationWorking(TOperation::Power, P(a), P(e), result), answer,
                         MathToUnicode(OperationProblem(TOperation::Power, P(a), P(e))));
            ++count;
        }
    }
    EXPECT_GE(count, 300);
}

// The solvers record the method a working states, for the writer and for
// methods still to come.
TEST(WorkingSystemsTest, StepsRecordTheMethod) {
    const auto power = [](const char* f, const char* n) {
        const auto [result, answer] = Computed(TOperation::Power, P(f), P(n));
        return *SolveOperationSteps(TOperation::Power, P(f), P(n), result);
    };
    const auto method = [&](const char* f, const char* n) {
        return std::get<TPolynomialPowerSteps>(power(f, n)).Method;
    };
    EXPECT_TRUE(std::holds_alternative<TBinomialExpansion>(method("x+1", "3")));
    EXPECT_TRUE(std::holds_alternative<TRepeatedProduct>(method("x^2+x+1", "2")));
    EXPECT_TRUE(std::holds_alternative<TPowerAsIs>(method("2x^3", "2")));
    EXPECT_EQ(std::get<TConstantPowerSteps>(power("-2", "3")).Factors, 3);
    EXPECT_EQ(std::get<TConstantPowerSteps>(power("2", "10")).Factors, 0);
    EXPECT_TRUE(std::get<TConstantPowerSteps>(power("2", "-3")).Reciprocal);

    const auto parts = [](const char* f, const char* g) {
        const auto [result, answer] = Computed(TOperation::Multiply, P(f), P(g));
        const auto steps = SolveOperationSteps(TOperation::Multiply, P(f), P(g), result);
        return std::get<TProductSteps>(*steps).Parts.size();
    };
    EXPECT_EQ(parts("x+1", "x^2-2"), 2u); // the distributive law
    EXPECT_EQ(parts("3", "x-1"), 0u);

    // A long division step per term of the quotient, each row reaching down
    // to the next product's last power; none by a constant.
    const auto division = [](const char* f, const char* g) {
        const auto [result, answer] = Computed(TOperation::Divide, P(f), P(g));
        return std::get<TQuotientSteps>(
                   *SolveOperationSteps(TOperation::Divide, P(f), P(g), result))
            .LongDivision;
    };
    const auto textbook = division("x^3-2x^2+x-5", "x-2");
    ASSERT_TRUE(textbook);
    ASSERT_EQ(textbook->Steps.size(), 2u);
    EXPECT_EQ(textbook->Steps[0].Lowest, 0); // x³ − 2x² leaves 0x² + x, then the last product
    EXPECT_EQ(textbook->Steps[0].Left, P("x-5"));
    EXPECT_EQ(textbook->Steps[1].Left, P("-3"));
    const auto longer = division("x^5+1", "x^2+1");
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->Steps.size(), 2u); // x³ and −x: no step for the missing x²
    EXPECT_EQ(longer->Steps[0].Lowest, 1);
    EXPECT_FALSE(division("x^2+1", "3"));

    // "1/2 x + y = 2", "x − y = 1": ①×2, one unknown cleared, then the two values.
    int n = 0;
    const TLinearSystem s = System("1/2 1 2 | 1 -1 1", n);
    const auto linear = SolveEliminationSteps(s, n, SolveLinearSystem(s, n));
    ASSERT_TRUE(linear);
    ASSERT_EQ(linear->Steps.size(), 4u);
    EXPECT_TRUE(std::holds_alternative<TClearDenominators>(linear->Steps[0]));
    EXPECT_TRUE(std::holds_alternative<TEliminate>(linear->Steps[1]));
    EXPECT_TRUE(std::holds_alternative<TBackSubstitute>(linear->Steps[3]));

    const auto hutei = SolveHuteiSteps(29, 11, 5, true, *HuteiSolve(29, 11, 5, true).Answer, true);
    ASSERT_TRUE(hutei);
    EXPECT_EQ(std::count_if(hutei->Steps.begin(), hutei->Steps.end(),
                            [](const THuteiStep& step) {
                                return std::holds_alternative<TEuclidDivision>(step);
                            }),
              5);
}

} // namespace
