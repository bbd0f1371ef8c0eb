// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for start-up: a plain Widgets program with one main
// window holding one label, and nothing else. It reports its first paint as
// the program does (VORANTEL_FIRST_PAINT, see FirstPaintProbe.h), so that
// startup.py can time both from outside in the same way.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdint>

int main(int argc, char* argv[]) {
    const std::int64_t mainNs = MonotonicNs();
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    WatchFirstPaint(&window, mainNs);
    window.show();
    return QApplication::exec();
}
