// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormulaParser.h"

#include "InputText.h"
#include "Messages.h"

#include <algorithm>
#include <array>
#include <utility>

namespace problems::formula {

using arith::TInteger;
using arith::TRational;

namespace {

// Brackets may nest this deep; deeper lines are refused, never read recursively.
constexpr int kMaxNesting = 40;
// The longest line read, in characters: room for every field of the
// largest window filled with numbers of 500 digits, in full-width digits.
constexpr std::size_t kMaxLineLength = 20000;
constexpr const char* kLongLineText = "式が長すぎます（20000 文字まで）";
// A typed number may have this many digits; beyond it no window could take
// it (the fields hold 500), and reading it would only cost time.
constexpr std::size_t kMaxNumberDigits = 5000;

constexpr char32_t kSumSign = 0x2211;
constexpr char32_t kIntegralSign = 0x222B;
// The raised digits ⁰¹²³⁴⁵⁶⁷⁸⁹ (spread over two blocks) are gathered in a
// private range; the lowered ones ₀..₉ stand as they are.
constexpr char32_t kSuperscriptBase = 0xE000;
constexpr char32_t kSubscriptBase = 0x2080;

// One character of the line in the form the tokens are made from: ASCII for
// everything that stands for an ASCII character, kSuperscriptBase + d and
// kSubscriptBase + d for the raised and lowered digits, and the code point
// itself for the rest.
struct TChar {
    char32_t Code;
    std::size_t Position;
    bool Spaced = false; // after a space: "1 2" is two numbers, never 12
};

std::size_t SequenceLength(unsigned char byte) {
    return byte < 0x80 ? 1 : byte >> 5 == 6 ? 2 : byte >> 4 == 14 ? 3 : byte >> 3 == 30 ? 4 : 0;
}

// The forms other than the fields' own that a textbook or an input method
// writes for the formula's operators and signs.
char32_t Mapped(char32_t c) {
    switch (c) {
    case 0x00D7: // ×
    case 0x00B7: // ·
    case 0x22C5: // ⋅
    case 0x30FB: // ・
    case 0xFF65: // ･
        return '*';
    case 0x00F7: // ÷
        return '/';
    case 0x3001: // 、
    case 0xFF64: // ､
        return ',';
    case 0x2019: // ’
    case 0x2032: // ′
        return '\'';
    case 0x03A3: // Σ
    case 0x2211: // ∑
        return kSumSign;
    case 0x2070:
        return kSuperscriptBase;
    case 0x00B9:
        return kSuperscriptBase + 1;
    case 0x00B2:
        return kSuperscriptBase + 2;
    case 0x00B3:
        return kSuperscriptBase + 3;
    default:
        break;
    }
    if (c >= 0x2074 && c <= 0x2079) {
        return kSuperscriptBase + (c - 0x2070);
    }
    if (c >= kSuperscriptBase && c <= kSuperscriptBase + 9) {
        return 0xFFFD; // typed in the private range itself: read as nothing
    }
    if (c >= 0xFF01 && c <= 0xFF5E) {
        return c - 0xFEE0; // the other full-width ASCII forms
    }
    return c;
}

// Decodes the line; a byte that breaks UTF-8 fails at once.
std::vector<TChar> Characters(std::string_view line, std::vector<std::string>& typed) {
    std::vector<TChar> chars;
    bool spaced = false;
    for (std::size_t i = 0; i < line.size();) {
        const auto lead = static_cast<unsigned char>(line[i]);
        std::size_t length = SequenceLength(lead);
        bool valid = length != 0 && i + length <= line.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (static_cast<unsigned char>(line[i + k]) & 0xC0) == 0x80;
        }
        const std::size_t position = typed.size() + 1;
        if (position > kMaxLineLength) {
            throw TFailure{0, kLongLineText};
        }
        if (!valid) {
            typed.emplace_back("\xEF\xBF\xBD");
            throw TFailure{position, {}};
        }
        const std::string piece(line.substr(i, length));
        typed.push_back(piece);
        i += length;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(piece[k]) & 0x3F);
        }
        // The fields' own reading first: the minus forms, the full-width
        // digits and signs, the ideographic space.
        if (length == 3) {
            const std::string ascii = arith::NormalizeInput(piece);
            if (ascii.empty()) {
                spaced = true; // the ideographic space
                continue;
            }
            if (ascii.size() == 1) {
                code = static_cast<unsigned char>(ascii[0]);
            }
        }
        code = Mapped(code);
        if (code == ' ' || code == '\t' || code == '\r') {
            spaced = true;
            continue;
        }
        chars.push_back({code, position, spaced});
        spaced = false;
    }
    return chars;
}

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}
bool IsSuperscript(char32_t c) {
    return c >= kSuperscriptBase && c <= kSuperscriptBase + 9;
}
bool IsSubscript(char32_t c) {
    return c >= kSubscriptBase && c <= kSubscriptBase + 9;
}
bool IsAsciiLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The words, longest first; "の整数解" (3x+5y=1 の整数解) is the word itself.
constexpr std::u32string_view kWords[] = {U"の整数解", U"の整数", U"整数解", U"整数",
                                          U"接線",     U"極値",   U"内分",   U"外分"};
