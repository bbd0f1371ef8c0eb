// SPDX-License-Identifier: GPL-3.0-or-later
#include "Messages.h"

namespace arith {

// Appends piece by piece: "literal" + std::string trips a false -Wrestrict in GCC 12 at -O3.
std::string ConversionFailureText(const std::string& piece) {
    std::string text = "'";
    text += piece;
    text += "' は整数ではありません";
    return text;
}

std::string DenominatorFailureText(const std::string& text, bool missing) {
    std::string message = "'";
    message += text;
    message += missing ? "' は分母がありません" : "' は分母が0です";
    return message;
}

std::string BadInputText(const std::string& text) {
    std::string message = "'";
    message += text;
    message += "' の入力が間違ってます";
    return message;
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
