// SPDX-License-Identifier: GPL-3.0-or-later
// `vorantel --graph-check`: loads the graph library as the answer board does
// and draws one graph (x² − x − 1 = 0) offscreen, without a display. Prints
//   graph-check ok image=WxH load_ms=L draw_ms=D
// (the picture's size, the time to load the library and the time to draw)
// and ends with 0, or prints the board's message and ends with 1. The
// package test runs it on the unpacked program; it is not in --help.
#pragma once

#include <optional>

// Runs the check when argv[1] is --graph-check and gives the exit status;
// gives nothing for any other command line.
std::optional<int> RunGraphCheck(int argc, char* argv[]);
