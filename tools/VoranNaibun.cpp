// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranNaibun.h"

#include "AnswerEdit.h"
#include "Fonts.h"
#include "NaibunProblem.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace {

constexpr int kGroupTop = 86;
constexpr int kGroupSize[2] = {185, 105};
constexpr int kColumns[3] = {16, 216, 416};

} // namespace

TNaibunForm::TNaibunForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(616, 240), -80, 20) {
    BuildInputRow();
    BuildModes();
    const TCommandButtons buttons = AddCommandButtons(
        {370, 206}, 81, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); });
    NameControls({{"EditX1", "点 A の x 座標"},
                  {"EditY1", "点 A の y 座標"},
                  {"EditX2", "点 B の x 座標"},
                  {"EditY2", "点 B の y 座標"},
                  {"EditM", "比 m:n の m"},
                  {"EditN", "比 m:n の n"},
                  {"EditAnsNX", "内分点の x 座標"},
                  {"EditAnsNY", "内分点の y 座標"},
                  {"EditAnsGX", "外分点の x 座標"},
                  {"EditAnsGY", "外分点の y 座標"},
                  {"EditAnsC", "直線の方程式"},
                  {"GroupNaibun", "内分点"},
                  {"GroupGaibun", "外分点"},
                  {"GroupChokusen", "直線の方程式"}});

    SetTabOrder({EditX1, EditY1, EditX2, EditY2, EditM, EditN, RadioNaibun, Naibun.AnsX,
                 Naibun.AnsY, RadioGaibun, Gaibun.AnsX, Gaibun.AnsY, RadioChokusen, EditAnsC,
                 buttons.Clear, buttons.Calc, buttons.Close});
    SetMode(Mode::Naibun);

    EnterMovesOn({EditX1, EditY1, EditX2, EditM});
    OnEnter(EditY2, [this] {
        FocusSteps(1);
        if (RadioChokusen->isChecked()) {
            CalcButtonClick();
            FocusSteps(2);
        }
    });
    OnEnter(EditN, [this] {
        FocusSteps(1);
        if (!RadioChokusen->isChecked()) {
            CalcButtonClick();
            FocusSteps(3);
        }
    });
}

void TNaibunForm::BuildInputRow() {
    // A( x1 , y1 )  B( x2 , y2 )  m : n
    const QFont big = GothicFont(37, true);
    constexpr int kTop = 30;
    int x = 16;
    const auto point = [&](const QString& name, QLineEdit*& xEdit, const char* xName,
                           QLineEdit*& yEdit, const char* yName) {
        RowLabel(x, kTop, name + QStringLiteral("("), big);
        xEdit = RowEdit(x, kTop, xName, 30);
        RowLabel(x, kTop, QStringLiteral(","), big);
        yEdit = RowEdit(x, kTop, yName, 30);
        RowLabel(x, kTop, QStringLiteral(")"), big);
    };
    point(QStringLiteral("A"), EditX1, "EditX1", EditY1, "EditY1");
    x += 24;
    point(QStringLiteral("B"), EditX2, "EditX2", EditY2, "EditY2");
    x += 40;
    EditM = RowEdit(x, kTop, "EditM", 30);
    LabelKoron = RowLabel(x, kTop, QStringLiteral(":"), big, "LabelKoron");
    EditN = RowEdit(x, kTop, "EditN", 30);
}

