// SPDX-License-Identifier: GPL-3.0-or-later
#include "GraphView.h"

#include <QApplication>
#include <QAreaSeries>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>
#include <QScatterSeries>
#include <QStyle>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The chart's height at 100 %, without its legend.
constexpr int kChartHeight = 290;
// Points a curve is drawn through across the view.
constexpr int kCurveSamples = 400;
// Half the width of a bar, in units of k.
constexpr double kBarHalfWidth = 0.35;
// The labels of marked points lie over everything the chart draws.
constexpr double kLabelZ = 100;
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
    return series;
}

// The part of the segment from a to b inside box, by the parameters t of
// a + t (b − a) where it enters and leaves; false where none is inside.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box) {
    const QPointF d = b - a;
    const double p[] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                        box.bottom() - a.y()};
    double enter = 0;
    double leave = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false; // parallel to this edge and outside it
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        if (enter > leave) {
            return false;
        }
    }
    const QPointF start = a;
    a = start + enter * d;
    b = start + leave * d;
    return true;
}

// The pieces of a polyline inside box. The chart clips what it draws to the
// plot area on screen, but an SVG drawing keeps no clip, so whatever runs
// beyond the view is cut off here.
std::vector<QList<QPointF>> Clipped(const QList<QPointF>& line, const QRectF& box) {
    std::vector<QList<QPointF>> pieces;
    for (qsizetype i = 1; i < line.size(); ++i) {
        QPointF a = line[i - 1];
        QPointF b = line[i];
        if (!ClipSegment(a, b, box)) {
            continue;
        }
        if (pieces.empty() || pieces.back().back() != a) {
            pieces.push_back({a});
        }
        pieces.back().append(b);
    }
    return pieces;
}

// The view the axes show, as a box in the plane's coordinates.
QRectF ViewBox(double xMin, double xMax, double yMin, double yMax) {
    return QRectF(QPointF(xMin, yMin), QPointF(xMax, yMax));
}

// A straight line drawn as far as the view reaches; it is cut again when a
// figure on the plane is widened to equal scales.
struct TStraight {
    QLineSeries* Series;
    QPointF A, B; // well beyond the view on both sides
};

void CutToView(const TStraight& line, const QRectF& box) {
    QPointF a = line.A;
    QPointF b = line.B;
    line.Series->replace(ClipSegment(a, b, box) ? QList<QPointF>{a, b} : QList<QPointF>{});
}

// A value far outside the view held near it, where the plot area cuts it
// off, so that the drawing never meets huge numbers.
double Held(double y, const arith::TGraphRange& range) {
    const double height = range.YMax - range.YMin;
    return std::isnan(y) ? 0 : std::clamp(y, range.YMin - 4 * height, range.YMax + 4 * height);
}

// y = f(x) across the view, in the graph's drawn coordinates, through its
// marked points; a straight line as the two points where it leaves a box
// well beyond the view, so that it crosses a view widened to equal scales
// and keeps its slope however steep.
QList<QPointF> CurvePoints(const arith::TGraph& graph, const arith::TPolynomial& f) {
    const arith::TGraphRange& range = graph.Range;
    QList<QPointF> points;
    if (f.Degree() <= 1) {
        // y = m (x − middle) + c, c worked out exactly at the view's middle.
        const double wide = 4 * std::max(range.XMax - range.XMin, range.YMax - range.YMin);
        const double middle = (range.XMin + range.XMax) / 2;
        const double c = arith::DrawnValue(graph, f, middle);
        const double m = f.Degree() == 1 ? arith::ApproxRational(arith::PolyCoeff(f, 1)) : 0;
        double from = range.XMin - wide;
        double to = range.XMax + wide;
        if (m != 0) {
            const double a = middle + (range.YMin - wide - c) / m;
            const double b = middle + (range.YMax + wide - c) / m;
            from = std::max(from, std::min(a, b));
            to = std::min(to, std::max(a, b));
        }
        if (from < to) {
            points = {{from, m * (from - middle) + c}, {to, m * (to - middle) + c}};
        }
        return points;
    }
    for (const auto& [x, y] :
         arith::CurveSamples(graph, f, range.XMin, range.XMax, kCurveSamples)) {
        points.append({x, Held(y, range)});
    }
    return points;
}

