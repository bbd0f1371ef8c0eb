// SPDX-License-Identifier: GPL-3.0-or-later
// `vorantel --solve`: one window's calculation without a display, printed as
// the UI-script runner prints the same calculation.
//
//   vorantel --solve W FIELD=TEXT ... [--click C ...] [--board]
//
// W is a window's class name (TNijiForm, ...), each FIELD one of its fields,
// set to TEXT on the window as it is first shown. Each C is a radio button to
// check or a command button to click, in order (CalcButton, or the window's
// first command, when none is named). Each click of a command prints every
// message as "message [CAPTION] ICON: TEXT", then every answer field of the
// mode as "W.C = TEXT" in the window's reading order, and "focus W.C" after a
// stop on a field that could not be read. With --board the answer board's
// lines follow: "board window=… problem=… answer=…", "working …" and the
// "graph …" lines.
//
//   vorantel --formula TEXT [--board]
//
// recognises TEXT as a problem typed on the launcher's formula line and
// prints what --solve prints for the window, fields, radio buttons and
// command it was recognised as. A line that is not recognised prints its
// message, as above, and "position N", the place it points at (0: the line
// as a whole), and ends with status 1.
//
//   vorantel --solve-script FILE
//
// runs the calculations of a UI script without the windows and prints what
// the runner prints for them: the commands show, click, set, select, print,
// board, working, working-tree and graph on the tool windows, and click
// TMainForm.BoardMenu (the board shows entries once it is opened); set, type,
// print and key Enter on TMainForm.FormulaEdit, the launcher's formula line,
// where Enter calculates the line as --formula does. Clear
// gives the fields back their first texts and keeps the modes. Any other
// command is an error.
#pragma once

#include <optional>

// Runs --solve, --formula or --solve-script when argv[1] is that option and gives the exit status:
// 0, or 2 for a window, field or control that does not exist or a bad command line. Gives nothing
// for any other command line.
std::optional<int> RunSolveCommand(int argc, char* argv[]);
