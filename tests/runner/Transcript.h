// SPDX-License-Identifier: GPL-3.0-or-later
// The transcript a script run prints, and its check against the lines the
// script expects.
#pragma once

#include "Script.h"

#include <QString>

#include <cstdio>
#include <vector>

namespace runner {

// One printed line, with the script line of the command that printed it.
struct Printed {
    int line;
    QString text;
};

// Writes `text` and a line break as UTF-8, at once.
void WriteLine(FILE* stream, const QString& text);

// Compares the printed lines with the expected ones and reports every
// difference on standard error as FILE:line. Returns true when they are equal.
bool CheckTranscript(const Script& script, const std::vector<Printed>& printed);

} // namespace runner
