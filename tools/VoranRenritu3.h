// The window "3元1次方程式": three linear equations in x, y and z, solved
// exactly through the adjugate of the coefficient matrix.
#pragma once

#include "Rational.h"
#include "ToolForm.h"

#include <array>

class QLineEdit;

class TRenritu3Form : public ToolForm {
    Q_OBJECT

public:
    explicit TRenritu3Form(QWidget* mainWindow);

    // The inverse of the 3x3 matrix given row by row; all nine entries are
    // 0/1 when the determinant is zero.
    static std::array<TRational, 9> InvertMatrix3(std::array<TRational, 9> a);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    // Row i holds the fields of equation i: x, y and z coefficients, right-hand side.
    std::array<std::array<QLineEdit*, 4>, 3> Edits;
    std::array<QLineEdit*, 3> Answers;
};
