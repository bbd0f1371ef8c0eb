#include "VoranBibun.h"

#include "Errors.h"
#include "Fonts.h"
#include "MessageBoxes.h"
#include "PolyFactor.h"
#include "VoranNiji.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Wide = __int128;

// Results stay within +-(2^127 - 1), so negating one is always safe.
constexpr Wide kWideMax = static_cast<Wide>(~static_cast<unsigned __int128>(0) >> 1);

Wide CheckedProduct(Wide a, Wide b) {
    Wide r = 0;
    if (__builtin_mul_overflow(a, b, &r) || r < -kWideMax) {
        throw OverflowError();
    }
    return r;
}

Wide CheckedSum(Wide a, Wide b) {
    Wide r = 0;
    if (__builtin_add_overflow(a, b, &r) || r < -kWideMax) {
        throw OverflowError();
    }
    return r;
}

Wide WideGcd(Wide a, Wide b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// An exact value (A + B·√R)/C with C > 0 and no common divisor of A, B and C.
struct TSurdValue {
    Wide A = 0;
    Wide B = 0;
    Wide C = 1;
};

TSurdValue Reduced(TSurdValue v) {
    const Wide g = WideGcd(WideGcd(v.A, v.B), v.C);
    if (g > 1) {
        v.A /= g;
        v.B /= g;
        v.C /= g;
    }
    return v;
}

// v · (P + w·√R)/D, where w is Q or -Q.
TSurdValue SurdTimes(TSurdValue v, const TQuadRoots& x, Wide w) {
    const Wide a =
        CheckedSum(CheckedProduct(v.A, x.P), CheckedProduct(CheckedProduct(v.B, w), x.R));
    const Wide b = CheckedSum(CheckedProduct(v.A, w), CheckedProduct(v.B, x.P));
    return Reduced({a, b, CheckedProduct(v.C, x.D)});
}

// v + c for a fraction c with a positive denominator.
TSurdValue SurdPlus(TSurdValue v, TRational c) {
    const Wide a = CheckedSum(CheckedProduct(v.A, c.Den), CheckedProduct(c.Num, v.C));
    return Reduced({a, CheckedProduct(v.B, c.Den), CheckedProduct(v.C, c.Den)});
}

// f at one root (P ± Q·√R)/D of a quadratic with R > 0, written as
// QuadRootText writes a root: the first-root form when the surd part is
// positive, the second-root form when it is negative.
std::string ValueAtRootText(const TPolynomial& f, const TQuadRoots& x, bool first) {
    const Wide w = first ? Wide{x.Q} : -Wide{x.Q};
    TSurdValue value;
    for (int i = f.Degree; i >= 0; --i) {
        value = SurdPlus(SurdTimes(value, x, w), PolyCoeff(f, i));
    }
    TQuadRoots text;
    text.P = CheckedInt(value.A);
    text.Q = CheckedInt(value.B < 0 ? -value.B : value.B);
    text.R = x.R;
    text.D = CheckedInt(value.C);
    if (text.Q == 0) {
        return RatToText({text.P, text.D});
    }
    return QuadRootText(text, value.B > 0);
}

TPolynomial Constant(TRational r) {
    TPolynomial p;
    PolySetCoeff(p, 0, r);
    return p;
}

// The root -c0/c1 of a linear polynomial c1 x + c0, reduced.
TPolynomial LinearRoot(const TPolynomial& g) {
    TRational c0 = PolyCoeff(g, 0);
    c0.Num = -c0.Num;
    TRational x;
    RatDiv(c0, PolyCoeff(g, 1), x);
    return Constant(x);
}

TPolynomial ValueAt(const TPolynomial& f, const TPolynomial& x) {
    TPolynomial y;
    PolyCompose(f, x, y);
    return y;
}

// a > b for two constants with positive denominators, compared exactly.
bool ConstantGreater(const TPolynomial& a, const TPolynomial& b) {
    return Wide{a.Num[0]} * b.Den[0] > Wide{b.Num[0]} * a.Den[0];
}

// Whether the quadratic q has two distinct real roots: the sign of b^2 - 4ac,
// exactly. Decided before the root formula, so that a derivative without real
// roots answers "なし" however large its discriminant.
bool TwoRealRoots(const TPolynomial& q) {
    const Wide a = q.Num[2];
    const Wide b = q.Num[1];
    const Wide c = q.Num[0];
    return b * b * q.Den[2] * q.Den[0] > 4 * a * c * q.Den[1] * q.Den[1];
}

constexpr const char* kNone = "なし";

} // namespace

