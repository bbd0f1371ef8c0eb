// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace arith {

TMath MathRow(std::vector<TMath> parts) {
    TMath row;
    row.Kind = TMathKind::Row;
    for (TMath& part : parts) {
        if (part.Kind == TMathKind::Row) {
            for (TMath& inner : part.Parts) {
                row.Parts.push_back(std::move(inner));
            }
        } else {
            row.Parts.push_back(std::move(part));
        }
    }
    return row;
}

TMath MathLines(std::vector<TMath> lines) {
    return MathParts(TMathKind::Lines, std::move(lines));
}

TMath MathText(TMathKind kind, std::string text) {
    TMath math;
    math.Kind = kind;
    math.Text = std::move(text);
    return math;
}

TMath MathParts(TMathKind kind, std::vector<TMath> parts, std::string text) {
    TMath math;
    math.Kind = kind;
    math.Parts = std::move(parts);
    math.Text = std::move(text);
    return math;
}

TMath MathTable(std::vector<std::vector<TMath>> rows, bool headerColumn,
                const std::vector<bool>& ruleAbove, bool lastColumnApart) {
    TMath table;
    table.Kind = TMathKind::Table;
    if (headerColumn) {
        table.Text += '|';
    }
    if (lastColumnApart) {
        table.Text += ':';
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        table.Text += i < ruleAbove.size() && ruleAbove[i] ? '-' : '.';
        TMath row;
        row.Kind = TMathKind::Row;
        row.Parts = std::move(rows[i]); // kept apart: a cell that is a row stays one cell
        table.Parts.push_back(std::move(row));
    }
    return table;
}

TMath MathTable(std::vector<std::vector<TMath>> rows, const std::string& rules) {
    TMath table = MathTable(std::move(rows), false, {});
    for (std::size_t i = 0; i < rules.size() && i < table.Text.size(); ++i) {
        table.Text[i] = rules[i];
    }
    return table;
}

TMath MathGridTable(std::vector<std::vector<TMath>> rows, const std::vector<bool>& ruleAbove) {
    TMath table = MathTable(std::move(rows), true, ruleAbove);
    table.Text[0] = '#';
    return table;
}

bool TableHeaderColumn(const TMath& table) {
    return !table.Text.empty() && (table.Text[0] == '|' || table.Text[0] == '#');
}

bool TableGrid(const TMath& table) {
    return !table.Text.empty() && table.Text[0] == '#';
}

bool TableLastColumnApart(const TMath& table) {
    const std::size_t at = TableHeaderColumn(table) ? 1 : 0;
    return at < table.Text.size() && table.Text[at] == ':';
}

bool TableRuleAbove(const TMath& table, std::size_t row) {
    return TableRule(table, row) == '-';
}

char TableRule(const TMath& table, std::size_t row) {
    const std::size_t at =
        row + (TableHeaderColumn(table) ? 1 : 0) + (TableLastColumnApart(table) ? 1 : 0);
    return at < table.Text.size() ? table.Text[at] : '.';
}

bool TableCellEmpty(const TMath& cell) {
    return cell.Kind == TMathKind::Row && cell.Parts.empty();
}

namespace {

// A row of one part stands for that part.
const TMath& Unwrapped(const TMath& math) {
    const TMath* m = &math;
    while (m->Kind == TMathKind::Row && m->Parts.size() == 1) {
        m = &m->Parts[0];
    }
    return *m;
}

// The part at i, or an empty row where the tree is short of parts.
const TMath& PartAt(const TMath& math, std::size_t i) {
    static const TMath empty;
    return i < math.Parts.size() ? math.Parts[i] : empty;
}

// A word of signs only, such as the "!" of a factorial, is set close to its neighbours.
bool TightWord(const TMath& math) {
    if (math.Kind != TMathKind::Word || math.Text.empty()) {
        return false;
    }
    for (char c : math.Text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
            (c >= 'a' && c <= 'z')) {
            return false;
        }
    }
    return true;
}

bool SpacedWord(const TMath& math) {
    return math.Kind == TMathKind::Word && !TightWord(math);
}