// The part of the area on one side of the x-axis, drawn as its outline and y = 0.
void AreaPart(QChart* chart, const arith::TGraph& graph, bool above, const QColor& colour,
              const QString& name) {
    const arith::TGraphArea& area = *graph.Area;
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    bool any = false;
    for (const auto& [x, value] :
         arith::CurveSamples(graph, area.F, area.From, area.To, kCurveSamples)) {
        const double y = Held(value, graph.Range);
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
    // Bars apart from each other are drawn each on its own; hundreds of them,
    // which touch on screen, as one outline stepping from top to top, whose
    // few edges fill fast where tall bars cover the plot.
    const bool apart = bars.size() <= kOutlinedBars;
    for (const arith::TGraphBar& bar : bars) {
        const double left = bar.K - kBarHalfWidth;
        const double right = bar.K + kBarHalfWidth;
        const double value = Held(bar.Value, range);
        if (apart) {
            upper->append({{left, 0}, {left, value}, {right, value}, {right, 0}});
            lower->append({{left, 0}, {left, 0}, {right, 0}, {right, 0}});
        } else {
            upper->append({{left, value}, {right, value}});
            lower->append({{left, 0}, {right, 0}});
        }
    }
    auto* series = new QAreaSeries(upper, lower);
    upper->setParent(series);
    lower->setParent(series);
    series->setName(QStringLiteral("各項 f(k)"));
    series->setColor(colour);
    // Bars apart from each other get an outline.
    if (apart) {
        QPen border(colour.darker(130));
        border.setWidthF(1);
        series->setPen(border);
    } else {
        series->setPen(Qt::NoPen);
    }
    Attach(chart, series);
}

QScatterSeries* Mark(QChart* chart, const arith::TGraphMark& mark, const TColours& colours,
                     double size) {
    if (!std::isfinite(mark.X) || !std::isfinite(mark.Y) || std::abs(mark.X) > arith::kGraphLimit ||
        std::abs(mark.Y) > arith::kGraphLimit) {
        return nullptr;
    }
    auto* series = new QScatterSeries;
    series->append(mark.X, mark.Y);
    const QColor colour = MarkColour(mark.Kind, colours);
    series->setColor(colour);
    series->setBorderColor(colours.Base);
    series->setMarkerSize(size);
    return Attach(chart, series);
}

// A marked point's label. A square root in it is set as a textbook sets it,
// with a drawn root sign whose bar runs over the whole radicand, rather than
// as the font's √ glyph, whose short bar stops before the digits ("√ 17").
class TMarkText : public QGraphicsSimpleTextItem {
public:
    using QGraphicsSimpleTextItem::QGraphicsSimpleTextItem;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget) override {
        const QString shown = text();
        if (!shown.contains(kRoot)) {
            QGraphicsSimpleTextItem::paint(painter, option, widget);
            return;
        }
        const QFontMetricsF metrics(font());
        const double baseline = metrics.ascent();
        const double digit = metrics.tightBoundingRect(QStringLiteral("0")).height();
        const double width = metrics.horizontalAdvance(kRoot);
        QPen pen(brush().color());
        pen.setWidthF(std::max(1.0, digit / 11));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setFont(font());
        double x = 0;
        qsizetype i = 0;
        while (i < shown.size()) {
            const qsizetype root = shown.indexOf(kRoot, i);
            const QString before = shown.mid(i, root < 0 ? -1 : root - i);
            painter->setPen(brush().color());
            painter->drawText(QPointF(x, baseline), before);
            x += metrics.horizontalAdvance(before);
            if (root < 0) {
                break;
            }
            qsizetype end = root + 1;
            while (end < shown.size() && shown[end].isDigit()) {
                ++end;
            }
            const QString radicand = shown.mid(root + 1, end - root - 1);
            const double sign = std::min(width - digit / 16, 0.75 * digit);
            const double start = x + digit / 16;
            const double top = baseline - 1.2 * digit;
            const double after = start + sign + metrics.horizontalAdvance(radicand) + digit / 8;
            QPainterPath path;
            path.moveTo(start, baseline - 0.45 * digit);
            path.lineTo(start + 0.22 * sign, baseline - 0.55 * digit);
            path.lineTo(start + 0.5 * sign, baseline);
            path.lineTo(start + sign, top);
            path.lineTo(after, top);
            painter->setPen(pen);
            painter->drawPath(path);
            painter->setPen(brush().color());
            painter->drawText(QPointF(start + sign + digit / 16, baseline), radicand);
            // The drawn sign is no wider than the glyph: the label keeps within its box.
            x = start + sign + digit / 16 + metrics.horizontalAdvance(radicand);
            i = end;
        }
        painter->restore();
    }

private:
    static constexpr QChar kRoot{0x221A};
};

// A marked point's label, placed where it covers no other label or point.
struct TMarkLabel {
    QGraphicsSimpleTextItem* Item;
    QScatterSeries* Series;
    QPointF At;
    QString Text; // whole; the item shows it shortened to the plot area's width
};

// The chart's lines in pixels: curves, straight lines and the axes.
std::vector<QList<QPointF>> LinesOnScreen(QChart* chart) {
    std::vector<QList<QPointF>> lines;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            QList<QPointF>& pixels = lines.emplace_back();
            for (const QPointF p : line->points()) {
                pixels.append(chart->mapToPosition(p, series));
            }
        }
    }
    return lines;
}

bool Crosses(const std::vector<QList<QPointF>>& lines, const QRectF& box) {
    return std::any_of(lines.begin(), lines.end(), [&](const QList<QPointF>& line) {
        for (qsizetype i = 1; i < line.size(); ++i) {
            QPointF a = line[i - 1];
            QPointF b = line[i];
            if (ClipSegment(a, b, box)) {
                return true;
            }
        }
        return false;
    });
}

