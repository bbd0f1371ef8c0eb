// SPDX-License-Identifier: GPL-3.0-or-later
#include "MathView.h"

#include "Fonts.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string_view>

namespace {

using arith::TMath;
using arith::TMathKind;

// Exponents, limits and the n and r of ₙCᵣ are set at this fraction of the
// size around them, but never below the smallest.
constexpr qreal kScriptScale = 0.7;
constexpr qreal kSmallestScale = 0.5;
// The widget's formula size until the window using it sets one.
constexpr int kDefaultPixels = 32;
// How many layouts (for different widths) a view keeps.
constexpr std::size_t kCachedWidths = 4;

// A set part: its boxes relative to its origin, which is the left end of its
// baseline (y grows downwards, so the ascent lies at negative y).
struct TBox {
    qreal Width = 0;
    qreal Ascent = 0;
    qreal Descent = 0;
    std::vector<TMathBox> Items;

    void Add(const TBox& other, qreal dx, qreal dy) {
        for (TMathBox item : other.Items) {
            item.Rect.translate(dx, dy);
            item.Baseline += dy;
            if (!item.Path.isEmpty()) {
                item.Path.translate(dx, dy);
            }
            Items.push_back(std::move(item));
        }
    }
    // Widens the ascent and descent to cover `other` placed `dy` lower.
    void Cover(const TBox& other, qreal dy) {
        Ascent = std::max(Ascent, other.Ascent - dy);
        Descent = std::max(Descent, other.Descent + dy);
    }
};

// The fonts and measures of one size.
struct TStyle {
    QFont Upright; // numbers, signs, words and the P and C of ₙPᵣ; Japanese in the given face
    QFont Italic;  // letters
    qreal Em = 0;
    qreal Axis = 0;      // the height of the middle of the minus sign
    qreal Rule = 0;      // the thickness of fraction rules and root bars
    qreal ParenAsc = 0;  // the extent of an ordinary bracket above the baseline
    qreal ParenDesc = 0; // and below it
};

bool IsSign(TMathKind kind) {
    return kind == TMathKind::Operator || kind == TMathKind::Punct;
}

// Japanese words end a phrase: a sign after them signs the number that
// follows, "より −4y", "で極大値 −2".
bool IsPhrase(const TMath& math) {
    if (math.Kind != TMathKind::Word) {
        return false;
    }
    const QString text = QString::fromStdString(math.Text);
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

// The formula face, falling back per character to the given font's faces
// (for Japanese, and for signs the formula face lacks).
QFont WithFallback(QFont font, const QFont& base) {
    QStringList families = font.families();
    families << (base.families().isEmpty() ? QStringList{base.family()} : base.families());
    font.setFamilies(families);
    return font;
}

int PixelsOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

// A part of the row being set, with the space that goes before it when
// something precedes it on its line.
struct TPiece {
    const TMath* Math = nullptr;
    TBox Box;
    qreal Lead = 0;
    bool BreakBefore = false; // a line may begin with this piece
};

class TSetter {
public:
    explicit TSetter(const QFont& base) : base_(base), pixels_(std::max(1, PixelsOf(base))) {}

    const TStyle& Style(qreal scale);
    TBox Set(const TMath& math, qreal scale);
    // The lines of `math` set at full size and broken to fit `width`.
    std::vector<TBox> Wrap(const TMath& math, qreal width);

private:
    TBox Text(const QString& text, const QFont& font, TMathKind part);
    // The advances of the digits '0' to '9' in the font.
    const std::array<qreal, 10>& DigitAdvances(const QFont& font);
    std::vector<TPiece> Pieces(const TMath& row, qreal scale);
    TBox Row(const TMath& row, qreal scale);
    TBox Lines(const std::vector<TMath>& lines, qreal scale);
    TBox Fraction(const TMath& math, qreal scale);
    TBox Root(const TMath& math, qreal scale);
    TBox Power(const TMath& math, qreal scale);
    TBox Paren(const TMath& math, qreal scale, bool square = false);
    TBox SquareBracket(const TMath& math, qreal scale);
    TBox Integral(const TMath& math, qreal scale);
    TBox Sum(const TMath& math, qreal scale);
    TBox Count(const TMath& math, qreal scale);
    TBox Table(const TMath& math, qreal scale);
    TBox Arrow(bool rising, qreal scale);
    // The space between two neighbours neither of which is an operator or a
    // comma.
    qreal Gap(TMathKind before, TMathKind after, qreal scale);

    QFont base_;
    int pixels_;
    std::map<int, TStyle> styles_; // by pixel size
    // The ink of the ten digits in a font, which every run of digits shares:
    // measuring the ink of each run alone is slow, and a 500-digit number
    // set in a narrow column has hundreds of runs.
    std::map<QString, QRectF> digitInk_; // by QFont::key()
    std::map<QString, std::array<qreal, 10>> digitAdvances_;
};

qreal ScriptScale(qreal scale) {
    return std::max(scale * kScriptScale, kSmallestScale);
}

const TStyle& TSetter::Style(qreal scale) {
    const int pixels = std::max(1, static_cast<int>(std::lround(pixels_ * scale)));
    auto found = styles_.find(pixels);
    if (found != styles_.end()) {
        return found->second;
    }
    TStyle style;
    const bool bold = base_.bold();
    style.Upright = WithFallback(CenturyFont(pixels, bold, false), base_);
    style.Italic = WithFallback(CenturyFont(pixels, bold, true), base_);
    style.Em = pixels;
    const QFontMetricsF metrics(style.Upright);
    const QRectF minus = metrics.tightBoundingRect(QStringLiteral("−"));
    style.Axis = minus.isEmpty() ? metrics.xHeight() / 2 : -minus.center().y();
    style.Rule = std::max(1.0, pixels / 20.0);
    QPainterPath paren;
    paren.addText(0, 0, style.Upright, QStringLiteral("("));
    style.ParenAsc = std::max(-paren.boundingRect().top(), metrics.capHeight());
    style.ParenDesc = std::max(paren.boundingRect().bottom(), 0.0);
    return styles_.emplace(pixels, std::move(style)).first->second;
}

const std::array<qreal, 10>& TSetter::DigitAdvances(const QFont& font) {
    const auto [found, added] = digitAdvances_.try_emplace(font.key());
    if (added) {
        const QFontMetricsF metrics(font);
        for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
            found->second[digit - u'0'] = metrics.horizontalAdvance(QChar(digit));
        }
    }
    return found->second;
}

TBox TSetter::Text(const QString& text, const QFont& font, TMathKind part) {
    const QFontMetricsF metrics(font);
    QRectF tight;
    if (part == TMathKind::Number) {
        const auto [ink, added] = digitInk_.try_emplace(font.key());
        if (added) {
            ink->second = metrics.tightBoundingRect(QStringLiteral("0123456789"));
        }
        tight = ink->second;
    } else {
        tight = metrics.tightBoundingRect(text);
    }
    TBox box;
    box.Width = metrics.horizontalAdvance(text);
    box.Ascent = std::max(-tight.top(), metrics.xHeight());
    box.Descent = std::max(tight.bottom(), 0.0);
    TMathBox item;
    item.Shape = TMathShape::Text;
    item.Part = part;
    item.Rect = QRectF(0, -box.Ascent, box.Width, box.Ascent + box.Descent);
    item.Text = text;
    item.Font = font;
    box.Items.push_back(std::move(item));
    return box;
}

TMathBox Drawn(TMathShape shape, TMathKind part, QPainterPath path, qreal pen = 0) {
    TMathBox item;
    item.Shape = shape;
    item.Part = part;
    item.Rect = path.boundingRect().adjusted(-pen / 2, -pen / 2, pen / 2, pen / 2);
    item.Path = std::move(path);
    item.Pen = pen;
    return item;
}

TMathBox Rule(TMathKind part, const QRectF& rect) {
    TMathBox item;
    item.Shape = TMathShape::Rule;
    item.Part = part;
    item.Rect = rect;
    return item;
}

TBox TSetter::Set(const TMath& math, qreal scale) {
    const TStyle& style = Style(scale);
    const QString text = QString::fromStdString(math.Text);
    switch (math.Kind) {
    case TMathKind::Row:
        return Row(math, scale);
    case TMathKind::Lines:
        return Lines(math.Parts, scale);
    case TMathKind::Number:
    case TMathKind::Operator:
    case TMathKind::Punct:
        return Text(text, style.Upright, math.Kind);
    case TMathKind::Letter:
        return Text(text, style.Italic, math.Kind);
    case TMathKind::Word: {
        if (math.Text == "↗" || math.Text == "↘") {
            return Arrow(math.Text == "↗", scale);
        }
        // A function's name with its primes, "f′", is a letter too.
        static const QRegularExpression kNamed(QStringLiteral("^[A-Za-z]′+$"));
        return Text(text, kNamed.match(text).hasMatch() ? style.Italic : style.Upright, math.Kind);
    }
    case TMathKind::Fraction:
        return Fraction(math, scale);
    case TMathKind::Root:
        return Root(math, scale);
    case TMathKind::Power:
        return Power(math, scale);
    case TMathKind::Paren:
        return Paren(math, scale);
    case TMathKind::Integral:
        return Integral(math, scale);
    case TMathKind::Sum:
        return Sum(math, scale);
    case TMathKind::Count:
        return Count(math, scale);
    case TMathKind::Bracket:
        return SquareBracket(math, scale);
    case TMathKind::Table:
        return Table(math, scale);
    }
    return {};
}

// The part at `index`, or an empty row for a tree that lacks it, so that a
// malformed tree is set incompletely rather than read out of bounds.
const TMath& PartOf(const TMath& math, std::size_t index) {
    static const TMath kEmpty;
    return index < math.Parts.size() ? math.Parts[index] : kEmpty;
}

void Flatten(const TMath& math, std::vector<const TMath*>& out) {
    if (math.Kind == TMathKind::Row) {
        for (const TMath& part : math.Parts) {
            Flatten(part, out);
        }
    } else {
        out.push_back(&math);
    }
}

qreal TSetter::Gap(TMathKind before, TMathKind after, qreal scale) {
    const qreal em = Style(scale).Em;
    if (before == TMathKind::Word && after == TMathKind::Paren) {
        return 0.03 * em; // f(x)
    }
    if (before == TMathKind::Word || after == TMathKind::Word) {
        return before == after ? 0.25 * em : 0.2 * em;
    }
    if (before == TMathKind::Root && (after == TMathKind::Letter || after == TMathKind::Number)) {
        return 0.12 * em; // √3 i
    }
    if (before == TMathKind::Paren && after == TMathKind::Paren) {
        return 0.05 * em; // )(
    }
    if (before == TMathKind::Fraction || after == TMathKind::Fraction) {
        return 0.08 * em; // keeps the rule off its neighbours
    }
    if (before == TMathKind::Letter && after != TMathKind::Letter) {
        return 0.04 * em; // the italic leans into what follows
    }
    if (before == TMathKind::Number && after == TMathKind::Number) {
        return 0.1 * em; // two numbers side by side stay apart
    }
    return 0;
}

bool IsDot(const TMath& math) {
    return math.Kind == TMathKind::Operator && math.Text == "·";
}

// A factor in brackets, or a power of one: "(n + 1)", "(x − 1)³".
bool IsBracketedFactor(const TMath& math) {
    if (math.Kind == TMathKind::Power && !math.Parts.empty()) {
        return math.Parts[0].Kind == TMathKind::Paren;
    }
    return math.Kind == TMathKind::Paren;
}

std::vector<TPiece> TSetter::Pieces(const TMath& row, qreal scale) {
    std::vector<const TMath*> flat;
    Flatten(row, flat);
    const qreal em = Style(scale).Em;
    // Scripts set their operators closer, as "k=1" under a sum sign.
    const qreal operatorSpace = (scale < 1 ? 0.12 : 0.25) * em;
    const qreal commaSpace = (scale < 1 ? 0.15 : 0.35) * em;
    const qreal dotSpace = 0.1 * em;
    std::vector<TPiece> pieces;
    pieces.reserve(flat.size());
    for (std::size_t i = 0; i < flat.size(); ++i) {
        TPiece piece;
        piece.Math = flat[i];
        piece.Box = Set(*flat[i], scale);
        const TMathKind kind = flat[i]->Kind;
        const bool first = i == 0;
        const TMathKind previous = first ? TMathKind::Operator : flat[i - 1]->Kind;
        // A sign with nothing or another sign before it is a sign of the number
        // after it, as in "y = −3", and is set close.
        // "=" is never a sign, even at the start of a line going on from the one above.
        const bool equals = kind == TMathKind::Operator && flat[i]->Text == "=";
        const bool afterPhrase = !first && IsPhrase(*flat[i - 1]);
        const bool binary =
            kind == TMathKind::Operator && ((!IsSign(previous) && !afterPhrase) || equals);
        if (binary) {
            // A product dot is set close and holds its factors on one line.
            const bool dot = IsDot(*flat[i]);
            piece.Lead = first ? 0 : dot ? dotSpace : operatorSpace;
            piece.BreakBefore = !first && !dot;
        } else if (!first && previous == TMathKind::Punct) {
            piece.Lead = commaSpace;
            piece.BreakBefore = true;
        } else if (afterPhrase && kind == TMathKind::Operator) {
            piece.Lead = Gap(previous, TMathKind::Number, scale);
            piece.BreakBefore = true;
        } else if (!first && previous == TMathKind::Operator) {
            const bool previousBinary =
                flat[i - 1]->Text == "=" ||
                (i >= 2 && !IsSign(flat[i - 2]->Kind) && !IsPhrase(*flat[i - 2]));
            piece.Lead = !previousBinary ? 0 : IsDot(*flat[i - 1]) ? dotSpace : operatorSpace;
        } else if (!first && kind == TMathKind::Word && flat[i]->Text == "!") {
            piece.Lead = 0; // 200!
        } else if (!first && !IsSign(kind)) {
            piece.Lead = Gap(previous, kind, scale);
            // A long product may go on in the next line before a bracketed
            // factor, and a line may end before or after a word ("で極大値").
            piece.BreakBefore = IsBracketedFactor(*flat[i])
                                    ? previous != TMathKind::Word
                                    : kind == TMathKind::Word || previous == TMathKind::Word;
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

TBox TSetter::Row(const TMath& row, qreal scale) {
    TBox box;
    const std::vector<TPiece> pieces = Pieces(row, scale);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const TPiece& piece = pieces[i];
        const qreal x = i == 0 ? 0 : box.Width + piece.Lead;
        box.Add(piece.Box, x, 0);
        box.Cover(piece.Box, 0);
        box.Width = x + piece.Box.Width;
    }
    return box;
}

TBox TSetter::Lines(const std::vector<TMath>& lines, qreal scale) {
    const TStyle& style = Style(scale);
    TBox box;
    qreal baseline = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TBox line = Set(lines[i], scale);
        if (i == 0) {
            box.Ascent = line.Ascent;
        } else {
            baseline +=
                std::max(box.Descent - baseline + 0.3 * style.Em + line.Ascent, 1.25 * style.Em);
        }
        box.Add(line, 0, baseline);
        box.Cover(line, baseline);
        box.Width = std::max(box.Width, line.Width);
    }
    return box;
}

// A bracket round a whole numerator or denominator, which the plain text
// form needs, is left off when the fraction is stacked.
const TMath& Unbracketed(const TMath& part) {
    if (part.Kind == TMathKind::Paren && part.Parts.size() == 1) {
        return part.Parts[0];
    }
    return part;
}

TBox TSetter::Fraction(const TMath& math, qreal scale) {
    const TStyle& style = Style(scale);
    const TBox top = Set(Unbracketed(PartOf(math, 0)), scale);
    const TBox bottom = Set(Unbracketed(PartOf(math, 1)), scale);
    const qreal gap = std::max(1.5, 0.14 * style.Em);
    const qreal overhang = 0.12 * style.Em;
    TBox box;
    box.Width = std::max(top.Width, bottom.Width) + 2 * overhang;
    // The rule lies on the axis, the middle of the minus sign.
    const qreal ruleTop = -(style.Axis + style.Rule / 2);
    const qreal ruleBottom = ruleTop + style.Rule;
    const qreal topBaseline = ruleTop - gap - top.Descent;
    const qreal bottomBaseline = ruleBottom + gap + bottom.Ascent;
    box.Add(top, (box.Width - top.Width) / 2, topBaseline);
    box.Add(bottom, (box.Width - bottom.Width) / 2, bottomBaseline);
    box.Items.push_back(Rule(TMathKind::Fraction, QRectF(0, ruleTop, box.Width, style.Rule)));
    box.Cover(top, topBaseline);
    box.Cover(bottom, bottomBaseline);
    return box;
}

TBox TSetter::Root(const TMath& math, qreal scale) {
    const TStyle& style = Style(scale);
    const TBox radicand = Set(PartOf(math, 0), scale);
    const qreal rule = style.Rule;
    const qreal barTop = -(radicand.Ascent + 0.12 * style.Em + rule);
    const qreal barMiddle = barTop + rule / 2;
    const qreal bottom = radicand.Descent + 0.08 * style.Em;
    const qreal height = bottom - barMiddle;
    // The sign: a short rising tick, a heavy stroke down to below the
    // baseline and a long thin one up to the bar; wider as it grows.
    const qreal width = 0.32 * style.Em + 0.12 * height;
    const QPointF tick(0.02 * style.Em, bottom - 0.45 * height);
    const QPointF turn(0.25 * width, bottom - 0.52 * height);
    const QPointF foot(0.55 * width, bottom);
    const QPointF join(width, barMiddle);
    QPainterPath thin(tick);
    thin.lineTo(turn);
    thin.lineTo(foot);
    thin.lineTo(join);
    QPainterPath heavy(turn);
    heavy.lineTo(foot);
    const qreal margin = 0.06 * style.Em; // between the bar's ends and the radicand
    TBox box;
    box.Items.push_back(Drawn(TMathShape::Stroke, TMathKind::Root, thin, rule));
    box.Items.push_back(Drawn(TMathShape::Stroke, TMathKind::Root, heavy, 2 * rule));
    box.Add(radicand, width + margin, 0);
    box.Width = width + 2 * margin + radicand.Width;
    box.Items.push_back(Rule(TMathKind::Root, QRectF(width, barTop, box.Width - width, rule)));
    box.Ascent = -barTop;
    box.Descent = bottom + rule;
    return box;
}

TBox TSetter::Power(const TMath& math, qreal scale) {
    const TStyle& style = Style(scale);
    const TMath& baseMath = PartOf(math, 0);
    TBox box = Set(baseMath, scale);
    const TBox exponent = Set(PartOf(math, 1), ScriptScale(scale));
    const qreal raise = std::max(0.42 * style.Em, box.Ascent - 0.55 * exponent.Ascent);
    qreal x = box.Width + (baseMath.Kind == TMathKind::Letter ? 0.0 : 0.03) * style.Em;
    if (baseMath.Text.ends_with("′")) {
        // The prime of b′² reaches past its advance, where the exponent would go.
        const QFontMetricsF metrics(style.Italic);
        x = std::max(x, metrics.tightBoundingRect(QString::fromStdString(baseMath.Text)).right() +
                            0.02 * style.Em);
    }
    box.Add(exponent, x, -raise);
    box.Cover(exponent, -raise);
    box.Width = x + exponent.Width;
    return box;
}

// The shape of a bracket: round, square or a brace.
enum class TBracketShape { Round, Square, Brace };

// The font's bracket glyph as an outline, stretched to run from y = -top to
// y = bottom and widened a little as it grows; its advance comes back in
// `width`.
QPainterPath Bracket(const QFont& font, bool closing, TBracketShape shape, qreal top, qreal bottom,
                     qreal& width) {
    static const QString kGlyphs[][2] = {{QStringLiteral("("), QStringLiteral(")")},
                                         {QStringLiteral("["), QStringLiteral("]")},
                                         {QStringLiteral("{"), QStringLiteral("}")}};
    const QString& glyph = kGlyphs[static_cast<int>(shape)][closing ? 1 : 0];
    QPainterPath path;
    path.addText(0, 0, font, glyph);
    const QRectF drawn = path.boundingRect();
    const qreal advance = QFontMetricsF(font).horizontalAdvance(glyph);
    if (drawn.isEmpty()) {
        width = advance;
        return path;
    }
    const qreal tall = (top + bottom) / drawn.height();
    const qreal wide = std::min(1 + 0.12 * (tall - 1), 1.5);
    width = advance * wide;
    return QTransform(wide, 0, 0, tall, 0, -top - drawn.top() * tall).map(path);
}

TBox TSetter::Paren(const TMath& math, qreal scale, bool square) {
    const TStyle& style = Style(scale);
    const TBox body = Set(PartOf(math, 0), scale);
    // Grown brackets stay centred on the axis.
    const qreal half =
        std::max(body.Ascent - style.Axis, body.Descent + style.Axis) + 0.08 * style.Em;
    const qreal top = std::max(style.Axis + half, style.ParenAsc);
    const qreal bottom = std::max(half - style.Axis, style.ParenDesc);
    qreal openWidth = 0;
    qreal closeWidth = 0;
    const TBracketShape shape = square             ? TBracketShape::Square
                                : math.Text == "{" ? TBracketShape::Brace
                                                   : TBracketShape::Round;
    const QPainterPath open = Bracket(style.Upright, false, shape, top, bottom, openWidth);
    QPainterPath close = Bracket(style.Upright, true, shape, top, bottom, closeWidth);
    const qreal gap = 0.03 * style.Em;
    TBox box;
    box.Items.push_back(Drawn(TMathShape::Fill, TMathKind::Paren, open));
    box.Add(body, openWidth + gap, 0);
    const qreal right = openWidth + 2 * gap + body.Width;
    close.translate(right, 0);
    box.Items.push_back(Drawn(TMathShape::Fill, TMathKind::Paren, close));
    box.Width = right + closeWidth;
    box.Ascent = std::max(top, body.Ascent);
    box.Descent = std::max(bottom, body.Descent);
    return box;
}

// [F(x)] with the upper limit raised and the lower one lowered after the
// closing bracket, level with its ends.
TBox TSetter::SquareBracket(const TMath& math, qreal scale) {
    const TStyle& style = Style(scale);
    TBox box = Paren(math, scale, true);
    const TBox lower = Set(PartOf(math, 1), ScriptScale(scale));
    const TBox upper = Set(PartOf(math, 2), ScriptScale(scale));
    const qreal x = box.Width + 0.05 * style.Em;
    const qreal raise = box.Ascent - 0.55 * upper.Ascent;
    const qreal drop = box.Descent - 0.3 * lower.Descent;
    box.Add(upper, x, -raise);
    box.Add(lower, x, drop);
    box.Cover(upper, -raise);
    box.Cover(lower, drop);
    box.Width = x + std::max(upper.Width, lower.Width);
    return box;
}

TBox TSetter::Integral(const TMath& math, qreal scale) {
    const TStyle& style = Style(scale);
    const qreal em = style.Em;
    const TBox lower = Set(PartOf(math, 0), ScriptScale(scale));
    const TBox upper = Set(PartOf(math, 1), ScriptScale(scale));
    const TBox integrand = Set(PartOf(math, 2), scale);
    // A tall sign centred on the axis, taller than the integrand.
    const qreal height = std::max(1.8 * em, integrand.Ascent + integrand.Descent + 0.4 * em);
    const qreal top = -(style.Axis + height / 2);
    const qreal bottom = top + height;
    const qreal width = 0.3 * height;
    const auto at = [&](qreal x, qreal y) { return QPointF(x * width, top + y * height); };
    // The centre line: a hook at the top right, a slanting stem and a hook
    // at the bottom left, heavier along the stem, with a drop at each end.
    QPainterPath line(at(0.93, 0.09));
    line.cubicTo(at(0.86, -0.02), at(0.66, -0.01), at(0.6, 0.2));
    line.cubicTo(at(0.54, 0.42), at(0.47, 0.6), at(0.41, 0.8));
    line.cubicTo(at(0.35, 1.01), at(0.15, 1.02), at(0.07, 0.91));
    QPainterPath stem(at(0.6, 0.2));
    stem.cubicTo(at(0.54, 0.42), at(0.47, 0.6), at(0.41, 0.8));
    const qreal pen = 0.055 * em;
    const qreal drop = 0.055 * em;
    QPainterPath drops;
    drops.addEllipse(at(0.93, 0.09), drop, drop);
    drops.addEllipse(at(0.07, 0.91), drop, drop);
    TBox box;
    box.Items.push_back(Drawn(TMathShape::Stroke, TMathKind::Integral, line, pen));
    box.Items.push_back(Drawn(TMathShape::Stroke, TMathKind::Integral, stem, 1.9 * pen));
    box.Items.push_back(Drawn(TMathShape::Fill, TMathKind::Integral, drops));
    // The limits at the corners: the upper level with the top, the lower
    // with the bottom and further left, under the slant.
    const qreal upperX = width + 0.04 * em;
    const qreal lowerX = 0.62 * width;
    const qreal upperBaseline = top + upper.Ascent;
    const qreal lowerBaseline = bottom - lower.Descent;
    box.Add(upper, upperX, upperBaseline);
    box.Add(lower, lowerX, lowerBaseline);
    const qreal x = std::max(upperX + upper.Width, lowerX + lower.Width) + 0.15 * em;
    box.Add(integrand, x, 0);
    box.Width = x + integrand.Width;
    box.Ascent = -top + drop;
    box.Descent = bottom + drop;
    box.Cover(upper, upperBaseline);
    box.Cover(lower, lowerBaseline);
    box.Cover(integrand, 0);
    return box;
}

TBox TSetter::Sum(const TMath& math, qreal scale) {
    const TStyle& style = Style(scale);
    const qreal em = style.Em;
    const TBox below = Set(PartOf(math, 0), ScriptScale(scale));
    const TBox above = Set(PartOf(math, 1), ScriptScale(scale));
    const TBox summand = Set(PartOf(math, 2), scale);
    const qreal height = 1.35 * em;
    const qreal width = 1.05 * em;
    const qreal top = -(style.Axis + height / 2);
    const qreal bottom = top + height;
    const qreal column = std::max({width, below.Width, above.Width});
    const qreal left = (column - width) / 2;
    const auto at = [&](qreal x, qreal y) { return QPointF(left + x * width, top + y * height); };
    QPainterPath outline(at(0.97, 0.2));
    outline.lineTo(at(0.92, 0));
    outline.lineTo(at(0.03, 0));
    outline.lineTo(at(0.5, 0.5));
    outline.lineTo(at(0.03, 1));
    outline.lineTo(at(0.95, 1));
    outline.lineTo(at(1, 0.8));
    QPainterPath heavy(at(0.03, 0));
    heavy.lineTo(at(0.5, 0.5));
    const qreal pen = std::max(1.0, 0.05 * em);
    TBox box;
    box.Items.push_back(Drawn(TMathShape::Stroke, TMathKind::Sum, outline, pen));
    box.Items.push_back(Drawn(TMathShape::Stroke, TMathKind::Sum, heavy, 2.2 * pen));
    const qreal gap = 0.12 * em;
    const qreal aboveBaseline = top - gap - above.Descent;
    const qreal belowBaseline = bottom + gap + below.Ascent;
    box.Add(above, (column - above.Width) / 2, aboveBaseline);
    box.Add(below, (column - below.Width) / 2, belowBaseline);
    const qreal x = column + 0.15 * em;
    box.Add(summand, x, 0);
    box.Width = x + summand.Width;
    box.Ascent = -top + pen;
    box.Descent = bottom + pen;
    box.Cover(above, aboveBaseline);
    box.Cover(below, belowBaseline);
    box.Cover(summand, 0);
    return box;
}

TBox TSetter::Count(const TMath& math, qreal scale) {
    const TStyle& style = Style(scale);
    const TBox n = Set(PartOf(math, 0), ScriptScale(scale));
    const TBox r = Set(PartOf(math, 1), ScriptScale(scale));
    const TBox sign = Text(QString::fromStdString(math.Text), style.Upright, TMathKind::Count);
    const qreal drop = 0.22 * style.Em;
    const qreal gap = 0.03 * style.Em;
    TBox box;
    box.Add(n, 0, drop);
    box.Add(sign, n.Width + gap, 0);
    const qreal x = n.Width + 2 * gap + sign.Width;
    box.Add(r, x, drop);
    box.Width = x + r.Width;
    box.Cover(n, drop);
    box.Cover(sign, 0);
    box.Cover(r, drop);
    return box;
}

// Whether cell j of row i of a table is the word `text`.
bool CellIs(const TMath& table, std::size_t i, std::size_t j, std::string_view text) {
    if (i >= table.Parts.size() || table.Parts[i].Kind != TMathKind::Row) {
        return false;
    }
    const std::vector<TMath>& cells = table.Parts[i].Parts;
    return j < cells.size() && cells[j].Kind == TMathKind::Word && cells[j].Text == text;
}

// Rows one below the other, each cell centred in its column; a rule above
// the rows that have one, across the whole table, and after a header column
// a rule from top to bottom. A table ruled throughout has a rule between
// every two columns and a frame, half a gap clear of the cells. A long
// division's cells are right-aligned, its rules partial and its bracket
// drawn after the divisor (see MathTable). A cross table's crossing, a cell
// "╲╱" above a cell "╱╲", is drawn as one ╳ through both rows. The first
// row's baseline is the table's.
TBox TSetter::Table(const TMath& math, qreal scale) {
    const TStyle& style = Style(scale);
    const qreal em = style.Em;
    const qreal columnGap = 0.9 * em;
    const qreal rowGap = 0.35 * em;
    std::vector<std::vector<TBox>> cells;
    std::vector<qreal> widths;
    for (const TMath& row : math.Parts) {
        std::vector<TBox> set;
        if (row.Kind == TMathKind::Row) {
            for (const TMath& cell : row.Parts) {
                set.push_back(Set(cell, scale));
            }
        }
        for (std::size_t j = 0; j < set.size(); ++j) {
            if (j == widths.size()) {
                widths.push_back(0);
            }
            widths[j] = std::max(widths[j], set[j].Width);
        }
        cells.push_back(std::move(set));
    }
    // A crossing wide enough for its strokes to lean as a textbook's do.
    const auto crossing = [&math](std::size_t i, std::size_t j) {
        return CellIs(math, i, j, "╲╱") && CellIs(math, i + 1, j, "╱╲");
    };
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (std::size_t j = 0; j < cells[i].size(); ++j) {
            if (crossing(i, j)) {
                widths[j] = std::max(widths[j], 2.2 * em);
            }
        }
    }
    // Every row at least as tall as a line of text, so that empty cells keep their place.
    const qreal minAscent = style.ParenAsc;
    const qreal minDescent = style.ParenDesc;
    // A long division's terms stand right-aligned and closer, as its columns
    // of powers are written, with room for the bracket after the divisor.
    const bool division = math.Text.find(')') != std::string::npos;
    const qreal termGap = division ? 0.35 * em : columnGap;
    const bool grid = arith::TableGrid(math) && !widths.empty();
    const qreal frame =
        grid ? columnGap / 2 + style.Rule : 0; // from the frame's outer edge to a cell
    std::vector<qreal> lefts;
    qreal x = frame;
    for (std::size_t j = 0; j < widths.size(); ++j) {
        lefts.push_back(x);
        x += widths[j] + (j == 0 ? columnGap : termGap);
    }
    TBox box;
    box.Width = widths.empty() ? 0 : x - (widths.size() == 1 ? columnGap : termGap) + frame;
    const bool header = arith::TableHeaderColumn(math) && widths.size() > 1;
    const qreal ruleX = header ? lefts[1] - columnGap / 2 : 0;
    // A last column set apart: its rule runs down to the lowest horizontal
    // rule, and the horizontal rules stop at it.
    const bool apart = arith::TableLastColumnApart(math) && widths.size() > 1;
    const qreal apartX = apart ? lefts.back() - columnGap / 2 : 0;
    const qreal ruleWidth = apart ? apartX : box.Width;
    qreal apartBottom = 0;
    qreal baseline = 0;
    qreal bottom = 0; // the lowest point set so far
    std::vector<qreal> tops;
    std::vector<qreal> bottoms;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        qreal ascent = minAscent;
        qreal descent = minDescent;
        for (const TBox& cell : cells[i]) {
            ascent = std::max(ascent, cell.Ascent);
            descent = std::max(descent, cell.Descent);
        }
        const char kind = arith::TableRule(math, i);
        // The span of the rule above the row: the whole table, or for a long
        // division from its bracket on, or under the cells of the row above.
        const bool rule = kind == '-' || kind == ')' || kind == '_' || (grid && i == 0);
        qreal ruleLeft = 0;
        qreal ruleRight = ruleWidth;
        qreal bracketWidth = 0;
        QPainterPath bracket;
        if (kind == ')' && lefts.size() > 1) {
            // The bracket centred between the divisor and the dividend, the
            // rule from its top.
            const qreal top = (i == 0 ? ascent : ascent + rowGap / 2) + style.Rule / 2;
            bracket =
                Bracket(style.Upright, true, TBracketShape::Round, top, descent, bracketWidth);
            ruleLeft = lefts[1] - columnGap / 2 - bracketWidth / 2;
        } else if (kind == '_' && i > 0) {
            const std::vector<arith::TMath>& above = math.Parts[i - 1].Parts;
            std::size_t first = above.size();
            std::size_t last = 0;
            for (std::size_t j = 0; j < above.size() && j < widths.size(); ++j) {
                if (!arith::TableCellEmpty(above[j])) {
                    first = std::min(first, j);
                    last = j;
                }
            }
            ruleLeft = first < above.size() ? lefts[first] : 0;
            ruleRight = first < above.size() ? lefts[last] + widths[last] : 0;
        }
        const QRectF span(ruleLeft, 0, ruleRight - ruleLeft, style.Rule);
        qreal ruleY = 0;
        if (i == 0) {
            box.Ascent = ascent + (rule ? rowGap / 2 + style.Rule : 0);
            ruleY = -box.Ascent + style.Rule / 2;
        } else {
            ruleY = bottom + rowGap / 2;
            if (rule) {
                apartBottom = ruleY;
            }
            baseline = ruleY + rowGap / 2 + ascent;
        }
        if (rule && span.width() > 0) {
            box.Items.push_back(Rule(TMathKind::Table, span.translated(0, ruleY - style.Rule / 2)));
        }
        if (!bracket.isEmpty()) {
            bracket.translate(ruleLeft, baseline);
            box.Items.push_back(Drawn(TMathShape::Fill, TMathKind::Table, bracket));
        }
        for (std::size_t j = 0; j < cells[i].size(); ++j) {
            if (crossing(i, j) || (i > 0 && crossing(i - 1, j))) {
                continue;
            }
            const TBox& cell = cells[i][j];
            box.Add(cell, lefts[j] + (widths[j] - cell.Width) / (division ? 1 : 2), baseline);
        }
        tops.push_back(baseline - ascent);
        bottom = baseline + descent;
        bottoms.push_back(bottom);
    }
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        for (std::size_t j = 0; j < cells[i].size(); ++j) {
            if (!crossing(i, j)) {
                continue;
            }
            const qreal left = lefts[j] + 0.15 * em;
            const qreal right = lefts[j] + widths[j] - 0.15 * em;
            const qreal top = tops[i] + 0.1 * em;
            const qreal low = bottoms[i + 1] - 0.1 * em;
            QPainterPath cross(QPointF(left, top));
            cross.lineTo(right, low);
            cross.moveTo(right, top);
            cross.lineTo(left, low);
            box.Items.push_back(Drawn(TMathShape::Stroke, TMathKind::Table, cross, style.Rule));
        }
    }
    if (grid) {
        bottom += rowGap / 2;
        box.Items.push_back(Rule(TMathKind::Table, QRectF(0, bottom, box.Width, style.Rule)));
        bottom += style.Rule;
    }
    box.Descent = std::max(bottom, 0.0);
    const qreal top = -box.Ascent;
    const auto down = [&](qreal left, qreal end) {
        box.Items.push_back(Rule(TMathKind::Table, QRectF(left, top, style.Rule, end - top)));
    };
    if (apart) {
        down(apartX - style.Rule / 2, apartBottom > 0 ? apartBottom : box.Descent);
    }
    if (grid) {
        down(0, box.Descent);
        for (std::size_t j = 1; j < lefts.size(); ++j) {
            down(lefts[j] - columnGap / 2 - style.Rule / 2, box.Descent);
        }
        down(box.Width - style.Rule, box.Descent);
    } else if (header) {
        down(ruleX - style.Rule / 2, box.Descent);
    }
    return box;
}

