// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkingSystems.h"

#include "EliminationSteps.h"
#include "Errors.h"
#include "HuteiSteps.h"
#include "OperationSteps.h"
#include "WorkingSteps.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace arith {

namespace {

using namespace steps;

// Formula parts.

TMath Word(std::string word) {
    return MathText(TMathKind::Word, std::move(word));
}

// Exact values.

// Stops the working where a step it is about to state is not exactly true.
void Check(bool holds, const char* step) {
    if (!holds) {
        throw WorkingCheckError(step);
    }
}

bool IsZero(const TRational& r) {
    return r == TRational{};
}

// "2", "(−3)": an integer after a sign or a product dot.
TMath SignedInt(const TInteger& n) {
    return Signed({n, 1});
}

// Visits a step with one lambda per kind.
template <typename... Kinds> struct TStepWriter : Kinds... { using Kinds::operator()...; };
template <typename... Kinds> TStepWriter(Kinds...) -> TStepWriter<Kinds...>;

// Linear systems.

const char* const kUnknownNames[kMaxUnknowns] = {"x", "y", "z"};

// The equation number i + 1 as a circled digit, ① to ⑳.
std::string Circled(int i) {
    std::string mark = "\xE2\x91";
    mark += static_cast<char>(0xA0 + i);
    return mark;
}

// "①", "①′", or empty for an equation without a number.
std::string LabelText(const TEquationLabel& label) {
    if (label.Number < 0) {
        return {};
    }
    std::string text = Circled(label.Number);
    if (label.Primed) {
        text += "′";
    }
    return text;
}

TMath EquationMath(const TIntegerEquation& e, int n) {
    std::vector<TMathTerm> terms;
    for (int k = 0; k < n; ++k) {
        terms.push_back({{e.Coef[k], 1}, Letter(kUnknownNames[k])});
    }
    return Equals(TermsMath(terms), IntegerMath(e.Right));
}

// "2x + 3y = 5 …①".
TMath Numbered(TMath equation, const std::string& label) {
    if (label.empty()) {
        return equation;
    }
    std::string mark = "…";
    mark += label;
    return MathRow({std::move(equation), Word(std::move(mark))});
}

bool ZeroRow(const TIntegerEquation& e, int n) {
    for (int k = 0; k < n; ++k) {
        if (!e.Coef[k].IsZero()) {
            return false;
        }
    }
    return true;
}

// "①×3", "②": an equation and the number it is multiplied by.
std::string Multiple(const TEquationLabel& label, const TInteger& m) {
    std::string text = LabelText(label);
    if (m != 1) {
        text += "×";
        text += AnswerDigits(m);
    }
    return text;
}

// The left side of e with the known values put in and the unknown u kept:
// "2x + 3·(−1)", "1 + 2y".
TMath SubstitutedLeft(const TIntegerEquation& e, int n, int u,
                      const std::array<TRational, kMaxUnknowns>& value) {
    std::vector<TMath> parts;
    for (int k = 0; k < n; ++k) {
        const TInteger& c = e.Coef[k];
        if (c.IsZero()) {
            continue;
        }
        if (c.Sign() < 0) {
            parts.push_back(Op("−"));
        } else if (!parts.empty()) {
            parts.push_back(Op("+"));
        }
        const TInteger size = Abs(c);
        if (k == u) {
            if (size != 1) {
                parts.push_back(Number(size));
            }
            parts.push_back(Letter(kUnknownNames[k]));
        } else if (size != 1) {
            parts.push_back(Number(size));
            parts.push_back(Dot());
            parts.push_back(Factor(value[k]));
        } else {
            parts.push_back(parts.empty() ? Value(value[k]) : Signed(value[k]));
        }
    }
    return MathRow(std::move(parts));
}

// Among the unknowns still open and the equations still active, the pivot
// that needs the smallest multipliers to clear its unknown from the others.
std::pair<int, std::size_t> ChoosePivot(const std::vector<TIntegerEquation>& active,
                                        const std::array<bool, kMaxUnknowns>& open, int n) {
    std::pair<int, std::size_t> best{-1, 0};
    TInteger bestCost = 0;
    for (int u = 0; u < n; ++u) {
        if (!open[u]) {
            continue;
        }
        for (std::size_t i = 0; i < active.size(); ++i) {
            const TInteger& p = active[i].Coef[u];
            if (p.IsZero()) {
                continue;
            }
            TInteger cost = 0;
            for (std::size_t j = 0; j < active.size(); ++j) {
                const TInteger& e = active[j].Coef[u];
                if (j != i && !e.IsZero()) {
                    const TInteger l = Abs(IntLcm(p, e));
                    cost += l / Abs(p) + l / Abs(e);
                }
            }
            if (best.first < 0 || cost < bestCost) {
                best = {u, i};
                bestCost = cost;
            }
        }
    }
    return best;
}

// The pivots in the order they were taken, for the back substitution.
struct TPivot {
    TIntegerEquation Equation;
    int Unknown = 0;
};

// The lines of the steps, between the numbered equations and the answer.
class TEliminationWriter {
public:
    explicit TEliminationWriter(int n, std::vector<TMath>& lines) : n_(n), lines_(lines) {}

    void operator()(const TConstantRow& step) const {
        lines_.push_back(MathRow({Equals(Number(0), Value(step.Right)),
                                  Word(step.Holds ? "は常に成り立つ" : "は成り立たないので")}));
    }

    void operator()(const TClearDenominators& step) const {
        std::string source = Multiple(step.From, step.Scale);
        source += " より";
        lines_.push_back(
            MathRow({Word(std::move(source)),
                     Numbered(EquationMath(step.Result, n_), LabelText(step.Result.Label))}));
    }

    void operator()(const TEliminate& step) const {
        std::string source = Multiple(step.Pivot, step.PivotMultiple);
        source += step.Subtract ? " − " : " + ";
        source += Multiple(step.Other, step.OtherMultiple);
        source += " より";
        if (step.Outcome == TEliminated::Equation) {
            lines_.push_back(
                MathRow({Word(std::move(source)),
                         Numbered(EquationMath(step.Result, n_), LabelText(step.Result.Label))}));
            return;
        }
        lines_.push_back(
            MathRow({Word(std::move(source)), Equals(Number(0), IntegerMath(step.Result.Right)),
                     Word(step.Outcome == TEliminated::Contradiction ? "となり成り立たないので"
                                                                     : "となり常に成り立つ")}));
    }

