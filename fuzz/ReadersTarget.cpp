// SPDX-License-Identifier: GPL-3.0-or-later
// The number and polynomial readers on arbitrary text. The first byte picks
// the reader, the rest is the text. Failures that abandon a calculation are
// expected; anything else (a crash, a sanitizer report, a hang) is a finding.
//
// Cheap checks: a successful read gives a well-formed value, and what the
// writers make of it reads back as the same value; normalizing a field's
// text twice changes nothing more than once.
#include "Errors.h"
#include "InputText.h"
#include "IntText.h"
#include "Polynomial.h"
#include "Rational.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace arith;

namespace {

void Check(bool ok, const char* what, const std::string& text) {
    if (!ok) {
        std::fprintf(stderr, "%s for input \"%s\"\n", what, text.c_str());
        std::abort();
    }
}

bool WellFormed(const TPolynomial& p) {
    if (p.Degree() < 0 || p.Degree() > kMaxDegree) {
        return false;
    }
    for (int i = 0; i <= kMaxDegree; ++i) {
        if (p.Den(i) == 0) {
            return false;
        }
    }
    return true;
}

void ReadPolynomial(const std::string& text, char letter) {
    TPolynomial p;
    if (!ParsePolynomial(text, letter, p)) {
        return;
    }
    Check(WellFormed(p), "malformed polynomial", text);
    p = Normalized(p);
    const std::string written = PolyToTextVar(p, letter);
    TPolynomial again;
    Check(ParsePolynomial(written, letter, again), "written polynomial unreadable", text);
    again = Normalized(again);
    Check(p == again, "polynomial changed on reading back", text);
}

void ReadRational(const std::string& text) {
    TRational r;
    if (!ParseRational(text, r)) {
        Check(r.Num() == 0 && r.Den() == 1, "failed read left a value", text);
        return;
    }
    Check(r.Den() != 0, "zero denominator", text);
    r = Reduced(r);
    TRational again;
    Check(ParseRational(RatToText(r), again), "written fraction unreadable", text);
    again = Reduced(again);
    Check(r == again, "fraction changed on reading back", text);
}

void Normalize(const std::string& text) {
    const std::string once = NormalizeInput(text);
    Check(NormalizeInput(once) == once, "normalizing twice changed the text", text);
    Check(once.empty() || (once.front() != ' ' && once.back() != ' '), "spaces left around", text);
}

void ReadCoefficient(const std::string& text) {
    TPolynomial c;
    const bool ok = ParseCoefficient(text, c);
    Check(c.Degree() == 0 && WellFormed(c), "malformed coefficient", text);
    Check(ok || (c.Num(0) == 0 && c.Den(0) == 1), "failed read left a value", text);
}

void ReadInt(const std::string& text) {
    const TInteger v = IntFromText(text);
    Check(IntFromText(v.Text()) == v, "integer changed on reading back", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        switch (data[0] % 5) {
        case 0:
            Normalize(text);
            ReadRational(text);
            break;
        case 1:
            ReadCoefficient(text);
            break;
        case 2:
            ReadPolynomial(text, 'n');
            break;
        case 3:
            ReadPolynomial(text, 'x');
            break;
        default:
            ReadInt(text);
            break;
        }
    } catch (const CalcError&) {
        // A failure the program shows in its error box.
    }
    return 0;
}
