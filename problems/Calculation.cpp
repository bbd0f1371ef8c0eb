// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculation.h"

#include "Errors.h"
#include "InputText.h"
#include "IntText.h"

#include <algorithm>
#include <exception>

namespace problems {

namespace {

// The longest text a field hands over to be read, in UTF-16 units as a field
// counts its characters: the toolkit's usual limit, far beyond any number of
// 500 digits. A longer text is refused as too large.
constexpr std::size_t kLongestReadText = 32767;

// The length of a UTF-8 text in UTF-16 units: a character beyond the basic
// plane (a four-byte sequence) takes two.
std::size_t Utf16Length(const std::string& text) {
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            units += byte >= 0xF0 ? 2 : 1;
        }
    }
    return units;
}

// Ends a calculation that read fields it could not read (their warnings are
// given already); Run catches it.
struct BadFieldsStop {};

const std::string kEmpty;

} // namespace

const std::string& TWindowInput::Field(const std::string& name) const {
    const auto found = Fields.find(name);
    return found == Fields.end() ? kEmpty : found->second;
}

void TCalculation::Answers(std::initializer_list<TAnswerField> fields) {
    for (const TAnswerField& field : fields) {
        answers_.emplace_back(field.Name, field.Initial);
    }
}

void TCalculation::Unused(std::initializer_list<const char*> fields) {
    unused_.insert(fields.begin(), fields.end());
}

void TCalculation::ReadField(const char* field,
                             const std::function<bool(const std::string&)>& read) {
    read_.emplace_back(field);
    const std::string& typed = input_.Field(field);
    std::string failure;
    try {
        if (Utf16Length(typed) > kLongestReadText) {
            throw arith::OverflowError();
        }
        const std::string text = arith::NormalizeInput(typed);
        if (read(text)) {
            return;
        }
        failure = arith::BadInputText(text);
    } catch (const arith::CalcError& e) {
        failure = e.what();
    }
    badFields_.emplace_back(field);
    messages_.push_back({TMessage::Kind::Warning, std::move(failure)});
}

void TCalculation::StopOnBadFields() const {
    if (!badFields_.empty()) {
        throw BadFieldsStop();
    }
}

arith::TRational TCalculation::ReadRational(const char* field) {
    arith::TRational r;
    ReadField(field, [&r](const std::string& text) { return arith::ParseRational(text, r); });
    return r;
}

arith::TPolynomial TCalculation::ReadConstant(const char* field) {
    arith::TPolynomial c;
    ReadField(field, [&c](const std::string& text) { return arith::ParseCoefficient(text, c); });
    return c;
}

arith::TPolynomial TCalculation::ReadPolynomial(const char* field, char letter) {
    arith::TPolynomial p;
    ReadField(field, [&p, letter](const std::string& text) {
        return arith::ParsePolynomial(text, letter, p);
    });
    return p;
}

arith::TInteger TCalculation::ReadInteger(const char* field) {
    arith::TInteger n;
    ReadField(field, [&n](const std::string& text) {
        n = arith::IntFromText(text);
        return true;
    });
    return n;
}

arith::TPolynomial TCalculation::ReadCoefficients(const std::vector<std::string>& names) {
    arith::TPolynomial p;
    for (int power = static_cast<int>(names.size()) - 1; power >= 0; --power) {
        const arith::TPolynomial c = ReadConstant(names[power].c_str());
        p.SetCoeff(power, arith::PolyCoeff(c, 0));
    }
    return arith::Normalized(p);
}

arith::TPolynomial TCalculation::ReadCoefficients(std::initializer_list<const char*> names) {
    return ReadCoefficients(std::vector<std::string>(names.begin(), names.end()));
}

void TCalculation::Write(const char* field, std::string text) {
    written_[field] = std::move(text);
}

void TCalculation::Problem(std::function<arith::TMath()> problem) {
    entry_ = TBoardEntry{};
    entry_->Problem = std::move(problem);
}

void TCalculation::Answer(std::function<arith::TMath()> answer,
                          std::initializer_list<const char*> fields) {
    if (!entry_) {
        return;
    }
    entry_->Answer = std::move(answer);
    std::string lines;
    bool first = true;
    for (const char* field : fields) {
        if (!first) {
            lines += '\n';
        }
        first = false;
        const auto found = written_.find(field);
        lines += found != written_.end() ? found->second : input_.Field(field);
    }
    entry_->Text = std::move(lines);
}

void TCalculation::Working(std::function<std::optional<arith::TMath>()> working,
                           std::function<std::optional<arith::TMath>()> whole) {
    if (entry_) {
        entry_->Working = std::move(working);
        entry_->WholeWorking = std::move(whole);
    }
}

void TCalculation::Graph(std::function<arith::TGraph()> graph) {
    if (entry_) {
        entry_->Plot = std::move(graph);
    }
}

void TCalculation::Decimals(std::function<std::optional<arith::TMath>()> decimals) {
    if (entry_) {
        entry_->Decimals = std::move(decimals);
    }
}

void TCalculation::Warn(arith::TWarning warning) {
    if (input_.RowUnfinished && warning == arith::TWarning::ZeroCoefficients) {
        return; // the rest of the row is still to come
    }
    messages_.push_back({TMessage::Kind::Warning, arith::WarningText(warning)});
}

void TCalculation::Warn(std::optional<arith::TWarning> warning) {
    if (warning) {
        Warn(*warning);
    }
}

void TCalculation::Stop(std::optional<arith::TWarning> warning) {
    stopped_ = true;
    if (entry_ && warning &&
        !(input_.RowUnfinished && warning == arith::TWarning::ZeroCoefficients)) {
        entry_->Message = arith::WarningText(*warning);
    }
}

void TCalculation::Fail(const std::string& message) {
    stopped_ = true;
    messages_.push_back({TMessage::Kind::Error, message});
    if (entry_) {
        entry_->Answer = nullptr;
        entry_->Working = nullptr;
        entry_->WholeWorking = nullptr;
        entry_->Plot = nullptr;
        entry_->Message = message;
    }
}

TWindowResult TCalculation::Finish() {
    TWindowResult result;
    result.Stopped = stopped_;
    for (const auto& [name, initial] : answers_) {
        const auto found = written_.find(name);
        if (stopped_) {
            result.Fields.push_back({name, initial, true});
        } else if (found != written_.end()) {
            result.Fields.push_back({name, found->second, true});
        } else {
            result.Fields.push_back({name, input_.Field(name), false});
        }
    }
    for (const auto& field : written_) {
        const std::string& name = field.first; // a name, not a binding: the lambda captures it
        const bool listed =
            std::any_of(answers_.begin(), answers_.end(),
                        [&name](const auto& answer) { return answer.first == name; });
        if (!listed) {
            result.Fields.push_back({name, field.second, true});
        }
    }
    result.BadFields = badFields_;
    result.FieldsRead = std::move(read_);
    for (const std::string& field : badFields_) {
        if (unused_.count(field) == 0) {
            result.Focus = field;
            break;
        }
    }
    result.Messages = std::move(messages_);
    if (entry_ && (entry_->Answer || !entry_->Message.empty())) {
        result.Board = std::move(entry_);
    }
    return result;
}

TWindowResult TCalculation::Run(const TWindowInput& input,
                                const std::function<void(TCalculation&)>& handler) {
    TCalculation calculation(input);
    try {
        handler(calculation);
    } catch (const BadFieldsStop&) {
        calculation.stopped_ = true;
    } catch (const std::exception& failure) {
        calculation.Fail(failure.what());
    }
    return calculation.Finish();
}

} // namespace problems