void TNaibunForm::BuildModes() {
    RadioNaibun = AddRadio("RadioNaibun", QStringLiteral("線分ABを内分する"),
                           QRect(kColumns[0], 62, kGroupSize[0], 20));
    RadioGaibun = AddRadio("RadioGaibun", QStringLiteral("線分ABを外分する"),
                           QRect(kColumns[1], 62, kGroupSize[0], 20));
    RadioChokusen = AddRadio("RadioChokusen", QStringLiteral("2点ABを通る直線の方程式"),
                             QRect(kColumns[2], 62, kGroupSize[0], 20));
    RadioNaibun->setChecked(true);

    // The two point groups: ( x , y ) with 44-pixel answer fields.
    Naibun = BuildPointGroup(
        0, {"GroupNaibun", "LabelNBegin", "EditAnsNX", "LabelNKonma", "EditAnsNY", "LabelNEnd"});
    Gaibun = BuildPointGroup(
        1, {"GroupGaibun", "LabelGBegin", "EditAnsGX", "LabelGKonma", "EditAnsGY", "LabelGEnd"});

    // The line: y = answer, where the letter turns to x for a vertical line.
    GroupChokusen =
        AddGroup("GroupChokusen", QRect(kColumns[2], kGroupTop, kGroupSize[0], kGroupSize[1]));
    LabelY = AddLabel(QStringLiteral("y"), 14, 24, AntiquaFont(40, true), "LabelY", GroupChokusen);
    LabelY->setAlignment(Qt::AlignCenter);
    LabelY->setFixedSize(25, 57);
    int x = 14 + 25 + 2;
    RowLabel(x, 52, QStringLiteral("="), GothicFont(24), "LabelEqual", 0, GroupChokusen);
    EditAnsC = RowAnswer(x, 52, "EditAnsC", 102, GroupChokusen);
    LabelY->setBuddy(EditAnsC);

    const std::pair<QRadioButton*, Mode> modes[] = {
        {RadioNaibun, Mode::Naibun}, {RadioGaibun, Mode::Gaibun}, {RadioChokusen, Mode::Chokusen}};
    for (const auto& [radio, mode] : modes) {
        connect(radio, &QRadioButton::toggled, this, [this, mode = mode](bool checked) {
            if (checked) {
                SetMode(mode);
            }
        });
    }
}

TNaibunForm::PointGroup TNaibunForm::BuildPointGroup(int column,
                                                     const std::array<const char*, 6>& names) {
    const QFont big = GothicFont(37, true);
    QGroupBox* group =
        AddGroup(names[0], QRect(kColumns[column], kGroupTop, kGroupSize[0], kGroupSize[1]));
    int x = 12;
    constexpr int kMiddle = 55;
    RowLabel(x, kMiddle, QStringLiteral("("), big, names[1], 0, group);
    QLineEdit* ansX = RowAnswer(x, kMiddle, names[2], 44, group);
    RowLabel(x, kMiddle, QStringLiteral(","), big, names[3], 0, group);
    QLineEdit* ansY = RowAnswer(x, kMiddle, names[4], 44, group);
    RowLabel(x, kMiddle, QStringLiteral(")"), big, names[5], 0, group);
    return {group, ansX, ansY};
}

void TNaibunForm::SetMode(Mode mode) {
    const auto look = [](QGroupBox* group, bool on, std::initializer_list<QLineEdit*> answers) {
        group->setEnabled(on);
        for (QLineEdit* answer : answers) {
            SetShade(answer, on ? Shade::White : Shade::Grey);
        }
    };
    look(Naibun.Group, mode == Mode::Naibun, {Naibun.AnsX, Naibun.AnsY});
    look(Gaibun.Group, mode == Mode::Gaibun, {Gaibun.AnsX, Gaibun.AnsY});
    look(GroupChokusen, mode == Mode::Chokusen, {EditAnsC});
    const bool ratio = mode != Mode::Chokusen;
    for (QLineEdit* edit : {EditM, EditN}) {
        edit->setEnabled(ratio);
        SetShade(edit, ratio ? Shade::White : Shade::Grey);
    }
    LabelKoron->setEnabled(ratio);
}

void TNaibunForm::CalcButtonClick() {
    Calculate(problems::SolveNaibun);
}

void TNaibunForm::ClearButtonClick() {
    ClearEdits({EditX1, EditY1, EditX2, EditY2, EditM, EditN});
    ResetAnswers({Naibun.AnsX, Naibun.AnsY, Gaibun.AnsX, Gaibun.AnsY, EditAnsC});
    LabelY->setText(QStringLiteral("y"));
    FocusSteps(3);
}
