// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the answer board: what it shows (problem, answer, working,
// history) and its graph, as data, as drawn and as saved.
#include "ScriptRun.h"

#include "AnswerBoard.h"
#include "BoardText.h"
#include "GraphPane.h"
#include "Handout.h"
#include "MathView.h"

#include <QAccessible>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>
#include <vector>

namespace runner {
namespace {

QString Escaped(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

} // namespace

void ScriptRun::PrintBoard(const Command& /*command*/) {
    const auto* board = AnswerBoard();
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

void ScriptRun::PrintBoardAccessible(const Command& /*command*/) {
    const auto* board = AnswerBoard();
    if (board == nullptr || board->ShownEntry() < 0) {
        return Print(QStringLiteral("board-accessible none"));
    }
    for (const char* view : {"ProblemView", "AnswerView", "WorkingView"}) {
        auto* math = board->findChild<TMathView*>(QLatin1String(view));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(math);
        if (!math->isVisibleTo(board) || face == nullptr) {
            continue;
        }
        Print(
            QStringLiteral("board-accessible %1: %2")
                .arg(face->text(QAccessible::Name), Escaped(face->text(QAccessible::Description))));
    }
}

void ScriptRun::PrintHistory(const Command& /*command*/) {
    const auto* board = AnswerBoard();
    if (board == nullptr) {
        throw ScriptError(QStringLiteral("the answer board has not been opened"));
    }
    const auto* list = board->findChild<QListWidget*>(QStringLiteral("HistoryList"));
    Print(QStringLiteral("history %1").arg(list->count()));
    for (int i = 0; i < list->count(); ++i) {
        Print(QStringLiteral("history[%1] %2").arg(i).arg(Escaped(list->item(i)->text())));
    }
}

void ScriptRun::PrintWorking(const Command& /*command*/) {
    Print(WorkingLine(ShownEntry()));
}

void ScriptRun::PrintWorkingTree(const Command& /*command*/) {
    Print(WorkingTreeLine(ShownEntry()));
}

void ScriptRun::PrintGraph(const Command& /*command*/) {
    for (const QString& line : GraphLines(ShownEntry())) {
        Print(line);
    }
}

// The entry the answer board shows, or nothing.
const TBoardEntry* ScriptRun::ShownEntry() {
    const auto* board = AnswerBoard();
    return board == nullptr ? nullptr : board->Shown();
}

void ScriptRun::SaveGraph(const Command& command) {
    const auto* board = AnswerBoard();
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
    const QByteArray head = written.open(QIODevice::ReadOnly) ? written.read(4096) : QByteArray();
    const char* format = head.startsWith("\x89PNG") ? "png"
                         : head.contains("<svg")    ? "svg"
                                                    : "unknown";
    Print(QStringLiteral("savegraph %1 ok=1 format=%2").arg(name, QLatin1String(format)));
}

void ScriptRun::SavePdf(const Command& command) {
    SaveHandout(command, "savepdf", false);
}

void ScriptRun::SavePdfKey(const Command& command) {
    SaveHandout(command, "savepdfkey", true);
}

// savepdf FILE [N...]: the history's entries N (as `history` numbers them)
// or those the board's menu takes, as a handout in FILE (relative to the
// script's folder).
void ScriptRun::SaveHandout(const Command& command, const char* name, bool key) {
    const auto* board = AnswerBoard();
    if (board == nullptr) {
        throw ScriptError(QStringLiteral("the answer board has not been opened"));
    }
    QStringList words = command.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString file = words.takeFirst();
    if (QFileInfo(file).isRelative()) {
        file = QFileInfo(script_.path).dir().filePath(file);
    }
    const std::vector<TBoardEntry>& history = main_->History().Entries();
    std::vector<const TBoardEntry*> entries;
    for (const QString& word : words) {
        bool number = false;
        const int n = word.toInt(&number);
        if (!number || n < 0 || n >= static_cast<int>(history.size())) {
            throw ScriptError(QStringLiteral("'%1' is no entry of the history").arg(word));
        }
        entries.push_back(&history[history.size() - 1 - static_cast<std::size_t>(n)]);
    }
    if (words.isEmpty()) {
        entries = board->Chosen();
    }
    const int pages = WriteHandoutPdf(
        file, entries, key ? THandoutLayout::ProblemsFirst : THandoutLayout::Together,
        QDate::currentDate());
    Print(QStringLiteral("%1 %2 ok=%3 pages=%4")
              .arg(QLatin1String(name), QFileInfo(file).fileName())
              .arg(pages > 0 ? 1 : 0)
              .arg(pages));
}

// The entries the board's 印刷… and PDF に保存… take, numbered as `history` numbers them.
void ScriptRun::PrintChosen(const Command& /*command*/) {
    const auto* board = AnswerBoard();
    if (board == nullptr) {
        throw ScriptError(QStringLiteral("the answer board has not been opened"));
    }
    const std::vector<TBoardEntry>& history = main_->History().Entries();
    QStringList numbers;
    for (const TBoardEntry* entry : board->Chosen()) {
        numbers << QString::number(&history.back() - entry);
    }
    Print(QStringLiteral("chosen %1")
              .arg(numbers.isEmpty() ? QStringLiteral("none") : numbers.join(QLatin1Char(' '))));
}

void ScriptRun::PrintGraphDrawn(const Command& /*command*/) {
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
    Print(
        QStringLiteral("graphdrawn legend %1").arg(text.isEmpty() ? QStringLiteral("none") : text));
}

void ScriptRun::PrintGraphMarks(const Command& /*command*/) {
    const auto* view = main_->findChild<QChartView*>(QStringLiteral("GraphChart"));
    const auto* board = AnswerBoard();
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

void ScriptRun::PrintGraphPicture(const Command& /*command*/) {
    auto* board = AnswerBoard();
    auto* view =
        board == nullptr ? nullptr : board->findChild<TGraphPane*>(QStringLiteral("GraphPane"));
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
        QRegularExpression(QStringLiteral("viewBox=\"0 0 (\\d+) ")).match(QString::fromUtf8(svg));
    const int svgWidth = box.hasMatch() ? box.captured(1).toInt() : -1;
    const int widest = board->width();
    const bool fits = pngWidth <= widest && svgWidth >= 0 && svgWidth <= widest;
    Print(QStringLiteral("graphpicture fits=%1").arg(fits ? 1 : 0));
}

void ScriptRun::PrintPresenting(const Command& /*command*/) {
    auto* board = AnswerBoard();
    if (board == nullptr) {
        return Print(QStringLiteral("presenting off"));
    }
    QApplication::processEvents();
    const auto* history = board->findChild<QWidget*>(QStringLiteral("HistoryList"));
    const auto* graph = board->findChild<TGraphPane*>(QStringLiteral("GraphPane"));
    const QString panes =
        QStringLiteral("history=%1 graph=%2")
            .arg(history->isVisibleTo(board) ? QStringLiteral("shown") : QStringLiteral("hidden"),
                 !graph->HasGraph()          ? QStringLiteral("none")
                 : graph->isVisibleTo(board) ? QStringLiteral("shown")
                                             : QStringLiteral("hidden"));
    if (!board->Presenting()) {
        return Print(QStringLiteral("presenting off ") + panes);
    }
    const auto* answer = board->findChild<TMathView*>(QStringLiteral("AnswerView"));
    const bool full = board->isFullScreen() && board->geometry() == board->screen()->geometry();
    Print(QStringLiteral("presenting on full=%1 %2 answer=%3px working=%4/%5")
              .arg(full ? 1 : 0)
              .arg(panes)
              .arg(answer->PixelSize())
              .arg(board->RevealedLines())
              .arg(board->WorkingLines()));
}

namespace {

// Whether the segment from a to b runs through box.
bool Through(QPointF a, QPointF b, const QRectF& box) {
    const QPointF d = b - a;
    const double p[] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                        box.bottom() - a.y()};
    double enter = 0;
    double leave = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
        } else if (p[i] < 0) {
            enter = std::max(enter, q[i] / p[i]);
        } else {
            leave = std::min(leave, q[i] / p[i]);
        }
    }
    return enter <= leave;
}

} // namespace

namespace {

// Lets the chart finish laying itself out: its layout requests and the
// scene's updates are posted events and timers, which a loaded machine may
// not have run after a single pass of the event loop.
void SettleChart() {
    for (int pass = 0; pass < 3; ++pass) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
}

} // namespace

void ScriptRun::PrintGraphLabels(const Command& /*command*/) {
    const auto* view = main_->findChild<QChartView*>(QStringLiteral("GraphChart"));
    if (view == nullptr || !view->isVisible() || view->chart() == nullptr) {
        return Print(QStringLiteral("graphlabels none"));
    }
    SettleChart(); // the chart is laid out, its axis names moved
    QChart* chart = view->chart();
    std::vector<std::vector<QPointF>> lines;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            std::vector<QPointF>& pixels = lines.emplace_back();
            for (const QPointF p : line->points()) {
                pixels.push_back(chart->mapToPosition(p, series));
            }
        }
    }
    int shown = 0;
    int crossing = 0;
    bool origin = false;
    for (QGraphicsItem* item : view->scene()->items()) {
        if (item->type() != QGraphicsSimpleTextItem::Type || !item->isVisible()) {
            continue;
        }
        const auto* text = static_cast<QGraphicsSimpleTextItem*>(item);
        if (text->text() == QLatin1String("O")) {
            origin = true;
            continue;
        }
        ++shown;
        const QRectF box = text->sceneBoundingRect();
        crossing += std::any_of(lines.begin(), lines.end(), [&](const std::vector<QPointF>& line) {
            for (std::size_t i = 1; i < line.size(); ++i) {
                if (Through(line[i - 1], line[i], box)) {
                    return true;
                }
            }
            return false;
        });
    }
    // Each axis's name apart from every tick label of the chart.
    QStringList titles;
    for (QAbstractAxis* axis : chart->axes()) {
        titles << axis->titleText();
    }
    std::vector<QRectF> names;
    std::vector<QRectF> ticks;
    for (QGraphicsItem* item : view->scene()->items()) {
        if (item->type() == QGraphicsTextItem::Type && item->isVisible()) {
            const auto* text = static_cast<QGraphicsTextItem*>(item);
            (titles.contains(text->toPlainText()) ? names : ticks)
                .push_back(text->sceneBoundingRect());
        }
    }
    bool clear = names.size() == 2;
    for (const QRectF& name : names) {
        for (const QRectF& tick : ticks) {
            clear = clear && !name.intersects(tick);
        }
    }
    Print(QStringLiteral("graphlabels shown=%1 crossing=%2 origin=%3 titles=%4")
              .arg(shown)
              .arg(crossing)
              .arg(origin ? 1 : 0)
              .arg(clear ? QStringLiteral("clear") : QStringLiteral("touching")));
}