// An operator is a sign of its own (unary) at the start of a row and after
// another operator, a comma or a word: "−1", "= −1", "極大値 −2"; the
// equals sign never is, and "≈" only where it marks a single value
// ("x = ≈−1.2470, ≈0.44504"), not at the start or after a word ("≈ 0.0887").
bool UnaryAt(const TMath& row, std::size_t i) {
    if (row.Parts[i].Text == "=") {
        return false; // a line going on from the one above starts "= …"
    }
    const bool relation = row.Parts[i].Text == "≈";
    if (i == 0) {
        return !relation;
    }
    const TMathKind previous = row.Parts[i - 1].Kind;
    return previous == TMathKind::Operator || previous == TMathKind::Punct ||
           (!relation && SpacedWord(row.Parts[i - 1]));
}

bool BinaryAt(const TMath& row, std::size_t i) {
    return row.Parts[i].Kind == TMathKind::Operator && !UnaryAt(row, i);
}

// The product dot, set close to its factors: "4·2·(−2)".
bool Dot(const TMath& math) {
    return math.Kind == TMathKind::Operator && math.Text == "·";
}

// Whether a space stands between the parts i - 1 and i of a row: around
// binary operators, after commas, around words (but "f′(2)" keeps a function
// name next to its bracket), and between a root and the letter after it
// ("√3 i").
bool SpaceBefore(const TMath& row, std::size_t i) {
    const TMath& a = row.Parts[i - 1];
    const TMath& b = row.Parts[i];
    if (b.Kind == TMathKind::Punct || Dot(a) || Dot(b)) {
        return false;
    }
    if (BinaryAt(row, i) || BinaryAt(row, i - 1) || a.Kind == TMathKind::Punct) {
        return true;
    }
    if (a.Kind == TMathKind::Operator) {
        return false; // a unary sign stays on what it signs
    }
    if (SpacedWord(a)) {
        return b.Kind != TMathKind::Paren;
    }
    if (SpacedWord(b)) {
        return true;
    }
    return a.Kind == TMathKind::Root && b.Kind == TMathKind::Letter;
}

// One code point of UTF-8 at pos, moving pos past it.
std::string_view NextCodePoint(std::string_view text, std::size_t& pos) {
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    const std::string_view c = text.substr(pos, length);
    pos += length;
    return c;
}

using TScriptPair = std::pair<std::string_view, std::string_view>;

constexpr std::array<TScriptPair, 16> kSuperscripts = {{{"0", "⁰"},
                                                        {"1", "¹"},
                                                        {"2", "²"},
                                                        {"3", "³"},
                                                        {"4", "⁴"},
                                                        {"5", "⁵"},
                                                        {"6", "⁶"},
                                                        {"7", "⁷"},
                                                        {"8", "⁸"},
                                                        {"9", "⁹"},
                                                        {"+", "⁺"},
                                                        {"−", "⁻"},
                                                        {"=", "⁼"},
                                                        {"(", "⁽"},
                                                        {")", "⁾"},
                                                        {"n", "ⁿ"}}};

constexpr std::array<TScriptPair, 17> kSubscripts = {{{"0", "₀"},
                                                      {"1", "₁"},
                                                      {"2", "₂"},
                                                      {"3", "₃"},
                                                      {"4", "₄"},
                                                      {"5", "₅"},
                                                      {"6", "₆"},
                                                      {"7", "₇"},
                                                      {"8", "₈"},
                                                      {"9", "₉"},
                                                      {"+", "₊"},
                                                      {"−", "₋"},
                                                      {"=", "₌"},
                                                      {"k", "ₖ"},
                                                      {"n", "ₙ"},
                                                      {"(", "₍"},
                                                      {")", "₎"}}};

// The text in raised or lowered characters, spaces left out; false when a
// character has no such form (a fraction bar, a letter other than k or n).
template <std::size_t N>
bool ToScript(const std::string& text, const std::array<TScriptPair, N>& table, std::string& out) {
    out.clear();
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view c = NextCodePoint(text, pos);
        if (c == " ") {
            continue;
        }
        bool found = false;
        for (const auto& [plain, script] : table) {
            if (plain == c) {
                out += script;
                found = true;
                break;
            }
        }
        if (!found) {
            return false;
        }
    }
    return !out.empty();
}

std::string WithoutSpaces(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ') {
            out += c;
        }
    }
    return out;
}