// The chart's visible texts (tick labels, axis names), which lie some levels
// below the chart's own item.
std::vector<QGraphicsTextItem*> VisibleTexts(QChart* chart) {
    const QList<QGraphicsItem*> top = chart->childItems();
    std::vector<QGraphicsItem*> items(top.begin(), top.end());
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (QGraphicsItem* child : items[i]->childItems()) {
            items.push_back(child);
        }
    }
    std::vector<QGraphicsTextItem*> texts;
    for (QGraphicsItem* item : items) {
        if (item->type() == QGraphicsTextItem::Type && item->isVisible()) {
            texts.push_back(static_cast<QGraphicsTextItem*>(item));
        }
    }
    return texts;
}

// An axis's name kept a quarter of a line clear of its tick labels: where a
// layout left them touching (labels widened by fitted ticks after the axis
// took its room), the name moves outwards, into a margin made wider for it
// where the chart has no room left.
void ClearTitle(QChart* chart, QCategoryAxis* axis) {
    const bool across = axis->orientation() == Qt::Horizontal;
    const QStringList names = axis->categoriesLabels();
    const QRectF area = chart->plotArea();
    QGraphicsTextItem* title = nullptr;
    std::vector<QRectF> labels;
    for (QGraphicsTextItem* text : VisibleTexts(chart)) {
        const QRectF r = text->sceneBoundingRect();
        const bool side = across ? r.top() >= area.bottom() - 1 : r.right() <= area.left() + 1;
        if (!side) {
            continue;
        }
        if (title == nullptr && text->toPlainText() == axis->titleText()) {
            title = text;
        } else if (names.contains(text->toPlainText())) {
            labels.push_back(r);
        }
    }
    if (title == nullptr) {
        return;
    }
    const QRectF t = title->sceneBoundingRect();
    const double gap = QFontMetricsF(axis->labelsFont()).height() / 4;
    double shift = 0;
    for (const QRectF& r : labels) {
        if (r.adjusted(-gap, -gap, gap, gap).intersects(t)) {
            shift =
                std::max(shift, across ? r.bottom() + gap - t.top() : t.right() - r.left() + gap);
        }
    }
    if (shift <= 0) {
        return;
    }
    const QRectF room = chart->rect();
    const double free = across ? room.bottom() - t.bottom() : t.left() - room.left();
    if (free >= shift) {
        title->moveBy(across ? 0 : -shift, across ? shift : 0);
        return;
    }
    QMargins margins = chart->margins();
    const int more = static_cast<int>(std::ceil(shift - free));
    if (across) {
        margins.setBottom(margins.bottom() + more);
    } else {
        margins.setLeft(margins.left() + more);
    }
    chart->setMargins(margins); // a new layout, and this again
}

// The axes' tick labels, as the chart has laid them out: those below the
// plot area (the x-axis's) and those left of it (the y-axis's), without the
// axes' names.
void TickLabels(QChart* chart, std::vector<QGraphicsTextItem*>& across,
                std::vector<QGraphicsTextItem*>& up) {
    QStringList titles;
    for (QAbstractAxis* axis : chart->axes()) {
        titles << axis->titleText();
    }
    const QRectF area = chart->plotArea();
    for (QGraphicsTextItem* text : VisibleTexts(chart)) {
        if (titles.contains(text->toPlainText()) || text->toPlainText().isEmpty()) {
            continue;
        }
        const QRectF r = text->sceneBoundingRect();
        if (r.top() >= area.bottom() - 1) {
            across.push_back(text);
        } else if (r.right() <= area.left() + 1) {
            up.push_back(text);
        }
    }
}

// At the lower left corner, the y-axis's lowest label, centred on the bottom
// of the plot, can touch the x-axis's first one, centred on its left edge:
// "-12" and "-2" run together. The x label then moves right, to start clear
// of the y labels (as a label of the plot's left edge); where that would
// crowd the next x label, the y label moves up above its grid line, and
// where that would crowd the y label above it, the y label is left out.
void ClearCorner(QChart* chart) {
    std::vector<QGraphicsTextItem*> across;
    std::vector<QGraphicsTextItem*> up;
    TickLabels(chart, across, up);
    if (across.empty() || up.empty()) {
        return;
    }
    const auto box = [](const QGraphicsTextItem* item) { return item->sceneBoundingRect(); };
    std::sort(across.begin(), across.end(),
              [&box](const auto* a, const auto* b) { return box(a).left() < box(b).left(); });
    std::sort(up.begin(), up.end(),
              [&box](const auto* a, const auto* b) { return box(a).bottom() > box(b).bottom(); });
    const QRectF x = box(across[0]);
    const QRectF y = box(up[0]);
    // The boxes hold a margin round the text; a quarter of a line more is kept between them.
    const double gap = y.height() / 4;
    if (!y.adjusted(-gap, -gap, gap, gap).intersects(x)) {
        return;
    }
    double right = 0;
    for (const QGraphicsTextItem* item : up) {
        right = std::max(right, box(item).right());
    }
    const double aside = right + gap - x.left();
    if (across.size() < 2 || x.right() + aside + gap <= box(across[1]).left()) {
        across[0]->moveBy(aside, 0);
        return;
    }
    const double lift = y.bottom() + gap - x.top();
    if (up.size() < 2 || y.top() - lift >= box(up[1]).bottom()) {
        up[0]->moveBy(0, -lift);
        return;
    }
    up[0]->hide();
}

