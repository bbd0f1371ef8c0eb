// SPDX-License-Identifier: GPL-3.0-or-later
// The window "3元1次方程式": three linear equations in x, y and z, solved exactly.
#pragma once

#include "ToolForm.h"

#include <array>

class QLineEdit;

class TRenritu3Form : public ToolForm {
    Q_OBJECT

public:
    explicit TRenritu3Form(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    // Row i holds the fields of equation i: x, y and z coefficients, right-hand side.
    std::array<std::array<QLineEdit*, 4>, 3> Edits{};
    std::array<QLineEdit*, 3> Answers{};
};
