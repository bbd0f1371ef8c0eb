// SPDX-License-Identifier: GPL-3.0-or-later
// Where a problem typed on the formula line goes: the window of the registry
// that the recognised problem names.
#pragma once

#include "FormulaLine.h"
#include "WindowRegistry.h"

// The window the problem belongs to, named by its class (TNijiForm) or by
// its unit (VoranNiji); nullptr for a name that is neither.
const TWindowEntry* FormulaWindow(const problems::TFormulaProblem& problem);
