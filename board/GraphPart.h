// SPDX-License-Identifier: GPL-3.0-or-later
// The board's graphs are drawn by a library of the program's own,
// libvorantel_graph.so, the only part of the program that links Qt Charts
// and Qt SVG; the board loads it the first time it draws a graph (see
// GraphPane.h), so that a session without graphs never loads them. This
// header is all that the board and the library share: the view of one
// drawn graph, and the part that makes such views and paints graphs.
#pragma once

#include "Graph.h"

#include <QByteArray>
#include <QImage>

#include <optional>

class QFont;
class QPainter;
class QRectF;
class QWidget;

// A graph's view made by the library: a widget drawing one arith::TGraph as
// a chart with its legend and notes, owned by the widget it was made in.
class TGraphDrawing {
public:
    virtual QWidget* Widget() = 0;
    // Draws the graph (once the view is shown); an empty one clears the view.
    virtual void SetGraph(const std::optional<arith::TGraph>& graph) = 0;
    // Makes the chart now, also while the view is hidden (for Image and Svg).
    virtual void EnsureBuilt() = 0;
    // The chart and its legend as shown, as a picture at the screen's pixel
    // ratio and as an SVG drawing of the same size; both empty without a graph.
    virtual QImage Image() = 0;
    virtual QByteArray Svg() = 0;
    // The chart's height in pixels (0: the usual height at the zoom), the
    // usual height at 100 % (0: the program's own), and the height it is drawn in.
    virtual void SetChartHeight(int pixels) = 0;
    virtual void SetUsualChartHeight(int pixels) = 0;
    virtual int ChartHeight() const = 0;

protected:
    ~TGraphDrawing() = default; // deleted as the widget it is
};

// What the program lends the library: the zoom in force, in percent.
struct TGraphHost {
    int (*ZoomPercent)();
};

class TGraphPart {
public:
    // A new view, a child of parent.
    virtual TGraphDrawing* MakeView(QWidget* parent) = 0;
    // Paints the graph, its chart and legend, into area on painter (a page
    // or a picture) in black on white with the given letters, as large as
    // fits (centred across it, at its top); the notes are left to the caller.
    virtual void Paint(QPainter& painter, const QRectF& area, const arith::TGraph& graph,
                       const QFont& letters) = 0;

protected:
    ~TGraphPart() = default; // lives as long as the library
};

// The library's one entry, a C function of this name and type. It answers
// nullptr to a program built against another version of this header.
inline constexpr char kGraphPartEntry[] = "VorantelGraphPart";
inline constexpr int kGraphPartVersion = 2;
extern "C" {
using TGraphPartEntry = TGraphPart* (*)(int version, const TGraphHost* host);
}
// The library's file name, and the environment variable that, when set,
// names the one file to load instead of looking for it beside the program.
inline constexpr char kGraphLibraryName[] = "libvorantel_graph.so";
inline constexpr char kGraphLibraryVariable[] = "VORANTEL_GRAPH_LIBRARY";
