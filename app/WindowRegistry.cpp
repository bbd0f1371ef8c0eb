// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRegistry.h"

#include "AnswerBoard.h"
#include "BibunProblem.h"
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
#include "ToolForm.h"
#include "VoranBibun.h"
#include "VoranEnzan.h"
#include "VoranHutei.h"
#include "VoranInsuu.h"
#include "VoranJunretu.h"
#include "VoranKoji.h"
#include "VoranMain.h"
#include "VoranNaibun.h"
#include "VoranNiji.h"
#include "VoranRenritu.h"
#include "VoranRenritu3.h"
#include "VoranSekibun.h"
#include "VoranSigma.h"
#include "VoranVersion.h"
#include "Zoom.h"

#include <QObject>

#include <algorithm>
#include <cstring>

namespace {

template <typename Form> QWidget* Make(QWidget* main) {
    return new Form(main);
}

const std::vector<TWindowEntry>& Table() {
    static const std::vector<TWindowEntry> table = {
        {"TEnzanForm",
         "整式の四則演算",
         1,
         "EnzanButton",
         "四則演算",
         "整式の四則演算",
         1,
         1,
         "EnzanMenu",
         "四則演算(&C)",
         &Make<TEnzanForm>,
         &problems::SolveEnzan,
         {"AddSButton", "SubSButton", "MulSButton", "DivSButton", "PowerSButton", "EnterSButton",
          "GcdSButton", "LcmSButton"}},
        {"TInsuuForm",
         "因数分解",
         2,
         "InsuuButton",
         "因数分解",
         "因数分解",
         1,
         2,
         "InsuuMenu",
         "因数分解(&I)",
         &Make<TInsuuForm>,
         &problems::SolveInsuu,
         {"CalcButton"}},
        {"TRenrituForm",
         "連立方程式",
         3,
         "RenrituButton",
         "連立方程式",
         "連立方程式",
         1,
         3,
         "RenrituMenu",
         "連立方程式(&R)",
         &Make<TRenrituForm>,
         &problems::SolveRenritu,
         {"CalcButton"}},
        {"TRenritu3Form",
         "3元1次方程式",
         13,
         "Renritu3Button",
         "3元1次方程式",
         "3元1次方程式",
         1,
         4,
         "Renritu3Menu",
         "３元１次方程式(&T)",
         &Make<TRenritu3Form>,
         &problems::SolveRenritu3,
         {"CalcButton"}},
        {"TNijiForm",
         "２次方程式",
         4,
         "NijiButton",
         "２次方程式",
         "２次方程式",
         1,
         5,
         "NijiMenu",
         "２次方程式(&N)",
         &Make<TNijiForm>,
         &problems::SolveNiji,
         {"CalcButton"}},
        {"TKojiForm",
         "高次方程式",
         5,
         "KojiButton",
         "高次方程式",
         "高次方程式",
         2,
         1,
         "KojiMenu",
         "高次方程式(&K)",
         &Make<TKojiForm>,
         &problems::SolveKoji,
         {"CalcButton"}},
        {"THuteiForm",
         "不定方程式",
         12,
         "HuteiButton",
         "不定方程式",
         "不定方程式",
         2,
         2,
         "HuteiMenu",
         "不定方程式（&H)",
         &Make<THuteiForm>,
         &problems::SolveHutei,
         {"CalcButton"},
         {{"zEdit", "1"}},
         {{"RadioGroup1", {"PlusItem", "MinusItem"}}, {nullptr, {"OneRadio", "AllRadio"}}}},
        {"TNaibunForm",
         "内分・外分",
         9,
         "NaibunButton",
         "内分・外分",
         "内分・外分",
         2,
         3,
         "NaibunMenu",
         "内分・外分(&D)",
         &Make<TNaibunForm>,
         &problems::SolveNaibun,
         {"CalcButton"},
         {},
         {{nullptr, {"RadioNaibun", "RadioGaibun", "RadioChokusen"}}}},
        {"TBibunForm",
         "微分",
         6,
         "BibunButton",
         "微分",
         "微分",
         2,
         4,
         "BibunMenu",
         "微分(&B)",
         &Make<TBibunForm>,
         &problems::SolveBibun,
         {"CalcButton"},
         {},
         {{nullptr, {"RadioKeisuu", "RadioSessen", "RadioKyokuchi"}}}},
        {"TSekibunForm",
         "定積分",
         7,
         "SekibunButton",
         "定積分",
         "定積分",
         2,
         5,
         "SekibunMenu",
         "定積分(&S)",
         &Make<TSekibunForm>,
         &problems::SolveSekibun,
         {"CalcButton"}},
        {"TJunretuForm",
         "順列・組合せ",
         10,
         "JunretuButton",
         "順列・組合せ",
         "順列・組合せ",
         3,
         1,
         "JunretuMenu",
         "順列・組合せ(&J)",
         &Make<TJunretuForm>,
         &problems::SolveJunretu,
         {"KaijoButton", "PButton", "CButton"}},
        {"TSigmaForm",
         "∑",
         11,
         "SigmaButton",
         "∑",
         "数列の和 ∑",
         3,
         2,
         "SigmaMenu",
         "∑(&W)",
         &Make<TSigmaForm>,
         &problems::SolveSigma,
         {"CalcButton"},
         {{"kBeginEdit", "1"}}},
        {"TVersionForm", "バージョン情報", 8, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
         &Make<TVersionForm>},
    };
    return table;
}

} // namespace

