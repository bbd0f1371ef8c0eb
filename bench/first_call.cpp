// SPDX-License-Identifier: GPL-3.0-or-later
// The first calculation of a window in a fresh process, as a user's first
// click runs it: whatever the arithmetic makes on first use (tables, caches,
// pages of code and data touched for the first time) is paid in this call.
//
//     vorantel_first_call [--cold] CASE  one click of that case of window_bench, once;
//                                 prints its wall time in nanoseconds, then
//                                 the text it shows
//     vorantel_first_call --list  the names of the cases
//
// The case is looked up and its click set up before the clock starts, so
// only the handler is timed. The program warms the number library once its
// window is up (arith::WarmUp), long before a user can click; so does this
// process before the clock starts, unless --cold is given first.
#include "WarmUp.h"
#include "window_cases.h"

#include <chrono>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    const bool cold = argc == 3 && std::string_view(argv[1]) == "--cold";
    if (argc != 2 && !cold) {
        std::fprintf(stderr, "usage: %s [--cold] CASE | --list\n", argv[0]);
        return 2;
    }
    const std::string_view name = argv[argc - 1];
    if (name == "--list") {
        for (const bench::TCase& windowCase : bench::WindowCases()) {
            std::printf("%s\n", windowCase.Name);
        }
        return 0;
    }
    const bench::TCase* windowCase = bench::FindCase(name);
    if (windowCase == nullptr) {
        std::fprintf(stderr, "%s: no case %s\n", argv[0], argv[argc - 1]);
        return 2;
    }
    if (!cold) {
        arith::WarmUp();
    }
    bench::TSetUp setUp = bench::SetUp(*windowCase);
    if (!setUp.Click) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[argc - 1], setUp.Missing);
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    setUp.Click->Run();
    const auto stop = std::chrono::steady_clock::now();

    const long long elapsed =
        std::chrono::duration_cast<std::chrono::nanoseconds>(stop - start).count();
    std::printf("%lld\n%s\n", elapsed, setUp.Click->Shown().c_str());
    return 0;
}