bool IsDigits(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// A part written without brackets wherever it stands in the Unicode form.
bool Atom(const TMath& math) {
    const TMath& m = Unwrapped(math);
    switch (m.Kind) {
    case TMathKind::Number:
    case TMathKind::Letter:
    case TMathKind::Root:
    case TMathKind::Paren:
    case TMathKind::Count:
        return true;
    case TMathKind::Power:
        return Atom(PartAt(m, 0));
    case TMathKind::Row:
        // A factorial, "4!".
        return m.Parts.size() == 2 && m.Parts[0].Kind == TMathKind::Number && TightWord(m.Parts[1]);
    default:
        return false;
    }
}

// A numerator needs brackets when it is a sum or difference, or itself a fraction.
bool CompoundNumerator(const TMath& math) {
    const TMath& m = Unwrapped(math);
    if (m.Kind == TMathKind::Fraction) {
        return true;
    }
    if (m.Kind != TMathKind::Row) {
        return false;
    }
    for (std::size_t i = 0; i < m.Parts.size(); ++i) {
        if (BinaryAt(m, i) && !Dot(m.Parts[i])) {
            return true;
        }
    }
    return false;
}

// A plain integer: digits, or a minus sign and digits.
bool PlainInteger(const TMath& math) {
    const TMath& m = Unwrapped(math);
    if (m.Kind == TMathKind::Number) {
        return true;
    }
    return m.Kind == TMathKind::Row && m.Parts.size() == 2 &&
           m.Parts[0].Kind == TMathKind::Operator && m.Parts[0].Text == "−" &&
           m.Parts[1].Kind == TMathKind::Number;
}

std::string Unicode(const TMath& math);

std::string Bracketed(const std::string& text) {
    std::string out = "(";
    out += text;
    out += ')';
    return out;
}

std::string UnicodeRow(const TMath& row) {
    std::string out;
    for (std::size_t i = 0; i < row.Parts.size(); ++i) {
        const TMath& part = row.Parts[i];
        if (i > 0 && SpaceBefore(row, i)) {
            out += ' ';
        }
        std::string text = Unicode(part);
        // A fraction right before a letter or bracket is bracketed: "(1/2)x".
        const bool attached = i + 1 < row.Parts.size() && !SpaceBefore(row, i + 1) &&
                              row.Parts[i + 1].Kind != TMathKind::Punct;
        if (part.Kind == TMathKind::Fraction && attached) {
            text = Bracketed(text);
        }
        out += text;
    }
    return out;
}

// The limits of an integral or sum lowered and raised when every character
// has such a form ("∫₁³", "Σₖ₌₁ⁿ"), otherwise as "_(…)^(…)".
std::string UnicodeLimits(const TMath& below, const TMath& above) {
    const std::string low = Unicode(below);
    const std::string high = Unicode(above);
    std::string lowScript;
    std::string highScript;
    if (ToScript(low, kSubscripts, lowScript) && ToScript(high, kSuperscripts, highScript)) {
        return lowScript + highScript;
    }
    std::string scripts = "_";
    scripts += Bracketed(WithoutSpaces(low));
    scripts += '^';
    scripts += Bracketed(WithoutSpaces(high));
    return scripts;
}

std::size_t CodePoints(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        NextCodePoint(text, pos);
    }
    return count;
}

// The cells of a table's row: the parts of a Row, otherwise the one part.
const std::vector<TMath>& Cells(const TMath& row) {
    static const std::vector<TMath> none;
    return row.Kind == TMathKind::Row ? row.Parts : none;
}

// Whether a table is a long division, set in columns with partial rules.
bool LongDivision(const TMath& table) {
    return table.Text.find_first_of(")_") != std::string::npos;
}

// The first and last non-empty cells of a row, or none.
std::optional<std::pair<std::size_t, std::size_t>> Filled(const std::vector<TMath>& cells) {
    std::optional<std::pair<std::size_t, std::size_t>> span;
    for (std::size_t j = 0; j < cells.size(); ++j) {
        if (!TableCellEmpty(cells[j])) {
            span = std::pair(span ? span->first : j, j);
        }
    }
    return span;
}