problems::TWindowInput TWindowEntry::StartInput() const {
    problems::TWindowInput input;
    input.Command = Commands.empty() ? "CalcButton" : Commands.front();
    for (const auto& [field, text] : StartTexts) {
        input.Fields[field] = text;
    }
    for (const TRadioGroup& group : RadioGroups) {
        input.Checked.insert(group.Radios.front());
    }
    return input;
}

bool TWindowEntry::CheckRadio(problems::TWindowInput& input, std::string_view radio) const {
    for (const TRadioGroup& group : RadioGroups) {
        const auto found = std::find_if(group.Radios.begin(), group.Radios.end(),
                                        [radio](const char* r) { return radio == r; });
        if (found != group.Radios.end()) {
            for (const char* other : group.Radios) {
                input.Checked.erase(other);
            }
            input.Checked.insert(*found);
            return true;
        }
    }
    return false;
}

std::span<const TWindowEntry> Windows() {
    return Table();
}

const TWindowEntry* FindWindow(std::string_view className) {
    for (const TWindowEntry& entry : Table()) {
        if (className == entry.Class) {
            return &entry;
        }
    }
    return nullptr;
}

QWidget* CreateChildWindow(QWidget* main, TBoardHistory& history, const char* className) {
    QWidget* window = nullptr;
    if (std::strcmp(className, "TAnswerBoard") == 0) {
        history.Load(); // the board lists what the file holds from the start
        auto* board = new TAnswerBoard(main, history);
        if (auto* launcher = qobject_cast<TMainForm*>(main)) {
            QObject::connect(board, &TAnswerBoard::ReopenRequested, launcher, &TMainForm::Reopen);
        }
        window = board;
    } else if (const TWindowEntry* entry = FindWindow(className)) {
        window = entry->Create(main);
        window->setObjectName(QString::fromLatin1(entry->Class));
        window->setWindowTitle(QString::fromUtf8(entry->Caption));
    }
    if (auto* tool = qobject_cast<ToolForm*>(window)) {
        QObject::connect(tool, &ToolForm::Calculated, &history, &TBoardHistory::Add);
    }
    // Built at 100% like every window; scaled now to the zoom in force.
    if (window != nullptr && ZoomPercent() != 100) {
        ApplyZoom(window);
    }
    return window;
}

std::optional<TBoardEntry> RemakeEntry(const std::string& className,
                                       const problems::TWindowInput& input) {
    const TWindowEntry* window = FindWindow(className);
    if (window == nullptr || window->Solve == nullptr) {
        return std::nullopt;
    }
    problems::TWindowResult result = window->Solve(input);
    if (result.Board) {
        result.Board->Window = window->Caption;
        result.Board->WindowClass = window->Class;
        result.Board->Input = input;
    }
    return std::move(result.Board);
}
