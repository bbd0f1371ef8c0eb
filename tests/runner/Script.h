// SPDX-License-Identifier: GPL-3.0-or-later
// A UI script as read from its file: the commands to run and the transcript
// expected of them, and the row type of the table that names every command.
#pragma once

#include <QKeySequence>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <span>
#include <stdexcept>
#include <vector>

namespace runner {

// A failure of the script itself: an unknown command, window or control.
class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// What a command names after its name.
enum class Operand {
    None,           // running, shown
    Text,           // wait MS, grab FILE, palette NAME, language NAME
    Window,         // show W, close W, focus W, visible W, geometry W
    Control,        // click W.C, state W.C, checked W.C, tooltip W.C, selected W.C
    WindowOrControl // print W / print W.C, accessible W / accessible W.C
};

// The text a command takes after its operand (for Operand::Text, the value
// itself), and how it is read.
enum class Text {
    No,           // nothing may follow the operand
    Any,          // kept verbatim, may be empty
    KeyName,      // Enter, Tab, Escape or Space
    KeySequence,  // a Qt key sequence: Ctrl++
    ItemNumber,   // N, from 0
    Place,        // X,Y
    Size,         // WxH
    FileName,     // not empty
    Milliseconds, // a count, from 0
    PaletteName   // dark or system
};

class ScriptRun;
struct Command;

// One row of the command table: the command's name, what it names, the text
// it takes and the member of ScriptRun that runs it.
struct CommandSpec {
    using Handler = void (ScriptRun::*)(const Command&);

    const char* name;
    Operand operand;
    Text text;
    Handler handler;
};

// A command as read, with its operand split and its text read.
struct Command {
    int line = 0;
    const CommandSpec* spec = nullptr;
    QString window;  // W
    QString control; // C, empty when the command names a window only
    QString text;    // TEXT (also KEY, N and FILE)
    Qt::Key key = Qt::Key_unknown;
    QKeySequence keys; // SEQUENCE
    int item = 0;
    QPoint point; // move, resize
};

struct Expected {
    int line = 0;
    QString text;
};

struct Script {
    QString path;
    std::vector<Command> commands;
    std::vector<Expected> expected;
};

// Reads the whole script before anything runs, so that a misspelt command is
// reported without touching the windows. Errors go to `errors`.
Script ReadScript(const QString& path, std::span<const CommandSpec> commands, QStringList& errors);

} // namespace runner
