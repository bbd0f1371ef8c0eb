// SPDX-License-Identifier: GPL-3.0-or-later
// The program exactly as it ships, with the start-up probes watching its main
// window: VORANTEL_FIRST_PAINT (FirstPaintProbe.h) and VORANTEL_FIRST_ANSWER
// (FirstAnswer.h). startup.py and first_answers.py time this build.
#include "FirstAnswer.h"
#include "FirstPaintProbe.h"
#include "Program.h"

#include <cstdint>

int main(int argc, char* argv[]) {
    const std::int64_t mainNs = MonotonicNs();
    return RunProgram(argc, argv, [mainNs](QWidget* main) {
        WatchFirstPaint(main, mainNs);
        ScriptFirstAnswer(main);
    });
}
