// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibunProblem.h"

#include "BoardNotation.h"
#include "Calculus.h"
#include "Decimals.h"
#include "Graph.h"
#include "Working.h"
#include "WorkingAlgebra.h"

namespace problems {

using namespace arith;

TWindowResult SolveBibun(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        enum class Mode { Keisuu, Sessen, Kyokuchi };
        const Mode mode = c.Checked("RadioSessen")     ? Mode::Sessen
                          : c.Checked("RadioKyokuchi") ? Mode::Kyokuchi
                                                       : Mode::Keisuu;
        switch (mode) {
        case Mode::Keisuu:
            c.Answers({{"EditDX", ""}, {"EditAnsK"}});
            break;
        case Mode::Sessen:
            c.Answers({{"EditAnsS"}});
            break;
        case Mode::Kyokuchi:
            c.Answers(
                {{"EditAnsBigX", ""}, {"EditAnsBigY"}, {"EditAnsSmallX", ""}, {"EditAnsSmallY"}});
            c.Unused({"Edit4", "EditX"});
            break;
        }
        const TPolynomial f = c.ReadCoefficients({"Edit0", "Edit1", "Edit2", "Edit3", "Edit4"});
        const TPolynomial a = c.ReadConstant("EditX");
        c.StopOnBadFields();
        switch (mode) {
        case Mode::Keisuu:
            c.Problem([=] { return DerivativeProblem(f, a); });
            if (const auto value = c.Accept(DerivativeValue(f, a))) {
                c.Write("EditDX", PolyToText(value->At)); // echoed as typed: 2/4 stays 2/4
                c.Write("EditAnsK", PolyToText(value->Value));
                c.Answer([=] { return DerivativeAnswer(*value); }, {"EditAnsK"});
                c.Decimals([=] { return ConstantDecimals(value->Value); });
                c.Working([=] { return DerivativeWorking(f, a, *value); });
            }
            break;
        case Mode::Sessen:
            c.Problem([=] { return TangentProblem(f, a); });
            if (const auto tangent = c.Accept(TangentLine(f, a))) {
                c.Write("EditAnsS", PolyToText(tangent->Line));
                c.Answer([=] { return TangentAnswer(*tangent); }, {"EditAnsS"});
                c.Working([=] { return TangentWorking(f, a, *tangent); });
                c.Graph([=] { return TangentGraph(f, a, *tangent); });
            }
            break;
        case Mode::Kyokuchi:
            c.Problem([=] { return ExtremaProblem(f); });
            if (const auto extrema = c.Accept(Extrema(f))) {
                const auto texts = ExtremaTexts(*extrema);
                const char* fields[4] = {"EditAnsBigX", "EditAnsBigY", "EditAnsSmallX",
                                         "EditAnsSmallY"};
                for (int i = 0; i < 4; ++i) {
                    c.Write(fields[i], texts[i]);
                }
                c.Answer([=] { return ExtremaAnswer(*extrema); },
                         {fields[0], fields[1], fields[2], fields[3]});
                c.Decimals([=] { return ExtremaDecimals(*extrema); });
                c.Working([=] { return ExtremaWorking(f, *extrema); });
                c.Graph([=] { return ExtremaGraph(f, *extrema); });
            }
            break;
        }
    });
}

} // namespace problems
