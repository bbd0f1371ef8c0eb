// SPDX-License-Identifier: GPL-3.0-or-later
// Non-negative decimal integers of up to 512 digits, held as 128 groups of
// four digits, least significant group first. The operations that combine
// two numbers take and give decimal texts.
//
// A text or result that needs more than 128 groups throws CapacityError; a
// piece that is not a number throws ConversionError.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace arith {

inline constexpr int kBigGroups = 128;
// The longest number an answer writes out; a longer one is answered "overflow".
inline constexpr int kMaxAnswerDigits = 500;

struct TBigNum {
    std::int32_t Count = 1;
    std::array<std::string, kBigGroups> Pieces{};  // Pieces[0] is group 1
    std::array<std::int32_t, kBigGroups> Groups{}; // Groups[0] is group 1
};

TBigNum BigFromText(const std::string& s);
std::string BigToText(TBigNum r);
void BigClear(TBigNum& r);
void BigTrim(TBigNum& r);
std::string BigLarger(const std::string& a, const std::string& b);
std::string BigSub(const std::string& a, const std::string& b);
std::string BigMul(const std::string& a, const std::string& b);
void BigDivMod(const std::string& a, const std::string& b, std::string& quotient,
               std::string& remainder);

// Record-level steps for long chains of products and quotients by 32-bit
// numbers, without a text conversion per step. They change Groups and Count
// only. r *= m for m >= 0 (CapacityError beyond 128 groups); r /= d for
// d > 0, giving the remainder (ZeroDivideError for 0); and the number of
// decimal digits of r, the length of BigToText(r).
void BigMulInt(TBigNum& r, std::int32_t m);
std::int32_t BigDivInt(TBigNum& r, std::int32_t d);
int BigDigits(const TBigNum& r);

} // namespace arith
