// SPDX-License-Identifier: GPL-3.0-or-later
// A board entry as lines of plain text, as the UI scripts print the board:
// the working in plain Unicode, its formula tree, and the graph's summary.
// The UI-script runner prints what the board shows with them, and
// `vorantel --solve` what the board would show.
#pragma once

#include "BoardEntry.h"

#include <QString>
#include <QStringList>

// A text on one line: each line break as "\n".
QString OneLineEscaped(const std::string& text);

// "board window=TITLE problem=TEXT answer=TEXT" for the entry.
QString BoardLine(const TBoardEntry& entry);
// "working TEXT", or "working none" for no entry or an entry without a working.
QString WorkingLine(const TBoardEntry* entry);
// "working-tree JSON", each part {"k": KIND, "t": TEXT, "p": [PARTS]}, or "working-tree none".
QString WorkingTreeLine(const TBoardEntry* entry);
// "graph x=… y=… curves=N marks=M bars=B notes=K" and a line for each mark,
// curve and note, or "graph none".
QStringList GraphLines(const TBoardEntry* entry);
