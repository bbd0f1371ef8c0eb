// SPDX-License-Identifier: GPL-3.0-or-later
// The forms of the formula line, each with the window it fills. Which form
// a line has is decided by its first tokens and the number of its
// statements (the pieces between top-level "," ";" and new lines), so no
// line fits two forms:
//   ∫ or int               定積分        ∫[a,b] f dx, ∫_a^b f dx, int(f, a, b)
//   Σ or sum               ∑             Σ[k=a,b] f, sum(f, k, a, b)
//   gcd, lcm               四則演算      gcd(f, g), lcm(f, g)
//   f(x) =                 微分          f(x)=…, then f'(a) / 接線 x=a / 極値
//   A(                     内分・外分    A(x,y), B(x,y), m:n (内分 or 外分 anywhere)
//   n C r, n P r, n !      順列・組合せ
//   整数 or 整数解 anywhere 不定方程式    a x + b y = c
//   two equations          連立方程式;  three: 3元1次方程式
//   one equation in x      ２次方程式 (degree 2), 高次方程式 (degree 3, 4)
//   (f) op (g), (f)^n      四則演算      op one of + - × ÷ (* / ・ as well)
//   any other polynomial   因数分解      in x, products expanded
//
// The fields are filled as a student types them by hand. A coefficient
// field is left empty where the coefficient is zero (each coefficient
// window reads an empty field as 0, as the x² field of x³-2x+1). A field
// that holds a value rather than a coefficient (a right-hand side, a
// limit, a coordinate, a ratio, the point a) gets "0" typed. A coefficient
// is written reduced ("3/4", "-2"), decimals as the fractions they are. A
// value the window shows back as typed (the point a, the limits, the ends
// of a sum, the coordinates and the ratio, a right-hand side), when the
// line writes it as one plain number ("-18/12", "0.5"), keeps its digits
// as written, and so do the whole numbers of nCr, nPr, n! and (f)^n. A
// number the window cannot take (more than 500 digits, a fraction where it
// counts in integers, a power beyond its degree) is typed all the same, so
// that the window refuses it with its own message. Only what no field can
// hold is refused here: a degree beyond the window's fields, with the
// window's caption and the polynomial type's wording.
#include "FormulaLine.h"

#include "Errors.h"
#include "FormulaParser.h"
#include "Messages.h"
#include "Polynomial.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace problems {

using namespace formula;
using arith::TRational;

