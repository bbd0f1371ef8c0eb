// The window "内分・外分": the point dividing AB internally or externally in
// the ratio m : n, or the straight line through A and B.
#pragma once

#include "ToolForm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TNaibunForm : public ToolForm {
    Q_OBJECT

public:
    explicit TNaibunForm(QWidget* mainWindow);

private:
    enum class Mode { Naibun, Gaibun, Chokusen };

    // The answer group of one division mode: "(" x "," y ")".
    struct PointGroup {
        QGroupBox* Group;
        QLineEdit* AnsX;
        QLineEdit* AnsY;
    };

    void CalcButtonClick();
    void ClearButtonClick();
    // Enables the controls of the chosen mode and shades the rest grey.
    void SetMode(Mode mode);

    QLineEdit* EditX1;
    QLineEdit* EditY1;
    QLineEdit* EditX2;
    QLineEdit* EditY2;
    QLineEdit* EditM;
    QLineEdit* EditN;
    QLabel* LabelKoron;
    QRadioButton* RadioNaibun;
    QRadioButton* RadioGaibun;
    QRadioButton* RadioChokusen;
    PointGroup Naibun;
    PointGroup Gaibun;
    QGroupBox* GroupChokusen;
    QLabel* LabelY;
    QLineEdit* EditAnsC;
};
