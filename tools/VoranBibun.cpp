// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoranBibun.h"

#include "AnswerEdit.h"
#include "BibunProblem.h"
#include "Fonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TBibunForm::TBibunForm(QWidget* mainWindow) : ToolForm(mainWindow, QSize(627, 249), -60, 20) {
    BuildFormulaRow();
    BuildModes();
    BuildKeisuuGroup();
    BuildSessenGroup();
    BuildKyokuchiGroup();
    const TCommandButtons buttons = AddCommandButtons(
        {382, 216}, 80, [this] { ClearButtonClick(); }, [this] { CalcButtonClick(); });
    NameControls({{"EditX", "x の値"},
                  {"EditDX", "微分係数を求めた x の値"},
                  {"EditAnsK", "微分係数"},
                  {"EditAnsS", "接線の方程式"},
                  {"EditAnsBigX", "極大値をとる x"},
                  {"EditAnsBigY", "極大値"},
                  {"EditAnsSmallX", "極小値をとる x"},
                  {"EditAnsSmallY", "極小値"},
                  {"GroupKeisuu", "微分係数"},
                  {"GroupSessen", "接線の方程式"},
                  {"GroupKyokuchi", "極値"}});

    SetTabOrder({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0], EditX, Radios[0], EditDX,
                 EditAnsK, Radios[1], EditAnsS, Radios[2], EditAnsBigX, EditAnsBigY, EditAnsSmallX,
                 EditAnsSmallY, buttons.Clear, buttons.Calc, buttons.Close});
    SetInitialState();

    for (int i = 0; i < 3; ++i) {
        OnClick(Radios[i], [this, i] { SetMode(static_cast<Mode>(i)); });
    }
    EnterMovesOn({Edits[4], Edits[3], Edits[2], Edits[1]});
    OnEnter(Edits[0], [this] {
        FocusSteps(1);
        if (CurrentMode() == Mode::Kyokuchi) {
            CalcButtonClick();
            FocusSteps(5);
        }
    });
    OnEnter(EditX, [this] {
        const Mode mode = CurrentMode();
        if (mode != Mode::Kyokuchi) {
            CalcButtonClick();
            FocusSteps(mode == Mode::Keisuu ? 4 : 3);
        }
    });
}

void TBibunForm::BuildFormulaRow() {
    // f(x) = [Edit4]x^4 + [Edit3]x^3 + [Edit2]x^2 + [Edit1]x + [Edit0] , x = [EditX]
    const QFont letter = AntiquaFont(37);
    const QFont equals = GothicFont(27, true);
    constexpr int kTop = 28;
    int x = 10;
    RowLabel(x, kTop, QStringLiteral("f("), letter);
    RowLabel(x, kTop, QStringLiteral("x"), letter);
    RowLabel(x, kTop, QStringLiteral(")"), letter);
    RowLabel(x, kTop, QStringLiteral("="), equals);
    x += 4;
    const std::vector<QLabel*> terms =
        CoefficientRow(x, kTop, Edits, QStringLiteral("x"), letter, 10);
    // The x^4 term's letter, exponent and "+", which the extrema mode greys out.
    const char* names[3] = {"Label1", "Label2", "Label3"};
    for (int i = 0; i < 3; ++i) {
        terms[i]->setObjectName(QString::fromLatin1(names[i]));
        RowLabels.push_back(terms[i]);
    }
    RowLabels.push_back(RowLabel(x, kTop, QStringLiteral(","), equals, "LabelKonma"));
    x += 6;
    RowLabels.push_back(RowLabel(x, kTop, QStringLiteral("x"), letter, "LabelX"));
    RowLabels.push_back(RowLabel(x, kTop, QStringLiteral("="), equals, "LabelEqual"));
    EditX = RowEdit(x, kTop, "EditX", 30);
}

void TBibunForm::BuildModes() {
    // Each mode a radio button over a group box without caption.
    const struct {
        const char* Radio;
        const char* Group;
        const char* Caption;
        int Left;
        int Width;
    } modes[3] = {{"RadioKeisuu", "GroupKeisuu", "微分係数を求める", 8, 190},
                  {"RadioSessen", "GroupSessen", "接線の方程式を求める", 206, 190},
                  {"RadioKyokuchi", "GroupKyokuchi", "極値を求める", 404, 215}};
    for (int i = 0; i < 3; ++i) {
        const auto& mode = modes[i];
        Radios[i] = AddRadio(mode.Radio, QString::fromUtf8(mode.Caption),
                             QRect(mode.Left, 62, mode.Width, 20));
        Groups[i] = AddGroup(mode.Group, QRect(mode.Left, 84, mode.Width, 105));
    }
}

