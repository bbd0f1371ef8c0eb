// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "整式の四則演算": two polynomials f(x) and g(x) of
// degree at most five, fields EditF5 ... EditF0 and EditG5 ... EditG0 (the
// coefficients from x^5 down), and one answer EditAns. Each operation is its
// own command: AddSButton (f + g), SubSButton (f - g), MulSButton (f g),
// DivSButton (quotient and remainder), PowerSButton (f to the power g),
// EnterSButton (g substituted into f), GcdSButton and LcmSButton.
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveEnzan(const TWindowInput& input);

} // namespace problems
