// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranEnzan.h"

#include "AnswerEdit.h"
#include "EnzanProblem.h"
#include "Fonts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include <vector>

TEnzanForm::TEnzanForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(610, 250), -80, 0) {
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
    // Each button gives its own name as the command.
    const struct {
        const char* Name;
        const char* Caption;
        const char* Tip;
    } operations[8] = {{"AddSButton", "+", "f(x) + g(x) を計算する"},
                       {"SubSButton", "-", "f(x) - g(x) を計算する"},
                       {"MulSButton", "×", "f(x) * g(x) を計算する"},
                       {"DivSButton", "÷", "f(x) ÷ g(x) を計算する"},
                       {"PowerSButton", "＾", "f(x) ^ g(x) を計算する"},
                       {"EnterSButton", "代", "f(x) に g(x) を代入する"},
                       {"GcdSButton", "G", "f(x) と g(x) の最大公約式を求める"},
                       {"LcmSButton", "L", "f(x) と g(x) の最小公倍式を求める"}};
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
        OnClick(button,
                [this, command = operations[k].Name] { Calculate(problems::SolveEnzan, command); });
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

void TEnzanForm::ClearButtonClick() {
    for (auto* edits : {&EditF, &EditG}) {
        for (int power = 5; power >= 0; --power) {
            (*edits)[power]->clear();
        }
    }
    ResetAnswers({EditAns});
    FocusSteps(2);
}
