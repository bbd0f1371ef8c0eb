// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranJunretu.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "JunretuProblem.h"

#include <QLineEdit>
#include <QPushButton>

TJunretuForm::TJunretuForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(638, 233), -20, 20) {
    const QFont operatorFont = FixedGothicFont(40);
    const QFont equals = GothicFont(40);
    constexpr int kLeft = 16;
    constexpr int kCell = 49;
    const int centres[3] = {36, 98, 160};

    // Each row reads as its formula; the "=" and the answers line up in one column.
    struct RowSpec {
        QLineEdit** first;
        const char* firstName;
        const char* buttonName;
        const char* caption;
        QLineEdit** second;
        const char* secondName;
        QLineEdit** answer;
        const char* answerName;
    };
    const RowSpec rows[3] = {
        {&KaijoEdit, "KaijoEdit", "KaijoButton", "!", nullptr, nullptr, &AnsKaijoEdit,
         "AnsKaijoEdit"},
        {&P1Edit, "P1Edit", "PButton", "P", &P2Edit, "P2Edit", &AnsPEdit, "AnsPEdit"},
        {&C1Edit, "C1Edit", "CButton", "C", &C2Edit, "C2Edit", &AnsCEdit, "AnsCEdit"},
    };
    QPushButton* buttons[3];
    for (int row = 0; row < 3; ++row) {
        const RowSpec& spec = rows[row];
        const int centre = centres[row];
        int x = kLeft;
        *spec.first = RowEdit(x, centre, spec.firstName, kCell);
        buttons[row] = AddButton(spec.buttonName, QString::fromLatin1(spec.caption),
                                 QRect(x, centre - kCell / 2, kCell, kCell));
        buttons[row]->setFont(operatorFont);
        x += kCell + 2;
        if (spec.second != nullptr) {
            *spec.second = RowEdit(x, centre, spec.secondName, kCell);
        }
        x = kLeft + 3 * (kCell + 2) + 6;
        RowLabel(x, centre, QStringLiteral("="), equals);
        *spec.answer = RowAnswer(x, centre, spec.answerName, 400);
    }

    const TCommandButtons commands = AddCommandButtons(
        {474, 200}, 81, [this] { ClearButtonClick(); }, {}, [this] { ClearFields(); });
    NameControls({{"KaijoEdit", "階乗 n! の n"},
                  {"KaijoButton", "階乗を計算"},
                  {"AnsKaijoEdit", "階乗の答え"},
                  {"P1Edit", "順列 nPr の n"},
                  {"PButton", "順列を計算"},
                  {"P2Edit", "順列 nPr の r"},
                  {"AnsPEdit", "順列の答え"},
                  {"C1Edit", "組合せ nCr の n"},
                  {"CButton", "組合せを計算"},
                  {"C2Edit", "組合せ nCr の r"},
                  {"AnsCEdit", "組合せの答え"}});

    SetTabOrder({KaijoEdit, buttons[0], AnsKaijoEdit, P1Edit, buttons[1], P2Edit, AnsPEdit, C1Edit,
                 buttons[2], C2Edit, AnsCEdit, commands.Clear, commands.Close});

    // Each row's button gives its own name as the command.
    const auto factorial = [this] { Calculate(problems::SolveJunretu, "KaijoButton"); };
    const auto permutations = [this] { Calculate(problems::SolveJunretu, "PButton"); };
    const auto combinations = [this] { Calculate(problems::SolveJunretu, "CButton"); };
    OnClick(buttons[0], factorial);
    OnClick(buttons[1], permutations);
    OnClick(buttons[2], combinations);
    EnterCalculates(KaijoEdit, 0, factorial);
    EnterCalculates(P2Edit, 0, permutations);
    EnterCalculates(C2Edit, 0, combinations);
    for (QLineEdit* first : {P1Edit, C1Edit}) {
        OnEnter(first, [this] { FocusSteps(2); });
    }
}

void TJunretuForm::ClearFields() {
    ClearEdits({KaijoEdit, P1Edit, P2Edit, C1Edit, C2Edit});
    ResetAnswers({AnsKaijoEdit, AnsPEdit, AnsCEdit});
}

void TJunretuForm::ClearButtonClick() {
    ClearFields();
    FocusSteps(2);
}
