// SPDX-License-Identifier: GPL-3.0-or-later
// The problem of the window "順列・組合せ": n!, nPr and nCr as long decimal
// integers, written in full up to 500 digits and as "overflow" beyond. Each
// row is its own command: KaijoButton, n! of KaijoEdit, answered in
// AnsKaijoEdit; PButton, nPr of P1Edit and P2Edit, answered in AnsPEdit;
// CButton, nCr of C1Edit and C2Edit, answered in AnsCEdit.
#pragma once

#include "Calculation.h"

namespace problems {

TWindowResult SolveJunretu(const TWindowInput& input);

} // namespace problems
