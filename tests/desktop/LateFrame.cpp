// SPDX-License-Identifier: GPL-3.0-or-later
// vorantel-late-frame: shows the main window and, in the same moment, the
// tool windows named on the command line, before any window manager can have
// framed the main window; once the window manager has had time to frame them
// all (about 2 s), prints one line per window, main window first, as the
// runner's frame command does: "W frame=X,Y,W,H screen=X,Y,W,H available=X,Y,W,H".
//
// Usage: vorantel-late-frame TOOLWINDOW...

#include "Startup.h"
#include "VoranMain.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr int kSettleMs = 2000;

QString RectText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void PrintFrame(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = window->screen();
    }
    std::printf("%s frame=%s screen=%s available=%s\n", qPrintable(window->objectName()),
                qPrintable(RectText(frame)), qPrintable(RectText(screen->geometry())),
                qPrintable(RectText(screen->availableGeometry())));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ConfigureApplication(app);
    std::unique_ptr<TMainForm> main(CreateWindows());
    const QStringList names = QCoreApplication::arguments().mid(1);
    main->show();
    for (const QString& name : names) {
        main->ShowChild(name.toLatin1().constData());
    }
    QTimer::singleShot(kSettleMs, &app, [&main, &names] {
        PrintFrame(main.get());
        for (const QString& name : names) {
            if (const auto* window = main->findChild<QWidget*>(name)) {
                PrintFrame(window);
            }
        }
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