// "↗" and "↘" of a sign chart, drawn rather than taken from a font, whose
// arrows are often thin or small: a shaft as heavy as a stroke of the text
// across the height of a digit, centred on the axis, and a filled head.
TBox TSetter::Arrow(bool rising, qreal scale) {
    const TStyle& style = Style(scale);
    const qreal em = style.Em;
    const qreal half = 0.36 * em; // half the square the arrow crosses
    const qreal side = 0.12 * em;
    const qreal pen = std::max(1.0, 0.085 * em);
    const QPointF centre(side + half, -style.Axis);
    const QPointF tail = centre + QPointF(-half, rising ? half : -half);
    const QPointF tip = centre + QPointF(half, rising ? -half : half);
    // The head: a triangle along the shaft, its base across it.
    const QPointF along = (tip - tail) / std::hypot(tip.x() - tail.x(), tip.y() - tail.y());
    const QPointF across(-along.y(), along.x());
    const qreal length = 0.34 * em;
    const qreal width = 0.16 * em;
    const QPointF base = tip - along * length;
    QPainterPath head(tip);
    head.lineTo(base + across * width);
    head.lineTo(base - across * width);
    head.closeSubpath();
    QPainterPath shaft(tail);
    shaft.lineTo(base + along * (0.2 * length));
    TBox box;
    box.Items.push_back(Drawn(TMathShape::Stroke, TMathKind::Word, shaft, pen));
    box.Items.push_back(Drawn(TMathShape::Fill, TMathKind::Word, head));
    box.Width = 2 * (side + half);
    box.Ascent = style.Axis + half + pen;
    box.Descent = std::max(0.0, half - style.Axis + pen);
    return box;
}

