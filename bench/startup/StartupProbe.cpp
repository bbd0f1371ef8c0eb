// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up, run exactly as main() runs it (the application,
// its configuration, the main window created and shown, the event loop),
// stopped at the first paint of the main window. It prints
//   shown_ns     the wall clock at that paint, in ns since the epoch, which the
//                caller compares with the moment it started this process;
//   in_main_ns   the time from entering main() to that paint;
//   vmhwm_kb     the peak resident memory so far.
// With --all-windows it also creates and opens every tool window and the
// version dialog, and reports the memory once all of them have been painted.
#include "FirstPaint.h"
#include "FirstPaintProbe.h"
#include "Startup.h"
#include "VoranMain.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char* argv[]) {
    const auto entered = std::chrono::steady_clock::now();
    const bool allWindows = argc > 1 && std::strcmp(argv[1], "--all-windows") == 0;

    QApplication app(argc, argv);
    ConfigureApplication(app);
    std::unique_ptr<TMainForm> main(CreateMainWindow());
    long long shownNs = 0;
    long long inMainNs = 0;
    AfterFirstPaint(main.get(), [&, entered] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const auto inMain = std::chrono::steady_clock::now() - entered;
        shownNs = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
        inMainNs = std::chrono::duration_cast<std::chrono::nanoseconds>(inMain).count();
        // With every window open, the others paint after the main window: give them time.
        QTimer::singleShot(allWindows ? 300 : 0, qApp, &QCoreApplication::quit);
    });
    main->show();
    if (allWindows) {
        for (const TWindowEntry& window : Windows()) {
            main->ShowChild(window.Class);
        }
    }
    const int code = QApplication::exec();
    std::printf("shown_ns=%lld in_main_ns=%lld vmhwm_kb=%ld\n", shownNs, inMainNs,
                PeakResidentKb());
    return code;
}
