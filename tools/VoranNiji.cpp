#include "VoranNiji.h"

#include "Errors.h"
#include "Fonts.h"
#include "MessageBoxes.h"
#include "PolyFactor.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Wide = __int128;
using UWide = unsigned __int128;
using std::uint64_t;

// ---------------------------------------------------------------------------
// The square part of a discriminant. A discriminant of 32-bit coefficients is
// below 5 * 2^62, so every step works on values below 2^65: small primes are
// divided out while they can still matter, and what remains is split with
// Pollard's rho, so no loop ever runs up to a square root.

constexpr int kSmallPrimeLimit = 1 << 16;
constexpr int kSmallPrimeCount = 6542; // primes below 2^16

constexpr std::array<std::uint32_t, kSmallPrimeCount> kSmallPrimes = [] {
    std::array<bool, kSmallPrimeLimit> composite{};
    std::array<std::uint32_t, kSmallPrimeCount> primes{};
    int count = 0;
    for (int i = 2; i < kSmallPrimeLimit; ++i) {
        if (composite[i]) {
            continue;
        }
        primes[count++] = static_cast<std::uint32_t>(i);
        for (long j = static_cast<long>(i) * i; j < kSmallPrimeLimit; j += i) {
            composite[j] = true;
        }
    }
    return primes;
}();

constexpr UWide kTwo64 = static_cast<UWide>(1) << 64;