// The origin's label O, below and to the left of the origin as a textbook
// sets it, or in another corner beside it where a curve runs there; none
// where the origin is out of the plot area or every corner is crossed.
void PlaceOrigin(QChart* chart, QGraphicsSimpleTextItem* origin,
                 const std::vector<QList<QPointF>>& lines) {
    if (origin == nullptr) {
        return;
    }
    const QPointF p = chart->mapToPosition(QPointF(0, 0));
    const QSizeF size = origin->boundingRect().size();
    const double gap = size.height() / 8;
    const QRectF corners[] = {
        {p.x() - gap - size.width(), p.y() + gap / 2, size.width(), size.height()},
        {p.x() + gap, p.y() + gap / 2, size.width(), size.height()},
        {p.x() - gap - size.width(), p.y() - gap / 2 - size.height(), size.width(), size.height()},
        {p.x() + gap, p.y() - gap / 2 - size.height(), size.width(), size.height()},
    };
    const QRectF area = chart->plotArea();
    origin->hide();
    if (!area.contains(p)) {
        return;
    }
    for (const QRectF& corner : corners) {
        // The axes meet at the corner's edge: only the curves may not cross it.
        if (area.contains(corner) && !Crosses(lines, corner.adjusted(1, 1, -1, -1))) {
            origin->setPos(corner.topLeft());
            origin->show();
            return;
        }
    }
}

// Each label goes above its point, or else below, right, left, at a corner
// beside it, higher above or lower below, each moved into the plot area where
// it sticks out at a side; else it slides along those sides, across above and
// below the point, up and down beside it. The first of these inside the plot
// area clear of the points, the labels placed before it (and O) and the
// curves and axes is taken, else the first clear of the points and labels
// alone. The plot area holds it, so it never covers a tick label or an axis's
// name; where nothing is clear it goes above, kept inside.
void PlaceLabels(QChart* chart, const std::vector<TMarkLabel>& labels, double radius,
                 const std::vector<QList<QPointF>>& lines, QGraphicsSimpleTextItem* origin) {
    std::vector<QRectF> taken;
    if (origin != nullptr && origin->isVisible()) {
        taken.push_back(origin->sceneBoundingRect());
    }
    std::vector<QPointF> points;
    for (const TMarkLabel& label : labels) {
        const QPointF p = chart->mapToPosition(label.At, label.Series);
        points.push_back(p);
        taken.emplace_back(p.x() - radius, p.y() - radius, 2 * radius, 2 * radius);
    }
    const QRectF plot = chart->plotArea();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        // A label wider than the plot (a surd of hundreds of digits) is
        // shortened in its middle; the answer above the graph holds it whole.
        const QFontMetricsF metrics(labels[i].Item->font());
        labels[i].Item->setText(
            metrics.elidedText(labels[i].Text, Qt::ElideMiddle, 0.9 * plot.width()));
        const QSizeF size = labels[i].Item->boundingRect().size();
        const QPointF p = points[i];
        const double w = size.width();
        const double h = size.height();
        std::vector<QRectF> candidates = {
            {p.x() - w / 2, p.y() - radius - h, w, h},
            {p.x() - w / 2, p.y() + radius, w, h},
            {p.x() + radius + 2, p.y() - h / 2, w, h},
            {p.x() - radius - 2 - w, p.y() - h / 2, w, h},
            {p.x() + radius, p.y() - radius - h, w, h},
            {p.x() - radius - w, p.y() - radius - h, w, h},
            {p.x() + radius, p.y() + radius, w, h},
            {p.x() - radius - w, p.y() + radius, w, h},
            {p.x() - w / 2, p.y() - radius - 2 * h, w, h},
            {p.x() - w / 2, p.y() + radius + h, w, h},
        };
        // Slid along a side in steps of half a line, from one end of the
        // label at the point to the other, nearest the middle first.
        const auto slide = [&candidates, h](QRectF middle, QPointF along, double reach) {
            for (double by = h / 2; by <= reach; by += h / 2) {
                candidates.push_back(middle.translated(by * along));
                candidates.push_back(middle.translated(-by * along));
            }
        };
        slide(candidates[0], {1, 0}, w / 2);
        slide(candidates[1], {1, 0}, w / 2);
        slide(candidates[2], {0, 1}, h / 2 + radius);
        slide(candidates[3], {0, 1}, h / 2 + radius);
        slide(candidates[8], {1, 0}, w / 2);
        slide(candidates[9], {1, 0}, w / 2);
        // Each moved across into the plot area where it sticks out at a side.
        for (QRectF& candidate : candidates) {
            candidate.moveLeft(
                std::clamp(candidate.left(), plot.left(), std::max(plot.left(), plot.right() - w)));
        }
        // Clear of the curves and axes as well where a place is, else of the
        // points and labels only.
        const auto clear = [&](const QRectF& candidate, bool ofLines) {
            // Half a line apart, so that "√3" and "2" do not read "√32".
            const QRectF apart = candidate.adjusted(-h / 2, 0, h / 2, 0);
            return plot.contains(candidate) &&
                   std::none_of(taken.begin(), taken.end(),
                                [&](const QRectF& r) { return r.intersects(apart); }) &&
                   !(ofLines && Crosses(lines, candidate));
        };
        const auto found = std::find_if(candidates.begin(), candidates.end(),
                                        [&](const QRectF& c) { return clear(c, true); });
        const auto loose = std::find_if(candidates.begin(), candidates.end(),
                                        [&](const QRectF& c) { return clear(c, false); });
        QRectF chosen = found != candidates.end()   ? *found
                        : loose != candidates.end() ? *loose
                                                    : candidates[0];
        chosen.moveTop(
            std::clamp(chosen.top(), plot.top(), std::max(plot.top(), plot.bottom() - h)));
        labels[i].Item->setPos(chosen.topLeft());
        taken.push_back(chosen);
    }
    // A label that had nowhere else to go keeps its place; O gives way.
    if (origin != nullptr && origin->isVisible()) {
        const QRectF o = origin->sceneBoundingRect();
        const double gap = o.height() / 4;
        for (const TMarkLabel& label : labels) {
            if (label.Item->sceneBoundingRect().adjusted(-gap, 0, gap, 0).intersects(o)) {
                origin->hide();
            }
        }
    }
}