namespace {

// The forms with one example each, which every refusal of an unreadable line ends with.
constexpr const char* kFormsText =
    "読める形（例）:\n"
    "因数分解　x^2-5x+6\n"
    "２次方程式　x^2-5x+6=0\n"
    "高次方程式　x^3=2x-1\n"
    "連立方程式　x+y=3, x-y=1\n"
    "3元1次方程式　x+y+z=6; x-y=1; x+z=4\n"
    "不定方程式　3x+5y=1 整数解\n"
    "順列・組合せ　10C3　10P3　5!\n"
    "定積分　∫[0,1] x^2 dx　int(x^2, 0, 1)\n"
    "∑　Σ[k=1,n] k^2　sum(k^2, k, 1, n)\n"
    "微分　f(x)=x^3-3x, f'(2)　（接線 x=2 / 極値）\n"
    "内分・外分　A(1,2), B(3,4), 2:1　（外分）\n"
    "四則演算　(x^2+1)+(x-1)　(x^3-1)÷(x-1)　(x+1)^3　gcd(x^2-1, x^2+x)";

// A character as a message names it: control characters as their pictures.
std::string Shown(const std::string& character) {
    if (character.size() == 1) {
        const auto byte = static_cast<unsigned char>(character[0]);
        if (byte < 0x20) {
            return std::string("\xE2\x90") + static_cast<char>(0x80 + byte);
        }
        if (byte == 0x7F) {
            return "\xE2\x90\xA1";
        }
    }
    return character;
}

std::string UnreadableText(const std::string& character, std::size_t position) {
    std::string text = std::to_string(position);
    text += " 文字目の「";
    text += Shown(character);
    text += "」が読めません。\n\n";
    text += kFormsText;
    return text;
}

std::string WithForms(const char* lead) {
    std::string text = lead;
    text += "\n\n";
    text += kFormsText;
    return text;
}

// A polynomial of a higher degree than the window has fields for.
TFailure DegreeAbove(const char* caption, int highest) {
    std::string text = caption;
    text += ": 次数が";
    text += std::to_string(highest);
    text += "を超えるため計算できません";
    return TFailure{0, text};
}

// The window, its command and radio buttons, and its fields, all empty at first.
TFormulaProblem Window(const char* window, const char* command,
                       std::initializer_list<const char*> fields) {
    TFormulaProblem problem;
    problem.Window = window;
    problem.Command = command;
    for (const char* field : fields) {
        problem.Fields[field] = "";
    }
    return problem;
}

std::string CoefficientText(const TRational& c) {
    return c == TRational{} ? "" : NumberText(c);
}

// The coefficient fields prefix0 .. prefix<count-1> of a polynomial in the letter.
void FillCoefficients(TFormulaProblem& problem, const std::string& prefix, int count,
                      const TFormulaPoly& p, int letter) {
    for (int i = 0; i < count; ++i) {
        problem.Fields[prefix + std::to_string(i)] = CoefficientText(p.Coefficient(letter, i));
    }
}

// An equation's two sides brought to one: left minus right, or right minus
// left where only the right side holds letters (6 = x^2 + x reads as x^2 + x - 6).
struct TEquation {
    TFormulaPoly Difference;
    std::size_t LetterAt[kLetterCount] = {};
    // The right-hand side field's text: -Difference's constant term, or the
    // number as written where one side is that number alone.
    std::string ConstantText;
};

class TFormulaReader {
public:
    explicit TFormulaReader(std::vector<TToken> tokens) : tokens_(std::move(tokens)) {}

    TFormulaProblem Read() {
        const TToken& first = tokens_.front();
        if (first.Kind == TKind::End) {
            throw TFailure{0, WithForms("式を入力して下さい。")};
        }
        // The words that choose a form or a mode wherever they stand.
        std::vector<TToken> words;
        std::vector<TToken> rest;
        for (std::size_t i = 0; i < tokens_.size(); ++i) {
            const TToken& token = tokens_[i];
            const bool modeWord =
                token.Kind == TKind::Word && (token.Text == "整数" || token.Text == "整数解" ||
                                              token.Text == "内分" || token.Text == "外分");
            if (!modeWord) {
                rest.push_back(token);
                continue;
            }
            words.push_back(token);
            // A word in brackets of its own, "（整数解）", goes with them.
            if (!rest.empty() && rest.back().IsSymbol('(') && tokens_[i + 1].IsSymbol(')')) {
                rest.pop_back();
                ++i;
            }
        }
        // Separators at the end (a new line after the last equation) end nothing.
        while (rest.size() > 1 &&
               (rest[rest.size() - 2].IsSymbol(',') || rest[rest.size() - 2].IsSymbol(';'))) {
            rest.erase(rest.end() - 2);
        }
        tokens_ = std::move(rest);
        const TToken& lead = tokens_.front();
        const TToken& next = tokens_.size() > 1 ? tokens_[1] : tokens_.front();
        const auto hasWord = [&words](const char* a, const char* b) {
            return std::any_of(words.begin(), words.end(),
                               [&](const TToken& w) { return w.Text == a || w.Text == b; });
        };
        const bool integer = hasWord("整数", "整数解");
        // A word that belongs to no form the line has.
        const auto stray = [&words](const char* a, const char* b) {
            for (const TToken& w : words) {
                if (w.Text == a || w.Text == b) {
                    throw TFailure{w.Position, {}};
                }
            }
        };
        if (lead.Is(TKind::Name, "A")) {
            stray("整数", "整数解");
            return Naibun(words);
        }
        stray("内分", "外分");
        if (integer) {
            return Hutei();
        }
        if (lead.IsSymbol('I') || lead.Is(TKind::Name, "int")) {
            return Sekibun();
        }
        if (lead.IsSymbol('S') || lead.Is(TKind::Name, "sum")) {
            return Sigma();
        }
        if (lead.Is(TKind::Name, "gcd") || lead.Is(TKind::Name, "lcm")) {
            return Common();
        }
        if (lead.Is(TKind::Name, "f")) {
            return Bibun();
        }
        if (lead.Kind == TKind::Number &&
            (next.Is(TKind::Name, "C") || next.Is(TKind::Name, "P") || next.IsSymbol('!'))) {
            return Junretu();
        }
        const auto statements = Statements();
        if (statements.size() == 2) {
            return Renritu(statements);
        }
        if (statements.size() == 3) {
            return Renritu3(statements);
        }
        if (statements.size() > 3) {
            throw TFailure{tokens_[statements[3].first - 1].Position, {}};
        }
        if (Contains('=')) {
            return Equation();
        }
        if (auto enzan = Enzan()) {
            return *enzan;
        }
        return Insuu();
    }

private:
    // ---- Reading pieces ----

