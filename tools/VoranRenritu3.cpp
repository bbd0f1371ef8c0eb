// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranRenritu3.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "Renritu3Problem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char* kFieldNames[3][4] = {{"EditX1", "EditY1", "EditZ1", "EditA1"},
                                           {"EditX2", "EditY2", "EditZ2", "EditA2"},
                                           {"EditX3", "EditY3", "EditZ3", "EditA3"}};
constexpr const char* kAnswerNames[3] = {"EditAnsX", "EditAnsY", "EditAnsZ"};
constexpr const char* kLetters[3] = {"x", "y", "z"};

} // namespace

TRenritu3Form::TRenritu3Form(QWidget* mainWindow) : ToolForm(mainWindow, QSize(625, 193), -20, 0) {
    const QFont letterX = AntiquaFont(40);
    const QFont letterYZ = AntiquaFont(32, true);
    const QFont plus = GothicFont(21, true);
    const QFont equals = GothicFont(27, true);
    const int rowCentre[3] = {30, 82, 134};

    int x = 4;
    RowLabel(x, 82, QStringLiteral("{"), MinchoFont(136));
    const int left = x;
    for (int row = 0; row < 3; ++row) {
        x = left;
        for (int col = 0; col < 4; ++col) {
            QLineEdit* edit = RowEdit(x, rowCentre[row], kFieldNames[row][col], 30);
            Edits[row][col] = edit;
            const QString equation = QStringLiteral("第%1式の").arg(row + 1);
            if (col == 3) {
                edit->setAccessibleName(equation + QStringLiteral("右辺"));
            } else {
                const QString letter = QString::fromLatin1(kLetters[col]);
                edit->setAccessibleName(equation + QStringLiteral(" %1 の係数").arg(letter));
                RowLabel(x, rowCentre[row], letter, col == 0 ? letterX : letterYZ)->setBuddy(edit);
                RowLabel(x, rowCentre[row], col < 2 ? QStringLiteral("+") : QStringLiteral("="),
                         col < 2 ? plus : equals);
            }
        }
    }

    const int answerLeft = x + 40;
    x = answerLeft;
    RowLabel(x, 82, QStringLiteral("答"), GothicFont(19, true));
    const int answerColumn = x;
    for (int k = 0; k < 3; ++k) {
        const int centre = rowCentre[k];
        x = answerColumn;
        RowLabel(x, centre, QString::fromLatin1(kLetters[k]), k == 0 ? letterX : letterYZ);
        RowLabel(x, centre, QStringLiteral("="), equals);
        Answers[k] = RowAnswer(x, centre, kAnswerNames[k], 50);
        Answers[k]->setAccessibleName(QString::fromLatin1(kLetters[k]) + QStringLiteral(" の答え"));
        if (k < 2) {
            RowLabel(x, centre, QStringLiteral(","), equals);
        }
    }

    const TCommandButtons buttons = AddCommandButtons(
        {382, 160}, 80, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); },
        [this] { ClearFields(); });

    std::vector<QWidget*> order;
    for (const auto& row : Edits) {
        order.insert(order.end(), row.begin(), row.end());
    }
    order.insert(order.end(), Answers.begin(), Answers.end());
    order.insert(order.end(), {buttons.Clear, buttons.Calc, buttons.Close});
    SetTabOrder(order);

    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            if (row < 2 || col < 3) {
                EnterMovesOn({Edits[row][col]});
            }
        }
    }
    EnterCalculates(
        Edits[2][3], 1, [this] { CalcButtonClick(); }, 3);
}

void TRenritu3Form::CalcButtonClick() {
    Calculate(problems::SolveRenritu3);
}

void TRenritu3Form::ClearFields() {
    for (const auto& row : Edits) {
        for (QLineEdit* edit : row) {
            edit->clear();
        }
    }
    for (QLineEdit* answer : Answers) {
        answer->setText(kAnswerText);
    }
}

void TRenritu3Form::ClearButtonClick() {
    ClearFields();
    FocusSteps(3);
}
