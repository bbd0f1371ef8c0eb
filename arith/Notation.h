// SPDX-License-Identifier: GPL-3.0-or-later
// Answers and problems in school notation: a small tree of formula parts
// (fractions, roots, powers, brackets, integral and sum signs) built from the
// structured results of the calculations, never from their texts, and its
// plain Unicode and LaTeX forms. Drawing the tree belongs to the windows.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace arith {

enum class TMathKind {
    Row,      // Parts side by side
    Lines,    // Parts one below the other, each a line of its own
    Number,   // Text: the decimal digits of a non-negative integer; may wrap between digits
    Letter,   // Text: a variable or the imaginary unit, set in italics: "x", "k", "i"
    Operator, // Text: a sign set with space around it: "+", "−", "=", "±", "×", "÷"
    Punct,    // Text: a sign set with space after it only: ","
    Word,     // Text: upright text: "解なし", "余り", "dx", "f′", "極大値"
    Fraction, // Parts: numerator, denominator; stacked
    Root,     // Parts: radicand; √ with its bar over the radicand
    Power,    // Parts: base, exponent
    Paren,    // Parts: body, in round brackets as tall as the body
    Integral, // Parts: lower limit, upper limit, integrand; ∫ then the integrand
    Sum,      // Parts: below (as "k=1"), above, summand; Σ then the summand
    Count,    // Text: "P" or "C"; Parts: n, r; as ₙPᵣ with n and r lowered
};

struct TMath {
    TMathKind Kind = TMathKind::Row;
    std::string Text;         // UTF-8, for the kinds that hold text
    std::vector<TMath> Parts; // for the kinds that hold parts, in the order above
};

// Builders.
TMath MathRow(std::vector<TMath> parts);
TMath MathLines(std::vector<TMath> lines);
TMath MathText(TMathKind kind, std::string text);
TMath MathParts(TMathKind kind, std::vector<TMath> parts, std::string text = {});

// The plain Unicode form, as a student would type it without a formula
// editor: "x = (−1 ± √3 i)/2", "∫₁³ (x² − 1) dx", "₇C₃". Lines are joined
// by "\n".
std::string MathToUnicode(const TMath& math);
// The LaTeX form for worksheets: "x = \frac{-1 \pm \sqrt{3}\,i}{2}". Lines
// become rows of an aligned environment.
std::string MathToLatex(const TMath& math);

} // namespace arith
