// The window "整式の四則演算": two polynomials f(x) and g(x) of degree at most
// five, and eight operations on them (sum, difference, product, quotient and
// remainder, power, substitution, gcd, lcm), each with its own button.
#pragma once

#include "Polynomial.h"
#include "ToolForm.h"

#include <array>
#include <cstdint>
#include <string>

class QLineEdit;

class TEnzanForm : public ToolForm {
    Q_OBJECT

public:
    explicit TEnzanForm(QWidget* mainWindow);

    // The answer of the power button for f(x)^n. A constant f is raised
    // exactly in long integers and answers "overflow" once its numerator or
    // denominator passes 500 digits; 0 with a negative n throws
    // ZeroDivideError. Any other f gives its polynomial power, written
    // "1/(...)" for a negative n; a degree above 10 throws DegreeError.
    static std::string PowerText(const TPolynomial& f, std::int32_t n);
    // The gcd and lcm in factored form, as "( x-2 )( x+2 )"; a zero f or g
    // throws ZeroDivideError.
    static std::string GcdText(const TPolynomial& f, const TPolynomial& g);
    static std::string LcmText(const TPolynomial& f, const TPolynomial& g);

private:
    void ReadFG(TPolynomial& f, TPolynomial& g) const;
    // Reads f and g, applies a sum, difference or product, and writes the result.
    void ShowFG(void (*operation)(TPolynomial, TPolynomial, TPolynomial&));

    void AddSButtonClick();
    void SubSButtonClick();
    void MulSButtonClick();
    void DivSButtonClick();
    void PowerSButtonClick();
    void EnterSButtonClick();
    void GcdSButtonClick();
    void LcmSButtonClick();
    void ClearButtonClick();

    // Coefficient fields indexed by the power of x: EditF[5] is EditF5.
    std::array<QLineEdit*, 6> EditF;
    std::array<QLineEdit*, 6> EditG;
    QLineEdit* EditAns;
};
