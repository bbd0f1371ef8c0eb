// SPDX-License-Identifier: GPL-3.0-or-later
// FLINT is loaded by the first calculation, not when the program starts, and
// the numbers are right through the entry points that load it.
#include "Integer.h"
#include "SquarePart.h"

#include <gtest/gtest.h>

#include <link.h>

#include <cstring>

namespace {

bool FlintLoaded() {
    return dl_iterate_phdr(
               [](dl_phdr_info* info, std::size_t, void*) {
                   return info->dlpi_name != nullptr &&
                                  std::strstr(info->dlpi_name, "libflint") != nullptr
                              ? 1
                              : 0;
               },
               nullptr) != 0;
}

TEST(LazyFlint, LoadedByTheFirstCalculation) {
    ASSERT_FALSE(FlintLoaded()) << "something linked FLINT or called it before main()";
    // 2^64 + 1 = 274177 · 67280421310721: read, multiplied, divided with
    // remainder, and 12(2^64 + 1)² split into its square and the rest.
    const arith::TInteger n = arith::TInteger::FromDigits("18446744073709551617");
    EXPECT_TRUE(FlintLoaded());
    EXPECT_EQ((n * n).Text(), "340282366920938463500268095579187314689");
    EXPECT_EQ((n / arith::TInteger(274177)).Text(), "67280421310721");
    EXPECT_TRUE((n % arith::TInteger(274177)).IsZero());
    const arith::TSquareSplit split = arith::SquarePart(n * n * arith::TInteger(12));
    EXPECT_EQ(split.Root.Text(), "36893488147419103234");
    EXPECT_EQ(split.Free.Text(), "3");
}

} // namespace
