// SPDX-License-Identifier: GPL-3.0-or-later
// The answer board's graph pane: it holds the graph of the entry shown and
// draws it through the graph library (GraphPart.h), which it loads the first
// time it has a graph to draw, show, copy or save. Where the library cannot
// be loaded, the pane says so in place of the graph, and the pictures are
// empty.
#pragma once

#include "Graph.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>

class QFont;
class QLabel;
class QPainter;
class QRectF;
class TGraphDrawing;
class TGraphPart;

class TGraphPane : public QWidget {
    Q_OBJECT

public:
    explicit TGraphPane(QWidget* parent = nullptr);

    // Draws the graph once the pane is shown; an empty one clears the pane.
    void SetGraph(const std::optional<arith::TGraph>& graph);
    bool HasGraph() const { return graph_.has_value(); }
    // Makes the chart now, also while the pane is hidden (for Image and
    // Svg), loading the library if need be; false when it cannot be loaded.
    bool EnsureBuilt();

    // The chart and its legend as shown, as a picture and as an SVG drawing;
    // both empty without a graph or without the library.
    QImage Image();
    QByteArray Svg();
    // The chart's height in pixels (0: the usual height at the zoom), the
    // usual height at 100 % (0: the program's own), and the height drawn.
    void SetChartHeight(int pixels);
    void SetUsualChartHeight(int pixels);
    int ChartHeight() const;

    // Why the graph cannot be drawn, empty while it can (or before it was tried).
    QString Failure() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::optional<arith::TGraph> graph_;
    int chartHeight_ = 0;
    int usualHeight_ = 0;
    TGraphDrawing* drawing_ = nullptr;
    QLabel* failure_ = nullptr;
};

// The graph library's part, loaded on the first call: nullptr, with the
// reason in Japanese in *why, when it cannot be loaded (the next call tries again).
TGraphPart* LoadGraphPart(QString* why = nullptr);
// How long loading the library took, in ns; 0 until it is loaded.
long long GraphPartLoadNs();
// Paints graph into area on painter through the graph library, in black on
// white with the given letters (see TGraphPart::Paint); false, with nothing
// painted, when the library cannot be loaded.
bool DrawGraph(QPainter& painter, const QRectF& area, const arith::TGraph& graph,
               const QFont& letters);
