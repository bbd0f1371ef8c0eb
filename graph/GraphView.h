// SPDX-License-Identifier: GPL-3.0-or-later
// The answer board's graph: an arith::TGraph drawn as a chart — curves,
// lines, the shaded area, bars and the marked points with their exact
// values — in the range the graph chose, in the board's palette and font
// (and so at the program's zoom), with the notes below it. It can be taken
// as a PNG picture or an SVG drawing. It lives in the graph library, which
// the board loads through GraphPart.h.
#pragma once

#include "Graph.h"
#include "GraphPart.h"

#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <QtGlobal>

#include <optional>

class QChart;
class QChartView;
class QFont;
class QLabel;
class QPainter;
class QRectF;

// Exported for the tools that link the library (the graph benchmark); the
// program itself reaches it only through TGraphPart.
class Q_DECL_EXPORT TGraphView : public QWidget, public TGraphDrawing {
    Q_OBJECT

public:
    // zoomPercent gives the zoom in force; without it the view draws at 100 %.
    explicit TGraphView(QWidget* parent = nullptr, int (*zoomPercent)() = nullptr);

    QWidget* Widget() override { return this; }
    // Draws the graph (once the view is shown); an empty one clears the view.
    void SetGraph(const std::optional<arith::TGraph>& graph) override;
    bool HasGraph() const { return graph_.has_value(); }
    // Makes the chart now, also while the view is hidden (for Image and Svg).
    void EnsureBuilt() override;

    // The chart and its legend as they are shown, at the screen's pixel ratio, and as an SVG
    // drawing of the same size; both empty without a graph.
    QImage Image() override;
    QByteArray Svg() override;
    // The chart's height in pixels; 0 gives back the usual height at the zoom.
    void SetChartHeight(int pixels) override;
    // The usual height at 100 % (the zoom scales it); 0 gives back the
    // program's own.
    void SetUsualChartHeight(int pixels) override;
    // The height the chart is drawn in, in pixels.
    int ChartHeight() const override;

    // Paints the graph's chart and legend in black on white with the given
    // letters, as large as fits in area (centred across it, at its top), by a
    // view of its own that is never shown on screen: for a printed page.
    static void Paint(QPainter& painter, const QRectF& area, const arith::TGraph& graph,
                      int (*zoomPercent)(), const QFont& letters);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
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
    int (*zoomPercent_)();
    int ZoomPercent() const { return zoomPercent_ != nullptr ? zoomPercent_() : 100; }
};
