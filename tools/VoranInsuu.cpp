// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranInsuu.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "InsuuProblem.h"

#include <QLineEdit>
#include <QPushButton>

TInsuuForm::TInsuuForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(625, 129), -60, 0) {
    constexpr int kCentre = 44;

    // [Edit4] x^4 + ... + [Edit0] = [EditAns]
    int x = 8;
    CoefficientRow(x, kCentre, Edits, QStringLiteral("x"), AntiquaFont(40), 12);
    RowLabel(x, kCentre, QStringLiteral("="), GothicFont(27, true));
    EditAns = RowAnswer(x, kCentre, "EditAns", 200);

    const TCommandButtons buttons = AddCommandButtons(
        {382, 96}, 80, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); },
        [this] { ClearFields(); });

    SetTabOrder({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0], EditAns, buttons.Clear,
                 buttons.Calc, buttons.Close});
    // Every Enter recalculates with the fields filled so far; the one in the
    // constant term then leaves the focus on the Clear button.
    for (int i = 4; i >= 1; --i) {
        EnterRecalculates(Edits[i], 1, [this] { CalcButtonClick(); });
    }
    EnterCalculates(
        Edits[0], 1, [this] { CalcButtonClick(); }, 1);
}

void TInsuuForm::CalcButtonClick() {
    Calculate(problems::SolveInsuu);
}

void TInsuuForm::ClearFields() {
    ClearEdits({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0]});
    ResetAnswers({EditAns});
}

void TInsuuForm::ClearButtonClick() {
    ClearFields();
    FocusSteps(3);
}