    void operator()(const TBackSubstitute& step) const {
        const TIntegerEquation& e = step.Equation;
        const int u = step.Unknown;
        const TMath found = Equals(Letter(kUnknownNames[u]), Value(step.Value[u]));
        if (!step.PutIn.empty()) {
            std::vector<TMath> givens;
            for (const int k : step.PutIn) {
                if (!givens.empty()) {
                    givens.push_back(Comma());
                }
                givens.push_back(Equals(Letter(kUnknownNames[k]), Value(step.Value[k])));
            }
            std::string put = "を";
            put += LabelText(e.Label);
            put += "に代入して";
            givens.push_back(Word(std::move(put)));
            givens.push_back(Equals(SubstitutedLeft(e, n_, u, step.Value), IntegerMath(e.Right)));
            lines_.push_back(MathRow(std::move(givens)));
            if (e.Coef[u] != 1) {
                lines_.push_back(Equals(TermsMath({{{e.Coef[u], 1}, Letter(kUnknownNames[u])}}),
                                        Value(step.Rest)));
            }
            lines_.push_back(found);
        } else if (e.Label.Number >= 0) {
            std::string source = LabelText(e.Label);
            source += " より";
            lines_.push_back(MathRow({Word(std::move(source)), found}));
        } else if (e.Coef[u] != 1) {
            lines_.push_back(found); // from the equation on the line above
        }
    }

private:
    int n_;
    std::vector<TMath>& lines_;
};

// The numbered equations, the steps, the answer.
TMath WriteElimination(const TEliminationSteps& steps) {
    const int n = steps.Unknowns;
    std::vector<TMath> lines;
    const TMath problem = LinearProblem(steps.System, n);
    for (int row = 0; row < n; ++row) {
        lines.push_back(Numbered(problem.Parts[row], Circled(row)));
    }
    const TEliminationWriter write(n, lines);
    for (const TEliminationStep& step : steps.Steps) {
        std::visit(write, step);
    }
    const TMath answer = LinearAnswer(steps.Solution, n);
    if (steps.Solution.Kind != TSolutionKind::Unique) {
        lines.push_back(answer);
        return MathLines(std::move(lines));
    }
    // The last value found may already read as the answer's first line.
    if (MathToUnicode(lines.back()) == MathToUnicode(answer.Parts.front())) {
        lines.pop_back();
    }
    for (const TMath& line : answer.Parts) {
        lines.push_back(line);
    }
    return MathLines(std::move(lines));
}

} // namespace

std::optional<TEliminationSteps> SolveEliminationSteps(const TLinearSystem& system, int n,
                                                       const TLinearSolution& solution) {
    if (n < 2 || n > kMaxUnknowns) {
        return std::nullopt;
    }
    TEliminationSteps steps;
    steps.System = system;
    steps.Unknowns = n;
    steps.Solution = solution;
    std::vector<TEliminationStep>& out = steps.Steps;

    // Integer coefficients: an equation with fractions times the lcm of its
    // denominators. An equation 0 = d is judged as it stands.
    bool contradiction = false;
    std::vector<TIntegerEquation> active;
    for (int row = 0; row < n && !contradiction; ++row) {
        TInteger scale = 1;
        bool zero = true;
        for (int k = 0; k <= n; ++k) {
            const TRational r = Reduced(system[row][k]);
            scale = Abs(IntLcm(scale, r.Den()));
            zero = zero && (k == n || IsZero(r));
        }
        if (zero) {
            const TRational d = Reduced(system[row][n]);
            contradiction = !IsZero(d);
            out.push_back(TConstantRow{d, !contradiction});
            continue;
        }
        TIntegerEquation e;
        e.Label = {row, false};
        for (int k = 0; k <= n; ++k) {
            const TRational r = Reduced(system[row][k] * TRational{scale, 1});
            Check(IsInteger(r), "分母を払う");
            (k < n ? e.Coef[k] : e.Right) = r.Num();
        }
        if (scale != 1) {
            const TEquationLabel from = e.Label;
            e.Label.Primed = true;
            out.push_back(TClearDenominators{from, scale, e});
        }
        active.push_back(std::move(e));
    }

    // Each round takes one pivot and clears its unknown from the other
    // equations; an equation that comes to 0 = 0 falls away.
    std::array<bool, kMaxUnknowns> open{};
    int openCount = n;
    for (int k = 0; k < n; ++k) {
        open[k] = true;
    }
    std::vector<TPivot> pivots;
    int labels = n;
    while (!contradiction && !active.empty()) {
        const auto [u, i] = ChoosePivot(active, open, n);
        Check(u >= 0, "消去する文字");
        const TIntegerEquation pivot = active[i];
        const TInteger& p = pivot.Coef[u];
        std::vector<TIntegerEquation> next;
        for (std::size_t j = 0; j < active.size() && !contradiction; ++j) {
            const TIntegerEquation& e = active[j];
            if (j == i) {
                continue;
            }
            if (e.Coef[u].IsZero()) {
                next.push_back(e);
                continue;
            }
            // pivot×mp ∓ e×me: the multiples that make the coefficients of u equal.
            const TInteger l = Abs(IntLcm(p, e.Coef[u]));
            const TInteger mp = l / Abs(p);
            const TInteger me = l / Abs(e.Coef[u]);
            const bool subtract = p.Sign() == e.Coef[u].Sign();
            TIntegerEquation r;
            for (int k = 0; k < n; ++k) {
                r.Coef[k] = subtract ? pivot.Coef[k] * mp - e.Coef[k] * me
                                     : pivot.Coef[k] * mp + e.Coef[k] * me;
            }
            r.Right = subtract ? pivot.Right * mp - e.Right * me : pivot.Right * mp + e.Right * me;
            Check(r.Coef[u].IsZero(), "文字の消去");
            TEliminate step{pivot.Label, mp, subtract, e.Label, me, r, TEliminated::Equation};
            if (ZeroRow(r, n)) {
                contradiction = !r.Right.IsZero();
                step.Outcome = contradiction ? TEliminated::Contradiction : TEliminated::Identity;
                out.push_back(std::move(step));
                continue;
            }
            if (openCount - 1 >= 2) {
                r.Label = {labels++, false};
                step.Result.Label = r.Label;
            }
            out.push_back(std::move(step));
            next.push_back(std::move(r));
        }
        pivots.push_back({pivot, u});
        open[u] = false;
        --openCount;
        active = std::move(next);
    }

    // An equation that fell away as 0 = 0 leaves an unknown free.
    if (contradiction || openCount > 0) {
        Check(solution.Kind ==
                  (contradiction ? TSolutionKind::NoSolution : TSolutionKind::Infinite),
              "解の種類");
        return steps;
    }
    Check(solution.Kind == TSolutionKind::Unique, "解の種類");

    // Back substitution, from the last pivot to the first.
    std::array<TRational, kMaxUnknowns> value{};
    std::array<bool, kMaxUnknowns> known{};
    for (auto it = pivots.rbegin(); it != pivots.rend(); ++it) {
        TBackSubstitute step;
        step.Equation = it->Equation;
        step.Unknown = it->Unknown;
        const TIntegerEquation& e = step.Equation;
        const int u = step.Unknown;
        TRational rest{e.Right, 1};
        for (int k = 0; k < n; ++k) {
            if (k == u || e.Coef[k].IsZero()) {
                continue;
            }
            Check(known[k], "代入する値");
            rest = rest + TRational{-e.Coef[k], 1} * value[k];
            step.PutIn.push_back(k);
        }
        value[u] = Reduced(rest / TRational{e.Coef[u], 1});
        known[u] = true;
        step.Value = value;
        step.Rest = rest;
        out.push_back(std::move(step));
    }
    for (int row = 0; row < n; ++row) {
        TRational left{0, 1};
        for (int k = 0; k < n; ++k) {
            left = left + system[row][k] * value[k];
        }
        Check(left == system[row][n], "元の式への代入");
    }
    for (int k = 0; k < n; ++k) {
        Check(value[k] == solution.Values[k], "解");
    }
    return steps;
}

std::optional<TMath> LinearWorking(const TLinearSystem& system, int n,
                                   const TLinearSolution& solution) {
    const std::optional<TEliminationSteps> steps = SolveEliminationSteps(system, n, solution);
    if (!steps) {
        return std::nullopt;
    }
    return WriteElimination(*steps);
}

