// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntText.h"

#include "Errors.h"
#include "ExactInternal.h"

namespace arith {

TInteger IntFromText(const std::string& text) {
    const std::size_t first = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    // The digits end where a point followed by nothing but zeros begins.
    const std::size_t point = text.find('.', first);
    const std::size_t end = point == std::string::npos ? text.size() : point;
    if (first == end || (point != std::string::npos &&
                         text.find_first_not_of('0', point + 1) != std::string::npos)) {
        throw ConversionError(text);
    }
    for (std::size_t i = first; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            throw ConversionError(text);
        }
    }
    // Checked only once the text is known to be a number, so that a long
    // number with a stray letter is named as not an integer.
    const TInteger value = TypedDigits(std::string_view(text).substr(first, end - first));
    return text[0] == '-' ? -value : value;
}

} // namespace arith
