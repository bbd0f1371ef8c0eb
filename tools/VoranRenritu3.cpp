#include "VoranRenritu3.h"

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

// p * q * r, formed as (p * q) * r.
TRational Product3(TRational p, TRational q, TRational r) {
    TRational result;
    RatMul(p, q, result);
    RatMul(result, r, result);
    return result;
}

// (p * q - r * s) / d
TRational Cofactor(TRational p, TRational q, TRational r, TRational s, TRational d) {
    TRational first;
    TRational second;
    TRational result;
    RatMul(p, q, first);
    RatMul(r, s, second);
    RatSub(first, second, result);
    RatDiv(result, d, result);
    return result;
}

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

std::array<TRational, 9> TRenritu3Form::InvertMatrix3(std::array<TRational, 9> a) {
    std::array<TRational, 9> m{};
    const auto& [a11, a12, a13, a21, a22, a23, a31, a32, a33] = a;

    // Rule of Sarrus: three positive products summed, three negative ones subtracted in turn.
    TRational d;
    RatAdd(Product3(a11, a22, a33), Product3(a12, a23, a31), d);
    RatAdd(d, Product3(a13, a21, a32), d);
    RatSub(d, Product3(a13, a22, a31), d);
    RatSub(d, Product3(a11, a23, a32), d);
    RatSub(d, Product3(a12, a21, a33), d);
    if (d.Num == 0) {
        return m;
    }

    m[0] = Cofactor(a22, a33, a23, a32, d);
    m[1] = Cofactor(a13, a32, a12, a33, d);
    m[2] = Cofactor(a12, a23, a13, a22, d);
    m[3] = Cofactor(a23, a31, a21, a33, d);
    m[4] = Cofactor(a11, a33, a13, a31, d);
    m[5] = Cofactor(a13, a21, a11, a23, d);
    m[6] = Cofactor(a21, a32, a22, a31, d);
    m[7] = Cofactor(a12, a31, a11, a32, d);
    m[8] = Cofactor(a11, a22, a12, a21, d);
    return m;
}

void TRenritu3Form::CalcButtonClick() {
    // The nine coefficients row by row, then the three right-hand sides.
    std::array<TRational, 9> a;
    for (int k = 0; k < 9; ++k) {
        a[k] = ReadField(Edits[k / 3][k % 3]);
    }
    std::array<TRational, 3> c;
    for (int row = 0; row < 3; ++row) {
        c[row] = ReadField(Edits[row][3]);
    }

    const std::array<TRational, 9> m = InvertMatrix3(a);
    bool allZero = true;
    for (const TRational& entry : m) {
        allZero = allZero && entry.Num == 0;
    }
    if (allZero) {
        TRatMatrix coefficients{};
        for (int k = 0; k < 9; ++k) {
            coefficients[k / 3][k % 3] = a[k];
        }
        const QString text = QString::fromUtf8(SingularSystemText(coefficients, c, 3));
        for (QLineEdit* answer : Answers) {
            answer->setText(text);
        }
        return;
    }

    std::array<TRational, 3> unknowns;
    for (int row = 0; row < 3; ++row) {
        std::array<TRational, 3> products;
        for (int k = 0; k < 3; ++k) {
            RatMul(m[row * 3 + k], c[k], products[k]);
        }
        RatAdd(products[0], products[1], unknowns[row]);
        RatAdd(unknowns[row], products[2], unknowns[row]);
    }
    for (int row = 0; row < 3; ++row) {
        SetField(Answers[row], RatToText(unknowns[row]));
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
