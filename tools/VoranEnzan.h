// SPDX-License-Identifier: GPL-3.0-or-later
// The window "整式の四則演算": two polynomials f(x) and g(x) of degree at most
// five, and eight operations on them (sum, difference, product, quotient and
// remainder, power, substitution, gcd, lcm), each with its own button.
#pragma once

#include "BoardNotation.h"
#include "Polynomial.h"
#include "ToolForm.h"

#include <array>
#include <string>
#include <utility>

class QLineEdit;

class TEnzanForm : public ToolForm {
    Q_OBJECT

public:
    explicit TEnzanForm(QWidget* mainWindow);

private:
    // Reads f and g for the operation, which names the problem.
    std::pair<arith::TPolynomial, arith::TPolynomial> ReadFG(arith::TOperation operation);
    // Reads f and g, applies a sum, difference, product or substitution, and writes the result.
    void ShowFG(arith::TOperation kind,
                void (*operation)(arith::TPolynomial, arith::TPolynomial, arith::TPolynomial&));

    void DivSButtonClick();
    void PowerSButtonClick();
    void GcdSButtonClick();
    void LcmSButtonClick();
    void ClearButtonClick();

    // Coefficient fields indexed by the power of x: EditF[5] is EditF5.
    std::array<QLineEdit*, 6> EditF{};
    std::array<QLineEdit*, 6> EditG{};
    QLineEdit* EditAns = nullptr;
};
