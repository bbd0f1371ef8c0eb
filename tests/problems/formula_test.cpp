// SPDX-License-Identifier: GPL-3.0-or-later
// The formula line: each form fills its window's fields as they are typed by
// hand, and the window answers it as it answers the hand-typed fields.
#include "BibunProblem.h"
#include "EnzanProblem.h"
#include "FormulaLine.h"
#include "HuteiProblem.h"
#include "InsuuProblem.h"
#include "JunretuProblem.h"
#include "KojiProblem.h"
#include "Messages.h"
#include "NaibunProblem.h"
#include "NijiProblem.h"
#include "Renritu3Problem.h"
#include "RenrituProblem.h"
#include "SekibunProblem.h"
#include "SigmaProblem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace problems;

namespace {

// Every input field of each window, and its problem entry.
struct TWindowFields {
    std::vector<std::string> Fields;
    TWindowResult (*Solve)(const TWindowInput&);
};

const std::map<std::string, TWindowFields>& Windows() {
    static const std::map<std::string, TWindowFields> windows = {
        {"TInsuuForm", {{"Edit0", "Edit1", "Edit2", "Edit3", "Edit4"}, SolveInsuu}},
        {"TNijiForm", {{"Edit0", "Edit1", "Edit2"}, SolveNiji}},
        {"TKojiForm", {{"Edit0", "Edit1", "Edit2", "Edit3", "Edit4"}, SolveKoji}},
        {"TRenrituForm",
         {{"EditX1", "EditY1", "EditA1", "EditX2", "EditY2", "EditA2"}, SolveRenritu}},
        {"TRenritu3Form",
         {{"EditX1", "EditY1", "EditZ1", "EditA1", "EditX2", "EditY2", "EditZ2", "EditA2", "EditX3",
           "EditY3", "EditZ3", "EditA3"},
          SolveRenritu3}},
        {"THuteiForm", {{"xEdit", "yEdit", "zEdit"}, SolveHutei}},
        {"TJunretuForm", {{"KaijoEdit", "P1Edit", "P2Edit", "C1Edit", "C2Edit"}, SolveJunretu}},
        {"TSekibunForm",
         {{"Jotan", "Katan", "Edit0", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}, SolveSekibun}},
        {"TSigmaForm",
         {{"kEndEdit", "kBeginEdit", "Edit0", "Edit1", "Edit2", "Edit3"}, SolveSigma}},
        {"TBibunForm", {{"Edit0", "Edit1", "Edit2", "Edit3", "Edit4", "EditX"}, SolveBibun}},
        {"TNaibunForm", {{"EditX1", "EditY1", "EditX2", "EditY2", "EditM", "EditN"}, SolveNaibun}},
        {"TEnzanForm",
         {{"EditF0", "EditF1", "EditF2", "EditF3", "EditF4", "EditF5", "EditG0", "EditG1", "EditG2",
           "EditG3", "EditG4", "EditG5"},
          SolveEnzan}},
    };
    return windows;
}

// "Edit2=1 Edit0=-6": the fields that are not left empty.
std::map<std::string, std::string> Typed(const std::string& fields) {
    std::map<std::string, std::string> typed;
    std::istringstream in(fields);
    std::string pair;
    while (in >> pair) {
        typed[pair.substr(0, pair.find('='))] = pair.substr(pair.find('=') + 1);
    }
    return typed;
}

struct TFormRow {
    const char* Line;
    const char* Window;
    const char* Command;
    const char* Checked; // space-separated
    const char* Fields;  // the non-empty fields
};

const TFormRow kForms[] = {
    // 因数分解: a polynomial, products expanded, full-width, powers written raised.
    {"x^2-5x+6", "TInsuuForm", "CalcButton", "", "Edit2=1 Edit1=-5 Edit0=6"},
    {"ｘ＾２ー５ｘ＋６", "TInsuuForm", "CalcButton", "", "Edit2=1 Edit1=-5 Edit0=6"},
    {"(x-1)(x+2)", "TInsuuForm", "CalcButton", "", "Edit2=1 Edit1=1 Edit0=-2"},
    {"x(x+1)²", "TInsuuForm", "CalcButton", "", "Edit3=1 Edit2=2 Edit1=1"},
    {"x³ − 2x + 1", "TInsuuForm", "CalcButton", "", "Edit3=1 Edit1=-2 Edit0=1"},
    {"3/4x^2 - x/2", "TInsuuForm", "CalcButton", "", "Edit2=3/4 Edit1=-1/2"},
    {"2(x+1)・x × 3", "TInsuuForm", "CalcButton", "", "Edit2=6 Edit1=6"},
    {"0.5x^4-1", "TInsuuForm", "CalcButton", "", "Edit4=1/2 Edit0=-1"},
    // ２次方程式 and 高次方程式 by the degree once both sides are brought together.
    {"x^2-5x+6=0", "TNijiForm", "CalcButton", "", "Edit2=1 Edit1=-5 Edit0=6"},
    {"ｘ²＝５ｘ－６", "TNijiForm", "CalcButton", "", "Edit2=1 Edit1=-5 Edit0=6"},
    {"6 = x^2 + x", "TNijiForm", "CalcButton", "", "Edit2=1 Edit1=1 Edit0=-6"},
    {"(x-1)(x+2)=0", "TNijiForm", "CalcButton", "", "Edit2=1 Edit1=1 Edit0=-2"},
    {"x^3 = 2x - 1;", "TKojiForm", "CalcButton", "", "Edit3=1 Edit1=-2 Edit0=1"},
    {"x⁴=1", "TKojiForm", "CalcButton", "", "Edit4=1 Edit0=-1"},
    {"x^3+x^2 = x^2+8", "TKojiForm", "CalcButton", "", "Edit3=1 Edit0=-8"},
    // 連立方程式 and 3元1次方程式: "," ";" or new lines between the equations.
    {"x+y=3, x-y=1", "TRenrituForm", "CalcButton", "",
     "EditX1=1 EditY1=1 EditA1=3 EditX2=1 EditY2=-1 EditA2=1"},
    {"2x = 3y + 1\n x = 5\n", "TRenrituForm", "CalcButton", "",
     "EditX1=2 EditY1=-3 EditA1=1 EditX2=1 EditA2=5"},
    {"ｘ＋ｙ＝０；ｘ－２ｙ＝３", "TRenrituForm", "CalcButton", "",
     "EditX1=1 EditY1=1 EditA1=0 EditX2=1 EditY2=-2 EditA2=3"},
    {"x+y+z=6; x-y=0; 2x+z=5", "TRenritu3Form", "CalcButton", "",
     "EditX1=1 EditY1=1 EditZ1=1 EditA1=6 EditX2=1 EditY2=-1 EditA2=0 EditX3=2 EditZ3=1 "
     "EditA3=5"},
    // 不定方程式: the sign of y's coefficient on the window's buttons.
    {"3x+5y=1 整数解", "THuteiForm", "CalcButton", "PlusItem AllRadio", "xEdit=3 yEdit=5 zEdit=1"},
    {"7x-5y=1 の整数解", "THuteiForm", "CalcButton", "MinusItem AllRadio",
     "xEdit=7 yEdit=5 zEdit=1"},
    {"３ｘ＝１－５ｙ（整数解）", "THuteiForm", "CalcButton", "PlusItem AllRadio",
     "xEdit=3 yEdit=5 zEdit=1"},
    // 順列・組合せ
    {"10C3", "TJunretuForm", "CButton", "", "C1Edit=10 C2Edit=3"},
    {"₁₀C₃", "TJunretuForm", "CButton", "", "C1Edit=10 C2Edit=3"},
    {"１０Ｐ３", "TJunretuForm", "PButton", "", "P1Edit=10 P2Edit=3"},
    {"5!", "TJunretuForm", "KaijoButton", "", "KaijoEdit=5"},
    // 定積分 in its three spellings.
    {"∫[0,1] x^2 dx", "TSekibunForm", "CalcButton", "", "Katan=0 Jotan=1 Edit2=1"},
    {"int(3x^2+1, -1, 1/2)", "TSekibunForm", "CalcButton", "",
     "Katan=-1 Jotan=1/2 Edit2=3 Edit0=1"},
    {"∫_0^2 (x-1)(x+1) dx", "TSekibunForm", "CalcButton", "", "Katan=0 Jotan=2 Edit2=1 Edit0=-1"},
    {"∫₀¹ x dx", "TSekibunForm", "CalcButton", "", "Katan=0 Jotan=1 Edit1=1"},
    // ∑: a number or a polynomial in n as the upper end.
    {"Σ[k=1,n] k^2", "TSigmaForm", "CalcButton", "", "kBeginEdit=1 kEndEdit=n Edit2=1"},
    {"∑[k=1,10] (2k-1)", "TSigmaForm", "CalcButton", "",
     "kBeginEdit=1 kEndEdit=10 Edit1=2 Edit0=-1"},
    {"sum(k(k+1), k, 1, 2n+1)", "TSigmaForm", "CalcButton", "",
     "kBeginEdit=1 kEndEdit=2n+1 Edit2=1 Edit1=1"},
    // 微分 in its three modes.
    {"f(x)=x^3-3x, f'(2)", "TBibunForm", "CalcButton", "RadioKeisuu", "Edit3=1 Edit1=-3 EditX=2"},
    {"ｆ（ｘ）＝ｘ³－３ｘ，ｆ’（２）", "TBibunForm", "CalcButton", "RadioKeisuu",
     "Edit3=1 Edit1=-3 EditX=2"},
    {"f(x)=x^2, 接線 x=1/2", "TBibunForm", "CalcButton", "RadioSessen", "Edit2=1 EditX=1/2"},
    {"f(x) = (x-1)^2(x+1); tangent x=-1", "TBibunForm", "CalcButton", "RadioSessen",
     "Edit3=1 Edit2=-1 Edit1=-1 Edit0=1 EditX=-1"},
    {"f(x)=x^3-3x 極値", "TBibunForm", "CalcButton", "RadioKyokuchi", "Edit3=1 Edit1=-3"},
    // 内分・外分: 外分 named, or one part of the ratio negative.
    {"A(1,2), B(3,4), 2:1", "TNaibunForm", "CalcButton", "RadioNaibun",
     "EditX1=1 EditY1=2 EditX2=3 EditY2=4 EditM=2 EditN=1"},
    {"A(0,-1), B(3,0), 2:1 外分", "TNaibunForm", "CalcButton", "RadioGaibun",
     "EditX1=0 EditY1=-1 EditX2=3 EditY2=0 EditM=2 EditN=1"},
    {"Ａ（１，２）、Ｂ（３，４）、３：－１", "TNaibunForm", "CalcButton", "RadioGaibun",
     "EditX1=1 EditY1=2 EditX2=3 EditY2=4 EditM=3 EditN=1"},
    // 四則演算: each operand wholly in brackets, the operation written out.
    {"(x^2+1) + (x-1)", "TEnzanForm", "AddSButton", "", "EditF2=1 EditF0=1 EditG1=1 EditG0=-1"},
    {"(x^2+1)-(x-1)", "TEnzanForm", "SubSButton", "", "EditF2=1 EditF0=1 EditG1=1 EditG0=-1"},
    {"(x+1)×(x-1)", "TEnzanForm", "MulSButton", "", "EditF1=1 EditF0=1 EditG1=1 EditG0=-1"},
    {"(x^3-1) ÷ (x-1)", "TEnzanForm", "DivSButton", "", "EditF3=1 EditF0=-1 EditG1=1 EditG0=-1"},
    {"(x+1)^3", "TEnzanForm", "PowerSButton", "", "EditF1=1 EditF0=1 EditG0=3"},
    {"（ｘ＋１）＾（３）", "TEnzanForm", "PowerSButton", "", "EditF1=1 EditF0=1 EditG0=3"},
    {"gcd(x^2-1, x^2+x)", "TEnzanForm", "GcdSButton", "", "EditF2=1 EditF0=-1 EditG2=1 EditG1=1"},
    {"lcm(x-1, (x+1)(x-1))", "TEnzanForm", "LcmSButton", "",
     "EditF1=1 EditF0=-1 EditG2=1 EditG0=-1"},
    // Fields the window shows back keep a plain number's digits as written;
    // a value worked out from several terms is written reduced.
    {"f(x)=x^2, f'(-18/12)", "TBibunForm", "CalcButton", "RadioKeisuu", "Edit2=1 EditX=-18/12"},
    {"f(x)=x^2, 接線 x=(0.50)", "TBibunForm", "CalcButton", "RadioSessen", "Edit2=1 EditX=0.50"},
    {"∫[2/4, 1-3/2] x dx", "TSekibunForm", "CalcButton", "", "Katan=2/4 Jotan=-1/2 Edit1=1"},
    {"∫_-06^(4/2) x dx", "TSekibunForm", "CalcButton", "", "Katan=-06 Jotan=4/2 Edit1=1"},
    {"sum(k, k, 2/2, 10/5)", "TSigmaForm", "CalcButton", "",
     "kBeginEdit=2/2 kEndEdit=10/5 Edit1=1"},
    {"A(2/4,-0.5), B(3,1.5/3), -6/3:1", "TNaibunForm", "CalcButton", "RadioGaibun",
     "EditX1=2/4 EditY1=-0.5 EditX2=3 EditY2=1.5/3 EditM=6/3 EditN=1"},
    {"x+y=6/4, 2/2 = x-y", "TRenrituForm", "CalcButton", "",
     "EditX1=1 EditY1=1 EditA1=6/4 EditX2=1 EditY2=-1 EditA2=2/2"},
    {"x+y+1=6/4, x-y=3/1-1", "TRenrituForm", "CalcButton", "",
     "EditX1=1 EditY1=1 EditA1=1/2 EditX2=1 EditY2=-1 EditA2=2"},
    // A power beyond the window's degree is still the window's to refuse.
    {"(x+1)^11", "TEnzanForm", "PowerSButton", "", "EditF1=1 EditF0=1 EditG0=11"},
};

TEST(FormulaLine, EveryFormFillsItsWindow) {
    for (const TFormRow& row : kForms) {
        const TFormulaReading reading = RecognizeFormula(row.Line);
        const auto* problem = std::get_if<TFormulaProblem>(&reading);
        ASSERT_NE(problem, nullptr)
            << row.Line << ": " << std::get<TFormulaRefusal>(reading).Message;
        EXPECT_EQ(problem->Window, row.Window) << row.Line;
        EXPECT_EQ(problem->Command, row.Command) << row.Line;
        std::ostringstream checked;
        for (const std::string& radio : problem->Checked) {
            checked << (checked.tellp() > 0 ? " " : "") << radio;
        }
        EXPECT_EQ(checked.str(), row.Checked) << row.Line;
        // Every input field of the window, the ones not named empty.
        const auto& window = Windows().at(row.Window);
        std::map<std::string, std::string> expected;
        for (const std::string& field : window.Fields) {
            expected[field] = "";
        }
        for (const auto& [field, text] : Typed(row.Fields)) {
            expected[field] = text;
        }
        EXPECT_EQ(problem->Fields, expected) << row.Line;
    }
}

struct TRefusalRow {
    const char* Line;
    std::size_t Position;
    const char* Begins; // the message's first line, or its whole text
};

const TRefusalRow kRefusals[] = {
    {"x^2-5x#6", 7, "7 文字目の「#」が読めません。"},
    {"ｘ＾２＋ａ", 5, "5 文字目の「ａ」が読めません。"},
    {"x^2 +", 5, "式が途中で終わっています。"},
    {"", 0, "式を入力して下さい。"},
    {"   ", 0, "式を入力して下さい。"},
    {"x2+1", 2, "2 文字目の「2」が読めません。"},
    {"1 0C3", 3, "3 文字目の「0」が読めません。"},
    {"x^2^3", 4, "4 文字目の「^」が読めません。"},
    {"1/x", 2, "2 文字目の「/」が読めません。"},
    {"x+y=3", 3, "3 文字目の「y」が読めません。"},          // one equation in two letters
    {"x+y=1, x-z=2", 10, "10 文字目の「z」が読めません。"}, // z in a system of two
    {"x^2=1, y=2", 1, "1 文字目の「x」が読めません。"},     // a system that is not linear
    {"10C3.5", 4, "4 文字目の「3」が読めません。"},
    {"A(1,2), B(3,4), -2:1 外分", 17, "17 文字目の「-」が読めません。"},
    {"\xff x", 1, "1 文字目の「\xEF\xBF\xBD」が読めません。"},
    {"x\x01", 2, "2 文字目の「\xE2\x90\x81」が読めません。"},
    {"x/0", 3, "ゼロによる除算"},
    {"5", 0, "x の式を入力して下さい。"},
    {"x+1=0", 0, "２次方程式・高次方程式: 2次から4次の方程式を入力して下さい"},
    // Recognised, out of the window's range: the window's wording.
    {"x^5-1", 0, "因数分解: 次数が4を超えるため計算できません"},
    {"x^5=1", 0, "高次方程式: 次数が4を超えるため計算できません"},
    {"∫[0,1] x^6 dx", 0, "定積分: 次数が5を超えるため計算できません"},
    {"Σ[k=1,n] k^4", 0, "∑: 次数が3を超えるため計算できません"},
    {"(x+1)^1000000=0", 0, "次数が10を超えるため計算できません"},
    {"2^100000", 0, "数値が大きすぎて計算できません"},
};

TEST(FormulaLine, RefusalsPointAtThePlace) {
    for (const TRefusalRow& row : kRefusals) {
        const TFormulaReading reading = RecognizeFormula(row.Line);
        const auto* refusal = std::get_if<TFormulaRefusal>(&reading);
        ASSERT_NE(refusal, nullptr) << row.Line;
        EXPECT_EQ(refusal->Position, row.Position) << row.Line;
        const std::string first = refusal->Message.substr(0, refusal->Message.find('\n'));
        EXPECT_EQ(first, row.Begins) << row.Line;
        // An unreadable line lists the forms; a window's range does not.
        const bool listed = refusal->Message.find("読める形") != std::string::npos;
        EXPECT_EQ(listed, refusal->Message.find('\n') != std::string::npos) << row.Line;
    }
}

// The window answers the recognised fields as it answers the fields typed by hand.
TWindowResult Answer(const std::string& window, const std::string& command,
                     const std::map<std::string, std::string>& fields,
                     const std::vector<std::string>& checked) {
    TWindowInput input;
    input.Command = command;
    input.Fields = fields;
    input.Checked = std::set<std::string>(checked.begin(), checked.end());
    return Windows().at(window).Solve(input);
}

struct TSameRow {
    const char* Line;
    const char* Fields; // as a student types them
    const char* Checked;
};

const TSameRow kSame[] = {
    // Zeros typed where the line leaves a field empty: the window reads both alike.
    {"x^3 - 2x + 1 = 0", "Edit4=0 Edit3=1 Edit2=0 Edit1=-2 Edit0=1", ""},
    {"2x² = 8", "Edit2=2 Edit1=0 Edit0=-8", ""},
    {"x+y+z=6; x-y=0; 2x+z=5",
     "EditX1=1 EditY1=1 EditZ1=1 EditA1=6 EditX2=1 EditY2=-1 EditZ2=0 EditA2=0 EditX3=2 "
     "EditY3=0 EditZ3=1 EditA3=5",
     ""},
    {"(2x-1)(x+3)", "Edit2=2 Edit1=5 Edit0=-3", ""},
    {"2x+3y=7, x-y=1", "EditX1=2 EditY1=3 EditA1=7 EditX2=1 EditY2=-1 EditA2=1", ""},
    {"7x - 5y = 1 整数解", "xEdit=7 yEdit=5 zEdit=1", "MinusItem AllRadio"},
    {"∫[1,3] (x^2 - 2x) dx", "Jotan=3 Katan=1 Edit2=1 Edit1=-2", ""},
    {"Σ[k=1,n] k(k+1)", "kEndEdit=n kBeginEdit=1 Edit2=1 Edit1=1", ""},
    {"f(x)=x^3-3x, 接線 x=2", "Edit3=1 Edit1=-3 EditX=2", "RadioSessen"},
    {"A(1,2), B(4,8), 1:2", "EditX1=1 EditY1=2 EditX2=4 EditY2=8 EditM=1 EditN=2", "RadioNaibun"},
    {"(x^3+1)÷(x+1)", "EditF3=1 EditF0=1 EditG1=1 EditG0=1", ""},
    {"200C100", "C1Edit=200 C2Edit=100", ""},
};

TEST(FormulaLine, WindowAnswersAsByHand) {
    for (const TSameRow& row : kSame) {
        const TFormulaReading reading = RecognizeFormula(row.Line);
        const auto* problem = std::get_if<TFormulaProblem>(&reading);
        ASSERT_NE(problem, nullptr) << row.Line;
        std::vector<std::string> checked;
        std::istringstream in(row.Checked);
        for (std::string radio; in >> radio;) {
            checked.push_back(radio);
        }
        const TWindowResult byLine =
            Answer(problem->Window, problem->Command, problem->Fields, problem->Checked);
        const TWindowResult byHand =
            Answer(problem->Window, problem->Command, Typed(row.Fields), checked);
        ASSERT_FALSE(byLine.Stopped) << row.Line;
        ASSERT_EQ(byLine.Fields.size(), byHand.Fields.size()) << row.Line;
        for (std::size_t i = 0; i < byLine.Fields.size(); ++i) {
            EXPECT_EQ(byLine.Fields[i].Text, byHand.Fields[i].Text) << row.Line;
        }
    }
}

// A problem the fields can hold but the window cannot calculate (a number
// beyond 500 digits, a power beyond its degree) is typed all the same, and
// the window refuses it with its own message.
TEST(FormulaLine, OutOfRangeReachesTheWindow) {
    const std::string nines(501, '9');
    const struct {
        std::string Line;
        const char* Message;
    } rows[] = {
        {std::string("x^2=") + nines, "数値が大きすぎて計算できません"},
        {"(x^2+x+1)^7", "次数が10を超えるため計算できません"},
        {"(x+1)^1000000", "次数が10を超えるため計算できません"},
        {std::string("(x+1)^") + nines, "数値が大きすぎて計算できません"},
        {"Σ[k=1,n^11] k", "次数が10を超えるため計算できません"},
        {"sum(k, k, 1, 2n^12+1)", "次数が10を超えるため計算できません"},
    };
    for (const auto& row : rows) {
        const TFormulaReading reading = RecognizeFormula(row.Line);
        const auto* problem = std::get_if<TFormulaProblem>(&reading);
        ASSERT_NE(problem, nullptr) << row.Line;
        const TWindowResult result =
            Answer(problem->Window, problem->Command, problem->Fields, problem->Checked);
        EXPECT_TRUE(result.Stopped) << row.Line;
        ASSERT_FALSE(result.Messages.empty()) << row.Line;
        EXPECT_EQ(result.Messages.front().Text, row.Message) << row.Line;
    }
}

// Every example the refusal lists is a line the window answers, without a
// message and with a solution: "読める形（例）:", then one window a line, its examples after
// full-width spaces (a mode word in brackets goes with the example before).
TEST(FormulaLine, ListedExamplesAreAnswered) {
    const std::string message = std::get<TFormulaRefusal>(RecognizeFormula("")).Message;
    std::istringstream lines(message.substr(message.find("読める形")));
    std::string line;
    std::getline(lines, line);
    const std::string space = "\u3000";
    int examples = 0;
    while (std::getline(lines, line)) {
        std::size_t at = line.find(space);
        while (at != std::string::npos) {
            const std::size_t from = at + space.size();
            at = line.find(space, from);
            const std::string example = line.substr(from, at == std::string::npos ? at : at - from);
            if (example.rfind("（", 0) == 0) {
                continue;
            }
            ++examples;
            const TFormulaReading reading = RecognizeFormula(example);
            const auto* problem = std::get_if<TFormulaProblem>(&reading);
            ASSERT_NE(problem, nullptr) << example;
            const TWindowResult result =
                Answer(problem->Window, problem->Command, problem->Fields, problem->Checked);
            EXPECT_FALSE(result.Stopped) << example;
            EXPECT_TRUE(result.Messages.empty()) << example << ": " << result.Messages.front().Text;
            for (const auto& field : result.Fields) {
                for (const char* none :
                     {arith::kNoSolutionText, arith::kIndeterminateText, arith::kNoRealRootText}) {
                    EXPECT_NE(field.Text, none) << example;
                }
            }
        }
    }
    EXPECT_GE(examples, 18);
}

// Lines built to take long are refused at once.
TEST(FormulaLine, LongLinesStayFast) {
    const std::string nested = std::string(9000, '(') + "x" + std::string(9000, ')');
    std::string product;
    for (int i = 0; i < 1000; ++i) {
        product += "(x+y+z+k+n+1)^2";
    }
    const std::string tooLong(20001, '1');
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& line : {nested, product, std::string("((x+y+z+k+n+1)^5)^2"), tooLong}) {
        EXPECT_TRUE(std::holds_alternative<TFormulaRefusal>(RecognizeFormula(line)));
    }
    // A power of a number of thousands of digits: typed, for the window to refuse.
    EXPECT_TRUE(std::holds_alternative<TFormulaProblem>(
        RecognizeFormula("((x · 66662^6-13333) · 6^6661)")));
    EXPECT_EQ(std::get<TFormulaRefusal>(RecognizeFormula(tooLong)).Message,
              "式が長すぎます（20000 文字まで）");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace
