#include "VoranKoji.h"

#include "Fonts.h"
#include "MessageBoxes.h"
#include "VoranNiji.h"

#include <QLineEdit>
#include <QPushButton>

TKojiForm::TKojiForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TKojiForm", QStringLiteral("高次方程式"), QSize(717, 129), 20, 0) {
    constexpr int kCentre = 44;
    const QFont letter = AntiquaFont(40);
    const QFont equals = GothicFont(27, true);

    int x = 8;
    CoefficientRow(x, kCentre, Edits, QStringLiteral("x"), letter, 12);
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    RowLabel(x, kCentre, QStringLiteral("0"), CenturyFont(24, true));
    x += 16;
    RowLabel(x, kCentre, QStringLiteral("答"), GothicFont(19, true));
    RowLabel(x, kCentre, QStringLiteral("x"), letter);
    RowLabel(x, kCentre, QStringLiteral("="), equals);
    EditAns = RowEdit(x, kCentre, "EditAns", 150, kAnswerText);

    QPushButton* clear = AddButton("ClearButton", QStringLiteral("クリア"), QRect(474, 96, 75, 25));
    QPushButton* calc = AddButton("CalcButton", QStringLiteral("計算"), QRect(554, 96, 75, 25));
    QPushButton* close = AddCloseButton(QRect(634, 96, 75, 25));

    SetTabOrder({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0], EditAns, clear, calc, close});
    OnClick(calc, [this] { CalcButtonClick(); });
    OnClick(clear, [this] { ClearButtonClick(); });
    EnterMovesOn({Edits[4], Edits[3], Edits[2], Edits[1]});
    OnEnter(Edits[0], [this] {
        FocusSteps(1);
        CalcButtonClick();
        FocusSteps(1);
    });
}

std::string TKojiForm::RootsText(const TFactorList& factors) {
    std::string text;
    const auto append = [&text](const std::string& roots) {
        text += text.empty() ? roots : " , " + roots;
    };
    for (int k = 0; k < kMaxFactors && !PolyIsZero(factors[k]); ++k) {
        const TPolynomial& factor = factors[k];
        if (k > 0 && PolyEqual(factor, factors[k - 1])) {
            continue; // equal factors stand side by side: a repeated root is listed once
        }
        if (factor.Degree == 1) {
            append(LinearRootText(factor));
        } else if (factor.Degree == 2) {
            append(QuadRootsToText(QuadFormula(factor)));
        }
    }
    return text;
}

void TKojiForm::CalcButtonClick() {
    const TPolynomial p = ReadCoefficients(Edits);
    if (PolyIsZero(p)) {
        WarningBox(kZeroCoefficientsText, this);
        return;
    }
    TFactorList factors;
    PolyFactor(p, factors);
    SetField(EditAns, RootsText(factors));
}

void TKojiForm::ClearButtonClick() {
    ClearEdits({Edits[4], Edits[3], Edits[2], Edits[1], Edits[0]});
    ResetAnswers({EditAns});
    FocusSteps(3);
}
