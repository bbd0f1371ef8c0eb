// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputText.h"

#include <gtest/gtest.h>

using namespace arith;

namespace {

TEST(NormalizeInput, Table) {
    const struct {
        const char* text;
        const char* normalized;
    } rows[] = {
        {"", ""},
        {"12", "12"},
        {"０１２３４５６７８９", "0123456789"},
        {"－２／３", "-2/3"},
        {"＋５", "+5"},
        {"\u22122", "-2"}, // the minus sign
        {"１．２５", "1.25"},
        {"ｘ＾２＋ｎ", "x^2+n"},
        {" -2", "-2"},
        {"-2 ", "-2"},
        {"\t3\t", "3"},
        {"\u3000４\u3000", "4"}, // ideographic spaces around
        {"n\u3000+ 1", "n + 1"}, // inside, a space like any other
        {"   ", ""},
        {"\u3000", ""},
        // Not digits or signs: kept as typed, for the readers to name.
        {"ａ", "ａ"},
        {"Ｘ", "Ｘ"},
        {"（１）", "（1）"},
        {"\u2010", "\u2010"},
        {"1\xE3", "1\xE3"},       // a lead byte without its continuation
        {"\xEF\xBC", "\xEF\xBC"}, // cut short
        {"\xEF\xBC\x11", "\xEF\xBC\x11"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(NormalizeInput(row.text), row.normalized) << row.text;
    }
}

} // namespace
