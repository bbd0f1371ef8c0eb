// SPDX-License-Identifier: GPL-3.0-or-later
// One run of a UI script against a fresh set of windows. The members that
// run the commands are defined by topic: WindowCommands.cpp (windows,
// fields, buttons, menus), BoardCommands.cpp (the answer board and its
// graph), DesktopCommands.cpp (placement, screens, pictures, palette and
// language); Commands.cpp names each command once, with its handler.
#pragma once

#include "Script.h"
#include "Transcript.h"
#include "VoranMain.h"

#include <QObject>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <span>
#include <vector>

class QApplication;
class QWidget;
class TAnswerBoard;
struct TBoardEntry;

namespace runner {

// Lets posted events (activation, focus, layout) arrive.
void Settle();

// Brings a shown window to the front as a click into it would, so that it
// owns the keyboard focus; throws when it does not become active.
void Activate(QWidget* window);

// Runs the commands of one script against a fresh set of windows and keeps
// the transcript, each line with the script line of the command that printed it.
class ScriptRun {
public:
    // The history file and the rest of the user's data go into `dataFolder`
    // where given (it is kept as it is), else into an empty folder of the run's own.
    explicit ScriptRun(const Script& script, const QString& dataFolder = {});

    // Every command the scripts know, one row each.
    static std::span<const CommandSpec> Commands();

    void Run(QApplication& app);

    bool QuitRequested() const { return quit_; }
    const std::vector<Printed>& Transcript() const { return transcript_; }
    const QStringList& Errors() const { return errors_; }

private:
    // --- running ---------------------------------------------------------
    void RunOne(const Command& command);
    void Execute(const Command& command);
    void Print(const QString& text);
    void Fail(const QString& text);

    // --- names -----------------------------------------------------------
    QWidget* FindWindow(const QString& name) const;
    QObject* FindControl(const Command& command) const;
    template <typename T> T* FindControlAs(const Command& command, const char* kind) const {
        QObject* object = FindControl(command);
        if (auto* typed = qobject_cast<T*>(object)) {
            return typed;
        }
        throw ScriptError(QStringLiteral("%1.%2 is a %3, not %4")
                              .arg(command.window, command.control,
                                   QLatin1String(object->metaObject()->className()),
                                   QLatin1String(kind)));
    }
    static QString Name(const Command& command);
    static void RequireVisible(QWidget* window);
    TAnswerBoard* AnswerBoard() const; // null until the board has been opened
    const TBoardEntry* ShownEntry();   // the entry the board shows, or null

    // --- windows and fields: actions ---------------------------------------
    void Show(const Command& command);
    void Click(const Command& command);
    void Set(const Command& command);
    void SetPadded(const Command& command);
    void Type(const Command& command);
    void Key(const Command& command);
    void Keys(const Command& command);
    void Select(const Command& command);
    void Choose(const Command& command);
    void Close(const Command& command);
    void ChooseFromContextMenu(const Command& command);
    QWidget* KeyTarget(const Command& command);

    // --- windows and fields: observations ----------------------------------
    void PrintText(const Command& command);
    void PrintFocus(const Command& command);
    void PrintState(const Command& command);
    void PrintVisible(const Command& command);
    void PrintChecked(const Command& command);
    void PrintTooltip(const Command& command);
    void PrintAccessible(const Command& command);
    void PrintLabels(const Command& command);
    void PrintCursor(const Command& command);
    void PrintDrawn(const Command& command);
    void PrintSelected(const Command& command);
    void PrintLength(const Command& command);
    void PrintContextMenu(const Command& command);
    void PrintClipboard(const Command& command);
    void PrintShown(const Command& command);
    void PrintRunning(const Command& command);
    void PrintZoom(const Command& command);
    void PrintKeyboard(const Command& command);

    // --- the answer board and its graph --------------------------------------
    void PrintBoard(const Command& command);
    void PrintHistory(const Command& command);
    void PrintPresenting(const Command& command);
    void PrintWorking(const Command& command);
    void PrintWorkingTree(const Command& command);
    void PrintGraph(const Command& command);
    void SaveGraph(const Command& command);
    void PrintGraphDrawn(const Command& command);
    void PrintGraphMarks(const Command& command);
    void PrintGraphPicture(const Command& command);
    void PrintBoardAccessible(const Command& command);
    void PrintGraphLabels(const Command& command);
    void PrintBoardView(const Command& command);
    void PrintGraphTicks(const Command& command);
    void PrintGraphRoom(const Command& command);
    void Drag(const Command& command);
    void SavePdf(const Command& command);
    void PrintChosen(const Command& command);
    void SavePdfKey(const Command& command);
    void SaveHandout(const Command& command, const char* name, bool key);

    // --- the desktop ---------------------------------------------------------
    void PrintGeometry(const Command& command);
    void PrintFrame(const Command& command);
    void Move(const Command& command);
    void Resize(const Command& command);
    void Wait(const Command& command);
    void Grab(const Command& command);
    void Screenshot(const Command& command);
    void SetPalette(const Command& command);
    void PrintIcon(const Command& command);
    void SetLanguage(const Command& command);

    // --- the program's life and its history file -----------------------------
    void StartProgram();
    void Restart(const Command& command);
    void Reopen(const Command& command);
    void SetAnswer(const Command& command);
    void PutHistoryFile(const Command& command);
    void PrintDataFiles(const Command& command);
    // The folder the program keeps its data in (QStandardPaths::AppDataLocation).
    QString DataFolder() const;

    const Script& script_;
    std::unique_ptr<TMainForm> main_;
    std::vector<Printed> transcript_;
    QStringList errors_;
    int current_ = 0; // script line of the running command
    bool quit_ = false;
    QPalette systemPalette_;
    bool languageChanged_ = false;
    QTemporaryDir saved_; // where savegraph writes a relative FILE
    std::unique_ptr<QTemporaryDir> ownData_;
    QString dataHome_; // XDG_DATA_HOME while the script runs
    // How the next question box is answered: "yes", "no", or empty for its first button.
    QString answer_;
};

} // namespace runner
