// SPDX-License-Identifier: GPL-3.0-or-later
// Every tool window's calculation as its handler runs it, without the
// widgets: the field texts are read in the window's order with its readers,
// the window's arithmetic runs and the answer texts are made.
// The cases are the slowest inputs we can construct for each window: fractions
// near 2^31 in every field, the longest Euclid runs, the longest chains of long
// multiplications just inside 500 digits, degree 8 sums that are factored.
// window_bench runs each click over and over; first_call runs one click once
// in a fresh process.
#pragma once

#include "Errors.h"
#include "IntText.h"
#include "Messages.h"
#include "Outcome.h"
#include "Polynomial.h"
#include "Rational.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bench {

using namespace arith;

// One click of a calculate button: the field texts, which the handler reads
// one after another in its own order, the radio button checked in each
// group, and what the click shows: the answer texts and the last warning or
// failure.
class TClick {
public:
    // The answer fields start as a window shows them before its first calculation.
    TClick(std::vector<std::string> texts, std::vector<int> checked, std::size_t answers)
        : texts_(std::move(texts)), checked_(std::move(checked)), answers_(answers, "answer") {}

    // Runs the handler; a failure that abandons it is recorded by its text.
    void Run(void (*handler)(TClick&)) {
        next_ = 0;
        try {
            handler(*this);
        } catch (const CalcError& failure) {
            message_ = failure.what();
        }
    }

    // The field readers of the windows. A number or polynomial that cannot be
    // read warns and counts as 0 (a polynomial gives nothing); a non-digit
    // inside a number, or a bad integer, abandons the click.
    TRational ReadRational() {
        TRational r;
        if (!ParseRational(texts_.at(next_++), r)) {
            Warn(TWarning::BadInput);
        }
        return r;
    }
    TPolynomial ReadConstant() {
        TPolynomial c;
        if (!ParseCoefficient(texts_.at(next_++), c)) {
            Warn(TWarning::BadInput);
        }
        return c;
    }
    // The next count fields, the coefficients from x^(count-1) down to x^0.
    TPolynomial ReadCoefficients(int count) {
        TPolynomial p;
        for (int power = count - 1; power >= 0; --power) {
            const TPolynomial c = ReadConstant();
            p.Num[power] = c.Num[0];
            p.Den[power] = c.Den[0];
        }
        p = Normalized(p);
        return p;
    }
    std::optional<TPolynomial> ReadPolynomial(char letter) {
        TPolynomial p;
        if (!ParsePolynomial(texts_.at(next_++), letter, p)) {
            Warn(TWarning::BadInput);
            return std::nullopt;
        }
        return p;
    }
    TInteger ReadInteger() { return IntFromText(texts_.at(next_++)); }

    // The index of the checked button in radio group g.
    int Checked(std::size_t g) const { return checked_[g]; }

    void Warn(TWarning warning) { message_ = WarningText(warning); }
    void Warn(std::optional<TWarning> warning) {
        if (warning) {
            Warn(*warning);
        }
    }
    // Shows the warnings of an outcome and gives its answer, if any.
    template <typename T> std::optional<T> Accept(TOutcome<T> outcome) {
        for (TWarning warning : outcome.Warnings) {
            Warn(warning);
        }
        return std::move(outcome.Answer);
    }

    void Show(std::size_t answer, std::string text) { answers_[answer] = std::move(text); }

    // The last warning or failure, or else the text of the answer field.
    const std::string& Shown(std::size_t answer) const {
        return message_.empty() ? answers_[answer] : message_;
    }

private:
    std::vector<std::string> texts_;
    std::vector<int> checked_;
    std::vector<std::string> answers_;
    std::string message_;
    std::size_t next_ = 0;
};

// A calculate button: its window's fields in the order the handler reads
// them, its radio groups (the first button of each checked at first), the
// answer fields it writes and the handler.
struct TButton {
    std::vector<const char*> Fields;
    std::vector<std::vector<const char*>> Radios;
    std::vector<const char*> Answers;
    void (*Handler)(TClick&);
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

// The click a case makes, ready to run, and the index of the answer field it
// shows; or, if the case names a field, radio button or answer field that its
// window lacks, no click and what is missing.
struct TSetUp {
    std::optional<TClick> Click;
    std::size_t Answer = 0;
    const char* Missing = nullptr;
};
TSetUp SetUp(const TCase& windowCase);

} // namespace bench
