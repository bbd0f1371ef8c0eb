// SPDX-License-Identifier: GPL-3.0-or-later
// Formulas set as a school textbook sets them: stacked fractions, a drawn
// root sign with its bar, raised exponents, brackets as tall as what they
// hold, integral and sum signs with their limits, ₙPᵣ and ₙCᵣ.
//
// LayoutMath turns a formula tree into positioned boxes without painting, so
// the geometry can be checked on its own; TMathView keeps one formula, lays
// it out once for its width and font and paints the boxes.
#pragma once

#include "Notation.h"

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <deque>
#include <vector>

class QPainter;

// How a box is drawn.
enum class TMathShape {
    Text,   // Text in Font, its baseline at Baseline, starting at Rect.left()
    Rule,   // Rect filled: a fraction rule or a root's bar
    Fill,   // Path filled: a bracket, the end of an integral sign
    Stroke, // Path stroked with a pen Pen wide and round ends: a root or sum sign
};

struct TMathBox {
    TMathShape Shape = TMathShape::Text;
    arith::TMathKind Part = arith::TMathKind::Row; // the formula part the box draws
    QRectF Rect;                                   // what the box covers, in layout coordinates
    qreal Baseline = 0;                            // Text: the y of the baseline
    QString Text;
    QFont Font;
    QPainterPath Path; // Fill, Stroke: in layout coordinates
    qreal Pen = 0;     // Stroke: the line width
};

struct TMathLayout {
    QRectF Bounds; // every box, with a margin; its top left corner is (0, 0)
    std::vector<TMathBox> Boxes;
    // The baselines of the lines as set, top to bottom, after wrapping.
    std::vector<qreal> Baselines;
};

// Sets `math` in the size of `font` (Japanese words in its face, numbers and
// letters in the program's formula face) and wraps it so that it fits
// `maxWidth`: a row breaks before an operator or after a comma at its top
// level, continuing with an indent, and a number breaks between digits. A
// part that cannot be broken, such as a wide fraction, may stay wider.
// With `leastPixels` above 0, a line that stays wider than `maxWidth` (a
// table, a long fraction) is set smaller, down to that size, until it fits.
TMathLayout LayoutMath(const arith::TMath& math, const QFont& font, int maxWidth,
                       int leastPixels = 0);

// Paints a layout at `origin` in `color`.
void PaintMath(QPainter& painter, const TMathLayout& layout, const QPointF& origin,
               const QColor& color);

// One formula, set at the widget's width in the widget's font and painted in
// its palette's text colour. The height follows the width
// (heightForWidth); the minimum width is that of the widest part that cannot
// be broken, so that in a scroll area the formula scrolls and is never cut.
// The text size is the widget font's, so the program's zoom, which scales
// window fonts, scales the formula too.
class TMathView : public QWidget {
    Q_OBJECT

public:
    explicit TMathView(QWidget* parent = nullptr);

    // Shows `math`; the view's accessible description becomes its plain
    // Unicode text ("x = (−1 ± √3 i)/2"), read after the view's name.
    void SetMath(arith::TMath math);
    const arith::TMath& Math() const { return math_; }

    // The size of the formula's text, in pixels; the font's face is kept.
    // Like every font in a window, set it at 100% before the window is made
    // zoomable: the zoom then scales it with the rest.
    void SetPixelSize(int pixels);
    int PixelSize() const;
    // The smallest size a line too wide for the view may be set in, so that
    // it fits without scrolling; 0 (the default) keeps every line at the
    // view's size. Beyond that size, the view is widened and scrolls.
    void SetLeastPixelSize(int pixels);

    // The layout at `width` (cached: the last few widths are kept until the
    // formula or the font changes).
    const TMathLayout& LayoutAt(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Forget();

    arith::TMath math_;
    struct TCached {
        int Width;
        TMathLayout Layout;
    };
    mutable std::deque<TCached> cache_; // references stay valid until evicted
    mutable int narrowest_ = -1;        // the minimum width, once known
    int leastPixels_ = 0;
};
