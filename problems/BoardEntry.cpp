// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardEntry.h"

#include "Errors.h"

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
    if (!lines_) {
        lines_ = std::make_shared<const std::pair<std::string, std::string>>(
            arith::MathToUnicode(Math().Problem), arith::MathToUnicode(ShownAnswer()));
    }
    return lines_->first;
}

const std::string& TBoardEntry::AnswerLine() const {
    ProblemLine();
    return lines_->second;
}

void TBoardEntry::SetLines(std::string problem, std::string answer) {
    lines_ = std::make_shared<const std::pair<std::string, std::string>>(std::move(problem),
                                                                         std::move(answer));
}
