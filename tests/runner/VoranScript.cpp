// SPDX-License-Identifier: GPL-3.0-or-later
// vorantel-script: drives the real windows headlessly from a UI script and
// prints what they show, so that window behaviour can be tested as data.
//
// Usage: vorantel-script [--check] [--data DIR] FILE...
//
// README.md, section "UI scripts", describes the script language, every
// command and what it prints, the transcript check and the exit status.
// This file starts the application in a fixed environment and runs each
// FILE in turn.

#include "ScriptRun.h"
#include "Startup.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

namespace {

using runner::WriteLine;

constexpr int kExitOk = 0;
constexpr int kExitDiffers = 1;
constexpr int kExitError = 2;

// The environment every run sees, whatever the machine: the offscreen
// platform on a 1280x1024 screen at 96 dpi, the C locale, no scaling and no
// input method.
void PinEnvironment(const QTemporaryDir& dir) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        const QString config = dir.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(R"({"screens": [{"name": "Vorantel", "x": 0, "y": 0,
                "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96,
                "dpr": 1}]})");
            file.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    qputenv("LC_ALL", "C.UTF-8");
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_IM_MODULE", "QT_STYLE_OVERRIDE"}) {
        qunsetenv(name);
    }
}

// Keeps the test library's notes about unaccepted input events (a key that
// no control wants is normal here), the offscreen platform's notes on what
// it cannot do and the note on a missing runtime folder out of the output.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("event not accepted by receiving widget")) ||
        text.startsWith(QLatin1String("This plugin does not support")) ||
        text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    WriteLine(stderr, qFormatLogMessage(type, context, text));
}

int Usage() {
    WriteLine(stderr, QStringLiteral("usage: vorantel-script [--check] [--data DIR] FILE..."));
    return kExitError;
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir configDir;
    PinEnvironment(configDir);
    qInstallMessageHandler(QuietMessages);

    // Settings such as the zoom start from nothing and are forgotten after the run.
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, configDir.path());
    }
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ConfigureApplication(app);

    bool check = false;
    QStringList files;
    QString dataFolder; // --data: every script's data there, kept; else each its own, empty
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--check")) {
            check = true;
        } else if (argument == QLatin1String("--data") && i + 1 < arguments.size()) {
            dataFolder = arguments[++i];
        } else if (argument.startsWith(QLatin1String("-"))) {
            return Usage();
        } else {
            files << argument;
        }
    }
    if (files.isEmpty()) {
        return Usage();
    }

    int status = kExitOk;
    bool restart = false;
    for (const QString& path : files) {
        QStringList errors;
        const runner::Script script =
            runner::ReadScript(path, runner::ScriptRun::Commands(), errors);
        if (errors.isEmpty()) {
            if (restart) {
                // The last script ended the program; an exec() that returns at
                // once resets the application so that event loops run again.
                QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
                QApplication::exec();
            }
            runner::ScriptRun run(script, dataFolder);
            run.Run(app);
            restart = run.QuitRequested();
            errors = run.Errors();
            if (errors.isEmpty() && check && !runner::CheckTranscript(script, run.Transcript())) {
                status = std::max(status, kExitDiffers);
            }
        }
        for (const QString& error : errors) {
            WriteLine(stderr, error);
        }
        if (!errors.isEmpty()) {
            status = kExitError;
        }
    }
    return status;
}