namespace {

// Indefinite equations.

// "A·u + B·v" with the signs folded and factors 1 left out: "7·(−1) + 4·2",
// "4 − 3·2".
TMath Combination(const TInteger& u, const TInteger& A, const TInteger& v, const TInteger& B) {
    std::vector<TMath> parts = {Number(u)};
    if (A != 1) {
        parts.push_back(Dot());
        parts.push_back(SignedInt(A));
    }
    parts.push_back(Op(B.Sign() < 0 ? "−" : "+"));
    parts.push_back(Number(v));
    if (Abs(B) != 1) {
        parts.push_back(Dot());
        parts.push_back(Number(Abs(B)));
    }
    return MathRow(std::move(parts));
}

// "29·(−15) − 11·(−40) = 5": the equation a x + b y = c with x and y put in,
// as the factors x and y are written.
TMath PutIn(const TInteger& a, const TInteger& b, const TInteger& c, TMath x, TMath y) {
    std::vector<TMath> parts;
    if (a.Sign() < 0) {
        parts.push_back(Op("−"));
    }
    parts.insert(parts.end(), {Number(Abs(a)), Dot(), std::move(x), Op(b.Sign() < 0 ? "−" : "+"),
                               Number(Abs(b)), Dot(), std::move(y), Op("="), IntegerMath(c)});
    return MathRow(std::move(parts));
}

// "x − 4", "(x + 4)" as a factor, "x" for a zero value.
TMath LessInteger(const char* letter, const TInteger& value, bool bracket) {
    TMath math = TermsMath({{{1, 1}, Letter(letter)}, {{-value, 1}, MathRow({})}});
    return bracket && !value.IsZero() ? Paren(std::move(math)) : math;
}

// "x = −15 + 11·(−1) = −26": the value shifted by step·k.
// `written` is how the value shifted from is written: the value itself, or
// a product too long to write out.
TMath Shifted(const char* letter, TMath written, const TInteger& step, const TInteger& k,
              const TInteger& to) {
    return MathRow({Letter(letter), Op("="), std::move(written), Op(step.Sign() < 0 ? "−" : "+"),
                    Number(Abs(step)), Dot(), SignedInt(k), Op("="), IntegerMath(to)});
}

// v·k as the working writes a factor: the product's value where an answer
// could write it, otherwise the product itself, "(−15·3)".
TMath ScaledFactor(const TInteger& v, const TInteger& k, const TInteger& product) {
    if (!product.LongerThan(kMaxAnswerDigits)) {
        return SignedInt(product);
    }
    return Paren(MathRow({IntegerMath(v), Dot(), SignedInt(k)}));
}

// A value as the start of a shift: its digits, or v·k where it is too long
// to write out.
TMath ShiftedFrom(const TInteger& v, const TInteger& k, const TInteger& product) {
    return product.LongerThan(kMaxAnswerDigits) ? MathRow({IntegerMath(v), Dot(), SignedInt(k)})
                                                : IntegerMath(product);
}

// A run of `count` like lines of a working: line i is written when the run is
// written whole or short, or is among its first or last kRunEnds lines; the
// first line left out is replaced by one saying how many are.
class TLineRun {
public:
    TLineRun(std::size_t count, TStepRun run)
        : count_(count), whole_(run == TStepRun::Whole || count <= 2 * kRunEnds + 1) {}

