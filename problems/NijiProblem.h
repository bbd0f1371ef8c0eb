// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "２次方程式": a x^2 + b x + c = 0 solved exactly.
// Fields Edit2, Edit1, Edit0 (the coefficients of x^2, x, 1); answer EditAns.
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveNiji(const TWindowInput& input);

} // namespace problems