// A tick's label: its value in up to twelve significant digits, "0.25", "-1.5";
// a very small or large one with a power of ten as a textbook writes it,
// "-1.5×10⁻⁹", "10¹⁵⁰", never "1e+150".
QString TickLabel(double value) {
    const QString text = QString::number(value, 'g', 12);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e < 0) {
        return text;
    }
    static const QString kSuperscript = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString power = QStringLiteral("10");
    const int exponent = text.mid(e + 1).toInt();
    if (exponent < 0) {
        power += QChar(0x207B); // superscript minus
    }
    for (const QChar digit : QString::number(std::abs(exponent))) {
        power += kSuperscript[digit.digitValue()];
    }
    const QString mantissa = text.left(e);
    if (mantissa == QLatin1String("1")) {
        return power;
    }
    if (mantissa == QLatin1String("-1")) {
        return QLatin1Char('-') + power;
    }
    return mantissa + QChar(0x00D7) + power;
}

// The power of ten an axis's labels are counted in: none (0) for plain
// numbers, else that of its largest tick, named once beside the axis's name,
// so that each label stays short: "1.5" on "x − 1000000000 (×10⁻⁹)".
int TickPower(double min, double max, double step) {
    double largest = 0;
    for (const double value : arith::TickValues(min, max, step)) {
        largest = std::max(largest, std::abs(value));
    }
    if (largest >= 1e12 || (largest > 0 && largest < 1e-4)) {
        return static_cast<int>(std::floor(std::log10(largest)));
    }
    return 0;
}

QString ScaledLabel(double value, int power) {
    return TickLabel(power == 0 ? value : value / std::pow(10.0, power));
}

// An axis with its ticks at the whole multiples of step, each labelled with
// its value, and its name with the power of ten the labels are counted in.
void SetTicks(QCategoryAxis* axis, double min, double max, double step, const QString& name) {
    for (const QString& label : axis->categoriesLabels()) {
        axis->remove(label);
    }
    axis->setRange(min, max);
    axis->setStartValue(min);
    const int power = TickPower(min, max, step);
    for (const double value : arith::TickValues(min, max, step)) {
        axis->append(ScaledLabel(value, power), value);
    }
    axis->setTitleText(
        power == 0 ? name : QStringLiteral("%1 (×%2)").arg(name, TickLabel(std::pow(10.0, power))));
}

// The widest of the labels of the multiples of step between min and max, in pixels.
double WidestLabel(const QFontMetricsF& metrics, double min, double max, double step) {
    double widest = 0;
    const int power = TickPower(min, max, step);
    for (const double value : arith::TickValues(min, max, step)) {
        widest = std::max(widest, metrics.horizontalAdvance(ScaledLabel(value, power)));
    }
    return widest;
}

// The ticks last set on a chart's axes, and how often they were set.
struct TShownTicks {
    double XMin = 0, YMin = 0, XStep = 0, YStep = 0;
    int Fits = 0;
    bool SameAs(const TShownTicks& other) const {
        return XMin == other.XMin && YMin == other.YMin && XStep == other.XStep &&
               YStep == other.YStep;
    }
};

// Ticks spread out until their labels fit the plot area, on a figure on the
// plane widened to equal scales; nothing is set again where nothing changed,
// and only a few times in all, as new labels move the plot area.
struct TAxes {
    QCategoryAxis* X;
    QCategoryAxis* Y;
    QString XName, YName;
};