    template <typename Make> void Put(std::size_t i, std::vector<TMath>& lines, Make make) const {
        if (whole_ || i < kRunEnds || i >= count_ - kRunEnds) {
            lines.push_back(make());
        } else if (i == kRunEnds) {
            std::string note = "（途中 ";
            note += std::to_string(count_ - 2 * kRunEnds);
            note += " 行を省略）";
            lines.push_back(MathRow({Word(std::move(note))}));
        }
    }

private:
    std::size_t count_;
    bool whole_;
};

template <typename... Kinds> std::size_t CountSteps(const std::vector<THuteiStep>& steps) {
    std::size_t count = 0;
    for (const THuteiStep& step : steps) {
        count += (std::holds_alternative<Kinds>(step) || ...) ? 1 : 0;
    }
    return count;
}

// "x = 5n + 2, y = −3n − 1 (n は整数)": every solution, the board's answer on one line.
TMath EverySolutionLine(const THuteiSolution& solution) {
    TMath answer = HuteiAnswer(solution, true);
    return MathRow(
        {std::move(answer.Parts[0]), Comma(), std::move(answer.Parts[1]), Word("(n は整数)")});
}

TMath WriteHutei(const THuteiSteps& steps, TStepRun run) {
    const TInteger& a = steps.A;
    const TInteger& bb = steps.B;
    const TInteger& c = steps.C;
    const THuteiSolution& solution = steps.Solution;
    const bool general = steps.General;
    std::vector<TMath> lines;
    // Euclid's algorithm and its back substitution may be abridged, each a run of its own.
    const TLineRun divisions(CountSteps<TEuclidDivision>(steps.Steps), run);
    const TLineRun substitutions(CountSteps<TBezoutStart, TBezoutAtOnce, TBezoutBack>(steps.Steps),
                                 run);
    std::size_t division = 0;
    std::size_t substitution = 0;
    const auto write = TStepWriter{
        [&](const TReadOff& step) {
            const char* known = step.OnlyY ? "y" : "x";
            const char* free = step.OnlyY ? "x" : "y";
            const TMath equation =
                Equals(TermsMath({{{step.Coefficient, 1}, Letter(known)}}), IntegerMath(c));
            lines.push_back(
                MathRow({equation, Word("より"), Equals(Letter(known), IntegerMath(step.Value))}));
            lines.push_back(MathRow(
                {Letter(free),
                 Word(general ? "はどんな整数でもよいので" : "はどんな整数でもよいので 例えば")}));
        },
        [&](const TNotDivisible& step) {
            lines.push_back(MathRow({IntegerMath(c), Word("は"), Number(Abs(step.Coefficient)),
                                     Word("で割り切れないので 整数解はありません")}));
        },
        [&](const TEuclidDivision& step) {
            divisions.Put(division++, lines, [&] {
                return Equals(Number(step.Dividend),
                              MathRow({Number(step.Divisor), Dot(), Number(step.Quotient), Op("+"),
                                       Number(step.Remainder)}));
            });
        },
        [&](const TGcdFound& step) {
            lines.push_back(
                MathRow({Word("gcd"), Paren(MathRow({Number(Abs(a)), Comma(), Number(Abs(bb))})),
                         Op("="), Number(step.Gcd)}));
            if (!step.Divides) {
                lines.push_back(
                    MathRow({Number(Abs(a)), Word("と"), Number(Abs(bb)), Word("の最大公約数"),
                             Number(step.Gcd), Word("は"), IntegerMath(c),
                             Word("を割り切らないので、整数解はありません")}));
            }
        },
        [&](const TBezoutStart& step) {
            substitutions.Put(substitution++, lines, [&] {
                return Equals(Number(step.Gcd),
                              MathRow({Number(step.Dividend), Op("−"), Number(step.Divisor), Dot(),
                                       Number(step.Quotient)}));
            });
        },
        [&](const TBezoutAtOnce& step) {
            substitutions.Put(substitution++, lines, [&] {
                return Equals(Number(step.Gcd), Combination(step.Dividend, 0, step.Divisor, 1));
            });
        },
        [&](const TBezoutBack& step) {
            substitutions.Put(substitution++, lines, [&] {
                const TMath inner = MathRow({Number(step.Dividend), Op("−"), Number(step.Larger),
                                             Dot(), Number(step.Quotient)});
                std::vector<TMath> put = {Op("="), Number(step.Larger)};
                if (step.A != 1) {
                    put.push_back(Dot());
                    put.push_back(SignedInt(step.A));
                }
                put.push_back(Op(step.B.Sign() < 0 ? "−" : "+"));
                put.push_back(Paren(inner));
                if (Abs(step.B) != 1) {
                    put.push_back(Dot());
                    put.push_back(Number(Abs(step.B)));
                }
                put.push_back(Op("="));
                put.push_back(Combination(step.Dividend, step.NextA, step.Larger, step.NextB));
                return MathRow(std::move(put));
            });
        },
        [&](const TScaleUp& step) {
            const std::string label = step.Numbered ? Circled(1) : std::string();
            if (step.K == 1) {
                lines.push_back(MathRow(
                    {Word("よって"),
                     Numbered(PutIn(a, bb, c, SignedInt(step.X), SignedInt(step.Y)), label)}));
                return;
            }
            lines.push_back(
                MathRow({Word("両辺に"), IntegerMath(step.K), Word("を掛けて"),
                         Numbered(PutIn(a, bb, c, ScaledFactor(step.XGcd, step.K, step.X),
                                        ScaledFactor(step.YGcd, step.K, step.Y)),
                                  label)}));
        },
        [&](const TShift& step) {
            const TScaleUp& from = step.From;
            lines.push_back(MathRow({Shifted("x", ShiftedFrom(from.XGcd, from.K, from.X),
                                             step.StepX, step.Shift, solution.X),
                                     Comma(),
                                     Shifted("y", ShiftedFrom(from.YGcd, from.K, from.Y),
                                             step.StepY, step.Shift, solution.Y),
                                     Word("とすると")}));
            lines.push_back(Numbered(PutIn(a, bb, c, SignedInt(solution.X), SignedInt(solution.Y)),
                                     step.Numbered ? Circled(1) : std::string()));
        },
        [&](const TNumberedEquation&) {
            lines.push_back(Numbered(HuteiProblem(a, bb, c, true), Circled(0)));
        },
        [&](const TZeroSolution&) {
            lines.push_back(
                MathRow({Equals(Letter("x"), Number(0)), Comma(), Equals(Letter("y"), Number(0)),
                         Word("とすると"), PutIn(a, bb, c, Number(0), Number(0))}));
        },
        [&](const TEverySolution& step) {
            // a factor 1 needs no bracket: "x + 4 = −9y".
            const auto side = [](const TInteger& factor, const char* letter,
                                 const TInteger& value) {
                return TermsMath({{{factor, 1}, LessInteger(letter, value, factor != 1)}});
            };
            const auto sides = [&](const TInteger& left, const TInteger& right) {
                return Equals(side(left, "x", solution.X), side(right, "y", solution.Y));
            };
            // The equation the multiples are read from: ③ after ① − ②, ① for c = 0.
            const std::string label = Circled(step.Subtracted ? 2 : 0);
            const std::string coprimeLabel = step.Gcd == 1 ? label : std::string();
            if (step.Subtracted) {
                const TMath difference =
                    TermsMath({{{a, 1}, LessInteger("x", solution.X, a != 1)},
                               {{bb, 1}, LessInteger("y", solution.Y, bb != 1)}});
                lines.push_back(MathRow({Word("① − ② より"), Equals(difference, Number(0))}));
                lines.push_back(MathRow(
                    {Word("すなわち"), Numbered(sides(step.Left, step.Right), coprimeLabel)}));
            } else {
                lines.push_back(MathRow({HuteiProblem(a, bb, c, true), Word("より"),
                                         Numbered(sides(step.Left, step.Right), coprimeLabel)}));
            }
            if (step.Gcd != 1) {
                std::string divided = "両辺を ";
                divided += AnswerDigits(step.Gcd);
                divided += " で割って";
                lines.push_back(
                    MathRow({Word(std::move(divided)),
                             Numbered(sides(step.LeftCoprime, step.RightCoprime), label)}));
            }
            const TMath xPart = LessInteger("x", solution.X, false);
            const bool multiple = Abs(step.RightCoprime) != 1; // a multiple of 1 goes unsaid
            if (multiple) {
                std::string reason;
                if (step.LeftCoprime == 1) {
                    reason = label + "より";
                } else {
                    reason = AnswerDigits(step.LeftCoprime);
                    reason += " と ";
                    reason += AnswerDigits(Abs(step.RightCoprime));
                    reason += " は互いに素であるから";
                }
                std::string times = "は ";
                times += AnswerDigits(Abs(step.RightCoprime));
                times += " の倍数である";
                lines.push_back(MathRow({Word(std::move(reason)), xPart, Word(std::move(times))}));
            }
            std::vector<TMath> put;
            if (multiple) {
                put.push_back(Word("よって"));
            }
            put.push_back(Equals(xPart, TermsMath({{{solution.XStep, 1}, Letter("n")}})));
            put.push_back(Word("とおくと"));
            put.push_back(Word(label + "より"));
            put.push_back(Equals(LessInteger("y", solution.Y, false),
                                 TermsMath({{{solution.YStep, 1}, Letter("n")}})));
            lines.push_back(MathRow(std::move(put)));
            lines.push_back(EverySolutionLine(solution));
        },
        [&](const THuteiAnswerStep&) {
            lines.push_back(general ? EverySolutionLine(solution) : HuteiAnswer(solution, general));
        },
    };
    for (const THuteiStep& step : steps.Steps) {
        std::visit(write, step);
    }
    return MathLines(std::move(lines));
}

} // namespace

namespace {

// Every solution from Left (x − x₀) = Right (y − y₀), a (x − x₀) + bb (y − y₀) = 0
// moved round with Left > 0, checked against the window's solution.
TEverySolution EverySolution(const TInteger& a, const TInteger& bb, const TInteger& c,
                             const THuteiSolution& solution, bool subtracted) {
    const TInteger g = Gcd(a, bb);
    TEverySolution step{subtracted, g, a, -bb, 0, 0};
    if (step.Left.Sign() < 0) {
        step.Left = -step.Left;
        step.Right = -step.Right;
    }
    step.LeftCoprime = step.Left / g;
    step.RightCoprime = step.Right / g;
    // x − x₀ = XStep·n put in LeftCoprime (x − x₀) = RightCoprime (y − y₀) gives y − y₀ = YStep·n.
    Check(a * solution.X + bb * solution.Y == c && a * solution.XStep + bb * solution.YStep == 0 &&
              Gcd(step.LeftCoprime, step.RightCoprime) == 1 &&
              Abs(solution.XStep) == Abs(step.RightCoprime) &&
              step.LeftCoprime * solution.XStep == step.RightCoprime * solution.YStep,
          "一般解");
    return step;
}

} // namespace

