// SPDX-License-Identifier: GPL-3.0-or-later
// Drives every window's problem entry, without the windows, with arbitrary
// field texts: the calculations, the board's formulas and graphs, fast.
//
// Input: the first byte picks the window, in the order of the window registry
// (taken modulo the windows that calculate); the rest of the first line holds
// one byte for each group of radio buttons and one for the command button
// (each taken modulo the choices); every further line is the text of one
// field, in the order the calculation reads the fields (missing lines leave a
// field empty). A field's text reaches the entry as valid UTF-8, as a window
// hands it over: a byte that breaks UTF-8 becomes U+FFFD.
//
// Checks: no exception escapes the problem entry; every message is a
// non-empty text and every answer text a text, of valid UTF-8 without NUL;
// the board's problem, answer, working (with every step) and
// graph are made, and the graph's view is finite and not empty. The
// sanitizers report the rest.
#include "GraphRange.h"
#include "WindowRegistry.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void Fail(const TWindowEntry& window, const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s: %s\n", window.Class, what, detail.c_str());
    std::abort();
}

std::size_t SequenceLength(unsigned char byte) {
    return byte < 0x80 ? 1 : byte >> 5 == 6 ? 2 : byte >> 4 == 14 ? 3 : byte >> 3 == 30 ? 4 : 0;
}

bool SequenceAt(std::string_view text, std::size_t i, std::size_t length) {
    if (length == 0 || i + length > text.size()) {
        return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
            return false;
        }
    }
    return true;
}

// The text with every byte that breaks UTF-8 replaced by U+FFFD.
std::string AsTyped(std::string_view text) {
    std::string typed;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
        if (SequenceAt(text, i, length)) {
            typed.append(text.substr(i, length));
            i += length;
        } else {
            typed += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return typed;
}

// Valid UTF-8 without NUL.
bool CleanText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = SequenceLength(byte);
        if (byte == 0 || !SequenceAt(text, i, length)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::vector<const TWindowEntry*> Calculating() {
    std::vector<const TWindowEntry*> windows;
    for (const TWindowEntry& window : Windows()) {
        if (window.Solve != nullptr) {
            windows.push_back(&window);
        }
    }
    return windows;
}

void CheckBoard(const TWindowEntry& window, const TBoardEntry& entry) {
    (void)entry.Math();
    (void)entry.CopiedWorking();
    const std::optional<arith::TGraph>& graph = entry.Graph();
    if (!graph) {
        return;
    }
    if (const char* fault = GraphRangeFault(*graph)) {
        Fail(window, fault, entry.Text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const TWindowEntry*> windows = Calculating();
    if (size == 0 || windows.empty()) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    // The first line's bytes after the window's (none where the line is empty).
    const std::string_view choices = lines.front().substr(lines.front().empty() ? 0 : 1);
    const TWindowEntry& window =
        *windows[static_cast<std::uint8_t>(text[0] - 'a') % windows.size()];

    problems::TWindowInput input = window.StartInput();
    std::size_t next = 0;
    const auto pick = [&choices, &next](std::size_t count) {
        return next < choices.size() ? static_cast<std::uint8_t>(choices[next++]) % count : 0;
    };
    for (const TRadioGroup& group : window.RadioGroups) {
        window.CheckRadio(input, group.Radios[pick(group.Radios.size())]);
    }
    input.Command = window.Commands[pick(window.Commands.size())];

    // The fields in the order this calculation reads them, then their texts.
    const std::vector<std::string> fields = window.Solve(input).FieldsRead;
    for (std::size_t i = 0; i < fields.size() && i + 1 < lines.size(); ++i) {
        input.Fields[fields[i]] = AsTyped(lines[i + 1]);
    }
    const problems::TWindowResult result = window.Solve(input);
    for (const problems::TMessage& message : result.Messages) {
        if (message.Text.empty() || !CleanText(message.Text)) {
            Fail(window, "bad message", message.Text);
        }
    }
    for (const problems::TFieldText& field : result.Fields) {
        if (!CleanText(field.Text)) {
            Fail(window, "bad answer text", field.Name);
        }
    }
    if (result.Board) {
        CheckBoard(window, *result.Board);
    }
    return 0;
}
