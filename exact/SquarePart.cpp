// SPDX-License-Identifier: GPL-3.0-or-later
#include "SquarePart.h"

#include <flint/fmpz_factor.h>
#include <flint/ulong_extras.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <system_error>
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

// A cofactor c without a prime factor below kTrialLimit that is neither a
// prime nor a square is square-free unless it has a prime factor below its
// cube root (c = p^2 q needs min(p, q) <= c^(1/3)). A Pollard-Brent search in
// Montgomery arithmetic looks for one: it finds a factor below c^(1/3) in
// about 1.3 c^(1/6) steps on average, and the number of steps it is given,
// kStepsPerRoot c^(1/6), leaves a chance below e^-40 of missing one (measured
// on 200000 products p^2 q with p, q near 2^21: a factor at most 2.6 c^(1/6)
// steps in, 1 in 10^5 beyond 1.8 c^(1/6), the tail falling as exp(-k^2)).
// A word it does not split, nearly always a product of two primes, is then
// factored completely (n_factor, up to about 2 ms), so that a miss
// costs time but never a wrong split.
constexpr double kStepsPerRoot = 7.5;
// Between one and two words a step costs about four times as much, and the
// search stops after kWideSteps, which finds prime factors up to about 2^18.
constexpr ulong kWideSteps = 1 << 12;
// Past 128 bits FLINT's integers search briefly, finding prime factors up to
// about 2^16; past 256 bits a cofactor (from coefficients of 40 digits and
// more) is only tested for being a prime or a square.
constexpr ulong kWideRhoIterations = 1 << 9;
constexpr flint_bitcnt_t kRhoBits = 256;
// A cofactor of up to kCompleteDigits digits that these searches leave
// unsplit is factored in full, in about 0.05 to 0.15 s at 40 digits (two
// primes near 10^20, or p^2 q with p and q near the cube root); a longer one
// is taken as square-free.

// FLINT's complete factoring of c into primes. Its quadratic sieve keeps its
// relations in a file it makes in the working directory, and crashes where
// it cannot, so the factoring runs in a directory made for it under the
// temporary directory, one call at a time (the working directory belongs to
// the whole process) and returning to the working directory after. False
// when that directory cannot be made or entered.
bool FactorInFull(const TInteger& c, fmpz_factor_t factors) {
    static std::mutex mutex;
    const std::lock_guard<std::mutex> lock(mutex);
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (error) {
        return false;
    }
    std::string directory = (temporary / "vorantel-factor-XXXXXX").string();
    const int here = open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (here < 0) {
        return false;
    }
    bool factored = false;
    if (mkdtemp(directory.data()) != nullptr) {
        if (chdir(directory.c_str()) == 0) {
            fmpz_factor(factors, c.Raw());
            factored = true;
            if (fchdir(here) != 0) {
                // The working directory is gone: wait in the temporary one
                // rather than in the directory about to be removed.
                std::filesystem::current_path(temporary, error);
            }
        }
        std::filesystem::remove_all(directory, error);
    }
    close(here);
    return factored;
}

using TWide = unsigned __int128;

TWide Gcd(TWide a, TWide b) {
    while (b != 0) {
        a %= b;
        std::swap(a, b);
    }
    return a;
}

// Arithmetic modulo an odd n of one or two words in Montgomery form (x stands
// for x 2^k mod n, k the word width), where a product needs no division.
template <typename TWord> class TMontgomery;

template <> class TMontgomery<ulong> {
public:
    explicit TMontgomery(ulong n) : n_(n), inverse_(Inverse(n)), one_(-n % n) {}
    ulong Modulus() const { return n_; }
    ulong One() const { return one_; }
    ulong Mul(ulong a, ulong b) const {
        const TWide t = static_cast<TWide>(a) * b;
        const ulong m = static_cast<ulong>(t) * inverse_;
        return Reduce(static_cast<ulong>(t >> 64),
                      static_cast<ulong>((static_cast<TWide>(m) * n_) >> 64));
    }
    ulong Add(ulong a, ulong b) const { return a >= n_ - b ? a - (n_ - b) : a + b; }

private:
    static ulong Inverse(ulong n) {
        ulong x = n; // correct to 3 bits; each Newton step doubles that
        for (int i = 0; i < 5; ++i) {
            x *= 2 - n * x;
        }
        return x;
    }
    ulong Reduce(ulong high, ulong mn) const { return high >= mn ? high - mn : high - mn + n_; }

    ulong n_;
    ulong inverse_; // n^-1 mod 2^64
    ulong one_;     // 2^64 mod n
};

