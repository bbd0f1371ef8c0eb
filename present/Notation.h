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
    Operator, // Text: a sign set with space around it: "+", "−", "=", "±", "×", "÷",
              // except the product dot "·", which is set close: "4·2·(−2)"
    Punct,    // Text: a sign set with space after it only: ","
    Word, // Text: upright text: "解なし", "余り", "dx", "f′", "極大値"; set with space
          // around it, except before a bracket ("f′(2)") and for a word of signs
          // only, such as the "!" of "10!", which is set close
    Fraction, // Parts: numerator, denominator; stacked
    Root,     // Parts: radicand; √ with its bar over the radicand
    Power,    // Parts: base, exponent
    Paren,    // Parts: body, in round brackets as tall as the body; Text "{" for braces,
              // as a bracket that holds round ones is written: {2 − (−1)}³
    Integral, // Parts: lower limit, upper limit, integrand; ∫ then the integrand, which
              // ends with the Word "dx"
    Sum,      // Parts: below (as "k=1"), above, summand; Σ then the summand
    Count,    // Text: "P" or "C"; Parts: n, r; as ₙPᵣ with n and r lowered
    Bracket,  // Parts: body, lower limit, upper limit; the body in square brackets as
              // tall as it, the limits lowered and raised after the closing one: [F(x)]₋₁²
    Table,    // Parts: the rows, each a Row whose Parts are its cells (a cell may be a
              // row of its own); Text: the rules, see MathTable
};

struct TMath {
    TMathKind Kind = TMathKind::Row;
    std::string Text;         // UTF-8, for the kinds that hold text
    std::vector<TMath> Parts; // for the kinds that hold parts, in the order above
};

// Builders. A Row among the parts of MathRow is spliced into the new row,
// so that signs and spaces are judged along one flat row: MathRow({x, =,
// MathRow({−, 1})}) is the row x = −1. A row of one part stands for that part.
TMath MathRow(std::vector<TMath> parts);
TMath MathLines(std::vector<TMath> lines);
TMath MathText(TMathKind kind, std::string text);
TMath MathParts(TMathKind kind, std::vector<TMath> parts, std::string text = {});

// A table, as a sign chart or a synthetic division is set: cells centred in
// their columns. Its Text holds the rules: "|" first when the first column
// is a header column, with a vertical rule after it, or "#" for a table
// ruled throughout, with a frame and a vertical rule between every two
// columns; then ":" when the last column is set off by a vertical rule
// before it (as the divisor of a synthetic division is), then one character
// per row, "-" for a horizontal rule above that row and "." for none
// (missing characters are "."): "|.-." is a header column and a rule above
// row 1. Beside a last column so set off, the vertical rule runs down to the
// lowest horizontal rule, and the horizontal rules stop at it.
TMath MathTable(std::vector<std::vector<TMath>> rows, bool headerColumn,
                const std::vector<bool>& ruleAbove, bool lastColumnApart = false);
// A long division (筆算) uses two more rule characters: ")" for the row of
// the dividend, whose first cell is the divisor, with a ")" after that
// column and a rule above the row from there to the right; "_" for a rule
// above the row under the cells of the row above it only, from its first
// non-empty cell to its last. `rules` is one character per row.
TMath MathTable(std::vector<std::vector<TMath>> rows, const std::string& rules);
// A table ruled throughout, as a sign chart (増減表) is printed: "#".
TMath MathGridTable(std::vector<std::vector<TMath>> rows, const std::vector<bool>& ruleAbove);
// The rules of a Table as its Text records them; a table ruled throughout
// has a header column too.
bool TableHeaderColumn(const TMath& table);
bool TableGrid(const TMath& table);
bool TableLastColumnApart(const TMath& table);
bool TableRuleAbove(const TMath& table, std::size_t row);
// The rule character of a row: '-', ')', '_' or '.' for none.
char TableRule(const TMath& table, std::size_t row);
// Whether a table cell is empty: a row of no parts.
bool TableCellEmpty(const TMath& cell);

// The plain Unicode form, as a student would type it without a formula
// editor: "x = (−1 ± √3 i)/2", "∫₁³ (x² − 1) dx", "₇C₃", "[x³]₀²". Lines are
// joined by "\n". In a row an operator has one space each side, except
// where it is a sign of its own (at the start, after another operator, a
// comma or a word: "x = −1"), and except "=", which is spaced even at the
// start of a line that goes on from the one above ("= 2/3 − 2/3"); a comma
// has one space after it. A fraction is "a/b", with brackets around a
// numerator that is a sum or difference and around a denominator of more
// than one part (a factorial "4!" is one), and around the whole fraction
// when a letter or bracket follows it: "(1/2)x²"; a product "10·11" needs
// no brackets as a numerator. Roots are "√3", "√(…)" for more than a
// number or letter, with a space before a letter after them ("√3 i"). An
// integer exponent is raised ("x¹⁰", "x⁻²"), any other is "^(…)". Limits
// of ∫, Σ and [ ] are lowered and raised when every character has such a
// form ("∫₋₁²", "Σₖ₌₁ⁿ⁺¹"); otherwise both are written "∫_(1/2)^(3)",
// spaces left out. Counts are "₇C₃", or "C(n, r)" when n or r is not plain
// digits. A table is a line per row, its cells joined by " | ", with a line
// of "─" as long as the longest row above each ruled row; a long division
// is set in columns instead, each cell right-aligned, ") " after the divisor
// and its partial rules of "─" under the cells they rule.
std::string MathToUnicode(const TMath& math);
// The LaTeX form for worksheets: "x = \frac{-1 \pm \sqrt{3}\,i}{2}". Lines
// become rows of an aligned environment, each aligned left:
// "\begin{aligned} &x = 1 \\ &y = 2 \end{aligned}". Brackets are
// \left( … \right), words \text{…} with the spaces around them inside the
// braces; "dx" is "\,dx" and "f′" is "f'". Integrals and sums are
// "\int_{1}^{3} … \,dx" and "\sum_{k=1}^{n} …", counts "{}_{7}\mathrm{C}_{3}",
// square brackets with limits "\left[ … \right]_{0}^{2}", the dot "\cdot".
// A table is an array of centred columns, "|" after a header column and
// \hline above a ruled row: "\begin{array}{c|cc} x & 1 & 2 \\ \hline y & 3 & 4 \end{array}";
// a long division's rules are \cline under the columns they rule, its
// bracket "\big)" after the divisor; a last column set apart has its rule in each cell above the
// lowest rule,
// "\multicolumn{1}{|c}{1}", and the rules stop at it: "\cline{1-4}".
std::string MathToLatex(const TMath& math);

} // namespace arith
