// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "内分・外分": points A (EditX1, EditY1) and B
// (EditX2, EditY2) and the ratio m : n (EditM, EditN). Three modes by radio
// button: RadioNaibun and RadioGaibun, the point dividing AB internally or
// externally, answered in EditAnsNX, EditAnsNY or EditAnsGX, EditAnsGY;
// RadioChokusen, the straight line through A and B, answered in the label
// LabelY (the letter on the left, y or x for a vertical line) and EditAnsC
// (the mode leaves EditM and EditN disabled).
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveNaibun(const TWindowInput& input);

} // namespace problems
