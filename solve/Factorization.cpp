// SPDX-License-Identifier: GPL-3.0-or-later
#include "Factorization.h"

#include <array>
#include <string>

namespace arith {

namespace {

// "^3" after a factor that occurs three times, nothing for one. Appends piece
// by piece: "^" + std::string trips a false -Wrestrict in GCC 12 at -O3.
void AppendPower(std::string& text, int count) {
    if (count > 1) {
        text += '^';
        text += std::to_string(count);
    }
}

} // namespace

TFactorRuns FactorRuns(const TFactorList& list) {
    TFactorRuns runs;
    runs.Count = kMaxFactors;
    while (runs.Count > 1 && PolyIsZero(list[runs.Count - 1])) {
        --runs.Count;
    }
    for (int k = 0, run = 0; k < runs.Count; ++k) {
        if (k > 0 && (list[k] == list[run])) {
            ++runs.Length[run];
        } else {
            run = k;
            runs.Length[k] = 1;
        }
    }
    return runs;
}

std::string FactorListToText(const TFactorList& list, char letter) {
    const TFactorRuns runs = FactorRuns(list);
    const int n = runs.Count;
    const auto& count = runs.Length;

    const bool hasConstant = list[0].Degree() == 0;
    const std::string constant = hasConstant ? PolyToTextVar(list[0], letter) : "1";
    const int start = hasConstant ? 1 : 0;
    if (n == 1 && hasConstant) {
        return constant; // the whole polynomial is a constant, 1 and -1 included
    }
    std::string text = constant == "-1" ? "-" : constant == "1" ? "" : constant;

    // The factors x come right after the constant and are written as one power.
    int xCount = 0;
    for (int k = 0; k < n; ++k) {
        if (PolyIsX(list[k])) {
            ++xCount;
        }
    }
    if (xCount > 0) {
        text += letter;
        AppendPower(text, count[start]);
    }

    for (int k = start + xCount; k < n; ++k) {
        if (count[k] == 0) {
            continue;
        }
        const std::string factor = PolyToTextVar(list[k], letter);
        text += n > 1 ? "( " + factor + " )" : factor;
        AppendPower(text, count[k]);
    }
    return text;
}

TOutcome<TFactorList> Factorize(const TPolynomial& p) {
    if (PolyIsZero(p)) {
        return TWarning::ZeroCoefficients;
    }
    TFactorList factors;
    factors = PolyFactor(p);
    return factors;
}

} // namespace arith
