// The window "連立方程式": a1 x + b1 y = c1, a2 x + b2 y = c2, solved exactly
// through the inverse of the coefficient matrix.
#pragma once

#include "Rational.h"
#include "ToolForm.h"

#include <array>

class QLineEdit;

class TRenrituForm : public ToolForm {
    Q_OBJECT

public:
    explicit TRenrituForm(QWidget* mainWindow);

    // The inverse of the matrix (a1, b1, a2, b2), row by row; all four
    // entries are 0/1 when the determinant is zero.
    static std::array<TRational, 4> InvertMatrix2(std::array<TRational, 4> m);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    QLineEdit* EditX1;
    QLineEdit* EditY1;
    QLineEdit* EditA1;
    QLineEdit* EditX2;
    QLineEdit* EditY2;
    QLineEdit* EditA2;
    QLineEdit* EditAnsX;
    QLineEdit* EditAnsY;
};
