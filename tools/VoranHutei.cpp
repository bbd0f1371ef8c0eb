#include "VoranHutei.h"

#include "Fonts.h"
#include "Hutei.h"
#include "IntText.h"
#include "MessageBoxes.h"

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

THuteiForm::THuteiForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "THuteiForm", QStringLiteral("不定方程式"), QSize(456, 328), 40, 0) {
    const QFont letterX = AntiquaFont(40);
    const QFont letterY = AntiquaFont(32, true);
    const QFont equals = GothicFont(27, true);

    // xEdit x (＋|－) yEdit y = zEdit
    constexpr int kRow = 48;
    int x = 40;
    xEdit = RowEdit(x, kRow, "xEdit", 30);
    RowLabel(x, kRow, QStringLiteral("x"), letterX);
    QGroupBox* sign = AddGroup("RadioGroup1", QRect(x, kRow - 37, 49, 73));
    x += 49 + 4;
    PlusItem = AddRadio("PlusItem", QStringLiteral("＋"), QRect(8, 12, 38, 22), sign);
    MinusItem = AddRadio("MinusItem", QStringLiteral("－"), QRect(8, 40, 38, 22), sign);
    for (QRadioButton* item : {PlusItem, MinusItem}) {
        item->setFont(GothicFont(16, true));
    }
    PlusItem->setChecked(true);
    yEdit = RowEdit(x, kRow, "yEdit", 30);
    RowLabel(x, kRow, QStringLiteral("y"), letterY);
    RowLabel(x, kRow, QStringLiteral("="), equals);
    zEdit = RowEdit(x, kRow, "zEdit", 30, QStringLiteral("1"));

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

    // The two answer groups: "（例）" over x = answer and y = answer.
    struct GroupSpec {
        QGroupBox** group;
        const char* name;
        QLabel** example;
        const char* exampleName;
        QLineEdit** ansX;
        const char* ansXName;
        QLineEdit** ansY;
        const char* ansYName;
        int fieldWidth;
        const char* labelNames[4];
    };
    const GroupSpec specs[2] = {
        {&GroupBox1,
         "GroupBox1",
         &Label13,
         "Label13",
         &xAnsEdit1,
         "xAnsEdit1",
         &yAnsEdit1,
         "yAnsEdit1",
         58,
         {"Label1", "Label2", "Label4", "Label5"}},
        {&GroupBox2,
         "GroupBox2",
         &Label14,
         "Label14",
         &xAnsEdit2,
         "xAnsEdit2",
         &yAnsEdit2,
         "yAnsEdit2",
         90,
         {"Label6", "Label7", "Label8", "Label9"}},
    };
    for (int i = 0; i < 2; ++i) {
        const GroupSpec& spec = specs[i];
        QGroupBox* group =
            AddGroup(spec.name, QRect(kColumns[i], kGroupTop, kGroupSize[0], kGroupSize[1]));
        *spec.group = group;
        *spec.example = AddLabel(QStringLiteral("（例）"), 8, 8, font(), spec.exampleName, group);
        const int left = 30;
        int gx = left;
        GroupLabels[i][0] =
            RowLabel(gx, 56, QStringLiteral("x"), letterX, spec.labelNames[0], 0, group);
        GroupLabels[i][1] =
            RowLabel(gx, 56, QStringLiteral("="), equals, spec.labelNames[1], 0, group);
        *spec.ansX = RowEdit(gx, 56, spec.ansXName, spec.fieldWidth, kAnswerText, group);
        gx = left;
        GroupLabels[i][2] =
            RowLabel(gx, 114, QStringLiteral("y"), letterY, spec.labelNames[2], 0, group);
        GroupLabels[i][3] =
            RowLabel(gx, 114, QStringLiteral("="), equals, spec.labelNames[3], 0, group);
        *spec.ansY = RowEdit(gx, 114, spec.ansYName, spec.fieldWidth, kAnswerText, group);
    }
    Label11 = AddLabel(QStringLiteral("（nは整数）"), 120, 8, font(), "Label11", GroupBox2);

    QPushButton* clear =
        AddButton("ClearButton", QStringLiteral("クリア"), QRect(212, 294, 75, 25));
    QPushButton* calc = AddButton("CalcButton", QStringLiteral("計算"), QRect(293, 294, 75, 25));
    QPushButton* close = AddCloseButton(QRect(374, 294, 75, 25));

    SetTabOrder({xEdit, PlusItem, MinusItem, yEdit, zEdit, OneRadio, AllRadio, xAnsEdit1, yAnsEdit1,
                 xAnsEdit2, yAnsEdit2, clear, calc, close});

    for (QRadioButton* mode : {OneRadio, AllRadio}) {
        connect(mode, &QRadioButton::toggled, this, [this, mode](bool checked) {
            if (checked) {
                SetMode(mode == AllRadio);
            }
        });
    }
    SetMode(false);

    OnClick(calc, [this] { CalcButtonClick(); });
    OnClick(clear, [this] { ClearButtonClick(); });
    OnEnter(xEdit, [this] { FocusSteps(2); });
    EnterMovesOn({yEdit});
    OnEnter(zEdit, [this] {
        FocusSteps(1);
        CalcButtonClick();
    });
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
    const std::int32_t a = IntFromText(FieldText(xEdit));
    const std::int32_t b = IntFromText(FieldText(yEdit));
    const std::int32_t c = IntFromText(FieldText(zEdit));
    const THuteiSolution s = HuteiSolve(a, b, c, PlusItem->isChecked());
    if (s.Outcome == HuteiOutcome::NoEquation) {
        WarningBox(kZeroCoefficientsText, this);
        return;
    }
    if (s.Outcome == HuteiOutcome::NoIntegerSolution) {
        WarningBox(QStringLiteral("整数解はありません"), this);
        return;
    }
    if (OneRadio->isChecked()) {
        SetField(xAnsEdit1, std::to_string(s.X));
        SetField(yAnsEdit1, std::to_string(s.Y));
    }
    if (AllRadio->isChecked()) {
        SetField(xAnsEdit2, HuteiTermText(s.XStep, s.X));
        SetField(yAnsEdit2, HuteiTermText(s.YStep, s.Y));
    }
}

void THuteiForm::ClearButtonClick() {
    ClearEdits({xEdit, yEdit});
    zEdit->setText(QStringLiteral("1"));
    ResetAnswers({xAnsEdit1, yAnsEdit1, xAnsEdit2, yAnsEdit2});
    PlusItem->setChecked(true);
    FocusSteps(3);
}
