// SPDX-License-Identifier: GPL-3.0-or-later
// Failures that abandon a calculation. Each carries the exact text that the
// general error box shows (the box appends the final ".").
#pragma once

#include "Messages.h"

#include <stdexcept>
#include <string>

namespace arith {

class CalcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A character or piece that must be a digit is not: "'x' は整数ではありません".
class ConversionError : public CalcError {
public:
    explicit ConversionError(const std::string& piece) : CalcError(ConversionFailureText(piece)) {}
};

// A fraction typed with a zero denominator ("'1/0' は分母が0です") or with
// none after its "/" ("'3/' は分母がありません"): the field cannot be read.
class DenominatorError : public CalcError {
public:
    DenominatorError(const std::string& text, bool missing)
        : CalcError(DenominatorFailureText(text, missing)) {}
};

class ZeroDivideError : public CalcError {
public:
    ZeroDivideError() : CalcError(kZeroDivideText) {}
};

// A typed number, or a number an answer would write out, has more than 500 digits.
class OverflowError : public CalcError {
public:
    OverflowError() : CalcError(kOverflowFailureText) {}
};

// A polynomial result would need a degree above 10.
class DegreeError : public CalcError {
public:
    DegreeError() : CalcError(kDegreeFailureText) {}
};

// A step of a worked solution failed its own exact check: the step would
// state something false, so the working is withdrawn instead of shown.
class WorkingCheckError : public CalcError {
public:
    explicit WorkingCheckError(const std::string& step) : CalcError(Text(step)) {}

private:
    static std::string Text(const std::string& step) {
        std::string text = "途中式の検算に失敗しました: ";
        text += step;
        return text;
    }
};

} // namespace arith