TBibunForm::TBibunForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TBibunForm", QStringLiteral("微分"), QSize(627, 249), -60, 20) {
    const QFont letter = AntiquaFont(37);
    const QFont exponent = GothicFont(13, true);
    const QFont plus = GothicFont(21, true);
    const QFont equals = GothicFont(27, true);

    // f(x) = [Edit4]x^4 + [Edit3]x^3 + [Edit2]x^2 + [Edit1]x + [Edit0] , x = [EditX]
    constexpr int kTop = 28;
    int x = 10;
    RowLabel(x, kTop, QStringLiteral("f("), letter);
    RowLabel(x, kTop, QStringLiteral("x"), letter);
    RowLabel(x, kTop, QStringLiteral(")"), letter);
    RowLabel(x, kTop, QStringLiteral("="), equals);
    x += 4;
    static constexpr const char* kEditNames[5] = {"Edit0", "Edit1", "Edit2", "Edit3", "Edit4"};
    for (int power = 4; power >= 0; --power) {
        Edits[power] = RowEdit(x, kTop, kEditNames[power], 30);
        if (power == 0) {
            break;
        }
        const bool first = power == 4;
        QLabel* letterX =
            RowLabel(x, kTop, QStringLiteral("x"), letter, first ? "Label1" : nullptr);
        QLabel* exponentLabel = nullptr;
        if (power > 1) {
            exponentLabel =
                RowLabel(x, kTop, QString::number(power), exponent, first ? "Label2" : nullptr, 10);
        }
        QLabel* sign = RowLabel(x, kTop, QStringLiteral("+"), plus, first ? "Label3" : nullptr);
        if (first) {
            RowLabels = {letterX, exponentLabel, sign};
        }
    }
    QLabel* konma = RowLabel(x, kTop, QStringLiteral(","), equals, "LabelKonma");
    x += 6;
    QLabel* labelX = RowLabel(x, kTop, QStringLiteral("x"), letter, "LabelX");
    QLabel* equal = RowLabel(x, kTop, QStringLiteral("="), equals, "LabelEqual");
    EditX = RowEdit(x, kTop, "EditX", 30);
    RowLabels.insert(RowLabels.end(), {konma, labelX, equal});

    // The three modes, each a radio button over a group box without caption.
    static constexpr const char* kRadioNames[3] = {"RadioKeisuu", "RadioSessen", "RadioKyokuchi"};
    static constexpr const char* kGroupNames[3] = {"GroupKeisuu", "GroupSessen", "GroupKyokuchi"};
    const QString captions[3] = {QStringLiteral("微分係数を求める"),
                                 QStringLiteral("接線の方程式を求める"),
                                 QStringLiteral("極値を求める")};
    constexpr int kGroupLeft[3] = {8, 206, 404};
    constexpr int kGroupWidth[3] = {190, 190, 215};
    for (int i = 0; i < 3; ++i) {
        Radios[i] =
            AddRadio(kRadioNames[i], captions[i], QRect(kGroupLeft[i], 62, kGroupWidth[i], 20));
        Groups[i] = AddGroup(kGroupNames[i], QRect(kGroupLeft[i], 84, kGroupWidth[i], 105));
    }

    // f'( [EditDX] ) = [EditAnsK]
    const QFont inner = GothicFont(21, true);
    QGroupBox* group = Groups[0];
    x = 12;
    QLabel* fdash = RowLabel(x, 52, QStringLiteral("f'"), AntiquaFont(30), "LabelFdash", 0, group);
    QLabel* begin = RowLabel(x, 52, QStringLiteral("("), inner, "LabelBegin", 0, group);
    EditDX = RowEdit(x, 52, "EditDX", 40, {}, group);
    RowLabel(x, 52, QStringLiteral(")"), inner, "LabelEnd", 0, group);
    QLabel* equal1 = RowLabel(x, 52, QStringLiteral("="), inner, "LabelEqual1", 0, group);
    EditAnsK = RowEdit(x, 52, "EditAnsK", 60, kAnswerText, group);
    GroupLabels[0] = {fdash, begin, equal1};
    GroupEdits[0] = {EditDX, EditAnsK};

    // y = [EditAnsS]
    group = Groups[1];
    x = 16;
    QLabel* y = RowLabel(x, 52, QStringLiteral("y"), AntiquaFont(30, true), "LabelY", 0, group);
    QLabel* equal2 = RowLabel(x, 52, QStringLiteral("="), inner, "LabelEqual2", 0, group);
    EditAnsS = RowEdit(x, 52, "EditAnsS", 110, kAnswerText, group);
    GroupLabels[1] = {y, equal2};
    GroupEdits[1] = {EditAnsS};

    // x=[EditAnsBigX]のとき極大値[EditAnsBigY], and the same for the minimum below.
    group = Groups[2];
    const QFont xIs = AntiquaFont(20);
    const QFont words = GothicFont(12);
    x = 8;
    QLabel* xUp = RowLabel(x, 34, QStringLiteral("x="), xIs, "LabelXUp", 0, group);
    EditAnsBigX = RowEdit(x, 34, "EditAnsBigX", 36, {}, group);
    QLabel* big = RowLabel(x, 34, QStringLiteral("のとき極大値"), words, "LabelBig", 0, group);
    EditAnsBigY = RowEdit(x, 34, "EditAnsBigY", 44, kAnswerText, group);
    x = 8;
    QLabel* xDown = RowLabel(x, 72, QStringLiteral("x="), xIs, "LabelXDown", 0, group);
    EditAnsSmallX = RowEdit(x, 72, "EditAnsSmallX", 36, {}, group);
    QLabel* small = RowLabel(x, 72, QStringLiteral("のとき極小値"), words, "LabelSmall", 0, group);
    EditAnsSmallY = RowEdit(x, 72, "EditAnsSmallY", 44, kAnswerText, group);
    GroupLabels[2] = {xUp, big, xDown, small};
    GroupEdits[2] = {EditAnsBigX, EditAnsBigY, EditAnsSmallX, EditAnsSmallY};

    QPushButton* clear =
        AddButton("ClearButton", QStringLiteral("クリア"), QRect(382, 216, 75, 25));
    QPushButton* calc = AddButton("CalcButton", QStringLiteral("計算"), QRect(462, 216, 75, 25));
    QPushButton* close = AddCloseButton(QRect(542, 216, 75, 25));

    SetTabOrder({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0], EditX, Radios[0], EditDX,
                 EditAnsK, Radios[1], EditAnsS, Radios[2], EditAnsBigX, EditAnsBigY, EditAnsSmallX,
                 EditAnsSmallY, clear, calc, close});

    // The state as the window is designed: the derivative-value mode, the
    // other two groups and their labels disabled, every field still in its
    // normal colours (the mode handlers first shade them); a field inside a
    // disabled group box is unreachable but keeps its look.
    Radios[0]->setChecked(true);
    for (const auto& edits : GroupEdits) {
        for (QLineEdit* edit : edits) {
            SetShade(edit, Shade::White);
        }
    }
    for (int i = 1; i < 3; ++i) {
        Groups[i]->setEnabled(false);
        for (QLabel* label : GroupLabels[i]) {
            label->setEnabled(false);
            SetLabelGrey(label, true);
        }
    }

    for (int i = 0; i < 3; ++i) {
        OnClick(Radios[i], [this, i] { SetMode(static_cast<Mode>(i)); });
    }
    OnClick(calc, [this] { CalcButtonClick(); });
    OnClick(clear, [this] { ClearButtonClick(); });
    EnterMovesOn({Edits[4], Edits[3], Edits[2], Edits[1]});
    OnEnter(Edits[0], [this] {
        FocusSteps(1);
        if (CurrentMode() == Mode::Kyokuchi) {
            CalcButtonClick();
            FocusSteps(5);
        }
    });
    OnEnter(EditX, [this] {
        const Mode mode = CurrentMode();
        if (mode == Mode::Kyokuchi) {
            return;
        }
        CalcButtonClick();
        FocusSteps(mode == Mode::Keisuu ? 4 : 3);
    });
}

