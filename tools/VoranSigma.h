// SPDX-License-Identifier: GPL-3.0-or-later
// The window "∑": the sum of f3 k^3 + f2 k^2 + f1 k + f0 for k from a number
// to a number or a polynomial in n, from closed-form power sums.
#pragma once

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

    QLineEdit* kEndEdit = nullptr;
    QLineEdit* kBeginEdit = nullptr;
    // Coefficient fields by power of k, 0 to 3.
    std::array<QLineEdit*, 4> Edits{};
    QLineEdit* EditAns = nullptr;
};
