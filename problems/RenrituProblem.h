// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "連立方程式": a1 x + b1 y = c1, a2 x + b2 y = c2,
// solved exactly. Fields EditX1, EditY1, EditA1 (the first equation's x and
// y coefficients and right-hand side), EditX2, EditY2, EditA2 (the second
// equation's); answers EditAnsX, EditAnsY.
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveRenritu(const TWindowInput& input);

} // namespace problems
