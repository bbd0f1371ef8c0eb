// SPDX-License-Identifier: GPL-3.0-or-later
#include "InsuuProblem.h"

#include "BoardNotation.h"
#include "Factorization.h"
#include "Graph.h"
#include "WorkingAlgebra.h"

namespace problems {

using namespace arith;

TWindowResult SolveInsuu(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        c.Answers({{"EditAns"}});
        const TPolynomial p = c.ReadCoefficients({"Edit0", "Edit1", "Edit2", "Edit3", "Edit4"});
        c.StopOnBadFields();
        c.Problem([=] { return FactorProblem(p); });
        if (const auto factors = c.Accept(Factorize(p))) {
            c.Write("EditAns", FactorListToText(*factors, 'x'));
            c.Answer([=] { return FactorAnswer(*factors); }, {"EditAns"});
            c.Working([=] { return FactorWorking(p, *factors); });
            c.Graph([=] { return EquationGraph(p, RootsOfFactors(*factors)); });
        }
    });
}

} // namespace problems
