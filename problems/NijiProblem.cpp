// SPDX-License-Identifier: GPL-3.0-or-later
#include "NijiProblem.h"

#include "BoardNotation.h"
#include "Decimals.h"
#include "Equations.h"
#include "Graph.h"
#include "Working.h"

namespace problems {

using namespace arith;

TWindowResult SolveNiji(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        c.Answers({{"EditAns"}});
        const TPolynomial p = c.ReadCoefficients({"Edit0", "Edit1", "Edit2"});
        c.StopOnBadFields();
        c.Problem([=] { return EquationProblem(p); });
        if (const auto roots = c.Accept(SolveByFactoring(p))) {
            c.Write("EditAns", RootsText(*roots, true));
            c.Answer([=] { return RootsAnswer(*roots, true); }, {"EditAns"});
            c.Decimals([=] { return RootsDecimals(*roots); });
            c.Working([=] { return QuadraticWorking(p, *roots); });
            c.Graph([=] { return EquationGraph(p, *roots); });
        }
    });
}

} // namespace problems
