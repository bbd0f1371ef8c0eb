// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program shows the user about a calculation, in one table:
// the warnings a calculation returns, the failures that abandon one, and the
// words that answers are made of. Nothing here shows anything; the windows do.
#pragma once

#include <string>

namespace arith {

// A warning: shown in a message box, after which the window goes on or stops
// as the calculation that returned it says.
enum class TWarning {
    BadInput,            // a number or polynomial that cannot be read
    NotInteger,          // a polynomial that is not an integer constant
    ZeroCoefficients,    // every coefficient zero or empty
    ExponentNotConstant, // the exponent g(x) of a power is not a constant
    ExponentNotInteger,  // the exponent g(x) is a fraction
    DegreeNotTwoOrThree, // extrema of anything but a quadratic or cubic
    LimitsReversed,      // a sum whose lower limit passes its constant upper limit
    NoIntegerSolution,   // an indefinite equation without integer solutions
    NoRatio,             // a division ratio with an empty or zero part
    BadInternalRatio,    // m + n = 0
    BadExternalRatio,    // m = n
    SamePoints,          // no line through two equal points
    NegativeCount,       // n!, nPr or nCr with n below 0
    ChoiceOutOfRange,    // nPr or nCr with r below 0 or above n
};

const char* WarningText(TWarning warning);

// The failures of Errors.h: "'x' は整数ではありません" for a piece x that is not a number.
std::string ConversionFailureText(const std::string& piece);
// A field's text with a zero denominator, or with none after its "/" (missing).
std::string DenominatorFailureText(const std::string& text, bool missing);
// A field whose first character starts no number: "'x' の入力が間違ってます".
std::string BadInputText(const std::string& text);
inline constexpr const char* kZeroDivideText = "ゼロによる除算";
inline constexpr const char* kOverflowFailureText = "数値が大きすぎて計算できません";
inline constexpr const char* kDegreeFailureText = "次数が10を超えるため計算できません";

// Words of answers.
inline constexpr const char* kTooLongText = "overflow";         // an answer beyond 500 digits
inline constexpr const char* kNoSolutionText = "解なし";        // no x satisfies the equation
inline constexpr const char* kIndeterminateText = "不定";       // infinitely many solutions
inline constexpr const char* kEveryNumberText = "すべての実数"; // 0 = 0: every x is a solution
inline constexpr const char* kNoRealRootText = "実数解なし";    // only complex roots, not written
inline constexpr const char* kApproximatelyText = "≈";          // before a rounded decimal root
inline constexpr const char* kNoExtremumText = "なし";          // no maximum or minimum
inline constexpr const char* kRemainderSeparator = "  余り  ";  // between quotient and remainder
inline constexpr const char* kRootSeparator = " , ";            // between the roots of an equation

} // namespace arith
