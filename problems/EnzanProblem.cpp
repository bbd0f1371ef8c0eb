// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnzanProblem.h"

#include "BoardNotation.h"
#include "PolyOperations.h"
#include "WorkingSystems.h"

#include <string>
#include <utility>

namespace problems {

using namespace arith;

namespace {

// Reads f and g for the operation, which names the problem.
std::pair<TPolynomial, TPolynomial> ReadFG(TCalculation& c, TOperation operation) {
    c.Answers({{"EditAns"}}); // every operation answers there
    const TPolynomial f =
        c.ReadCoefficients({"EditF0", "EditF1", "EditF2", "EditF3", "EditF4", "EditF5"});
    const TPolynomial g =
        c.ReadCoefficients({"EditG0", "EditG1", "EditG2", "EditG3", "EditG4", "EditG5"});
    c.StopOnBadFields();
    c.Problem([=] { return OperationProblem(operation, f, g); });
    return {f, g};
}

// Reads f and g, applies a sum, difference, product or substitution, and writes the result.
void ShowFG(TCalculation& c, TOperation kind,
            TPolynomial (*operation)(const TPolynomial&, const TPolynomial&)) {
    // Names, not a structured binding: the lambdas below capture f and g,
    // which not every compiler allows for a binding.
    const std::pair<TPolynomial, TPolynomial> read = ReadFG(c, kind);
    const TPolynomial& f = read.first;
    const TPolynomial& g = read.second;
    TOperationResult result;
    result.Value = operation(f, g);
    c.Write("EditAns", PolyToText(result.Value));
    c.Answer([=] { return PolynomialAnswer(result.Value); }, {"EditAns"});
    c.Working([=] { return OperationWorking(kind, f, g, result); });
}

void Divide(TCalculation& c) {
    const std::pair<TPolynomial, TPolynomial> read = ReadFG(c, TOperation::Divide);
    const TPolynomial& f = read.first;
    const TPolynomial& g = read.second;
    TOperationResult result;
    result.Quotient = PolyQuotient(f, g);
    c.Write("EditAns", QuotientText(result.Quotient));
    c.Answer([=] { return QuotientAnswer(result.Quotient); }, {"EditAns"});
    c.Working([=] { return OperationWorking(TOperation::Divide, f, g, result); });
}

void Power(TCalculation& c) {
    const std::pair<TPolynomial, TPolynomial> read = ReadFG(c, TOperation::Power);
    const TPolynomial& f = read.first;
    const TPolynomial& g = read.second;
    if (const auto power = c.Accept(PowerOf(f, g))) {
        c.Write("EditAns", PowerText(*power));
        c.Answer([=] { return PowerAnswer(*power); }, {"EditAns"});
        TOperationResult result;
        result.Power = *power;
        c.Working([=] { return OperationWorking(TOperation::Power, f, g, result); });
    }
}

// The greatest common divisor or the least common multiple.
void Common(TCalculation& c, TOperation kind) {
    const std::pair<TPolynomial, TPolynomial> read = ReadFG(c, kind);
    const TPolynomial& f = read.first;
    const TPolynomial& g = read.second;
    TOperationResult result;
    result.Common = kind == TOperation::Gcd ? GcdOf(f, g) : LcmOf(f, g);
    c.Write("EditAns", CommonText(result.Common));
    c.Answer([=] { return CommonAnswer(result.Common); }, {"EditAns"});
    c.Working([=] { return OperationWorking(kind, f, g, result); });
}

// Each operation's button and what it does.
constexpr struct {
    const char* Command;
    void (*Handler)(TCalculation&);
} kOperations[] = {
    {"AddSButton",
     [](TCalculation& c) {
         ShowFG(c, TOperation::Add,
                [](const TPolynomial& f, const TPolynomial& g) { return f + g; });
     }},
    {"SubSButton",
     [](TCalculation& c) {
         ShowFG(c, TOperation::Subtract,
                [](const TPolynomial& f, const TPolynomial& g) { return f - g; });
     }},
    {"MulSButton",
     [](TCalculation& c) {
         ShowFG(c, TOperation::Multiply,
                [](const TPolynomial& f, const TPolynomial& g) { return f * g; });
     }},
    {"DivSButton", Divide},
    {"PowerSButton", Power},
    {"EnterSButton",
     [](TCalculation& c) {
         ShowFG(c, TOperation::Substitute,
                [](const TPolynomial& f, const TPolynomial& g) { return Compose(f, g); });
     }},
    {"GcdSButton", [](TCalculation& c) { Common(c, TOperation::Gcd); }},
    {"LcmSButton", [](TCalculation& c) { Common(c, TOperation::Lcm); }}};

} // namespace

TWindowResult SolveEnzan(const TWindowInput& input) {
    return TCalculation::Run(input, [](TCalculation& c) {
        for (const auto& operation : kOperations) {
            if (c.Command() == operation.Command) {
                operation.Handler(c);
                return;
            }
        }
    });
}

} // namespace problems
