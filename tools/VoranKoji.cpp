// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranKoji.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "KojiProblem.h"

#include <QLineEdit>
#include <QPushButton>

TKojiForm::TKojiForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(717, 129), 20, 0) {
    constexpr int kCentre = 44;
    const QFont letter = AntiquaFont(40);
    const QFont equals = GothicFont(27, true);

    // [Edit4] x^4 + ... + [Edit0] = 0   答 x = [EditAns]
    int x = 8;
    CoefficientRow(x, kCentre, Edits, QStringLiteral("x"), letter, 12);
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    RowLabel(x, kCentre, QStringLiteral("0"), CenturyFont(24, true));
    x += 16;
    RowLabel(x, kCentre, QStringLiteral("答"), GothicFont(19, true));
    RowLabel(x, kCentre, QStringLiteral("x"), letter);
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    EditAns = RowAnswer(x, kCentre, "EditAns", 150);
    EditAns->setAccessibleName(QStringLiteral("x の答え"));

    const TCommandButtons buttons = AddCommandButtons(
        {474, 96}, 80, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); });

    SetTabOrder({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0], EditAns, buttons.Clear,
                 buttons.Calc, buttons.Close});
    EnterMovesOn({Edits[4], Edits[3], Edits[2], Edits[1]});
    EnterCalculates(
        Edits[0], 1, [this] { CalcButtonClick(); }, 1);
}

void TKojiForm::CalcButtonClick() {
    Calculate(problems::SolveKoji);
}

void TKojiForm::ClearButtonClick() {
    ClearEdits({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0]});
    ResetAnswers({EditAns});
    FocusSteps(3);
}
