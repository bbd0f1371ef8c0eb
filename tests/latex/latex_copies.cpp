// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a LaTeX document of the answer board's copies (the whole answer,
// and the answer alone) for a case of every window and mode, for
// compile_latex.sh to run through a real LaTeX engine. Each Japanese
// character is declared as text only: the document compiles with plain
// LaTeX, and stops with an error where a Japanese word stands in math mode
// instead of inside \text{…}, or where any other character beyond ASCII is
// left in the copy (a sign has to be written as LaTeX's command).
#include "BibunProblem.h"
#include "BoardNotation.h"
#include "EnzanProblem.h"
#include "HuteiProblem.h"
#include "InsuuProblem.h"
#include "JunretuProblem.h"
#include "KojiProblem.h"
#include "NaibunProblem.h"
#include "NijiProblem.h"
#include "Renritu3Problem.h"
#include "RenrituProblem.h"
#include "SekibunProblem.h"
#include "SigmaProblem.h"

#include <cstdio>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using problems::TWindowInput;
using problems::TWindowResult;

namespace {

// A case: the command given, then "FIELD=TEXT" for each field and "+RADIO"
// for each checked radio button.
struct TCase {
    const char* Name;
    TWindowResult (*Solve)(const TWindowInput&);
    const char* Input;
};

const TCase kCases[] = {
    {"niji surd", &problems::SolveNiji, "CalcButton Edit2=1 Edit1=4 Edit0=1"},
    {"niji complex", &problems::SolveNiji, "CalcButton Edit2=1 Edit1=1 Edit0=1"},
    {"niji tasuki", &problems::SolveNiji, "CalcButton Edit2=6 Edit1=1 Edit0=-2"},
    {"niji square root", &problems::SolveNiji, "CalcButton Edit2=2 Edit0=-3"},
    {"koji decimals", &problems::SolveKoji, "CalcButton Edit3=1 Edit1=-3 Edit0=1"},
    {"koji quartic", &problems::SolveKoji, "CalcButton Edit4=1 Edit2=-5 Edit0=6"},
    {"insuu", &problems::SolveInsuu, "CalcButton Edit3=-2 Edit1=2"},
    {"insuu irreducible", &problems::SolveInsuu, "CalcButton Edit2=1 Edit0=1"},
    {"insuu synthetic division", &problems::SolveInsuu,
     "CalcButton Edit3=1 Edit2=-6 Edit1=11 Edit0=-6"},
    {"insuu in X", &problems::SolveInsuu, "CalcButton Edit4=1 Edit2=-5 Edit0=4"},
    {"enzan add", &problems::SolveEnzan, "AddSButton EditF2=1 EditG1=-3"},
    {"enzan divide", &problems::SolveEnzan,
     "DivSButton EditF2=1 EditF1=3 EditF0=4 EditG1=1 EditG0=1"},
    {"enzan long division", &problems::SolveEnzan,
     "DivSButton EditF3=1 EditF2=-2 EditF0=-5 EditG1=2 EditG0=-1"},
    {"enzan power", &problems::SolveEnzan, "PowerSButton EditF1=1 EditF0=1 EditG0=3"},
    {"enzan substitute", &problems::SolveEnzan,
     "EnterSButton EditF2=1 EditF0=1 EditG1=1 EditG0=-3"},
    {"enzan lcm", &problems::SolveEnzan, "LcmSButton EditF2=1 EditF0=-4 EditG4=1 EditG2=-4"},
    {"renritu", &problems::SolveRenritu,
     "CalcButton EditX1=1/2 EditY1=1/3 EditA1=1 EditX2=1 EditY2=-1 EditA2=0"},
    {"renritu parallel", &problems::SolveRenritu,
     "CalcButton EditX1=1 EditY1=1 EditA1=1 EditX2=2 EditY2=2 EditA2=3"},
    {"renritu3", &problems::SolveRenritu3,
     "CalcButton EditX1=2 EditY1=1 EditZ1=1 EditA1=1 EditX2=1 EditY2=2 EditZ2=1 EditA2=1 "
     "EditX3=1 EditY3=1 EditZ3=2 EditA3=1"},
    {"hutei one", &problems::SolveHutei, "CalcButton xEdit=3 yEdit=5 zEdit=1 +OneRadio +PlusItem"},
    {"hutei general", &problems::SolveHutei, "CalcButton xEdit=7 yEdit=5 zEdit=1 +AllRadio"},
    {"bibun value", &problems::SolveBibun, "CalcButton Edit3=1 EditX=2/4"},
    {"bibun tangent", &problems::SolveBibun, "CalcButton Edit2=1 Edit0=1 EditX=1/2 +RadioSessen"},
    {"bibun extrema", &problems::SolveBibun, "CalcButton Edit3=1 Edit2=-3 Edit1=1 +RadioKyokuchi"},
    {"bibun monotonic", &problems::SolveBibun, "CalcButton Edit3=1 Edit1=1 +RadioKyokuchi"},
    {"sekibun", &problems::SolveSekibun,
     "CalcButton Jotan=-3/2 Katan=1/3 Edit4=2/5 Edit3=-1 Edit0=7"},
    {"sekibun sixth", &problems::SolveSekibun,
     "CalcButton Jotan=-1 Katan=2 Edit2=2 Edit1=-2 Edit0=-4"},
    {"sigma common factor", &problems::SolveSigma,
     "CalcButton kBeginEdit=1 kEndEdit=n Edit3=1 Edit2=-1/2 Edit0=3"},
    {"sigma number", &problems::SolveSigma, "CalcButton kBeginEdit=1 kEndEdit=10 Edit2=1/2"},
    {"sigma n", &problems::SolveSigma, "CalcButton kBeginEdit=1 kEndEdit=n+1 Edit3=1"},
    {"naibun internal", &problems::SolveNaibun,
     "CalcButton EditX1=1 EditY1=2 EditX2=5 EditY2=4 EditM=3 EditN=2 +RadioNaibun"},
    {"naibun line", &problems::SolveNaibun,
     "CalcButton EditX1=0 EditY1=-1/2 EditX2=3 EditY2=1 +RadioChokusen"},
    {"junretu factorial", &problems::SolveJunretu, "KaijoButton KaijoEdit=10"},
    {"junretu combination", &problems::SolveJunretu, "CButton C1Edit=7 C2Edit=3"},
    {"junretu overflow", &problems::SolveJunretu, "KaijoButton KaijoEdit=400"},
};

TWindowInput InputOf(const char* text) {
    TWindowInput input;
    std::istringstream words(text);
    words >> input.Command;
    for (std::string word; words >> word;) {
        const std::size_t equals = word.find('=');
        if (word[0] == '+') {
            input.Checked.insert(word.substr(1));
        } else {
            input.Fields[word.substr(0, equals)] = word.substr(equals + 1);
        }
    }
    return input;
}

// The Japanese code points in text (kana, kanji, full-width forms): any
// other character beyond ASCII is left for LaTeX to refuse.
void CollectCodePoints(const std::string& text, std::set<unsigned>& points) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (length > 1) {
            unsigned point = lead & (0x7Fu >> length);
            for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
                point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
            }
            const bool japanese = (point >= 0x3000 && point <= 0x30FF) ||
                                  (point >= 0x4E00 && point <= 0x9FFF) ||
                                  (point >= 0xFF00 && point <= 0xFFEF);
            if (japanese) {
                points.insert(point);
            }
        }
        i += length;
    }
}