constexpr std::string_view kWordTexts[] = {"整数解", "整数", "整数解", "整数",
                                           "接線",   "極値", "内分",   "外分"};
constexpr std::string_view kNames[] = {"tangent", "gcd", "lcm", "int", "sum"};
constexpr std::string_view kSymbols = "+-*/^()[],;=!:'_";

// Whether the characters from i on spell the text.
template <typename Text> bool Spells(const std::vector<TChar>& chars, std::size_t i, Text text) {
    if (i + text.size() > chars.size()) {
        return false;
    }
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (chars[i + k].Code != static_cast<char32_t>(text[k]) || (k > 0 && chars[i + k].Spaced)) {
            return false;
        }
    }
    return true;
}

} // namespace

char LetterChar(int letter) {
    return "xyzkn"[letter];
}

void Tokenize(std::string_view line, TTokens& result) {
    result = TTokens{};
    const std::vector<TChar> chars = Characters(line, result.Characters);
    std::vector<TToken>& tokens = result.Tokens;
    for (std::size_t i = 0; i < chars.size();) {
        const char32_t c = chars[i].Code;
        TToken token;
        token.Position = chars[i].Position;
        if (IsDigit(c) || (c == '.' && i + 1 < chars.size() && IsDigit(chars[i + 1].Code))) {
            token.Kind = TKind::Number;
            bool point = false;
            const std::size_t first = i;
            while (i < chars.size() && (i == first || !chars[i].Spaced) &&
                   (IsDigit(chars[i].Code) || (chars[i].Code == '.' && !point))) {
                point = point || chars[i].Code == '.';
                token.Text += static_cast<char>(chars[i++].Code);
            }
        } else if (IsSubscript(c) || IsSuperscript(c)) {
            const bool raised = IsSuperscript(c);
            const char32_t base = raised ? kSuperscriptBase : kSubscriptBase;
            if (raised) {
                TToken power{TKind::Symbol, "^", token.Position};
                power.Superscript = true;
                tokens.push_back(power);
            }
            token.Kind = TKind::Number;
            token.Subscript = !raised;
            token.Superscript = raised;
            const std::size_t first = i;
            while (i < chars.size() && (i == first || !chars[i].Spaced) &&
                   (raised ? IsSuperscript(chars[i].Code) : IsSubscript(chars[i].Code))) {
                token.Text += static_cast<char>('0' + (chars[i++].Code - base));
            }
        } else if (IsAsciiLetter(c)) {
            const auto name = std::find_if(std::begin(kNames), std::end(kNames),
                                           [&](std::string_view n) { return Spells(chars, i, n); });
            if (name != std::end(kNames)) {
                token.Kind = TKind::Name;
                token.Text = *name;
                i += name->size();
            } else if (const auto letter = std::string_view("xyzkn").find(static_cast<char>(c));
                       letter != std::string_view::npos) {
                token.Kind = TKind::Letter;
                token.Letter = static_cast<int>(letter);
                token.Text = std::string(1, static_cast<char>(c));
                ++i;
            } else if (std::string_view("fCPABd").find(static_cast<char>(c)) !=
                       std::string_view::npos) {
                token.Kind = TKind::Name;
                token.Text = std::string(1, static_cast<char>(c));
                ++i;
            } else {
                throw TFailure{token.Position, {}};
            }
        } else if (c < 0x80 && kSymbols.find(static_cast<char>(c)) != std::string_view::npos) {
            token.Kind = TKind::Symbol;
            token.Text = std::string(1, static_cast<char>(c));
            ++i;
        } else if (c == '\n') {
            token.Kind = TKind::Symbol;
            token.Text = ";";
            ++i;
        } else if (c == kSumSign || c == kIntegralSign) {
            token.Kind = TKind::Symbol;
            token.Text = c == kSumSign ? "S" : "I";
            ++i;
        } else {
            const auto* word =
                std::find_if(std::begin(kWords), std::end(kWords),
                             [&](std::u32string_view w) { return Spells(chars, i, w); });
            if (word == std::end(kWords)) {
                throw TFailure{token.Position, {}};
            }
            token.Kind = TKind::Word;
            token.Text = kWordTexts[word - std::begin(kWords)];
            i += word->size();
        }
        tokens.push_back(std::move(token));
    }
    tokens.push_back({TKind::End, "", result.Characters.size() + 1});
}

