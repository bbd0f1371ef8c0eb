// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolveCommand.h"

#include "BoardText.h"
#include "FormulaLine.h"
#include "WindowRegistry.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace {

void PrintLine(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

int Usage(const std::string& why) {
    std::fprintf(stderr,
                 "vorantel: %s\nusage: vorantel --solve W FIELD=TEXT ... [--click C ...] "
                 "[--board]\n",
                 why.c_str());
    return 2;
}

// A message box as the UI scripts print it.
void PrintMessage(const problems::TMessage& message) {
    if (message.Type == problems::TMessage::Kind::Warning) {
        PrintLine(
            QStringLiteral("message [%1] warning: %2")
                .arg(QString::fromUtf8(problems::kWarningCaption), OneLineEscaped(message.Text)));
    } else {
        PrintLine(
            QStringLiteral("message [%1] error: %2.")
                .arg(QString::fromUtf8(problems::kErrorCaption), OneLineEscaped(message.Text)));
    }
}

// A click as --solve prints it; a script prints the messages alone (its own
// print commands show the fields).
void PrintResult(const TWindowEntry& window, const problems::TWindowResult& result, bool fields) {
    for (const problems::TMessage& message : result.Messages) {
        PrintMessage(message);
    }
    if (!fields) {
        return;
    }
    for (const problems::TFieldText& field : result.Fields) {
        PrintLine(QStringLiteral("%1.%2 = %3")
                      .arg(QString::fromLatin1(window.Class), QString::fromStdString(field.Name),
                           QString::fromStdString(field.Text)));
    }
    if (result.Focus) {
        PrintLine(
            QStringLiteral("focus %1.%2")
                .arg(QString::fromLatin1(window.Class), QString::fromStdString(*result.Focus)));
    }
}

// The board's lines, as the runner's board, working and graph commands print them.
void PrintBoard(const TBoardEntry* entry) {
    PrintLine(entry == nullptr ? QStringLiteral("board none") : BoardLine(*entry));
    PrintLine(WorkingLine(entry));
    for (const QString& line : GraphLines(entry)) {
        PrintLine(line);
    }
}

bool Contains(const std::vector<const char*>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(), [&name](const char* n) { return name == n; });
}

// The calculations of one command line or script: each window's state as its
// calculations leave it, and the board's latest entry.
class TSession {
public:
    explicit TSession(bool script) : script_(script), boardOpen_(!script) {}

    // The state of a window, as it is first shown.
    problems::TWindowInput& State(const TWindowEntry& window) {
        const auto found = states_.find(window.Class);
        if (found != states_.end()) {
            return found->second;
        }
        return states_.emplace(window.Class, window.StartInput()).first->second;
    }

    // Checks a radio button, clears the fields, or calculates as the control's
    // click would; false for a control that is none of these.
    bool Click(const TWindowEntry& window, const std::string& control) {
        problems::TWindowInput& input = State(window);
        if (window.CheckRadio(input, control)) {
            return true;
        }
        if (control == "ClearButton") {
            // The fields go back to their first texts; the modes stay.
            input.Fields = window.StartInput().Fields;
            return true;
        }
        if (!Contains(window.Commands, control)) {
            return false;
        }
        input.Command = control;
        problems::TWindowResult result = window.Solve(input);
        read_.insert(result.FieldsRead.begin(), result.FieldsRead.end());
        PrintResult(window, result, !script_);
        if (result.Board) {
            result.Board->Window = window.Caption;
            result.Board->WindowClass = window.Class;
            result.Board->Input = input; // as given, before the answers are written
            shown_ = std::move(result.Board);
        }
        for (const problems::TFieldText& field : result.Fields) {
            input.Fields[field.Name] = field.Text;
        }
        return true;
    }

