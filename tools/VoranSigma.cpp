// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranSigma.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "SigmaProblem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

TSigmaForm::TSigmaForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(626, 129), 0, 20) {
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
    EditAns = RowAnswer(x, kRow, "EditAns", 200);
    NameControls({{"kEndEdit", "上端"}, {"kBeginEdit", "下端"}});

    const TCommandButtons buttons = AddCommandButtons(
        {382, 96}, 80, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); },
        [this] { ClearFields(); });

    SetTabOrder({kEndEdit, Edits[3], Edits[2], Edits[1], Edits[0], EditAns, buttons.Clear,
                 buttons.Calc, buttons.Close, kBeginEdit});
    EnterMovesOn({kEndEdit, kBeginEdit});
    // Every Enter in a coefficient field recomputes with the fields filled so far.
    for (int power = 3; power >= 1; --power) {
        EnterRecalculates(Edits[power], 1, [this] { CalcButtonClick(); });
    }
    EnterCalculates(Edits[0], 2, [this] { CalcButtonClick(); });
}

void TSigmaForm::CalcButtonClick() {
    Calculate(problems::SolveSigma);
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
