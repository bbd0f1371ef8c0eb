// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranSekibun.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "SekibunProblem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSekibunForm::TSekibunForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(745, 129), -40, 20) {
    const QFont letter = AntiquaFont(37);
    const QFont bracket = GothicFont(27, true);
    constexpr int kRow = 44;

    // The integral sign with the upper limit at its top right end and the
    // lower limit at its bottom right end.
    QLabel* integral = AddLabel(QStringLiteral("∫"), 6, 0, MinchoFont(64));
    integral->move(6, kRow - integral->height() / 2);
    const int limitLeft = integral->x() + integral->width() - 6;
    Jotan = AddEdit("Jotan", QRect(limitLeft, integral->y() - 2, 30, 20));
    Katan = AddEdit("Katan", QRect(limitLeft, integral->y() + integral->height() - 18, 30, 20));

    // ( [Edit5]x^5 + [Edit4]x^4 + ... + [Edit1]x + [Edit0] ) dx = [EditAns]
    int x = limitLeft + 34;
    RowLabel(x, kRow, QStringLiteral("("), bracket);
    CoefficientRow(x, kRow, Edits, QStringLiteral("x"), letter, 10);
    RowLabel(x, kRow, QStringLiteral(")"), bracket);
    RowLabel(x, kRow, QStringLiteral("dx"), letter);
    RowLabel(x, kRow, QStringLiteral("="), bracket);
    EditAns = RowAnswer(x, kRow, "EditAns", 100);
    NameControls({{"Jotan", "上端"}, {"Katan", "下端"}});

    const TCommandButtons buttons = AddCommandButtons(
        {502, 96}, 80, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); });

    SetTabOrder({Jotan, Katan, Edits[5], Edits[4], Edits[3], Edits[2], Edits[1], Edits[0], EditAns,
                 buttons.Clear, buttons.Calc, buttons.Close});
    EnterMovesOn({Jotan, Katan});
    // Every Enter in the integrand recomputes with the fields filled so far.
    for (int power = 5; power >= 1; --power) {
        EnterRecalculates(Edits[power], 1, [this] { CalcButtonClick(); });
    }
    EnterCalculates(
        Edits[0], 1, [this] { CalcButtonClick(); }, 1);
}

void TSekibunForm::CalcButtonClick() {
    Calculate(problems::SolveSekibun);
}

void TSekibunForm::ClearButtonClick() {
    ClearEdits({Jotan, Katan, Edits[5], Edits[4], Edits[3], Edits[2], Edits[1], Edits[0]});
    ResetAnswers({EditAns});
    FocusSteps(3);
}
