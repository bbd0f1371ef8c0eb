// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "微分": f(x) of degree at most four, fields Edit4
// ... Edit0 (the coefficients from x^4 down) and EditX (a). Three modes by
// radio button: RadioKeisuu, the derivative value f'(a), answered in EditDX
// (a as typed) and EditAnsK; RadioSessen, the tangent line at x = a,
// answered in EditAnsS; RadioKyokuchi, the extrema of a quadratic or cubic,
// answered in EditAnsBigX, EditAnsBigY, EditAnsSmallX, EditAnsSmallY (the
// mode leaves Edit4 and EditX disabled).
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveBibun(const TWindowInput& input);

} // namespace problems
