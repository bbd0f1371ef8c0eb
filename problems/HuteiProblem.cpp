// SPDX-License-Identifier: GPL-3.0-or-later
#include "HuteiProblem.h"

#include "BoardNotation.h"
#include "Hutei.h"
#include "WorkingSystems.h"

#include <utility>

namespace problems {

using namespace arith;

TWindowResult SolveHutei(const TWindowInput& input) {
    // The calculation is calc here: c is the equation's right side.
    return TCalculation::Run(input, [](TCalculation& calc) {
        if (calc.Checked("OneRadio")) {
            calc.Answers({{"xAnsEdit1"}, {"yAnsEdit1"}});
        } else {
            calc.Answers({{"xAnsEdit2"}, {"yAnsEdit2"}});
        }
        const TInteger a = calc.ReadInteger("xEdit");
        const TInteger b = calc.ReadInteger("yEdit");
        const TInteger c = calc.ReadInteger("zEdit");
        calc.StopOnBadFields();
        const bool plus = calc.Checked("PlusItem");
        const bool general = calc.Checked("AllRadio");
        calc.Problem([=] { return HuteiProblem(a, b, c, plus); });
        TOutcome<THuteiSolution> solved = HuteiSolve(a, b, c, plus);
        // Without an integer solution the working ends in the reason there is none.
        const THuteiSolution found = solved.Answer.value_or(THuteiSolution{});
        calc.Working(
            [=] { return HuteiWorking(a, b, c, plus, found, general, TStepRun::Abridged); },
            [=] { return HuteiWorking(a, b, c, plus, found, general); });
        const auto s = calc.Accept(std::move(solved));
        if (!s) {
            return;
        }
        if (general) {
            calc.Write("xAnsEdit2", HuteiTermText(s->XStep, s->X));
            calc.Write("yAnsEdit2", HuteiTermText(s->YStep, s->Y));
            calc.Answer([=] { return HuteiAnswer(*s, true); }, {"xAnsEdit2", "yAnsEdit2"});
        } else {
            calc.Write("xAnsEdit1", AnswerDigits(s->X));
            calc.Write("yAnsEdit1", AnswerDigits(s->Y));
            calc.Answer([=] { return HuteiAnswer(*s, false); }, {"xAnsEdit1", "yAnsEdit1"});
        }
    });
}

} // namespace problems
