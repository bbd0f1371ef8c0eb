// The window "２次方程式": solves a x^2 + b x + c = 0 exactly; and the root
// formula with its text, which other windows use too.
#pragma once

#include "Polynomial.h"
#include "ToolForm.h"

#include <array>
#include <cstdint>
#include <string>

class QLineEdit;

// The roots (P + Q·√R)/D and (P − Q·√R)/D; R square-free, negative for complex roots.
struct TQuadRoots {
    std::int32_t P = 0;
    std::int32_t Q = 1;
    std::int32_t R = 0;
    std::int32_t D = 1;
};

// The roots of a p of degree 2, exact: OverflowError when the integer
// coefficients or a result do not fit in 32 bits, ZeroDivideError for degree below 2.
TQuadRoots QuadFormula(TPolynomial p);
// One root as text: the first root (P + Q·√R)/D, or the second (P − Q·√R)/D.
std::string QuadRootText(const TQuadRoots& roots, bool first);
// Both roots: "first , second".
std::string QuadRootsToText(const TQuadRoots& roots);
// The root of a linear factor p1 x + p0: "2" for x - 2, "-1/2" for 2x + 1.
std::string LinearRootText(const TPolynomial& factor);

class TNijiForm : public ToolForm {
    Q_OBJECT

public:
    explicit TNijiForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    std::array<QLineEdit*, 3> Edits{}; // Edits[i] is Edit<i>, the coefficient of x^i
    QLineEdit* EditAns = nullptr;
};
