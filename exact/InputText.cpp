// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputText.h"

#include <string_view>

namespace arith {

namespace {

// The ASCII characters whose full-width forms (U+FF01..U+FF5E, the ASCII code
// plus 0xFEE0) read as the originals.
constexpr std::string_view kWidened = "0123456789+-/^.xn";

// The dashes that stand for a minus: the minus sign, the hyphens and the en
// dash of pasted text, and the long-vowel marks that a Japanese input method
// types for the minus key.
constexpr char32_t kMinusForms[] = {0x2212, 0x2010, 0x2011, 0x2013, 0x30FC, 0xFF70};
constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kFullWidthOffset = 0xFEE0;

// The ASCII character that the three-byte UTF-8 sequence at text[i] stands
// for, or 0 when it stands for none.
char AsciiFor(const std::string& text, std::size_t i) {
    if (i + 2 >= text.size()) {
        return 0;
    }
    const auto b0 = static_cast<unsigned char>(text[i]);
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    const auto b2 = static_cast<unsigned char>(text[i + 2]);
    if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) {
        return 0;
    }
    const char32_t c = (char32_t(b0 & 0x0F) << 12) | (char32_t(b1 & 0x3F) << 6) | (b2 & 0x3F);
    for (char32_t minus : kMinusForms) {
        if (c == minus) {
            return '-';
        }
    }
    if (c == kIdeographicSpace) {
        return ' ';
    }
    if (c > kFullWidthOffset && c - kFullWidthOffset < 0x80) {
        const char ascii = static_cast<char>(c - kFullWidthOffset);
        if (kWidened.find(ascii) != std::string_view::npos) {
            return ascii;
        }
    }
    return 0;
}

} // namespace

std::string NormalizeInput(const std::string& text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (const char c = AsciiFor(text, i)) {
            ascii += c;
            i += 3;
        } else {
            ascii += text[i++];
        }
    }
    const std::size_t begin = ascii.find_first_not_of(" \t");
    if (begin == std::string::npos) {
        return {};
    }
    return ascii.substr(begin, ascii.find_last_not_of(" \t") - begin + 1);
}

} // namespace arith
