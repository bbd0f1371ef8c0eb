// SPDX-License-Identifier: GPL-3.0-or-later
// The program as `vorantel` runs it: the command line (--help, --version,
// --solve) or the application with its main window.
#pragma once

#include <functional>

class QWidget;

// Runs the program to its end and returns its exit status. `beforeShow`, if
// given, is handed the main window once it is made, before it is shown (a
// timing probe watches it there).
int RunProgram(int argc, char* argv[], const std::function<void(QWidget*)>& beforeShow = {});
