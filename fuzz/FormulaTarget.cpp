// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the formula line's recognizer, and the window each recognised line
// fills.
//
// Input: with the first byte odd, the rest is the line itself, any bytes.
// With it even, the bytes build a problem whose answer is known: a
// polynomial in x (for 因数分解, the equation windows and 定積分) or a
// pair of linear equations, each term written in one of the ways a
// student types it (full-width, raised powers, x/2, products written out,
// terms on either side of "="). The recognised fields, read as the window
// reads them, must hold that problem.
//
// Checks: recognizing never throws or hangs; a refusal has a message of
// valid UTF-8 and points no further than the line's end; a recognised problem names a
// window of the registry, one of its commands and radio buttons, and every
// field the calculation reads; the window's entry runs on it without an
// exception escaping. The sanitizers report the rest.
#include "FormulaLine.h"
#include "Polynomial.h"
#include "Rational.h"
#include "WindowRegistry.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using arith::TRational;

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "formula: %s: %s\n", what, detail.c_str());
    std::abort();
}

bool CleanText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80       ? 1
                                   : byte >> 5 == 6  ? 2
                                   : byte >> 4 == 14 ? 3
                                   : byte >> 3 == 30 ? 4
                                                     : 0;
        if (byte == 0 || length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// The recognised problem in its window: checked against the registry and calculated.
void RunWindow(const problems::TFormulaProblem& problem, const std::string& line) {
    const TWindowEntry* window = FindWindow(problem.Window);
    if (window == nullptr || window->Solve == nullptr) {
        Fail("no such window", problem.Window);
    }
    if (std::find(window->Commands.begin(), window->Commands.end(), problem.Command) ==
        window->Commands.end()) {
        Fail("no such command", problem.Command);
    }
    problems::TWindowInput input = window->StartInput();
    input.Command = problem.Command;
    for (const std::string& radio : problem.Checked) {
        if (!window->CheckRadio(input, radio)) {
            Fail("no such radio button", radio);
        }
    }
    for (const auto& [field, text] : problem.Fields) {
        input.Fields[field] = text;
    }
    const problems::TWindowResult result = window->Solve(input);
    for (const std::string& field : result.FieldsRead) {
        if (problem.Fields.count(field) == 0) {
            Fail("field left as it was", field + " in " + line);
        }
    }
    for (const problems::TMessage& message : result.Messages) {
        if (message.Text.empty() || !CleanText(message.Text)) {
            Fail("bad message", message.Text);
        }
    }
}

// ---- Problems built from the bytes ----

class TBytes {
public:
    TBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    unsigned Next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::string Widened(const std::string& ascii) {
    std::string wide;
    for (char c : ascii) {
        if ((c >= '0' && c <= '9') || c == 'x' || c == 'y' || c == '^' || c == '+' || c == '/') {
            const char32_t w = static_cast<char32_t>(c) + 0xFEE0;
            wide += static_cast<char>(0xE0 | (w >> 12));
            wide += static_cast<char>(0x80 | ((w >> 6) & 0x3F));
            wide += static_cast<char>(0x80 | (w & 0x3F));
        } else if (c == '-') {
            wide += "ー";
        } else {
            wide += c;
        }
    }
    return wide;
}

// c·letter^power, signed, in one of the ways a student writes it.
std::string Term(const TRational& c, char letter, int power, unsigned style) {
    const bool negative = arith::Negative(c);
    const std::string num = (negative ? -c.Num() : c.Num()).Text();
    const std::string den = c.Den().Text();
    std::string term = negative ? "-" : "+";
    std::string variable;
    if (power >= 1) {
        variable = letter;
        if (power > 1) {
            variable += style % 5 == 1 && power <= 4 ? std::string(power == 2   ? "²"
                                                                   : power == 3 ? "³"
                                                                                : "⁴")
                                                     : std::string("^") + std::to_string(power);
        }
    }
    switch (style % 5) {
    case 3: // written out: 3*x*x
        term += num + (den == "1" ? "" : std::string("/") + den);
        for (int i = 0; i < power; ++i) {
            term += "*";
            term += letter;
        }
        return term;
    case 4: // the denominator after the letter: 3x^2/4
        return term + num + variable + (den == "1" ? "" : std::string("/") + den);
    default:
        term += num + (den == "1" ? "" : std::string("/") + den) + variable;
        return style % 5 == 2 ? Widened(term) : term;
    }
}

TRational SmallFraction(TBytes& bytes) {
    const int num = static_cast<int>(bytes.Next() % 19) - 9;
    const int den = 1 + static_cast<int>(bytes.Next() % 4);
    return TRational{num, den};
}

TRational FieldValue(const problems::TFormulaProblem& problem, const std::string& field) {
    TRational value;
    const auto found = problem.Fields.find(field);
    if (found == problem.Fields.end() || !arith::ParseRational(found->second, value)) {
        Fail("field not typed as a number", field);
    }
    return value;
}

// Terms split over the two sides of "=" (moved terms change sign); 0 for an empty side.
std::string Equation(const std::vector<std::string>& left, const std::vector<std::string>& right) {
    std::string line;
    for (const std::string& t : left) {
        line += t;
    }
    line += line.empty() ? "0=" : "=";
    std::string rest;
    for (const std::string& t : right) {
        rest += t;
    }
    return line + (rest.empty() ? "0" : rest);
}

void Structured(TBytes& bytes) {
    const unsigned kind = bytes.Next() % 4;
    if (kind == 3) {
        // Two linear equations in x and y.
        TRational rows[2][3];
        std::string line;
        for (auto& row : rows) {
            std::vector<std::string> left;
            std::vector<std::string> right;
            for (int i = 0; i < 3; ++i) {
                row[i] = SmallFraction(bytes);
                const unsigned style = bytes.Next();
                const bool moved = (style & 0x80) != 0; // the constant sits on the left: -c
                const TRational shown = (i == 2) != moved ? row[i] : -row[i];
                if (shown == TRational{}) {
                    continue;
                }
                (moved ? right : left).push_back(Term(shown, "xy "[i], i < 2 ? 1 : 0, style));
            }
            line += (line.empty() ? "" : ", ") + Equation(left, right);
        }
        const auto reading = problems::RecognizeFormula(line);
        const auto* problem = std::get_if<problems::TFormulaProblem>(&reading);
        if (problem == nullptr) {
            Fail("system refused",
                 line + ": " + std::get<problems::TFormulaRefusal>(reading).Message);
        }
        if (problem->Window != "TRenrituForm") {
            Fail("system in another window", line);
        }
        for (int r = 0; r < 2; ++r) {
            const std::string n = std::to_string(r + 1);
            const TRational read[3] = {FieldValue(*problem, std::string("EditX") + n),
                                       FieldValue(*problem, std::string("EditY") + n),
                                       FieldValue(*problem, std::string("EditA") + n)};
            // The equation as typed, or with its sides exchanged.
            const bool same =
                read[0] == rows[r][0] && read[1] == rows[r][1] && read[2] == rows[r][2];
            const bool swapped =
                read[0] == -rows[r][0] && read[1] == -rows[r][1] && read[2] == -rows[r][2];
            if (!same && !swapped) {
                Fail("system not as typed", line);
            }
        }
        RunWindow(*problem, line);
        return;
    }
    // A polynomial in x of degree 1 to 4 (5 for the integral).
    const int degree = 1 + static_cast<int>(bytes.Next() % (kind == 2 ? 5 : 4));
    std::vector<TRational> p(degree + 1);
    std::vector<std::string> left;
    std::vector<std::string> right;
    for (int i = degree; i >= 0; --i) {
        p[i] = SmallFraction(bytes);
        if (i == degree && p[i] == TRational{}) {
            p[i] = TRational{1};
        }
        const unsigned style = bytes.Next();
        const bool moved = kind == 1 && (style & 0x80) != 0;
        if (p[i] != TRational{}) {
            (moved ? right : left).push_back(Term(moved ? -p[i] : p[i], 'x', i, style));
        }
    }
    std::string line;
    const char* window = "TInsuuForm";
    if (kind == 1) {
        line = Equation(left, right);
        window = degree == 2 ? "TNijiForm" : "TKojiForm";
    } else {
        for (const std::string& t : left) {
            line += t;
        }
        if (kind == 2) {
            line = "∫[0,1]" + line + "dx";
            window = "TSekibunForm";
        }
    }
    const auto reading = problems::RecognizeFormula(line);
    const auto* problem = std::get_if<problems::TFormulaProblem>(&reading);
    if (kind == 1 && degree < 2) {
        if (problem != nullptr) {
            Fail("a linear equation recognised", line);
        }
        return;
    }
    if (problem == nullptr) {
        Fail("typed problem refused",
             line + ": " + std::get<problems::TFormulaRefusal>(reading).Message);
    }
    if (problem->Window != window) {
        Fail("problem in another window", line + " in " + problem->Window);
    }
    // The coefficients as the window reads them: the polynomial typed, or
    // (an equation written with its sides exchanged) its negative.
    bool same = true;
    bool negated = kind == 1;
    const int fields = problem->Window == "TNijiForm"      ? 3
                       : problem->Window == "TSekibunForm" ? 6
                                                           : 5;
    for (int i = 0; i < fields; ++i) {
        const TRational read = FieldValue(*problem, "Edit" + std::to_string(i));
        const TRational typed = i <= degree ? p[i] : TRational{};
        same = same && read == typed;
        negated = negated && read == -typed;
    }
    if (!same && !negated) {
        Fail("polynomial not as typed", line);
    }
    RunWindow(*problem, line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    if (data[0] % 2 == 0) {
        TBytes bytes(data + 1, size - 1);
        Structured(bytes);
        return 0;
    }
    const std::string line(reinterpret_cast<const char*>(data + 1), size - 1);
    const problems::TFormulaReading reading = problems::RecognizeFormula(line);
    if (const auto* refusal = std::get_if<problems::TFormulaRefusal>(&reading)) {
        if (refusal->Message.empty() || !CleanText(refusal->Message)) {
            Fail("bad refusal", refusal->Message);
        }
        if (refusal->Position > line.size()) {
            Fail("refusal points past the line", std::to_string(refusal->Position));
        }
        return 0;
    }
    RunWindow(std::get<problems::TFormulaProblem>(reading), line);
    return 0;
}
