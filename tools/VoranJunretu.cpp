#include "VoranJunretu.h"

#include "BigNum.h"
#include "Fonts.h"
#include "IntText.h"
#include "MessageBoxes.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kAnswerDigits = 500;
const std::string kOverflowText = "overflow";
const QString kBadInput = QStringLiteral("入力が間違っています");

// n (n-1) ... (n-count+1) for n >= count >= 0, or "overflow" as soon as the
// running product passes 500 digits; every factor is at least 1, so the
// product never shrinks and at most a few hundred factors are multiplied.
// A running value of 500 digits times a factor below 2^31 fits the record.
std::string FallingProduct(std::int32_t n, std::int32_t count) {
    TBigNum t = BigFromText("1");
    for (std::int32_t k = 0; k < count; ++k) {
        BigMulInt(t, n - k);
        if (BigDigits(t) > kAnswerDigits) {
            return kOverflowText;
        }
    }
    return BigToText(t);
}

// C(n, r) for n >= r >= 0 through C(n, i) = C(n, i-1) (n-i+1) / i with
// i up to min(r, n-r): the running values grow up to the answer, so the
// first one beyond 500 digits means the answer is too. Consecutive steps are
// taken at once while their factors multiply within 31 bits; the quotient
// after each batch is the exact C(n, i) of its last step.
std::string Binomial(std::int32_t n, std::int32_t r) {
    constexpr std::int64_t kLargest = INT32_MAX;
    const std::int32_t steps = std::min(r, n - r);
    TBigNum t = BigFromText("1");
    for (std::int32_t i = 1; i <= steps;) {
        std::int64_t up = n - i + 1;
        std::int64_t down = i;
        for (++i; i <= steps && up * (n - i + 1) <= kLargest && down * i <= kLargest; ++i) {
            up *= n - i + 1;
            down *= i;
        }
        BigMulInt(t, static_cast<std::int32_t>(up));
        BigDivInt(t, static_cast<std::int32_t>(down));
        if (BigDigits(t) > kAnswerDigits) {
            return kOverflowText;
        }
    }
    return BigToText(t);
}

} // namespace

TJunretuForm::TJunretuForm(QWidget* mainWindow)
    : ToolForm(mainWindow, "TJunretuForm", QStringLiteral("順列・組合せ"), QSize(638, 233), -20,
               20) {
    const QFont operatorFont = FixedGothicFont(40);
    const QFont equals = GothicFont(40);
    constexpr int kLeft = 16;
    constexpr int kCell = 49;
    const int centres[3] = {36, 98, 160};

    // Each row reads as its formula; the "=" and the answers line up in one column.
    struct RowSpec {
        QLineEdit** first;
        const char* firstName;
        const char* buttonName;
        const char* caption;
        QLineEdit** second;
        const char* secondName;
        QLineEdit** answer;
        const char* answerName;
    };
    const RowSpec rows[3] = {
        {&KaijoEdit, "KaijoEdit", "KaijoButton", "!", nullptr, nullptr, &AnsKaijoEdit,
         "AnsKaijoEdit"},
        {&P1Edit, "P1Edit", "PButton", "P", &P2Edit, "P2Edit", &AnsPEdit, "AnsPEdit"},
        {&C1Edit, "C1Edit", "CButton", "C", &C2Edit, "C2Edit", &AnsCEdit, "AnsCEdit"},
    };
    QPushButton* buttons[3];
    for (int row = 0; row < 3; ++row) {
        const RowSpec& spec = rows[row];
        const int centre = centres[row];
        int x = kLeft;
        *spec.first = RowEdit(x, centre, spec.firstName, kCell);
        buttons[row] = AddButton(spec.buttonName, QString::fromLatin1(spec.caption),
                                 QRect(x, centre - kCell / 2, kCell, kCell));
        buttons[row]->setFont(operatorFont);
        x += kCell + 2;
        if (spec.second != nullptr) {
            *spec.second = RowEdit(x, centre, spec.secondName, kCell);
        }
        x = kLeft + 3 * (kCell + 2) + 6;
        RowLabel(x, centre, QStringLiteral("="), equals);
        *spec.answer = RowEdit(x, centre, spec.answerName, 400, kAnswerText);
    }

    QPushButton* clear =
        AddButton("ClearButton", QStringLiteral("クリア"), QRect(474, 200, 75, 25));
    QPushButton* close = AddCloseButton(QRect(555, 200, 75, 25), [this] { ClearFields(); });

    SetTabOrder({KaijoEdit, buttons[0], AnsKaijoEdit, P1Edit, buttons[1], P2Edit, AnsPEdit, C1Edit,
                 buttons[2], C2Edit, AnsCEdit, clear, close});

    const auto factorial = [this] { SetField(AnsKaijoEdit, FactorialText(FieldText(KaijoEdit))); };
    const auto permutations = [this] {
        SetField(AnsPEdit, PermutationsText(FieldText(P1Edit), FieldText(P2Edit)));
    };
    const auto combinations = [this] {
        SetField(AnsCEdit, CombinationsText(FieldText(C1Edit), FieldText(C2Edit)));
    };
    OnClick(buttons[0], factorial);
    OnClick(buttons[1], permutations);
    OnClick(buttons[2], combinations);
    OnEnter(KaijoEdit, factorial);
    OnEnter(P2Edit, permutations);
    OnEnter(C2Edit, combinations);
    for (QLineEdit* first : {P1Edit, C1Edit}) {
        OnEnter(first, [this] { FocusSteps(2); });
    }
    OnClick(clear, [this] { ClearButtonClick(); });
}

std::string TJunretuForm::FactorialText(const std::string& text) {
    const std::int32_t n = IntFromText(text);
    if (n < 0) {
        WarningBox(kBadInput, this);
        return kAnswerText.toStdString();
    }
    return FallingProduct(n, n);
}

std::string TJunretuForm::PermutationsText(const std::string& nText, const std::string& rText) {
    const std::int32_t n = IntFromText(nText);
    const std::int32_t r = IntFromText(rText);
    if (n <= 0 || r <= 0 || n < r) {
        WarningBox(kBadInput, this);
        return kAnswerText.toStdString();
    }
    return FallingProduct(n, r);
}

std::string TJunretuForm::CombinationsText(const std::string& nText, const std::string& rText) {
    const std::int32_t n = IntFromText(nText);
    const std::int32_t r = IntFromText(rText);
    if (n <= 0 || r <= 0 || n < r) {
        WarningBox(kBadInput, this);
        return kAnswerText.toStdString();
    }
    return Binomial(n, r);
}

void TJunretuForm::ClearFields() {
    ClearEdits({KaijoEdit, P1Edit, P2Edit, C1Edit, C2Edit});
    ResetAnswers({AnsKaijoEdit, AnsPEdit, AnsCEdit});
}

void TJunretuForm::ClearButtonClick() {
    ClearFields();
    FocusSteps(2);
}
