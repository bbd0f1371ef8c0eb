// SPDX-License-Identifier: GPL-3.0-or-later
// Every tool window's calculation as the window runs it, without the
// widgets: the field texts go to the window's problem entry (the one the
// window itself calls, found in the window registry), which reads them,
// calculates and makes the answer texts.
// The cases are the slowest inputs we can construct for each window: fractions
// near 2^31 in every field, the longest Euclid runs, the longest chains of long
// multiplications just inside 500 digits, degree 8 sums that are factored.
// window_bench runs each click over and over; first_call runs one click once
// in a fresh process.
#pragma once

#include "Calculation.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bench {

// One click of a calculate button: what the window holds, its problem entry,
// and the answer field whose text it shows.
class TClick {
public:
    using TSolve = problems::TWindowResult (*)(const problems::TWindowInput&);
    TClick(problems::TWindowInput input, TSolve solve, std::string answer)
        : input_(std::move(input)), solve_(solve), answer_(std::move(answer)) {}

    // Runs the window's problem entry on the fields.
    void Run();
    // The last message of the last run, or else the text of the answer field.
    std::string Shown() const;

private:
    problems::TWindowInput input_;
    TSolve solve_;
    std::string answer_;
    problems::TWindowResult result_;
};

// A calculate button: its window's class name and the command it gives.
struct TButton {
    const char* Window;
    const char* Command;
};

// A field and its text, or (text nullptr) a radio button to click first.
struct TInput {
    const char* Name;
    const char* Text = nullptr;
};

// A benchmark: the button, the answer field its label shows, and the inputs;
// a field that is not given is empty.
struct TCase {
    const char* Name;
    const TButton* Button;
    const char* Answer;
    std::vector<TInput> Inputs;
};

// Every case; a case's name begins with its window's name and an underscore.
const std::vector<TCase>& WindowCases();

// The case of that name, or nullptr.
const TCase* FindCase(std::string_view name);

// The click a case makes, ready to run; or, if the case names a window or a
// radio button that does not exist, no click and what is missing.
struct TSetUp {
    std::optional<TClick> Click;
    const char* Missing = nullptr;
};
TSetUp SetUp(const TCase& windowCase);

} // namespace bench