// A long division in columns: each cell right-aligned in its column, the
// columns one space apart and ") " or two spaces after the first.
std::string UnicodeLongDivision(const TMath& table) {
    std::vector<std::vector<std::string>> texts;
    std::vector<std::size_t> widths;
    for (const TMath& row : table.Parts) {
        std::vector<std::string> line;
        for (const TMath& cell : Cells(row)) {
            line.push_back(Unicode(cell));
            if (widths.size() < line.size()) {
                widths.push_back(0);
            }
            widths[line.size() - 1] = std::max(widths[line.size() - 1], CodePoints(line.back()));
        }
        texts.push_back(std::move(line));
    }
    std::vector<std::size_t> starts;
    std::size_t x = 0;
    for (std::size_t j = 0; j < widths.size(); ++j) {
        starts.push_back(x);
        x += widths[j] + (j == 0 ? 3 : 1);
    }
    const std::size_t end = widths.empty() ? 0 : x - 1;
    const auto rule = [](std::size_t from, std::size_t to) {
        std::string line(from, ' ');
        for (std::size_t k = from; k < to; ++k) {
            line += "─";
        }
        return line;
    };
    std::string out;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const char kind = TableRule(table, i);
        if (kind == ')' && starts.size() > 1) {
            out += rule(starts[1] - 2, end) + "\n";
        } else if (kind == '_' && i > 0) {
            if (const auto span = Filled(Cells(table.Parts[i - 1]))) {
                out +=
                    rule(starts[span->first], starts[span->second] + widths[span->second]) + "\n";
            }
        } else if (kind == '-') {
            out += rule(0, end) + "\n";
        }
        std::string line;
        std::size_t at = 0; // the code points written
        for (std::size_t j = 0; j < texts[i].size(); ++j) {
            const std::size_t from = starts[j] + widths[j] - CodePoints(texts[i][j]);
            line.append(from - at, ' ');
            line += texts[i][j];
            at = starts[j] + widths[j];
            if (j == 0) {
                line += kind == ')' ? " )" : "  ";
                at += 2;
            }
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        out += line;
        if (i + 1 < texts.size()) {
            out += '\n';
        }
    }
    return out;
}

// Cells parted by " | ", a rule line above the rows that have one; a table
// ruled throughout has "| " and " |" at the ends of its rows and a rule line
// above and below them all.
std::string UnicodeTable(const TMath& table) {
    if (LongDivision(table)) {
        return UnicodeLongDivision(table);
    }
    const bool grid = TableGrid(table);
    std::vector<std::string> rows;
    std::size_t longest = 0;
    for (const TMath& row : table.Parts) {
        std::string line = grid ? "| " : "";
        const std::vector<TMath>& cells = Cells(row);
        // Empty cells at the end of a row leave no trace.
        std::size_t count = cells.size();
        while (count > 1 && Unicode(cells[count - 1]).empty()) {
            --count;
        }
        for (std::size_t j = 0; j < count; ++j) {
            if (j > 0) {
                line += " | ";
            }
            line += Unicode(cells[j]);
        }
        if (grid) {
            line += " |";
        }
        longest = std::max(longest, CodePoints(line));
        rows.push_back(std::move(line));
    }
    std::string rule;
    for (std::size_t k = 0; k < longest; ++k) {
        rule += "─";
    }
    std::string out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (TableRuleAbove(table, i) || (grid && i == 0)) {
            out += rule;
            out += '\n';
        }
        out += rows[i];
        if (i + 1 < rows.size()) {
            out += '\n';
        }
    }
    if (grid) {
        out += '\n';
        out += rule;
    }
    return out;
}

