// SPDX-License-Identifier: GPL-3.0-or-later
// The window "順列・組合せ": n!, nPr and nCr as long decimal integers, written
// in full up to 500 digits and as "overflow" beyond.
#pragma once

#include "ToolForm.h"

class QLineEdit;

class TJunretuForm : public ToolForm {
    Q_OBJECT

public:
    explicit TJunretuForm(QWidget* mainWindow);

private:
    void ClearButtonClick();
    void ClearFields();

    QLineEdit* KaijoEdit = nullptr;
    QLineEdit* P1Edit = nullptr;
    QLineEdit* P2Edit = nullptr;
    QLineEdit* C1Edit = nullptr;
    QLineEdit* C2Edit = nullptr;
    QLineEdit* AnsKaijoEdit = nullptr;
    QLineEdit* AnsPEdit = nullptr;
    QLineEdit* AnsCEdit = nullptr;
};
