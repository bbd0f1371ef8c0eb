// SPDX-License-Identifier: GPL-3.0-or-later
// vorantel-script: drives the real windows headlessly from a UI script and
// prints what they show, so that window behaviour can be tested as data.
//
// Usage: vorantel-script [--check] FILE...
//
// Each FILE runs against a freshly started application (all windows created
// as at start-up, the main window shown). One command a line; blank lines and
// lines starting with '#' are ignored. W is a window's class name
// (TMainForm, TVersionForm, TEnzanForm, ...), C the object name of one of its
// controls or menu entries, TEXT the rest of the line after one space (may be
// empty, kept verbatim).
//
//   show W            clicks the main window's button for W (TVersionForm:
//                     triggers the menu entry VersionMenu)
//   click W.C         real mouse click on a button or radio button; a menu
//                     entry (QAction) is triggered
//   set W.C TEXT      replaces the text of an edit field
//   type W.C TEXT     focuses C (as a click would) and types TEXT key by key
//   key W.C KEY       focuses C as a click into it would, then presses KEY
//   key W KEY         presses KEY on the control that has the focus in W
//                     KEY is one of Enter, Tab, Escape, Space
//   select W.C N      mouse click on item N (from 0) of the radio group C: the
//                     QRadioButton children of C in creation order
//   close W           closes W through its title bar
//   print W.C         prints "W.C = TEXT": an edit's text, the caption of a
//                     label, button, radio button, group box or menu entry
//   print W           prints "W = TITLE"
//   focus W           prints "focus W.C", C the control with the focus in W
//                     ("focus W.-" when no control has it)
//   state W.C         prints "W.C enabled=1 base=#rrggbb text=#rrggbb": the
//                     effective enabled state and the colours as C draws
//                     them (edit: Base/Text; label: Window/WindowText;
//                     button, radio button: Button/ButtonText; menu entry:
//                     its menu's Base/Text), taken from the Disabled colour
//                     group when C is disabled, else from the Active group
//   visible W         prints "W visible=1" or "W visible=0"
//   geometry W        prints "W x=.. y=.. w=.. h=.. screen=WxH": the frame's
//                     position, the client size (for the main window the
//                     central widget, without the menu bar), the screen size
//   screenshot W FILE saves a PNG of W; a relative FILE is taken relative to
//                     the script's folder
// Added commands:
//   checked W.C       prints "W.C checked=1" or "W.C checked=0" for a radio
//                     button or check box; for a radio group "W.C item=N",
//                     N the checked item (-1 when none is checked)
//   running           prints "running=1", or "running=0" once the program
//                     has been told to end (the main window was closed)
//   shown             prints "shown:" and the class name of every visible
//                     window, main window first, then in creation order
//   tooltip W.C       prints "W.C tooltip=TEXT", the control's tooltip
//   keys W SEQUENCE   presses a key combination, written as a Qt key sequence
//   keys W.C SEQUENCE ("Ctrl++", "Ctrl+1", "Ctrl+-"), on the control that has
//                     the focus in W (or on C, focused as a click would)
//   zoom              prints "zoom=N%", the zoom of the program
//   accessible W.C    prints "W.C accessible=NAME", the name a screen reader
//                     gives the control (its accessible interface's name)
//   accessible W      the same line for every edit field and button of W,
//                     in creation order (a control without an object name
//                     shows as "(ClassName)")
//   labels W.C        prints "W.C labels=TEXT ...": the texts of the labels
//                     tied to C (its accessible label relations), in
//                     creation order, separated by spaces
//   cursor W.C        prints "W.C cursor=N selected=M" for an edit field:
//                     the cursor position and the length of the selection
//   drawn W.C         prints "W.C drawn=TEXT": the text an edit field draws
//                     while it does not have the focus (an answer field
//                     ends a text too wide for it in "…"; any other edit
//                     field draws its text)
//   menu W.C ENTRY    opens the context menu of C as a right click would
//                     (C takes the focus, its cursor stays) and chooses the
//                     entry whose caption (before any shortcut) is ENTRY,
//                     mnemonic "&" included; a disabled entry does nothing
//   clipboard         prints "clipboard=TEXT", the clipboard's text (a line
//                     break prints as "\n")
//   selected W.C      prints "W.C selected=TEXT", the selected text of an
//                     edit field (empty when nothing is selected)
//   frame W           prints "W frame=X,Y,W,H screen=X,Y,W,H available=X,Y,W,H":
//                     the window's outer frame (title bar and borders
//                     included) and the whole and the free area of the
//                     screen holding the frame's centre, all in desktop
//                     coordinates; for a shown window it first waits (up to
//                     2 s) for the window manager to frame it
//   wait MS           lets the program run for MS milliseconds (on a real
//                     desktop: time for the window manager and for tools
//                     that look at the windows from outside)
//   grab FILE         saves a PNG of the whole screen that holds the main
//                     window, window frames included where the platform
//                     draws them (a real desktop); FILE as for screenshot
//   palette NAME      gives the application the palette NAME: dark (light
//                     text on dark grounds) or system (the one it started
//                     with, which every script starts with as well)
//   icon W            prints "W icon=WxH", the size of W's window icon drawn
//                     at 32 x 32, or "W icon=none" when W has no icon to draw
//   language NAME     shows the toolkit's own texts in the language of the
//                     locale NAME (ja_JP, C, ...) and prints "language NAME
//                     loaded=1", or "loaded=0" when no translation was found;
//                     every script starts with the system's language
//   move W X,Y        moves W's frame to X,Y on the desktop, as a drag by its
//                     title bar would
//   contextmenu W.C   prints "W.C contextmenu: ENTRY | ENTRY | ...", the
//                     entries of the edit field's standard right-click menu
//                     ("-" for a separator, a tab before a shortcut as "\t")
//   board             prints "board window=TITLE problem=TEXT answer=TEXT": the
//                     calculation the answer board shows, its problem and
//                     answer in their plain Unicode form (a line break as
//                     "\n"), or "board none" when the board has not been
//                     opened or shows nothing yet
//   history           prints "history N" for the N entries of the answer
//                     board's history, then "history[I] TEXT" for each, as
//                     the list shows them, newest (I = 0) first
//   choose W.C N      mouse click on row N (from 0) of the list C
//   working           prints "working TEXT": the working (途中式) the answer
//                     board shows under its answer, in plain Unicode with
//                     its lines separated by "\n", or "working none"
//   working-tree      prints "working-tree JSON": the same working as its
//                     formula tree on one line, each part an object
//                     {"k": KIND, "t": TEXT, "p": [PARTS]} (KIND as the
//                     notation names it: "Row", "Fraction", ...; "t" and "p"
//                     left out when empty), or "working-tree none"
//   graph             prints "graph x=XMIN..XMAX y=YMIN..YMAX curves=N marks=M
//                     bars=B notes=K" for the graph the answer board shows
//                     under its answer, then "graph mark LABEL" for each
//                     marked point, "graph curve LABEL" for each curve and
//                     line, and "graph note TEXT" for each note; or "graph
//                     none" when it shows no graph
//   resize W WxH      gives W a client area of W x H pixels
//   savegraph FILE    writes the answer board's graph to FILE (PNG, or SVG
//                     for a name ending in .svg; a relative FILE goes to a
//                     folder of the run's own, removed at its end) and prints
//                     "savegraph NAME ok=1 format=png" (format=svg: what the
//                     written file's first bytes say it is), or "savegraph
//                     NAME ok=0" when nothing was written; NAME the file's name
//   graphdrawn        prints what the drawn chart shows: "graphdrawn x=L L ...
//                     y=L L ... apart=1 inside=1" with the labels of the x
//                     and y ticks, apart=0 when two labels of marked points
//                     overlap or come closer than half a line, inside=0
//                     when a line runs beyond the view, then "graphdrawn
//                     legend TEXT" with the legend under the chart as plain
//                     text (or "legend none"); or "graphdrawn none" when no
//                     chart is drawn
//   setpadded W.C N TEXT  replaces the text of an edit field, as set does,
//                     with N zeros followed by TEXT: a long pasted number
//   length W.C        prints "W.C length=N", the number of characters in an
//                     edit field's text
//   graphmarks        prints "graphmarks x=NAME y=NAME marks=M drawn=D on=N"
//                     for the drawn chart: the names of its axes ("x", or
//                     "x − 10¹⁵⁰" where it is measured from an origin), the
//                     marked points of the graph, how many of them are
//                     drawn, and how many of those lie within a pixel of a
//                     drawn curve, line or segment (the axes do not count),
//                     then "graphmarks off LABEL" for each drawn one that
//                     does not; or "graphmarks none" when no chart is drawn
//   graphpicture      prints "graphpicture fits=1" when the graph's picture,
//                     as savegraph writes it as PNG and as SVG, is no wider
//                     than the answer board, "fits=0" otherwise, or
//                     "graphpicture none" when there is no picture
//
// Each run starts from no remembered settings (the zoom is 100%).
//
// Every message box that appears prints "message [CAPTION] ICON: TEXT" (ICON
// is warning, error, information, question or none; a line break in TEXT
// prints as "\n") and is then closed with its OK button; the script goes on.
//
// With --check, lines starting with "> " hold the expected transcript: every
// printed line must equal the next expected line, in order, with nothing
// missing or extra. Differences are reported as FILE:line on standard error.
// Exit status: 0 all went well, 1 a transcript differed, 2 a script error
// (unknown command or name, a message box that would not close, bad usage).