// The longest beginning of `digits` no wider than `width`: guessed from the
// advances of the single digits (`advances`, of '0' to '9'), then settled by
// measuring the beginning itself, so that a number of hundreds of digits is
// not measured whole again and again.
qsizetype DigitsThatFit(const QString& digits, const QFontMetricsF& metrics, qreal width,
                        const std::array<qreal, 10>& advances) {
    qsizetype count = 0;
    qreal guess = 0;
    while (count < digits.size()) {
        const QChar c = digits[count];
        const qreal advance = c.isDigit() && c.unicode() <= '9' ? advances[c.unicode() - '0']
                                                                : metrics.horizontalAdvance(c);
        if (guess + advance > width) {
            break;
        }
        guess += advance;
        ++count;
    }
    while (count > 0 && metrics.horizontalAdvance(digits.left(count)) > width) {
        --count;
    }
    while (count < digits.size() && metrics.horizontalAdvance(digits.left(count + 1)) <= width) {
        ++count;
    }
    return count;
}

std::vector<TBox> TSetter::Wrap(const TMath& math, qreal width) {
    const TStyle& style = Style(1);
    const qreal indent = style.Em;
    std::vector<TPiece> pieces = Pieces(math, 1);
    std::vector<TBox> lines(1);
    qreal x = 0;
    const auto empty = [&lines] { return lines.back().Items.empty(); };
    const auto newLine = [&](qreal start) {
        lines.emplace_back();
        x = start;
    };
    const auto place = [&](const TBox& box, qreal lead) {
        if (!empty()) {
            x += lead;
        }
        TBox& line = lines.back();
        line.Add(box, x, 0);
        line.Cover(box, 0);
        x += box.Width;
        line.Width = x;
    };
    const auto splittable = [](const TPiece& piece) {
        return piece.Math->Kind == TMathKind::Number;
    };
    std::size_t i = 0;
    while (i < pieces.size()) {
        // A segment: the pieces from one break to the next.
        std::size_t end = i + 1;
        while (end < pieces.size() && !pieces[end].BreakBefore) {
            ++end;
        }
        qreal segment = 0;
        bool canSplit = false;
        for (std::size_t k = i; k < end; ++k) {
            segment += (k > i ? pieces[k].Lead : 0) + pieces[k].Box.Width;
            canSplit = canSplit || splittable(pieces[k]);
        }
        // A segment that must be split anyway goes on filling this line.
        if (!empty() && x + pieces[i].Lead + segment > width &&
            (segment <= width - indent || !canSplit)) {
            newLine(indent);
        } else if (!empty() && i > 0 && pieces[i - 1].Math->Kind == TMathKind::Punct) {
            // After a comma, the item up to the next one goes to the next
            // line whole where it fits there but not here: "x = 1 − √2," then
            // "1 + √2", not "1" left behind.
            qreal item = 0;
            for (std::size_t k = i; k < pieces.size(); ++k) {
                if (k > i && pieces[k - 1].Math->Kind == TMathKind::Punct) {
                    break;
                }
                item += (k > i ? pieces[k].Lead : 0) + pieces[k].Box.Width;
            }
            if (x + pieces[i].Lead + item > width && item <= width - indent) {
                newLine(indent);
            }
        }
        for (std::size_t k = i; k < end; ++k) {
            const TPiece& piece = pieces[k];
            const qreal lead = empty() ? 0 : piece.Lead;
            if (!splittable(piece) || x + lead + piece.Box.Width <= width) {
                place(piece.Box, piece.Lead);
                continue;
            }
            // Continuation lines of a number start under its first digit,
            // unless that leaves them too little room.
            const qreal column = x + lead <= width / 2 ? x + lead : indent;
            QString digits = QString::fromStdString(piece.Math->Text);
            const QFontMetricsF metrics(style.Upright);
            const std::array<qreal, 10>& advances = DigitAdvances(style.Upright);
            while (!digits.isEmpty()) {
                const qreal room = width - x - (empty() ? 0 : piece.Lead);
                qsizetype count = DigitsThatFit(digits, metrics, room, advances);
                if (count == 0 && !empty()) {
                    newLine(column);
                    continue;
                }
                count = std::max<qsizetype>(count, 1);
                place(Text(digits.left(count), style.Upright, TMathKind::Number), piece.Lead);
                digits.remove(0, count);
                if (!digits.isEmpty()) {
                    newLine(column);
                }
            }
        }
        i = end;
    }
    return lines;
}

