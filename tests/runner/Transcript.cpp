// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transcript.h"

#include <QByteArray>

#include <algorithm>

namespace runner {

void WriteLine(FILE* stream, const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// Compares the printed lines with the expected ones, aligned by their longest
// common subsequence so that one missing or extra line is reported as just
// that. Returns true when they are equal.
bool CheckTranscript(const Script& script, const std::vector<Printed>& printed) {
    const std::vector<Expected>& expected = script.expected;
    const size_t n = expected.size();
    const size_t m = printed.size();
    // lcs[i][j]: common length of expected[i..] and printed[j..].
    std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
    for (size_t i = n; i-- > 0;) {
        for (size_t j = m; j-- > 0;) {
            lcs[i][j] = expected[i].text == printed[j].text
                            ? lcs[i + 1][j + 1] + 1
                            : std::max(lcs[i + 1][j], lcs[i][j + 1]);
        }
    }
    bool same = true;
    size_t i = 0;
    size_t j = 0;
    std::vector<size_t> missing; // expected lines with no partner yet
    std::vector<size_t> extra;   // printed lines with no partner yet
    const auto flush = [&] {
        const size_t pairs = std::min(missing.size(), extra.size());
        for (size_t k = 0; k < pairs; ++k) {
            const Expected& e = expected[missing[k]];
            WriteLine(
                stderr,
                QStringLiteral("%1:%2: expected: %3").arg(script.path).arg(e.line).arg(e.text));
            WriteLine(stderr, QStringLiteral("%1:%2:  printed: %3")
                                  .arg(script.path)
                                  .arg(e.line)
                                  .arg(printed[extra[k]].text));
        }
        for (size_t k = pairs; k < missing.size(); ++k) {
            const Expected& e = expected[missing[k]];
            WriteLine(
                stderr,
                QStringLiteral("%1:%2: missing: %3").arg(script.path).arg(e.line).arg(e.text));
        }
        for (size_t k = pairs; k < extra.size(); ++k) {
            const Printed& p = printed[extra[k]];
            WriteLine(stderr, QStringLiteral("%1:%2: extra line printed by this command: %3")
                                  .arg(script.path)
                                  .arg(p.line)
                                  .arg(p.text));
        }
        same = same && missing.empty() && extra.empty();
        missing.clear();
        extra.clear();
    };
    while (i < n || j < m) {
        if (i < n && j < m && expected[i].text == printed[j].text) {
            flush();
            ++i;
            ++j;
        } else if (j < m && (i == n || lcs[i][j + 1] >= lcs[i + 1][j])) {
            extra.push_back(j++);
        } else {
            missing.push_back(i++);
        }
    }
    flush();
    return same;
}

} // namespace runner
