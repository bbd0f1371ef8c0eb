// SPDX-License-Identifier: GPL-3.0-or-later
// A probe for timing a user's first answer from outside. When the environment
// variable VORANTEL_FIRST_ANSWER holds a script
//   BUTTON;CALC;ANSWER;ITEM;ITEM...
// the program, once its main window has been painted and has stood for a
// moment (as long as a user's first click takes at the least), clicks the
// launcher's BUTTON (opening, and on first use creating, a tool window),
// then in that window sets each ITEM "NAME=TEXT" as an edit's text or clicks
// each ITEM "NAME" (a radio button), clicks CALC, clicks it once more, and
// prints one line,
//   first_answer open_ns=O calc_ns=C again_ns=A answer=TEXT
// O, C and A being how long the three clicks took and TEXT the edit ANSWER's
// text after the first calculation; then it opens the answer board from the
// launcher's menu and prints
//   board_open shown_ns=S painted_ns=P
// S being how long the menu entry took (making and showing the board) and P
// the time to the board's first paint (with the graph, where the calculation
// has one), and, where the board loaded the graph library for it,
//   graph_part load_ns=L
// L being how long the loading took; then it ends. Without the variable it does nothing.
#pragma once

class QWidget;

void ScriptFirstAnswer(QWidget* main);
