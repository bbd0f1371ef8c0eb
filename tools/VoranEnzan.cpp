#include "VoranEnzan.h"

#include "BigNum.h"
#include "Errors.h"
#include "Fonts.h"
#include "MessageBoxes.h"
#include "PolyFactor.h"
#include "VoranInsuu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The longest numerator or denominator that a power of a constant writes out.
constexpr std::size_t kMaxPowerDigits = 500;

// a * b for numbers of at least one digit without leading zeros, or nothing
// when the product passes kMaxPowerDigits digits. A product has at least
// la + lb - 1 digits, so a hopeless one is refused before it is formed.
std::optional<std::string> BoundedMul(const std::string& a, const std::string& b) {
    if (a.size() + b.size() - 1 > kMaxPowerDigits) {
        return std::nullopt;
    }
    std::string product = BigMul(a, b);
    if (product.size() > kMaxPowerDigits) {
        return std::nullopt;
    }
    return product;
}

// base^n for n >= 1, by squaring from the top bit of n down: every value on
// the way is base^m with m <= n, so the first one that grows too long proves
// the power too long, and at most 62 products are formed.
std::optional<std::string> BoundedPower(const std::string& base, std::int64_t n) {
    if (base == "1") {
        return base;
    }
    const auto bits = static_cast<int>(std::bit_width(static_cast<std::uint64_t>(n)));
    std::optional<std::string> r = base;
    for (int bit = bits - 2; bit >= 0 && r; --bit) {
        r = BoundedMul(*r, *r);
        if (r && ((n >> bit) & 1) != 0) {
            r = BoundedMul(*r, base);
        }
    }
    return r;
}

// c^n written exactly, such as "-1/8" for (-2)^-3.
std::string ConstantPowerText(TRational c, std::int32_t n) {
    if (n == 0) {
        return "1";
    }
    if (c.Num == 0) {
        if (n < 0) {
            throw ZeroDivideError();
        }
        return "0";
    }
    const std::int64_t e = std::abs(static_cast<std::int64_t>(n));
    std::int64_t num = std::abs(static_cast<std::int64_t>(c.Num));
    std::int64_t den = c.Den;
    if (n < 0) {
        std::swap(num, den);
    }
    const std::optional<std::string> top = BoundedPower(std::to_string(num), e);
    const std::optional<std::string> bottom =
        top ? BoundedPower(std::to_string(den), e) : std::nullopt;
    if (!bottom) {
        return "overflow";
    }
    const bool negative = c.Num < 0 && e % 2 == 1;
    return (negative ? "-" : "") + *top + (*bottom == "1" ? "" : "/" + *bottom);
}

std::string Factored(const TPolynomial& h) {
    TFactorList list;
    PolyFactor(h, list);
    return FactorListToText(list, 'x');
}

void RequireNonZero(const TPolynomial& p) {
    if (PolyIsZero(p)) {
        throw ZeroDivideError();
    }
}

struct TOperationButton {
    const char* Name;
    const char* Caption;
    const char* Tip;
    void (TEnzanForm::*Handler)();
};

} // namespace

TEnzanForm::TEnzanForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TEnzanForm", QStringLiteral("整式の四則演算"), QSize(610, 250), -80,
               0) {
    const QFont letter = AntiquaFont(37);
    const QFont letterX = AntiquaFont(40);
    const QFont parenthesis = CenturyOldFont(37);
    const QFont equals = GothicFont(27, true);
    const QFont plus = GothicFont(21, true);
    const QFont exponent = GothicFont(13, true);
    constexpr int kExponentLift = 11;

    // "f(x) =" and "g(x) =" on the two input rows, then the formula
    // [5] x^5 + [4] x^4 + ... + [1] x + [0] of that row's six fields.
    auto functionName = [&](int& x, int centre, const char* name) {
        RowLabel(x, centre, QString::fromLatin1(name) + QStringLiteral("(x"), letter);
        RowLabel(x, centre, QStringLiteral(")"), parenthesis);
    };
    struct TRow {
        const char* Name;
        int Centre;
        std::array<QLineEdit*, 6>& Edits;
        const char* EditNames[6];
    };
    TRow rows[2] = {{"f", 32, EditF, {"EditF0", "EditF1", "EditF2", "EditF3", "EditF4", "EditF5"}},
                    {"g", 84, EditG, {"EditG0", "EditG1", "EditG2", "EditG3", "EditG4", "EditG5"}}};
    for (TRow& row : rows) {
        int x = 8;
        functionName(x, row.Centre, row.Name);
        RowLabel(x, row.Centre, QStringLiteral("="), equals);
        for (int power = 5; power >= 0; --power) {
            row.Edits[power] = RowEdit(x, row.Centre, row.EditNames[power], 30);
            if (power > 0) {
                RowLabel(x, row.Centre, QStringLiteral("x"), letterX);
            }
            if (power > 1) {
                RowLabel(x, row.Centre, QString::number(power), exponent, nullptr, kExponentLift);
            }
            if (power > 0) {
                RowLabel(x, row.Centre, QStringLiteral("+"), plus);
            }
        }
    }

    // The third row reads f(x) [operation] g(x) = answer.
    constexpr int kCentre = 150;
    constexpr int kButton = 25;
    int x = 8;
    functionName(x, kCentre, "f");
    x += 4;
    const TOperationButton operations[8] = {
        {"AddSButton", "+", "f(x) + g(x) を計算する", &TEnzanForm::AddSButtonClick},
        {"SubSButton", "-", "f(x) - g(x) を計算する", &TEnzanForm::SubSButtonClick},
        {"MulSButton", "×", "f(x) * g(x) を計算する", &TEnzanForm::MulSButtonClick},
        {"DivSButton", "÷", "f(x) ÷ g(x) を計算する", &TEnzanForm::DivSButtonClick},
        {"PowerSButton", "＾", "f(x) ^ g(x) を計算する", &TEnzanForm::PowerSButtonClick},
        {"EnterSButton", "代", "f(x) に g(x) を代入する", &TEnzanForm::EnterSButtonClick},
        {"GcdSButton", "G", "f(x) と g(x) の最大公約式を求める", &TEnzanForm::GcdSButtonClick},
        {"LcmSButton", "L", "f(x) と g(x) の最小公倍式を求める", &TEnzanForm::LcmSButtonClick}};
    for (int k = 0; k < 8; ++k) {
        const TOperationButton& op = operations[k];
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(op.Name));
        button->setText(QString::fromUtf8(op.Caption));
        button->setToolTip(QString::fromUtf8(op.Tip));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(x + (k % 4) * kButton, kCentre - kButton + (k / 4) * kButton, kButton,
                            kButton);
        OnClick(button, [this, handler = op.Handler] { (this->*handler)(); });
    }
    x += 4 * kButton + 6;
    functionName(x, kCentre, "g");
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    EditAns = RowEdit(x, kCentre, "EditAns", 313, kAnswerText);

    QPushButton* clear =
        AddButton("ClearButton", QStringLiteral("クリア"), QRect(447, 217, 75, 25));
    QPushButton* close = AddCloseButton(QRect(527, 217, 75, 25));

    std::vector<QWidget*> order;
    for (const auto* edits : {&EditF, &EditG}) {
        for (int power = 5; power >= 0; --power) {
            order.push_back((*edits)[power]);
        }
    }
    order.insert(order.end(), {EditAns, clear, close});
    SetTabOrder(order);

    OnClick(clear, [this] { ClearButtonClick(); });
    for (int power = 5; power >= 0; --power) {
        EnterMovesOn({EditF[power]});
        if (power > 0) {
            EnterMovesOn({EditG[power]});
        }
    }
    // The last coefficient skips the answer and rests on Clear; Enter computes nothing here.
    OnEnter(EditG[0], [this] { FocusSteps(2); });
}

