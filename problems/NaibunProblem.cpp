// SPDX-License-Identifier: GPL-3.0-or-later
#include "NaibunProblem.h"

#include "BoardNotation.h"
#include "Decimals.h"
#include "Geometry.h"
#include "Graph.h"
#include "Working.h"

#include <string>

namespace problems {

using namespace arith;

TWindowResult SolveNaibun(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        const bool internal = c.Checked("RadioNaibun");
        const bool line = c.Checked("RadioChokusen");
        // The answer fields of the division point's group.
        const char* answerX = internal ? "EditAnsNX" : "EditAnsGX";
        const char* answerY = internal ? "EditAnsNY" : "EditAnsGY";
        if (line) {
            c.Answers({{"LabelY", "y"}, {"EditAnsC"}});
            c.Unused({"EditM", "EditN"});
        } else {
            c.Answers({{answerX}, {answerY}});
        }
        const TPoint a{c.ReadRational("EditX1"), c.ReadRational("EditY1")};
        const TPoint b{c.ReadRational("EditX2"), c.ReadRational("EditY2")};
        const TRational m = c.ReadRational("EditM");
        const TRational n = c.ReadRational("EditN");
        c.StopOnBadFields();
        if (line) {
            c.Problem([=] { return LineProblem(a, b); });
            if (const auto through = c.Accept(LineThrough(a, b))) {
                c.Write("LabelY", std::string(1, LineLetter(*through)));
                c.Write("EditAnsC", LineText(*through));
                c.Answer([=] { return LineAnswer(*through); }, {"EditAnsC"});
                c.Working([=] { return LineWorking(a, b, *through); });
                c.Graph([=] { return LineGraph(a, b, *through); });
            }
            return;
        }
        const auto kind = internal ? TDivision::Internal : TDivision::External;
        c.Problem([=] { return DivisionProblem(kind, a, b, m, n); });
        if (const auto point = c.Accept(DivisionPoint(kind, a, b, m, n))) {
            c.Write(answerX, RatToText(point->X));
            c.Write(answerY, RatToText(point->Y));
            c.Answer([=] { return DivisionAnswer(*point); }, {answerX, answerY});
            c.Decimals([=] { return PointDecimals(*point); });
            c.Working([=] { return DivisionWorking(kind, a, b, m, n, *point); });
            c.Graph([=] { return DivisionGraph(kind, a, b, *point); });
        }
    });
}

} // namespace problems
