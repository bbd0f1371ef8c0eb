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

std::string FactorListToText(const TFactorList& list, char letter) {
    // Factors are the entries up to the last non-zero one.
    int n = kMaxFactors;
    while (n > 1 && PolyIsZero(list[n - 1])) {
        --n;
    }
    // Multiplicities: the first entry of each run of equal entries holds the
    // length of the run, the others 0.
    std::array<int, kMaxFactors> count{};
    for (int k = 0, run = 0; k < n; ++k) {
        if (k > 0 && PolyEqual(list[k], list[run])) {
            ++count[run];
        } else {
            run = k;
            count[k] = 1;
        }
    }

    const bool hasConstant = list[0].Degree == 0;
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
    PolyFactor(p, factors);
    return factors;
}

} // namespace arith
