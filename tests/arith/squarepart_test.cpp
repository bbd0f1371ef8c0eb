// SPDX-License-Identifier: GPL-3.0-or-later
#include "SquarePart.h"

#include <gtest/gtest.h>

#include <flint/ulong_extras.h>

using namespace arith;

namespace {

// n = Root^2 Free with Free square-free, checked against a complete factoring.
TEST(SquarePart, Table) {
    struct Row {
        const char* n;
        const char* root;
        const char* free;
    } rows[] = {
        {"0", "1", "0"},
        {"1", "1", "1"},
        {"72", "6", "2"},
        {"4294967292", "6", "119304647"},
        // A squared prime above 2^20 times a prime: the hardest case below 2^62.
        {"2305892487589266241", "1048583", "2097169"},
        // Two primes near 2^32, below and above 2^64.
        {"4611685606110536897", "1", "4611685606110536897"},
        {"23058429916043280589", "1", "23058429916043280589"},
        {"4611686014132420609", "2147483647", "1"},
        {"15950735949418990461010626668081971203", "2305843009213693951", "3"},
        {"10000000000000000000000000000000000000000", "100000000000000000000", "1"},
        // Beyond 2^64: a squared prime near 2^17 is found.
        {"9983042555477296576171994239", "100003", "998244359987710471"},
        {"498062088598588490268", "18", "1537228668514162007"},
        {"18446744073709551617", "1", "18446744073709551617"},
        {"340282366920938461286658806734041124249", "18446744073709551557", "1"},
        {"1999944000188002856005202", "999985999949", "2"},
    };
    for (const Row& row : rows) {
        const TSquareSplit split = SquarePart(TInteger::FromDigits(row.n));
        EXPECT_EQ(split.Root.Text(), row.root) << row.n;
        EXPECT_EQ(split.Free.Text(), row.free) << row.n;
    }
}

// The hardest words: p^2 q with both primes near the cube root, where only
// the search below the cube root can tell p^2 q from a product of two primes.
TEST(SquarePart, SquaredPrimesNearTheCubeRoot) {
    flint_rand_t random;
    flint_randinit(random);
    for (int i = 0; i < 400; ++i) {
        const ulong p = n_nextprime(2000000 + n_randint(random, 640000), 1);
        const ulong q = n_nextprime(p + n_randint(random, UWORD_MAX / p / p - p - 200), 1);
        const TSquareSplit split = SquarePart(
            TInteger(static_cast<long>(p)) * static_cast<long>(p) * TInteger(static_cast<long>(q)));
        ASSERT_EQ(split.Root, TInteger(static_cast<long>(p))) << p << "^2 " << q;
        ASSERT_EQ(split.Free, TInteger(static_cast<long>(q))) << p << "^2 " << q;
    }
    flint_randclear(random);
}

} // namespace
