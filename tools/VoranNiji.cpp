#include "VoranNiji.h"

#include "Errors.h"
#include "Fonts.h"
#include "MessageBoxes.h"
#include "PolyFactor.h"

#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Wide = __int128;
using UWide = unsigned __int128;
using std::uint64_t;

// The square part of a discriminant. A discriminant of 32-bit coefficients is
// below 5 (2^31 - 1)^2 < 2^65. Dividing out every prime up to the cube root of
// what is left leaves 1, a prime, the square of a prime or a product of two
// primes, which a square test tells apart; so no loop runs up to a square root.

constexpr std::uint32_t kPrimeLimit = 2900000; // 2900000^3 > 5 (2^31 - 1)^2
constexpr UWide kTwo64 = static_cast<UWide>(1) << 64;

// An odd prime with what a divisibility test needs: no division, two multiplications.
struct TPrime {
    std::uint32_t Value;
    std::uint32_t Wrap; // 2^64 mod Value
    uint64_t Inverse;   // Value^-1 mod 2^64
};

std::vector<TPrime> OddPrimesBelow(std::uint32_t limit) {
    std::vector<bool> composite(limit / 2); // entry i stands for 2i + 1
    std::vector<TPrime> primes;
    for (std::uint32_t i = 1; i < limit / 2; ++i) {
        if (composite[i]) {
            continue;
        }
        const std::uint32_t p = 2 * i + 1;
        for (uint64_t j = static_cast<uint64_t>(p) * p / 2; j < limit / 2; j += p) {
            composite[j] = true;
        }
        uint64_t inverse = p; // correct in the low 3 bits; Newton doubles them each step
        for (int step = 0; step < 5; ++step) {
            inverse *= 2 - p * inverse;
        }
        const auto wrap = static_cast<std::uint32_t>((UINT64_MAX % p + 1) % p);
        primes.push_back({p, wrap, inverse});
    }
    return primes;
}

// Sieved on first use, so that start-up does not pay for it.
const std::vector<TPrime>& OddPrimes() {
    static const std::vector<TPrime> primes = OddPrimesBelow(kPrimeLimit);
    return primes;
}

// Whether p divides n < 2^65.
bool Divides(const TPrime& p, UWide n) {
    auto low = static_cast<uint64_t>(n);
    if (n >= kTwo64) {
        // n = 2^64 + low is congruent to low + Wrap, and a carry out of that
        // sum to a further Wrap (kept free of branches: the carry is random).
        const bool carry = __builtin_add_overflow(low, p.Wrap, &low);
        low += carry * static_cast<uint64_t>(p.Wrap);
    }
    // low / p exactly when p divides low; otherwise the product overflows 64 bits.
    const uint64_t quotient = low * p.Inverse;
    return (static_cast<UWide>(quotient) * p.Value >> 64) == 0;
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

// floor(cbrt(n)) for n < 2^66.
uint64_t FloorCbrt(UWide n) {
    auto c = static_cast<uint64_t>(std::cbrt(static_cast<long double>(n)));
    while (static_cast<UWide>(c) * c * c > n) {
        --c;
    }
    while (static_cast<UWide>(c + 1) * (c + 1) * (c + 1) <= n) {
        ++c;
    }
    return c;
}

struct TSquareSplit {
    UWide Root = 1; // n = Root^2 * Free
    UWide Free = 1; // square-free
};

// Divides every factor p out of rest and moves it into the split.
void TakeFactor(std::uint32_t p, UWide& rest, TSquareSplit& split) {
    int exponent = 0;
    while (rest % p == 0) {
        rest /= p;
        ++exponent;
    }
    for (int i = 0; i < exponent / 2; ++i) {
        split.Root *= p;
    }
    if (exponent % 2 != 0) {
        split.Free *= p;
    }
}

TSquareSplit SquarePart(UWide n) {
    TSquareSplit split;
    if (n == 0) {
        split.Free = 0;
        return split;
    }
    if (n >= static_cast<UWide>(kPrimeLimit) * kPrimeLimit * kPrimeLimit) {
        throw OverflowError(); // beyond any discriminant of 32-bit coefficients
    }
    UWide rest = n;
    TakeFactor(2, rest, split);
    uint64_t bound = FloorCbrt(rest);
    for (const TPrime& p : OddPrimes()) {
        if (p.Value > bound) {
            break;
        }
        if (Divides(p, rest)) {
            TakeFactor(p.Value, rest, split);
            bound = FloorCbrt(rest);
        }
    }
    // Every prime factor left is above the cube root of rest.
    const uint64_t root = FloorSqrt(rest);
    if (static_cast<UWide>(root) * root == rest) {
        split.Root *= root;
    } else {
        split.Free *= rest;
    }
    return split;
}

Wide WideAbs(Wide v) {
    return v < 0 ? -v : v;
}

UWide WideGcd(UWide a, UWide b) {
    while (b != 0) {
        const UWide t = a % b;
        a = b;
        b = t;
    }
    return a;
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

// Appends piece by piece: "literal" + std::string trips a false -Wrestrict in GCC 12 at -O3.
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
            text += "SQR(";
            text += std::to_string(-static_cast<std::int64_t>(R));
            text += ')';
        }
        text += "i";
    } else {
        text += "SQR(";
        text += std::to_string(R);
        text += ')';
    }
    if (D != 1) {
        if (P != 0) {
            text += ")";
        }
        text += '/';
        text += std::to_string(D);
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
    const QFont letter = AntiquaFont(40);
    const QFont equals = GothicFont(27, true);

    int x = 8;
    CoefficientRow(x, kCentre, Edits, QStringLiteral("x"), letter, 12);
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
    const TPolynomial p = ReadCoefficients(Edits);
    if (PolyIsZero(p)) {
        WarningBox(kZeroCoefficientsText, this);
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
