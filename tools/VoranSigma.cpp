#include "VoranSigma.h"

#include "Fonts.h"
#include "MessageBoxes.h"
#include "PolyFactor.h"
#include "VoranInsuu.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace {

// A polynomial from its coefficients 1/den[i] of n^i (den 0: no term).
TPolynomial UnitFractions(std::initializer_list<std::int32_t> dens) {
    TPolynomial p;
    int i = 0;
    for (std::int32_t den : dens) {
        if (den != 0) {
            PolySetCoeff(p, i, {1, den});
        }
        ++i;
    }
    PolyNormalize(p);
    return p;
}

// a > b for two constants with positive denominators, compared exactly.
bool ConstantGreater(const TPolynomial& a, const TPolynomial& b) {
    return __int128{a.Num[0]} * b.Den[0] > __int128{b.Num[0]} * a.Den[0];
}

} // namespace

TSigmaForm::TSigmaForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TSigmaForm", QStringLiteral("∑"), QSize(626, 129), 0, 20) {
    const QFont letter = AntiquaFont(33);
    const QFont bracket = GothicFont(27, true);
    constexpr int kRow = 52;

    // The summation sign with the upper limit above it and "k=" and the
    // lower limit below it.
    QLabel* sigma = AddLabel(QStringLiteral("∑"), 8, 0, FixedGothicFont(48));
    sigma->move(8, kRow - sigma->height() / 2);
    kEndEdit = AddEdit("kEndEdit", QRect(sigma->x() + (sigma->width() - 30) / 2, 6, 30, 20));
    int x = 4;
    const int below = sigma->y() + sigma->height() + 12;
    RowLabel(x, below, QStringLiteral("k="), AntiquaFont(24));
    kBeginEdit = RowEdit(x, below, "kBeginEdit", 30, QStringLiteral("1"));

    // ( [Edit3]k^3 + [Edit2]k^2 + [Edit1]k + [Edit0] ) = [EditAns]
    x = std::max(sigma->x() + sigma->width(), x) + 6;
    RowLabel(x, kRow, QStringLiteral("("), bracket);
    CoefficientRow(x, kRow, Edits, QStringLiteral("k"), letter, 10);
    RowLabel(x, kRow, QStringLiteral(")"), bracket);
    RowLabel(x, kRow, QStringLiteral("="), bracket);
    EditAns = RowEdit(x, kRow, "EditAns", 200, kAnswerText);

    QPushButton* clear = AddButton("ClearButton", QStringLiteral("クリア"), QRect(382, 96, 75, 25));
    QPushButton* calc = AddButton("CalcButton", QStringLiteral("計算"), QRect(462, 96, 75, 25));
    QPushButton* close = AddCloseButton(QRect(542, 96, 75, 25), [this] { ClearFields(); });

    SetTabOrder({kEndEdit, Edits[3], Edits[2], Edits[1], Edits[0], EditAns, clear, calc, close,
                 kBeginEdit});
    OnClick(calc, [this] { CalcButtonClick(); });
    OnClick(clear, [this] { ClearButtonClick(); });
    EnterMovesOn({kEndEdit, kBeginEdit});
    // Every Enter in a coefficient field recomputes with the fields filled so far.
    for (int power = 3; power >= 1; --power) {
        OnEnter(Edits[power], [this] {
            FocusSteps(1);
            CalcButtonClick();
        });
    }
    OnEnter(Edits[0], [this] {
        FocusSteps(2);
        CalcButtonClick();
    });

    PowerSums[3] = UnitFractions({0, 0, 4, 2, 4}); // n^4/4 + n^3/2 + n^2/4
    PowerSums[2] = UnitFractions({0, 6, 2, 3});    // n^3/3 + n^2/2 + n/6
    PowerSums[1] = UnitFractions({0, 2, 2});       // n^2/2 + n/2
    PowerSums[0] = UnitFractions({0, 1});          // n
}

void TSigmaForm::CalcButtonClick() {
    const TPolynomial lower = ReadConstant(kBeginEdit);
    TPolynomial upper;
    if (!ParsePolynomial(FieldText(kEndEdit), 'n', upper)) {
        return;
    }
    if (upper.Degree == 0 && ConstantGreater(lower, upper)) {
        WarningBox(QStringLiteral("初期値より大きい値を入力して下さい"), this);
    }

    const TPolynomial f = ReadCoefficients(Edits);
    if (PolyIsZero(f)) {
        WarningBox(kZeroCoefficientsText, this);
        return;
    }

    // F(n) = f3 S3 + f2 S2 + f1 S1 + f0 S0, the sum of f(k) for k = 1 to n.
    TPolynomial sum;
    for (int power = 3; power >= 0; --power) {
        TPolynomial term;
        TPolynomial coefficient;
        PolySetCoeff(coefficient, 0, PolyCoeff(f, power));
        PolyMul(coefficient, PowerSums[power], term);
        PolyAdd(sum, term, sum);
    }

    // The sum from L to U is F(U) - F(L - 1).
    TPolynomial atUpper;
    PolyCompose(sum, upper, atUpper);
    TPolynomial one;
    TPolynomial beforeLower;
    TPolynomial atBeforeLower;
    PolyFromInt(1, one);
    PolySub(lower, one, beforeLower);
    PolyCompose(sum, beforeLower, atBeforeLower);
    TPolynomial result;
    PolySub(atUpper, atBeforeLower, result);

    if (upper.Degree == 0) {
        SetField(EditAns, PolyToText(result));
        return;
    }
    TFactorList factors;
    PolyFactor(result, factors);
    SetField(EditAns, FactorListToText(factors, 'n'));
}

void TSigmaForm::ClearFields() {
    kEndEdit->clear();
    kBeginEdit->setText(QStringLiteral("1"));
    ClearEdits({Edits[3], Edits[2], Edits[1], Edits[0]});
    ResetAnswers({EditAns});
}

void TSigmaForm::ClearButtonClick() {
    ClearFields();
    FocusSteps(4);
}