UWide WideGcd(UWide a, UWide b) {
    while (b != 0) {
        const UWide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// floor(sqrt(n)) for n < 2^66.
uint64_t FloorSqrt(UWide n) {
    auto s = static_cast<uint64_t>(std::sqrt(static_cast<long double>(n)));
    while (static_cast<UWide>(s) * s > n) {
        --s;
    }
    while (static_cast<UWide>(s + 1) * (s + 1) <= n) {
        ++s;
    }
    return s;
}

// a * b mod n for a, b < n < 2^66: a quotient estimated in extended precision,
// corrected exactly in wrapping 128-bit arithmetic.
UWide MulModWide(UWide a, UWide b, UWide n) {
    const long double estimate =
        static_cast<long double>(a) * static_cast<long double>(b) / static_cast<long double>(n);
    const auto q = static_cast<UWide>(estimate < 0 ? 0 : estimate);
    auto r = static_cast<Wide>(a * b - q * n); // the true remainder plus a few multiples of n
    const auto m = static_cast<Wide>(n);
    while (r < 0) {
        r += m;
    }
    while (r >= m) {
        r -= m;
    }
    return static_cast<UWide>(r);
}

UWide PowMod(UWide base, UWide e, UWide n) {
    UWide result = 1 % n;
    base %= n;
    while (e != 0) {
        if ((e & 1) != 0) {
            result = MulModWide(result, base, n);
        }
        base = MulModWide(base, base, n);
        e >>= 1;
    }
    return result;
}

// Miller-Rabin with the first twelve primes as bases: exact below 3.3 * 10^24.
bool IsPrime(UWide n) {
    if (n < 2) {
        return false;
    }
    constexpr std::array<unsigned, 12> kBases = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    for (unsigned p : kBases) {
        if (n % p == 0) {
            return n == p;
        }
    }
    UWide d = n - 1;
    int twos = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++twos;
    }
    for (unsigned a : kBases) {
        UWide x = PowMod(a, d, n);
        if (x == 1 || x == n - 1) {
            continue;
        }
        bool witness = true;
        for (int i = 1; i < twos && witness; ++i) {
            x = MulModWide(x, x, n);
            witness = x != n - 1;
        }
        if (witness) {
            return false;
        }
    }
    return true;
}

// Multiplication modulo an odd n < 2^64 in Montgomery form (x stands for x * 2^64 mod n).
class TMontgomery {
public:
    explicit TMontgomery(uint64_t n) : n_(n), inverse_(n) {
        for (int i = 0; i < 5; ++i) {
            inverse_ *= 2 - n * inverse_; // Newton: doubles the correct low bits each time
        }
    }
    uint64_t Mul(uint64_t a, uint64_t b) const {
        const UWide t = static_cast<UWide>(a) * b;
        const uint64_t m = static_cast<uint64_t>(t) * inverse_;
        const auto high = static_cast<uint64_t>(t >> 64);
        const auto mn = static_cast<uint64_t>((static_cast<UWide>(m) * n_) >> 64);
        return high >= mn ? high - mn : high - mn + n_;
    }

private:
    uint64_t n_;
    uint64_t inverse_;
};

// A proper divisor of an odd composite n (Brent's variant of Pollard's rho),
// with the step x -> mul(x, x) + c.
template <typename Mul> UWide RhoDivisor(UWide n, Mul mul) {
    constexpr int kBatch = 128;
    const auto absDiff = [](UWide x, UWide y) { return x > y ? x - y : y - x; };
    for (UWide c = 1;; ++c) {
        const auto step = [&](UWide x) {
            const UWide s = mul(x, x) + c;
            return s >= n ? s - n : s;
        };
        UWide y = 2;
        UWide x = y;
        UWide saved = y;
        UWide product = 1;
        UWide g = 1;
        for (long r = 1; g == 1; r *= 2) {
            x = y;
            for (long i = 0; i < r; ++i) {
                y = step(y);
            }
            for (long k = 0; k < r && g == 1; k += kBatch) {
                saved = y;
                for (long i = 0; i < kBatch && i < r - k; ++i) {
                    y = step(y);
                    product = mul(product, absDiff(x, y));
                }
                g = WideGcd(product, n);
            }
        }
        if (g == n) { // the batch overshot: walk it again one step at a time
            do {
                saved = step(saved);
                g = WideGcd(absDiff(x, saved), n);
            } while (g == 1);
        }
        if (g != n) {
            return g;
        }
    }
}

UWide SplitComposite(UWide n) {
    if (n < kTwo64) {
        const TMontgomery field(static_cast<uint64_t>(n));
        return RhoDivisor(n, [&field](UWide a, UWide b) {
            return static_cast<UWide>(
                field.Mul(static_cast<uint64_t>(a), static_cast<uint64_t>(b)));
        });
    }
    return RhoDivisor(n, [n](UWide a, UWide b) { return MulModWide(a, b, n); });
}

// Appends the prime factors of n (n without prime factors below 2^16).
void LargePrimeFactors(UWide n, std::vector<UWide>& primes) {
    if (n == 1) {
        return;
    }
    if (IsPrime(n)) {
        primes.push_back(n);
        return;
    }
    const uint64_t root = FloorSqrt(n);
    if (static_cast<UWide>(root) * root == n) {
        LargePrimeFactors(root, primes);
        LargePrimeFactors(root, primes);
        return;
    }
    const UWide d = SplitComposite(n);
    LargePrimeFactors(d, primes);
    LargePrimeFactors(n / d, primes);
}

struct TSquareSplit {
    UWide Root = 1; // n = Root^2 * Free
    UWide Free = 1; // square-free
};

TSquareSplit SquarePart(UWide n) {
    TSquareSplit split;
    if (n == 0) {
        split.Free = 0;
        return split;
    }
    UWide rest = n;
    bool sawAllSmallPrimes = true;
    for (std::uint32_t p : kSmallPrimes) {
        if (static_cast<UWide>(p) * p * p > rest) {
            // Every prime factor left is above the cube root of rest, so rest is
            // 1, a prime, the square of a prime, or a product of two primes.
            sawAllSmallPrimes = false;
            break;
        }
        if (rest % p != 0) {
            continue;
        }
        int exponent = 0;
        do {
            rest /= p;
            ++exponent;
        } while (rest % p == 0);
        for (int i = 0; i < exponent / 2; ++i) {
            split.Root *= p;
        }
        if (exponent % 2 != 0) {
            split.Free *= p;
        }
    }
    if (rest == 1) {
        return split;
    }
    const uint64_t root = FloorSqrt(rest);
    if (static_cast<UWide>(root) * root == rest) {
        split.Root *= root;
        return split;
    }
    if (!sawAllSmallPrimes) {
        split.Free *= rest;
        return split;
    }
    std::vector<UWide> primes;
    LargePrimeFactors(rest, primes);
    std::sort(primes.begin(), primes.end());
    for (std::size_t i = 0; i < primes.size();) {
        std::size_t j = i;
        while (j < primes.size() && primes[j] == primes[i]) {
            ++j;
        }
        for (std::size_t k = 0; k < (j - i) / 2; ++k) {
            split.Root *= primes[i];
        }
        if ((j - i) % 2 != 0) {
            split.Free *= primes[i];
        }
        i = j;
    }
    return split;
}

Wide WideAbs(Wide v) {
    return v < 0 ? -v : v;
}

Wide GcdOf(Wide a, Wide b) {
    return static_cast<Wide>(
        WideGcd(static_cast<UWide>(WideAbs(a)), static_cast<UWide>(WideAbs(b))));
}

// The coefficients a, b, c of p scaled to integers without a common factor.
std::array<Wide, 3> IntegerCoefficients(TPolynomial p) {
    PolyNormalize(p);
    Wide lcm = 1;
    for (int i = 0; i <= 2; ++i) {
        lcm = lcm / GcdOf(lcm, p.Den[i]) * p.Den[i];
    }
    std::array<Wide, 3> c{};
    Wide content = 0;
    for (int i = 0; i <= 2; ++i) {
        c[i] = lcm / p.Den[i] * p.Num[i];
        content = content == 0 ? WideAbs(c[i]) : GcdOf(content, c[i]);
    }
    if (content > 1) {
        for (Wide& v : c) {
            v /= content;
        }
    }
    return c;
}

} // namespace