template <> class TMontgomery<TWide> {
public:
    explicit TMontgomery(TWide n) : n_(n), inverse_(Inverse(n)), one_(-n % n) {}
    TWide Modulus() const { return n_; }
    TWide One() const { return one_; }
    TWide Mul(TWide a, TWide b) const {
        const auto [high, low] = Product(a, b);
        const TWide mn = Product(low * inverse_, n_).first;
        return high >= mn ? high - mn : high - mn + n_;
    }
    TWide Add(TWide a, TWide b) const { return a >= n_ - b ? a - (n_ - b) : a + b; }

private:
    static TWide Inverse(TWide n) {
        TWide x = n;
        for (int i = 0; i < 6; ++i) {
            x *= 2 - n * x;
        }
        return x;
    }
    // The 256-bit product as its high and low halves.
    static std::pair<TWide, TWide> Product(TWide a, TWide b) {
        const TWide a0 = static_cast<ulong>(a), a1 = a >> 64;
        const TWide b0 = static_cast<ulong>(b), b1 = b >> 64;
        const TWide p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
        const TWide middle = (p00 >> 64) + static_cast<ulong>(p01) + static_cast<ulong>(p10);
        return {p11 + (p01 >> 64) + (p10 >> 64) + (middle >> 64),
                (middle << 64) | static_cast<ulong>(p00)};
    }

    TWide n_;
    TWide inverse_;
    TWide one_;
};

// Pollard-Brent with x -> x^2 + c, the differences gathered into one product
// between gcds. Returns a proper factor of the modulus, or 0 when none was
// found within `steps` steps.
template <typename TWord> TWord FindFactor(const TMontgomery<TWord>& field, ulong steps) {
    const TWord n = field.Modulus();
    constexpr ulong kBatch = 64;
    ulong taken = 0;
    for (TWord c = field.One(); taken < steps; c = field.Add(c, field.One())) {
        const auto next = [&](TWord x) { return field.Add(field.Mul(x, x), c); };
        TWord y = field.Add(field.One(), field.One());
        TWord x = y;
        TWord saved = y;
        TWord product = field.One();
        TWord g = 1;
        for (ulong run = 1; g == 1 && taken < steps; run *= 2) {
            x = y;
            for (ulong i = 0; i < run; ++i) {
                y = next(y);
            }
            for (ulong k = 0; k < run && g == 1 && taken < steps; k += kBatch) {
                saved = y;
                const ulong batch = std::min(kBatch, run - k);
                for (ulong i = 0; i < batch; ++i) {
                    y = next(y);
                    product = field.Mul(product, x > y ? x - y : y - x);
                }
                taken += batch;
                g = Gcd(product, n);
            }
        }
        if (g == n) { // every prime of n met at once in the batch: step through it again
            do {
                saved = next(saved);
                g = Gcd(x > saved ? x - saved : saved - x, n);
            } while (g == 1);
        }
        if (g != 1 && g != n) {
            return g;
        }
    }
    return 0;
}

// Factors of n, each square-free (a prime, or a product of distinct primes),
// with exponents; Refine makes them pairwise coprime. Parts still to split
// are kept with their exponents the same way.
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
        TPieces pending;
        pending.emplace_back(std::move(n), 1);
        while (!pending.empty()) {
            auto [c, e] = std::move(pending.back());
            pending.pop_back();
            SplitCofactor(std::move(c), e, pending);
        }
    }

    TPieces& Pieces() { return pieces_; }
    // Whether every part was split into primes or shown square-free.
    bool Complete() const { return complete_; }

