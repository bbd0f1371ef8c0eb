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
        // Dashes that stand for a minus: typed by an input method, or pasted.
        {"ー３", "-3"}, // U+30FC, the minus key in hiragana mode
        {"\uff70"
         "1/2",
         "-1/2"}, // U+FF70, half-width
        {"\u2010"
         "5",
         "-5"}, // hyphen
        {"\u2011"
         "5",
         "-5"}, // non-breaking hyphen
        {"\u2013"
         "5",
         "-5"},            // en dash
        {"12ー3", "12-3"}, // wherever it stands, as "-" does
        {"3/ー4", "3/-4"},
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
        {"\u2014", "\u2014"},     // an em dash is no minus
        {"1\xE3", "1\xE3"},       // a lead byte without its continuation
        {"\xEF\xBC", "\xEF\xBC"}, // cut short
        {"\xEF\xBC\x11", "\xEF\xBC\x11"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(NormalizeInput(row.text), row.normalized) << row.text;
    }
}

} // namespace
