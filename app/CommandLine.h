// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does before it opens a window: the options that only
// print, and the check that there is a display to open windows on. Nothing
// here needs the toolkit or a display. The texts are English: they appear in
// a terminal, which may be a text console without Japanese glyphs.
#pragma once

#include <optional>
#include <string>

// Handles the command line before the application starts: --help and
// --version print to standard output and end with status 0; without a
// display to open windows on (no DISPLAY, no WAYLAND_DISPLAY and no platform
// chosen through QT_QPA_PLATFORM or -platform) a message goes to standard
// error and the status is 1. Gives nothing when the program should start.
std::optional<int> RunCommandLine(int argc, char* argv[]);

// The message for no display, or for one that could not be opened, naming
// the settings that were tried.
std::string NoDisplayText();
