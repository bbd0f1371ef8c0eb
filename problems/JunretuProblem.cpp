// SPDX-License-Identifier: GPL-3.0-or-later
#include "JunretuProblem.h"

#include "BoardNotation.h"
#include "Counting.h"
#include "Working.h"

#include <utility>

namespace problems {

using namespace arith;

namespace {

// Writes a count into its answer field (after its warning, "answer"), and
// hands the answer board the count and how it is reached.
void Show(TCalculation& c, const char* answer, TOutcome<TCount> count, TCountKind kind,
          const TInteger& n, const TInteger& r) {
    // Numbers out of range stop with a warning, and the answer goes back to "answer".
    if (const auto shown = c.Accept(std::move(count))) {
        c.Write(answer, CountText(*shown));
        c.Answer([=] { return CountAnswer(*shown); }, {answer});
        c.Working([=] { return CountWorking(kind, n, r, *shown); });
    }
}

} // namespace

TWindowResult SolveJunretu(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        if (c.Command() == "KaijoButton") {
            c.Answers({{"AnsKaijoEdit"}});
            const TInteger n = c.ReadInteger("KaijoEdit");
            c.StopOnBadFields();
            c.Problem([=] { return FactorialProblem(n); });
            Show(c, "AnsKaijoEdit", Factorial(n), TCountKind::Factorial, n, 0);
        } else if (c.Command() == "PButton") {
            c.Answers({{"AnsPEdit"}});
            const TInteger n = c.ReadInteger("P1Edit");
            const TInteger r = c.ReadInteger("P2Edit");
            c.StopOnBadFields();
            c.Problem([=] { return PermutationProblem(n, r); });
            Show(c, "AnsPEdit", Permutations(n, r), TCountKind::Permutation, n, r);
        } else if (c.Command() == "CButton") {
            c.Answers({{"AnsCEdit"}});
            const TInteger n = c.ReadInteger("C1Edit");
            const TInteger r = c.ReadInteger("C2Edit");
            c.StopOnBadFields();
            c.Problem([=] { return CombinationProblem(n, r); });
            Show(c, "AnsCEdit", Combinations(n, r), TCountKind::Combination, n, r);
        }
    });
}

} // namespace problems
