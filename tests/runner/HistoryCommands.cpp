// SPDX-License-Identifier: GPL-3.0-or-later
// The program's end and start within a script, putting a history entry back
// into its window, answering a question box, and the data folder's files.
#include "ScriptRun.h"

#include "AnswerBoard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace runner {

void ScriptRun::Restart(const Command& /*command*/) {
    // Every window goes, as when the program ends; settings and data stay.
    main_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    StartProgram();
}

void ScriptRun::Reopen(const Command& command) {
    const int count = static_cast<int>(main_->History().Entries().size());
    if (command.item >= count) {
        throw ScriptError(QStringLiteral("the history has no entry %1").arg(command.item));
    }
    main_->Reopen(count - 1 - command.item);
    Settle();
    if (QWidget* window = QApplication::activeWindow(); window != nullptr) {
        Activate(window);
    }
}

void ScriptRun::SetAnswer(const Command& command) {
    if (command.text != QLatin1String("yes") && command.text != QLatin1String("no")) {
        throw ScriptError(QStringLiteral("'%1' is neither yes nor no").arg(command.text));
    }
    answer_ = command.text;
}

void ScriptRun::PutHistoryFile(const Command& command) {
    QString source = command.text;
    if (QFileInfo(source).isRelative()) {
        source = QFileInfo(script_.path).dir().filePath(source);
    }
    const QString target = QDir(DataFolder()).filePath(QStringLiteral("history.jsonl"));
    QDir().mkpath(DataFolder());
    QFile::remove(target);
    if (!QFile::copy(source, target)) {
        throw ScriptError(QStringLiteral("cannot copy %1 to the data folder").arg(source));
    }
}

void ScriptRun::PrintDataFiles(const Command& /*command*/) {
    // NAME:BYTES for each file, a time stamp in a name as <time>.
    static const QRegularExpression stamp(QStringLiteral("\\d{8}-\\d{6}"));
    QStringList files;
    for (const QFileInfo& file : QDir(DataFolder()).entryInfoList(QDir::Files, QDir::Name)) {
        files << QStringLiteral("%1:%2")
                     .arg(file.fileName().replace(stamp, QStringLiteral("<time>")))
                     .arg(file.size());
    }
    Print(QStringLiteral("datafiles %1").arg(files.join(QLatin1Char(' '))));
}

} // namespace runner
