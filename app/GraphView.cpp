// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphView.h"

#include "Zoom.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The chart's height at 100 %.
constexpr int kChartHeight = 320;
// Points a curve is drawn through across the view.
constexpr int kCurveSamples = 400;
// Half the width of a bar, in units of k.
constexpr double kBarHalfWidth = 0.35;
// Up to this many bars are drawn with an outline.
constexpr std::size_t kOutlinedBars = 60;

// The colours of the parts, a lighter set for a dark palette.
struct TColours {
    QColor Curve, Tangent, SecondLine, Mark, Vertex, Minimum, Bar, Above, Below, Text, Grid, Base;
};

TColours ColoursOf(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const bool dark = base.lightness() < 128;
    TColours c;
    c.Curve = dark ? QColor(0x64, 0xb5, 0xf6) : QColor(0x15, 0x65, 0xc0);
    c.Tangent = dark ? QColor(0xff, 0xb7, 0x4d) : QColor(0xe6, 0x51, 0x00);
    c.SecondLine = dark ? QColor(0x81, 0xc7, 0x84) : QColor(0x2e, 0x7d, 0x32);
    c.Mark = dark ? QColor(0xef, 0x53, 0x50) : QColor(0xc6, 0x28, 0x28);
    c.Vertex = dark ? QColor(0xce, 0x93, 0xd8) : QColor(0x6a, 0x1b, 0x9a);
    c.Minimum = dark ? QColor(0x4d, 0xd0, 0xe1) : QColor(0x00, 0x83, 0x8f);
    c.Bar = dark ? QColor(0x4d, 0xb6, 0xac, 190) : QColor(0x00, 0x89, 0x7b, 170);
    c.Above = dark ? QColor(0x64, 0xb5, 0xf6, 110) : QColor(0x42, 0xa5, 0xf5, 90);
    c.Below = dark ? QColor(0xef, 0x9a, 0x9a, 110) : QColor(0xef, 0x53, 0x50, 90);
    c.Text = text;
    c.Base = base;
    c.Grid = QColor((text.red() + 3 * base.red()) / 4, (text.green() + 3 * base.green()) / 4,
                    (text.blue() + 3 * base.blue()) / 4);
    return c;
}

QColor MarkColour(arith::TMarkKind kind, const TColours& c) {
    switch (kind) {
    case arith::TMarkKind::Vertex:
        return c.Vertex;
    case arith::TMarkKind::Minimum:
        return c.Minimum;
    case arith::TMarkKind::Given:
        return c.Text;
    default:
        return c.Mark;
    }
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

void HideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart->legend()->markers(series)) {
        marker->setVisible(false);
    }
}

// Attaches a series to the chart and to both axes.
template <typename Series> Series* Attach(QChart* chart, Series* series) {
    chart->addSeries(series);
    for (QAbstractAxis* axis : chart->axes()) {
        series->attachAxis(axis);
    }
    return series;
}

QLineSeries* Polyline(QChart* chart, const QList<QPointF>& points, const QPen& pen,
                      const QString& name) {
    auto* series = new QLineSeries;
    series->replace(points);
    series->setPen(pen);
    series->setName(name);
    Attach(chart, series);
    if (name.isEmpty()) {
        HideFromLegend(chart, series);
    }
    return series;
}

// A value far outside the view held near it, where the plot area cuts it
// off, so that the drawing never meets huge numbers.
double Held(double y, const arith::TGraphRange& range) {
    const double height = range.YMax - range.YMin;
    return std::isnan(y) ? 0 : std::clamp(y, range.YMin - 4 * height, range.YMax + 4 * height);
}

