// SPDX-License-Identifier: GPL-3.0-or-later
// One calculation as the answer board shows it and lists it in its history.
// A window hands over how to write the problem, the answer and the working,
// not the formulas themselves: they are made the first time something shows
// them, so that a calculation costs no more while the board is closed.
#pragma once

#include "Graph.h"
#include "Notation.h"
#include "WindowInput.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

// The formulas of a calculation.
struct TBoardMath {
    arith::TMath Problem;
    std::optional<arith::TMath> Answer;  // empty when the calculation failed or stopped
    std::optional<arith::TMath> Working; // empty where there is none
    // The answer's values in decimals ("≈ −0.2679"); empty where it holds no
    // fraction or root, or there is no answer.
    std::optional<arith::TMath> Decimals;
};

struct TBoardEntry {
    std::string Window;                    // the title of the window it was made in
    std::function<arith::TMath()> Problem; // as the fields put it
    std::function<arith::TMath()> Answer;  // empty when it failed or stopped
    // How the answer is reached, or (where a window gives one) why the
    // calculation stopped without one.
    std::function<std::optional<arith::TMath>()> Working;
    // The same working with every step, where Working leaves some out; empty otherwise.
    std::function<std::optional<arith::TMath>()> WholeWorking;
    std::function<arith::TGraph()> Plot; // the graph; empty where there is none
    std::string Message;                 // why it failed or stopped; empty with an answer
    std::string Text;                    // the answer as the fields hold it, one line per field
    std::function<std::optional<arith::TMath>()> Decimals; // the answer in decimals; may be empty
    // The row of its window that an Enter chain is filling in, numbered by
    // the window (0: none). The history keeps one entry per row: the last.
    unsigned Row = 0;
    // Where it was made and what it was given: the window's class and its
    // input, so that the calculation can be made again or put back into the
    // window; and when (UTC, ISO 8601), as the history file keeps it.
    std::string WindowClass;
    problems::TWindowInput Input;
    std::string Time;

    // The formulas, made once. A working that fails its own checks is left
    // out; the answer stands (so is any formula that cannot be made).
    const TBoardMath& Math() const;
    // What the board shows as the answer: the answer, or why there is none.
    arith::TMath ShownAnswer() const;
    // The working to copy: with every step, made afresh each time it is
    // asked for; empty where the board shows none.
    std::optional<arith::TMath> CopiedWorking() const;
    // The graph, made once, the first time the board shows it; empty where
    // there is none or it cannot be made.
    const std::optional<arith::TGraph>& Graph() const;
    // The problem and the answer shown, as plain Unicode, as the history
    // lists them; made once. An entry read back from the history file is
    // given them, so that listing it makes no formula.
    const std::string& ProblemLine() const;
    const std::string& AnswerLine() const;
    bool Answered() const; // whether AnswerLine is an answer, not a message
    void SetLines(std::string problem, std::string answer, bool answered);

private:
    mutable std::shared_ptr<const TBoardMath> math_;
    mutable std::shared_ptr<const std::optional<arith::TGraph>> graph_;
    struct TLines {
        std::string Problem;
        std::string Answer;
        bool Answered;
    };
    void MakeLines() const;
    mutable std::shared_ptr<const TLines> lines_;
};
