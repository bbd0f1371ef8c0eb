// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranNiji.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "NijiProblem.h"

#include <QLineEdit>
#include <QPushButton>

TNijiForm::TNijiForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(625, 129), 0, 0) {
    constexpr int kCentre = 44;
    const QFont letter = AntiquaFont(40);
    const QFont equals = GothicFont(27, true);

    // [Edit2] x^2 + [Edit1] x + [Edit0] = 0   答 x = [EditAns]
    int x = 8;
    CoefficientRow(x, kCentre, Edits, QStringLiteral("x"), letter, 12);
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    RowLabel(x, kCentre, QStringLiteral("0"), CenturyFont(24, true));
    x += 24;
    RowLabel(x, kCentre, QStringLiteral("答"), GothicFont(19, true));
    RowLabel(x, kCentre, QStringLiteral("x"), letter);
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    EditAns = RowAnswer(x, kCentre, "EditAns", 200);
    EditAns->setAccessibleName(QStringLiteral("x の答え"));

    const TCommandButtons buttons = AddCommandButtons(
        {382, 96}, 80, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); },
        [this] { ClearFields(); });

    SetTabOrder(
        {Edits[2], Edits[1], Edits[0], EditAns, buttons.Clear, buttons.Calc, buttons.Close});
    EnterMovesOn({Edits[2], Edits[1]});
    EnterCalculates(
        Edits[0], 1, [this] { CalcButtonClick(); }, 1);
}

void TNijiForm::CalcButtonClick() {
    Calculate(problems::SolveNiji);
}

void TNijiForm::ClearFields() {
    ClearEdits({Edits[2], Edits[1], Edits[0]});
    ResetAnswers({EditAns});
}

void TNijiForm::ClearButtonClick() {
    ClearFields();
    FocusSteps(3);
}
