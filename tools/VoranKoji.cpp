// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranKoji.h"

#include "AnswerEdit.h"
#include "BoardNotation.h"
#include "Equations.h"
#include "Fonts.h"
#include "Graph.h"
#include "Working.h"
#include "WorkingAlgebra.h"

#include <QLineEdit>

#include <QPushButton>
#include <algorithm>

using namespace arith;

TKojiForm::TKojiForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TKojiForm", QStringLiteral("高次方程式"), QSize(717, 129), 20, 0) {
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
    Writes({EditAns});
    const TPolynomial p = ReadCoefficients(Edits);
    StopOnBadFields();
    // Zeros typed in every field make the equation 0 = 0; empty fields are no equation.
    const bool typed = std::any_of(Edits.begin(), Edits.end(),
                                   [](const QLineEdit* edit) { return !FieldText(edit).empty(); });
    Problem([=] { return EquationProblem(p); });
    if (const auto roots = Accept(SolveByFactoring(p, typed))) {
        SetField(EditAns, RootsText(*roots, true));
        Answer([=] { return RootsAnswer(*roots, true); }, {EditAns});
        Working([=] {
            const auto working = EquationWorking(p, *roots);
            return working ? working : QuadraticWorking(p, *roots);
        });
        Graph([=] { return EquationGraph(p, *roots); });
    }
}

void TKojiForm::ClearButtonClick() {
    ClearEdits({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0]});
    ResetAnswers({EditAns});
    FocusSteps(3);
}