std::string Unicode(const TMath& math) {
    switch (math.Kind) {
    case TMathKind::Table:
        return UnicodeTable(math);
    case TMathKind::Row:
        return UnicodeRow(math);
    case TMathKind::Lines: {
        std::string out;
        for (std::size_t i = 0; i < math.Parts.size(); ++i) {
            if (i > 0) {
                out += '\n';
            }
            out += Unicode(math.Parts[i]);
        }
        return out;
    }
    case TMathKind::Number:
    case TMathKind::Letter:
    case TMathKind::Operator:
    case TMathKind::Word:
        return math.Text;
    case TMathKind::Punct:
        return math.Text;
    case TMathKind::Fraction: {
        const TMath& num = PartAt(math, 0);
        const TMath& den = PartAt(math, 1);
        std::string top = Unicode(num);
        std::string bottom = Unicode(den);
        if (CompoundNumerator(num)) {
            top = Bracketed(top);
        }
        if (!Atom(den)) {
            bottom = Bracketed(bottom);
        }
        return top + "/" + bottom;
    }
    case TMathKind::Root: {
        const TMath& radicand = Unwrapped(PartAt(math, 0));
        const std::string inner = Unicode(radicand);
        const bool simple =
            radicand.Kind == TMathKind::Number || radicand.Kind == TMathKind::Letter;
        return "√" + (simple ? inner : Bracketed(inner));
    }
    case TMathKind::Power: {
        const TMath& base = Unwrapped(PartAt(math, 0));
        const TMath& exponent = PartAt(math, 1);
        std::string out = Unicode(base);
        const bool bare = base.Kind == TMathKind::Number || base.Kind == TMathKind::Letter ||
                          base.Kind == TMathKind::Paren;
        if (!bare) {
            out = Bracketed(out);
        }
        std::string raised;
        if (PlainInteger(exponent) && ToScript(Unicode(exponent), kSuperscripts, raised)) {
            return out + raised;
        }
        return out + "^" + Bracketed(Unicode(exponent));
    }
    case TMathKind::Paren:
        if (math.Text == "{") {
            std::string out = "{";
            out += Unicode(PartAt(math, 0));
            out += '}';
            return out;
        }
        return Bracketed(Unicode(PartAt(math, 0)));
    case TMathKind::Integral:
        return "∫" + UnicodeLimits(PartAt(math, 0), PartAt(math, 1)) + " " +
               Unicode(PartAt(math, 2));
    case TMathKind::Sum:
        return "Σ" + UnicodeLimits(PartAt(math, 0), PartAt(math, 1)) + " " +
               Unicode(PartAt(math, 2));
    case TMathKind::Bracket: {
        std::string out = "[";
        out += Unicode(PartAt(math, 0));
        out += ']';
        out += UnicodeLimits(PartAt(math, 1), PartAt(math, 2));
        return out;
    }
    case TMathKind::Count: {
        const std::string n = Unicode(PartAt(math, 0));
        const std::string r = Unicode(PartAt(math, 1));
        std::string low;
        std::string lowR;
        if (IsDigits(n) && IsDigits(r) && ToScript(n, kSubscripts, low) &&
            ToScript(r, kSubscripts, lowR)) {
            return low + math.Text + lowR;
        }
        return math.Text + "(" + n + ", " + r + ")";
    }
    }
    return {};
}

// LaTeX.

// Appends a piece, with a space where it would otherwise run on into a
// control word before it: "\cdots x", not "\cdotsx".
void Append(std::string& out, const std::string& piece) {
    if (!piece.empty() && std::isalpha(static_cast<unsigned char>(piece[0])) != 0) {
        std::size_t i = out.size();
        while (i > 0 && std::isalpha(static_cast<unsigned char>(out[i - 1])) != 0) {
            --i;
        }
        if (i > 0 && i < out.size() && out[i - 1] == '\\') {
            out += ' ';
        }
    }
    out += piece;
}

// Characters that the formulas hold and LaTeX sets in math mode as commands
// of its own (and of amsmath): plain LaTeX knows them without any package
// for Unicode input.
struct TLatexSymbol {
    std::string_view Character;
    const char* Latex;
};
constexpr std::array<TLatexSymbol, 20> kLatexSymbols = {{{"−", "-"},
                                                         {"±", "\\pm"},
                                                         {"∓", "\\mp"},
                                                         {"×", "\\times"},
                                                         {"÷", "\\div"},
                                                         {"·", "\\cdot"},
                                                         {"≈", "\\approx"},
                                                         {"≠", "\\neq"},
                                                         {"≤", "\\leq"},
                                                         {"≥", "\\geq"},
                                                         {"↗", "\\nearrow"},
                                                         {"↘", "\\searrow"},
                                                         {"…", "\\cdots"},
                                                         {"′", "'"},
                                                         {"√", "\\surd"},
                                                         {"∫", "\\int"},
                                                         {"Σ", "\\Sigma"},
                                                         {"→", "\\to"},
                                                         // the strokes of a cross table's "╲╱"
                                                         {"╲", "\\backslash"},
                                                         {"╱", "/"}}};

