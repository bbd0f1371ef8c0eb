// SPDX-License-Identifier: GPL-3.0-or-later
#include "Renritu3Problem.h"

#include "BoardNotation.h"
#include "Decimals.h"
#include "LinearSystem.h"
#include "WorkingSystems.h"

namespace problems {

using namespace arith;

namespace {

// Row i holds the fields of equation i: x, y and z coefficients, right-hand side.
constexpr const char* kFieldNames[3][4] = {{"EditX1", "EditY1", "EditZ1", "EditA1"},
                                           {"EditX2", "EditY2", "EditZ2", "EditA2"},
                                           {"EditX3", "EditY3", "EditZ3", "EditA3"}};
constexpr const char* kAnswerNames[3] = {"EditAnsX", "EditAnsY", "EditAnsZ"};

} // namespace

TWindowResult SolveRenritu3(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        // The nine coefficients row by row, then the three right-hand sides.
        c.Answers({{"EditAnsX"}, {"EditAnsY"}, {"EditAnsZ"}});
        TLinearSystem system{};
        for (int k = 0; k < 9; ++k) {
            system[k / 3][k % 3] = c.ReadRational(kFieldNames[k / 3][k % 3]);
        }
        for (int row = 0; row < 3; ++row) {
            system[row][3] = c.ReadRational(kFieldNames[row][3]);
        }
        c.StopOnBadFields();
        c.Problem([=] { return LinearProblem(system, 3); });
        const TLinearSolution solution = SolveLinearSystem(system, 3);
        for (int k = 0; k < 3; ++k) {
            c.Write(kAnswerNames[k], LinearValueText(solution, k));
        }
        c.Answer([=] { return LinearAnswer(solution, 3); }, {"EditAnsX", "EditAnsY", "EditAnsZ"});
        c.Decimals([=] { return LinearDecimals(solution, 3); });
        c.Working([=] { return LinearWorking(system, 3, solution); });
    });
}

} // namespace problems