// The formula as narrow as a layout at width 1 sets it, for the cost of a
// short one. There every number that a line may break is set one digit a
// line: its first digit where the number begins, the others under each
// other, and whatever follows it after its last digit. A long number is
// set the same with only its first digit, one of each other digit it holds
// and its last digit.
arith::TMath Narrowed(const arith::TMath& math) {
    constexpr std::size_t kShortNumber = 12;
    if (math.Kind == TMathKind::Number && math.Text.size() > kShortNumber) {
        std::string digits(1, math.Text.front());
        for (std::size_t i = 1; i + 1 < math.Text.size(); ++i) {
            if (digits.find(math.Text[i], 1) == std::string::npos) {
                digits += math.Text[i];
            }
        }
        digits += math.Text.back();
        return arith::MathText(TMathKind::Number, std::move(digits));
    }
    if (math.Kind != TMathKind::Lines && math.Kind != TMathKind::Row) {
        return math;
    }
    arith::TMath narrowed = math;
    for (arith::TMath& part : narrowed.Parts) {
        part = Narrowed(part);
    }
    return narrowed;
}

} // namespace

namespace {

qreal Widest(const std::vector<TBox>& lines) {
    qreal widest = 0;
    for (const TBox& line : lines) {
        widest = std::max(widest, line.Width);
    }
    return widest;
}

// `line` wrapped to `width`; where it stays wider, set again in a smaller
// size in proportion, down to `leastPixels`.
std::vector<TBox> Fitted(TSetter& setter, const TMath& line, const QFont& font, qreal width,
                         int leastPixels) {
    std::vector<TBox> wrapped = setter.Wrap(line, width);
    if (leastPixels <= 0) {
        return wrapped;
    }
    int pixels = PixelsOf(font);
    qreal widest = Widest(wrapped);
    while (widest > width && pixels > leastPixels) {
        // Smaller text wraps differently, so the size is settled again.
        const int guess = static_cast<int>(std::floor(pixels * width / widest));
        pixels = std::max(leastPixels, std::min(pixels - 1, guess));
        QFont smaller = font;
        smaller.setPixelSize(pixels);
        TSetter small(smaller);
        wrapped = small.Wrap(line, width);
        widest = Widest(wrapped);
    }
    return wrapped;
}

} // namespace

