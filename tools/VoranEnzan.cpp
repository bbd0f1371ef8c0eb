// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranEnzan.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "PolyOperations.h"
#include "WorkingSystems.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include <functional>
#include <vector>

using namespace arith;

TEnzanForm::TEnzanForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TEnzanForm", QStringLiteral("整式の四則演算"), QSize(610, 250), -80,
               0) {
    const QFont letter = AntiquaFont(37);
    const QFont parenthesis = CenturyOldFont(37);
    const QFont equals = GothicFont(27, true);
    constexpr int kExponentLift = 11;

    auto functionName = [&](int& x, int centre, const char* name) {
        RowLabel(x, centre, QString::fromLatin1(name) + QStringLiteral("(x"), letter);
        RowLabel(x, centre, QStringLiteral(")"), parenthesis);
    };
    // f(x) = [EditF5] x^5 + ... + [EditF0], and g(x) the same below it.
    const struct {
        const char* Name;
        int Centre;
        std::array<QLineEdit*, 6>& Edits;
        const char* Prefix;
    } rows[2] = {{"f", 32, EditF, "EditF"}, {"g", 84, EditG, "EditG"}};
    for (const auto& row : rows) {
        int x = 8;
        functionName(x, row.Centre, row.Name);
        RowLabel(x, row.Centre, QStringLiteral("="), equals);
        CoefficientRow(x, row.Centre, row.Edits, QStringLiteral("x"), AntiquaFont(40),
                       kExponentLift, row.Prefix,
                       QString::fromLatin1(row.Name) + QStringLiteral("(x)"));
    }

    // The third row reads f(x) [operation] g(x) = answer, the operations a 4 x 2 block.
    constexpr int kCentre = 150;
    constexpr int kButton = 25;
    int x = 8;
    functionName(x, kCentre, "f");
    x += 4;
    const auto combine = [this](TOperation kind, auto operation) {
        return [this, kind, operation] { ShowFG(kind, operation); };
    };
    const struct {
        const char* Name;
        const char* Caption;
        const char* Tip;
        std::function<void()> Handler;
    } operations[8] = {
        {"AddSButton", "+", "f(x) + g(x) を計算する",
         combine(TOperation::Add, [](TPolynomial f, TPolynomial g, TPolynomial& r) { r = f + g; })},
        {"SubSButton", "-", "f(x) - g(x) を計算する",
         combine(TOperation::Subtract,
                 [](TPolynomial f, TPolynomial g, TPolynomial& r) { r = f - g; })},
        {"MulSButton", "×", "f(x) * g(x) を計算する",
         combine(TOperation::Multiply,
                 [](TPolynomial f, TPolynomial g, TPolynomial& r) { r = f * g; })},
        {"DivSButton", "÷", "f(x) ÷ g(x) を計算する", [this] { DivSButtonClick(); }},
        {"PowerSButton", "＾", "f(x) ^ g(x) を計算する", [this] { PowerSButtonClick(); }},
        {"EnterSButton", "代", "f(x) に g(x) を代入する",
         combine(TOperation::Substitute,
                 [](TPolynomial f, TPolynomial g, TPolynomial& r) { r = Compose(f, g); })},
        {"GcdSButton", "G", "f(x) と g(x) の最大公約式を求める", [this] { GcdSButtonClick(); }},
        {"LcmSButton", "L", "f(x) と g(x) の最小公倍式を求める", [this] { LcmSButtonClick(); }}};
    for (int k = 0; k < 8; ++k) {
        // The buttons take no focus; Ctrl+1 to Ctrl+8 press them from the keyboard.
        const QKeySequence shortcut(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + k));
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(operations[k].Name));
        button->setText(QString::fromUtf8(operations[k].Caption));
        button->setToolTip(QStringLiteral("%1 (%2)").arg(
            QString::fromUtf8(operations[k].Tip), shortcut.toString(QKeySequence::NativeText)));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(x + (k % 4) * kButton, kCentre - kButton + (k / 4) * kButton, kButton,
                            kButton);
        OnClick(button, operations[k].Handler);
        connect(new QShortcut(shortcut, this), &QShortcut::activated, button, &QToolButton::click);
    }
    NameControls({{"AddSButton", "f(x) と g(x) の和"},
                  {"SubSButton", "f(x) と g(x) の差"},
                  {"MulSButton", "f(x) と g(x) の積"},
                  {"DivSButton", "f(x) を g(x) で割った商と余り"},
                  {"PowerSButton", "f(x) の g(x) 乗"},
                  {"EnterSButton", "f(x) に g(x) を代入"},
                  {"GcdSButton", "f(x) と g(x) の最大公約式"},
                  {"LcmSButton", "f(x) と g(x) の最小公倍式"}});
    x += 4 * kButton + 6;
    functionName(x, kCentre, "g");
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    EditAns = RowAnswer(x, kCentre, "EditAns", 313);

    const TCommandButtons buttons =
        AddCommandButtons({447, 217}, 80, [this] { ClearButtonClick(); }, {});

    std::vector<QWidget*> order(EditF.rbegin(), EditF.rend());
    order.insert(order.end(), EditG.rbegin(), EditG.rend());
    order.insert(order.end(), {EditAns, buttons.Clear, buttons.Close});
    SetTabOrder(order);

    for (int power = 5; power >= 0; --power) {
        EnterMovesOn({EditF[power]});
        if (power > 0) {
            EnterMovesOn({EditG[power]});
        }
    }
    // The last coefficient skips the answer and rests on Clear; Enter computes nothing here.
    OnEnter(EditG[0], [this] { FocusSteps(2); });
}

