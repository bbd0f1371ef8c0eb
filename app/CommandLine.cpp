// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kHelpText =
    "Usage: vorantel [--help] [--version] [toolkit options]\n"
    "       vorantel --solve W FIELD=TEXT ... [--click C ...] [--board]\n"
    "       vorantel --formula TEXT [--board]\n"
    "Vorantel: exact answers for secondary-school algebra and calculus,\n"
    "with a Japanese user interface.\n"
    "\n"
    "  --help       print this help and exit\n"
    "  --version    print the version and exit\n"
    "  --solve W    calculate in the window W (TNijiForm, ...) without a display:\n"
    "               each FIELD=TEXT sets a field, each --click C checks a radio\n"
    "               button or clicks a command button (CalcButton by default);\n"
    "               prints the messages and answers as the UI scripts do, and\n"
    "               with --board the answer board's problem, working and graph\n"
    "  --formula TEXT  recognise TEXT as a problem typed on the launcher's\n"
    "               formula line (\"x^2-5x+6=0\") and calculate it as --solve\n"
    "               does in its window; a line that is not recognised prints\n"
    "               its message and position and exits with status 1\n"
    "\n"
    "The toolkit's own options, such as -platform NAME, are passed on.\n"
    "Windows open on the display named by DISPLAY (X11) or WAYLAND_DISPLAY.\n";

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

bool Names(const char* argument, const char* option) {
    return std::strcmp(argument, option) == 0;
}

} // namespace

std::string NoDisplayText() {
    std::string tried;
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"}) {
        if (IsSet(name)) {
            tried += tried.empty() ? "" : ", ";
            tried += name;
            tried += "=";
            tried += std::getenv(name);
        }
    }
    std::string text = "vorantel: no windows can be opened";
    text += tried.empty() ? ": there is no display.\n" : " on the display (" + tried + ").\n";
    text += "Start Vorantel on a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY.\n";
    return text;
}

std::optional<int> RunCommandLine(int argc, char* argv[]) {
    bool platformChosen = IsSet("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        if (Names(argv[i], "--help") || Names(argv[i], "-h")) {
            std::fputs(kHelpText, stdout);
            return 0;
        }
        if (Names(argv[i], "--version")) {
            std::printf("Vorantel %s\n", VORANTEL_VERSION);
            return 0;
        }
        if (Names(argv[i], "-platform") || Names(argv[i], "--platform")) {
            platformChosen = true;
        }
    }
    if (!platformChosen && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        std::fputs(NoDisplayText().c_str(), stderr);
        return 1;
    }
    return std::nullopt;
}
