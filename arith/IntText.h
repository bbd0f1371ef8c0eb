// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a whole field as one 32-bit integer, as the counting and
// indefinite-equation windows do.
#pragma once

#include <cstdint>
#include <string>

namespace arith {

// The text must be an optional "+" or "-" followed by one or more decimal
// digits, nothing else (no spaces, no fraction); leading zeros are allowed,
// and so is a decimal point followed by nothing but zeros ("3.0" is 3).
// Any other text throws ConversionError naming the whole text; a value whose
// magnitude exceeds 2^31 - 1 throws OverflowError.
std::int32_t IntFromText(const std::string& text);

} // namespace arith