TRational NumberValue(const TToken& token) {
    const std::string& text = token.Text;
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (whole.size() + fraction.size() > kMaxNumberDigits) {
        throw TFailure{token.Position, arith::kOverflowFailureText};
    }
    const TInteger num = TInteger::FromDigits((whole + fraction).empty() ? "0" : whole + fraction);
    return TRational{num, arith::Power(TInteger(10), fraction.size())};
}

// ---- Polynomials -------------------------------------------------------

namespace {

[[noreturn]] void TooHigh() {
    throw TFailure{0, arith::kDegreeFailureText};
}

[[noreturn]] void TooLarge() {
    throw TFailure{0, arith::kOverflowFailureText};
}

void CheckSize(const TRational& c) {
    if (c.Num().Bits() > kMaxCoefficientBits || c.Den().Bits() > kMaxCoefficientBits) {
        TooLarge();
    }
}

} // namespace

int TFormulaPoly::Total(TExponents e) {
    int total = 0;
    for (int letter = 0; letter < kLetterCount; ++letter) {
        total += Exponent(e, letter);
    }
    return total;
}

void TFormulaPoly::Add(TExponents e, const TRational& c) {
    auto [place, fresh] = terms_.try_emplace(e, c);
    if (!fresh) {
        place->second = place->second + c;
    }
    if (place->second == TRational{}) {
        terms_.erase(place);
    }
}

TFormulaPoly TFormulaPoly::Constant(const TRational& c) {
    TFormulaPoly p;
    p.Add(0, arith::Reduced(c));
    return p;
}

TFormulaPoly TFormulaPoly::Letter(int letter) {
    TFormulaPoly p;
    p.Add(TExponents{1} << (4 * letter), TRational{1});
    return p;
}

bool TFormulaPoly::IsConstant() const {
    return terms_.empty() || (terms_.size() == 1 && terms_.begin()->first == 0);
}

TRational TFormulaPoly::ConstantTerm() const {
    const auto found = terms_.find(0);
    return found == terms_.end() ? TRational{} : found->second;
}

TRational TFormulaPoly::Coefficient(int letter, int power) const {
    const auto found = terms_.find(TExponents(power) << (4 * letter));
    return power > kMaxFormulaDegree || found == terms_.end() ? TRational{} : found->second;
}

int TFormulaPoly::Degree(int letter) const {
    int degree = 0;
    for (const auto& term : terms_) {
        degree = std::max(degree, Exponent(term.first, letter));
    }
    return degree;
}

int TFormulaPoly::TotalDegree() const {
    int degree = 0;
    for (const auto& term : terms_) {
        degree = std::max(degree, Total(term.first));
    }
    return degree;
}

bool TFormulaPoly::Holds(int letter) const {
    return Degree(letter) > 0;
}

