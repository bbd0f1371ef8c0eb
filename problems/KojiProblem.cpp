// SPDX-License-Identifier: GPL-3.0-or-later
#include "KojiProblem.h"

#include "BoardNotation.h"
#include "Decimals.h"
#include "Equations.h"
#include "Graph.h"
#include "InputText.h"
#include "Working.h"
#include "WorkingAlgebra.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace problems {

using namespace arith;

TWindowResult SolveKoji(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        static constexpr std::array<const char*, 5> kEdits = {"Edit0", "Edit1", "Edit2", "Edit3",
                                                              "Edit4"};
        c.Answers({{"EditAns"}});
        const TPolynomial p =
            c.ReadCoefficients(std::vector<std::string>(kEdits.begin(), kEdits.end()));
        c.StopOnBadFields();
        // Zeros typed in every field make the equation 0 = 0; empty fields are no equation.
        const bool typed = std::any_of(kEdits.begin(), kEdits.end(), [&c](const char* field) {
            return !NormalizeInput(c.Input().Field(field)).empty();
        });
        c.Problem([=] { return EquationProblem(p); });
        if (const auto roots = c.Accept(SolveByFactoring(p, typed))) {
            c.Write("EditAns", RootsText(*roots, true));
            c.Answer([=] { return RootsAnswer(*roots, true); }, {"EditAns"});
            c.Decimals([=] { return RootsDecimals(*roots); });
            c.Working([=] {
                const auto working = EquationWorking(p, *roots);
                return working ? working : QuadraticWorking(p, *roots);
            });
            c.Graph([=] { return EquationGraph(p, *roots); });
        }
    });
}

} // namespace problems