void FitTicks(const arith::TGraphRange& range, bool equalScale, const QRectF& area,
              const QFontMetricsF& metrics, const TAxes& axes, TShownTicks& shown) {
    if (shown.Fits >= 4) {
        return;
    }
    const arith::TGraphRange view =
        equalScale ? arith::EqualScaleRange(range, area.width(), area.height()) : range;
    const double xStep =
        arith::LabelStep(view.XMin, view.XMax, view.XStep, area.width(), [&](double step) {
            return WidestLabel(metrics, view.XMin, view.XMax, step);
        });
    const double yStep = arith::LabelStep(view.YMin, view.YMax, view.YStep, area.height(),
                                          [&](double) { return metrics.height(); });
    const TShownTicks now{view.XMin, view.YMin, xStep, yStep, shown.Fits + 1};
    if (now.SameAs(shown)) {
        return;
    }
    shown = now;
    SetTicks(axes.X, view.XMin, view.XMax, xStep, axes.XName);
    SetTicks(axes.Y, view.YMin, view.YMax, yStep, axes.YName);
}

QCategoryAxis* Axis(double min, double max, double step, const QString& title, const QFont& font,
                    const TColours& colours) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    SetTicks(axis, min, max, step, title);
    axis->setLabelsFont(font);
    axis->setLabelsBrush(colours.Text);
    axis->setTitleFont(font);
    axis->setTitleBrush(colours.Text);
    axis->setGridLineColor(colours.Grid);
    axis->setLinePenColor(colours.Grid);
    return axis;
}

// A colour drawn with its transparency over the background, as an opaque colour.
QColor Over(const QColor& colour, const QColor& base) {
    const double a = colour.alphaF();
    return QColor::fromRgbF(static_cast<float>(a * colour.redF() + (1 - a) * base.redF()),
                            static_cast<float>(a * colour.greenF() + (1 - a) * base.greenF()),
                            static_cast<float>(a * colour.blueF() + (1 - a) * base.blueF()));
}

// Text with a place to break after every kRun characters of a run without
// one, so that a note naming a 500-digit root wraps.
QString Breakable(const QString& text) {
    constexpr qsizetype kRun = 30;
    QString broken;
    qsizetype run = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            run = 0;
        } else if (++run > kRun) {
            broken += QChar(0x200B);
            run = 1;
        }
        broken += c;
    }
    return broken;
}

// A legend entry that breaks only where a reader expects: word joiners hold
// it together (Japanese text would otherwise break between any two
// characters), except that an entry longer than a short line may break
// before the + and − between its terms, and a run of characters without
// such a place (a 500-digit coefficient) every kRun characters.
QString HeldTogether(const QString& entry) {
    constexpr qsizetype kShort = 40;
    constexpr qsizetype kRun = 30;
    const bool breakable = entry.size() > kShort;
    QString held;
    qsizetype run = 0;
    for (qsizetype i = 0; i < entry.size(); ++i) {
        const QChar c = entry[i];
        const bool beforeTerm = breakable && c == QLatin1Char(' ') && i + 1 < entry.size() &&
                                (entry[i + 1] == QLatin1Char('+') || entry[i + 1] == QChar(0x2212));
        if (beforeTerm) {
            held += QLatin1Char(' '); // a break may follow
            run = 0;
            continue;
        }
        if (!held.isEmpty() && !held.endsWith(QLatin1Char(' '))) {
            held += breakable && run >= kRun ? QChar(0x200B) : QChar(0x2060);
            if (run >= kRun) {
                run = 0;
            }
        }
        held += c == QLatin1Char(' ') ? QChar(QChar::Nbsp) : c;
        ++run;
    }
    return held;
}

// The legend as rich text: a stroke for each named line, a square for each
// named area, in its colour, and the name; a line breaks between entries only.
QString LegendText(const QList<QAbstractSeries*>& series, const QColor& base) {
    QStringList entries;
    for (QAbstractSeries* s : series) {
        if (s->name().isEmpty()) {
            continue;
        }
        QString sign;
        QColor colour;
        if (auto* line = qobject_cast<QLineSeries*>(s)) {
            sign = QStringLiteral("━");
            colour = line->pen().color();
        } else if (auto* area = qobject_cast<QAreaSeries*>(s)) {
            sign = QStringLiteral("■");
            colour = Over(area->color(), base);
        } else {
            continue;
        }
        entries << QStringLiteral("<span style=\"color:%1\">%2</span>&nbsp;%3")
                       .arg(colour.name(), sign, HeldTogether(s->name()).toHtmlEscaped());
    }
    return entries.join(QStringLiteral(" &nbsp; "));
}

} // namespace

