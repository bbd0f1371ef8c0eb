// SPDX-License-Identifier: GPL-3.0-or-later
// The window "整式の四則演算": two polynomials f(x) and g(x) of degree at most
// five, and eight operations on them (sum, difference, product, quotient and
// remainder, power, substitution, gcd, lcm), each with its own button.
#pragma once

#include "ToolForm.h"

#include <array>

class QLineEdit;

class TEnzanForm : public ToolForm {
    Q_OBJECT

public:
    explicit TEnzanForm(QWidget* mainWindow);

private:
    void ClearButtonClick();

    // Coefficient fields indexed by the power of x: EditF[5] is EditF5.
    std::array<QLineEdit*, 6> EditF{};
    std::array<QLineEdit*, 6> EditG{};
    QLineEdit* EditAns = nullptr;
};
