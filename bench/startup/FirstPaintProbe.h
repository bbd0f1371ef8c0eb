// SPDX-License-Identifier: GPL-3.0-or-later
// A start-up probe for timing a program from outside. When the environment
// variable VORANTEL_FIRST_PAINT is set (to a number of milliseconds), the first
// paint of the watched window prints one line to stdout,
//   first_paint main_ns=M paint_ns=P hwm_kb=K
// M and P being the monotonic clock (CLOCK_MONOTONIC, in ns) on entering
// main() and at that paint, K the peak resident memory up to that paint,
// and the program ends that many milliseconds later. The caller reads the
// same clock when it starts the process. Only the toolkit is used, so that
// the minimal program measures itself in exactly the same way as the program.
#pragma once

#include <cstdint>

class QWidget;

// The monotonic clock now, in ns.
std::int64_t MonotonicNs();
// The peak resident memory of the process so far (VmHWM) in kB, -1 if unknown.
long PeakResidentKb();
// Watches `window` when VORANTEL_FIRST_PAINT is set; does nothing otherwise.
// mainNs is MonotonicNs() taken first thing in main().
void WatchFirstPaint(QWidget* window, std::int64_t mainNs);