TGraphView::TGraphView(QWidget* parent, int (*zoomPercent)())
    : QWidget(parent), zoomPercent_(zoomPercent) {
    setObjectName(QStringLiteral("GraphView"));
    setAccessibleName(QStringLiteral("グラフ"));
    view_ = new QChartView(this);
    view_->setObjectName(QStringLiteral("GraphChart"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setFrameShape(QFrame::NoFrame);
    legend_ = new QLabel(this);
    legend_->setObjectName(QStringLiteral("GraphLegend"));
    legend_->setTextFormat(Qt::RichText);
    legend_->setWordWrap(true);
    legend_->setAlignment(Qt::AlignHCenter);
    legend_->setMargin(4);
    legend_->setBackgroundRole(QPalette::Base); // one picture with the chart above it
    legend_->setForegroundRole(QPalette::Text);
    legend_->setAutoFillBackground(true);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("GraphNotes"));
    notes_->setWordWrap(true);
    // The labels wrap to the board's width rather than widen the board, and
    // with it the saved picture.
    legend_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    notes_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_);
    layout->addWidget(legend_);
    layout->addWidget(notes_);
    legend_->hide();
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

void TGraphView::SetChartHeight(int pixels) {
    chartHeight_ = pixels;
    view_->setFixedHeight(chartHeight_ > 0 ? chartHeight_ : UsualHeight());
    built_ = false;
    if (isVisible()) {
        EnsureBuilt();
    }
}

void TGraphView::SetUsualChartHeight(int pixels) {
    usualHeight_ = pixels;
    SetChartHeight(chartHeight_);
}

int TGraphView::UsualHeight() const {
    const int usual = usualHeight_ > 0 ? usualHeight_ : kChartHeight;
    return static_cast<int>(std::lround(usual * (ZoomPercent() / 100.0)));
}

int TGraphView::ChartHeight() const {
    return view_->minimumHeight();
}

void TGraphView::showEvent(QShowEvent* event) {
    EnsureBuilt(); // a board that stays closed draws nothing
    QWidget::showEvent(event);
}

void TGraphView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        view_->setFixedHeight(chartHeight_ > 0 ? chartHeight_ : UsualHeight());
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
    legend_->hide();
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
    notes_->setText(Breakable(notes.join(QLatin1Char('\n'))));

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
    // Room above the plot for half of the top label on the y-axis, and to
    // its right for half of the last label on the x-axis.
    const QFontMetrics metrics(small);
    const int top = metrics.height() / 2;
    const int right = metrics.horizontalAdvance(TickLabel(range.XMax)) / 2;
    chart->setMargins(QMargins(4, 2 + top, 2 + right, 4));
    chart->layout()->setContentsMargins(0, 0, 0, 0); // the chart's background meets the legend's
    chart->legend()->setVisible(false); // it would cut long names short; the label below wraps them
    QCategoryAxis* xAxis =
        Axis(range.XMin, range.XMax, range.XStep, Text(graph.XName), small, colours);
    QCategoryAxis* yAxis =
        Axis(range.YMin, range.YMax, range.YStep, Text(graph.YName), small, colours);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    // The plot area is known once the chart is laid out: the ticks are
    // fitted to it, and the marks' labels placed by their points.
    auto ticks = std::make_shared<TShownTicks>();
    auto straights = std::make_shared<std::vector<TStraight>>();
    auto labels = std::make_shared<std::vector<TMarkLabel>>();
    // The origin O, where the axes are drawn through 0 itself.
    QGraphicsSimpleTextItem* origin = nullptr;
    if (graph.XOrigin.Num().IsZero() && graph.YOrigin.Num().IsZero()) {
        origin = new QGraphicsSimpleTextItem(QStringLiteral("O"), chart);
        origin->setFont(small);
        origin->setBrush(colours.Text);
        origin->setZValue(kLabelZ);
        origin->hide();
    }
    const double markSize = std::max(8.0, small.pixelSize() * 0.7);
    connect(chart, &QChart::plotAreaChanged, chart,
            [chart, range, equalScale = graph.EqualScale,
             axes = TAxes{xAxis, yAxis, Text(graph.XName), Text(graph.YName)}, ticks, straights,
             labels, origin, markSize, metrics = QFontMetricsF(small)](const QRectF& area) {
                FitTicks(range, equalScale, area, metrics, axes, *ticks);
                // Once the axes have been laid out for the new ticks.
                QMetaObject::invokeMethod(
                    chart,
                    [chart, x = axes.X, y = axes.Y] {
                        ClearTitle(chart, x);
                        ClearTitle(chart, y);
                        ClearCorner(chart);
                    },
                    Qt::QueuedConnection);
                QCategoryAxis* xAxis = axes.X;
                QCategoryAxis* yAxis = axes.Y;
                const QRectF box = ViewBox(xAxis->min(), xAxis->max(), yAxis->min(), yAxis->max());
                for (const TStraight& line : *straights) {
                    CutToView(line, box);
                }
                const std::vector<QList<QPointF>> lines = LinesOnScreen(chart);
                PlaceOrigin(chart, origin, lines);
                PlaceLabels(chart, *labels, markSize / 2, lines, origin);
            });
    const QRectF box = ViewBox(range.XMin, range.XMax, range.YMin, range.YMax);
    const auto straight = [&](QPointF a, QPointF b, const QPen& pen, const QString& name) {
        const TStraight line{Polyline(chart, {}, pen, name), a, b};
        CutToView(line, box);
        straights->push_back(line);
        return line.Series;
    };

    // The coordinate axes through the origin, where they are in view.
    QPen axisPen(colours.Text);
    axisPen.setWidthF(1.2 * zoom);
    // They and the vertical lines reach well beyond the view, so that they
    // cross a view widened to equal scales.
    // Where the graph is measured from an origin far from 0, they lie far outside.
    const double wide = 4 * std::max(range.XMax - range.XMin, range.YMax - range.YMin);
    const double zeroX = arith::Drawn({}, graph.XOrigin);
    const double zeroY = arith::Drawn({}, graph.YOrigin);
    straight({range.XMin - wide, zeroY}, {range.XMax + wide, zeroY}, axisPen, {})
        ->setObjectName(QStringLiteral("Axis"));
    straight({zeroX, range.YMin - wide}, {zeroX, range.YMax + wide}, axisPen, {})
        ->setObjectName(QStringLiteral("Axis"));

    if (graph.Area && graph.Area->To > graph.Area->From) {
        AreaPart(chart, graph, true, colours.Above, QStringLiteral("x 軸より上の部分"));
        AreaPart(chart, graph, false, colours.Below, QStringLiteral("x 軸より下の部分"));
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
        const QList<QPointF> points = CurvePoints(graph, curve.F);
        if (curve.F.Degree() <= 1) {
            if (points.size() == 2) {
                straight(points[0], points[1], pen, Text(curve.Label));
            } else {
                Polyline(chart, {}, pen, Text(curve.Label)); // out of sight, still named
            }
            continue;
        }
        // A curve is drawn on views that are not widened, so it is cut once;
        // the legend names its first piece.
        QString name = Text(curve.Label);
        for (const QList<QPointF>& piece : Clipped(points, box)) {
            Polyline(chart, piece, pen, std::exchange(name, QString()));
        }
    }
    for (const arith::TGraphVertical& vertical : graph.Verticals) {
        QPen pen(lines++ > 0 ? colours.SecondLine : colours.Curve);
        pen.setWidthF(2.2 * zoom);
        straight({vertical.X, range.YMin - wide}, {vertical.X, range.YMax + wide}, pen,
                 Text(vertical.Label));
    }
    for (const arith::TGraphSegment& segment : graph.Segments) {
        QPen pen(colours.Curve);
        pen.setWidthF(2.2 * zoom);
        if (segment.Dashed) {
            pen.setStyle(Qt::DashLine);
        }
        // Cut at the view like the straight lines: an end too far to place
        // would otherwise carry the segment beyond it.
        const auto finite = [](double v) {
            return std::isnan(v) ? 0 : std::clamp(v, -1e300, 1e300);
        };
        straight({finite(segment.X1), finite(segment.Y1)}, {finite(segment.X2), finite(segment.Y2)},
                 pen, {});
    }
    for (const arith::TGraphMark& mark : graph.Marks) {
        if (QScatterSeries* series = Mark(chart, mark, colours, markSize)) {
            auto* item = new TMarkText(Text(mark.Label), chart);
            item->setFont(small);
            item->setBrush(colours.Text);
            item->setZValue(kLabelZ);
            labels->push_back({item, series, QPointF(mark.X, mark.Y), Text(mark.Label)});
        }
    }
    // The legend names the curves, lines, area and bars; the marks carry their own labels.
    legend_->setText(LegendText(chart->series(), colours.Base));
    legend_->setVisible(!legend_->text().isEmpty());
}

