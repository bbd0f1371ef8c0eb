// SPDX-License-Identifier: GPL-3.0-or-later
// Polynomials in x as the tests write them, "x^2-1"; text that does not
// read as one fails the test that wrote it.
#pragma once

#include "Polynomial.h"

#include <gtest/gtest.h>

#include <string>

inline arith::TPolynomial P(const std::string& text) {
    arith::TPolynomial p;
    EXPECT_TRUE(arith::ParsePolynomial(text, 'x', p)) << text;
    return p;
}