std::optional<THuteiSteps> SolveHuteiSteps(const TInteger& a, const TInteger& b, const TInteger& c,
                                           bool plus, const THuteiSolution& solution,
                                           bool general) {
    if (a.IsZero() && b.IsZero()) {
        return std::nullopt;
    }
    THuteiSteps steps{a, plus ? b : -b, c, solution, general, {}};
    const TInteger& bb = steps.B; // the equation as a x + bb y = c
    std::vector<THuteiStep>& out = steps.Steps;

    // One unknown: read off, the other free.
    if (a.IsZero() || b.IsZero()) {
        const bool onlyY = a.IsZero();
        const TInteger& k = onlyY ? bb : a;
        if (!(c % k).IsZero()) {
            out.push_back(TNotDivisible{k});
            return steps;
        }
        const TInteger value = c / k;
        Check(a * solution.X + bb * solution.Y == c && (onlyY ? solution.Y : solution.X) == value &&
                  a * solution.XStep + bb * solution.YStep == 0,
              "一般解");
        out.push_back(TReadOff{onlyY, k, value});
        out.push_back(THuteiAnswerStep{});
        return steps;
    }

    // c = 0: x = y = 0 is a solution, and every solution is read off the equation itself.
    if (c.IsZero() && solution.X.IsZero() && solution.Y.IsZero()) {
        if (general) {
            out.push_back(EverySolution(a, bb, c, solution, false));
        } else {
            out.push_back(TZeroSolution{});
            out.push_back(THuteiAnswerStep{});
        }
        return steps;
    }

    // Every solution is the difference of the equation, numbered first, and one solution.
    const bool numbered = general && (c % Gcd(a, b)).IsZero();
    if (numbered) {
        out.push_back(TNumberedEquation{});
    }

    // Euclid's algorithm on p = max(|a|, |b|), q = min(|a|, |b|): r[i - 1] = r[i] t[i] + r[i + 1].
    const bool aFirst = Abs(a) >= Abs(b);
    std::vector<TInteger> r = {aFirst ? Abs(a) : Abs(b), aFirst ? Abs(b) : Abs(a)};
    std::vector<TInteger> t = {0};
    while (!r.back().IsZero()) {
        const std::size_t i = r.size() - 1;
        t.push_back(r[i - 1] / r[i]);
        r.push_back(r[i - 1] % r[i]);
    }
    const std::size_t m = r.size() - 2; // g = r[m], r[m + 1] = 0
    for (std::size_t i = 1; i <= m; ++i) {
        out.push_back(TEuclidDivision{r[i - 1], r[i], t[i], r[i + 1]});
    }
    const TInteger& g = r[m];
    Check(g == Gcd(a, b), "最大公約数");
    const bool divides = (c % g).IsZero();
    out.push_back(TGcdFound{g, divides});
    if (!divides) {
        return steps;
    }

    // g = A·x + B·y for consecutive remainders x > y, back to x = r[0], y = r[1].
    TInteger x = r[0];
    TInteger y = r[1];
    TInteger A = 0;
    TInteger B = 1;
    std::size_t j = 1;
    if (m == 1) {
        out.push_back(TBezoutAtOnce{g, x, y});
    } else {
        j = m - 1;
        x = r[j - 1];
        y = r[j];
        A = 1;
        B = -t[j];
        out.push_back(TBezoutStart{g, x, y, t[j]});
    }
    while (j > 1) {
        // y = r[j] = r[j - 2] − r[j − 1]·t[j − 1], and r[j − 1] = x.
        const TInteger nextA = B;
        const TInteger nextB = A - B * t[j - 1];
        Check(nextA * r[j - 2] + nextB * x == g, "互除法の逆算");
        out.push_back(TBezoutBack{x, A, B, r[j - 2], t[j - 1], nextA, nextB});
        y = x;
        x = r[j - 2];
        A = nextA;
        B = nextB;
        --j;
    }
    Check(A * x + B * y == g, "互除法の逆算");

    // The particular solution for a x + bb y = g, then times c/g.
    const TInteger coefA = aFirst ? A : B;
    const TInteger coefB = aFirst ? B : A;
    TScaleUp scaled;
    scaled.K = c / g;
    scaled.XGcd = a.Sign() < 0 ? -coefA : coefA;
    scaled.YGcd = bb.Sign() < 0 ? -coefB : coefB;
    scaled.X = scaled.XGcd * scaled.K;
    scaled.Y = scaled.YGcd * scaled.K;
    Check(a * scaled.X + bb * scaled.Y == c, "解の代入");
    const bool shifted = solution.X != scaled.X || solution.Y != scaled.Y;
    scaled.Numbered = numbered && !shifted;
    out.push_back(scaled);

    // The window's own particular solution, along (bb/g, −a/g).
    const TInteger sx = bb / g;
    const TInteger sy = -a / g;
    if (shifted) {
        Check(((solution.X - scaled.X) % sx).IsZero(), "解の平行移動");
        const TInteger shift = (solution.X - scaled.X) / sx;
        Check(scaled.X + sx * shift == solution.X && scaled.Y + sy * shift == solution.Y,
              "解の平行移動");
        Check(a * solution.X + bb * solution.Y == c, "解の代入");
        out.push_back(TShift{scaled, shift, sx, sy, numbered});
    }
    if (!general) {
        out.push_back(THuteiAnswerStep{});
        return steps;
    }

    out.push_back(EverySolution(a, bb, c, solution, true));
    return steps;
}

std::optional<TMath> HuteiWorking(const TInteger& a, const TInteger& b, const TInteger& c,
                                  bool plus, const THuteiSolution& solution, bool general,
                                  TStepRun run) {
    const std::optional<THuteiSteps> steps = SolveHuteiSteps(a, b, c, plus, solution, general);
    if (!steps) {
        return std::nullopt;
    }
    return WriteHutei(*steps, run);
}

