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
#include "Startup.h"
#include "VoranMain.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

long PeakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Ends the event loop at the first paint of the watched window.
class FirstPaint : public QObject {
public:
    FirstPaint(std::chrono::steady_clock::time_point entered, int quitDelayMs)
        : entered_(entered), quitDelayMs_(quitDelayMs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const auto inMain = std::chrono::steady_clock::now() - entered_;
            shownNs_ = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
            inMainNs_ = std::chrono::duration_cast<std::chrono::nanoseconds>(inMain).count();
            QTimer::singleShot(quitDelayMs_, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

public:
    long long shownNs_ = 0;
    long long inMainNs_ = 0;

private:
    std::chrono::steady_clock::time_point entered_;
    int quitDelayMs_;
    bool seen_ = false;
};

constexpr const char* kChildren[] = {"TEnzanForm",   "TInsuuForm",   "TRenrituForm", "TNijiForm",
                                     "TKojiForm",    "TBibunForm",   "TSekibunForm", "TVersionForm",
                                     "TNaibunForm",  "TJunretuForm", "TSigmaForm",   "THuteiForm",
                                     "TRenritu3Form"};

} // namespace

int main(int argc, char* argv[]) {
    const auto entered = std::chrono::steady_clock::now();
    const bool allWindows = argc > 1 && std::strcmp(argv[1], "--all-windows") == 0;

    QApplication app(argc, argv);
    ConfigureApplication(app);
    std::unique_ptr<TMainForm> main(CreateMainWindow());
    // With every window open, the others paint after the main window: give them time.
    FirstPaint probe(entered, allWindows ? 300 : 0);
    main->installEventFilter(&probe);
    main->show();
    if (allWindows) {
        for (const char* name : kChildren) {
            main->ShowChild(name);
        }
    }
    const int code = QApplication::exec();
    std::printf("shown_ns=%lld in_main_ns=%lld vmhwm_kb=%ld\n", probe.shownNs_, probe.inMainNs_,
                PeakResidentKb());
    return code;
}
