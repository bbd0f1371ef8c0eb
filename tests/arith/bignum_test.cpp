// SPDX-License-Identifier: GPL-3.0-or-later
#include "BigNum.h"
#include "Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace arith;

namespace {

// A digit-by-digit reference: sums and products of decimal texts.
std::string Trim(std::string s) {
    s.erase(0, std::min(s.find_first_not_of('0'), s.size() - 1));
    return s;
}
std::string ReferenceAdd(const std::string& a, const std::string& b) {
    std::string r;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int d = carry + (i < a.size() ? a[a.size() - 1 - i] - '0' : 0) +
                (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        r.insert(r.begin(), char('0' + d % 10));
        carry = d / 10;
    }
    return Trim(r);
}
std::string ReferenceMul(const std::string& a, const std::string& b) {
    std::vector<int> cells(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            cells[i + j + 1] += (a[i] - '0') * (b[j] - '0');
        }
    }
    for (std::size_t k = cells.size() - 1; k > 0; --k) {
        cells[k - 1] += cells[k] / 10;
        cells[k] %= 10;
    }
    std::string r;
    for (int c : cells) {
        r += char('0' + c);
    }
    return Trim(r);
}
bool Less(const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

TEST(BigNum, TextRoundTrip) {
    for (const char* text : {"0", "10000", "100000001", "123456789", "99999999"}) {
        EXPECT_EQ(BigToText(BigFromText(text)), text);
    }
    TBigNum r = BigFromText("123456789");
    EXPECT_EQ(r.Count, 3);
    EXPECT_TRUE(r.Groups[0] == 6789 && r.Groups[1] == 2345 && r.Groups[2] == 1);
    EXPECT_EQ(r.Pieces[2], "1");
    EXPECT_EQ(BigFromText("").Count, 0);
    EXPECT_EQ(BigToText(BigFromText(std::string(512, '9'))), std::string(512, '9'));
    EXPECT_THROW(BigFromText(std::string(513, '1')), CapacityError);
}

TEST(BigNum, FailuresNameThePiece) {
    struct Row {
        const char* text;
        const char* message;
    } rows[] = {
        {"12a4", "'12a4' は整数ではありません"},
        {"1２34", "'２34' は整数ではありません"}, // the piece widened to whole characters
        {"-5", "'-5' は整数ではありません"},
    };
    for (const Row& row : rows) {
        try {
            BigFromText(row.text);
            ADD_FAILURE() << row.text;
        } catch (const ConversionError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
}

TEST(BigNum, OperationTable) {
    EXPECT_EQ(BigMul("9999", "9999"), "99980001");
    EXPECT_EQ(BigMul("99999999", "99999999"), "9999999800000001");
    EXPECT_EQ(BigMul(BigMul(BigMul("2147483647", "2147483646"), "2147483645"), "2147483644"),
              "21267647833523450985039501510139969560");
    EXPECT_EQ(BigMul("", "5"), "0");
    EXPECT_EQ(BigLarger("100", "99"), "100");
    EXPECT_EQ(BigLarger("05", "9"), "05");
    EXPECT_EQ(BigLarger("123", "123"), "123");
    EXPECT_EQ(BigSub("100000000", "99999999"), "1");
    std::string q, r;
    BigDivMod("123456789", "7", q, r);
    EXPECT_EQ(q + " " + r, "17636684 1");
    BigDivMod("20000", "10000", q, r);
    EXPECT_EQ(q + " " + r, "2 0");
    // A large quotient by a divisor of several groups.
    BigDivMod("1" + std::string(500, '0'), "123456789", q, r);
    EXPECT_EQ(ReferenceAdd(ReferenceMul(q, "123456789"), r), "1" + std::string(500, '0'));
    EXPECT_THROW(BigDivMod("5", "0", q, r), ZeroDivideError);
    EXPECT_THROW(BigMul(std::string(300, '9'), std::string(300, '9')), CapacityError);
    EXPECT_EQ(BigMul(std::string(256, '9'), std::string(256, '9')).size(), 512u);
}

TEST(BigNum, ProductsAndQuotientsAgreeWithReference) {
    std::mt19937 random(5);
    auto number = [&](int maxDigits) {
        std::string s(1, char('1' + random() % 9));
        for (int n = int(random() % maxDigits); n > 0; --n) {
            s += char('0' + random() % 10);
        }
        return s;
    };
    for (int i = 0; i < 300; ++i) {
        std::string a = number(256), b = number(i % 2 ? 8 : 250), q, r;
        ASSERT_EQ(BigMul(a, b), ReferenceMul(a, b));
        BigDivMod(a, b, q, r);
        ASSERT_TRUE(Less(r, b)) << a << " / " << b;
        ASSERT_EQ(ReferenceAdd(ReferenceMul(q, b), r), a) << a << " / " << b;
        ASSERT_EQ(BigSub(ReferenceAdd(a, b), b), a);
    }
}

// The record steps of the counting window against the text routines, on
// numbers up to 500 digits and factors up to 2^31 - 1.
TEST(BigNum, RecordStepsAgreeWithTextRoutines) {
    std::mt19937 random(11);
    for (int i = 0; i < 300; ++i) {
        std::string a(1, char('1' + random() % 9));
        for (int n = int(random() % 500); n > 0; --n) {
            a += char('0' + random() % 10);
        }
        const auto m =
            static_cast<std::int32_t>(i % 3 == 0 ? random() % 100 : random() % 2147483648u);
        TBigNum r = BigFromText(a);
        BigMulInt(r, m);
        const std::string product = BigMul(a, std::to_string(m));
        ASSERT_EQ(BigToText(r), product);
        ASSERT_EQ(BigDigits(r), static_cast<int>(product.size()));
        const auto d = static_cast<std::int32_t>(i % 2 == 0 ? 1 + random() % 1000
                                                            : 1 + random() % 2147483647u);
        std::string q, rest;
        BigDivMod(product, std::to_string(d), q, rest);
        ASSERT_EQ(std::to_string(BigDivInt(r, d)), rest);
        ASSERT_EQ(BigToText(r), q);
        ASSERT_EQ(BigDigits(r), static_cast<int>(q.size()));
    }
}

TEST(BigNum, RecordStepEdges) {
    TBigNum r = BigFromText(std::string(510, '9'));
    EXPECT_THROW(BigMulInt(r, 1000), CapacityError);
    r = BigFromText(std::string(508, '9'));
    BigMulInt(r, 1000);
    EXPECT_EQ(BigDigits(r), 511);
    EXPECT_THROW(BigDivInt(r, 0), ZeroDivideError);
    BigMulInt(r, 0);
    EXPECT_EQ(BigToText(r), "0");
    EXPECT_EQ(BigDigits(r), 1);
    r = BigFromText("10000");
    EXPECT_EQ(BigDivInt(r, 10001), 10000);
    EXPECT_EQ(BigToText(r), "0");
}

} // namespace
