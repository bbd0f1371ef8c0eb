// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "不定方程式": integer solutions of a x + b y = c
// (PlusItem checked) or a x - b y = c (MinusItem), fields xEdit, yEdit, zEdit
// (a, b, c). Two modes by radio button: OneRadio, one solution, answered in
// xAnsEdit1 and yAnsEdit1; AllRadio, all solutions with an integer
// parameter n, answered in xAnsEdit2 and yAnsEdit2.
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveHutei(const TWindowInput& input);

} // namespace problems