// A character of a formula's text in math mode: a symbol above, a raised
// or lowered character as a script, a circled number "①" as the circled
// digits; empty for a character that only text mode can set (a Japanese one).
std::string LatexSymbol(std::string_view c) {
    if (c.size() == 1) {
        switch (c[0]) {
        case '#':
        case '$':
        case '%':
        case '&':
        case '_':
        case '{':
        case '}':
            return std::string("\\") + c[0];
        case '\\':
            return "\\backslash";
        case '~':
            return "\\sim";
        case '^':
            return "\\hat{}";
        default:
            return std::string(c);
        }
    }
    for (const TLatexSymbol& symbol : kLatexSymbols) {
        if (symbol.Character == c) {
            return symbol.Latex;
        }
    }
    for (const TScriptPair& pair : kSuperscripts) {
        if (pair.second == c) {
            return "^{" + LatexSymbol(pair.first) + "}";
        }
    }
    for (const TScriptPair& pair : kSubscripts) {
        if (pair.second == c) {
            return "_{" + LatexSymbol(pair.first) + "}";
        }
    }
    // ① to ⑳: U+2460 to U+2473.
    if (c.size() == 3 && c.substr(0, 2) == "\xe2\x91" && static_cast<unsigned char>(c[2]) >= 0xa0 &&
        static_cast<unsigned char>(c[2]) <= 0xb3) {
        const int n = static_cast<unsigned char>(c[2]) - 0xa0 + 1;
        return "\\text{\\textcircled{\\scriptsize " + std::to_string(n) + "}}";
    }
    return {};
}

// A character in text mode, inside \text{…}: the characters LaTeX reserves
// written as its text commands, the rest as it is.
std::string LatexTextCharacter(std::string_view c) {
    if (c.size() != 1) {
        return std::string(c);
    }
    switch (c[0]) {
    case '#':
    case '$':
    case '%':
    case '&':
    case '_':
    case '{':
    case '}':
        return std::string("\\") + c[0];
    case '\\':
        return "\\textbackslash{}";
    case '~':
        return "\\textasciitilde{}";
    case '^':
        return "\\textasciicircum{}";
    case '<':
        return "\\textless{}";
    case '>':
        return "\\textgreater{}";
    case '|':
        return "\\textbar{}";
    default:
        return std::string(c);
    }
}

// Text set in math mode: numbers, letters, the comma, and signs of the
// working such as "x₁"; a character only text mode knows goes into \text{…}.
std::string LatexMathText(std::string_view text) {
    std::string out;
    std::string words; // a run of characters for text mode
    const auto flush = [&] {
        if (!words.empty()) {
            Append(out, "\\text{" + words + "}");
            words.clear();
        }
    };
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view c = NextCodePoint(text, pos);
        std::string symbol = LatexSymbol(c);
        if (symbol.empty()) {
            words += LatexTextCharacter(c);
        } else {
            flush();
            Append(out, symbol);
        }
    }
    flush();
    return out;
}

std::string LatexOperator(const std::string& sign) {
    if (sign == "−") {
        return "-";
    }
    if (sign == "±") {
        return "\\pm";
    }
    if (sign == "∓") {
        return "\\mp";
    }
    if (sign == "×") {
        return "\\times";
    }
    if (sign == "÷") {
        return "\\div";
    }
    if (sign == "·") {
        return "\\cdot";
    }
    return LatexMathText(sign);
}

std::string Latex(const TMath& math);

// A word in upright text; the spaces around it go inside the braces, where
// math mode would drop them. "dx" after an integrand and the prime of f′ are
// written as LaTeX writes them, and so are the signs among the words ("↗" as
// \nearrow, "…" as \cdots), outside the braces: \text{…} holds only what
// text mode can set, so that a word of signs needs no Unicode font at all.
std::string LatexWord(const std::string& word, bool spaceBefore, bool spaceAfter) {
    if (word == "dx") {
        return "\\,dx";
    }
    if (word == "f′") {
        return "f'";
    }
    if (word == "!") {
        return "!";
    }
    std::string out;
    std::string text = spaceBefore ? " " : "";
    const auto flush = [&] {
        if (!text.empty()) {
            Append(out, "\\text{" + text + "}");
            text.clear();
        }
    };
    for (std::size_t pos = 0; pos < word.size();) {
        const std::string_view c = NextCodePoint(word, pos);
        const bool ascii = c.size() == 1;
        const std::string symbol = ascii ? std::string() : LatexSymbol(c);
        if (symbol.empty()) {
            text += LatexTextCharacter(c);
        } else {
            if (text == " ") {
                Append(out, "\\ "); // a space before a sign, kept in math mode
                text.clear();
            }
            flush();
            Append(out, symbol);
        }
    }
    if (spaceAfter) {
        if (text.empty()) {
            Append(out, "\\ ");
        } else {
            text += ' ';
        }
    }
    flush();
    return out;
}

