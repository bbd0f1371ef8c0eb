// SPDX-License-Identifier: GPL-3.0-or-later
#include "SquarePart.h"

#include <flint/fmpz_factor.h>
#include <flint/ulong_extras.h>

#include <utility>
#include <vector>

namespace arith {

namespace {

// Trial division by the first 3000 primes, up to 27449: a cofactor below
// 27449^3 that is neither prime nor a square is then a product of two
// distinct primes.
constexpr ulong kTrialPrimes = 3000;
constexpr ulong kTrialLimit = 27449;
constexpr ulong kTwoPrimesBelow = kTrialLimit * kTrialLimit * kTrialLimit;

// A quick Pollard-Brent search finds prime factors up to about 2^24 of a
// word-sized cofactor within a millisecond; what it leaves there goes to a
// complete factorization. On wider numbers each step costs several times
// more, so the search is shorter: it finds prime factors up to about 2^18.
constexpr ulong kRhoTries = 1;
constexpr ulong kRhoIterations = 1 << 14;
constexpr ulong kWideRhoIterations = 1 << 10;
// Beyond 256 bits each step of the search costs too much to bound it by
// milliseconds; such a cofactor (from coefficients of 40 digits and more) is
// only tested for being a prime or a square.
constexpr flint_bitcnt_t kRhoBits = 256;

// Factors of n, each square-free (a prime, or a product of distinct primes),
// with exponents; Refine makes them pairwise coprime.
using TPieces = std::vector<std::pair<TInteger, ulong>>;

class TSplitter {
public:
    TSplitter() { flint_randinit(random_); }
    ~TSplitter() { flint_randclear(random_); }
    TSplitter(const TSplitter&) = delete;
    TSplitter& operator=(const TSplitter&) = delete;

    // Takes the small primes out of n and splits what is left.
    void Split(TInteger n) {
        if (fmpz_abs_fits_ui(n.Raw())) {
            n_factor_t small;
            n_factor_init(&small);
            const ulong rest = n_factor_trial(&small, fmpz_get_ui(n.Raw()), kTrialPrimes);
            for (int i = 0; i < small.num; ++i) {
                Add(static_cast<long>(small.p[i]), small.exp[i]);
            }
            fmpz_set_ui(n.Raw(), rest);
        } else {
            const ulong* primes = n_primes_arr_readonly(kTrialPrimes);
            for (ulong i = 0; i < kTrialPrimes; ++i) {
                ulong e = 0;
                while (fmpz_divisible_si(n.Raw(), static_cast<slong>(primes[i]))) {
                    fmpz_divexact_ui(n.Raw(), n.Raw(), primes[i]);
                    ++e;
                }
                if (e > 0) {
                    Add(static_cast<long>(primes[i]), e);
                }
            }
        }
        std::vector<TInteger> pending{std::move(n)};
        while (!pending.empty()) {
            TInteger c = std::move(pending.back());
            pending.pop_back();
            SplitCofactor(std::move(c), pending);
        }
    }

    TPieces& Pieces() { return pieces_; }

private:
    void Add(TInteger p, ulong e) { pieces_.emplace_back(std::move(p), e); }

    // c has no prime factor below kTrialLimit.
    void SplitCofactor(TInteger c, std::vector<TInteger>& pending) {
        if (c <= 1) {
            return;
        }
        const bool word = fmpz_abs_fits_ui(c.Raw());
        const ulong w = word ? fmpz_get_ui(c.Raw()) : 0;
        // Below kTrialLimit^2 only a prime has no factor under kTrialLimit;
        // the test is skipped there, which also keeps FLINT from building its
        // table of primes below a million on first use.
        const bool prime = word ? w < kTrialLimit * kTrialLimit || n_is_prime(w) != 0
                                : fmpz_is_probabprime(c.Raw()) != 0;
        if (prime) {
            Add(std::move(c), 1);
            return;
        }
        TInteger root;
        if (ExactSqrt(c, root)) {
            pending.push_back(root);
            pending.push_back(std::move(root));
            return;
        }
        if (word && w < kTwoPrimesBelow) {
            Add(std::move(c), 1); // p q with p != q
            return;
        }
        if (fmpz_bits(c.Raw()) > kRhoBits) {
            Add(std::move(c), 1); // too long for a quick search: taken as square-free
            return;
        }
        TInteger factor;
        bool found = false;
        if (word) {
            ulong f = 0;
            found = n_factor_pollard_brent(&f, random_, w, kRhoTries, kRhoIterations) != 0;
            fmpz_set_ui(factor.Raw(), f);
        } else {
            found = fmpz_factor_pollard_brent(factor.Raw(), random_, c.Raw(), kRhoTries,
                                              kWideRhoIterations) != 0;
        }
        if (found && factor > 1 && factor < c) {
            pending.push_back(DivExact(c, factor));
            pending.push_back(std::move(factor));
            return;
        }
        if (word) {
            n_factor_t all;
            n_factor_init(&all);
            n_factor(&all, w, 0);
            for (int i = 0; i < all.num; ++i) {
                Add(static_cast<long>(all.p[i]), all.exp[i]);
            }
            return;
        }
        Add(std::move(c), 1); // taken as square-free
    }

    TPieces pieces_;
    flint_rand_t random_;
};

// Makes the pieces pairwise coprime, splitting off common divisors, so that
// each square-free piece's exponent is the exact power dividing n.
void Refine(TPieces& pieces) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        for (std::size_t j = i + 1; j < pieces.size(); ++j) {
            const TInteger g = Gcd(pieces[i].first, pieces[j].first);
            if (g == 1) {
                continue;
            }
            const ulong e = pieces[i].second + pieces[j].second;
            pieces[i].first = DivExact(pieces[i].first, g);
            pieces[j].first = DivExact(pieces[j].first, g);
            pieces.emplace_back(g, e);
            j = i; // piece i changed: compare it with every other piece again
        }
    }
}

} // namespace

TSquareSplit SquarePart(const TInteger& n) {
    TSquareSplit split;
    if (n.IsZero()) {
        split.Free = 0;
        return split;
    }
    TSplitter splitter;
    splitter.Split(Abs(n));
    TPieces& pieces = splitter.Pieces();
    Refine(pieces);
    for (const auto& [p, e] : pieces) {
        if (p == 1) {
            continue;
        }
        if (e >= 2) {
            split.Root *= Power(p, e / 2);
        }
        if (e % 2 != 0) {
            split.Free *= p;
        }
    }
    return split;
}

} // namespace arith
