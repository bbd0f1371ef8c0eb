// SPDX-License-Identifier: GPL-3.0-or-later
#include "SigmaProblem.h"

#include "BoardNotation.h"
#include "Calculus.h"
#include "Decimals.h"
#include "Graph.h"
#include "Working.h"

namespace problems {

using namespace arith;

TWindowResult SolveSigma(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        // The limits first, then the summand; a reversed pair of limits is
        // reported, and the sum answered all the same.
        c.Answers({{"EditAns"}});
        const TPolynomial lower = c.ReadConstant("kBeginEdit");
        const TPolynomial upper = c.ReadPolynomial("kEndEdit", 'n');
        const TPolynomial f = c.ReadCoefficients({"Edit0", "Edit1", "Edit2", "Edit3"});
        c.StopOnBadFields();
        c.Problem([=] { return SumProblem(f, lower, upper); });
        c.Warn(SumLimitsWarning(lower, upper));
        if (const auto sum = c.Accept(SumOf(f, lower, upper))) {
            c.Write("EditAns", SumText(*sum));
            c.Answer([=] { return SumAnswer(*sum); }, {"EditAns"});
            if (!sum->InN) {
                c.Decimals([=] { return ConstantDecimals(sum->Value); });
            }
            c.Working([=] { return SumWorking(f, lower, upper, *sum); });
            if (!sum->InN) {
                c.Graph([=] { return SumGraph(f, lower, upper); });
            }
        }
    });
}

} // namespace problems
