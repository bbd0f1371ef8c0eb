// The window "連立方程式": a1 x + b1 y = c1, a2 x + b2 y = c2, solved exactly.
#pragma once

#include "LinearSystem.h"
#include "ToolForm.h"

class QLineEdit;

// The answer of a system without a unique solution: "解なし" when it has no
// solution, "不定" when it has infinitely many.
QString SingularText(TSolutionKind kind);

class TRenrituForm : public ToolForm {
    Q_OBJECT

public:
    explicit TRenrituForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    QLineEdit* EditX1;
    QLineEdit* EditY1;
    QLineEdit* EditA1;
    QLineEdit* EditX2;
    QLineEdit* EditY2;
    QLineEdit* EditA2;
    QLineEdit* EditAnsX;
    QLineEdit* EditAnsY;
};
