// SPDX-License-Identifier: GPL-3.0-or-later
// The window "不定方程式": integer solutions of a x + b y = c or a x - b y = c,
// one of them or all of them with an integer parameter n.
#pragma once

#include "ToolForm.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class THuteiForm : public ToolForm {
    Q_OBJECT

public:
    explicit THuteiForm(QWidget* mainWindow);

private:
    // The rows of the window, top to bottom; answer group i is 0 (one
    // solution) or 1 (all solutions).
    void BuildEquationRow();
    void BuildModes();
    void BuildAnswerGroup(int i, const char* name, const char* exampleName, int fieldWidth,
                          const std::array<const char*, 4>& labelNames);

    void CalcButtonClick();
    void ClearButtonClick();
    // Enables the answer group of the chosen mode and shades the other grey.
    void SetMode(bool all);

    QLineEdit* xEdit = nullptr;
    QLineEdit* yEdit = nullptr;
    QLineEdit* zEdit = nullptr;
    QRadioButton* PlusItem = nullptr;  // item 0 "＋" of RadioGroup1
    QRadioButton* MinusItem = nullptr; // item 1 "－"
    QRadioButton* OneRadio = nullptr;
    QRadioButton* AllRadio = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLineEdit* xAnsEdit1 = nullptr;
    QLineEdit* yAnsEdit1 = nullptr;
    QLineEdit* xAnsEdit2 = nullptr;
    QLineEdit* yAnsEdit2 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* GroupLabels[2][4]{}; // Label1, 2, 4, 5 and Label6, 7, 8, 9
};
