// SPDX-License-Identifier: GPL-3.0-or-later
#include "Messages.h"

namespace arith {

namespace {

// A typed text as a message names it: "'text'" followed by what is wrong
// with it. Control characters, which a message box would cut the text at or
// not show, are shown as their pictures (NUL as ␀, U+2400 onwards; DEL as ␡).
// Appends piece by piece: "literal" + std::string trips a false -Wrestrict in GCC 12 at -O3.
std::string Named(const std::string& text, const char* what) {
    std::string message = "'";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20) {
            message += "\xE2\x90";
            message += static_cast<char>(0x80 + byte);
        } else if (byte == 0x7F) {
            message += "\xE2\x90\xA1";
        } else {
            message += c;
        }
    }
    message += "' ";
    message += what;
    return message;
}

} // namespace

std::string ConversionFailureText(const std::string& piece) {
    return Named(piece, "は整数ではありません");
}

std::string DenominatorFailureText(const std::string& text, bool missing) {
    return Named(text, missing ? "は分母がありません" : "は分母が0です");
}

std::string BadInputText(const std::string& text) {
    return Named(text, "の入力が間違ってます");
}

const char* WarningText(TWarning warning) {
    switch (warning) {
    case TWarning::BadInput:
        return "入力が間違ってます";
    case TWarning::NotInteger:
        return "整数に変換できません。";
    case TWarning::ZeroCoefficients:
        return "正しい係数を入力して下さい";
    case TWarning::ExponentNotConstant:
        return "g(x) は0次式にしてください";
    case TWarning::ExponentNotInteger:
        return "g(x) の定数項は整数にしてください";
    case TWarning::DegreeNotTwoOrThree:
        return "式の次数は2次か3次にしてください";
    case TWarning::LimitsReversed:
        return "初期値より大きい値を入力して下さい";
    case TWarning::NoIntegerSolution:
        return "整数解はありません";
    case TWarning::NoRatio:
        return "内（外）分比を入力して下さい";
    case TWarning::BadInternalRatio:
        return "内分比が間違っています";
    case TWarning::BadExternalRatio:
        return "外分比が間違っています";
    case TWarning::SamePoints:
        return "2点が同じなので、直線が特定できません";
    case TWarning::NegativeCount:
        return "n は 0 以上の整数にしてください";
    case TWarning::ChoiceOutOfRange:
        return "r は n 以下の 0 以上の整数にしてください";
    }
    return "";
}

} // namespace arith
