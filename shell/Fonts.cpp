// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include "Zoom.h"

#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>

namespace {

QFont MakeFont(const QStringList& families, int pixels, bool bold, bool italic) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

QFont GothicFont(int pixels, bool bold) {
    return MakeFont({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                     QStringLiteral("IPAPGothic")},
                    pixels, bold, false);
}

QFont FixedGothicFont(int pixels, bool bold) {
    return MakeFont(
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")},
        pixels, bold, false);
}

QFont MinchoFont(int pixels, bool bold) {
    return MakeFont(
        {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho")},
        pixels, bold, false);
}

QFont AntiquaFont(int pixels, bool bold, bool italic) {
    return MakeFont({QStringLiteral("Book Antiqua"), QStringLiteral("TeX Gyre Pagella")}, pixels,
                    bold, italic);
}

QFont CenturyFont(int pixels, bool bold, bool italic) {
    return MakeFont({QStringLiteral("Century"), QStringLiteral("TeX Gyre Schola")}, pixels, bold,
                    italic);
}

QFont CenturyOldFont(int pixels, bool bold, bool italic) {
    return MakeFont({QStringLiteral("CenturyOldst"), QStringLiteral("TeX Gyre Schola")}, pixels,
                    bold, italic);
}

void WarmUpFieldText() {
    QString text;
    for (char16_t c = u' '; c <= u'~'; ++c) {
        text += QChar(c);
    }
    text += QStringLiteral("…余り解なし不定");
    const QFont font = GothicFont(Zoomed(12)); // what the tool windows' fields inherit
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    (void)QFontMetrics(font).horizontalAdvance(text);
}
