// The window "因数分解": factors a polynomial of degree at most 4 and writes
// the factored form; and the text of a factor list, which other windows use too.
#pragma once

#include "PolyFactor.h"
#include "ToolForm.h"

#include <array>
#include <string>

class QLineEdit;

// A factor list as PolyFactor fills it, written as "2( x-1 )( x+1 )" in the given letter.
std::string FactorListToText(const TFactorList& list, char letter);

class TInsuuForm : public ToolForm {
    Q_OBJECT

public:
    explicit TInsuuForm(QWidget* mainWindow);

private:
    void CalcButtonClick();
    void ClearButtonClick();
    void ClearFields();

    std::array<QLineEdit*, 5> Edits{}; // Edits[i] is Edit<i>, the coefficient of x^i
    QLineEdit* EditAns = nullptr;
};
