// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranRenritu.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "RenrituProblem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TRenrituForm::TRenrituForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(625, 129), -40, 0) {
    const QFont letterX = AntiquaFont(40);
    const QFont letterY = AntiquaFont(32, true);
    const QFont plus = GothicFont(21, true);
    const QFont equals = GothicFont(27, true);

    int x = 4;
    RowLabel(x, 50, QStringLiteral("{"), MinchoFont(96));

    QLineEdit** rows[2][3] = {{&EditX1, &EditY1, &EditA1}, {&EditX2, &EditY2, &EditA2}};
    const char* names[2][3] = {{"EditX1", "EditY1", "EditA1"}, {"EditX2", "EditY2", "EditA2"}};
    const int left = x;
    for (int row = 0; row < 2; ++row) {
        const int centre = row == 0 ? 28 : 74;
        x = left;
        *rows[row][0] = RowEdit(x, centre, names[row][0], 30);
        RowLabel(x, centre, QStringLiteral("x"), letterX)->setBuddy(*rows[row][0]);
        RowLabel(x, centre, QStringLiteral("+"), plus);
        *rows[row][1] = RowEdit(x, centre, names[row][1], 30);
        RowLabel(x, centre, QStringLiteral("y"), letterY)->setBuddy(*rows[row][1]);
        RowLabel(x, centre, QStringLiteral("="), equals);
        *rows[row][2] = RowEdit(x, centre, names[row][2], 30);
    }

    x += 24;
    RowLabel(x, 50, QStringLiteral("答"), GothicFont(19, true));
    RowLabel(x, 50, QStringLiteral("x"), letterX);
    RowLabel(x, 50, QStringLiteral("="), equals);
    EditAnsX = RowAnswer(x, 50, "EditAnsX", 50);
    RowLabel(x, 50, QStringLiteral(","), equals);
    RowLabel(x, 50, QStringLiteral("y"), letterY);
    RowLabel(x, 50, QStringLiteral("="), equals);
    EditAnsY = RowAnswer(x, 50, "EditAnsY", 50);
    NameControls({{"EditX1", "第1式の x の係数"},
                  {"EditY1", "第1式の y の係数"},
                  {"EditA1", "第1式の右辺"},
                  {"EditX2", "第2式の x の係数"},
                  {"EditY2", "第2式の y の係数"},
                  {"EditA2", "第2式の右辺"},
                  {"EditAnsX", "x の答え"},
                  {"EditAnsY", "y の答え"}});

    const TCommandButtons buttons = AddCommandButtons(
        {382, 96}, 80, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); },
        [this] { ClearFields(); });

    SetTabOrder({EditX1, EditY1, EditA1, EditX2, EditY2, EditA2, EditAnsX, EditAnsY, buttons.Clear,
                 buttons.Calc, buttons.Close});
    EnterMovesOn({EditX1, EditY1, EditA1, EditX2, EditY2});
    EnterCalculates(
        EditA2, 1, [this] { CalcButtonClick(); }, 2);
}

void TRenrituForm::CalcButtonClick() {
    Calculate(problems::SolveRenritu);
}

void TRenrituForm::ClearFields() {
    ClearEdits({EditX1, EditY1, EditA1, EditX2, EditY2, EditA2});
    ResetAnswers({EditAnsX, EditAnsY});
}

void TRenrituForm::ClearButtonClick() {
    ClearFields();
    FocusSteps(3);
}
