// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardEntry.h"

#include "Errors.h"

#include <utility>

namespace {

// What make() writes, or nothing should it fail: the board then leaves the
// formula out rather than end the program.
template <typename T> std::optional<arith::TMath> Made(const std::function<T()>& make) {
    if (!make) {
        return std::nullopt;
    }
    try {
        return make();
    } catch (const arith::CalcError&) {
        return std::nullopt;
    }
}

} // namespace

const TBoardMath& TBoardEntry::Math() const {
    if (!math_) {
        auto math = std::make_shared<TBoardMath>();
        math->Problem = Made(Problem).value_or(arith::MathRow({}));
        math->Answer = Made(Answer);
        math->Working = Made(Working);
        if (math->Answer) {
            math->Decimals = Made(Decimals);
        }
        math_ = std::move(math);
    }
    return *math_;
}

arith::TMath TBoardEntry::ShownAnswer() const {
    return Math().Answer ? *Math().Answer : arith::MathText(arith::TMathKind::Word, Message);
}

std::optional<arith::TMath> TBoardEntry::CopiedWorking() const {
    if (!Math().Working) {
        return std::nullopt;
    }
    if (std::optional<arith::TMath> whole = Made(WholeWorking)) {
        return whole;
    }
    return Math().Working;
}

const std::optional<arith::TGraph>& TBoardEntry::Graph() const {
    if (!graph_) {
        std::optional<arith::TGraph> graph;
        if (Plot && Answer) {
            try {
                graph = Plot();
            } catch (const arith::CalcError&) {
                graph.reset();
            }
        }
        graph_ = std::make_shared<const std::optional<arith::TGraph>>(std::move(graph));
    }
    return *graph_;
}

const std::string& TBoardEntry::ProblemLine() const {
    MakeLines();
    return lines_->Problem;
}

const std::string& TBoardEntry::AnswerLine() const {
    MakeLines();
    return lines_->Answer;
}

bool TBoardEntry::Answered() const {
    MakeLines();
    return lines_->Answered;
}

void TBoardEntry::MakeLines() const {
    if (lines_) {
        return;
    }
    // Only the problem and the answer: the working stays unmade until shown.
    const arith::TMath problem =
        math_ ? math_->Problem : Made(Problem).value_or(arith::MathRow({}));
    const std::optional<arith::TMath> answer = math_ ? math_->Answer : Made(Answer);
    lines_ = std::make_shared<const TLines>(TLines{
        arith::MathToUnicode(problem),
        arith::MathToUnicode(answer.value_or(arith::MathText(arith::TMathKind::Word, Message))),
        answer.has_value()});
}

void TBoardEntry::SetLines(std::string problem, std::string answer, bool answered) {
    lines_ =
        std::make_shared<const TLines>(TLines{std::move(problem), std::move(answer), answered});
}
