// The window "∑": the sum of f3 k^3 + f2 k^2 + f1 k + f0 for k from a number
// to a number or a polynomial in n, from closed-form power sums.
#pragma once

#include "Polynomial.h"
#include "ToolForm.h"

#include <array>

class QLineEdit;

class TSigmaForm : public ToolForm {
    Q_OBJECT

public:
    explicit TSigmaForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    QLineEdit* kEndEdit;
    QLineEdit* kBeginEdit;
    // Coefficient fields by power of k, 0 to 3.
    std::array<QLineEdit*, 4> Edits;
    QLineEdit* EditAns;

    // PowerSums[p] is the sum of k^p for k = 1 to n, as a polynomial in n.
    std::array<TPolynomial, 4> PowerSums;
};
