// SPDX-License-Identifier: GPL-3.0-or-later
// The answer board's graph: an arith::TGraph drawn as a chart — curves,
// lines, the shaded area, bars and the marked points with their exact
// values — in the range the graph chose, in the board's palette and font
// (and so at the program's zoom), with the notes below it. It can be taken
// as a PNG picture or an SVG drawing.
#pragma once

#include "Graph.h"

#include <QByteArray>
#include <QImage>
#include <QWidget>

#include <optional>

class QChart;
class QChartView;
class QLabel;
class QPainter;
class QRectF;

class TGraphView : public QWidget {
    Q_OBJECT

public:
    explicit TGraphView(QWidget* parent = nullptr);

    // Draws the graph (once the view is shown); an empty one clears the view.
    void SetGraph(const std::optional<arith::TGraph>& graph);
    bool HasGraph() const { return graph_.has_value(); }
    // Makes the chart now, also while the view is hidden (for Image and Svg).
    void EnsureBuilt();

    // The chart and its legend as they are shown, at the screen's pixel ratio, and as an SVG
    // drawing of the same size; both empty without a graph.
    QImage Image();
    QByteArray Svg();
    // The chart's height in pixels; 0 gives back the usual height at the zoom.
    void SetChartHeight(int pixels);
    // The usual height at 100 % (the zoom scales it); 0 gives back the
    // program's own.
    void SetUsualChartHeight(int pixels);
    // The height the chart is drawn in, in pixels.
    int ChartHeight() const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend void PaintGraph(QPainter& painter, const QRectF& rect, const arith::TGraph& graph);
    void Build();
    // The part of the view the chart and its legend take; empty without a graph.
    QRect Drawn() const;

    std::optional<arith::TGraph> graph_;
    bool built_ = false; // the chart shows graph_ in the present palette and font
    QChartView* view_;
    QLabel* legend_; // names what the chart draws, under it
    QLabel* notes_;
    int chartHeight_ = 0;
    int usualHeight_ = 0; // at 100 %; 0 for kChartHeight
    int UsualHeight() const;
};

// Draws `graph` as the board draws it, its chart and legend, in black on
// white, as large as fits in `rect` (centred across it, at its top): for a
// printed page, where it stays drawn in lines and letters.
void PaintGraph(QPainter& painter, const QRectF& rect, const arith::TGraph& graph);
