#include "VoranInsuu.h"

#include "Fonts.h"
#include "MessageBoxes.h"

#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <string>

namespace {

// "^3" after a factor that occurs three times, nothing for one. Appends piece
// by piece: "^" + std::string trips a false -Wrestrict in GCC 12 at -O3.
void AppendPower(std::string& text, int count) {
    if (count > 1) {
        text += '^';
        text += std::to_string(count);
    }
}

} // namespace

std::string FactorListToText(const TFactorList& list, char letter) {
    // Factors are the entries up to the last non-zero one.
    int n = kMaxFactors;
    while (n > 1 && PolyIsZero(list[n - 1])) {
        --n;
    }
    // Multiplicities: the first entry of each run of equal entries holds the
    // length of the run, the others 0.
    std::array<int, kMaxFactors> count{};
    for (int k = 0, run = 0; k < n; ++k) {
        if (k > 0 && PolyEqual(list[k], list[run])) {
            ++count[run];
        } else {
            run = k;
            count[k] = 1;
        }
    }

    const bool hasConstant = list[0].Degree == 0;
    const std::string constant = hasConstant ? PolyToTextVar(list[0], letter) : "1";
    const int start = hasConstant ? 1 : 0;
    if (n == 1 && hasConstant) {
        return constant; // the whole polynomial is a constant, 1 and -1 included
    }
    std::string text = constant == "-1" ? "-" : constant == "1" ? "" : constant;

    // The factors x come right after the constant and are written as one power.
    int xCount = 0;
    for (int k = 0; k < n; ++k) {
        if (PolyIsX(list[k])) {
            ++xCount;
        }
    }
    if (xCount > 0) {
        text += letter;
        AppendPower(text, count[start]);
    }

    for (int k = start + xCount; k < n; ++k) {
        if (count[k] == 0) {
            continue;
        }
        const std::string factor = PolyToTextVar(list[k], letter);
        text += n > 1 ? "( " + factor + " )" : factor;
        AppendPower(text, count[k]);
    }
    return text;
}

TInsuuForm::TInsuuForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TInsuuForm", QStringLiteral("因数分解"), QSize(625, 129), -60, 0) {
    constexpr int kCentre = 44;
    const QFont letter = AntiquaFont(40);

    int x = 8;
    CoefficientRow(x, kCentre, Edits, QStringLiteral("x"), letter, 12);
    RowLabel(x, kCentre, QStringLiteral("="), GothicFont(27, true));
    EditAns = RowEdit(x, kCentre, "EditAns", 200, kAnswerText);

    QPushButton* clear = AddButton("ClearButton", QStringLiteral("クリア"), QRect(382, 96, 75, 25));
    QPushButton* calc = AddButton("CalcButton", QStringLiteral("計算"), QRect(462, 96, 75, 25));
    QPushButton* close = AddCloseButton(QRect(542, 96, 75, 25), [this] { ClearFields(); });

    SetTabOrder({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0], EditAns, clear, calc, close});
    OnClick(calc, [this] { CalcButtonClick(); });
    OnClick(clear, [this] { ClearButtonClick(); });
    // Every Enter recalculates with the fields filled so far; the one in the
    // constant term then leaves the focus on the Clear button.
    for (int i = 4; i >= 1; --i) {
        OnEnter(Edits[i], [this] {
            FocusSteps(1);
            CalcButtonClick();
        });
    }
    OnEnter(Edits[0], [this] {
        FocusSteps(1);
        CalcButtonClick();
        FocusSteps(1);
    });
}

void TInsuuForm::CalcButtonClick() {
    const TPolynomial p = ReadCoefficients(Edits);
    if (PolyIsZero(p)) {
        WarningBox(kZeroCoefficientsText, this);
        return;
    }
    TFactorList factors;
    PolyFactor(p, factors);
    SetField(EditAns, FactorListToText(factors, 'x'));
}

void TInsuuForm::ClearFields() {
    ClearEdits({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0]});
    ResetAnswers({EditAns});
}

void TInsuuForm::ClearButtonClick() {
    ClearFields();
    FocusSteps(3);
}