QRect TGraphView::Drawn() const {
    if (!graph_ || !view_->isVisibleTo(this)) {
        return {};
    }
    QRect drawn = view_->geometry();
    if (legend_->isVisibleTo(this)) {
        drawn = drawn.united(legend_->geometry());
    }
    return drawn;
}

QImage TGraphView::Image() {
    const QRect drawn = Drawn();
    if (drawn.isEmpty()) {
        return {};
    }
    return grab(drawn).toImage();
}

QByteArray TGraphView::Svg() {
    const QRect drawn = Drawn();
    if (drawn.isEmpty()) {
        return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(drawn.size());
    generator.setViewBox(QRect(QPoint(0, 0), drawn.size()));
    generator.setTitle(QStringLiteral("グラフ"));
    QPainter painter(&generator);
    render(&painter, QPoint(), QRegion(drawn));
    painter.end();
    return bytes;
}

void TGraphView::Paint(QPainter& painter, const QRectF& area, const arith::TGraph& graph,
                       int (*zoomPercent)(), const QFont& letters) {
    if (area.isEmpty()) {
        return;
    }
    // A view of its own, laid out but never on the screen, in the light
    // palette whatever the program's, with the page's letters.
    TGraphView view(nullptr, zoomPercent);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.setAttribute(Qt::WA_QuitOnClose, false); // its going is no window closing
    view.setPalette(QApplication::style()->standardPalette());
    view.setFont(letters);
    view.resize(static_cast<int>(area.width()), static_cast<int>(area.height()));
    view.SetChartHeight(static_cast<int>(area.height()));
    view.SetGraph(graph);
    view.show();
    view.EnsureBuilt();
    // The chart lays itself out, and its labels find their places, in posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QRect drawn = view.Drawn();
    if (drawn.isEmpty()) {
        return;
    }
    const double scale =
        std::min({1.0, area.width() / drawn.width(), area.height() / drawn.height()});
    painter.save();
    painter.translate(area.left() + (area.width() - scale * drawn.width()) / 2, area.top());
    painter.scale(scale, scale);
    view.render(&painter, QPoint(), QRegion(drawn));
    painter.restore();
}
