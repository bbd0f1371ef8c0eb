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

// The fields' text layout is warmed up after the window and its frame have
// been painted and flushed, so that the first tool window opens as quickly
// as later ones.
constexpr int kFieldTextDelayMs = 100;

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
    // The window icon and the style's icons are the only images start-up reads.
    std::unique_ptr<TMainForm> main;
    WithoutImagePlugins([&app, &main] {
        ConfigureApplication(app, false);
        main.reset(CreateMainWindow());
    });
    if (beforeShow) {
        beforeShow(main.get());
    }
    // The number library's first-use work waits for the user's first step
    // towards an answer, so that a launcher left idle stays small.
    main->WarmUpBeforeFirstAnswer([] { arith::WarmUp(); });
    main->show();
    // The history file is read after the first paint, before any calculation
    // can be made, and the toolkit's own texts (an edit field's menu, the
    // standard dialogs' buttons) are installed then, which nothing on the
    // first paint shows.
    AfterFirstPaint(main.get(), [window = main.get()] {
        InstallQtTranslation(QLocale::system());
        QTimer::singleShot(0, window, [window] { window->LoadHistory(); });
        QTimer::singleShot(kFieldTextDelayMs, window, [] { WarmUpFieldText(); });
    });
    return QApplication::exec();
}
