// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of typeset formulas: where the parts of each kind land
// relative to one another, wrapping to a width without losing a digit, and
// the view's layout following its font.
#include "Fonts.h"
#include "MathView.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <ostream>
#include <string>

namespace {

using arith::TMath;
using arith::TMathKind;

constexpr int kPixels = 40;
constexpr int kWide = 4000;

TMath T(TMathKind kind, const char* text) {
    return TMath{kind, text, {}};
}
TMath P(TMathKind kind, std::vector<TMath> parts, const char* text = "") {
    return TMath{kind, text, std::move(parts)};
}
TMath N(const char* digits) {
    return T(TMathKind::Number, digits);
}
TMath L(const char* letter) {
    return T(TMathKind::Letter, letter);
}
TMath O(const char* sign) {
    return T(TMathKind::Operator, sign);
}
TMath Row(std::vector<TMath> parts) {
    return P(TMathKind::Row, std::move(parts));
}

QFont Font(int pixels = kPixels) {
    return MinchoFont(pixels);
}

// The boxes drawing `part` in `shape`, and with `text` for a text.
std::vector<TMathBox> Find(const TMathLayout& layout, TMathShape shape, TMathKind part,
                           const char* text = nullptr) {
    std::vector<TMathBox> found;
    for (const TMathBox& box : layout.Boxes) {
        if (box.Shape == shape && box.Part == part &&
            (text == nullptr || box.Text == QString::fromUtf8(text))) {
            found.push_back(box);
        }
    }
    return found;
}

TMathBox One(const TMathLayout& layout, TMathShape shape, TMathKind part,
             const char* text = nullptr) {
    const std::vector<TMathBox> found = Find(layout, shape, part, text);
    EXPECT_EQ(found.size(), 1u) << (text ? text : "") << " drawn once";
    return found.empty() ? TMathBox{} : found.front();
}

TMathBox Text(const TMathLayout& layout, TMathKind part, const char* text) {
    return One(layout, TMathShape::Text, part, text);
}

// One case of how parts are placed relative to each other.
struct TPlacement {
    const char* Name;
    TMath Math;
    std::function<void(const TMathLayout&)> Check;
};

std::vector<TPlacement> Placements() {
    const qreal em = kPixels;
    return {
        {"FractionStackedAndCentred", P(TMathKind::Fraction, {N("123"), N("4")}),
         [em](const TMathLayout& l) {
             const TMathBox top = Text(l, TMathKind::Number, "123");
             const TMathBox bottom = Text(l, TMathKind::Number, "4");
             const TMathBox rule = One(l, TMathShape::Rule, TMathKind::Fraction);
             // Apart from the rule by a visible gap, not touching it.
             EXPECT_GE(rule.Rect.top() - top.Rect.bottom(), 0.05 * em);
             EXPECT_GE(bottom.Rect.top() - rule.Rect.bottom(), 0.05 * em);
             EXPECT_GT(rule.Rect.width(), top.Rect.width());
             EXPECT_LT(rule.Rect.width(), top.Rect.width() + 0.5 * em);
             EXPECT_NEAR(top.Rect.center().x(), rule.Rect.center().x(), 1);
             EXPECT_NEAR(bottom.Rect.center().x(), rule.Rect.center().x(), 1);
         }},
        {"FractionRuleOnTheMinusSign",
         Row({N("1"), O("−"), P(TMathKind::Fraction, {N("1"), N("2")})}),
         [](const TMathLayout& l) {
             const TMathBox minus = Text(l, TMathKind::Operator, "−");
             const QRectF glyph = QFontMetricsF(minus.Font).tightBoundingRect(minus.Text);
             const TMathBox rule = One(l, TMathShape::Rule, TMathKind::Fraction);
             EXPECT_NEAR(rule.Rect.center().y(), minus.Baseline + glyph.center().y(), 1.5);
         }},
        {"RootBarCoversTheRadicand", P(TMathKind::Root, {Row({L("x"), O("+"), N("1")})}),
         [em](const TMathLayout& l) {
             const TMathBox bar = One(l, TMathShape::Rule, TMathKind::Root);
             const TMathBox x = Text(l, TMathKind::Letter, "x");
             const TMathBox one = Text(l, TMathKind::Number, "1");
             EXPECT_LE(bar.Rect.left(), x.Rect.left());
             EXPECT_GE(bar.Rect.right(), one.Rect.right());
             EXPECT_LT(bar.Rect.width() - (one.Rect.right() - x.Rect.left()), 0.2 * em);
             EXPECT_LE(bar.Rect.bottom(), std::min(x.Rect.top(), one.Rect.top()));
             for (const TMathBox& sign : Find(l, TMathShape::Stroke, TMathKind::Root)) {
                 EXPECT_LE(sign.Rect.right(), bar.Rect.left() + sign.Pen);
                 EXPECT_GE(sign.Rect.bottom(), one.Baseline);
             }
         }},
        {"ExponentRaisedAndSmaller", P(TMathKind::Power, {L("x"), N("2")}),
         [em](const TMathLayout& l) {
             const TMathBox x = Text(l, TMathKind::Letter, "x");
             const TMathBox two = Text(l, TMathKind::Number, "2");
             EXPECT_LT(two.Baseline, x.Baseline - 0.3 * em);
             EXPECT_GE(two.Rect.left(), x.Rect.right() - 1);
             EXPECT_NEAR(two.Font.pixelSize(), 0.7 * em, 1);
         }},
        {"ParenAsTallAsAFraction", P(TMathKind::Paren, {P(TMathKind::Fraction, {N("1"), N("2")})}),
         [](const TMathLayout& l) {
             const TMathBox top = Text(l, TMathKind::Number, "1");
             const TMathBox bottom = Text(l, TMathKind::Number, "2");
             const std::vector<TMathBox> brackets = Find(l, TMathShape::Fill, TMathKind::Paren);
             ASSERT_EQ(brackets.size(), 2u);
             EXPECT_LT(brackets[0].Rect.right(), top.Rect.left());
             EXPECT_GT(brackets[1].Rect.left(), top.Rect.right());
             for (const TMathBox& bracket : brackets) {
                 EXPECT_LE(bracket.Rect.top(), top.Rect.top());
                 EXPECT_GE(bracket.Rect.bottom(), bottom.Rect.bottom());
             }
         }},
        {"IntegralLimitsAtTheCorners", P(TMathKind::Integral, {N("1"), N("3"), L("x")}),
         [em](const TMathLayout& l) {
             const TMathBox lower = Text(l, TMathKind::Number, "1");
             const TMathBox upper = Text(l, TMathKind::Number, "3");
             const TMathBox x = Text(l, TMathKind::Letter, "x");
             QRectF sign;
             for (const TMathBox& part : Find(l, TMathShape::Stroke, TMathKind::Integral)) {
                 sign |= part.Rect;
             }
             EXPECT_GT(sign.height(), 1.5 * em);
             EXPECT_LT(upper.Rect.bottom(), x.Rect.top());
             EXPECT_GT(lower.Rect.top(), x.Baseline);
             EXPECT_NEAR(upper.Rect.top(), sign.top(), 0.15 * em);
             EXPECT_NEAR(lower.Rect.bottom(), sign.bottom(), 0.15 * em);
             EXPECT_GT(upper.Rect.left(), sign.center().x());
             EXPECT_GT(lower.Rect.left(), sign.left());
             EXPECT_LE(std::max(upper.Rect.right(), lower.Rect.right()), x.Rect.left());
             EXPECT_LT(upper.Font.pixelSize(), x.Font.pixelSize());
         }},
        {"SumLimitsCentredAboveAndBelow",
         P(TMathKind::Sum, {Row({L("k"), O("="), N("1")}), L("n"), L("k")}),
         [](const TMathLayout& l) {
             const TMathBox one = Text(l, TMathKind::Number, "1");
             const TMathBox n = Text(l, TMathKind::Letter, "n");
             QRectF sign;
             for (const TMathBox& part : Find(l, TMathShape::Stroke, TMathKind::Sum)) {
                 sign |= part.Rect;
             }
             // The "k" under the sign and the summand "k" both exist.
             const std::vector<TMathBox> ks = Find(l, TMathShape::Text, TMathKind::Letter, "k");
             ASSERT_EQ(ks.size(), 2u);
             const TMathBox& below = ks[0].Baseline > ks[1].Baseline ? ks[0] : ks[1];
             EXPECT_GT(below.Rect.top(), sign.bottom());
             EXPECT_NEAR((below.Rect.left() + one.Rect.right()) / 2, sign.center().x(), 2);
             EXPECT_LT(n.Rect.bottom(), sign.top());
             EXPECT_NEAR(n.Rect.center().x(), sign.center().x(), 2);
         }},
        {"CountSubscriptsLoweredAndSmall", P(TMathKind::Count, {N("7"), N("3")}, "C"),
         [](const TMathLayout& l) {
             const TMathBox c = Text(l, TMathKind::Count, "C");
             const TMathBox n = Text(l, TMathKind::Number, "7");
             const TMathBox r = Text(l, TMathKind::Number, "3");
             EXPECT_GT(n.Baseline, c.Baseline);
             EXPECT_GT(r.Baseline, c.Baseline);
             EXPECT_LE(n.Rect.right(), c.Rect.left());
             EXPECT_GE(r.Rect.left(), c.Rect.right());
             EXPECT_LT(n.Font.pixelSize(), c.Font.pixelSize());
         }},
        {"BinaryOperatorSpacedSignOfNumberClose", Row({L("y"), O("="), O("−"), N("3")}),
         [em](const TMathLayout& l) {
             const TMathBox y = Text(l, TMathKind::Letter, "y");
             const TMathBox equals = Text(l, TMathKind::Operator, "=");
             const TMathBox minus = Text(l, TMathKind::Operator, "−");
             const TMathBox three = Text(l, TMathKind::Number, "3");
             EXPECT_GT(equals.Rect.left() - y.Rect.right(), 0.2 * em);
             EXPECT_GT(minus.Rect.left() - equals.Rect.right(), 0.2 * em);
             EXPECT_LT(three.Rect.left() - minus.Rect.right(), 0.05 * em);
         }},
        {"LinesOneBelowTheOtherLeftAligned",
         P(TMathKind::Lines, {Row({L("x"), O("="), P(TMathKind::Fraction, {N("1"), N("2")})}),
                              Row({L("y"), O("="), O("−"), N("3")})}),
         [](const TMathLayout& l) {
             const TMathBox x = Text(l, TMathKind::Letter, "x");
             const TMathBox y = Text(l, TMathKind::Letter, "y");
             EXPECT_NEAR(x.Rect.left(), y.Rect.left(), 1);
             EXPECT_GT(y.Rect.top(), Text(l, TMathKind::Number, "2").Rect.bottom());
         }},
        {"TableCellsCentredRuledBetweenRows",
         P(TMathKind::Table,
           {Row({L("x"), N("1"), N("20")}), Row({L("y"), N("300"), Row({O("−"), N("4")})})}, "|.-"),
         [](const TMathLayout& l) {
             const TMathBox x = Text(l, TMathKind::Letter, "x");
             const TMathBox y = Text(l, TMathKind::Letter, "y");
             const TMathBox one = Text(l, TMathKind::Number, "1");
             const TMathBox three = Text(l, TMathKind::Number, "300");
             const TMathBox twenty = Text(l, TMathKind::Number, "20");
             const TMathBox four = Text(l, TMathKind::Number, "4");
             EXPECT_NEAR(one.Rect.center().x(), three.Rect.center().x(), 1);
             EXPECT_GT(four.Rect.left(), three.Rect.right());
             EXPECT_GT(twenty.Rect.left(), three.Rect.right());
             EXPECT_NEAR(x.Baseline, twenty.Baseline, 0.5);
             const std::vector<TMathBox> rules = Find(l, TMathShape::Rule, TMathKind::Table);
             ASSERT_EQ(rules.size(), 2u);
             const TMathBox& across =
                 rules[0].Rect.width() > rules[1].Rect.width() ? rules[0] : rules[1];
             const TMathBox& down = &across == &rules[0] ? rules[1] : rules[0];
             EXPECT_GT(across.Rect.top(), std::max(one.Rect.bottom(), x.Rect.bottom()));
             EXPECT_LT(across.Rect.bottom(), std::min(three.Rect.top(), y.Rect.top()));
             EXPECT_LE(across.Rect.left(), x.Rect.left());
             EXPECT_GE(across.Rect.right(), four.Rect.right());
             EXPECT_GT(down.Rect.left(), std::max(x.Rect.right(), y.Rect.right()));
             EXPECT_LT(down.Rect.right(), std::min(one.Rect.left(), three.Rect.left()));
             EXPECT_LE(down.Rect.top(), x.Rect.top());
             EXPECT_GE(down.Rect.bottom(), y.Rect.bottom());
         }},
        {"TableRuledThroughoutFramedArrowsDrawn",
         P(TMathKind::Table,
           {Row({L("x"), N("1"), N("20")}), Row({L("y"), T(TMathKind::Word, "↗"), N("3")})}, "#.-"),
         [em](const TMathLayout& l) {
             const TMathBox x = Text(l, TMathKind::Letter, "x");
             const TMathBox one = Text(l, TMathKind::Number, "1");
             const TMathBox twenty = Text(l, TMathKind::Number, "20");
             const TMathBox three = Text(l, TMathKind::Number, "3");
             std::vector<TMathBox> across;
             std::vector<TMathBox> down;
             for (const TMathBox& rule : Find(l, TMathShape::Rule, TMathKind::Table)) {
                 (rule.Rect.width() > rule.Rect.height() ? across : down).push_back(rule);
             }
             // The frame's top and bottom and the rule between the rows; the
             // frame's sides and a rule between every two columns.
             ASSERT_EQ(across.size(), 3u);
             ASSERT_EQ(down.size(), 4u);
             std::sort(down.begin(), down.end(), [](const TMathBox& a, const TMathBox& b) {
                 return a.Rect.left() < b.Rect.left();
             });
             EXPECT_LT(down[0].Rect.right(), x.Rect.left());
             EXPECT_GT(down[1].Rect.left(), x.Rect.right());
             EXPECT_LT(down[1].Rect.right(), one.Rect.left());
             EXPECT_GT(down[2].Rect.left(), one.Rect.right());
             EXPECT_LT(down[2].Rect.right(), twenty.Rect.left());
             EXPECT_GT(down[3].Rect.left(), twenty.Rect.right());
             QRectF frame;
             for (const TMathBox& rule : across) {
                 frame |= rule.Rect;
             }
             EXPECT_LT(frame.top(), x.Rect.top());
             EXPECT_GT(frame.bottom(), three.Rect.bottom());
             // The arrow: strokes as tall as a digit, not a glyph of the font.
             EXPECT_TRUE(Find(l, TMathShape::Text, TMathKind::Word).empty());
             QRectF arrow;
             for (const TMathBox& part : Find(l, TMathShape::Stroke, TMathKind::Word)) {
                 arrow |= part.Rect;
             }
             for (const TMathBox& part : Find(l, TMathShape::Fill, TMathKind::Word)) {
                 arrow |= part.Rect;
             }
             EXPECT_GT(arrow.height(), 0.6 * em);
             EXPECT_GT(arrow.width(), 0.6 * em);
             EXPECT_NEAR(arrow.center().x(), one.Rect.center().x(), 1);
             EXPECT_GT(arrow.top(), across[0].Rect.bottom());
         }},
        {"TableEmptyCellsKeepTheirColumns",
         P(TMathKind::Table, {Row({N("2"), N("1"), N("5")}), Row({Row({}), Row({}), N("7")})}),
         [](const TMathLayout& l) {
             const TMathBox two = Text(l, TMathKind::Number, "2");
             const TMathBox five = Text(l, TMathKind::Number, "5");
             const TMathBox seven = Text(l, TMathKind::Number, "7");
             EXPECT_NEAR(five.Rect.center().x(), seven.Rect.center().x(), 1);
             EXPECT_GT(seven.Rect.top(), two.Rect.bottom());
             EXPECT_TRUE(Find(l, TMathShape::Rule, TMathKind::Table).empty());
         }},
        {"LongDivisionBracketAndPartialRules",
         P(TMathKind::Table,
           {Row({Row({}), Row({}), N("1")}), Row({L("a"), N("2"), N("3")}),
            Row({Row({}), N("4"), Row({})}), Row({Row({}), N("5"), N("6")})},
           ".)._"),
         [](const TMathLayout& l) {
             const TMathBox a = Text(l, TMathKind::Letter, "a");
             const TMathBox two = Text(l, TMathKind::Number, "2");
             const TMathBox three = Text(l, TMathKind::Number, "3");
             const TMathBox four = Text(l, TMathKind::Number, "4");
             const TMathBox six = Text(l, TMathKind::Number, "6");
             std::vector<TMathBox> rules = Find(l, TMathShape::Rule, TMathKind::Table);
             ASSERT_EQ(rules.size(), 2u);
             std::sort(rules.begin(), rules.end(), [](const TMathBox& x, const TMathBox& y) {
                 return x.Rect.top() < y.Rect.top();
             });
             // Over the dividend from the bracket on, clear of the divisor.
             EXPECT_GT(rules[0].Rect.left(), a.Rect.right());
             EXPECT_LT(rules[0].Rect.left(), two.Rect.left());
             EXPECT_GE(rules[0].Rect.right(), three.Rect.right());
             EXPECT_LT(rules[0].Rect.bottom(), two.Rect.top());
             // Under the product's cell only.
             EXPECT_LE(rules[1].Rect.left(), four.Rect.left() + 0.5);
             EXPECT_GE(rules[1].Rect.right(), four.Rect.right() - 0.5);
             EXPECT_LT(rules[1].Rect.right(), six.Rect.left());
             EXPECT_GT(rules[1].Rect.top(), four.Rect.bottom());
             // The bracket between the divisor and the dividend, as tall as its row.
             const std::vector<TMathBox> bracket = Find(l, TMathShape::Fill, TMathKind::Table);
             ASSERT_EQ(bracket.size(), 1u);
             EXPECT_GT(bracket[0].Rect.left(), a.Rect.right());
             EXPECT_LT(bracket[0].Rect.right(), two.Rect.left());
             EXPECT_LE(bracket[0].Rect.top(), two.Rect.top());
         }},
        {"CrossTableCrossingDrawnThroughBothRows",
         P(TMathKind::Table, {Row({N("2"), T(TMathKind::Word, "╲╱"), N("1")}),
                              Row({N("3"), T(TMathKind::Word, "╱╲"), N("5")})}),
         [em](const TMathLayout& l) {
             const TMathBox cross = One(l, TMathShape::Stroke, TMathKind::Table);
             const TMathBox two = Text(l, TMathKind::Number, "2");
             const TMathBox five = Text(l, TMathKind::Number, "5");
             EXPECT_TRUE(Find(l, TMathShape::Text, TMathKind::Word).empty());
             EXPECT_GT(cross.Rect.left(), two.Rect.right());
             EXPECT_LT(cross.Rect.right(), five.Rect.left());
             EXPECT_LT(cross.Rect.top(), two.Rect.bottom());
             EXPECT_GT(cross.Rect.bottom(), five.Rect.top());
             EXPECT_GT(cross.Rect.width(), 1.5 * em);
         }},
        {"MalformedFractionSetWithoutItsParts", P(TMathKind::Fraction, {}),
         [](const TMathLayout& l) {
             EXPECT_EQ(Find(l, TMathShape::Rule, TMathKind::Fraction).size(), 1u);
         }},
    };
}

void PrintTo(const TPlacement& placement, std::ostream* out) {
    *out << placement.Name;
}

class Placement : public testing::TestWithParam<TPlacement> {};

TEST_P(Placement, PartsInPlaceAndInsideTheBounds) {
    const TMathLayout layout = LayoutMath(GetParam().Math, Font(), kWide);
    GetParam().Check(layout);
    for (const TMathBox& box : layout.Boxes) {
        EXPECT_TRUE(layout.Bounds.contains(box.Rect)) << box.Text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(MathLayout, Placement, testing::ValuesIn(Placements()),
                         [](const auto& info) { return std::string(info.param.Name); });

std::string Digits(int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) {
        digits += static_cast<char>('1' + (i * 7) % 9);
    }
    return digits;
}

TMath LongSum(int terms) {
    std::vector<TMath> parts{L("x")};
    for (int i = 0; i < terms; ++i) {
        parts.push_back(O("+"));
        parts.push_back(P(TMathKind::Power, {L("x"), N("2")}));
    }
    return Row(std::move(parts));
}

// A formula wider than its width, wrapped.
struct TWrapping {
    const char* Name;
    TMath Math;
    int Width;
    std::string Digits; // the number the wrapped lines must spell, if any
};

void PrintTo(const TWrapping& wrapping, std::ostream* out) {
    *out << wrapping.Name;
}

class Wrapping : public testing::TestWithParam<TWrapping> {};

TEST_P(Wrapping, LinesFitAndKeepEveryDigit) {
    const TWrapping& wrapping = GetParam();
    const TMathLayout layout = LayoutMath(wrapping.Math, Font(), wrapping.Width);
    EXPECT_GT(layout.Baselines.size(), 2u);
    EXPECT_LE(layout.Bounds.width(), wrapping.Width);
    std::map<qreal, std::vector<TMathBox>> lines; // by baseline
    std::string digits;
    for (const TMathBox& box : layout.Boxes) {
        EXPECT_LE(box.Rect.right(), wrapping.Width);
        if (box.Shape == TMathShape::Text && box.Part == TMathKind::Number &&
            box.Font.pixelSize() == kPixels) {
            digits += box.Text.toStdString();
            lines[box.Baseline].push_back(box);
        } else if (box.Part == TMathKind::Operator) {
            lines[box.Baseline].push_back(box);
        }
    }
    if (!wrapping.Digits.empty()) {
        EXPECT_EQ(digits, wrapping.Digits);
    } else {
        // Rows break before an operator, so each continuation begins with one.
        for (auto line = std::next(lines.begin()); line != lines.end(); ++line) {
            EXPECT_EQ(line->second.front().Part, TMathKind::Operator);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    MathLayout, Wrapping,
    testing::Values(TWrapping{"NumberOf500Digits", N(Digits(500).c_str()), 600, Digits(500)},
                    TWrapping{"NumberAfterAnEquation",
                              Row({L("x"), O("="), N(Digits(500).c_str())}), 450, Digits(500)},
                    TWrapping{"LongRowAtItsOperators", LongSum(30), 500, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

// Roots listed after a comma: where the last does not fit, it goes to the
// next line whole rather than leave its first number behind.
TEST(MathLayout, AfterACommaTheNextItemMovesWhole) {
    const TMath root = P(TMathKind::Root, {N("2")});
    const TMath roots =
        Row({L("x"), O("="), N("1"), O("−"), root, T(TMathKind::Punct, ","), N("1"), O("+"), root});
    const int width = static_cast<int>(LayoutMath(roots, Font(), kWide).Bounds.width()) - kPixels;
    const TMathLayout layout = LayoutMath(roots, Font(), width);
    ASSERT_EQ(layout.Baselines.size(), 2u);
    const std::vector<TMathBox> ones = Find(layout, TMathShape::Text, TMathKind::Number, "1");
    ASSERT_EQ(ones.size(), 2u);
    EXPECT_EQ(ones[0].Baseline, layout.Baselines[0]);
    EXPECT_EQ(ones[1].Baseline, layout.Baselines[1]);
}

// A line that cannot be wrapped to the width, set smaller where the view
// allows it: within the width when the least size permits, never below the
// least size, and the text lines around it left at full size.
TEST(MathLayout, TooWideLinesSetSmallerDownToTheLeastSize) {
    std::vector<TMath> cells;
    for (int i = 0; i < 12; ++i) {
        cells.push_back(P(TMathKind::Fraction, {N("12345"), N("7")}));
    }
    const TMath table = P(TMathKind::Table, {Row(cells), Row(cells)});
    const TMath lines = P(TMathKind::Lines, {Row({L("x"), O("="), N("1")}), table});
    const double natural = LayoutMath(table, Font(), kWide).Bounds.width();
    const struct {
        const char* Name;
        int Width;
        int Least;
        bool Fits;
    } cases[] = {
        {"half as wide, least a quarter", static_cast<int>(natural / 2), kPixels / 4, true},
        {"a tenth as wide, least a half", static_cast<int>(natural / 10), kPixels / 2, false},
        {"no least size", static_cast<int>(natural / 2), 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TMathLayout layout = LayoutMath(lines, Font(), c.Width, c.Least);
        EXPECT_EQ(layout.Bounds.width() <= c.Width, c.Fits);
        int smallest = kPixels;
        for (const TMathBox& box : layout.Boxes) {
            if (box.Shape == TMathShape::Text) {
                smallest = std::min(smallest, box.Font.pixelSize());
                if (box.Text == QStringLiteral("x")) {
                    EXPECT_EQ(box.Font.pixelSize(), kPixels);
                }
            }
        }
        EXPECT_GE(smallest, c.Least);
        EXPECT_EQ(smallest<kPixels * 7 / 10, c.Least> 0);
    }
}

TEST(MathLayout, TwiceTheFontTwiceTheSize) {
    const TMath math =
        Row({L("x"), O("="), P(TMathKind::Fraction, {P(TMathKind::Root, {N("3")}), N("2")})});
    const TMathLayout small = LayoutMath(math, Font(20), kWide);
    const TMathLayout large = LayoutMath(math, Font(40), kWide);
    ASSERT_EQ(small.Boxes.size(), large.Boxes.size());
    EXPECT_NEAR(large.Bounds.width() / small.Bounds.width(), 2, 0.15);
    EXPECT_NEAR(large.Bounds.height() / small.Bounds.height(), 2, 0.15);
    for (std::size_t i = 0; i < small.Boxes.size(); ++i) {
        EXPECT_NEAR(large.Boxes[i].Rect.center().x(), 2 * small.Boxes[i].Rect.center().x(), 4);
        EXPECT_NEAR(large.Boxes[i].Rect.center().y(), 2 * small.Boxes[i].Rect.center().y(), 4);
    }
}

TEST(MathView, LayoutFollowsTheWidthAndTheFont) {
    TMathView view;
    view.SetPixelSize(kPixels);
    view.SetMath(N(Digits(500).c_str()));
    EXPECT_EQ(view.PixelSize(), kPixels);
    // Laid out once per width: the same layout comes back.
    EXPECT_EQ(&view.LayoutAt(400), &view.LayoutAt(400));
    EXPECT_GT(view.heightForWidth(400), view.heightForWidth(800));
    const int height = view.heightForWidth(400);
    // The zoom changes the font: the layout must follow it.
    QFont larger = view.font();
    larger.setPixelSize(2 * kPixels);
    view.setFont(larger);
    EXPECT_GT(view.heightForWidth(400), 3 * height / 2);
    // A new formula replaces the old layout.
    view.SetMath(N("1"));
    EXPECT_LT(view.heightForWidth(400), 2 * kPixels * 2);
}

// The least width a view asks for is that of its formula set at width 1,
// every number a digit a line, however it is worked out.
TEST(MathView, LeastWidthIsThatOfTheNarrowestLayout) {
    const std::string digits = Digits(500);
    const std::string wide = "8" + Digits(300) + "0";
    const TMath formulas[] = {
        N(digits.c_str()),
        Row({L("x"), O("="), N(digits.c_str()), O("·"), L("y")}),
        P(TMathKind::Lines,
          {Row({N(wide.c_str()), O("="), N(digits.c_str()), O("+"), N("1")}),
           Row({T(TMathKind::Word, "両辺に"), N(digits.c_str()), T(TMathKind::Word, "を掛けて")}),
           Row({P(TMathKind::Paren, {N(wide.c_str())}), O("−"), N("12")})}),
    };
    for (const TMath& math : formulas) {
        TMathView view;
        view.SetPixelSize(kPixels);
        view.SetMath(math);
        EXPECT_EQ(view.minimumSizeHint().width(),
                  static_cast<int>(std::ceil(LayoutMath(math, view.font(), 1).Bounds.width())));
    }
}

TEST(MathView, ScrollsInsteadOfCuttingInANarrowScrollArea) {
    QScrollArea area;
    area.setWidgetResizable(true);
    auto* view = new TMathView;
    view->SetPixelSize(kPixels);
    view->SetMath(P(TMathKind::Fraction, {N(Digits(60).c_str()), N("7")}));
    area.setWidget(view);
    area.resize(300, 200);
    area.show();
    QApplication::processEvents();
    const TMathLayout& layout = view->LayoutAt(view->width());
    EXPECT_LE(layout.Bounds.width(), view->width());
    EXPECT_LE(layout.Bounds.height(), view->height());
    EXPECT_GT(area.horizontalScrollBar()->maximum(), 0);
}

} // namespace

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
