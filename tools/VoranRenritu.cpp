#include "VoranRenritu.h"

#include "Fonts.h"
#include "RatMatrix.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

TRational ReadField(const QLineEdit* edit) {
    TRational r;
    ParseRational(edit->text().toStdString(), r);
    return r;
}

} // namespace

TRenrituForm::TRenrituForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TRenrituForm", QStringLiteral("連立方程式"), QSize(625, 129), -40, 0) {
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
        RowLabel(x, centre, QStringLiteral("x"), letterX);
        RowLabel(x, centre, QStringLiteral("+"), plus);
        *rows[row][1] = RowEdit(x, centre, names[row][1], 30);
        RowLabel(x, centre, QStringLiteral("y"), letterY);
        RowLabel(x, centre, QStringLiteral("="), equals);
        *rows[row][2] = RowEdit(x, centre, names[row][2], 30);
    }

    x += 24;
    RowLabel(x, 50, QStringLiteral("答"), GothicFont(19, true));
    RowLabel(x, 50, QStringLiteral("x"), letterX);
    RowLabel(x, 50, QStringLiteral("="), equals);
    EditAnsX = RowEdit(x, 50, "EditAnsX", 50, kAnswerText);
    RowLabel(x, 50, QStringLiteral(","), equals);
    RowLabel(x, 50, QStringLiteral("y"), letterY);
    RowLabel(x, 50, QStringLiteral("="), equals);
    EditAnsY = RowEdit(x, 50, "EditAnsY", 50, kAnswerText);

    QPushButton* clear = AddButton("ClearButton", QStringLiteral("クリア"), QRect(382, 96, 75, 25));
    QPushButton* calc = AddButton("CalcButton", QStringLiteral("計算"), QRect(462, 96, 75, 25));
    QPushButton* close = AddCloseButton(QRect(542, 96, 75, 25), [this] { ClearFields(); });

    SetTabOrder(
        {EditX1, EditY1, EditA1, EditX2, EditY2, EditA2, EditAnsX, EditAnsY, clear, calc, close});
    OnClick(calc, [this] { CalcButtonClick(); });
    OnClick(clear, [this] { ClearButtonClick(); });
    EnterMovesOn({EditX1, EditY1, EditA1, EditX2, EditY2});
    OnEnter(EditA2, [this] {
        FocusSteps(1);
        CalcButtonClick();
        FocusSteps(2);
    });
}

std::array<TRational, 4> TRenrituForm::InvertMatrix2(std::array<TRational, 4> m) {
    std::array<TRational, 4> inverse{};
    auto& [a1, b1, a2, b2] = m;
    TRational p;
    TRational q;
    TRational d;
    RatMul(a1, b2, p);
    RatMul(b1, a2, q);
    RatSub(p, q, d);
    if (d.Num == 0) {
        return inverse;
    }
    RatDiv(b2, d, inverse[0]);
    b1.Num = -b1.Num;
    RatDiv(b1, d, inverse[1]);
    a2.Num = -a2.Num;
    RatDiv(a2, d, inverse[2]);
    RatDiv(a1, d, inverse[3]);
    return inverse;
}

void TRenrituForm::CalcButtonClick() {
    // The reading order is the coefficients first, then the right-hand sides.
    const TRational a1 = ReadField(EditX1);
    const TRational b1 = ReadField(EditY1);
    const TRational a2 = ReadField(EditX2);
    const TRational b2 = ReadField(EditY2);
    const TRational c1 = ReadField(EditA1);
    const TRational c2 = ReadField(EditA2);

    const auto [m11, m12, m21, m22] = InvertMatrix2({a1, b1, a2, b2});
    if (m11.Num == 0 && m12.Num == 0 && m21.Num == 0 && m22.Num == 0) {
        TRatMatrix coefficients{};
        coefficients[0] = {a1, b1};
        coefficients[1] = {a2, b2};
        const QString text = QString::fromUtf8(SingularSystemText(coefficients, {c1, c2}, 2));
        EditAnsX->setText(text);
        EditAnsY->setText(text);
        return;
    }

    TRational first;
    TRational second;
    TRational x;
    TRational y;
    RatMul(m11, c1, first);
    RatMul(m12, c2, second);
    RatAdd(first, second, x);
    RatMul(m21, c1, first);
    RatMul(m22, c2, second);
    RatAdd(first, second, y);
    SetField(EditAnsX, RatToText(x));
    SetField(EditAnsY, RatToText(y));
}

void TRenrituForm::ClearFields() {
    ClearEdits({EditX1, EditY1, EditA1, EditX2, EditY2, EditA2});
    ResetAnswers({EditAnsX, EditAnsY});
}

void TRenrituForm::ClearButtonClick() {
    ClearFields();
    FocusSteps(3);
}