namespace {

// Polynomials.

int TermCount(const TPolynomial& p) {
    const TPolynomial q = Normalized(p);
    int count = 0;
    for (int i = 0; i <= q.Degree(); ++i) {
        count += IsZero(PolyCoeff(q, i)) ? 0 : 1;
    }
    return count;
}

// A polynomial as a factor: bare when it is one non-negative number, letter
// or power of the letter, otherwise in brackets.
TMath Operand(const TPolynomial& p) {
    TMath math = PolynomialMath(p);
    const bool bare = math.Parts.size() == 1 && (math.Parts[0].Kind == TMathKind::Number ||
                                                 math.Parts[0].Kind == TMathKind::Letter ||
                                                 math.Parts[0].Kind == TMathKind::Power);
    return bare ? math : Paren(std::move(math));
}

// "(x² − 1)·x", "(x − 1)(x + 1)": the dot only before a factor without
// brackets; a number goes first, "3(x² − 1)".
TMath ProductOf(const TPolynomial& a, const TPolynomial& b) {
    if (Normalized(b).Degree() == 0 && Normalized(a).Degree() > 0) {
        return MathRow({Operand(b), Operand(a)});
    }
    TMath right = Operand(b);
    if (right.Kind == TMathKind::Paren) {
        return MathRow({Operand(a), std::move(right)});
    }
    return MathRow({Operand(a), Dot(), std::move(right)});
}

// f = g·q + r with deg r < deg g, checked.
TDivisionLine Division(const TPolynomial& f, const TPolynomial& g, const TPolynomial& q,
                       const TPolynomial& r) {
    const TPolynomial rest = Normalized(r);
    Check((g * q) + r == f && (PolyIsZero(rest) || rest.Degree() < Normalized(g).Degree()),
          "割り算");
    return {f, g, Normalized(q), rest};
}

// "f = g·q + r"; r after its own sign: "… − 3x + 5". A constant quotient
// stands first: "(1/2)·(4x² − 4)".
TMath DivisionMath(const TDivisionLine& line) {
    const TPolynomial& quotient = line.Quotient;
    const TPolynomial& rest = line.Remainder;
    TMath product = quotient.Degree() == 0
                        ? MathRow({Factor(PolyCoeff(quotient, 0)), Dot(), Operand(line.Divisor)})
                        : ProductOf(line.Divisor, quotient);
    TMath remainder = PolynomialMath(rest);
    const bool negative = Negative(PolyCoeff(rest, rest.Degree()));
    if (negative) {
        return Equals(PolynomialMath(line.Dividend),
                      MathRow({std::move(product), std::move(remainder)}));
    }
    return Equals(PolynomialMath(line.Dividend),
                  MathRow({std::move(product), Op("+"), std::move(remainder)}));
}

// Whether every coefficient of p has at most `digits` digits above and below.
bool ShortCoefficients(const TPolynomial& p, std::size_t digits) {
    const TPolynomial q = Normalized(p);
    for (int i = 0; i <= q.Degree(); ++i) {
        const TRational c = Reduced(PolyCoeff(q, i));
        if (c.Num().LongerThan(digits) || c.Den().LongerThan(digits)) {
            return false;
        }
    }
    return true;
}

// The long division of the line's f by g, one step per term of the
// quotient, checked against the line's quotient and remainder; none where
// g is a constant, f's degree is below g's or a number in it would be
// longer than a table should hold.
std::optional<TLongDivision> LongDivisionOf(const TDivisionLine& line) {
    constexpr std::size_t kDigits = 12;
    const TPolynomial f = Normalized(line.Dividend);
    const TPolynomial g = Normalized(line.Divisor);
    const int n = g.Degree();
    if (n < 1 || PolyIsZero(f) || f.Degree() < n || !ShortCoefficients(f, kDigits) ||
        !ShortCoefficients(g, kDigits)) {
        return std::nullopt;
    }
    TLongDivision division{f, g, line.Quotient, {}};
    TPolynomial quotient;
    TPolynomial left = f;
    while (!PolyIsZero(left) && left.Degree() >= n) {
        const int power = left.Degree() - n;
        const TRational c = Reduced(PolyCoeff(left, left.Degree()) / PolyCoeff(g, n));
        const TPolynomial product = Monomial(c, power) * g;
        const TPolynomial next = Normalized(left - product);
        Check(PolyIsZero(next) || next.Degree() < left.Degree(), "筆算の引き算");
        left = next;
        quotient = quotient + Monomial(c, power);
        // The terms brought down reach the power of the next product's last term.
        const int lowest = !PolyIsZero(left) && left.Degree() >= n ? left.Degree() - n : 0;
        if (!ShortCoefficients(product, kDigits) || !ShortCoefficients(left, kDigits)) {
            return std::nullopt;
        }
        division.Steps.push_back({{c, power}, product, left, lowest});
    }
    Check(quotient == line.Quotient && left == line.Remainder &&
              ShortCoefficients(quotient, kDigits),
          "筆算の商と余り");
    return division;
}

// The table of a long division: after the divisor's column a column for
// the term of each power of the dividend, each below its highest with a
// column for its sign before it. A row's first term carries its own sign.
TMath LongDivisionTable(const TLongDivision& division) {
    const int top = division.Dividend.Degree();
    const std::size_t columns = 2 * static_cast<std::size_t>(top + 1);
    // The terms of p down to the power `lowest` in their columns, "0" for none.
    const auto row = [&](TMath first, const TPolynomial& p, int lowest) {
        std::vector<TMath> cells(columns, MathRow({}));
        cells[0] = std::move(first);
        bool lead = true;
        for (int i = top; i >= lowest; --i) {
            const TRational c = Reduced(PolyCoeff(p, i));
            if (IsZero(c)) {
                continue;
            }
            const std::size_t at = 1 + 2 * static_cast<std::size_t>(top - i);
            const bool negative = Negative(c);
            TMath term = PolynomialMath(Monomial(negative ? -c : c, i));
            if (lead) {
                cells[at] = negative ? MathRow({Op("−"), std::move(term)}) : std::move(term);
            } else {
                Check(i < top, "筆算の列");
                cells[at - 1] = Op(negative ? "−" : "+");
                cells[at] = std::move(term);
            }
            lead = false;
        }
        if (lead) {
            cells[columns - 1] = Number(0);
        }
        return cells;
    };
    std::vector<std::vector<TMath>> rows = {
        row(MathRow({}), division.Quotient, 0),
        row(PolynomialMath(division.Divisor), division.Dividend, 0)};
    std::string rules = ".)";
    for (const TLongDivisionStep& step : division.Steps) {
        rows.push_back(row(MathRow({}), step.Product, 0));
        rows.push_back(row(MathRow({}), step.Left, step.Lowest));
        rules += "._";
    }
    return MathTable(std::move(rows), rules);
}

// The terms of sign·p from the highest power down.
void AppendTerms(const TPolynomial& p, const TRational& sign, std::vector<TPolyTerm>& terms) {
    const TPolynomial q = Normalized(p);
    for (int i = q.Degree(); i >= 0; --i) {
        const TRational c = PolyCoeff(q, i);
        if (!IsZero(c)) {
            terms.push_back({sign * c, i});
        }
    }
}

// A row of signed terms in x.
TMath TermsInX(const std::vector<TPolyTerm>& terms) {
    std::vector<TMathTerm> math;
    for (const TPolyTerm& term : terms) {
        const int i = term.Power;
        TMath unit = i == 0 ? MathRow({}) : i == 1 ? Letter("x") : Power(Letter("x"), i);
        math.push_back({term.Coefficient, std::move(unit)});
    }
    return TermsMath(math);
}

// "(x + 1) × (x² − 2) = … = x³ + x² − 2x − 2" with `middle` the step between
// the problem and the value, if any. A step that changes nothing is left
// out, and so is a working that has none.
std::optional<TMath> SumProductMath(TMath problem, std::optional<TMath> middle,
                                    const TPolynomial& value) {
    std::vector<TMath> row{std::move(problem), Op("=")};
    if (middle) {
        row.push_back(std::move(*middle));
        row.push_back(Op("="));
    }
    TMath answer = PolynomialMath(value);
    if (SameForm(row[0], answer)) {
        return std::nullopt;
    }
    if (row.size() > 2 && (SameForm(row[2], row[0]) || SameForm(row[2], answer))) {
        row.resize(2);
    }
    row.push_back(std::move(answer));
    return MathLines({MathRow(std::move(row))});
}

// A factor c·uⁱ of a binomial term: "x²", "(2x)³", "(−3)²", left out for i = 0.
void PushPower(std::vector<TMath>& factors, const TPolynomial& u, int i) {
    if (i == 0) {
        return;
    }
    TMath base = Operand(u);
    factors.push_back(i == 1 ? std::move(base)
                             : MathParts(TMathKind::Power, {std::move(base), Number(i)}));
}

// "x³ + 3·x²·1 + 3·x·1² + 1³".
TMath BinomialMath(const TBinomialExpansion& expansion) {
    std::vector<TMath> parts;
    for (const TBinomialTerm& term : expansion.Terms) {
        std::vector<TMath> factors;
        if (term.Choose != 1) {
            factors.push_back(Number(term.Choose));
        }
        PushPower(factors, term.U, term.UPower);
        PushPower(factors, term.V, term.VPower);
        if (&term != &expansion.Terms.front()) {
            parts.push_back(Op("+"));
        }
        for (std::size_t i = 0; i < factors.size(); ++i) {
            if (i > 0) {
                parts.push_back(Dot());
            }
            parts.push_back(std::move(factors[i]));
        }
    }
    return MathRow(std::move(parts));
}

// A polynomial power from `head`, multiplied out as the method says.
void PolynomialPowerLines(const TPolynomialPowerSteps& steps, TMath head,
                          std::vector<TMath>& lines) {
    const TPolynomial& power = steps.Power.Power;
    std::visit(TStepWriter{
                   [&](const TPowerAsIs&) { lines.push_back(Equals(head, PolynomialMath(power))); },
                   [&](const TBinomialExpansion& expansion) {
                       lines.push_back(Equals(head, BinomialMath(expansion)));
                       lines.push_back(MathRow({Op("="), PolynomialMath(power)}));
                   },
                   [&](const TRepeatedProduct& repeated) {
                       // (f)(f)(f), then (f²)(f) with the first two multiplied out, then f³.
                       const int n = steps.Exponent;
                       const auto factors = [&](const TPolynomial* done, int copies) {
                           std::vector<TMath> parts;
                           if (done != nullptr) {
                               parts.push_back(Paren(PolynomialMath(*done)));
                           }
                           for (int i = 0; i < copies; ++i) {
                               parts.push_back(Paren(PolynomialMath(steps.F)));
                           }
                           return MathRow(std::move(parts));
                       };
                       lines.push_back(Equals(head, factors(nullptr, n)));
                       for (int k = 2; k <= n; ++k) {
                           const TPolynomial& p = repeated.Products[k - 2];
                           lines.push_back(
                               MathRow({Op("="), k < n ? factors(&p, n - k) : PolynomialMath(p)}));
                       }
                   },
               },
               steps.Method);
}

std::optional<TMath> WriteOperation(const TOperationSteps& steps) {
    std::vector<TMath> lines;
    // "fⁿ" with the base as the problem line writes it.
    const auto raised = [](const TMath& problem, const TInteger& n) {
        return MathParts(TMathKind::Power, {problem.Parts[0].Parts[0], Number(n)});
    };
    return std::visit(
        TStepWriter{
            [&](const TAdditionSteps& s) {
                return SumProductMath(OperationProblem(s.Operation, s.F, s.G), TermsInX(s.Terms),
                                      s.Value);
            },
            [&](const TProductSteps& s) {
                std::vector<TMath> parts;
                for (const TPolynomial& part : s.Parts) {
                    if (!parts.empty()) {
                        parts.push_back(Op("+"));
                    }
                    parts.push_back(Paren(PolynomialMath(part)));
                }
                std::optional<TMath> middle;
                if (!parts.empty()) {
                    middle = MathRow(std::move(parts));
                }
                return SumProductMath(OperationProblem(TOperation::Multiply, s.F, s.G),
                                      std::move(middle), s.Value);
            },
            [&](const TQuotientSteps& s) -> std::optional<TMath> {
                if (s.LongDivision) {
                    lines.push_back(LongDivisionTable(*s.LongDivision));
                }
                lines.push_back(DivisionMath(s.Division));
                lines.push_back(QuotientAnswer(s.Quotient));
                return MathLines(std::move(lines));
            },
            [&](const TCommonSteps& s) -> std::optional<TMath> {
                for (const TDivisionLine& line : s.Euclid) {
                    lines.push_back(DivisionMath(line));
                }
                std::vector<TMath> named = {Word("最大公約数は"), PolynomialMath(s.Last)};
                if (s.Scaled) {
                    named.push_back(Word("を定数倍して"));
                    named.push_back(PolynomialMath(s.Gcd));
                }
                lines.push_back(MathRow(std::move(named)));
                if (s.Operation == TOperation::Lcm) {
                    lines.push_back(MathRow(
                        {Word("最小公倍数は"),
                         MathParts(TMathKind::Fraction, {ProductOf(s.F, s.G), Operand(s.Gcd)}),
                         Op("="), PolynomialMath(s.Result.Value)}));
                }
                // The factored answer, unless the line above already ends in it.
                TMath answer = CommonAnswer(s.Result);
                if (MathToUnicode(answer) != MathToUnicode(PolynomialMath(s.Result.Value))) {
                    lines.push_back(MathRow({Op("="), std::move(answer)}));
                }
                return MathLines(std::move(lines));
            },
            [&](const TPolynomialPowerSteps& s) -> std::optional<TMath> {
                const TMath problem = OperationProblem(TOperation::Power, s.F, s.G);
                if (!s.Reciprocal) {
                    PolynomialPowerLines(s, problem, lines);
                    return MathLines(std::move(lines));
                }
                const TMath power = raised(problem, s.Exponent);
                lines.push_back(
                    Equals(problem, MathParts(TMathKind::Fraction, {Number(1), power})));
                PolynomialPowerLines(s, power, lines);
                lines.push_back(Equals(problem, PowerAnswer(s.Power)));
                return MathLines(std::move(lines));
            },
            [&](const TConstantPowerSteps& s) -> std::optional<TMath> {
                const TMath problem = OperationProblem(TOperation::Power, s.F, s.G);
                std::vector<TMath> parts = {problem, Op("=")};
                if (s.Reciprocal) {
                    parts.push_back(
                        MathParts(TMathKind::Fraction, {Number(1), raised(problem, s.Exponent)}));
                    parts.push_back(Op("="));
                } else if (s.Factors > 0) {
                    std::vector<TMath> factors;
                    for (int i = 0; i < s.Factors; ++i) {
                        if (i > 0) {
                            factors.push_back(Dot());
                        }
                        factors.push_back(Factor(s.Base));
                    }
                    parts.push_back(MathRow(std::move(factors)));
                    parts.push_back(Op("="));
                }
                parts.push_back(PowerAnswer(s.Power));
                lines.push_back(MathRow(std::move(parts)));
                return MathLines(std::move(lines));
            },
            [&](const TSubstitutionSteps& s) -> std::optional<TMath> {
                // Each xⁱ of f replaced by g(x)ⁱ.
                std::vector<TMathTerm> terms;
                for (const TPolyTerm& term : s.Terms) {
                    TMath unknown = MathRow({});
                    if (term.Power == 1) {
                        unknown = Operand(s.G);
                    } else if (term.Power > 1) {
                        unknown = MathParts(TMathKind::Power, {Operand(s.G), Number(term.Power)});
                    }
                    terms.push_back({term.Coefficient, std::move(unknown)});
                }
                const TMath head =
                    MathRow({Letter("f"), Paren(MathRow({Letter("g"), Paren(Letter("x"))}))});
                const TMath put = TermsMath(terms);
                const TMath answer = PolynomialAnswer(s.Value);
                std::vector<TMath> parts = {head, Op("="), put};
                if (MathToUnicode(put) != MathToUnicode(answer)) {
                    parts.push_back(Op("="));
                    parts.push_back(answer);
                }
                lines.push_back(MathRow(std::move(parts)));
                return MathLines(std::move(lines));
            },
        },
        steps);
}

// A sum or difference with the brackets taken off; a product by the
// distributive law where both factors have more than one term.
TOperationSteps SumProductSteps(TOperation operation, const TPolynomial& f, const TPolynomial& g,
                                const TPolynomial& value) {
    const TPolynomial nf = Normalized(f);
    const TPolynomial ng = Normalized(g);
    if (operation == TOperation::Multiply) {
        TProductSteps steps{f, g, {}, Normalized(value)};
        if (TermCount(nf) > 1 && TermCount(ng) > 1) {
            TPolynomial total;
            for (int i = nf.Degree(); i >= 0; --i) {
                if (IsZero(PolyCoeff(nf, i))) {
                    continue;
                }
                steps.Parts.push_back(Monomial(PolyCoeff(nf, i), i) * ng);
                total = total + steps.Parts.back();
            }
            Check(total == steps.Value, "分配法則");
        }
        Check((nf * ng) == steps.Value, "積");
        return steps;
    }
    TAdditionSteps steps{operation, f, g, {}, Normalized(value)};
    AppendTerms(nf, {1, 1}, steps.Terms);
    AppendTerms(ng, {operation == TOperation::Add ? 1 : -1, 1}, steps.Terms);
    const TPolynomial expected = operation == TOperation::Add ? (nf + ng) : (nf - ng);
    Check(expected == steps.Value, "和と差");
    return steps;
}

// A polynomial base: the binomial theorem for two terms, repeated products
// for more, the power as it stands for one term or an exponent below 2.
TPowerMethod PolynomialPowerMethod(const TPolynomial& f, int n, const TPolynomial& power) {
    const auto repeated = [&] {
        TPolynomial p = Monomial({1, 1}, 0);
        for (int i = 0; i < n; ++i) {
            p = p * f;
        }
        return p;
    };
    if (n <= 1) {
        Check((n == 0 ? Monomial({1, 1}, 0) : Normalized(f)) == power, "累乗");
        return TPowerAsIs{};
    }
    if (TermCount(f) == 2) {
        // (u + v)ⁿ = Σ ₙCₖ uⁿ⁻ᵏ vᵏ.
        const TPolynomial p = Normalized(f);
        int low = 0;
        while (IsZero(PolyCoeff(p, low))) {
            ++low;
        }
        const TPolynomial u = Monomial(PolyCoeff(p, p.Degree()), p.Degree());
        const TPolynomial v = Monomial(PolyCoeff(p, low), low);
        TBinomialExpansion expansion;
        TPolynomial sum;
        TInteger choose = 1;
        for (int k = 0; k <= n; ++k) {
            TPolynomial term = Monomial({choose, 1}, 0);
            for (int i = 0; i < n - k; ++i) {
                term = term * u;
            }
            for (int i = 0; i < k; ++i) {
                term = term * v;
            }
            sum = sum + term;
            expansion.Terms.push_back({choose, u, n - k, v, k});
            choose = choose * (n - k) / (k + 1);
        }
        Check(sum == power, "二項定理");
        return expansion;
    }
    if (TermCount(f) == 1) {
        Check(power == repeated(), "累乗");
        return TPowerAsIs{};
    }
    TRepeatedProduct product;
    TPolynomial p = Normalized(f);
    for (int k = 2; k <= n; ++k) {
        p = p * f;
        product.Products.push_back(p);
    }
    Check(p == power, "累乗");
    return product;
}

// f to the power g as the window raised it.
std::optional<TOperationSteps> PowerSteps(const TPolynomial& f, const TPolynomial& g,
                                          const TPower& power) {
    const std::optional<TInteger> exponent = PolyToInt(Normalized(g));
    if (!exponent || power.TooLong) {
        return std::nullopt;
    }
    Check(*exponent == power.Exponent, "指数");
    const TInteger size = Abs(power.Exponent);
    const bool negative = power.Exponent.Sign() < 0;
    if (!power.ConstantBase) {
        Check(!PolyIsZero(Normalized(f)) && Normalized(f).Degree() > 0 && size <= kMaxDegree,
              "累乗");
        const int n = static_cast<int>(size.ToLong());
        return TPolynomialPowerSteps{f,    g, negative, n, PolynomialPowerMethod(f, n, power.Power),
                                     power};
    }
    // A constant c: cⁿ exactly, checked against the digits of the answer.
    const TRational c = Reduced(PolyCoeff(f, 0));
    Check(!(IsZero(c) && negative), "0 の負の累乗");
    TInteger top = 1;
    TInteger bottom = 1;
    bool odd = size.IsOdd();
    if (IsZero(c)) {
        top = size.IsZero() ? 1 : 0;
        odd = false;
    } else if (Abs(c.Num()) != 1 || c.Den() != 1) {
        Check(size.FitsLong() && size.ToLong() <= 4000, "累乗の桁数");
        top = Power(Abs(c.Num()), static_cast<unsigned long>(size.ToLong()));
        bottom = Power(c.Den(), static_cast<unsigned long>(size.ToLong()));
    }
    if (negative) {
        std::swap(top, bottom);
    }
    Check(top.Text() == power.Numerator && bottom.Text() == power.Denominator &&
              power.Negative == (Negative(c) && odd),
          "累乗の値");
    // Up to six factors are written out: "(−2)³ = (−2)·(−2)·(−2) = −8".
    const int factors = !negative && size >= 2 && size <= 6 ? static_cast<int>(size.ToLong()) : 0;
    return TConstantPowerSteps{f, g, c, size, negative, factors, power};
}

} // namespace