TQuadRoots QuadFormula(TPolynomial p) {
    auto [c, b, a] = IntegerCoefficients(p);
    if (a == 0) {
        throw ZeroDivideError(); // no x^2 term: the formula would divide by 2a = 0
    }
    for (Wide v : {a, b, c}) {
        CheckedInt(v); // the scaled coefficients must be 32-bit integers
    }
    if (a < 0) {
        a = -a;
        b = -b;
        c = -c;
    }
    Wide discriminant = b * b - 4 * a * c; // exact: below 5 * 2^62 in magnitude
    Wide P = -b;
    Wide D = 2 * a;
    const int sign = discriminant < 0 ? -1 : 1;
    const TSquareSplit split = SquarePart(static_cast<UWide>(WideAbs(discriminant)));
    Wide Q = static_cast<Wide>(split.Root);
    const Wide R = sign * static_cast<Wide>(split.Free);

    Wide g = P != 0 ? GcdOf(D, P) : D;
    g = GcdOf(g, Q);
    P /= g;
    Q /= g;
    D /= g;
    return {CheckedInt(P), CheckedInt(Q), CheckedInt(R), CheckedInt(D)};
}

std::string QuadRootText(const TQuadRoots& roots, bool first) {
    const auto [P, Q, R, D] = roots;
    std::string text;
    if (D != 1 && P != 0) {
        text += "(";
    }
    if (P != 0) {
        text += std::to_string(P);
    }
    if (P != 0 || !first) {
        text += first ? "+" : "-";
    }
    if (Q != 1) {
        text += std::to_string(Q);
        if (R != 1 && R != -1) {
            text += "*";
        }
    }
    if (R < 0) {
        if (R != -1) {
            text += "SQR(" + std::to_string(-static_cast<std::int64_t>(R)) + ")";
        }
        text += "i";
    } else {
        text += "SQR(" + std::to_string(R) + ")";
    }
    if (D != 1) {
        if (P != 0) {
            text += ")";
        }
        text += "/" + std::to_string(D);
    }
    return text;
}