TMathLayout LayoutMath(const arith::TMath& math, const QFont& font, int maxWidth, int leastPixels) {
    TSetter setter(font);
    const TStyle& style = setter.Style(1);
    const qreal margin = 0.2 * style.Em;
    const qreal width = std::max(1.0, maxWidth - 2 * margin);

    std::vector<TBox> lines;
    if (math.Kind == TMathKind::Lines) {
        for (const TMath& line : math.Parts) {
            std::vector<TBox> wrapped = Fitted(setter, line, font, width, leastPixels);
            lines.insert(lines.end(), std::make_move_iterator(wrapped.begin()),
                         std::make_move_iterator(wrapped.end()));
        }
    } else {
        lines = Fitted(setter, math, font, width, leastPixels);
    }

    TMathLayout layout;
    TBox all;
    qreal baseline = 0;
    qreal previousDescent = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TBox& line = lines[i];
        if (i > 0) {
            baseline += std::max(previousDescent + 0.3 * style.Em + line.Ascent, 1.25 * style.Em);
        }
        all.Add(line, 0, baseline);
        layout.Baselines.push_back(baseline);
        previousDescent = line.Descent;
    }
    // Everything drawn, with the margin, and at least the first line's height.
    QRectF covered(0, -style.ParenAsc, 0, style.ParenAsc + style.ParenDesc);
    for (const TMathBox& box : all.Items) {
        covered |= box.Rect;
    }
    const QPointF shift = QPointF(margin, margin) - covered.topLeft();
    layout.Bounds = QRectF(0, 0, covered.width() + 2 * margin, covered.height() + 2 * margin);
    TBox moved;
    moved.Add(all, shift.x(), shift.y());
    layout.Boxes = std::move(moved.Items);
    for (qreal& y : layout.Baselines) {
        y += shift.y();
    }
    return layout;
}

