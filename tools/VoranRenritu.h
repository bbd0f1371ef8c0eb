// SPDX-License-Identifier: GPL-3.0-or-later
// The window "連立方程式": a1 x + b1 y = c1, a2 x + b2 y = c2, solved exactly.
#pragma once

#include "ToolForm.h"

class QLineEdit;

class TRenrituForm : public ToolForm {
    Q_OBJECT

public:
    explicit TRenrituForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    QLineEdit* EditX1 = nullptr;
    QLineEdit* EditY1 = nullptr;
    QLineEdit* EditA1 = nullptr;
    QLineEdit* EditX2 = nullptr;
    QLineEdit* EditY2 = nullptr;
    QLineEdit* EditA2 = nullptr;
    QLineEdit* EditAnsX = nullptr;
    QLineEdit* EditAnsY = nullptr;
};