#include "AnswerBoard.h"
#include "GraphView.h"
#include "MathView.h"
#include "Startup.h"
#include "VoranMain.h"
#include "Zoom.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

// How long a message box may stay open before the run reports it as stuck.
constexpr int kMessageBoxTimeoutMs = 5000;
// How long to wait for a window to become active after it is shown.
constexpr int kActivateTimeoutMs = 2000;
// How long to wait for the window manager to put a frame around a shown window.
constexpr int kFrameTimeoutMs = 2000;

constexpr int kExitOk = 0;
constexpr int kExitDiffers = 1;
constexpr int kExitError = 2;

void WriteLine(FILE* stream, const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// A failure of the script itself: an unknown command, window or control.
class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// ---------------------------------------------------------------------------
// Reading a script

enum class Verb {
    Show,
    Click,
    Set,
    Type,
    Key,
    Select,
    Close,
    Print,
    Focus,
    State,
    Visible,
    Geometry,
    Screenshot,
    Checked,
    Running,
    Shown,
    Tooltip,
    Keys,
    Zoom,
    Accessible,
    Labels,
    Cursor,
    Drawn,
    Menu,
    Clipboard,
    Selected,
    Frame,
    Wait,
    Grab,
    Palette,
    Icon,
    Language,
    ContextMenu,
    Move,
    Board,
    History,
    Choose,
    Working,
    WorkingTree,
    Graph,
    Resize,
    SaveGraph,
    GraphDrawn,
    SetPadded,
    Length,
    GraphMarks,
    GraphPicture
};

// What a command names after its verb.
enum class Operand {
    None,           // running, shown
    Text,           // wait MS, grab FILE, palette NAME, language NAME
    Window,         // show W, close W, focus W, visible W, geometry W
    Control,        // click W.C, state W.C, checked W.C, tooltip W.C, selected W.C
    WindowOrControl // print W / print W.C, accessible W / accessible W.C
};

struct VerbInfo {
    const char* name;
    Verb verb;
    Operand operand;
    bool hasText; // the rest of the line after the operand is TEXT
};

constexpr VerbInfo kVerbs[] = {
    {"show", Verb::Show, Operand::Window, false},
    {"click", Verb::Click, Operand::Control, false},
    {"set", Verb::Set, Operand::Control, true},
    {"type", Verb::Type, Operand::Control, true},
    {"key", Verb::Key, Operand::WindowOrControl, true},
    {"select", Verb::Select, Operand::Control, true},
    {"close", Verb::Close, Operand::Window, false},
    {"print", Verb::Print, Operand::WindowOrControl, false},
    {"focus", Verb::Focus, Operand::Window, false},
    {"state", Verb::State, Operand::Control, false},
    {"visible", Verb::Visible, Operand::Window, false},
    {"geometry", Verb::Geometry, Operand::Window, false},
    {"screenshot", Verb::Screenshot, Operand::Window, true},
    {"checked", Verb::Checked, Operand::Control, false},
    {"running", Verb::Running, Operand::None, false},
    {"shown", Verb::Shown, Operand::None, false},
    {"tooltip", Verb::Tooltip, Operand::Control, false},
    {"keys", Verb::Keys, Operand::WindowOrControl, true},
    {"zoom", Verb::Zoom, Operand::None, false},
    {"accessible", Verb::Accessible, Operand::WindowOrControl, false},
    {"labels", Verb::Labels, Operand::Control, false},
    {"cursor", Verb::Cursor, Operand::Control, false},
    {"drawn", Verb::Drawn, Operand::Control, false},
    {"menu", Verb::Menu, Operand::Control, true},
    {"clipboard", Verb::Clipboard, Operand::None, false},
    {"selected", Verb::Selected, Operand::Control, false},
    {"frame", Verb::Frame, Operand::Window, false},
    {"wait", Verb::Wait, Operand::Text, true},
    {"grab", Verb::Grab, Operand::Text, true},
    {"palette", Verb::Palette, Operand::Text, true},
    {"icon", Verb::Icon, Operand::Window, false},
    {"language", Verb::Language, Operand::Text, true},
    {"contextmenu", Verb::ContextMenu, Operand::Control, false},
    {"move", Verb::Move, Operand::Window, true},
    {"board", Verb::Board, Operand::None, false},
    {"history", Verb::History, Operand::None, false},
    {"choose", Verb::Choose, Operand::Control, true},
    {"working", Verb::Working, Operand::None, false},
    {"working-tree", Verb::WorkingTree, Operand::None, false},
    {"graph", Verb::Graph, Operand::None, false},
    {"resize", Verb::Resize, Operand::Window, true},
    {"savegraph", Verb::SaveGraph, Operand::Text, true},
    {"graphdrawn", Verb::GraphDrawn, Operand::None, false},
    {"setpadded", Verb::SetPadded, Operand::Control, true},
    {"length", Verb::Length, Operand::Control, false},
    {"graphmarks", Verb::GraphMarks, Operand::None, false},
    {"graphpicture", Verb::GraphPicture, Operand::None, false},
};

struct KeyName {
    const char* name;
    Qt::Key key;
};

constexpr KeyName kKeys[] = {
    {"Enter", Qt::Key_Return},
    {"Tab", Qt::Key_Tab},
    {"Escape", Qt::Key_Escape},
    {"Space", Qt::Key_Space},
};

struct Command {
    int line = 0;
    Verb verb = Verb::Running;
    QString window;  // W
    QString control; // C, empty when the command names a window only
    QString text;    // TEXT (also KEY, N and FILE)
    Qt::Key key = Qt::Key_unknown;
    QKeySequence keys; // SEQUENCE
    int item = 0;
    QPoint point; // move
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

std::optional<Qt::Key> KeyFromName(const QString& name) {
    for (const KeyName& k : kKeys) {
        if (name == QLatin1String(k.name)) {
            return k.key;
        }
    }
    return std::nullopt;
}

// Splits "W.C" or "W"; throws when the form does not fit the verb.
void ReadOperand(const QString& operand, const VerbInfo& info, Command& command) {
    const qsizetype dot = operand.indexOf(QLatin1Char('.'));
    command.window = dot < 0 ? operand : operand.left(dot);
    command.control = dot < 0 ? QString() : operand.mid(dot + 1);
    if (command.window.isEmpty() || (dot >= 0 && command.control.isEmpty())) {
        throw ScriptError(QStringLiteral("malformed name '%1'").arg(operand));
    }
    if (info.operand == Operand::Window && dot >= 0) {
        throw ScriptError(
            QStringLiteral("'%1' takes a window, not a control").arg(QLatin1String(info.name)));
    }
    if (info.operand == Operand::Control && dot < 0) {
        throw ScriptError(QStringLiteral("'%1' takes a control W.C").arg(QLatin1String(info.name)));
    }
}

Command ParseCommand(const QString& line) {
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    const QString name = space < 0 ? line : line.left(space);
    const QString rest = space < 0 ? QString() : line.mid(space + 1);
    const VerbInfo* info = nullptr;
    for (const VerbInfo& v : kVerbs) {
        if (name == QLatin1String(v.name)) {
            info = &v;
        }
    }
    if (info == nullptr) {
        throw ScriptError(QStringLiteral("unknown command '%1'").arg(name));
    }
    Command command;
    command.verb = info->verb;
    if (info->operand == Operand::None) {
        if (!rest.isEmpty()) {
            throw ScriptError(QStringLiteral("'%1' takes nothing").arg(name));
        }
        return command;
    }
    if (info->operand == Operand::Text) {
        if (rest.isEmpty()) {
            throw ScriptError(QStringLiteral("'%1' needs a value").arg(name));
        }
        command.text = rest;
        if (command.verb == Verb::Wait) {
            bool ok = false;
            command.item = rest.toInt(&ok);
            if (!ok || command.item < 0) {
                throw ScriptError(QStringLiteral("'%1' is not a number of milliseconds").arg(rest));
            }
        }
        if (command.verb == Verb::Palette && rest != QLatin1String("dark") &&
            rest != QLatin1String("system")) {
            throw ScriptError(QStringLiteral("unknown palette '%1' (dark or system)").arg(rest));
        }
        return command;
    }
    const qsizetype end = rest.indexOf(QLatin1Char(' '));
    const QString operand = end < 0 ? rest : rest.left(end);
    if (operand.isEmpty()) {
        throw ScriptError(QStringLiteral("'%1' needs a name").arg(name));
    }
    ReadOperand(operand, *info, command);
    if (!info->hasText) {
        if (end >= 0) {
            throw ScriptError(QStringLiteral("unexpected text after '%1'").arg(operand));
        }
        return command;
    }
    command.text = end < 0 ? QString() : rest.mid(end + 1);
    switch (command.verb) {
    case Verb::Key: {
        const std::optional<Qt::Key> key = KeyFromName(command.text);
        if (!key) {
            throw ScriptError(
                QStringLiteral("unknown key '%1' (Enter, Tab, Escape or Space)").arg(command.text));
        }
        command.key = *key;
        break;
    }
    case Verb::Keys:
        command.keys = QKeySequence::fromString(command.text, QKeySequence::PortableText);
        if (command.keys.isEmpty() || command.keys[0].key() == Qt::Key_unknown) {
            throw ScriptError(QStringLiteral("'%1' is not a key sequence").arg(command.text));
        }
        break;
    case Verb::Select:
    case Verb::Choose: {
        bool ok = false;
        command.item = command.text.toInt(&ok);
        if (!ok || command.item < 0) {
            throw ScriptError(QStringLiteral("'%1' is not an item number").arg(command.text));
        }
        break;
    }
    case Verb::Move: {
        const QStringList parts = command.text.split(QLatin1Char(','));
        bool okX = false;
        bool okY = false;
        if (parts.size() == 2) {
            command.point = QPoint(parts[0].toInt(&okX), parts[1].toInt(&okY));
        }
        if (!okX || !okY) {
            throw ScriptError(QStringLiteral("'%1' is not a place X,Y").arg(command.text));
        }
        break;
    }
    case Verb::Resize: {
        const QStringList parts = command.text.split(QLatin1Char('x'));
        bool okW = false;
        bool okH = false;
        if (parts.size() == 2) {
            command.point = QPoint(parts[0].toInt(&okW), parts[1].toInt(&okH));
        }
        if (!okW || !okH || command.point.x() <= 0 || command.point.y() <= 0) {
            throw ScriptError(QStringLiteral("'%1' is not a size WxH").arg(command.text));
        }
        break;
    }
    case Verb::SaveGraph:
    case Verb::Screenshot:
        if (command.text.isEmpty()) {
            throw ScriptError(QStringLiteral("screenshot needs a file name"));
        }
        break;
    default:
        break;
    }
    return command;
}

// Reads the whole script before anything runs, so that a misspelt command is
// reported without touching the windows. Errors go to `errors`.
Script ReadScript(const QString& path, QStringList& errors) {
    Script script;
    script.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << QStringLiteral("%1: cannot open: %2").arg(path, file.errorString());
        return script;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line == QLatin1String(">") || line.startsWith(QLatin1String("> "))) {
            script.expected.push_back({number, line.mid(2)});
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        try {
            Command command = ParseCommand(line);
            command.line = number;
            script.commands.push_back(command);
        } catch (const ScriptError& e) {
            errors << QStringLiteral("%1:%2: %3")
                          .arg(path)
                          .arg(number)
                          .arg(QString::fromUtf8(e.what()));
        }
    }
    return script;
}

// ---------------------------------------------------------------------------
// Message boxes

QString IconName(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Warning:
        return QStringLiteral("warning");
    case QMessageBox::Critical:
        return QStringLiteral("error");
    case QMessageBox::Information:
        return QStringLiteral("information");
    case QMessageBox::Question:
        return QStringLiteral("question");
    case QMessageBox::NoIcon:
        break;
    }
    return QStringLiteral("none");
}