void PaintMath(QPainter& painter, const TMathLayout& layout, const QPointF& origin,
               const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(origin);
    for (const TMathBox& box : layout.Boxes) {
        switch (box.Shape) {
        case TMathShape::Text:
            painter.setFont(box.Font);
            painter.setPen(color);
            painter.drawText(QPointF(box.Rect.left(), box.Baseline), box.Text);
            break;
        case TMathShape::Rule:
            painter.fillRect(box.Rect, color);
            break;
        case TMathShape::Fill:
            painter.fillPath(box.Path, color);
            break;
        case TMathShape::Stroke:
            painter.strokePath(box.Path,
                               QPen(color, box.Pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            break;
        }
    }
    painter.restore();
}

TMathView::TMathView(QWidget* parent) : QWidget(parent) {
    setFont(MinchoFont(kDefaultPixels));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void TMathView::SetMath(arith::TMath math) {
    math_ = std::move(math);
    // What a screen reader reads of the painted formula: its plain Unicode text.
    setAccessibleDescription(QString::fromStdString(arith::MathToUnicode(math_)));
    Forget();
    updateGeometry();
    update();
}

void TMathView::SetPixelSize(int pixels) {
    QFont f = font();
    f.setPixelSize(std::max(1, pixels));
    setFont(f); // the font change lays the formula out afresh
}

void TMathView::SetLeastPixelSize(int pixels) {
    if (pixels != leastPixels_) {
        leastPixels_ = pixels;
        Forget();
        updateGeometry();
        update();
    }
}

int TMathView::PixelSize() const {
    return PixelsOf(font());
}

const TMathLayout& TMathView::LayoutAt(int width) const {
    for (const TCached& cached : cache_) {
        if (cached.Width == width) {
            return cached.Layout;
        }
    }
    if (cache_.size() == kCachedWidths) {
        cache_.pop_front();
    }
    cache_.push_back({width, LayoutMath(math_, font(), width, leastPixels_)});
    return cache_.back().Layout;
}

int TMathView::heightForWidth(int width) const {
    return static_cast<int>(std::ceil(LayoutAt(width).Bounds.height()));
}

QSize TMathView::minimumSizeHint() const {
    if (narrowest_ < 0) {
        // Set as narrow as it goes, the widest part that cannot be broken.
        narrowest_ = static_cast<int>(
            std::ceil(LayoutMath(Narrowed(math_), font(), 1, leastPixels_).Bounds.width()));
    }
    return {narrowest_, heightForWidth(std::max(narrowest_, width()))};
}

QSize TMathView::sizeHint() const {
    // Wide enough for a line of a few dozen characters, not for a
    // 500-digit number on one line.
    const int wish = 30 * PixelSize();
    const int natural = static_cast<int>(std::ceil(LayoutAt(QWIDGETSIZE_MAX).Bounds.width()));
    const int width = std::max(minimumSizeHint().width(), std::min(natural, wish));
    return {width, heightForWidth(width)};
}

void TMathView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintMath(painter, LayoutAt(width()), QPointF(0, 0), palette().color(QPalette::WindowText));
}

void TMathView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        Forget();
        updateGeometry();
        update();
    } else if (event->type() == QEvent::PaletteChange) {
        update();
    }
    QWidget::changeEvent(event);
}

void TMathView::Forget() {
    cache_.clear();
    narrowest_ = -1;
}
