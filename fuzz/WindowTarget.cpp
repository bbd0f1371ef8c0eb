// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the tool windows with arbitrary field texts through their own handlers.
//
// Input: the first byte picks the window, 'a' to 'l' in the order of the
// window registry (any byte counts, taken as (byte - 'a') modulo the number of windows);
// the rest of the first line holds one byte per choice the window offers
// (mode, radio item, operation button; each byte taken modulo the number of
// choices); every further line is the text of one edit field, in the order the
// window creates its fields (missing lines leave a field empty). The chosen
// controls are clicked in order, the last one running the calculation. One
// target for all windows shares what it learns of the readers and the number
// code between them, and builds and runs once.
//
// Checks: no exception escapes the handler, and every answer field ends as
// either its previous text or a non-empty text (empty only where the window
// empties it by design) without NUL or broken UTF-8; the texts of message
// boxes obey the same rule. The board's graph of every calculation that has
// one is made, and its view is finite and not empty. The sanitizers report
// the rest.
#include "GraphRange.h"
#include "MessageBoxes.h"
#include "Startup.h"
#include "ToolForm.h"
#include "VoranMain.h"
#include "WindowRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string_view>
#include <vector>

namespace {

struct TWindowPlan {
    const char* ClassName;
    // Each choice set is one click; a byte of the first line picks its member.
    std::vector<std::vector<const char*>> Choices;
};

// Every window that calculates, from the window registry: its radio groups,
// then its command buttons.
const std::vector<TWindowPlan>& Plans() {
    static const std::vector<TWindowPlan> plans = [] {
        std::vector<TWindowPlan> made;
        for (const TWindowEntry& window : Windows()) {
            if (window.Solve == nullptr) {
                continue;
            }
            TWindowPlan plan{window.Class, {}};
            for (const TRadioGroup& group : window.RadioGroups) {
                plan.Choices.push_back(group.Radios);
            }
            plan.Choices.push_back(window.Commands);
            made.push_back(std::move(plan));
        }
        return made;
    }();
    return plans;
}

struct THarness {
    const TWindowPlan* Plan = nullptr;
    QWidget* Window = nullptr;
    std::vector<QLineEdit*> Fields;
    std::vector<std::vector<QAbstractButton*>> Choices;
    std::vector<const QLineEdit*> StartEmpty; // answer fields empty when first shown
};

TMainForm* mainForm = nullptr;
std::vector<THarness> harnesses;   // one per plan, set up when its window is first picked
const THarness* current = nullptr; // the window of the input being run
bool inputHasReplacement = false;  // an input field holds U+FFFD, which an answer may echo

[[noreturn]] void Fail(const char* what, const QString& detail) {
    const char* window = current != nullptr ? current->Plan->ClassName : "fuzz";
    std::fprintf(stderr, "%s: %s: %s\n", window, what, detail.toUtf8().constData());
    std::abort();
}

// Text that a field or box may show: no NUL, no broken UTF-16, and no
// replacement character (the trace of broken UTF-8) unless the input had one.
bool CleanText(const QString& text) {
    if (!text.isValidUtf16() || text.contains(QChar(0))) {
        return false;
    }
    return inputHasReplacement || !text.contains(QChar(QChar::ReplacementCharacter));
}

void CheckBox(const QString& caption, const QString& text) {
    if (text.isEmpty() || !CleanText(text) || !CleanText(caption)) {
        Fail("bad message box text", caption + QStringLiteral(" / ") + text);
    }
}

// The graph the board would draw for the calculation: a view of finite,
// ordered limits with positive steps.
void CheckGraph(const TBoardEntry& entry) {
    const std::optional<arith::TGraph>& graph = entry.Graph();
    if (!graph) {
        return;
    }
    if (const char* fault = GraphRangeFault(*graph)) {
        const arith::TGraphRange& r = graph->Range;
        Fail(fault,
             QStringLiteral("%1..%2, %3..%4").arg(r.XMin).arg(r.XMax).arg(r.YMin).arg(r.YMax));
    }
}

void SetupApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    auto* app = new QApplication(argc, argv);
    ConfigureApplication(*app);
    SetMessageBoxHook(&CheckBox);
    mainForm = CreateWindows();
    harnesses.resize(Plans().size());
}