// Watches the whole application for message boxes. Each box is reported the
// moment it is shown and closed with its OK button from a zero timer, which
// runs inside the box's own modal loop; a box that is still open after the
// time-out is closed by force and reported as an error.
class MessageBoxCloser : public QObject {
public:
    MessageBoxCloser(std::function<void(const QString&)> print,
                     std::function<void(const QString&)> fail)
        : print_(std::move(print)), fail_(std::move(fail)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                Report(box);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Report(QMessageBox* box) {
        QString text = box->text();
        text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        print_(QStringLiteral("message [%1] %2: %3")
                   .arg(box->windowTitle(), IconName(box->icon()), text));
        QPointer<QMessageBox> guard(box);
        QTimer::singleShot(0, box, [guard] {
            if (guard == nullptr || !guard->isVisible()) {
                return;
            }
            QAbstractButton* ok = guard->button(QMessageBox::Ok);
            if (ok == nullptr && !guard->buttons().isEmpty()) {
                ok = guard->buttons().first();
            }
            if (ok != nullptr) {
                QTest::mouseClick(ok, Qt::LeftButton);
            }
        });
        QTimer::singleShot(kMessageBoxTimeoutMs, box, [this, guard] {
            if (guard != nullptr && guard->isVisible()) {
                fail_(QStringLiteral("the message box [%1] did not close with its OK button")
                          .arg(guard->windowTitle()));
                guard->done(QMessageBox::Cancel);
            }
        });
    }

    std::function<void(const QString&)> print_;
    std::function<void(const QString&)> fail_;
};

// ---------------------------------------------------------------------------
// Running a script

QString ColourName(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

// Runs the commands of one script against a fresh set of windows and keeps
// the transcript, each line with the script line of the command that printed it.
class ScriptRun {
public:
    struct Printed {
        int line;
        QString text;
    };

    explicit ScriptRun(const Script& script) : script_(script) {}

    void Run(QApplication& app) {
        MessageBoxCloser closer([this](const QString& text) { Print(text); },
                                [this](const QString& text) { Fail(text); });
        app.installEventFilter(&closer);
        systemPalette_ = QApplication::palette();

        // Every script starts at 100% with nothing remembered, whatever the last one did.
        if (ZoomPercent() != 100) {
            SetZoomPercent(100);
        }
        QSettings().clear();
        main_.reset(CreateWindows());
        main_->show();
        try {
            Activate(main_.get());
        } catch (const ScriptError& e) {
            Fail(QString::fromUtf8(e.what()));
        }

        for (const Command& command : script_.commands) {
            current_ = command.line;
            RunOne(command);
            if (!errors_.isEmpty()) {
                break; // the windows may be in any state now: stop this script
            }
        }
        current_ = 0;
        app.removeEventFilter(&closer);
        main_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The next script starts as this one did.
        QApplication::setPalette(systemPalette_);
        if (languageChanged_) {
            InstallQtTranslation(QLocale::system());
        }
    }

    bool QuitRequested() const { return quit_; }
    const std::vector<Printed>& Transcript() const { return transcript_; }
    const QStringList& Errors() const { return errors_; }

private:
    // Runs one command from inside an event loop of its own, as an event
    // handler runs in the program; a QCoreApplication::exit() during the
    // command (the main window closing) ends that loop early, which is how
    // the end of the program is noticed.
    void RunOne(const Command& command) {
        if (quit_) {
            // The loops return at once after exit(); run the rest directly.
            Execute(command);
            Settle();
            return;
        }
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [this, &loop, &command] {
            Execute(command);
            if (loop.isRunning()) {
                loop.exit(0);
            } else {
                quit_ = true;
            }
        });
        loop.exec();
        if (!quit_) {
            Settle();
        }
    }

    void Execute(const Command& command) {
        try {
            Dispatch(command);
        } catch (const ScriptError& e) {
            Fail(QString::fromUtf8(e.what()));
        }
    }

    void Print(const QString& text) {
        transcript_.push_back({current_, text});
        WriteLine(stdout, text);
    }

    void Fail(const QString& text) {
        errors_ << QStringLiteral("%1:%2: %3").arg(script_.path).arg(current_).arg(text);
    }

    // Lets posted events (activation, focus, layout) arrive.
    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QCoreApplication::sendPostedEvents();
        }
    }

    // Brings a shown window to the front as a click into it would, so that
    // it owns the keyboard focus.
    static void Activate(QWidget* window) {
        if (!window->isVisible()) {
            return;
        }
        if (QApplication::activeWindow() != window) {
            window->raise();
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window, kActivateTimeoutMs)) {
                throw ScriptError(QStringLiteral("%1 did not become the active window")
                                      .arg(window->objectName()));
            }
        }
        Settle();
    }

    // --- names -------------------------------------------------------------

    QWidget* FindWindow(const QString& name) const {
        if (main_->objectName() == name) {
            return main_.get();
        }
        for (QWidget* child : main_->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
            if (child->isWindow()) {
                return child;
            }
        }
        throw ScriptError(QStringLiteral("unknown window '%1'").arg(name));
    }

    // Every object named `name` inside `root`, without descending into other
    // windows that `root` owns.
    static void Collect(QObject* root, const QString& name, QList<QObject*>& found) {
        for (QObject* child : root->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget != nullptr && widget->isWindow() &&
                qobject_cast<QMenu*>(widget) == nullptr) {
                continue; // another window; a menu's pop-up belongs to its window
            }
            if (child->objectName() == name) {
                found << child;
            }
            Collect(child, name, found);
        }
    }

    QObject* FindControl(const Command& command) const {
        QWidget* window = FindWindow(command.window);
        QList<QObject*> found;
        Collect(window, command.control, found);
        if (found.isEmpty()) {
            throw ScriptError(
                QStringLiteral("unknown control '%1.%2'").arg(command.window, command.control));
        }
        if (found.size() > 1) {
            throw ScriptError(QStringLiteral("%1 controls are named '%2.%3'")
                                  .arg(found.size())
                                  .arg(command.window, command.control));
        }
        return found.first();
    }

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

    static QString Name(const Command& command) {
        return command.control.isEmpty() ? command.window
                                         : command.window + QLatin1Char('.') + command.control;
    }

    static void RequireVisible(QWidget* window) {
        if (!window->isVisible()) {
            throw ScriptError(QStringLiteral("%1 is not shown").arg(window->objectName()));
        }
    }

    // --- actions -----------------------------------------------------------

    // Where a real click lands: the indicator of a radio button or check
    // box (its caption area may be narrower than the control), else the centre.
    static QPoint ClickPoint(QAbstractButton* button) {
        if (qobject_cast<QRadioButton*>(button) != nullptr) {
            QStyleOptionButton option;
            option.initFrom(button);
            return button->style()
                ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button)
                .center();
        }
        return button->rect().center();
    }

    static void MouseClick(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, ClickPoint(button));
    }

    // The focus that a click into the control gives it: an edit's cursor
    // lands after its text.
    static void FocusAsClick(QWidget* control) {
        control->setFocus(Qt::MouseFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->end(false);
        }
        Settle();
    }

    void Show(const Command& command) {
        FindWindow(command.window); // the window must exist
        RequireVisible(main_.get());
        Activate(main_.get());
        if (command.window == QLatin1String("TVersionForm")) {
            TriggerEntry(main_->findChild<QAction*>(QStringLiteral("VersionMenu")));
        } else {
            // TEnzanForm -> EnzanButton
            QString base = command.window;
            if (base.startsWith(QLatin1Char('T'))) {
                base.remove(0, 1);
            }
            if (base.endsWith(QLatin1String("Form"))) {
                base.chop(4);
            }
            auto* button = main_->findChild<QAbstractButton*>(base + QLatin1String("Button"));
            if (button == nullptr || button->window() != main_.get()) {
                throw ScriptError(
                    QStringLiteral("the main window has no button for %1").arg(command.window));
            }
            MouseClick(button);
        }
        QWidget* window = FindWindow(command.window);
        Activate(window);
    }

    static void TriggerEntry(QAction* action) {
        if (action == nullptr) {
            throw ScriptError(QStringLiteral("menu entry missing"));
        }
        action->trigger(); // does nothing when the entry is disabled
    }

    void Click(const Command& command) {
        QWidget* window = FindWindow(command.window);
        RequireVisible(window);
        QObject* object = FindControl(command);
        Activate(window);
        if (auto* action = qobject_cast<QAction*>(object)) {
            TriggerEntry(action);
        } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
            MouseClick(button);
        } else {
            throw ScriptError(
                QStringLiteral("%1 is a %2, which cannot be clicked")
                    .arg(Name(command), QLatin1String(object->metaObject()->className())));
        }
    }

    void Set(const Command& command) {
        RequireVisible(FindWindow(command.window));
        FindControlAs<QLineEdit>(command, "an edit field")->setText(command.text);
    }

    void SetPadded(const Command& command) {
        RequireVisible(FindWindow(command.window));
        const qsizetype space = command.text.indexOf(QLatin1Char(' '));
        bool ok = false;
        const int zeros = command.text.left(space).toInt(&ok);
        if (!ok || zeros < 0) {
            throw ScriptError(
                QStringLiteral("setpadded needs a count of zeros: %1").arg(command.text));
        }
        const QString tail = space < 0 ? QString() : command.text.mid(space + 1);
        FindControlAs<QLineEdit>(command, "an edit field")
            ->setText(QString(zeros, QLatin1Char('0')) + tail);
    }

    void PrintLength(const Command& command) {
        auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
        Print(QStringLiteral("%1 length=%2").arg(Name(command)).arg(edit->text().size()));
    }

    void Type(const Command& command) {
        QWidget* window = FindWindow(command.window);
        RequireVisible(window);
        auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
        Activate(window);
        FocusAsClick(edit);
        QTest::keyClicks(edit, command.text);
    }

    // The control a key command presses its keys on, focused and active.
    QWidget* KeyTarget(const Command& command) {
        QWidget* window = FindWindow(command.window);
        RequireVisible(window);
        if (!command.control.isEmpty()) {
            auto* target = FindControlAs<QWidget>(command, "a control");
            Activate(window);
            FocusAsClick(target);
            return target;
        }
        Activate(window);
        return window->focusWidget() != nullptr ? window->focusWidget() : window;
    }

    void Key(const Command& command) { QTest::keyClick(KeyTarget(command), command.key); }

    void Keys(const Command& command) {
        const QKeyCombination combination = command.keys[0];
        QTest::keyClick(KeyTarget(command), combination.key(), combination.keyboardModifiers());
    }

    void Select(const Command& command) {
        QWidget* window = FindWindow(command.window);
        RequireVisible(window);
        auto* group = FindControlAs<QWidget>(command, "a radio group");
        const QList<QRadioButton*> items =
            group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        if (command.item >= items.size()) {
            throw ScriptError(QStringLiteral("%1 has %2 items, no item %3")
                                  .arg(Name(command))
                                  .arg(items.size())
                                  .arg(command.item));
        }
        Activate(window);
        MouseClick(items[command.item]);
    }

    void Choose(const Command& command) {
        QWidget* window = FindWindow(command.window);
        RequireVisible(window);
        auto* list = qobject_cast<QListWidget*>(FindControlAs<QWidget>(command, "a list"));
        if (list == nullptr || command.item >= list->count()) {
            throw ScriptError(QStringLiteral("%1 is no list with an item %2")
                                  .arg(Name(command))
                                  .arg(command.item));
        }
        Activate(window);
        QListWidgetItem* item = list->item(command.item);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(item).center());
        Settle();
    }

    void Close(const Command& command) {
        QWidget* window = FindWindow(command.window);
        RequireVisible(window);
        // The close event that the window system sends for the title bar's
        // close button.
        QCloseEvent event;
        QCoreApplication::sendEvent(window->windowHandle(), &event);
    }

    // --- observations --------------------------------------------------------

    void PrintText(const Command& command) {
        if (command.control.isEmpty()) {
            QWidget* window = FindWindow(command.window);
            Print(QStringLiteral("%1 = %2").arg(command.window, window->windowTitle()));
            return;
        }
        QObject* object = FindControl(command);
        QString text;
        if (auto* edit = qobject_cast<QLineEdit*>(object)) {
            text = edit->text();
        } else if (auto* label = qobject_cast<QLabel*>(object)) {
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
            text = button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
            text = group->title();
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            text = action->text();
        } else if (auto* menu = qobject_cast<QMenu*>(object)) {
            text = menu->title();
        } else {
            throw ScriptError(
                QStringLiteral("%1 is a %2, which has no text")
                    .arg(Name(command), QLatin1String(object->metaObject()->className())));
        }
        Print(QStringLiteral("%1 = %2").arg(Name(command), text));
    }

    void PrintFocus(const Command& command) {
        QWidget* window = FindWindow(command.window);
        QWidget* focus = window->focusWidget();
        QString name = QStringLiteral("-");
        if (focus != nullptr && focus != window) {
            name = focus->objectName().isEmpty()
                       ? QStringLiteral("(%1)").arg(QLatin1String(focus->metaObject()->className()))
                       : focus->objectName();
        }
        Print(QStringLiteral("focus %1.%2").arg(command.window, name));
    }

    void PrintState(const Command& command) {
        QObject* object = FindControl(command);
        bool enabled = false;
        QPalette palette;
        QPalette::ColorRole baseRole = QPalette::Window;
        QPalette::ColorRole textRole = QPalette::WindowText;
        if (auto* action = qobject_cast<QAction*>(object)) {
            auto* menu = qobject_cast<QMenu*>(action->parent());
            if (menu == nullptr) {
                throw ScriptError(QStringLiteral("%1 is not in a menu").arg(Name(command)));
            }
            enabled = action->isEnabled() && menu->isEnabled();
            palette = menu->palette();
            baseRole = QPalette::Base;
            textRole = QPalette::Text;
        } else if (auto* widget = qobject_cast<QWidget*>(object)) {
            enabled = widget->isEnabled();
            palette = widget->palette();
            if (qobject_cast<QLineEdit*>(widget) != nullptr) {
                baseRole = QPalette::Base;
                textRole = QPalette::Text;
            } else if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
                baseRole = QPalette::Button;
                textRole = QPalette::ButtonText;
            }
        } else {
            throw ScriptError(QStringLiteral("%1 has no state").arg(Name(command)));
        }
        const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
        Print(QStringLiteral("%1 enabled=%2 base=%3 text=%4")
                  .arg(Name(command))
                  .arg(enabled ? 1 : 0)
                  .arg(ColourName(palette.color(group, baseRole)),
                       ColourName(palette.color(group, textRole))));
    }

    void PrintVisible(const Command& command) {
        QWidget* window = FindWindow(command.window);
        Print(QStringLiteral("%1 visible=%2").arg(command.window).arg(window->isVisible() ? 1 : 0));
    }

    void PrintGeometry(const Command& command) {
        QWidget* window = FindWindow(command.window);
        const QRect frame = window->frameGeometry();
        QSize client = window->size();
        if (auto* mainWindow = qobject_cast<QMainWindow*>(window)) {
            if (mainWindow->centralWidget() != nullptr) {
                client = mainWindow->centralWidget()->size();
            }
        }
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        Print(QStringLiteral("%1 x=%2 y=%3 w=%4 h=%5 screen=%6x%7")
                  .arg(command.window)
                  .arg(frame.x())
                  .arg(frame.y())
                  .arg(client.width())
                  .arg(client.height())
                  .arg(screen.width())
                  .arg(screen.height()));
    }

    static QString RectText(const QRect& r) {
        return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }

    void PrintFrame(const Command& command) {
        QWidget* window = FindWindow(command.window);
        if (window->isVisible()) {
            // A window manager that draws no frame leaves the frame as the window.
            static_cast<void>(
                QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); },
                                kFrameTimeoutMs));
        }
        const QRect frame = window->frameGeometry();
        const QScreen* screen = QGuiApplication::screenAt(frame.center());
        if (screen == nullptr) {
            screen = window->screen();
        }
        Print(QStringLiteral("%1 frame=%2 screen=%3 available=%4")
                  .arg(command.window, RectText(frame), RectText(screen->geometry()),
                       RectText(screen->availableGeometry())));
    }

    void Move(const Command& command) {
        QWidget* window = FindWindow(command.window);
        RequireVisible(window);
        window->move(command.point);
    }

    void Wait(const Command& command) { QTest::qWait(command.item); }

    void Grab(const Command& command) {
        QString file = command.text;
        if (QFileInfo(file).isRelative()) {
            file = QFileInfo(script_.path).dir().filePath(file);
        }
        QScreen* screen = main_->screen();
        const QRect area = screen->geometry();
        // Window 0 is the whole desktop; the area is relative to the screen.
        if (!screen->grabWindow(0, 0, 0, area.width(), area.height()).save(file, "PNG")) {
            throw ScriptError(QStringLiteral("cannot write %1").arg(file));
        }
    }

    // Light text on dark grounds, as a dark desktop theme gives it.
    static QPalette DarkPalette() {
        const QColor window(53, 53, 53);
        const QColor base(35, 35, 35);
        const QColor text(230, 230, 230);
        const QColor disabled(120, 120, 120);
        const QColor accent(42, 130, 218);
        QPalette palette(text, window, window.lighter(150), window.darker(200), window.darker(150),
                         text, QColor(Qt::white), base, window);
        palette.setColor(QPalette::AlternateBase, window);
        palette.setColor(QPalette::ToolTipBase, base);
        palette.setColor(QPalette::ToolTipText, text);
        palette.setColor(QPalette::PlaceholderText, disabled);
        palette.setColor(QPalette::Highlight, accent);
        palette.setColor(QPalette::HighlightedText, QColor(Qt::white));
        palette.setColor(QPalette::Link, accent);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(QPalette::Disabled, role, disabled);
        }
        palette.setColor(QPalette::Disabled, QPalette::Base, window);
        return palette;
    }

    void SetPalette(const Command& command) {
        QApplication::setPalette(command.text == QLatin1String("dark") ? DarkPalette()
                                                                       : systemPalette_);
    }

    void PrintIcon(const Command& command) {
        QWidget* window = FindWindow(command.window);
        const QPixmap drawn = window->windowIcon().pixmap(QSize(32, 32));
        Print(drawn.isNull() ? QStringLiteral("%1 icon=none").arg(command.window)
                             : QStringLiteral("%1 icon=%2x%3")
                                   .arg(command.window)
                                   .arg(drawn.width())
                                   .arg(drawn.height()));
    }

    void SetLanguage(const Command& command) {
        languageChanged_ = true;
        const bool loaded = InstallQtTranslation(QLocale(command.text));
        Print(QStringLiteral("language %1 loaded=%2").arg(command.text).arg(loaded ? 1 : 0));
    }

    void PrintContextMenu(const Command& command) {
        auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
        // The menu a right click opens, built the way the field builds it.
        std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
            entries << text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
        }
        Print(QStringLiteral("%1 contextmenu: %2")
                  .arg(Name(command), entries.join(QLatin1String(" | "))));
    }

    void PrintTooltip(const Command& command) {
        auto* widget = qobject_cast<QWidget*>(FindControl(command));
        if (widget == nullptr) {
            throw ScriptError(QStringLiteral("%1 is not a control").arg(Name(command)));
        }
        Print(QStringLiteral("%1 tooltip=%2").arg(Name(command), widget->toolTip()));
    }

    static QString AccessibleName(QObject* object) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face != nullptr ? face->text(QAccessible::Name) : QString();
    }

    void PrintAccessible(const Command& command) {
        if (!command.control.isEmpty()) {
            Print(QStringLiteral("%1 accessible=%2")
                      .arg(Name(command), AccessibleName(FindControl(command))));
            return;
        }
        QWidget* window = FindWindow(command.window);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool field = qobject_cast<QLineEdit*>(control) != nullptr;
            const bool button = qobject_cast<QAbstractButton*>(control) != nullptr;
            QString name = control->objectName();
            if ((!field && !button) || control->window() != window ||
                name.startsWith(QLatin1String("qt_"))) {
                continue; // Qt's own parts, such as the menu bar's extension button
            }
            if (name.isEmpty()) {
                name =
                    QStringLiteral("(%1)").arg(QLatin1String(control->metaObject()->className()));
            }
            Print(QStringLiteral("%1.%2 accessible=%3")
                      .arg(command.window, name, AccessibleName(control)));
        }
    }

    void PrintLabels(const Command& command) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(FindControl(command));
        QStringList texts;
        if (face != nullptr) {
            for (const auto& [label, relation] : face->relations(QAccessible::Label)) {
                texts << label->text(QAccessible::Name);
            }
        }
        Print(QStringLiteral("%1 labels=%2").arg(Name(command), texts.join(QLatin1Char(' '))));
    }

    void PrintCursor(const Command& command) {
        auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
        Print(QStringLiteral("%1 cursor=%2 selected=%3")
                  .arg(Name(command))
                  .arg(edit->cursorPosition())
                  .arg(edit->selectedText().size()));
    }

    void PrintDrawn(const Command& command) {
        auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
        const QVariant shown = edit->property("shownText");
        Print(QStringLiteral("%1 drawn=%2")
                  .arg(Name(command), shown.isValid() ? shown.toString() : edit->text()));
    }

    void PrintClipboard() {
        QString text = QGuiApplication::clipboard()->text();
        text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        Print(QStringLiteral("clipboard=%1").arg(text));
    }

    void ChooseFromContextMenu(const Command& command) {
        QWidget* window = FindWindow(command.window);
        RequireVisible(window);
        auto* control = FindControlAs<QWidget>(command, "a control");
        Activate(window);
        control->setFocus(Qt::MouseFocusReason);
        Settle();
        const QPoint at = control->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
        QCoreApplication::sendEvent(control, &event);
        Settle();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            throw ScriptError(QStringLiteral("%1 opened no context menu").arg(Name(command)));
        }
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) == command.text) {
                chosen = action;
            }
        }
        if (chosen == nullptr) {
            menu->close();
            throw ScriptError(QStringLiteral("the context menu of %1 has no entry '%2'")
                                  .arg(Name(command), command.text));
        }
        chosen->trigger(); // does nothing when the entry is disabled
        menu->close();
    }

    void PrintSelected(const Command& command) {
        auto* edit = FindControlAs<QLineEdit>(command, "an edit field");
        Print(QStringLiteral("%1 selected=%2").arg(Name(command), edit->selectedText()));
    }

    void PrintChecked(const Command& command) {
        QObject* object = FindControl(command);
        if (auto* button = qobject_cast<QAbstractButton*>(object);
            button && button->isCheckable()) {
            Print(QStringLiteral("%1 checked=%2")
                      .arg(Name(command))
                      .arg(button->isChecked() ? 1 : 0));
            return;
        }
        auto* group = qobject_cast<QWidget*>(object);
        const QList<QRadioButton*> items =
            group ? group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)
                  : QList<QRadioButton*>();
        if (items.isEmpty()) {
            throw ScriptError(QStringLiteral("%1 is neither a radio button nor a radio group")
                                  .arg(Name(command)));
        }
        int checked = -1;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (items[i]->isChecked()) {
                checked = static_cast<int>(i);
            }
        }
        Print(QStringLiteral("%1 item=%2").arg(Name(command)).arg(checked));
    }

    static QString Escaped(QString text) {
        return text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    }

    void PrintBoard() {
        const auto* board = main_->findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"),
                                                            Qt::FindDirectChildrenOnly);
        if (board == nullptr || board->ShownEntry() < 0) {
            return Print(QStringLiteral("board none"));
        }
        const auto unicode = [board](const char* view) {
            const auto* math = board->findChild<TMathView*>(QLatin1String(view));
            return Escaped(QString::fromStdString(arith::MathToUnicode(math->Math())));
        };
        Print(QStringLiteral("board window=%1 problem=%2 answer=%3")
                  .arg(board->findChild<QLabel*>(QStringLiteral("WindowLabel"))->text(),
                       unicode("ProblemView"), unicode("AnswerView")));
    }

    // The working the board shows, or nothing.
    const arith::TMath* ShownWorking() const {
        const auto* board = main_->findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"),
                                                            Qt::FindDirectChildrenOnly);
        const TBoardEntry* entry = board == nullptr ? nullptr : board->Shown();
        return entry == nullptr || !entry->Math().Working ? nullptr : &*entry->Math().Working;
    }

    void PrintWorking() {
        const arith::TMath* working = ShownWorking();
        if (working == nullptr) {
            return Print(QStringLiteral("working none"));
        }
        Print(QStringLiteral("working %1")
                  .arg(Escaped(QString::fromStdString(arith::MathToUnicode(*working)))));
    }

    // The formula tree of a working, for checks that read it as mathematics.
    static QJsonObject MathTree(const arith::TMath& math) {
        static const char* const kKinds[] = {
            "Row",  "Lines", "Number", "Letter",   "Operator", "Punct", "Word",    "Fraction",
            "Root", "Power", "Paren",  "Integral", "Sum",      "Count", "Bracket", "Table"};
        QJsonObject object{{QStringLiteral("k"), kKinds[static_cast<int>(math.Kind)]}};
        if (!math.Text.empty()) {
            object.insert(QStringLiteral("t"), QString::fromStdString(math.Text));
        }
        if (!math.Parts.empty()) {
            QJsonArray parts;
            for (const auto& part : math.Parts) {
                parts.append(MathTree(part));
            }
            object.insert(QStringLiteral("p"), parts);
        }
        return object;
    }

    void PrintWorkingTree() {
        const arith::TMath* working = ShownWorking();
        if (working == nullptr) {
            return Print(QStringLiteral("working-tree none"));
        }
        const QJsonDocument tree(MathTree(*working));
        Print(QStringLiteral("working-tree %1")
                  .arg(QString::fromUtf8(tree.toJson(QJsonDocument::Compact))));
    }

    void PrintGraph() {
        const auto* board = main_->findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"),
                                                            Qt::FindDirectChildrenOnly);
        const TBoardEntry* entry = board == nullptr ? nullptr : board->Shown();
        if (entry == nullptr || !entry->Graph()) {
            return Print(QStringLiteral("graph none"));
        }
        const arith::TGraph& graph = *entry->Graph();
        const arith::TGraphRange& r = graph.Range;
        Print(QStringLiteral("graph x=%1..%2 y=%3..%4 curves=%5 marks=%6 bars=%7 notes=%8")
                  .arg(r.XMin)
                  .arg(r.XMax)
                  .arg(r.YMin)
                  .arg(r.YMax)
                  .arg(graph.Curves.size() + graph.Verticals.size())
                  .arg(graph.Marks.size())
                  .arg(graph.Bars.size())
                  .arg(graph.Notes.size()));
        for (const arith::TGraphMark& mark : graph.Marks) {
            Print(QStringLiteral("graph mark %1").arg(QString::fromStdString(mark.Label)));
        }
        for (const arith::TGraphCurve& curve : graph.Curves) {
            Print(QStringLiteral("graph curve %1").arg(QString::fromStdString(curve.Label)));
        }
        for (const arith::TGraphVertical& vertical : graph.Verticals) {
            Print(QStringLiteral("graph curve %1").arg(QString::fromStdString(vertical.Label)));
        }
        for (const std::string& note : graph.Notes) {
            Print(QStringLiteral("graph note %1").arg(QString::fromStdString(note)));
        }
    }

    void PrintGraphDrawn() {
        const auto* view = main_->findChild<QChartView*>(QStringLiteral("GraphChart"));
        if (view == nullptr || !view->isVisible() || view->chart() == nullptr) {
            return Print(QStringLiteral("graphdrawn none"));
        }
        QApplication::processEvents(); // the ticks and labels settle once the chart is laid out
        QStringList ticks[2];
        QRectF shown; // the view, in the plane's coordinates
        for (QAbstractAxis* axis : view->chart()->axes()) {
            if (auto* category = qobject_cast<QCategoryAxis*>(axis)) {
                const bool across = axis->orientation() == Qt::Horizontal;
                ticks[across ? 0 : 1] = category->categoriesLabels();
                if (across) {
                    shown.setLeft(category->min());
                    shown.setRight(category->max());
                } else {
                    shown.setTop(category->min());
                    shown.setBottom(category->max());
                }
            }
        }
        // Every line ends inside the view: a saved SVG keeps no clip.
        const double slack = 1e-9 * std::max(shown.width(), shown.height());
        const QRectF loose = shown.adjusted(-slack, -slack, slack, slack);
        bool inside = true;
        for (QAbstractSeries* series : view->chart()->series()) {
            if (auto* line = qobject_cast<QLineSeries*>(series)) {
                const QList<QPointF> points = line->points();
                inside = inside && std::all_of(points.begin(), points.end(),
                                               [&](QPointF p) { return loose.contains(p); });
            }
        }
        std::vector<QRectF> labels;
        for (QGraphicsItem* item : view->scene()->items()) {
            if (item->type() == QGraphicsSimpleTextItem::Type && item->isVisible()) {
                labels.push_back(item->sceneBoundingRect());
            }
        }
        bool apart = true;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            for (std::size_t j = i + 1; j < labels.size(); ++j) {
                // Closer than half a line reads as one label: "√3" "2" as "√32".
                const double gap = labels[i].height() / 4;
                apart = apart && !labels[i].adjusted(-gap, 0, gap, 0).intersects(labels[j]);
            }
        }
        Print(QStringLiteral("graphdrawn x=%1 y=%2 apart=%3 inside=%4")
                  .arg(ticks[0].join(QLatin1Char(' ')), ticks[1].join(QLatin1Char(' ')))
                  .arg(apart ? 1 : 0)
                  .arg(inside ? 1 : 0));
        const auto* legend = main_->findChild<QLabel*>(QStringLiteral("GraphLegend"));
        QString text = legend == nullptr || !legend->isVisible()
                           ? QString()
                           : QTextDocumentFragment::fromHtml(legend->text()).toPlainText();
        text.remove(QChar(0x2060)).replace(QChar(QChar::Nbsp), QLatin1Char(' '));
        Print(QStringLiteral("graphdrawn legend %1")
                  .arg(text.isEmpty() ? QStringLiteral("none") : text));
    }

    void SaveGraph(const Command& command) {
        const auto* board = main_->findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"),
                                                            Qt::FindDirectChildrenOnly);
        if (board == nullptr) {
            throw ScriptError(QStringLiteral("the answer board has not been opened"));
        }
        QString file = command.text;
        if (QFileInfo(file).isRelative()) {
            file = saved_.filePath(file);
        }
        const bool ok = file.endsWith(QLatin1String(".svg")) ? board->WriteGraphSvg(file)
                                                             : board->WriteGraphPng(file);
        const QString name = QFileInfo(file).fileName();
        if (!ok) {
            return Print(QStringLiteral("savegraph %1 ok=0").arg(name));
        }
        QFile written(file);
        const QByteArray head =
            written.open(QIODevice::ReadOnly) ? written.read(4096) : QByteArray();
        const char* format = head.startsWith("\x89PNG") ? "png"
                             : head.contains("<svg")    ? "svg"
                                                        : "unknown";
        Print(QStringLiteral("savegraph %1 ok=1 format=%2").arg(name, QLatin1String(format)));
    }

    void PrintGraphMarks() {
        const auto* view = main_->findChild<QChartView*>(QStringLiteral("GraphChart"));
        const auto* board = main_->findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"),
                                                            Qt::FindDirectChildrenOnly);
        const TBoardEntry* entry = board == nullptr ? nullptr : board->Shown();
        if (view == nullptr || !view->isVisible() || view->chart() == nullptr || entry == nullptr ||
            !entry->Graph()) {
            return Print(QStringLiteral("graphmarks none"));
        }
        QApplication::processEvents(); // the chart is laid out
        QChart* chart = view->chart();
        QStringList names[2];
        for (QAbstractAxis* axis : chart->axes()) {
            names[axis->orientation() == Qt::Horizontal ? 0 : 1] << axis->titleText();
        }
        // The drawn lines, in pixels.
        std::vector<std::vector<QPointF>> lines;
        std::vector<QPointF> dots;
        for (QAbstractSeries* series : chart->series()) {
            if (auto* line = qobject_cast<QLineSeries*>(series)) {
                if (line->objectName() == QLatin1String("Axis")) {
                    continue;
                }
                std::vector<QPointF>& pixels = lines.emplace_back();
                for (const QPointF p : line->points()) {
                    pixels.push_back(chart->mapToPosition(p, series));
                }
            } else if (auto* scatter = qobject_cast<QScatterSeries*>(series)) {
                for (const QPointF p : scatter->points()) {
                    dots.push_back(p);
                }
            }
        }
        const auto distance = [](QPointF p, QPointF a, QPointF b) {
            const QPointF d = b - a;
            const double length = QPointF::dotProduct(d, d);
            const double t =
                length > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / length, 0.0, 1.0) : 0.0;
            const QPointF nearest = a + t * d;
            return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
        };
        const arith::TGraph& graph = *entry->Graph();
        int drawn = 0;
        int on = 0;
        QStringList off;
        for (const arith::TGraphMark& mark : graph.Marks) {
            const QPointF at(mark.X, mark.Y);
            if (std::find(dots.begin(), dots.end(), at) == dots.end()) {
                continue;
            }
            ++drawn;
            const QPointF pixel = chart->mapToPosition(at);
            bool near = false;
            for (const std::vector<QPointF>& line : lines) {
                for (std::size_t i = 0; i + 1 < line.size() && !near; ++i) {
                    near = distance(pixel, line[i], line[i + 1]) <= 1;
                }
                near = near || (line.size() == 1 && distance(pixel, line[0], line[0]) <= 1);
            }
            if (near) {
                ++on;
            } else {
                off << QString::fromStdString(mark.Label);
            }
        }
        Print(QStringLiteral("graphmarks x=%1 y=%2 marks=%3 drawn=%4 on=%5")
                  .arg(names[0].join(QLatin1Char(',')), names[1].join(QLatin1Char(',')))
                  .arg(graph.Marks.size())
                  .arg(drawn)
                  .arg(on));
        for (const QString& label : off) {
            Print(QStringLiteral("graphmarks off %1").arg(label));
        }
    }

    void PrintGraphPicture() {
        auto* board = main_->findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"),
                                                      Qt::FindDirectChildrenOnly);
        auto* view =
            board == nullptr ? nullptr : board->findChild<TGraphView*>(QStringLiteral("GraphView"));
        if (view == nullptr || !view->HasGraph()) {
            return Print(QStringLiteral("graphpicture none"));
        }
        view->EnsureBuilt();
        QApplication::processEvents();
        const QImage image = view->Image();
        const QByteArray svg = view->Svg();
        if (image.isNull() || svg.isEmpty()) {
            return Print(QStringLiteral("graphpicture none"));
        }
        const double pngWidth = image.width() / image.devicePixelRatio();
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("viewBox=\"0 0 (\\d+) "))
                .match(QString::fromUtf8(svg));
        const int svgWidth = box.hasMatch() ? box.captured(1).toInt() : -1;
        const int widest = board->width();
        const bool fits = pngWidth <= widest && svgWidth >= 0 && svgWidth <= widest;
        Print(QStringLiteral("graphpicture fits=%1").arg(fits ? 1 : 0));
    }

    void PrintHistory() {
        const auto* board = main_->findChild<TAnswerBoard*>(QStringLiteral("TAnswerBoard"),
                                                            Qt::FindDirectChildrenOnly);
        if (board == nullptr) {
            throw ScriptError(QStringLiteral("the answer board has not been opened"));
        }
        const auto* list = board->findChild<QListWidget*>(QStringLiteral("HistoryList"));
        Print(QStringLiteral("history %1").arg(list->count()));
        for (int i = 0; i < list->count(); ++i) {
            Print(QStringLiteral("history[%1] %2").arg(i).arg(Escaped(list->item(i)->text())));
        }
    }

    void PrintShown() {
        QString line = QStringLiteral("shown:");
        if (main_->isVisible()) {
            line += QLatin1Char(' ') + main_->objectName();
        }
        for (QObject* child : main_->children()) {
            auto* window = qobject_cast<QWidget*>(child);
            if (window != nullptr && window->isWindow() && window->isVisible() &&
                qobject_cast<QMenu*>(window) == nullptr) {
                line += QLatin1Char(' ') + window->objectName();
            }
        }
        Print(line);
    }

    void Screenshot(const Command& command) {
        QWidget* window = FindWindow(command.window);
        QString file = command.text;
        if (QFileInfo(file).isRelative()) {
            file = QFileInfo(script_.path).dir().filePath(file);
        }
        window->ensurePolished();
        if (!window->grab().save(file, "PNG")) {
            throw ScriptError(QStringLiteral("cannot write %1").arg(file));
        }
    }

    void Dispatch(const Command& command) {
        switch (command.verb) {
        case Verb::Show:
            return Show(command);
        case Verb::Click:
            return Click(command);
        case Verb::Set:
            return Set(command);
        case Verb::SetPadded:
            return SetPadded(command);
        case Verb::Length:
            return PrintLength(command);
        case Verb::Type:
            return Type(command);
        case Verb::Key:
            return Key(command);
        case Verb::Select:
            return Select(command);
        case Verb::Close:
            return Close(command);
        case Verb::Print:
            return PrintText(command);
        case Verb::Focus:
            return PrintFocus(command);
        case Verb::State:
            return PrintState(command);
        case Verb::Visible:
            return PrintVisible(command);
        case Verb::Geometry:
            return PrintGeometry(command);
        case Verb::Screenshot:
            return Screenshot(command);
        case Verb::Checked:
            return PrintChecked(command);
        case Verb::Running:
            return Print(QStringLiteral("running=%1").arg(quit_ ? 0 : 1));
        case Verb::Shown:
            return PrintShown();
        case Verb::Tooltip:
            return PrintTooltip(command);
        case Verb::Keys:
            return Keys(command);
        case Verb::Zoom:
            return Print(QStringLiteral("zoom=%1%").arg(ZoomPercent()));
        case Verb::Accessible:
            return PrintAccessible(command);
        case Verb::Labels:
            return PrintLabels(command);
        case Verb::Cursor:
            return PrintCursor(command);
        case Verb::Drawn:
            return PrintDrawn(command);
        case Verb::Menu:
            return ChooseFromContextMenu(command);
        case Verb::Clipboard:
            return PrintClipboard();
        case Verb::Selected:
            return PrintSelected(command);
        case Verb::Frame:
            return PrintFrame(command);
        case Verb::Wait:
            return Wait(command);
        case Verb::Grab:
            return Grab(command);
        case Verb::Palette:
            return SetPalette(command);
        case Verb::Icon:
            return PrintIcon(command);
        case Verb::Language:
            return SetLanguage(command);
        case Verb::ContextMenu:
            return PrintContextMenu(command);
        case Verb::Move:
            return Move(command);
        case Verb::Board:
            return PrintBoard();
        case Verb::History:
            return PrintHistory();
        case Verb::Choose:
            return Choose(command);
        case Verb::Working:
            return PrintWorking();
        case Verb::WorkingTree:
            return PrintWorkingTree();
        case Verb::Graph:
            return PrintGraph();
        case Verb::Resize:
            FindWindow(command.window)->resize(command.point.x(), command.point.y());
            QApplication::processEvents();
            return;
        case Verb::SaveGraph:
            return SaveGraph(command);
        case Verb::GraphDrawn:
            return PrintGraphDrawn();
        case Verb::GraphMarks:
            return PrintGraphMarks();
        case Verb::GraphPicture:
            return PrintGraphPicture();
        }
    }

    const Script& script_;
    std::unique_ptr<TMainForm> main_;
    std::vector<Printed> transcript_;
    QStringList errors_;
    int current_ = 0; // script line of the running command
    bool quit_ = false;
    QPalette systemPalette_;
    bool languageChanged_ = false;
    QTemporaryDir saved_; // where savegraph writes a relative FILE
};

