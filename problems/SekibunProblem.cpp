// SPDX-License-Identifier: GPL-3.0-or-later
#include "SekibunProblem.h"

#include "BoardNotation.h"
#include "Calculus.h"
#include "Decimals.h"
#include "Graph.h"
#include "Working.h"

namespace problems {

using namespace arith;

TWindowResult SolveSekibun(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        c.Answers({{"EditAns"}});
        const TPolynomial upper = c.ReadConstant("Jotan");
        const TPolynomial lower = c.ReadConstant("Katan");
        const TPolynomial f =
            c.ReadCoefficients({"Edit0", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5"});
        c.StopOnBadFields();
        c.Problem([=] { return IntegralProblem(f, lower, upper); });
        const TDefiniteIntegral integral = DefiniteIntegral(f, lower, upper);
        c.Write("EditAns", PolyToText(integral.Value));
        c.Answer([=] { return IntegralAnswer(integral); }, {"EditAns"});
        c.Decimals([=] { return ConstantDecimals(integral.Value); });
        c.Working([=] { return IntegralWorking(f, lower, upper, integral); });
        c.Graph([=] { return IntegralGraph(f, lower, upper); });
    });
}

} // namespace problems
