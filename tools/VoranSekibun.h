// SPDX-License-Identifier: GPL-3.0-or-later
// The window "定積分": the definite integral of a polynomial of degree at most
// 5 between two fraction limits, exactly.
#pragma once

#include "ToolForm.h"

#include <array>

class QLineEdit;

class TSekibunForm : public ToolForm {
    Q_OBJECT

public:
    explicit TSekibunForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();

    QLineEdit* Jotan = nullptr; // upper limit
    QLineEdit* Katan = nullptr; // lower limit
    // Coefficient fields by power of x, 0 to 5.
    std::array<QLineEdit*, 6> Edits{};
    QLineEdit* EditAns = nullptr;
};