    // Recognises a problem typed on the launcher's formula line and
    // calculates it as the launcher does: every field of its window written,
    // its radio buttons checked in order, its command clicked. A line that is
    // not recognised prints its message as the warning box shows it. False
    // for a line that names no window (that of no calculation) or a control
    // the window does not have.
    bool Formula(const std::string& line) {
        const problems::TFormulaReading reading = problems::RecognizeFormula(line);
        if (const auto* refusal = std::get_if<problems::TFormulaRefusal>(&reading)) {
            PrintMessage({problems::TMessage::Kind::Warning, refusal->Message});
            refused_ = *refusal;
            return true;
        }
        refused_.reset();
        const auto& problem = std::get<problems::TFormulaProblem>(reading);
        const TWindowEntry* window = FindWindow(problem.Window);
        if (window == nullptr || window->Solve == nullptr) {
            return false;
        }
        problems::TWindowInput& input = State(*window);
        for (const auto& [field, text] : problem.Fields) {
            input.Fields[field] = text;
        }
        for (const std::string& radio : problem.Checked) {
            if (!window->CheckRadio(input, radio)) {
                return false;
            }
        }
        return Click(*window, problem.Command);
    }
    // The refusal of the latest formula line, if it was refused.
    const std::optional<problems::TFormulaRefusal>& Refused() const { return refused_; }

    // The entry the board shows: the latest, once the board is open (a
    // script opens it; a command line's board is open from the start).
    // Whether a calculation so far read the field.
    bool Read(const std::string& field) const { return read_.count(field) != 0; }

    const TBoardEntry* Shown() const { return shown_ && boardOpen_ ? &*shown_ : nullptr; }
    void OpenBoard() { boardOpen_ = true; }

private:
    std::map<std::string, problems::TWindowInput> states_;
    std::optional<TBoardEntry> shown_;
    std::set<std::string> read_;
    std::optional<problems::TFormulaRefusal> refused_;
    bool script_;
    bool boardOpen_;
};

// The window a script names, one with a problem entry.
const TWindowEntry* SolvableWindow(const std::string& name) {
    const TWindowEntry* window = FindWindow(name);
    return window != nullptr && window->Solve != nullptr ? window : nullptr;
}

int ScriptError(const std::string& where, const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", where.c_str(), what.c_str());
    return 2;
}

// Runs the calculation commands of a UI script without the windows.
int RunScript(const char* path) {
    std::ifstream file(path);
    if (!file) {
        return ScriptError(path, "cannot be read");
    }
    TSession session(true);
    std::string formula; // the launcher's formula line
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::string where = std::string(path) + ":" + std::to_string(number);
        if (line.empty() || line[0] == '#' || line.rfind("> ", 0) == 0) {
            continue;
        }
        const std::size_t space = line.find(' ');
        const std::string verb = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        const std::size_t textAt = rest.find(' ');
        const std::string target = rest.substr(0, textAt);
        const std::string text = textAt == std::string::npos ? "" : rest.substr(textAt + 1);
        const std::size_t dot = target.find('.');
        const std::string windowName = target.substr(0, dot);
        const std::string control = dot == std::string::npos ? "" : target.substr(dot + 1);
        if (verb == "board") {
            PrintLine(session.Shown() == nullptr ? QStringLiteral("board none")
                                                 : BoardLine(*session.Shown()));
        } else if (verb == "working") {
            PrintLine(WorkingLine(session.Shown()));
        } else if (verb == "working-tree") {
            PrintLine(WorkingTreeLine(session.Shown()));
        } else if (verb == "graph") {
            for (const QString& text : GraphLines(session.Shown())) {
                PrintLine(text);
            }
        } else if (windowName == "TMainForm" && verb == "click" && control == "BoardMenu") {
            session.OpenBoard();
        } else if (windowName == "TMainForm" && control == "FormulaEdit") {
            if (verb == "set" || verb == "type") {
                formula = verb == "set" ? text : formula + text;
            } else if (verb == "key" && text == "Enter") {
                if (!session.Formula(formula)) {
                    return ScriptError(where, "no window to solve for the line " + formula);
                }
            } else if (verb == "print") {
                PrintLine(QStringLiteral("TMainForm.FormulaEdit = %1")
                              .arg(QString::fromStdString(formula)));
            } else {
                return ScriptError(where, "not a command of the formula line: " + line);
            }
        } else if (const TWindowEntry* window = SolvableWindow(windowName)) {
            problems::TWindowInput& state = session.State(*window);
            if (verb == "show" && control.empty()) {
                continue;
            } else if (verb == "print" && control.empty()) {
                PrintLine(QStringLiteral("%1 = %2").arg(QString::fromLatin1(window->Class),
                                                        QString::fromUtf8(window->Caption)));
            } else if (verb == "print") {
                PrintLine(QStringLiteral("%1 = %2").arg(
                    QString::fromStdString(target), QString::fromStdString(state.Field(control))));
            } else if (verb == "set" && !control.empty()) {
                state.Fields[control] = text;
            } else if (verb == "select" && !control.empty()) {
                const auto group =
                    std::find_if(window->RadioGroups.begin(), window->RadioGroups.end(),
                                 [&control](const TRadioGroup& g) {
                                     return g.Box != nullptr && control == g.Box;
                                 });
                const std::size_t item = std::strtoul(text.c_str(), nullptr, 10);
                if (group == window->RadioGroups.end() || item >= group->Radios.size()) {
                    return ScriptError(where, "no radio group or item " + rest);
                }
                session.Click(*window, group->Radios[item]);
            } else if (verb == "click" && !control.empty()) {
                if (!session.Click(*window, control)) {
                    return ScriptError(where, "no radio or command button " + target);
                }
            } else {
                return ScriptError(where, "not a calculation command: " + line);
            }
        } else {
            return ScriptError(where, "no window to solve in: " + line);
        }
    }
    std::fflush(stdout);
    return 0;
}