std::optional<TOperationSteps> SolveOperationSteps(TOperation operation, const TPolynomial& f,
                                                   const TPolynomial& g,
                                                   const TOperationResult& result) {
    switch (operation) {
    case TOperation::Add:
    case TOperation::Subtract:
    case TOperation::Multiply:
        if (PolyIsZero(Normalized(f)) || PolyIsZero(Normalized(g))) {
            return std::nullopt;
        }
        return SumProductSteps(operation, f, g, result.Value);
    case TOperation::Divide: {
        if (PolyIsZero(Normalized(g))) {
            return std::nullopt;
        }
        TQuotientSteps steps{std::nullopt,
                             Division(f, g, result.Quotient.Quotient, result.Quotient.Remainder),
                             result.Quotient};
        steps.LongDivision = LongDivisionOf(steps.Division);
        return steps;
    }
    case TOperation::Gcd:
    case TOperation::Lcm: {
        if (PolyIsZero(Normalized(f)) || PolyIsZero(Normalized(g))) {
            return std::nullopt;
        }
        TCommonSteps steps;
        steps.Operation = operation;
        steps.F = f;
        steps.G = g;
        // Euclid's algorithm, the larger degree first.
        TPolynomial a = Normalized(f);
        TPolynomial b = Normalized(g);
        if (a.Degree() < b.Degree()) {
            std::swap(a, b);
        }
        for (int step = 0; !PolyIsZero(b); ++step) {
            Check(step <= 2 * kMaxDegree + 2, "互除法の長さ");
            const TPolyDivision division = DivMod(a, b);
            steps.Euclid.push_back(Division(a, b, division.Quotient, division.Remainder));
            a = b;
            b = Normalized(division.Remainder);
        }
        steps.Last = a;
        // The window's gcd is the last remainder times a constant.
        const TCommonPolynomial gcd = operation == TOperation::Gcd ? result.Common : GcdOf(f, g);
        const TPolyDivision scaled = DivMod(gcd.Value, steps.Last);
        const TPolynomial scale = Normalized(scaled.Quotient);
        Check(PolyIsZero(Normalized(scaled.Remainder)) && scale.Degree() == 0 && !PolyIsZero(scale),
              "最大公約数");
        steps.Gcd = gcd.Value;
        steps.Scaled = steps.Last != gcd.Value;
        if (operation == TOperation::Lcm) {
            // f·(g/gcd), as the window forms it; f·g itself may pass the degree limit.
            const TPolyDivision cofactor = DivMod(g, gcd.Value);
            Check(PolyIsZero(Normalized(cofactor.Remainder)) &&
                      f * cofactor.Quotient == result.Common.Value,
                  "最小公倍数");
        }
        steps.Result = result.Common;
        return steps;
    }
    case TOperation::Power:
        return PowerSteps(f, g, result.Power);
    case TOperation::Substitute: {
        // Each xⁱ of f replaced by g(x)ⁱ.
        const TPolynomial p = Normalized(f);
        TSubstitutionSteps steps{g, {}, result.Value};
        for (int i = p.Degree(); i >= 0; --i) {
            steps.Terms.push_back({Reduced(PolyCoeff(p, i)), i});
        }
        Check(Compose(f, g) == result.Value, "合成関数");
        return steps;
    }
    }
    return std::nullopt;
}

std::optional<TMath> OperationWorking(TOperation operation, const TPolynomial& f,
                                      const TPolynomial& g, const TOperationResult& result) {
    const std::optional<TOperationSteps> steps = SolveOperationSteps(operation, f, g, result);
    if (!steps) {
        return std::nullopt;
    }
    return WriteOperation(*steps);
}

} // namespace arith
