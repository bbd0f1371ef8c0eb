// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "定積分": the definite integral of a polynomial of
// degree at most 5 between two fraction limits, exactly. Fields Jotan (the
// upper limit), Katan (the lower limit), Edit5, Edit4, ..., Edit0 (the
// coefficients of x^5 down to 1); answer EditAns.
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveSekibun(const TWindowInput& input);

} // namespace problems
