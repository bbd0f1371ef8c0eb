// SPDX-License-Identifier: GPL-3.0-or-later
// The long-integer text routines on arbitrary text. The input is two texts
// separated by the first newline. Failures that abandon a calculation are
// expected; for texts that read as numbers the results are checked against
// each other: the text round trip, max(a, b), a - b + b = a, a * b / b = a,
// q * b + r = a with r < b, and the record-level steps by a 32-bit number
// against the text routines.
#include "BigNum.h"
#include "Errors.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace arith;

namespace {

void Check(bool ok, const char* what, const std::string& a, const std::string& b) {
    if (!ok) {
        std::fprintf(stderr, "%s for a = \"%s\", b = \"%s\"\n", what, a.c_str(), b.c_str());
        std::abort();
    }
}

// The canonical text of a number (no leading zeros, as callers pass numbers),
// or "" when the text is not one.
std::string Canonical(const std::string& text) {
    try {
        TBigNum n = BigFromText(text);
        BigTrim(n);
        return BigToText(n);
    } catch (const CalcError&) {
        return {};
    }
}

bool Digits(const std::string& text) {
    if (text.empty() || (text.size() > 1 && text[0] == '0')) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

bool Less(const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

void Exercise(const std::string& rawA, const std::string& rawB) {
    const std::string a = Canonical(rawA);
    const std::string b = Canonical(rawB);
    if (a.empty() || b.empty()) {
        return;
    }
    Check(Digits(a) && Digits(b), "text round trip gives no canonical number", rawA, rawB);
    Check(Canonical(a) == a, "canonical text changes on reading back", a, b);

    const std::string larger = BigLarger(a, b);
    Check(larger == (Less(a, b) ? b : a), "BigLarger", a, b);
    const std::string& big = Less(a, b) ? b : a;
    const std::string& small = Less(a, b) ? a : b;
    const std::string difference = BigSub(big, small);
    Check(Digits(difference) && BigSub(big, difference) == small, "BigSub", big, small);

    std::string product;
    try {
        product = BigMul(a, b);
    } catch (const CapacityError&) {
        Check(a.size() + b.size() > 4 * kBigGroups, "BigMul overflow for a small product", a, b);
    }
    if (!product.empty()) {
        Check(Digits(product), "BigMul text", a, b);
        Check(product.size() + 1 >= a.size() + b.size() || a == "0" || b == "0", "BigMul too short",
              a, b);
        if (b != "0") {
            std::string q, r;
            BigDivMod(product, b, q, r);
            Check(q == a && r == "0", "BigDivMod of a product", a, b);
        }
    }

    if (b == "0") {
        return;
    }
    std::string q, r;
    BigDivMod(a, b, q, r);
    Check(Digits(q) && Digits(r) && Less(r, b), "BigDivMod remainder", a, b);
    const std::string qb = BigMul(q, b);
    Check(!Less(a, qb) && BigSub(a, qb) == r, "BigDivMod q * b + r", a, b);

    // The record-level steps by a 32-bit number agree with the text routines.
    if (b.size() > 9) {
        return;
    }
    const auto m = static_cast<std::int32_t>(std::stol(b));
    TBigNum record = BigFromText(a);
    BigTrim(record);
    Check(BigDigits(record) == static_cast<int>(a.size()), "BigDigits", a, b);
    TBigNum quotient = record;
    const std::int32_t rest = BigDivInt(quotient, m);
    Check(BigToText(quotient) == q && std::to_string(rest) == r, "BigDivInt", a, b);
    try {
        BigMulInt(record, m);
    } catch (const CapacityError&) {
        Check(product.empty(), "BigMulInt overflow where BigMul fits", a, b);
        return;
    }
    Check(BigToText(record) == product, "BigMulInt", a, b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string a = input.substr(0, split);
    const std::string b = split == std::string::npos ? std::string() : input.substr(split + 1);
    try {
        Exercise(a, b);
        // Every routine also meets raw text, which may fail but must not crash.
        (void)BigLarger(a, b);
        (void)BigMul(a, b);
        std::string q, r;
        BigDivMod(a, b, q, r);
    } catch (const CalcError&) {
        // A failure the program shows (conversion, zero divisor, capacity).
    }
    return 0;
}
