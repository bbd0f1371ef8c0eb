// SPDX-License-Identifier: GPL-3.0-or-later
// What a field holds, in the characters the readers know: the forms a
// Japanese input method types stand for their ASCII originals.
#pragma once

#include <string>

namespace arith {

// Replaces the full-width digits "０".."９", signs "＋" "－", "／", "＾", "．",
// "ｘ" and "ｎ", and the minus forms (the minus sign U+2212, the hyphens
// U+2010 and U+2011, the en dash U+2013, the long-vowel marks "ー" U+30FC and
// "ｰ" U+FF70) by their ASCII forms and the
// ideographic space U+3000 by a space, then drops the spaces (and tabs) at
// both ends. Every other byte is kept as it is, broken UTF-8 included, so
// that a reader still names a stray character as it was typed.
std::string NormalizeInput(const std::string& text);

} // namespace arith