bool TFormulaPoly::IsLinear() const {
    return TotalDegree() <= 1;
}

TFormulaPoly operator+(const TFormulaPoly& a, const TFormulaPoly& b) {
    TFormulaPoly sum = a;
    for (const auto& [e, c] : b.terms_) {
        sum.Add(e, c);
    }
    for (const auto& term : sum.terms_) {
        CheckSize(term.second);
    }
    return sum;
}

TFormulaPoly operator-(const TFormulaPoly& a, const TFormulaPoly& b) {
    return a + b.Scaled(TRational{-1});
}

TFormulaPoly operator*(const TFormulaPoly& a, const TFormulaPoly& b) {
    if (a.TotalDegree() + b.TotalDegree() > kMaxFormulaDegree) {
        TooHigh();
    }
    TFormulaPoly product;
    for (const auto& [ea, ca] : a.terms_) {
        for (const auto& [eb, cb] : b.terms_) {
            // Exponents add field by field: no field passes 10, so none carries.
            product.Add(ea + eb, ca * cb);
        }
    }
    for (const auto& term : product.terms_) {
        CheckSize(term.second);
    }
    return product;
}

TFormulaPoly TFormulaPoly::Scaled(const TRational& c) const {
    TFormulaPoly scaled;
    for (const auto& [e, value] : terms_) {
        scaled.Add(e, value * c);
    }
    for (const auto& term : scaled.terms_) {
        CheckSize(term.second);
    }
    return scaled;
}

TFormulaPoly TFormulaPoly::Power(const TInteger& n) const {
    if (terms_.empty() || n.IsZero()) {
        return Constant(TRational{n.IsZero() ? 1 : 0});
    }
    if (IsConstant()) {
        const TRational c = ConstantTerm();
        const unsigned long bits = std::max(c.Num().Bits(), c.Den().Bits());
        // 0, 1 and -1 stay small at any power; others grow by their bits each time.
        if (bits > 1 && (!n.FitsLong() || n.ToLong() > long(kMaxCoefficientBits / (bits - 1)))) {
            TooLarge();
        }
        if (bits <= 1) {
            const bool negative = arith::Negative(c) && n.IsOdd();
            return Constant(TRational{negative ? -1 : 1});
        }
        // By squaring, not one factor at a time: 6^6000 is thousands of products.
        const auto e = static_cast<unsigned long>(n.ToLong());
        return Constant(TRational{arith::Power(c.Num(), e), arith::Power(c.Den(), e)});
    } else if (n > TInteger(kMaxFormulaDegree) || n.ToLong() * TotalDegree() > kMaxFormulaDegree) {
        TooHigh();
    }
    TFormulaPoly power = Constant(TRational{1});
    for (long i = 0; i < n.ToLong(); ++i) {
        power = power * *this;
    }
    return power;
}

// ---- Reading -----------------------------------------------------------

namespace {

class TReader {
public:
    TReader(const std::vector<TToken>& tokens, std::size_t& at, TRead& read)
        : tokens_(tokens), at_(at), read_(read) {}

    TFormulaPoly Sum(int depth) {
        TFormulaPoly sum;
        bool first = true;
        while (true) {
            bool negative = false;
            if (Peek().IsSymbol('+') || Peek().IsSymbol('-')) {
                negative = Peek().IsSymbol('-');
                ++at_;
            } else if (!first) {
                return sum;
            }
            const TFormulaPoly term = Product(depth);
            sum = negative ? sum - term : sum + term;
            first = false;
        }
    }

private:
    const TToken& Peek() const { return tokens_[at_]; }

    [[noreturn]] void Unreadable() const { throw TFailure{Peek().Position, {}}; }

    // Whether the next token starts a factor written beside the one before.
    bool StartsFactor() const { return Peek().Kind == TKind::Letter || Peek().IsSymbol('('); }

