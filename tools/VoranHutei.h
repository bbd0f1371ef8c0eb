// The window "不定方程式": integer solutions of a x + b y = c or a x - b y = c,
// one of them or all of them with an integer parameter n.
#pragma once

#include "ToolForm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class THuteiForm : public ToolForm {
    Q_OBJECT

public:
    explicit THuteiForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    // Enables the answer group of the chosen mode and shades the other grey.
    void SetMode(bool all);

    QLineEdit* xEdit;
    QLineEdit* yEdit;
    QLineEdit* zEdit;
    QRadioButton* PlusItem;  // item 0 "＋" of RadioGroup1
    QRadioButton* MinusItem; // item 1 "－"
    QRadioButton* OneRadio;
    QRadioButton* AllRadio;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QLineEdit* xAnsEdit1;
    QLineEdit* yAnsEdit1;
    QLineEdit* xAnsEdit2;
    QLineEdit* yAnsEdit2;
    QLabel* Label13;
    QLabel* Label11;
    QLabel* Label14;
    QLabel* GroupLabels[2][4]; // Label1, 2, 4, 5 and Label6, 7, 8, 9
};
