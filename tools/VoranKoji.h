// SPDX-License-Identifier: GPL-3.0-or-later
// The window "高次方程式": the roots of a x^4 + b x^3 + c x^2 + d x + e = 0
// that factoring finds, rational ones from linear factors and the others
// from quadratic factors by the root formula.
#pragma once

#include "ToolForm.h"

#include <array>

class QLineEdit;

class TKojiForm : public ToolForm {
    Q_OBJECT

public:
    explicit TKojiForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();

    std::array<QLineEdit*, 5> Edits{}; // Edits[i] is Edit<i>, the coefficient of x^i
    QLineEdit* EditAns = nullptr;
};
