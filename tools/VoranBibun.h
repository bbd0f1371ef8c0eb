// SPDX-License-Identifier: GPL-3.0-or-later
// The window "微分": for f(x) of degree at most 4, the derivative value at
// x = a, the tangent line at x = a, or the extrema of a quadratic or cubic,
// chosen by three radio buttons.
#pragma once

#include "ToolForm.h"

#include <array>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TBibunForm : public ToolForm {
    Q_OBJECT

public:
    explicit TBibunForm(QWidget* mainWindow);

private:
    // The modes in the order of their radio buttons.
    enum class Mode { Keisuu, Sessen, Kyokuchi };

    // The rows of the window, top to bottom.
    void BuildFormulaRow();
    void BuildModes();
    void BuildKeisuuGroup();
    void BuildSessenGroup();
    void BuildKyokuchiGroup();
    // The state as the window is designed: the derivative-value mode on.
    void SetInitialState();

    // Enables the controls of one mode and greys out the others; no text changes.
    void SetMode(Mode mode);
    Mode CurrentMode() const;

    void CalcButtonClick();
    void ClearButtonClick();

    // Coefficient fields by power of x, 0 to 4.
    std::array<QLineEdit*, 5> Edits{};
    QLineEdit* EditX = nullptr;
    QLineEdit* EditDX = nullptr;
    QLineEdit* EditAnsK = nullptr;
    QLineEdit* EditAnsS = nullptr;
    QLineEdit* EditAnsBigX = nullptr;
    QLineEdit* EditAnsBigY = nullptr;
    QLineEdit* EditAnsSmallX = nullptr;
    QLineEdit* EditAnsSmallY = nullptr;

    // One entry per mode: its radio button, its group box, the labels and
    // the fields inside the group that the mode switches.
    std::array<QRadioButton*, 3> Radios{};
    std::array<QGroupBox*, 3> Groups{};
    std::array<std::vector<QLabel*>, 3> GroupLabels;
    std::array<std::vector<QLineEdit*>, 3> GroupEdits;
    // The labels of the formula row that the extrema mode greys out.
    std::vector<QLabel*> RowLabels;
};