std::string LatexRow(const TMath& row) {
    std::string out;
    const std::size_t n = row.Parts.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TMath& part = row.Parts[i];
        // Between two words the space goes into the first one only.
        const bool before =
            i > 0 && SpaceBefore(row, i) && row.Parts[i - 1].Kind != TMathKind::Word;
        const bool after = i + 1 < n && SpaceBefore(row, i + 1);
        if (part.Kind == TMathKind::Word) {
            Append(out, LatexWord(part.Text, before, after));
            continue;
        }
        if (part.Kind == TMathKind::Operator) {
            const std::string sign = LatexOperator(part.Text);
            if (BinaryAt(row, i)) {
                out += ' ';
                out += sign;
                out += ' ';
            } else {
                Append(out, sign);
                if (!sign.empty() && sign[0] == '\\') {
                    out += ' '; // "\pm i", not "\pmi"
                }
            }
            continue;
        }
        if (i > 0 && row.Parts[i - 1].Kind == TMathKind::Root && part.Kind == TMathKind::Letter) {
            out += "\\,";
        }
        Append(out, Latex(part));
        if (part.Kind == TMathKind::Punct) {
            out += ' ';
        }
    }
    return out;
}

// Scripts of an integral or sum written close: "k=1", "n+1".
std::string Compact(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' && i + 2 < text.size() && text[i + 2] == ' ' &&
            (text[i + 1] == '=' || text[i + 1] == '+' || text[i + 1] == '-')) {
            out += text[i + 1];
            i += 2;
            continue;
        }
        out += c;
    }
    return out;
}

std::string Braced(const std::string& text) {
    return "{" + text + "}";
}

// A long division: right-aligned columns, "\big)" after the divisor and
// \cline for its rules.
std::string LatexLongDivision(const TMath& table, std::size_t columns) {
    std::string out = "\\begin{array}{";
    out += std::string(columns, 'r');
    out += '}';
    const auto cline = [](std::size_t from, std::size_t to) {
        std::string rule = "\\cline{";
        rule += std::to_string(from + 1);
        rule += '-';
        rule += std::to_string(to + 1);
        rule += "} ";
        return rule;
    };
    for (std::size_t i = 0; i < table.Parts.size(); ++i) {
        out += i > 0 ? " \\\\ " : " ";
        const char kind = TableRule(table, i);
        if (kind == ')' && columns > 1) {
            out += cline(1, columns - 1);
        } else if (kind == '_' && i > 0) {
            if (const auto span = Filled(Cells(table.Parts[i - 1]))) {
                out += cline(span->first, span->second);
            }
        } else if (kind == '-') {
            out += "\\hline ";
        }
        const std::vector<TMath>& cells = Cells(table.Parts[i]);
        for (std::size_t j = 0; j < cells.size(); ++j) {
            if (j > 0) {
                out += " & ";
            }
            out += Latex(cells[j]);
            if (j == 0 && kind == ')') {
                out += "\\,\\big)";
            }
        }
    }
    out += " \\end{array}";
    return out;
}

