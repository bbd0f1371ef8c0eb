// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "高次方程式": an equation of degree at most 4,
// a4 x^4 + ... + a0 = 0, solved exactly. Fields Edit4, Edit3, Edit2, Edit1,
// Edit0 (the coefficients of x^4 down to 1); answer EditAns.
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveKoji(const TWindowInput& input);

} // namespace problems