// y = f(x) across the view; a straight line as the two points where it
// leaves a box well beyond the view, so that it crosses a view widened to
// equal scales and keeps its slope however steep.
QList<QPointF> CurvePoints(const arith::TPolynomial& f, const arith::TGraphRange& range) {
    QList<QPointF> points;
    if (f.Degree <= 1) {
        const double wide = 4 * std::max(range.XMax - range.XMin, range.YMax - range.YMin);
        const double c = arith::ApproxValue(f, 0);
        const double m = arith::ApproxValue(f, 1) - c;
        double from = range.XMin - wide;
        double to = range.XMax + wide;
        if (m != 0) {
            const double a = (range.YMin - wide - c) / m;
            const double b = (range.YMax + wide - c) / m;
            from = std::max(from, std::min(a, b));
            to = std::min(to, std::max(a, b));
        }
        if (from < to) {
            points = {{from, m * from + c}, {to, m * to + c}};
        }
        return points;
    }
    points.reserve(kCurveSamples + 1);
    for (int i = 0; i <= kCurveSamples; ++i) {
        const double x = range.XMin + (range.XMax - range.XMin) * i / kCurveSamples;
        points.append({x, Held(arith::ApproxValue(f, x), range)});
    }
    return points;
}

// The part of the area on one side of the x-axis, drawn as its outline and y = 0.
void AreaPart(QChart* chart, const arith::TGraphArea& area, const arith::TGraphRange& range,
              bool above, const QColor& colour, const QString& name) {
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    bool any = false;
    for (int i = 0; i <= kCurveSamples; ++i) {
        const double x = area.From + (area.To - area.From) * i / kCurveSamples;
        const double y = Held(arith::ApproxValue(area.F, x), range);
        const double part = above ? std::max(y, 0.0) : std::min(y, 0.0);
        any = any || part != 0;
        upper->append(x, part);
        lower->append(x, 0);
    }
    if (!any) {
        delete upper;
        delete lower;
        return;
    }
    auto* series = new QAreaSeries(upper, lower);
    upper->setParent(series);
    lower->setParent(series);
    series->setName(name);
    series->setColor(colour);
    series->setBorderColor(colour);
    series->setPen(Qt::NoPen);
    Attach(chart, series);
}

void Bars(QChart* chart, const std::vector<arith::TGraphBar>& bars, const arith::TGraphRange& range,
          const QColor& colour) {
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    for (const arith::TGraphBar& bar : bars) {
        const double left = bar.K - kBarHalfWidth;
        const double right = bar.K + kBarHalfWidth;
        const double value = Held(bar.Value, range);
        upper->append({{left, 0}, {left, value}, {right, value}, {right, 0}});
        lower->append({{left, 0}, {left, 0}, {right, 0}, {right, 0}});
    }
    auto* series = new QAreaSeries(upper, lower);
    upper->setParent(series);
    lower->setParent(series);
    series->setName(QStringLiteral("各項 f(k)"));
    series->setColor(colour);
    // Bars apart from each other get an outline; hundreds of them, which
    // touch on screen, are drawn faster as one fill.
    if (bars.size() <= kOutlinedBars) {
        QPen border(colour.darker(130));
        border.setWidthF(1);
        series->setPen(border);
    } else {
        series->setPen(Qt::NoPen);
    }
    Attach(chart, series);
}

void Mark(QChart* chart, const arith::TGraphMark& mark, const TColours& colours,
          const QFont& font) {
    if (!std::isfinite(mark.X) || !std::isfinite(mark.Y) || std::abs(mark.X) > arith::kGraphLimit ||
        std::abs(mark.Y) > arith::kGraphLimit) {
        return;
    }
    auto* series = new QScatterSeries;
    series->append(mark.X, mark.Y);
    const QColor colour = MarkColour(mark.Kind, colours);
    series->setColor(colour);
    series->setBorderColor(colours.Base);
    series->setMarkerSize(std::max(8.0, font.pixelSize() * 0.7));
    // A format without placeholders is the label itself.
    series->setPointLabelsFormat(Text(mark.Label));
    series->setPointLabelsVisible(true);
    series->setPointLabelsClipping(false);
    series->setPointLabelsFont(font);
    series->setPointLabelsColor(colours.Text);
    Attach(chart, series);
    HideFromLegend(chart, series);
}

