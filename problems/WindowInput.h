// SPDX-License-Identifier: GPL-3.0-or-later
// What a tool window holds when one of its commands is given: the input of
// one calculation, which the board's entry keeps so that the calculation can
// be made again or put back into its window.
#pragma once

#include <map>
#include <set>
#include <string>

namespace problems {

struct TWindowInput {
    std::string Command = "CalcButton";        // the button clicked (or Entered)
    std::map<std::string, std::string> Fields; // each field's text as typed (UTF-8)
    std::set<std::string> Checked;             // the radio buttons that are checked
    // Enter in a coefficient field before the last of its row: a row still
    // all zero stops without its warning, which only the last field gives.
    bool RowUnfinished = false;

    // The text of a field; a field the window does not hand over is empty.
    const std::string& Field(const std::string& name) const;
    bool IsChecked(const std::string& radio) const { return Checked.count(radio) != 0; }
};

} // namespace problems
