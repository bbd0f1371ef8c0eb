// SPDX-License-Identifier: GPL-3.0-or-later
#include "SquarePart.h"

#include <gtest/gtest.h>

#include <flint/ulong_extras.h>

#include <filesystem>

using namespace arith;

namespace {

// n = Root^2 Free with Free square-free, checked against a complete factoring;
// complete is false only beyond 40 digits, where a part is left unsplit.
TEST(SquarePart, Table) {
    struct Row {
        const char* n;
        const char* root;
        const char* free;
        bool complete = true;
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
        // 10000019^2 100000007: the squared prime is beyond the quick search.
        {"10000038700038760002527", "10000019", "100000007"},
        // Up to 40 digits: p^2 q with p near 10^13 and near the cube root,
        // times small primes; products of two primes near 10^20; a prime.
        {"9999999999996299999999561919999998936287", "10000000000037", "99999999999223"},
        {"9999999999984929952380922226199546474741", "21000000000013", "22675736961389"},
        {"9999999999844333333333215144444444422530", "30000000000011", "11111111110930"},
        {"9999999800100001012999999860047000004371", "1",
         "9999999800100001012999999860047000004371"},
        {"9999999999800000000119999999889999997041", "1",
         "9999999999800000000119999999889999997041"},
        {"1000000000000000000000000000000000000003", "1",
         "1000000000000000000000000000000000000003"},
        // Beyond 40 digits the square of a prime near 2 10^13 is not found,
        // nor is a product of two primes near 10^20 shown square-free.
        {"30000000000007399999999916314999999938701", "1",
         "30000000000007399999999916314999999938701", false},
        {"50000000000000000003649999999999999991723", "1",
         "50000000000000000003649999999999999991723", false},
        // ... but a squared 40-digit semiprime is found square, and split.
        {"99999996002000060220009592203541082209629114707696228442488207776530874019105641",
         "9999999800100001012999999860047000004371", "1"},
    };
    for (const Row& row : rows) {
        const TSquareSplit split = SquarePart(TInteger::FromDigits(row.n));
        EXPECT_EQ(split.Root.Text(), row.root) << row.n;
        EXPECT_EQ(split.Free.Text(), row.free) << row.n;
        EXPECT_EQ(split.Complete, row.complete) << row.n;
    }
}

// The complete factoring works in a directory of its own: it neither writes
// into nor needs the working directory, and leaves the process in it.
TEST(SquarePart, CompleteFactoringOutsideTheWorkingDirectory) {
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path("/proc"); // not writable, even by root
    const TSquareSplit split = SquarePart(TInteger::FromDigits("10000038700038760002527"));
    const std::filesystem::path after = std::filesystem::current_path();
    std::filesystem::current_path(start);
    EXPECT_EQ(after, "/proc");
    EXPECT_EQ(split.Root, TInteger(10000019));
    EXPECT_EQ(split.Free, TInteger(100000007));
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