private:
    void Add(TInteger p, ulong e) { pieces_.emplace_back(std::move(p), e); }

    // c^e divides n, and c has no prime factor below kTrialLimit.
    void SplitCofactor(TInteger c, ulong e, TPieces& pending) {
        if (c <= 1) {
            return;
        }
        const bool word = fmpz_abs_fits_ui(c.Raw());
        const ulong w = word ? fmpz_get_ui(c.Raw()) : 0;
        const bool complete = c < CompleteBound();
        // Below kTrialLimit^2 only a prime has no factor under kTrialLimit;
        // the test is skipped there, which also keeps FLINT from building its
        // table of primes below a million on first use. Up to kCompleteDigits
        // digits a prime is proved one (at most about 10 ms).
        const bool prime = word       ? w < kTrialLimit * kTrialLimit || n_is_prime(w) != 0
                           : complete ? fmpz_is_prime(c.Raw()) == 1
                                      : fmpz_is_probabprime(c.Raw()) != 0;
        if (prime) {
            Add(std::move(c), e);
            return;
        }
        TInteger root;
        if (ExactSqrt(c, root)) {
            pending.emplace_back(std::move(root), 2 * e);
            return;
        }
        if (word && w < kTwoPrimesBelow) {
            Add(std::move(c), e); // p q with p != q
            return;
        }
        const TInteger factor = Search(c, word ? w : 0);
        if (factor > 1) {
            pending.emplace_back(DivExact(c, factor), e);
            pending.emplace_back(factor, e);
            return;
        }
        // No factor below the cube root was found: c is p q with p != q,
        // unless the search missed one, which only a complete factoring rules out.
        if (word) {
            n_factor_t primes;
            n_factor_init(&primes);
            n_factor(&primes, w, 1);
            for (int i = 0; i < primes.num; ++i) {
                TInteger p;
                fmpz_set_ui(p.Raw(), primes.p[i]);
                Add(std::move(p), e * primes.exp[i]);
            }
            return;
        }
        if (complete) {
            fmpz_factor_t primes;
            fmpz_factor_init(primes);
            const bool factored = FactorInFull(c, primes);
            for (slong i = 0; factored && i < primes->num; ++i) {
                TInteger p;
                fmpz_set(p.Raw(), primes->p + i);
                Add(std::move(p), e * primes->exp[i]);
            }
            fmpz_factor_clear(primes);
            if (factored) {
                return;
            }
        }
        Add(std::move(c), e); // taken as square-free
        complete_ = false;
    }

    // 10^kCompleteDigits: the parts below it are factored completely.
    static const TInteger& CompleteBound() {
        static const TInteger bound = Power(TInteger(10), kCompleteDigits);
        return bound;
    }

    // A proper factor of c, or 0 when the search finds none; word is c when
    // c fits in a word.
    TInteger Search(TInteger& c, ulong word) {
        const flint_bitcnt_t bits = fmpz_bits(c.Raw());
        // Only numbers of up to 128 bits search by steps; a larger one would
        // not fit the conversions (a double, then a word).
        const ulong steps =
            bits <= 128
                ? static_cast<ulong>(kStepsPerRoot * std::cbrt(std::sqrt(fmpz_get_d(c.Raw()))))
                : 0;
        TInteger factor;
        if (word != 0) {
            fmpz_set_ui(factor.Raw(), FindFactor(TMontgomery<ulong>(word), steps));
        } else if (bits <= 128) {
            ulong high = 0, low = 0;
            fmpz_get_uiui(&high, &low, c.Raw());
            const TWide n = (static_cast<TWide>(high) << 64) | low;
            const TWide f = FindFactor(TMontgomery<TWide>(n), std::min(steps, kWideSteps));
            fmpz_set_uiui(factor.Raw(), static_cast<ulong>(f >> 64), static_cast<ulong>(f));
        } else if (bits <= kRhoBits) {
            if (fmpz_factor_pollard_brent(factor.Raw(), random_, c.Raw(), 1, kWideRhoIterations) ==
                0) {
                factor = 0;
            }
        }
        return factor;
    }

    TPieces pieces_;
    bool complete_ = true;
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
    split.Complete = splitter.Complete();
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