void ScriptRun::PrintBoardView(const Command& /*command*/) {
    auto* board = AnswerBoard();
    if (board == nullptr || !board->isVisible()) {
        return Print(QStringLiteral("boardview none"));
    }
    Settle(); // the sheet is laid out for what it shows, and scrolled
    const auto* area = board->findChild<QScrollArea*>(QStringLiteral("AnswerArea"));
    const auto* problem = board->findChild<QWidget*>(QStringLiteral("ProblemView"));
    const QRect seen = area->viewport()->rect();
    const QRect at(problem->mapTo(area->viewport(), QPoint(0, 0)), problem->size());
    const bool fits = area->widget()->width() <= area->viewport()->width();
    const auto* graph = board->findChild<TGraphPane*>(QStringLiteral("GraphPane"));
    const QString height = !graph->HasGraph() || !graph->isVisibleTo(board)
                               ? QStringLiteral("none")
                               : QString::number(graph->ChartHeight());
    Print(QStringLiteral("boardview top=%1 problem=%2 fits=%3 graph=%4")
              .arg(area->verticalScrollBar()->value() == 0 ? 1 : 0)
              .arg(seen.contains(at) ? 1 : 0)
              .arg(fits ? 1 : 0)
              .arg(height));
}

void ScriptRun::PrintGraphTicks(const Command& /*command*/) {
    const auto* view = main_->findChild<QChartView*>(QStringLiteral("GraphChart"));
    if (view == nullptr || !view->isVisible() || view->chart() == nullptr) {
        return Print(QStringLiteral("graphticks none"));
    }
    SettleChart(); // the chart is laid out, its labels moved
    QStringList titles;
    for (QAbstractAxis* axis : view->chart()->axes()) {
        titles << axis->titleText();
    }
    std::vector<QRectF> ticks;
    for (QGraphicsItem* item : view->scene()->items()) {
        if (item->type() == QGraphicsTextItem::Type && item->isVisible()) {
            const auto* text = static_cast<QGraphicsTextItem*>(item);
            if (!titles.contains(text->toPlainText()) && !text->toPlainText().isEmpty()) {
                ticks.push_back(text->sceneBoundingRect());
            }
        }
    }
    // Two tick labels closer than an eighth of a line read as one.
    int touching = 0;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        for (std::size_t j = i + 1; j < ticks.size(); ++j) {
            const double gap = ticks[i].height() / 8;
            touching += ticks[i].adjusted(-gap, -gap, gap, gap).intersects(ticks[j]) ? 1 : 0;
        }
    }
    Print(QStringLiteral("graphticks labels=%1 touching=%2").arg(ticks.size()).arg(touching));
}

