// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject MathTree(const arith::TMath& math) {
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

const arith::TMath* WorkingOf(const TBoardEntry* entry) {
    return entry == nullptr || !entry->Math().Working ? nullptr : &*entry->Math().Working;
}

} // namespace

QString OneLineEscaped(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

QString BoardLine(const TBoardEntry& entry) {
    return QStringLiteral("board window=%1 problem=%2 answer=%3")
        .arg(QString::fromStdString(entry.Window),
             OneLineEscaped(arith::MathToUnicode(entry.Math().Problem)),
             OneLineEscaped(arith::MathToUnicode(entry.ShownAnswer())));
}

QString WorkingLine(const TBoardEntry* entry) {
    const arith::TMath* working = WorkingOf(entry);
    if (working == nullptr) {
        return QStringLiteral("working none");
    }
    return QStringLiteral("working %1").arg(OneLineEscaped(arith::MathToUnicode(*working)));
}

QString WorkingTreeLine(const TBoardEntry* entry) {
    const arith::TMath* working = WorkingOf(entry);
    if (working == nullptr) {
        return QStringLiteral("working-tree none");
    }
    const QJsonDocument tree(MathTree(*working));
    return QStringLiteral("working-tree %1")
        .arg(QString::fromUtf8(tree.toJson(QJsonDocument::Compact)));
}

QStringList GraphLines(const TBoardEntry* entry) {
    if (entry == nullptr || !entry->Graph()) {
        return {QStringLiteral("graph none")};
    }
    const arith::TGraph& graph = *entry->Graph();
    const arith::TGraphRange& r = graph.Range;
    QStringList lines{QStringLiteral("graph x=%1..%2 y=%3..%4 curves=%5 marks=%6 bars=%7 notes=%8")
                          .arg(r.XMin)
                          .arg(r.XMax)
                          .arg(r.YMin)
                          .arg(r.YMax)
                          .arg(graph.Curves.size() + graph.Verticals.size())
                          .arg(graph.Marks.size())
                          .arg(graph.Bars.size())
                          .arg(graph.Notes.size())};
    for (const arith::TGraphMark& mark : graph.Marks) {
        lines << QStringLiteral("graph mark %1").arg(QString::fromStdString(mark.Label));
    }
    for (const arith::TGraphCurve& curve : graph.Curves) {
        lines << QStringLiteral("graph curve %1").arg(QString::fromStdString(curve.Label));
    }
    for (const arith::TGraphVertical& vertical : graph.Verticals) {
        lines << QStringLiteral("graph curve %1").arg(QString::fromStdString(vertical.Label));
    }
    for (const std::string& note : graph.Notes) {
        lines << QStringLiteral("graph note %1").arg(QString::fromStdString(note));
    }
    return lines;
}
