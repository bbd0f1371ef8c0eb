// SPDX-License-Identifier: GPL-3.0-or-later
// A problem typed as the textbook prints it ("x^2-5x+6=0", "10C3",
// "∫[0,1] x^2 dx"), recognised as the window it belongs to, with that
// window's fields and radio buttons as typing by hand would leave them.
// The fields stay the truth: the launcher fills them and calculates.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace problems {

struct TFormulaProblem {
    std::string Window; // the window's class, as the registry names it ("TNijiForm")
    std::string Command = "CalcButton"; // the command button that calculates
    // Every input field of the window (never an answer field) with the text
    // to type into it; "" leaves the field empty.
    std::map<std::string, std::string> Fields;
    std::vector<std::string> Checked; // the radio buttons to click, in order
};

// A line that cannot be given to a window: the whole text of the message
// box, and the place it points at (1-based, in characters; 0: the line as a whole).
struct TFormulaRefusal {
    std::string Message;
    std::size_t Position = 0;
};

using TFormulaReading = std::variant<TFormulaProblem, TFormulaRefusal>;

// Recognises one line (UTF-8). Never guesses: a line that fits none of the
// forms, or more than one, is refused.
TFormulaReading RecognizeFormula(std::string_view line);

} // namespace problems