std::string QuadRootsToText(const TQuadRoots& roots) {
    return QuadRootText(roots, true) + " , " + QuadRootText(roots, false);
}

std::string LinearRootText(const TPolynomial& factor) {
    TRational root;
    RatDiv(PolyCoeff(factor, 0), PolyCoeff(factor, 1), root);
    root.Num = -root.Num;
    return RatToText(root);
}

TNijiForm::TNijiForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TNijiForm", QStringLiteral("２次方程式"), QSize(625, 129), 0, 0) {
    constexpr int kCentre = 44;
    constexpr const char* kNames[3] = {"Edit0", "Edit1", "Edit2"};
    const QFont letter = AntiquaFont(40);
    const QFont equals = GothicFont(27, true);

    int x = 8;
    for (int i = 2; i >= 0; --i) {
        Edits[i] = RowEdit(x, kCentre, kNames[i], 30);
        if (i > 0) {
            RowLabel(x, kCentre, QStringLiteral("x"), letter);
        }
        if (i == 2) {
            RowLabel(x, kCentre, QStringLiteral("2"), GothicFont(13, true), nullptr, 12);
        }
        if (i > 0) {
            RowLabel(x, kCentre, QStringLiteral("+"), GothicFont(21, true));
        }
    }
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    RowLabel(x, kCentre, QStringLiteral("0"), CenturyFont(24, true));
    x += 24;
    RowLabel(x, kCentre, QStringLiteral("答"), GothicFont(19, true));
    RowLabel(x, kCentre, QStringLiteral("x"), letter);
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    EditAns = RowEdit(x, kCentre, "EditAns", 200, kAnswerText);

    QPushButton* clear = AddButton("ClearButton", QStringLiteral("クリア"), QRect(382, 96, 75, 25));
    QPushButton* calc = AddButton("CalcButton", QStringLiteral("計算"), QRect(462, 96, 75, 25));
    QPushButton* close = AddCloseButton(QRect(542, 96, 75, 25), [this] { ClearFields(); });

    SetTabOrder({Edits[2], Edits[1], Edits[0], EditAns, clear, calc, close});
    OnClick(calc, [this] { CalcButtonClick(); });
    OnClick(clear, [this] { ClearButtonClick(); });
    EnterMovesOn({Edits[2], Edits[1]});
    OnEnter(Edits[0], [this] {
        FocusSteps(1);
        CalcButtonClick();
        FocusSteps(1);
    });
}

void TNijiForm::CalcButtonClick() {
    TPolynomial p;
    PolyClear(p);
    for (int i = 2; i >= 0; --i) {
        TPolynomial c;
        ParseCoefficient(FieldText(Edits[i]), c);
        p.Num[i] = c.Num[0];
        p.Den[i] = c.Den[0];
    }
    PolyNormalize(p);
    if (PolyIsZero(p)) {
        WarningBox(QStringLiteral("正しい係数を入力して下さい"), this);
        return;
    }
    if (p.Degree == 0) {
        SetField(EditAns, "解なし"); // a non-zero constant is never 0
        return;
    }
    TFactorList factors;
    PolyFactor(p, factors);
    const int k = factors[0].Degree == 0 ? 1 : 0; // skip the constant factor
    if (p.Degree == 1) {
        SetField(EditAns, LinearRootText(factors[k]));
    } else if (PolyIsZero(factors[k + 1])) {
        SetField(EditAns, QuadRootsToText(QuadFormula(p)));
    } else {
        std::string text = LinearRootText(factors[k]);
        if (!PolyEqual(factors[k + 1], factors[k])) {
            text += " , " + LinearRootText(factors[k + 1]);
        }
        SetField(EditAns, text);
    }
}

void TNijiForm::ClearFields() {
    ClearEdits({Edits[2], Edits[1], Edits[0]});
    ResetAnswers({EditAns});
}

void TNijiForm::ClearButtonClick() {
    ClearFields();
    FocusSteps(3);
}
