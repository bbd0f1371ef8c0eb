// The window "微分": for f(x) of degree at most 4, the derivative value at
// x = a, the tangent line at x = a, or the extrema of a quadratic or cubic,
// chosen by three radio buttons.
#pragma once

#include "Polynomial.h"
#include "ToolForm.h"

#include <array>
#include <string>
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

    // Enables the controls of one mode and greys out the others; no text changes.
    void SetMode(Mode mode);
    Mode CurrentMode() const;

    void CalcButtonClick();
    void ClearButtonClick();
    void ShowDerivativeValue(TPolynomial f, TPolynomial a);
    void ShowTangentLine(TPolynomial f, TPolynomial a);
    void ShowExtrema(TPolynomial f);
    void WriteExtrema(const std::string& bigX, const std::string& bigY, const std::string& smallX,
                      const std::string& smallY);

    // Coefficient fields by power of x, 0 to 4.
    std::array<QLineEdit*, 5> Edits;
    QLineEdit* EditX;
    QLineEdit* EditDX;
    QLineEdit* EditAnsK;
    QLineEdit* EditAnsS;
    QLineEdit* EditAnsBigX;
    QLineEdit* EditAnsBigY;
    QLineEdit* EditAnsSmallX;
    QLineEdit* EditAnsSmallY;

    // One entry per mode: its radio button, its group box, the labels and
    // the fields inside the group that the mode switches.
    std::array<QRadioButton*, 3> Radios;
    std::array<QGroupBox*, 3> Groups;
    std::array<std::vector<QLabel*>, 3> GroupLabels;
    std::array<std::vector<QLineEdit*>, 3> GroupEdits;
    // The labels of the formula row that the extrema mode greys out.
    std::vector<QLabel*> RowLabels;
};