// `--formula TEXT [--board]`: the line recognised and calculated as the
// launcher does, printed as --solve prints the same fields and clicks.
int RunFormula(int argc, char* argv[]) {
    const bool board = argc == 4 && std::strcmp(argv[3], "--board") == 0;
    if (argc != 3 && !board) {
        return Usage("--formula needs one line, and --board only after it");
    }
    TSession session(false);
    if (!session.Formula(argv[2])) {
        std::fprintf(stderr, "vorantel: the line was read for a window that cannot calculate it\n");
        return 2;
    }
    if (const auto& refused = session.Refused()) {
        PrintLine(QStringLiteral("position %1").arg(refused->Position));
        std::fflush(stdout);
        return 1;
    }
    if (board) {
        PrintBoard(session.Shown());
    }
    std::fflush(stdout);
    return 0;
}

} // namespace

std::optional<int> RunSolveCommand(int argc, char* argv[]) {
    if (argc < 2) {
        return std::nullopt;
    }
    if (std::strcmp(argv[1], "--solve-script") == 0) {
        return argc == 3 ? RunScript(argv[2]) : Usage("--solve-script needs one file");
    }
    if (std::strcmp(argv[1], "--formula") == 0) {
        return RunFormula(argc, argv);
    }
    if (std::strcmp(argv[1], "--solve") != 0) {
        return std::nullopt;
    }
    if (argc < 3) {
        return Usage("--solve needs a window");
    }
    const TWindowEntry* window = SolvableWindow(argv[2]);
    if (window == nullptr) {
        return Usage(std::string("no window to solve named ") + argv[2]);
    }
    TSession session(false);
    problems::TWindowInput& input = session.State(*window);
    std::vector<std::string> clicks;
    bool board = false;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--board") {
            board = true;
        } else if (argument == "--click") {
            if (++i == argc) {
                return Usage("--click needs a control");
            }
            clicks.emplace_back(argv[i]);
        } else if (const auto equals = argument.find('='); equals != std::string::npos) {
            input.Fields[argument.substr(0, equals)] = argument.substr(equals + 1);
        } else {
            return Usage("expected FIELD=TEXT, --click C or --board, got " + argument);
        }
    }
    if (std::none_of(clicks.begin(), clicks.end(),
                     [window](const auto& c) { return Contains(window->Commands, c); })) {
        clicks.emplace_back(window->Commands.front());
    }
    std::vector<std::string> given;
    for (const auto& [field, text] : input.Fields) {
        given.push_back(field);
    }
    for (const std::string& click : clicks) {
        if (click == "ClearButton" || !session.Click(*window, click)) {
            return Usage(std::string("no radio or command button ") + click + " in " +
                         window->Class);
        }
    }
    std::fflush(stdout);
    for (const std::string& field : given) {
        if (!session.Read(field)) {
            std::fprintf(stderr, "vorantel: %s.%s is not read by this calculation\n", window->Class,
                         field.c_str());
        }
    }
    if (board) {
        PrintBoard(session.Shown());
    }
    std::fflush(stdout);
    return 0;
}
