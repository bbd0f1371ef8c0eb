#include "VoranNaibun.h"

#include "Fonts.h"
#include "MessageBoxes.h"
#include "Polynomial.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <string>

namespace {

TRational ReadField(const QLineEdit* edit) {
    TRational r;
    ParseRational(edit->text().toStdString(), r);
    return r;
}

// (p a + q b) / d, the coordinate of a division point.
TRational Weighted(TRational p, TRational a, TRational q, TRational b, TRational d) {
    TRational first;
    TRational second;
    TRational result;
    RatMul(p, a, first);
    RatMul(q, b, second);
    RatAdd(first, second, result);
    RatDiv(result, d, result);
    return result;
}

TRational Negated(TRational r) {
    r.Num = -r.Num;
    return r;
}

constexpr int kGroupTop = 86;
constexpr int kGroupSize[2] = {185, 105};
constexpr int kColumns[3] = {16, 216, 416};

} // namespace

TNaibunForm::TNaibunForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TNaibunForm", QStringLiteral("内分・外分"), QSize(616, 240), -80, 20) {
    const QFont big = GothicFont(37, true);

    // A( x1 , y1 )  B( x2 , y2 )  m : n
    int x = 16;
    constexpr int kTop = 30;
    RowLabel(x, kTop, QStringLiteral("A("), big);
    EditX1 = RowEdit(x, kTop, "EditX1", 30);
    RowLabel(x, kTop, QStringLiteral(","), big);
    EditY1 = RowEdit(x, kTop, "EditY1", 30);
    RowLabel(x, kTop, QStringLiteral(")"), big);
    x += 24;
    RowLabel(x, kTop, QStringLiteral("B("), big);
    EditX2 = RowEdit(x, kTop, "EditX2", 30);
    RowLabel(x, kTop, QStringLiteral(","), big);
    EditY2 = RowEdit(x, kTop, "EditY2", 30);
    RowLabel(x, kTop, QStringLiteral(")"), big);
    x += 40;
    EditM = RowEdit(x, kTop, "EditM", 30);
    LabelKoron = RowLabel(x, kTop, QStringLiteral(":"), big, "LabelKoron");
    EditN = RowEdit(x, kTop, "EditN", 30);

    RadioNaibun = AddRadio("RadioNaibun", QStringLiteral("線分ABを内分する"),
                           QRect(kColumns[0], 62, kGroupSize[0], 20));
    RadioGaibun = AddRadio("RadioGaibun", QStringLiteral("線分ABを外分する"),
                           QRect(kColumns[1], 62, kGroupSize[0], 20));
    RadioChokusen = AddRadio("RadioChokusen", QStringLiteral("2点ABを通る直線の方程式"),
                             QRect(kColumns[2], 62, kGroupSize[0], 20));
    RadioNaibun->setChecked(true);

    // The two point groups: ( x , y ) with 44-pixel answer fields.
    struct GroupNames {
        const char* group;
        const char* begin;
        const char* ansX;
        const char* konma;
        const char* ansY;
        const char* end;
    };
    const GroupNames pointNames[2] = {
        {"GroupNaibun", "LabelNBegin", "EditAnsNX", "LabelNKonma", "EditAnsNY", "LabelNEnd"},
        {"GroupGaibun", "LabelGBegin", "EditAnsGX", "LabelGKonma", "EditAnsGY", "LabelGEnd"}};
    PointGroup* groups[2] = {&Naibun, &Gaibun};
    for (int i = 0; i < 2; ++i) {
        const GroupNames& names = pointNames[i];
        QGroupBox* group =
            AddGroup(names.group, QRect(kColumns[i], kGroupTop, kGroupSize[0], kGroupSize[1]));
        int gx = 12;
        constexpr int kMiddle = 55;
        RowLabel(gx, kMiddle, QStringLiteral("("), big, names.begin, 0, group);
        QLineEdit* ansX = RowEdit(gx, kMiddle, names.ansX, 44, kAnswerText, group);
        RowLabel(gx, kMiddle, QStringLiteral(","), big, names.konma, 0, group);
        QLineEdit* ansY = RowEdit(gx, kMiddle, names.ansY, 44, kAnswerText, group);
        RowLabel(gx, kMiddle, QStringLiteral(")"), big, names.end, 0, group);
        *groups[i] = {group, ansX, ansY};
    }

    // The line: y = answer, where the letter turns to x for a vertical line.
    GroupChokusen =
        AddGroup("GroupChokusen", QRect(kColumns[2], kGroupTop, kGroupSize[0], kGroupSize[1]));
    LabelY = AddLabel(QStringLiteral("y"), 14, 24, AntiquaFont(40, true), "LabelY", GroupChokusen);
    LabelY->setAlignment(Qt::AlignCenter);
    LabelY->setFixedSize(25, 57);
    int cx = 14 + 25 + 2;
    RowLabel(cx, 52, QStringLiteral("="), GothicFont(24), "LabelEqual", 0, GroupChokusen);
    EditAnsC = RowEdit(cx, 52, "EditAnsC", 102, kAnswerText, GroupChokusen);

    QPushButton* clear =
        AddButton("ClearButton", QStringLiteral("クリア"), QRect(370, 206, 75, 25));
    QPushButton* calc = AddButton("CalcButton", QStringLiteral("計算"), QRect(451, 206, 75, 25));
    QPushButton* close = AddCloseButton(QRect(532, 206, 75, 25));

    SetTabOrder({EditX1, EditY1, EditX2, EditY2, EditM, EditN, RadioNaibun, Naibun.AnsX,
                 Naibun.AnsY, RadioGaibun, Gaibun.AnsX, Gaibun.AnsY, RadioChokusen, EditAnsC, clear,
                 calc, close});

    const std::pair<QRadioButton*, Mode> modes[] = {
        {RadioNaibun, Mode::Naibun}, {RadioGaibun, Mode::Gaibun}, {RadioChokusen, Mode::Chokusen}};
    for (const auto& [radio, mode] : modes) {
        connect(radio, &QRadioButton::toggled, this, [this, mode = mode](bool checked) {
            if (checked) {
                SetMode(mode);
            }
        });
    }
    SetMode(Mode::Naibun);

    OnClick(calc, [this] { CalcButtonClick(); });
    OnClick(clear, [this] { ClearButtonClick(); });
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
    const TRational x1 = ReadField(EditX1);
    const TRational y1 = ReadField(EditY1);
    const TRational x2 = ReadField(EditX2);
    const TRational y2 = ReadField(EditY2);
    const TRational m = ReadField(EditM);
    const TRational n = ReadField(EditN);
    if (!RadioChokusen->isChecked() && (m.Num == 0 || n.Num == 0)) {
        WarningBox(QStringLiteral("内（外）分比を入力して下さい"), this);
        return;
    }

    if (RadioNaibun->isChecked()) {
        TRational sum;
        RatAdd(m, n, sum);
        if (sum.Num == 0) {
            WarningBox(QStringLiteral("内分比が間違っています"), this);
            return;
        }
        // Both coordinates first: a failure must not leave half an answer.
        const std::string x = RatToText(Weighted(n, x1, m, x2, sum));
        const std::string y = RatToText(Weighted(n, y1, m, y2, sum));
        SetField(Naibun.AnsX, x);
        SetField(Naibun.AnsY, y);
    } else if (RadioGaibun->isChecked()) {
        if (RatEqual(m, n)) {
            WarningBox(QStringLiteral("外分比が間違っています"), this);
            return;
        }
        TRational difference;
        RatSub(m, n, difference);
        const std::string x = RatToText(Weighted(m, x2, Negated(n), x1, difference));
        const std::string y = RatToText(Weighted(m, y2, Negated(n), y1, difference));
        SetField(Gaibun.AnsX, x);
        SetField(Gaibun.AnsY, y);
    } else {
        if (RatEqual(x1, x2) && RatEqual(y1, y2)) {
            WarningBox(QStringLiteral("2点が同じなので、直線が特定できません"), this);
            return;
        }
        // The letter and the answer change together, after every step that could fail.
        std::string answer;
        QString letter = QStringLiteral("y");
        if (RatEqual(x1, x2)) {
            letter = QStringLiteral("x");
            answer = RatToText(x1);
        } else if (RatEqual(y1, y2)) {
            answer = RatToText(y1);
        } else {
            TRational rise;
            TRational run;
            TRational slope;
            TRational intercept;
            RatSub(y1, y2, rise);
            RatSub(x1, x2, run);
            RatDiv(rise, run, slope);
            RatMul(slope, x1, intercept);
            RatSub(y1, intercept, intercept);
            TPolynomial line;
            PolyClear(line);
            line.Degree = 1;
            PolySetCoeff(line, 1, slope);
            PolySetCoeff(line, 0, intercept);
            PolyNormalize(line);
            answer = PolyToText(line);
        }
        LabelY->setText(letter);
        SetField(EditAnsC, answer);
    }
}

void TNaibunForm::ClearButtonClick() {
    ClearEdits({EditX1, EditY1, EditX2, EditY2, EditM, EditN});
    ResetAnswers({Naibun.AnsX, Naibun.AnsY, Gaibun.AnsX, Gaibun.AnsY, EditAnsC});
    LabelY->setText(QStringLiteral("y"));
    FocusSteps(3);
}