// An axis with its ticks at the whole multiples of step, each labelled with
// its value worked out from the multiple (so 0 reads "0", never "-2.8e-17").
void SetTicks(QCategoryAxis* axis, double min, double max, double step) {
    for (const QString& label : axis->categoriesLabels()) {
        axis->remove(label);
    }
    axis->setRange(min, max);
    axis->setStartValue(min);
    const double first = std::ceil(min / step - 1e-9);
    const double last = std::floor(max / step + 1e-9);
    for (double k = first; k <= last && k - first < 100; ++k) {
        const double value = k == 0 ? 0.0 : k * step;
        axis->append(QString::number(value, 'g', 12), value);
    }
}

QCategoryAxis* Axis(double min, double max, double step, const QString& title, const QFont& font,
                    const TColours& colours) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    SetTicks(axis, min, max, step);
    axis->setLabelsFont(font);
    axis->setLabelsBrush(colours.Text);
    axis->setTitleText(title);
    axis->setTitleFont(font);
    axis->setTitleBrush(colours.Text);
    axis->setGridLineColor(colours.Grid);
    axis->setLinePenColor(colours.Grid);
    return axis;
}

} // namespace

TGraphView::TGraphView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GraphView"));
    setAccessibleName(QStringLiteral("グラフ"));
    view_ = new QChartView(this);
    view_->setObjectName(QStringLiteral("GraphChart"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::NoFrame);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("GraphNotes"));
    notes_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    layout->addWidget(notes_);
    notes_->hide();
    view_->setFixedHeight(kChartHeight);
    // As tall as the chart and its notes; a taller board gives its room to the working.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TGraphView::SetGraph(const std::optional<arith::TGraph>& graph) {
    graph_ = graph;
    built_ = false;
    if (isVisible()) {
        EnsureBuilt();
    }
}

void TGraphView::EnsureBuilt() {
    if (!built_) {
        built_ = true;
        Build();
    }
}

void TGraphView::showEvent(QShowEvent* event) {
    EnsureBuilt(); // a board that stays closed draws nothing
    QWidget::showEvent(event);
}

void TGraphView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        view_->setFixedHeight(Zoomed(kChartHeight));
        built_ = false;
        if (isVisible()) {
            EnsureBuilt();
        }
    }
}

