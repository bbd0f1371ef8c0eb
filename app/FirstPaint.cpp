// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr char kVariable[] = "VORANTEL_FIRST_PAINT";

// The peak resident memory of the process so far (VmHWM), -1 if unknown.
long PeakResidentKb() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return -1;
    }
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) {
            break;
        }
    }
    std::fclose(status);
    return kb;
}

// Reports the first Paint event that reaches the window: the toolkit sends it
// while filling the window's backing store for its first expose, right before
// that store is flushed to the window system.
class TFirstPaint : public QObject {
public:
    TFirstPaint(QWidget* window, std::int64_t mainNs, int exitMs)
        : QObject(window), mainNs_(mainNs), exitMs_(exitMs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const std::int64_t paintNs = MonotonicNs();
            std::printf("first_paint main_ns=%lld paint_ns=%lld hwm_kb=%ld\n",
                        static_cast<long long>(mainNs_), static_cast<long long>(paintNs),
                        PeakResidentKb());
            std::fflush(stdout);
            QTimer::singleShot(exitMs_, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::int64_t mainNs_;
    int exitMs_;
    bool seen_ = false;
};

} // namespace

std::int64_t MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void WatchFirstPaint(QWidget* window, std::int64_t mainNs) {
    const char* value = std::getenv(kVariable);
    if (value == nullptr || *value == '\0') {
        return;
    }
    char* end = nullptr;
    const long exitMs = std::strtol(value, &end, 10);
    if (*end != '\0' || exitMs < 0 || exitMs > 60'000) {
        std::fprintf(stderr, "%s: expected milliseconds from 0 to 60000, got '%s'\n", kVariable,
                     value);
        return;
    }
    window->installEventFilter(new TFirstPaint(window, mainNs, static_cast<int>(exitMs)));
}
