// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"
#include "IntText.h"

#include <gtest/gtest.h>

using namespace arith;

namespace {

TEST(IntText, ReadsSignedDecimals) {
    const struct {
        const char* text;
        std::int32_t value;
    } rows[] = {{"0", 0},
                {"7", 7},
                {"-12", -12},
                {"+5", 5},
                {"05", 5},
                {"-0", 0},
                {"2147483647", 2147483647},
                {"-2147483647", -2147483647},
                {"00000000000000000042", 42},
                {"3.0", 3},
                {"-12.000", -12},
                {"7.", 7}};
    for (const auto& row : rows) {
        EXPECT_EQ(IntFromText(row.text), row.value) << row.text;
    }
}

TEST(IntText, RejectsOtherTextNamingAllOfIt) {
    for (const char* text : {"", "-", "+", "abc", "1.5", "3/4", " 5", "5 ", "1e3", "--1", "１２",
                             "99999999999x", "3.01", ".0", "-.0", "1.0.0", "2.0x"}) {
        try {
            IntFromText(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' は整数ではありません");
        }
    }
}

TEST(IntText, AnySizeUpToFiveHundredDigits) {
    for (const char* text : {"2147483648", "-2147483648", "99999999999999999999999"}) {
        EXPECT_EQ(IntFromText(text).Text(), text);
    }
    EXPECT_EQ(IntFromText("-000" + std::string(500, '9')).Digits(), 500u);
    EXPECT_THROW(IntFromText(std::string(501, '9')), OverflowError);
}

} // namespace
