// SPDX-License-Identifier: GPL-3.0-or-later
// The window "内分・外分": the point dividing AB internally or externally in
// the ratio m : n, or the straight line through A and B.
#pragma once

#include "ToolForm.h"

#include <array>

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
        QGroupBox* Group = nullptr;
        QLineEdit* AnsX = nullptr;
        QLineEdit* AnsY = nullptr;
    };

    // The rows of the window, top to bottom.
    void BuildInputRow();
    void BuildModes();
    // names: the group box, "(", the x field, ",", the y field, ")".
    PointGroup BuildPointGroup(int column, const std::array<const char*, 6>& names);

    void CalcButtonClick();
    void ClearButtonClick();
    // Enables the controls of the chosen mode and shades the rest grey.
    void SetMode(Mode mode);

    QLineEdit* EditX1 = nullptr;
    QLineEdit* EditY1 = nullptr;
    QLineEdit* EditX2 = nullptr;
    QLineEdit* EditY2 = nullptr;
    QLineEdit* EditM = nullptr;
    QLineEdit* EditN = nullptr;
    QLabel* LabelKoron = nullptr;
    QRadioButton* RadioNaibun = nullptr;
    QRadioButton* RadioGaibun = nullptr;
    QRadioButton* RadioChokusen = nullptr;
    PointGroup Naibun;
    PointGroup Gaibun;
    QGroupBox* GroupChokusen = nullptr;
    QLabel* LabelY = nullptr;
    QLineEdit* EditAnsC = nullptr;
};
