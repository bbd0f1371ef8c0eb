// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a few formulas into one picture for looking at the typesetting by
// eye (a tool for developers, not installed):
//   QT_QPA_PLATFORM=offscreen mathview-png [/tmp/mathview.png [pixels [width [skip [count]]]]]
#include "Fonts.h"
#include "MathView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using arith::TMath;
using arith::TMathKind;

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

// f(x) = x¹² − 3x¹¹ + 5x¹⁰ − … , wide enough to wrap.
TMath LongRow() {
    std::vector<TMath> parts{T(TMathKind::Word, "f"), P(TMathKind::Paren, {Row({L("x")})}), O("=")};
    for (int power = 12; power >= 1; --power) {
        if (power < 12) {
            parts.push_back(O(power % 2 ? "−" : "+"));
        }
        parts.push_back(N(std::to_string(2 * power - 1).c_str()));
        const std::string exponent = std::to_string(power);
        parts.push_back(P(TMathKind::Power, {L("x"), N(exponent.c_str())}));
    }
    return Row(std::move(parts));
}

std::vector<TMath> Samples() {
    std::string digits;
    for (int i = 0; i < 500; ++i) {
        digits += static_cast<char>('0' + (i * 7 + 3) % 10);
    }
    digits[0] = '9';
    const TMath xPlus1 = P(TMathKind::Paren, {Row({L("x"), O("+"), N("1")})});
    return {
        Row({L("x"), O("="),
             P(TMathKind::Fraction,
               {Row({O("−"), N("1"), O("±"), P(TMathKind::Root, {N("3")}), L("i")}), N("2")})}),
        Row({N("2"), P(TMathKind::Power, {xPlus1, N("2")}),
             P(TMathKind::Paren, {Row({L("x"), O("−"), N("3")})})}),
        Row({P(TMathKind::Integral,
               {N("1"), N("3"),
                Row({P(TMathKind::Paren,
                       {Row({P(TMathKind::Power, {L("x"), N("2")}), O("−"), N("1")})}),
                     T(TMathKind::Word, "dx")})}),
             O("="), P(TMathKind::Fraction, {N("20"), N("3")})}),
        Row({P(TMathKind::Count, {N("7"), N("3")}, "C"), O("="), N("35"), T(TMathKind::Punct, ","),
             P(TMathKind::Count, {N("5"), N("2")}, "P"), O("="), N("20")}),
        Row({P(TMathKind::Sum,
               {Row({L("k"), O("="), N("1")}), L("n"), P(TMathKind::Power, {L("k"), N("2")})}),
             O("="), P(TMathKind::Fraction, {Row({N("1")}), N("6")}), L("n"),
             P(TMathKind::Paren, {Row({L("n"), O("+"), N("1")})}),
             P(TMathKind::Paren, {Row({N("2"), L("n"), O("+"), N("1")})})}),
        Row({L("x"), O("="),
             P(TMathKind::Fraction,
               {P(TMathKind::Root, {P(TMathKind::Fraction, {N("1"), N("2")})}), N("3")}),
             T(TMathKind::Word, "のとき"), T(TMathKind::Word, "極大値"), N("4")}),
        Row({T(TMathKind::Word, "70!"), O("="), N(digits.c_str())}),
        LongRow(),
        P(TMathKind::Lines, {Row({L("x"), O("="), P(TMathKind::Fraction, {N("1"), N("2")})}),
                             Row({L("y"), O("="), O("−"), N("3")})}),
    };
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "/tmp/mathview.png";
    const int pixels = argc > 2 ? std::atoi(argv[2]) : 36;
    const int kWidth = argc > 3 ? std::atoi(argv[3]) : 760;
    std::vector<QImage> pieces;
    int height = 0;
    std::vector<TMath> samples = Samples();
    if (argc > 4) {
        const int from = std::atoi(argv[4]);
        samples.erase(samples.begin(), samples.begin() + std::min<int>(from, samples.size()));
    }
    if (argc > 5) {
        samples.resize(std::min<std::size_t>(samples.size(), std::atoi(argv[5])));
    }
    for (const TMath& math : samples) {
        TMathView view;
        view.SetPixelSize(pixels);
        view.SetMath(math);
        view.resize(kWidth, view.heightForWidth(kWidth));
        QImage image = view.grab().toImage();
        height += image.height() + 6;
        pieces.push_back(std::move(image));
    }
    // The last one once more in a dark palette.
    {
        TMathView view;
        QPalette dark = view.palette();
        dark.setColor(QPalette::Window, QColor(30, 30, 34));
        dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
        view.setPalette(dark);
        view.setAutoFillBackground(true);
        view.SetPixelSize(pixels);
        view.SetMath(Samples()[2]);
        view.resize(kWidth, view.heightForWidth(kWidth));
        pieces.push_back(view.grab().toImage());
        height += pieces.back().height() + 6;
    }
    QImage sheet(kWidth, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int y = 0;
    for (const QImage& image : pieces) {
        painter.drawImage(0, y, image);
        y += image.height();
        painter.fillRect(0, y, kWidth, 6, QColor(200, 210, 230));
        y += 6;
    }
    painter.end();
    if (!sheet.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