void TBibunForm::BuildKeisuuGroup() {
    // f'( [EditDX] ) = [EditAnsK], where EditDX shows the x that was calculated with.
    const QFont inner = GothicFont(21, true);
    QGroupBox* group = Groups[0];
    int x = 12;
    QLabel* fdash = RowLabel(x, 52, QStringLiteral("f'"), AntiquaFont(30), "LabelFdash", 0, group);
    QLabel* begin = RowLabel(x, 52, QStringLiteral("("), inner, "LabelBegin", 0, group);
    EditDX = RowAnswer(x, 52, "EditDX", 40, group, {});
    RowLabel(x, 52, QStringLiteral(")"), inner, "LabelEnd", 0, group);
    QLabel* equal = RowLabel(x, 52, QStringLiteral("="), inner, "LabelEqual1", 0, group);
    EditAnsK = RowAnswer(x, 52, "EditAnsK", 60, group);
    GroupLabels[0] = {fdash, begin, equal};
    GroupEdits[0] = {EditDX, EditAnsK};
}

void TBibunForm::BuildSessenGroup() {
    // y = [EditAnsS]
    const QFont inner = GothicFont(21, true);
    QGroupBox* group = Groups[1];
    int x = 16;
    QLabel* y = RowLabel(x, 52, QStringLiteral("y"), AntiquaFont(30, true), "LabelY", 0, group);
    QLabel* equal = RowLabel(x, 52, QStringLiteral("="), inner, "LabelEqual2", 0, group);
    EditAnsS = RowAnswer(x, 52, "EditAnsS", 110, group);
    GroupLabels[1] = {y, equal};
    GroupEdits[1] = {EditAnsS};
}

void TBibunForm::BuildKyokuchiGroup() {
    // x=[EditAnsBigX]のとき極大値[EditAnsBigY], and the same for the minimum below.
    const QFont xIs = AntiquaFont(20);
    const QFont words = GothicFont(12);
    QGroupBox* group = Groups[2];
    const struct {
        int Centre;
        const char* XLabel;
        const char* XEdit;
        const char* Words;
        const char* WordsLabel;
        const char* YEdit;
        QLineEdit** X;
        QLineEdit** Y;
    } rows[2] = {{34, "LabelXUp", "EditAnsBigX", "のとき極大値", "LabelBig", "EditAnsBigY",
                  &EditAnsBigX, &EditAnsBigY},
                 {72, "LabelXDown", "EditAnsSmallX", "のとき極小値", "LabelSmall", "EditAnsSmallY",
                  &EditAnsSmallX, &EditAnsSmallY}};
    for (const auto& row : rows) {
        int x = 8;
        GroupLabels[2].push_back(
            RowLabel(x, row.Centre, QStringLiteral("x="), xIs, row.XLabel, 0, group));
        *row.X = RowAnswer(x, row.Centre, row.XEdit, 36, group, {});
        GroupLabels[2].push_back(
            RowLabel(x, row.Centre, QString::fromUtf8(row.Words), words, row.WordsLabel, 0, group));
        *row.Y = RowAnswer(x, row.Centre, row.YEdit, 44, group);
        GroupEdits[2].insert(GroupEdits[2].end(), {*row.X, *row.Y});
    }
}

void TBibunForm::SetInitialState() {
    // The other two groups and their labels disabled, every field still in
    // its normal colours (the mode handlers first shade them); a field
    // inside a disabled group box is unreachable but keeps its look.
    Radios[0]->setChecked(true);
    for (const auto& edits : GroupEdits) {
        for (QLineEdit* edit : edits) {
            SetShade(edit, Shade::White);
        }
    }
    for (int i = 1; i < 3; ++i) {
        Groups[i]->setEnabled(false);
        for (QLabel* label : GroupLabels[i]) {
            label->setEnabled(false);
            SetLabelGrey(label, true);
        }
    }
}

TBibunForm::Mode TBibunForm::CurrentMode() const {
    if (Radios[1]->isChecked()) {
        return Mode::Sessen;
    }
    return Radios[2]->isChecked() ? Mode::Kyokuchi : Mode::Keisuu;
}

void TBibunForm::SetMode(Mode mode) {
    const auto shade = [](bool on) { return on ? Shade::White : Shade::Grey; };
    const auto switchLabel = [](QLabel* label, bool on) {
        label->setEnabled(on);
        SetLabelGrey(label, !on);
    };

    // Edit4 and EditX are unused in the extrema mode.
    const bool formulaOn = mode != Mode::Kyokuchi;
    for (QLineEdit* edit : {Edits[4], EditX}) {
        edit->setEnabled(formulaOn);
        SetShade(edit, shade(formulaOn));
    }
    for (QLabel* label : RowLabels) {
        switchLabel(label, formulaOn);
    }

    for (int i = 0; i < 3; ++i) {
        const bool on = i == static_cast<int>(mode);
        Groups[i]->setEnabled(on);
        for (QLabel* label : GroupLabels[i]) {
            switchLabel(label, on);
        }
        for (QLineEdit* edit : GroupEdits[i]) {
            SetShade(edit, shade(on));
        }
    }
}

void TBibunForm::CalcButtonClick() {
    Calculate(problems::SolveBibun);
}

void TBibunForm::ClearButtonClick() {
    ClearEdits({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0], EditX, EditDX});
    ResetAnswers({EditAnsK, EditAnsS});
    EditAnsBigX->clear();
    EditAnsBigY->setText(kAnswerText);
    EditAnsSmallX->clear();
    EditAnsSmallY->setText(kAnswerText);
    FocusSteps(3);
}