void TEnzanForm::ReadFG(TPolynomial& f, TPolynomial& g) const {
    f = ReadCoefficients(EditF);
    g = ReadCoefficients(EditG);
}

std::string TEnzanForm::PowerText(const TPolynomial& f, std::int32_t n) {
    if (f.Degree == 0) {
        return ConstantPowerText({f.Num[0], f.Den[0]}, n);
    }
    // |n| can only be too large for a degree of 10 here, which PolyPower reports.
    const std::int64_t magnitude = std::min(std::abs(static_cast<std::int64_t>(n)), kIntLimit);
    TPolynomial e;
    PolyFromInt(static_cast<std::int32_t>(magnitude), e);
    TPolynomial r;
    PolyPower(f, e, r);
    return n < 0 ? "1/(" + PolyToText(r) + ")" : PolyToText(r);
}

std::string TEnzanForm::GcdText(const TPolynomial& f, const TPolynomial& g) {
    RequireNonZero(f);
    RequireNonZero(g);
    TPolynomial h;
    PolyGcd(f, g, h);
    return Factored(h);
}

std::string TEnzanForm::LcmText(const TPolynomial& f, const TPolynomial& g) {
    RequireNonZero(f);
    RequireNonZero(g);
    TPolynomial h;
    PolyLcm(f, g, h);
    return Factored(h);
}

void TEnzanForm::ShowFG(void (*operation)(TPolynomial, TPolynomial, TPolynomial&)) {
    TPolynomial f;
    TPolynomial g;
    ReadFG(f, g);
    operation(f, g, f);
    SetField(EditAns, PolyToText(f));
}

void TEnzanForm::AddSButtonClick() {
    ShowFG(PolyAdd);
}

void TEnzanForm::SubSButtonClick() {
    ShowFG(PolySub);
}

void TEnzanForm::MulSButtonClick() {
    ShowFG(PolyMul);
}

void TEnzanForm::DivSButtonClick() {
    TPolynomial f;
    TPolynomial g;
    ReadFG(f, g);
    RequireNonZero(g);
    TPolynomial q;
    TPolynomial r;
    PolyDivMod(f, g, q, r);
    SetField(EditAns, PolyToText(q) + "  余り  " + PolyToText(r));
}

void TEnzanForm::PowerSButtonClick() {
    TPolynomial f;
    TPolynomial g;
    ReadFG(f, g);
    if (g.Degree != 0) {
        WarningBox(QStringLiteral("g(x) は0次式にしてください"), this);
        return;
    }
    if (g.Den[0] != 1) {
        WarningBox(QStringLiteral("g(x) の定数項は整数にしてください"), this);
        return;
    }
    SetField(EditAns, PowerText(f, g.Num[0]));
}

void TEnzanForm::EnterSButtonClick() {
    TPolynomial f;
    TPolynomial g;
    ReadFG(f, g);
    PolyCompose(f, g, f);
    SetField(EditAns, PolyToText(f));
}

void TEnzanForm::GcdSButtonClick() {
    TPolynomial f;
    TPolynomial g;
    ReadFG(f, g);
    SetField(EditAns, GcdText(f, g));
}

void TEnzanForm::LcmSButtonClick() {
    TPolynomial f;
    TPolynomial g;
    ReadFG(f, g);
    SetField(EditAns, LcmText(f, g));
}

void TEnzanForm::ClearButtonClick() {
    for (const auto* edits : {&EditF, &EditG}) {
        for (int power = 5; power >= 0; --power) {
            (*edits)[power]->clear();
        }
    }
    ResetAnswers({EditAns});
    FocusSteps(2);
}
