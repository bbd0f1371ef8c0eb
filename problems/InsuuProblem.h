// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "因数分解": a polynomial of degree at most 4
// factored exactly. Fields Edit4, Edit3, Edit2, Edit1, Edit0 (the
// coefficients of x^4 down to 1); answer EditAns (the factored form).
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveInsuu(const TWindowInput& input);

} // namespace problems
