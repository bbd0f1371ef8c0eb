// SPDX-License-Identifier: GPL-3.0-or-later
#include "RenrituProblem.h"

#include "BoardNotation.h"
#include "Decimals.h"
#include "Graph.h"
#include "LinearSystem.h"
#include "WorkingSystems.h"

namespace problems {

using namespace arith;

TWindowResult SolveRenritu(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        // The coefficients first, then the right-hand sides.
        c.Answers({{"EditAnsX"}, {"EditAnsY"}});
        TLinearSystem system{};
        system[0][0] = c.ReadRational("EditX1");
        system[0][1] = c.ReadRational("EditY1");
        system[1][0] = c.ReadRational("EditX2");
        system[1][1] = c.ReadRational("EditY2");
        system[0][2] = c.ReadRational("EditA1");
        system[1][2] = c.ReadRational("EditA2");
        c.StopOnBadFields();
        c.Problem([=] { return LinearProblem(system, 2); });
        const TLinearSolution solution = SolveLinearSystem(system, 2);
        c.Write("EditAnsX", LinearValueText(solution, 0));
        c.Write("EditAnsY", LinearValueText(solution, 1));
        c.Answer([=] { return LinearAnswer(solution, 2); }, {"EditAnsX", "EditAnsY"});
        c.Decimals([=] { return LinearDecimals(solution, 2); });
        c.Working([=] { return LinearWorking(system, 2, solution); });
        c.Graph([=] { return LinearGraph(system, solution); });
    });
}

} // namespace problems
