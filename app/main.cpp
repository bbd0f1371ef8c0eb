#include "CommandLine.h"
#include "Startup.h"
#include "VoranMain.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

QtMessageHandler startHandler = nullptr;

// While the application starts, a fatal failure of the toolkit can only be
// that no display could be opened (DISPLAY names no running server): it ends
// the program with the message and status 1 instead of aborting.
void StartMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayText().c_str(), stderr);
        std::_Exit(1);
    }
    if (startHandler != nullptr) {
        startHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = RunCommandLine(argc, argv)) {
        return *status;
    }
    startHandler = qInstallMessageHandler(StartMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(startHandler);
    ConfigureApplication(app);
    std::unique_ptr<TMainForm> main(CreateWindows());
    main->show();
    return QApplication::exec();
}
