// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include "CommandLine.h"
#include "FirstPaint.h"
#include "Fonts.h"
#include "GraphCheck.h"
#include "SolveCommand.h"
#include "Startup.h"
#include "VoranMain.h"
#include "WarmUp.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// While the application starts, a fatal failure of the toolkit means that it
// could not open the display (DISPLAY names no running server, or the chosen
// platform cannot start): after the toolkit's own warnings it ends the
// program with the message and status 1 instead of aborting. Other messages
// are printed as the toolkit prints them.
void StartMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayText().c_str(), stderr);
        std::_Exit(1);
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

constexpr int kWarmUpDelayMs = 100;

} // namespace

int RunProgram(int argc, char* argv[], const std::function<void(QWidget*)>& beforeShow) {
    if (const std::optional<int> status = RunSolveCommand(argc, argv)) {
        return *status;
    }
    if (const std::optional<int> status = RunGraphCheck(argc, argv)) {
        return *status;
    }
    if (const std::optional<int> status = RunCommandLine(argc, argv)) {
        return *status;
    }
    qInstallMessageHandler(StartMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    ConfigureApplication(app, false);
    std::unique_ptr<TMainForm> main(CreateMainWindow());
    if (beforeShow) {
        beforeShow(main.get());
    }
    main->show();
    // Once the window has been painted, the number library does its first-use
    // work, so that the user's first answer comes as fast as every later one.
    // Started any earlier (a zero timer after show()), the warm-up, some tens
    // of milliseconds, would run before the window system's first expose
    // reaches the window and hold back its first paint; the delay lets the
    // painted window be flushed and the window manager's frame paint too.
    // The history file is read then too, before any calculation can be made,
    // and the toolkit's own texts (an edit field's menu, the standard
    // dialogs' buttons) are installed, which nothing on the first paint shows.
    AfterFirstPaint(main.get(), [window = main.get()] {
        InstallQtTranslation(QLocale::system());
        QTimer::singleShot(0, window, [window] { window->LoadHistory(); });
        QTimer::singleShot(kWarmUpDelayMs, window, [] {
            arith::WarmUp();
            WarmUpFieldText();
        });
    });
    return QApplication::exec();
}
