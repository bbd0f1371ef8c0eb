// SPDX-License-Identifier: GPL-3.0-or-later
// Every tool window's calculation as its handler runs it, over and over, so
// each figure is the arithmetic of the whole handler (reading the fields,
// computing, writing the answer texts); the cases are in window_cases.cpp.
// The label of each result shows the answer, or the warning or failure it
// ended in, so a case that stops early is seen at once.
#include "window_cases.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

using bench::TCase;

// Long answers are shown by their beginning and their length in characters.
std::string Shorten(const std::string& text) {
    constexpr std::size_t kShown = 40;
    constexpr std::size_t kBeginning = 24;
    std::vector<std::size_t> starts; // where each UTF-8 character begins
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            starts.push_back(i);
        }
    }
    if (starts.size() <= kShown) {
        return text;
    }
    return text.substr(0, starts[kBeginning]) + "... (" + std::to_string(starts.size()) + " chars)";
}

void Click(benchmark::State& state, const TCase& windowCase) {
    bench::TSetUp setUp = bench::SetUp(windowCase);
    if (!setUp.Click) {
        state.SkipWithError(setUp.Missing);
        return;
    }
    // One click before the timed ones, so that what the arithmetic makes on
    // first use (vorantel_first_call times that) is not in the figure of
    // whichever case happens to run first.
    setUp.Click->Run();
    for (auto _ : state) {
        setUp.Click->Run();
    }
    state.SetLabel(Shorten(setUp.Click->Shown()));
}

[[maybe_unused]] const bool kRegistered = [] {
    for (const TCase& windowCase : bench::WindowCases()) {
        benchmark::RegisterBenchmark(
            windowCase.Name, [&windowCase](benchmark::State& state) { Click(state, windowCase); });
    }
    return true;
}();

} // namespace