// ---------------------------------------------------------------------------
// Checking a transcript

// Compares the printed lines with the expected ones, aligned by their longest
// common subsequence so that one missing or extra line is reported as just
// that. Returns true when they are equal.
bool CheckTranscript(const Script& script, const std::vector<ScriptRun::Printed>& printed) {
    const std::vector<Expected>& expected = script.expected;
    const size_t n = expected.size();
    const size_t m = printed.size();
    // lcs[i][j]: common length of expected[i..] and printed[j..].
    std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
    for (size_t i = n; i-- > 0;) {
        for (size_t j = m; j-- > 0;) {
            lcs[i][j] = expected[i].text == printed[j].text
                            ? lcs[i + 1][j + 1] + 1
                            : std::max(lcs[i + 1][j], lcs[i][j + 1]);
        }
    }
    bool same = true;
    size_t i = 0;
    size_t j = 0;
    std::vector<size_t> missing; // expected lines with no partner yet
    std::vector<size_t> extra;   // printed lines with no partner yet
    const auto flush = [&] {
        const size_t pairs = std::min(missing.size(), extra.size());
        for (size_t k = 0; k < pairs; ++k) {
            const Expected& e = expected[missing[k]];
            WriteLine(
                stderr,
                QStringLiteral("%1:%2: expected: %3").arg(script.path).arg(e.line).arg(e.text));
            WriteLine(stderr, QStringLiteral("%1:%2:  printed: %3")
                                  .arg(script.path)
                                  .arg(e.line)
                                  .arg(printed[extra[k]].text));
        }
        for (size_t k = pairs; k < missing.size(); ++k) {
            const Expected& e = expected[missing[k]];
            WriteLine(
                stderr,
                QStringLiteral("%1:%2: missing: %3").arg(script.path).arg(e.line).arg(e.text));
        }
        for (size_t k = pairs; k < extra.size(); ++k) {
            const ScriptRun::Printed& p = printed[extra[k]];
            WriteLine(stderr, QStringLiteral("%1:%2: extra line printed by this command: %3")
                                  .arg(script.path)
                                  .arg(p.line)
                                  .arg(p.text));
        }
        same = same && missing.empty() && extra.empty();
        missing.clear();
        extra.clear();
    };
    while (i < n || j < m) {
        if (i < n && j < m && expected[i].text == printed[j].text) {
            flush();
            ++i;
            ++j;
        } else if (j < m && (i == n || lcs[i][j + 1] >= lcs[i + 1][j])) {
            extra.push_back(j++);
        } else {
            missing.push_back(i++);
        }
    }
    flush();
    return same;
}

// ---------------------------------------------------------------------------
// Start-up

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
    WriteLine(stderr, QStringLiteral("usage: vorantel-script [--check] FILE..."));
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
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--check")) {
            check = true;
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
        const Script script = ReadScript(path, errors);
        if (errors.isEmpty()) {
            if (restart) {
                // The last script ended the program; an exec() that returns at
                // once resets the application so that event loops run again.
                QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
                QApplication::exec();
            }
            ScriptRun run(script);
            run.Run(app);
            restart = run.QuitRequested();
            errors = run.Errors();
            if (errors.isEmpty() && check && !CheckTranscript(script, run.Transcript())) {
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
