// SPDX-License-Identifier: GPL-3.0-or-later
// Workings of the linear-system, indefinite-equation and four-operations
// windows: their lines for textbook problems, and their last lines against
// the board's answer over many inputs.
#include "BoardNotation.h"
#include "Errors.h"
#include "WorkingSystems.h"

#include <gtest/gtest.h>

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
        {"NoSolution", [] { return Linear("1 2 3 | 2 4 1"); },
         "x + 2y = 3 …①\n"
         "2x + 4y = 1 …②\n"
         "①×2 − ② より 0 = 5 となり成り立たないので\n"
         "解なし"},
        {"Infinite", [] { return Linear("1 2 3 | 2 4 6"); },
         "x + 2y = 3 …①\n"
         "2x + 4y = 6 …②\n"
         "①×2 − ② より 0 = 0 となり常に成り立つ\n"
         "不定"},
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
        {"ThreeInfinite", [] { return Linear("1 1 1 1 | 2 2 2 2 | 1 -1 0 0"); },
         "x + y + z = 1 …①\n"
         "2x + 2y + 2z = 2 …②\n"
         "x − y = 0 …③\n"
         "①×2 − ② より 0 = 0 となり常に成り立つ\n"
         "不定"},
        {"ZeroRow", [] { return Linear("1 1 2 | 0 0 5/2"); },
         "x + y = 2 …①\n"
         "0 = 5/2 …②\n"
         "0 = 5/2 は成り立たないので\n"
         "解なし"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

std::optional<TMath> Hutei(long a, long b, long c, bool plus, bool general) {
    const TOutcome<THuteiSolution> solved = HuteiSolve(a, b, c, plus);
    return HuteiWorking(a, b, c, plus, solved.Answer.value_or(THuteiSolution{}), general);
}

TEST(WorkingSystemsTest, Hutei) {
    const LinesRow rows[] = {
        {"CoprimeGeneral", [] { return Hutei(29, 11, 5, true, true); },
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
         "両辺に 5 を掛けて 29·(−15) + 11·40 = 5\n"
         "辺々引いて 29(x + 15) = −11(y − 40)\n"
         "29 と 11 は互いに素なので x + 15 = 11n, y − 40 = −29n (n は整数)\n"
         "x = 11n − 15\n"
         "y = −29n + 40"},
        {"CoprimeOne", [] { return Hutei(29, 11, 5, true, false); },
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
         "両辺に 5 を掛けて 29·(−15) + 11·40 = 5\n"
         "x = −15, y = 40"},
        {"GcdDividesC", [] { return Hutei(2000, 666, 10, true, true); },
         "2000 = 666·3 + 2\n"
         "666 = 2·333 + 0\n"
         "gcd(2000, 666) = 2\n"
         "2 = 2000 − 666·3\n"
         "両辺に 5 を掛けて 2000·5 + 666·(−15) = 10\n"
         "辺々引いて 2000(x − 5) = −666(y + 15)\n"
         "両辺を 2 で割って 1000(x − 5) = −333(y + 15)\n"
         "1000 と 333 は互いに素なので x − 5 = 333n, y + 15 = −1000n (n は整数)\n"
         "x = 333n + 5\n"
         "y = −1000n − 15"},
        {"GcdDoesNotDivideC", [] { return Hutei(4, 6, 7, true, true); },
         "6 = 4·1 + 2\n"
         "4 = 2·2 + 0\n"
         "gcd(4, 6) = 2\n"
         "7 は 2 で割り切れないので 整数解はありません"},
        {"NegativeA", [] { return Hutei(-3, 5, 7, true, true); },
         "5 = 3·1 + 2\n"
         "3 = 2·1 + 1\n"
         "2 = 1·2 + 0\n"
         "gcd(3, 5) = 1\n"
         "1 = 3 − 2·1\n"
         "= 3 − (5 − 3·1) = 5·(−1) + 3·2\n"
         "両辺に 7 を掛けて −3·(−14) + 5·(−7) = 7\n"
         "辺々引いて −3(x + 14) = −5(y + 7)\n"
         "3 と 5 は互いに素なので x + 14 = 5n, y + 7 = 3n (n は整数)\n"
         "x = 5n − 14\n"
         "y = 3n − 7"},
        {"MinusMode", [] { return Hutei(3, 5, 1, false, true); },
         "5 = 3·1 + 2\n"
         "3 = 2·1 + 1\n"
         "2 = 1·2 + 0\n"
         "gcd(3, 5) = 1\n"
         "1 = 3 − 2·1\n"
         "= 3 − (5 − 3·1) = 5·(−1) + 3·2\n"
         "よって 3·2 − 5·1 = 1\n"
         "辺々引いて 3(x − 2) = 5(y − 1)\n"
         "3 と 5 は互いに素なので x − 2 = 5n, y − 1 = 3n (n は整数)\n"
         "x = 5n + 2\n"
         "y = 3n + 1"},
        {"OneDividesTheOther", [] { return Hutei(6, 3, 9, true, true); },
         "6 = 3·2 + 0\n"
         "gcd(6, 3) = 3\n"
         "3 = 6·0 + 3\n"
         "両辺に 3 を掛けて 6·0 + 3·3 = 9\n"
         "辺々引いて 6x = −3(y − 3)\n"
         "両辺を 3 で割って 2x = −(y − 3)\n"
         "2 と 1 は互いに素なので x = n, y − 3 = −2n (n は整数)\n"
         "x = n\n"
         "y = −2n + 3"},
        {"ZeroCoefficient", [] { return Hutei(0, 3, 9, true, true); }, "(none)"},
        {"ShiftedToTheWindowsSolution",
         [] {
             return HuteiWorking(3, 5, 1, false, THuteiSolution{-3, -2, 5, 3}, false);
         },

         "5 = 3·1 + 2\n"
         "3 = 2·1 + 1\n"
         "2 = 1·2 + 0\n"
         "gcd(3, 5) = 1\n"
         "1 = 3 − 2·1\n"
         "= 3 − (5 − 3·1) = 5·(−1) + 3·2\n"
         "よって 3·2 − 5·1 = 1\n"
         "x = 2 − 5·1 = −3, y = 1 − 3·1 = −2 とすると\n"
         "3·(−3) − 5·(−2) = 1\n"
         "x = −3, y = −2"},
    };
    ExpectLines(std::begin(rows), std::end(rows));
}

// The working ends in the answer: its last lines read as the board's answer.
void ExpectEndsIn(const std::optional<TMath>& working, const TMath& answer,
                  const std::string& name) {
    ASSERT_TRUE(working.has_value()) << name;
    const std::string text = MathToUnicode(*working);
    std::string tail = "\n";
    tail += MathToUnicode(answer);
    ASSERT_GE(text.size(), tail.size()) << name << ":\n" << text;
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << name << ":\n" << text;
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
                RatMul(s[0][k], m, s[n - 1][k]);
            }
            if (round % 2 == 0) {
                RatMul(s[0][n], m, s[n - 1][n]);
            }
        }
        const TLinearSolution solution = SolveLinearSystem(s, n);
        ExpectEndsIn(LinearWorking(s, n, solution), LinearAnswer(solution, n),
                     MathToUnicode(LinearProblem(s, n)));
    }
}

TEST(WorkingSystemsTest, RefusesAResultOfAnotherProblem) {
    const std::function<void()> rows[] = {
        [] {
            int n = 0;
            const TLinearSystem s = System("1 1 2 | 1 -1 0", n);
            LinearWorking(s, n, SolveLinearSystem(System("1 1 3 | 1 -1 0", n), n));
        },
        [] {
            HuteiWorking(3, 5, 1, false, THuteiSolution{2, 1, 5, 4}, true);
        },
        [] {
            HuteiWorking(3, 5, 1, false, THuteiSolution{3, 1, 5, 3}, false);
        },
    };
    for (const auto& build : rows) {
        EXPECT_THROW(build(), WorkingCheckError);
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
        if (a == 0 || b == 0) {
            EXPECT_FALSE(working.has_value()) << name;
        } else if (solved.Answer) {
            ExpectEndsIn(working, HuteiAnswer(*solved.Answer, general), name);
        } else {
            ASSERT_TRUE(working.has_value()) << name;
            EXPECT_TRUE(MathToUnicode(*working).ends_with("整数解はありません")) << name;
        }
    }
}

} // namespace
