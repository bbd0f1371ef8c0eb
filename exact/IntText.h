// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a whole field as one integer, as the counting and
// indefinite-equation windows do.
#pragma once

#include "Integer.h"

#include <string>

namespace arith {

// The text must be an optional "+" or "-" followed by one or more decimal
// digits, nothing else (no spaces, no fraction); leading zeros are allowed,
// and so is a decimal point followed by nothing but zeros ("3.0" is 3).
// Any other text throws ConversionError naming the whole text; a number of
// more than 500 digits throws OverflowError.
TInteger IntFromText(const std::string& text);

} // namespace arith