std::string LatexTable(const TMath& table) {
    std::size_t columns = 0;
    for (const TMath& row : table.Parts) {
        columns = std::max(columns, Cells(row).size());
    }
    if (LongDivision(table)) {
        return LatexLongDivision(table, columns);
    }
    // A table ruled throughout: "|c|c|…|", \hline above and below it all.
    const bool grid = TableGrid(table);
    std::string out = "\\begin{array}{";
    if (grid) {
        out += '|';
    }
    for (std::size_t j = 0; j < columns; ++j) {
        out += 'c';
        if (grid || (j == 0 && TableHeaderColumn(table) && columns > 1)) {
            out += '|';
        }
    }
    out += '}';
    // A last column set apart: its rule runs down to the lowest horizontal rule.
    const bool apart = TableLastColumnApart(table) && columns > 1;
    std::size_t ruled = table.Parts.size(); // the rows above the lowest rule
    for (std::size_t i = table.Parts.size(); i-- > 1;) {
        if (TableRuleAbove(table, i)) {
            ruled = i;
            break;
        }
    }
    for (std::size_t i = 0; i < table.Parts.size(); ++i) {
        out += i > 0 ? " \\\\ " : " ";
        if (TableRuleAbove(table, i) || (grid && i == 0)) {
            if (apart) {
                out += "\\cline{1-";
                out += std::to_string(columns - 1);
                out += "} ";
            } else {
                out += "\\hline ";
            }
        }
        const std::vector<TMath>& cells = Cells(table.Parts[i]);
        for (std::size_t j = 0; j < cells.size(); ++j) {
            if (j > 0) {
                out += " & ";
            }
            if (apart && j + 1 == columns && i < ruled) {
                out += "\\multicolumn{1}{|c}{";
                out += Latex(cells[j]);
                out += '}';
            } else {
                out += Latex(cells[j]);
            }
        }
    }
    if (grid) {
        out += " \\\\ \\hline";
    }
    out += " \\end{array}";
    return out;
}

std::string Latex(const TMath& math) {
    switch (math.Kind) {
    case TMathKind::Table:
        return LatexTable(math);
    case TMathKind::Row:
        return LatexRow(math);
    case TMathKind::Lines: {
        std::string out = "\\begin{aligned}";
        for (std::size_t i = 0; i < math.Parts.size(); ++i) {
            out += i > 0 ? " \\\\ &" : " &";
            out += Latex(math.Parts[i]);
        }
        out += " \\end{aligned}";
        return out;
    }
    case TMathKind::Number:
    case TMathKind::Letter:
    case TMathKind::Punct:
        return LatexMathText(math.Text);
    case TMathKind::Operator:
        return LatexOperator(math.Text);
    case TMathKind::Word:
        return LatexWord(math.Text, false, false);
    case TMathKind::Fraction:
        return "\\frac" + Braced(Latex(PartAt(math, 0))) + Braced(Latex(PartAt(math, 1)));
    case TMathKind::Root:
        return "\\sqrt" + Braced(Latex(PartAt(math, 0)));
    case TMathKind::Power: {
        const TMath& base = Unwrapped(PartAt(math, 0));
        const bool bare = base.Kind == TMathKind::Number || base.Kind == TMathKind::Letter ||
                          base.Kind == TMathKind::Paren;
        const std::string b = bare ? Latex(base) : "\\left(" + Latex(base) + "\\right)";
        return b + "^" + Braced(Latex(PartAt(math, 1)));
    }
    case TMathKind::Paren:
        if (math.Text == "{") {
            std::string out = "\\left\\{";
            out += Latex(PartAt(math, 0));
            out += "\\right\\}";
            return out;
        }
        return "\\left(" + Latex(PartAt(math, 0)) + "\\right)";
    case TMathKind::Integral:
        return "\\int_" + Braced(Compact(Latex(PartAt(math, 0)))) + "^" +
               Braced(Compact(Latex(PartAt(math, 1)))) + " " + Latex(PartAt(math, 2));
    case TMathKind::Sum:
        return "\\sum_" + Braced(Compact(Latex(PartAt(math, 0)))) + "^" +
               Braced(Compact(Latex(PartAt(math, 1)))) + " " + Latex(PartAt(math, 2));
    case TMathKind::Bracket:
        return "\\left[" + Latex(PartAt(math, 0)) + "\\right]_" +
               Braced(Compact(Latex(PartAt(math, 1)))) + "^" +
               Braced(Compact(Latex(PartAt(math, 2))));
    case TMathKind::Count:
        return "{}_" + Braced(Latex(PartAt(math, 0))) + "\\mathrm" + Braced(math.Text) + "_" +
               Braced(Latex(PartAt(math, 1)));
    }
    return {};
}

} // namespace

std::string MathToUnicode(const TMath& math) {
    return Unicode(math);
}

std::string MathToLatex(const TMath& math) {
    return Latex(math);
}

} // namespace arith
