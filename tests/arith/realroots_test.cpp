// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealRoots.h"

#include "TestPolynomial.h"

#include <gtest/gtest.h>

using namespace arith;

namespace {

TEST(ApproximateRealRoots, Table) {
    const std::string huge = "1" + std::string(100, '0');
    const struct {
        std::string polynomial;
        std::vector<std::string> roots;
    } rows[] = {
        // Three real roots, 2cos(2πk/9), one of them below 1 with four digits after the point.
        {"x^3-3x+1", {"-1.8794", "0.3473", "1.5321"}},
        // One real root and two complex ones; a quartic without real roots.
        {"x^3-2", {"1.2599"}},
        {"x^4+x+1", {}},
        {"x^4-10x^2+1", {"-3.1463", "-0.3178", "0.3178", "3.1463"}}, // ±√2 ± √3
        // Roots 1 ± √2·10⁻⁷, closer than 10⁻⁶: as many decimals as tell them apart.
        {"x^2-2x+99999999999998/100000000000000", {"0.9999999", "1.0000001"}},
        // Small roots keep four significant digits; negative ones their sign.
        {"1000000x^3+x-1/1000", {"0.0006823"}},
        {"-x^3-2", {"-1.2599"}},
        // Coefficients of 100 digits: roots near ±10⁵⁰ and one near 10⁻¹⁰⁰.
        {"x^3-" + huge + "x+1",
         {"-100000000000000000000000000000000000000000000000000.0000",
          "0." + std::string(99, '0') + "1000",
          "100000000000000000000000000000000000000000000000000.0000"}},
        // A repeated factor counts once.
        {"x^6-4x^3+4", {"1.2599"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.polynomial);
        EXPECT_EQ(ApproximateRealRoots(P(row.polynomial)), row.roots);
    }
}

} // namespace