std::pair<TPolynomial, TPolynomial> TEnzanForm::ReadFG(TOperation operation) {
    Writes({EditAns}); // every operation answers there
    const TPolynomial f = ReadCoefficients(EditF);
    const TPolynomial g = ReadCoefficients(EditG);
    StopOnBadFields();
    Problem([=] { return OperationProblem(operation, f, g); });
    return {f, g};
}

void TEnzanForm::ShowFG(TOperation kind,
                        void (*operation)(TPolynomial, TPolynomial, TPolynomial&)) {
    // Names, not a structured binding: the lambdas below capture f and g,
    // which not every compiler allows for a binding.
    const std::pair<TPolynomial, TPolynomial> read = ReadFG(kind);
    const TPolynomial& f = read.first;
    const TPolynomial& g = read.second;
    TOperationResult result;
    operation(f, g, result.Value);
    SetField(EditAns, PolyToText(result.Value));
    Answer([=] { return PolynomialAnswer(result.Value); }, {EditAns});
    Working([=] { return OperationWorking(kind, f, g, result); });
}

void TEnzanForm::DivSButtonClick() {
    const std::pair<TPolynomial, TPolynomial> read = ReadFG(TOperation::Divide);
    const TPolynomial& f = read.first;
    const TPolynomial& g = read.second;
    TOperationResult result;
    result.Quotient = PolyQuotient(f, g);
    SetField(EditAns, QuotientText(result.Quotient));
    Answer([=] { return QuotientAnswer(result.Quotient); }, {EditAns});
    Working([=] { return OperationWorking(TOperation::Divide, f, g, result); });
}

void TEnzanForm::PowerSButtonClick() {
    const std::pair<TPolynomial, TPolynomial> read = ReadFG(TOperation::Power);
    const TPolynomial& f = read.first;
    const TPolynomial& g = read.second;
    if (const auto power = Accept(PowerOf(f, g))) {
        SetField(EditAns, PowerText(*power));
        Answer([=] { return PowerAnswer(*power); }, {EditAns});
        TOperationResult result;
        result.Power = *power;
        Working([=] { return OperationWorking(TOperation::Power, f, g, result); });
    }
}

void TEnzanForm::GcdSButtonClick() {
    const std::pair<TPolynomial, TPolynomial> read = ReadFG(TOperation::Gcd);
    const TPolynomial& f = read.first;
    const TPolynomial& g = read.second;
    TOperationResult result;
    result.Common = GcdOf(f, g);
    SetField(EditAns, CommonText(result.Common));
    Answer([=] { return CommonAnswer(result.Common); }, {EditAns});
    Working([=] { return OperationWorking(TOperation::Gcd, f, g, result); });
}

void TEnzanForm::LcmSButtonClick() {
    const std::pair<TPolynomial, TPolynomial> read = ReadFG(TOperation::Lcm);
    const TPolynomial& f = read.first;
    const TPolynomial& g = read.second;
    TOperationResult result;
    result.Common = LcmOf(f, g);
    SetField(EditAns, CommonText(result.Common));
    Answer([=] { return CommonAnswer(result.Common); }, {EditAns});
    Working([=] { return OperationWorking(TOperation::Lcm, f, g, result); });
}

void TEnzanForm::ClearButtonClick() {
    for (auto* edits : {&EditF, &EditG}) {
        for (int power = 5; power >= 0; --power) {
            (*edits)[power]->clear();
        }
    }
    ResetAnswers({EditAns});
    FocusSteps(2);
}
