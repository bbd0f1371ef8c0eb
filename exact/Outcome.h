// SPDX-License-Identifier: GPL-3.0-or-later
// The result of a calculation that a window check may stop: the answer, or
// the warning that stopped it, together with the warnings that let it go on.
#pragma once

#include "Messages.h"

#include <optional>
#include <utility>
#include <vector>

namespace arith {

template <typename T> struct TOutcome {
    std::vector<TWarning> Warnings; // in the order the user sees them
    std::optional<T> Answer;        // empty when the last warning stopped the calculation

    TOutcome(T answer) : Answer(std::move(answer)) {} // NOLINT: an answer is an outcome
    TOutcome(TWarning stop) : Warnings{stop} {}       // NOLINT: so is a stopping warning
};

} // namespace arith
