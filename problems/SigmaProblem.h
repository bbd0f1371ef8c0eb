// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "∑": the sum of f3 k^3 + f2 k^2 + f1 k + f0 for k
// from a number to a number or a polynomial in n, from closed-form power
// sums. Fields kEndEdit (the upper limit, a number or a polynomial in n),
// kBeginEdit (the lower limit), Edit3, Edit2, Edit1, Edit0 (the coefficients
// of k^3 down to 1); answer EditAns.
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveSigma(const TWindowInput& input);

} // namespace problems
