#include "VoranRenritu3.h"

#include "Fonts.h"
#include "VoranRenritu.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char* kFieldNames[3][4] = {{"EditX1", "EditY1", "EditZ1", "EditA1"},
                                           {"EditX2", "EditY2", "EditZ2", "EditA2"},
                                           {"EditX3", "EditY3", "EditZ3", "EditA3"}};
constexpr const char* kAnswerNames[3] = {"EditAnsX", "EditAnsY", "EditAnsZ"};
constexpr const char* kLetters[3] = {"x", "y", "z"};

} // namespace

TRenritu3Form::TRenritu3Form(QWidget* mainWindow)
    : ToolForm(mainWindow, "TRenritu3Form", QStringLiteral("3元1次方程式"), QSize(625, 193), -20,
               0) {
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
            Edits[row][col] = RowEdit(x, rowCentre[row], kFieldNames[row][col], 30);
            if (col < 3) {
                RowLabel(x, rowCentre[row], QString::fromLatin1(kLetters[col]),
                         col == 0 ? letterX : letterYZ);
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
        Answers[k] = RowEdit(x, centre, kAnswerNames[k], 50, kAnswerText);
        if (k < 2) {
            RowLabel(x, centre, QStringLiteral(","), equals);
        }
    }

    QPushButton* clear =
        AddButton("ClearButton", QStringLiteral("クリア"), QRect(382, 160, 75, 25));
    QPushButton* calc = AddButton("CalcButton", QStringLiteral("計算"), QRect(462, 160, 75, 25));
    QPushButton* close = AddCloseButton(QRect(542, 160, 75, 25), [this] { ClearFields(); });

    std::vector<QWidget*> order;
    for (const auto& row : Edits) {
        order.insert(order.end(), row.begin(), row.end());
    }
    order.insert(order.end(), Answers.begin(), Answers.end());
    order.insert(order.end(), {clear, calc, close});
    SetTabOrder(order);

    OnClick(calc, [this] { CalcButtonClick(); });
    OnClick(clear, [this] { ClearButtonClick(); });
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            if (row < 2 || col < 3) {
                EnterMovesOn({Edits[row][col]});
            }
        }
    }
    OnEnter(Edits[2][3], [this] {
        FocusSteps(1);
        CalcButtonClick();
        FocusSteps(3);
    });
}

void TRenritu3Form::CalcButtonClick() {
    // The nine coefficients row by row, then the three right-hand sides.
    TLinearSystem system{};
    for (int k = 0; k < 9; ++k) {
        system[k / 3][k % 3] = ReadRational(Edits[k / 3][k % 3]);
    }
    for (int row = 0; row < 3; ++row) {
        system[row][3] = ReadRational(Edits[row][3]);
    }

    const TLinearSolution solution = SolveLinearSystem(system, 3);
    for (int k = 0; k < 3; ++k) {
        if (solution.Kind == TSolutionKind::Unique) {
            SetField(Answers[k], RatToText(solution.Values[k]));
        } else {
            Answers[k]->setText(SingularText(solution.Kind));
        }
    }
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