TBibunForm::Mode TBibunForm::CurrentMode() const {
    if (Radios[1]->isChecked()) {
        return Mode::Sessen;
    }
    return Radios[2]->isChecked() ? Mode::Kyokuchi : Mode::Keisuu;
}

void TBibunForm::SetMode(Mode mode) {
    const auto shade = [](bool on) { return on ? Shade::White : Shade::Grey; };
    const auto switchLabel = [](QLabel* label, bool on) {
        label->setEnabled(on);
        SetLabelGrey(label, !on);
    };

    // Edit4 and EditX are unused in the extrema mode.
    const bool formulaOn = mode != Mode::Kyokuchi;
    for (QLineEdit* edit : {Edits[4], EditX}) {
        edit->setEnabled(formulaOn);
        SetShade(edit, shade(formulaOn));
    }
    for (QLabel* label : RowLabels) {
        switchLabel(label, formulaOn);
    }

    for (int i = 0; i < 3; ++i) {
        const bool on = i == static_cast<int>(mode);
        Groups[i]->setEnabled(on);
        for (QLabel* label : GroupLabels[i]) {
            switchLabel(label, on);
        }
        for (QLineEdit* edit : GroupEdits[i]) {
            SetShade(edit, shade(on));
        }
    }
}

void TBibunForm::CalcButtonClick() {
    const TPolynomial f = ReadCoefficients(Edits);
    const TPolynomial a = ReadConstant(EditX);

    if (PolyIsZero(f)) {
        WarningBox(kZeroCoefficientsText, this);
        return;
    }
    switch (CurrentMode()) {
    case Mode::Keisuu:
        ShowDerivativeValue(f, a);
        break;
    case Mode::Sessen:
        ShowTangentLine(f, a);
        break;
    case Mode::Kyokuchi:
        ShowExtrema(f);
        break;
    }
}

