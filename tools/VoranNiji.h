// The window "２次方程式" (not built yet: an empty window with its caption),
// and the root formula with its text, which other windows use too.
#pragma once

#include "Polynomial.h"
#include "ToolForm.h"

#include <cstdint>
#include <string>

// The roots (P + Q·√R)/D and (P − Q·√R)/D; R square-free, negative for complex roots.
struct TQuadRoots {
    std::int32_t P = 0;
    std::int32_t Q = 1;
    std::int32_t R = 0;
    std::int32_t D = 1;
};

TQuadRoots QuadFormula(TPolynomial p);
// One root as text: the first root (P + Q·√R)/D, or the second (P − Q·√R)/D.
std::string QuadRootText(const TQuadRoots& roots, bool first);
// Both roots: "first , second".
std::string QuadRootsToText(const TQuadRoots& roots);

class TNijiForm : public ToolForm {
    Q_OBJECT

public:
    explicit TNijiForm(QWidget* mainWindow);
};
