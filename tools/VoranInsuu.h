// SPDX-License-Identifier: GPL-3.0-or-later
// The window "因数分解": factors a polynomial of degree at most 4 and writes
// the factored form.
#pragma once

#include "ToolForm.h"

#include <array>

class QLineEdit;

class TInsuuForm : public ToolForm {
    Q_OBJECT

public:
    explicit TInsuuForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    std::array<QLineEdit*, 5> Edits{}; // Edits[i] is Edit<i>, the coefficient of x^i
    QLineEdit* EditAns = nullptr;
};