void TBibunForm::ShowDerivativeValue(TPolynomial f, TPolynomial a) {
    TPolynomial d;
    PolyDerivative(f, d);
    const TPolynomial v = ValueAt(d, a);
    SetField(EditDX, PolyToText(a)); // echoed as typed: 2/4 stays 2/4
    SetField(EditAnsK, PolyToText(v));
}

void TBibunForm::ShowTangentLine(TPolynomial f, TPolynomial a) {
    const TPolynomial y0 = ValueAt(f, a);
    TPolynomial d;
    PolyDerivative(f, d);
    const TPolynomial m = ValueAt(d, a);

    // b = f(a) - m·a
    TPolynomial t;
    TPolynomial minusOne;
    TPolynomial b;
    PolyMul(m, a, t);
    PolyFromInt(-1, minusOne);
    PolyMul(t, minusOne, t);
    PolyAdd(t, y0, b);

    TPolynomial line;
    PolySetCoeff(line, 1, PolyCoeff(m, 0));
    PolySetCoeff(line, 0, PolyCoeff(b, 0));
    PolyNormalize(line);
    SetField(EditAnsS, PolyToText(line));
}

void TBibunForm::ShowExtrema(TPolynomial f) {
    TPolynomial d;
    PolyDerivative(f, d);

    if (f.Degree == 2) {
        const TPolynomial x = LinearRoot(d);
        const std::string xText = PolyToText(x);
        const std::string yText = PolyToText(ValueAt(f, x));
        if (f.Num[2] > 0) {
            WriteExtrema({}, kNone, xText, yText);
        } else {
            WriteExtrema(xText, yText, {}, kNone);
        }
        return;
    }
    if (f.Degree != 3) {
        WarningBox(QStringLiteral("式の次数は2次か3次にしてください"), this);
        return;
    }

    TFactorList factors;
    PolyFactor(d, factors);
    const int k = factors[0].Degree == 0 ? 1 : 0;
    const TPolynomial& g1 = factors[k];
    const TPolynomial& g2 = factors[k + 1];

    if (g1.Degree == 1 && g2.Degree == 1 && !PolyEqual(g1, g2)) {
        // Two rational critical points: the larger value is the maximum.
        const TPolynomial x1 = LinearRoot(g1);
        const TPolynomial x2 = LinearRoot(g2);
        const TPolynomial y1 = ValueAt(f, x1);
        const TPolynomial y2 = ValueAt(f, x2);
        if (ConstantGreater(y1, y2)) {
            WriteExtrema(PolyToText(x1), PolyToText(y1), PolyToText(x2), PolyToText(y2));
        } else {
            WriteExtrema(PolyToText(x2), PolyToText(y2), PolyToText(x1), PolyToText(y1));
        }
        return;
    }

    if (g1.Degree == 2 && TwoRealRoots(g1)) {
        const TQuadRoots roots = QuadFormula(d);
        if (roots.R > 0) {
            // Two irrational critical points (P ± Q√R)/D, the first the larger.
            // With a positive x^3 coefficient the smaller one is the maximum.
            const bool maxFirst = f.Num[3] < 0;
            WriteExtrema(QuadRootText(roots, maxFirst), ValueAtRootText(f, roots, maxFirst),
                         QuadRootText(roots, !maxFirst), ValueAtRootText(f, roots, !maxFirst));
            return;
        }
    }
    // A double critical point, or none that is real.
    WriteExtrema({}, kNone, {}, kNone);
}

void TBibunForm::WriteExtrema(const std::string& bigX, const std::string& bigY,
                              const std::string& smallX, const std::string& smallY) {
    SetField(EditAnsBigX, bigX);
    SetField(EditAnsBigY, bigY);
    SetField(EditAnsSmallX, smallX);
    SetField(EditAnsSmallY, smallY);
}

void TBibunForm::ClearButtonClick() {
    ClearEdits({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0], EditX, EditDX});
    ResetAnswers({EditAnsK, EditAnsS});
    EditAnsBigX->clear();
    EditAnsBigY->setText(kAnswerText);
    EditAnsSmallX->clear();
    EditAnsSmallY->setText(kAnswerText);
    FocusSteps(3);
}
