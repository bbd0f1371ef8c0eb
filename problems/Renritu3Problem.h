// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "3元1次方程式": three linear equations in x, y
// and z, solved exactly. Fields EditX<i>, EditY<i>, EditZ<i>, EditA<i> for
// the equations i = 1, 2, 3 (the x, y and z coefficients and the right-hand
// side); answers EditAnsX, EditAnsY, EditAnsZ.
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveRenritu3(const TWindowInput& input);

} // namespace problems