    TFormulaPoly Product(int depth) {
        TFormulaPoly product = Power(depth);
        while (true) {
            if (Peek().IsSymbol('*')) {
                ++at_;
                product = product * SignedPower(depth);
            } else if (Peek().IsSymbol('/')) {
                const TToken& slash = Peek();
                ++at_;
                const std::size_t divisorAt = Peek().Position;
                const TFormulaPoly divisor = SignedPower(depth);
                if (!divisor.IsConstant()) {
                    throw TFailure{slash.Position, {}}; // no polynomial: a fraction in x
                }
                if (divisor.ConstantTerm() == TRational{}) {
                    throw TFailure{divisorAt, arith::kZeroDivideText};
                }
                product = product.Scaled(TRational{1} / divisor.ConstantTerm());
            } else if (StartsFactor()) {
                product = product * Power(depth);
            } else if (Peek().Kind == TKind::Number) {
                Unreadable(); // "x2": a number after a factor is no product
            } else {
                return product;
            }
        }
    }

    TFormulaPoly SignedPower(int depth) {
        if (Peek().IsSymbol('-')) {
            ++at_;
            return Power(depth).Scaled(TRational{-1});
        }
        if (Peek().IsSymbol('+')) {
            ++at_;
        }
        return Power(depth);
    }

    TFormulaPoly Power(int depth) {
        TFormulaPoly base = Primary(depth);
        // One exponent: x^2^3 is read by some as (x^2)^3 and by others as
        // x^(2^3), and is refused at the second "^".
        if (Peek().IsSymbol('^')) {
            ++at_;
            const bool bracketed = Peek().IsSymbol('(');
            if (bracketed) {
                ++at_;
            }
            if (Peek().Kind != TKind::Number || Peek().Text.find('.') != std::string::npos) {
                Unreadable();
            }
            const TToken& exponent = Peek();
            ++at_;
            if (bracketed) {
                if (!Peek().IsSymbol(')')) {
                    Unreadable();
                }
                ++at_;
            }
            base = base.Power(WholeNumber(exponent));
        }
        return base;
    }

    static TInteger WholeNumber(const TToken& token) {
        if (token.Text.size() > kMaxNumberDigits) {
            throw TFailure{token.Position, arith::kOverflowFailureText};
        }
        return TInteger::FromDigits(token.Text);
    }

    TFormulaPoly Primary(int depth) {
        const TToken& token = Peek();
        switch (token.Kind) {
        case TKind::Number:
            ++at_;
            return TFormulaPoly::Constant(NumberValue(token));
        case TKind::Letter:
            ++at_;
            if (read_.LetterAt[token.Letter] == 0) {
                read_.LetterAt[token.Letter] = token.Position;
            }
            return TFormulaPoly::Letter(token.Letter);
        default:
            break;
        }
        if (!token.IsSymbol('(') || depth >= kMaxNesting) {
            Unreadable();
        }
        ++at_;
        TFormulaPoly inside = Sum(depth + 1);
        if (!Peek().IsSymbol(')')) {
            Unreadable();
        }
        ++at_;
        return inside;
    }

    const std::vector<TToken>& tokens_;
    std::size_t& at_;
    TRead& read_;
};

} // namespace

TRead ReadPolynomial(const std::vector<TToken>& tokens, std::size_t& at) {
    TRead read;
    read.First = at;
    TReader reader(tokens, at, read);
    read.Value = reader.Sum(0);
    return read;
}

std::string NumberText(const TRational& r) {
    const TRational reduced = arith::Reduced(r);
    std::string text = reduced.Num().Text();
    if (reduced.Den() != TInteger(1)) {
        text += '/';
        text += reduced.Den().Text();
    }
    return text;
}

std::string PolynomialText(const TFormulaPoly& p, int letter) {
    std::string text;
    for (int power = p.Degree(letter); power >= 0; --power) {
        const TRational c = p.Coefficient(letter, power);
        if (c == TRational{}) {
            continue;
        }
        std::string coefficient = NumberText(c);
        if (!text.empty() && coefficient[0] != '-') {
            text += '+';
        }
        if (power > 0 && (coefficient == "1" || coefficient == "-1")) {
            coefficient.pop_back();
        }
        text += coefficient;
        if (power > 0) {
            text += LetterChar(letter);
        }
        if (power > 1) {
            text += '^';
            text += std::to_string(power);
        }
    }
    return text.empty() ? "0" : text;
}

} // namespace problems::formula
