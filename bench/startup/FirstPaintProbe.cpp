// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstPaintProbe.h"

#include "FirstPaint.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr char kVariable[] = "VORANTEL_FIRST_PAINT";

} // namespace

std::int64_t MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

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
    AfterFirstPaint(window, [mainNs, exitMs] {
        std::printf("first_paint main_ns=%lld paint_ns=%lld hwm_kb=%ld\n",
                    static_cast<long long>(mainNs), static_cast<long long>(MonotonicNs()),
                    PeakResidentKb());
        std::fflush(stdout);
        QTimer::singleShot(static_cast<int>(exitMs), qApp, &QCoreApplication::quit);
    });
}
