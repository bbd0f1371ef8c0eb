// SPDX-License-Identifier: GPL-3.0-or-later
// One calculation of a window without the window: what the window holds when
// a command is given (its field texts, its checked radio buttons), and
// everything the window and the answer board show afterwards (the answer
// fields' texts, the messages in order, the field that gets the focus, the
// board's entry). A window's problem entry runs its handler on a
// TCalculation, which reads the fields, collects the warnings and stops as
// the window would; the window only hands over its widgets' state and puts
// the result back into them.
#pragma once

#include "BoardEntry.h"
#include "Integer.h"
#include "Messages.h"
#include "Outcome.h"
#include "Polynomial.h"
#include "Rational.h"
#include "WindowInput.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace problems {

// The initial text of answer fields, which a stopped calculation puts back.
inline constexpr const char* kAnswerText = "answer";

// The captions of the two message boxes.
inline constexpr const char* kWarningCaption = "警告";
inline constexpr const char* kErrorCaption = "Vorantel";

// A message box: a warning of the window's own checks, or the general error
// box of a failure that abandoned the calculation (its text without the
// final "." that the box appends).
struct TMessage {
    enum class Kind { Warning, Error };
    Kind Type = Kind::Warning;
    std::string Text;
};

// The text a field ends a calculation with.
struct TFieldText {
    std::string Name;
    std::string Text;
    bool Written = true; // false: the calculation left the field as it was
};

// Everything one calculation shows.
struct TWindowResult {
    // The answer fields of the command's mode, in the window's reading order,
    // with the texts they end with (after a stop, the texts they go back
    // to), then any other field the calculation wrote.
    std::vector<TFieldText> Fields;
    std::vector<TMessage> Messages; // in the order the boxes appear
    bool Stopped = false;           // ended without an answer (messages say why, if anything)
    // After a stop on fields that could not be read: those fields in
    // reading order, and the first of them that the mode uses, which gets
    // the focus with its text selected.
    std::vector<std::string> BadFields;
    std::optional<std::string> Focus;
    // The fields the calculation read, in reading order.
    std::vector<std::string> FieldsRead;
    // The calculation as the board shows it, once it named its problem and
    // ended with an answer or a message; its Window is left to the caller.
    std::optional<TBoardEntry> Board;
};

// The handler side of one calculation: readers, warnings, answers.
class TCalculation {
public:
    explicit TCalculation(const TWindowInput& input) : input_(input) {}

    const TWindowInput& Input() const { return input_; }
    bool Checked(const std::string& radio) const { return input_.IsChecked(radio); }
    const std::string& Command() const { return input_.Command; }

    // The answer fields of the running mode, in reading order, with the
    // texts they go back to should the calculation stop.
    struct TAnswerField {
        const char* Name;
        const char* Initial = kAnswerText;
    };
    void Answers(std::initializer_list<TAnswerField> fields);
    // Fields the running mode leaves disabled: they are read but never take the focus.
    void Unused(std::initializer_list<const char*> fields);

    // Field readers. Each reads the field's text as NormalizeInput leaves it.
    // A field that cannot be read warns at once ("'…' の入力が間違ってます"
    // naming its text, or the reading failure: a character that is no
    // digit, a zero or missing denominator, a number too large) and reads as
    // 0; StopOnBadFields must follow once every field is read. A text longer
    // than 32767 characters (UTF-16 units, as a field counts them) is
    // refused as too large, never cut.
    arith::TRational ReadRational(const char* field);
    // One number field as a constant polynomial, as typed (not reduced).
    arith::TPolynomial ReadConstant(const char* field);
    // Coefficient fields, names[i] holding the coefficient of x^i, read from
    // the highest power down into a polynomial in normal form.
    arith::TPolynomial ReadCoefficients(std::initializer_list<const char*> names);
    arith::TPolynomial ReadCoefficients(const std::vector<std::string>& names);
    arith::TPolynomial ReadPolynomial(const char* field, char letter);
    arith::TInteger ReadInteger(const char* field);
    // Stops when a field read so far could not be read.
    void StopOnBadFields() const;

    // Writes an answer field (or an echoed input field).
    void Write(const char* field, std::string text);

    // The board's view of the calculation, handed over as how to write each
    // part; the board writes them when it shows the calculation.
    void Problem(std::function<arith::TMath()> problem);
    void Answer(std::function<arith::TMath()> answer, std::initializer_list<const char*> fields);
    void Working(std::function<std::optional<arith::TMath>()> working,
                 std::function<std::optional<arith::TMath>()> whole = {});
    void Graph(std::function<arith::TGraph()> graph);
    // The answer's values in decimals, where it holds a fraction or a root.
    void Decimals(std::function<std::optional<arith::TMath>()> decimals);

    void Warn(arith::TWarning warning);
    void Warn(std::optional<arith::TWarning> warning);
    // Shows the warnings of an outcome in order and gives its answer, if
    // any; an outcome without an answer stops the calculation.
    template <typename T> std::optional<T> Accept(arith::TOutcome<T> outcome) {
        for (arith::TWarning warning : outcome.Warnings) {
            Warn(warning);
        }
        if (!outcome.Answer) {
            Stop(outcome.Warnings.empty() ? std::nullopt : std::optional(outcome.Warnings.back()));
        }
        return std::move(outcome.Answer);
    }

    // Runs a handler as one calculation and gives what it shows. A failure
    // that abandons it becomes an error message.
    static TWindowResult Run(const TWindowInput& input,
                             const std::function<void(TCalculation&)>& handler);

private:
    void ReadField(const char* field, const std::function<bool(const std::string&)>& read);
    void Stop(std::optional<arith::TWarning> warning);
    void Fail(const std::string& message);
    TWindowResult Finish();

    const TWindowInput& input_;
    std::vector<std::pair<std::string, std::string>> answers_; // field, initial text
    std::map<std::string, std::string> written_;
    std::set<std::string> unused_;
    std::vector<std::string> badFields_;
    std::vector<std::string> read_;
    std::vector<TMessage> messages_;
    bool stopped_ = false;
    std::optional<TBoardEntry> entry_;
};

} // namespace problems
