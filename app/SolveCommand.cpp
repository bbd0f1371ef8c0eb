// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolveCommand.h"

#include "Notation.h"
#include "WindowRegistry.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void PrintLine(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

QString Escaped(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

int Usage(const std::string& why) {
    std::fprintf(stderr,
                 "vorantel: %s\nusage: vorantel --solve W FIELD=TEXT ... [--click C ...] "
                 "[--board]\n",
                 why.c_str());
    return 2;
}

void PrintResult(const TWindowEntry& window, const problems::TWindowResult& result) {
    for (const problems::TMessage& message : result.Messages) {
        if (message.Type == problems::TMessage::Kind::Warning) {
            PrintLine(
                QStringLiteral("message [%1] warning: %2")
                    .arg(QString::fromUtf8(problems::kWarningCaption), Escaped(message.Text)));
        } else {
            PrintLine(QStringLiteral("message [%1] error: %2.")
                          .arg(QString::fromUtf8(problems::kErrorCaption), Escaped(message.Text)));
        }
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
void PrintBoard(const std::optional<TBoardEntry>& entry) {
    if (!entry) {
        PrintLine(QStringLiteral("board none"));
        PrintLine(QStringLiteral("working none"));
        PrintLine(QStringLiteral("graph none"));
        return;
    }
    PrintLine(QStringLiteral("board window=%1 problem=%2 answer=%3")
                  .arg(QString::fromStdString(entry->Window),
                       Escaped(arith::MathToUnicode(entry->Math().Problem)),
                       Escaped(arith::MathToUnicode(entry->ShownAnswer()))));
    if (entry->Math().Working) {
        PrintLine(QStringLiteral("working %1")
                      .arg(Escaped(arith::MathToUnicode(*entry->Math().Working))));
    } else {
        PrintLine(QStringLiteral("working none"));
    }
    if (!entry->Graph()) {
        PrintLine(QStringLiteral("graph none"));
        return;
    }
    const arith::TGraph& graph = *entry->Graph();
    const arith::TGraphRange& r = graph.Range;
    PrintLine(QStringLiteral("graph x=%1..%2 y=%3..%4 curves=%5 marks=%6 bars=%7 notes=%8")
                  .arg(r.XMin)
                  .arg(r.XMax)
                  .arg(r.YMin)
                  .arg(r.YMax)
                  .arg(graph.Curves.size() + graph.Verticals.size())
                  .arg(graph.Marks.size())
                  .arg(graph.Bars.size())
                  .arg(graph.Notes.size()));
    for (const arith::TGraphMark& mark : graph.Marks) {
        PrintLine(QStringLiteral("graph mark %1").arg(QString::fromStdString(mark.Label)));
    }
    for (const arith::TGraphCurve& curve : graph.Curves) {
        PrintLine(QStringLiteral("graph curve %1").arg(QString::fromStdString(curve.Label)));
    }
    for (const arith::TGraphVertical& vertical : graph.Verticals) {
        PrintLine(QStringLiteral("graph curve %1").arg(QString::fromStdString(vertical.Label)));
    }
    for (const std::string& note : graph.Notes) {
        PrintLine(QStringLiteral("graph note %1").arg(QString::fromStdString(note)));
    }
}

bool Contains(const std::vector<const char*>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(), [&name](const char* n) { return name == n; });
}

} // namespace

std::optional<int> RunSolveCommand(int argc, char* argv[]) {
    if (argc < 2 || std::strcmp(argv[1], "--solve") != 0) {
        return std::nullopt;
    }
    if (argc < 3) {
        return Usage("--solve needs a window");
    }
    const TWindowEntry* window = FindWindow(argv[2]);
    if (window == nullptr || window->Solve == nullptr) {
        return Usage(std::string("no window to solve named ") + argv[2]);
    }
    problems::TWindowInput input = window->StartInput();
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
    const bool commandNamed = std::any_of(clicks.begin(), clicks.end(), [window](const auto& c) {
        return Contains(window->Commands, c);
    });
    if (!commandNamed) {
        clicks.emplace_back(window->Commands.empty() ? "CalcButton" : window->Commands.front());
    }

    std::optional<TBoardEntry> shown;
    for (const std::string& click : clicks) {
        const auto group =
            std::find_if(window->RadioGroups.begin(), window->RadioGroups.end(),
                         [&click](const auto& radios) { return Contains(radios, click); });
        if (group != window->RadioGroups.end()) {
            for (const char* radio : *group) {
                input.Checked.erase(radio);
            }
            input.Checked.insert(click);
            continue;
        }
        if (!Contains(window->Commands, click)) {
            return Usage(std::string("no radio or command button ") + click + " in " +
                         window->Class);
        }
        input.Command = click;
        problems::TWindowResult result = window->Solve(input);
        PrintResult(*window, result);
        for (const problems::TFieldText& field : result.Fields) {
            if (field.Written) {
                input.Fields[field.Name] = field.Text;
            }
        }
        if (result.Board) {
            result.Board->Window = window->Caption;
            shown = std::move(result.Board);
        }
    }
    if (board) {
        PrintBoard(shown);
    }
    std::fflush(stdout);
    return 0;
}
