// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormulaWindow.h"

#include <string>

const TWindowEntry* FormulaWindow(const problems::TFormulaProblem& problem) {
    if (const TWindowEntry* entry = FindWindow(problem.Window)) {
        return entry;
    }
    // VoranNiji is the unit of TNijiForm.
    const std::string unit = "Voran";
    if (problem.Window.rfind(unit, 0) != 0) {
        return nullptr;
    }
    std::string className = "T";
    className += problem.Window.substr(unit.size());
    className += "Form";
    return FindWindow(className);
}