const THarness& Harness(std::size_t index) {
    THarness& harness = harnesses[index];
    if (harness.Window != nullptr) {
        return harness;
    }
    harness.Plan = &Plans()[index];
    current = &harness;
    const QString className = QString::fromLatin1(harness.Plan->ClassName);
    harness.Window = mainForm->findChild<QWidget*>(className);
    if (harness.Window == nullptr) {
        Fail("window not found", className);
    }
    harness.Window->show();
    if (auto* tool = qobject_cast<ToolForm*>(harness.Window)) {
        QObject::connect(tool, &ToolForm::Calculated, tool, &CheckGraph);
    }
    const QList<QLineEdit*> fields = harness.Window->findChildren<QLineEdit*>();
    harness.Fields.assign(fields.begin(), fields.end());
    for (const QLineEdit* field : fields) {
        if (field->text().isEmpty()) {
            harness.StartEmpty.push_back(field);
        }
    }
    if (qEnvironmentVariableIsSet("VORANTEL_FUZZ_FIELDS")) {
        // The line order of an input, for writing seeds by hand.
        std::fprintf(stderr, "%s:\n", harness.Plan->ClassName);
        for (const QLineEdit* field : harness.Fields) {
            std::fprintf(stderr, "%s\n", field->objectName().toUtf8().constData());
        }
    }
    for (const auto& names : harness.Plan->Choices) {
        std::vector<QAbstractButton*> buttons;
        for (const char* name : names) {
            auto* button = harness.Window->findChild<QAbstractButton*>(QString::fromLatin1(name));
            if (button == nullptr) {
                Fail("button not found", QString::fromLatin1(name));
            }
            buttons.push_back(button);
        }
        harness.Choices.push_back(buttons);
    }
    return harness;
}

bool IsAnswer(const QLineEdit* field) {
    return field->objectName().contains(QStringLiteral("Ans"));
}

// An answer field that the window shows empty at first may end empty.
bool MayBeEmpty(const QLineEdit* field) {
    return std::find(current->StartEmpty.begin(), current->StartEmpty.end(), field) !=
           current->StartEmpty.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (mainForm == nullptr) {
        SetupApplication();
    }
    if (size == 0) {
        return 0;
    }
    const std::size_t windows = Plans().size();
    const THarness& harness = Harness(std::uint8_t(data[0] - 'a') % windows);
    current = &harness;
    std::vector<std::string_view> lines;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        lines.push_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const std::string_view choiceLine = lines.empty() ? std::string_view() : lines[0];

    inputHasReplacement = false;
    std::vector<QString> before;
    for (std::size_t i = 0; i < harness.Fields.size(); ++i) {
        const std::string_view line = i + 1 < lines.size() ? lines[i + 1] : std::string_view();
        const QString text = QString::fromUtf8(line.data(), qsizetype(line.size()));
        harness.Fields[i]->setText(text);
        before.push_back(harness.Fields[i]->text());
        inputHasReplacement =
            inputHasReplacement || text.contains(QChar(QChar::ReplacementCharacter));
    }

    try {
        for (std::size_t k = 0; k < harness.Choices.size(); ++k) {
            const auto& buttons = harness.Choices[k];
            const std::size_t pick = k < choiceLine.size() ? std::uint8_t(choiceLine[k]) : 0;
            buttons[pick % buttons.size()]->click();
        }
    } catch (const std::exception& failure) {
        Fail("exception escaped the handler", QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        Fail("unknown exception escaped the handler", QString());
    }

    for (std::size_t i = 0; i < harness.Fields.size(); ++i) {
        const QLineEdit* field = harness.Fields[i];
        const QString text = field->text();
        if (!IsAnswer(field) || text == before[i]) {
            continue;
        }
        if ((text.isEmpty() && !MayBeEmpty(field)) || !CleanText(text)) {
            Fail("bad answer text", field->objectName() + QStringLiteral(": ") + text);
        }
    }
    return 0;
}
