// SPDX-License-Identifier: GPL-3.0-or-later
// The window "２次方程式": solves a x^2 + b x + c = 0 exactly.
#pragma once

#include "ToolForm.h"

#include <array>

class QLineEdit;

class TNijiForm : public ToolForm {
    Q_OBJECT

public:
    explicit TNijiForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    std::array<QLineEdit*, 3> Edits{}; // Edits[i] is Edit<i>, the coefficient of x^i
    QLineEdit* EditAns = nullptr;
};
