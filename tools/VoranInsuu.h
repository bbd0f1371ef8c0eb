// The window "因数分解" (not built yet: an empty window with its caption), and
// the text of a factor list, which other windows use too.
#pragma once

#include "PolyFactor.h"
#include "ToolForm.h"

#include <string>

// A factor list as PolyFactor fills it, written as "2( x-1 )( x+1 )" in the given letter.
std::string FactorListToText(const TFactorList& list, char letter);

class TInsuuForm : public ToolForm {
    Q_OBJECT

public:
    explicit TInsuuForm(QWidget* mainWindow);
};