// The preamble that stands in for a Japanese engine: each Japanese
// character of `text` declared as text only.
std::string TextOnlyDeclarations(const std::string& text) {
    std::set<unsigned> points;
    CollectCodePoints(text, points);
    std::string out = "\\tracinglostchars=2\n"
                      "\\newcommand\\TextOnly{\\ifmmode\\errmessage{A character for text "
                      "mode stands in math mode}\\else ?\\fi}\n";
    for (unsigned point : points) {
        char declaration[64];
        std::snprintf(declaration, sizeof declaration,
                      "\\DeclareUnicodeCharacter{%04X}{\\TextOnly}\n", point);
        out += declaration;
    }
    return out;
}

} // namespace

// With --document, the exported document of every case, its Japanese
// package replaced by the declarations; otherwise the copies one by one.
int main(int argc, char* argv[]) {
    const bool document = argc > 1 && std::string(argv[1]) == "--document";
    std::string body;
    std::vector<arith::TTitledAnswer> answers;
    for (const TCase& c : kCases) {
        const TWindowResult result = c.Solve(InputOf(c.Input));
        if (!result.Board) {
            std::cerr << "no board entry for " << c.Name << '\n';
            return 1;
        }
        const TBoardEntry& entry = *result.Board;
        const arith::TWholeAnswer whole{entry.Math().Problem, entry.ShownAnswer(),
                                        entry.Math().Decimals, entry.CopiedWorking()};
        body += std::string("% ") + c.Name + "\n" + arith::WholeAnswerLatex(whole);
        body += "\\[ " + arith::MathToLatex(entry.ShownAnswer()) + " \\]\n\n";
        // The windows name the entries; here the case does, with the signs
        // a heading has to escape, and the sums' window's title.
        const std::string title =
            std::string(c.Name) +
            (c.Solve == &problems::SolveSigma ? " ∑ 100% #1 a_b {c} ~ ^ \\" : "");
        answers.push_back({title, whole, entry.Graph().has_value()});
    }
    if (document) {
        std::string exported = arith::HandoutLatex(answers);
        const std::string package = "\\usepackage{luatexja}\n";
        const std::size_t at = exported.find(package);
        if (at == std::string::npos) {
            std::cerr << "the document names no luatexja\n";
            return 1;
        }
        exported.replace(at, package.size(), TextOnlyDeclarations(exported));
        std::cout << exported;
        return 0;
    }
    std::string copies = "\\documentclass{article}\n\\usepackage{amsmath}\n";
    copies += TextOnlyDeclarations(body);
    copies += "\\begin{document}\n";
    copies += body;
    copies += "\\end{document}\n";
    std::cout << copies;
    return 0;
}