void TGraphView::Build() {
    auto* chart = new QChart;
    QChart* shown = view_->chart();
    view_->setChart(chart); // the view lets go of the chart it showed before
    delete shown;
    notes_->setVisible(graph_ && !graph_->Notes.empty());
    if (!graph_) {
        return;
    }
    const arith::TGraph& graph = *graph_;
    const arith::TGraphRange& range = graph.Range;
    const TColours colours = ColoursOf(palette());
    const double zoom = ZoomPercent() / 100.0; // lines as thick, to the letters, as at 100 %
    QFont small = font();
    QStringList notes;
    for (const std::string& note : graph.Notes) {
        notes << Text(note);
    }
    notes_->setText(notes.join(QLatin1Char('\n')));

    const bool drawable = !graph.Curves.empty() || !graph.Verticals.empty() ||
                          !graph.Segments.empty() || !graph.Marks.empty() || !graph.Bars.empty() ||
                          graph.Area;
    view_->setVisible(drawable);
    if (!drawable) {
        return;
    }
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(colours.Base);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(small);
    chart->legend()->setLabelColor(colours.Text);
    QCategoryAxis* xAxis =
        Axis(range.XMin, range.XMax, range.XStep, QStringLiteral("x"), small, colours);
    QCategoryAxis* yAxis =
        Axis(range.YMin, range.YMax, range.YStep, QStringLiteral("y"), small, colours);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    if (graph.EqualScale) {
        // The plot area is known once the chart is laid out; the labels of the
        // widened axis may move it again, so it is fitted a few times at most.
        auto fits = std::make_shared<int>(0);
        connect(chart, &QChart::plotAreaChanged, chart,
                [range, xAxis, yAxis, fits](const QRectF& area) {
                    const arith::TGraphRange equal =
                        arith::EqualScaleRange(range, area.width(), area.height());
                    const bool same =
                        std::abs(equal.XMin - xAxis->min()) <= 1e-9 * (equal.XMax - equal.XMin) &&
                        std::abs(equal.YMin - yAxis->min()) <= 1e-9 * (equal.YMax - equal.YMin);
                    if (same || ++*fits > 3) {
                        return;
                    }
                    SetTicks(xAxis, equal.XMin, equal.XMax, equal.XStep);
                    SetTicks(yAxis, equal.YMin, equal.YMax, equal.YStep);
                });
    }

    // The coordinate axes through the origin, where they are in view.
    QPen axisPen(colours.Text);
    axisPen.setWidthF(1.2 * zoom);
    // They and the vertical lines run well beyond the view, which cuts them
    // off, so that they cross a view widened to equal scales.
    const double wide = 4 * std::max(range.XMax - range.XMin, range.YMax - range.YMin);
    Polyline(chart, {{range.XMin - wide, 0}, {range.XMax + wide, 0}}, axisPen, {});
    Polyline(chart, {{0, range.YMin - wide}, {0, range.YMax + wide}}, axisPen, {});

    if (graph.Area && graph.Area->To > graph.Area->From) {
        AreaPart(chart, *graph.Area, range, true, colours.Above,
                 QStringLiteral("x 軸より上の部分"));
        AreaPart(chart, *graph.Area, range, false, colours.Below,
                 QStringLiteral("x 軸より下の部分"));
    }
    if (!graph.Bars.empty()) {
        Bars(chart, graph.Bars, range, colours.Bar);
    }
    int lines = 0;
    for (const arith::TGraphCurve& curve : graph.Curves) {
        QColor colour = colours.Curve;
        if (curve.Role == arith::TCurveRole::Tangent) {
            colour = colours.Tangent;
        } else if (curve.Role == arith::TCurveRole::Line && lines++ > 0) {
            colour = colours.SecondLine;
        }
        QPen pen(colour);
        pen.setWidthF(2.2 * zoom);
        Polyline(chart, CurvePoints(curve.F, range), pen, Text(curve.Label));
    }
    for (const arith::TGraphVertical& vertical : graph.Verticals) {
        QPen pen(lines++ > 0 ? colours.SecondLine : colours.Curve);
        pen.setWidthF(2.2 * zoom);
        Polyline(chart, {{vertical.X, range.YMin - wide}, {vertical.X, range.YMax + wide}}, pen,
                 Text(vertical.Label));
    }
    for (const arith::TGraphSegment& segment : graph.Segments) {
        QPen pen(colours.Curve);
        pen.setWidthF(2.2 * zoom);
        if (segment.Dashed) {
            pen.setStyle(Qt::DashLine);
        }
        Polyline(chart, {{segment.X1, segment.Y1}, {segment.X2, segment.Y2}}, pen, {});
    }
    for (const arith::TGraphMark& mark : graph.Marks) {
        Mark(chart, mark, colours, small);
    }
    // The legend names the curves, lines, area and bars; the marks carry their own labels.
    const QList<QAbstractSeries*> series = chart->series();
    chart->legend()->setVisible(std::any_of(series.begin(), series.end(), [](QAbstractSeries* s) {
        return !s->name().isEmpty() && s->type() != QAbstractSeries::SeriesTypeScatter;
    }));
}

QImage TGraphView::Image() const {
    if (!graph_ || !view_->isVisibleTo(this)) {
        return {};
    }
    return view_->grab().toImage();
}

QByteArray TGraphView::Svg() const {
    if (!graph_ || !view_->isVisibleTo(this)) {
        return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(view_->size());
    generator.setViewBox(QRect(QPoint(0, 0), view_->size()));
    generator.setTitle(QStringLiteral("グラフ"));
    QPainter painter(&generator);
    view_->render(&painter);
    painter.end();
    return bytes;
}
