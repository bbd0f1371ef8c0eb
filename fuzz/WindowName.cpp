// SPDX-License-Identifier: GPL-3.0-or-later
// The window that this fuzz target drives, set per target by the build.
extern const char* const kFuzzWindow;
const char* const kFuzzWindow = FUZZ_WINDOW;
