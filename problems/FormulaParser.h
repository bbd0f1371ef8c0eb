// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces a typed formula is read into: its characters as the fields
// read them (full-width and input-method forms in their ASCII originals), its
// tokens, and polynomials in the letters x, y, z, k and n with exact
// fraction coefficients, expanded as they are read. No algebra beyond sums,
// products and whole powers: a formula line names a problem, it does not
// solve one.
#pragma once

#include "Rational.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace problems::formula {

// A line that cannot be read as a formula: the place (1-based character
// position) of the piece that does not fit. With a message, the line was
// read but is out of a window's range (or the message says what else is
// wrong); without one, the piece at the position is not understood.
struct TFailure {
    std::size_t Position = 0;
    std::string Message;
};

// The letters a polynomial may hold, in the order of their exponents.
enum TLetter : int { X, Y, Z, K, N, kLetterCount };
char LetterChar(int letter);

// The highest degree any polynomial may reach while a line is read, and the
// largest coefficient (in bits) it may hold: far beyond what any window
// takes, so that only out-of-range lines meet them, and reading stays fast.
inline constexpr int kMaxFormulaDegree = 10;
inline constexpr unsigned long kMaxCoefficientBits = 20000;

// A polynomial in x, y, z, k and n, always expanded and without zero terms.
class TFormulaPoly {
public:
    TFormulaPoly() = default;
    static TFormulaPoly Constant(const arith::TRational& c);
    static TFormulaPoly Letter(int letter);

    bool IsConstant() const;
    // The constant term (the whole value when IsConstant()).
    arith::TRational ConstantTerm() const;
    // The coefficient of the one letter to the power, the others absent.
    arith::TRational Coefficient(int letter, int power) const;
    // The highest power of the letter, and the highest total degree.
    int Degree(int letter) const;
    int TotalDegree() const;
    // Whether the letter appears in a term.
    bool Holds(int letter) const;
    // Whether every term has total degree at most one.
    bool IsLinear() const;

    // The arithmetic throws TFailure (with the polynomial type's own texts)
    // for a degree beyond kMaxFormulaDegree or a coefficient beyond
    // kMaxCoefficientBits.
    friend TFormulaPoly operator+(const TFormulaPoly& a, const TFormulaPoly& b);
    friend TFormulaPoly operator-(const TFormulaPoly& a, const TFormulaPoly& b);
    friend TFormulaPoly operator*(const TFormulaPoly& a, const TFormulaPoly& b);
    TFormulaPoly Scaled(const arith::TRational& c) const;
    TFormulaPoly Power(const arith::TInteger& n) const;

private:
    using TExponents = std::uint32_t; // four bits per letter
    static int Exponent(TExponents e, int letter) { return (e >> (4 * letter)) & 0xF; }
    static int Total(TExponents e);
    void Add(TExponents e, const arith::TRational& c);
    std::map<TExponents, arith::TRational> terms_;
};

enum class TKind {
    Number, // digits, with a decimal point or as subscripts
    Letter, // x, y, z, k, n
    Name,   // a letter of no polynomial (f, C, P, A, B, d) or a word (gcd, lcm, int, sum, tangent)
    Word,   // a Japanese word: 整数, 整数解, 接線, 極値, 内分, 外分
    Symbol, // one of + - * / ^ ( ) [ ] , ; = ! : ' _, and S for a sum sign, I for an integral sign
    End,
};

struct TToken {
    TKind Kind = TKind::End;
    std::string Text;     // ASCII for numbers, letters, names and symbols; the word as typed
    std::size_t Position; // 1-based character position of its first character
    int Letter = 0;       // for TKind::Letter
    bool Subscript = false;
    bool Superscript = false;
    bool Is(TKind kind, std::string_view text) const { return Kind == kind && Text == text; }
    bool IsSymbol(char c) const {
        return Kind == TKind::Symbol && Text.size() == 1 && Text[0] == c;
    }
};

// A line read into tokens, and each character as typed (for messages).
struct TTokens {
    std::vector<TToken> Tokens; // ends in one TKind::End
    std::vector<std::string> Characters;
    std::size_t Length() const { return Characters.size(); }
};

// Reads the line into `tokens`; throws TFailure at the first character that
// is none of the formula's (its characters up to there are in `tokens`).
void Tokenize(std::string_view line, TTokens& tokens);

// The value of a number token, exactly (a decimal as the fraction it denotes).
arith::TRational NumberValue(const TToken& token);

// Reads one polynomial from tokens[at] on, as far as it goes: sums,
// differences, products written or implied (3x, 2(x+1), (x-1)(x+2)),
// quotients by a constant (x/2, and 3/4x as (3/4)x), and powers with a whole
// exponent (^2, ²). Leaves `at` at the first token that is not part of it.
// Throws TFailure at a token that cannot continue it where one must.
struct TRead {
    TFormulaPoly Value;
    std::size_t First = 0; // the index of its first token
    // The position of the first token holding each letter (0: none).
    std::size_t LetterAt[kLetterCount] = {};
};
TRead ReadPolynomial(const std::vector<TToken>& tokens, std::size_t& at);

// A fraction as a field accepts it: "-3/4", "5"; written in full at any size.
std::string NumberText(const arith::TRational& r);
// A polynomial in one letter as the fields that take a whole polynomial read
// it: "n^2+1/2n-3".
std::string PolynomialText(const TFormulaPoly& p, int letter);

} // namespace problems::formula