    const TToken& At(std::size_t at) const { return tokens_[std::min(at, tokens_.size() - 1)]; }

    [[noreturn]] void Unreadable(std::size_t at) const { throw TFailure{At(at).Position, {}}; }

    void Expect(std::size_t& at, char symbol) const {
        if (!At(at).IsSymbol(symbol)) {
            Unreadable(at);
        }
        ++at;
    }

    void ExpectName(std::size_t& at, const char* name) const {
        if (!At(at).Is(TKind::Name, name)) {
            Unreadable(at);
        }
        ++at;
    }

    void ExpectEnd(std::size_t at) const {
        if (At(at).Kind != TKind::End) {
            Unreadable(at);
        }
    }

    // Skips one "," or ";" where the line may have one.
    void SkipSeparator(std::size_t& at) const {
        if (At(at).IsSymbol(',') || At(at).IsSymbol(';')) {
            ++at;
        }
    }

    // A polynomial holding no letter but those allowed.
    TFormulaPoly Polynomial(std::size_t& at, std::initializer_list<int> letters) const {
        const TRead read = ReadPolynomial(tokens_, at);
        Allow(read.LetterAt, letters);
        return read.Value;
    }

    static void Allow(const std::size_t (&letterAt)[kLetterCount],
                      std::initializer_list<int> letters) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            if (letterAt[letter] != 0 &&
                std::find(letters.begin(), letters.end(), letter) == letters.end()) {
                throw TFailure{letterAt[letter], {}};
            }
        }
    }

    TRational Constant(std::size_t& at) const { return Polynomial(at, {}).ConstantTerm(); }

    // The text to type for tokens [from, to), which come to `value`: one
    // plain number, signed or in brackets ("-18/12", "(0.5)"), with its
    // digits as written, since the window shows such a field back as it
    // stands; anything longer as the value it comes to.
    std::string ValueText(std::size_t from, std::size_t to, const TRational& value) const {
        if (to - from >= 3 && At(from).IsSymbol('(') && At(to - 1).IsSymbol(')')) {
            ++from;
            --to;
        }
        std::string text;
        if (from < to && (At(from).IsSymbol('-') || At(from).IsSymbol('+'))) {
            text = At(from).IsSymbol('-') ? "-" : "";
            ++from;
        }
        const auto number = [this](std::size_t i) { return At(i).Kind == TKind::Number; };
        if (to - from == 1 && number(from)) {
            return text + At(from).Text;
        }
        // A field takes a decimal numerator but no decimal denominator.
        if (to - from == 3 && number(from) && At(from + 1).IsSymbol('/') && number(from + 2) &&
            At(from + 2).Text.find('.') == std::string::npos) {
            text += At(from).Text;
            text += '/';
            return text + At(from + 2).Text;
        }
        return NumberText(value);
    }

    // A constant for a field the window shows back.
    std::string ConstantField(std::size_t& at) const {
        const std::size_t from = at;
        const TRational value = Constant(at);
        return ValueText(from, at, value);
    }

    // One number with an optional sign, or a bracketed constant: a limit
    // written after "_" or "^", where anything longer would run on into the integrand.
    TRational Bound(std::size_t& at) const {
        if (At(at).IsSymbol('(')) {
            ++at;
            const TRational value = Constant(at);
            Expect(at, ')');
            return value;
        }
        const bool negative = At(at).IsSymbol('-');
        if (negative || At(at).IsSymbol('+')) {
            ++at;
        }
        if (At(at).Kind != TKind::Number) {
            Unreadable(at);
        }
        const TRational value = NumberValue(At(at++));
        return negative ? -value : value;
    }

    std::string BoundField(std::size_t& at) const {
        const std::size_t from = at;
        const TRational value = Bound(at);
        return ValueText(from, at, value);
    }

    // The statements: token ranges between top-level separators, empty ones dropped.
    std::vector<std::pair<std::size_t, std::size_t>> Statements() const {
        std::vector<std::pair<std::size_t, std::size_t>> statements;
        int depth = 0;
        std::size_t begin = 0;
        for (std::size_t i = 0; i < tokens_.size(); ++i) {
            const TToken& t = tokens_[i];
            depth += t.IsSymbol('(') || t.IsSymbol('[') ? 1 : 0;
            depth -= (t.IsSymbol(')') || t.IsSymbol(']')) && depth > 0 ? 1 : 0;
            const bool last = t.Kind == TKind::End;
            if (last || (depth == 0 && (t.IsSymbol(',') || t.IsSymbol(';')))) {
                if (i > begin) {
                    statements.emplace_back(begin, i);
                }
                begin = i + 1;
            }
        }
        return statements;
    }

    bool Contains(char symbol) const {
        return std::any_of(tokens_.begin(), tokens_.end(),
                           [symbol](const TToken& t) { return t.IsSymbol(symbol); });
    }

    // An equation from tokens[at] on, ending at `end`.
    TEquation ReadEquation(std::size_t& at, std::size_t end,
                           std::initializer_list<int> letters) const {
        const std::size_t leftFrom = at;
        TRead left = ReadPolynomial(tokens_, at);
        const std::size_t leftTo = at;
        Expect(at, '=');
        const std::size_t rightFrom = at;
        TRead right = ReadPolynomial(tokens_, at);
        if (at != end) {
            Unreadable(at);
        }
        TEquation equation;
        for (int letter = 0; letter < kLetterCount; ++letter) {
            const std::size_t l = left.LetterAt[letter];
            const std::size_t r = right.LetterAt[letter];
            equation.LetterAt[letter] = l == 0 ? r : r == 0 ? l : std::min(l, r);
        }
        Allow(equation.LetterAt, letters);
        const bool rightOnly = left.Value.IsConstant() && !right.Value.IsConstant();
        equation.Difference = rightOnly ? right.Value - left.Value : left.Value - right.Value;
        // "x + y = 6/4": the side that is a number alone, the other without one.
        const TRational& leftConstant = left.Value.ConstantTerm();
        const TRational& rightConstant = right.Value.ConstantTerm();
        if (rightOnly && rightConstant == TRational{}) {
            equation.ConstantText = ValueText(leftFrom, leftTo, leftConstant);
        } else if (!rightOnly && right.Value.IsConstant() && leftConstant == TRational{}) {
            equation.ConstantText = ValueText(rightFrom, end, rightConstant);
        } else {
            equation.ConstantText = NumberText(-equation.Difference.ConstantTerm());
        }
        return equation;
    }

    // ---- The forms ----

    TFormulaProblem Insuu() const {
        std::size_t at = 0;
        const TFormulaPoly p = Polynomial(at, {X});
        ExpectEnd(at);
        if (p.IsConstant()) {
            throw TFailure{0, WithForms("x の式を入力して下さい。")};
        }
        if (p.Degree(X) > 4) {
            throw DegreeAbove("因数分解", 4);
        }
        TFormulaProblem problem = Window("TInsuuForm", "CalcButton", {});
        FillCoefficients(problem, "Edit", 5, p, X);
        return problem;
    }

    TFormulaProblem Equation() const {
        std::size_t at = 0;
        const TEquation equation = ReadEquation(at, tokens_.size() - 1, {X});
        const TFormulaPoly& p = equation.Difference;
        const int degree = p.Degree(X);
        if (degree < 2) {
            throw TFailure{0, "２次方程式・高次方程式: 2次から4次の方程式を入力して下さい"};
        }
        if (degree > 4) {
            throw DegreeAbove("高次方程式", 4);
        }
        const bool quadratic = degree == 2;
        TFormulaProblem problem = Window(quadratic ? "TNijiForm" : "TKojiForm", "CalcButton", {});
        FillCoefficients(problem, "Edit", quadratic ? 3 : 5, p, X);
        return problem;
    }

    // Linear equations, one per statement, in the letters given; the fields
    // of equation i are the letters' fields (named with the letter in
    // capitals and i) and EditA<i> for the right-hand side.
    TFormulaProblem Linear(const char* window,
                           const std::vector<std::pair<std::size_t, std::size_t>>& statements,
                           std::initializer_list<int> letters) const {
        TFormulaProblem problem = Window(window, "CalcButton", {});
        for (std::size_t i = 0; i < statements.size(); ++i) {
            std::size_t at = statements[i].first;
            const TEquation equation = ReadEquation(at, statements[i].second, letters);
            if (!equation.Difference.IsLinear()) {
                throw TFailure{At(statements[i].first).Position, {}};
            }
            const std::string row = std::to_string(i + 1);
            for (int letter : letters) {
                std::string field = "Edit";
                field += static_cast<char>(LetterChar(letter) - 'a' + 'A');
                field += row;
                problem.Fields[field] = CoefficientText(equation.Difference.Coefficient(letter, 1));
            }
            problem.Fields["EditA" + row] = equation.ConstantText;
        }
        return problem;
    }

    TFormulaProblem Renritu(const std::vector<std::pair<std::size_t, std::size_t>>& s) const {
        return Linear("TRenrituForm", s, {X, Y});
    }

    TFormulaProblem Renritu3(const std::vector<std::pair<std::size_t, std::size_t>>& s) const {
        return Linear("TRenritu3Form", s, {X, Y, Z});
    }

    // a x + b y = c in integers: b is typed without its sign, which the
    // window's + / - buttons carry; all the solutions are asked for.
    TFormulaProblem Hutei() const {
        const auto statements = Statements();
        if (statements.size() != 1) {
            Unreadable(statements.size() > 1 ? statements[1].first - 1 : 0);
        }
        std::size_t at = 0;
        const TEquation equation = ReadEquation(at, tokens_.size() - 1, {X, Y});
        const TFormulaPoly& p = equation.Difference;
        if (!p.IsLinear()) {
            Unreadable(0);
        }
        const TRational b = p.Coefficient(Y, 1);
        const bool minus = arith::Negative(b);
        TFormulaProblem problem = Window("THuteiForm", "CalcButton", {});
        problem.Fields["xEdit"] = NumberText(p.Coefficient(X, 1));
        problem.Fields["yEdit"] = NumberText(minus ? -b : b);
        problem.Fields["zEdit"] = NumberText(-p.ConstantTerm());
        problem.Checked = {minus ? "MinusItem" : "PlusItem", "AllRadio"};
        return problem;
    }

    TFormulaProblem Junretu() const {
        const TToken& n = At(0);
        const TToken& op = At(1);
        std::size_t at = 2;
        const auto whole = [this](std::size_t i) {
            if (At(i).Kind != TKind::Number || At(i).Text.find('.') != std::string::npos) {
                Unreadable(i);
            }
            return At(i).Text;
        };
        whole(0);
        TFormulaProblem problem;
        if (op.IsSymbol('!')) {
            problem = Window("TJunretuForm", "KaijoButton",
                             {"KaijoEdit", "P1Edit", "P2Edit", "C1Edit", "C2Edit"});
            problem.Fields["KaijoEdit"] = n.Text;
        } else {
            const bool choose = op.Text == "C";
            problem = Window("TJunretuForm", choose ? "CButton" : "PButton",
                             {"KaijoEdit", "P1Edit", "P2Edit", "C1Edit", "C2Edit"});
            problem.Fields[choose ? "C1Edit" : "P1Edit"] = n.Text;
            problem.Fields[choose ? "C2Edit" : "P2Edit"] = whole(2);
            at = 3;
        }
        ExpectEnd(at);
        return problem;
    }

    TFormulaProblem Sekibun() const {
        std::size_t at = 1;
        TFormulaPoly f;
        std::string lower;
        std::string upper;
        if (At(0).IsSymbol('I')) {
            if (At(at).IsSymbol('[')) {
                ++at;
                lower = ConstantField(at);
                Expect(at, ',');
                upper = ConstantField(at);
                Expect(at, ']');
            } else {
                // ∫_a^b, or ∫ with the limits lowered and raised: ∫₀¹
                if (At(at).IsSymbol('_')) {
                    ++at;
                } else if (!At(at).Subscript) {
                    Unreadable(at);
                }
                lower = BoundField(at);
                Expect(at, '^');
                upper = BoundField(at);
            }
            f = Polynomial(at, {X});
            ExpectName(at, "d");
            if (!At(at).Is(TKind::Letter, "x")) {
                Unreadable(at);
            }
            ExpectEnd(at + 1);
        } else {
            Expect(at, '(');
            f = Polynomial(at, {X});
            Expect(at, ',');
            lower = ConstantField(at);
            Expect(at, ',');
            upper = ConstantField(at);
            Expect(at, ')');
            ExpectEnd(at);
        }
        if (f.Degree(X) > 5) {
            throw DegreeAbove("定積分", 5);
        }
        TFormulaProblem problem = Window("TSekibunForm", "CalcButton", {});
        problem.Fields["Jotan"] = upper;
        problem.Fields["Katan"] = lower;
        FillCoefficients(problem, "Edit", 6, f, X);
        return problem;
    }

    TFormulaProblem Sigma() const {
        std::size_t at = 1;
        TFormulaPoly f;
        std::string lower;
        std::string upper;
        const auto index = [this](std::size_t& i) {
            if (!At(i).Is(TKind::Letter, "k")) {
                Unreadable(i);
            }
            ++i;
        };
        if (At(0).IsSymbol('S')) {
            Expect(at, '[');
            index(at);
            Expect(at, '=');
            lower = ConstantField(at);
            Expect(at, ',');
            upper = UpperEnd(at);
            Expect(at, ']');
            f = Polynomial(at, {K});
            ExpectEnd(at);
        } else {
            Expect(at, '(');
            f = Polynomial(at, {K});
            Expect(at, ',');
            index(at);
            Expect(at, ',');
            lower = ConstantField(at);
            Expect(at, ',');
            upper = UpperEnd(at);
            Expect(at, ')');
            ExpectEnd(at);
        }
        if (f.Degree(K) > 3) {
            throw DegreeAbove("∑", 3);
        }
        TFormulaProblem problem = Window("TSigmaForm", "CalcButton", {});
        problem.Fields["kBeginEdit"] = lower;
        problem.Fields["kEndEdit"] = upper;
        FillCoefficients(problem, "Edit", 4, f, K);
        return problem;
    }

    // The upper end of a sum: a number as written, or a polynomial in n.
    std::string UpperEnd(std::size_t& at) const {
        const std::size_t from = at;
        try {
            const TFormulaPoly upper = Polynomial(at, {N});
            return upper.IsConstant() ? ValueText(from, at, upper.ConstantTerm())
                                      : PolynomialText(upper, N);
        } catch (const TFailure& failure) {
            if (failure.Message != arith::kDegreeFailureText) {
                throw;
            }
            // The end's field takes a polynomial as written: one beyond the
            // degree that the field reads as such ("n^11") is typed, for the
            // window to refuse in its own words and on its board.
            std::string text;
            std::size_t end = from;
            for (int depth = 0; At(end).Kind != TKind::End; ++end) {
                const TToken& t = At(end);
                if (t.IsSymbol(']') || t.IsSymbol(',') || (t.IsSymbol(')') && depth == 0)) {
                    break;
                }
                depth += t.IsSymbol('(') ? 1 : t.IsSymbol(')') ? -1 : 0;
                text += t.Superscript ? "^" : "";
                text += t.Text;
            }
            try {
                arith::TPolynomial p;
                arith::ParsePolynomial(text, 'n', p);
            } catch (const arith::DegreeError&) {
                at = end;
                return text;
            } catch (const arith::CalcError&) {
            }
            throw;
        }
    }

    // f(x) = …, then the mode: f'(a), the tangent at x = a, or the extrema.
    TFormulaProblem Bibun() const {
        std::size_t at = 1;
        Expect(at, '(');
        if (!At(at).Is(TKind::Letter, "x")) {
            Unreadable(at);
        }
        ++at;
        Expect(at, ')');
        Expect(at, '=');
        const TFormulaPoly f = Polynomial(at, {X});
        SkipSeparator(at);
        const char* radio = "RadioKeisuu";
        std::string a;
        if (At(at).Is(TKind::Name, "f")) {
            ++at;
            Expect(at, '\'');
            Expect(at, '(');
            a = ConstantField(at);
            Expect(at, ')');
        } else if (At(at).Is(TKind::Word, "接線") || At(at).Is(TKind::Name, "tangent")) {
            ++at;
            radio = "RadioSessen";
            if (!At(at).Is(TKind::Letter, "x")) {
                Unreadable(at);
            }
            ++at;
            Expect(at, '=');
            a = ConstantField(at);
        } else if (At(at).Is(TKind::Word, "極値")) {
            ++at;
            radio = "RadioKyokuchi";
        } else {
            Unreadable(at);
        }
        ExpectEnd(at);
        if (f.Degree(X) > 4) {
            throw DegreeAbove("微分", 4);
        }
        TFormulaProblem problem = Window("TBibunForm", "CalcButton", {});
        FillCoefficients(problem, "Edit", 5, f, X);
        problem.Fields["EditX"] = a;
        problem.Checked = {radio};
        return problem;
    }

    // A(x1,y1), B(x2,y2), m:n. One negative part of the ratio divides
    // externally by the parts' sizes, as 外分 does; 内分 or 外分 named with
    // a negative ratio is refused at the ratio, as is naming both.
    TFormulaProblem Naibun(const std::vector<TToken>& words) const {
        std::size_t at = 0;
        std::string point[4];
        for (int i = 0; i < 2; ++i) {
            ExpectName(at, i == 0 ? "A" : "B");
            Expect(at, '(');
            point[2 * i] = ConstantField(at);
            Expect(at, ',');
            point[2 * i + 1] = ConstantField(at);
            Expect(at, ')');
            SkipSeparator(at);
        }
        const std::size_t ratioAt = at;
        const TRational m = Constant(at);
        const std::string mText = ValueText(ratioAt, at, m);
        Expect(at, ':');
        const std::size_t nAt = at;
        const TRational n = Constant(at);
        const std::string nText = ValueText(nAt, at, n);
        ExpectEnd(at);
        const bool signs = arith::Negative(m) || arith::Negative(n);
        if (words.size() > 1) {
            throw TFailure{words[1].Position, {}};
        }
        if (!words.empty() && signs) {
            Unreadable(ratioAt);
        }
        const bool external =
            words.empty() ? arith::Negative(m) != arith::Negative(n) : words.front().Text == "外分";
        TFormulaProblem problem = Window("TNaibunForm", "CalcButton", {});
        const char* fields[4] = {"EditX1", "EditY1", "EditX2", "EditY2"};
        for (int i = 0; i < 4; ++i) {
            problem.Fields[fields[i]] = point[i];
        }
        // The parts' sizes: a negative part's text without its sign.
        problem.Fields["EditM"] = arith::Negative(m) ? mText.substr(1) : mText;
        problem.Fields["EditN"] = arith::Negative(n) ? nText.substr(1) : nText;
        problem.Checked = {external ? "RadioGaibun" : "RadioNaibun"};
        return problem;
    }

    // The two polynomials of the four-operations window, f and g, in x.
    TFormulaProblem Enzan(const char* command, const TFormulaPoly& f, const TFormulaPoly& g) const {
        if (f.Degree(X) > 5 || g.Degree(X) > 5) {
            throw DegreeAbove("整式の四則演算", 5);
        }
        TFormulaProblem problem = Window("TEnzanForm", command, {});
        FillCoefficients(problem, "EditF", 6, f, X);
        FillCoefficients(problem, "EditG", 6, g, X);
        return problem;
    }

    TFormulaProblem Common() const {
        std::size_t at = 1;
        Expect(at, '(');
        const TFormulaPoly f = Polynomial(at, {X});
        Expect(at, ',');
        const TFormulaPoly g = Polynomial(at, {X});
        Expect(at, ')');
        ExpectEnd(at);
        return Enzan(At(0).Text == "gcd" ? "GcdSButton" : "LcmSButton", f, g);
    }

    // The index of the ")" closing the "(" at `open`, or nothing.
    std::optional<std::size_t> Closing(std::size_t open) const {
        int depth = 0;
        for (std::size_t i = open; i < tokens_.size(); ++i) {
            depth += tokens_[i].IsSymbol('(') ? 1 : tokens_[i].IsSymbol(')') ? -1 : 0;
            if (depth == 0) {
                return i;
            }
        }
        return std::nullopt;
    }

    // (f) op (g) with op written out, or (f)^n: each operand wholly in brackets.
    std::optional<TFormulaProblem> Enzan() const {
        if (!At(0).IsSymbol('(')) {
            return std::nullopt;
        }
        const auto close = Closing(0);
        if (!close) {
            return std::nullopt;
        }
        const TToken& op = At(*close + 1);
        const auto inside = [this](std::size_t open, std::size_t end) {
            std::size_t at = open + 1;
            const TFormulaPoly p = Polynomial(at, {X});
            if (at != end) {
                Unreadable(at);
            }
            return p;
        };
        // The exponent written bare or in brackets of its own: (f)^3, (f)^(3).
        const bool bracketed = At(*close + 2).IsSymbol('(') && At(*close + 4).IsSymbol(')');
        const std::size_t exponentAt = *close + (bracketed ? 3 : 2);
        if (op.IsSymbol('^') && At(exponentAt).Kind == TKind::Number &&
            At(exponentAt + (bracketed ? 2 : 1)).Kind == TKind::End) {
            const TToken& n = At(exponentAt);
            if (n.Text.find('.') != std::string::npos) {
                Unreadable(exponentAt);
            }
            // The exponent is typed as written, of any size: a power beyond
            // the window's degree or digits is the window's to refuse.
            TFormulaProblem problem = Enzan("PowerSButton", inside(0, *close), TFormulaPoly{});
            problem.Fields["EditG0"] = n.Text;
            return problem;
        }
        static constexpr std::pair<char, const char*> kOperators[] = {
            {'+', "AddSButton"}, {'-', "SubSButton"}, {'*', "MulSButton"}, {'/', "DivSButton"}};
        const auto found = std::find_if(
            std::begin(kOperators), std::end(kOperators),
            [&op](const std::pair<char, const char*>& o) { return op.IsSymbol(o.first); });
        if (found == std::end(kOperators) || !At(*close + 2).IsSymbol('(')) {
            return std::nullopt;
        }
        const auto second = Closing(*close + 2);
        if (!second || At(*second + 1).Kind != TKind::End) {
            return std::nullopt;
        }
        return Enzan(found->second, inside(0, *close), inside(*close + 2, *second));
    }

    std::vector<TToken> tokens_;
};

} // namespace

TFormulaReading RecognizeFormula(std::string_view line) {
    TTokens tokens;
    try {
        Tokenize(line, tokens);
        return TFormulaReader(tokens.Tokens).Read();
    } catch (const arith::CalcError& e) {
        // The arithmetic's own failures, which the reading guards against
        // before they arise, would read as they do in a window.
        return TFormulaRefusal{e.what(), 0};
    } catch (const TFailure& failure) {
        if (!failure.Message.empty()) {
            return TFormulaRefusal{failure.Message, failure.Position};
        }
        if (failure.Position == 0 || failure.Position > tokens.Length()) {
            return TFormulaRefusal{WithForms("式が途中で終わっています。"), tokens.Length()};
        }
        return TFormulaRefusal{
            UnreadableText(tokens.Characters[failure.Position - 1], failure.Position),
            failure.Position};
    }
}

} // namespace problems
