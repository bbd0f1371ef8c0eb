// SPDX-License-Identifier: GPL-3.0-or-later
// One calculation as the answer board shows it and lists it in its history.
#pragma once

#include "Notation.h"

#include <QString>

#include <optional>

struct TBoardEntry {
    QString Window;                      // the title of the window it was made in
    arith::TMath Problem;                // as the fields put it
    std::optional<arith::TMath> Answer;  // empty when the calculation failed or stopped
    QString Message;                     // why it failed or stopped; empty with an answer
    QString Text;                        // the answer as the fields hold it, one line per field
    std::optional<arith::TMath> Working; // how the answer is reached, where the window shows it
};
