// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranHutei.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "HuteiProblem.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace {

constexpr int kGroupTop = 126;
constexpr int kGroupSize[2] = {205, 156};
constexpr int kColumns[2] = {16, 236};

} // namespace

THuteiForm::THuteiForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(456, 328), 40, 0) {
    BuildEquationRow();
    BuildModes();
    BuildAnswerGroup(0, "GroupBox1", "Label13", 58, {"Label1", "Label2", "Label4", "Label5"});
    BuildAnswerGroup(1, "GroupBox2", "Label14", 90, {"Label6", "Label7", "Label8", "Label9"});
    Label11 = AddLabel(QStringLiteral("（nは整数）"), 120, 8, font(), "Label11", GroupBox2);
    const TCommandButtons buttons = AddCommandButtons(
        {212, 294}, 81, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); });
    NameControls({{"xEdit", "x の係数"},
                  {"PlusItem", "y の項を足す"},
                  {"MinusItem", "y の項を引く"},
                  {"yEdit", "y の係数"},
                  {"zEdit", "右辺"},
                  {"xAnsEdit1", "1つの整数解の x"},
                  {"yAnsEdit1", "1つの整数解の y"},
                  {"xAnsEdit2", "すべての整数解の x"},
                  {"yAnsEdit2", "すべての整数解の y"},
                  {"RadioGroup1", "y の項の符号"},
                  {"GroupBox1", "1つの整数解"},
                  {"GroupBox2", "すべての整数解"}});

    SetTabOrder({xEdit, PlusItem, MinusItem, yEdit, zEdit, OneRadio, AllRadio, xAnsEdit1, yAnsEdit1,
                 xAnsEdit2, yAnsEdit2, buttons.Clear, buttons.Calc, buttons.Close});
    SetMode(false);

    OnEnter(xEdit, [this] { FocusSteps(2); });
    EnterMovesOn({yEdit});
    EnterCalculates(zEdit, 1, [this] { CalcButtonClick(); });
}

void THuteiForm::BuildEquationRow() {
    // xEdit x (＋|－) yEdit y = zEdit
    constexpr int kRow = 48;
    int x = 40;
    xEdit = RowEdit(x, kRow, "xEdit", 30);
    RowLabel(x, kRow, QStringLiteral("x"), AntiquaFont(40))->setBuddy(xEdit);
    QGroupBox* sign = AddGroup("RadioGroup1", QRect(x, kRow - 37, 49, 73));
    x += 49 + 4;
    PlusItem = AddRadio("PlusItem", QStringLiteral("＋"), QRect(8, 12, 38, 22), sign);
    MinusItem = AddRadio("MinusItem", QStringLiteral("－"), QRect(8, 40, 38, 22), sign);
    for (QRadioButton* item : {PlusItem, MinusItem}) {
        item->setFont(GothicFont(16, true));
    }
    PlusItem->setChecked(true);
    yEdit = RowEdit(x, kRow, "yEdit", 30);
    RowLabel(x, kRow, QStringLiteral("y"), AntiquaFont(32, true))->setBuddy(yEdit);
    RowLabel(x, kRow, QStringLiteral("="), GothicFont(27, true));
    zEdit = RowEdit(x, kRow, "zEdit", 30, QStringLiteral("1"));
}

void THuteiForm::BuildModes() {
    OneRadio = AddRadio("OneRadio", QStringLiteral("1つの整数解を求める"),
                        QRect(kColumns[0], 100, kGroupSize[0], 20));
    AllRadio = AddRadio("AllRadio", QStringLiteral("すべての整数解を求める"),
                        QRect(kColumns[1], 100, kGroupSize[0], 20));
    OneRadio->setChecked(true);
    // Radio buttons of one parent are exclusive among all its descendants, the
    // sign items included; explicit groups keep the two choices apart.
    for (const auto& [first, second] : {std::pair{PlusItem, MinusItem}, {OneRadio, AllRadio}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(first);
        group->addButton(second);
    }
    for (QRadioButton* mode : {OneRadio, AllRadio}) {
        connect(mode, &QRadioButton::toggled, this, [this, mode](bool checked) {
            if (checked) {
                SetMode(mode == AllRadio);
            }
        });
    }
}

void THuteiForm::BuildAnswerGroup(int i, const char* name, const char* exampleName, int fieldWidth,
                                  const std::array<const char*, 4>& labelNames) {
    // "（例）" over x = [answer] and y = [answer].
    QGroupBox* group = AddGroup(name, QRect(kColumns[i], kGroupTop, kGroupSize[0], kGroupSize[1]));
    QLabel* example = AddLabel(QStringLiteral("（例）"), 8, 8, font(), exampleName, group);
    const QFont equals = GothicFont(27, true);
    const char* answerNames[2][2] = {{"xAnsEdit1", "yAnsEdit1"}, {"xAnsEdit2", "yAnsEdit2"}};
    QLineEdit* answers[2];
    const struct {
        int Centre;
        const char* Letter;
        QFont Font;
    } rows[2] = {{56, "x", AntiquaFont(40)}, {114, "y", AntiquaFont(32, true)}};
    for (int row = 0; row < 2; ++row) {
        int x = 30;
        GroupLabels[i][2 * row] =
            RowLabel(x, rows[row].Centre, QString::fromLatin1(rows[row].Letter), rows[row].Font,
                     labelNames[2 * row], 0, group);
        GroupLabels[i][2 * row + 1] = RowLabel(x, rows[row].Centre, QStringLiteral("="), equals,
                                               labelNames[2 * row + 1], 0, group);
        answers[row] = RowAnswer(x, rows[row].Centre, answerNames[i][row], fieldWidth, group);
    }
    if (i == 0) {
        GroupBox1 = group;
        Label13 = example;
        xAnsEdit1 = answers[0];
        yAnsEdit1 = answers[1];
    } else {
        GroupBox2 = group;
        Label14 = example;
        xAnsEdit2 = answers[0];
        yAnsEdit2 = answers[1];
    }
}

void THuteiForm::SetMode(bool all) {
    GroupBox1->setEnabled(!all);
    GroupBox2->setEnabled(all);
    for (QLineEdit* edit : {xAnsEdit1, yAnsEdit1}) {
        SetShade(edit, all ? Shade::Grey : Shade::White);
    }
    for (QLineEdit* edit : {xAnsEdit2, yAnsEdit2}) {
        SetShade(edit, all ? Shade::White : Shade::Grey);
    }
    for (int k = 0; k < 4; ++k) {
        GroupLabels[0][k]->setEnabled(!all);
        GroupLabels[1][k]->setEnabled(all);
    }
    SetLabelGrey(Label13, all);
    SetLabelGrey(Label11, !all);
    SetLabelGrey(Label14, !all);
}

void THuteiForm::CalcButtonClick() {
    Calculate(problems::SolveHutei);
}

void THuteiForm::ClearButtonClick() {
    ClearEdits({xEdit, yEdit});
    zEdit->setText(QStringLiteral("1"));
    ResetAnswers({xAnsEdit1, yAnsEdit1, xAnsEdit2, yAnsEdit2});
    PlusItem->setChecked(true);
    FocusSteps(3);
}
