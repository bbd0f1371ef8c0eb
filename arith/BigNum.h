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

inline constexpr int kBigGroups = 128;

struct TBigNum {
    std::int32_t Count = 1;
    std::array<std::string, kBigGroups> Pieces{}; // Pieces[0] is group 1
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