void ScriptRun::PrintGraphRoom(const Command& /*command*/) {
    const auto* view = main_->findChild<QChartView*>(QStringLiteral("GraphChart"));
    if (view == nullptr || !view->isVisible() || view->chart() == nullptr) {
        return Print(QStringLiteral("graphroom none"));
    }
    SettleChart(); // the chart is laid out, its labels placed
    const QChart* chart = view->chart();
    QStringList titles;
    for (QAbstractAxis* axis : chart->axes()) {
        titles << axis->titleText();
    }
    std::vector<QRectF> names;
    std::vector<QRectF> ticks;
    for (QGraphicsItem* item : view->scene()->items()) {
        if (item->type() == QGraphicsTextItem::Type && item->isVisible()) {
            const auto* text = static_cast<QGraphicsTextItem*>(item);
            if (!text->toPlainText().isEmpty()) {
                (titles.contains(text->toPlainText()) ? names : ticks)
                    .push_back(text->sceneBoundingRect());
            }
        }
    }
    // The marked points' labels, and O with them where it is shown.
    std::vector<QRectF> marks;
    std::vector<QRectF> labels;
    for (QGraphicsItem* item : view->scene()->items()) {
        if (item->type() == QGraphicsSimpleTextItem::Type && item->isVisible()) {
            const auto* text = static_cast<QGraphicsSimpleTextItem*>(item);
            labels.push_back(text->sceneBoundingRect());
            if (text->text() != QLatin1String("O")) {
                marks.push_back(labels.back());
            }
        }
    }
    const auto covering = [](const QRectF& label, const std::vector<QRectF>& others) {
        return std::any_of(others.begin(), others.end(),
                           [&](const QRectF& other) { return label.intersects(other); });
    };
    // A pixel's rounding at the plot area's edge does not count.
    const QRectF area = chart->plotArea().adjusted(-1, -1, 1, 1);
    int outside = 0;
    int onTicks = 0;
    int onTitles = 0;
    for (const QRectF& label : marks) {
        outside += area.contains(label) ? 0 : 1;
        onTicks += covering(label, ticks) ? 1 : 0;
        onTitles += covering(label, names) ? 1 : 0;
    }
    int overlapping = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            overlapping += labels[i].intersects(labels[j]) ? 1 : 0;
        }
    }
    Print(QStringLiteral("graphroom labels=%1 outside=%2 ticks=%3 titles=%4 overlapping=%5")
              .arg(marks.size())
              .arg(outside)
              .arg(onTicks)
              .arg(onTitles)
              .arg(overlapping));
}

void ScriptRun::Drag(const Command& command) {
    auto* control = FindControlAs<QWidget>(command, "a control");
    if (!control->isVisible()) {
        throw ScriptError(QStringLiteral("%1 is not shown").arg(Name(command)));
    }
    // Pressed in the middle, moved by the distance in steps, let go there; the
    // mouse's places on the screen, as the control may move under it.
    const QPointF from = control->mapToGlobal(QRectF(control->rect()).center());
    const auto send = [control](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, control->mapFromGlobal(at), at, button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i) {
        send(QEvent::MouseMove, from + QPointF(command.point) * i / kSteps, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, from + QPointF(command.point), Qt::NoButton);
    Settle();
}

} // namespace runner
